#include "screens/input/seguridad_une.h"

namespace tubrix::gui {

Seguridad_UNE::Seguridad_UNE(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Seguridad_UNE, QStringLiteral("Seguridad_UNE"), parent) {}

} // namespace tubrix::gui
