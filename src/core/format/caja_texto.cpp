#include "format/caja_texto.h"

#include "format/lee_numero.h"

#include <cmath>
#include <cstdint>

namespace tubrix {

double leeCaja(const CajaTexto& caja) {
    return caja.valor ? *caja.valor : Lee_Numero(caja.texto);
}

namespace detail {

std::optional<double> numeroDeTexto(std::string_view texto) {
    if (!Contiene_Numero(texto))
        return std::nullopt;
    return Lee_Numero(texto);
}

void escribeTexto(CajaTexto& caja, double valor, std::string_view patron,
                  const Separadores& separadores) {
    caja.texto = formatea(valor, patron, separadores);
}

} // namespace detail

CajaTexto cajaDe(double valor, PatronCaja patron, const Separadores& separadores) {
    CajaTexto caja;
    llenaCaja(caja, valor, patron, separadores);
    return caja;
}

CajaTexto cajaGeneralDe(double valor, const Separadores& separadores) {
    CajaTexto caja;
    if (separadores.etiquetas)
        caja.texto = formateaGeneral(valor, separadores);
    // A whole number is shown in full and reads back unchanged.
    // (Below 1e15 the integer conversion is exact; NaN and infinities fail the first test.)
    const bool entero =
        std::fabs(valor) < 1e15 && static_cast<double>(static_cast<std::int64_t>(valor)) == valor;
    caja.valor = entero ? valor + 0.0 : Lee_Numero(formateaGeneral(valor, separadores));
    return caja;
}

} // namespace tubrix
