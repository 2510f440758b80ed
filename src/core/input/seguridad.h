#pragma once

#include "format/formato.h"
#include "input/rechazo.h"
#include "model/proyecto.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tubrix {

// The two class options of both safety screens: the first is UNE "General" / ATV class A,
// the second UNE "Excepcional" / ATV class B. The stored class is the option's number.
enum class OpcionSeguridad : int { Primera, Segunda };

// The option selected as the screen loaded.
struct EntradaSeguridad {
    OpcionSeguridad opcion = OpcionSeguridad::Primera;
};

struct VistaSeguridadUNE {
    EntradaSeguridad entrada;
    std::string_view cajaNorma = "Norma UNE";
    std::string_view coefAplastamiento; // value label of the crushing factor
    std::string coefRuptura;            // value label of the rupture factor, "#0.0"
    bool filaRupturaVisible = true;     // the rupture row exists for pressure pipes only
    bool excepcionalHabilitada = true;  // "Excepcional" and its description
    Separadores separadores = Separadores::espanol();
};

struct VistaSeguridadATV {
    EntradaSeguridad entrada;
    std::string_view cajaNorma;            // "Norma ATV"
    std::string_view textoClaseB;          // caption of the second option
    std::string_view coefRotura;           // "2,2", ... or "error" for an unknown group
    std::string_view coefEstabilidad;      // "2,5" or "2,0"
    std::string_view deformacionAdmisible; // "6 %"
};

// A safety factor as the screen shows it and as the record stores it.
struct CoeficienteSeguridad {
    std::string_view texto;
    double valor = 0;
};

// ATV factor against fracture by material group and class (1 = A, 2 = B); none for a group
// the table does not know.
std::optional<CoeficienteSeguridad> coeficienteRotura(std::int16_t codigoMaterial,
                                                      std::int16_t clase);
// UNE factor against rupture of a pressure pipe by its outside diameter in mm.
double coeficienteRuptura(double diametroExteriorMm);

// Form loads: a class that is not 1 or 2 (0 on the first pass) becomes 1, then the stored
// class is selected, which shows and stores its factors at once.
VistaSeguridadUNE Abre_Seguridad_UNE(Proyecto& proyecto);
VistaSeguridadUNE Abre_Seguridad_UNE(Proyecto& proyecto, const Separadores& separadores);
VistaSeguridadATV Abre_Seguridad_ATV(Proyecto& proyecto);

// Option clicks: store the class and the factors that go with it.
void Elige_Clase_UNE(Proyecto& proyecto, VistaSeguridadUNE& vista, OpcionSeguridad opcion);
void Elige_Clase_ATV(Proyecto& proyecto, VistaSeguridadATV& vista, OpcionSeguridad opcion);
// The ATV factors of a class.
void Pon_datos(Proyecto& proyecto, VistaSeguridadATV& vista, std::int16_t clase);

// Either arrow: the option clicks stored everything, so only the navigation code is left.
void Cierra_Seguridad(Proyecto& proyecto, Boton boton);

} // namespace tubrix
