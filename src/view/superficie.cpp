#include "view/superficie.h"

namespace vask {

void Superficie::scala(float x1, float y1, float x2, float y2) {
    scaleleft = x1;
    scaletop = y1;
    scalewidth = x2 - x1;
    scaleheight = y2 - y1;
    ++versione;
}

void Superficie::dimensioni(float larghezza, float altezza) {
    scalewidth = larghezza;
    scaleheight = altezza;
    ++versione;
}

void Superficie::pulisci() {
    immagine.svuota();
    sovrapposto.svuota();
    segni.svuota();
    ++versione;
}

void Superficie::svuotasovrapposto() {
    sovrapposto.svuota();
    ++versione;
}

void Superficie::svuotasegni() {
    segni.svuota();
    ++versione;
}

Primitiva Superficie::base(Forma forma, uint32_t colore) const {
    Primitiva p{};
    p.forma = forma;
    p.spessore = static_cast<uint8_t>(spessore);
    p.colore = colore;
    p.riempito = riempimentopieno;
    p.riempimento = coloreriempimento;
    return p;
}

void Superficie::linea(float x1, float y1, float x2, float y2, uint32_t colore) {
    Primitiva p = base(Forma::Segmento, colore);
    p.riempito = false;
    p.x1 = x1;
    p.y1 = ysuperficie(y1);
    p.x2 = x2;
    p.y2 = ysuperficie(y2);
    strato().primitive.push_back(p);
}

void Superficie::lineatratteggiata(float x1, float y1, float x2, float y2, uint32_t colore) {
    linea(x1, y1, x2, y2, colore);
    strato().primitive.back().tratteggiato = true;
}

void Superficie::rettangolo(float x1, float y1, float x2, float y2, uint32_t contorno) {
    Primitiva p = base(Forma::Rettangolo, contorno);
    p.x1 = x1;
    p.y1 = ysuperficie(y1);
    p.x2 = x2;
    p.y2 = ysuperficie(y2);
    strato().primitive.push_back(p);
}

void Superficie::cerchio(float xc, float yc, float raggio, uint32_t contorno) {
    Primitiva p = base(Forma::Cerchio, contorno);
    p.x1 = xc;
    p.y1 = ysuperficie(yc);
    p.raggio = raggio;
    strato().primitive.push_back(p);
}

void Superficie::punti(const float* xy, uint32_t quanti, uint32_t colore) { serie(Forma::Punti, xy, quanti, colore); }

void Superficie::polilinea(const float* xy, uint32_t quanti, uint32_t colore) {
    serie(Forma::Polilinea, xy, quanti, colore);
}

void Superficie::serie(Forma forma, const float* xy, uint32_t quanti, uint32_t colore) {
    Strato& s = strato();
    Primitiva p = base(forma, colore);
    p.riempito = false;
    p.primo = static_cast<uint32_t>(s.punti.size() / 2);
    p.quanti = quanti;
    for (uint32_t i = 0; i < quanti; ++i) {
        s.punti.push_back(xy[2 * i]);
        s.punti.push_back(ysuperficie(xy[2 * i + 1]));
    }
    s.primitive.push_back(p);
}

void Superficie::poligono(const float* xy, uint32_t quanti, uint32_t colore) {
    Strato& s = strato();
    Primitiva p = base(Forma::Poligono, colore);
    p.riempito = true;
    p.riempimento = colore;
    p.primo = static_cast<uint32_t>(s.punti.size() / 2);
    p.quanti = quanti;
    for (uint32_t i = 0; i < quanti; ++i) {
        s.punti.push_back(xy[2 * i]);
        s.punti.push_back(ysuperficie(xy[2 * i + 1]));
    }
    s.primitive.push_back(p);
}

}  // namespace vask
