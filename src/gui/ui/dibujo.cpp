#include "ui/dibujo.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tubrix::gui {

Dibujo::Dibujo(QWidget* parent) : QWidget(parent), m_svg(new QSvgRenderer(this)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumSize(120, 80);
}

Dibujo::Dibujo(const QString& recurso, QWidget* parent) : Dibujo(parent) {
    carga(recurso);
}

void Dibujo::carga(const QString& recurso) {
    m_recurso = recurso;
    m_svg->load(recurso);
    updateGeometry();
    update();
}

QSize Dibujo::sizeHint() const {
    const QSize natural = m_svg->isValid() ? m_svg->defaultSize() : QSize(260, 190);
    return natural.scaled(QSize(280, 280), Qt::KeepAspectRatio);
}

int Dibujo::heightForWidth(int ancho) const {
    const QSize natural = m_svg->isValid() ? m_svg->defaultSize() : QSize(4, 3);
    return natural.width() > 0 ? ancho * natural.height() / natural.width() : ancho;
}

void Dibujo::paintEvent(QPaintEvent*) {
    if (!m_svg->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize encaje = m_svg->defaultSize().scaled(size(), Qt::KeepAspectRatio);
    const QRect destino(QPoint((width() - encaje.width()) / 2, (height() - encaje.height()) / 2),
                        encaje);
    m_svg->render(&painter, destino);
}

} // namespace tubrix::gui
