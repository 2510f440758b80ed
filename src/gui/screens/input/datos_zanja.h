#pragma once

#include "input/datos_zanja.h"
#include "ui/pantalla_base.h"

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tubrix::gui {

class Dibujo;

// Installation: the type and subtype of the case, each illustrated, and the cover heights, trench
// width and wall angle that the case needs, checked against fixed limits and the pipe's outside
// diameter when the user goes on.
class Datos_Zanja final : public PantallaBase {
    Q_OBJECT
public:
    Datos_Zanja(Contexto& contexto, QWidget* parent = nullptr);

    // How a refusal reaches the user (a message box, with its beep when the rule asks for one);
    // tests replace it to see each message as the rules wrote it.
    using Avisador = std::function<void(QWidget* parent, const Mensaje& mensaje)>;
    void ponAvisador(Avisador avisador) { m_avisa = std::move(avisador); }

protected:
    void siguiente() override;
    void atras() override;

private:
    void construye();
    void eligeTipo(int tipo);
    void eligeSubtipo(PosicionSubtipo posicion);
    void muestra();
    EntradaDatosZanja leeEntrada() const;
    void cierra(Boton boton);

    VistaDatosZanja m_vista;
    Avisador m_avisa;

    std::array<QRadioButton*, 3> m_tipos{};
    std::array<Dibujo*, 3> m_dibujos{};
    std::array<QPushButton*, 3> m_subtipos{};
    QButtonGroup* m_grupoSubtipos = nullptr;
    QLabel* m_seleccion = nullptr;
    std::array<QLabel*, 5> m_preguntas{};
    std::array<QLineEdit*, 5> m_cajas{};
};

} // namespace tubrix::gui
