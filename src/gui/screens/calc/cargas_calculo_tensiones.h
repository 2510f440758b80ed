#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// The design loads for the stress check: the vertical load and the two horizontal ones on the
// pipe, short term and, when the pipe creeps, long term (computed in any case).
// It computes when it opens and only shows.
class Cargas_Calculo_Tensiones final : public PantallaBase {
    Q_OBJECT
public:
    Cargas_Calculo_Tensiones(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
