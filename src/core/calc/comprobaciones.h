#pragma once

#include "error.h"

#include <cmath>
#include <string>
#include <string_view>

namespace tubrix {

// Refusals of the calculations: a value that would divide by zero or leave the domain of a
// formula stops the calculation with a Spanish message naming the input and its value, before
// anything is stored.

// "No se puede calcular <magnitud>: <entrada> vale <valor>."
Error noCalculable(std::string_view magnitud, std::string_view entrada, double valor);

// Refuses when `valor` is zero (the divisor of `magnitud`).
Resultado<void> exigeNoNulo(std::string_view magnitud, std::string_view entrada, double valor);

// Refuses when `valor` is zero or negative.
Resultado<void> exigePositivo(std::string_view magnitud, std::string_view entrada, double valor);

// Last guard after a calculation: refuses a result that is not a finite number.
Resultado<void> exigeFinito(std::string_view resultado, double valor);

} // namespace tubrix
