#pragma once

#include "input/datos_apoyo.h"
#include "ui/pantalla_base.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tubrix::gui {

class Dibujo;

// Bedding: type of bedding, its angle 2·alfa and, for a concrete cradle, the height J from which
// the projection ratio Pj follows. Pj is recomputed as soon as J loses the focus.
class Datos_Apoyo final : public PantallaBase {
    Q_OBJECT
public:
    Datos_Apoyo(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void construye();
    void refresca();
    void muestraRechazo(const Rechazo& rechazo);
    QWidget* control(FocoDatosApoyo foco) const;
    EntradaDatosApoyo entrada() const;

    VistaDatosApoyo m_vista;
    QButtonGroup* m_tipos = nullptr;
    std::array<QRadioButton*, 3> m_opcionesTipo{};
    std::array<Dibujo*, 3> m_dibujos{};
    std::array<QLabel*, 3> m_etiquetas{};
    QWidget* m_panelSubtipos = nullptr;
    QButtonGroup* m_subtipos = nullptr;
    std::array<QRadioButton*, 2> m_opcionesSubtipo{};
    QComboBox* m_angulo = nullptr;
    QLabel* m_etiquetaJ = nullptr;
    QLineEdit* m_j = nullptr;
    QLabel* m_pj = nullptr;
    bool m_focoPuesto = false;
};

} // namespace tubrix::gui
