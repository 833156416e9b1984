// The drawing area's mouse: the cursor readout (the current point of every
// command), the dispatch of a click to the commands, the drawing commands and
// the live preview.
#include <cfloat>
#include <cmath>

#include "edit/frmvask2.h"
#include "edit/tipi.h"
#include "model/geometria.h"
#include "model/numeri.h"

namespace vask {

// ---- Current point ----------------------------------------------------------

void FrmVask_2::scrivilettura(float x, float y) {
    // A caption that changes loses the object-snap signal colour.
    auto scrivi = [this](const char* nome, std::string testo) {
        Controllo& c = ctl[nome];
        if (c.didascalia == testo) return;
        c.didascalia = std::move(testo);
        c.sfondo = FACCIA;
    };
    scrivi("lblCoordinataX", testosingolo(x));
    scrivi("lblCoordinataY", testosingolo(y));
}

void FrmVask_2::letturacursore(float x, float y) {
    const float wx = x, wy = pic.scaleheight - y;
    scrivilettura(wx, wy);
    if (vista.osnapattivo && oggettosnap(wx, wy)) return;
    if (vista.snapattivo) grigliasnap(wx, wy);
}

void FrmVask_2::mostrapunto(int k) {
    static const char* const X[3] = {"lblPrimoPuntoX", "lblSecondoPuntoX", "lblTerzoPuntoX"};
    static const char* const Y[3] = {"lblPrimoPuntoY", "lblSecondoPuntoY", "lblTerzoPuntoY"};
    ctl.testo(X[k - 1], ctl.testo("lblCoordinataX"));
    ctl.testo(Y[k - 1], ctl.testo("lblCoordinataY"));
    if (k < 3) etichettepunti(k + 1);
}

float FrmVask_2::puntox() const { return valoredidascaliasingolo(ctl.testo("lblCoordinataX")); }
float FrmVask_2::puntoy() const { return valoredidascaliasingolo(ctl.testo("lblCoordinataY")); }

void FrmVask_2::picAreagrafica_MouseMove(float x, float y) {
    mossogia_ = true;
    ultimax_ = x;
    ultimay_ = y;
    indicazioni();
    anteprima();
    letturacursore(x, y);
    if (sollecitazione.modo) mostracarico(puntox(), puntoy(), false);
}

void FrmVask_2::picAreagrafica_MouseDown(float x, float y) {
    // A press that no move announced (a touch screen, a first click) would find
    // the readout empty or stale: take the point from the press itself.
    if (!mossogia_ || x != ultimax_ || y != ultimay_) {
        mossogia_ = true;
        ultimax_ = x;
        ultimay_ = y;
        letturacursore(x, y);
    }
    ultimopuntox_ = puntox();
    ultimopuntoy_ = puntoy();
    smistaclic(true);
}

void FrmVask_2::smistaclic(bool conpan) {
    // The click is offered to the commands in this fixed order; a branch that
    // answers true (a message, or a command completed) ends it. The base point
    // of a move and the first point of a distance let it go on.
    if (sollecitazione.modo && caricoclic()) return;
    if (costruzione.disegnorettangolo && disegnarettangolo()) return;
    if (costruzione.disegnotriangolo && disegnatriangolo()) return;
    if (costruzione.disegnolinea && disegnalinea()) return;
    if (costruzione.disegnocerchio && disegnacerchio()) return;
    if (spostamento.spostorettangolo && spostaclic(RETTANGOLO)) return;
    if (spostamento.spostotriangolo && spostaclic(TRIANGOLO)) return;
    if (spostamento.spostocerchio && spostaclic(CERCHIO)) return;
    if (spostamento.spostolinea && spostaclic(LINEA)) return;
    if (selezione.selezionorettangolo) selezionaclic(RETTANGOLO);
    if (selezione.selezionotriangolo) selezionaclic(TRIANGOLO);
    if (selezione.selezionocerchio) selezionaclic(CERCHIO);
    if (selezione.selezionolinea) selezionaclic(LINEA);
    if (cambioestremo.cambioestremodellalinea && cambioestremoclic()) return;
    if (misura.distanza && distanzaclic()) return;
    if (conpan && vista.pan == 1) panpremuto();
}

void FrmVask_2::picAreagrafica_MouseUp(float, float) {
    if (vista.pan == 2) panrilasciato();
    frecceapertura();
}

void FrmVask_2::picAreagrafica_Paint() { pic.svuotasovrapposto(); }

// ---- Drawing ------------------------------------------------------------------

// Every click of a drawing command counts a point; a full table refuses even
// the first one.
bool FrmVask_2::tabellapiena(int& punto, int prossimo, int capienza, const char* modello,
                             const char* titolo) {
    ++punto;
    if (prossimo <= capienza) return false;
    avviso(componi(modello, {testointero(capienza)}), titolo);
    punto = 0;
    return true;
}

bool FrmVask_2::densitaammessa(Portata portata, float densita, float area) {
    const float massa = std::fabs(densita) * area;
    if (portata == Portata::Troppogrande || !std::isfinite(area) || !std::isfinite(massa)) {
        avviso(QT_TRANSLATE_NOOP("Vask", "La densità inserita è troppo grande per il calcolo. Reinserire la densità."), QT_TRANSLATE_NOOP("Vask", "Densità fuori dei limiti."));
        return false;
    }
    // A density typed as a number but lost to the float storage would leave a
    // weightless element in a table slot without a word.
    if (portata == Portata::Troppopiccolo || (densita != 0 && area != 0 && massa == 0)) {
        avviso(QT_TRANSLATE_NOOP("Vask", "La densità inserita è troppo piccola per essere memorizzata. Reinserire la "
               "densità."), QT_TRANSLATE_NOOP("Vask", "Densità fuori dei limiti."));
        return false;
    }
    return true;
}

bool FrmVask_2::raggioammesso(Portata portata, float raggio) {
    // Judged as stored: a radius whose float or whose area is 0 or infinite
    // would make an invisible circle or an infinite one.
    const float area = pigreco * raggio * raggio;
    if (portata == Portata::Troppogrande || !std::isfinite(area)) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Il raggio inserito è troppo grande per essere memorizzato. Reinserire il raggio."), QT_TRANSLATE_NOOP("Vask", "Raggio fuori dei limiti."));
        return false;
    }
    if (portata == Portata::Troppopiccolo || area == 0) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Il raggio inserito è troppo piccolo per essere memorizzato. Reinserire il raggio."), QT_TRANSLATE_NOOP("Vask", "Raggio fuori dei limiti."));
        return false;
    }
    return true;
}

bool FrmVask_2::disegnarettangolo() {
    if (tabellapiena(costruzione.puntorettangolo, sez.prossimorettangolo, MAXRETTANGOLI,
                     QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 rettangoli."),
                     QT_TRANSLATE_NOOP("Vask", "Rettangoli esauriti.")))
        return true;
    const int n = sez.prossimorettangolo;
    float* r = sez.rettangoli[n];
    const float px = puntox(), py = puntoy();
    if (costruzione.puntorettangolo == 1) {
        r[R::x1] = px;
        r[R::y1] = py;
        mostrapunto(1);
        ctl.testo("lblDescrizione",
                  QT_TRANSLATE_NOOP("Vask", "Disegna rettangolo: Inserisci le coordinate dell'angolo opposto."));
        mnuVisualizzaRigenera_Click();
        return false;
    }
    if (px == r[R::x1] || py == r[R::y1]) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Il rettangolo inserito è degenere. Reinserire il secondo punto."), QT_TRANSLATE_NOOP("Vask", "Rettangolo degenere."));
        costruzione.puntorettangolo = 1;
        return true;
    }
    float densita = 0;
    const Portata portata = leggisingolo(ctl.testo("txtDensita"), densita);
    const float area = arearettangolo(r[R::x1], r[R::y1], px, py, densita);
    if (!densitaammessa(portata, densita, area)) {
        costruzione.puntorettangolo = 1;
        return true;
    }
    registra(componi(QT_TRANSLATE_NOOP("Vask", "disegna rettangolo %1"), {testointero(n)}));
    r[R::x2] = px;
    r[R::y2] = py;
    mostrapunto(2);
    ctl.testo("lblDescrizione",
              QT_TRANSLATE_NOOP("Vask", "Disegna rettangolo: Inserisci le coordinate di un angolo e la densità."));
    r[R::densita] = densita;
    r[R::area] = area;
    r[R::massa] = std::fabs(densita) * area;
    ctl.testo("lblContatore", testointero(n));
    sez.puntidirettangolo(n);
    r[R::xg] = sez.puntirettangoli[n][9];
    r[R::yg] = sez.puntirettangoli[n][10];
    ris.attuali = false;
    costruzione.puntorettangolo = 0;
    sez.prossimorettangolo = n + 1;
    mnuVisualizzaRigenera_Click();
    return false;
}

bool FrmVask_2::disegnatriangolo() {
    if (tabellapiena(costruzione.puntotriangolo, sez.prossimotriangolo, MAXTRIANGOLI,
                     QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 triangoli."),
                     QT_TRANSLATE_NOOP("Vask", "Triangoli esauriti.")))
        return true;
    const int n = sez.prossimotriangolo;
    float* t = sez.triangoli[n];
    const float px = puntox(), py = puntoy();
    if (costruzione.puntotriangolo == 1) {
        t[T::x1] = px;
        t[T::y1] = py;
        mostrapunto(1);
        ctl.testo("lblDescrizione",
                  QT_TRANSLATE_NOOP("Vask", "Disegna triangolo: Inserisci le coordinate del secondo vertice."));
        mnuVisualizzaRigenera_Click();
        return false;
    }
    if (costruzione.puntotriangolo == 2) {
        if (px == t[T::x1] && py == t[T::y1]) {
            avviso(QT_TRANSLATE_NOOP("Vask", "Il lato inserito è degenere. Reinserire il secondo punto."), QT_TRANSLATE_NOOP("Vask", "Triangolo degenere."));
            costruzione.puntotriangolo = 1;
            return true;
        }
        t[T::x2] = px;
        t[T::y2] = py;
        mostrapunto(2);
        ctl.testo("lblDescrizione",
                  QT_TRANSLATE_NOOP("Vask", "Disegna triangolo: Inserisci le coordinate del terzo vertice."));
        mnuVisualizzaRigenera_Click();
        return false;
    }
    const float x1 = t[T::x1], y1 = t[T::y1], x2 = t[T::x2], y2 = t[T::y2];
    if (terzoverticedegenere(x1, y1, x2, y2, px, py)) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Il triangolo inserito è degenere. Reinserire il terzo punto."), QT_TRANSLATE_NOOP("Vask", "Triangolo degenere."));
        costruzione.puntotriangolo = 2;
        return true;
    }
    float densita = 0;
    const Portata portata = leggisingolo(ctl.testo("txtDensita"), densita);
    const float area = areatriangolo(x1, y1, x2, y2, px, py, densita);
    if (!densitaammessa(portata, densita, area)) {
        costruzione.puntotriangolo = 2;
        return true;
    }
    registra(componi(QT_TRANSLATE_NOOP("Vask", "disegna triangolo %1"), {testointero(n)}));
    t[T::x3] = px;
    t[T::y3] = py;
    mostrapunto(3);
    ctl.testo("lblDescrizione",
              QT_TRANSLATE_NOOP("Vask", "Disegna triangolo: Inserisci le coordinate del primo vertice e la densità."));
    t[T::densita] = densita;
    t[T::area] = area;
    t[T::massa] = std::fabs(densita) * area;
    ctl.testo("lblContatore", testointero(n));
    sez.puntiditriangolo(n);
    t[T::xg] = sez.puntitriangoli[n][7];
    t[T::yg] = sez.puntitriangoli[n][8];
    ris.attuali = false;
    costruzione.puntotriangolo = 0;
    sez.prossimotriangolo = n + 1;
    mnuVisualizzaRigenera_Click();
    return false;
}

bool FrmVask_2::disegnalinea() {
    if (tabellapiena(costruzione.puntolinea, sez.l, MAXLINEE, QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 linee."),
                     QT_TRANSLATE_NOOP("Vask", "Linee esaurite.")))
        return true;
    const int n = sez.l;
    float* s = sez.linee[n];
    const float px = puntox(), py = puntoy();
    if (costruzione.puntolinea == 1) {
        s[L::x1] = px;
        s[L::y1] = py;
        mostrapunto(1);
        ctl.testo("lblDescrizione",
                  QT_TRANSLATE_NOOP("Vask", "Disegna linea: Inserisci le coordinate del secondo estremo del segmento."));
        mnuVisualizzaRigenera_Click();
        return false;
    }
    if (px == s[L::x1] && py == s[L::y1]) {
        avviso(QT_TRANSLATE_NOOP("Vask", "La linea inserita è degenere. Reinserire il secondo punto."), QT_TRANSLATE_NOOP("Vask", "Linea degenere."));
        costruzione.puntolinea = 1;
        return true;
    }
    registra(componi(QT_TRANSLATE_NOOP("Vask", "disegna linea %1"), {testointero(n)}));
    s[L::x2] = px;
    s[L::y2] = py;
    mostrapunto(2);
    ctl.testo("lblDescrizione",
              QT_TRANSLATE_NOOP("Vask", "Disegna linea: Inserisci le coordinate del primo estremo del segmento."));
    ctl.testo("lblContatore", testointero(n));
    sez.puntidilinea(n);
    costruzione.puntolinea = 0;
    sez.l = n + 1;
    mnuVisualizzaRigenera_Click();
    return false;
}

bool FrmVask_2::disegnacerchio() {
    if (tabellapiena(costruzione.puntocerchio, sez.prossimocerchio, MAXCERCHI,
                     QT_TRANSLATE_NOOP("Vask", "Non puoi usare più di %1 Cerchi."), QT_TRANSLATE_NOOP("Vask", "cerchi esauriti.")))
        return true;
    const int n = sez.prossimocerchio;
    // The radius as typed, in double precision for the checks and the message.
    const double raggiotesto = valoreiniziale(ctl.testo("txtRaggio"));
    if (!(raggiotesto > 0)) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Il cerchio inserito è degenere. Reinserire il raggio che deve essere maggiore di "
            "zero."), QT_TRANSLATE_NOOP("Vask", "Cerchio degenere."));
        costruzione.puntocerchio = 0;
        return true;
    }
    float raggio = 0;
    const Portata portataraggio = leggisingolo(ctl.testo("txtRaggio"), raggio);
    if (!raggioammesso(portataraggio, raggio)) {
        costruzione.puntocerchio = 0;
        return true;
    }
    const double pxd = valoredidascalia(ctl.testo("lblCoordinataX"));
    const double pyd = valoredidascalia(ctl.testo("lblCoordinataY"));
    if (pxd < raggiotesto || pyd < raggiotesto) {
        const std::string r = testodoppio(raggiotesto);
        avviso(componi(QT_TRANSLATE_NOOP("Vask", "Il cerchio inserito deve rimanere nella zona positiva dell'area grafica. "
                                                 "Reinserire il raggio oppure spostare il centro almeno nel punto di "
                                                 "coordinate ( %1 ; %1 ) ."),
                       {r}),
               QT_TRANSLATE_NOOP("Vask", "Cerchio fuori dei limiti dell'area grafica."));
        costruzione.puntocerchio = 0;
        return true;
    }
    if (cerchiooltreilmondo(puntox(), puntoy(), raggio)) {
        avviso(componi(QT_TRANSLATE_NOOP("Vask", "Il cerchio inserito deve rimanere entro le coordinate %1 dell'area "
                                                 "grafica. Reinserire il raggio oppure spostare il centro."),
                       {testosingolo(LIMITEMONDO)}),
               QT_TRANSLATE_NOOP("Vask", "Cerchio fuori dei limiti dell'area grafica."));
        costruzione.puntocerchio = 0;
        return true;
    }
    float densita = 0;
    const Portata portata = leggisingolo(ctl.testo("txtDensita"), densita);
    const float area = areacerchio(raggio, densita, pigreco);
    if (!densitaammessa(portata, densita, area)) {
        costruzione.puntocerchio = 0;
        return true;
    }
    registra(componi(QT_TRANSLATE_NOOP("Vask", "disegna cerchio %1"), {testointero(n)}));
    float* c = sez.cerchi[n];
    c[C::xc] = puntox();
    c[C::yc] = puntoy();
    mostrapunto(1);
    c[C::raggio] = raggio;
    c[C::densita] = densita;
    c[C::area] = area;
    c[C::massa] = std::fabs(densita) * area;
    ctl.testo("lblContatore", testointero(n));
    sez.puntidicerchio(n);
    ris.attuali = false;
    costruzione.puntocerchio = 0;
    sez.prossimocerchio = n + 1;
    mnuVisualizzaRigenera_Click();
    return false;
}

// ---- Live preview -------------------------------------------------------------

// Drawn from the readout as the previous move left it; each preview wipes the
// last one by regenerating the whole picture.
void FrmVask_2::anteprima() {
    const float densita = valoresingolo(ctl.testo("txtDensita"));
    const float px = puntox(), py = puntoy();

    if (costruzione.disegnorettangolo && sez.prossimorettangolo <= MAXRETTANGOLI && costruzione.puntorettangolo == 1) {
        mnuVisualizzaRigenera_Click();
        const float* r = sez.rettangoli[sez.prossimorettangolo];
        if (densita < 0) {
            pic.riempimentopieno = true;
            pic.coloreriempimento = colori.coloresfondo;
            pic.rettangolo(r[R::x1], r[R::y1], px, py, colori.coloresezione);
        } else if (densita > 0) {
            pic.riempimentopieno = true;
            pic.coloreriempimento = colori.coloresezione;
            pic.rettangolo(r[R::x1], r[R::y1], px, py, pic.primopiano);
        }
    }
    if (costruzione.disegnotriangolo && sez.prossimotriangolo <= MAXTRIANGOLI &&
        (costruzione.puntotriangolo == 1 || costruzione.puntotriangolo == 2)) {
        mnuVisualizzaRigenera_Click();
        const float* t = sez.triangoli[sez.prossimotriangolo];
        if (densita != 0) {
            if (costruzione.puntotriangolo == 1) {
                pic.linea(t[T::x1], t[T::y1], px, py, colori.coloresezione);
            } else {
                pic.linea(t[T::x1], t[T::y1], t[T::x2], t[T::y2], colori.coloresezione);
                pic.linea(t[T::x2], t[T::y2], px, py, colori.coloresezione);
            }
        }
    }
    if (costruzione.disegnolinea && sez.l <= MAXLINEE && costruzione.puntolinea == 1) {
        mnuVisualizzaRigenera_Click();
        const float* s = sez.linee[sez.l];
        pic.linea(s[L::x1], s[L::y1], px, py, colori.colorelinea);
    }
    if (cambioestremo.disegnodinamicosottomodifica && selezione.rigalineaselezionata >= 0 &&
        selezione.rigalineaselezionata <= MAXLINEE) {
        mnuVisualizzaRigenera_Click();
        const float* m = sez.linee[selezione.rigalineaselezionata];
        if (cambioestremo.colonnax == 1 && cambioestremo.colonnay == 2)
            pic.linea(px, py, m[L::x2], m[L::y2], colori.colorelinea);
        else if (cambioestremo.colonnax == 3 && cambioestremo.colonnay == 4)
            pic.linea(m[L::x1], m[L::y1], px, py, colori.colorelinea);
    }
}

}  // namespace vask
