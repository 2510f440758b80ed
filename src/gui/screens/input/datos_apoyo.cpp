#include "screens/input/datos_apoyo.h"

namespace tubrix::gui {

Datos_Apoyo::Datos_Apoyo(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Apoyo, QStringLiteral("Datos_Apoyo"), parent) {}

} // namespace tubrix::gui
