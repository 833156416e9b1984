// Trace of the central ellipse of inertia from its two foci.
#pragma once

#include <vector>

namespace vask {

struct Ellisse {
    float fuoco1x = 0, fuoco1y = 0, fuoco2x = 0, fuoco2y = 0;
    float iii = 0;                 // last abscissa swept
    float ellisseparte1y = 0;      // roots at the last abscissa with points
    float ellisseparte2y = 0;
    std::vector<float> punti;      // x, y pairs, two per abscissa with Delta >= 0
};

// Centre (xg, yg), Xc at angle alfa (radians), larger radius rx along Yc,
// smaller ry along Xc (rx >= ry >= 0). The abscissa runs from xg - rx to
// xg + rx in steps of 0.001, counted with an integer so that the sweep always
// ends; only abscissas inside [xmin, xmax] (the visible window) are evaluated,
// since points outside it could not be seen anyway.
void tracciaellisse(float xg, float yg, float alfa, float rx, float ry, float xmin, float xmax,
                    Ellisse& e);

}  // namespace vask
