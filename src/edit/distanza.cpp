// The distance between two picked points: a bare number in the hint bar, its
// components in the status bar, the segment on the screen.
#include <algorithm>
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
        avviso(QT_TRANSLATE_NOOP("Vask", "Disattivare le funzioni di disegno e modifica."), QT_TRANSLATE_NOOP("Vask", "Distanza negato."));
        return;
    }
    if (sollecitazione.modo) abbandonacarico();
    statobarra.clear();
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
        statobarra = componi(QT_TRANSLATE_NOOP("Vask", "Distanza: %1 (Δx = %2; Δy = %3)"),
                             {testosingolo(d), testosingolo(dx), testosingolo(dy)});
        // The measured segment stays on the screen until the next regeneration;
        // the overlay's only other strokes are the ellipse's, so a segment
        // there is the last measure's.
        auto& sopra = pic.sovrapposto.primitive;
        sopra.erase(std::remove_if(sopra.begin(), sopra.end(), [](const Primitiva& q) { return q.forma == Forma::Segmento; }),
                    sopra.end());
        pic.persistente = false;
        pic.linea(punti.puntobasex, punti.puntobasey, punti.puntofinalex, punti.puntofinaley, GIALLO);
        pic.persistente = true;
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
