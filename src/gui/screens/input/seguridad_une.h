#pragma once

#include "input/seguridad.h"
#include "ui/pantalla_base.h"

#include <array>

class QLabel;
class QRadioButton;

namespace tubrix::gui {

// Safety class of the UNE rules: "General" or "Excepcional", and the factors that go with the
// class and the conduit type. The option clicks store everything; the arrows only leave.
class Seguridad_UNE final : public PantallaBase {
    Q_OBJECT
public:
    Seguridad_UNE(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;

private:
    void construye();
    void elige(OpcionSeguridad opcion);
    void muestra();

    VistaSeguridadUNE m_vista;
    std::array<QRadioButton*, 2> m_opciones{};
    std::array<QLabel*, 2> m_descripciones{};
    QLabel* m_aplastamiento = nullptr;
    QLabel* m_rupturaTexto = nullptr;
    QLabel* m_ruptura = nullptr;
};

} // namespace tubrix::gui
