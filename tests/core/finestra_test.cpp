// Start values, "Nuovo", the display preferences, command modes with the
// button colours read back as state, and the hint bar.
#include <functional>
#include <tuple>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

TEST_F(Finestra, all_avvio_la_finestra_e_in_disegno_con_i_valori_iniziali) {
    EXPECT_TRUE(f.modo.disegno && !f.modo.seleziono && !f.modo.eseguo && !f.ris.eseguito);
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
    EXPECT_EQ(f.pigreco, 3.1415927f);
    EXPECT_EQ(f.vista.passogriglia, 1.0f);
    EXPECT_EQ(std::tie(f.colori.coloresfondo, f.colori.coloregriglia, f.colori.coloresezione, f.colori.colorelinea,
                       f.pic.sfondo), std::make_tuple(NERO, GRIGIO, BIANCO, VERDE, NERO));
    EXPECT_EQ(std::make_pair(f.vista.nuovofinex, f.vista.nuovofiney), std::make_pair(20.f, 12.f));
    EXPECT_EQ(testo("lblDescrizione"), "Disegna: Premi i pulsanti rettangolo, triangolo o cerchio per comporre la sezione.");
    EXPECT_EQ(testi({"txtDensita", "txtRaggio", "txtPassoGriglia", "lblContatore", "LabelAngoloxc", "lblArea"}), "1 1 1 0 a°= ");
    EXPECT_TRUE(f.ctl["LabelAngoloxc"].simbolo);
    EXPECT_EQ(std::make_tuple(f.ctl.sfondo("btnDisegna"), f.ctl.sfondo("btnPanGiu"), f.ctl.sfondo("btnPanSu")),
              std::make_tuple(GIALLO, ROSSO, VERDESCURO));
    EXPECT_THROW(f.ctl["lblInesistente"], std::out_of_range);
    EXPECT_FALSE(f.clic("mnuNonEsiste"));
}

TEST_F(Finestra, nuovo_con_risposta_no_non_cambia_nulla) {
    rettangolo(0, 0, 2, 6);
    f.btnEsegui_Click();
    const size_t disegnate = f.pic.immagine.primitive.size();
    msg.risposte = {Risposta::No};
    f.mnuFileNuovo_Click();
    EXPECT_EQ(msg.domande.at(0).pulsanti, Pulsanti::SiNo);
    EXPECT_EQ(msg.domande.at(0).icona, Icona::Esclamazione);
    EXPECT_EQ(avvisi(true), "Nuova sezione. Se si inoltra un nuovo calcolo il lavoro corrente verrà perso. Inoltrare "
                            "un nuovo calcolo?");
    EXPECT_EQ(f.sez.prossimorettangolo, 2);
    EXPECT_EQ(testo("lblArea"), "12");
    EXPECT_TRUE(f.ris.eseguito);
    EXPECT_EQ(f.pic.immagine.primitive.size(), disegnate);
}

TEST_F(Finestra, nuovo_con_risposta_si_azzera_la_sua_lista_e_lascia_il_resto) {
    for (int i = 0; i < 5; ++i) rettangolo(i, 0, i + 1, 6);
    linea(0, 0, 5, 0);
    f.btnEsegui_Click();
    f.mnuPreferenzeSezioneRosso_Click();
    raggio("7");
    densita("3");
    f.ctl.testo("lblContatore", "5");
    f.ctl.testo("lblDescrizione", "qualcosa");
    // What "Nuovo" leaves as it finds it...
    f.vista.grigliaattiva = f.vista.lineeguidaattive = true;
    const char* restano[] = {"btnSposta", "btnModifica", "btnGriglia", "btnLineeGuida"};
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
    const char* spenti[] = {"btnSnap", "btnOsnap", "btnPan", "btnCancella", "btnSeleziona", "btnEsegui",
                            "btnRettangolo", "btnNoccioloCentrale", "btnEllisseCentrale"};
    for (const char* b : spenti) f.ctl.sfondo(b, VERDE);
    nuovo();
    EXPECT_TRUE(f.vista.grigliaattiva && f.vista.lineeguidaattive);
    for (const char* b : restano) EXPECT_EQ(f.ctl.sfondo(b), VERDE) << b;
    EXPECT_TRUE(f.selezione.hoselezionatouncerchio);
    EXPECT_EQ(f.selezione.rigacerchioselezionato, 3);
    EXPECT_EQ(f.spostamento.mettipunto, 2);
    EXPECT_EQ(f.colori.coloresezione, ROSSO);
    EXPECT_EQ(testo("lblContatore"), "5");
    EXPECT_EQ(testo("lblDescrizione"), "qualcosa");
    EXPECT_EQ(f.pic.scalewidth, 20);

    for (const char* b : spenti) EXPECT_EQ(f.ctl.sfondo(b), FACCIA) << b;
    EXPECT_EQ(f.ctl.sfondo("btnDisegna"), GIALLO);
    EXPECT_FALSE(f.vista.snapattivo || f.vista.osnapattivo);
    EXPECT_EQ(f.vista.passogriglia, 1.0f);
    EXPECT_EQ(f.vista.pan, 0);
    EXPECT_FALSE(f.modo.sposto || f.modo.cancello || f.modo.modifico || f.spostamento.spostocerchio ||
                 f.cancellazione.cancellolinea || f.selezione.selezionotriangolo);
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
    EXPECT_FALSE(f.ris.eseguito || f.ris.attuali || f.modo.eseguo);
    EXPECT_TRUE(f.modo.disegno);
    EXPECT_EQ(f.ris.xg + f.ris.raggiocentralexc + f.ris.ixtotale, 0);
    for (const char* nome : ETICHETTERISULTATI) EXPECT_EQ(testo(nome), "") << nome;
    EXPECT_EQ(testo("txtRaggio"), "1");
    EXPECT_EQ(testo("txtDensita"), "1");
    EXPECT_EQ(testo("lblPrimoPuntoX"), "x1");
    EXPECT_EQ(f.copianocciolo.puntinocciolo[1][1], 0);
    EXPECT_FALSE(f.copianocciolo.puntinoccioloattivo[1]);
    // Only grid and guide lines are left in the picture.
    for (const Primitiva& p : f.pic.immagine.primitive)
        EXPECT_TRUE(p.colore == f.colori.coloregriglia || p.colore == CIANO);
}

namespace {

// Faces of Disegna, Seleziona, Esegui, the four kinds and Nocciolo (G yellow,
// V green, - the button face), the mode, then the kind pressed, drawn and
// selected (r t c l, or -).
std::string quadro(const FrmVask_2& f) {
    std::string s;
    for (const char* b : {"btnDisegna", "btnSeleziona", "btnEsegui", "btnRettangolo", "btnTriangolo",
                          "btnCerchio", "btnLinea", "btnNoccioloCentrale"}) {
        const uint32_t c = f.ctl.sfondo(b);
        s += c == GIALLO ? 'G' : c == VERDE ? 'V' : c == FACCIA ? '-' : '?';
    }
    s += f.modo.disegno ? " D " : f.modo.seleziono ? " S " : f.modo.eseguo ? " E " : " ? ";
    const auto tipo = [](bool r, bool t, bool c, bool l) { return r ? 'r' : t ? 't' : c ? 'c' : l ? 'l' : '-'; };
    const auto& m = f.modo;
    const auto& k = f.costruzione;
    const auto& z = f.selezione;
    s += tipo(m.rettangolopremuto, m.triangolopremuto, m.cerchiopremuto, m.lineapremuto);
    s += tipo(k.disegnorettangolo, k.disegnotriangolo, k.disegnocerchio, k.disegnolinea);
    s += tipo(z.selezionorettangolo, z.selezionotriangolo, z.selezionocerchio, z.selezionolinea);
    return s;
}

}  // namespace

TEST_F(Finestra, i_pulsanti_di_modo_e_di_tipo_portano_lo_stato_nei_colori) {
    f.ris.eseguito = true;
    f.ctl.sfondo("btnNoccioloCentrale", VERDE);
    struct Passo {
        const char* comando;
        const char* quadro;
        const char* contatore;
        const char* barra = nullptr;
    } passi[] = {
        {"btnRettangolo", "G--V---V D rr-", "0"},
        {"btnDisegna", "--V----V E ---", "0"},       // calculate state, kinds released
        {"btnTriangolo", "--V-V--V E t--", "0"},     // only pressed, carried into the next mode
        {"btnSeleziona", "-G--V--- S t-t", "0"},
        {"btnCerchio", "-G---V-- S c-c", ""},
        {"btnSeleziona", "--V----- E ---", "", "Esegui: Premi il pulsante Esegui per calcolare la sezione."},
        {"mnuModificaLinea", "-G----V- S l-l", ""},  // select mode and its kind in one step
        {"btnDisegna", "G-----V- D ll-", ""},        // drawing lines: the kind goes along
        {"mnuStrumentiTriangolo", "G---V--- D tt-", ""},
        {"btnDisegna", "--V----- E ---", ""},
        {"btnDisegna", "G------- D ---", ""},        // no kind: clicks create nothing
    };
    for (const Passo& p : passi) {
        ASSERT_TRUE(f.clic(p.comando));
        EXPECT_EQ(quadro(f), p.quadro) << p.comando;
        EXPECT_EQ(testo("lblContatore"), p.contatore) << p.comando;
        if (p.barra) {
            EXPECT_EQ(testo("lblDescrizione"), p.barra);
        }
    }
    EXPECT_FALSE(f.ris.eseguito);
    EXPECT_EQ(testo("lblPrimoPuntoX"), "x1");
    clicca(1, 1);
    clicca(3, 3);
    EXPECT_EQ(f.costruzione.puntorettangolo + f.costruzione.puntotriangolo + f.costruzione.puntocerchio +
                  f.costruzione.puntolinea, 0);
    EXPECT_TRUE(prova::uguali(f.sez, Sezione{}));
}

namespace {

// What the move, delete and modify commands read back after a transition.
struct Azioni {
    uint32_t sposta, cancella, modifica;
    bool sposto, cancello, modifico;
    bool selezionato[4];   // hoselezionatoun...
    bool selezionando[4];  // seleziono... kind
    auto chiave() const {
        return std::tie(sposta, cancella, modifica, sposto, cancello, modifico, selezionato[0],
                        selezionato[1], selezionato[2], selezionato[3], selezionando[0],
                        selezionando[1], selezionando[2], selezionando[3]);
    }
};

Azioni azioni(const FrmVask_2& f) {
    const auto& s = f.selezione;
    return {f.ctl.sfondo("btnSposta"), f.ctl.sfondo("btnCancella"), f.ctl.sfondo("btnModifica"),
            f.modo.sposto, f.modo.cancello, f.modo.modifico,
            {s.hoselezionatounrettangolo, s.hoselezionatountriangolo, s.hoselezionatouncerchio,
             s.hoselezionatounalinea},
            {s.selezionorettangolo, s.selezionotriangolo, s.selezionocerchio, s.selezionolinea}};
}

}  // namespace

TEST_F(Finestra, ogni_transizione_lascia_alle_azioni_lo_stato_che_rileggeranno) {
    enum Modo { Disegno, Selezione, Calcolo };
    const Azioni sporco{VERDE, VERDE, VERDE, true, true, true, {1, 1, 1, 1}, {1, 1, 1, 1}};
    const Azioni spento{FACCIA, FACCIA, FACCIA, false, false, false, {0, 0, 0, 0}, {0, 0, 0, 0}};
    struct Caso {
        const char* comando;
        Modo prima;
        Azioni dopo;
        bool eseguito;  // the results still count
    } casi[] = {
        // With the triangle kind down, Diseg enters drawing through the menu entry.
        {"btnDisegna", Calcolo, spento, false},
        {"btnDisegna", Disegno, sporco, true},
        {"btnSeleziona", Calcolo, {FACCIA, FACCIA, FACCIA, 0, 0, 0, {1, 1, 1, 1}, {0, 1, 0, 0}}, true},
        {"btnSeleziona", Selezione, {FACCIA, FACCIA, FACCIA, 1, 1, 1, {1, 1, 1, 1}, {0, 0, 0, 0}}, true},
        {"btnCerchio", Calcolo, {FACCIA, FACCIA, FACCIA, 1, 1, 1, {1, 1, 1, 1}, {1, 1, 1, 1}}, true},
        {"btnCerchio", Selezione, {FACCIA, FACCIA, FACCIA, 1, 1, 1, {1, 1, 1, 1}, {0, 0, 1, 0}}, true},
        {"btnCerchio", Disegno, {FACCIA, FACCIA, FACCIA, 1, 1, 1, {1, 1, 1, 1}, {0, 0, 0, 0}}, true},
        {"mnuModificaLinea", Calcolo, {VERDE, VERDE, VERDE, 1, 1, 1, {1, 1, 1, 1}, {0, 0, 0, 1}}, true},
        {"mnuStrumentiCerchio", Selezione, spento, false},
        {"btnEsegui", Selezione, {FACCIA, FACCIA, FACCIA, 1, 1, 1, {0, 0, 0, 0}, {0, 0, 0, 0}}, true},
    };
    for (const Caso& c : casi) {
        Copione m;
        FrmVask_2 g(m);
        g.Form_Load();
        g.sez.prossimorettangolo = 2;  // something to compute
        for (int k : {R::x2, R::y2, R::densita, R::area, R::massa}) g.sez.rettangoli[1][k] = 1;
        g.modo.disegno = c.prima == Disegno;
        g.modo.seleziono = c.prima == Selezione;
        g.modo.eseguo = c.prima == Calcolo;
        g.modo.triangolopremuto = g.ris.eseguito = true;
        for (const char* b : {"btnSposta", "btnCancella", "btnModifica"}) g.ctl.sfondo(b, VERDE);
        g.modo.sposto = g.modo.cancello = g.modo.modifico = true;
        auto& s = g.selezione;
        s.hoselezionatounrettangolo = s.hoselezionatountriangolo = s.hoselezionatouncerchio =
            s.hoselezionatounalinea = true;
        s.selezionorettangolo = s.selezionotriangolo = s.selezionocerchio = s.selezionolinea = true;
        ASSERT_TRUE(g.clic(c.comando));
        EXPECT_TRUE(azioni(g).chiave() == c.dopo.chiave()) << c.comando << " da " << c.prima;
        EXPECT_EQ(g.ris.eseguito, c.eseguito) << c.comando << " da " << c.prima;
    }
}

// Every rule that holds writes its text, so the last one that holds wins;
// when none holds the bar keeps its text.
TEST_F(Finestra, la_barra_delle_indicazioni_segue_l_ultima_regola_che_vale) {
    using Stato = std::function<void(FrmVask_2&)>;
    const auto sel = [](FrmVask_2& f, bool& premuto) { f.modo.disegno = false, f.modo.seleziono = premuto = true; };
    const auto fatto = [](FrmVask_2& f, bool& selezionato, bool& premuto) {
        f.modo.disegno = false, selezionato = f.modo.cancello = premuto = true;
    };
    const auto sposta = [](FrmVask_2& f, bool& tipo, int punto) { tipo = true, f.spostamento.mettipunto = punto; };
    const char* const SELEZIONE = ": Selezione eseguita. Puoi cancellarl";
    const std::pair<Stato, std::string> regole[] = {
        {[](FrmVask_2& f) { f.misura.distanza = true, f.misura.distmettipunto = 2; },
         "Distanza tra due punti: Inserisci il secondo punto."},
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; },
         "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {[](FrmVask_2& f) { f.modo.triangolopremuto = true; },
         "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità."},
        {[](FrmVask_2& f) { f.modo.lineapremuto = true; },
         "Disegna linea: Inserisci le coordinate del primo estremo del segmento."},
        {[](FrmVask_2& f) { f.modo.cerchiopremuto = true; },
         "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la densità."},
        {[&](FrmVask_2& f) { sel(f, f.modo.rettangolopremuto); },
         "Seleziona rettangolo: Clicca su un rettangolo per selezionarlo. Consiglio: disattiva snap e osnap."},
        {[&](FrmVask_2& f) { sel(f, f.modo.triangolopremuto); },
         "Seleziona triangolo: Clicca sul triangolo presso il baricentro o presso i vertici. Consiglio: "
         "disattiva snap."},
        {[&](FrmVask_2& f) { sel(f, f.modo.cerchiopremuto); },
         "Seleziona cerchio: Clicca su un cerchio per selezionarlo. Consiglio: disattiva snap e osnap."},
        {[&](FrmVask_2& f) { sel(f, f.modo.lineapremuto); },
         "Seleziona linea: Clicca presso la mezzeria di una linea per selezionarla. Consiglio: disattiva snap."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostorettangolo, 1); },
         "Sposta rettangolo: Inserisci il punto base dello spostamento."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostorettangolo, 2); },
         "Sposta rettangolo: Inserisci il punto finale dello spostamento."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostotriangolo, 1); },
         "Sposta triangolo: Inserisci il punto base dello spostamento."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostotriangolo, 2); },
         "Sposta triangolo: Inserisci il punto finale dello spostamento."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostocerchio, 1); },
         "Sposta cerchio: Inserisci il punto base dello spostamento."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostocerchio, 2); },
         "Sposta cerchio: Inserisci il punto finale dello spostamento."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostolinea, 1); },
         "Sposta linea: Inserisci il punto base dello spostamento."},
        {[&](FrmVask_2& f) { sposta(f, f.spostamento.spostolinea, 2); },
         "Sposta linea: Inserisci il punto finale dello spostamento."},
        {[&](FrmVask_2& f) { fatto(f, f.selezione.hoselezionatounrettangolo, f.modo.rettangolopremuto); },
         std::string("Seleziona rettangolo") + SELEZIONE + "o, modificarne la densità o spostarlo."},
        {[&](FrmVask_2& f) { fatto(f, f.selezione.hoselezionatountriangolo, f.modo.triangolopremuto); },
         std::string("Seleziona triangolo") + SELEZIONE + "o, modificarne la densità o spostarlo."},
        {[&](FrmVask_2& f) { fatto(f, f.selezione.hoselezionatouncerchio, f.modo.cerchiopremuto); },
         std::string("Seleziona cerchio") + SELEZIONE + "o, modificarne densità e raggio o spostarlo."},
        {[&](FrmVask_2& f) { fatto(f, f.selezione.hoselezionatounalinea, f.modo.lineapremuto); },
         std::string("Seleziona linea") + SELEZIONE + "a, modificarne gli estremi o spostarla."},
        {[](FrmVask_2& f) { f.cambioestremo.cambioestremodellalinea = true, f.cambioestremo.modlineamettipunto = 1; },
         "Modifica linea: Seleziona l'estremo che vuoi spostare."},
        {[](FrmVask_2& f) { f.cambioestremo.cambioestremodellalinea = true, f.cambioestremo.modlineamettipunto = 2; },
         "Modifica linea: Seleziona il punto finale dello spostamento."},
        {[](FrmVask_2& f) { f.misura.distanza = true, f.misura.distmettipunto = 1; },
         "Distanza tra due punti: Inserisci il primo punto."},
        // Precedence: none holds, then the first-point distance hint (the last
        // rule) over drawing, drawing over the second-point one (the first rule).
        {[](FrmVask_2&) {}, "prima"},
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true, f.costruzione.puntorettangolo = 1; }, "prima"},
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = f.misura.distanza = true, f.misura.distmettipunto = 1; },
         "Distanza tra due punti: Inserisci il primo punto."},
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = f.misura.distanza = true, f.misura.distmettipunto = 2; },
         "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {[](FrmVask_2& f) { f.misura.distanza = true; }, "prima"},
        // A selection outside select mode with its kind released says nothing.
        {[](FrmVask_2& f) { f.selezione.hoselezionatounrettangolo = f.modo.cancello = true; }, "prima"},
        {[&](FrmVask_2& f) {
             fatto(f, f.selezione.hoselezionatounalinea, f.modo.lineapremuto);
             f.cambioestremo.cambioestremodellalinea = true, f.cambioestremo.modlineamettipunto = 2;
         },
         "Modifica linea: Seleziona il punto finale dello spostamento."},
    };
    int numero = 1;
    for (const auto& [stato, testo] : regole) {
        Copione m;
        FrmVask_2 g(m);
        g.Form_Load();
        g.ctl.testo("lblDescrizione", "prima");
        stato(g);
        g.indicazioni();
        EXPECT_EQ(g.ctl.testo("lblDescrizione"), testo) << "regola " << numero++;
    }

    // A mouse move applies the rules; none holds while a second end is awaited.
    f.btnLinea_Click();
    muovi(1, 1);
    EXPECT_EQ(testo("lblDescrizione"), "Disegna linea: Inserisci le coordinate del primo estremo del segmento.");
    clicca(1, 1);
    muovi(2, 2);
    EXPECT_EQ(testo("lblDescrizione"), "Disegna linea: Inserisci le coordinate del secondo estremo del segmento.");
}
