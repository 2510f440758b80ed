#pragma once

#include "error.h"
#include "obra/obra.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tubrix {

// The works file (.tbo): a JSON object with the format version, the base section (its
// persisted fields by name, as the JSON form of a project), the columns of the reach table in
// order, and the reaches, each an object with "Tramo" (its name) and its non-empty cells:
//   {"formato": "Obras TUBRIX", "version": 1, "base": {...}, "columnas": ["DN", "H"],
//    "tramos": [{"Tramo": "P1-P2", "DN": 400, "H": 2.5}, ...]}
inline constexpr int kVersionObra = 1;
inline constexpr std::string_view kFormatoObra = "Obras TUBRIX";
inline constexpr std::string_view kFiltroObra = "Obras TUBRIX (*.tbo)";

std::string Codifica_Obra(const Obra& obra);

// Reads a works after checking all of it: a field that is unknown, of the wrong type or holding
// a code outside its list is an error naming the reach and the field, and nothing is returned
// half read. The base starts as a new section of the program (`Arranca_Programa`,
// `Inicializa_Proyecto`) and takes the fields the file gives. `nombre` names the file in the
// messages.
Resultado<Obra> Descodifica_Obra(std::string_view texto, std::string_view nombre);

// Saved atomically: the old file stays as it was unless the new one is complete.
Resultado<void> Guarda_Obra(const Obra& obra, const std::filesystem::path& fichero);
Resultado<Obra> Abre_Obra(const std::filesystem::path& fichero);

// ".tbo" is appended unless the name already ends in it (compared upper-cased).
std::string Aplica_Extension_Tbo(std::string nombre);

} // namespace tubrix
