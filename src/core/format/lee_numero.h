#pragma once

#include <string_view>

namespace tubrix {

// Reads the number the user typed. The first comma counts as the decimal point; blanks, tabs
// and line feeds are skipped anywhere; an optional sign, digits with one decimal point and an
// optional exponent (E or D); "&H" and "&O" read a hexadecimal or octal integer. Reading stops
// at the first character that cannot continue the number; with no digit the result is 0.
// The decimal point is the point whatever the regional settings. A number too large for a
// double reads as the largest finite value of its sign.
double Lee_Numero(std::string_view texto);

// Lee_Numero of a text the program never changes (an entry of a constant list, a literal): the
// screens read the same entries over and over, so each is read once per thread and remembered
// by its address and length. Never for a std::string's text (its storage is reused for
// other texts at the same address): only for literals and constant lists.
double Lee_Numero_Constante(std::string_view texto);

// True when Lee_Numero finds a digit in the text (a typed "abc", "-", "," or an empty box holds
// no number, and Lee_Numero would read it as 0).
bool Contiene_Numero(std::string_view texto);

namespace detail {
// The general reader, without the fast path for short decimals (tests compare the two).
double leeNumeroGeneral(std::string_view texto);
} // namespace detail

} // namespace tubrix
