// Painting of the drawing surface's display list onto any QPainter: the
// drawing area, an image in the tests, the benchmarks. No widget involved.
#pragma once

#include <QColor>
#include <QPointF>
#include <QSize>

#include "view/superficie.h"

class QPainter;

namespace vask {

// A 0x00BBGGRR colour as a QColor (the high byte is ignored).
inline QColor colorerg(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Background, then the picture, then the overlay, mapping surface units to a
// device of `pixel` size: px = (xs - scaleleft) / scalewidth * (width - 1), so
// that the left and right edges of the scale fall on the first and last pixel.
void dipingi(QPainter& p, const Superficie& s, QSize pixel);

// The surface point under a device position, the inverse of the mapping above.
QPointF puntosuperficie(const Superficie& s, QSize pixel, QPointF posizione);

}  // namespace vask
