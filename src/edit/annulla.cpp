// Undo and redo of the changes to the section, and the results as text.
#include <algorithm>
#include <iterator>

#include "edit/frmvask2.h"
#include "edit/tipi.h"

namespace vask {

namespace {
// The rows of elements being drawn are not yet part of the section.
void svuotacostruzione(Sezione& s) {
    if (s.prossimorettangolo <= MAXRETTANGOLI)
        std::fill(std::begin(s.rettangoli[s.prossimorettangolo]), std::end(s.rettangoli[s.prossimorettangolo]), 0.0f);
    if (s.prossimotriangolo <= MAXTRIANGOLI)
        std::fill(std::begin(s.triangoli[s.prossimotriangolo]), std::end(s.triangoli[s.prossimotriangolo]), 0.0f);
    if (s.l <= MAXLINEE) std::fill(std::begin(s.linee[s.l]), std::end(s.linee[s.l]), 0.0f);
}
}  // namespace

FrmVask_2::Istantanea FrmVask_2::fotografia(bool file) const {
    Istantanea i{sez, ris, nocciolo, copianocciolo, false, {}, nullptr};
    if (file) {
        i.file = true;
        i.nomedocumento = nomedocumento;
        i.salvata = std::make_shared<const Sezione>(salvata_);
    }
    svuotacostruzione(i.sez);
    return i;
}

void FrmVask_2::registra(const std::string& descrizione, bool file) {
    storia.registra(descrizione, fotografia(file));
    abbandonacarico();
}

void FrmVask_2::ripristina(Istantanea i) {
    abbandonacarico();
    // Nothing half done may point into tables that changed under it.
    costruzione.puntorettangolo = costruzione.puntotriangolo = costruzione.puntocerchio =
        costruzione.puntolinea = 0;
    abbandonacambioestremo();
    nessuno(selezione.hoselezionatounrettangolo, selezione.hoselezionatountriangolo,
            selezione.hoselezionatouncerchio, selezione.hoselezionatounalinea);
    selezione.rigarettangoloselezionato = selezione.rigatriangoloselezionato =
        selezione.rigacerchioselezionato = selezione.rigalineaselezionata = 0;
    nessuno(spostamento.spostorettangolo, spostamento.spostotriangolo, spostamento.spostocerchio,
            spostamento.spostolinea);
    spostamento.mettipunto = 0;
    modo.sposto = modo.cancello = modo.modifico = false;
    for (const char* b : {"btnSposta", "btnCancella", "btnModifica"}) ctl.sfondo(b, FACCIA);
    etichettepunti(1);

    // Nothing selected any more: the element these described may be gone.
    ctl.testo("lblDensitàAttuale", "");
    ctl.testo("lblRaggioAttuale", "");

    sez = i.sez;
    ris = i.ris;
    for (int k = 0; k < 15; ++k) ctl.testo(ETICHETTERISULTATI[k], ris.testi[k]);
    if (i.file) {
        nomedocumento = i.nomedocumento;
        salvata_ = *i.salvata;
    }
    nocciolo = i.nocciolo;
    copianocciolo = i.copianocciolo;
    mnuVisualizzaRigenera_Click();
    // The counter of the kind being drawn follows the tables brought back.
    const bool premuti[4] = {modo.rettangolopremuto, modo.triangolopremuto, modo.cerchiopremuto, modo.lineapremuto};
    const int contatori[4] = {sez.prossimorettangolo, sez.prossimotriangolo, sez.prossimocerchio, sez.l};
    for (int k = 0; k < 4; ++k)
        if (modo.disegno && premuti[k]) ctl.testo("lblContatore", testointero(contatori[k] - 1));
}

bool FrmVask_2::comandoinsospeso() const {
    return costruzione.puntorettangolo || costruzione.puntotriangolo || costruzione.puntolinea ||
           modo.sposto || cambioestremo.cambioestremodellalinea ||
           (misura.distanza && misura.distmettipunto == 2) || sollecitazione.modo;
}

// Half-done commands end as their own buttons would end them.
bool FrmVask_2::abbandonacomando() {
    if (costruzione.puntorettangolo || costruzione.puntotriangolo || costruzione.puntolinea) {
        svuotacostruzione(sez);
        costruzione.puntorettangolo = costruzione.puntotriangolo = costruzione.puntolinea = 0;
        etichettepunti(1);
        mnuVisualizzaRigenera_Click();
        return true;
    }
    if (modo.sposto) {
        // As Sposta pressed again, even when a kind button or Selez. has
        // taken it back to the face while the move still waits.
        abbandonaspostamento();
        return true;
    }
    if (cambioestremo.cambioestremodellalinea) {
        abbandonacambioestremo();
        mnuVisualizzaRigenera_Click();
        return true;
    }
    if (misura.distanza && misura.distmettipunto == 2) {
        misura.distmettipunto = 0;
        return true;
    }
    if (sollecitazione.modo) {
        abbandonacarico();
        ctl.testo("lblDescrizione", "");
        return true;
    }
    return false;
}

void FrmVask_2::mnuEditaAnnulla_Click() {
    if (abbandonacomando() || !storia.puoiannullare()) return;
    ripristina(storia.annulla(fotografia(storia.daannullarestato().file)));
}

void FrmVask_2::mnuEditaRipeti_Click() {
    if (!storia.puoiripetere()) return;
    ripristina(storia.ripeti(fotografia(storia.daripeterestato().file)));
}

std::string FrmVask_2::descrizioneannulla() const {
    if (comandoinsospeso()) return QT_TRANSLATE_NOOP("Vask", "Annulla: comando in corso");
    return storia.puoiannullare() ? componi(QT_TRANSLATE_NOOP("Vask", "Annulla: %1"), {storia.daannullare()})
                                  : QT_TRANSLATE_NOOP("Vask", "Annulla");
}

std::string FrmVask_2::descrizioneripeti() const {
    return storia.puoiripetere() ? componi(QT_TRANSLATE_NOOP("Vask", "Ripeti: %1"), {storia.daripetere()})
                                 : QT_TRANSLATE_NOOP("Vask", "Ripeti");
}

std::string FrmVask_2::testorisultati(bool tabella) const {
    if (!ris.eseguito) return {};
    static const char* const DIDASCALIE[15] = {"A =",   "M =",    "Xg =",  "Yg =",  "Ix =",
                                               "Iy =",  "Ixg =",  "Iyg =", "Ixy =", "Ixgyg =",
                                               "Ixc =", "Iyc =",  "Rxc =", "Ryc =", "α°="};
    std::string t;
    for (int k = 0; k < 15; ++k)
        t += std::string(DIDASCALIE[k]) + (tabella ? "\t" : " ") + testosingolo(ris.risultati[k + 1]) + "\n";
    return t;
}

}  // namespace vask
