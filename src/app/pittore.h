// Painting of the drawing surface's display list onto an image: the drawing
// area's own picture, an image in the tests, the benchmarks. No widget involved.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>

#include "view/superficie.h"

namespace vask {

// A 0x00BBGGRR colour as a QColor (the high byte is ignored).
inline QColor colorerg(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Background, then the picture, the overlay and the tool marks, on an RGB32 image, only
// inside `zona`; surface units map to the image's pixels as
// px = (xs - scaleleft) / scalewidth * (width - 1), so that the left and right
// edges of the scale fall on the first and last pixel. Pen widths are
// multiplied by `scala` (device pixels per logical pixel).
// `sotto`: background, picture and overlay; `segni`: the tool marks.
void dipingi(QImage& immagine, const Superficie& s, const QRect& zona, int scala = 1, bool sotto = true,
             bool segni = true);

// The surface point under a position on a device of `pixel` size, the
// inverse of the mapping above.
QPointF puntosuperficie(const Superficie& s, QSize pixel, QPointF posizione);

// The drawing area's picture, kept from one paint to the next: only the part
// that differs from what was painted last is painted again. A preview or a
// snap that changes a few primitives repaints their few pixels, not the area.
class Tela {
public:
    // Brings the picture up to date for a device of `pixel` size and ratio
    // `rapporto`; returns the part painted, in device pixels (empty: nothing
    // changed).
    QRegion aggiorna(const Superficie& s, QSize pixel, qreal rapporto = 1);
    const QImage& immagine() const { return immagine_; }

private:
    QImage immagine_;
    QImage sotto_;  // the picture without the tool marks, while there are some
    Superficie dipinta_;  // what the image shows: scale, background, lists
    int scala_ = 0;
    bool valida_ = false;
};

}  // namespace vask
