#include "analysis/carico.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "model/testi.h"

namespace vask {

namespace {

// Relative size under which a quantity counts as zero: a few float steps of
// the numbers the results and the readout are stored with.
constexpr double TOLLERANZA = 1e-6;

// The valid antipoles in their order around G, as the kern is drawn.
std::vector<std::pair<double, double>> poligononocciolo(const Relazione& r) {
    std::vector<std::pair<double, double>> v;
    std::vector<double> angoli;
    for (const PassoNocciolo& k : r.nocciolo) {
        if (k.perbaricentro) continue;
        const double a = std::atan2(k.v, k.u);
        // Stable: vertices at the same angle keep the order of their lines.
        size_t i = angoli.size();
        while (i > 0 && angoli[i - 1] > a) --i;
        angoli.insert(angoli.begin() + long(i), a);
        v.insert(v.begin() + long(i), {k.x, k.y});
    }
    return v;
}

}  // namespace

bool caricoammesso(const Relazione& r) {
    return r.massa > 0 && r.rx2 > 0 && r.ry2 > 0 && r.rx2 * r.ry2 - r.rxy * r.rxy > 0;
}

Carico calcolacarico(const Relazione& r, const Sezione& s, double x, double y) {
    Carico c;
    c.x = x, c.y = y;
    centrali(r, x, y, c.xi, c.eta);
    const double scala = std::sqrt(std::max(r.rx2, r.ry2));
    // The readout holds seven digits of a world coordinate.
    const double lettura = 4 * TOLLERANZA * std::max(std::fabs(x), std::fabs(y));
    c.baricentro = std::hypot(c.xi, c.eta) <= TOLLERANZA * scala + lettura;
    if (c.baricentro) c.xi = c.eta = 0;
    // The gradient of s in central coordinates, (gx, gy) = M J^-1 (xiC, etaC)
    // for the inertia J in that frame: (xiC / Ryc^2, etaC / Rxc^2) on
    // principal axes. A circle's extreme points lie along it.
    const double det = r.rx2 * r.ry2 - r.rxy * r.rxy;
    const double gx = (r.rx2 * c.xi - r.rxy * c.eta) / det, gy = (r.ry2 * c.eta - r.rxy * c.xi) / det;
    const double g = std::hypot(gx, gy);
    // The neutral axis 1 + gx xi + gy eta = 0.
    c.xiinfinito = gx == 0;
    c.etainfinito = gy == 0;
    if (!c.xiinfinito) c.xi0 = -1 / gx;
    if (!c.etainfinito) c.eta0 = -1 / gy;
    bool primo = true;
    const auto prova = [&](double px, double py, double rho) {
        double xi, eta;
        centrali(r, px, py, xi, eta);
        const double v = rho * (1 + gx * xi + gy * eta);
        if (primo || v < c.smin) c.smin = v, c.xmin = px, c.ymin = py;
        if (primo || v > c.smax) c.smax = v, c.xmax = px, c.ymax = py;
        primo = false;
    };
    for (int i = 1; i <= s.numerorettangoli(); ++i) {
        const float* q = s.rettangoli[i];
        if (q[R::densita] > 0)
            for (int a : {R::x1, R::x2})
                for (int b : {R::y1, R::y2}) prova(q[a], q[b], q[R::densita]);
    }
    for (int i = 1; i <= s.numerotriangoli(); ++i) {
        const float* q = s.triangoli[i];
        if (q[T::densita] > 0)
            for (int a : {T::x1, T::x2, T::x3}) prova(q[a], q[a + 1], q[T::densita]);
    }
    for (int i = 1; i <= s.numerocerchi(); ++i) {
        const float* q = s.cerchi[i];
        if (!(q[C::densita] > 0)) continue;
        if (g == 0) {
            prova(q[C::xc], q[C::yc], q[C::densita]);
            continue;
        }
        // Along the gradient, back in world coordinates.
        double wx, wy, ox, oy;
        mondo(r, gx / g, gy / g, wx, wy);
        mondo(r, 0, 0, ox, oy);
        const double ux = wx - ox, uy = wy - oy, raggio = q[C::raggio];
        prova(q[C::xc] + raggio * ux, q[C::yc] + raggio * uy, q[C::densita]);
        prova(q[C::xc] - raggio * ux, q[C::yc] - raggio * uy, q[C::densita]);
    }
    // On the kern's boundary the least stress is 0 but for rounding.
    const double zero = TOLLERANZA * std::max({1.0, std::fabs(c.smin), std::fabs(c.smax)});
    if (std::fabs(c.smin) <= zero) c.smin = 0;
    if (std::fabs(c.smax) <= zero) c.smax = 0;

    const auto v = poligononocciolo(r);
    const size_t n = v.size();
    if (n < 3) return c;
    // Within the margin of an edge: on the boundary; otherwise inside when a
    // ray from C crosses the edges an odd number of times.
    double distanza = INFINITY, lato = 0;
    bool dentro = false;
    for (size_t i = 0; i < n; ++i) {
        const auto [ax, ay] = v[i];
        const auto [bx, by] = v[(i + 1) % n];
        const double lx = bx - ax, ly = by - ay, l2 = lx * lx + ly * ly;
        lato = std::max(lato, std::sqrt(l2));
        const double t = l2 > 0 ? std::clamp(((x - ax) * lx + (y - ay) * ly) / l2, 0.0, 1.0) : 0;
        distanza = std::min(distanza, std::hypot(x - ax - t * lx, y - ay - t * ly));
        if ((ay > y) != (by > y) && x < ax + (y - ay) * lx / ly) dentro = !dentro;
    }
    const double margine = TOLLERANZA * std::max(lato, scala) + lettura;
    c.verdetto = distanza <= margine ? Verdetto::Contorno : dentro ? Verdetto::Interno : Verdetto::Esterno;
    return c;
}

bool asseneutro(const Relazione& r, const Carico& c, double x1, double y1, double x2, double y2, double& ax, double& ay,
                double& bx, double& by) {
    if (c.baricentro) return false;
    // A point of the axis and its direction, in central coordinates: the
    // axis is xi / xi0 + eta / eta0 = 1.
    double px, py, dx, dy;
    if (c.xiinfinito)
        px = 0, py = c.eta0, dx = 1, dy = 0;
    else if (c.etainfinito)
        px = c.xi0, py = 0, dx = 0, dy = 1;
    else
        px = c.xi0, py = 0, dx = -c.xi0, dy = c.eta0;
    double wx, wy, qx, qy;
    mondo(r, px, py, wx, wy);
    mondo(r, px + dx, py + dy, qx, qy);
    return ritaglia(wx, wy, qx, qy, -INFINITY, INFINITY, x1, y1, x2, y2, ax, ay, bx, by);
}

bool ritaglia(double px, double py, double qx, double qy, double t0, double t1, double x1, double y1, double x2,
              double y2, double& ax, double& ay, double& bx, double& by) {
    // Liang-Barsky.
    const double ux = qx - px, uy = qy - py;
    const double p[4] = {-ux, ux, -uy, uy}, q[4] = {px - x1, x2 - px, py - y1, y2 - py};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (!(t0 <= t1) || !std::isfinite(t0) || !std::isfinite(t1)) return false;
    ax = px + t0 * ux, ay = py + t0 * uy, bx = px + t1 * ux, by = py + t1 * uy;
    return true;
}

const char* parolaverdetto(Verdetto v) {
    switch (v) {
    case Verdetto::Interno: return "interno";
    case Verdetto::Contorno: return "contorno";
    case Verdetto::Esterno: return "esterno";
    case Verdetto::Assente: break;
    }
    return "assente";
}

std::string frasecarico(const Carico& c) {
    // Whole sentences, marked: the hint bar and the report show them translated.
    if (c.baricentro)
        return QT_TRANSLATE_NOOP("Vask", "Centro di sollecitazione nel baricentro: l'asse neutro è all'infinito, la "
                                         "sezione è compressa uniformemente.");
    switch (c.verdetto) {
    case Verdetto::Interno:
        return QT_TRANSLATE_NOOP("Vask", "Centro di sollecitazione interno al nocciolo: la sezione è tutta compressa.");
    case Verdetto::Contorno:
        return QT_TRANSLATE_NOOP("Vask", "Centro di sollecitazione sul contorno del nocciolo: l'asse neutro è tangente "
                                         "alla sezione.");
    case Verdetto::Esterno:
        return QT_TRANSLATE_NOOP("Vask", "Centro di sollecitazione esterno al nocciolo: l'asse neutro taglia la sezione.");
    case Verdetto::Assente: break;
    }
    if (c.smin > 0)
        return QT_TRANSLATE_NOOP("Vask", "Nocciolo non disegnato (servono almeno tre linee di chiusura): smin > 0, la "
                                         "sezione è tutta compressa.");
    if (c.smin == 0)
        return QT_TRANSLATE_NOOP("Vask", "Nocciolo non disegnato (servono almeno tre linee di chiusura): smin = 0, "
                                         "l'asse neutro è tangente alla sezione.");
    return QT_TRANSLATE_NOOP("Vask", "Nocciolo non disegnato (servono almeno tre linee di chiusura): smin < 0, l'asse "
                                     "neutro taglia la sezione.");
}

}  // namespace vask
