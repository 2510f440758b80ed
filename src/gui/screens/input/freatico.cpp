#include "screens/input/freatico.h"

namespace tubrix::gui {

Freatico::Freatico(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Freatico, QStringLiteral("Freatico"), parent) {}

} // namespace tubrix::gui
