#include "model/numeri.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

// std::from_chars / std::to_chars are used throughout because they ignore the
// C locale, which the toolkit sets from the environment.

namespace vask {

namespace {

char separatore_ = '.';

bool ignorato(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool cifra(char c, int base) {
    if (base == 16)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (base == 8) return c >= '0' && c <= '7';
    return c >= '0' && c <= '9';
}

int valorecifra(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

// Decimal exponent of the leading digit of a plain number "ddd.ddde[+-]ddd":
// enough to tell a number too large for a double from one too small, which lie
// over 600 decades apart. The exponent saturates instead of overflowing.
long esponentedecimale(const std::string& s) {
    long esponente = 0;
    const auto e = s.find('e');
    if (e != std::string::npos) {
        size_t i = e + 1;
        const bool meno = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        for (; i < s.size(); ++i) esponente = std::min(esponente * 10 + (s[i] - '0'), 1000000000L);
        if (meno) esponente = -esponente;
    }
    const std::string mantissa = s.substr(0, e);
    const auto punto = std::min(mantissa.find('.'), mantissa.size());
    const auto primo = mantissa.find_first_of("123456789");
    if (primo == std::string::npos) return 0;
    const long posizione = primo < punto ? long(punto - primo) - 1 : -long(primo - punto);
    return esponente + posizione;
}

double leggidecimale(const std::string& s) {
    double v = 0;
    auto [fine, errore] = std::from_chars(s.data(), s.data() + s.size(), v);
    (void)fine;
    if (errore == std::errc::result_out_of_range) {
        // Beyond the double range: too small underflows to zero, too large is infinite.
        return esponentedecimale(s) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return errore == std::errc() ? v : 0.0;
}

std::string generale(double v, int cifre) {
    if (v == 0 || !std::isfinite(v)) return "0";
    char buf[64];
    auto [fine, errore] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, cifre);
    if (errore != std::errc()) return "0";
    std::string s(buf, fine);
    // Exponent as E+07 / E-05, at least two digits.
    const auto e = s.find('e');
    if (e != std::string::npos) {
        std::string mantissa = s.substr(0, e);
        char segnoesp = s[e + 1];
        std::string esponente = s.substr(e + 2);
        while (esponente.size() > 2 && esponente[0] == '0') esponente.erase(0, 1);
        if (esponente.size() < 2) esponente.insert(0, "0");
        s = mantissa + "E" + segnoesp + esponente;
    }
    if (separatore_ != '.')
        for (char& c : s)
            if (c == '.') c = separatore_;
    return s;
}

// The leading-number parse; `nonnullo` tells a nonzero number that underflowed
// to 0 (below even the double range) from a typed zero.
double leggiiniziale(std::string_view testo, bool& nonnullo) {
    nonnullo = false;
    std::string s;
    s.reserve(testo.size());
    for (char c : testo)
        if (!ignorato(c)) s += c;

    if (s.size() >= 2 && s[0] == '&') {
        const char k = s[1];
        const int base = (k == 'h' || k == 'H') ? 16 : (k == 'o' || k == 'O') ? 8 : 0;
        if (base == 0) return 0;
        double v = 0;
        for (size_t i = 2; i < s.size() && cifra(s[i], base); ++i) v = v * base + valorecifra(s[i]);
        nonnullo = v != 0;
        return v;
    }

    // Longest prefix of the form [sign] digits [. digits] [E|D [sign] digits].
    size_t i = 0;
    std::string numero;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    bool cifre = false;
    while (i < s.size() && cifra(s[i], 10)) numero += s[i++], cifre = true;
    if (i < s.size() && s[i] == '.') {
        numero += s[i++];
        while (i < s.size() && cifra(s[i], 10)) numero += s[i++], cifre = true;
    }
    if (!cifre) return 0;
    nonnullo = numero.find_first_of("123456789") != std::string::npos;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        std::string esponente = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) esponente += s[j++];
        bool cifreesp = false;
        while (j < s.size() && cifra(s[j], 10)) esponente += s[j++], cifreesp = true;
        if (cifreesp) numero += esponente;
    }
    if (numero[0] == '.') numero.insert(0, "0");
    const double v = leggidecimale(numero);
    return negativo ? -v : v;
}

}  // namespace

void impostaseparatore(char separatore) { separatore_ = separatore; }
char separatoredecimale() { return separatore_; }

double valoreiniziale(std::string_view testo) {
    bool nonnullo = false;
    return leggiiniziale(testo, nonnullo);
}

float valoresingolo(std::string_view testo) {
    float v = 0;
    return leggisingolo(testo, v) == Portata::Ammesso ? v : 0.0f;
}

Portata leggisingolo(std::string_view testo, float& valore) {
    bool nonnullo = false;
    const double v = leggiiniziale(testo, nonnullo);
    valore = 0;
    // Up to half a step above the largest float the number still rounds to it.
    constexpr double infinito = double(std::numeric_limits<float>::max()) + 0x1p103;
    if (!std::isfinite(v) || std::fabs(v) >= infinito) return Portata::Troppogrande;
    const float f = static_cast<float>(v);
    if (nonnullo && f == 0) return Portata::Troppopiccolo;
    // "-0" is 0: a negative zero would differ from it bit for bit in the
    // tables and in a file, and nowhere else.
    valore = f == 0 ? 0.0f : f;
    return Portata::Ammesso;
}

std::string testosingolo(float v) { return generale(static_cast<double>(v), 7); }
std::string testodoppio(double v) { return generale(v, 15); }
std::string testointero(long v) { return std::to_string(v); }

double valoredidascalia(std::string_view testo, bool* valido) {
    std::string s;
    for (char c : testo) {
        if (c == ' ') continue;
        if (c == separatore_)
            s += '.';
        else if (c == '.' && separatore_ != '.')
            s += '#';  // not a decimal point in this locale
        else
            s += c;
    }
    size_t inizio = (!s.empty() && s[0] == '+') ? 1 : 0;
    double v = 0;
    const char* primo = s.data() + inizio;
    const char* ultimo = s.data() + s.size();
    auto [fine, errore] = std::from_chars(primo, ultimo, v);
    const bool ok = !s.empty() && errore == std::errc() && fine == ultimo && std::isfinite(v);
    if (valido) *valido = ok;
    return ok ? v : 0.0;
}

float valoredidascaliasingolo(std::string_view testo, bool* valido) {
    bool ok = false;
    const double v = valoredidascalia(testo, &ok);
    if (!ok || std::fabs(v) > std::numeric_limits<float>::max()) {
        if (valido) *valido = false;
        return 0.0f;
    }
    if (valido) *valido = true;
    return static_cast<float>(v);
}

}  // namespace vask
