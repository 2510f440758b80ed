#pragma once

#include "catalogue/catalogo.h"
#include "chain/calcula_seccion.h"
#include "model/proyecto.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace tubrix::test {

// The example sections of tests/data/secciones (JSON objects with persisted fields).
std::vector<std::filesystem::path> seccionesDeEjemplo();

// Program start, reset dated 12-08-2026, then the fields of the JSON file.
Proyecto cargaSeccion(const std::filesystem::path& fichero);

// What `tubrix-cli calc --json` prints for a record after a forward pass.
nlohmann::json resultadoJson(const Proyecto& proyecto, const std::optional<Parada>& parada);

} // namespace tubrix::test
