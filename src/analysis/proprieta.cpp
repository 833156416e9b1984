#include "analysis/proprieta.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace vask {

double arrotondamentocentrale(const Proprieta& p) {
    // A few float steps of the largest total, from which the centroidal
    // values are taken by difference.
    const double totale = std::max({std::fabs(double(p.ixtotale)), std::fabs(double(p.iytotale)),
                                    std::fabs(double(p.ixytotale))});
    return 8 * FLT_EPSILON * totale;
}

Proprieta calcolaproprieta(const Sezione& s, float pigreco) {
    Proprieta p;

    // Totals, in float as the panel keeps them: triangles, rectangles, circles.
    float ixtotale = 0, iytotale = 0, ixytotale = 0, massatotale = 0, area = 0;
    for (int i = 1; i <= s.numerotriangoli(); ++i) {
        const float* t = s.triangoli[i];
        ixtotale += t[T::ix];
        iytotale += t[T::iy];
        massatotale += t[T::massa];
        ixytotale += t[T::ixy];
        area += t[T::area];
    }
    for (int i = 1; i <= s.numerorettangoli(); ++i) {
        const float* r = s.rettangoli[i];
        ixtotale += r[R::ix];
        iytotale += r[R::iy];
        massatotale += r[R::massa];
        ixytotale += r[R::ixy];
        area += r[R::area];
    }
    for (int i = 1; i <= s.numerocerchi(); ++i) {
        const float* c = s.cerchi[i];
        ixtotale += c[C::ix];
        iytotale += c[C::iy];
        massatotale += c[C::massa];
        ixytotale += c[C::ixy];
        area += c[C::area];
    }
    p.area = area;
    p.massatotale = massatotale;
    if (!(massatotale > 0)) return p;

    // Static moments: rectangles, triangles, circles (about their centres).
    float momentostatico = 0;
    for (int i = 1; i <= s.numerorettangoli(); ++i)
        momentostatico += s.rettangoli[i][R::massa] * s.rettangoli[i][R::xg];
    for (int i = 1; i <= s.numerotriangoli(); ++i)
        momentostatico += s.triangoli[i][T::massa] * s.triangoli[i][T::xg];
    for (int i = 1; i <= s.numerocerchi(); ++i)
        momentostatico += s.cerchi[i][C::massa] * s.cerchi[i][C::xc];
    const float xg = momentostatico / massatotale;
    momentostatico = 0;
    for (int i = 1; i <= s.numerorettangoli(); ++i)
        momentostatico += s.rettangoli[i][R::massa] * s.rettangoli[i][R::yg];
    for (int i = 1; i <= s.numerotriangoli(); ++i)
        momentostatico += s.triangoli[i][T::massa] * s.triangoli[i][T::yg];
    for (int i = 1; i <= s.numerocerchi(); ++i)
        momentostatico += s.cerchi[i][C::massa] * s.cerchi[i][C::yc];
    const float yg = momentostatico / massatotale;

    p.xg = xg;
    p.yg = yg;
    p.ixtotale = ixtotale;
    p.iytotale = iytotale;
    p.ixytotale = ixytotale;

    // The centroidal values are small differences of large float totals: a
    // product or a difference of moments below the totals' rounding is noise,
    // and must not tilt the axes of a symmetric section. Circles alone also
    // keep their own fixed tolerance.
    const bool solocerchi =
        s.numerorettangoli() == 0 && s.numerotriangoli() == 0 && s.numerocerchi() > 0;
    const double s0 = solocerchi ? 0.00001 : 0.0;
    const double tolleranza = std::max(s0, arrotondamentocentrale(p));

    const double M = massatotale;
    const double ixgvero = ixtotale - double(yg) * yg * M;
    const double iygvero = iytotale - double(xg) * xg * M;
    // A moment is clamped only below 0 (below the circles' tolerance): far
    // from the origin a real moment can be smaller than the totals' rounding.
    float ixg = float(ixgvero);
    if (ixg < s0) ixg = 0;
    float iyg = float(iygvero);
    if (iyg < s0) iyg = 0;
    if (std::fabs(double(ixg) - iyg) < tolleranza) ixg = iyg;
    float ixgyg = float(ixytotale - double(xg) * M * yg);
    if (std::fabs(ixgyg) < tolleranza) ixgyg = 0;
    p.ixg = ixg;
    p.iyg = iyg;
    p.ixgyg = ixgyg;

    // Central moments.
    const double media = (double(ixg) + iyg) / 2;
    double ixc, iyc;
    if (ixg == iyg) {
        ixc = media + std::fabs(ixgyg);
        iyc = media - std::fabs(ixgyg);
    } else {
        const double d = double(ixg) - iyg;
        const double raggio = 0.5 * std::sqrt(d * d + 4 * double(ixgyg) * ixgyg);
        ixc = media + raggio;
        iyc = media - raggio;
    }
    p.ixc = float(ixc);
    p.iyc = float(iyc);
    // Holes can make the centroidal inertia indefinite: no real radius then,
    // clamped to 0 instead of the root of a negative number. A centroidal
    // moment clamped to 0 from below leaves a central moment of 0 that is
    // really negative as well.
    // Only holes say so: a sliver of a solid section can round below 0 too.
    const bool negativa = ixgvero < -tolleranza || iygvero < -tolleranza;
    bool fori = false;
    for (int i = 1; i <= s.numerorettangoli(); ++i) fori |= s.rettangoli[i][R::densita] < 0;
    for (int i = 1; i <= s.numerotriangoli(); ++i) fori |= s.triangoli[i][T::densita] < 0;
    for (int i = 1; i <= s.numerocerchi(); ++i) fori |= s.cerchi[i][C::densita] < 0;
    p.immaginarioxc = fori && (iyc < 0 || (iyc <= 0 && negativa));
    p.immaginarioyc = fori && (ixc < 0 || (ixc <= 0 && negativa));
    const auto giratore = [&](float momento) {
        return momento < 0 ? 0.0f : float(std::sqrt(double(momento) / M));
    };
    p.raggiocentralexc = giratore(p.ixc);
    p.raggiocentraleyc = giratore(p.iyc);

    // Angle of Xc, the axis of the maximum moment.
    const double pi = pigreco;
    double alfa;
    if (ixg == iyg) {
        alfa = ixgyg == 0 ? 0 : (ixgyg > 0 ? -pi / 4 : pi / 4);
    } else if (ixg > iyg) {
        alfa = 0.5 * std::atan(-2 * double(ixgyg) / (double(ixg) - iyg));
    } else {
        const double t = std::atan(-2 * double(ixgyg) / (double(iyg) - ixg));
        const double segnot = t > 0 ? 1 : (t < 0 ? -1 : 0);
        alfa = segnot * (pi / 2 - std::fabs(t) / 2);
    }
    p.alfa = float(alfa);
    p.angologradi = float(double(p.alfa) * 360 / (2 * pi));
    return p;
}

Assi casoassi(float angologradi, float ixg, float iyg) {
    const double g = angologradi, tau = 0.35;
    if ((g > tau && g < 90 - tau) || (g > -90 + tau && g < -tau)) return Assi::Obliqui;
    if (g >= -tau && g <= tau) return ixg < iyg ? Assi::Verticale : Assi::Orizzontale;
    return Assi::Verticale;
}

bool finite(const Proprieta& p) {
    const float valori[] = {p.area,      p.massatotale, p.xg,        p.yg,
                            p.ixtotale,  p.iytotale,    p.ixg,       p.iyg,
                            p.ixytotale, p.ixgyg,       p.ixc,       p.iyc,
                            p.raggiocentralexc, p.raggiocentraleyc, p.angologradi, p.alfa};
    for (float v : valori)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace vask
