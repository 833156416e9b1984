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

// One piece of the triangle: the part between its apex P (the lowest or the
// highest vertex along u) and the chord through the middle vertex. With t the
// distance from P along u, the chord length is a*t + b and the chord midpoint
// c*t + d, the coefficients held as 32-bit floats. Measuring t from the apex
// keeps every term bounded: in absolute u, a piece a rounding step thick has
// slopes near 1e7 and its polynomial cancels catastrophically.
struct Pezzo {
    double u0 = 0, h = 0;  // apex and signed extent up to the chord
    float a = 0, b = 0, c = 0, d = 0;
    bool valido = false;   // false: no extent, skipped
};

Pezzo pezzo(const Vertice& P, const Vertice& B, double kPC) {
    Pezzo p;
    const double h = B.u - P.u;
    const double kPB = (B.w - P.w) / h;
    p.u0 = P.u;
    p.h = h;
    p.a = float(kPC - kPB);
    p.b = 0;  // both sides meet at the apex
    p.c = float(0.5 * (kPC + kPB));
    p.d = float(P.w);
    // A slope beyond the float range: the piece is thinner than any rounding
    // of its coordinates and holds no area.
    p.valido = std::isfinite(p.a) && std::isfinite(p.c);
    return p;
}

// Lower piece (apex A, up to B) and upper piece (apex C, down to B).
struct Pezzi {
    Pezzo basso, alto;
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
    if (C.u == A.u) return p;
    const double kAC = (C.w - A.w) / (C.u - A.u);
    if (B.u != A.u) p.basso = pezzo(A, B, kAC);
    if (C.u != B.u) p.alto = pezzo(C, B, kAC);
    return p;
}

// Integral of u^2 times the chord length over the piece.
double F(const Pezzo& p) {
    const double a = p.a, b = p.b, u = p.u0, t = p.h;
    return a * (u * u * t * t / 2 + 2 * u * t * t * t / 3 + t * t * t * t / 4) +
           b * (u * u * t + u * t * t + t * t * t / 3);
}

// Integral of u times the chord midpoint times the chord length over the piece.
double G(const Pezzo& p) {
    const double a = p.a, b = p.b, c = p.c, d = p.d, u = p.u0, t = p.h;
    const double ac = a * c, adbc = a * d + b * c, bd = b * d;
    return u * (ac * t * t * t / 3 + adbc * t * t / 2 + bd * t) +
           (ac * t * t * t * t / 4 + adbc * t * t * t / 3 + bd * t * t / 2);
}

// Sum of the pieces, each by its absolute value: the sign of the chord length
// depends only on the click order.
template <typename Integrale>
float integra(const float* t, bool lungoy, Integrale integrale) {
    const Pezzi p = pezzi(t, lungoy);
    double s1 = 0, s2 = 0;
    if (p.basso.valido) s1 = std::fabs(integrale(p.basso));
    if (p.alto.valido) s2 = std::fabs(integrale(p.alto));
    return float(double(t[T::densita]) * (s1 + s2));
}

}  // namespace

float momentoxtriangolo(const float* t) { return integra(t, true, F); }

float momentoytriangolo(const float* t) { return integra(t, false, F); }

float prodottoxytriangolo(const float* t) { return integra(t, true, G); }

namespace {

double segnodoppio(float v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

}  // namespace

Propria propriarettangolo(const float* r) {
    const double rho = r[R::densita];
    const double base = std::fabs(double(r[R::x1]) - r[R::x2]);
    const double altezza = std::fabs(double(r[R::y1]) - r[R::y2]);
    Propria p;
    p.geometrica = base * altezza;
    p.area = segnodoppio(r[R::densita]) * p.geometrica;
    p.massa = rho * base * altezza;
    p.xg = (double(r[R::x1]) + r[R::x2]) / 2;
    p.yg = (double(r[R::y1]) + r[R::y2]) / 2;
    p.ix = p.massa * altezza * altezza / 12;
    p.iy = p.massa * base * base / 12;
    return p;
}

Propria propriatriangolo(const float* t) {
    const double x[3] = {t[T::x1], t[T::x2], t[T::x3]}, y[3] = {t[T::y1], t[T::y2], t[T::y3]};
    Propria p;
    p.xg = (x[0] + x[1] + x[2]) / 3;
    p.yg = (y[0] + y[1] + y[2]) / 3;
    // Differences of floats are exact in double; so is each product.
    const double area = std::fabs((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0])) / 2;
    p.geometrica = area;
    p.area = segnodoppio(t[T::densita]) * area;
    p.massa = double(t[T::densita]) * area;
    // About the centroid the vertices' coordinates sum to 0, and the second
    // moments reduce to A/12 times the sums of their squares and products.
    double xx = 0, yy = 0, xy = 0;
    for (int k = 0; k < 3; ++k) {
        const double u = x[k] - p.xg, v = y[k] - p.yg;
        xx += u * u, yy += v * v, xy += u * v;
    }
    p.ix = p.massa * yy / 12;
    p.iy = p.massa * xx / 12;
    p.ixy = p.massa * xy / 12;
    return p;
}

Propria propriacerchio(const float* c, float pigreco) {
    // The float pi stands for pi: in double its other digits count where
    // holes cancel most of the mass.
    const double pi = pigreco == float(M_PI) ? M_PI : double(pigreco);
    const double r = c[C::raggio], area = pi * r * r;
    Propria p;
    p.geometrica = area;
    p.area = segnodoppio(c[C::densita]) * area;
    p.massa = double(c[C::densita]) * area;
    p.xg = c[C::xc];
    p.yg = c[C::yc];
    p.ix = p.iy = p.massa * r * r / 4;
    return p;
}

}  // namespace vask
