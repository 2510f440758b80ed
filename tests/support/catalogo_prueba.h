#pragma once

#include "catalogue/catalogo_sqlite.h"

#include <stdexcept>

namespace tubrix::test {

// The catalogue the program ships with (built from data/ at build time), opened once.
inline const Catalogo& catalogoDelPrograma() {
    static const Catalogo catalogo = [] {
        auto abierto = abreCatalogo(TUBRIX_TEST_CATALOGUE);
        if (!abierto)
            throw std::runtime_error(abierto.error().mensaje);
        return std::move(*abierto);
    }();
    return catalogo;
}

} // namespace tubrix::test
