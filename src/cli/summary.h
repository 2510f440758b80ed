#pragma once

#include "catalogue/catalogo.h"
#include "model/proyecto.h"

#include <ostream>
#include <string>

namespace tubrix::cli {

// A readable Spanish summary of a calculated section: pipe, installation, the verification table
// with required and calculated values (short and long term), each row's verdict and the
// conclusion.
void printSummary(const Proyecto& proyecto, const Catalogo& catalogo, std::ostream& out);

// The text padded with blanks to `ancho` characters (UTF-8 counted by character), or followed by
// one blank when it is already that long: a column of a console table.
std::string columna(const std::string& texto, std::size_t ancho);

} // namespace tubrix::cli
