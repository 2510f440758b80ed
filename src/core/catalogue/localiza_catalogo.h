#pragma once

#include "error.h"

#include <filesystem>

namespace tubrix {

// The catalogue file the programs open when none is named: the first DatosS.db in the data
// folders of the program (its own folder, then ../share/tubrix). When none holds it the error
// names every place looked in.
Resultado<std::filesystem::path> localizaCatalogo(const std::filesystem::path& carpetaPrograma);

// The same for the running program.
Resultado<std::filesystem::path> localizaCatalogo();

} // namespace tubrix
