// Mohr's circle of inertia as a picture in moment units: the circle, the
// abscissa of the moments, the diameter XY, the labelled points and the arc of
// the angle 2 alfa. The shell maps it to pixels with one scale for both axes,
// on the screen, in the report and in a PDF.
#pragma once

#include <string>
#include <vector>

namespace vask {

struct PuntoMohr {
    double x = 0, y = 0;
    std::string nome, valore;
    bool sotto = false;  // the label below the point, clear of X and Y on the axis
};

struct DisegnoMohr {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;  // the box to show
    double centro = 0, raggio = 0;
    double xa = 0, ya = 0, xb = 0, yb = 0;           // the diameter X-Y
    std::vector<PuntoMohr> punti;                     // X, Y, C, Ixc, Iyc
    double inizioarco = 0, ampiezzaarco = 0;          // radians from the +I direction, anticlockwise
    std::string angolo;                               // "2α = ...°"
};

// Ordinate upwards positive: X = (Ixg, Ixgyg), Y = (Iyg, -Ixgyg); turning
// from CX by `dueangolo` (2 alfa, anticlockwise when positive, as alfa in the
// drawing) reaches Ixc.
DisegnoMohr disegnomohr(double ixg, double iyg, double ixgyg, double dueangolo);

}  // namespace vask
