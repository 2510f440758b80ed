#pragma once

#include "input/freatico.h"
#include "ui/pantalla_base.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tubrix::gui {

// Groundwater: whether there is a water table and its depth Hf below the natural ground, tested
// against fixed limits and, going on, against the cover height of the installation.
class Freatico final : public PantallaBase {
    Q_OBJECT
public:
    Freatico(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void siguiente() override;
    void atras() override;

private:
    void construye();
    void marca(bool marcado);
    void muestra();
    void cierra(Boton boton);

    VistaFreatico m_vista;
    QCheckBox* m_hayNivel = nullptr;
    QLabel* m_etiquetaHf = nullptr;
    QLineEdit* m_hf = nullptr;
    QLabel* m_unidadHf = nullptr;
};

} // namespace tubrix::gui
