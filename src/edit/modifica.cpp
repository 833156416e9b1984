// Modify: the density of the selected rectangle or triangle, radius and
// density of a circle, or one end of a closure line (two clicks).
#include <algorithm>
#include <cmath>

#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/geometria.h"

namespace vask {

void FrmVask_2::btnModifica_Click() {
    if (ctl.sfondo("btnModifica") == FACCIA || !modo.seleziono) return;
    const auto comincia = [this] {
        modo.modifico = true;
        modo.sposto = modo.cancello = false;
        for (const char* b : {"btnSposta", "btnCancella", "btnModifica"}) ctl.sfondo(b, VERDE);
    };
    // A density is judged as it will be stored; a refused one changes nothing.
    const auto densita = [this](float& d, float areageometrica) {
        const Portata portata = leggisingolo(ctl.testo("txtDensita"), d);
        return densitaammessa(portata, d, segno(d) * areageometrica);
    };
    if (selezionevalida(RETTANGOLO)) {
        float* r = sez.rettangoli[riga(RETTANGOLO)];
        comincia();
        float d = 0;
        if (!densita(d, std::fabs(r[R::x1] - r[R::x2]) * std::fabs(r[R::y1] - r[R::y2]))) return;
        registra(componi(QT_TRANSLATE_NOOP("Vask", "modifica densità rettangolo %1"), {testointero(riga(RETTANGOLO))}));
        r[R::densita] = d;
        r[R::area] = std::fabs(r[R::x1] - r[R::x2]) * segno(d) * std::fabs(r[R::y1] - r[R::y2]);
        r[R::massa] = std::fabs(d) * r[R::area];
        ctl.testo("lblDensitàAttuale", testosingolo(d));
        ctl.testo("lblRaggioAttuale", "");
        ris.attuali = false;
    }
    if (selezionevalida(TRIANGOLO)) {
        float* t = sez.triangoli[riga(TRIANGOLO)];
        comincia();
        const float geometrica =
            areatriangolo(t[T::x1], t[T::y1], t[T::x2], t[T::y2], t[T::x3], t[T::y3], 1);
        float d = 0;
        if (!densita(d, geometrica)) return;
        registra(componi(QT_TRANSLATE_NOOP("Vask", "modifica densità triangolo %1"), {testointero(riga(TRIANGOLO))}));
        t[T::densita] = d;
        t[T::area] = areatriangolo(t[T::x1], t[T::y1], t[T::x2], t[T::y2], t[T::x3], t[T::y3], d);
        t[T::massa] = std::fabs(d) * t[T::area];
        ctl.testo("lblDensitàAttuale", testosingolo(d));
        ctl.testo("lblRaggioAttuale", "");
        ris.attuali = false;
    }
    if (selezionevalida(CERCHIO)) {
        const int n = riga(CERCHIO);
        float* c = sez.cerchi[n];
        comincia();
        const double r = valoreiniziale(ctl.testo("txtRaggio"));
        if (!(r > 0)) {
            avviso(QT_TRANSLATE_NOOP("Vask", "Il cerchio modificato deve avere il raggio maggiore di zero. Reinserire il "
                   "raggio."), QT_TRANSLATE_NOOP("Vask", "Cerchio degenere."));
            return;
        }
        if (r > c[C::xc] || r > c[C::yc]) {
            avviso(componi(QT_TRANSLATE_NOOP("Vask", "Il cerchio modificato deve rimanere nella zona positiva dell'area "
                                                     "grafica. Reinserire il raggio che per il caso specifico non deve "
                                                     "essere maggiore di %1."),
                           {testosingolo(c[C::xc] <= c[C::yc] ? c[C::xc] : c[C::yc])}),
                   QT_TRANSLATE_NOOP("Vask", "Cerchio fuori dei limiti dell'area grafica."));
            return;
        }
        float raggio = 0;
        const Portata portata = leggisingolo(ctl.testo("txtRaggio"), raggio);
        if (!raggioammesso(portata, raggio)) return;
        if (cerchiooltreilmondo(c[C::xc], c[C::yc], raggio)) {
            const float spazio = LIMITEMONDO - std::max(c[C::xc], c[C::yc]);
            avviso(componi(QT_TRANSLATE_NOOP("Vask", "Il cerchio modificato deve rimanere entro le coordinate %1 "
                                                     "dell'area grafica. Reinserire il raggio che per il caso specifico "
                                                     "non deve essere maggiore di %2."),
                           {testosingolo(LIMITEMONDO), testosingolo(spazio)}),
                   QT_TRANSLATE_NOOP("Vask", "Cerchio fuori dei limiti dell'area grafica."));
            return;
        }
        float d = 0;
        if (!densita(d, pigreco * raggio * raggio)) return;
        registra(componi(QT_TRANSLATE_NOOP("Vask", "modifica cerchio %1"), {testointero(n)}));
        c[C::densita] = d;
        c[C::raggio] = raggio;
        c[C::area] = areacerchio(raggio, d, pigreco);
        c[C::massa] = std::fabs(d) * c[C::area];
        ctl.testo("lblDensitàAttuale", testosingolo(d));
        ctl.testo("lblRaggioAttuale", testosingolo(raggio));
        sez.puntidicerchio(n);
        ris.attuali = false;
        mnuVisualizzaRigenera_Click();
        pic.riempimentopieno = true;
        pic.coloreriempimento = CIANO;
        pic.cerchio(c[C::xc], c[C::yc], c[C::raggio], pic.primopiano);
    }
    if (selezionevalida(LINEA)) {
        ctl.testo("lblDensitàAttuale", "");
        ctl.testo("lblRaggioAttuale", "");
        misura.distanza = false;
        modo.sposto = modo.cancello = false;
        modo.modifico = true;
        ctl.sfondo("btnSposta", FACCIA);
        ctl.sfondo("btnCancella", FACCIA);
        ctl.sfondo("btnModifica", VERDE);
        cambioestremo.modlineamettipunto = 1;
        cambioestremo.cambioestremodellalinea = true;
    } else {
        modo.modifico = false;
    }
}

void FrmVask_2::abbandonacambioestremo() {
    cambioestremo.cambioestremodellalinea = false;
    cambioestremo.modlineamettipunto = 0;
    cambioestremo.disegnodinamicosottomodifica = false;
}

// First click: the end to move, the first within a twentieth of the height,
// else the second within a twentieth of the width. Second click: its new place.
bool FrmVask_2::cambioestremoclic() {
    nessuno(selezione.selezionorettangolo, selezione.selezionotriangolo,
            selezione.selezionocerchio, selezione.selezionolinea);
    const int n = selezione.rigalineaselezionata;
    if (n < 1 || n >= sez.l) {
        abbandonacambioestremo();  // the line is gone
        return false;
    }
    float* s = sez.linee[n];
    const float px = puntox(), py = puntoy();
    auto& c = cambioestremo;
    if (c.modlineamettipunto == 1) {
        if (distanzapunti(px, py, s[L::x1], s[L::y1]) < pic.scaleheight / 20)
            c.colonnax = L::x1, c.colonnay = L::y1;
        else if (distanzapunti(px, py, s[L::x2], s[L::y2]) < pic.scalewidth / 20)
            c.colonnax = L::x2, c.colonnay = L::y2;
        else
            return false;
        puntobase(s[c.colonnax], s[c.colonnay]);
        c.disegnodinamicosottomodifica = true;
        c.modlineamettipunto = 2;
        return false;
    }
    if (c.modlineamettipunto != 2) return false;
    punti.puntofinalex = px;
    punti.puntofinaley = py;
    // The end as it will be stored: old + (click - old) may round onto the other end.
    const float nuovax = s[c.colonnax] + (punti.puntofinalex - punti.puntobasex);
    const float nuovay = s[c.colonnay] + (punti.puntofinaley - punti.puntobasey);
    const float altrax = c.colonnax == L::x1 ? s[L::x2] : s[L::x1];
    const float altray = c.colonnax == L::x1 ? s[L::y2] : s[L::y1];
    if (nuovax == altrax && nuovay == altray) {
        avviso(componi(QT_TRANSLATE_NOOP("Vask", "La linea risulta essere degenere. Reinserire il secondo punto che "
                                                 "deve essere diverso da    ( %1 ; %2 )."),
                       {testosingolo(altrax), testosingolo(altray)}),
               QT_TRANSLATE_NOOP("Vask", "Linea modificata degenere."));
        return true;
    }
    registra(componi(QT_TRANSLATE_NOOP("Vask", "modifica estremo linea %1"), {testointero(n)}));
    s[c.colonnax] = nuovax;
    s[c.colonnay] = nuovay;
    c.modlineamettipunto = 0;
    sez.puntidilinea(n);
    noccioloscaduto();
    for (int j = RETTANGOLO; j <= LINEA; ++j)
        if (modo.seleziono && premuto(j)) selezionando(j) = true;
    // The change consumed the selection: nothing may act on its emptied row.
    selezione.rigalineaselezionata = 0;
    selezione.hoselezionatounalinea = false;
    modo.cancello = modo.modifico = false;
    c.cambioestremodellalinea = false;
    ctl.sfondo("btnModifica", FACCIA);
    ctl.sfondo("btnCancella", FACCIA);
    ctl.sfondo("btnSposta", FACCIA);
    c.disegnodinamicosottomodifica = false;
    mnuVisualizzaRigenera_Click();
    return false;
}

}  // namespace vask
