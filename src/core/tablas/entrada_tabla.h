#pragma once

#include "error.h"

#include <string_view>
#include <vector>

namespace tubrix {

// The boxes of the tables window read strictly: a text that is not a number is refused,
// naming the box, never read as 0.

// One number, with a decimal comma or point and blanks around it.
Resultado<double> Lee_Numero_Tabla(std::string_view texto, std::string_view caja);

// Several numbers separated by ";" or blanks ("1,0; 2,5"); an empty box gives none.
Resultado<std::vector<double>> Lee_Lista_Tabla(std::string_view texto, std::string_view caja);

} // namespace tubrix
