#include "screens/input/datos_suelos_2.h"

namespace tubrix::gui {

Datos_Suelos_2::Datos_Suelos_2(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Suelos_2, QStringLiteral("Datos_Suelos_2"), parent) {}

} // namespace tubrix::gui
