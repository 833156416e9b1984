// Texts of the core that the shell shows translated: the mark lupdate
// reads (a plain string here, where there is no toolkit), and sentences
// with parts filled in, kept with their parts so that the shell can give
// them in another language.
#pragma once

#include <functional>
#include <string>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(contesto, testo) testo
#endif

namespace vask {

// A marked text as the user reads it (the shell's translation); empty for
// the Italian as it is.
using Traduzione = std::function<std::string(const std::string&)>;

// `modello` with each %1...%9 replaced by its part, in one pass (a part
// holding "%2" stays as it is); a number with no part stays too.
std::string riempi(const std::string& modello, const std::vector<std::string>& parti);

// The Italian sentence riempi() makes; the last ones composed are
// remembered with their model and parts.
std::string componi(const char* modello, const std::vector<std::string>& parti);

// The model and parts of `testo` when it is one of the sentences composed
// lately; false otherwise.
bool scomponi(const std::string& testo, std::string& modello, std::vector<std::string>& parti);

}  // namespace vask
