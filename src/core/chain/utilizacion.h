#pragma once

#include "model/proyecto.h"

#include <optional>

namespace tubrix {

// How much of each verification row a calculated section uses: required / calculated for the
// safety factors (rows 1-6), calculated / admissible for the deflection (row 7); 1 is the limit
// and equality passes. Rows that do not count for the verdict have no value: stability rows of a
// pipe without stability checks, the water-pressure row without groundwater, the deflection row
// without deformation checks. A factor of zero or below (a compressive stress) counts as
// infinitely used, as the verdict counts it failed. Where the long-term value replaces (stress
// rows) or joins (stability and deflection rows) the short-term one, the same holds here.
PorFila<std::optional<double>> Utilizaciones(const Proyecto& proyecto);

// The row with the highest utilisation, if any row counts.
std::optional<FilaVerificacion>
Fila_Determinante(const PorFila<std::optional<double>>& utilizacion);

} // namespace tubrix
