// Command modes, element kinds, the colours of the tool buttons (read back as
// state by later commands) and the hint bar.
#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/numeri.h"

namespace vask {

const char* const PULSANTITIPO[4] = {"btnRettangolo", "btnTriangolo", "btnCerchio", "btnLinea"};

void FrmVask_2::entraindisegno() {
    fermapan();
    if (sollecitazione.modo) abbandonacarico();
    abbandonacambioestremo();
    ctl.sfondo("btnDisegna", GIALLO);
    for (const char* nome : {"btnSeleziona", "btnSposta", "btnCancella", "btnModifica", "btnEsegui",
                             "btnNoccioloCentrale", "btnEllisseCentrale"})
        ctl.sfondo(nome, FACCIA);
    modo.eseguo = false;
    modo.disegno = true;
    modo.seleziono = modo.sposto = modo.cancello = modo.modifico = false;
    nessuno(selezione.selezionorettangolo, selezione.selezionotriangolo, selezione.selezionocerchio, selezione.selezionolinea);
    nessuno(cancellazione.cancellorettangolo, cancellazione.cancellotriangolo, cancellazione.cancellocerchio, cancellazione.cancellolinea);
    nessuno(spostamento.spostorettangolo, spostamento.spostotriangolo, spostamento.spostocerchio, spostamento.spostolinea);
    nessuno(selezione.hoselezionatounrettangolo, selezione.hoselezionatountriangolo, selezione.hoselezionatouncerchio,
            selezione.hoselezionatounalinea);
}

void FrmVask_2::entraincalcolo() {
    modo.disegno = false;
    modo.seleziono = false;
    modo.eseguo = true;
    ctl.sfondo("btnDisegna", FACCIA);
    ctl.sfondo("btnSeleziona", FACCIA);
    ctl.sfondo("btnEsegui", VERDE);
    nessuno(costruzione.disegnorettangolo, costruzione.disegnotriangolo, costruzione.disegnocerchio, costruzione.disegnolinea);
    nessuno(modo.rettangolopremuto, modo.triangolopremuto, modo.cerchiopremuto, modo.lineapremuto);
    for (const char* nome : PULSANTITIPO) ctl.sfondo(nome, FACCIA);
}

void FrmVask_2::btnDisegna_Click() {
    if (!modo.disegno) {
        entraindisegno();
        if (modo.rettangolopremuto) mnuStrumentiRettangolo_Click();
        if (modo.triangolopremuto) mnuStrumentiTriangolo_Click();
        if (modo.cerchiopremuto) mnuStrumentiCerchio_Click();
        if (modo.lineapremuto) mnuStrumentiLinea_Click();
    } else {
        entraincalcolo();
    }
}

void FrmVask_2::btnSeleziona_Click() {
    if (!modo.seleziono) {
        fermapan();
        if (sollecitazione.modo) abbandonacarico();
        ctl.sfondo("btnDisegna", FACCIA);
        ctl.sfondo("btnSeleziona", GIALLO);
        for (const char* nome : {"btnSposta", "btnCancella", "btnModifica", "btnEsegui",
                                 "btnNoccioloCentrale", "btnEllisseCentrale"})
            ctl.sfondo(nome, FACCIA);
        modo.eseguo = false;
        modo.disegno = false;
        modo.seleziono = true;
        modo.sposto = modo.cancello = modo.modifico = false;
        nessuno(costruzione.disegnorettangolo, costruzione.disegnotriangolo, costruzione.disegnocerchio, costruzione.disegnolinea);
        nessuno(cancellazione.cancellorettangolo, cancellazione.cancellotriangolo, cancellazione.cancellocerchio, cancellazione.cancellolinea);
        nessuno(spostamento.spostorettangolo, spostamento.spostotriangolo, spostamento.spostocerchio, spostamento.spostolinea);
        const bool premuti[4] = {modo.rettangolopremuto, modo.triangolopremuto, modo.cerchiopremuto, modo.lineapremuto};
        for (int k = 0; k < 4; ++k)
            if (premuti[k])
                solo(selezione.selezionorettangolo, selezione.selezionotriangolo, selezione.selezionocerchio, selezione.selezionolinea, k);
    } else {
        ctl.sfondo("btnSposta", FACCIA);
        ctl.sfondo("btnCancella", FACCIA);
        ctl.sfondo("btnModifica", FACCIA);
        entraincalcolo();
        nessuno(selezione.selezionorettangolo, selezione.selezionotriangolo, selezione.selezionocerchio, selezione.selezionolinea);
        ctl.testo("lblDescrizione", QT_TRANSLATE_NOOP("Vask", "Esegui: Premi il pulsante Esegui per calcolare la sezione."));
    }
}

void FrmVask_2::sceltatipo(int k) {
    const bool premuti[4] = {modo.rettangolopremuto, modo.triangolopremuto, modo.cerchiopremuto, modo.lineapremuto};
    if (premuti[k]) return;
    ctl.sfondo("btnSposta", FACCIA);
    ctl.sfondo("btnCancella", FACCIA);
    ctl.sfondo("btnModifica", FACCIA);
    solo(modo.rettangolopremuto, modo.triangolopremuto, modo.cerchiopremuto, modo.lineapremuto, k);
    for (int i = 0; i < 4; ++i) ctl.sfondo(PULSANTITIPO[i], i == k ? VERDE : FACCIA);
    if (modo.disegno) {
        const int contatori[4] = {sez.prossimorettangolo, sez.prossimotriangolo,
                                  sez.prossimocerchio, sez.l};
        ctl.testo("lblContatore", testointero(contatori[k] - 1));
        solo(costruzione.disegnorettangolo, costruzione.disegnotriangolo, costruzione.disegnocerchio, costruzione.disegnolinea, k);
        nessuno(selezione.selezionorettangolo, selezione.selezionotriangolo, selezione.selezionocerchio, selezione.selezionolinea);
    } else if (modo.seleziono) {
        ctl.testo("lblContatore", "");
        solo(selezione.selezionorettangolo, selezione.selezionotriangolo, selezione.selezionocerchio, selezione.selezionolinea, k);
        nessuno(costruzione.disegnorettangolo, costruzione.disegnotriangolo, costruzione.disegnocerchio, costruzione.disegnolinea);
    }
}

void FrmVask_2::btnRettangolo_Click() { sceltatipo(0); }
void FrmVask_2::btnTriangolo_Click() { sceltatipo(1); }
void FrmVask_2::btnCerchio_Click() { sceltatipo(2); }
void FrmVask_2::btnLinea_Click() { sceltatipo(3); }

void FrmVask_2::sceltaselezione(int k) {
    fermapan();
    if (sollecitazione.modo) abbandonacarico();
    modo.seleziono = true;
    modo.disegno = false;
    modo.eseguo = false;
    ctl.sfondo("btnSeleziona", GIALLO);
    ctl.sfondo("btnDisegna", FACCIA);
    ctl.sfondo("btnEsegui", FACCIA);
    for (int i = 0; i < 4; ++i) ctl.sfondo(PULSANTITIPO[i], i == k ? VERDE : FACCIA);
    solo(modo.rettangolopremuto, modo.triangolopremuto, modo.cerchiopremuto, modo.lineapremuto, k);
    solo(selezione.selezionorettangolo, selezione.selezionotriangolo, selezione.selezionocerchio, selezione.selezionolinea, k);
    nessuno(costruzione.disegnorettangolo, costruzione.disegnotriangolo, costruzione.disegnocerchio, costruzione.disegnolinea);
}

void FrmVask_2::mnuModificaRettangolo_Click() { sceltaselezione(0); }
void FrmVask_2::mnuModificaTriangolo_Click() { sceltaselezione(1); }
void FrmVask_2::mnuModificaCerchio_Click() { sceltaselezione(2); }
void FrmVask_2::mnuModificaLinea_Click() { sceltaselezione(3); }

void FrmVask_2::sceltadisegno(int k) {
    for (int i = 0; i < 4; ++i) ctl.sfondo(PULSANTITIPO[i], i == k ? VERDE : FACCIA);
    solo(modo.rettangolopremuto, modo.triangolopremuto, modo.cerchiopremuto, modo.lineapremuto, k);
    mnuVisualizzaRigenera_Click();
    entraindisegno();
    ris.eseguito = false;
    abbandonacarico();
    solo(costruzione.disegnorettangolo, costruzione.disegnotriangolo, costruzione.disegnocerchio, costruzione.disegnolinea, k);
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
    regola(misura.distanza && misura.distmettipunto == 2, QT_TRANSLATE_NOOP("Vask", "Distanza tra due punti: Inserisci il secondo punto."));
    regola(modo.disegno && modo.rettangolopremuto && costruzione.puntorettangolo == 0,
           QT_TRANSLATE_NOOP("Vask", "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."));
    regola(modo.disegno && modo.triangolopremuto && costruzione.puntotriangolo == 0,
           QT_TRANSLATE_NOOP("Vask", "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità."));
    regola(modo.disegno && modo.lineapremuto && costruzione.puntolinea == 0,
           QT_TRANSLATE_NOOP("Vask", "Disegna linea: Inserisci le coordinate del primo estremo del segmento."));
    regola(modo.disegno && modo.cerchiopremuto && costruzione.puntocerchio == 0,
           QT_TRANSLATE_NOOP("Vask", "Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la "
           "densità."));
    regola(modo.seleziono && modo.rettangolopremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona rettangolo: Clicca su un rettangolo per selezionarlo. Consiglio: disattiva "
           "snap e osnap."));
    regola(modo.seleziono && modo.triangolopremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona triangolo: Clicca sul triangolo presso il baricentro o presso i vertici. "
           "Consiglio: disattiva snap."));
    regola(modo.seleziono && modo.cerchiopremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona cerchio: Clicca su un cerchio per selezionarlo. Consiglio: disattiva snap e "
           "osnap."));
    regola(modo.seleziono && modo.lineapremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona linea: Clicca presso la mezzeria di una linea per selezionarla. Consiglio: "
           "disattiva snap."));
    regola(spostamento.spostorettangolo && spostamento.mettipunto == 1,
           QT_TRANSLATE_NOOP("Vask", "Sposta rettangolo: Inserisci il punto base dello spostamento."));
    regola(spostamento.spostorettangolo && spostamento.mettipunto == 2,
           QT_TRANSLATE_NOOP("Vask", "Sposta rettangolo: Inserisci il punto finale dello spostamento."));
    regola(spostamento.spostotriangolo && spostamento.mettipunto == 1,
           QT_TRANSLATE_NOOP("Vask", "Sposta triangolo: Inserisci il punto base dello spostamento."));
    regola(spostamento.spostotriangolo && spostamento.mettipunto == 2,
           QT_TRANSLATE_NOOP("Vask", "Sposta triangolo: Inserisci il punto finale dello spostamento."));
    regola(spostamento.spostocerchio && spostamento.mettipunto == 1,
           QT_TRANSLATE_NOOP("Vask", "Sposta cerchio: Inserisci il punto base dello spostamento."));
    regola(spostamento.spostocerchio && spostamento.mettipunto == 2,
           QT_TRANSLATE_NOOP("Vask", "Sposta cerchio: Inserisci il punto finale dello spostamento."));
    regola(spostamento.spostolinea && spostamento.mettipunto == 1, QT_TRANSLATE_NOOP("Vask", "Sposta linea: Inserisci il punto base dello spostamento."));
    regola(spostamento.spostolinea && spostamento.mettipunto == 2,
           QT_TRANSLATE_NOOP("Vask", "Sposta linea: Inserisci il punto finale dello spostamento."));
    regola(selezione.hoselezionatounrettangolo && modo.cancello && modo.rettangolopremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona rettangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o "
           "spostarlo."));
    regola(selezione.hoselezionatountriangolo && modo.cancello && modo.triangolopremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona triangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o "
           "spostarlo."));
    regola(selezione.hoselezionatouncerchio && modo.cancello && modo.cerchiopremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne densità e raggio o "
           "spostarlo."));
    regola(selezione.hoselezionatounalinea && modo.cancello && modo.lineapremuto,
           QT_TRANSLATE_NOOP("Vask", "Seleziona linea: Selezione eseguita. Puoi cancellarla, modificarne gli estremi o "
           "spostarla."));
    regola(cambioestremo.cambioestremodellalinea && cambioestremo.modlineamettipunto == 1,
           QT_TRANSLATE_NOOP("Vask", "Modifica linea: Seleziona l'estremo che vuoi spostare."));
    regola(cambioestremo.cambioestremodellalinea && cambioestremo.modlineamettipunto == 2,
           QT_TRANSLATE_NOOP("Vask", "Modifica linea: Seleziona il punto finale dello spostamento."));
    regola(misura.distanza && misura.distmettipunto == 1, QT_TRANSLATE_NOOP("Vask", "Distanza tra due punti: Inserisci il primo punto."));
    regola(sollecitazione.modo, QT_TRANSLATE_NOOP("Vask", "Carico: Clicca il centro di sollecitazione (o digita x;y nella casella Punto)."));
    if (testo) ctl.testo("lblDescrizione", testo);
}

}  // namespace vask
