#include "model/sezione.h"

#include <cmath>
#include <cstring>

namespace vask {

void Sezione::svuota() { *this = Sezione{}; }

namespace {

void punto(float* riga, int k, float x, float y) {
    riga[2 * k - 1] = x;
    riga[2 * k] = y;
}

// Copy rows n+1 .. last one down and zero the last row; rows above the count
// hold zeros, so moving them along is harmless.
template <int RIGHE, int CAMPI>
void compatta(float (&tabella)[RIGHE][CAMPI], int n) {
    for (int i = n + 1; i < RIGHE; ++i)
        std::memcpy(tabella[i - 1], tabella[i], sizeof(tabella[i]));
    std::memset(tabella[RIGHE - 1], 0, sizeof(tabella[RIGHE - 1]));
}

}  // namespace

void Sezione::puntidirettangolo(int n) {
    const float* r = rettangoli[n];
    float* p = puntirettangoli[n];
    const float x1 = r[R::x1], y1 = r[R::y1], x2 = r[R::x2], y2 = r[R::y2];
    const float mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    punto(p, 1, x1, y1);
    punto(p, 2, x2, y2);
    punto(p, 3, x1, y2);
    punto(p, 4, x2, y1);
    punto(p, 5, mx, my);
    punto(p, 6, x1, my);
    punto(p, 7, mx, y1);
    punto(p, 8, x2, my);
    punto(p, 9, mx, y2);
}

void Sezione::puntiditriangolo(int n) {
    const float* t = triangoli[n];
    float* p = puntitriangoli[n];
    const float x1 = t[T::x1], y1 = t[T::y1], x2 = t[T::x2], y2 = t[T::y2], x3 = t[T::x3],
                y3 = t[T::y3];
    punto(p, 1, x1, y1);
    punto(p, 2, x2, y2);
    punto(p, 3, x3, y3);
    punto(p, 4, (x1 + x2 + x3) / 3, (y1 + y2 + y3) / 3);
    punto(p, 5, (x1 + x2) / 2, (y1 + y2) / 2);
    punto(p, 6, (x1 + x3) / 2, (y1 + y3) / 2);
    punto(p, 7, (x2 + x3) / 2, (y2 + y3) / 2);
}

void Sezione::puntidicerchio(int n) {
    const float* c = cerchi[n];
    float* p = punticerchi[n];
    const float xc = c[C::xc], yc = c[C::yc], r = c[C::raggio];
    punto(p, 1, xc, yc);
    punto(p, 2, xc + r, yc);
    punto(p, 3, xc, yc + r);
    punto(p, 4, xc - r, yc);
    punto(p, 5, xc, yc - r);
}

void Sezione::puntidilinea(int n) {
    const float* s = linee[n];
    float* p = puntilinee[n];
    punto(p, 1, s[L::x1], s[L::y1]);
    punto(p, 2, s[L::x2], s[L::y2]);
}

void Sezione::completarettangolo(int n) {
    float* r = rettangoli[n];
    r[R::area] = arearettangolo(r[R::x1], r[R::y1], r[R::x2], r[R::y2], r[R::densita]);
    r[R::massa] = std::fabs(r[R::densita]) * r[R::area];
    puntidirettangolo(n);
    r[R::xg] = puntirettangoli[n][9];
    r[R::yg] = puntirettangoli[n][10];
}

void Sezione::completatriangolo(int n) {
    float* t = triangoli[n];
    t[T::area] = areatriangolo(t[T::x1], t[T::y1], t[T::x2], t[T::y2], t[T::x3], t[T::y3], t[T::densita]);
    t[T::massa] = std::fabs(t[T::densita]) * t[T::area];
    puntiditriangolo(n);
    t[T::xg] = puntitriangoli[n][7];
    t[T::yg] = puntitriangoli[n][8];
}

void Sezione::completacerchio(int n, float pigreco) {
    float* c = cerchi[n];
    c[C::area] = areacerchio(c[C::raggio], c[C::densita], pigreco);
    c[C::massa] = std::fabs(c[C::densita]) * c[C::area];
    puntidicerchio(n);
}

void Sezione::spostarettangolo(int n, float dx, float dy) {
    float* r = rettangoli[n];
    r[R::x1] += dx, r[R::x2] += dx;
    r[R::y1] += dy, r[R::y2] += dy;
    r[R::xg] = (r[R::x2] + r[R::x1]) / 2;
    r[R::yg] = (r[R::y2] + r[R::y1]) / 2;
    puntidirettangolo(n);
}

void Sezione::spostatriangolo(int n, float dx, float dy) {
    float* t = triangoli[n];
    t[T::x1] += dx, t[T::x2] += dx, t[T::x3] += dx;
    t[T::y1] += dy, t[T::y2] += dy, t[T::y3] += dy;
    t[T::xg] = (t[T::x2] + t[T::x1] + t[T::x3]) / 3;
    t[T::yg] = (t[T::y2] + t[T::y1] + t[T::y3]) / 3;
    puntiditriangolo(n);
}

void Sezione::spostacerchio(int n, float dx, float dy) {
    cerchi[n][C::xc] += dx;
    cerchi[n][C::yc] += dy;
    puntidicerchio(n);
}

void Sezione::spostalinea(int n, float dx, float dy) {
    float* l = linee[n];
    l[L::x1] += dx, l[L::x2] += dx;
    l[L::y1] += dy, l[L::y2] += dy;
    puntidilinea(n);
}

void Sezione::cancellarettangolo(int n) {
    compatta(rettangoli, n);
    compatta(puntirettangoli, n);
    --prossimorettangolo;
}

void Sezione::cancellatriangolo(int n) {
    compatta(triangoli, n);
    compatta(puntitriangoli, n);
    --prossimotriangolo;
}

void Sezione::cancellacerchio(int n) {
    compatta(cerchi, n);
    compatta(punticerchi, n);
    --prossimocerchio;
}

void Sezione::cancellalinea(int n) {
    compatta(linee, n);
    compatta(puntilinee, n);
    --l;
}

float segno(float v) { return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f); }

// In double, where differences and products of floats are exact: the area is
// rounded once, wherever the element lies.
float arearettangolo(float x1, float y1, float x2, float y2, float densita) {
    return float(segno(densita) * std::fabs(double(x1) - x2) * std::fabs(double(y1) - y2));
}

float areatriangolo(float x1, float y1, float x2, float y2, float x3, float y3, float densita) {
    const double doppia = (double(y2) - y1) * (double(x3) - x1) - (double(y3) - y1) * (double(x2) - x1);
    return float(std::fabs(doppia) * 0.5 * segno(densita));
}

float areacerchio(float raggio, float densita, float pigreco) {
    return segno(densita) * pigreco * raggio * raggio;
}

}  // namespace vask
