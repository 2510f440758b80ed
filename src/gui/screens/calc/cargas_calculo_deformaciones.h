#pragma once

#include "ui/pantalla_base.h"

namespace tubrix::gui {

// The design loads for the deformation check, short and long term.
// It computes when it opens and only shows.
class Cargas_Calculo_Deformaciones final : public PantallaBase {
    Q_OBJECT
public:
    Cargas_Calculo_Deformaciones(Contexto& contexto, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
