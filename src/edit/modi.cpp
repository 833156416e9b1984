// Command modes, element kinds, the colours of the tool buttons (read back as
// state by later commands) and the hint bar.
#include "edit/frmvask2.h"
#include "model/numeri.h"

namespace vask {

namespace {

const char* const PULSANTITIPO[4] = {"btnRettangolo", "btnTriangolo", "btnCerchio", "btnLinea"};

// Kind k (0 rectangle, 1 triangle, 2 circle, 3 line) on, the other three off.
void solo(bool& a, bool& b, bool& c, bool& d, int k) {
    a = k == 0;
    b = k == 1;
    c = k == 2;
    d = k == 3;
}
void nessuno(bool& a, bool& b, bool& c, bool& d) { a = b = c = d = false; }

}  // namespace

void FrmVask_2::entraindisegno() {
    ctl.sfondo("btnDisegna", GIALLO);
    for (const char* nome : {"btnSeleziona", "btnSposta", "btnCancella", "btnModifica", "btnEsegui",
                             "btnNoccioloCentrale", "btnEllisseCentrale"})
        ctl.sfondo(nome, FACCIA);
    eseguo = false;
    disegno = true;
    seleziono = sposto = cancello = modifico = false;
    nessuno(selezionorettangolo, selezionotriangolo, selezionocerchio, selezionolinea);
    nessuno(cancellorettangolo, cancellotriangolo, cancellocerchio, cancellolinea);
    nessuno(spostorettangolo, spostotriangolo, spostocerchio, spostolinea);
    nessuno(hoselezionatounrettangolo, hoselezionatountriangolo, hoselezionatouncerchio,
            hoselezionatounalinea);
}

void FrmVask_2::entraincalcolo() {
    disegno = false;
    seleziono = false;
    eseguo = true;
    ctl.sfondo("btnDisegna", FACCIA);
    ctl.sfondo("btnSeleziona", FACCIA);
    ctl.sfondo("btnEsegui", VERDE);
    nessuno(disegnorettangolo, disegnotriangolo, disegnocerchio, disegnolinea);
    nessuno(rettangolopremuto, triangolopremuto, cerchiopremuto, lineapremuto);
    for (const char* nome : PULSANTITIPO) ctl.sfondo(nome, FACCIA);
}

void FrmVask_2::btnDisegna_Click() {
    if (!disegno) {
        entraindisegno();
        if (rettangolopremuto) mnuStrumentiRettangolo_Click();
        if (triangolopremuto) mnuStrumentiTriangolo_Click();
        if (cerchiopremuto) mnuStrumentiCerchio_Click();
        if (lineapremuto) mnuStrumentiLinea_Click();
    } else {
        entraincalcolo();
    }
}

void FrmVask_2::btnSeleziona_Click() {
    if (!seleziono) {
        ctl.sfondo("btnDisegna", FACCIA);
        ctl.sfondo("btnSeleziona", GIALLO);
        for (const char* nome : {"btnSposta", "btnCancella", "btnModifica", "btnEsegui",
                                 "btnNoccioloCentrale", "btnEllisseCentrale"})
            ctl.sfondo(nome, FACCIA);
        eseguo = false;
        disegno = false;
        seleziono = true;
        sposto = cancello = modifico = false;
        nessuno(disegnorettangolo, disegnotriangolo, disegnocerchio, disegnolinea);
        nessuno(cancellorettangolo, cancellotriangolo, cancellocerchio, cancellolinea);
        nessuno(spostorettangolo, spostotriangolo, spostocerchio, spostolinea);
        const bool premuti[4] = {rettangolopremuto, triangolopremuto, cerchiopremuto, lineapremuto};
        for (int k = 0; k < 4; ++k)
            if (premuti[k])
                solo(selezionorettangolo, selezionotriangolo, selezionocerchio, selezionolinea, k);
    } else {
        ctl.sfondo("btnSposta", FACCIA);
        ctl.sfondo("btnCancella", FACCIA);
        ctl.sfondo("btnModifica", FACCIA);
        entraincalcolo();
        nessuno(selezionorettangolo, selezionotriangolo, selezionocerchio, selezionolinea);
        ctl.testo("lblDescrizione", "Esegui: Premi il pulsante Esegui per calcolare la sezione.");
    }
}

void FrmVask_2::sceltatipo(int k) {
    const bool premuti[4] = {rettangolopremuto, triangolopremuto, cerchiopremuto, lineapremuto};
    if (premuti[k]) return;
    ctl.sfondo("btnSposta", FACCIA);
    ctl.sfondo("btnCancella", FACCIA);
    ctl.sfondo("btnModifica", FACCIA);
    solo(rettangolopremuto, triangolopremuto, cerchiopremuto, lineapremuto, k);
    for (int i = 0; i < 4; ++i) ctl.sfondo(PULSANTITIPO[i], i == k ? VERDE : FACCIA);
    if (disegno) {
        const int contatori[4] = {sez.prossimorettangolo, sez.prossimotriangolo,
                                  sez.prossimocerchio, sez.l};
        ctl.testo("lblContatore", testointero(contatori[k] - 1));
        solo(disegnorettangolo, disegnotriangolo, disegnocerchio, disegnolinea, k);
        nessuno(selezionorettangolo, selezionotriangolo, selezionocerchio, selezionolinea);
    } else if (seleziono) {
        ctl.testo("lblContatore", "");
        solo(selezionorettangolo, selezionotriangolo, selezionocerchio, selezionolinea, k);
        nessuno(disegnorettangolo, disegnotriangolo, disegnocerchio, disegnolinea);
    }
}

void FrmVask_2::btnRettangolo_Click() { sceltatipo(0); }
void FrmVask_2::btnTriangolo_Click() { sceltatipo(1); }
void FrmVask_2::btnCerchio_Click() { sceltatipo(2); }
void FrmVask_2::btnLinea_Click() { sceltatipo(3); }

void FrmVask_2::sceltaselezione(int k) {
    seleziono = true;
    disegno = false;
    eseguo = false;
    ctl.sfondo("btnSeleziona", GIALLO);
    ctl.sfondo("btnDisegna", FACCIA);
    ctl.sfondo("btnEsegui", FACCIA);
    for (int i = 0; i < 4; ++i) ctl.sfondo(PULSANTITIPO[i], i == k ? VERDE : FACCIA);
    solo(rettangolopremuto, triangolopremuto, cerchiopremuto, lineapremuto, k);
    solo(selezionorettangolo, selezionotriangolo, selezionocerchio, selezionolinea, k);
    nessuno(disegnorettangolo, disegnotriangolo, disegnocerchio, disegnolinea);
}

void FrmVask_2::mnuModificaRettangolo_Click() { sceltaselezione(0); }
void FrmVask_2::mnuModificaTriangolo_Click() { sceltaselezione(1); }
void FrmVask_2::mnuModificaCerchio_Click() { sceltaselezione(2); }
void FrmVask_2::mnuModificaLinea_Click() { sceltaselezione(3); }

void FrmVask_2::sceltadisegno(int k) {
    for (int i = 0; i < 4; ++i) ctl.sfondo(PULSANTITIPO[i], i == k ? VERDE : FACCIA);
    solo(rettangolopremuto, triangolopremuto, cerchiopremuto, lineapremuto, k);
    mnuVisualizzaRigenera_Click();
    entraindisegno();
    eseguito = false;
    solo(disegnorettangolo, disegnotriangolo, disegnocerchio, disegnolinea, k);
    etichettepunti(1);
}

void FrmVask_2::mnuStrumentiRettangolo_Click() { sceltadisegno(0); }
void FrmVask_2::mnuStrumentiTriangolo_Click() { sceltadisegno(1); }
void FrmVask_2::mnuStrumentiCerchio_Click() { sceltadisegno(2); }
void FrmVask_2::mnuStrumentiLinea_Click() { sceltadisegno(3); }

// Every rule that holds writes its text, so the last one that holds stays;
// when none holds the hint bar keeps what another command wrote there.
void FrmVask_2::indicazioni() {
    const char* testo = nullptr;
    auto regola = [&testo](bool condizione, const char* t) {
        if (condizione) testo = t;
    };
    regola(distanza && distmettipunto == 2, "Distanza tra due punti: Inserisci il secondo punto.");
    regola(disegno && rettangolopremuto && puntorettangolo == 0,
           "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità.");
    regola(disegno && triangolopremuto && puntotriangolo == 0,
           "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità.");
    regola(disegno && lineapremuto && puntolinea == 0,
           "Disegna linea: Inserisci le coordinate del primo estremo del segmento.");
    regola(disegno && cerchiopremuto && puntocerchio == 0,
           "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la "
           "densità.");
    regola(seleziono && rettangolopremuto,
           "Seleziona rettangolo: Clicca su un rettangolo per selezionarlo. Consiglio: disattiva "
           "snap e osnap.");
    regola(seleziono && triangolopremuto,
           "Seleziona triangolo: Clicca sul triangolo presso il baricentro o presso i vertici. "
           "Consiglio: disattiva snap.");
    regola(seleziono && cerchiopremuto,
           "Seleziona cerchio: Clicca su un cerchio per selezionarlo. Consiglio: disattiva snap e "
           "osnap.");
    regola(seleziono && lineapremuto,
           "Seleziona linea: Clicca presso la mezzeria di una linea per selezionarla. Consiglio: "
           "disattiva snap.");
    regola(spostorettangolo && mettipunto == 1,
           "Sposta rettangolo: Inserisci il punto base dello spostamento.");
    regola(spostorettangolo && mettipunto == 2,
           "Sposta rettangolo: Inserisci il punto finale dello spostamento.");
    regola(spostotriangolo && mettipunto == 1,
           "Sposta triangolo: Inserisci il punto base dello spostamento.");
    regola(spostotriangolo && mettipunto == 2,
           "Sposta triangolo: Inserisci il punto finale dello spostamento.");
    regola(spostocerchio && mettipunto == 1,
           "Sposta cerchio: Inserisci il punto base dello spostamento.");
    regola(spostocerchio && mettipunto == 2,
           "Sposta cerchio: Inserisci il punto finale dello spostamento.");
    regola(spostolinea && mettipunto == 1, "Sposta linea: Inserisci il punto base dello spostamento.");
    regola(spostolinea && mettipunto == 2,
           "Sposta linea: Inserisci il punto finale dello spostamento.");
    regola(hoselezionatounrettangolo && cancello && rettangolopremuto,
           "Seleziona rettangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o "
           "spostarlo.");
    regola(hoselezionatountriangolo && cancello && triangolopremuto,
           "Seleziona triangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o "
           "spostarlo.");
    regola(hoselezionatouncerchio && cancello && cerchiopremuto,
           "Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne densità e raggio o "
           "spostarlo.");
    regola(hoselezionatounalinea && cancello && lineapremuto,
           "Seleziona linea: Selezione eseguita. Puoi cancellarla, modificarne gli estremi o "
           "spostarla.");
    regola(cambioestremodellalinea && modlineamettipunto == 1,
           "Modifica linea: Seleziona l'estremo che vuoi spostare.");
    regola(cambioestremodellalinea && modlineamettipunto == 2,
           "Modifica linea: Seleziona il punto finale dello spostamento.");
    regola(distanza && distmettipunto == 1, "Distanza tra due punti: Inserisci il primo punto.");
    if (testo) ctl.testo("lblDescrizione", testo);
}

}  // namespace vask
