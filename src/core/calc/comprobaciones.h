#pragma once

#include "error.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tubrix {

// Refusals of the calculations: a value that would divide by zero or leave the domain of a
// formula stops the calculation with a Spanish message naming the input and its value, before
// anything is stored. The checks are inline: they run on every value of every section.

// "No se puede calcular <magnitud>: <entrada> vale <valor>."
Error noCalculable(std::string_view magnitud, std::string_view entrada, double valor);

// "No se puede calcular <resultado>: el resultado no es un número finito. ..."
Error noFinito(std::string_view resultado);

// Refuses when `valor` is zero (the divisor of `magnitud`).
inline Resultado<void> exigeNoNulo(std::string_view magnitud, std::string_view entrada,
                                   double valor) {
    if (valor == 0.0 || !std::isfinite(valor))
        return tl::unexpected(noCalculable(magnitud, entrada, valor));
    return {};
}

// Refuses when `valor` is zero or negative.
inline Resultado<void> exigePositivo(std::string_view magnitud, std::string_view entrada,
                                     double valor) {
    if (!(valor > 0.0) || !std::isfinite(valor))
        return tl::unexpected(noCalculable(magnitud, entrada, valor));
    return {};
}

// Last guard after a calculation: refuses a result that is not a finite number.
inline Resultado<void> exigeFinito(std::string_view resultado, double valor) {
    if (!std::isfinite(valor))
        return tl::unexpected(noFinito(resultado));
    return {};
}

// Every value a calculation stores must be a finite number: the first that is not refuses.
using ValoresCalculados = std::initializer_list<std::pair<std::string_view, double>>;
inline Resultado<void> exigeFinitos(ValoresCalculados valores) {
    for (const auto& [nombre, valor] : valores)
        if (auto r = exigeFinito(nombre, valor); !r)
            return r;
    return {};
}

// A refusal passed on by a step that returns a value.
template <typename T>
Resultado<T> fallo(const Resultado<void>& refusal) {
    return tl::unexpected(refusal.error());
}

} // namespace tubrix
