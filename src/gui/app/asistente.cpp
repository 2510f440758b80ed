#include "app/asistente.h"

#include "model/fichero_proyecto.h"
#include "util/paths.h"

namespace tubrix::gui {

Asistente::Asistente(Proyecto& proyecto, Acciones acciones)
    : m_proyecto(proyecto), m_acciones(std::move(acciones)) {}

void Asistente::termina() {
    m_proyecto.Codigo_Navegacion = kNavegacionAbandonar;
    m_proyecto.Paso = 0;
}

bool Asistente::confirmaCambios() {
    return !m_acciones.confirmaCambios || m_acciones.confirmaCambios();
}

void Asistente::marcaGuardado(const std::string& fichero) {
    if (m_acciones.marcaGuardado)
        m_acciones.marcaGuardado(fichero);
}

bool Asistente::pasoCero(Ruta ruta, std::optional<std::string>& ficheroInicial) {
    if (ruta == Ruta::NuevaSeccion) {
        if (m_acciones.preguntaNuevaSeccion()) {
            if (!confirmaCambios())
                return false; // the section the user did not save stays as it is
            Inicializa_Proyecto(m_proyecto);
            marcaGuardado({});
        }
        return true;
    }
    if (!confirmaCambios())
        return false;
    std::optional<std::string> nombre = std::move(ficheroInicial);
    ficheroInicial.reset();
    if (!nombre)
        nombre = m_acciones.pideFicheroAbrir(m_proyecto.Fichero);
    if (!nombre)
        return false; // a cancelled dialog ends the wizard without a message
    m_proyecto.Fichero = Aplica_Extension_Tbx(*nombre);
    // A name that names no file is told, not taken for a new section: the user asked for a
    // project and would otherwise go on with the defaults believing them his.
    if (auto abierto = Abre_Proyecto(m_proyecto, pathFromUtf8(m_proyecto.Fichero)); !abierto) {
        m_acciones.muestraError(abierto.error().mensaje);
        return false;
    }
    marcaGuardado(m_proyecto.Fichero);
    return true;
}

void Asistente::muestra(Pantalla pantalla) {
    m_ultimaMostrada = pantalla;
    if (m_parada && m_parada->pantalla == pantalla && m_acciones.muestraPantallaConAviso) {
        const std::string aviso = std::move(m_parada->mensaje);
        m_parada.reset();
        m_acciones.muestraPantallaConAviso(pantalla, aviso);
        return;
    }
    m_parada.reset();
    m_acciones.muestraPantalla(pantalla);
}

void Asistente::muestraPaso() {
    const PantallasDelPaso pantallas = Pantallas_Del_Paso(m_proyecto.Paso, m_proyecto);
    // A pass that stopped at a long-term companion shows that screen itself.
    if (m_parada && m_parada->pantalla == pantallas.largoPlazo) {
        muestra(*pantallas.largoPlazo);
        return;
    }
    if (!pantallas.primera)
        return;
    muestra(*pantallas.primera);
    // The long-term companion only follows a first screen left going forward.
    if (pantallas.largoPlazo && m_proyecto.Codigo_Navegacion == kNavegacionSiguiente)
        muestra(*pantallas.largoPlazo);
}

void Asistente::adelanta(Pantalla aceptada) {
    Proyecto& p = m_proyecto;
    const int paso = p.Paso;
    std::optional<Parada> parada;
    if (m_acciones.calculaHastaVerificacion)
        parada = m_acciones.calculaHastaVerificacion(paso, aceptada);
    p.Codigo_Navegacion = kNavegacionSiguiente;
    if (parada) {
        p.Paso = static_cast<std::int16_t>(parada->paso);
        m_parada = std::move(parada);
    } else {
        p.Paso = static_cast<std::int16_t>(kUltimoPaso);
    }
}

void Asistente::ejecuta(Ruta ruta, std::optional<std::string> ficheroInicial) {
    Proyecto& p = m_proyecto;
    p.Codigo_Navegacion = kNavegacionSiguiente;
    p.Paso = 0;
    while (p.Codigo_Navegacion != kNavegacionAbandonar) {
        m_acciones.ponFlecha(Linea_Del_Paso(p.Paso));
        m_ultimaMostrada.reset();
        if (p.Paso == 0) {
            if (!pasoCero(ruta, ficheroInicial)) {
                termina();
                break;
            }
        } else {
            muestraPaso();
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
        case kNavegacionVerificacion:
            if (m_ultimaMostrada) {
                adelanta(*m_ultimaMostrada);
            } else {
                p.Codigo_Navegacion = kNavegacionSiguiente;
                ++p.Paso;
            }
            break;
        default:
            break;
        }
        if (p.Paso < 0 || p.Paso > kUltimoPaso)
            termina();
    }
}

} // namespace tubrix::gui
