#pragma once

#include "error.h"

#include <cstddef>
#include <filesystem>
#include <limits>
#include <string>
#include <tl/expected.hpp>

namespace tubrix {

// The bytes of a file, at most `maxBytes` of them (a longer file gives its first `maxBytes`).
// On failure, the reason in Spanish ("no existe", "no hay permiso", "es una carpeta, no un
// fichero"); the caller names the file.
tl::expected<std::string, std::string>
readFile(const std::filesystem::path& file,
         std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// The same for a file the user gave, named `shownName` in the message of a FicheroNoLegible
// error: "No se puede leer el fichero "<shownName>": <reason>."
Resultado<std::string> readUserFile(const std::filesystem::path& file, const std::string& shownName,
                                    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

} // namespace tubrix
