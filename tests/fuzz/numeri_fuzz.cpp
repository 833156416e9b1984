// libFuzzer target of the number helpers. The input is read as a text box,
// its first bytes also as the bit patterns of a float and a double (so every
// finite value is reached, subnormals and huge ones included) and as the
// pieces of a plain number whose float range is known in advance.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// A caption in the general form: "0", or [-]digits[sep digits][E(+|-)dd[d]],
// no trailing zeros after the separator, at most `massimo` significant digits,
// a single digit before the separator in the exponent form.
void verificaforma(const std::string& t, int massimo, char sep) {
    verifica(!t.empty() && t[0] != ' ', "blank or empty caption", t);
    if (t == "0") return;
    const auto e = t.find('E');
    const std::string mantissa = t.substr(0, e);
    if (e != std::string::npos) {
        const std::string esponente = t.substr(e + 1);
        verifica(esponente.size() >= 3 && (esponente[0] == '+' || esponente[0] == '-') &&
                     esponente.find_first_not_of("0123456789", 1) == std::string::npos,
                 "malformed exponent", t);
    }
    size_t i = mantissa[0] == '-' ? 1 : 0;
    verifica(i < mantissa.size() && mantissa[i] >= '0' && mantissa[i] <= '9', "no leading digit", t);
    const auto punto = mantissa.find(sep);
    int cifre = 0;
    bool significativa = false;
    for (; i < mantissa.size(); ++i) {
        if (i == punto) continue;
        verifica(mantissa[i] >= '0' && mantissa[i] <= '9', "stray character", t);
        significativa = significativa || mantissa[i] != '0';
        cifre += significativa;
    }
    verifica(significativa, "nonzero value written as zero", t);
    verifica(cifre <= massimo, "too many significant digits", t);
    if (punto != std::string::npos) verifica(mantissa.back() != '0' && mantissa.back() != sep, "trailing zero", t);
    if (e != std::string::npos)
        verifica((mantissa[0] == '-' ? 2u : 1u) == std::min(punto, mantissa.size()), "more than one digit before the separator", t);
}

// A finite float written, read back and written again: the first reading may
// move it (seven digits do not pin every float), the second must not. With
// either separator, the same caption but for it.
void verificasingolo(float f) {
    std::string conpunto;
    for (char sep : {'.', ','}) {
        impostaseparatore(sep);
        const std::string t = testosingolo(f);
        verificaforma(t, 7, sep);
        std::string atteso = conpunto;
        std::replace(atteso.begin(), atteso.end(), '.', ',');
        if (sep == '.') conpunto = t;
        else verifica(t == atteso, "separator differs from the current one", t);
        bool valido = false;
        const float g = valoredidascaliasingolo(t, &valido);
        verifica(valido && std::isfinite(g), "caption not read back", t);
        verifica(std::fabs(g - f) <= 1e-6f * std::fabs(f) + FLT_TRUE_MIN, "caption read back far off", t);
        const std::string t2 = testosingolo(g);
        verifica(stessibit(valoredidascaliasingolo(t2), g), "caption not stable", t2);
        if (sep == '.') {
            float h = -1;
            verifica(leggisingolo(t, h) == Portata::Ammesso && stessibit(h, g), "text box reads caption differently", t);
            verifica(stessibit(valoresingolo(t2), g), "text box not stable", t2);
        }
    }
    impostaseparatore('.');
}

void verificadoppio(double d) {
    for (char sep : {'.', ','}) {
        impostaseparatore(sep);
        const std::string t = testodoppio(d);
        if (!std::isfinite(d) || d == 0) {
            verifica(t == "0", "zero or non-finite not written as 0", t);
            continue;
        }
        verificaforma(t, 15, sep);
        // Fifteen digits round the largest doubles above the range; no caption gets there.
        if (std::fabs(d) >= 1.79769313486231e308) continue;
        bool valido = false;
        const double g = valoredidascalia(t, &valido);
        verifica(valido && std::fabs(g - d) <= 1e-14 * std::fabs(d) + DBL_TRUE_MIN, "caption not read back", t);
    }
    impostaseparatore('.');
}

// The typed text as the float it would be stored as.
void verificacasella(const std::string& testo) {
    const double d = valoreiniziale(testo);
    verifica(!std::isnan(d), "NaN from the leading-number parse", testo);
    float v = -1;
    const Portata p = leggisingolo(testo, v);
    verifica(std::isfinite(v), "non-finite float", testo);
    verifica(stessibit(valoresingolo(testo), p == Portata::Ammesso ? v : 0.0f), "valoresingolo disagrees", testo);
    const float f = static_cast<float>(d);  // IEEE: beyond the float range this is infinite
    if (std::isinf(f)) verifica(p == Portata::Troppogrande && v == 0, "too large not reported", testo);
    else if (d != 0 && f == 0) verifica(p == Portata::Troppopiccolo && v == 0, "too small not reported", testo);
    else if (d == 0)  // typed zero, or below even the double range: told apart below
        verifica(p != Portata::Troppogrande && v == 0, "zero read as nonzero", testo);
    else verifica(p == Portata::Ammesso && stessibit(v, f), "admissible number refused or changed", testo);
    bool valido = true;
    const double c = valoredidascalia(testo, &valido);
    verifica(std::isfinite(c) && (valido || c == 0), "caption read as non-finite, or invalid but nonzero", testo);
}

// cifra * 10^esponente typed in plain form, possibly with hundreds of zeros in
// the mantissa: its float range follows from the decimal exponent alone, and a
// nonzero number is never an admitted zero however far below the range it is.
void verificaesponente(int cifra, int zeri, bool frazione, bool negativo, long long esponente) {
    std::string testo = negativo ? "-" : "";
    testo += frazione ? "0." + std::string(zeri, '0') + char('0' + cifra) : char('0' + cifra) + std::string(zeri, '0');
    testo += "e" + std::to_string(esponente);
    const long long decimale = esponente + (frazione ? -(zeri + 1) : zeri);
    Portata attesa = Portata::Ammesso;
    if (decimale > 38 || (decimale == 38 && cifra >= 4)) attesa = Portata::Troppogrande;
    // Half the smallest subnormal is 7.006e-46.
    if (decimale < -46 || (decimale == -46 && cifra <= 7)) attesa = Portata::Troppopiccolo;
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
    if (n >= sizeof f && (std::memcpy(&f, dati, sizeof f), std::isfinite(f))) verificasingolo(f);
    if (n >= sizeof d) verificadoppio((std::memcpy(&d, dati, sizeof d), d));
    if (n >= 5) {
        int16_t e;
        std::memcpy(&e, dati + 3, sizeof e);
        // Now and then an exponent far beyond any range, in many digits.
        const long long esponente = (dati[2] & 4) ? e * 1000000000000LL : e;
        verificaesponente(1 + dati[0] % 9, dati[1], dati[2] & 1, dati[2] & 2, esponente);
    }
    return 0;
}
