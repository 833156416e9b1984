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

// A marked text in the language wanted. The core builds its texts through
// one, so that the shell can pass the toolkit's; the identity gives Italian.
using Traduttore = std::function<std::string(const char*)>;
std::string italiano(const char* testo);

// `modello` with %1, %2... replaced by `parti` in one pass (a part is never
// read again); a number without its part stays as it is. Nothing remembered.
std::string riempi(const std::string& modello, const std::vector<std::string>& parti);

// `modello` with %1, %2... replaced by `parti`: the Italian sentence. The
// last ones composed are remembered with their model and parts.
std::string componi(const char* modello, const std::vector<std::string>& parti);

// The model and parts of `testo` when it is one of the sentences composed
// lately; false otherwise.
bool scomponi(const std::string& testo, std::string& modello, std::vector<std::string>& parti);

}  // namespace vask
