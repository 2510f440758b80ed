#include "estudio/asistente_tramo.h"

#include "app/asistente.h"
#include "screens/fabrica.h"
#include "ui/mensajes.h"
#include "ui/pantalla_base.h"

namespace tubrix::gui {

void ejecutaAsistenteSobre(Proyecto& seccion, const Contexto& contexto, QWidget* padre) {
    Contexto copia{seccion, contexto.catalogo, contexto.calculadora, contexto.separadores,
                   contexto.dialogos};
    Asistente::Acciones acciones;
    acciones.muestraPantalla = [&copia, padre](Pantalla pantalla) {
        const std::unique_ptr<PantallaBase> dialogo = creaPantalla(pantalla, copia, padre);
        dialogo->exec();
    };
    acciones.preguntaNuevaSeccion = [] {
        return false;
    };
    acciones.pideFicheroAbrir = [](const std::string&) {
        return std::optional<std::string>();
    };
    acciones.muestraError = [padre](const std::string& mensaje) {
        muestraMensaje(padre, {mensaje, Icono::Critico, false, "Aviso"});
    };
    acciones.ponFlecha = [](int) {
    };
    Asistente(seccion, std::move(acciones)).ejecuta(Asistente::Ruta::NuevaSeccion);
}

} // namespace tubrix::gui
