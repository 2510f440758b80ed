#include "screens/calc/distribucion_cargas_tensiones.h"

namespace tubrix::gui {

Distribucion_Cargas_Tensiones::Distribucion_Cargas_Tensiones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_Tensiones, QStringLiteral("Distribucion_Cargas_Tensiones"), parent) {}

} // namespace tubrix::gui
