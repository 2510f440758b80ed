#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// Placeholder until the screen is built: a plain step of the wizard.
class Esfuerzos_Corto final : public PantallaBase {
    Q_OBJECT
public:
    Esfuerzos_Corto(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
