#include "model/testi.h"

#include <list>
#include <unordered_map>

namespace vask {

namespace {

struct Composto {
    std::string testo, modello;
    std::vector<std::string> parti;
};

// Enough for every text on the screen and every step of the undo history
// (their names are composed too); the least recently composed go first.
constexpr size_t RICORDATI = 1024;
std::list<Composto> composti;
std::unordered_map<std::string, std::list<Composto>::iterator> indice;

}  // namespace

std::string italiano(const char* testo) { return testo; }

std::string riempi(const std::string& modello, const std::vector<std::string>& parti) {
    std::string r;
    for (size_t i = 0; i < modello.size(); ++i) {
        const char c = modello[i], d = i + 1 < modello.size() ? modello[i + 1] : '\0';
        const size_t k = c == '%' && d >= '1' && d <= '9' ? size_t(d - '1') : parti.size();
        if (k < parti.size()) {
            r += parti[k];
            ++i;
        } else {
            r += c;
        }
    }
    return r;
}

std::string componi(const char* modello, const std::vector<std::string>& parti) {
    std::string r = riempi(modello, parti);
    const auto trovato = indice.find(r);
    if (trovato != indice.end()) {
        composti.erase(trovato->second);
        indice.erase(trovato);
    }
    composti.push_back({r, modello, parti});
    indice[r] = std::prev(composti.end());
    if (composti.size() > RICORDATI) {
        indice.erase(composti.front().testo);
        composti.pop_front();
    }
    return r;
}

bool scomponi(const std::string& testo, std::string& modello, std::vector<std::string>& parti) {
    const auto trovato = indice.find(testo);
    if (trovato == indice.end()) return false;
    modello = trovato->second->modello;
    parti = trovato->second->parti;
    return true;
}

}  // namespace vask
