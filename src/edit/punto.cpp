// Points typed on the keyboard, given to the command that waits for one as a
// click would give it; Esc abandons the command in progress.
#include "edit/frmvask2.h"
#include "model/geometria.h"
#include "model/puntodigitato.h"

namespace vask {

namespace {

const char* const FORME = QT_TRANSLATE_NOOP(
    "Vask",
    "Scrivere il punto come x;y (per esempio 3.5;2 oppure 3,5;2), oppure come x y separati da uno "
    "spazio (3.5 2), oppure come @dx;dy rispetto all'ultimo punto dato (@1;0). Il separatore "
    "decimale è il punto o la virgola; 3,5 da solo non è un punto.");
constexpr size_t MAXSTORIAPUNTI = 100;

}  // namespace

bool FrmVask_2::attendepunto() const {
    return costruzione.disegnorettangolo || costruzione.disegnotriangolo || costruzione.disegnocerchio ||
           costruzione.disegnolinea || spostamento.spostorettangolo || spostamento.spostotriangolo ||
           spostamento.spostocerchio || spostamento.spostolinea || selezione.selezionorettangolo ||
           selezione.selezionotriangolo || selezione.selezionocerchio || selezione.selezionolinea ||
           cambioestremo.cambioestremodellalinea || misura.distanza ||
           sollecitazione.modo;
}

void FrmVask_2::txtPunto_Invio() {
    const std::string testo = ctl.testo("txtPunto");
    PuntoDigitato p;
    switch (leggipunto(testo, p)) {
    case EsitoPunto::Forma: avviso(FORME, QT_TRANSLATE_NOOP("Vask", "Punto non valido.")); return;
    case EsitoPunto::Numero:
        avviso(componi(QT_TRANSLATE_NOOP("Vask", "Un numero del punto è troppo grande o troppo piccolo per essere "
                                                 "memorizzato. %1"),
                       {FORME}),
               QT_TRANSLATE_NOOP("Vask", "Punto non valido."));
        return;
    case EsitoPunto::Ammesso: break;
    }
    // Added to 0 so that a typed -0 reads 0.
    const double x = (p.relativo ? double(ultimopuntox_) + p.x : p.x) + 0.0;
    const double y = (p.relativo ? double(ultimopuntoy_) + p.y : p.y) + 0.0;
    if (!(x >= 0 && x <= LIMITEMONDO && y >= 0 && y <= LIMITEMONDO)) {
        avviso(componi(QT_TRANSLATE_NOOP("Vask", "Le coordinate del punto devono essere comprese tra 0 e %1. %2"),
                       {testosingolo(LIMITEMONDO), FORME}),
               QT_TRANSLATE_NOOP("Vask", "Punto non valido."));
        return;
    }
    if (storiapunti_.empty() || storiapunti_.back() != testo) storiapunti_.push_back(testo);
    if (storiapunti_.size() > MAXSTORIAPUNTI) storiapunti_.erase(storiapunti_.begin());
    indicestoria_ = storiapunti_.size();
    ctl.testo("txtPunto", "");

    // The readout first, as if the mouse were there; no snap moves it.
    scrivilettura(float(x), float(y));
    ultimopuntox_ = puntox();
    ultimopuntoy_ = puntoy();
    // The next press reads the mouse again, wherever it is.
    mossogia_ = false;
    if (!attendepunto()) return;
    smistaclic(false);
    frecceapertura();
}

void FrmVask_2::txtPunto_Su() {
    if (indicestoria_ == 0) return;
    ctl.testo("txtPunto", storiapunti_[--indicestoria_]);
}

void FrmVask_2::txtPunto_Giu() {
    if (indicestoria_ >= storiapunti_.size()) return;
    ++indicestoria_;
    ctl.testo("txtPunto", indicestoria_ < storiapunti_.size() ? storiapunti_[indicestoria_] : "");
}

void FrmVask_2::tasto_Esc() { abbandonacomando(); }

}  // namespace vask
