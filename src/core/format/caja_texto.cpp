#include "format/caja_texto.h"

#include "format/ida_y_vuelta.h"
#include "format/lee_numero.h"

#include <cmath>

namespace tubrix {

double leeCaja(const CajaTexto& caja) {
    return caja.valor ? *caja.valor : Lee_Numero(caja.texto);
}

std::optional<double> numeroDeCaja(const CajaTexto& caja) {
    if (caja.valor)
        return caja.valor;
    if (!Contiene_Numero(caja.texto))
        return std::nullopt;
    return Lee_Numero(caja.texto);
}

namespace {

// The text of a box on a screen that is shown. Out of line, so that the forward pass, which
// fills every box and shows none, handles no string.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
void escribeTexto(CajaTexto& caja, double valor, std::string_view patron,
                  const Separadores& separadores) {
    caja.texto = formatea(valor, patron, separadores);
}

} // namespace

CajaTexto cajaDe(double valor, std::string_view patron, const Separadores& separadores) {
    CajaTexto caja;
    llenaCaja(caja, valor, patron, separadores);
    return caja;
}

void llenaCaja(CajaTexto& caja, double valor, std::string_view patron,
               const Separadores& separadores) {
    if (separadores.etiquetas)
        escribeTexto(caja, valor, patron, separadores);
    else
        caja.texto.clear();
    caja.valor = idaYVuelta(valor, patron, separadores);
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
