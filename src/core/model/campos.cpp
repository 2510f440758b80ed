#include "model/campos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

namespace tubrix {
namespace {

#define TUBRIX_CAMPO(tipo, nombre) Campo{#nombre, &Proyecto::nombre},

constexpr Campo kTodos[] = {TUBRIX_CAMPOS_PERSISTIDOS(TUBRIX_CAMPO) TUBRIX_CAMPOS_NAVEGACION(
    TUBRIX_CAMPO) TUBRIX_CAMPOS_ENTRADA(TUBRIX_CAMPO) TUBRIX_CAMPOS_RESULTADOS(TUBRIX_CAMPO)};

constexpr Campo kPersistidos[] = {TUBRIX_CAMPOS_PERSISTIDOS(TUBRIX_CAMPO)};

#undef TUBRIX_CAMPO

static_assert(std::size(kPersistidos) == 58, "the project file holds 58 fields");

// Whether every number the value holds is finite; integers and texts hold none that can fail.
template <typename T>
bool esFinito(const T& v) {
    if constexpr (std::is_same_v<T, double>)
        return std::isfinite(v);
    else if constexpr (std::is_same_v<T, std::optional<double>>)
        return !v || std::isfinite(*v);
    else if constexpr (std::is_same_v<T, TablaEsfuerzos>)
        return std::all_of(v.valores.begin(), v.valores.end(), [](const auto& fila) {
            return std::all_of(fila.begin(), fila.end(), [](double x) { return std::isfinite(x); });
        });
    else if constexpr (std::is_same_v<T, PorCapa<double>> || std::is_same_v<T, PorPunto<double>> ||
                       std::is_same_v<T, PorFila<double>>)
        return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
    else
        return true;
}

} // namespace

std::span<const Campo> camposPersistidos() {
    return kPersistidos;
}

std::span<const Campo> todosLosCampos() {
    return kTodos;
}

const Campo* buscaCampo(std::string_view nombre) {
    const auto it = std::find_if(std::begin(kTodos), std::end(kTodos),
                                 [nombre](const Campo& c) { return c.nombre == nombre; });
    return it == std::end(kTodos) ? nullptr : &*it;
}

const Campo* primerCampoNoFinito(const Proyecto& p) {
    const auto it = std::find_if(std::begin(kTodos), std::end(kTodos), [&p](const Campo& c) {
        return !std::visit([&p](auto miembro) { return esFinito(p.*miembro); }, c.miembro);
    });
    return it == std::end(kTodos) ? nullptr : &*it;
}

} // namespace tubrix
