#include "edit/documento.h"

#include <cmath>

#include "model/geometria.h"
#include "model/numeri.h"
#include "model/testi.h"
#include "view/vista.h"

namespace vask {

namespace {

// "rettangolo 2: densità fuori dei limiti.": the element's model and number
// and the reason, each given in the interface's language by the shell.
std::string elemento(const char* modello, size_t i, const char* motivo) {
    return componi(modello, {std::to_string(i + 1), motivo});
}

const char* const RETTANGOLO = QT_TRANSLATE_NOOP("Vask", "rettangolo %1: %2");
const char* const TRIANGOLO = QT_TRANSLATE_NOOP("Vask", "triangolo %1: %2");
const char* const CERCHIO = QT_TRANSLATE_NOOP("Vask", "cerchio %1: %2");
const char* const LINEA = QT_TRANSLATE_NOOP("Vask", "linea %1: %2");
const char* const FUORI = QT_TRANSLATE_NOOP("Vask", "esce dalla zona positiva o dai limiti dell'area grafica.");
const char* const DENSITA = QT_TRANSLATE_NOOP("Vask", "densità fuori dei limiti.");

bool nelmondo(float v) { return v >= 0 && v <= LIMITEMONDO; }

// A density whose element keeps a finite, non-zero mass (when not 0 itself).
bool densitaammessa(float densita, float areageometrica) {
    const float massa = std::fabs(densita) * areageometrica;
    return std::isfinite(massa) && (densita == 0 || massa != 0);
}

}  // namespace

std::string problemadocumento(const Documento& d) {
    if (d.versione != VERSIONEDOCUMENTO)
        return componi(QT_TRANSLATE_NOOP("Vask", "la versione %1 del formato non è conosciuta."),
                       {std::to_string(d.versione)});
    if (d.rettangoli.size() > MAXRETTANGOLI) return QT_TRANSLATE_NOOP("Vask", "più di 5 rettangoli.");
    if (d.triangoli.size() > MAXTRIANGOLI) return QT_TRANSLATE_NOOP("Vask", "più di 5 triangoli.");
    if (d.cerchi.size() > MAXCERCHI) return QT_TRANSLATE_NOOP("Vask", "più di 5 cerchi.");
    if (d.linee.size() > MAXLINEE) return QT_TRANSLATE_NOOP("Vask", "più di 10 linee.");
    const auto finiti = [](const auto& righe) {
        for (const auto& r : righe)
            for (float v : r)
                if (!std::isfinite(v)) return false;
        return true;
    };
    if (!finiti(d.rettangoli) || !finiti(d.triangoli) || !finiti(d.cerchi) || !finiti(d.linee))
        return QT_TRANSLATE_NOOP("Vask", "un numero non è finito.");

    for (size_t i = 0; i < d.rettangoli.size(); ++i) {
        const auto& r = d.rettangoli[i];
        if (!nelmondo(r[R::x1]) || !nelmondo(r[R::y1]) || !nelmondo(r[R::x2]) || !nelmondo(r[R::y2]))
            return elemento(RETTANGOLO, i, FUORI);
        if (r[R::x1] == r[R::x2] || r[R::y1] == r[R::y2])
            return elemento(RETTANGOLO, i, QT_TRANSLATE_NOOP("Vask", "rettangolo degenere."));
        if (!densitaammessa(r[R::densita], arearettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], 1)))
            return elemento(RETTANGOLO, i, DENSITA);
    }
    for (size_t i = 0; i < d.triangoli.size(); ++i) {
        const auto& t = d.triangoli[i];
        const float x1 = t[T::x1], y1 = t[T::y1], x2 = t[T::x2], y2 = t[T::y2], x3 = t[T::x3],
                    y3 = t[T::y3];
        for (float v : {x1, y1, x2, y2, x3, y3})
            if (!nelmondo(v)) return elemento(TRIANGOLO, i, FUORI);
        // The checks of the second and third click.
        const bool degenere = (x2 == x1 && y2 == y1) || terzoverticedegenere(x1, y1, x2, y2, x3, y3);
        if (degenere) return elemento(TRIANGOLO, i, QT_TRANSLATE_NOOP("Vask", "triangolo degenere."));
        if (!densitaammessa(t[T::densita], areatriangolo(x1, y1, x2, y2, x3, y3, 1)))
            return elemento(TRIANGOLO, i, DENSITA);
    }
    for (size_t i = 0; i < d.cerchi.size(); ++i) {
        const auto& c = d.cerchi[i];
        const float r = c[C::raggio], area = 3.1415927f * r * r;
        if (!(r > 0) || area == 0 || !std::isfinite(area))
            return elemento(CERCHIO, i, QT_TRANSLATE_NOOP("Vask", "cerchio degenere."));
        if (c[C::xc] < r || c[C::yc] < r || cerchiooltreilmondo(c[C::xc], c[C::yc], r))
            return elemento(CERCHIO, i, FUORI);
        if (!densitaammessa(c[C::densita], area)) return elemento(CERCHIO, i, DENSITA);
    }
    for (size_t i = 0; i < d.linee.size(); ++i) {
        const auto& l = d.linee[i];
        for (float v : {l[L::x1], l[L::y1], l[L::x2], l[L::y2]})
            if (!nelmondo(v)) return elemento(LINEA, i, FUORI);
        if (l[L::x1] == l[L::x2] && l[L::y1] == l[L::y2])
            return elemento(LINEA, i, QT_TRANSLATE_NOOP("Vask", "linea degenere."));
    }

    bool larghezza = false;
    for (float w : {1.25f, 2.5f, 5.f, 10.f, 20.f, 40.f, 80.f}) larghezza |= d.larghezza == w;
    if (!larghezza) return QT_TRANSLATE_NOOP("Vask", "la larghezza della vista non è una di quelle dello zoom.");
    if (!(d.sinistra >= 0 && d.sinistra <= LIMITEDESTRO && d.basso >= 0 && d.basso <= LIMITESUPERIORE))
        return QT_TRANSLATE_NOOP("Vask", "la vista esce dai limiti dell'area grafica.");
    float passo = 0;
    const bool passovalido = leggisingolo(d.testopasso, passo) == Portata::Ammesso && passo != 0;
    if (d.griglia && !passovalido) return QT_TRANSLATE_NOOP("Vask", "la griglia è accesa con un passo non valido.");
    if (!std::isfinite(d.passo) || d.passo == 0) return QT_TRANSLATE_NOOP("Vask", "il passo dello snap non è valido.");
    for (uint32_t c : {d.coloresfondo, d.coloregriglia, d.coloresezione, d.colorelinea})
        if (c > 0xFFFFFF) return QT_TRANSLATE_NOOP("Vask", "un colore non è valido.");
    if (d.spessore != 1 && d.spessore != 2)
        return QT_TRANSLATE_NOOP("Vask", "lo spessore delle linee deve essere 1 o 2.");
    return {};
}

}  // namespace vask
