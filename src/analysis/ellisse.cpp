#include "analysis/ellisse.h"

#include <algorithm>
#include <cmath>

namespace vask {

void tracciaellisse(float xg, float yg, float alfa, float rx, float ry, float xmin, float xmax,
                    Ellisse& e) {
    e.punti.clear();
    e.tagliatasinistra = e.tagliatadestra = false;
    for (float v : {xg, yg, alfa, rx, ry, xmin, xmax})
        if (!std::isfinite(v)) return;

    // Foci on Yc, whose direction is (-sin alfa, cos alfa); rounding must not
    // turn rx = ry into the root of a tiny negative number.
    const double s = std::sin(double(alfa)), c = std::cos(double(alfa));
    const double rho = rx;
    const double f = std::sqrt(std::max(0.0, rho * rho - double(ry) * ry));
    e.fuoco1x = float(xg - f * s);
    e.fuoco1y = float(yg + f * c);
    e.fuoco2x = float(xg + f * s);
    e.fuoco2y = float(yg - f * c);

    // The quadratic of the focal definition, written about G: the same curve,
    // without the cancellation that large coordinates would bring.
    const double f1x = -f * s, f1y = f * c, f2x = f * s, f2y = -f * c;
    const double dx = f1x - f2x, dy = f1y - f2y;
    const double r2 = rho * rho;
    const bool piatta = f >= rho;  // foci 2 rx apart: the ellipse is their segment
    const double K = 4 * r2 + f2x * f2x + f2y * f2y - f1x * f1x - f1y * f1y;
    const double A = 4 * dy * dy - 16 * r2;

    // Abscissas start + k * 0.001 up to xg + rx, only those inside the window.
    const double passo = 0.001;
    const double inizio = double(xg) - rho, fine = double(xg) + rho;
    const double primo = std::max(inizio, double(xmin)), ultimo = std::min(fine, double(xmax));
    if (primo > ultimo) return;
    // Beyond this count the step is lost in the rounding of the abscissa.
    const double primok = std::ceil((primo - inizio) / passo);
    if (primok > 1e15) return;
    long long k = (long long)primok;
    // Points at the first or last abscissa of a sweep the window cut: the
    // curve goes on beyond the window there.
    bool primaascissa = true;
    for (;; ++k) {
        const double x = inizio + double(k) * passo;
        if (x > ultimo) break;
        if (x < primo) continue;
        const bool prima = primaascissa;
        primaascissa = false;
        const size_t prima_n = e.punti.size();
        e.iii = float(x);
        const double X = x - xg;
        const double B = 8 * X * dx * dy + 4 * K * dy + 32 * r2 * f2y;
        const double C = 4 * X * X * dx * dx + K * K + 4 * X * dx * K - 16 * r2 * X * X -
                         16 * r2 * f2x * f2x + 32 * X * f2x * r2 - 16 * f2y * f2y * r2;
        const double delta = B * B - 4 * A * C;
        if (!(delta >= 0)) continue;
        if (A == 0) break;
        const double radice = std::sqrt(delta);
        const double y1 = yg + (-B - radice) / (2 * A);
        const double y2 = yg + (-B + radice) / (2 * A);
        if (!std::isfinite(y1) || !std::isfinite(y2)) continue;
        e.ellisseparte1y = float(y1);
        e.ellisseparte2y = float(y2);
        // With a minor radius of 0 squaring the focal definition also admits
        // the rest of the line through the foci: keep only the points whose
        // distances to the foci add up to 2 rx, the segment F1 F2.
        for (double y : {y1, y2}) {
            if (piatta) {
                const double Y = y - yg, ax = X - f1x, ay = Y - f1y, bx = X - f2x, by = Y - f2y;
                if (std::sqrt(ax * ax + ay * ay) + std::sqrt(bx * bx + by * by) > 2 * rho * (1 + 1e-6)) continue;
            }
            e.punti.push_back(float(x));
            e.punti.push_back(float(y));
        }
        if (e.punti.size() == prima_n) continue;
        if (prima && primo > inizio) e.tagliatasinistra = true;
        if (x + passo > ultimo && ultimo < fine) e.tagliatadestra = true;
    }
}

std::vector<float> lineaellisse(const Ellisse& e, float xmin, float xmax, float fuori, float passo) {
    // The roots of each abscissa: two, or one where a flat ellipse kept one.
    std::vector<float> x, a, b;
    for (size_t i = 0; i + 1 < e.punti.size();) {
        const float xi = e.punti[i], ya = e.punti[i + 1];
        const bool coppia = i + 3 < e.punti.size() && e.punti[i + 2] == xi;
        x.push_back(xi), a.push_back(ya), b.push_back(coppia ? e.punti[i + 3] : ya);
        i += coppia ? 4 : 2;
    }
    std::vector<float> l;
    if (x.empty()) return l;
    const auto aggiungi = [&l, passo](float px, float py) {
        const size_t n = l.size();
        if (n && std::hypot(px - l[n - 2], py - l[n - 1]) < passo) return;
        l.push_back(px), l.push_back(py);
    };
    const size_t n = x.size();
    for (size_t i = 0; i < n; ++i) aggiungi(x[i], a[i]);
    if (e.tagliatadestra) aggiungi(xmax + fuori, a[n - 1]), aggiungi(xmax + fuori, b[n - 1]);
    for (size_t i = n; i-- > 0;) aggiungi(x[i], b[i]);
    if (e.tagliatasinistra) aggiungi(xmin - fuori, b[0]), aggiungi(xmin - fuori, a[0]);
    // Closed on the first point, however near the last one kept.
    l.push_back(x[0]), l.push_back(a[0]);
    return l;
}

}  // namespace vask
