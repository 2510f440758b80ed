#include "screens/input/sobrecargas.h"

namespace tubrix::gui {

Sobrecargas::Sobrecargas(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Sobrecargas, QStringLiteral("Sobrecargas"), parent) {}

} // namespace tubrix::gui
