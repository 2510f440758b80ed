#pragma once

#include "catalogue/catalogo.h"
#include "chain/calcula_seccion.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace tubrix::cli {

// tubrix-cli calc: start-up, reset, open the file, forward pass; prints a Spanish summary or the
// whole record as JSON. Returns the exit status: 0 valid, 1 not valid, 2 refused or unreadable.
int runCalc(const std::filesystem::path& file, bool asJson, const Catalogo& catalogo,
            std::ostream& out, std::ostream& err);

// tubrix-cli convert: .json to .tbx or .tbx to .json (the persisted fields).
int runConvert(const std::filesystem::path& in, const std::filesystem::path& out,
               std::ostream& err);

// "Cálculo detenido en el paso 3 (Datos_Zanja): …" on a line of its own.
void printRefusal(const Parada& parada, std::ostream& err);

// A message box text on one line: its line breaks become spaces.
std::string enUnaLinea(std::string texto);

inline constexpr int kExitValid = 0;
inline constexpr int kExitNotValid = 1;
inline constexpr int kExitInput = 2;
inline constexpr int kExitUsage = 64;

} // namespace tubrix::cli
