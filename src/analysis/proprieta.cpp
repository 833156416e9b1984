#include "analysis/proprieta.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "analysis/inerzia.h"

namespace vask {

namespace {

// The tolerance of step "circles only" of the panel's rules.
constexpr double SOLOCERCHI = 0.00001;

// Each element's own properties, in double; callback per element in the
// order rectangles, triangles, circles.
template <typename Visita>
void perognielemento(const Sezione& s, float pigreco, Visita visita) {
    for (int i = 1; i <= s.numerorettangoli(); ++i) visita(propriarettangolo(s.rettangoli[i]));
    for (int i = 1; i <= s.numerotriangoli(); ++i) visita(propriatriangolo(s.triangoli[i]));
    for (int i = 1; i <= s.numerocerchi(); ++i) visita(propriacerchio(s.cerchi[i], pigreco));
}

bool confori(const Sezione& s) {
    bool fori = false;
    for (int i = 1; i <= s.numerorettangoli(); ++i) fori |= s.rettangoli[i][R::densita] < 0;
    for (int i = 1; i <= s.numerotriangoli(); ++i) fori |= s.triangoli[i][T::densita] < 0;
    for (int i = 1; i <= s.numerocerchi(); ++i) fori |= s.cerchi[i][C::densita] < 0;
    return fori;
}

}  // namespace

double tolleranzacentrale(double ixg, double iyg, bool solocerchi) {
    const double relativa = 8 * FLT_EPSILON * std::max(std::fabs(ixg), std::fabs(iyg));
    return solocerchi ? std::max(SOLOCERCHI, relativa) : relativa;
}

Proprieta calcolaproprieta(const Sezione& s, float pigreco) {
    Proprieta p;

    // Area, mass, static moments and the totals about the origin, from the
    // stored geometry: the same moments as the elements' fields, without
    // their rounding, which holes far from the origin would magnify.
    double area = 0, M = 0, sy = 0, sx = 0, ixtotale = 0, iytotale = 0, ixytotale = 0;
    perognielemento(s, pigreco, [&](const Propria& e) {
        area += e.area, M += e.massa;
        sy += e.massa * e.xg, sx += e.massa * e.yg;
        ixtotale += e.ix + e.massa * e.yg * e.yg;
        iytotale += e.iy + e.massa * e.xg * e.xg;
        ixytotale += e.ixy + e.massa * e.xg * e.yg;
    });
    p.area = float(area);
    p.massatotale = float(M);
    if (!(M > 0) || !(p.massatotale > 0)) return p;
    const double xg = sy / M, yg = sx / M;
    p.xg = float(xg);
    p.yg = float(yg);
    p.ixtotale = float(ixtotale);
    p.iytotale = float(iytotale);
    p.ixytotale = float(ixytotale);

    // Centroidal values: each element's own moments plus its transport to G,
    // all relative to G, so that nothing large is subtracted.
    double ixg = 0, iyg = 0, ixgyg = 0;
    perognielemento(s, pigreco, [&](const Propria& e) {
        const double dx = e.xg - xg, dy = e.yg - yg;
        ixg += e.ix + e.massa * dy * dy;
        iyg += e.iy + e.massa * dx * dx;
        ixgyg += e.ixy + e.massa * dx * dy;
    });

    // Symmetry as far as the float inputs allow: a product, or a difference of
    // the moments, of a few float steps of the moments is zero.
    const bool solocerchi = s.numerorettangoli() == 0 && s.numerotriangoli() == 0 && s.numerocerchi() > 0;
    const double s0 = solocerchi ? SOLOCERCHI : 0.0;
    const double tolleranza = tolleranzacentrale(ixg, iyg, solocerchi);
    if (std::fabs(ixg - iyg) < tolleranza) ixg = iyg;
    if (std::fabs(ixgyg) < tolleranza) ixgyg = 0;
    p.ixgvero = ixg, p.iygvero = iyg, p.ixgygvero = ixgyg;
    // The labels show a negative moment (holes) as 0.
    p.ixg = ixg < s0 ? 0.0f : float(ixg);
    p.iyg = iyg < s0 ? 0.0f : float(iyg);
    p.ixgyg = float(ixgyg);

    // Central moments, from the true centroidal values.
    const double media = (ixg + iyg) / 2;
    double ixc, iyc;
    if (ixg == iyg) {
        ixc = media + std::fabs(ixgyg);
        iyc = media - std::fabs(ixgyg);
    } else {
        const double raggio = 0.5 * std::sqrt((ixg - iyg) * (ixg - iyg) + 4 * ixgyg * ixgyg);
        ixc = media + raggio;
        iyc = media - raggio;
    }
    p.ixc = float(ixc);
    p.iyc = float(iyc);
    // Holes can make the centroidal inertia indefinite: no real radius then.
    const bool fori = confori(s);
    p.immaginarioxc = fori && iyc < 0;
    p.immaginarioyc = fori && ixc < 0;
    const auto giratore = [&](double momento) { return momento < 0 ? 0.0f : float(std::sqrt(momento / M)); };
    p.raggiocentralexc = giratore(ixc);
    p.raggiocentraleyc = giratore(iyc);

    // Angle of Xc, the axis of the maximum moment.
    const double pi = pigreco;
    double alfa;
    if (ixg == iyg) {
        alfa = ixgyg == 0 ? 0 : (ixgyg > 0 ? -pi / 4 : pi / 4);
    } else if (ixg > iyg) {
        alfa = 0.5 * std::atan(-2 * ixgyg / (ixg - iyg));
    } else {
        const double t = std::atan(-2 * ixgyg / (iyg - ixg));
        const double segnot = t > 0 ? 1 : (t < 0 ? -1 : 0);
        alfa = segnot * (pi / 2 - std::fabs(t) / 2);
    }
    p.alfa = float(alfa);
    p.angologradi = float(alfa * 360 / (2 * pi));
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
