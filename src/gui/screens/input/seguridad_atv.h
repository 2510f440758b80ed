#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// Placeholder until the screen is built: a plain step of the wizard.
class Seguridad_ATV final : public PantallaBase {
    Q_OBJECT
public:
    Seguridad_ATV(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
