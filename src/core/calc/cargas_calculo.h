#pragma once

#include "error.h"
#include "model/proyecto.h"

namespace tubrix {

// Design loads: the vertical load Qvt, the horizontal load of the fill Qh and the horizontal
// bedding reaction Qh* on the pipe, from the soil and traffic loads and the concentration and
// stiffness factors of one column.

// Stresses: the short-term column (Qvt, Qh, Qh_Estrella), then the long-term one (*_LP), which
// is computed whether or not the pipe creeps.
Resultado<void> Calcula_Cargas_Calculo_Tensiones(Proyecto& proyecto);

// Deformations: Qvt_Def, Qh_Def, Qh_Estrella_Def and their *_LP forms. The short-term vertical
// load carries no traffic term.
Resultado<void> Calcula_Cargas_Calculo_Deformaciones(Proyecto& proyecto);

} // namespace tubrix
