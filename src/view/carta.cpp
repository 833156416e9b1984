#include "view/carta.h"

#include <algorithm>

#include "model/controlli.h"

namespace vask {

uint32_t scurito(uint32_t colore) {
    const double r = colore & 0xFF, g = colore >> 8 & 0xFF, b = colore >> 16 & 0xFF;
    const double luce = 0.299 * r + 0.587 * g + 0.114 * b, massima = 90;
    if (luce <= massima) return colore;
    const double k = massima / luce;
    const auto canale = [k](double c) { return uint32_t(std::min(255.0, c * k + 0.5)); };
    return canale(r) | canale(g) << 8 | canale(b) << 16;
}

Superficie sucarta(const Superficie& s, uint32_t sfondo, uint32_t sezione, uint32_t griglia) {
    Superficie c = s;
    c.sfondo = BIANCO;
    // Fills: holes are the background's, the section's own fill turns grey.
    const auto riempimento = [&](uint32_t colore) {
        return colore == sfondo ? BIANCO : colore == sezione ? GRIGIOCARTA : scurito(colore);
    };
    // Strokes: the section's outlines black, the grid (lines across the view
    // along x and y) light, the rest darkened.
    const auto tratto = [&](const Primitiva& q) {
        if (q.forma == Forma::Segmento && q.colore == griglia && (q.x1 == q.x2 || q.y1 == q.y2)) return GRIGLIACARTA;
        if (q.colore == sezione || q.colore == s.primopiano) return NERO;
        return q.colore == sfondo ? BIANCO : scurito(q.colore);
    };
    for (Strato* st : {&c.immagine, &c.sovrapposto, &c.segni})
        for (Primitiva& q : st->primitive) {
            if (q.forma == Forma::Poligono) {
                q.colore = q.riempimento = riempimento(q.colore);
                continue;
            }
            if (q.riempito) q.riempimento = riempimento(q.riempimento);
            q.colore = tratto(q);
        }
    return c;
}

}  // namespace vask
