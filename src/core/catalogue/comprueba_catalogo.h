#pragma once

#include "catalogue/catalogo.h"

#include <optional>
#include <string>

namespace tubrix {

// Checks, once when the catalogue is opened, every value the calculation reads: each finite,
// positive where the quantity is, and within a range that a real pipe can have (so that a
// strength of 1e308 or a wall thicker than the pipe is caught); the keys unique and each pipe's
// sub-class present. Returns the first fault found, naming table, row and column ("tabla
// NORMALIZADOS, fila ID 60312, columna ESPESOR: ..."), or nothing when the catalogue is sound.
// Values the calculation never reads (the profiled-wall columns of an ordinary pipe) are not
// checked.
std::optional<std::string> Comprueba_Catalogo(const DatosCatalogo& datos);

} // namespace tubrix
