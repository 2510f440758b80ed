#pragma once

#include "error.h"
#include "model/proyecto.h"

#include <filesystem>

namespace tubrix::cli {

// A project given on the command line: a .tbx file, or a .json object with any of the persisted
// fields by name. Loaded as the program does: start-up, reset of a new section, then the file.
Resultado<Proyecto> loadProject(const std::filesystem::path& file);

bool isJsonFile(const std::filesystem::path& file);

} // namespace tubrix::cli
