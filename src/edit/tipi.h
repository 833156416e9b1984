// The four element kinds, in the order every command goes through them, and
// small helpers for the four flags that each group keeps per kind.
#pragma once

#include "model/testi.h"

namespace vask {

enum Tipo : int { RETTANGOLO, TRIANGOLO, CERCHIO, LINEA };

extern const char* const PULSANTITIPO[4];  // btnRettangolo ... btnLinea

// The kind's name in the descriptions of the history.
inline const char* nometipo(int k) {
    static const char* const NOMI[4] = {QT_TRANSLATE_NOOP("Vask", "rettangolo"), QT_TRANSLATE_NOOP("Vask", "triangolo"),
                                        QT_TRANSLATE_NOOP("Vask", "cerchio"), QT_TRANSLATE_NOOP("Vask", "linea")};
    return NOMI[k];
}

// Kind k on, the other three off.
inline void solo(bool& a, bool& b, bool& c, bool& d, int k) {
    a = k == RETTANGOLO;
    b = k == TRIANGOLO;
    c = k == CERCHIO;
    d = k == LINEA;
}
inline void nessuno(bool& a, bool& b, bool& c, bool& d) { a = b = c = d = false; }

}  // namespace vask
