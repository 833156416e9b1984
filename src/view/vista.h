// The pure arithmetic of the view: axis captions, grid nodes, grid snap,
// object snap and the pan's rounding. Everything the handlers of zoom, pan,
// grid and guide lines compute goes through here.
#pragma once

#include <string>

#include "model/geometria.h"

namespace vask {

// Left and bottom edges of the window stay at or above 0; its right and top
// edges at or below LIMITEMONDO. The limits are on the left and bottom edges,
// so that every zoom fits.
constexpr float LARGHEZZAMASSIMA = 80, ALTEZZAMASSIMA = 48;
constexpr float LIMITEDESTRO = LIMITEMONDO - LARGHEZZAMASSIMA;      // largest left edge
constexpr float LIMITESUPERIORE = LIMITEMONDO - ALTEZZAMASSIMA;     // largest bottom edge

// Captions after `primo`: each the value of the one before, read back from its
// text, plus `passo`, written in the general form of a double. `quante`
// captions go to `uscita`.
void didascaliesuccessive(const std::string& primo, double passo, int quante,
                          std::string* uscita);

// A caption moved by a pan: its value plus `passo`.
std::string didascaliaspostata(const std::string& didascalia, double passo);

// Grid nodes k * passo (k >= 0) that lie within [da, a]: the first index and
// how many. None for a step that is not positive and finite, and never more
// than `massimo`, whatever the window.
struct Nodi {
    long long primo = 0;
    int quanti = 0;
};
Nodi nodigriglia(double da, double a, double passo, int massimo);

// Nearest integer, an exact half to the even one.
double arrotondapari(double v);

// Grid snap of one coordinate: the nearest multiple of the step, the product
// formed in single precision. The coordinate stays as it is when the step is
// zero or the quotient is not finite.
float agriglia(float v, float passo);

// Object snap: the first of `quanti` candidate points (x, y pairs) whose
// distance from (x, y), in double and rounded to a float, is strictly below
// `tolleranza`; -1 when none is.
int primocatturato(const float* xy, int quanti, float x, float y, float tolleranza);

// A dynamic pan's shift in whole units: halves to even, within 16 bits.
int passopan(double spostamento);

}  // namespace vask
