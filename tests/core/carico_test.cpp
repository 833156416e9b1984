// The load point against an independent computation: the stress field of
// the reference integrals (sezioni.h).
#include <map>
#include <regex>

#include "analysis/carico.h"
#include "edit/relazionetesto.h"
#include "sezioni.h"
#include "supporto.h"

using namespace vask;

using prova::relazione;

// The sections of core_campo.tsv, load points on a ring around G and beyond.
TEST(Carico, tensioni_e_asse_neutro_contro_il_campo_indipendente) {
    for (const prova::Riga& riga : prova::dati("core_campo.tsv")) {
        const Sezione s = prova::componi(riga[0], std::stof(riga[1]), std::stof(riga[1]));
        const Relazione r = relazione(s);
        ASSERT_TRUE(caricoammesso(r)) << riga.dove;
        const double raggio = std::sqrt(std::max(r.rx2, r.ry2));
        for (int k = 0; k < 24; ++k) {
            const double t = k * 0.7, d = raggio * (0.2 + 0.25 * (k % 9));
            const double cx = r.xg + d * std::cos(t), cy = r.yg + d * std::sin(t);
            const Carico c = calcolacarico(r, s, cx, cy);
            const prova::Campo f = prova::campo(s, cx, cy);
            SCOPED_TRACE(testing::Message() << riga.dove << " C " << k);
            const double scala = 1 + std::fabs(c.smax) + std::fabs(c.smin);
            EXPECT_NEAR(c.smin, prova::estremo(s, f, false), 1e-6 * scala);
            EXPECT_NEAR(c.smax, prova::estremo(s, f, true), 1e-6 * scala);
            // The intercepts and the drawn axis lie where s = 0.
            double x, y, ax, ay, bx, by;
            mondo(r, c.xi0, 0, x, y);
            EXPECT_NEAR(c.xiinfinito ? 0 : f(x, y), 0, 1e-6);
            mondo(r, 0, c.eta0, x, y);
            EXPECT_NEAR(c.etainfinito ? 0 : f(x, y), 0, 1e-6);
            ASSERT_TRUE(asseneutro(r, c, r.xg - 1e4, r.yg - 1e4, r.xg + 1e4, r.yg + 1e4, ax, ay, bx, by));
            EXPECT_NEAR(f(ax, ay), 0, 1e-6);
            EXPECT_NEAR(f(bx, by), 0, 1e-6);
        }
    }
}

// A 6 x 3 rectangle at (2, 1): the kern is the rhombus of half-diagonals 1
// and 0.5 about G (5, 2.5). On it the least stress is 0; inside, positive;
// outside, negative, in every direction; the verdict agrees.
TEST(Carico, la_regola_del_terzo_medio_del_rettangolo) {
    const Sezione s = prova::componi("R 2 1 8 4 1");
    const Relazione r = relazione(s, {2, 1, 8, 1, 8, 4, 2, 4});
    for (int k = 0; k < 16; ++k) {
        const double t = k * prova::PI / 8, dx = std::cos(t), dy = std::sin(t);
        const double bordo = 1 / (std::fabs(dx) / 1 + std::fabs(dy) / 0.5);  // the rhombus along (dx, dy)
        for (const auto& [f, segno] : {std::pair{1.0, 0}, {0.9, 1}, {1.1, -1}}) {
            const Carico c = calcolacarico(r, s, 5 + f * bordo * dx, 2.5 + f * bordo * dy);
            SCOPED_TRACE(testing::Message() << k << " " << f);
            EXPECT_EQ(c.smin > 0 ? 1 : c.smin < 0 ? -1 : 0, segno);
            EXPECT_EQ(c.verdetto, segno == 0 ? Verdetto::Contorno : segno > 0 ? Verdetto::Interno : Verdetto::Esterno);
            EXPECT_NEAR(c.smax, 1 + f * 1, 1e-9);  // the farthest corner across sees 1 + 1
        }
    }
    // C at G: no axis, s = 1 everywhere; on a central axis one intercept is infinite.
    const Carico g = calcolacarico(r, s, 5, 2.5);
    EXPECT_TRUE(g.baricentro && g.xiinfinito && g.etainfinito && g.smin == 1 && g.smax == 1);
    const Carico x = calcolacarico(r, s, 5.5, 2.5);
    EXPECT_TRUE(x.xiinfinito && !x.etainfinito);  // Xc is the vertical axis here
    EXPECT_NEAR(x.eta0, 6, 1e-9);                 // -Rxc^2 / etaC = -3 / -0.5
    EXPECT_TRUE(x.xmin == 2 && x.xmax == 8);     // the least stress on the far side
    double ax, ay, bx, by;                        // its axis, x = -1, misses a box about G
    EXPECT_TRUE(!asseneutro(r, x, 4, 2, 6, 3, ax, ay, bx, by) && asseneutro(r, x, -2, 2, 6, 3, ax, ay, bx, by));
    EXPECT_TRUE(ax == -1 && bx == -1);
    const Carico obliquo = calcolacarico(r, s, 6, 3);  // axis through (5, 1) and (2, 2.5)
    EXPECT_TRUE(!asseneutro(r, obliquo, 5.5, 2.4, 6, 2.6, ax, ay, bx, by) && asseneutro(r, obliquo, 0, 0, 9, 9, ax, ay, bx, by));
    // A circle alone, C at its centre: s = 1 there, at the centre.
    const Sezione disco = prova::componi("C 5 7 2 1");
    const Carico centro = calcolacarico(relazione(disco), disco, 5, 7);
    EXPECT_TRUE(centro.baricentro && centro.xmin == 5 && centro.ymin == 7 && centro.smin == 1);
    // Without closure lines the verdict is left to smin (core_carico.tsv).
    EXPECT_EQ(calcolacarico(relazione(s), s, 6, 2.5).verdetto, Verdetto::Assente);
}

// Triangles turned every way, closure lines along their edges: the kern
// vertex of an edge (C - G = -J n / (M d) for the edge n.(P - G) = d) makes
// that edge the neutral axis and lies on the kern; scaled about G it moves
// inside or outside, and the sign of smin follows.
TEST(Carico, il_nocciolo_dei_triangoli_ruotati_e_l_antipolarita) {
    for (int k = 0; k < 8; ++k) {
        const double t = 0.4 + k * 0.8, c = std::cos(t), sn = std::sin(t);
        std::vector<double> v;
        for (const auto& [px, py] : {std::pair{0.0, 0.0}, {7.0, 1.0}, {2.0, 5.0}})
            v.push_back(std::round((20 + px * c - py * sn) * 8) / 8), v.push_back(std::round((20 + px * sn + py * c) * 8) / 8);
        std::ostringstream testo;
        testo << "T";
        for (double q : v) testo << " " << q;
        const Sezione s = prova::componi(testo.str() + " 1");
        const Relazione r = relazione(s, v);
        const prova::Campo zero = prova::campo(s, r.xg, r.yg);
        for (int i = 0; i < 3; ++i) {
            const double ax = v[2 * i], ay = v[2 * i + 1], bx = v[(2 * i + 2) % 6], by = v[(2 * i + 3) % 6];
            const double l = std::hypot(bx - ax, by - ay), nx = (by - ay) / l, ny = (ax - bx) / l;
            const double d = nx * (ax - zero.e.xg) + ny * (ay - zero.e.yg), m = zero.e.massa;
            const double ux = -(zero.e.iyg * nx + zero.e.ixgyg * ny) / (m * d), uy = -(zero.e.ixgyg * nx + zero.e.ixg * ny) / (m * d);
            SCOPED_TRACE(testing::Message() << "giro " << k << " lato " << i);
            for (const auto& [f, atteso] : {std::pair{1.0, Verdetto::Contorno}, {0.9, Verdetto::Interno}, {1.1, Verdetto::Esterno}}) {
                const Carico q = calcolacarico(r, s, zero.e.xg + f * ux, zero.e.yg + f * uy);
                EXPECT_EQ(q.verdetto, atteso) << f;
                EXPECT_EQ(q.smin > 0 ? Verdetto::Interno : q.smin < 0 ? Verdetto::Esterno : Verdetto::Contorno, atteso) << f;
            }
            const Carico q = calcolacarico(r, s, zero.e.xg + ux, zero.e.yg + uy);
            double px, py, qx, qy;
            ASSERT_TRUE(asseneutro(r, q, 0, 0, 60, 60, px, py, qx, qy));
            EXPECT_NEAR(nx * (px - ax) + ny * (py - ay), 0, 1e-4);
            EXPECT_NEAR(nx * (qx - ax) + ny * (qy - ay), 0, 1e-4);
        }
    }
}

TEST(Carico, lo_strumento_nella_finestra) { prova::recita("core_carico.tsv"); }

// The preview draws on the tool marks only; the report gets the section.
using prova::Finestra;

TEST_F(Finestra, l_anteprima_del_carico_lascia_il_disegno_e_la_relazione_lo_riporta) {
    fai("R 2 1 8 4 1 btnEsegui btnEllisseCentrale btnCarico");
    const Strato immagine = f.pic.immagine, sovrapposto = f.pic.sovrapposto;
    for (const char* p : {"~7,2.5", "~3,3.9", "~5,2.5"}) {
        fai(p);
        EXPECT_TRUE(prova::uguali(f.pic.immagine, immagine) && prova::uguali(f.pic.sovrapposto, sovrapposto)) << p;
        EXPECT_EQ(prova::dicolore(f.pic.segni, Forma::Segmento, ARANCIONE).size(), p[1] == '5' ? 0u : 1u) << p;
    }
    EXPECT_EQ(blocchirelazione(f.relazione(), false, f.caricofissato()).size(), 7u);
    fai("7,2.5");
    // C = (7, 2.5): a cross of two diagonals about it, the dashed line from G, the most compressed corner
    // (8, y) in red and the most tensioned (2, y) in blue; in surface units y runs down from the top.
    const float h = f.pic.scaleheight;
    int croce = 0, tratteggio = 0;
    for (const Primitiva& q : prova::dicolore(f.pic.segni, Forma::Segmento, ROSSO)) {
        if (q.tratteggiato) {
            EXPECT_TRUE(q.x1 == 5 && q.y1 == h - 2.5f && q.x2 == 7 && q.y2 == h - 2.5f);
            ++tratteggio;
            continue;
        }
        EXPECT_FLOAT_EQ(q.x1 + q.x2, 14);
        EXPECT_FLOAT_EQ(q.y1 + q.y2, 2 * (h - 2.5f));
        EXPECT_FLOAT_EQ(std::fabs(q.x1 - q.x2), std::fabs(q.y1 - q.y2));
        croce += q.y1 < q.y2 ? 1 : 2;
    }
    EXPECT_EQ(croce * 10 + tratteggio, 31);
    for (const auto& [colore, x] : {std::pair{ROSSO, 8.0f}, {BLU, 2.0f}}) {
        const auto quadri = prova::dicolore(f.pic.segni, Forma::Rettangolo, colore);
        ASSERT_EQ(quadri.size(), 1u);
        EXPECT_FLOAT_EQ(quadri[0].x1 + quadri[0].x2, 2 * x);
    }
    const auto b = blocchirelazione(f.relazione(), false, f.caricofissato());
    ASSERT_EQ(b.size(), 8u);
    EXPECT_EQ(b.back().titolo, "8. Carico");
    EXPECT_EQ(b.back().frasi.back(), f.ctl.testo("lblDescrizione"));
}

// The report through a translator of the texts of core_inglese.tsv: their English, the others as they were,
// and the Italian report's numbers one for one, also where the English puts them in another order.
TEST(Carico, la_relazione_tradotta_ha_i_numeri_di_quella_italiana) {
    const std::vector<prova::Riga> righe = prova::dati("core_inglese.tsv");
    std::map<std::string, std::string> inglese;
    for (const prova::Riga& r : righe)
        if (r[0] == "traduci") inglese[r[1]] = r[2];
    const Traduttore traduci = [&inglese](const char* t) {
        const auto it = inglese.find(t);
        return it == inglese.end() ? std::string(t) : it->second;
    };
    const Sezione s = prova::componi("R 2 1 8 4 1");
    const Relazione r = relazione(s, {2, 1, 8, 1, 8, 4, 2, 4});
    const Carico c = calcolacarico(r, s, 5.5, 2.5);
    const std::string it = relazionetesto(blocchirelazione(r, true, &c));
    const std::string en = relazionetesto(blocchirelazione(r, true, &c, traduci), traduci);
    for (const prova::Riga& riga : righe)
        EXPECT_TRUE(riga[0] != "riga" || en.find(riga[1]) != std::string::npos) << riga.dove << "\n" << en;
    const auto numeri = [](const std::string& t) {
        static const std::regex numero(R"(-?[0-9]+(\.[0-9]+)?(e[-+]?[0-9]+)?)");
        std::multiset<std::string> n;
        for (auto i = std::sregex_iterator(t.begin(), t.end(), numero); i != std::sregex_iterator(); ++i) n.insert(i->str());
        return n;
    };
    EXPECT_GT(numeri(it).size(), 100u);
    EXPECT_EQ(numeri(en), numeri(it));
    EXPECT_NE(relazionehtml(blocchirelazione(r, false, &c, traduci), "", traduci)
                  .find("<title>Calculation report</title></head><body><h1>Calculation report</h1><h2>1. Elements</h2>"),
              std::string::npos);
}
