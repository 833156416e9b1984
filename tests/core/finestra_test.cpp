// Start values, "Nuovo", the informative entries and the display preferences.
#include <vector>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, all_avvio_la_finestra_e_in_disegno_con_i_valori_iniziali) {
    EXPECT_TRUE(f.modo.disegno);
    EXPECT_FALSE(f.modo.seleziono || f.modo.eseguo || f.ris.eseguito);
    EXPECT_EQ(f.sez.prossimorettangolo, 1);
    EXPECT_EQ(f.sez.l, 1);
    EXPECT_EQ(f.pigreco, 3.1415927f);
    EXPECT_EQ(f.vista.passogriglia, 1.0f);
    EXPECT_EQ(f.colori.coloresfondo, 0x000000u);
    EXPECT_EQ(f.colori.coloregriglia, 0x808080u);
    EXPECT_EQ(f.colori.coloresezione, 0xFFFFFFu);
    EXPECT_EQ(f.colori.colorelinea, 0x00FF00u);
    EXPECT_EQ(f.vista.nuovofinex, 20);
    EXPECT_EQ(f.vista.nuovofiney, 12);
    EXPECT_EQ(testo("lblDescrizione"),
              "Disegna: Premi i pulsanti rettangolo, triangolo o cerchio per comporre la sezione.");
    EXPECT_EQ(f.ctl.sfondo("btnDisegna"), 0x00FFFFu);
    EXPECT_EQ(f.ctl.sfondo("btnRettangolo"), FACCIA);
    EXPECT_EQ(f.ctl.sfondo("btnPanGiu"), 0x0000FFu);
    EXPECT_EQ(f.ctl.sfondo("btnPanSu"), 0x008000u);
    EXPECT_EQ(testo("txtDensita"), "1");
    EXPECT_EQ(testo("lblContatore"), "0");
    EXPECT_EQ(f.ctl["LabelAngoloxc"].didascalia, "a°=");
    EXPECT_TRUE(f.ctl["LabelAngoloxc"].simbolo);
    EXPECT_THROW(f.ctl["lblInesistente"], std::out_of_range);
}

TEST_F(Finestra, nuovo_con_risposta_no_non_cambia_nulla) {
    rettangolo(0, 0, 2, 6);
    f.btnEsegui_Click();
    const std::string area = testo("lblArea");
    const size_t disegnate = f.pic.immagine.primitive.size();
    msg.chieste.clear();
    msg.risposte = {Risposta::No};
    f.mnuFileNuovo_Click();
    ASSERT_EQ(msg.chieste.size(), 1u);
    EXPECT_EQ(msg.chieste[0].titolo, "Nuova sezione.");
    EXPECT_EQ(msg.chieste[0].testo,
              "Se si inoltra un nuovo calcolo il lavoro corrente verrà perso. Inoltrare un nuovo "
              "calcolo?");
    EXPECT_EQ(msg.chieste[0].icona, Icona::Esclamazione);
    EXPECT_EQ(msg.chieste[0].pulsanti, Pulsanti::SiNo);
    EXPECT_EQ(f.sez.prossimorettangolo, 2);
    EXPECT_EQ(testo("lblArea"), area);
    EXPECT_TRUE(f.ris.eseguito);
    EXPECT_EQ(f.pic.immagine.primitive.size(), disegnate);
}

TEST_F(Finestra, nuovo_con_risposta_si_svuota_la_sezione_e_lascia_vista_e_colori) {
    for (int i = 0; i < 5; ++i) rettangolo(i, 0, i + 1, 6);
    linea(0, 0, 5, 0);
    f.btnEsegui_Click();
    f.mnuPreferenzeSezioneRosso_Click();
    f.testomodificato("txtRaggio", "7");
    f.ctl.testo("lblContatore", "5");
    f.ctl.testo("lblDescrizione", "qualcosa");
    // State that "Nuovo" must leave as it finds it.
    f.vista.grigliaattiva = f.vista.lineeguidaattive = true;
    for (const char* b : {"btnSposta", "btnModifica", "btnGriglia", "btnLineeGuida"})
        f.ctl.sfondo(b, VERDE);
    f.selezione.hoselezionatouncerchio = true;
    f.selezione.rigacerchioselezionato = 3;
    f.spostamento.mettipunto = 2;
    f.vista.snapattivo = f.vista.osnapattivo = true;
    f.vista.passogriglia = 0.5f;
    f.vista.pan = 2;
    for (const char* b : {"btnSnap", "btnOsnap", "btnPan", "btnCancella", "btnSeleziona"})
        f.ctl.sfondo(b, VERDE);
    msg.risposte = {Risposta::Si};
    f.mnuFileNuovo_Click();
    EXPECT_TRUE(f.vista.grigliaattiva && f.vista.lineeguidaattive);
    for (const char* b : {"btnSposta", "btnModifica", "btnGriglia", "btnLineeGuida"})
        EXPECT_EQ(f.ctl.sfondo(b), VERDE) << b;
    EXPECT_TRUE(f.selezione.hoselezionatouncerchio);
    EXPECT_EQ(f.selezione.rigacerchioselezionato, 3);
    EXPECT_EQ(f.spostamento.mettipunto, 2);
    EXPECT_FALSE(f.vista.snapattivo || f.vista.osnapattivo);
    EXPECT_EQ(f.vista.passogriglia, 1.0f);
    EXPECT_EQ(f.vista.pan, 0);
    for (const char* b : {"btnSnap", "btnOsnap", "btnPan", "btnCancella", "btnSeleziona"})
        EXPECT_EQ(f.ctl.sfondo(b), FACCIA) << b;

    EXPECT_EQ(f.sez.prossimorettangolo, 1);
    EXPECT_EQ(f.sez.l, 1);
    EXPECT_EQ(f.sez.rettangoli[3][R::x2], 0);
    EXPECT_EQ(f.sez.puntirettangoli[5][1], 0);
    EXPECT_FALSE(f.ris.eseguito || f.modo.eseguo);
    EXPECT_TRUE(f.modo.disegno);
    EXPECT_EQ(f.ris.xg, 0);
    EXPECT_EQ(f.ris.raggiocentralexc, 0);
    for (const char* nome : ETICHETTERISULTATI) EXPECT_EQ(testo(nome), "") << nome;
    EXPECT_EQ(testo("txtRaggio"), "1");
    EXPECT_EQ(testo("lblPrimoPuntoX"), "x1");
    EXPECT_EQ(f.ctl.sfondo("btnEsegui"), FACCIA);
    EXPECT_EQ(f.ctl.sfondo("btnDisegna"), GIALLO);
    EXPECT_EQ(f.ctl.sfondo("btnRettangolo"), FACCIA);
    EXPECT_EQ(f.copianocciolo.puntinocciolo[1][1], 0);
    // Left as they were: colours, counter label, hint bar, the view.
    EXPECT_EQ(f.colori.coloresezione, ROSSO);
    EXPECT_EQ(testo("lblContatore"), "5");
    EXPECT_EQ(testo("lblDescrizione"), "qualcosa");
    EXPECT_EQ(f.pic.scalewidth, 20);
    // Only grid and guide lines are left in the picture.
    for (const Primitiva& p : f.pic.immagine.primitive)
        EXPECT_TRUE(p.colore == f.colori.coloregriglia || p.colore == CIANO);

    // The next rectangle is number 1 again.
    rettangolo(1, 1, 3, 3);
    EXPECT_EQ(f.sez.prossimorettangolo, 2);
    EXPECT_EQ(f.sez.rettangoli[1][R::x2], 3);
}

TEST_F(Finestra, guida_e_informazioni_mostrano_i_loro_messaggi) {
    f.clic("mnuGuida");
    f.clic("mnuInfo");
    ASSERT_EQ(msg.chieste.size(), 2u);
    EXPECT_EQ(msg.chieste[0].titolo, "Guida.");
    EXPECT_EQ(msg.chieste[0].testo, "Consulta il file di testo allegato al programma.");
    EXPECT_EQ(msg.chieste[0].icona, Icona::Informazione);
    EXPECT_EQ(msg.chieste[1].titolo, "Informazioni.");
    EXPECT_EQ(msg.chieste[1].icona, Icona::Informazione);
    EXPECT_EQ(msg.chieste[1].testo.rfind("L'autore declina ogni responsabilità", 0), 0u);
    EXPECT_NE(msg.chieste[1].testo.find("all' indirizzo di posta elettronica"), std::string::npos);
    EXPECT_FALSE(f.clic("mnuNonEsiste"));
}

TEST_F(Finestra, ogni_preferenza_imposta_il_suo_colore_e_rigenera) {
    struct Caso {
        const char* voce;
        uint32_t FrmVask_2::Colori::*campo;
        uint32_t valore;
    } casi[] = {
        {"mnuPreferenzeSfondoBianco", &FrmVask_2::Colori::coloresfondo, BIANCO},
        {"mnuPreferenzeSfondoGrigio", &FrmVask_2::Colori::coloresfondo, GRIGIO},
        {"mnuPreferenzeSfondoNero", &FrmVask_2::Colori::coloresfondo, NERO},
        {"mnuPreferenzeGrigliaBianco", &FrmVask_2::Colori::coloregriglia, BIANCO},
        {"mnuPreferenzeGrigliaNero", &FrmVask_2::Colori::coloregriglia, NERO},
        {"mnuPreferenzeGrigliaRosso", &FrmVask_2::Colori::coloregriglia, ROSSO},
        {"mnuPreferenzeGrigliaGiallo", &FrmVask_2::Colori::coloregriglia, GIALLO},
        {"mnuPreferenzeGrigliaGrigio", &FrmVask_2::Colori::coloregriglia, GRIGIO},
        {"mnuPreferenzeSezioneNero", &FrmVask_2::Colori::coloresezione, NERO},
        {"mnuPreferenzeSezioneGrigio", &FrmVask_2::Colori::coloresezione, GRIGIO},
        {"mnuPreferenzeSezioneRosso", &FrmVask_2::Colori::coloresezione, ROSSO},
        {"mnuPreferenzeSezioneGiallo", &FrmVask_2::Colori::coloresezione, GIALLO},
        {"mnuPreferenzeSezioneBianco", &FrmVask_2::Colori::coloresezione, BIANCO},
        {"mnuPreferenzeLineaBianco", &FrmVask_2::Colori::colorelinea, BIANCO},
        {"mnuPreferenzeLineaNero", &FrmVask_2::Colori::colorelinea, NERO},
        {"mnuPreferenzeLineaRosso", &FrmVask_2::Colori::colorelinea, ROSSO},
        {"mnuPreferenzeLineaBlu", &FrmVask_2::Colori::colorelinea, BLU},
        {"mnuPreferenzeLineaVerde", &FrmVask_2::Colori::colorelinea, VERDE},
    };
    linea(1, 1, 4, 1);
    for (const Caso& c : casi) {
        f.pic.immagine.svuota();  // a regeneration must bring the picture back
        ASSERT_TRUE(f.clic(c.voce)) << c.voce;
        EXPECT_EQ(f.colori.*(c.campo), c.valore) << c.voce;
        ASSERT_FALSE(f.pic.immagine.primitive.empty()) << c.voce;
        EXPECT_EQ(f.pic.immagine.primitive.back().colore, f.colori.colorelinea) << c.voce;
    }
    f.clic("mnuPreferenzeSfondoGrigio");
    EXPECT_EQ(f.pic.sfondo, GRIGIO);

    f.clic("mnuPreferenzeSpessori2");
    EXPECT_EQ(f.pic.spessore, 2);
    for (const Primitiva& p : f.pic.immagine.primitive) EXPECT_EQ(p.spessore, 2);
    f.clic("mnuPreferenzeSpessori1");
    for (const Primitiva& p : f.pic.immagine.primitive) EXPECT_EQ(p.spessore, 1);
}

TEST_F(Finestra, i_colori_scelti_arrivano_ai_riempimenti_dei_pieni_e_dei_fori) {
    f.mnuPreferenzeSfondoBianco_Click();
    f.mnuPreferenzeSezioneRosso_Click();
    rettangolo(0, 0, 10, 10);
    rettangolo(1, 1, 2, 2, "-1");
    triangolo(3, 3, 6, 3, 3, 6);
    triangolo(7, 7, 9, 7, 7, 9, "-1");
    cerchio(5, 8, "1");
    cerchio(8, 4, "1", "-2");
    f.mnuVisualizzaRigenera_Click();
    std::vector<uint32_t> riempimenti, poligoni;
    for (const Primitiva& p : f.pic.immagine.primitive) {
        if (p.forma == Forma::Rettangolo || p.forma == Forma::Cerchio) riempimenti.push_back(p.riempimento);
        if (p.forma == Forma::Poligono) poligoni.push_back(p.colore);
    }
    // Solids in the section colour, then holes in the background colour.
    EXPECT_EQ(riempimenti, (std::vector<uint32_t>{ROSSO, ROSSO, BIANCO, BIANCO}));
    // Each fill pass paints every triangle in table order.
    EXPECT_EQ(poligoni, (std::vector<uint32_t>{ROSSO, BIANCO, ROSSO, BIANCO}));
    EXPECT_EQ(f.pic.sfondo, BIANCO);
}
