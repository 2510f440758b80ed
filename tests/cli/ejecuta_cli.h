#pragma once

#include "support/catalogo_prueba.h"

#include <filesystem>
#include <sstream>
#include <string>

namespace tubrix::test {

// An example section of tests/data/secciones.
inline std::filesystem::path seccion(const char* nombre) {
    return std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre;
}

// What one command of tubrix-cli printed, and its exit status.
struct SalidaCli {
    int estado;
    std::string out;
    std::string err;
};

// Runs a command in-process as main() does: its own arguments, then the program's catalogue and
// the two output streams, which are captured.
template <typename Orden, typename... Argumentos>
SalidaCli ejecutaCli(Orden orden, const Argumentos&... argumentos) {
    std::ostringstream out;
    std::ostringstream err;
    const int estado = orden(argumentos..., catalogoDelPrograma(), out, err);
    return {estado, out.str(), err.str()};
}

} // namespace tubrix::test
