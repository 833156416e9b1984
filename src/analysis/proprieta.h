// Properties of the whole section from the element tables, once every element
// carries its own ix, iy, ixy.
#pragma once

#include "model/sezione.h"

namespace vask {

struct Proprieta {
    // The fifteen values of the results panel, in panel order.
    float area = 0;            // 1  sum of the signed areas
    float massatotale = 0;     // 2
    float xg = 0, yg = 0;      // 3, 4
    float ixtotale = 0;        // 5
    float iytotale = 0;        // 6
    float ixg = 0, iyg = 0;    // 7, 8 (a negative moment shows as 0)
    float ixytotale = 0;       // 9
    float ixgyg = 0;           // 10
    float ixc = 0, iyc = 0;    // 11, 12 maximum and minimum central moment
    float raggiocentralexc = 0, raggiocentraleyc = 0;  // 13, 14
    float angologradi = 0;     // 15
    float alfa = 0;            // angle of Xc in radians, before the axes rule
    // The centroidal values as computed, before the labels' clamp at 0 (and
    // after the symmetry tolerance): the central moments, the radii and the
    // angle come from these.
    double ixgvero = 0, iygvero = 0, ixgygvero = 0;
    // Holes made the central moment along Xc (the one of Ryc) or along Yc
    // (the one of Rxc) negative: that radius is 0 and the section has no real
    // central ellipse along that axis. (A negative moment of a section
    // without holes is rounding: its radius is 0 too, without the remark.)
    bool immaginarioxc = false, immaginarioyc = false;
};

// Sums, centroid, centroidal and central values, radii and angle. The totals
// about the origin are the sums of the inertia fields as the last computation
// left them; the centroid and everything centroidal come from each element's
// own moments and its transport to the section's centroid, in double, so that
// they are exact to float precision anywhere on the plane. When the total
// mass is not positive only area and massatotale are meaningful.
Proprieta calcolaproprieta(const Sezione& s, float pigreco);

// Below this size the centroidal product, and the difference of the two
// centroidal moments, count as zero: a few float steps of the larger
// centroidal moment (or the fixed tolerance of sections of circles alone).
double tolleranzacentrale(double ixg, double iyg, bool solocerchi);

// How the central axes are drawn and what the angle label shows.
enum class Assi {
    Obliqui,     // both axes oblique, angle as computed
    Verticale,   // Xc vertical: angle label "90", alfa = pigreco / 2
    Orizzontale  // Xc horizontal: angle label "0", alfa = 0
};
Assi casoassi(float angologradi, float ixg, float iyg);

// True when every value is a finite number (no overflow reached the results).
bool finite(const Proprieta& p);

}  // namespace vask
