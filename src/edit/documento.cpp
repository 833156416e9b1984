#include "edit/documento.h"

#include <cmath>

#include "model/geometria.h"
#include "model/numeri.h"
#include "view/vista.h"

namespace vask {

namespace {

std::string elemento(const char* tipo, size_t i) { return std::string(tipo) + " " + std::to_string(i + 1) + ": "; }

bool nelmondo(float v) { return v >= 0 && v <= LIMITEMONDO; }

// A density whose element keeps a finite, non-zero mass (when not 0 itself).
bool densitaammessa(float densita, float areageometrica) {
    const float massa = std::fabs(densita) * areageometrica;
    return std::isfinite(massa) && (densita == 0 || massa != 0);
}

}  // namespace

std::string problemadocumento(const Documento& d) {
    if (d.versione != VERSIONEDOCUMENTO)
        return "la versione " + std::to_string(d.versione) + " del formato non è conosciuta.";
    if (d.rettangoli.size() > MAXRETTANGOLI) return "più di 5 rettangoli.";
    if (d.triangoli.size() > MAXTRIANGOLI) return "più di 5 triangoli.";
    if (d.cerchi.size() > MAXCERCHI) return "più di 5 cerchi.";
    if (d.linee.size() > MAXLINEE) return "più di 10 linee.";
    const auto finiti = [](const auto& righe) {
        for (const auto& r : righe)
            for (float v : r)
                if (!std::isfinite(v)) return false;
        return true;
    };
    if (!finiti(d.rettangoli) || !finiti(d.triangoli) || !finiti(d.cerchi) || !finiti(d.linee))
        return "un numero non è finito.";

    for (size_t i = 0; i < d.rettangoli.size(); ++i) {
        const auto& r = d.rettangoli[i];
        if (!nelmondo(r[R::x1]) || !nelmondo(r[R::y1]) || !nelmondo(r[R::x2]) || !nelmondo(r[R::y2]))
            return elemento("rettangolo", i) + "esce dalla zona positiva o dai limiti dell'area grafica.";
        if (r[R::x1] == r[R::x2] || r[R::y1] == r[R::y2])
            return elemento("rettangolo", i) + "rettangolo degenere.";
        if (!densitaammessa(r[R::densita], arearettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], 1)))
            return elemento("rettangolo", i) + "densità fuori dei limiti.";
    }
    for (size_t i = 0; i < d.triangoli.size(); ++i) {
        const auto& t = d.triangoli[i];
        const float x1 = t[T::x1], y1 = t[T::y1], x2 = t[T::x2], y2 = t[T::y2], x3 = t[T::x3],
                    y3 = t[T::y3];
        for (float v : {x1, y1, x2, y2, x3, y3})
            if (!nelmondo(v))
                return elemento("triangolo", i) + "esce dalla zona positiva o dai limiti dell'area grafica.";
        // The checks of the second and third click.
        const bool degenere = (x2 == x1 && y2 == y1) || terzoverticedegenere(x1, y1, x2, y2, x3, y3);
        if (degenere) return elemento("triangolo", i) + "triangolo degenere.";
        if (!densitaammessa(t[T::densita], areatriangolo(x1, y1, x2, y2, x3, y3, 1)))
            return elemento("triangolo", i) + "densità fuori dei limiti.";
    }
    for (size_t i = 0; i < d.cerchi.size(); ++i) {
        const auto& c = d.cerchi[i];
        const float r = c[C::raggio], area = 3.1415927f * r * r;
        if (!(r > 0) || area == 0 || !std::isfinite(area))
            return elemento("cerchio", i) + "cerchio degenere.";
        if (c[C::xc] < r || c[C::yc] < r || cerchiooltreilmondo(c[C::xc], c[C::yc], r))
            return elemento("cerchio", i) + "esce dalla zona positiva o dai limiti dell'area grafica.";
        if (!densitaammessa(c[C::densita], area)) return elemento("cerchio", i) + "densità fuori dei limiti.";
    }
    for (size_t i = 0; i < d.linee.size(); ++i) {
        const auto& l = d.linee[i];
        for (float v : {l[L::x1], l[L::y1], l[L::x2], l[L::y2]})
            if (!nelmondo(v))
                return elemento("linea", i) + "esce dalla zona positiva o dai limiti dell'area grafica.";
        if (l[L::x1] == l[L::x2] && l[L::y1] == l[L::y2]) return elemento("linea", i) + "linea degenere.";
    }

    bool larghezza = false;
    for (float w : {1.25f, 2.5f, 5.f, 10.f, 20.f, 40.f, 80.f}) larghezza |= d.larghezza == w;
    if (!larghezza) return "la larghezza della vista non è una di quelle dello zoom.";
    if (!(d.sinistra >= 0 && d.sinistra <= LIMITEDESTRO && d.basso >= 0 && d.basso <= LIMITESUPERIORE))
        return "la vista esce dai limiti dell'area grafica.";
    float passo = 0;
    const bool passovalido = leggisingolo(d.testopasso, passo) == Portata::Ammesso && passo != 0;
    if (d.griglia && !passovalido) return "la griglia è accesa con un passo non valido.";
    if (!std::isfinite(d.passo) || d.passo == 0) return "il passo dello snap non è valido.";
    for (uint32_t c : {d.coloresfondo, d.coloregriglia, d.coloresezione, d.colorelinea})
        if (c > 0xFFFFFF) return "un colore non è valido.";
    if (d.spessore != 1 && d.spessore != 2) return "lo spessore delle linee deve essere 1 o 2.";
    return {};
}

}  // namespace vask
