// The interface's language in the shell: the translators installed, the
// choice kept between runs (Preferenze > Lingua).
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "model/lingua.h"

namespace vask {

// Installs the translators of `lingua` and drops those of the other: the
// program's English texts, or Qt's own Italian ones. Every window then gets
// a LanguageChange event and sets its texts again.
void impostalingua(Lingua lingua);
Lingua linguaattuale();

// The language to start in: --lingua among the program's arguments, else the
// choice kept from Preferenze, else the system's. False, with the value in
// `sbagliata`, when --lingua asks for neither it nor en.
bool linguainiziale(const QStringList& argomenti, Lingua& lingua, QString& sbagliata);

// A text of the core in the interface's language: a marked text as it is
// translated, a composed sentence through its model, anything else as it is.
QString tradotto(const std::string& testo);
// A text of the report (context "Relazione", or the hint bar's "Vask" that
// it shares) in the interface's language, as UTF-8: the core's Traduttore.
std::string tradottorelazione(const char* testo);

// The language chosen in Preferenze and remembered; false when none was.
bool linguasalvata(Lingua& lingua);
void salvalingua(Lingua lingua);

}  // namespace vask
