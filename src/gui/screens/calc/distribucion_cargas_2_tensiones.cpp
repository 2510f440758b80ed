#include "screens/calc/distribucion_cargas_2_tensiones.h"

namespace tubrix::gui {

Distribucion_Cargas_2_Tensiones::Distribucion_Cargas_2_Tensiones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_2_Tensiones, QStringLiteral("Distribucion_Cargas_2_Tensiones"), parent) {}

} // namespace tubrix::gui
