#include "model/testi.h"

#include <deque>

namespace vask {

namespace {

struct Composto {
    std::string testo, modello;
    std::vector<std::string> parti;
};

// Enough for every text on the screen at once; older ones are forgotten.
constexpr size_t RICORDATI = 64;
std::deque<Composto> composti;

}  // namespace

std::string italiano(const char* testo) { return testo; }

std::string riempi(const std::string& modello, const std::vector<std::string>& parti) {
    std::string r;
    for (const char* c = modello.c_str(); *c; ++c) {
        const size_t k = c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? size_t(c[1] - '1') : parti.size();
        if (k < parti.size()) {
            r += parti[k];
            ++c;
        } else {
            r += *c;
        }
    }
    return r;
}

std::string componi(const char* modello, const std::vector<std::string>& parti) {
    const std::string r = riempi(modello, parti);
    for (auto it = composti.begin(); it != composti.end(); ++it)
        if (it->testo == r) {
            composti.erase(it);
            break;
        }
    composti.push_back({r, modello, parti});
    if (composti.size() > RICORDATI) composti.pop_front();
    return r;
}

bool scomponi(const std::string& testo, std::string& modello, std::vector<std::string>& parti) {
    for (auto it = composti.rbegin(); it != composti.rend(); ++it)
        if (it->testo == testo) {
            modello = it->modello;
            parti = it->parti;
            return true;
        }
    return false;
}

}  // namespace vask
