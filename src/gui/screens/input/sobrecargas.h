#pragma once

#include "input/sobrecargas.h"
#include "ui/pantalla_base.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tubrix::gui {

// Surface loads: the traffic vehicle, the pavement surface with its impact factor and, under
// UNE, the two pavement layers from which the equivalent earth height He follows. He is
// recomputed as soon as a layer box loses the focus.
class Sobrecargas final : public PantallaBase {
    Q_OBJECT
public:
    Sobrecargas(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void construye();
    QGroupBox* construyeImpacto();
    QGroupBox* construyeAlturaEquivalente();
    void refresca();
    void refrescaCoeficientes();
    void tomaCajas();
    QWidget* control(FocoSobrecargas foco) const;
    EntradaSobrecargas entrada() const;
    void cierra(Boton boton);

    VistaSobrecargas m_vista;
    QComboBox* m_vehiculo = nullptr;
    QLabel* m_clase = nullptr;
    QLabel* m_pc = nullptr;
    QLabel* m_distanciaRuedas = nullptr;
    QLabel* m_distanciaEjes = nullptr;
    QLabel* m_notaImpacto = nullptr;
    QLabel* m_numeroEjes = nullptr;
    QLabel* m_h = nullptr;
    QGroupBox* m_marcoImpacto = nullptr;
    QButtonGroup* m_firmes = nullptr;
    QRadioButton* m_firmeNormal = nullptr;
    QRadioButton* m_firmeIrregular = nullptr;
    QComboBox* m_coeficiente = nullptr;
    QGroupBox* m_marcoAltura = nullptr;
    QButtonGroup* m_pavimentada = nullptr;
    QRadioButton* m_pavimentadaSi = nullptr;
    QRadioButton* m_pavimentadaNo = nullptr;
    PorCapa<QLineEdit*> m_espesor{};
    PorCapa<QComboBox*> m_material{};
    PorCapa<QLabel*> m_rango{};
    PorCapa<QLineEdit*> m_modulo{};
    QLabel* m_he = nullptr;
};

} // namespace tubrix::gui
