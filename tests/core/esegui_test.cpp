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

TEST_F(Finestra, i_rettangoli_2x6_e_6x2_e_il_triangolo_isoscele_danno_valori_e_assi) {
    EXPECT_EQ(fa("R 0 0 2 6 1 btnEsegui", "! risultati ^btnEsegui,btnNoccioloCentrale,btnEllisseCentrale lblDescrizione"),
              " 12 12 1 3 144 16 36 4 36 0 36 4 1.732051 0.5773503 0  VVV L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse "
              "intorno a cui si ha l'inerzia massima.");
    EXPECT_TRUE(f.ris.eseguito && f.ris.attuali && f.modo.eseguo);
    // Xc horizontal through the centroid, Yc vertical (surface y = 12 - world y).
    const auto viola = dicolore(f.pic.immagine, Forma::Segmento, VIOLA), rosso = dicolore(f.pic.immagine, Forma::Segmento, ROSSO);
    const auto verdi = dicolore(f.pic.immagine, Forma::Cerchio, VERDE);  // the centroid, radius width / 500
    ASSERT_EQ(viola.size() + rosso.size() + verdi.size(), 3u);
    EXPECT_EQ(std::make_tuple(viola[0].y1, viola[0].y2, rosso[0].x1, rosso[0].x2, verdi[0].raggio),
              std::make_tuple(9.f, 9.f, 1.f, 1.f, 20.0f / 500));
    // The ellipse lives on the overlay: blue points and a cyan centroid marker;
    // pressing "Ellisse" again draws it once more, not a second copy.
    fai("btnEllisseCentrale btnEllisseCentrale");
    const auto punti = dicolore(f.pic.sovrapposto, Forma::Punti, BLU);
    ASSERT_EQ(punti.size() + dicolore(f.pic.sovrapposto, Forma::Cerchio, CIANO).size(), 2u);
    EXPECT_GT(punti[0].quanti, 1000u);
    EXPECT_EQ(f.pic.sovrapposto.punti.size(), 2 * size_t(punti[0].quanti));
    EXPECT_TRUE(tuttofinito(f.pic.sovrapposto));
    fai("mnuVisualizzaRigenera");  // axes and ellipse gone
    EXPECT_TRUE(f.pic.sovrapposto.primitive.empty() && dicolore(f.pic.immagine, Forma::Segmento, VIOLA).empty());

    fai("Si mnuFileNuovo");  // 6 x 2: Xc vertical; the angle read by the copy, the radians by the kern and the ellipse
    EXPECT_EQ(fa("R 0 0 6 2 1 btnEsegui", "lblIxg lblIyg lblIxc lblAngoloxc"), "4 36 36 90");
    EXPECT_EQ(std::make_pair(f.ris.risultati[15], f.ris.inclinazioneassicentraliradianti), std::make_pair(90.f, 3.1415927f / 2));
    const auto verticale = dicolore(f.pic.immagine, Forma::Segmento, VIOLA);
    ASSERT_EQ(verticale.size(), 1u);
    EXPECT_EQ(std::make_pair(verticale[0].x1, verticale[0].x2), std::make_pair(3.f, 3.f));

    fai("Si mnuFileNuovo");
    EXPECT_EQ(fa("T 0 0 3 0 0 3 1 btnEsegui", "lblAngoloxc lblIxgyg lblIxg"), "45 -1.125 2.25");
    const auto obliqui = dicolore(f.pic.immagine, Forma::Segmento, VIOLA), rossi = dicolore(f.pic.immagine, Forma::Segmento, ROSSO);
    ASSERT_EQ(obliqui.size() + rossi.size(), 4u);
    // Xc rises at 45 degrees from G = (1, 1): surface y falls as x grows.
    EXPECT_NEAR(obliqui[0].x2 - obliqui[0].x1, -(obliqui[0].y2 - obliqui[0].y1), 1e-4);
    EXPECT_NEAR(rossi[0].x2 - rossi[0].x1, rossi[0].y2 - rossi[0].y1, 1e-4);
}

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

// The tangents of a circle drawn left, right, bottom, top: joined in line
// order the kern would be a bow tie through the centre. rho^2 = r^2 / 4 = 1:
// antipoles 0.5 from G, a square of side 0.5 * sqrt(2).
TEST_F(Finestra, il_nocciolo_unisce_i_vertici_attorno_al_baricentro_in_ogni_ordine_di_linee) {
    fai("txtRaggio=2 C 5 5 2 1 L 3 0 3 10 L 7 0 7 10 L 0 3 10 3 L 0 7 10 7 btnEsegui");
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    ASSERT_EQ(lati.size(), 4u);
    for (const Primitiva& l : lati) EXPECT_NEAR(std::hypot(l.x2 - l.x1, l.y2 - l.y1), 0.5 * std::sqrt(2.0), 1e-5);
    // Markers and the snap copy keep the order of the lines.
    EXPECT_EQ(prova::campi(f.copianocciolo.puntinocciolo[1], 1, 2) + " " + prova::campi(f.copianocciolo.puntinocciolo[3], 1, 2),
              "5.5 5 5 5.5");
    EXPECT_NEAR(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).at(0).x1, 5.5, 1e-5);
}

TEST_F(Finestra, il_nocciolo_aspetta_un_calcolo_valido_e_una_sola_linea_da_un_solo_punto) {
    fai("R 0 0 6 12 1 L 0 0 6 0");
    f.pic.immagine.svuota();
    fai("btnNoccioloCentrale");  // before any computation
    EXPECT_TRUE(f.pic.immagine.primitive.empty() && f.copianocciolo.vask == 0);
    fai("btnEsegui");
    EXPECT_EQ(f.copianocciolo.vask, 1);
    // One line: one marker, and the closing edge shrinks to its vertex.
    const auto marche = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    ASSERT_EQ(marche.size() + lati.size(), 2u);
    EXPECT_EQ(std::make_tuple(marche[0].x1, marche[0].y1, lati[0].x1, lati[0].y1, lati[0].x2, lati[0].y2),
              std::make_tuple(3.f, 4.f, 3.f, 4.f, 3.f, 4.f));
    // A drawing entry of the Strumenti menu drops the results: no kern after it.
    fai("mnuStrumentiLinea");
    EXPECT_FALSE(f.ris.eseguito);
    for (const char* voce : {"mnuVisualizzaRigenera", "btnNoccioloCentrale"}) {
        fai(voce);
        EXPECT_TRUE(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).empty()) << voce;
    }
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
