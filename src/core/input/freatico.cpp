#include "input/freatico.h"

#include "format/lee_numero.h"
#include "input/magnitud.h"

#include <utility>

namespace tubrix {
namespace {

// What the cleared box shows (and what Lee_Numero reads as 0).
constexpr std::string_view kHfSinNivel = "0,0";

constexpr Magnitud kProfundidadHf{"la profundidad Hf del nivel freático", "m"};

// Range messages are plain boxes: no icon, no beep.
Rechazo fueraDeRango(std::string texto, std::optional<std::string> textoCorregido) {
    return Rechazo{Mensaje{std::move(texto), Icono::Ninguno, false},
                   static_cast<int>(FocoFreatico::Hf), std::move(textoCorregido)};
}

Rechazo hfNoMenor(std::string texto, std::optional<std::string> textoCorregido) {
    return Rechazo{Mensaje{std::move(texto), Icono::Critico, false, "Tubrix"},
                   static_cast<int>(FocoFreatico::Hf), std::move(textoCorregido)};
}

// A water table this far below the crown (pipe diameter plus 2 m) does not load the pipe.
bool nivelProfundo(const Proyecto& p) {
    const double diametroM = p.Diametro_Exterior / 1000.0;
    switch (p.Tipo_Instalacion) {
    case 1:
        return p.Hw > diametroM + p.H + 2;
    case 2:
        return p.Hw > p.H1 + p.H2 + diametroM + 2;
    case 3:
        return p.Hw > diametroM + p.H2 + 2;
    default:
        return false;
    }
}

} // namespace

VistaFreatico Abre_Freatico(Proyecto& proyecto, const Separadores& separadores) {
    VistaFreatico vista;
    vista.separadores = separadores;
    vista.cargada = false;
    vista.cajaNorma = proyecto.Norma == 1 ? "Norma UNE" : "Norma ATV";
    if (proyecto.Nivel_Freatico != 0) {
        Marca_Nivel_Freatico(proyecto, vista, true);
        llenaCaja(vista.entrada.hf, proyecto.Hw, "##0.0#", separadores);
    } else {
        // No groundwater: the box shows what clearing the tick shows, so no stale height of
        // a project file can reach the record.
        vista.entrada.hayNivelFreatico = false;
        vista.entrada.hf = std::string(kHfSinNivel);
        vista.hfHabilitada = false;
    }
    vista.cargada = true;
    return vista;
}

void Marca_Nivel_Freatico(Proyecto& proyecto, VistaFreatico& vista, bool marcado) {
    vista.entrada.hayNivelFreatico = marcado;
    if (marcado) {
        proyecto.Nivel_Freatico = kSi;
        vista.hfHabilitada = true;
        vista.focoEnHf = vista.cargada;
    } else {
        proyecto.Nivel_Freatico = kNo;
        vista.hfHabilitada = false;
        vista.focoEnHf = false;
        vista.entrada.hf = std::string(kHfSinNivel);
    }
}

const Mensaje& preguntaHfDespreciable() {
    static const Mensaje pregunta{
        "La profundidad del nivel freático es lo suficientemente elevada como para poder "
        "despreciarla. ¿ Desea suponer Hf = 0 ?",
        Icono::Ninguno, false, "Aviso"};
    return pregunta;
}

std::optional<Rechazo> Cierra_Freatico(Proyecto& proyecto, const EntradaFreatico& entrada,
                                       Boton boton, const Pregunta& hfDespreciable) {
    Proyecto& p = proyecto;
    if (p.Nivel_Freatico != 0) {
        const std::optional<double> hf = numeroDeCaja(entrada.hf);
        if (!hf)
            return fueraDeRango(Texto_Escriba_Numero(kProfundidadHf), std::nullopt);
        p.Hw = *hf;
    } else {
        p.Hw = 0.0;
    }

    // The record keeps the value read; only the box is rewritten to the limit.
    if (p.Hw < 0)
        return fueraDeRango("El valor del nivel freático debe ser mayor o igual que 0", "0");
    if (p.Hw > 20) {
        p.Hw = 20;
        return fueraDeRango("El valor del nivel freático debe ser menor o igual que 20", "20");
    }

    std::optional<std::string> textoCorregido;
    if (nivelProfundo(p) && hfDespreciable && hfDespreciable(preguntaHfDespreciable())) {
        // OK neglects the deep table: no groundwater at all (Hw = 0 with the box ticked would
        // put the water at the ground surface, the worst case instead of none).
        p.Nivel_Freatico = kNo;
        p.Hw = 0;
        textoCorregido.emplace(kHfSinNivel);
    }

    if (boton == Boton::Siguiente) {
        if (p.Tipo_Instalacion == 1 && p.Hw >= p.H)
            return hfNoMenor("Hf debe ser menor que H", textoCorregido);
        if (p.Tipo_Instalacion == 2 && p.H1 + p.H2 <= p.Hw)
            return hfNoMenor("Hf debe ser menor que H1+H2", textoCorregido);
    }
    p.Codigo_Navegacion = boton == Boton::Siguiente ? kNavegacionSiguiente : kNavegacionAtras;
    return std::nullopt;
}

} // namespace tubrix
