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

Error noFinito(std::string_view resultado) {
    return Error{CodigoError::DatoNoCalculable,
                 "No se puede calcular " + std::string(resultado) +
                     ": el resultado no es un número finito. Revise los datos de entrada."};
}

} // namespace tubrix
