#include "model/campos.h"

#include <algorithm>
#include <array>

namespace tubrix {
namespace {

#define TUBRIX_CAMPO(tipo, nombre) Campo{#nombre, &Proyecto::nombre},

constexpr Campo kTodos[] = {TUBRIX_CAMPOS_PERSISTIDOS(TUBRIX_CAMPO) TUBRIX_CAMPOS_NAVEGACION(
    TUBRIX_CAMPO) TUBRIX_CAMPOS_ENTRADA(TUBRIX_CAMPO) TUBRIX_CAMPOS_RESULTADOS(TUBRIX_CAMPO)};

constexpr Campo kPersistidos[] = {TUBRIX_CAMPOS_PERSISTIDOS(TUBRIX_CAMPO)};

#undef TUBRIX_CAMPO

static_assert(std::size(kPersistidos) == 58, "the project file holds 58 fields");

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

} // namespace tubrix
