#include "model/puntodigitato.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace vask {

namespace {

bool cifra(char c) { return c >= '0' && c <= '9'; }

// One number from position i: an optional sign, digits with at most one
// decimal separator followed by a digit, an optional exponent. The text is
// copied with "." as separator, so that the parse knows no locale.
bool numero(std::string_view t, size_t& i, double& valore) {
    std::string s;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
    size_t cifre = 0;
    while (i < t.size() && cifra(t[i])) s += t[i++], ++cifre;
    if (i + 1 < t.size() && (t[i] == '.' || t[i] == ',') && cifra(t[i + 1])) {
        s += '.';
        ++i;
        while (i < t.size() && cifra(t[i])) s += t[i++], ++cifre;
    }
    if (cifre == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        std::string e = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) e += t[j++];
        if (j < t.size() && cifra(t[j])) {
            while (j < t.size() && cifra(t[j])) e += t[j++];
            s += e;
            i = j;
        }
    }
    const char* inizio = s.data() + (s[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(inizio, s.data() + s.size(), valore);
    // Out of range for a double: infinite or lost all the same.
    if (r.ec == std::errc::result_out_of_range) valore = s.find("e-") != std::string::npos ? 1e-300 : INFINITY;
    return true;
}

void spazi(std::string_view t, size_t& i) {
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
}

// A float holds it: finite, and not a number that rounds to 0.
bool rappresentabile(double v) {
    const float f = float(v);
    return std::fabs(v) <= FLT_MAX && (v == 0 || f != 0);
}

}  // namespace

EsitoPunto leggipunto(std::string_view t, PuntoDigitato& punto) {
    size_t i = 0;
    spazi(t, i);
    PuntoDigitato p;
    if (i < t.size() && t[i] == '@') p.relativo = true, ++i;
    spazi(t, i);
    if (!numero(t, i, p.x)) return EsitoPunto::Forma;
    const size_t dopox = i;
    spazi(t, i);
    if (i < t.size() && t[i] == ';') {
        ++i;
        spazi(t, i);
    } else if (i == dopox) {
        return EsitoPunto::Forma;  // neither ";" nor a space between the numbers
    }
    if (!numero(t, i, p.y)) return EsitoPunto::Forma;
    spazi(t, i);
    if (i != t.size()) return EsitoPunto::Forma;
    if (!rappresentabile(p.x) || !rappresentabile(p.y)) return EsitoPunto::Numero;
    punto = p;
    return EsitoPunto::Ammesso;
}

bool legginumero(std::string_view t, double& valore) {
    size_t i = 0;
    spazi(t, i);
    if (!numero(t, i, valore)) return false;
    spazi(t, i);
    return i == t.size();
}

}  // namespace vask
