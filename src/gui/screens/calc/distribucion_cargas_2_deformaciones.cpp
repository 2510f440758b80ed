#include "screens/calc/distribucion_cargas_2_deformaciones.h"

namespace tubrix::gui {

Distribucion_Cargas_2_Deformaciones::Distribucion_Cargas_2_Deformaciones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_2_Deformaciones, QStringLiteral("Distribucion_Cargas_2_Deformaciones"), parent) {}

} // namespace tubrix::gui
