// The interface language: Italian, the program's own, or English.
#pragma once

#include <functional>
#include <string_view>

namespace vask {

enum class Lingua { Italiano, Inglese };

// From the environment: the first of LANGUAGE (a colon-separated list: its
// first entry), LC_ALL, LC_MESSAGES and LANG that is set and not empty
// decides; English when it begins with "en", Italian otherwise, the C and
// POSIX locales included. `variabile` reads a variable (null when unset).
Lingua linguadisistema(const std::function<const char*(const char*)>& variabile);

// The value of --lingua: "it" or "en"; false for anything else.
bool leggilingua(std::string_view testo, Lingua& lingua);

}  // namespace vask
