// The central kern: the antipoles of the closure lines with respect to the
// central ellipse of inertia, by a tangent construction in the frame of the
// central axes.
#pragma once

#include "model/sezione.h"

namespace vask {

// All working values are kept between lines and between runs: a step that
// cannot be computed (a division by zero, the root of a negative number or an
// overflow) is skipped and leaves the value it would have set as it was.
struct Nocciolo {
    float alfa = 0, beta = 0;
    float lineecentrali[MAXLINEE + 1][5] = {};
    float puntitangenza[MAXLINEE + 1][5] = {};
    float tangentescelta[MAXLINEE + 1][3] = {};
    float puntiintersezione[MAXLINEE + 1][3] = {};
    float distanzenocciolo[MAXLINEE + 1][4] = {};
    float verticinocciolo[MAXLINEE + 1][3] = {};
    // Scalars of one line.
    float a = 0, b = 0, c = 0, P = 0, Q = 0, D = 0, k = 0, d1 = 0, d2 = 0, theta = 0, u = 0, v = 0;
    // False for a line whose construction skipped a step (a line through the
    // centroid, a zero radius of gyration): its vertex is not meaningful and is
    // left out of the markers, the polygon and the snap points.
    bool valido[MAXLINEE + 1] = {};
};

// Rows 1 .. numerolinee of `linee` (field numbers of sezione.h). Writes rows 1
// .. numerolinee of the tables and the validity of each vertex.
void calcolanocciolo(Nocciolo& n, const float (*linee)[L::CAMPI + 1], int numerolinee, float xg,
                     float yg, float alfa, float rx, float ry);

// The valid vertices of rows 1 .. numerolinee in their angular order around G
// (xg, yg), starting from the first valid one; returns how many. Vertices at
// the same angle keep the order of their lines.
int ordineattorno(const Nocciolo& n, int numerolinee, float xg, float yg, int (&ordine)[MAXLINEE]);

}  // namespace vask
