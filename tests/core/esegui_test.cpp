// "Esegui" end to end: sections composed with the mouse, the results panel,
// the central axes, the ellipse and the kern as they reach the display list.
#include <cmath>

#include "sezioni.h"
#include "supporto.h"

using namespace vask;
using prova::dicolore;
using prova::Finestra;

namespace {

bool tuttofinito(const Strato& s) {
    const auto finito = [](float v) { return std::isfinite(v); };
    return std::all_of(s.punti.begin(), s.punti.end(), finito) &&
           std::all_of(s.primitive.begin(), s.primitive.end(), [&](const Primitiva& p) {
               return finito(p.x1) && finito(p.y1) && finito(p.x2) && finito(p.y2) && finito(p.raggio);
           });
}

}  // namespace

TEST(Esegui, senza_dati_con_massa_nulla_o_con_valori_enormi_il_calcolo_avvisa) { prova::recita("core_esegui.tsv"); }

TEST_F(Finestra, il_nocciolo_si_disegna_e_ridisegna_dai_vertici_validi_e_solo_quello_nuovo) {
    // The outline, then a line through G = (3, 6): no vertex.
    EXPECT_EQ(fa("R 0 0 6 12 1 L 0 0 6 0 L 6 0 6 12 L 6 12 0 12 L 0 12 0 0 L 0 0 6 12 btnEsegui", "!"), "");
    std::string copia;  // the vertices object snap offers
    for (int i = 1; i <= f.copianocciolo.vask; ++i)
        copia += f.copianocciolo.puntinoccioloattivo[i] ? prova::campi(f.copianocciolo.puntinocciolo[i], 1, 2) + " | " : "no | ";
    EXPECT_EQ(copia, "3 8 | 2 6 | 3 4 | 4 6 | no | ");
    EXPECT_TRUE(tuttofinito(f.pic.immagine));
    const auto vecchie = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    ASSERT_EQ(vecchie.size(), 4u);  // markers of width / 400, the closing edge from vertex 4 to 1
    EXPECT_FLOAT_EQ(vecchie[0].raggio, 20.0f / 400);
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    ASSERT_EQ(lati.size(), 4u);
    EXPECT_EQ(std::make_tuple(lati[3].x1, lati[3].y1, lati[3].x2, lati[3].y2), std::make_tuple(4.f, 6.f, 3.f, 4.f));
    // Drawn once by the section pass and once by the regeneration itself.
    fai("mnuVisualizzaRigenera");
    EXPECT_EQ(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).size(), 8u);

    // Diseg, then Rett.: the results of the last computation stay valid; a
    // hole around G changes the radii and "Esegui" draws only the new kern.
    fai("btnDisegna btnRettangolo");
    ASSERT_TRUE(f.ris.eseguito);
    fai("R 2 5 4 7 -1 btnEsegui");
    const auto marche = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    ASSERT_EQ(marche.size(), 4u);
    for (const Primitiva& m : marche)
        for (const Primitiva& v : vecchie) EXPECT_GT(std::hypot(m.x1 - v.x1, m.y1 - v.y1), 1e-3);
    EXPECT_EQ(dicolore(f.pic.immagine, Forma::Segmento, BLU).size(), 4u);
}

// Sections opened far from the origin: the panel shows their published
// centroidal values (as the floats nearest to them), the axes as they belong.
TEST_F(Finestra, lontano_dall_origine_il_pannello_mostra_i_valori_esatti) {
    for (const prova::Riga& r : prova::dati("core_lontano.tsv")) {
        const Sezione s = prova::componi(r[0]);
        Documento d;
        for (int i = 1; i < s.prossimorettangolo; ++i) std::copy_n(s.rettangoli[i] + 1, R::densita, &d.rettangoli.emplace_back()[1]);
        for (int i = 1; i < s.prossimocerchio; ++i) std::copy_n(s.cerchi[i] + 1, C::densita, &d.cerchi.emplace_back()[1]);
        d.sinistra = 2980, d.basso = 980, d.larghezza = 80;
        ASSERT_EQ(f.apridocumento(d, "lontano.vask"), "");
        const double ixg = std::stod(r[1]), iyg = std::stod(r[2]), ixgyg = std::stod(r[3]);
        const double centro = (ixg + iyg) / 2, raggio = std::hypot((ixg - iyg) / 2, ixgyg);
        std::string attesi;
        for (double v : {ixg, iyg, ixgyg, centro + raggio, centro - raggio}) attesi += testosingolo(float(v)) + " ";
        EXPECT_EQ(fa("btnEsegui", "lblIxg lblIyg lblIxgyg lblIxc lblIyc lblAngoloxc"), attesi + r[4]) << r.dove;
        // Oblique axes: Xc in two halves from G.
        EXPECT_EQ(dicolore(f.pic.immagine, Forma::Segmento, VIOLA).size(), ixgyg != 0 ? 2u : 1u) << r.dove;
    }
}
