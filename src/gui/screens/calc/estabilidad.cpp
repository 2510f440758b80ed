#include "screens/calc/estabilidad.h"

namespace tubrix::gui {

Estabilidad::Estabilidad(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Estabilidad, QStringLiteral("Estabilidad"), parent) {}

} // namespace tubrix::gui
