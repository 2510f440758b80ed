#include "screens/calc/calculo_cargas.h"

namespace tubrix::gui {

Calculo_Cargas::Calculo_Cargas(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Calculo_Cargas, QStringLiteral("Calculo_Cargas"), parent) {}

} // namespace tubrix::gui
