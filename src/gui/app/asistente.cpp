#include "app/asistente.h"

#include "model/fichero_proyecto.h"
#include "util/paths.h"

#include <filesystem>

namespace tubrix::gui {

Asistente::Asistente(Proyecto& proyecto, Acciones acciones)
    : m_proyecto(proyecto), m_acciones(std::move(acciones)) {}

void Asistente::termina() {
    m_proyecto.Codigo_Navegacion = kNavegacionAbandonar;
    m_proyecto.Paso = 0;
}

bool Asistente::pasoCero(Ruta ruta, std::optional<std::string>& ficheroInicial) {
    if (ruta == Ruta::NuevaSeccion) {
        if (m_acciones.preguntaNuevaSeccion())
            Inicializa_Proyecto(m_proyecto);
        return true;
    }
    std::optional<std::string> nombre = std::move(ficheroInicial);
    ficheroInicial.reset();
    if (!nombre)
        nombre = m_acciones.pideFicheroAbrir(m_proyecto.Fichero);
    if (!nombre)
        return false; // a cancelled dialog ends the wizard without a message
    m_proyecto.Fichero = Aplica_Extension_Tbx(*nombre);
    std::error_code error;
    if (std::filesystem::exists(pathFromUtf8(m_proyecto.Fichero), error)) {
        if (auto abierto = Abre_Proyecto(m_proyecto, pathFromUtf8(m_proyecto.Fichero)); !abierto) {
            m_acciones.muestraError(abierto.error().mensaje);
            return false;
        }
    }
    return true;
}

void Asistente::ejecuta(Ruta ruta, std::optional<std::string> ficheroInicial) {
    Proyecto& p = m_proyecto;
    p.Codigo_Navegacion = kNavegacionSiguiente;
    p.Paso = 0;
    while (p.Codigo_Navegacion != kNavegacionAbandonar) {
        m_acciones.ponFlecha(Linea_Del_Paso(p.Paso));
        if (p.Paso == 0) {
            if (!pasoCero(ruta, ficheroInicial)) {
                termina();
                break;
            }
        } else {
            const PantallasDelPaso pantallas = Pantallas_Del_Paso(p.Paso, p);
            if (pantallas.primera) {
                m_acciones.muestraPantalla(*pantallas.primera);
                // The long-term companion only follows a first screen left going forward.
                if (pantallas.largoPlazo && p.Codigo_Navegacion == kNavegacionSiguiente)
                    m_acciones.muestraPantalla(*pantallas.largoPlazo);
            }
        }
        // A step that showed nothing keeps the code, so the wizard goes on the same way.
        switch (p.Codigo_Navegacion) {
        case kNavegacionSiguiente:
            ++p.Paso;
            break;
        case kNavegacionAtras:
            --p.Paso;
            break;
        case kNavegacionAbandonar:
            p.Paso = 0;
            break;
        default:
            break;
        }
        if (p.Paso < 0 || p.Paso > kUltimoPaso)
            termina();
    }
}

} // namespace tubrix::gui
