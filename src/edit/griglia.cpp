// Grid, grid snap, object snap and guide lines. Snapping rewrites the readout
// captions, which are the current point of every command.
#include "edit/frmvask2.h"
#include "view/vista.h"

namespace vask {

namespace {
// No more grid lines than a ratio of 80 allows, whatever the window.
constexpr int MAXLINEEGRIGLIA = 100;
}  // namespace

void FrmVask_2::btnGriglia_Click() {
    if (vista.grigliaattiva) {
        pic.pulisci();
        rigenerasolosezioneelinea();
        if (vista.lineeguidaattive) lineeguida();
        ctl["txtPassoGriglia"].abilitato = true;
        vista.grigliaattiva = false;
        ctl.sfondo("btnGriglia", FACCIA);
        rigenerasolosezioneelinea();
        return;
    }
    // A step of zero, or no number, would make the ratio a division by zero.
    float passo = 0;
    const Portata portata = leggisingolo(ctl.testo("txtPassoGriglia"), passo);
    if (portata != Portata::Ammesso) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Il passo della griglia è troppo grande o troppo piccolo per essere memorizzato. "
               "Reinserire il passo."), QT_TRANSLATE_NOOP("Vask", "Passo della griglia non valido."));
        return;
    }
    if (passo == 0) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Il passo della griglia deve essere un numero diverso da zero. Reinserire il "
               "passo."), QT_TRANSLATE_NOOP("Vask", "Passo della griglia non valido."));
        return;
    }
    const double rapporto = double(pic.scalewidth) / passo;
    if (rapporto > 80) {
        ctl.sfondo("btnGriglia", VERDE);
        avviso(QT_TRANSLATE_NOOP("Vask", "Il passo è toppo piccolo pertanto la griglia non verrà visualizzata.Tuttavia il "
               "passo immesso sarà valido per lo snap."), QT_TRANSLATE_NOOP("Vask", "Griglia richiesta troppo fitta"));
        vista.passogriglia = passo;
        ctl["txtPassoGriglia"].abilitato = false;
        vista.grigliaattiva = true;
        return;
    }
    grigliapunteggiata();
    vista.grigliaattiva = true;
    ctl["txtPassoGriglia"].abilitato = false;
    ctl.sfondo("btnGriglia", VERDE);
    rigenerasolosezioneelinea();
}

// Only the nodes inside the window, counted with an integer from the first
// visible one: the lines are the same as from the origin, the work is bounded.
void FrmVask_2::grigliapunteggiata() {
    float passo = 0;
    if (leggisingolo(ctl.testo("txtPassoGriglia"), passo) != Portata::Ammesso || passo == 0) return;
    if (double(pic.scalewidth) / passo > 80) return;
    vista.passogriglia = passo;
    const double sinistra = valore("lblOriginex"), larghezza = pic.scalewidth;
    const double basso = valore("lblOriginey"), alto = valore("lbl12y");
    const Nodi x = nodigriglia(sinistra, sinistra + larghezza, passo, MAXLINEEGRIGLIA);
    for (int i = 0; i < x.quanti; ++i) {
        const float xi = float(double(x.primo + i) * passo);
        pic.linea(xi, 0, xi, float(alto), colori.coloregriglia);
    }
    const Nodi y = nodigriglia(basso, alto, passo, MAXLINEEGRIGLIA);
    for (int i = 0; i < y.quanti; ++i) {
        const float yi = float(double(y.primo + i) * passo);
        pic.linea(float(sinistra), yi, float(sinistra + larghezza), yi, colori.coloregriglia);
    }
}

void FrmVask_2::btnSnap_Click() {
    if (vista.snapattivo) {
        ctl.sfondo("btnSnap", FACCIA);
        mnuStrumentiSnapToglisnap_Click();
    } else {
        ctl.sfondo("btnSnap", VERDE);
        mnuStrumentiSnapGriglia_Click();
    }
}

void FrmVask_2::mnuStrumentiSnapGriglia_Click() {
    vista.snapattivo = true;
    ctl.sfondo("btnSnap", VERDE);
}

void FrmVask_2::mnuStrumentiSnapToglisnap_Click() {
    vista.snapattivo = false;
    ctl.sfondo("btnSnap", FACCIA);
}

void FrmVask_2::btnOsnap_Click() {
    if (vista.osnapattivo) {
        ctl.sfondo("btnOsnap", FACCIA);
        mnuStrumentiSnapTogliOsnap_Click();
    } else {
        ctl.sfondo("btnOsnap", VERDE);
        mnuStrumentiSnapOggetto_Click();
    }
}

void FrmVask_2::mnuStrumentiSnapOggetto_Click() {
    vista.osnapattivo = true;
    ctl.sfondo("btnOsnap", VERDE);
}

void FrmVask_2::mnuStrumentiSnapTogliOsnap_Click() {
    vista.osnapattivo = false;
    ctl.sfondo("btnOsnap", FACCIA);
    puntatore = Puntatore::Croce;  // no target can be signalled any more
    mnuVisualizzaRigenera_Click();
}

// The first candidate within ScaleWidth / 60, in a fixed order: centroid,
// kern vertices, then the points of rectangles, triangles, lines, circles.
// The centroid and the kern are offered only while they belong to the
// section on the screen.
bool FrmVask_2::oggettosnap(float x, float y) {
    enum Tipo : unsigned char { Baricentro, Nocciolo, Elemento };
    constexpr int MASSIMO = 1 + MAXLINEE + MAXRETTANGOLI * PUNTIRETTANGOLO +
                            MAXTRIANGOLI * PUNTITRIANGOLO + MAXLINEE * PUNTILINEA +
                            MAXCERCHI * PUNTICERCHIO;
    float xy[2 * MASSIMO];
    Tipo tipo[MASSIMO];
    int n = 0;
    const auto aggiungi = [&](float px, float py, Tipo t) {
        xy[2 * n] = px;
        xy[2 * n + 1] = py;
        tipo[n++] = t;
    };
    const auto punti = [&](const float* riga, int quanti) {
        for (int k = 1; k <= quanti; ++k) aggiungi(riga[2 * k - 1], riga[2 * k], Elemento);
    };
    const bool risultati = ris.eseguito && ris.attuali;
    if (risultati) aggiungi(ris.xg, ris.yg, Baricentro);
    for (int i = 1; i < sez.l && risultati; ++i)
        if (copianocciolo.puntinoccioloattivo[i])
            aggiungi(copianocciolo.puntinocciolo[i][1], copianocciolo.puntinocciolo[i][2], Nocciolo);
    for (int i = 1; i < sez.prossimorettangolo; ++i) punti(sez.puntirettangoli[i], PUNTIRETTANGOLO);
    for (int i = 1; i < sez.prossimotriangolo; ++i) punti(sez.puntitriangoli[i], PUNTITRIANGOLO);
    for (int i = 1; i < sez.l; ++i) punti(sez.puntilinee[i], PUNTILINEA);
    for (int i = 1; i < sez.prossimocerchio; ++i) punti(sez.punticerchi[i], PUNTICERCHIO);

    const int k = primocatturato(xy, n, x, y, pic.scalewidth / 60);
    if (k < 0) {
        puntatore = Puntatore::Croce;
        return false;
    }
    scrivilettura(xy[2 * k], xy[2 * k + 1]);
    const uint32_t colore = tipo[k] == Baricentro ? GIALLO : tipo[k] == Nocciolo ? ROSSO : CIANO;
    ctl.sfondo("lblCoordinataX", colore);
    ctl.sfondo("lblCoordinataY", colore);
    puntatore = tipo[k] == Baricentro ? Puntatore::FrecciaSu : Puntatore::Freccia;
    return true;
}

void FrmVask_2::grigliasnap(float x, float y) {
    scrivilettura(agriglia(x, vista.passogriglia), agriglia(y, vista.passogriglia));
}

void FrmVask_2::btnLineeGuida_Click() {
    if (vista.lineeguidaattive) {
        vista.lineeguidaattive = false;
        mnuVisualizzaRigenera_Click();
        ctl.sfondo("btnLineeGuida", FACCIA);
    } else {
        vista.lineeguidaattive = true;
        lineeguida();
        ctl.sfondo("btnLineeGuida", VERDE);
    }
}

// Through the positions of the 11 x and 7 y captions, read from their texts.
void FrmVask_2::lineeguida() {
    const double x0 = valore("lblOriginex"), sx = valore("lbl2x") - x0;
    const double larghezza = pic.scalewidth, alto = valore("lbl12y");
    for (int k = 0; k < 11; ++k) {
        const float x = float(x0 + k * sx);
        pic.linea(x, 0, x, float(alto), CIANO);
    }
    const double y0 = valore("lblOriginey"), sy = valore("lbl2y") - y0;
    for (int k = 0; k < 7; ++k) {
        const float y = float(y0 + k * sy);
        pic.linea(float(x0), y, float(x0 + larghezza), y, CIANO);
    }
}

}  // namespace vask
