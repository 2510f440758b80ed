#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// Placeholder until the screen is built: a plain step of the wizard.
class Verificacion_1 final : public PantallaBase {
    Q_OBJECT
public:
    Verificacion_1(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
