// The drawing surface of `picAreagrafica` as a display list.
//
// The surface has a user scale (left, top, width, height), a draw width, a
// fill style and fill colour that persist from one drawing to the next (as on
// a bitmap), a background colour, and two lists of primitives: the persistent
// picture and the screen-only overlay. Clearing empties both; drawing while
// persistence is off appends to the overlay. The shell paints background,
// picture and overlay, mapping surface units to device pixels at paint time.
//
// The drawing calls take world coordinates and map a world point (x, y) to the
// surface point (x, H - y), H being the scale height at the time of drawing.
#pragma once

#include <cstdint>
#include <vector>

namespace vask {

enum class Forma : uint8_t { Segmento, Rettangolo, Cerchio, Punti, Poligono, Polilinea };

// One primitive, in surface coordinates.
struct Primitiva {
    Forma forma;
    uint8_t spessore;       // draw width in pixels
    bool riempito;          // rectangle / circle: interior filled with `riempimento`
    bool tratteggiato;      // segment: dashed
    float x1, y1, x2, y2;   // segment ends, box corners, circle centre (x1, y1)
    float raggio;           // circle
    uint32_t colore;        // line, outline, point or polygon colour
    uint32_t riempimento;   // fill colour of a filled rectangle or circle
    uint32_t primo, quanti; // Punti / Poligono / Polilinea: range of points in the list's pool
};

struct Strato {
    std::vector<Primitiva> primitive;
    std::vector<float> punti;  // x, y pairs for Punti and Poligono
    void svuota() {
        primitive.clear();
        punti.clear();
    }
};

class Superficie {
public:
    // User scale: surface x runs from scaleleft over scalewidth, surface y from
    // scaletop over scaleheight, downwards.
    float scaleleft = 0, scaletop = 0, scalewidth = 20, scaleheight = 12;

    uint32_t sfondo = 0x000000;     // background colour
    uint32_t primopiano = 0x000000; // foreground colour: never set by the program
    uint32_t coloreriempimento = 0x000000;
    bool riempimentopieno = false;  // fill style solid (never set back)
    int spessore = 1;               // draw width
    bool persistente = true;        // false: draw on the screen-only overlay
    bool strumento = false;         // true: draw on the tool marks (before `persistente`)

    Strato immagine;     // the persistent picture
    Strato sovrapposto;  // the screen-only overlay
    // What a tool shows over everything (the load point and its neutral
    // axis): screen-only, replaced whole at each change, painted last.
    Strato segni;

    // Grows with every change of the lists or of the scale: the shell repaints
    // only when it moved.
    uint64_t versione = 0;

    // Scale from the corner (x1, y1) to the corner (x2, y2).
    void scala(float x1, float y1, float x2, float y2);
    // New scale width and height; left and top stay.
    void dimensioni(float larghezza, float altezza);

    // Clear to the background colour: empties picture and overlay.
    void pulisci();
    // Drop what was drawn on the screen only (the tool marks stay).
    void svuotasovrapposto();
    void svuotasegni();

    // Drawing in world coordinates.
    void linea(float x1, float y1, float x2, float y2, uint32_t colore);
    void lineatratteggiata(float x1, float y1, float x2, float y2, uint32_t colore);
    // Box outlined in `contorno`, filled with the fill colour when the fill style is solid.
    void rettangolo(float x1, float y1, float x2, float y2, uint32_t contorno);
    void cerchio(float xc, float yc, float raggio, uint32_t contorno);
    // A batch of points (x, y pairs), each as large as the draw width.
    void punti(const float* xy, uint32_t quanti, uint32_t colore);
    // Consecutive points joined by straight strokes (x, y pairs).
    void polilinea(const float* xy, uint32_t quanti, uint32_t colore);
    // A solid polygon without outline (x, y pairs).
    void poligono(const float* xy, uint32_t quanti, uint32_t colore);

    // Surface y of world y.
    float ysuperficie(float y) const { return scaleheight - y; }

private:
    Strato& strato() {
        ++versione;
        return strumento ? segni : persistente ? immagine : sovrapposto;
    }
    Primitiva base(Forma forma, uint32_t colore) const;
    void serie(Forma forma, const float* xy, uint32_t quanti, uint32_t colore);
};

}  // namespace vask
