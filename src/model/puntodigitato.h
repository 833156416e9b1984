// A point typed on the keyboard: "x;y", "x y" or "@dx;dy" (relative to the
// last point given), spaces allowed around the numbers, "." or "," as the
// decimal separator.
#pragma once

#include <string_view>

namespace vask {

enum class EsitoPunto {
    Ammesso,
    Forma,   // not one of the accepted forms ("3,5" alone among them: 3.5 or 3 and 5?)
    Numero,  // a number a 32-bit float cannot hold (infinite, or lost to 0)
};

struct PuntoDigitato {
    bool relativo = false;
    double x = 0, y = 0;  // each exactly as typed, a float can hold it
};

EsitoPunto leggipunto(std::string_view testo, PuntoDigitato& punto);

// The whole text as one number in the same form, spaces around it allowed
// (a cell of the element table); false when it is none.
bool legginumero(std::string_view testo, double& valore);

}  // namespace vask
