// libFuzzer target of the number helpers: the input as a text box, its first
// bytes as the bits of a float and a double (every finite value reached) and
// as the pieces of a plain number whose float range is known in advance.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "model/numeri.h"

using namespace vask;

namespace {

void verifica(bool condizione, const char* cosa, const std::string& testo) {
    if (condizione) return;
    std::fprintf(stderr, "%s: \"%s\"\n", cosa, testo.c_str());
    std::abort();
}

bool stessibit(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A caption with separator `sep`: "0", or [-]digits[sep digits][E(+|-)dd[d]]
// with no trailing zeros after the separator and one digit before it in the
// exponent form; some nonzero digit, at most `massimo` significant ones.
// Returns the caption with '.' as separator.
std::string verificaforma(const std::string& t, size_t massimo, char sep) {
    static const std::regex forma("0|-?(\\d+(\\.\\d*[1-9])?|\\d(\\.\\d*[1-9])?E[+-]\\d{2,})");
    std::string conpunto = t, cifre;
    std::replace(conpunto.begin(), conpunto.end(), sep, '.');
    verifica(std::count(t.begin(), t.end(), sep == '.' ? ',' : '.') == 0 && std::regex_match(conpunto, forma), "malformed", t);
    std::copy_if(t.begin(), t.begin() + std::min(t.find('E'), t.size()), std::back_inserter(cifre), ::isdigit);
    const size_t primo = cifre.find_first_not_of('0');
    verifica(t == "0" || (primo != std::string::npos && cifre.size() - primo <= massimo), "zero or too many digits", t);
    return conpunto;
}

// A finite float written, read back and written again: the first reading may
// move it (seven digits do not pin every float), the second must not; with
// either separator the same caption but for it.
void verificasingolo(float f) {
    std::string conpunto;
    for (char sep : {'.', ','}) {
        impostaseparatore(sep);
        const std::string t = testosingolo(f);
        verifica(verificaforma(t, 7, sep) == (sep == '.' ? t : conpunto), "separator differs from the current one", t);
        conpunto = t;
        bool valido = false;
        const float g = valoredidascaliasingolo(t, &valido);
        verifica(valido && std::fabs(g - f) <= 1e-6f * std::fabs(f) + FLT_TRUE_MIN, "caption not read back", t);
        verifica(stessibit(valoredidascaliasingolo(testosingolo(g)), g), "caption not stable", t);
        float h = -1;
        verifica(sep == ',' || (leggisingolo(t, h) == Portata::Ammesso && stessibit(h, g) &&
                                stessibit(valoresingolo(testosingolo(g)), g)), "text box reads it otherwise", t);
    }
    impostaseparatore('.');
}

// Fifteen digits, read back; zero and non-finite values written as 0. The
// largest doubles round above the range: no caption gets there.
void verificadoppio(double d) {
    for (char sep : {'.', ','}) {
        impostaseparatore(sep);
        const std::string t = testodoppio(d);
        verifica((std::isfinite(d) && d != 0) || t == "0", "zero or non-finite not written as 0", t);
        if (t == "0") continue;
        verificaforma(t, 15, sep);
        bool valido = false;
        const double g = valoredidascalia(t, &valido);
        verifica(std::fabs(d) >= 1.79769313486231e308 || (valido && std::fabs(g - d) <= 1e-14 * std::fabs(d) + DBL_TRUE_MIN),
                 "caption not read back", t);
    }
    impostaseparatore('.');
}

// The typed text as the float it would be stored as: beyond the float range
// too large, a nonzero below it too small, zero never too large.
void verificacasella(const std::string& testo) {
    const double d = valoreiniziale(testo);
    float v = -1;
    const Portata p = leggisingolo(testo, v);
    const float f = static_cast<float>(d);
    verifica(!std::isnan(d) && std::isfinite(v), "NaN or non-finite float", testo);
    verifica(stessibit(valoresingolo(testo), p == Portata::Ammesso ? v : 0.0f), "valoresingolo disagrees", testo);
    if (std::isinf(f)) verifica(p == Portata::Troppogrande && v == 0, "too large not reported", testo);
    else if (d != 0 && f == 0) verifica(p == Portata::Troppopiccolo && v == 0, "too small not reported", testo);
    else if (d == 0) verifica(p != Portata::Troppogrande && v == 0, "zero read as nonzero", testo);
    else verifica(p == Portata::Ammesso && stessibit(v, f), "admissible number refused or changed", testo);
    bool valido = true;
    const double c = valoredidascalia(testo, &valido);
    verifica(std::isfinite(c) && (valido || c == 0), "caption read as non-finite, or invalid but nonzero", testo);
}

// cifra * 10^esponente in plain form, with up to 255 zeros in the mantissa:
// its float range follows from the decimal exponent alone (half the smallest
// subnormal is 7.006e-46); a nonzero number is never an admitted zero.
void verificaesponente(int cifra, int zeri, bool frazione, bool negativo, long long esponente) {
    const std::string zeri0(zeri, '0'), mantissa = frazione ? "0." + zeri0 + char('0' + cifra) : char('0' + cifra) + zeri0;
    const std::string testo = (negativo ? "-" : "") + mantissa + "e" + std::to_string(esponente);
    const long long e = esponente + (frazione ? -(zeri + 1) : zeri);
    const Portata attesa = e > 38 || (e == 38 && cifra >= 4)    ? Portata::Troppogrande
                           : e < -46 || (e == -46 && cifra <= 7) ? Portata::Troppopiccolo
                                                                 : Portata::Ammesso;
    float v = -1;
    const Portata p = leggisingolo(testo, v);
    verifica(p == attesa, "wrong range", testo);
    verifica(p == Portata::Ammesso ? v != 0 && std::signbit(v) == negativo : v == 0, "wrong value for its range", testo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    impostaseparatore('.');
    const std::string testo(reinterpret_cast<const char*>(dati), n);
    verificacasella(testo);
    verificasingolo(valoresingolo(testo));
    verificadoppio(valoreiniziale(testo));
    float f;
    double d;
    int16_t e;
    if (n >= sizeof f && (std::memcpy(&f, dati, sizeof f), std::isfinite(f))) verificasingolo(f);
    if (n >= sizeof d) verificadoppio((std::memcpy(&d, dati, sizeof d), d));
    // Now and then an exponent far beyond any range, in many digits.
    if (n >= 5 && std::memcpy(&e, dati + 3, sizeof e))
        verificaesponente(1 + dati[0] % 9, dati[1], dati[2] & 1, dati[2] & 2, (dati[2] & 4) ? e * 1000000000000LL : e);
    return 0;
}
