// The four sample sections of esempi/, described part by part, and what they
// must give worked out here the textbook way: each part's own centroidal
// moments carried by the parallel-axis theorem, in double. Nothing here comes
// from the program.
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
    return {densita * b * h, (x1 + x2) / 2, (y1 + y2) / 2, densita * b * h * h * h / 12,
            densita * b * b * b * h / 12, 0};
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

struct Punto {
    double x, y;
};

struct Esempio {
    const char* file;
    std::vector<Parte> parti;
    std::vector<std::pair<Punto, Punto>> linee;  // closure lines
};

inline QString percorso(const Esempio& e) {
    return QStringLiteral(VASK_ESEMPI "/") + QString::fromLatin1(e.file);
}

// The closure lines of a convex outline, corner to corner.
inline std::vector<std::pair<Punto, Punto>> contorno(std::vector<Punto> p) {
    std::vector<std::pair<Punto, Punto>> l;
    for (size_t i = 0; i < p.size(); ++i) l.push_back({p[i], p[(i + 1) % p.size()]});
    return l;
}

inline std::vector<Esempio> tutti() {
    return {
        // A flange 12 x 2 on a web 2 x 7, a 1 x 2 hole in the web.
        {"sezione_a_t_con_foro.vask",
         {rettangolo(2, 8, 14, 10), rettangolo(7, 1, 9, 8), rettangolo(7.5, 3, 8.5, 5, -1)},
         contorno({{2, 10}, {2, 8}, {7, 1}, {9, 1}, {14, 8}, {14, 10}})},
        // Legs 2 x 10 and 6 x 2 with a triangular fillet in the inner corner.
        {"sezione_a_l.vask",
         {rettangolo(2, 1, 4, 11), rettangolo(4, 1, 10, 3), triangolorettangolo(4, 3, 1, 1)},
         contorno({{2, 1}, {10, 1}, {10, 3}, {4, 11}, {2, 11}})},
        // A channel: web 2 x 8, flanges 6 x 1.5 thickened by a taper inside.
        {"sezione_a_c.vask",
         {rettangolo(3, 2, 5, 10), rettangolo(5, 2, 11, 3.5), rettangolo(5, 8.5, 11, 10),
          triangolorettangolo(5, 3.5, 5, 0.5), triangolorettangolo(5, 8.5, 5, -0.5)},
         contorno({{3, 2}, {11, 2}, {11, 10}, {3, 10}})},
        // A plate 10 x 6 with a right triangle on top and a hole of radius 2.
        {"sezione_composta_con_foro.vask",
         {rettangolo(2, 1, 12, 7), triangolorettangolo(2, 7, 10, 4), cerchio(8, 4, 2, -1)},
         contorno({{2, 1}, {12, 1}, {12, 7}, {2, 11}})},
    };
}

// The fifteen values of the results panel, in panel order.
struct Attese {
    double valori[15] = {};
    double xg = 0, yg = 0, ixg = 0, iyg = 0, ixgyg = 0, ixc = 0, iyc = 0, area = 0;
    // How far each value may be from the program's, which keeps 32-bit float
    // totals and shows 7 significant digits.
    double tolleranza[15] = {};
};

enum { A, M, XG, YG, IX, IY, IXG, IYG, IXY, IXGYG, IXC, IYC, RXC, RYC, ALFA };

inline Attese attese(const std::vector<Parte>& parti) {
    Attese r;
    double a = 0, sx = 0, sy = 0, ix = 0, iy = 0, ixy = 0;
    // What the rounding of the float totals is relative to.
    double areaassoluta = 0, scalax = 0, scalay = 0, scalaxy = 0, scalamomentistatici = 0;
    for (const Parte& p : parti) {
        a += p.area;
        sx += p.area * p.x;
        sy += p.area * p.y;
        ix += p.ixx + p.area * p.y * p.y;
        iy += p.iyy + p.area * p.x * p.x;
        ixy += p.ixy + p.area * p.x * p.y;
        areaassoluta += std::fabs(p.area);
        scalax += std::fabs(p.ixx) + std::fabs(p.area) * p.y * p.y;
        scalay += std::fabs(p.iyy) + std::fabs(p.area) * p.x * p.x;
        scalaxy += std::fabs(p.ixy) + std::fabs(p.area * p.x * p.y);
        scalamomentistatici += std::fabs(p.area) * (std::fabs(p.x) + std::fabs(p.y));
    }
    const double xg = sx / a, yg = sy / a;
    // Centroidal values straight from the parts, each moved to G.
    double ixg = 0, iyg = 0, ixgyg = 0;
    for (const Parte& p : parti) {
        const double dx = p.x - xg, dy = p.y - yg;
        ixg += p.ixx + p.area * dy * dy;
        iyg += p.iyy + p.area * dx * dx;
        ixgyg += p.ixy + p.area * dx * dy;
    }
    // Principal moments: the extremes of I(t) = ixg cos²t + iyg sin²t - 2 ixgyg sin t cos t,
    // the moment about the axis through G at angle t; Xc carries the largest.
    const double media = (ixg + iyg) / 2, raggio = std::hypot((ixg - iyg) / 2, ixgyg);
    const double ixc = media + raggio, iyc = media - raggio;
    const double alfa = 0.5 * std::atan2(-2 * ixgyg, ixg - iyg);

    const double valori[15] = {a,   a,     xg,  yg,  ix, iy, ixg, iyg, ixy, ixgyg, ixc, iyc,
                               std::sqrt(ixc / a), std::sqrt(iyc / a), alfa * 180 / PI};
    std::copy(valori, valori + 15, r.valori);
    r.xg = xg, r.yg = yg, r.ixg = ixg, r.iyg = iyg, r.ixgyg = ixgyg, r.ixc = ixc, r.iyc = iyc;
    r.area = a;

    // A few float steps of what each value is summed or subtracted from, and
    // half a unit in the seventh digit shown.
    const double passi = 4 * FLT_EPSILON, cifre = 5e-7;
    const double dx = passi * scalax, dy = passi * scalay, dxy = passi * scalaxy;
    const double dmomento = std::max({dx, dy, dxy});
    const double darea = passi * areaassoluta;
    const double dcoordinata = passi * scalamomentistatici / std::fabs(a) + passi * 20;
    const double assoluti[15] = {
        darea, darea, dcoordinata, dcoordinata, dx, dy, dx, dy, dxy, dxy, dmomento, dmomento,
        // r = sqrt(I / A): half the relative errors of I and A.
        std::sqrt(ixc / a) / 2 * (dmomento / ixc + darea / std::fabs(a)),
        std::sqrt(iyc / a) / 2 * (dmomento / iyc + darea / std::fabs(a)),
        // The axes turn by about dI / (Ixc - Iyc) radians.
        dmomento / (ixc - iyc) * 180 / PI};
    for (int i = 0; i < 15; ++i) r.tolleranza[i] = assoluti[i] + cifre * std::fabs(r.valori[i]);
    return r;
}

// Two angles of the same axis differ by a multiple of 180 degrees.
inline double differenzaangoli(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 180.0);
    return std::min(d, 180 - d);
}

// The kern vertex of a closure line: its antipole about the central ellipse.
// With J the centroidal second moments per unit area (J11 = Iyg/A,
// J12 = Ixgyg/A, J22 = Ixg/A), the line n·r = c (r from G) is the neutral axis
// of a load at e = -J n / c.
inline Punto antipolo(const Attese& p, Punto p1, Punto p2) {
    const double nx = -(p2.y - p1.y), ny = p2.x - p1.x;
    const double c = nx * (p1.x - p.xg) + ny * (p1.y - p.yg);
    const double j11 = p.iyg / p.area, j12 = p.ixgyg / p.area, j22 = p.ixg / p.area;
    return {p.xg - (j11 * nx + j12 * ny) / c, p.yg - (j12 * nx + j22 * ny) / c};
}

}  // namespace esempi
