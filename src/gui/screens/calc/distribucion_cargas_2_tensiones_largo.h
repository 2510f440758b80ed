#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// The load concentration factors for the long-term stress check. It computes when it opens and only
// shows; a calculation the engine refuses leaves it without numbers and unable to go on.
class Distribucion_Cargas_2_Tensiones_Largo final : public PantallaBase {
    Q_OBJECT
public:
    Distribucion_Cargas_2_Tensiones_Largo(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
