#pragma once

#include "screens/calc/esfuerzos_comun.h"

namespace tubrix::gui {

// "Cálculo de esfuerzos Corto Plazo": the short-term bending moments and normal forces at crown,
// springline and invert, calculated when the screen opens.
class Esfuerzos_Corto final : public PantallaEsfuerzos {
    Q_OBJECT
public:
    Esfuerzos_Corto(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
