#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// Placeholder until the screen is built: a plain step of the wizard.
class Cargas_Calculo_Deformaciones final : public PantallaBase {
    Q_OBJECT
public:
    Cargas_Calculo_Deformaciones(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
