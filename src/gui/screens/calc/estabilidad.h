#pragma once

#include "calc/estabilidad.h"
#include "ui/pantalla_base.h"

#include <array>
#include <optional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace tubrix::gui {

// "Cálculo de la estabilidad": the critical soil load against buckling and, under groundwater,
// the external water pressure and its critical value, short and long term. The buckling
// coefficient alfa D is calculated but stays editable, so that the engineer may enter the value
// read from the standard's figure; either arrow checks it before the screen closes.
class Estabilidad final : public PantallaBase {
    Q_OBJECT
public:
    Estabilidad(Contexto& contexto, QWidget* parent = nullptr);

    // Column 0 is the short term, column 1 the long term.
    QLineEdit* coeficiente(int columna) const { return m_alfa.at(columna); }
    QLabel* cargaCritica(int columna) const { return m_qvCrit.at(columna); }
    QLabel* presion(int columna) const { return m_pa.at(columna); }
    QLabel* presionCritica(int columna) const { return m_paCrit.at(columna); }

protected:
    void siguiente() override;
    void atras() override;

private:
    void construye();
    void muestra(const VistaEstabilidad& vista);
    void cierra(Boton boton);
    QLineEdit* control(ControlEstabilidad foco) const;

    std::array<QLineEdit*, 2> m_alfa{};
    std::array<QLabel*, 2> m_qvCrit{};
    std::array<QLabel*, 2> m_pa{};
    std::array<QLabel*, 2> m_paCrit{};
    // Everything of the long-term column, hidden together.
    std::vector<QWidget*> m_columnaLarga;
    std::vector<QGridLayout*> m_rejillas;
};

} // namespace tubrix::gui
