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
    // The sweep stopped at the window's left or right edge with points there.
    bool tagliatasinistra = false, tagliatadestra = false;
};

// The points joined into one closed line for drawing: the branch of the
// first roots left to right, the other back, the two meeting at the ends.
// Where the window cut the sweep the join runs `fuori` outside it, so that
// it does not show. Points closer than `passo` to the last one kept are
// skipped, the closing one excepted (x, y pairs).
std::vector<float> lineaellisse(const Ellisse& e, float xmin, float xmax, float fuori, float passo);

// Centre (xg, yg), Xc at angle alfa (radians), larger radius rx along Yc,
// smaller ry along Xc (rx >= ry >= 0). The abscissa runs from xg - rx to
// xg + rx in steps of 0.001, counted with an integer so that the sweep always
// ends; only abscissas inside [xmin, xmax] (the visible window) are evaluated,
// since points outside it could not be seen anyway.
void tracciaellisse(float xg, float yg, float alfa, float rx, float ry, float xmin, float xmax,
                    Ellisse& e);

}  // namespace vask
