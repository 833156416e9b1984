// Moments and product of inertia of one element about the reference axes
// (the x axis y = 0 and the y axis x = 0), weighted by the element's density.
// Each function takes one row of its element table (field numbers of sezione.h).
#pragma once

namespace vask {

struct Inerzia {
    float ix = 0, iy = 0, ixy = 0;
};

// Closed formulas with the transport term; the element's own centroidal moment
// is held as a 32-bit float before the transport term is added.
Inerzia inerziarettangolo(const float* rettangolo);
Inerzia inerziacerchio(const float* cerchio, float pigreco);

// Exact integration of a triangle cut at its middle vertex into two pieces with
// a base parallel to an axis, each integrated from its own apex; the
// coefficients are held as 32-bit floats and each piece enters with its
// absolute value, so the click order does not matter.
float momentoxtriangolo(const float* triangolo);
float momentoytriangolo(const float* triangolo);
float prodottoxytriangolo(const float* triangolo);

// Mass, signed area, centroid and the element's own moments and product about
// its centroidal axes parallel to x and y, weighted by the density. Computed
// in double from the stored coordinates taken relative to the element's own
// centroid, so that they keep their digits anywhere on the plane.
struct Propria {
    double area = 0;  // geometric area times sign(densita)
    double geometrica = 0;
    double massa = 0, xg = 0, yg = 0;
    double ix = 0, iy = 0, ixy = 0;
};
Propria propriarettangolo(const float* rettangolo);
Propria propriatriangolo(const float* triangolo);
Propria propriacerchio(const float* cerchio, float pigreco);

}  // namespace vask
