#include "model/proyecto_json.h"

#include "model/codigos.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <vector>

namespace tubrix {
namespace {

using nlohmann::json;

json valor(std::int16_t v) {
    return v;
}
json valor(double v) {
    return v;
}
json valor(const std::string& v) {
    return v;
}
json valor(const std::optional<double>& v) {
    return v ? json(*v) : json(nullptr);
}

template <typename T, typename I, std::size_t N>
json valor(const ArrayIndexado<T, I, N>& a) {
    json lista = json::array();
    for (const T& v : a)
        lista.push_back(v);
    return lista;
}

json valor(const TablaEsfuerzos& t) {
    json filas = json::array();
    for (const auto& fila : t.valores)
        filas.push_back(fila);
    return filas;
}

std::string invalido(std::string_view origen, std::string_view campo, std::string_view motivo) {
    return "El fichero \"" + std::string(origen) +
           "\" no es un proyecto válido: " + std::string(campo) + " " + std::string(motivo) + ".";
}

// A 16-bit integer, however large the number written: an unsigned value is compared as
// unsigned, so 2^64 - 1 does not wrap round to -1.
std::optional<std::int16_t> entero16(const json& v) {
    if (v.is_number_unsigned())
        return v.get<std::uint64_t>() <= 32767
                   ? std::optional<std::int16_t>(static_cast<std::int16_t>(v.get<std::uint64_t>()))
                   : std::nullopt;
    if (!v.is_number_integer())
        return std::nullopt;
    const std::int64_t valor = v.get<std::int64_t>();
    if (valor < std::numeric_limits<std::int16_t>::min() ||
        valor > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(valor);
}

} // namespace

json aJson(const Proyecto& proyecto, std::span<const Campo> campos) {
    json objeto = json::object();
    for (const Campo& c : campos)
        std::visit([&](auto m) { objeto[std::string(c.nombre)] = valor(proyecto.*m); }, c.miembro);
    return objeto;
}

Resultado<void> desdeJson(Proyecto& proyecto, const json& objeto, std::string_view origen) {
    if (!objeto.is_object())
        return falla(CodigoError::FicheroNoValido,
                     "El fichero \"" + std::string(origen) +
                         "\" no es un proyecto válido: debe contener un objeto JSON.");
    Proyecto nuevo = proyecto;
    for (const auto& elemento : objeto.items()) {
        // Named references, not structured bindings: older compilers cannot capture those.
        const std::string& nombre = elemento.key();
        const json& v = elemento.value();
        const Campo* campo = nullptr;
        for (const Campo& c : camposPersistidos())
            if (c.nombre == nombre)
                campo = &c;
        if (!campo)
            return falla(CodigoError::FicheroNoValido,
                         invalido(origen, nombre, "no es un dato del fichero de proyecto"));
        std::string problema;
        std::visit(
            [&](auto m) {
                auto& destino = nuevo.*m;
                using T = std::decay_t<decltype(destino)>;
                if constexpr (std::is_same_v<T, std::int16_t>) {
                    if (const auto entero = entero16(v))
                        destino = *entero;
                    else
                        problema = "debe ser un entero entre -32768 y 32767";
                } else if constexpr (std::is_same_v<T, double>) {
                    if (!v.is_number() || !std::isfinite(v.get<double>()))
                        problema = "debe ser un número";
                    else
                        destino = v.get<double>();
                } else if constexpr (std::is_same_v<T, std::string>) {
                    if (!v.is_string())
                        problema = "debe ser un texto";
                    else
                        destino = v.get<std::string>();
                }
            },
            campo->miembro);
        if (!problema.empty())
            return falla(CodigoError::FicheroNoValido, invalido(origen, nombre, problema));
    }
    if (auto fuera = Codigo_Fuera_De_Lista(nuevo))
        return falla(CodigoError::FicheroNoValido, "El fichero \"" + std::string(origen) +
                                                       "\" no es un proyecto válido: " + *fuera +
                                                       ".");
    proyecto = std::move(nuevo);
    return {};
}

Resultado<void> Lee_Proyecto_Json(Proyecto& proyecto, std::string_view texto,
                                  std::string_view origen) {
    // A key written twice would leave one of its values unused without a word.
    std::vector<std::set<std::string>> clavesPorNivel;
    std::string repetida;
    const json::parser_callback_t vigila = [&](int, json::parse_event_t evento, json& valor) {
        if (evento == json::parse_event_t::object_start)
            clavesPorNivel.emplace_back();
        else if (evento == json::parse_event_t::object_end && !clavesPorNivel.empty())
            clavesPorNivel.pop_back();
        else if (evento == json::parse_event_t::key && !clavesPorNivel.empty() &&
                 !clavesPorNivel.back().insert(valor.get<std::string>()).second && repetida.empty())
            repetida = valor.get<std::string>();
        return true;
    };
    const std::string prefijo =
        "El fichero \"" + std::string(origen) + "\" no es un proyecto válido: ";
    json objeto;
    try {
        objeto = json::parse(texto.begin(), texto.end(), vigila);
    } catch (const json::parse_error& error) {
        return falla(CodigoError::FicheroNoValido,
                     prefijo + "no es JSON válido (error cerca del carácter " +
                         std::to_string(error.byte) + ").");
    } catch (const json::out_of_range& error) {
        // A number beyond the largest double ("1E400"): the reader throws this instead of a
        // parse error, and it must be a refusal like any other, not an abort.
        const std::string_view que = error.what();
        const auto comilla = que.find('\'');
        const std::string numero =
            comilla == std::string_view::npos
                ? std::string()
                : " (" + std::string(que.substr(comilla + 1, que.rfind('\'') - comilla - 1)) + ")";
        return falla(CodigoError::FicheroNoValido,
                     prefijo + "contiene un número demasiado grande" + numero + ".");
    }
    if (!repetida.empty())
        return falla(CodigoError::FicheroNoValido,
                     prefijo + "el dato " + repetida + " aparece más de una vez.");
    return desdeJson(proyecto, objeto, origen);
}

} // namespace tubrix
