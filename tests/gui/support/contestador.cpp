#include "support/contestador.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace tubrix::test {

Contestador::Contestador() {
    m_reloj.setInterval(5);
    connect(&m_reloj, &QTimer::timeout, this, &Contestador::mira);
    m_reloj.start();
}

void Contestador::mira() {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja || !caja->isVisible())
        return;
    m_vistos.push_back({caja->windowTitle(), caja->text(), caja->icon()});
    QMessageBox::StandardButton respuesta = QMessageBox::Ok;
    if (!m_cola.empty()) {
        respuesta = m_cola.front();
        m_cola.pop_front();
    } else if (caja->defaultButton()) {
        respuesta = caja->standardButton(caja->defaultButton());
    }
    if (QAbstractButton* boton = caja->button(respuesta))
        boton->click();
    else
        caja->done(respuesta);
}

} // namespace tubrix::test
