#pragma once

#include "model/proyecto.h"

#include <optional>

namespace tubrix {

// How much of each verification row a calculated section uses: required / calculated for the
// safety factors (rows 1-6), calculated / admissible for the deflection (row 7); 1 is the limit
// and equality passes. Rows that do not count for the verdict have neither value: stability rows
// of a pipe without stability checks, the water-pressure row without groundwater, the deflection
// row without deformation checks. Where the long-term value replaces (stress rows) or joins
// (stability and deflection rows) the short-term one, the same holds here.
//
// A calculated factor of zero or below (a stress of the other sign) fails its row whatever is
// required, as the verdict counts it; it has no utilisation and the row is told by that factor
// instead. Every number here is finite.
struct UsosVerificacion {
    PorFila<std::optional<double>> utilizacion;
    PorFila<std::optional<double>> coeficienteNoPositivo;

    bool cuenta(FilaVerificacion fila) const {
        return utilizacion[fila].has_value() || coeficienteNoPositivo[fila].has_value();
    }
    bool operator==(const UsosVerificacion&) const = default;
};
UsosVerificacion Utilizaciones(const Proyecto& proyecto);

// The row that governs: the first one failed by a factor of zero or below, else the one with
// the highest utilisation, if any row counts.
std::optional<FilaVerificacion> Fila_Determinante(const UsosVerificacion& usos);

} // namespace tubrix
