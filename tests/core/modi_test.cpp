// Command modes, button colours read back as state, the counter and the hint bar.
#include <algorithm>
#include <functional>
#include <tuple>

#include "supporto.h"

using namespace vask;
using prova::Finestra;

namespace {

struct Facce {
    uint32_t disegna, seleziona, esegui, rett, trian, cerch, linea;
};

Facce facce(const FrmVask_2& f) {
    return {f.ctl.sfondo("btnDisegna"),    f.ctl.sfondo("btnSeleziona"), f.ctl.sfondo("btnEsegui"),
            f.ctl.sfondo("btnRettangolo"), f.ctl.sfondo("btnTriangolo"), f.ctl.sfondo("btnCerchio"),
            f.ctl.sfondo("btnLinea")};
}

}  // namespace

TEST_F(Finestra, i_pulsanti_di_modo_e_di_tipo_portano_lo_stato_nei_colori) {
    // Draw mode, rectangle kind.
    f.btnRettangolo_Click();
    Facce c = facce(f);
    EXPECT_EQ(c.disegna, GIALLO);
    EXPECT_EQ(c.rett, VERDE);
    EXPECT_EQ(c.trian, FACCIA);
    EXPECT_TRUE(f.costruzione.disegnorettangolo && f.modo.rettangolopremuto);

    // Draw off: calculate state, kinds released.
    f.btnDisegna_Click();
    c = facce(f);
    EXPECT_TRUE(f.modo.eseguo);
    EXPECT_FALSE(f.modo.disegno || f.modo.seleziono || f.modo.rettangolopremuto || f.costruzione.disegnorettangolo);
    EXPECT_EQ(c.disegna, FACCIA);
    EXPECT_EQ(c.esegui, VERDE);
    EXPECT_EQ(c.rett, FACCIA);

    // A kind in the calculate state: only pressed, carried into the next mode.
    f.btnTriangolo_Click();
    EXPECT_TRUE(f.modo.triangolopremuto);
    EXPECT_FALSE(f.costruzione.disegnotriangolo || f.selezione.selezionotriangolo);
    EXPECT_EQ(facce(f).trian, VERDE);
    f.btnSeleziona_Click();
    c = facce(f);
    EXPECT_TRUE(f.modo.seleziono && f.selezione.selezionotriangolo);
    EXPECT_EQ(c.seleziona, GIALLO);
    EXPECT_EQ(c.esegui, FACCIA);
    EXPECT_EQ(c.trian, VERDE);
    f.btnCerchio_Click();
    EXPECT_TRUE(f.selezione.selezionocerchio && !f.selezione.selezionotriangolo);
    EXPECT_EQ(testo("lblContatore"), "");

    // Select off: hint at once, kinds released.
    f.btnSeleziona_Click();
    EXPECT_TRUE(f.modo.eseguo);
    EXPECT_FALSE(f.modo.cerchiopremuto || f.selezione.selezionocerchio);
    EXPECT_EQ(testo("lblDescrizione"), "Esegui: Premi il pulsante Esegui per calcolare la sezione.");
    EXPECT_EQ(facce(f).cerch, FACCIA);

    // The "Seleziona" menu: select mode with its kind in one step.
    f.ctl.testo("lblContatore", "7");
    f.mnuModificaLinea_Click();
    c = facce(f);
    EXPECT_TRUE(f.modo.seleziono && f.modo.lineapremuto && f.selezione.selezionolinea);
    EXPECT_EQ(c.seleziona, GIALLO);
    EXPECT_EQ(c.linea, VERDE);
    EXPECT_EQ(testo("lblContatore"), "7");

    // "Diseg" from select mode with the line kind down: drawing lines.
    f.ctl.testo("lblPrimoPuntoX", "9");
    f.ris.eseguito = true;
    f.btnDisegna_Click();
    EXPECT_TRUE(f.modo.disegno && f.costruzione.disegnolinea);
    EXPECT_FALSE(f.selezione.selezionolinea || f.ris.eseguito);
    EXPECT_EQ(testo("lblPrimoPuntoX"), "x1");
    EXPECT_EQ(facce(f).disegna, GIALLO);
}

TEST_F(Finestra, il_tipo_gia_premuto_non_cambia_nulla_e_il_contatore_conta_gli_elementi) {
    f.btnRettangolo_Click();
    EXPECT_EQ(testo("lblContatore"), "0");
    for (int i = 0; i < 5; ++i) rettangolo(i, 0, i + 1, 1);
    f.ctl.testo("lblContatore", "x");
    f.btnRettangolo_Click();  // already down
    EXPECT_EQ(testo("lblContatore"), "x");
    f.btnLinea_Click();
    EXPECT_EQ(testo("lblContatore"), "0");
    f.btnRettangolo_Click();
    EXPECT_EQ(testo("lblContatore"), "5");
}

TEST_F(Finestra, diseg_senza_tipo_non_crea_nulla) {
    f.btnDisegna_Click();
    f.btnDisegna_Click();
    EXPECT_TRUE(f.modo.disegno);
    clicca(1, 1);
    clicca(3, 3);
    EXPECT_EQ(f.costruzione.puntorettangolo + f.costruzione.puntotriangolo + f.costruzione.puntocerchio + f.costruzione.puntolinea, 0);
    EXPECT_EQ(f.sez.prossimocerchio, 1);
}

TEST_F(Finestra, il_menu_disegno_libera_ogni_altro_tipo_e_azzera_il_calcolo) {
    cerchio(3, 3, "1");
    f.btnEsegui_Click();
    EXPECT_TRUE(f.ris.eseguito);
    f.btnCerchio_Click();
    f.mnuStrumentiTriangolo_Click();
    EXPECT_FALSE(f.ris.eseguito || f.modo.cerchiopremuto || f.costruzione.disegnocerchio);
    EXPECT_TRUE(f.modo.triangolopremuto && f.costruzione.disegnotriangolo);
    EXPECT_EQ(f.ctl.sfondo("btnCerchio"), FACCIA);
    EXPECT_EQ(f.ctl.sfondo("btnNoccioloCentrale"), FACCIA);
}

TEST_F(Finestra, la_barra_delle_indicazioni_segue_l_ultima_regola_che_vale) {
    struct Caso {
        std::function<void(FrmVask_2&)> stato;
        const char* atteso;  // nullptr: the bar keeps its text
    } casi[] = {
        {[](FrmVask_2&) {}, nullptr},
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; f.costruzione.puntorettangolo = 1; }, nullptr},
        // The first-point distance hint is the last rule: it wins over drawing.
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; f.misura.distanza = true; f.misura.distmettipunto = 1; },
         "Distanza tra due punti: Inserisci il primo punto."},
        // The second-point hint is the first rule: any later rule wins.
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; f.misura.distanza = true; f.misura.distmettipunto = 2; },
         "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {[](FrmVask_2& f) { f.misura.distanza = true; f.misura.distmettipunto = 0; }, nullptr},
        // A selection outside select mode with its kind released says nothing.
        {[](FrmVask_2& f) { f.selezione.hoselezionatounrettangolo = true; f.modo.cancello = true; }, nullptr},
        {[](FrmVask_2& f) { f.modo.disegno = false; f.modo.seleziono = true; f.modo.lineapremuto = true;
                            f.selezione.hoselezionatounalinea = true; f.modo.cancello = true;
                            f.cambioestremo.cambioestremodellalinea = true; f.cambioestremo.modlineamettipunto = 2; },
         "Modifica linea: Seleziona il punto finale dello spostamento."},
    };
    int i = 0;
    for (const Caso& c : casi) {
        prova::MessaggiCopione m;
        FrmVask_2 g(m);
        g.Form_Load();
        g.ctl.testo("lblDescrizione", "prima");
        c.stato(g);
        g.indicazioni();
        EXPECT_EQ(g.ctl.testo("lblDescrizione"), c.atteso ? c.atteso : "prima") << "caso " << i;
        ++i;
    }
}

TEST_F(Finestra, una_mossa_del_mouse_aggiorna_la_barra_con_la_regola_del_modo) {
    f.btnLinea_Click();
    muovi(1, 1);
    EXPECT_EQ(testo("lblDescrizione"), "Disegna linea: Inserisci le coordinate del primo estremo del segmento.");
    clicca(1, 1);
    EXPECT_EQ(testo("lblDescrizione"),
              "Disegna linea: Inserisci le coordinate del secondo estremo del segmento.");
    muovi(2, 2);  // no rule holds while the second end is awaited
    EXPECT_EQ(testo("lblDescrizione"),
              "Disegna linea: Inserisci le coordinate del secondo estremo del segmento.");
}

namespace {

// What the move, delete and modify commands read back after a transition.
struct Azioni {
    uint32_t sposta, cancella, modifica;
    bool sposto, cancello, modifico;
    bool selezionato[4];  // hoselezionatoun...
    bool selezionando[4];  // seleziono... kind
    bool operator==(const Azioni& a) const {
        return std::tie(sposta, cancella, modifica, sposto, cancello, modifico) ==
                   std::tie(a.sposta, a.cancella, a.modifica, a.sposto, a.cancello, a.modifico) &&
               std::equal(selezionato, selezionato + 4, a.selezionato) &&
               std::equal(selezionando, selezionando + 4, a.selezionando);
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

void sporca(FrmVask_2& f) {
    for (const char* b : {"btnSposta", "btnCancella", "btnModifica"}) f.ctl.sfondo(b, VERDE);
    f.modo.sposto = f.modo.cancello = f.modo.modifico = true;
    auto& s = f.selezione;
    s.hoselezionatounrettangolo = s.hoselezionatountriangolo = s.hoselezionatouncerchio =
        s.hoselezionatounalinea = true;
    s.selezionorettangolo = s.selezionotriangolo = s.selezionocerchio = s.selezionolinea = true;
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
        prova::MessaggiCopione m;
        FrmVask_2 g(m);
        g.Form_Load();
        g.sez.prossimorettangolo = 2;  // something to compute
        g.sez.rettangoli[1][R::x2] = g.sez.rettangoli[1][R::y2] = 1;
        g.sez.rettangoli[1][R::densita] = g.sez.rettangoli[1][R::area] = 1;
        g.sez.rettangoli[1][R::massa] = 1;
        g.modo.disegno = c.prima == Disegno;
        g.modo.seleziono = c.prima == Selezione;
        g.modo.eseguo = c.prima == Calcolo;
        g.modo.triangolopremuto = true;
        g.ris.eseguito = true;
        sporca(g);
        ASSERT_TRUE(g.clic(c.comando));
        EXPECT_TRUE(azioni(g) == c.dopo) << c.comando << " da " << c.prima;
        EXPECT_EQ(g.ris.eseguito, c.eseguito) << c.comando << " da " << c.prima;
    }
}

TEST_F(Finestra, ogni_regola_della_barra_scrive_il_suo_testo) {
    using Stato = std::function<void(FrmVask_2&)>;
    const auto sel = [](FrmVask_2& f) { f.modo.disegno = false, f.modo.seleziono = true; };
    const std::pair<Stato, const char*> regole[] = {
        {[](FrmVask_2& f) { f.misura.distanza = true, f.misura.distmettipunto = 2; },
         "Distanza tra due punti: Inserisci il secondo punto."},
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; },
         "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {[](FrmVask_2& f) { f.modo.triangolopremuto = true; },
         "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità."},
        {[](FrmVask_2& f) { f.modo.lineapremuto = true; },
         "Disegna linea: Inserisci le coordinate del primo estremo del segmento."},
        {[](FrmVask_2& f) { f.modo.cerchiopremuto = true; },
         "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la "
         "densità."},
        {[&](FrmVask_2& f) { sel(f), f.modo.rettangolopremuto = true; },
         "Seleziona rettangolo: Clicca su un rettangolo per selezionarlo. Consiglio: disattiva "
         "snap e osnap."},
        {[&](FrmVask_2& f) { sel(f), f.modo.triangolopremuto = true; },
         "Seleziona triangolo: Clicca sul triangolo presso il baricentro o presso i vertici. "
         "Consiglio: disattiva snap."},
        {[&](FrmVask_2& f) { sel(f), f.modo.cerchiopremuto = true; },
         "Seleziona cerchio: Clicca su un cerchio per selezionarlo. Consiglio: disattiva snap e "
         "osnap."},
        {[&](FrmVask_2& f) { sel(f), f.modo.lineapremuto = true; },
         "Seleziona linea: Clicca presso la mezzeria di una linea per selezionarla. Consiglio: "
         "disattiva snap."},
        {[](FrmVask_2& f) { f.spostamento.spostorettangolo = true, f.spostamento.mettipunto = 1; },
         "Sposta rettangolo: Inserisci il punto base dello spostamento."},
        {[](FrmVask_2& f) { f.spostamento.spostorettangolo = true, f.spostamento.mettipunto = 2; },
         "Sposta rettangolo: Inserisci il punto finale dello spostamento."},
        {[](FrmVask_2& f) { f.spostamento.spostotriangolo = true, f.spostamento.mettipunto = 1; },
         "Sposta triangolo: Inserisci il punto base dello spostamento."},
        {[](FrmVask_2& f) { f.spostamento.spostotriangolo = true, f.spostamento.mettipunto = 2; },
         "Sposta triangolo: Inserisci il punto finale dello spostamento."},
        {[](FrmVask_2& f) { f.spostamento.spostocerchio = true, f.spostamento.mettipunto = 1; },
         "Sposta cerchio: Inserisci il punto base dello spostamento."},
        {[](FrmVask_2& f) { f.spostamento.spostocerchio = true, f.spostamento.mettipunto = 2; },
         "Sposta cerchio: Inserisci il punto finale dello spostamento."},
        {[](FrmVask_2& f) { f.spostamento.spostolinea = true, f.spostamento.mettipunto = 1; },
         "Sposta linea: Inserisci il punto base dello spostamento."},
        {[](FrmVask_2& f) { f.spostamento.spostolinea = true, f.spostamento.mettipunto = 2; },
         "Sposta linea: Inserisci il punto finale dello spostamento."},
        {[](FrmVask_2& f) {
             f.selezione.hoselezionatounrettangolo = f.modo.cancello = f.modo.rettangolopremuto = true;
             f.modo.disegno = false;
         },
         "Seleziona rettangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o "
         "spostarlo."},
        {[](FrmVask_2& f) {
             f.selezione.hoselezionatountriangolo = f.modo.cancello = f.modo.triangolopremuto = true;
             f.modo.disegno = false;
         },
         "Seleziona triangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o "
         "spostarlo."},
        {[](FrmVask_2& f) {
             f.selezione.hoselezionatouncerchio = f.modo.cancello = f.modo.cerchiopremuto = true;
             f.modo.disegno = false;
         },
         "Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne densità e raggio o "
         "spostarlo."},
        {[](FrmVask_2& f) {
             f.selezione.hoselezionatounalinea = f.modo.cancello = f.modo.lineapremuto = true;
             f.modo.disegno = false;
         },
         "Seleziona linea: Selezione eseguita. Puoi cancellarla, modificarne gli estremi o "
         "spostarla."},
        {[](FrmVask_2& f) {
             f.cambioestremo.cambioestremodellalinea = true, f.cambioestremo.modlineamettipunto = 1;
         },
         "Modifica linea: Seleziona l'estremo che vuoi spostare."},
        {[](FrmVask_2& f) {
             f.cambioestremo.cambioestremodellalinea = true, f.cambioestremo.modlineamettipunto = 2;
         },
         "Modifica linea: Seleziona il punto finale dello spostamento."},
        {[](FrmVask_2& f) { f.misura.distanza = true, f.misura.distmettipunto = 1; },
         "Distanza tra due punti: Inserisci il primo punto."},
    };
    int numero = 1;
    for (const auto& [stato, testo] : regole) {
        prova::MessaggiCopione m;
        FrmVask_2 g(m);
        g.Form_Load();
        g.ctl.testo("lblDescrizione", "prima");
        stato(g);
        g.indicazioni();
        EXPECT_EQ(g.ctl.testo("lblDescrizione"), testo) << "regola " << numero;
        ++numero;
    }
}
