// Points typed on the keyboard, Esc, Zoom estensioni and the mouse wheel.
#include <array>
#include <cmath>

#include "model/puntodigitato.h"
#include "sezioni.h"
#include "supporto.h"
#include "view/vista.h"

using namespace vask;
using prova::Finestra;

namespace {

class Punti : public Finestra {
protected:
    void digita(const std::string& t) {
        f.testomodificato("txtPunto", t);
        f.txtPunto_Invio();
    }
    // The window's left, bottom and width.
    std::array<float, 3> vista() const { return {f.pic.scaleleft, -f.pic.scaletop, f.pic.scalewidth}; }
};

const char* const ESITI[] = {"Ammesso", "Forma", "Numero"};

}  // namespace

TEST(PuntoDigitato, le_forme_ammesse_e_quelle_rifiutate) {
    for (const prova::Riga& r : prova::dati("punti_digitati.tsv")) {
        PuntoDigitato p;
        const EsitoPunto e = leggipunto(r[0], p);
        EXPECT_EQ(ESITI[int(e)], r[1]) << r.dove;
        if (e == EsitoPunto::Ammesso)
            EXPECT_EQ(std::make_tuple(p.x, p.y, p.relativo), std::make_tuple(std::stod(r[2]), std::stod(r[3]), r.opzionale(4) == "@"))
                << r.dove;
    }
}

// A T section and its outline typed without the mouse, snap on, some points
// relative to the last one, both separators and both forms: the results of
// the independent integration.
TEST_F(Punti, un_esercizio_digitato_da_i_risultati_dell_integrazione) {
    fai("btnSnap mnuStrumentiRettangolo");
    for (const char* p : {"0,5;10", "@12;2", "6.5 0", "5,5;10"}) digita(p);
    fai("mnuStrumentiLinea");
    for (const char* p : {"0.5;12", "12.5;12", "@0;0", "6.5;0", "6.5;0", "5.5;0", "@0;0", "0.5;12"}) digita(p);
    EXPECT_EQ(leggi("! R1 R2 #L"), " 0.5 10 12.5 12 1 24 0 0 6.5 11 0 24 6.5 0 5.5 10 1 10 0 0 6 5 0 10 4");
    fai("btnEsegui");
    const prova::Atteso e = prova::atteso(f.sez);
    const double attesi[] = {e.area, e.massa, e.xg, e.yg, e.ix, e.iy, e.ixg, e.iyg, e.ixy, e.ixgyg, e.imax, e.imin, e.rmax, e.rmin};
    for (int k = 0; k < 14; ++k) EXPECT_NEAR(f.ris.risultati[k + 1], attesi[k], 1e-6 * std::max(std::fabs(attesi[k]), e.iy)) << k;
    EXPECT_NEAR(e.yg, (24 * 11 + 10 * 5) / 34.0, 1e-12);  // the flange 12 x 2 over a web 1 x 10
    EXPECT_EQ(f.copianocciolo.vask, 4);
}

// Relative points, refusals, the history of the box, Esc at each half-done command.
TEST(PuntiComandi, i_comandi_prendono_i_punti_digitati_ed_esc_li_abbandona) { prova::recita("punti_comandi.tsv"); }

namespace {

// Whole-unit edges within the pan limit can hold [a, b] in a window `w`
// wide, with a margin of w / 40 cut at the world's edges.
bool contiene(double a, double b, double w, double limite) {
    const double m = w / 40, da = std::max(0.0, a - m), fino = std::min(4096.0, b + m);
    return std::max(0.0, std::ceil(fino - w)) <= std::min(limite, std::floor(da));
}

}  // namespace

// The smallest zoom width that holds the whole section; an empty section
// gives the start window, a very wide one its bottom-left part at 80.
TEST_F(Punti, zoom_estensioni_mostra_tutta_la_sezione_alla_larghezza_minima) {
    for (const prova::Riga& r : prova::dati("punti_estensioni.tsv")) {
        fai("Si mnuFileNuovo");
        Documento d;
        const Sezione s = prova::componi(r[0]);
        d.rettangoli.assign(s.numerorettangoli(), {});
        d.cerchi.assign(s.numerocerchi(), {});
        for (int i = 0; i < s.numerorettangoli(); ++i) std::copy_n(s.rettangoli[i + 1], R::CAMPI + 1, d.rettangoli[i].begin());
        for (int i = 0; i < s.numerocerchi(); ++i) std::copy_n(s.cerchi[i + 1], C::CAMPI + 1, d.cerchi[i].begin());
        ASSERT_EQ(f.apridocumento(d, "estensioni.vask"), "") << r.dove;
        fai("mnuVisualizzaZoomEstensioni");
        const auto [l, b, w] = vista();
        const double x1 = std::stod(r[1]), y1 = std::stod(r[2]), x2 = std::stod(r[3]), y2 = std::stod(r[4]);
        SCOPED_TRACE(r.dove);
        EXPECT_TRUE(l == std::floor(l) && b == std::floor(b) && l <= LIMITEDESTRO && b <= LIMITESUPERIORE);
        EXPECT_EQ(leggi("lblOriginex lblOriginey lbl20x"), testosingolo(l) + " " + testosingolo(b) + " " + testosingolo(l + w));
        if (x2 - x1 > 78) {
            EXPECT_EQ(std::make_tuple(l, b, w), std::make_tuple(float(x1), float(y1), 80.f));
            EXPECT_NE(testo("lblDescrizione").find("in basso a sinistra"), std::string::npos);
            continue;
        }
        EXPECT_TRUE(l <= x1 && x2 <= l + w && b <= y1 && y2 <= b + w * 0.6);
        for (float piccola = w / 2; piccola >= 1.25f; piccola /= 2)
            EXPECT_FALSE(contiene(x1, x2, piccola, LIMITEDESTRO) && contiene(y1, y2, piccola * 0.6, LIMITESUPERIORE)) << piccola;
    }
    fai("Si mnuFileNuovo mnuVisualizzaZoomEstensioni");
    EXPECT_EQ(vista(), (std::array<float, 3>{0, 0, 20}));
    // A file whose saved view misses its section says how to find it.
    Documento lontano;
    lontano.rettangoli.push_back({0, 500, 500, 510, 505, 1});
    ASSERT_EQ(f.apridocumento(lontano, "lontano.vask"), "");
    EXPECT_NE(testo("lblDescrizione").find("Zoom estensioni (F9)"), std::string::npos);
    EXPECT_EQ(vista(), (std::array<float, 3>{0, 0, 20}));
}
