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

}  // namespace vask
