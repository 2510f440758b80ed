#include "screens/calc/esfuerzos_largo.h"

namespace tubrix::gui {

Esfuerzos_Largo::Esfuerzos_Largo(Contexto& contexto, QWidget* parent)
    : PantallaEsfuerzos(contexto, Pantalla::Esfuerzos_Largo,
                        QStringLiteral("Cálculo de esfuerzos Largo Plazo"), Plazo::Largo, parent) {}

} // namespace tubrix::gui
