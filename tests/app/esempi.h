// The samples of esempi/ part by part, and their results worked out the
// textbook way (parallel-axis theorem, in double), independent of the program.
#pragma once

#include <QString>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace esempi {

const double PI = std::acos(-1.0);

// A part with density +1 or -1 (a hole): area and moments carry the sign.
struct Parte {
    double area;
    double x, y;           // its centroid
    double ixx, iyy, ixy;  // about its own centroid, axes parallel to X and Y
};

inline Parte rettangolo(double x1, double y1, double x2, double y2, double densita = 1) {
    const double b = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
    return {densita * b * h, (x1 + x2) / 2, (y1 + y2) / 2, densita * b * h * h * h / 12, densita * b * b * b * h / 12, 0};
}

// Right angle at (x0, y0), legs bx along X and hy along Y, either sign. With
// both legs positive the own product is -b²h²/72; mirroring one leg flips it.
inline Parte triangolorettangolo(double x0, double y0, double bx, double hy, double densita = 1) {
    const double b = std::fabs(bx), h = std::fabs(hy);
    return {densita * b * h / 2, x0 + bx / 3, y0 + hy / 3, densita * b * h * h * h / 36,
            densita * b * b * b * h / 36, -densita * bx * hy * std::fabs(bx * hy) / 72};
}

inline Parte cerchio(double xc, double yc, double r, double densita = 1) {
    const double proprio = densita * PI * r * r * r * r / 4;
    return {densita * PI * r * r, xc, yc, proprio, proprio, 0};
}

struct Esempio {
    const char* file;
    std::vector<Parte> parti;
};

inline QString percorso(const Esempio& e) { return QStringLiteral(VASK_ESEMPI "/") + QString::fromLatin1(e.file); }

inline std::vector<Esempio> tutti() {
    return {
        // A flange 12 x 2 on a web 2 x 7, a 1 x 2 hole in the web.
        {"sezione_a_t_con_foro.vask", {rettangolo(2, 8, 14, 10), rettangolo(7, 1, 9, 8), rettangolo(7.5, 3, 8.5, 5, -1)}},
        // Legs 2 x 10 and 6 x 2 with a triangular fillet in the inner corner.
        {"sezione_a_l.vask", {rettangolo(2, 1, 4, 11), rettangolo(4, 1, 10, 3), triangolorettangolo(4, 3, 1, 1)}},
        // A channel: web 2 x 8, flanges 6 x 1.5 thickened by a taper inside.
        {"sezione_a_c.vask",
         {rettangolo(3, 2, 5, 10), rettangolo(5, 2, 11, 3.5), rettangolo(5, 8.5, 11, 10),
          triangolorettangolo(5, 3.5, 5, 0.5), triangolorettangolo(5, 8.5, 5, -0.5)}},
        // A plate 10 x 6 with a right triangle on top and a hole of radius 2.
        {"sezione_composta_con_foro.vask", {rettangolo(2, 1, 12, 7), triangolorettangolo(2, 7, 10, 4), cerchio(8, 4, 2, -1)}},
    };
}

enum { A, M, XG, YG, IX, IY, IXG, IYG, IXY, IXGYG, IXC, IYC, RXC, RYC, ALFA };

// The fifteen panel values, in order, and how far each may be from the
// program's (float totals, 7 significant digits).
struct Attese {
    double valori[15] = {}, tolleranza[15] = {};
};

inline Attese attese(const std::vector<Parte>& parti) {
    double a = 0, sx = 0, sy = 0, ix = 0, iy = 0, ixy = 0;
    // What the rounding of the float totals is relative to.
    double areaassoluta = 0, scalax = 0, scalay = 0, scalaxy = 0, scalamomentistatici = 0;
    for (const Parte& p : parti) {
        a += p.area, sx += p.area * p.x, sy += p.area * p.y;
        ix += p.ixx + p.area * p.y * p.y, iy += p.iyy + p.area * p.x * p.x, ixy += p.ixy + p.area * p.x * p.y;
        areaassoluta += std::fabs(p.area);
        scalax += std::fabs(p.ixx) + std::fabs(p.area) * p.y * p.y;
        scalay += std::fabs(p.iyy) + std::fabs(p.area) * p.x * p.x;
        scalaxy += std::fabs(p.ixy) + std::fabs(p.area * p.x * p.y);
        scalamomentistatici += std::fabs(p.area) * (std::fabs(p.x) + std::fabs(p.y));
    }
    const double xg = sx / a, yg = sy / a;
    double ixg = 0, iyg = 0, ixgyg = 0;  // straight from the parts, each moved to G
    for (const Parte& p : parti) {
        const double dx = p.x - xg, dy = p.y - yg;
        ixg += p.ixx + p.area * dy * dy, iyg += p.iyy + p.area * dx * dx, ixgyg += p.ixy + p.area * dx * dy;
    }
    // Principal moments: extremes of I(t) = ixg cos²t + iyg sin²t - 2 ixgyg sin t cos t; Xc the largest.
    const double media = (ixg + iyg) / 2, raggio = std::hypot((ixg - iyg) / 2, ixgyg);
    const double ixc = media + raggio, iyc = media - raggio;
    Attese r;
    const double valori[15] = {a,   a,   xg,    yg,  ix,  iy, ixg, iyg, ixy, ixgyg, ixc, iyc, std::sqrt(ixc / a),
                               std::sqrt(iyc / a), 0.5 * std::atan2(-2 * ixgyg, ixg - iyg) * 180 / PI};
    // A few float steps of what each value is summed from, and half a unit in the seventh digit.
    const double passi = 4 * FLT_EPSILON, cifre = 5e-7;
    const double dx = passi * scalax, dy = passi * scalay, dxy = passi * scalaxy, dm = std::max({dx, dy, dxy});
    const double da = passi * areaassoluta, dc = passi * scalamomentistatici / std::fabs(a) + passi * 20;
    const double assoluti[15] = {da, da, dc, dc, dx, dy, dx, dy, dxy, dxy, dm, dm,
                                 // r = sqrt(I / A): half the relative errors of I and A.
                                 valori[RXC] / 2 * (dm / ixc + da / std::fabs(a)), valori[RYC] / 2 * (dm / iyc + da / std::fabs(a)),
                                 dm / (ixc - iyc) * 180 / PI};  // the axes turn by about dI / (Ixc - Iyc) radians
    for (int i = 0; i < 15; ++i) r.valori[i] = valori[i], r.tolleranza[i] = assoluti[i] + cifre * std::fabs(valori[i]);
    return r;
}

// Two angles of the same axis differ by a multiple of 180 degrees.
inline double differenzaangoli(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 180.0);
    return std::min(d, 180 - d);
}

}  // namespace esempi
