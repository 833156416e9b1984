// Zoom: the window halved or doubled about its bottom-left corner, within
// widths 1.25 and 80; the axis captions follow.
#include "edit/frmvask2.h"
#include "view/vista.h"

namespace vask {

double FrmVask_2::valore(const char* didascalia) const {
    return valoredidascalia(ctl.testo(didascalia));
}

void FrmVask_2::cambioetichetteascisseordinatezoompiu() {
    std::string x[10], y[6];
    didascaliesuccessive(ctl.testo(ETICHETTEX[0]), double(pic.scalewidth) / 10, 10, x);
    didascaliesuccessive(ctl.testo(ETICHETTEY[0]), double(pic.scaleheight) / 6, 6, y);
    for (int i = 0; i < 10; ++i) ctl.testo(ETICHETTEX[i + 1], x[i]);
    for (int i = 0; i < 6; ++i) ctl.testo(ETICHETTEY[i + 1], y[i]);
}

void FrmVask_2::cambioetichetteascisseordinatezoommeno() { cambioetichetteascisseordinatezoompiu(); }

void FrmVask_2::btnZoomPiu_Click() { mnuVisualizzaZoomPiu_Click(); }
void FrmVask_2::BtnZoomMeno_Click() { mnuVisualizzaZoomMeno_Click(); }

void FrmVask_2::mnuVisualizzaZoomPiu_Click() {
    ctl.sfondo("BtnZoomMeno", VERDE);
    ctl.testo("lblDescrizione", "Zoom+: Clicca per ingrandire.");
    // Widths only ever halve and double from 20, so the limit is met exactly;
    // "at or beyond" keeps it a limit whatever happens.
    if (pic.scalewidth <= 1.25f) {
        ctl.testo("lblDescrizione", "Zoom+: Non sono ammessi ulteriori zoom+.");
        ctl.sfondo("btnZoomPiu", ROSSO);
        return;
    }
    vista.fattorezoompiu = 2;
    pic.dimensioni(pic.scalewidth / vista.fattorezoompiu, pic.scaleheight / vista.fattorezoompiu);
    cambioetichetteascisseordinatezoompiu();
    mnuVisualizzaRigenera_Click();
    vista.nuovofinex = float(valore("lblOriginex") + pic.scalewidth);
    vista.nuovofiney = float(pic.scaleheight - valore("lblOriginey"));
}

void FrmVask_2::mnuVisualizzaZoomMeno_Click() {
    ctl.sfondo("btnZoomPiu", VERDE);
    ctl.testo("lblDescrizione", "Zoom-: Clicca per rimpicciolire.");
    if (pic.scalewidth >= LARGHEZZAMASSIMA) {
        ctl.testo("lblDescrizione", "Zoom-: Non sono ammessi ulteriori zoom-.");
        ctl.sfondo("BtnZoomMeno", ROSSO);
        return;
    }
    vista.fattorezoommeno = 2;
    pic.dimensioni(pic.scalewidth * vista.fattorezoommeno, pic.scaleheight * vista.fattorezoommeno);
    cambioetichetteascisseordinatezoommeno();
    mnuVisualizzaRigenera_Click();
    vista.nuovofinex = float(valore("lblOriginex") + pic.scalewidth);
    vista.nuovofiney = float(pic.scaleheight - valore("lblOriginey"));
}

}  // namespace vask
