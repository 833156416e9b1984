// "Esegui" end to end: sections composed with the mouse, the results panel,
// the central axes, the ellipse and the kern as they reach the display list.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "edit/documento.h"
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

const char* const ASSI = "L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse intorno a cui si ha l'inerzia massima.";

}  // namespace

TEST_F(Finestra, i_rettangoli_2x6_e_6x2_e_il_triangolo_isoscele_danno_valori_e_assi) {
    rettangolo(0, 0, 2, 6);
    f.btnEsegui_Click();
    EXPECT_EQ(risultati(), "12 12 1 3 144 16 36 4 36 0 36 4 1.732051 0.5773503 0 ");
    EXPECT_EQ(avvisi() + facce({"btnEsegui", "btnNoccioloCentrale", "btnEllisseCentrale"}), "VVV");
    EXPECT_TRUE(f.ris.eseguito && f.ris.attuali && f.modo.eseguo);
    EXPECT_EQ(testo("lblDescrizione"), ASSI);

    // Xc horizontal through the centroid, Yc vertical (surface y = 12 - world y).
    const auto viola = dicolore(f.pic.immagine, Forma::Segmento, VIOLA);
    const auto rosso = dicolore(f.pic.immagine, Forma::Segmento, ROSSO);
    const auto verdi = dicolore(f.pic.immagine, Forma::Cerchio, VERDE);  // the centroid, radius width / 500
    ASSERT_EQ(viola.size() + rosso.size() + verdi.size(), 3u);
    EXPECT_EQ(std::make_tuple(viola[0].y1, viola[0].y2, rosso[0].x1, rosso[0].x2), std::make_tuple(9.f, 9.f, 1.f, 1.f));
    EXPECT_FLOAT_EQ(verdi[0].raggio, 20.0f / 500);

    // The ellipse lives on the overlay: blue points and a cyan centroid marker;
    // pressing "Ellisse" again draws it once more, not a second copy.
    f.btnEllisseCentrale_Click();
    const auto punti = dicolore(f.pic.sovrapposto, Forma::Punti, BLU);
    ASSERT_EQ(punti.size() + dicolore(f.pic.sovrapposto, Forma::Cerchio, CIANO).size(), 2u);
    EXPECT_GT(punti[0].quanti, 1000u);
    EXPECT_EQ(f.pic.sovrapposto.punti.size(), 2 * size_t(punti[0].quanti));
    EXPECT_TRUE(tuttofinito(f.pic.sovrapposto));
    f.mnuVisualizzaRigenera_Click();  // axes and ellipse gone
    EXPECT_TRUE(f.pic.sovrapposto.primitive.empty() && dicolore(f.pic.immagine, Forma::Segmento, VIOLA).empty());

    nuovo();  // 6 x 2: Xc vertical
    rettangolo(0, 0, 6, 2);
    f.btnEsegui_Click();
    EXPECT_EQ(testi({"lblIxg", "lblIyg", "lblIxc", "lblAngoloxc"}), "4 36 36 90");
    EXPECT_EQ(f.ris.risultati[15], 90);  // read by the copy; the radians by the kern and the ellipse
    EXPECT_FLOAT_EQ(f.ris.inclinazioneassicentraliradianti, 3.1415927f / 2);
    const auto verticale = dicolore(f.pic.immagine, Forma::Segmento, VIOLA);
    ASSERT_EQ(verticale.size(), 1u);
    EXPECT_EQ(std::make_pair(verticale[0].x1, verticale[0].x2), std::make_pair(3.f, 3.f));

    nuovo();
    triangolo(0, 0, 3, 0, 0, 3);
    f.btnEsegui_Click();
    EXPECT_EQ(testi({"lblAngoloxc", "lblIxgyg", "lblIxg"}), "45 -1.125 2.25");
    const auto obliqui = dicolore(f.pic.immagine, Forma::Segmento, VIOLA), rossi = dicolore(f.pic.immagine, Forma::Segmento, ROSSO);
    ASSERT_EQ(obliqui.size() + rossi.size(), 4u);
    // Xc rises at 45 degrees from G = (1, 1): surface y falls as x grows.
    EXPECT_NEAR(obliqui[0].x2 - obliqui[0].x1, -(obliqui[0].y2 - obliqui[0].y1), 1e-4);
    EXPECT_NEAR(rossi[0].x2 - rossi[0].x1, rossi[0].y2 - rossi[0].y1, 1e-4);
}

TEST_F(Finestra, senza_dati_o_con_un_elemento_in_costruzione_il_calcolo_non_parte) {
    f.btnEsegui_Click();
    f.btnEllisseCentrale_Click();
    linea(1, 1, 5, 1);  // lines alone are no data
    f.btnEsegui_Click();
    f.mnuStrumentiRettangolo_Click();
    clicca(1, 2);
    f.mnuVisualizzaRisultati_Click();
    const std::string nessuno = "Calcolo non eseguito. Introdurre i dati per il calcolo.";
    EXPECT_EQ(avvisi(true), nessuno + " | " + nessuno + " | " + nessuno + " | " + nessuno);
    EXPECT_TRUE(f.modo.disegno && !f.ris.eseguito);
    clicca(3, 4);  // completes the rectangle: the ellipse says nothing before a computation
    f.btnEllisseCentrale_Click();
    EXPECT_TRUE(avvisi().empty() && f.pic.sovrapposto.primitive.empty());
}

TEST_F(Finestra, una_massa_non_positiva_avvisa_e_lascia_le_etichette_del_calcolo_precedente) {
    rettangolo(0, 0, 2, 6, "-1");
    f.btnEsegui_Click();
    EXPECT_EQ(msg.domande.at(0).icona, Icona::Critico);
    EXPECT_EQ(avvisi(true), "Calcolo non eseguibile. La massa della sezione è complessivamente minore o uguale a zero. Il "
                            "calcolo non può essere eseguito. Controllare i dati dei singoli componenti della sezione "
                            "selezionandoli.");
    EXPECT_EQ(risultati(), std::string(15, ' '));
    EXPECT_TRUE(!f.ris.eseguito && f.modo.eseguo);  // the mode of the calculation stays
    EXPECT_EQ(f.sez.rettangoli[1][R::ix], -144);

    rettangolo(10, 0, 12, 6, "2");
    f.btnEsegui_Click();
    const std::string prima = risultati();
    rettangolo(14, 0, 20, 6, "-1");
    f.btnEsegui_Click();
    EXPECT_EQ(avvisi(), "Calcolo non eseguibile.");
    EXPECT_EQ(risultati(), prima);
    EXPECT_FLOAT_EQ(f.ris.xg, 21);
}

TEST_F(Finestra, valori_troppo_grandi_avvisano_senza_lasciare_infiniti_nelle_tabelle) {
    rettangolo(0, 0, 20, 12, "1e36");  // mass 2.4e38 fits a float, its moments do not
    ASSERT_EQ(avvisi(), "");
    f.btnEsegui_Click();
    EXPECT_EQ(msg.domande.at(0).icona, Icona::Critico);
    EXPECT_EQ(avvisi(true), "Calcolo non eseguibile. I valori della sezione sono troppo grandi per essere calcolati. "
                            "Controllare densità e dimensioni dei singoli componenti della sezione selezionandoli.");
    EXPECT_EQ(campi(f.sez.rettangoli[1], 1, R::CAMPI), "0 0 20 12 1E+36 2.4E+38 0 0 10 6 0 240");  // all as before
    EXPECT_TRUE(!f.ris.eseguito && testo("lblArea").empty());
}

TEST_F(Finestra, il_nocciolo_si_disegna_e_ridisegna_dai_vertici_validi_e_solo_quello_nuovo) {
    rettangolo(0, 0, 6, 12);
    contorno({{0, 0}, {6, 0}, {6, 12}, {0, 12}});
    linea(0, 0, 6, 12);  // through G = (3, 6): no vertex
    f.btnEsegui_Click();
    EXPECT_EQ(avvisi(), "");
    std::string copia;  // the vertices object snap offers
    for (int i = 1; i <= f.copianocciolo.vask; ++i)
        copia += f.copianocciolo.puntinoccioloattivo[i] ? campi(f.copianocciolo.puntinocciolo[i], 1, 2) + " | " : "no | ";
    EXPECT_EQ(copia, "3 8 | 2 6 | 3 4 | 4 6 | no | ");
    EXPECT_TRUE(tuttofinito(f.pic.immagine));
    const auto vecchie = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    ASSERT_EQ(vecchie.size(), 4u);  // markers of width / 400, the closing edge from vertex 4 to 1
    EXPECT_FLOAT_EQ(vecchie[0].raggio, 20.0f / 400);
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    ASSERT_EQ(lati.size(), 4u);
    const float chiusura[] = {0, lati[3].x1, lati[3].y1, lati[3].x2, lati[3].y2};
    EXPECT_EQ(campi(chiusura, 1, 4), "4 6 3 4");
    // Drawn once by the section pass and once by the regeneration itself.
    f.mnuVisualizzaRigenera_Click();
    EXPECT_EQ(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).size(), 8u);

    // Diseg, then Rett.: the results of the last computation stay valid; a
    // hole around G changes the radii and "Esegui" draws only the new kern.
    f.btnDisegna_Click();
    f.btnRettangolo_Click();
    ASSERT_TRUE(f.ris.eseguito);
    rettangolo(2, 5, 4, 7, "-1");
    f.btnEsegui_Click();
    const auto marche = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    ASSERT_EQ(marche.size(), 4u);
    for (const Primitiva& m : marche)
        for (const Primitiva& v : vecchie) EXPECT_GT(std::hypot(m.x1 - v.x1, m.y1 - v.y1), 1e-3);
    EXPECT_EQ(dicolore(f.pic.immagine, Forma::Segmento, BLU).size(), 4u);
}

TEST_F(Finestra, il_nocciolo_unisce_i_vertici_attorno_al_baricentro_in_ogni_ordine_di_linee) {
    // The tangents of a circle drawn left, right, bottom, top: joined in line
    // order the kern would be a bow tie through the centre.
    cerchio(5, 5, "2");
    linea(3, 0, 3, 10);
    linea(7, 0, 7, 10);
    linea(0, 3, 10, 3);
    linea(0, 7, 10, 7);
    f.btnEsegui_Click();
    // rho^2 = r^2 / 4 = 1: antipoles 0.5 from G, a square of side 0.5 * sqrt(2).
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    ASSERT_EQ(lati.size(), 4u);
    for (const Primitiva& l : lati) EXPECT_NEAR(std::hypot(l.x2 - l.x1, l.y2 - l.y1), 0.5 * std::sqrt(2.0), 1e-5);
    // Markers and the snap copy keep the order of the lines.
    EXPECT_EQ(campi(f.copianocciolo.puntinocciolo[1], 1, 2) + " " + campi(f.copianocciolo.puntinocciolo[3], 1, 2), "5.5 5 5 5.5");
    EXPECT_NEAR(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).at(0).x1, 5.5, 1e-5);
}

TEST_F(Finestra, il_nocciolo_aspetta_un_calcolo_valido_e_una_sola_linea_da_un_solo_punto) {
    rettangolo(0, 0, 6, 12);
    linea(0, 0, 6, 0);
    f.pic.immagine.svuota();
    f.btnNoccioloCentrale_Click();  // before any computation
    EXPECT_TRUE(f.pic.immagine.primitive.empty() && f.copianocciolo.vask == 0);

    f.btnEsegui_Click();
    EXPECT_EQ(f.copianocciolo.vask, 1);
    // One line: one marker, and the closing edge shrinks to its vertex.
    const auto marche = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    ASSERT_EQ(marche.size() + lati.size(), 2u);
    EXPECT_EQ(std::make_tuple(marche[0].x1, marche[0].y1, lati[0].x1, lati[0].y1, lati[0].x2, lati[0].y2),
              std::make_tuple(3.f, 4.f, 3.f, 4.f, 3.f, 4.f));

    // A drawing entry of the Strumenti menu drops the results: no kern after it.
    f.mnuStrumentiLinea_Click();
    EXPECT_FALSE(f.ris.eseguito);
    f.mnuVisualizzaRigenera_Click();
    EXPECT_TRUE(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).empty());
    f.btnNoccioloCentrale_Click();
    EXPECT_TRUE(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).empty());
}

TEST_F(Finestra, i_fori_che_annullano_un_giratore_lo_dicono_nella_barra) {
    // A solid square between two diagonal holes: the radius along Xc is clamped to 0.
    rettangolo(10, 10, 12, 12);
    rettangolo(0, 0, 1, 1, "-1");
    rettangolo(21, 21, 22, 22, "-1");
    f.btnEsegui_Click();
    EXPECT_EQ(avvisi() + testo("lblRyc"), "0");
    EXPECT_EQ(testo("lblDescrizione"), std::string(ASSI) + " Con i suoi fori la sezione non ha un'ellisse centrale reale lungo l'asse Xc.");
}

// Sections opened far from the origin: the panel shows their published
// centroidal values (as the floats nearest to them), the axes as they belong.
TEST_F(Finestra, lontano_dall_origine_il_pannello_mostra_i_valori_esatti) {
    struct Caso {
        std::vector<std::array<float, 5>> rettangoli;  // x1 y1 x2 y2 rho
        std::vector<std::array<float, 4>> cerchi;      // xc yc r rho
        double ixg, iyg, ixgyg;
        const char* angolo;
    };
    const double anello = 3.1415927 * (81 - 16) / 4;
    const Caso casi[] = {
        {{{2504, 3500, 2506, 3512, 1}, {2500, 3510, 2504, 3512, 1}, {2506, 3500, 2510, 3502, 1}}, {}, 2080 / 3., 520 / 3., -240,
         "21.35469"},
        {{{3000, 2900, 3006, 2904, 1}}, {{3004, 2902.5f, 1, -1}}, 30.3109107921, 67.5998376586, -1.80738208901, "87.23154"},
        {{{3000, 2900, 3050, 3000, 1}}, {}, 50 * 1e6 / 12, 100 * 125000 / 12., 0, "0"},
        {{}, {{3000.5f, 1000.25f, 3, 1}, {3000.5f, 1000.25f, 2, -1}}, anello, anello, 0, "0"},
    };
    for (const Caso& c : casi) {
        Documento d;
        for (const auto& r : c.rettangoli) d.rettangoli.push_back({0, r[0], r[1], r[2], r[3], r[4]});
        for (const auto& k : c.cerchi) d.cerchi.push_back({0, k[0], k[1], k[2], k[3]});
        d.sinistra = 2980, d.basso = 980, d.larghezza = 80;
        ASSERT_EQ(f.apridocumento(d, "lontano.vask"), "");
        f.btnEsegui_Click();
        const double centro = (c.ixg + c.iyg) / 2, raggio = std::hypot((c.ixg - c.iyg) / 2, c.ixgyg);
        std::string attesi;
        for (double v : {c.ixg, c.iyg, c.ixgyg, centro + raggio, centro - raggio}) attesi += testosingolo(float(v)) + " ";
        EXPECT_EQ(testi({"lblIxg", "lblIyg", "lblIxgyg", "lblIxc", "lblIyc", "lblAngoloxc"}), attesi + c.angolo);
        // Oblique axes: Xc in two halves from G.
        EXPECT_EQ(dicolore(f.pic.immagine, Forma::Segmento, VIOLA).size(), c.ixgyg != 0 ? 2u : 1u) << c.angolo;
    }
}
