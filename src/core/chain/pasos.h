#pragma once

#include "model/proyecto.h"

#include <optional>
#include <string_view>

namespace tubrix {

// The screens of the wizard, by their form names.
enum class Pantalla {
    Datos_Tubos,
    Seguridad_UNE,
    Seguridad_ATV,
    Datos_Zanja,
    Freatico,
    Datos_Apoyo,
    Datos_Suelos,
    Datos_Suelos_2,
    Sobrecargas,
    Calculo_Cargas,
    Distribucion_Cargas_Tensiones,
    Distribucion_Cargas_Tensiones_Largo,
    Distribucion_Cargas_Deformaciones,
    Distribucion_Cargas_2_Tensiones,
    Distribucion_Cargas_2_Tensiones_Largo,
    Distribucion_Cargas_2_Deformaciones,
    Cargas_Calculo_Tensiones,
    Cargas_Calculo_Deformaciones,
    Esfuerzos_Corto,
    Esfuerzos_Largo,
    Tensiones,
    Estabilidad,
    Verificacion_1,
};

std::string_view nombrePantalla(Pantalla pantalla);

inline constexpr int kPrimerPaso = 1;
inline constexpr int kUltimoPaso = 20;

// Line of the phase list the arrow points at during a step (0: hidden).
int Linea_Del_Paso(int paso);

// Deformation checks apply when either indicator is set.
bool Hay_Deformaciones(const Proyecto& proyecto);

// What a step shows for the record as it stands: nothing, one screen, or a screen followed by
// its long-term companion (shown only when the first one closes going forward).
struct PantallasDelPaso {
    std::optional<Pantalla> primera;
    std::optional<Pantalla> largoPlazo;
};
PantallasDelPaso Pantallas_Del_Paso(int paso, const Proyecto& proyecto);

} // namespace tubrix
