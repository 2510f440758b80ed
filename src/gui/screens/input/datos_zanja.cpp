#include "screens/input/datos_zanja.h"

namespace tubrix::gui {

Datos_Zanja::Datos_Zanja(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Zanja, QStringLiteral("Datos_Zanja"), parent) {}

} // namespace tubrix::gui
