#include "analysis/inerzia.h"

#include <cmath>
#include <utility>

#include "model/sezione.h"

namespace vask {

Inerzia inerziarettangolo(const float* r) {
    const double rho = r[R::densita], m = r[R::massa];
    const double base = std::fabs(double(r[R::x1]) - r[R::x2]);
    const double altezza = std::fabs(double(r[R::y1]) - r[R::y2]);
    const double my = (double(r[R::y1]) + r[R::y2]) / 2;
    const double mx = (double(r[R::x1]) + r[R::x2]) / 2;
    // The own centroidal moments are held as 32-bit floats before the transport.
    const float propriox = float(rho * base * altezza * altezza * altezza / 12);
    const float proprioy = float(rho * base * base * base * altezza / 12);
    Inerzia in;
    in.ix = float(propriox + m * my * my);
    in.iy = float(proprioy + m * mx * mx);
    // Sides parallel to the axes: no own product, only the transport term.
    in.ixy = float(double(r[R::xg]) * m * r[R::yg]);
    return in;
}

Inerzia inerziacerchio(const float* c, float pigreco) {
    const double raggio = c[C::raggio], m = c[C::massa];
    const double xc = c[C::xc], yc = c[C::yc];
    const float proprio = float(raggio * raggio * raggio * raggio / 4 * pigreco * c[C::densita]);
    Inerzia in;
    in.ix = float(proprio + m * yc * yc);
    in.iy = float(proprio + m * xc * xc);
    in.ixy = float(xc * m * yc);
    return in;
}

namespace {

// Vertices of the triangle being integrated; `u` is the coordinate the pieces
// are cut along, `w` the other one.
struct Vertice {
    double u, w;
};

// Vertices in click order, sorted along u by the exchange pass
// i = 1..2, j = 2..3 (j always starts at 2), strict comparison.
void ordina(Vertice (&v)[3]) {
    for (int i = 0; i < 2; ++i)
        for (int j = 1; j < 3; ++j)
            if (v[i].u > v[j].u) std::swap(v[i], v[j]);
}

// Coefficients of one piece between u0 and u1: the chord length is a*u + b and
// the midpoint of the chord c*u + d, each held as a 32-bit float.
struct Pezzo {
    float a = 0, b = 0, c = 0, d = 0;
};

// Lower piece (A..B) and upper piece (B..C); `valido` is false when the piece
// has no extent and is skipped.
struct Pezzi {
    Pezzo basso, alto;
    bool bassovalido = false, altovalido = false;
    double uA = 0, uB = 0, uC = 0;
};

Pezzi pezzi(const float* t, bool lungoy) {
    Vertice v[3];
    const int campi[3][2] = {{T::x1, T::y1}, {T::x2, T::y2}, {T::x3, T::y3}};
    for (int i = 0; i < 3; ++i) {
        const double x = t[campi[i][0]], y = t[campi[i][1]];
        v[i] = lungoy ? Vertice{y, x} : Vertice{x, y};
    }
    ordina(v);
    const Vertice &A = v[0], &B = v[1], &C = v[2];
    Pezzi p;
    p.uA = A.u;
    p.uB = B.u;
    p.uC = C.u;
    if (C.u == A.u) return p;
    const double kAC = (A.w - C.w) / (A.u - C.u);
    if (B.u != A.u) {
        const double kAB = (B.w - A.w) / (B.u - A.u);
        p.basso.a = float(kAC - kAB);
        p.basso.b = float(kAB * A.u + (C.w - A.w) - kAC * C.u);
        p.basso.c = float(0.5 * (kAB + kAC));
        p.basso.d = float(0.5 * (A.w + C.w - kAC * C.u - kAB * A.u));
        p.bassovalido = true;
    }
    if (C.u != B.u) {
        const double kBC = (C.w - B.w) / (C.u - B.u);
        p.alto.a = float(kAC - kBC);
        p.alto.b = float(kBC * B.u + (C.w - B.w) - kAC * C.u);
        p.alto.c = float(0.5 * (kBC + kAC));
        p.alto.d = float(0.5 * (B.w + C.w - kAC * C.u - kBC * B.u));
        p.altovalido = true;
    }
    return p;
}

// Integral of u^2 times the chord length.
double F(const Pezzo& p, double u) {
    return double(p.a) * u * u * u * u / 4 + double(p.b) * u * u * u / 3;
}

// Integral of u times the chord midpoint times the chord length.
double G(const Pezzo& p, double u) {
    const double a = p.a, b = p.b, c = p.c, d = p.d;
    return a * c * u * u * u * u / 4 + (a * d + b * c) * u * u * u / 3 + b * d * u * u / 2;
}

// Sum of the pieces, each by its absolute value: the sign of the chord length
// depends only on the click order.
template <typename Integrale>
float integra(const float* t, bool lungoy, Integrale integrale) {
    const Pezzi p = pezzi(t, lungoy);
    double s1 = 0, s2 = 0;
    if (p.bassovalido) s1 = std::fabs(integrale(p.basso, p.uB) - integrale(p.basso, p.uA));
    if (p.altovalido) s2 = std::fabs(integrale(p.alto, p.uC) - integrale(p.alto, p.uB));
    return float(double(t[T::densita]) * (s1 + s2));
}

}  // namespace

float momentoxtriangolo(const float* t) { return integra(t, true, F); }

float momentoytriangolo(const float* t) { return integra(t, false, F); }

float prodottoxytriangolo(const float* t) { return integra(t, true, G); }

}  // namespace vask
