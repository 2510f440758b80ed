#include "screens/calc/tensiones.h"

namespace tubrix::gui {

Tensiones::Tensiones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Tensiones, QStringLiteral("Tensiones"), parent) {}

} // namespace tubrix::gui
