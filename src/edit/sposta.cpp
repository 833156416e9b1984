// Move: the selected element translated by a base point and an end point,
// within the positive quadrant.
#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/geometria.h"

namespace vask {

void FrmVask_2::btnSposta_Click() {
    if (ctl.sfondo("btnSposta") == FACCIA) return;
    misura.distanza = false;
    if (!modo.seleziono) return;
    if (!modo.sposto) {
        for (int k = RETTANGOLO; k <= LINEA; ++k) {
            if (!premuto(k) || !selezionato(k)) continue;
            modo.sposto = true;
            modo.cancello = modo.modifico = false;
            ctl.sfondo("btnSposta", VERDE);
            ctl.sfondo("btnCancella", FACCIA);
            ctl.sfondo("btnModifica", FACCIA);
            solo(spostamento.spostorettangolo, spostamento.spostotriangolo,
                 spostamento.spostocerchio, spostamento.spostolinea, k);
            spostamento.mettipunto = 1;
        }
        return;
    }
    abbandonaspostamento();
}

// Pressed again: the move is abandoned and the selection with it.
void FrmVask_2::abbandonaspostamento() {
    modo.sposto = false;
    ctl.sfondo("btnSposta", FACCIA);
    nessuno(spostamento.spostorettangolo, spostamento.spostotriangolo, spostamento.spostocerchio,
            spostamento.spostolinea);
    mnuVisualizzaRigenera_Click();
    nessuno(selezione.hoselezionatounrettangolo, selezione.hoselezionatountriangolo,
            selezione.hoselezionatouncerchio, selezione.hoselezionatounalinea);
}

bool FrmVask_2::spostaclic(int k) {
    nessuno(selezione.selezionorettangolo, selezione.selezionotriangolo,
            selezione.selezionocerchio, selezione.selezionolinea);
    const float px = puntox(), py = puntoy();
    if (spostamento.mettipunto == 1) {
        puntobase(px, py);
        spostamento.mettipunto = 2;
        return false;  // the click goes on to the later commands
    }
    if (spostamento.mettipunto != 2) return false;
    const int n = riga(k);
    if (n < 1 || n >= prossimo(k)) return false;  // nothing left to move
    punti.puntofinalex = px;
    punti.puntofinaley = py;
    const float dx = punti.puntofinalex - punti.puntobasex;
    const float dy = punti.puntofinaley - punti.puntobasey;

    // Within the positive quadrant, and not beyond the far edges where no
    // view could show the element again.
    bool dentro = true, oltre = false;
    std::string testo, titolo;
    switch (k) {
    case RETTANGOLO:
        dentro = rettangoloinquadrante(sez.rettangoli[n], dx, dy);
        oltre = rettangolooltre(sez.rettangoli[n], dx, dy);
        testo = QT_TRANSLATE_NOOP("Vask", "Il rettangolo spostato deve rimanere nella zona positiva dell'area grafica. "
                "Reinserire il secondo punto.");
        titolo = QT_TRANSLATE_NOOP("Vask", "Rettangolo fuori dai limiti dell'area grafica.");
        break;
    case TRIANGOLO:
        dentro = triangoloinquadrante(sez.triangoli[n], dx, dy);
        oltre = triangolooltre(sez.triangoli[n], dx, dy);
        testo = QT_TRANSLATE_NOOP("Vask", "Il triangolo spostato deve rimanere nella zona positiva dell'area grafica. "
                "Reinserire il secondo punto.");
        titolo = QT_TRANSLATE_NOOP("Vask", "Triangolo fuori dai limiti dell'area grafica.");
        break;
    case CERCHIO: {
        dentro = cerchioinquadrante(sez.cerchi[n], dx, dy);
        oltre = cerchiooltre(sez.cerchi[n], dx, dy);
        const std::string r = testosingolo(sez.cerchi[n][C::raggio]);
        testo = componi(QT_TRANSLATE_NOOP("Vask", "Il cerchio spostato deve rimanere nella zona positiva dell'area "
                                                  "grafica. Reinserire il secondo punto in modo da spostare il centro "
                                                  "almeno nel punto di coordinate ( %1 ; %1 ) ."),
                        {r});
        titolo = QT_TRANSLATE_NOOP("Vask", "Cerchio fuori dei limiti dell'area grafica.");
        break;
    }
    case LINEA:
        dentro = lineainquadrante(sez.linee[n], dx, dy);
        oltre = lineaoltre(sez.linee[n], dx, dy);
        testo = QT_TRANSLATE_NOOP("Vask", "La linea spostata deve rimanere nella zona positiva dell'area grafica. "
                "Reinserire il secondo punto.");
        titolo = QT_TRANSLATE_NOOP("Vask", "Linea fuori dai limiti dell'area grafica.");
        break;
    }
    if (!dentro) {
        avviso(testo, titolo);
        spostamento.mettipunto = 2;
        return true;
    }
    if (oltre) {
        static const char* const SPOSTATO[] = {
            QT_TRANSLATE_NOOP("Vask", "Il rettangolo spostato deve rimanere entro le coordinate %1 dell'area grafica. "
                                      "Reinserire il secondo punto."),
            QT_TRANSLATE_NOOP("Vask", "Il triangolo spostato deve rimanere entro le coordinate %1 dell'area grafica. "
                                      "Reinserire il secondo punto."),
            QT_TRANSLATE_NOOP("Vask", "Il cerchio spostato deve rimanere entro le coordinate %1 dell'area grafica. "
                                      "Reinserire il secondo punto."),
            QT_TRANSLATE_NOOP("Vask", "La linea spostata deve rimanere entro le coordinate %1 dell'area grafica. "
                                      "Reinserire il secondo punto.")};
        avviso(componi(SPOSTATO[k], {testosingolo(LIMITEMONDO)}), titolo);
        spostamento.mettipunto = 2;
        return true;
    }

    registra(componi(QT_TRANSLATE_NOOP("Vask", "sposta %1 %2"), {nometipo(k), testointero(n)}));
    switch (k) {
    case RETTANGOLO: sez.spostarettangolo(n, dx, dy); break;
    case TRIANGOLO: sez.spostatriangolo(n, dx, dy); break;
    case CERCHIO: sez.spostacerchio(n, dx, dy); break;
    case LINEA: sez.spostalinea(n, dx, dy); break;
    }
    // Closure lines take no part in the results; the elements do.
    if (k != LINEA) ris.attuali = false;
    mnuVisualizzaRigenera_Click();
    spostamento.mettipunto = 0;
    noccioloscaduto();
    for (int j = RETTANGOLO; j <= LINEA; ++j)
        if (modo.seleziono && premuto(j)) selezionando(j) = true;
    ctl.sfondo("btnSposta", FACCIA);
    spostando(k) = false;
    riga(k) = 0;
    selezionato(k) = false;
    modo.sposto = false;
    return true;
}

void FrmVask_2::noccioloscaduto() {
    for (int i = 1; i <= MAXLINEE; ++i) {
        copianocciolo.puntinocciolo[i][1] = copianocciolo.puntinocciolo[i][2] = 0;
        copianocciolo.puntinoccioloattivo[i] = false;
    }
}

}  // namespace vask
