#pragma once

#include <string>
#include <tl/expected.hpp>
#include <utility>

namespace tubrix {

enum class CodigoError {
    FicheroNoLegible,
    FicheroNoValido,
    FicheroNoEscribible,
    CatalogoNoDisponible,
    CatalogoDanado,
    DatoNoCalculable,
};

// An error that crosses a module boundary: what went wrong and the Spanish text the user reads.
struct Error {
    CodigoError codigo;
    std::string mensaje;
};

template <typename T>
using Resultado = tl::expected<T, Error>;

inline tl::unexpected<Error> falla(CodigoError codigo, std::string mensaje) {
    return tl::unexpected<Error>(Error{codigo, std::move(mensaje)});
}

} // namespace tubrix
