#include "calc/comprobaciones.h"

#include "format/formato.h"

namespace tubrix {
namespace {

std::string valorLegible(double valor) {
    if (std::isnan(valor))
        return "un valor no numérico";
    if (std::isinf(valor))
        return valor > 0 ? "infinito" : "menos infinito";
    return formatea(valor, "#,##0.0###", Separadores::espanol());
}

} // namespace

Error noCalculable(std::string_view magnitud, std::string_view entrada, double valor) {
    return Error{CodigoError::DatoNoCalculable, "No se puede calcular " + std::string(magnitud) +
                                                    ": " + std::string(entrada) + " vale " +
                                                    valorLegible(valor) + "."};
}

Resultado<void> exigeNoNulo(std::string_view magnitud, std::string_view entrada, double valor) {
    if (valor == 0.0 || !std::isfinite(valor))
        return tl::unexpected(noCalculable(magnitud, entrada, valor));
    return {};
}

Resultado<void> exigePositivo(std::string_view magnitud, std::string_view entrada, double valor) {
    if (!(valor > 0.0) || !std::isfinite(valor))
        return tl::unexpected(noCalculable(magnitud, entrada, valor));
    return {};
}

Resultado<void> exigeFinito(std::string_view resultado, double valor) {
    if (!std::isfinite(valor))
        return falla(CodigoError::DatoNoCalculable,
                     "No se puede calcular " + std::string(resultado) +
                         ": el resultado no es un número finito. Revise los datos de entrada.");
    return {};
}

} // namespace tubrix
