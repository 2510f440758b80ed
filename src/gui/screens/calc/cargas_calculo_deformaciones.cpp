#include "screens/calc/cargas_calculo_deformaciones.h"

namespace tubrix::gui {

Cargas_Calculo_Deformaciones::Cargas_Calculo_Deformaciones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Cargas_Calculo_Deformaciones, QStringLiteral("Cargas_Calculo_Deformaciones"), parent) {}

} // namespace tubrix::gui
