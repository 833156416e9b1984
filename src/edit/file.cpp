// The section as a document: what a file keeps, opening one, and whether the
// section has changed since it was last saved or opened.
#include <cmath>
#include <cstring>

#include "edit/frmvask2.h"
#include "view/vista.h"

namespace vask {

namespace {

// Rows 1 .. n of a table, without the inertia of the last computation: what
// the user made, not what "Esegui" added.
template <int RIGHE, int CAMPI>
bool stesserighe(const float (&a)[RIGHE][CAMPI], const float (&b)[RIGHE][CAMPI], int n,
                 std::initializer_list<int> calcolati) {
    for (int i = 1; i <= n; ++i)
        for (int c = 1; c < CAMPI; ++c) {
            bool calcolato = false;
            for (int k : calcolati) calcolato |= k == c;
            if (!calcolato && std::memcmp(&a[i][c], &b[i][c], sizeof(float)) != 0) return false;
        }
    return true;
}

}  // namespace

bool FrmVask_2::modificata() const {
    const Sezione& a = sez;
    const Sezione& b = salvata_;
    return a.prossimorettangolo != b.prossimorettangolo || a.prossimotriangolo != b.prossimotriangolo ||
           a.prossimocerchio != b.prossimocerchio || a.l != b.l ||
           !stesserighe(a.rettangoli, b.rettangoli, a.numerorettangoli(), {R::ix, R::iy, R::ixy}) ||
           !stesserighe(a.triangoli, b.triangoli, a.numerotriangoli(), {T::ix, T::iy, T::ixy}) ||
           !stesserighe(a.cerchi, b.cerchi, a.numerocerchi(), {C::ix, C::iy, C::ixy}) ||
           !stesserighe(a.linee, b.linee, a.numerolinee(), {});
}

void FrmVask_2::documentosalvato(const std::string& nome) {
    nomedocumento = nome;
    salvata_ = sez;
}

std::string FrmVask_2::titolo() const {
    std::string t = titoloprogramma();
    // The file's name without its folder.
    if (!nomedocumento.empty())
        t = componi(QT_TRANSLATE_NOOP("Vask", "%1 - %2"), {t, nomedocumento.substr(nomedocumento.find_last_of("/\\") + 1)});
    if (modificata()) t = componi(QT_TRANSLATE_NOOP("Vask", "%1 *"), {t});
    return t;
}

Documento FrmVask_2::documento() const {
    Documento d;
    for (int i = 1; i < sez.prossimorettangolo; ++i) {
        d.rettangoli.emplace_back();
        std::memcpy(d.rettangoli.back().data(), sez.rettangoli[i], sizeof sez.rettangoli[i]);
    }
    for (int i = 1; i < sez.prossimotriangolo; ++i) {
        d.triangoli.emplace_back();
        std::memcpy(d.triangoli.back().data(), sez.triangoli[i], sizeof sez.triangoli[i]);
    }
    for (int i = 1; i < sez.prossimocerchio; ++i) {
        d.cerchi.emplace_back();
        std::memcpy(d.cerchi.back().data(), sez.cerchi[i], sizeof sez.cerchi[i]);
    }
    for (int i = 1; i < sez.l; ++i) {
        d.linee.emplace_back();
        std::memcpy(d.linee.back().data(), sez.linee[i], sizeof sez.linee[i]);
    }
    d.sinistra = pic.scaleleft;
    d.basso = -pic.scaletop;
    d.larghezza = pic.scalewidth;
    d.testopasso = ctl.testo("txtPassoGriglia");
    d.passo = vista.passogriglia;
    d.griglia = vista.grigliaattiva;
    d.snap = vista.snapattivo;
    d.osnap = vista.osnapattivo;
    d.guide = vista.lineeguidaattive;
    d.coloresfondo = colori.coloresfondo;
    d.coloregriglia = colori.coloregriglia;
    d.coloresezione = colori.coloresezione;
    d.colorelinea = colori.colorelinea;
    d.spessore = pic.spessore;
    return d;
}

std::string FrmVask_2::apridocumento(const Documento& d, const std::string& nome) {
    if (std::string problema = problemadocumento(d); !problema.empty()) return problema;

    registra(componi(QT_TRANSLATE_NOOP("Vask", "apri %1"), {nome.substr(nome.find_last_of("/\\") + 1)}), true);
    nuovasezione();
    // The stored values as they are; what is derived from them computed as
    // drawing computes it, so that the file cannot contradict itself.
    for (const auto& riga : d.rettangoli) {
        const int n = sez.prossimorettangolo++;
        std::memcpy(sez.rettangoli[n], riga.data(), sizeof sez.rettangoli[n]);
        sez.completarettangolo(n);
    }
    for (const auto& riga : d.triangoli) {
        const int n = sez.prossimotriangolo++;
        std::memcpy(sez.triangoli[n], riga.data(), sizeof sez.triangoli[n]);
        sez.completatriangolo(n);
    }
    for (const auto& riga : d.cerchi) {
        const int n = sez.prossimocerchio++;
        std::memcpy(sez.cerchi[n], riga.data(), sizeof sez.cerchi[n]);
        sez.completacerchio(n, pigreco);
    }
    for (const auto& riga : d.linee) {
        const int n = sez.l++;
        std::memcpy(sez.linee[n], riga.data(), sizeof sez.linee[n]);
        sez.puntidilinea(n);
    }

    // The view, its captions and the arrows that say which way is open.
    ctl.sfondo("btnZoomPiu", VERDE);
    ctl.sfondo("BtnZoomMeno", VERDE);
    impostavista(d.sinistra, d.basso, d.larghezza);

    ctl.testo("txtPassoGriglia", d.testopasso);
    vista.passogriglia = d.passo;
    vista.grigliaattiva = d.griglia;
    ctl["txtPassoGriglia"].abilitato = !d.griglia;
    ctl.sfondo("btnGriglia", d.griglia ? VERDE : FACCIA);
    vista.snapattivo = d.snap;
    ctl.sfondo("btnSnap", d.snap ? VERDE : FACCIA);
    vista.osnapattivo = d.osnap;
    ctl.sfondo("btnOsnap", d.osnap ? VERDE : FACCIA);
    vista.lineeguidaattive = d.guide;
    ctl.sfondo("btnLineeGuida", d.guide ? VERDE : FACCIA);

    colori.coloresfondo = d.coloresfondo;
    colori.coloregriglia = d.coloregriglia;
    colori.coloresezione = d.coloresezione;
    colori.colorelinea = d.colorelinea;
    pic.sfondo = colori.coloresfondo;
    pic.spessore = d.spessore;

    documentosalvato(nome);
    mnuVisualizzaRigenera_Click();
    // A saved view may no longer show the section.
    double xmin, ymin, xmax, ymax;
    if (estensioni(xmin, ymin, xmax, ymax) &&
        (xmin < pic.scaleleft || xmax > pic.scaleleft + pic.scalewidth || ymin < -pic.scaletop ||
         ymax > -pic.scaletop + pic.scaleheight))
        ctl.testo("lblDescrizione", QT_TRANSLATE_NOOP("Vask", "La vista salvata non mostra tutta la sezione: Zoom estensioni (F9) la mostra intera."));
    return {};
}

}  // namespace vask
