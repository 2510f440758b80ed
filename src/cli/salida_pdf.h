#pragma once

#include "cabecera_informe.h"
#include "error.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>
#include <string>

namespace tubrix::cli {

// --title and --author of a batch command, printed in the page header of its PDF.
void addCabeceraPdf(CLI::App& orden, std::string& titulo, std::string& autor);

// What writes a command's PDF under that page header.
using EscribePdf = std::function<Resultado<void>(const CabeceraInforme&)>;

// The PDF of --pdf, written by `escribe` under the page header of --title and --author. False,
// with the reason told on `err`, when it could not be written.
bool escribePdfDeLaOrden(const std::string& titulo, const std::string& autor,
                         const EscribePdf& escribe, std::ostream& err);

} // namespace tubrix::cli
