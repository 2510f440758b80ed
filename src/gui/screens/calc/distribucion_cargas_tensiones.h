#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// Placeholder until the screen is built: a plain step of the wizard.
class Distribucion_Cargas_Tensiones final : public PantallaBase {
    Q_OBJECT
public:
    Distribucion_Cargas_Tensiones(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
