#pragma once

#include "input/datos_suelos.h"
#include "ui/pantalla_base.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tubrix::gui {

// Second soil page: the backfill condition and the soil parameters, either those the standard
// recommends (the boxes only show them) or values obtained from tests (the boxes are typed in).
class Datos_Suelos_2 final : public PantallaBase {
    Q_OBJECT
public:
    Datos_Suelos_2(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void construye();
    QWidget* construyeCajas();
    QLineEdit* nuevaCaja(CajaSuelo caja, QWidget* parent);
    void refrescaOpciones();
    void escribeCaja(CajaSuelo caja);
    void refrescaCajas();
    void rechazaEntrada();
    QWidget* control(FocoDatosSuelos2 foco) const;
    EntradaDatosSuelos2 entrada() const;
    void cierra(Boton boton);

    VistaDatosSuelos2 m_vista;
    QButtonGroup* m_ensayos = nullptr;
    QRadioButton* m_si = nullptr;
    QRadioButton* m_no = nullptr;
    QLabel* m_nota = nullptr;
    QButtonGroup* m_rellenos = nullptr;
    std::array<QRadioButton*, 4> m_opcionesRelleno{};
    QLabel* m_grupoZona2 = nullptr;
    PorCajaSuelo<QLineEdit*> m_cajas{};
    bool m_rechazando = false;
};

} // namespace tubrix::gui
