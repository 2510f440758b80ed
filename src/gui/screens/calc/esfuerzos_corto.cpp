#include "screens/calc/esfuerzos_corto.h"

namespace tubrix::gui {

Esfuerzos_Corto::Esfuerzos_Corto(Contexto& contexto, QWidget* parent)
    : PantallaEsfuerzos(contexto, Pantalla::Esfuerzos_Corto,
                        QStringLiteral("Cálculo de esfuerzos Corto Plazo"), Plazo::Corto, parent) {}

} // namespace tubrix::gui
