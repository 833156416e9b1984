// An eccentric normal force: its centre C, the neutral axis (the antipolar
// of C with respect to the central ellipse) and the normal stress over the
// section as a multiple of the mean stress N/M of a compressive N,
//   s = rho (1 + xiC xi / Ryc^2 + etaC eta / Rxc^2),
// in central coordinates (origin G, xi along Xc, eta along Yc).
#pragma once

#include <vector>

#include "analysis/relazione.h"

namespace vask {

enum class Verdetto { Interno, Contorno, Esterno, Assente };

struct Carico {
    double x = 0, y = 0;          // C in the world
    double xi = 0, eta = 0;       // and in central coordinates
    bool baricentro = false;      // C at G: no neutral axis, s = rho everywhere
    bool xiinfinito = false, etainfinito = false;
    double xi0 = 0, eta0 = 0;     // the neutral axis's intercepts with Xc and Yc
    double smin = 0, smax = 0;    // over the solid material points
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;  // where they are
    Verdetto verdetto = Verdetto::Assente;  // against the kern as drawn
};

// `vertici`: the kern's vertices as drawn, in their order around G (x, y
// pairs); none without closure lines, and the verdict then follows smin.
Carico calcolacarico(const Relazione& r, const Sezione& elementi, double x, double y,
                     const std::vector<double>& vertici);

// The neutral axis across the box [x1, x2] x [y1, y2]: false when it does
// not cross it (or there is none).
bool asseneutro(const Relazione& r, const Carico& c, double x1, double y1, double x2, double y2, double& ax,
                double& ay, double& bx, double& by);

}  // namespace vask
