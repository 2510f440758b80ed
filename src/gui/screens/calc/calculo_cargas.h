#pragma once

#include "calc/calculo_cargas.h"
#include "ui/pantalla_base.h"

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tubrix::gui {

// The soil and traffic loads on the pipe, computed when the screen opens, and the one input of
// the calculation chain: an optional uniform surface load P0.
class Calculo_Cargas final : public PantallaBase {
    Q_OBJECT
public:
    Calculo_Cargas(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;

private:
    void muestraResultados();
    void marcaCargasSuperficie(bool marcada);
    void cierra(Boton boton);

    // Empty when the engine refused the calculation.
    std::optional<VistaCalculoCargas> m_vista;

    QLabel* m_textoInstalacion;
    QLabel* m_cz;
    QLabel* m_cz90;
    QLabel* m_cn90;
    QLabel* m_cn;
    QWidget* m_captionCn90;
    QWidget* m_captionCn;
    QLabel* m_pe;
    QLabel* m_textoTrafico;
    QLabel* m_pf;
    QLabel* m_aF;
    QLabel* m_p;
    QLabel* m_fi;
    QLabel* m_pv;
    QCheckBox* m_hayCargas;
    QLineEdit* m_p0;
    QLabel* m_xo;
    QLabel* m_xoc;
};

} // namespace tubrix::gui
