// What a section file holds: the elements with every stored field, the view,
// grid and snaps, the display preferences. Plain data; the shell turns it
// into text and back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/sezione.h"

namespace vask {

constexpr int VERSIONEDOCUMENTO = 1;

struct Documento {
    int versione = VERSIONEDOCUMENTO;
    // One row per element, fields numbered as in the tables (field 0 unused).
    std::vector<std::array<float, R::CAMPI + 1>> rettangoli;
    std::vector<std::array<float, T::CAMPI + 1>> triangoli;
    std::vector<std::array<float, C::CAMPI + 1>> cerchi;
    std::vector<std::array<float, L::CAMPI + 1>> linee;
    // The window: left and bottom edges and width (the height is 3/5 of it).
    float sinistra = 0, basso = 0, larghezza = 20;
    // The text of the step box and the step in use.
    std::string testopasso = "1";
    float passo = 1;
    bool griglia = false, snap = false, osnap = false, guide = false;
    uint32_t coloresfondo = 0, coloregriglia = 0x808080, coloresezione = 0xFFFFFF,
             colorelinea = 0x00FF00;
    int spessore = 1;
};

// The first thing wrong with a document, in Italian (a marked or composed
// text, which the shell translates), or empty when it can be opened:
// capacities, finite numbers, every element passing the checks of drawing by
// hand and lying in the positive quadrant, the view within its limits, a
// usable grid step, colours and line width the program knows.
std::string problemadocumento(const Documento& d);

}  // namespace vask
