// Start values, "Nuovo", command modes with the button colours read back as
// state, and the hint bar.
#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, all_avvio_la_finestra_e_in_disegno_con_i_valori_iniziali) {
    recita("core_avvio.tsv");
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}) && f.pigreco == 3.1415927f && f.ctl["LabelAngoloxc"].simbolo);
    EXPECT_TRUE(!f.modo.seleziono && !f.modo.eseguo && f.vista.nuovofinex == 20 && f.vista.nuovofiney == 12);
}

TEST_F(Finestra, nuovo_con_no_non_cambia_nulla_e_con_si_azzera_la_sua_lista_e_lascia_il_resto) {
    fai("R 0 0 1 6 1 R 1 0 2 6 1 R 2 0 3 6 1 R 3 0 4 6 1 R 4 0 5 6 1 L 0 0 5 0 btnEsegui");
    const size_t disegnate = f.pic.immagine.primitive.size();
    EXPECT_EQ(fa("No mnuFileNuovo", "riquadro !! #R lblArea"), "esclamazione sino Nuova sezione. Se si inoltra un nuovo "
                                                               "calcolo il lavoro corrente verrà perso. Inoltrare un nuovo "
                                                               "calcolo? 5 30");
    EXPECT_TRUE(f.ris.eseguito && f.pic.immagine.primitive.size() == disegnate);

    fai("mnuPreferenzeSezioneRosso txtRaggio=7 txtDensita=3");
    f.ctl.testo("lblContatore", "5");
    f.ctl.testo("lblDescrizione", "qualcosa");
    // What "Nuovo" leaves as it finds it, then what it resets.
    f.vista.grigliaattiva = f.vista.lineeguidaattive = f.selezione.hoselezionatouncerchio = true;
    f.selezione.rigacerchioselezionato = 3;
    f.spostamento.mettipunto = 2;
    f.vista.snapattivo = f.vista.osnapattivo = true;
    f.vista.passogriglia = 0.5f;
    f.vista.pan = 2;
    f.modo.sposto = f.modo.cancello = f.modo.modifico = true;
    f.spostamento.spostocerchio = f.cancellazione.cancellolinea = f.selezione.selezionotriangolo = true;
    const std::string pulsanti = "btnSposta,btnModifica,btnGriglia,btnLineeGuida,btnSnap,btnOsnap,btnPan,btnCancella,"
                                 "btnSeleziona,btnEsegui,btnRettangolo,btnNoccioloCentrale,btnEllisseCentrale";
    std::istringstream nomi(pulsanti);
    for (std::string n; std::getline(nomi, n, ',');) f.ctl.sfondo(n, VERDE);
    EXPECT_EQ(fa("Si mnuFileNuovo", "^" + pulsanti + ",btnDisegna lblContatore lblDescrizione txtRaggio txtDensita "
                                   "lblPrimoPuntoX risultati"), "VVVV---------G 5 qualcosa 1 1 x1" + std::string(16, ' '));
    EXPECT_TRUE(f.vista.grigliaattiva && f.vista.lineeguidaattive && f.selezione.hoselezionatouncerchio);
    EXPECT_EQ(std::make_tuple(f.selezione.rigacerchioselezionato, f.spostamento.mettipunto, f.colori.coloresezione,
                              f.pic.scalewidth, f.vista.passogriglia, f.vista.pan), std::make_tuple(3, 2, ROSSO, 20.f, 1.f, 0));
    EXPECT_FALSE(f.vista.snapattivo || f.vista.osnapattivo || f.modo.sposto || f.modo.cancello || f.modo.modifico ||
                 f.spostamento.spostocerchio || f.cancellazione.cancellolinea || f.selezione.selezionotriangolo);
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
    EXPECT_TRUE(f.modo.disegno && !f.ris.eseguito && !f.ris.attuali && !f.modo.eseguo);
    EXPECT_EQ(f.ris.xg + f.ris.raggiocentralexc + f.ris.ixtotale, 0);
    EXPECT_TRUE(f.copianocciolo.puntinocciolo[1][1] == 0 && !f.copianocciolo.puntinoccioloattivo[1]);
    for (const Primitiva& p : f.pic.immagine.primitive)  // only grid and guide lines are left
        EXPECT_TRUE(p.colore == f.colori.coloregriglia || p.colore == CIANO);
}

// Faces of Disegna, Seleziona, Esegui, the four kinds and Nocciolo, the mode,
// the kinds and the counter after each command.
TEST_F(Finestra, i_pulsanti_di_modo_e_di_tipo_portano_lo_stato_nei_colori) {
    f.ris.eseguito = true;
    f.ctl.sfondo("btnNoccioloCentrale", VERDE);
    for (const prova::Riga& r : prova::dati("core_modi.tsv")) {
        EXPECT_EQ(fa(r[0], "^btnDisegna,btnSeleziona,btnEsegui,btnRettangolo,btnTriangolo,btnCerchio,btnLinea,btnNoccioloCentrale "
                           "modo tipi lblContatore"), r[1]) << r.dove;
        const bool esegui = r[0] == "btnSeleziona" && !f.modo.seleziono;  // leaving select mode
        EXPECT_TRUE(!esegui || testo("lblDescrizione") == "Esegui: Premi il pulsante Esegui per calcolare la sezione.");
    }
    EXPECT_TRUE(!f.ris.eseguito && testo("lblPrimoPuntoX") == "x1");
    fai("1,1 3,3");
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
    EXPECT_EQ(fa("R 1 1 3 3 1 btnLinea", "lblContatore"), "0");
    EXPECT_EQ(fa("btnRettangolo", "lblContatore"), "1");  // a kind button shows how many of its kind there are
}

TEST(Finestre, ogni_transizione_lascia_alle_azioni_lo_stato_che_rileggeranno) {
    for (const prova::Riga& r : prova::dati("core_transizioni.tsv")) {
        prova::Banco b;
        FrmVask_2& g = b.f;
        auto& s = g.selezione;
        g.sez.prossimorettangolo = 2;  // something to compute
        for (int k : {R::x2, R::y2, R::densita, R::area, R::massa}) g.sez.rettangoli[1][k] = 1;
        g.modo.disegno = r[1] == "D", g.modo.seleziono = r[1] == "S", g.modo.eseguo = r[1] == "E";
        g.modo.triangolopremuto = g.ris.eseguito = true;
        for (const char* c : {"btnSposta", "btnCancella", "btnModifica"}) g.ctl.sfondo(c, VERDE);
        g.modo.sposto = g.modo.cancello = g.modo.modifico = true;
        s.hoselezionatounrettangolo = s.hoselezionatountriangolo = s.hoselezionatouncerchio = s.hoselezionatounalinea = true;
        s.selezionorettangolo = s.selezionotriangolo = s.selezionocerchio = s.selezionolinea = true;
        EXPECT_EQ(b.fa(r[0], "^btnSposta,btnCancella,btnModifica sposto cancello modifico selezionato selezionando eseguito"),
                  r[2]) << r.dove;
    }
}

TEST(Finestre, la_barra_delle_indicazioni_segue_l_ultima_regola_che_vale) {
    for (const prova::Riga& r : prova::dati("core_indicazioni.tsv")) {
        prova::Banco b;
        FrmVask_2& g = b.f;
        g.ctl.testo("lblDescrizione", "prima");
        const std::string& s = r[0];
        const size_t k = s.find_last_of("rtcl");
        const int tipo = k == std::string::npos ? -1 : int(std::string("rtcl").find(s[k]));
        bool* premuto[4] = {&g.modo.rettangolopremuto, &g.modo.triangolopremuto, &g.modo.cerchiopremuto, &g.modo.lineapremuto};
        bool* selezionato[4] = {&g.selezione.hoselezionatounrettangolo, &g.selezione.hoselezionatountriangolo,
                                &g.selezione.hoselezionatouncerchio, &g.selezione.hoselezionatounalinea};
        bool* spostato[4] = {&g.spostamento.spostorettangolo, &g.spostamento.spostotriangolo, &g.spostamento.spostocerchio,
                             &g.spostamento.spostolinea};
        const auto punto = [&s](char c) {
            const size_t i = s.find(c);
            return i == std::string::npos ? -1 : s[i + 1] - '0';
        };
        const bool x = s.find('x') != std::string::npos;
        if (s[0] == 'S') g.modo.disegno = false, g.modo.seleziono = true;
        if (punto('m') > 0) *spostato[tipo] = true, g.spostamento.mettipunto = punto('m');
        if (x) *selezionato[tipo] = true;
        if (x && punto('m') < 0) g.modo.cancello = true, g.modo.disegno = false;
        if (tipo >= 0 && punto('m') < 0 && (!x || s[0] == 'S')) *premuto[tipo] = true;
        if (punto('p') > 0) g.costruzione.puntorettangolo = punto('p');
        if (punto('d') >= 0) g.misura.distanza = true, g.misura.distmettipunto = punto('d');
        if (punto('e') > 0) g.cambioestremo.cambioestremodellalinea = true, g.cambioestremo.modlineamettipunto = punto('e');
        g.indicazioni();
        EXPECT_EQ(g.ctl.testo("lblDescrizione"), r[1]) << r.dove;
    }
    // That a mouse move applies them is core_disegno.tsv's.
}
