// "Esegui" end to end: sections composed with the mouse, the results panel,
// the central axes, the ellipse and the kern as they reach the display list.
#include <array>
#include <cmath>
#include <vector>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

namespace {

std::vector<Primitiva> dicolore(const Strato& s, Forma forma, uint32_t colore) {
    std::vector<Primitiva> out;
    for (const Primitiva& p : s.primitive)
        if (p.forma == forma && p.colore == colore) out.push_back(p);
    return out;
}

bool tuttofinito(const Strato& s) {
    for (const Primitiva& p : s.primitive)
        for (float v : {p.x1, p.y1, p.x2, p.y2, p.raggio})
            if (!std::isfinite(v)) return false;
    for (float v : s.punti)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

TEST_F(Finestra, il_rettangolo_2x6_da_i_quindici_valori_e_gli_assi_orizzontale_e_verticale) {
    rettangolo(0, 0, 2, 6);
    f.btnEsegui_Click();
    ASSERT_TRUE(msg.chieste.empty());
    const char* attesi[15][2] = {
        {"lblArea", "12"},  {"lblMassa", "12"}, {"lblXg", "1"},    {"lblYg", "3"},
        {"lblIx", "144"},   {"lblIy", "16"},    {"lblIxg", "36"},  {"lblIyg", "4"},
        {"lblIxy", "36"},   {"lblIxgyg", "0"},  {"lblIxc", "36"},  {"lblIyc", "4"},
        {"lblRxc", "1.732051"}, {"lblRyc", "0.5773503"}, {"lblAngoloxc", "0"},
    };
    for (auto& a : attesi) EXPECT_EQ(testo(a[0]), a[1]) << a[0];
    EXPECT_TRUE(f.ris.eseguito && f.modo.eseguo);
    EXPECT_FALSE(f.modo.disegno || f.modo.seleziono || f.modo.rettangolopremuto || f.costruzione.disegnorettangolo);
    EXPECT_EQ(f.ctl.sfondo("btnEsegui"), VERDE);
    EXPECT_EQ(f.ctl.sfondo("btnNoccioloCentrale"), VERDE);
    EXPECT_EQ(f.ctl.sfondo("btnEllisseCentrale"), VERDE);
    EXPECT_EQ(f.ctl.sfondo("btnDisegna"), FACCIA);
    EXPECT_EQ(f.ctl.sfondo("btnRettangolo"), FACCIA);
    EXPECT_EQ(testo("lblDescrizione"),
              "L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse intorno a cui si ha l'inerzia massima.");
    EXPECT_EQ(f.sez.rettangoli[1][R::ix], 144);

    // Xc horizontal through the centroid, Yc vertical (surface y = 12 - world y).
    const auto viola = dicolore(f.pic.immagine, Forma::Segmento, VIOLA);
    const auto rosso = dicolore(f.pic.immagine, Forma::Segmento, ROSSO);
    ASSERT_EQ(viola.size(), 1u);
    ASSERT_EQ(rosso.size(), 1u);
    EXPECT_EQ(viola[0].y1, 12 - 3);
    EXPECT_EQ(viola[0].y2, 12 - 3);
    EXPECT_EQ(rosso[0].x1, 1);
    EXPECT_EQ(rosso[0].x2, 1);
    // The centroid mark: green, radius width / 500.
    const auto verdi = dicolore(f.pic.immagine, Forma::Cerchio, VERDE);
    ASSERT_EQ(verdi.size(), 1u);
    EXPECT_FLOAT_EQ(verdi[0].raggio, 20.0f / 500);

    // The ellipse lives on the overlay: blue points and a cyan centroid marker.
    const auto punti = dicolore(f.pic.sovrapposto, Forma::Punti, BLU);
    ASSERT_EQ(punti.size(), 1u);
    EXPECT_GT(punti[0].quanti, 1000u);
    EXPECT_EQ(dicolore(f.pic.sovrapposto, Forma::Cerchio, CIANO).size(), 1u);
    EXPECT_TRUE(tuttofinito(f.pic.sovrapposto));

    // Pressing "Ellisse" again draws the same ellipse, not a second copy.
    f.btnEllisseCentrale_Click();
    f.btnEllisseCentrale_Click();
    EXPECT_EQ(dicolore(f.pic.sovrapposto, Forma::Punti, BLU).size(), 1u);
    EXPECT_EQ(f.pic.sovrapposto.punti.size(), 2 * size_t(punti[0].quanti));

    // A regeneration removes axes and ellipse.
    f.mnuVisualizzaRigenera_Click();
    EXPECT_TRUE(f.pic.sovrapposto.primitive.empty());
    EXPECT_TRUE(dicolore(f.pic.immagine, Forma::Segmento, VIOLA).empty());
}

TEST_F(Finestra, il_rettangolo_6x2_ha_xc_verticale_e_l_angolo_90) {
    rettangolo(0, 0, 6, 2);
    f.btnEsegui_Click();
    EXPECT_EQ(testo("lblIxg"), "4");
    EXPECT_EQ(testo("lblIyg"), "36");
    EXPECT_EQ(testo("lblIxc"), "36");
    EXPECT_EQ(testo("lblAngoloxc"), "90");
    EXPECT_EQ(f.ris.risultati[15], 90);
    EXPECT_FLOAT_EQ(f.ris.inclinazioneassicentraliradianti, 3.1415927f / 2);
    const auto viola = dicolore(f.pic.immagine, Forma::Segmento, VIOLA);
    ASSERT_EQ(viola.size(), 1u);
    EXPECT_EQ(viola[0].x1, 3);
    EXPECT_EQ(viola[0].x2, 3);
}

TEST_F(Finestra, il_triangolo_rettangolo_isoscele_ha_gli_assi_a_45_gradi) {
    triangolo(0, 0, 3, 0, 0, 3);
    f.btnEsegui_Click();
    EXPECT_EQ(testo("lblAngoloxc"), "45");
    EXPECT_EQ(testo("lblIxgyg"), "-1.125");
    EXPECT_EQ(testo("lblIxg"), "2.25");
    const auto viola = dicolore(f.pic.immagine, Forma::Segmento, VIOLA);
    const auto rosso = dicolore(f.pic.immagine, Forma::Segmento, ROSSO);
    ASSERT_EQ(viola.size(), 2u);
    ASSERT_EQ(rosso.size(), 2u);
    // Xc rises at 45 degrees from G = (1, 1): surface y falls as x grows.
    EXPECT_NEAR(viola[0].x2 - viola[0].x1, -(viola[0].y2 - viola[0].y1), 1e-4);
    EXPECT_NEAR(rosso[0].x2 - rosso[0].x1, rosso[0].y2 - rosso[0].y1, 1e-4);
}

TEST_F(Finestra, senza_dati_o_con_un_elemento_in_costruzione_il_calcolo_non_parte) {
    f.btnEsegui_Click();
    linea(1, 1, 5, 1);
    f.btnEsegui_Click();
    f.mnuStrumentiRettangolo_Click();
    clicca(1, 2);
    f.mnuVisualizzaRisultati_Click();
    ASSERT_EQ(msg.chieste.size(), 3u);
    for (const auto& d : msg.chieste) {
        EXPECT_EQ(d.titolo, "Calcolo non eseguito.");
        EXPECT_EQ(d.testo, "Introdurre i dati per il calcolo.");
        EXPECT_EQ(d.icona, Icona::Esclamazione);
    }
    EXPECT_TRUE(f.modo.disegno);
    EXPECT_FALSE(f.ris.eseguito);
    // The ellipse asks the same on an empty section and says nothing before a calculation.
    prova::MessaggiCopione m;
    FrmVask_2 g(m);
    g.Form_Load();
    g.btnEllisseCentrale_Click();
    ASSERT_EQ(m.chieste.size(), 1u);
    EXPECT_EQ(m.chieste[0].titolo, "Calcolo non eseguito.");
    clicca(3, 4);  // completes the pending rectangle of f
    f.btnEllisseCentrale_Click();
    EXPECT_EQ(msg.chieste.size(), 3u);
    EXPECT_TRUE(f.pic.sovrapposto.primitive.empty());
}

TEST_F(Finestra, una_massa_non_positiva_avvisa_e_lascia_le_etichette) {
    rettangolo(0, 0, 2, 6, "-1");
    f.btnEsegui_Click();
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Calcolo non eseguibile.");
    EXPECT_EQ(msg.chieste[0].icona, Icona::Critico);
    EXPECT_EQ(msg.chieste[0].testo,
              "La massa della sezione è complessivamente minore o uguale a zero. Il calcolo non può "
              "essere eseguito. Controllare i dati dei singoli componenti della sezione selezionandoli.");
    for (const char* nome : ETICHETTERISULTATI) EXPECT_EQ(testo(nome), "") << nome;
    EXPECT_FALSE(f.ris.eseguito);
    EXPECT_TRUE(f.modo.eseguo);  // the mode of the calculation stays
    EXPECT_EQ(f.sez.rettangoli[1][R::ix], -144);
}

TEST_F(Finestra, valori_troppo_grandi_avvisano_senza_lasciare_infiniti_nelle_tabelle) {
    rettangolo(0, 0, 20, 12, "1e36");  // mass 2.4e38 fits a float, its moments do not
    ASSERT_TRUE(msg.chieste.empty());
    f.btnEsegui_Click();
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Calcolo non eseguibile.");
    EXPECT_EQ(msg.chieste[0].icona, Icona::Critico);
    for (int c = 1; c <= R::CAMPI; ++c) EXPECT_TRUE(std::isfinite(f.sez.rettangoli[1][c])) << c;
    EXPECT_EQ(f.sez.rettangoli[1][R::ix], 0);
    EXPECT_FALSE(f.ris.eseguito);
    EXPECT_EQ(testo("lblArea"), "");
}

TEST_F(Finestra, il_nocciolo_del_rettangolo_6x12_e_il_rombo_del_terzo_medio) {
    rettangolo(0, 0, 6, 12);
    linea(0, 0, 6, 0);
    linea(6, 0, 6, 12);
    linea(6, 12, 0, 12);
    linea(0, 12, 0, 0);
    f.btnEsegui_Click();
    ASSERT_TRUE(msg.chieste.empty());
    EXPECT_EQ(f.copianocciolo.vask, 4);
    const float attesi[4][2] = {{3, 8}, {2, 6}, {3, 4}, {4, 6}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(f.copianocciolo.puntinocciolo[i + 1][1], attesi[i][0], 1e-4) << i;
        EXPECT_NEAR(f.copianocciolo.puntinocciolo[i + 1][2], attesi[i][1], 1e-4) << i;
        EXPECT_TRUE(f.copianocciolo.puntinoccioloattivo[i + 1]);
    }
    // After a regeneration the kern is still drawn: four cyan markers, four blue edges.
    f.mnuVisualizzaRigenera_Click();
    const auto marche = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    // Drawn once by the section pass and once by the regeneration itself.
    EXPECT_EQ(marche.size(), 8u);
    EXPECT_EQ(lati.size(), 8u);
    EXPECT_FLOAT_EQ(marche[0].raggio, 20.0f / 400);
    EXPECT_NEAR(lati[3].x1, 4, 1e-4);  // closing edge from vertex 4 to vertex 1
    EXPECT_NEAR(lati[3].x2, 3, 1e-4);
    EXPECT_NEAR(lati[3].y2, 12 - 8, 1e-4);

    // A fifth line through (6, 9) and (3, 12).
    f.mnuStrumentiLinea_Click();
    clicca(6, 9);
    clicca(3, 12);
    f.btnEsegui_Click();
    EXPECT_NEAR(f.copianocciolo.puntinocciolo[5][1], 2.5, 1e-4);
    EXPECT_NEAR(f.copianocciolo.puntinocciolo[5][2], 4, 1e-4);
}

TEST_F(Finestra, una_linea_per_il_baricentro_non_entra_nel_nocciolo_ne_porta_infiniti) {
    rettangolo(0, 0, 6, 12);
    linea(0, 0, 6, 0);
    linea(0, 0, 6, 12);  // through G = (3, 6)
    linea(6, 12, 0, 12);
    f.btnEsegui_Click();
    EXPECT_TRUE(f.copianocciolo.puntinoccioloattivo[1]);
    EXPECT_FALSE(f.copianocciolo.puntinoccioloattivo[2]);
    EXPECT_TRUE(f.copianocciolo.puntinoccioloattivo[3]);
    EXPECT_TRUE(tuttofinito(f.pic.immagine));
    EXPECT_EQ(dicolore(f.pic.immagine, Forma::Segmento, BLU).size(), 2u);  // 1-3 and 3-1
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(std::isfinite(f.copianocciolo.puntinocciolo[i][1]));
        EXPECT_TRUE(std::isfinite(f.copianocciolo.puntinocciolo[i][2]));
    }
}

TEST_F(Finestra, il_calcolo_non_cambia_spostando_tutta_la_sezione) {
    auto sezione = [this](float dx, float dy) {
        rettangolo(1 + dx, 1 + dy, 5 + dx, 3 + dy, "2");
        triangolo(1 + dx, 3 + dy, 5 + dx, 3 + dy, 1 + dx, 7 + dy, "1");
        cerchio(4 + dx, 5 + dy, "1", "-1");
        f.btnEsegui_Click();
        std::vector<float> v;
        for (const char* n : {"lblArea", "lblMassa", "lblIxg", "lblIyg", "lblIxgyg", "lblIxc",
                              "lblIyc", "lblRxc", "lblRyc"})
            v.push_back(valore(n));
        v.push_back(valore("lblXg") - dx);
        v.push_back(valore("lblYg") - dy);
        msg.risposte = {Risposta::Si};
        f.mnuFileNuovo_Click();
        return v;
    };
    const auto qui = sezione(0, 0);
    const auto la = sezione(9, 4);
    ASSERT_EQ(qui.size(), la.size());
    for (size_t i = 0; i < qui.size(); ++i)
        EXPECT_NEAR(qui[i], la[i], 1e-3f * std::max(1.0f, std::fabs(qui[i]))) << i;
    EXPECT_EQ(msg.chieste.size(), 2u);  // only the two "Nuovo" questions
}

TEST_F(Finestra, esegui_di_nuovo_disegna_un_solo_nocciolo_quello_nuovo) {
    rettangolo(0, 0, 6, 12);
    for (auto [x1, y1, x2, y2] : {std::array<float, 4>{0, 0, 6, 0}, {6, 0, 6, 12}, {6, 12, 0, 12},
                                  {0, 12, 0, 0}})
        linea(x1, y1, x2, y2);
    f.btnEsegui_Click();
    const auto vecchie = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    ASSERT_EQ(vecchie.size(), 4u);
    // Diseg, then Rett.: the results of the last computation stay valid.
    f.btnDisegna_Click();
    f.btnRettangolo_Click();
    ASSERT_TRUE(f.ris.eseguito);
    rettangolo(1, 1, 2, 2, "-1");  // a hole moves G
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
    for (const Primitiva& l : lati)
        EXPECT_NEAR(std::hypot(l.x2 - l.x1, l.y2 - l.y1), 0.5 * std::sqrt(2.0), 1e-5);
    // Markers and the snap copy keep the order of the lines.
    EXPECT_NEAR(f.copianocciolo.puntinocciolo[1][1], 5.5, 1e-5);
    EXPECT_NEAR(f.copianocciolo.puntinocciolo[2][1], 4.5, 1e-5);
    EXPECT_NEAR(f.copianocciolo.puntinocciolo[3][2], 5.5, 1e-5);
    EXPECT_NEAR(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).at(0).x1, 5.5, 1e-5);
}

TEST_F(Finestra, il_nocciolo_aspetta_un_calcolo_valido_e_una_sola_linea_da_un_solo_punto) {
    rettangolo(0, 0, 6, 12);
    linea(0, 0, 6, 0);
    f.pic.immagine.svuota();
    f.btnNoccioloCentrale_Click();  // before any computation
    EXPECT_TRUE(f.pic.immagine.primitive.empty());
    EXPECT_EQ(f.copianocciolo.vask, 0);

    f.btnEsegui_Click();
    EXPECT_EQ(f.copianocciolo.vask, 1);
    // One line: one marker, and the closing edge shrinks to its vertex.
    const auto marche = dicolore(f.pic.immagine, Forma::Cerchio, CIANO);
    ASSERT_EQ(marche.size(), 1u);
    EXPECT_NEAR(marche[0].x1, 3, 1e-5);
    EXPECT_NEAR(marche[0].y1, 12 - 8, 1e-5);
    const auto lati = dicolore(f.pic.immagine, Forma::Segmento, BLU);
    ASSERT_EQ(lati.size(), 1u);
    EXPECT_EQ(lati[0].x1, lati[0].x2);
    EXPECT_EQ(lati[0].y1, lati[0].y2);

    // A drawing entry of the Strumenti menu drops the results: no kern after it.
    f.mnuStrumentiLinea_Click();
    EXPECT_FALSE(f.ris.eseguito);
    f.mnuVisualizzaRigenera_Click();
    EXPECT_TRUE(dicolore(f.pic.immagine, Forma::Cerchio, CIANO).empty());
    f.pic.immagine.svuota();
    f.btnNoccioloCentrale_Click();
    EXPECT_TRUE(f.pic.immagine.primitive.empty());
}

TEST_F(Finestra, una_massa_non_positiva_lascia_le_etichette_del_calcolo_precedente) {
    rettangolo(0, 0, 2, 6);
    f.btnEsegui_Click();
    std::vector<std::string> prima;
    for (const char* nome : ETICHETTERISULTATI) prima.push_back(testo(nome));
    rettangolo(3, 0, 9, 6, "-1");
    f.btnEsegui_Click();
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Calcolo non eseguibile.");
    for (int i = 0; i < 15; ++i) EXPECT_EQ(testo(ETICHETTERISULTATI[i]), prima[i]) << i;
    EXPECT_FLOAT_EQ(f.ris.xg, 1);
}

TEST_F(Finestra, i_fori_che_annullano_un_giratore_lo_dicono_nella_barra) {
    // A solid square between two diagonal holes: the centroidal inertia is
    // indefinite, the radius along Xc is clamped to 0.
    rettangolo(10, 10, 12, 12);
    rettangolo(0, 0, 1, 1, "-1");
    rettangolo(21, 21, 22, 22, "-1");
    f.btnEsegui_Click();
    ASSERT_TRUE(msg.chieste.empty());
    EXPECT_EQ(testo("lblRyc"), "0");
    EXPECT_EQ(testo("lblDescrizione"),
              "L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse intorno a cui si ha l'inerzia "
              "massima. Con i suoi fori la sezione non ha un'ellisse centrale reale lungo l'asse "
              "Xc.");
    // A plain section says nothing more.
    msg.risposte = {Risposta::Si};
    f.mnuFileNuovo_Click();
    rettangolo(0, 0, 2, 6);
    f.btnEsegui_Click();
    EXPECT_EQ(testo("lblDescrizione"),
              "L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse intorno a cui si ha l'inerzia "
              "massima.");
}
