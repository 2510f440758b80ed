#pragma once

#include "error.h"
#include "model/proyecto.h"

#include <cstdint>
#include <optional>

namespace tubrix {

// Load distribution, first part: how stiff the pipe is against the soil around it. Three
// calculations share one procedure: short-term stresses, long-term stresses, and deformations
// (short and long term side by side).

// Deflection coefficients of the ring for one bedding angle.
struct CoeficientesDeformacion {
    double Ch1; // ch,qv: horizontal diameter under the vertical load
    double Ch2; // ch,qh*: horizontal diameter under the bedding reaction
    double Cv1; // cv,qv: vertical diameter under the vertical load
    double Cv2; // cv,qh*: vertical diameter under the bedding reaction
};

// The deformation calculation always uses the column of a 180 degree bedding.
inline constexpr double kAnguloApoyoDeformaciones = 180.0;

// The coefficient column of a bedding angle (60, 90, 120 or 180 degrees exactly); none for any
// other angle.
std::optional<CoeficientesDeformacion> Carga_Valores(double anguloApoyo);

// Factor alfa of the backfill condition (1..4 = A1..A4): 2/3, 1/3, 0, 1; none for another code.
// The B/D ratio is part of the rule's inputs but does not change the factor.
std::optional<double> Calcula_alfa_bi(double relacionBD, std::int16_t condicionRelleno);

// Short-term stresses: B/D, alfa, alfa', f, delta f and the *_Tensiones set. A stiff pipe
// (VRB > 0.1) gets K* = 0.
Resultado<void> Calcula_Distribucion_Cargas_Tensiones(Proyecto& proyecto);

// Long-term stresses: the *_Tensiones_LP set, with B/D, alfa', f and delta f as the short-term
// calculation left them. Its stiff-pipe test is Vs > 1.0 and it keeps K*.
Resultado<void> Calcula_Distribucion_Cargas_Tensiones_Largo(Proyecto& proyecto);

// Deformations: B/D, alfa, alfa', f, delta f, and the short-term and *_LP sets with E2' reduced
// to 2/3, SBV = E2', the 180 degree column, and the long-term Sr scaled by Et_LP / Et.
Resultado<void> Calcula_Distribucion_Cargas_Deformaciones(Proyecto& proyecto);

} // namespace tubrix
