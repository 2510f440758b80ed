#include "pluma_informe.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace tubrix {
namespace {

constexpr double kMmPorPulgada = 25.4;

} // namespace

QFont fuenteInforme() {
    QFont fuente(QStringLiteral("Times New Roman"), 10);
    fuente.setStyleHint(QFont::Serif);
    return fuente;
}

Pluma::Pluma(QPainter& painter, double anchoMm) : m_p(painter), m_anchoMm(anchoMm) {
    m_p.setFont(fuenteInforme());
    m_p.setPen(Qt::black);
}

double Pluma::mmEnUnidades() const {
    return m_p.device()->logicalDpiX() / kMmPorPulgada;
}

double Pluma::alturaLinea() const {
    const QFontMetricsF medidas(m_p.font(), m_p.device());
    return medidas.lineSpacing() / mmEnUnidades();
}

double Pluma::anchoTexto(const QString& texto) const {
    const QFontMetricsF medidas(m_p.font(), m_p.device());
    return medidas.horizontalAdvance(texto) / mmEnUnidades();
}

void Pluma::escribe(double xMm, const QString& texto) {
    const QFontMetricsF medidas(m_p.font(), m_p.device());
    m_p.drawText(QPointF(xMm * mmEnUnidades(), m_y * mmEnUnidades() + medidas.ascent()), texto);
}

void Pluma::escribeHastaDerecha(double xMm, const QString& texto) {
    escribe(xMm - anchoTexto(texto), texto);
}

QStringList Pluma::partido(const QString& texto, double anchoMm) const {
    QTextLayout disposicion(texto, m_p.font(), m_p.device());
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WordWrap);
    disposicion.setTextOption(opcion);
    QStringList lineas;
    disposicion.beginLayout();
    for (QTextLine linea = disposicion.createLine(); linea.isValid();
         linea = disposicion.createLine()) {
        linea.setLineWidth(std::max(anchoMm, 1.0) * mmEnUnidades());
        lineas.push_back(texto.mid(linea.textStart(), linea.textLength()).trimmed());
    }
    disposicion.endLayout();
    if (lineas.isEmpty())
        lineas.push_back(QString());
    return lineas;
}

int Pluma::escribeEnColumna(double xMm, double limiteMm, const QString& texto) {
    const double limite = std::min(limiteMm, m_anchoMm);
    if (anchoTexto(texto) <= limite - xMm) {
        escribe(xMm, texto);
        return 1;
    }
    const QStringList lineas = partido(texto, limite - xMm);
    const double y0 = m_y;
    for (int i = 0; i < lineas.size(); ++i) {
        m_y = y0 + i * alturaLinea();
        const double ancho = anchoTexto(lineas[i]);
        escribe(std::min(xMm, m_anchoMm - ancho), lineas[i]);
    }
    m_y = y0;
    return static_cast<int>(lineas.size());
}

QString Pluma::recortado(const QString& texto, double anchoMm) const {
    const QFontMetricsF medidas(m_p.font(), m_p.device());
    return medidas.elidedText(texto, Qt::ElideRight, anchoMm * mmEnUnidades());
}

void Pluma::lineaHorizontal() {
    const double escala = mmEnUnidades();
    m_p.save();
    m_p.setPen(QPen(Qt::black, 0.25 * escala));
    m_p.drawLine(QPointF(kIzquierdaMm * escala, m_y * escala),
                 QPointF(m_anchoMm * escala, m_y * escala));
    m_p.restore();
    m_y += 1;
}

void Pluma::negrita(bool si, bool subrayado) {
    QFont f = m_p.font();
    f.setBold(si);
    f.setUnderline(subrayado);
    m_p.setFont(f);
}

void Pluma::escalaFuente(double factor) {
    QFont f = m_p.font();
    f.setPointSizeF(f.pointSizeF() * factor);
    m_p.setFont(f);
}

} // namespace tubrix
