#include "input/seguridad.h"

namespace tubrix {
namespace {

constexpr std::int16_t kClaseGeneral = 1;
constexpr std::int16_t kClaseExigente = 2;

std::int16_t claseDe(OpcionSeguridad opcion) {
    return opcion == OpcionSeguridad::Segunda ? kClaseExigente : kClaseGeneral;
}

OpcionSeguridad opcionDe(std::int16_t clase) {
    return clase == kClaseExigente ? OpcionSeguridad::Segunda : OpcionSeguridad::Primera;
}

// Class 0 (never chosen) or a value no screen writes: the general class.
void normalizaClase(Proyecto& p) {
    if (p.Clase_Seguridad != kClaseGeneral && p.Clase_Seguridad != kClaseExigente)
        p.Clase_Seguridad = kClaseGeneral;
}

bool esPresion(const Proyecto& p) {
    return p.Tipo_Conducto == 0;
}

} // namespace

std::optional<CoeficienteSeguridad> coeficienteRotura(std::int16_t codigoMaterial,
                                                      std::int16_t clase) {
    const bool claseA = clase == kClaseGeneral;
    switch (codigoMaterial) {
    case 1:
    case 3:
    case 4:
        return claseA ? CoeficienteSeguridad{"2,2", 2.2} : CoeficienteSeguridad{"1,8", 1.8};
    case 2:
        return claseA ? CoeficienteSeguridad{"1,75", 1.75} : CoeficienteSeguridad{"1,4", 1.4};
    case 6:
    case 7:
        return claseA ? CoeficienteSeguridad{"2,0", 2.0} : CoeficienteSeguridad{"1,75", 1.75};
    case 10:
        return claseA ? CoeficienteSeguridad{"1,5", 1.5} : CoeficienteSeguridad{"1,3", 1.3};
    case 5:
    case 8:
    case 9:
    case 11:
    case 12:
        return claseA ? CoeficienteSeguridad{"2,5", 2.5} : CoeficienteSeguridad{"2,0", 2.0};
    default:
        return std::nullopt;
    }
}

double coeficienteRuptura(double diametroExteriorMm) {
    if (diametroExteriorMm <= 200)
        return 3.5;
    if (diametroExteriorMm < 600)
        return 3.0;
    return 2.5;
}

VistaSeguridadUNE Abre_Seguridad_UNE(Proyecto& proyecto) {
    return Abre_Seguridad_UNE(proyecto, Separadores::espanol());
}

VistaSeguridadUNE Abre_Seguridad_UNE(Proyecto& proyecto, const Separadores& separadores) {
    VistaSeguridadUNE vista;
    vista.separadores = separadores;
    normalizaClase(proyecto);
    // A pressure pipe has no exceptional class: a class 2 brought by a file or an earlier
    // sewer pipe would leave the crushing factor of another pipe in the record.
    if (esPresion(proyecto))
        proyecto.Clase_Seguridad = kClaseGeneral;
    vista.entrada.opcion = opcionDe(proyecto.Clase_Seguridad);
    Elige_Clase_UNE(proyecto, vista, vista.entrada.opcion);
    return vista;
}

VistaSeguridadATV Abre_Seguridad_ATV(Proyecto& proyecto) {
    VistaSeguridadATV vista;
    if (proyecto.Norma == 1) {
        vista.cajaNorma = "Norma UNE";
        vista.textoClaseB = "Clase B: Exigente";
    } else {
        vista.cajaNorma = "Norma ATV";
        vista.textoClaseB = "Clase B: Reducida";
    }
    normalizaClase(proyecto);
    vista.entrada.opcion = opcionDe(proyecto.Clase_Seguridad);
    Elige_Clase_ATV(proyecto, vista, vista.entrada.opcion);
    return vista;
}

void Elige_Clase_UNE(Proyecto& proyecto, VistaSeguridadUNE& vista, OpcionSeguridad opcion) {
    // "Excepcional" is disabled for a pressure pipe; a click that reaches here anyway keeps
    // the general class.
    if (opcion == OpcionSeguridad::Segunda && esPresion(proyecto))
        opcion = OpcionSeguridad::Primera;

    proyecto.Clase_Seguridad = claseDe(opcion);
    if (opcion == OpcionSeguridad::Primera) {
        if (!esPresion(proyecto)) {
            vista.coefAplastamiento = "1,6";
            proyecto.Coef_Seguridad_Aplastamiento = 1.6;
            vista.filaRupturaVisible = false;
        } else {
            vista.coefAplastamiento = "2.5";
            proyecto.Coef_Seguridad_Aplastamiento = 2.5;
            vista.filaRupturaVisible = true;
            vista.excepcionalHabilitada = false;
            // The rupture factor is shown for the engineer; no check uses it.
            proyecto.Coef_Seguridad_Ruptura = coeficienteRuptura(proyecto.Diametro_Exterior);
            vista.coefRuptura =
                formateaEtiqueta(proyecto.Coef_Seguridad_Ruptura, "#0.0", vista.separadores);
        }
    } else {
        vista.coefAplastamiento = "2";
        proyecto.Coef_Seguridad_Aplastamiento = 2.0;
    }
}

void Elige_Clase_ATV(Proyecto& proyecto, VistaSeguridadATV& vista, OpcionSeguridad opcion) {
    proyecto.Clase_Seguridad = claseDe(opcion);
    Pon_datos(proyecto, vista, proyecto.Clase_Seguridad);
}

void Pon_datos(Proyecto& proyecto, VistaSeguridadATV& vista, std::int16_t clase) {
    if (const auto rotura = coeficienteRotura(proyecto.Codigo_Material, clase)) {
        vista.coefRotura = rotura->texto;
        proyecto.Coef_Seguridad_Rotura = rotura->valor;
    } else {
        vista.coefRotura = "error";
    }
    if (clase == kClaseGeneral) {
        vista.coefEstabilidad = "2,5";
        proyecto.Coef_Seguridad_Estabilidad = 2.5;
    } else {
        vista.coefEstabilidad = "2,0";
        proyecto.Coef_Seguridad_Estabilidad = 2.0;
    }
    vista.deformacionAdmisible = "6 %";
    proyecto.Deformacion_Admisible = 6;
}

void Cierra_Seguridad(Proyecto& proyecto, Boton boton) {
    proyecto.Codigo_Navegacion =
        boton == Boton::Siguiente ? kNavegacionSiguiente : kNavegacionAtras;
}

} // namespace tubrix
