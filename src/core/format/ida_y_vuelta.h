#pragma once

#include "format/formato.h"

#include <string>
#include <string_view>

namespace tubrix {

// The value a text box hands back when it shows `valor` through `patron` and the user accepts
// it unchanged: the number the box shows, rounded as displayed. The thousands separators that
// the pattern itself put in are not read as a decimal point (2.500,0 stays 2500, not 2,5):
// Lee_Numero(sinAgrupar(formatea(valor, patron, separadores))), computed without building the
// text whenever the result is certain (the wizard's forward pass does this for every box).
double idaYVuelta(double valor, std::string_view patron, const Separadores& separadores);

// A text the program formatted, without its thousands separators.
std::string sinAgrupar(std::string texto, const Separadores& separadores);

// The general number format: up to 15 significant digits, trailing zeros dropped, no grouping,
// scientific notation for very large or very small magnitudes ("1,5E+20").
std::string formateaGeneral(double valor, const Separadores& separadores);

} // namespace tubrix
