#pragma once

#include "catalogue/catalogo.h"
#include "model/proyecto.h"

#include <ostream>

namespace tubrix::cli {

// A readable Spanish summary of a calculated section: pipe, installation, the verification table
// with required and calculated values (short and long term), each row's verdict and the
// conclusion.
void printSummary(const Proyecto& proyecto, const Catalogo& catalogo, std::ostream& out);

} // namespace tubrix::cli
