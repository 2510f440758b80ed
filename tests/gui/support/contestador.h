#pragma once

#include <deque>
#include <vector>

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

namespace tubrix::test {

// Answers the modal message boxes a screen opens while a test drives it, and remembers what
// they said. Each box gets the next answer of the queue (OK, or the box's default, when empty).
class Contestador final : public QObject {
public:
    struct Visto {
        QString titulo;
        QString texto;
        QMessageBox::Icon icono;
    };

    Contestador();

    void respuestas(std::deque<QMessageBox::StandardButton> cola) { m_cola = std::move(cola); }
    const std::vector<Visto>& vistos() const { return m_vistos; }
    void olvida() { m_vistos.clear(); }

private:
    void mira();

    QTimer m_reloj;
    std::deque<QMessageBox::StandardButton> m_cola;
    std::vector<Visto> m_vistos;
};

} // namespace tubrix::test
