#include "model/proyecto_json.h"

#include <cmath>
#include <limits>

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
                    if (!v.is_number_integer() || v.get<long long>() < -32768 ||
                        v.get<long long>() > 32767)
                        problema = "debe ser un entero entre -32768 y 32767";
                    else
                        destino = static_cast<std::int16_t>(v.get<long long>());
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
    proyecto = std::move(nuevo);
    return {};
}

} // namespace tubrix
