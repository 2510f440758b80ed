#include "screens/calc/verificacion_1.h"

namespace tubrix::gui {

Verificacion_1::Verificacion_1(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Verificacion_1, QStringLiteral("Verificacion_1"), parent) {}

} // namespace tubrix::gui
