// Sections built row by row for the analysis tests, and the reference
// integrals they are checked against, in double and by other formulas.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/inerzia.h"
#include "analysis/proprieta.h"
#include "analysis/relazione.h"
#include "model/controlli.h"
#include "model/sezione.h"

namespace prova {

constexpr float pigreco = 3.1415927f;
constexpr double PI = 3.14159265358979323846;

// Rows filled as the drawing commands fill them.
inline void rettangolo(vask::Sezione& s, float x1, float y1, float x2, float y2, float densita) {
    namespace R = vask::R;
    float* r = s.rettangoli[s.prossimorettangolo++];
    r[R::x1] = x1, r[R::y1] = y1, r[R::x2] = x2, r[R::y2] = y2, r[R::densita] = densita;
    r[R::area] = vask::arearettangolo(x1, y1, x2, y2, densita);
    r[R::massa] = std::fabs(densita) * r[R::area];
    r[R::xg] = (x1 + x2) / 2, r[R::yg] = (y1 + y2) / 2;
}

inline void triangolo(vask::Sezione& s, float x1, float y1, float x2, float y2, float x3, float y3, float densita) {
    namespace T = vask::T;
    float* t = s.triangoli[s.prossimotriangolo++];
    t[T::x1] = x1, t[T::y1] = y1, t[T::x2] = x2, t[T::y2] = y2, t[T::x3] = x3, t[T::y3] = y3, t[T::densita] = densita;
    t[T::area] = vask::areatriangolo(x1, y1, x2, y2, x3, y3, densita);
    t[T::massa] = std::fabs(densita) * t[T::area];
    t[T::xg] = (x1 + x2 + x3) / 3, t[T::yg] = (y1 + y2 + y3) / 3;
}

inline void cerchio(vask::Sezione& s, float xc, float yc, float raggio, float densita) {
    namespace C = vask::C;
    float* c = s.cerchi[s.prossimocerchio++];
    c[C::xc] = xc, c[C::yc] = yc, c[C::raggio] = raggio, c[C::densita] = densita;
    c[C::area] = vask::areacerchio(raggio, densita, pigreco);
    c[C::massa] = std::fabs(densita) * c[C::area];
}

// A section as text, "R x1 y1 x2 y2 rho", "T x1 y1 x2 y2 x3 y3 rho" and
// "C xc yc r rho" one after the other, moved by (dx, dy).
inline vask::Sezione componi(const std::string& testo, float dx = 0, float dy = 0) {
    vask::Sezione s;
    std::istringstream in(testo);
    float v[7];
    for (char k; in >> k;) {
        for (int i = 0; i < (k == 'R' ? 5 : k == 'T' ? 7 : 4); ++i) in >> v[i];
        if (k == 'R') rettangolo(s, v[0] + dx, v[1] + dy, v[2] + dx, v[3] + dy, v[4]);
        if (k == 'T') triangolo(s, v[0] + dx, v[1] + dy, v[2] + dx, v[3] + dy, v[4] + dx, v[5] + dy, v[6]);
        if (k == 'C') cerchio(s, v[0] + dx, v[1] + dy, v[2], v[3]);
    }
    return s;
}

// Element inertia into every row, then the section's properties.
inline vask::Proprieta calcola(vask::Sezione& s) {
    using namespace vask;
    for (int i = 1; i <= s.numerotriangoli(); ++i) {
        float* t = s.triangoli[i];
        t[T::ixy] = prodottoxytriangolo(t), t[T::ix] = momentoxtriangolo(t), t[T::iy] = momentoytriangolo(t);
    }
    for (int i = 1; i <= s.numerorettangoli(); ++i) {
        const Inerzia in = inerziarettangolo(s.rettangoli[i]);
        s.rettangoli[i][R::ix] = in.ix, s.rettangoli[i][R::iy] = in.iy, s.rettangoli[i][R::ixy] = in.ixy;
    }
    for (int i = 1; i <= s.numerocerchi(); ++i) {
        const Inerzia in = inerziacerchio(s.cerchi[i], pigreco);
        s.cerchi[i][C::ix] = in.ix, s.cerchi[i][C::iy] = in.iy, s.cerchi[i][C::ixy] = in.ixy;
    }
    return calcolaproprieta(s, pigreco);
}

inline vask::Proprieta calcola(vask::Sezione&& s) { return calcola(s); }

// The report of the section, with closure lines through the given corners, in order.
inline vask::Relazione relazione(vask::Sezione s, const std::vector<double>& contorno = {}) {
    calcola(s);
    vask::Sezione linee;
    for (size_t i = 0, n = contorno.size() / 2; i < n; ++i) {
        float* l = linee.linee[linee.l++];
        l[vask::L::x1] = float(contorno[2 * i]), l[vask::L::y1] = float(contorno[2 * i + 1]);
        l[vask::L::x2] = float(contorno[2 * ((i + 1) % n)]), l[vask::L::y2] = float(contorno[2 * ((i + 1) % n) + 1]);
    }
    return vask::calcolarelazione(s, linee, pigreco);
}

// Element n of kind tipo (0 rectangle, 1 triangle, 2 circle) alone, its row as stored.
inline vask::Sezione solo(const vask::Sezione& s, int tipo, int n) {
    vask::Sezione uno;
    const auto copia = [](const auto& da, auto& a, int& prossimo) {
        std::copy(std::begin(da), std::end(da), a[prossimo++]);
    };
    if (tipo == 0) copia(s.rettangoli[n], uno.rettangoli, uno.prossimorettangolo);
    if (tipo == 1) copia(s.triangoli[n], uno.triangoli, uno.prossimotriangolo);
    if (tipo == 2) copia(s.cerchi[n], uno.cerchi, uno.prossimocerchio);
    return uno;
}

// Area, first and second moments of a plane figure (not weighted), about
// the point the coordinates are taken from.
struct Integrali {
    double area = 0, sx = 0, sy = 0;   // sx = integral of y, sy = integral of x
    double ixx = 0, iyy = 0, ixy = 0;  // integrals of y^2, x^2, x*y

    void aggiungi(const Integrali& o, double peso) {
        area += peso * o.area, sx += peso * o.sx, sy += peso * o.sy;
        ixx += peso * o.ixx, iyy += peso * o.iyy, ixy += peso * o.ixy;
    }
};

// Green's theorem over the boundary, in either orientation.
inline Integrali poligono(const std::vector<double>& x, const std::vector<double>& y) {
    Integrali g;
    for (size_t i = 0, n = x.size(); i < n; ++i) {
        const size_t j = (i + 1) % n;
        const double cr = x[i] * y[j] - x[j] * y[i];
        g.area += cr / 2;
        g.sy += (x[i] + x[j]) * cr / 6;
        g.sx += (y[i] + y[j]) * cr / 6;
        g.iyy += (x[i] * x[i] + x[i] * x[j] + x[j] * x[j]) * cr / 12;
        g.ixx += (y[i] * y[i] + y[i] * y[j] + y[j] * y[j]) * cr / 12;
        g.ixy += (x[i] * y[j] + 2 * x[i] * y[i] + 2 * x[j] * y[j] + x[j] * y[i]) * cr / 24;
    }
    Integrali h;
    h.aggiungi(g, g.area < 0 ? -1 : 1);
    return h;
}

inline Integrali disco(double xc, double yc, double r) {
    Integrali g;
    g.area = PI * r * r;
    g.sy = g.area * xc, g.sx = g.area * yc;
    g.ixx = g.area * (r * r / 4 + yc * yc), g.iyy = g.area * (r * r / 4 + xc * xc), g.ixy = g.area * xc * yc;
    return g;
}

// The whole section about the point (ox, oy), each element weighted by its
// density (or, for the signed geometric area, by the sign of its density;
// for the gross values, by their magnitudes).
// An origin near the section keeps the integrals free of cancellation.
enum class Peso { Densita, Segno, Modulo, ModuloDensita };
inline Integrali riferimento(const vask::Sezione& s, double ox = 0, double oy = 0, Peso come = Peso::Densita) {
    using namespace vask;
    const auto peso = [come](float d) {
        return come == Peso::Densita ? double(d)
               : come == Peso::Segno ? double(segno(d))
               : come == Peso::Modulo ? std::fabs(double(segno(d))) : std::fabs(double(d));
    };
    Integrali tot;
    for (int i = 1; i <= s.numerorettangoli(); ++i) {
        const float* r = s.rettangoli[i];
        const double x1 = r[R::x1] - ox, x2 = r[R::x2] - ox, y1 = r[R::y1] - oy, y2 = r[R::y2] - oy;
        tot.aggiungi(poligono({x1, x2, x2, x1}, {y1, y1, y2, y2}), peso(r[R::densita]));
    }
    for (int i = 1; i <= s.numerotriangoli(); ++i) {
        const float* t = s.triangoli[i];
        tot.aggiungi(poligono({t[T::x1] - ox, t[T::x2] - ox, t[T::x3] - ox}, {t[T::y1] - oy, t[T::y2] - oy, t[T::y3] - oy}),
                     peso(t[T::densita]));
    }
    for (int i = 1; i <= s.numerocerchi(); ++i) {
        const float* c = s.cerchi[i];
        tot.aggiungi(disco(c[C::xc] - ox, c[C::yc] - oy, c[C::raggio]), peso(c[C::densita]));
    }
    return tot;
}

// The fifteen values in double, independently of the program: Green's theorem
// about a point of the section, the centroidal values by the parallel-axis
// theorem over short distances, the principal ones by Mohr's circle.
struct Atteso {
    double area = 0, massa = 0, xg = 0, yg = 0, ix = 0, iy = 0, ixy = 0;
    double lorda = 0, massalorda = 0;  // with holes counted as solid
    double ixg = 0, iyg = 0, ixgyg = 0, imax = 0, imin = 0;
    double rmax = 0, rmin = 0, alfa = 0;  // alfa: the axis of imax, radians
};

inline Atteso atteso(const vask::Sezione& s) {
    using namespace vask;
    // A corner of some element as the local origin.
    double ox = 0, oy = 0;
    if (s.numerorettangoli()) ox = s.rettangoli[1][R::x1], oy = s.rettangoli[1][R::y1];
    else if (s.numerotriangoli()) ox = s.triangoli[1][T::x1], oy = s.triangoli[1][T::y1];
    else if (s.numerocerchi()) ox = s.cerchi[1][C::xc], oy = s.cerchi[1][C::yc];
    const Integrali g = riferimento(s, ox, oy);
    Atteso e;
    e.area = riferimento(s, ox, oy, Peso::Segno).area;
    e.lorda = riferimento(s, ox, oy, Peso::Modulo).area;
    e.massalorda = riferimento(s, ox, oy, Peso::ModuloDensita).area;
    e.massa = g.area;
    const double u = g.sy / g.area, v = g.sx / g.area;
    e.xg = ox + u, e.yg = oy + v;
    e.ixg = g.ixx - g.area * v * v;
    e.iyg = g.iyy - g.area * u * u;
    e.ixgyg = g.ixy - g.area * u * v;
    e.ix = g.ixx + 2 * oy * g.sx + oy * oy * g.area;
    e.iy = g.iyy + 2 * ox * g.sy + ox * ox * g.area;
    e.ixy = g.ixy + ox * g.sx + oy * g.sy + ox * oy * g.area;
    const double centro = (e.ixg + e.iyg) / 2, raggio = std::hypot((e.ixg - e.iyg) / 2, e.ixgyg);
    e.imax = centro + raggio, e.imin = centro - raggio;
    e.rmax = std::sqrt(std::max(0.0, e.imax) / e.massa), e.rmin = std::sqrt(std::max(0.0, e.imin) / e.massa);
    e.alfa = 0.5 * std::atan2(-2 * e.ixgyg, e.ixg - e.iyg);
    return e;
}

// The fifteen results in the panel's order against the integration, each within 1e-6 of the largest value of its
// group (area and mass: of the gross ones, holes counted solid). A negative centroidal moment shows as 0, axes
// within 0.35 degrees of straight as 0 or 90 (`diritti`); an angle the float inputs cannot decide (product and
// difference of the moments of a few float steps) is not judged. The first one wrong, or empty.
template <class T> std::string giudica(const T* v, bool diritti, const Atteso& e) {
    const double attesi[15] = {e.area, e.massa, e.xg, e.yg, e.ix, e.iy, std::max(0.0, e.ixg), std::max(0.0, e.iyg),
                               e.ixy, e.ixgyg, e.imax, e.imin, e.rmax, e.rmin, e.alfa * 180 / PI};
    const int gruppo[14] = {0, 1, 2, 2, 3, 3, 4, 4, 3, 4, 4, 4, 5, 5};
    double scala[6] = {e.lorda, e.massalorda, 0, 0, 0, 0};
    for (int i = 0; i < 14; ++i)
        scala[gruppo[i]] = std::max({scala[gruppo[i]], std::fabs(double(v[i])), std::fabs(attesi[i])});
    const double decisione = std::hypot(e.ixg - e.iyg, 2 * e.ixgyg) / std::max(std::fabs(e.imax), std::fabs(e.imin));
    const double angolo = diritti ? 0.35 : 9e-5;  // degrees
    for (int i = 0; i < 15; ++i)
        if (!(i < 14 ? std::fabs(v[i] - attesi[i]) <= 1e-6 * scala[gruppo[i]]
                     : decisione <= 1e-5 || std::fabs(std::remainder(v[i] - attesi[i], 180)) <= angolo)) {
            std::ostringstream s;
            s.precision(9);
            s << vask::ETICHETTERISULTATI[i] << " " << v[i] << ", atteso " << attesi[i];
            return s.str();
        }
    return {};
}

// The linear stress field that carries a compressive N at C, from the
// reference integrals in world directions: s(P) = 1 + M w.(P - G) with
// J w = C - G, J the centroidal inertia; an element multiplies it by rho.
struct Campo {
    prova::Atteso e;
    double wx = 0, wy = 0;
    double operator()(double x, double y) const { return 1 + e.massa * (wx * (x - e.xg) + wy * (y - e.yg)); }
};

inline Campo campo(const vask::Sezione& s, double cx, double cy) {
    Campo f{prova::atteso(s)};
    // J = [[int u^2, int uv], [int uv, int v^2]] about G.
    const double a = f.e.iyg, b = f.e.ixgyg, d = f.e.ixg, det = a * d - b * b;
    const double u = cx - f.e.xg, v = cy - f.e.yg;
    f.wx = (d * u - b * v) / det, f.wy = (a * v - b * u) / det;
    return f;
}

// The solid material points with their densities: vertices, and the two
// points of each circle along the gradient.
inline double estremo(const vask::Sezione& s, const Campo& f, bool massimo) {
    using namespace vask;
    std::vector<std::array<double, 3>> p;
    for (int i = 1; i <= s.numerorettangoli(); ++i) {
        const float* q = s.rettangoli[i];
        if (q[R::densita] > 0)
            for (int a : {R::x1, R::x2})
                for (int b : {R::y1, R::y2}) p.push_back({q[a], q[b], q[R::densita]});
    }
    for (int i = 1; i <= s.numerotriangoli(); ++i) {
        const float* q = s.triangoli[i];
        if (q[T::densita] > 0)
            for (int a : {T::x1, T::x2, T::x3}) p.push_back({q[a], q[a + 1], q[T::densita]});
    }
    const double w = std::hypot(f.wx, f.wy);
    for (int i = 1; i <= s.numerocerchi(); ++i) {
        const float* q = s.cerchi[i];
        const double r = w > 0 ? q[C::raggio] / w : 0;
        if (q[C::densita] > 0)
            for (int k : {-1, 1}) p.push_back({q[C::xc] + k * r * f.wx, q[C::yc] + k * r * f.wy, q[C::densita]});
    }
    double v = massimo ? -INFINITY : INFINITY;
    for (const auto& [x, y, rho] : p) v = massimo ? std::max(v, rho * f(x, y)) : std::min(v, rho * f(x, y));
    return v;
}

}  // namespace prova
