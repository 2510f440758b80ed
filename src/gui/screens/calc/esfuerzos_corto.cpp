#include "screens/calc/esfuerzos_corto.h"

namespace tubrix::gui {

Esfuerzos_Corto::Esfuerzos_Corto(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Esfuerzos_Corto, QStringLiteral("Esfuerzos_Corto"), parent) {}

} // namespace tubrix::gui
