#include "screens/calc/esfuerzos_largo.h"

namespace tubrix::gui {

Esfuerzos_Largo::Esfuerzos_Largo(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Esfuerzos_Largo, QStringLiteral("Esfuerzos_Largo"), parent) {}

} // namespace tubrix::gui
