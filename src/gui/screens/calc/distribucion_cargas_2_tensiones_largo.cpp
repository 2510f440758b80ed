#include "screens/calc/distribucion_cargas_2_tensiones_largo.h"

namespace tubrix::gui {

Distribucion_Cargas_2_Tensiones_Largo::Distribucion_Cargas_2_Tensiones_Largo(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_2_Tensiones_Largo, QStringLiteral("Distribucion_Cargas_2_Tensiones_Largo"), parent) {}

} // namespace tubrix::gui
