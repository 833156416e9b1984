#include "model/lingua.h"

namespace vask {

Lingua linguadisistema(const std::function<const char*(const char*)>& variabile) {
    for (const char* nome : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = variabile(nome);
        if (!v || !*v) continue;
        const std::string_view valore(v);
        // LANGUAGE may list several: the first one that is not empty.
        const std::string_view primo = valore.substr(0, valore.find(':'));
        if (primo.empty()) continue;
        return primo.substr(0, 2) == "en" ? Lingua::Inglese : Lingua::Italiano;
    }
    return Lingua::Italiano;
}

bool leggilingua(std::string_view testo, Lingua& lingua) {
    if (testo == "it") lingua = Lingua::Italiano;
    else if (testo == "en") lingua = Lingua::Inglese;
    else return false;
    return true;
}

}  // namespace vask
