#include "screens/calc/distribucion_cargas_deformaciones.h"

namespace tubrix::gui {

Distribucion_Cargas_Deformaciones::Distribucion_Cargas_Deformaciones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Distribucion_Cargas_Deformaciones, QStringLiteral("Distribucion_Cargas_Deformaciones"), parent) {}

} // namespace tubrix::gui
