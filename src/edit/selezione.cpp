// Selection: in select mode a click picks the last element of the chosen kind
// that passes its hit test, highlights it and shows its data; move, delete
// and modify then act on it.
#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/geometria.h"

namespace vask {

bool& FrmVask_2::premuto(int k) {
    bool* v[4] = {&modo.rettangolopremuto, &modo.triangolopremuto, &modo.cerchiopremuto,
                  &modo.lineapremuto};
    return *v[k];
}
bool& FrmVask_2::selezionato(int k) {
    bool* v[4] = {&selezione.hoselezionatounrettangolo, &selezione.hoselezionatountriangolo,
                  &selezione.hoselezionatouncerchio, &selezione.hoselezionatounalinea};
    return *v[k];
}
bool& FrmVask_2::selezionando(int k) {
    bool* v[4] = {&selezione.selezionorettangolo, &selezione.selezionotriangolo,
                  &selezione.selezionocerchio, &selezione.selezionolinea};
    return *v[k];
}
bool& FrmVask_2::spostando(int k) {
    bool* v[4] = {&spostamento.spostorettangolo, &spostamento.spostotriangolo,
                  &spostamento.spostocerchio, &spostamento.spostolinea};
    return *v[k];
}
bool& FrmVask_2::cancellando(int k) {
    bool* v[4] = {&cancellazione.cancellorettangolo, &cancellazione.cancellotriangolo,
                  &cancellazione.cancellocerchio, &cancellazione.cancellolinea};
    return *v[k];
}
int& FrmVask_2::riga(int k) {
    int* v[4] = {&selezione.rigarettangoloselezionato, &selezione.rigatriangoloselezionato,
                 &selezione.rigacerchioselezionato, &selezione.rigalineaselezionata};
    return *v[k];
}
int FrmVask_2::prossimo(int k) const {
    const int v[4] = {sez.prossimorettangolo, sez.prossimotriangolo, sez.prossimocerchio, sez.l};
    return v[k];
}

bool FrmVask_2::selezionevalida(int k) {
    return premuto(k) && selezionato(k) && riga(k) >= 1 && riga(k) < prossimo(k);
}

// Every element that passes is selected in turn, each selection wiping the
// last: the last in table order is the one that stays.
void FrmVask_2::selezionaclic(int k) {
    const float px = puntox(), py = puntoy(), altezza = pic.scaleheight;
    int scelto = 0;
    for (int i = 1; i < prossimo(k); ++i) {
        bool colpito = false;
        switch (k) {
        case RETTANGOLO: colpito = colpiscerettangolo(sez.rettangoli[i], px, py); break;
        case TRIANGOLO:
            colpito = colpiscetriangolo(sez.triangoli[i], sez.puntitriangoli[i][7],
                                        sez.puntitriangoli[i][8], px, py, altezza);
            break;
        case CERCHIO: colpito = colpiscecerchio(sez.cerchi[i], px, py); break;
        case LINEA: colpito = colpiscelinea(sez.linee[i], px, py, altezza); break;
        }
        if (colpito) scelto = i;
    }
    if (scelto) seleziona(k, scelto);
}

void FrmVask_2::seleziona(int k, int n) {
    solo(selezione.hoselezionatounrettangolo, selezione.hoselezionatountriangolo,
         selezione.hoselezionatouncerchio, selezione.hoselezionatounalinea, k);
    mnuVisualizzaRigenera_Click();

    const auto testo = [](float v) { return testosingolo(v); };
    const char* const vuote[8] = {"lblIxgyg", "lblRxc", "lblRyc", "lblAngoloxc",
                                  "lblIxg",   "lblIyg", "lblIxc", "lblIyc"};
    // The element's data in the panel: its own area, mass, inertia, centroid.
    const auto pannello = [&](float densita, const char* raggio, float area, float massa,
                              float ix, float iy, float xg, float yg, float ixy) {
        ctl.testo("lblDensitàAttuale", testo(densita));
        ctl.testo("lblRaggioAttuale", raggio);
        ctl.testo("lblArea", testo(area));
        ctl.testo("lblMassa", testo(massa));
        ctl.testo("lblIx", testo(ix));
        ctl.testo("lblIy", testo(iy));
        ctl.testo("lblXg", testo(xg));
        ctl.testo("lblYg", testo(yg));
        ctl.testo("lblIxy", testo(ixy));
    };
    const auto punto = [&](const char* x, const char* y, float vx, float vy) {
        ctl.testo(x, testo(vx));
        ctl.testo(y, testo(vy));
    };

    switch (k) {
    case RETTANGOLO: {
        const float* r = sez.rettangoli[n];
        pic.riempimentopieno = true;
        pic.coloreriempimento = CIANO;
        pic.rettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], pic.primopiano);
        btnNoccioloCentrale_Click();
        punto("lblPrimoPuntoX", "lblPrimoPuntoY", r[R::x1], r[R::y1]);
        punto("lblSecondoPuntoX", "lblSecondoPuntoY", r[R::x2], r[R::y2]);
        etichettepunti(3);
        pannello(r[R::densita], "", r[R::area], r[R::massa], r[R::ix], r[R::iy], r[R::xg],
                 r[R::yg], r[R::ixy]);
        break;
    }
    case TRIANGOLO: {
        // One solid cyan polygon and its sides: a sweep of strokes would leave gaps.
        const float* t = sez.triangoli[n];
        const float xy[6] = {t[T::x1], t[T::y1], t[T::x2], t[T::y2], t[T::x3], t[T::y3]};
        pic.poligono(xy, 3, CIANO);
        pic.linea(t[T::x1], t[T::y1], t[T::x2], t[T::y2], CIANO);
        pic.linea(t[T::x2], t[T::y2], t[T::x3], t[T::y3], CIANO);
        pic.linea(t[T::x3], t[T::y3], t[T::x1], t[T::y1], CIANO);
        punto("lblPrimoPuntoX", "lblPrimoPuntoY", t[T::x1], t[T::y1]);
        punto("lblSecondoPuntoX", "lblSecondoPuntoY", t[T::x2], t[T::y2]);
        punto("lblTerzoPuntoX", "lblTerzoPuntoY", t[T::x3], t[T::y3]);
        pannello(t[T::densita], "", t[T::area], t[T::massa], t[T::ix], t[T::iy], t[T::xg],
                 t[T::yg], t[T::ixy]);
        break;
    }
    case CERCHIO: {
        const float* c = sez.cerchi[n];
        pic.riempimentopieno = true;
        pic.coloreriempimento = CIANO;
        pic.cerchio(c[C::xc], c[C::yc], c[C::raggio], pic.primopiano);
        btnNoccioloCentrale_Click();
        punto("lblPrimoPuntoX", "lblPrimoPuntoY", c[C::xc], c[C::yc]);
        etichettepunti(2);
        pannello(c[C::densita], "", c[C::area], c[C::massa], c[C::ix], c[C::iy], c[C::xc],
                 c[C::yc], c[C::ixy]);
        ctl.testo("lblRaggioAttuale", testo(c[C::raggio]));
        break;
    }
    case LINEA: {
        const float* l = sez.linee[n];
        pic.linea(l[L::x1], l[L::y1], l[L::x2], l[L::y2], CIANO);
        punto("lblPrimoPuntoX", "lblPrimoPuntoY", l[L::x1], l[L::y1]);
        punto("lblSecondoPuntoX", "lblSecondoPuntoY", l[L::x2], l[L::y2]);
        etichettepunti(3);
        for (const char* nome : {"lblDensitàAttuale", "lblRaggioAttuale", "lblArea", "lblMassa",
                                 "lblIx", "lblIy", "lblXg", "lblYg", "lblIxy"})
            ctl.testo(nome, "");
        break;
    }
    }
    for (const char* nome : vuote) ctl.testo(nome, "");
    riga(k) = n;
    ctl.testo("lblContatore", testointero(n));
    ctl.sfondo("btnSposta", VERDE);
    ctl.sfondo("btnCancella", VERDE);
    modo.cancello = true;
    ctl.sfondo("btnModifica", VERDE);
    modo.modifico = true;
}

}  // namespace vask
