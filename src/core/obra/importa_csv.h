#pragma once

#include "error.h"
#include "obra/obra.h"
#include "util/lector_csv.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Reaches read from a spreadsheet's CSV: a header row naming "Tramo" and the columns (field
// names, DN, Hf, the profile levels; case and blanks around them do not matter), then one row
// per reach. An empty cell is an empty cell of the table; a row of empty cells is skipped.
struct TramosImportados {
    DialectoCsv dialecto; // what was detected, to tell the user
    std::vector<std::string> columnas;
    std::vector<Tramo> tramos;
};

// A header that names an unknown column, a reach without a name, or a cell that is not a number
// in the file's decimal separator (or not what its column holds) is an error naming its line
// and column.
Resultado<TramosImportados> Importa_Tramos_Csv(std::string_view bytes);
Resultado<TramosImportados> Abre_Tramos_Csv(const std::filesystem::path& fichero);

// Adds the columns the works lacks and the reaches after its own.
void Anade_Tramos(Obra& obra, TramosImportados importados);

} // namespace tubrix
