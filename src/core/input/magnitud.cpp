#include "input/magnitud.h"

#include "format/formato.h"

#include <cmath>
#include <utility>

namespace tubrix {
namespace {

constexpr std::string_view kGrados = "º";

// "0,5 m", "90º", "0" (a pure number).
std::string conUnidad(double valor, std::string_view unidad) {
    const Separadores es = Separadores::espanol();
    std::string texto = formatea(valor, "#,##0.###", es);
    // A whole number shows no decimal separator ("0", not "0,").
    if (texto.ends_with(es.decimal))
        texto.resize(texto.size() - es.decimal.size());
    if (unidad.empty())
        return texto;
    if (unidad != kGrados)
        texto += ' ';
    texto += unidad;
    return texto;
}

// The name at the start of a sentence: "el ..." becomes "El ...".
std::string alPrincipio(std::string_view nombre) {
    std::string texto(nombre);
    if (!texto.empty() && texto.front() >= 'a' && texto.front() <= 'z')
        texto.front() = static_cast<char>(texto.front() - 'a' + 'A');
    return texto;
}

} // namespace

std::string Texto_Escriba_Numero(const Magnitud& magnitud) {
    std::string texto = "Escriba un número en ";
    texto += magnitud.nombre;
    if (magnitud.unidad == kGrados)
        texto += " (grados)";
    else if (!magnitud.unidad.empty())
        texto += " (" + std::string(magnitud.unidad) + ")";
    return texto;
}

std::optional<std::string> Comprueba_Magnitud(const Magnitud& m, double valor) {
    if (detail::admisible(m, valor))
        return std::nullopt;
    const std::string minimo = conUnidad(m.minimo, m.unidad);
    std::string texto = alPrincipio(m.nombre) + " debe ";
    if (std::isinf(m.maximo))
        texto += m.minimoAdmitido ? "ser mayor o igual que " + minimo : "ser mayor que " + minimo;
    else if (m.minimoAdmitido)
        texto += "estar entre " + minimo + " y " + conUnidad(m.maximo, m.unidad);
    else
        texto +=
            "ser mayor que " + minimo + " y menor o igual que " + conUnidad(m.maximo, m.unidad);
    return texto;
}

Rechazo Rechazo_Magnitud(std::string texto, int foco) {
    return Rechazo{Mensaje{std::move(texto), Icono::Informacion, true}, foco, std::nullopt};
}

tl::expected<double, std::string>
detail::leeMagnitudDeTexto(const CajaTexto& caja, const Magnitud& magnitud, bool habilitada) {
    const std::optional<double> numero = numeroDeCaja(caja);
    if (!numero && habilitada)
        return tl::unexpected(Texto_Escriba_Numero(magnitud));
    const double valor = numero.value_or(0.0);
    if (admisible(magnitud, valor))
        return valor;
    return tl::unexpected(std::move(*Comprueba_Magnitud(magnitud, valor)));
}

} // namespace tubrix
