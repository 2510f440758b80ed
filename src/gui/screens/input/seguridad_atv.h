#pragma once

#include "input/seguridad.h"
#include "ui/pantalla_base.h"

#include <array>

class QLabel;
class QRadioButton;

namespace tubrix::gui {

// Safety class of the ATV rules: class A or B, and the factors against fracture and instability
// and the admissible deformation. The option clicks store everything; the arrows only leave.
class Seguridad_ATV final : public PantallaBase {
    Q_OBJECT
public:
    Seguridad_ATV(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;

private:
    void construye();
    void elige(OpcionSeguridad opcion);
    void muestra();

    VistaSeguridadATV m_vista;
    std::array<QRadioButton*, 2> m_opciones{};
    std::array<QLabel*, 3> m_coeficientes{};
};

} // namespace tubrix::gui
