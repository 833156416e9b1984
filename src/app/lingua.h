// The interface's language in the shell: the translators installed, the
// choice kept between runs (Preferenze > Lingua).
#pragma once

#include "model/lingua.h"

namespace vask {

// Installs the translators of `lingua` and drops those of the other: the
// program's English texts, or Qt's own Italian ones. Every window then gets
// a LanguageChange event and sets its texts again.
void impostalingua(Lingua lingua);
Lingua linguaattuale();

// The language chosen in Preferenze and remembered; false when none was.
bool linguasalvata(Lingua& lingua);
void salvalingua(Lingua lingua);

}  // namespace vask
