#pragma once

#include "chain/calcula_seccion.h"
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

        // The rest are optional.
        // Before the record is replaced by a reset or another project: false keeps it (the
        // user cancelled, or chose to save and the save did not happen).
        std::function<bool()> confirmaCambios;
        // The record now holds what the file holds (a new section: an empty name).
        std::function<void(const std::string& fichero)> marcaGuardado;
        // "Ir a la verificación": the rest of the forward pass after the screen accepted at
        // that step; where it stopped, if it did.
        std::function<std::optional<Parada>(int paso, Pantalla aceptada)> calculaHastaVerificacion;
        // A screen shown with a message the user reads as soon as it is on view (the refusal
        // that stopped the pass); without it the screen is shown plainly.
        std::function<void(Pantalla, const std::string& aviso)> muestraPantallaConAviso;
    };

    enum class Ruta { NuevaSeccion, AbrirProyecto };

    Asistente(Proyecto& proyecto, Acciones acciones);

    // Runs the wizard until it ends. With `ficheroInicial` the open path takes that file instead
    // of asking the first time (a project given on the command line).
    void ejecuta(Ruta ruta, std::optional<std::string> ficheroInicial = std::nullopt);

private:
    // Step 0; false when the wizard must end at once.
    bool pasoCero(Ruta ruta, std::optional<std::string>& ficheroInicial);
    bool confirmaCambios();
    void marcaGuardado(const std::string& fichero);
    // Shows the screens of the current step (or the one a forward pass stopped at).
    void muestraPaso();
    void muestra(Pantalla pantalla);
    // After "Ir a la verificación" on `aceptada`: the step the wizard shows next.
    void adelanta(Pantalla aceptada);
    void termina();

    Proyecto& m_proyecto;
    Acciones m_acciones;
    // The screen a forward pass stopped at and its message, shown in place of the step's.
    std::optional<Parada> m_parada;
    std::optional<Pantalla> m_ultimaMostrada;
};

} // namespace tubrix::gui
