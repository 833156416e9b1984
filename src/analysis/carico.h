// An eccentric normal force: its centre C, the neutral axis (the antipolar
// of C with respect to the central ellipse) and the normal stress over the
// section as a multiple of the mean stress N/M of a compressive N,
//   s = rho (1 + xiC xi / Ryc^2 + etaC eta / Rxc^2),
// in central coordinates (origin G, xi along Xc, eta along Yc).
#pragma once

#include <string>

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
    // Against the kern as drawn (the antipoles of the closure lines joined
    // around G); Assente when fewer than three make no polygon.
    Verdetto verdetto = Verdetto::Assente;
};

// Both central radii are real and not 0: only then is there a neutral axis.
bool caricoammesso(const Relazione& r);

// `elementi` are the elements the results came from; the kern is that of
// the closure lines in `r`.
Carico calcolacarico(const Relazione& r, const Sezione& elementi, double x, double y);

// The neutral axis across the box [x1, x2] x [y1, y2]: false when it does
// not cross it (or there is none).
bool asseneutro(const Relazione& r, const Carico& c, double x1, double y1, double x2, double y2, double& ax,
                double& ay, double& bx, double& by);

// The part from t0 to t1 of the line from (px, py) (t = 0) to (qx, qy)
// (t = 1) inside the box [x1, x2] x [y1, y2]: false when none.
bool ritaglia(double px, double py, double qx, double qy, double t0, double t1, double x1, double y1, double x2,
              double y2, double& ax, double& ay, double& bx, double& by);

// The verdict as one word (interno, contorno, esterno, assente) and as the
// sentence of the hint bar.
const char* parolaverdetto(Verdetto v);
std::string frasecarico(const Carico& c);

}  // namespace vask
