// The drawing on paper: the display list recoloured for a white page, the
// section light grey with black outlines, holes white, every other stroke
// of the screen kept in its hue but dark enough to read on white.
#pragma once

#include <cstdint>

#include "view/superficie.h"

namespace vask {

constexpr uint32_t GRIGIOCARTA = 0xD9D9D9;   // the section's fill
constexpr uint32_t GRIGLIACARTA = 0xB4B4B4;  // the grid's lines

// The colour with its luminance brought down to what reads on white.
uint32_t scurito(uint32_t colore);

// `sfondo`, `sezione`, `griglia`: the screen's colours of the background
// (and holes), of the section and of the grid, as chosen in Preferenze.
Superficie sucarta(const Superficie& s, uint32_t sfondo, uint32_t sezione, uint32_t griglia);

}  // namespace vask
