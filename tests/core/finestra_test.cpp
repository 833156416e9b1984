// Start values, "Nuovo", command modes with the button colours read back as
// state, and the hint bar.
#include <tuple>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, all_avvio_la_finestra_e_in_disegno_con_i_valori_iniziali) {
    EXPECT_TRUE(f.modo.disegno && !f.modo.seleziono && !f.modo.eseguo && !f.ris.eseguito);
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
    EXPECT_EQ(std::make_pair(f.pigreco, f.vista.passogriglia), std::make_pair(3.1415927f, 1.0f));
    EXPECT_EQ(std::tie(f.colori.coloresfondo, f.colori.coloregriglia, f.colori.coloresezione, f.colori.colorelinea,
                       f.pic.sfondo), std::make_tuple(NERO, GRIGIO, BIANCO, VERDE, NERO));
    EXPECT_EQ(std::make_pair(f.vista.nuovofinex, f.vista.nuovofiney), std::make_pair(20.f, 12.f));
    EXPECT_EQ(testo("lblDescrizione"), "Disegna: Premi i pulsanti rettangolo, triangolo o cerchio per comporre la sezione.");
    EXPECT_EQ(testi({"txtDensita", "txtRaggio", "txtPassoGriglia", "lblContatore", "LabelAngoloxc", "lblArea"}), "1 1 1 0 a°= ");
    EXPECT_TRUE(f.ctl["LabelAngoloxc"].simbolo);
    EXPECT_EQ(facce({"btnDisegna", "btnSeleziona", "btnPanGiu", "btnPanSu"}), "G-RD");
    EXPECT_THROW(f.ctl["lblInesistente"], std::out_of_range);
    EXPECT_FALSE(f.clic("mnuNonEsiste"));
}

TEST_F(Finestra, nuovo_con_no_non_cambia_nulla_e_con_si_azzera_la_sua_lista_e_lascia_il_resto) {
    for (int i = 0; i < 5; ++i) rettangolo(i, 0, i + 1, 6);
    linea(0, 0, 5, 0);
    f.btnEsegui_Click();
    const size_t disegnate = f.pic.immagine.primitive.size();
    msg.risposte = {Risposta::No};
    f.mnuFileNuovo_Click();
    EXPECT_EQ(std::make_pair(msg.domande.at(0).pulsanti, msg.domande.at(0).icona),
              std::make_pair(Pulsanti::SiNo, Icona::Esclamazione));
    EXPECT_EQ(avvisi(true), "Nuova sezione. Se si inoltra un nuovo calcolo il lavoro corrente verrà perso. Inoltrare "
                            "un nuovo calcolo?");
    EXPECT_EQ(std::make_tuple(f.sez.prossimorettangolo, testo("lblArea"), f.ris.eseguito, f.pic.immagine.primitive.size()),
              std::make_tuple(6, std::string("30"), true, disegnate));

    f.mnuPreferenzeSezioneRosso_Click();
    raggio("7");
    densita("3");
    f.ctl.testo("lblContatore", "5");
    f.ctl.testo("lblDescrizione", "qualcosa");
    // What "Nuovo" leaves as it finds it...
    f.vista.grigliaattiva = f.vista.lineeguidaattive = true;
    const auto restano = {"btnSposta", "btnModifica", "btnGriglia", "btnLineeGuida"};
    for (const char* b : restano) f.ctl.sfondo(b, VERDE);
    f.selezione.hoselezionatouncerchio = true;
    f.selezione.rigacerchioselezionato = 3;
    f.spostamento.mettipunto = 2;
    // ... and what it resets.
    f.vista.snapattivo = f.vista.osnapattivo = true;
    f.vista.passogriglia = 0.5f;
    f.vista.pan = 2;
    f.modo.sposto = f.modo.cancello = f.modo.modifico = true;
    f.spostamento.spostocerchio = f.cancellazione.cancellolinea = f.selezione.selezionotriangolo = true;
    const auto spenti = {"btnSnap", "btnOsnap", "btnPan", "btnCancella", "btnSeleziona", "btnEsegui",
                         "btnRettangolo", "btnNoccioloCentrale", "btnEllisseCentrale"};
    for (const char* b : spenti) f.ctl.sfondo(b, VERDE);
    nuovo();
    EXPECT_TRUE(f.vista.grigliaattiva && f.vista.lineeguidaattive && f.selezione.hoselezionatouncerchio);
    EXPECT_EQ(facce(restano), "VVVV");
    EXPECT_EQ(std::make_pair(f.selezione.rigacerchioselezionato, f.spostamento.mettipunto), std::make_pair(3, 2));
    EXPECT_EQ(f.colori.coloresezione, ROSSO);
    EXPECT_EQ(testi({"lblContatore", "lblDescrizione"}), "5 qualcosa");
    EXPECT_EQ(f.pic.scalewidth, 20);

    EXPECT_EQ(facce(spenti) + facce({"btnDisegna"}), "---------G");
    EXPECT_FALSE(f.vista.snapattivo || f.vista.osnapattivo || f.modo.sposto || f.modo.cancello || f.modo.modifico ||
                 f.spostamento.spostocerchio || f.cancellazione.cancellolinea || f.selezione.selezionotriangolo);
    EXPECT_EQ(std::make_pair(f.vista.passogriglia, f.vista.pan), std::make_pair(1.0f, 0));
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
    EXPECT_TRUE(f.modo.disegno && !f.ris.eseguito && !f.ris.attuali && !f.modo.eseguo);
    EXPECT_EQ(f.ris.xg + f.ris.raggiocentralexc + f.ris.ixtotale, 0);
    EXPECT_EQ(risultati(), std::string(15, ' '));
    EXPECT_EQ(testi({"txtRaggio", "txtDensita", "lblPrimoPuntoX"}), "1 1 x1");
    EXPECT_TRUE(f.copianocciolo.puntinocciolo[1][1] == 0 && !f.copianocciolo.puntinoccioloattivo[1]);
    for (const Primitiva& p : f.pic.immagine.primitive)  // only grid and guide lines are left
        EXPECT_TRUE(p.colore == f.colori.coloregriglia || p.colore == CIANO);
}

// Faces of Disegna, Seleziona, Esegui, the four kinds and Nocciolo, the mode,
// then the kind pressed, drawn and selected (r t c l, or -).
TEST_F(Finestra, i_pulsanti_di_modo_e_di_tipo_portano_lo_stato_nei_colori) {
    const auto quadro = [this] {
        const auto tipo = [](bool r, bool t, bool c, bool l) { return r ? 'r' : t ? 't' : c ? 'c' : l ? 'l' : '-'; };
        const auto& m = f.modo;
        const auto& k = f.costruzione;
        const auto& z = f.selezione;
        return facce({"btnDisegna", "btnSeleziona", "btnEsegui", "btnRettangolo", "btnTriangolo", "btnCerchio", "btnLinea",
                      "btnNoccioloCentrale"}) + (m.disegno ? " D " : m.seleziono ? " S " : m.eseguo ? " E " : " ? ") +
               tipo(m.rettangolopremuto, m.triangolopremuto, m.cerchiopremuto, m.lineapremuto) +
               tipo(k.disegnorettangolo, k.disegnotriangolo, k.disegnocerchio, k.disegnolinea) +
               tipo(z.selezionorettangolo, z.selezionotriangolo, z.selezionocerchio, z.selezionolinea) + " " +
               testo("lblContatore");
    };
    f.ris.eseguito = true;
    f.ctl.sfondo("btnNoccioloCentrale", VERDE);
    const char* passi[][2] = {
        {"btnRettangolo", "G--V---V D rr- 0"},
        {"btnRettangolo", "G--V---V D rr- 0"},  // already down: nothing changes
        {"btnDisegna", "--V----V E --- 0"},     // calculate state, kinds released
        {"btnTriangolo", "--V-V--V E t-- 0"},   // only pressed, carried into the next mode
        {"btnSeleziona", "-G--V--- S t-t 0"},
        {"btnCerchio", "-G---V-- S c-c "},
        {"btnSeleziona", "--V----- E --- "},
        {"mnuModificaLinea", "-G----V- S l-l "},  // select mode and its kind in one step
        {"btnDisegna", "G-----V- D ll- "},        // drawing lines: the kind goes along
        {"mnuStrumentiTriangolo", "G---V--- D tt- "},
        {"btnDisegna", "--V----- E --- "},
        {"btnDisegna", "G------- D --- "},  // no kind: clicks create nothing
    };
    for (const auto& [comando, atteso] : passi) {
        ASSERT_TRUE(f.clic(comando));
        EXPECT_EQ(quadro(), atteso) << comando;
        const bool esegui = std::string(comando) == "btnSeleziona" && !f.modo.seleziono;  // leaving select mode
        EXPECT_TRUE(!esegui || testo("lblDescrizione") == "Esegui: Premi il pulsante Esegui per calcolare la sezione.");
    }
    EXPECT_TRUE(!f.ris.eseguito && testo("lblPrimoPuntoX") == "x1");
    clicca(1, 1);
    clicca(3, 3);
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
    rettangolo(1, 1, 3, 3);
    f.btnLinea_Click();
    EXPECT_EQ(testo("lblContatore"), "0");
    f.btnRettangolo_Click();  // a kind button shows how many of its kind there are
    EXPECT_EQ(testo("lblContatore"), "1");
}

TEST_F(Finestra, ogni_transizione_lascia_alle_azioni_lo_stato_che_rileggeranno) {
    // Faces of Sposta, Cancella, Modifica; sposto, cancello, modifico; the
    // selected and the select kinds; whether the results still count.
    const auto azioni = [](FrmVask_2& g) {
        const auto& s = g.selezione;
        std::string r;
        for (const char* b : {"btnSposta", "btnCancella", "btnModifica"}) r += g.ctl.sfondo(b) == VERDE ? 'V' : '-';
        for (bool b : {g.modo.sposto, g.modo.cancello, g.modo.modifico, s.hoselezionatounrettangolo,
                       s.hoselezionatountriangolo, s.hoselezionatouncerchio, s.hoselezionatounalinea, s.selezionorettangolo,
                       s.selezionotriangolo, s.selezionocerchio, s.selezionolinea, g.ris.eseguito})
            r += b ? '1' : '0';
        return r;
    };
    const char* casi[][3] = {
        // With the triangle kind down, Diseg enters drawing through the menu entry.
        {"btnDisegna", "E", "---000000000000"},       {"btnDisegna", "D", "VVV111111111111"},
        {"btnSeleziona", "E", "---000111101001"},     {"btnSeleziona", "S", "---111111100001"},
        {"btnCerchio", "E", "---111111111111"},       {"btnCerchio", "S", "---111111100101"},
        {"btnCerchio", "D", "---111111100001"},       {"mnuModificaLinea", "E", "VVV111111100011"},
        {"mnuStrumentiCerchio", "S", "---000000000000"}, {"btnEsegui", "S", "---111000000001"},
    };
    for (const auto& [comando, prima, dopo] : casi) {
        Copione m;
        FrmVask_2 g(m);
        g.Form_Load();
        g.sez.prossimorettangolo = 2;  // something to compute
        for (int k : {R::x2, R::y2, R::densita, R::area, R::massa}) g.sez.rettangoli[1][k] = 1;
        g.modo.disegno = *prima == 'D', g.modo.seleziono = *prima == 'S', g.modo.eseguo = *prima == 'E';
        g.modo.triangolopremuto = g.ris.eseguito = true;
        for (const char* b : {"btnSposta", "btnCancella", "btnModifica"}) g.ctl.sfondo(b, VERDE);
        g.modo.sposto = g.modo.cancello = g.modo.modifico = true;
        auto& s = g.selezione;
        s.hoselezionatounrettangolo = s.hoselezionatountriangolo = s.hoselezionatouncerchio = s.hoselezionatounalinea = true;
        s.selezionorettangolo = s.selezionotriangolo = s.selezionocerchio = s.selezionolinea = true;
        ASSERT_TRUE(g.clic(comando));
        EXPECT_EQ(azioni(g), dopo) << comando << " da " << prima;
    }
}

// Every rule that holds writes its text, so the last one that holds wins;
// when none holds the bar keeps its text. A state: D draw mode (as at the
// start) or S select mode; r t c l the kind down; p1 its first point taken;
// d1 d2 the distance point; m1 m2 the point of a move of that kind; x the
// kind's element selected with Cancella armed; e1 e2 the point of a line-end change.
TEST_F(Finestra, la_barra_delle_indicazioni_segue_l_ultima_regola_che_vale) {
    const std::string SEL = ": Selezione eseguita. Puoi cancellarl";
    std::vector<std::pair<std::string, std::string>> regole = {
        {"d2", "Distanza tra due punti: Inserisci il secondo punto."},
        {"r", "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {"t", "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità."},
        {"l", "Disegna linea: Inserisci le coordinate del primo estremo del segmento."},
        {"c", "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la densità."},
        {"Sr", "Seleziona rettangolo: Clicca su un rettangolo per selezionarlo. Consiglio: disattiva snap e osnap."},
        {"St", "Seleziona triangolo: Clicca sul triangolo presso il baricentro o presso i vertici. Consiglio: disattiva snap."},
        {"Sc", "Seleziona cerchio: Clicca su un cerchio per selezionarlo. Consiglio: disattiva snap e osnap."},
        {"Sl", "Seleziona linea: Clicca presso la mezzeria di una linea per selezionarla. Consiglio: disattiva snap."},
        {"Sxr", "Seleziona rettangolo" + SEL + "o, modificarne la densità o spostarlo."},
        {"Sxt", "Seleziona triangolo" + SEL + "o, modificarne la densità o spostarlo."},
        {"Sxc", "Seleziona cerchio" + SEL + "o, modificarne densità e raggio o spostarlo."},
        {"Sxl", "Seleziona linea" + SEL + "a, modificarne gli estremi o spostarla."},
        {"e1", "Modifica linea: Seleziona l'estremo che vuoi spostare."},
        {"e2", "Modifica linea: Seleziona il punto finale dello spostamento."},
        {"d1", "Distanza tra due punti: Inserisci il primo punto."},
        // Precedence: none holds; the first-point distance hint, the last
        // rule, over drawing; drawing over the second-point one, the first.
        {"", "prima"}, {"p1r", "prima"}, {"d0", "prima"},
        {"d1r", "Distanza tra due punti: Inserisci il primo punto."},
        {"d2r", "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {"xr", "prima"},  // a selection outside select mode with its kind released says nothing
        {"Sxle2", "Modifica linea: Seleziona il punto finale dello spostamento."},
    };
    const char* const tipi[] = {"rettangolo", "triangolo", "cerchio", "linea"};
    for (int k = 0; k < 4; ++k)  // m1 and m2 of each kind
        for (const char* punto : {"1base", "2finale"})
            regole.push_back({std::string("m") + *punto + "rtcl"[k],
                              "Sposta " + std::string(tipi[k]) + ": Inserisci il punto " + (punto + 1) + " dello spostamento."});
    for (const auto& [stato, testo] : regole) {
        Copione m;
        FrmVask_2 g(m);
        g.Form_Load();
        g.ctl.testo("lblDescrizione", "prima");
        const std::string s = stato;
        const size_t k = s.find_last_of("rtcl");
        const int tipo = k == std::string::npos ? -1 : int(std::string("rtcl").find(s[k]));
        bool* premuto[4] = {&g.modo.rettangolopremuto, &g.modo.triangolopremuto, &g.modo.cerchiopremuto, &g.modo.lineapremuto};
        bool* selezionato[4] = {&g.selezione.hoselezionatounrettangolo, &g.selezione.hoselezionatountriangolo,
                                &g.selezione.hoselezionatouncerchio, &g.selezione.hoselezionatounalinea};
        bool* spostato[4] = {&g.spostamento.spostorettangolo, &g.spostamento.spostotriangolo, &g.spostamento.spostocerchio,
                             &g.spostamento.spostolinea};
        const auto punto = [&s](char c) { const size_t i = s.find(c); return i == std::string::npos ? -1 : s[i + 1] - '0'; };
        if (s[0] == 'S') g.modo.disegno = false, g.modo.seleziono = true;
        if (punto('m') > 0) *spostato[tipo] = true, g.spostamento.mettipunto = punto('m');
        else if (s.find('x') != std::string::npos) *selezionato[tipo] = g.modo.cancello = true, g.modo.disegno = false;
        if (tipo >= 0 && punto('m') < 0 && (s.find('x') == std::string::npos || s[0] == 'S')) *premuto[tipo] = true;
        if (punto('p') > 0) g.costruzione.puntorettangolo = punto('p');
        if (punto('d') >= 0) g.misura.distanza = true, g.misura.distmettipunto = punto('d');
        if (punto('e') > 0) g.cambioestremo.cambioestremodellalinea = true, g.cambioestremo.modlineamettipunto = punto('e');
        g.indicazioni();
        EXPECT_EQ(g.ctl.testo("lblDescrizione"), testo) << "stato " << stato;
    }

    // A mouse move applies the rules; none holds while a second end is awaited.
    f.btnLinea_Click();
    muovi(1, 1);
    EXPECT_EQ(testo("lblDescrizione"), "Disegna linea: Inserisci le coordinate del primo estremo del segmento.");
    clicca(1, 1);
    muovi(2, 2);
    EXPECT_EQ(testo("lblDescrizione"), "Disegna linea: Inserisci le coordinate del secondo estremo del segmento.");
}
