// Delete: the selected element removed after a confirmation, the later ones
// of its kind moving up one number.
#include "edit/frmvask2.h"
#include "edit/tipi.h"

namespace vask {

void FrmVask_2::btnCancella_Click() {
    if (ctl.sfondo("btnCancella") == FACCIA || !modo.seleziono) return;
    for (int k = RETTANGOLO; k <= LINEA; ++k) {
        if (!selezionevalida(k)) continue;
        const int n = riga(k);
        modo.cancello = true;
        solo(cancellazione.cancellorettangolo, cancellazione.cancellotriangolo,
             cancellazione.cancellocerchio, cancellazione.cancellolinea, k);
        modo.sposto = modo.modifico = false;
        if (msg_.mostra(QT_TRANSLATE_NOOP("Vask", "Sei sicuro di voler cancellare questo elemento?"),
                        QT_TRANSLATE_NOOP("Vask", "Conferma cancella elemento."), Icona::Esclamazione,
                        Pulsanti::SiNo) != Risposta::Si)
            return;
        registra(componi(QT_TRANSLATE_NOOP("Vask", "cancella %1 %2"), {nometipo(k), testointero(n)}));
        ctl.sfondo("btnSposta", FACCIA);
        ctl.sfondo("btnCancella", FACCIA);
        ctl.sfondo("btnModifica", FACCIA);
        switch (k) {
        case RETTANGOLO: sez.cancellarettangolo(n); break;
        case TRIANGOLO: sez.cancellatriangolo(n); break;
        case CERCHIO: sez.cancellacerchio(n); break;
        case LINEA: sez.cancellalinea(n); break;
        }
        ctl.testo("lblContatore", testointero(prossimo(k) - 1));
        riga(k) = 0;
        if (k == LINEA)
            abbandonacambioestremo();  // its row now holds another line, or none
        else
            ris.attuali = false;
        mnuVisualizzaRigenera_Click();
        selezionato(k) = false;
        if (prossimo(k) == 1) {
            ctl.sfondo("btnCancella", FACCIA);
            modo.cancello = false;
            return;
        }
        break;
    }
    modo.cancello = false;
    nessuno(cancellazione.cancellorettangolo, cancellazione.cancellotriangolo,
            cancellazione.cancellocerchio, cancellazione.cancellolinea);
}

}  // namespace vask
