// The drawing surface as an SVG document, written from the display list so
// that it stays sharp at any size.
#pragma once

#include <string>

#include "view/superficie.h"

namespace vask {

// Background, picture and overlay as a `larghezza` x `altezza` pixel SVG.
// Surface units map as the painter maps them, px = (xs - scaleleft) /
// scalewidth * (larghezza - 1), so the edges of the scale fall on the first
// and last pixel; pen widths are multiplied by `scala`.
std::string svg(const Superficie& s, int larghezza, int altezza, int scala = 1);

// A 0x00BBGGRR colour as "#rrggbb".
std::string colorehtml(uint32_t colore);

}  // namespace vask
