#pragma once

#include "format/caja_texto.h"
#include "input/rechazo.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <tl/expected.hpp>

namespace tubrix {

// A quantity typed on an input screen and the range a real section can give it. A value
// outside it is physically impossible (a negative load, a soil without weight, a friction angle
// beyond 90°), so the screen refuses it instead of letting it reach a verdict.
struct Magnitud {
    std::string_view nombre; // as a sentence names it: "el peso específico Gamma 1 del relleno"
    std::string_view unidad; // "m", "kN/m3", "º"; empty for a pure number
    double minimo = 0;
    bool minimoAdmitido = true; // the minimum itself is admissible
    double maximo = std::numeric_limits<double>::infinity();
};

// "Escriba un número en <nombre> (<unidad>)."
std::string Texto_Escriba_Numero(const Magnitud& magnitud);

// The message for a value outside the range ("El espesor de la capa superior debe ser mayor o
// igual que 0 m"), none for an admissible one. A value that is not a number is never admissible.
std::optional<std::string> Comprueba_Magnitud(const Magnitud& magnitud, double valor);

// The refusal of a screen, as the screens show their checks: the information icon, the beep,
// the title "Aviso" and the focus on the control `foco`.
Rechazo Rechazo_Magnitud(std::string texto, int foco);

namespace detail {
// Written so that NaN fails both comparisons.
constexpr bool admisible(const Magnitud& m, double valor) {
    const bool sobreMinimo = m.minimoAdmitido ? valor >= m.minimo : valor > m.minimo;
    return sobreMinimo && valor <= m.maximo;
}
// Lee_Magnitud of a box that holds no admissible number of the program's own.
tl::expected<double, std::string> leeMagnitudDeTexto(const CajaTexto& caja,
                                                     const Magnitud& magnitud, bool habilitada);
} // namespace detail

// A box the user could type in, read and checked: its number, or the message that names the
// quantity (no number in it, or a value outside the range); a refused value is not stored. A box
// the screen keeps disabled holds no typing mistake: with `habilitada` false a text without a
// number reads as 0, as Lee_Numero reads it, and only the range is checked. A box the program
// filled with an admissible value (nearly every box of the forward pass) is read in place.
inline tl::expected<double, std::string>
Lee_Magnitud(const CajaTexto& caja, const Magnitud& magnitud, bool habilitada = true) {
    if (caja.valor && detail::admisible(magnitud, *caja.valor))
        return *caja.valor;
    return detail::leeMagnitudDeTexto(caja, magnitud, habilitada);
}

} // namespace tubrix
