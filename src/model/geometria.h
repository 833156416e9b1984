// Geometry of single elements that the editing commands decide by: the hit
// tests of selection, the positive-quadrant test of a move, a distance. Rows
// are those of the element tables (field numbers of sezione.h). Distances are
// computed in double and rounded to a float, and every comparison is strict.
#pragma once

namespace vask {

// The world's far edges, x and y. Below 4096 a float steps by at most 1/2048
// of a unit, under a pixel of the finest view (1.25 units wide) on a
// screen-wide drawing area, so drawings, readout and window edges stay exact.
constexpr float LIMITEMONDO = 4096;

// Distance between two points, in double, rounded to a float.
float distanzapunti(float x1, float y1, float x2, float y2);

// P strictly inside the box of the two corners, in whatever order they were clicked.
bool colpiscerettangolo(const float* rettangolo, float px, float py);
// P within altezza / 20 of a vertex, or within altezza / 10 of the centroid
// `xg`, `yg` (the triangle's snap point 4).
bool colpiscetriangolo(const float* triangolo, float xg, float yg, float px, float py,
                       float altezza);
// P strictly inside the circle.
bool colpiscecerchio(const float* cerchio, float px, float py);
// P within altezza / 20 of the line's midpoint.
bool colpiscelinea(const float* linea, float px, float py, float altezza);

// Every defining point of the element stays in the positive quadrant after a
// translation by (dx, dy): corners, vertices and ends at x, y >= 0; a circle
// whole, its centre at least its radius from both axes.
bool rettangoloinquadrante(const float* rettangolo, float dx, float dy);
bool triangoloinquadrante(const float* triangolo, float dx, float dy);
bool cerchioinquadrante(const float* cerchio, float dx, float dy);
bool lineainquadrante(const float* linea, float dx, float dy);

// Some corner, vertex, end or a part of the circle beyond the world's far
// edges after the translation: where no view can reach it.
bool rettangolooltre(const float* rettangolo, float dx, float dy);
bool triangolooltre(const float* triangolo, float dx, float dy);
bool cerchiooltre(const float* cerchio, float dx, float dy);
bool lineaoltre(const float* linea, float dx, float dy);
// The circle of centre (xc, yc) reaches past the world's far edges.
bool cerchiooltreilmondo(float xc, float yc, float raggio);

// A third vertex that makes the triangle degenerate, in the order the third
// click tests: all on one vertical or horizontal line, on an earlier vertex,
// the same float slope, or an area that rounds to 0 when stored.
bool terzoverticedegenere(float x1, float y1, float x2, float y2, float x3, float y3);

}  // namespace vask
