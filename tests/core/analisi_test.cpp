// The analysis: element inertia, section properties, central kern and
// ellipse, each against integrals and formulas computed here in double.
#include <cstddef>
#include <cmath>
#include <random>
#include <sstream>

#include "analysis/ellisse.h"
#include "analysis/nocciolo.h"
#include "sezioni.h"
#include "supporto.h"

using namespace vask;

// Two vertices at the same height (or abscissa) but for a few float steps: a
// piece a rounding step thick, whose slopes are near 1e7.
TEST(Inerzia, triangoli_quasi_piatti_da_un_lato_concordano_con_gli_integrali_di_contorno) {
    EXPECT_NEAR(prodottoxytriangolo(prova::componi("T 2 9.72 12 9.720001 5 3 1").triangoli[1]), 1616.832, 0.01);
    std::mt19937 gen(99);
    std::uniform_real_distribution<float> pos(0.5f, 19.5f);
    for (int i = 0; i < 400; ++i) {
        float v[6];
        for (float& c : v) c = pos(gen);
        const int k = i % 2 == 0 ? 1 : 0;
        v[2 + k] = v[k];
        for (int p = 1 + i % 3; p > 0; --p) v[2 + k] = std::nextafter(v[2 + k], 100.0f);
        Sezione s;
        prova::triangolo(s, v[0], v[1], v[2], v[3], v[4], v[5], 1);
        const prova::Integrali g = prova::poligono({v[0], v[2], v[4]}, {v[1], v[3], v[5]});
        const double tol = 2e-6 * (g.area * 400 + 1);
        EXPECT_NEAR(momentoxtriangolo(s.triangoli[1]), g.ixx, tol) << i;
        EXPECT_NEAR(momentoytriangolo(s.triangoli[1]), g.iyy, tol) << i;
        EXPECT_NEAR(prodottoxytriangolo(s.triangoli[1]), g.ixy, tol) << i;
    }
}

// ---- Section properties ---------------------------------------------------------

namespace {

// |a - b| within `rel` of the largest magnitude of the group (or of `scala`).
void gruppo(const char* nome, std::initializer_list<std::pair<double, double>> coppie, double rel = 1e-6,
            double scala = 0) {
    for (const auto& [a, b] : coppie) scala = std::max({scala, std::fabs(a), std::fabs(b)});
    int k = 0;
    for (const auto& [a, b] : coppie) EXPECT_NEAR(a, b, rel * scala) << nome << " " << k++;
}

// The fifteen results against the independent integration, the angle as the axes are drawn; then the
// centroidal moments before a negative one shows as 0.
void confronta(const Proprieta& p, const prova::Atteso& e) {
    const Assi caso = casoassi(p.angologradi, float(p.ixgvero), float(p.iygvero));
    const double v[15] = {p.area, p.massatotale, p.xg, p.yg, p.ixtotale, p.iytotale, p.ixg, p.iyg, p.ixytotale, p.ixgyg,
                          p.ixc, p.iyc, p.raggiocentralexc, p.raggiocentraleyc,
                          caso == Assi::Verticale ? 90 : caso == Assi::Orizzontale ? 0 : p.alfa * 180 / prova::PI};
    EXPECT_EQ(prova::giudica(v, caso != Assi::Obliqui, e), "");
    const double momenti = std::max(e.imax, -e.imin);
    gruppo("centrali", {{p.ixgvero, e.ixg}, {p.iygvero, e.iyg}, {p.ixgygvero, e.ixgyg}}, 1e-6, momenti);
    EXPECT_NEAR(p.angologradi, p.alfa * 180 / prova::PI, 1e-4);
    EXPECT_TRUE(finite(p));
}

Assi assi(const Proprieta& p) { return casoassi(p.angologradi, float(p.ixgvero), float(p.iygvero)); }

}  // namespace

// Textbook sections with their published centroidal values, symmetric and
// nearly symmetric ones, holes outside the solid; at the origin and far out,
// by amounts a float holds exactly (the stored shape the same) and not.
TEST(Proprieta, sezioni_dei_dati_danno_i_valori_pubblicati_e_gli_assi_attesi_ovunque_nel_piano) {
    const float spostamenti[][2] = {{0, 0}, {2500, 3500}, {3000.375f, 2900.625f}, {4070, 1000.5f}, {1000.3f, 700.21f},
                                    {4000.1f, 2800.07f}};
    for (const prova::Riga& r : prova::dati("core_sezioni.tsv"))
        for (const auto& d : spostamenti) {
            SCOPED_TRACE(testing::Message() << r.dove << " + (" << d[0] << ", " << d[1] << ")");
            const bool esatto = d[0] == std::floor(d[0] * 8) / 8;
            if (r[0] == "assi") {
                EXPECT_EQ("XVO"[int(casoassi(std::stof(r[1]), std::stof(r[2]), std::stof(r[3])))], r[4][0]);
                break;
            }
            const Sezione s = prova::componi(r[2], d[0], d[1]);
            const prova::Atteso e = prova::atteso(s);
            const Proprieta p = prova::calcola(Sezione(s));
            if (r[0] == "simmetrica" || r[0] == "obliqua") {
                EXPECT_EQ(assi(p) == Assi::Obliqui, r[0] == "obliqua") << p.angologradi;
                EXPECT_TRUE(r[0] == "simmetrica" || std::fabs(p.alfa - e.alfa) < 1e-6) << p.alfa << " " << e.alfa;
                continue;
            }
            if (!esatto) continue;
            confronta(p, e);
            if (r[0] == "fori") {
                ASSERT_TRUE(e.ixg < 0 || e.iyg < 0);
                // The principal values from the true ones; the labels show 0 for a negative moment.
                gruppo("invarianti", {{double(p.ixc) + p.iyc, e.ixg + e.iyg}});
                gruppo("invarianti", {{double(p.ixc) * p.iyc, e.ixg * e.iyg - e.ixgyg * e.ixgyg}}, 3e-6);
                EXPECT_EQ(std::make_pair(p.immaginarioxc, p.immaginarioyc), std::make_pair(e.imin < 0, e.imax < 0));
                EXPECT_EQ(std::make_pair(p.ixg == 0, p.iyg == 0), std::make_pair(e.ixg < 0, e.iyg < 0));
                continue;
            }
            const double ixg = std::stod(r[3]), iyg = std::stod(r[4]), ixgyg = std::stod(r[5]);
            const double centro = (ixg + iyg) / 2, raggio = std::hypot((ixg - iyg) / 2, ixgyg);
            gruppo("pubblicati", {{p.ixgvero, ixg}, {p.iygvero, iyg}, {p.ixgygvero, ixgyg}, {p.ixc, centro + raggio},
                                  {p.iyc, centro - raggio}});
            EXPECT_NEAR(p.angologradi, std::stod(r[6]), 1e-6 * 90);
        }
}

// Random sections with holes, oblique triangles and circles, moved by whole
// and by fractional amounts up to 4000: every result as the independent
// integration of the stored geometry gives it. Moved by a whole amount the
// stored shape is the same, and so are its centroidal values.
TEST(Proprieta, sezioni_a_caso_concordano_con_l_integrazione_indipendente_ovunque) {
    std::mt19937 gen(7031);
    std::uniform_int_distribution<int> griglia(4, 76), quanti(0, 5), tipo(0, 2), lontano(0, 3990);
    const float pieni[3] = {1, 2, 0.5f}, vuoti[2] = {-1, -0.5f};
    const auto coord = [&] { return griglia(gen) * 0.25f; };  // 1 .. 19 in steps of 0.25
    int provate = 0, conforo = 0;
    for (int giri = 0; provate < 200 && giri < 10000; ++giri) {
        Sezione s;
        const int n = 1 + quanti(gen), fori = quanti(gen) % 3;
        for (int k = 0; k < n + fori; ++k) {
            const float rho = k < n ? pieni[k % 3] : vuoti[k % 2];
            const int t = tipo(gen);
            if (t == 0 && s.numerorettangoli() < MAXRETTANGOLI) prova::rettangolo(s, coord(), coord(), coord(), coord(), rho);
            if (t == 1 && s.numerotriangoli() < MAXTRIANGOLI)
                prova::triangolo(s, coord(), coord(), coord(), coord(), coord(), coord(), rho);
            if (t == 2 && s.numerocerchi() < MAXCERCHI) prova::cerchio(s, coord(), coord(), 0.25f + quanti(gen) * 0.5f, rho);
        }
        const prova::Atteso e = prova::atteso(s);
        if (!(e.massa > 0.05 * std::fabs(e.area)) || s.numerorettangoli() + s.numerotriangoli() == 0) continue;
        ++provate;
        conforo += fori > 0;
        SCOPED_TRACE(provate);
        const Proprieta p = prova::calcola(s);
        confronta(p, e);

        const float dx = float(lontano(gen)), dy = float(lontano(gen));
        Sezione intero = s, frazione = s;
        const float fx = dx + 0.1f * (provate % 7), fy = dy + 0.37f;
        for (int i = 1; i < s.prossimorettangolo; ++i) intero.spostarettangolo(i, dx, dy), frazione.spostarettangolo(i, fx, fy);
        for (int i = 1; i < s.prossimotriangolo; ++i) intero.spostatriangolo(i, dx, dy), frazione.spostatriangolo(i, fx, fy);
        for (int i = 1; i < s.prossimocerchio; ++i) intero.spostacerchio(i, dx, dy), frazione.spostacerchio(i, fx, fy);
        const Proprieta q = prova::calcola(intero), r = prova::calcola(frazione);
        confronta(q, prova::atteso(intero));
        confronta(r, prova::atteso(frazione));
        gruppo("traslata", {{q.ixgvero, p.ixgvero}, {q.iygvero, p.iygvero}, {q.ixgygvero, p.ixgygvero},
                            {q.ixc, p.ixc}, {q.iyc, p.iyc}});
        EXPECT_NEAR(q.angologradi, p.angologradi, 1e-6 * 90);
    }
    EXPECT_GT(conforo, 40);
}

// ---- Central kern ------------------------------------------------------------------

namespace {

using Linee = float[MAXLINEE + 1][L::CAMPI + 1];

// Every stored number of the construction: all of it but the validity flags at its end.
void tuttifiniti(const Nocciolo& n) {
    const float *v = &n.alfa, *fine = v + offsetof(Nocciolo, valido) / sizeof(float);
    EXPECT_TRUE(std::all_of(v, fine, [](float x) { return std::isfinite(x); }));
}

// The kern of a data row: G, alfa, rho_x, rho_y; the lines; their antipoles.
Nocciolo nocciolo(const prova::Riga& r) {
    std::istringstream g(r[0]), linee(r[1]), vertici(r[2]);
    float xg, yg, alfa, rx, ry;
    g >> xg >> yg >> alfa >> rx >> ry;
    Linee l = {};
    int n = 0;
    while (n < MAXLINEE && linee >> l[n + 1][L::x1] >> l[n + 1][L::y1] >> l[n + 1][L::x2] >> l[n + 1][L::y2]) ++n;
    Nocciolo k;
    calcolanocciolo(k, l, n, xg, yg, alfa, rx, ry);
    std::string x, y;
    for (int i = 1; i <= n && vertici >> x >> y; ++i) {
        EXPECT_TRUE(x == "*" || k.valido[i] == (x != "-")) << "line " << i;
        if (x == "*" || x == "-") continue;
        EXPECT_NEAR(k.verticinocciolo[i][1], std::stod(x), std::stod(r[3])) << "line " << i;
        EXPECT_NEAR(k.verticinocciolo[i][2], std::stod(y), std::stod(r[3])) << "line " << i;
    }
    tuttifiniti(k);
    return k;
}

}  // namespace

TEST(Nocciolo, le_linee_dei_dati_danno_gli_antipoli_attesi_anche_nei_casi_limite) {
    const std::vector<prova::Riga> righe = prova::dati("core_nocciolo.tsv");
    for (const prova::Riga& r : righe) {
        SCOPED_TRACE(r.dove);
        nocciolo(r);
    }
    // Nearly parallel to an axis, treated as parallel: tangent point on the axis itself.
    const Nocciolo n = nocciolo(righe.at(0));
    EXPECT_EQ(n.lineecentrali[7][2], n.lineecentrali[7][4]);
    EXPECT_EQ(n.lineecentrali[8][1], n.lineecentrali[8][3]);
    EXPECT_EQ(std::make_tuple(n.tangentescelta[7][1], n.tangentescelta[7][2], n.tangentescelta[8][1], n.tangentescelta[8][2]),
              std::make_tuple(0.f, -std::sqrt(12.0f), std::sqrt(3.0f), 0.f));
    // Xc vertical: long vertical lines are nearly, not within 0.000001,
    // parallel to Xc; |Tx| is far below 0.000001, of either sign.
    const Nocciolo v = nocciolo(righe.at(4));
    int segni = 0;
    for (int i = 1; i <= 4; ++i) {
        const float tx = v.tangentescelta[i][1];
        segni |= tx != 0 && std::fabs(tx) < 0.000001f ? 1 << (tx > 0) : 4;
    }
    EXPECT_EQ(segni, 3);
}

// Any line against the pole-polar relation, in double: for the ellipse
// x'^2/ry^2 + y'^2/rx^2 = 1 the line a x' + b y' + c = 0 has its antipole at
// (ry^2 a / c, rx^2 b / c).
TEST(Nocciolo, linee_qualsiasi_danno_l_antipolo_rispetto_all_ellisse) {
    std::mt19937 gen(4242);
    std::uniform_real_distribution<float> pos(0, 30), ang(-1.5f, 1.5f), raggio(0.3f, 4);
    int provate = 0;
    for (int giri = 0; provate < 300 && giri < 10000; ++giri) {
        const float xg = 10 + pos(gen) / 3, yg = 10 + pos(gen) / 3;
        const float alfa = provate < 20 ? 0.0f : ang(gen);
        float rx = raggio(gen), ry = raggio(gen);
        if (rx < ry) std::swap(rx, ry);
        Linee l = {};
        const int quante = 1 + provate % MAXLINEE;
        std::vector<std::pair<double, double>> attesi(quante + 1);
        const double ca = std::cos(double(alfa)), sa = std::sin(double(alfa));
        bool buone = true;
        for (int i = 1; i <= quante; ++i) {
            const float x1 = pos(gen), y1 = pos(gen), x2 = pos(gen), y2 = pos(gen);
            l[i][L::x1] = x1, l[i][L::y1] = y1, l[i][L::x2] = x2, l[i][L::y2] = y2;
            const auto centrale = [&](double x, double y) {
                return std::make_pair((x - xg) * ca + (y - yg) * sa, (y - yg) * ca - (x - xg) * sa);
            };
            const auto [p1, q1] = centrale(x1, y1);
            const auto [p2, q2] = centrale(x2, y2);
            const double a = q2 - q1, b = p1 - p2, c = p2 * q1 - p1 * q2;
            // Clear of G (no vertex) and of the small shift of the angle used
            // near a tangent point on the central y axis.
            const double tx = double(ry) * ry * a, ty = double(rx) * rx * b;
            if (std::fabs(c) / std::hypot(a, b) < 0.5 || std::fabs(tx) < 1e-3 * std::hypot(tx, ty)) buone = false;
            const double u = tx / c, v = ty / c;
            attesi[i] = {xg + u * ca - v * sa, yg + u * sa + v * ca};
        }
        if (!buone) continue;
        ++provate;
        Nocciolo n;
        calcolanocciolo(n, l, quante, xg, yg, alfa, rx, ry);
        for (int i = 1; i <= quante; ++i) {
            const double tol = 1e-4 * (1 + std::hypot(attesi[i].first - xg, attesi[i].second - yg));
            EXPECT_TRUE(n.valido[i]);
            EXPECT_NEAR(n.verticinocciolo[i][1], attesi[i].first, tol) << "line " << i;
            EXPECT_NEAR(n.verticinocciolo[i][2], attesi[i].second, tol) << "line " << i;
        }
        tuttifiniti(n);
    }
}

// ---- Central ellipse ----------------------------------------------------------------

// Foci on Yc, symmetric about G, at sqrt(rx^2 - ry^2); the trace as wide and
// as high as the ellipse. Then the 2 x 6 rectangle from its own properties.
TEST(Ellisse, i_fuochi_e_gli_estremi_sono_quelli_dell_ellisse_anche_inclinata) {
    for (const prova::Riga& riga : prova::dati("core_ellisse.tsv")) {
        float xg, yg, alfa, rx, ry;
        std::istringstream(riga[0]) >> xg >> yg >> alfa >> rx >> ry;
        SCOPED_TRACE(riga.dove);
        Ellisse e;
        tracciaellisse(xg, yg, alfa, rx, ry, 0, 100, e);
        ASSERT_FALSE(e.punti.empty());
        const double f = std::sqrt(double(rx) * rx - double(ry) * ry), sn = std::sin(alfa), cs = std::cos(alfa);
        const double larghezza = std::hypot(ry * cs, rx * sn), altezza = std::hypot(ry * sn, rx * cs);
        // Every point on x'^2/ry^2 + y'^2/rx^2 = 1 in the central frame; the trace's extremes.
        double scarto = 0, r[4] = {INFINITY, -INFINITY, INFINITY, -INFINITY};
        for (size_t i = 0; i + 1 < e.punti.size(); i += 2) {
            const double x = e.punti[i], y = e.punti[i + 1];
            const double u = (x - xg) * cs + (y - yg) * sn, v = (y - yg) * cs - (x - xg) * sn;
            scarto = std::max(scarto, std::fabs(u * u / (double(ry) * ry) + v * v / (double(rx) * rx) - 1));
            r[0] = std::min(r[0], x), r[1] = std::max(r[1], x), r[2] = std::min(r[2], y), r[3] = std::max(r[3], y);
        }
        EXPECT_LT(scarto, 1e-4);
        const double attesi[][3] = {{e.fuoco1x, xg - f * sn, 1e-5}, {e.fuoco1y, yg + f * cs, 1e-5}, {e.fuoco2x, xg + f * sn, 1e-5},
                                    {e.fuoco2y, yg - f * cs, 1e-5}, {r[0], xg - larghezza, 0.0011}, {r[1], xg + larghezza, 0.0011},
                                    {r[2], yg - altezza, 1e-4},     {r[3], yg + altezza, 1e-4}};
        for (const auto& [v, atteso, tol] : attesi) EXPECT_NEAR(v, atteso, tol);
    }
    const Proprieta p = prova::calcola(prova::componi("R 0 0 2 6 1"));
    EXPECT_NEAR(p.raggiocentralexc * p.raggiocentraleyc, 1, 1e-6);  // sqrt(3) and sqrt(1 / 3)
    Ellisse e;
    tracciaellisse(p.xg, p.yg, 0, p.raggiocentralexc, p.raggiocentraleyc, 0, 100, e);
    // Two points per abscissa, one every 0.001 across the width 2 ry; the sweep runs on to xg + rx.
    EXPECT_NEAR(e.punti.size() / 4.0, 2 * std::sqrt(1.0 / 3) / 0.001, 2);
    EXPECT_NEAR(e.iii, 1 + std::sqrt(3.0), 0.0011);
}

// A huge ellipse through a small window: bounded work, finite points.
TEST(Ellisse, la_scansione_resta_limitata_alla_finestra) {
    Ellisse grande;
    tracciaellisse(50, 50, 0.3f, 1e7f, 1e6f, 40, 60, grande);
    EXPECT_TRUE(!grande.punti.empty() && grande.punti.size() <= 4u * 20001u);
    for (float v : grande.punti) EXPECT_TRUE(std::isfinite(v));
}
