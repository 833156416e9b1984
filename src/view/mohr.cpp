#include "view/mohr.h"

#include <algorithm>
#include <cmath>

#include "model/numeri.h"

namespace vask {

DisegnoMohr disegnomohr(double ixg, double iyg, double ixgyg, double dueangolo) {
    DisegnoMohr d;
    d.centro = (ixg + iyg) / 2;
    d.raggio = std::hypot((ixg - iyg) / 2, ixgyg);
    // A circle of no size (a round section) still gets a box to stand in.
    const double r = d.raggio > 0 ? d.raggio : std::max(std::fabs(d.centro) * 1e-3, 1e-9);
    d.xmin = d.centro - 1.35 * r, d.xmax = d.centro + 1.35 * r;
    d.ymin = -1.35 * r, d.ymax = 1.35 * r;
    d.xa = ixg, d.ya = ixgyg, d.xb = iyg, d.yb = -ixgyg;
    const auto t = [](double v) { return testosingolo(float(v)); };
    d.punti = {{ixg, ixgyg, "X", "(" + t(ixg) + "; " + t(ixgyg) + ")"},
               {iyg, -ixgyg, "Y", "(" + t(iyg) + "; " + t(-ixgyg) + ")"},
               {d.centro, 0, "C", t(d.centro)},
               {d.centro + d.raggio, 0, "Ixc", t(d.centro + d.raggio), true},
               {d.centro - d.raggio, 0, "Iyc", t(d.centro - d.raggio), true}};
    d.inizioarco = std::atan2(ixgyg, (ixg - iyg) / 2);
    d.ampiezzaarco = dueangolo;
    d.angolo = "2α = " + testosingolo(float(dueangolo * 180 / 3.14159265358979323846)) + "°";
    return d;
}

}  // namespace vask
