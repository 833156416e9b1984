#include "edit/guida.h"

#include <algorithm>

namespace vask {

const char* const FILEGUIDA = "GUIDA.txt";
const char* const FILEGUIDE = "GUIDE.txt";

namespace {

std::string unisci(const std::string& cartella, const std::string& nome) {
    return cartella.empty() || cartella.back() == '/' ? cartella + nome : cartella + "/" + nome;
}

// The folder above, written out rather than as "..", so that the paths a
// missing guide lists read plainly.
std::string superiore(std::string cartella) {
    while (cartella.size() > 1 && cartella.back() == '/') cartella.pop_back();
    const size_t barra = cartella.rfind('/');
    if (barra == std::string::npos || cartella.compare(barra + 1, std::string::npos, "..") == 0 || cartella == ".")
        return unisci(cartella, "..");
    return barra == 0 ? "/" : cartella.substr(0, barra);
}

std::vector<std::string_view> righe(std::string_view testo) {
    std::vector<std::string_view> out;
    for (size_t da = 0; da <= testo.size();) {
        size_t a = testo.find('\n', da);
        if (a == std::string_view::npos) a = testo.size();
        std::string_view r = testo.substr(da, a - da);
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        out.push_back(r);
        da = a + 1;
    }
    return out;
}

bool righello(std::string_view r) { return !r.empty() && r.find_first_not_of('=') == std::string_view::npos; }

bool intestazione(std::string_view r) {
    size_t cifre = 0;
    while (cifre < r.size() && r[cifre] >= '0' && r[cifre] <= '9') ++cifre;
    return cifre > 0 && r.size() > cifre + 2 && r[cifre] == '.' && r[cifre + 1] == ' ' && r[cifre + 2] != ' ';
}

}  // namespace

std::vector<std::string> percorsiguida(const std::string& cartella, const std::string& nome) {
    const std::string qui = cartella.empty() ? "." : cartella, prefisso = superiore(qui);
    const std::vector<std::string> tutti = {unisci(qui, nome), unisci(prefisso, "share/doc/vask2cad/" + nome),
                                            unisci(prefisso, "share/vask2cad/" + nome), unisci(prefisso, nome)};
    // At the root the folder above is the folder itself.
    std::vector<std::string> out;
    for (const std::string& p : tutti)
        if (std::find(out.begin(), out.end(), p) == out.end()) out.push_back(p);
    return out;
}

std::vector<CapitoloGuida> capitoliguida(std::string_view testo) {
    const std::vector<std::string_view> r = righe(testo);
    std::vector<CapitoloGuida> out;
    for (size_t i = 1; i + 1 < r.size(); ++i) {
        if (!intestazione(r[i]) || !righello(r[i - 1]) || !righello(r[i + 1])) continue;
        std::string_view titolo = r[i];
        while (titolo.back() == ' ' || titolo.back() == '\t') titolo.remove_suffix(1);
        out.push_back({std::string(titolo), int(i)});
    }
    return out;
}

int capitolodiriga(const std::vector<CapitoloGuida>& capitoli, int riga) {
    int k = -1;
    for (size_t i = 0; i < capitoli.size() && capitoli[i].riga <= riga; ++i) k = int(i);
    return k;
}

std::string minuscoleguida(std::string_view testo) {
    std::string s(testo);
    // A lead byte is never a continuation byte, so each test below looks at
    // the start of a character.
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char& a = reinterpret_cast<unsigned char&>(s[i]);
        if (a >= 'A' && a <= 'Z') {
            a = static_cast<unsigned char>(a + 32);
            continue;
        }
        if (i + 1 >= s.size()) break;
        unsigned char& b = reinterpret_cast<unsigned char&>(s[i + 1]);
        if (a == 0xC3 && b >= 0x80 && b <= 0x9E && b != 0x97) {  // À … Þ, not ×
            b = static_cast<unsigned char>(b + 0x20);
        } else if (a == 0xCE && b >= 0x91 && b <= 0x9F) {  // Α … Ο
            b = static_cast<unsigned char>(b + 0x20);
        } else if (a == 0xCE && b >= 0xA0 && b <= 0xA9 && b != 0xA2) {  // Π … Ω
            a = 0xCF;
            b = static_cast<unsigned char>(b - 0x20);
        }
    }
    return s;
}

Corrispondenza cercanellaguida(std::string_view testo, std::string_view cercato, size_t da) {
    if (cercato.empty()) return {};
    const std::string t = minuscoleguida(testo), c = minuscoleguida(cercato);
    if (da > t.size()) da = t.size();
    if (size_t p = t.find(c, da); p != std::string::npos) return {p, false};
    // Two bounded scans, never a loop: from the top once.
    if (size_t p = t.find(c); p != std::string::npos) return {p, true};
    return {};
}

}  // namespace vask
