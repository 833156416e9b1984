// Points typed on the keyboard, Esc, Zoom estensioni and the mouse wheel.
#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "edit/documento.h"
#include "model/puntodigitato.h"
#include "sezioni.h"
#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

namespace {

std::vector<std::vector<std::string>> righe(const char* nome) {
    std::ifstream f(std::string(VASK_DATI) + "/" + nome);
    std::vector<std::vector<std::string>> out;
    for (std::string riga; std::getline(f, riga);) {
        if (riga.rfind("#", 0) == 0) continue;
        std::vector<std::string> campi;
        std::istringstream s(riga);
        for (std::string c; std::getline(s, c, '\t');) campi.push_back(c);
        out.push_back(campi);
    }
    return out;
}

class Punti : public Finestra {
protected:
    void digita(const std::string& t) {
        f.testomodificato("txtPunto", t);
        f.txtPunto_Invio();
    }
    // The window's left, bottom and width.
    std::array<float, 3> vista() const { return {f.pic.scaleleft, -f.pic.scaletop, f.pic.scalewidth}; }
};

}  // namespace

TEST(PuntoDigitato, le_forme_ammesse_e_quelle_rifiutate) {
    const auto casi = righe("punti_digitati.tsv");
    ASSERT_GT(casi.size(), 20u);
    for (const auto& c : casi) {
        PuntoDigitato p;
        const EsitoPunto e = leggipunto(c[0], p);
        const char* nomi[] = {"Ammesso", "Forma", "Numero"};
        EXPECT_EQ(nomi[int(e)], c[1]) << "'" << c[0] << "'";
        if (e != EsitoPunto::Ammesso) continue;
        EXPECT_EQ(p.x, std::stod(c[2])) << c[0];
        EXPECT_EQ(p.y, std::stod(c[3])) << c[0];
        EXPECT_EQ(p.relativo, c.size() > 4 && c[4] == "@") << c[0];
    }
}

// A T section and its outline typed without the mouse, some points relative
// to the last one: the results of the independent integration.
TEST_F(Punti, un_esercizio_digitato_da_i_risultati_dell_integrazione) {
    f.btnSnap_Click();  // snap on: a typed point is not moved
    f.mnuStrumentiRettangolo_Click();
    for (const char* p : {"0,5;10", "@12;2", "6.1 0", "6,9;10"}) digita(p);
    f.mnuStrumentiLinea_Click();
    for (const char* p : {"0.5;12", "12.5;12", "@0;0", "6.9;0", "6.9;0", "6.1;0", "@0;0", "0.5;12"}) digita(p);
    EXPECT_EQ(avvisi(), "");
    EXPECT_EQ(campi(f.sez.rettangoli[1], R::x1, R::y2) + " " + campi(f.sez.rettangoli[2], R::x1, R::y2),
              "0.5 10 12.5 12 6.1 0 6.9 10");
    EXPECT_EQ(f.sez.l, 5);
    f.btnEsegui_Click();
    const prova::Atteso e = prova::atteso(f.sez);
    const double attesi[] = {e.area, e.massa, e.xg, e.yg, e.ix, e.iy, e.ixg, e.iyg, e.ixy, e.ixgyg, e.imax, e.imin, e.rmax, e.rmin};
    for (int k = 0; k < 14; ++k) EXPECT_NEAR(f.ris.risultati[k + 1], attesi[k], 1e-6 * std::fabs(attesi[k]) + 1e-9) << k;
    // The flange 12 x 2 over a web 0.8 x 10: centroid by hand.
    EXPECT_NEAR(f.ris.yg, (24 * 11 + 8 * 5) / 32.0, 1e-5);
    EXPECT_EQ(f.copianocciolo.vask, 4);
}

TEST_F(Punti, i_punti_relativi_partono_dall_ultimo_punto_cliccato_o_digitato) {
    f.mnuStrumentiRettangolo_Click();
    clicca(2, 3);
    digita("@4;2");
    digita("@1;1");
    clicca(9, 9);
    f.mnuStrumentiCerchio_Click();
    digita("@-6;-6");  // from the last click
    EXPECT_EQ(campi(f.sez.rettangoli[1], R::x1, R::y2) + " | " + campi(f.sez.rettangoli[2], R::x1, R::y2) + " | " +
                  campi(f.sez.cerchi[1], C::xc, C::yc),
              "2 3 6 5 | 7 6 9 9 | 3 3");
    // No command waiting: the readout only.
    f.btnSeleziona_Click();
    const Sezione prima = f.sez;
    digita("4;4.25");
    EXPECT_EQ(testi({"lblCoordinataX", "lblCoordinataY", "txtPunto"}) + avvisi(), "4 4.25 ");
    EXPECT_TRUE(prova::uguali(prima, f.sez));
}

// Every refused text: a message, the text kept for correcting, nothing else changed.
TEST_F(Punti, un_punto_rifiutato_non_cambia_nulla) {
    f.mnuStrumentiRettangolo_Click();
    clicca(2, 3);
    std::vector<std::string> rifiutati = {"5000;1", "@-3;0", "1;4096.5"};
    for (const auto& c : righe("punti_digitati.tsv"))
        if (c[1] != "Ammesso") rifiutati.push_back(c[0]);
    const Sezione prima = f.sez;
    for (const std::string& t : rifiutati) {
        digita(t);
        EXPECT_EQ(avvisi(), "Punto non valido.") << t;
        EXPECT_EQ(testo("txtPunto"), t);
        EXPECT_TRUE(prova::uguali(prima, f.sez) && f.costruzione.puntorettangolo == 1) << t;
    }
    digita("3;4");  // the command still waits for its corner
    EXPECT_EQ(std::make_pair(f.sez.prossimorettangolo, testo("txtPunto")), std::make_pair(2, std::string()));
    // Up and Down recall the accepted entries.
    f.txtPunto_Su();
    EXPECT_EQ(testo("txtPunto"), "3;4");
    f.txtPunto_Giu();
    EXPECT_EQ(testo("txtPunto"), "");
}

// Esc ends each kind of half-done command as its first undo would, and does
// nothing when none is in progress.
TEST_F(Punti, esc_abbandona_ogni_comando_in_corso_e_nient_altro) {
    rettangolo(1, 1, 3, 2);
    linea(0, 0, 5, 0);
    const Sezione prima = f.sez;
    const std::vector<std::pair<const char*, std::function<void()>>> comandi = {
        {"rettangolo", [&] { f.mnuStrumentiRettangolo_Click(), clicca(6, 6); }},
        {"triangolo", [&] { f.mnuStrumentiTriangolo_Click(), clicca(6, 6), clicca(8, 6); }},
        {"linea", [&] { f.mnuStrumentiLinea_Click(), clicca(6, 6); }},
        {"sposta", [&] { seleziona(RETTANGOLO, 2, 1.5f), f.btnSposta_Click(), clicca(2, 1.5f); }},
        {"estremo", [&] { seleziona(LINEA, 2.5f, 0), f.btnModifica_Click(), clicca(0, 0); }},
        {"distanza", [&] { f.btnSeleziona_Click(), f.mnuStrumentiDistanza_Click(), clicca(1, 1); }},
    };
    for (const auto& [nome, avvia] : comandi) {
        avvia();
        ASSERT_TRUE(f.comandoinsospeso()) << nome;
        f.tasto_Esc();
        EXPECT_FALSE(f.comandoinsospeso()) << nome;
        EXPECT_TRUE(prova::uguali(prima, f.sez)) << nome;
        EXPECT_EQ(avvisi(), "") << nome;
    }
    const auto storia = f.storia.passi();
    f.tasto_Esc();
    EXPECT_TRUE(prova::uguali(prima, f.sez) && f.storia.passi() == storia);
}

namespace {

const float LARGHEZZE[] = {1.25f, 2.5f, 5, 10, 20, 40, 80};

// Whole-unit edges within the pan limits can hold [a, b] in a window `w` wide
// with a margin of w / 40 (cut at the world's edges).
bool contiene(double a, double b, double w, double limite) {
    const double m = w / 40, da = std::max(0.0, a - m), fino = std::min(4096.0, b + m);
    for (double l = std::max(0.0, std::ceil(fino - w)); l <= std::min(limite, std::floor(da)); ++l) return true;
    return false;
}

}  // namespace

// The smallest width that holds the whole section, whole-unit edges, all of
// the section inside; an empty section gives the start window, a very wide one
// its bottom-left part at 80.
TEST_F(Punti, zoom_estensioni_mostra_tutta_la_sezione_alla_larghezza_minima) {
    struct Caso {
        std::vector<std::array<float, 4>> rettangoli, cerchi;  // corners; centre and radius
        double xmin, ymin, xmax, ymax;                         // the section's box
    };
    const Caso casi[] = {
        {{{10, 10, 13, 12}}, {}, 10, 10, 13, 12},
        {{{0, 0, 1, 0.5f}}, {{0.75f, 0.75f, 0.25f}}, 0, 0, 1, 1},
        {{{4090, 4093, 4096, 4096}}, {{4094, 4090, 1}}, 4090, 4089, 4096, 4096},
        {{{2000.5f, 1000, 2036, 1010}}, {{2010, 1030, 2}}, 2000.5, 1000, 2036, 1032},
        {{{100, 100, 200, 120}}, {}, 100, 100, 200, 120},
    };
    for (const Caso& c : casi) {
        nuovo();
        Documento d;
        for (const auto& r : c.rettangoli) d.rettangoli.push_back({0, r[0], r[1], r[2], r[3], 1});
        for (const auto& k : c.cerchi) d.cerchi.push_back({0, k[0], k[1], k[2], 1});
        ASSERT_EQ(f.apridocumento(d, "estensioni.vask"), "");
        f.mnuVisualizzaZoomEstensioni_Click();
        const auto [l, b, w] = vista();
        SCOPED_TRACE(testing::Message() << c.xmin << " " << c.ymin << ": " << l << " " << b << " " << w);
        EXPECT_TRUE(l == std::floor(l) && b == std::floor(b) && l <= LIMITEDESTRO && b <= LIMITESUPERIORE);
        if (c.xmax - c.xmin > 78) {
            EXPECT_EQ(std::make_tuple(l, b, w), std::make_tuple(float(c.xmin), float(c.ymin), 80.f));
            EXPECT_NE(testo("lblDescrizione").find("in basso a sinistra"), std::string::npos);
            continue;
        }
        EXPECT_TRUE(l <= c.xmin && c.xmax <= l + w && b <= c.ymin && c.ymax <= b + w * 0.6);
        for (float piccola : LARGHEZZE)
            if (piccola < w)
                EXPECT_FALSE(contiene(c.xmin, c.xmax, piccola, LIMITEDESTRO) &&
                             contiene(c.ymin, c.ymax, piccola * 0.6, LIMITESUPERIORE)) << piccola;
        EXPECT_EQ(testi({"lblOriginex", "lblOriginey", "lbl20x"}),
                  testosingolo(l) + " " + testosingolo(b) + " " + testosingolo(l + w));
    }
    nuovo();
    f.mnuVisualizzaZoomEstensioni_Click();
    EXPECT_EQ(vista(), (std::array<float, 3>{0, 0, 20}));
    // A file whose saved view misses its section says how to find it.
    Documento lontano;
    lontano.rettangoli.push_back({0, 500, 500, 510, 505, 1});
    ASSERT_EQ(f.apridocumento(lontano, "lontano.vask"), "");
    EXPECT_NE(testo("lblDescrizione").find("Zoom estensioni (F9)"), std::string::npos);
    EXPECT_EQ(vista(), (std::array<float, 3>{0, 0, 20}));
}

// Wheel notches from random windows and cursors: the widths of the zoom, edges
// whole and within the limits, the point under the cursor within half a unit
// (and the float rounding of the cursor) of where it was unless an edge is
// held at its limit.
TEST_F(Punti, la_rotella_ingrandisce_intorno_al_cursore_e_si_ferma_ai_limiti) {
    std::mt19937 gen(18);
    std::uniform_real_distribution<double> frazione(0, 1);
    for (int i = 0; i < 400; ++i) {
        const auto [l, b, w] = vista();
        const double fx = frazione(gen), fy = frazione(gen);
        const double px = l + fx * w, py = b + fy * w * 0.6;
        const bool piu = frazione(gen) < 0.45;
        f.picAreagrafica_MouseWheel(float(px), float(f.pic.scaleheight - py), piu);
        const auto [l2, b2, w2] = vista();
        SCOPED_TRACE(testing::Message() << i << ": " << l << " " << b << " " << w << (piu ? " +" : " -"));
        if (w == (piu ? 1.25f : 80.f)) {
            EXPECT_EQ(std::make_tuple(l2, b2, w2), std::make_tuple(l, b, w));
            EXPECT_EQ(testo("lblDescrizione"), piu ? "Zoom+: Non sono ammessi ulteriori zoom+." : "Zoom-: Non sono ammessi ulteriori zoom-.");
            EXPECT_EQ(facce({piu ? "btnZoomPiu" : "BtnZoomMeno"}), "R");
            continue;
        }
        EXPECT_EQ(w2, piu ? w / 2 : w * 2);
        EXPECT_TRUE(l2 == std::floor(l2) && b2 == std::floor(b2) && l2 >= 0 && b2 >= 0 && l2 <= LIMITEDESTRO &&
                    b2 <= LIMITESUPERIORE);
        const double qx = l2 + fx * w2, qy = b2 + fy * w2 * 0.6;
        EXPECT_TRUE(std::fabs(qx - px) <= 0.5 + 1e-3 || l2 == 0 || l2 == LIMITEDESTRO) << qx << " " << px;
        EXPECT_TRUE(std::fabs(qy - py) <= 0.5 + 1e-3 || b2 == 0 || b2 == LIMITESUPERIORE) << qy << " " << py;
        EXPECT_EQ(testi({"lblOriginex", "lblOriginey"}), testosingolo(l2) + " " + testosingolo(b2));
        // Now and then a pan far out, to reach the far limits.
        if (i % 50 == 49)
            for (int k = 0; k < 2000; ++k) f.Command4_Click(), f.btnPanSu_Click();
    }
}
