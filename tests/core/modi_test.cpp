// Command modes, button colours read back as state, the counter and the hint bar.
#include <functional>

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
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; },
         "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; f.costruzione.puntorettangolo = 1; }, nullptr},
        {[](FrmVask_2& f) { f.modo.cerchiopremuto = true; },
         "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la densità."},
        {[](FrmVask_2& f) { f.modo.lineapremuto = true; },
         "Disegna linea: Inserisci le coordinate del primo estremo del segmento."},
        {[](FrmVask_2& f) { f.modo.disegno = false; f.modo.seleziono = true; f.modo.triangolopremuto = true; },
         "Seleziona triangolo: Clicca sul triangolo presso il baricentro o presso i vertici. "
         "Consiglio: disattiva snap."},
        // The first-point distance hint is the last rule: it wins over drawing.
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; f.misura.distanza = true; f.misura.distmettipunto = 1; },
         "Distanza tra due punti: Inserisci il primo punto."},
        // The second-point hint is the first rule: any later rule wins.
        {[](FrmVask_2& f) { f.modo.rettangolopremuto = true; f.misura.distanza = true; f.misura.distmettipunto = 2; },
         "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."},
        {[](FrmVask_2& f) { f.misura.distanza = true; f.misura.distmettipunto = 2; },
         "Distanza tra due punti: Inserisci il secondo punto."},
        {[](FrmVask_2& f) { f.misura.distanza = true; f.misura.distmettipunto = 0; }, nullptr},
        {[](FrmVask_2& f) { f.spostamento.spostocerchio = true; f.spostamento.mettipunto = 2; },
         "Sposta cerchio: Inserisci il punto finale dello spostamento."},
        {[](FrmVask_2& f) { f.modo.disegno = false; f.modo.seleziono = true; f.modo.lineapremuto = true;
                            f.spostamento.spostolinea = true; f.spostamento.mettipunto = 1; },
         "Sposta linea: Inserisci il punto base dello spostamento."},
        {[](FrmVask_2& f) { f.modo.disegno = false; f.modo.seleziono = true; f.modo.cerchiopremuto = true;
                            f.selezione.hoselezionatouncerchio = true; f.modo.cancello = true; },
         "Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne densità e raggio o "
         "spostarlo."},
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
