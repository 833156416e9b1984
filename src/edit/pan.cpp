// Pan: the window moved by whole units, with the four arrows or by dragging
// the drawing, never beyond the limits of the world.
#include "edit/frmvask2.h"
#include "view/vista.h"

namespace vask {

namespace {
const char* const LIMITEINFERIORE =
    QT_TRANSLATE_NOOP("Vask", "Pan: Raggiungimento del limite inferiore dell'area grafica di lavoro.");
const char* const LIMITESINISTRO =
    QT_TRANSLATE_NOOP("Vask", "Pan: Raggiungimento del limite sinistro dell'area grafica di lavoro.");
const char* const LIMITESUPERIORETESTO =
    QT_TRANSLATE_NOOP("Vask", "Pan: Raggiungimento del limite superiore dell'area grafica di lavoro.");
const char* const LIMITEDESTROTESTO =
    QT_TRANSLATE_NOOP("Vask", "Pan: Raggiungimento del limite destro dell'area grafica di lavoro.");
}  // namespace

void FrmVask_2::rietichettapan() {
    ctl.testo(ETICHETTEX[0], testosingolo(vista.nuovooriginex));
    for (int i = 1; i < 11; ++i)
        ctl.testo(ETICHETTEX[i], didascaliaspostata(ctl.testo(ETICHETTEX[i]), vista.passopanx));
    ctl.testo(ETICHETTEY[0], testosingolo(-vista.nuovooriginey));
    for (int i = 1; i < 7; ++i)
        ctl.testo(ETICHETTEY[i], didascaliaspostata(ctl.testo(ETICHETTEY[i]), -vista.passopany));
}

void FrmVask_2::applicapan() {
    pic.scala(vista.nuovooriginex, vista.nuovooriginey, vista.nuovofinex, vista.nuovofiney);
    rietichettapan();
}

// One unit in one direction; refused, with the button turned red, when the
// new window would cross a limit.
void FrmVask_2::panstatico(int dx, int dy) {
    vista.passopanx = dx;
    vista.passopany = dy;
    vista.nuovooriginex += dx;
    vista.nuovofinex += dx;
    vista.nuovooriginey += dy;
    vista.nuovofiney += dy;
    const char* limite = nullptr;
    const char* pulsante = nullptr;
    if (dy > 0 && vista.nuovooriginey > 0)
        limite = LIMITEINFERIORE, pulsante = "btnPanGiu";
    else if (dx < 0 && vista.nuovooriginex < 0)
        limite = LIMITESINISTRO, pulsante = "btnPanSinistra";
    else if (dy < 0 && -vista.nuovooriginey > LIMITESUPERIORE)
        limite = LIMITESUPERIORETESTO, pulsante = "btnPanSu";
    else if (dx > 0 && vista.nuovooriginex > LIMITEDESTRO)
        limite = LIMITEDESTROTESTO, pulsante = "Command4";
    if (limite) {
        ctl.testo("lblDescrizione", limite);
        ctl.sfondo(pulsante, ROSSO);
        vista.nuovooriginex -= dx;
        vista.nuovofinex -= dx;
        vista.nuovooriginey -= dy;
        vista.nuovofiney -= dy;
        return;
    }
    applicapan();
    mnuVisualizzaRigenera_Click();
}

// A pan one way opens the other direction again.
void FrmVask_2::btnPanSu_Click() {
    ctl.sfondo("btnPanGiu", VERDESCURO);
    panstatico(0, -1);
}
void FrmVask_2::btnPanGiu_Click() {
    ctl.sfondo("btnPanSu", VERDESCURO);
    panstatico(0, 1);
}
void FrmVask_2::btnPanSinistra_Click() {
    ctl.sfondo("Command4", VERDESCURO);
    panstatico(-1, 0);
}
void FrmVask_2::Command4_Click() {
    ctl.sfondo("btnPanSinistra", VERDESCURO);
    panstatico(1, 0);
}

void FrmVask_2::btnPan_Click() { mnuVisualizzaPan_Click(); }

void FrmVask_2::mnuVisualizzaPan_Click() {
    if (vista.pan != 0) {
        vista.pan = 0;
        ctl.sfondo("btnPan", FACCIA);
        puntatore = Puntatore::Croce;
        return;
    }
    if (sollecitazione.modo) abbandonacarico();
    const bool incostruzione = costruzione.puntorettangolo || costruzione.puntotriangolo ||
                               costruzione.puntolinea || costruzione.puntocerchio;
    if (!incostruzione && !modo.seleziono && !modo.disegno) {
        vista.pan = 1;
        ctl.testo("lblDescrizione", QT_TRANSLATE_NOOP("Vask", "Pan: Cliccando nell'area grafica trascina il disegno."));
        ctl.sfondo("btnPan", VERDE);
        return;
    }
    avviso(QT_TRANSLATE_NOOP("Vask", "In fase di disegno o di selezione navigare nel disegno col pan statico."), QT_TRANSLATE_NOOP("Vask", "Pan dinamico negato."));
}

void FrmVask_2::fermapan() {
    if (vista.pan == 2) puntatore = Puntatore::Croce;
    vista.pan = 0;
    ctl.sfondo("btnPan", FACCIA);
}

void FrmVask_2::panpremuto() {
    puntatore = Puntatore::Sposta;
    vista.panx1 = float(valore("lblCoordinataX"));
    vista.pany1 = float(valore("lblCoordinataY"));
    vista.pan = 2;
}

// The drag moved the drawing; the window moves the other way, stopped at the
// limits instead of refused.
void FrmVask_2::panrilasciato() {
    vista.passopanx = passopan(double(vista.panx1) - valore("lblCoordinataX"));
    vista.passopany = passopan(valore("lblCoordinataY") - vista.pany1);
    vista.nuovooriginex += vista.passopanx;
    vista.nuovofinex += vista.passopanx;
    vista.nuovooriginey += vista.passopany;
    vista.nuovofiney += vista.passopany;

    const float W = pic.scalewidth, H = pic.scaleheight;
    // The edges the captions still show, before this pan.
    const double sinistra = valore("lbl2x") - double(W) / 10;
    const double basso = valore("lbl2y") - double(H) / 6;
    bool fermato = false;
    if (vista.nuovooriginex < 0) {
        ctl.testo("lblDescrizione", LIMITESINISTRO);
        vista.nuovooriginex = 0;
        vista.nuovofinex = W;
        vista.passopanx = passopan(-sinistra);
        fermato = true;
    } else if (vista.nuovooriginex > LIMITEDESTRO) {
        ctl.testo("lblDescrizione", LIMITEDESTROTESTO);
        vista.nuovooriginex = LIMITEDESTRO;
        vista.nuovofinex = LIMITEDESTRO + W;
        vista.passopanx = passopan(LIMITEDESTRO - sinistra);
        fermato = true;
    }
    if (vista.nuovooriginey > 0) {
        ctl.testo("lblDescrizione", LIMITEINFERIORE);
        vista.nuovooriginey = 0;
        vista.nuovofiney = H;
        vista.passopany = passopan(basso);
        fermato = true;
    } else if (-vista.nuovooriginey > LIMITESUPERIORE) {
        ctl.testo("lblDescrizione", LIMITESUPERIORETESTO);
        vista.nuovooriginey = -LIMITESUPERIORE;
        vista.nuovofiney = -LIMITESUPERIORE + H;
        vista.passopany = passopan(basso - LIMITESUPERIORE);
        fermato = true;
    }
    if (fermato) ++pausadivieto;
    applicapan();
    puntatore = Puntatore::Croce;
    vista.pan = 1;
    mnuVisualizzaRigenera_Click();
}

// After every mouse up: each arrow shows whether its direction is open.
void FrmVask_2::frecceapertura() {
    const double basso = valore("lblOriginey"), sinistra = valore("lblOriginex");
    ctl.sfondo("btnPanGiu", basso > 0 ? VERDESCURO : ROSSO);
    ctl.sfondo("btnPanSinistra", sinistra > 0 ? VERDESCURO : ROSSO);
    ctl.sfondo("btnPanSu", basso < LIMITESUPERIORE ? VERDESCURO : ROSSO);
    ctl.sfondo("Command4", sinistra < LIMITEDESTRO ? VERDESCURO : ROSSO);
}

}  // namespace vask
