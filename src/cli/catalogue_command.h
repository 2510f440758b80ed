#pragma once

#include "catalogue/catalogo.h"

#include <ostream>

namespace tubrix::cli {

// Writes the catalogue as readable tables: groups, their sub-classes and their pipes.
void printCatalogue(const Catalogo& catalogo, std::ostream& out);

} // namespace tubrix::cli
