#include "screens/calc/cargas_calculo_tensiones.h"

namespace tubrix::gui {

Cargas_Calculo_Tensiones::Cargas_Calculo_Tensiones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Cargas_Calculo_Tensiones, QStringLiteral("Cargas_Calculo_Tensiones"), parent) {}

} // namespace tubrix::gui
