#pragma once

#include <vector>

#include <QWidget>

class QHBoxLayout;
class QPushButton;

namespace tubrix::gui {

// The button bar every wizard screen carries: abandon, calculator, help, back, next and the
// shortcut to the verification.
class BarraBotones final : public QWidget {
    Q_OBJECT
public:
    explicit BarraBotones(QWidget* parent = nullptr);

    QPushButton* siguiente() const { return m_siguiente; }
    QPushButton* atras() const { return m_atras; }
    QPushButton* calculadora() const { return m_calculadora; }
    QPushButton* ayuda() const { return m_ayuda; }
    QPushButton* abandonar() const { return m_abandonar; }
    // "Ir a la verificación": accepts the screen and runs the rest of the calculation.
    QPushButton* irAVerificacion() const { return m_irAVerificacion; }

    // The tab order of the bar: next, back, to the verification, the screen's extra buttons,
    // calculator, help, abandon last.
    std::vector<QPushButton*> ordenTabulacion() const;

    // Extra buttons of a screen (e.g. "Guardar") go between help and the arrows.
    void anadeBoton(QPushButton* boton);

Q_SIGNALS:
    void pulsadoSiguiente();
    void pulsadoAtras();
    void pulsadoCalculadora();
    void pulsadoAyuda();
    void pulsadoAbandonar();
    void pulsadoIrAVerificacion();

private:
    QPushButton* m_siguiente;
    QPushButton* m_atras;
    QPushButton* m_calculadora;
    QPushButton* m_ayuda;
    QPushButton* m_abandonar;
    QPushButton* m_irAVerificacion;
    QHBoxLayout* m_extras;
    std::vector<QPushButton*> m_botonesExtra;
};

} // namespace tubrix::gui
