#pragma once

#include "error.h"
#include "model/proyecto.h"

namespace tubrix {

// Load distribution, second part: how much of the vertical soil load concentrates over the pipe
// (lambda R) and beside it (lambda B), corrected for the trench width (lambda RG) and kept
// between the limits lambda fu and lambda fo. Each calculation continues the matching
// stiffness calculation and reads E2', K2 and Vs from it; a relative projection a' of 0.25 or
// less sets that set's Vs back to 0.

// Short-term stresses: the *_Tensiones factors and the shared limits Lambda_Fo, Lambda_Fu.
Resultado<void> Calcula_Distribucion_Cargas_2_Tensiones(Proyecto& proyecto);

// Long-term stresses: the *_Tensiones_LP factors. It has no embankment case (the trench formula
// runs with the stored B/D) and limits lambda RG only for Caso_Zanja 1 and 2; for 3 the limits
// are neither applied nor recomputed.
Resultado<void> Calcula_Distribucion_Cargas_2_Tensiones_Largo(Proyecto& proyecto);

// Deformations: the short-term and *_LP factors, both limited; also stores the limits.
Resultado<void> Calcula_Distribucion_Cargas_2_Deformaciones(Proyecto& proyecto);

} // namespace tubrix
