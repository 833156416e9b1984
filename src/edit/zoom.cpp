// Zoom: the window halved or doubled about its bottom-left corner, within
// widths 1.25 and 80; the axis captions follow. Zoom estensioni and the mouse
// wheel choose among the same widths, with whole-unit edges.
#include <algorithm>
#include <cmath>

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

bool FrmVask_2::passozoom(bool piu) {
    ctl.sfondo(piu ? "BtnZoomMeno" : "btnZoomPiu", VERDE);
    ctl.testo("lblDescrizione", piu ? QT_TRANSLATE_NOOP("Vask", "Zoom+: Clicca per ingrandire.") : QT_TRANSLATE_NOOP("Vask", "Zoom-: Clicca per rimpicciolire."));
    // Widths only ever halve and double from 20, so the limit is met exactly;
    // "at or beyond" keeps it a limit whatever happens.
    if (piu ? pic.scalewidth <= 1.25f : pic.scalewidth >= LARGHEZZAMASSIMA) {
        ctl.testo("lblDescrizione",
                  piu ? QT_TRANSLATE_NOOP("Vask", "Zoom+: Non sono ammessi ulteriori zoom+.") : QT_TRANSLATE_NOOP("Vask", "Zoom-: Non sono ammessi ulteriori zoom-."));
        ctl.sfondo(piu ? "btnZoomPiu" : "BtnZoomMeno", ROSSO);
        return false;
    }
    (piu ? vista.fattorezoompiu : vista.fattorezoommeno) = 2;
    return true;
}

void FrmVask_2::mnuVisualizzaZoomPiu_Click() {
    if (!passozoom(true)) return;
    pic.dimensioni(pic.scalewidth / vista.fattorezoompiu, pic.scaleheight / vista.fattorezoompiu);
    cambioetichetteascisseordinatezoompiu();
    mnuVisualizzaRigenera_Click();
    vista.nuovofinex = float(valore("lblOriginex") + pic.scalewidth);
    vista.nuovofiney = float(pic.scaleheight - valore("lblOriginey"));
}

void FrmVask_2::mnuVisualizzaZoomMeno_Click() {
    if (!passozoom(false)) return;
    pic.dimensioni(pic.scalewidth * vista.fattorezoommeno, pic.scaleheight * vista.fattorezoommeno);
    cambioetichetteascisseordinatezoommeno();
    mnuVisualizzaRigenera_Click();
    vista.nuovofinex = float(valore("lblOriginex") + pic.scalewidth);
    vista.nuovofiney = float(pic.scaleheight - valore("lblOriginey"));
}

namespace {

const float LARGHEZZE[] = {1.25f, 2.5f, 5, 10, 20, 40, 80};

// A whole-unit edge within [0, limite].
float bordo(double v, float limite) { return float(std::clamp(std::round(v), 0.0, double(limite))); }

}  // namespace

void FrmVask_2::impostavista(float sinistra, float basso, float larghezza) {
    const float altezza = larghezza * 3 / 5;
    vista.nuovooriginex = sinistra;
    vista.nuovofinex = sinistra + larghezza;
    vista.nuovooriginey = -basso;
    vista.nuovofiney = -basso + altezza;
    pic.scala(vista.nuovooriginex, vista.nuovooriginey, vista.nuovofinex, vista.nuovofiney);
    ctl.testo(ETICHETTEX[0], testosingolo(sinistra));
    ctl.testo(ETICHETTEY[0], testosingolo(basso));
    cambioetichetteascisseordinatezoompiu();
    frecceapertura();
}

bool FrmVask_2::estensioni(double& xmin, double& ymin, double& xmax, double& ymax) const {
    xmin = ymin = INFINITY;
    xmax = ymax = -INFINITY;
    const auto metti = [&](double x, double y, double r) {
        xmin = std::min(xmin, x - r), xmax = std::max(xmax, x + r);
        ymin = std::min(ymin, y - r), ymax = std::max(ymax, y + r);
    };
    for (int i = 1; i < sez.prossimorettangolo; ++i)
        for (int c : {R::x1, R::x2}) metti(sez.rettangoli[i][c], sez.rettangoli[i][c + 1], 0);
    for (int i = 1; i < sez.prossimotriangolo; ++i)
        for (int c : {T::x1, T::x2, T::x3}) metti(sez.triangoli[i][c], sez.triangoli[i][c + 1], 0);
    for (int i = 1; i < sez.prossimocerchio; ++i) metti(sez.cerchi[i][C::xc], sez.cerchi[i][C::yc], sez.cerchi[i][C::raggio]);
    for (int i = 1; i < sez.l; ++i)
        for (int c : {L::x1, L::x2}) metti(sez.linee[i][c], sez.linee[i][c + 1], 0);
    // The kern as the regeneration draws it.
    if (ris.eseguito)
        for (int i = 1; i < sez.l; ++i)
            if (nocciolo.valido[i]) metti(nocciolo.verticinocciolo[i][1], nocciolo.verticinocciolo[i][2], 0);
    // Only the world can be shown.
    xmin = std::max(xmin, 0.0), ymin = std::max(ymin, 0.0);
    xmax = std::min(xmax, double(LIMITEMONDO)), ymax = std::min(ymax, double(LIMITEMONDO));
    return xmin <= xmax && ymin <= ymax;
}

void FrmVask_2::btnZoomEstensioni_Click() { mnuVisualizzaZoomEstensioni_Click(); }

void FrmVask_2::mnuVisualizzaZoomEstensioni_Click() {
    ctl.sfondo("btnZoomPiu", VERDE);
    ctl.sfondo("BtnZoomMeno", VERDE);
    double xmin, ymin, xmax, ymax;
    if (!estensioni(xmin, ymin, xmax, ymax)) {
        ctl.testo("lblDescrizione", QT_TRANSLATE_NOOP("Vask", "Zoom estensioni: la sezione è vuota, torna la vista iniziale."));
        impostavista(0, 0, 20);
        mnuVisualizzaRigenera_Click();
        return;
    }
    // The smallest width whose whole-unit edges hold the box and a margin of
    // 1/40 of the width on every side (cut at the world's edges).
    for (float w : LARGHEZZE) {
        const double h = w * 0.6, m = w / 40.0;
        const double xa = std::max(0.0, xmin - m), xb = std::min(double(LIMITEMONDO), xmax + m);
        const double ya = std::max(0.0, ymin - m), yb = std::min(double(LIMITEMONDO), ymax + m);
        // Within the pan limits too: near the far edges only the widest view reaches.
        const double sinistramin = std::ceil(xb - w), sinistramax = std::min(std::floor(xa), double(LIMITEDESTRO));
        const double bassomin = std::ceil(yb - h), bassomax = std::min(std::floor(ya), double(LIMITESUPERIORE));
        if (sinistramin > sinistramax || bassomin > bassomax) continue;
        // Centred as well as whole units allow.
        const double sinistra = std::clamp(std::round((xa + xb - w) / 2), sinistramin, sinistramax);
        const double basso = std::clamp(std::round((ya + yb - h) / 2), bassomin, bassomax);
        ctl.testo("lblDescrizione", QT_TRANSLATE_NOOP("Vask", "Zoom estensioni: la vista mostra tutta la sezione."));
        impostavista(bordo(sinistra, LIMITEDESTRO), bordo(basso, LIMITESUPERIORE), w);
        mnuVisualizzaRigenera_Click();
        return;
    }
    ctl.testo("lblDescrizione", QT_TRANSLATE_NOOP("Vask", "Zoom estensioni: la sezione è più grande della vista più ampia (larghezza 80); "
                                "se ne vede la parte in basso a sinistra."));
    impostavista(bordo(std::floor(xmin), LIMITEDESTRO), bordo(std::floor(ymin), LIMITESUPERIORE), LARGHEZZAMASSIMA);
    mnuVisualizzaRigenera_Click();
}

void FrmVask_2::picAreagrafica_MouseWheel(float x, float y, bool piu) {
    const float w = pic.scalewidth, h = pic.scaleheight;
    const double sinistra = pic.scaleleft, basso = -pic.scaletop;
    const double px = x, py = double(h) - y;
    if (!passozoom(piu)) return;  // the same colours, hints and limits as the buttons
    const float nuova = piu ? w / 2 : w * 2;
    const double fattore = double(nuova) / w;
    // The world point under the cursor stays there, to the nearest whole unit.
    impostavista(bordo(px - (px - sinistra) * fattore, LIMITEDESTRO),
                 bordo(py - (py - basso) * fattore, LIMITESUPERIORE), nuova);
    mnuVisualizzaRigenera_Click();
}

}  // namespace vask
