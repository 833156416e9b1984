#include "analysis/carico.h"

#include <algorithm>
#include <cmath>

namespace vask {

namespace {

// Relative size under which a quantity counts as zero: the float steps the
// kern and the results are stored with.
constexpr double TOLLERANZA = 1e-6;

}  // namespace

Carico calcolacarico(const Relazione& r, const Sezione& s, double x, double y, const std::vector<double>& vertici) {
    Carico c;
    c.x = x, c.y = y;
    centrali(r, x, y, c.xi, c.eta);
    // The squared radii in double from the true central moments, in the frame
    // of the axes as drawn: straight axes take Ixg and Iyg as they are.
    const double ixg = r.p.ixgvero, iyg = r.p.iygvero, centro = (ixg + iyg) / 2;
    const double mezzo = std::hypot((ixg - iyg) / 2, double(r.p.ixgygvero));
    const double ixc = r.assi == Assi::Obliqui ? centro + mezzo : r.assi == Assi::Orizzontale ? ixg : iyg;
    const double iyc = r.assi == Assi::Obliqui ? centro - mezzo : r.assi == Assi::Orizzontale ? iyg : ixg;
    const double rx2 = ixc / r.massa, ry2 = iyc / r.massa;
    const double scala = std::max(std::sqrt(rx2), std::sqrt(ry2));
    c.baricentro = std::hypot(c.xi, c.eta) <= TOLLERANZA * scala;
    if (c.baricentro) c.xi = c.eta = 0;
    c.xiinfinito = c.xi == 0;
    c.etainfinito = c.eta == 0;
    if (!c.xiinfinito) c.xi0 = -ry2 / c.xi;
    if (!c.etainfinito) c.eta0 = -rx2 / c.eta;
    // The gradient of s in central coordinates: a circle's extreme points lie
    // along it.
    const double gx = c.xi / ry2, gy = c.eta / rx2, g = std::hypot(gx, gy);
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

    const size_t n = vertici.size() / 2;
    if (n == 0) {
        c.verdetto = Verdetto::Assente;
        return c;
    }
    // Inside a convex polygon given around G: on the inner side of every
    // edge; on it within the tolerance.
    double peggiore = INFINITY, lato = 0;
    for (size_t i = 0; i < n; ++i) {
        const double ax = vertici[2 * i], ay = vertici[2 * i + 1];
        const double bx = vertici[2 * ((i + 1) % n)], by = vertici[2 * ((i + 1) % n) + 1];
        const double lx = bx - ax, ly = by - ay, l = std::hypot(lx, ly);
        lato = std::max(lato, l);
        if (l == 0) continue;
        // Positive on G's side of the edge.
        const double versog = (lx * (r.yg - ay) - ly * (r.xg - ax)) >= 0 ? 1 : -1;
        peggiore = std::min(peggiore, versog * (lx * (y - ay) - ly * (x - ax)) / l);
    }
    if (!std::isfinite(peggiore)) peggiore = -std::hypot(x - vertici[0], y - vertici[1]);
    const double margine = TOLLERANZA * std::max(lato, scala);
    c.verdetto = std::fabs(peggiore) <= margine ? Verdetto::Contorno : peggiore > 0 ? Verdetto::Interno : Verdetto::Esterno;
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
    const double ux = qx - wx, uy = qy - wy;
    // Clipped to the box (Liang-Barsky).
    double t0 = -INFINITY, t1 = INFINITY;
    const double p[4] = {-ux, ux, -uy, uy}, q[4] = {wx - x1, x2 - wx, wy - y1, y2 - wy};
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
    ax = wx + t0 * ux, ay = wy + t0 * uy, bx = wx + t1 * ux, by = wy + t1 * uy;
    return true;
}

}  // namespace vask
