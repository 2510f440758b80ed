#include "screens/input/datos_tubos.h"

namespace tubrix::gui {

Datos_Tubos::Datos_Tubos(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Tubos, QStringLiteral("Datos_Tubos"), parent) {}

} // namespace tubrix::gui
