#pragma once

#include "format/formato.h"
#include "model/proyecto.h"
#include "report/informe.h"

namespace tubrix {

// The drawing of the section's installation type (the one the installation screen shows) with
// the section's cover heights, trench width, wall angle, groundwater depth and bedding angle
// written beside the symbols of the drawing, or in its upper band where the drawing has no
// symbol for them.
DibujoInforme Dibujo_Instalacion(const Proyecto& proyecto, const Separadores& separadores);

} // namespace tubrix
