#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// Placeholder until the screen is built: a plain step of the wizard.
class Datos_Suelos_2 final : public PantallaBase {
    Q_OBJECT
public:
    Datos_Suelos_2(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
