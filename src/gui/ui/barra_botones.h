#pragma once

#include <QWidget>

class QHBoxLayout;
class QPushButton;

namespace tubrix::gui {

// The button bar every wizard screen carries: abandon, calculator, help, back and next.
class BarraBotones final : public QWidget {
    Q_OBJECT
public:
    explicit BarraBotones(QWidget* parent = nullptr);

    QPushButton* siguiente() const { return m_siguiente; }
    QPushButton* atras() const { return m_atras; }
    QPushButton* calculadora() const { return m_calculadora; }
    QPushButton* ayuda() const { return m_ayuda; }
    QPushButton* abandonar() const { return m_abandonar; }

    // Extra buttons of a screen (e.g. "Guardar") go between help and the arrows.
    void anadeBoton(QPushButton* boton);

Q_SIGNALS:
    void pulsadoSiguiente();
    void pulsadoAtras();
    void pulsadoCalculadora();
    void pulsadoAyuda();
    void pulsadoAbandonar();

private:
    QPushButton* m_siguiente;
    QPushButton* m_atras;
    QPushButton* m_calculadora;
    QPushButton* m_ayuda;
    QPushButton* m_abandonar;
    QHBoxLayout* m_extras;
};

} // namespace tubrix::gui
