#pragma once

#include "chain/pasos.h"
#include "model/proyecto.h"

#include <functional>
#include <optional>
#include <string>

namespace tubrix::gui {

// The wizard driver: steps 0..20, one modal screen at a time, moved by the navigation code each
// screen leaves in the record (-100 next, -102 back, -101 abandon). Everything it shows goes
// through the actions, so tests can drive it with a scripted screen.
class Asistente {
public:
    struct Acciones {
        // Shows the screen modally; the screen leaves its navigation code in the record.
        std::function<void(Pantalla)> muestraPantalla;
        // "Desea calcular una nueva sección?" — true for Yes.
        std::function<bool()> preguntaNuevaSeccion;
        // The open dialog, preset to the given name; nothing when it is cancelled.
        std::function<std::optional<std::string>(const std::string& preset)> pideFicheroAbrir;
        // A file that cannot be opened.
        std::function<void(const std::string& mensaje)> muestraError;
        // The phase arrow (0 hides it).
        std::function<void(int linea)> ponFlecha;
    };

    enum class Ruta { NuevaSeccion, AbrirProyecto };

    Asistente(Proyecto& proyecto, Acciones acciones);

    // Runs the wizard until it ends. With `ficheroInicial` the open path takes that file instead
    // of asking the first time (a project given on the command line).
    void ejecuta(Ruta ruta, std::optional<std::string> ficheroInicial = std::nullopt);

private:
    // Step 0; false when the wizard must end at once.
    bool pasoCero(Ruta ruta, std::optional<std::string>& ficheroInicial);
    void termina();

    Proyecto& m_proyecto;
    Acciones m_acciones;
};

} // namespace tubrix::gui
