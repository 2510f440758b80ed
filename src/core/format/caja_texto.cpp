#include "format/caja_texto.h"

#include "format/lee_numero.h"

#include <cmath>

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
    const bool entero =
        std::isfinite(valor) && std::fabs(valor) < 1e15 && valor == std::trunc(valor);
    caja.valor = entero ? valor + 0.0 : Lee_Numero(formateaGeneral(valor, separadores));
    return caja;
}

} // namespace tubrix
