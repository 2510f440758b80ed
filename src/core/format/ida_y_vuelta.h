#pragma once

#include "format/formato.h"
#include "format/patron_caja.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace tubrix {

// The value a text box hands back when it shows `valor` through `patron` and the user accepts
// it unchanged: the number the box shows, rounded as displayed. The thousands separators that
// the pattern itself put in are not read as a decimal point (2.500,0 stays 2500, not 2,5):
// Lee_Numero(sinAgrupar(formatea(valor, patron, separadores))), computed without building the
// text whenever the result is certain (the wizard's forward pass does this for every box).
double idaYVuelta(double valor, std::string_view patron, const Separadores& separadores);
inline double idaYVuelta(double valor, const char* patron, const Separadores& separadores) {
    return idaYVuelta(valor, std::string_view(patron), separadores);
}

// A text the program formatted, without its thousands separators.
std::string sinAgrupar(std::string texto, const Separadores& separadores);

// The general number format: up to 15 significant digits, trailing zeros dropped, no grouping,
// scientific notation for very large or very small magnitudes ("1,5E+20").
std::string formateaGeneral(double valor, const Separadores& separadores);

namespace detail {

// The shown number by arithmetic, for a pattern of digits and separators only with `decimales`
// places (at most six): false when it cannot be certain (a value on a rounding tie, too large,
// not finite), and the text must be read.
//
// Below 1e8 units of the last place the whole part fits an integer exactly (and truncation is
// the floor). Away from a rounding tie the binary and the 15-digit decimal rounding agree; the
// quotient of two exact integers is then the double nearest to the decimal text. (The 15-digit
// decimal form differs from the double by less than 1e-6 at this scale.)
inline bool redondeaComoSeMuestra(double valor, int decimales, double& mostrado) {
    constexpr double kPotencias[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double escala = kPotencias[decimales];
    const double escalado = std::fabs(valor) * escala;
    if (!(escalado < 1e8)) // NaN and infinities fail too
        return false;
    const double entero = static_cast<double>(static_cast<std::int64_t>(escalado));
    const double fraccion = escalado - entero;
    if (!(std::fabs(fraccion - 0.5) > 1e-5))
        return false;
    const double n = fraccion > 0.5 ? entero + 1 : entero;
    const double resultado = n / escala;
    mostrado = (valor < 0 && n != 0) ? -resultado : resultado;
    return true;
}

// The text the box shows, read back (out of line: the boxes that need it are few).
double leeLoMostrado(double valor, std::string_view patron, const Separadores& separadores,
                     bool agrupa);

} // namespace detail

// The same through a pattern of the program, analysed when it was compiled: a box the program
// fills costs a few instructions.
inline double idaYVuelta(double valor, const PatronCaja& patron, const Separadores& separadores) {
    double mostrado;
    if (patron.directo() && separadores.lecturaDirecta &&
        detail::redondeaComoSeMuestra(valor, patron.decimales(), mostrado))
        return mostrado;
    return detail::leeLoMostrado(valor, patron.texto(), separadores, patron.agrupa());
}

} // namespace tubrix
