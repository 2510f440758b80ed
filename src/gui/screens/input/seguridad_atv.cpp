#include "screens/input/seguridad_atv.h"

namespace tubrix::gui {

Seguridad_ATV::Seguridad_ATV(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Seguridad_ATV, QStringLiteral("Seguridad_ATV"), parent) {}

} // namespace tubrix::gui
