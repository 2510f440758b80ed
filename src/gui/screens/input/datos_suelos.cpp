#include "screens/input/datos_suelos.h"

namespace tubrix::gui {

Datos_Suelos::Datos_Suelos(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Suelos, QStringLiteral("Datos_Suelos"), parent) {}

} // namespace tubrix::gui
