#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// Placeholder until the screen is built: a plain step of the wizard.
class Tensiones final : public PantallaBase {
    Q_OBJECT
public:
    Tensiones(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
