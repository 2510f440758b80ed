#pragma once

#include "calc/tensiones.h"
#include "input/rechazo.h"
#include "ui/pantalla_base.h"

#include <array>
#include <cstddef>
#include <optional>

class QGroupBox;
class QLabel;

namespace tubrix::gui {

// "Cálculo de tensiones y deformaciones": the wall stresses at crown, springline and invert with
// the curvature correction, and the shortening of the vertical diameter where the material asks
// for deformation checks. Everything is calculated when the screen opens; nothing is typed here.
class Tensiones final : public PantallaBase {
    Q_OBJECT
public:
    Tensiones(Contexto& contexto, QWidget* parent = nullptr);

    // Value cell i, numbered as the engine numbers them (0 Alfa_Ki ... 13 Sigma_Base_LP).
    QLabel* celda(std::size_t i) const { return m_celdas.at(i); }
    QLabel* cabeceraLargoPlazo() const { return m_cabeceraLargo; }
    QGroupBox* grupoDeformaciones() const { return m_deformaciones; }

protected:
private:
    void construye();
    void muestra(const VistaTensiones& vista);

    std::array<QLabel*, kCeldasTensiones> m_celdas{};
    QLabel* m_cabeceraLargo = nullptr;
    QGroupBox* m_deformaciones = nullptr;
    int m_anchoMaterial = 0; // the two value columns and the units the name may take
};

} // namespace tubrix::gui
