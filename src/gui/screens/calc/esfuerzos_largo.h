#pragma once

#include "screens/calc/esfuerzos_comun.h"

namespace tubrix::gui {

// "Cálculo de esfuerzos Largo Plazo": the long-term bending moments and normal forces at crown,
// springline and invert, calculated when the screen opens.
class Esfuerzos_Largo final : public PantallaEsfuerzos {
    Q_OBJECT
public:
    Esfuerzos_Largo(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
