// Numbers as text and text as numbers.
//
// Text boxes (density, radius, grid step) are read with a leading-number parse
// that knows only "." as decimal separator. Captions (readout, axis labels,
// results) are written in the general decimal form with the user's decimal
// separator and read back with the same separator.
#pragma once

#include <string>
#include <string_view>

namespace vask {

// The user's decimal separator; the shell sets it from the system locale.
void impostaseparatore(char separatore);
char separatoredecimale();

// Leading-number parse of a text box: blanks, tabs and line feeds are ignored
// wherever they stand; an optional sign, digits, "." and an E or D exponent, or
// "&H" / "&O" followed by a hexadecimal / octal integer; parsing stops at the
// first character that cannot continue the number. No leading number gives 0.
double valoreiniziale(std::string_view testo);

// A typed number as the 32-bit float it would be stored as. Not Ammesso when the
// text holds a number but its float would be infinite (too large) or zero
// (too small); `valore` is then 0. No number at all is Ammesso with 0.
enum class Portata { Ammesso, Troppogrande, Troppopiccolo };
Portata leggisingolo(std::string_view testo, float& valore);

// The same, giving 0 for a number a float cannot hold (the live preview, which
// must not fail): an infinity must never reach the tables.
float valoresingolo(std::string_view testo);

// General decimal form: no leading blank, no trailing zeros, at most 7 (float)
// or 15 (double) significant digits, exponent form ("1.5E+07", "1E-05") for
// very large or very small magnitudes, the user's decimal separator.
std::string testosingolo(float v);
std::string testodoppio(double v);
std::string testointero(long v);

// Read back a caption written with the user's separator ("2,5" with a comma
// separator gives 2.5). Text that is not a number gives 0 and, if `valido` is
// given, false in it.
double valoredidascalia(std::string_view testo, bool* valido = nullptr);
float valoredidascaliasingolo(std::string_view testo, bool* valido = nullptr);

}  // namespace vask
