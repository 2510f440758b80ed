#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// The load concentration factors for the deformation check, short and long term side by side. It
// computes when it opens and only shows; a calculation the engine refuses leaves it without numbers
// and unable to go on.
class Distribucion_Cargas_2_Deformaciones final : public PantallaBase {
    Q_OBJECT
public:
    Distribucion_Cargas_2_Deformaciones(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
