#pragma once

#include "catalogue/catalogo.h"
#include "error.h"

#include <filesystem>
#include <string_view>

namespace tubrix {

inline constexpr std::string_view kFicheroCatalogo = "DatosS.db";

// Opens the SQLite catalogue read-only, checks that its five tables and their columns exist
// (names compared without regard to case) and reads it into memory. A missing or damaged file
// is an error whose message names the path and the reason.
Resultado<Catalogo> abreCatalogo(const std::filesystem::path& fichero);

} // namespace tubrix
