// The load tool: a load point C taken like any point, its neutral axis, the
// extreme stresses and the verdict against the kern.
#include "edit/frmvask2.h"
#include "edit/relazionetesto.h"
#include "model/numeri.h"

namespace vask {

namespace {

const char* const NEGATO = QT_TRANSLATE_NOOP("Vask", "Carico negato.");

std::string numero(double v) { return testosingolo(float(v)); }

}  // namespace

std::string FrmVask_2::caricorifiutato() {
    if (!ris.eseguito || !ris.attuali)
        return QT_TRANSLATE_NOOP("Vask", "Premi prima Esegui: il centro di sollecitazione si studia sui risultati della sezione così com'è.");
    sollecitazione.relazione = relazione();
    if (!caricoammesso(sollecitazione.relazione))
        return QT_TRANSLATE_NOOP("Vask", "Un raggio centrale d'inerzia è nullo (per i fori della sezione): l'asse neutro non è definito.");
    if (funzioniattive()) return QT_TRANSLATE_NOOP("Vask", "Disattivare le funzioni di disegno e modifica.");
    return "";
}

void FrmVask_2::btnCarico_Click() { mnuStrumentiCarico_Click(); }

void FrmVask_2::mnuStrumentiCarico_Click() {
    // Pressed again while it waits: the tool goes off.
    if (sollecitazione.modo) {
        abbandonacarico();
        indicazioni();
        return;
    }
    if (const std::string perche = caricorifiutato(); !perche.empty()) {
        avviso(perche, NEGATO);
        return;
    }
    abbandonacarico();
    fermapan();
    misura.distanza = false;
    sollecitazione.modo = true;
    ctl.sfondo("btnCarico", GIALLO);
    indicazioni();
}

void FrmVask_2::abbandonacarico() {
    sollecitazione.modo = sollecitazione.fissato = false;
    ctl.sfondo("btnCarico", FACCIA);
    for (const char* nome : {"lblCaricoXi", "lblCaricoEta", "lblAsseNeutroXi", "lblAsseNeutroEta", "lblSigmaMin",
                             "lblSigmaMax"})
        ctl.testo(nome, "");
    if (!pic.segni.primitive.empty()) pic.svuotasegni();
}

void FrmVask_2::mostracarico(double x, double y, bool fissa) {
    const Carico c = calcolacarico(sollecitazione.relazione, ris.calcolata, x, y);
    ctl.testo("lblCaricoXi", numero(c.xi));
    ctl.testo("lblCaricoEta", numero(c.eta));
    ctl.testo("lblAsseNeutroXi", c.xiinfinito ? INFINITO : numero(c.xi0));
    ctl.testo("lblAsseNeutroEta", c.etainfinito ? INFINITO : numero(c.eta0));
    ctl.testo("lblSigmaMin", numero(c.smin));
    ctl.testo("lblSigmaMax", numero(c.smax));
    figuracarico(c);
    if (!fissa) return;
    sollecitazione.modo = false;
    sollecitazione.fissato = true;
    sollecitazione.carico = c;
    ctl.sfondo("btnCarico", FACCIA);
    ctl.testo("lblDescrizione", frasecarico(c));
}

bool FrmVask_2::caricoclic() {
    mostracarico(puntox(), puntoy(), true);
    return true;
}

void FrmVask_2::figuracarico(const Carico& c) {
    const Relazione& r = sollecitazione.relazione;
    pic.svuotasegni();
    pic.strumento = true;
    const double x1 = pic.scaleleft, x2 = x1 + pic.scalewidth;
    const double y1 = -pic.scaletop, y2 = y1 + pic.scaleheight;
    double ax, ay, bx, by;
    if (asseneutro(r, c, x1, y1, x2, y2, ax, ay, bx, by))
        pic.linea(float(ax), float(ay), float(bx), float(by), ARANCIONE);
    // The line of the load, G to C, dashed; only its part in the view.
    if (!c.baricentro && ritaglia(r.xg, r.yg, c.x, c.y, 0, 1, x1, y1, x2, y2, ax, ay, bx, by))
        pic.lineatratteggiata(float(ax), float(ay), float(bx), float(by), ROSSO);
    const float d = pic.scalewidth / 150;
    const float cx = float(c.x), cy = float(c.y);
    pic.linea(cx - d, cy - d, cx + d, cy + d, ROSSO);
    pic.linea(cx - d, cy + d, cx + d, cy - d, ROSSO);
    // The most compressed point in red, the most tensioned in blue, as squares.
    if (!c.baricentro) {
        const bool pieno = pic.riempimentopieno;
        pic.riempimentopieno = false;
        pic.rettangolo(float(c.xmax) - d, float(c.ymax) - d, float(c.xmax) + d, float(c.ymax) + d, ROSSO);
        pic.rettangolo(float(c.xmin) - d, float(c.ymin) - d, float(c.xmin) + d, float(c.ymin) + d, BLU);
        pic.riempimentopieno = pieno;
    }
    pic.strumento = false;
}

bool FrmVask_2::fissacarico(double x, double y, std::string& perche) {
    if (perche = caricorifiutato(); !perche.empty()) return false;
    mostracarico(x, y, true);
    return true;
}

std::string FrmVask_2::righecarico() const {
    if (!sollecitazione.fissato) return "";
    const Carico& c = sollecitazione.carico;
    const auto punto = [](double px, double py) { return " (" + numero(px) + "; " + numero(py) + ")"; };
    return "ξC = " + numero(c.xi) + "\nηC = " + numero(c.eta) + "\nξ0 = " + (c.xiinfinito ? INFINITO : numero(c.xi0)) +
           "\nη0 = " + (c.etainfinito ? INFINITO : numero(c.eta0)) + "\nsmin = " + numero(c.smin) + punto(c.xmin, c.ymin) +
           "\nsmax = " + numero(c.smax) + punto(c.xmax, c.ymax) + "\nnocciolo = " + parolaverdetto(c.verdetto) + "\n";
}

}  // namespace vask
