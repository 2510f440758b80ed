#include "tablas/entrada_tabla.h"

#include "util/lector_csv.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tubrix {

Resultado<double> Lee_Numero_Tabla(std::string_view texto, std::string_view caja) {
    std::string t(texto);
    std::replace(t.begin(), t.end(), ',', '.');
    const auto valor = leeNumeroCsv(t, '.');
    if (!valor || !std::isfinite(*valor))
        return falla(CodigoError::DatoNoCalculable, "Escriba un número en «" + std::string(caja) +
                                                        "»: «" + std::string(texto) +
                                                        "» no es un número.");
    return *valor;
}

Resultado<std::vector<double>> Lee_Lista_Tabla(std::string_view texto, std::string_view caja) {
    std::vector<double> valores;
    std::string pieza;
    const auto cierra = [&]() -> Resultado<void> {
        if (pieza.empty())
            return {};
        auto valor = Lee_Numero_Tabla(pieza, caja);
        pieza.clear();
        if (!valor)
            return tl::unexpected(valor.error());
        valores.push_back(*valor);
        return {};
    };
    for (const char c : texto) {
        if (c == ';' || c == ' ' || c == '\t') {
            if (auto r = cierra(); !r)
                return tl::unexpected(r.error());
        } else {
            pieza += c;
        }
    }
    if (auto r = cierra(); !r)
        return tl::unexpected(r.error());
    return valores;
}

} // namespace tubrix
