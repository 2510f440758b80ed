#pragma once

#include "catalogue/catalogo.h"
#include "error.h"
#include "format/formato.h"
#include "model/proyecto.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tubrix {

// Wall stresses at crown, springline and invert from the total internal forces, with the
// curvature correction of a thick ring, and the shortening of the vertical diameter.

// The deformation checks apply (either deformation indicator is 1).
bool Hay_Calculo_Deformaciones(const Proyecto& proyecto);

// Fills Alfa_Ki, Alfa_Ka, the short- and long-term stresses (the long-term ones whatever
// Largo_Plazo holds) and, only when the deformation checks apply, Dv, Dv_Relativa, Dv_LP and
// Dv_Relativa_LP; otherwise those four keep their values. A zero divisor (Rm; Espesor of a
// solid wall; Area or W of a profiled wall, material group 11; Sr or Sr_LP for the deformations)
// refuses the calculation and stores nothing.
Resultado<void> Calcula_Tensiones(Proyecto& proyecto);

struct VisibilidadTensiones {
    bool largoPlazoVisible = false;        // the "Largo Plazo" stress heading and cells 11..13
    bool deformacionesHabilitadas = false; // the deformation captions and cells 7..10
};

VisibilidadTensiones Visibilidad_Tensiones(const Proyecto& proyecto);

inline constexpr std::string_view kFormatoFactor = "####0.0000";   // cells 0..2 and 7..10
inline constexpr std::string_view kFormatoTension = "#####0.0000"; // cells 3, 4, 6 and 11..13
inline constexpr std::size_t kCeldasTensiones = 14;

struct VistaTensiones {
    VisibilidadTensiones visibilidad;
    // 0 Alfa_Ki, 1 Alfa_Ka, 2 Rotura_Flexotraccion, 3..4 Sigma_Clave, Sigma_Rinones, 5 name of
    // the material group, 6 Sigma_Base, 7..10 Dv, Dv_Relativa, Dv_LP, Dv_Relativa_LP (empty when
    // disabled), 11..13 long-term stresses (empty when hidden).
    std::array<std::string, kCeldasTensiones> celdas;
};

// What the stresses screen shows after its calculation.
VistaTensiones Vista_Tensiones(const Proyecto& proyecto, const Catalogo& catalogo,
                               const Separadores& separadores);

} // namespace tubrix
