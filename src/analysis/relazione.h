// The calculation written out as a student writes it by hand: each element's
// own values and transport terms, the centroid, the centroidal and principal
// moments, the section moduli, the antipoles of the closure lines and Mohr's
// circle. Central coordinates: origin G, xi along Xc (at alfa from x), eta
// along Yc (at alfa + 90 degrees).
#pragma once

#include <array>
#include <vector>

#include "analysis/proprieta.h"
#include "model/sezione.h"

namespace vask {

struct PassoElemento {
    int tipo = 0, numero = 0;  // 0 rectangle, 1 triangle, 2 circle
    double rho = 0, area = 0, massa = 0, xg = 0, yg = 0;
    double sx = 0, sy = 0;             // m yG, m xG
    double ixp = 0, iyp = 0, ixyp = 0; // own, about the element's centroidal axes
    double ix = 0, iy = 0, ixy = 0;    // about the reference axes
    double ixg = 0, iyg = 0, ixgyg = 0;  // own plus the transport to the section's centroid
};

// The section modulus about one central axis: the farthest solid point on
// each side, W = I / d; a side with no material has none.
struct Modulo {
    double momento = 0;
    bool piu = false, meno = false;
    double dpiu = 0, dmeno = 0, wpiu = 0, wmeno = 0;
};

struct PassoNocciolo {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool perbaricentro = false;                    // no antipole
    bool xiinfinito = false, etainfinito = false;  // parallel to that axis
    double xi0 = 0, eta0 = 0;  // intercepts with Xc and Yc, from G
    double u = 0, v = 0;       // the antipole in central coordinates
    double x = 0, y = 0;       // and in world coordinates
};

// Mohr's circle of the central moments: X (Ixg, Ixgyg) and Y (Iyg, -Ixgyg)
// on a diameter, the principal moments where the circle meets the axis.
struct Mohr {
    double centro = 0, raggio = 0;
    double ixg = 0, iyg = 0, ixgyg = 0, imax = 0, imin = 0;
    double dueangolo = 0;  // 2 alfa, radians, the angle from the diameter XY to the axis
};

struct Relazione {
    std::vector<PassoElemento> elementi;
    Proprieta p;               // the panel's values
    double massa = 0, sx = 0, sy = 0, ix = 0, iy = 0, ixy = 0;  // the totals, in double
    double xg = 0, yg = 0;
    // The Huygens-Steiner subtraction with the numbers as printed: far from
    // the origin it no longer gives the centroidal values.
    double ixgstampato = 0, iygstampato = 0, ixgygstampato = 0;
    double alfa = 0;           // the axis Xc as drawn (0 or pi/2 when straight), radians
    // The central inertia over M in the frame of the axes as drawn, in
    // double: ry2 = the integral of xi^2 / M (Ryc^2), rx2 = of eta^2 (Rxc^2),
    // rxy = of xi eta, 0 but for rounding unless straight axes were drawn
    // for a slightly oblique section.
    double rx2 = 0, ry2 = 0, rxy = 0;
    Assi assi = Assi::Orizzontale;
    Modulo moduloxc, moduloyc;
    std::vector<PassoNocciolo> nocciolo;
    Mohr mohr;
};

// Everything from the section's elements and its closure lines; the results
// are those "Esegui" computes for the same tables.
Relazione calcolarelazione(const Sezione& elementi, const Sezione& linee, float pigreco);

// The central coordinates (xi, eta) of a world point, and back.
void centrali(const Relazione& r, double x, double y, double& xi, double& eta);
void mondo(const Relazione& r, double xi, double eta, double& x, double& y);

}  // namespace vask
