#pragma once

#include "format/formato.h"
#include "format/ida_y_vuelta.h"
#include "format/patron_caja.h"

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace tubrix {

// The content of a text box. A box filled from the record shows the value through its display
// pattern and, while nobody edits it, hands back exactly the number that text reads as; the
// forward pass, which shows nothing, keeps only that number. A typed box has only its text.
struct CajaTexto {
    std::string texto;
    std::optional<double> valor;

    CajaTexto() = default;
    CajaTexto(std::string escrito) : texto(std::move(escrito)) {}
    CajaTexto(const char* escrito) : texto(escrito) {}
    CajaTexto(std::string_view escrito) : texto(escrito) {}

    bool operator==(const CajaTexto&) const = default;
    // Compared with a text, a box is its text.
    template <typename T>
    requires(std::is_convertible_v<const T&, std::string_view> &&
             !std::is_same_v<T, CajaTexto>) bool
    operator==(const T& otro) const {
        return texto == std::string_view(otro);
    }
};

// The number the box hands back: Lee_Numero of its text.
double leeCaja(const CajaTexto& caja);

namespace detail {
std::optional<double> numeroDeTexto(std::string_view texto);
// The text of a box on a screen that is shown (out of line: the forward pass shows none).
void escribeTexto(CajaTexto& caja, double valor, std::string_view patron,
                  const Separadores& separadores);
} // namespace detail

// The number of a box, or nothing when the user left a text that holds no number ("abc", an
// empty box); a box the program filled always holds its number.
inline std::optional<double> numeroDeCaja(const CajaTexto& caja) {
    if (caja.valor)
        return caja.valor;
    return detail::numeroDeTexto(caja.texto);
}

// A box showing `valor` through `patron` (the text is left empty when nothing is shown).
CajaTexto cajaDe(double valor, PatronCaja patron, const Separadores& separadores);
// The same written into an existing box, which then holds exactly what cajaDe gives: the
// screens refresh their boxes this way, without building and moving a new one.
inline void llenaCaja(CajaTexto& caja, double valor, const PatronCaja& patron,
                      const Separadores& separadores) {
    if (separadores.etiquetas)
        detail::escribeTexto(caja, valor, patron.texto(), separadores);
    else
        caja.texto.clear();
    caja.valor = idaYVuelta(valor, patron, separadores);
}

// A box showing `valor` in the general number format.
CajaTexto cajaGeneralDe(double valor, const Separadores& separadores);

} // namespace tubrix
