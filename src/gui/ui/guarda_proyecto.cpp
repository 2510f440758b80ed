#include "ui/guarda_proyecto.h"

#include "model/fichero_proyecto.h"
#include "ui/mensajes.h"
#include "util/paths.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QString>

namespace tubrix::gui {

bool guardaProyecto(QWidget* parent, Contexto& contexto) {
    Proyecto& proyecto = contexto.proyecto;
    const std::optional<std::string> elegido =
        contexto.dialogos.pideFicheroGuardar(parent, proyecto.Fichero);
    if (!elegido)
        return false; // cancelled: nothing is written
    const std::string fichero = Aplica_Extension_Tbx(*elegido);
    const std::filesystem::path ruta = pathFromUtf8(fichero);
    // The dialog asked about the name it returned; a name the extension rule changed it did not.
    std::error_code error;
    if (fichero != *elegido && std::filesystem::exists(ruta, error)) {
        const Mensaje pregunta{
            "El fichero " +
                QDir::toNativeSeparators(QString::fromStdString(fichero)).toStdString() +
                " ya existe.\n¿Desea reemplazarlo?",
            Icono::Exclamacion, false, "Aviso"};
        if (!preguntaAceptarCancelar(parent, pregunta))
            return false;
    }
    if (const Resultado<void> guardado = Guarda_Proyecto(proyecto, ruta); !guardado) {
        muestraMensaje(parent, {guardado.error().mensaje, Icono::Critico, false, "Aviso"});
        return false;
    }
    // The file holds the texts in its code page and length: the user learns what it kept.
    std::string cambios;
    for (const std::string& aviso : Textos_Cambiados_Al_Guardar(proyecto))
        cambios += (cambios.empty() ? "" : "\n") + aviso;
    if (!cambios.empty())
        muestraMensaje(parent, {"El proyecto se ha guardado.\n" + cambios, Icono::Informacion,
                                false, "Aviso"});
    proyecto.Fichero = fichero;
    contexto.guardado.marca(proyecto, fichero);
    return true;
}

bool confirmaCambios(QWidget* parent, Contexto& contexto) {
    if (!contexto.guardado.hayCambios(contexto.proyecto))
        return true;
    switch (preguntaSiNoCancelar(
        parent, {"¿Desea guardar los cambios?", Icono::Pregunta, false, "Aviso"})) {
    case Respuesta::Si:
        return guardaProyecto(parent, contexto);
    case Respuesta::No:
        return true;
    case Respuesta::Cancelar:
        break;
    }
    return false;
}

} // namespace tubrix::gui
