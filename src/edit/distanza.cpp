// The distance between two picked points, shown as a bare number in the hint bar.
#include <cmath>

#include "edit/frmvask2.h"

namespace vask {

bool FrmVask_2::funzioniattive() const {
    for (const char* b : {"btnSposta", "btnCancella", "btnModifica", "btnRettangolo",
                          "btnTriangolo", "btnCerchio", "btnLinea"})
        if (ctl.sfondo(b) != FACCIA) return true;
    return false;
}

void FrmVask_2::mnuStrumentiDistanza_Click() {
    if (funzioniattive()) {
        avviso("Disattivare le funzioni di disegno e modifica.", "Distanza negato.");
        return;
    }
    if (sollecitazione.modo) abbandonacarico();
    misura.distanza = true;
    misura.distmettipunto = 1;
}

void FrmVask_2::puntobase(float x, float y) {
    punti.puntobasex = x;
    punti.puntobasey = y;
    ctl.testo("lblPrimoPuntoX", testosingolo(punti.puntobasex));
    ctl.testo("lblPrimoPuntoY", testosingolo(punti.puntobasey));
}

bool FrmVask_2::distanzaclic() {
    const float px = puntox(), py = puntoy();
    if (misura.distmettipunto == 2) {
        punti.puntofinalex = px;
        punti.puntofinaley = py;
        const float dx = punti.puntofinalex - punti.puntobasex;
        const float dy = punti.puntofinaley - punti.puntobasey;
        const float d = float(std::sqrt(double(dx) * dx + double(dy) * dy));
        ctl.testo("lblDescrizione", testosingolo(d));
        misura.distmettipunto = 0;
        return true;
    }
    if (misura.distmettipunto == 1) {
        puntobase(px, py);
        misura.distmettipunto = 2;
    }
    return false;
}

}  // namespace vask
