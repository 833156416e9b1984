// Full regeneration of the picture from the tables, in a fixed layer order:
// solid elements, holes in the background colour, closure lines on top.
#include <algorithm>
#include <utility>

#include "edit/frmvask2.h"

namespace vask {

void FrmVask_2::btnRigenera_Click() { mnuVisualizzaRigenera_Click(); }

void FrmVask_2::mnuVisualizzaRigenera_Click() { rigenera(true); }

void FrmVask_2::rigenera(bool connocciolo) {
    pic.pulisci();
    passosezione(connocciolo);
    if (vista.grigliaattiva) grigliapunteggiata();
    if (vista.lineeguidaattive) lineeguida();
    if (connocciolo && sez.l > 1) btnNoccioloCentrale_Click();
    lineedichiusura();
    if (sollecitazione.fissato) figuracarico(sollecitazione.carico);
}

void FrmVask_2::lineedichiusura() {
    for (int i = 1; i < sez.l; ++i) {
        const float* s = sez.linee[i];
        pic.linea(s[L::x1], s[L::y1], s[L::x2], s[L::y2], colori.colorelinea);
    }
}

void FrmVask_2::rigenerasolosezioneelinea() { passosezione(true); }

void FrmVask_2::passosezione(bool connocciolo) {
    auto latitriangoli = [this](bool positivi) {
        for (int i = 1; i < sez.prossimotriangolo; ++i) {
            const float* t = sez.triangoli[i];
            if (positivi ? !(t[T::densita] > 0) : !(t[T::densita] < 0)) continue;
            pic.linea(t[T::x1], t[T::y1], t[T::x2], t[T::y2], colori.coloresezione);
            pic.linea(t[T::x2], t[T::y2], t[T::x3], t[T::y3], colori.coloresezione);
            pic.linea(t[T::x3], t[T::y3], t[T::x1], t[T::y1], colori.coloresezione);
        }
    };
    // Triangles are filled only when no element is being built or changed.
    const bool campitura = costruzione.puntorettangolo == 0 && costruzione.puntotriangolo == 0 && costruzione.puntocerchio == 0 &&
                           costruzione.puntolinea == 0 && !cambioestremo.disegnodinamicosottomodifica;

    for (int i = 1; i < sez.prossimorettangolo; ++i) {
        const float* r = sez.rettangoli[i];
        if (!(r[R::densita] > 0)) continue;
        pic.coloreriempimento = colori.coloresezione;
        pic.riempimentopieno = true;
        pic.rettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], pic.primopiano);
    }
    latitriangoli(true);
    if (campitura) campituratriangoli();
    for (int i = 1; i < sez.prossimocerchio; ++i) {
        const float* c = sez.cerchi[i];
        if (!(c[C::densita] > 0)) continue;
        pic.coloreriempimento = colori.coloresezione;
        pic.riempimentopieno = true;
        pic.cerchio(c[C::xc], c[C::yc], c[C::raggio], pic.primopiano);
    }
    lineedichiusura();
    latitriangoli(false);
    if (campitura) campituratriangoli();
    for (int i = 1; i < sez.prossimorettangolo; ++i) {
        const float* r = sez.rettangoli[i];
        if (!(r[R::densita] < 0)) continue;
        pic.coloreriempimento = colori.coloresfondo;
        pic.riempimentopieno = true;
        pic.rettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], colori.coloresezione);
    }
    for (int i = 1; i < sez.prossimocerchio; ++i) {
        const float* c = sez.cerchi[i];
        if (!(c[C::densita] < 0)) continue;
        pic.coloreriempimento = colori.coloresfondo;
        pic.riempimentopieno = true;
        pic.cerchio(c[C::xc], c[C::yc], c[C::raggio], colori.coloresezione);
    }
    if (connocciolo && modo.eseguo) btnNoccioloCentrale_Click();
    lineedichiusura();
}

// Each triangle as one solid polygon: a sweep of one-pixel strokes leaves gaps
// on wide high-DPI areas and cannot advance far from the origin.
void FrmVask_2::campituratriangoli() {
    for (int i = 1; i < sez.prossimotriangolo; ++i) {
        const float* t = sez.triangoli[i];
        float(&v)[3][4] = verticitriangolo;
        v[1][1] = t[T::x1], v[2][1] = t[T::y1];
        v[1][2] = t[T::x2], v[2][2] = t[T::y2];
        v[1][3] = t[T::x3], v[2][3] = t[T::y3];
        for (int a = 1; a <= 2; ++a)
            for (int b = 2; b <= 3; ++b)
                if (v[1][b] < v[1][a]) {
                    std::swap(v[1][a], v[1][b]);
                    std::swap(v[2][a], v[2][b]);
                }
        const float densita = t[T::densita];
        if (densita == 0) continue;
        const float xy[6] = {v[1][1], v[2][1], v[1][2], v[2][2], v[1][3], v[2][3]};
        pic.poligono(xy, 3, densita < 0 ? colori.coloresfondo : colori.coloresezione);
    }
}

}  // namespace vask
