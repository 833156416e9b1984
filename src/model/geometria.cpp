#include "model/geometria.h"

#include <algorithm>
#include <cmath>

#include "model/sezione.h"

namespace vask {

float distanzapunti(float x1, float y1, float x2, float y2) {
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    return float(std::sqrt(dx * dx + dy * dy));
}

bool colpiscerettangolo(const float* r, float px, float py) {
    const float xa = std::min(r[R::x1], r[R::x2]), xb = std::max(r[R::x1], r[R::x2]);
    const float ya = std::min(r[R::y1], r[R::y2]), yb = std::max(r[R::y1], r[R::y2]);
    return xa < px && px < xb && ya < py && py < yb;
}

bool colpiscetriangolo(const float* t, float xg, float yg, float px, float py, float altezza) {
    const float vicino = altezza / 20, centro = altezza / 10;
    return distanzapunti(px, py, t[T::x1], t[T::y1]) < vicino ||
           distanzapunti(px, py, t[T::x2], t[T::y2]) < vicino ||
           distanzapunti(px, py, t[T::x3], t[T::y3]) < vicino ||
           distanzapunti(px, py, xg, yg) < centro;
}

bool colpiscecerchio(const float* c, float px, float py) {
    return distanzapunti(px, py, c[C::xc], c[C::yc]) < c[C::raggio];
}

bool colpiscelinea(const float* l, float px, float py, float altezza) {
    const float mx = (l[L::x1] + l[L::x2]) / 2, my = (l[L::y1] + l[L::y2]) / 2;
    return distanzapunti(px, py, mx, my) < altezza / 20;
}

namespace {
bool positivo(float x, float y, float dx, float dy) { return !(x + dx < 0) && !(y + dy < 0); }
}  // namespace

bool rettangoloinquadrante(const float* r, float dx, float dy) {
    return positivo(r[R::x1], r[R::y1], dx, dy) && positivo(r[R::x2], r[R::y2], dx, dy) &&
           positivo(r[R::x1], r[R::y2], dx, dy) && positivo(r[R::x2], r[R::y1], dx, dy);
}

bool triangoloinquadrante(const float* t, float dx, float dy) {
    return positivo(t[T::x1], t[T::y1], dx, dy) && positivo(t[T::x2], t[T::y2], dx, dy) &&
           positivo(t[T::x3], t[T::y3], dx, dy);
}

bool cerchioinquadrante(const float* c, float dx, float dy) {
    return !(c[C::xc] + dx < c[C::raggio]) && !(c[C::yc] + dy < c[C::raggio]);
}

bool lineainquadrante(const float* l, float dx, float dy) {
    return positivo(l[L::x1], l[L::y1], dx, dy) && positivo(l[L::x2], l[L::y2], dx, dy);
}

namespace {
bool oltre(float x, float y, float dx, float dy) { return x + dx > LIMITEMONDO || y + dy > LIMITEMONDO; }
}  // namespace

bool rettangolooltre(const float* r, float dx, float dy) {
    return oltre(r[R::x1], r[R::y1], dx, dy) || oltre(r[R::x2], r[R::y2], dx, dy);
}

bool triangolooltre(const float* t, float dx, float dy) {
    return oltre(t[T::x1], t[T::y1], dx, dy) || oltre(t[T::x2], t[T::y2], dx, dy) ||
           oltre(t[T::x3], t[T::y3], dx, dy);
}

bool cerchiooltre(const float* c, float dx, float dy) {
    // The whole circle: its centre as it will be stored, plus the radius.
    const float xc = c[C::xc] + dx, yc = c[C::yc] + dy;
    return cerchiooltreilmondo(xc, yc, c[C::raggio]);
}

bool cerchiooltreilmondo(float xc, float yc, float raggio) {
    return double(xc) + raggio > LIMITEMONDO || double(yc) + raggio > LIMITEMONDO;
}

bool lineaoltre(const float* l, float dx, float dy) {
    return oltre(l[L::x1], l[L::y1], dx, dy) || oltre(l[L::x2], l[L::y2], dx, dy);
}

bool terzoverticedegenere(float x1, float y1, float x2, float y2, float x3, float y3) {
    if ((x1 == x2 && x3 == x2) || (y1 == y2 && y3 == y2)) return true;
    if ((x3 == x1 && y3 == y1) || (x3 == x2 && y3 == y2)) return true;
    if (x1 != x2 && x3 != x2 && x3 != x1) {
        const float pendenza12 = (y2 - y1) / (x2 - x1);
        const float pendenza23 = (y3 - y2) / (x3 - x2);
        if (pendenza12 == pendenza23) return true;
    }
    // Slopes a float step apart can still give an area that rounds to 0 in
    // float: such a triangle would be invisible and all but weightless.
    return (y2 - y1) * (x3 - x1) - (y3 - y1) * (x2 - x1) == 0;
}

}  // namespace vask
