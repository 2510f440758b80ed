#include "ui/rejilla.h"

#include <QLabel>

namespace tubrix::gui {

QString qs(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

Rejilla::Rejilla(QWidget* parent) : QGridLayout(parent) {
    setHorizontalSpacing(12);
    setVerticalSpacing(4);
    setColumnStretch(0, 1);
}

QLabel* Rejilla::anadeFila(const QString& caption, const QString& unidad, const QString& nombre) {
    return anadeFilaVarias(caption, 1, unidad, nombre).front();
}

std::vector<QLabel*> Rejilla::anadeFilaVarias(const QString& caption, int columnas,
                                              const QString& unidad, const QString& nombre) {
    auto* texto = new QLabel(caption);
    texto->setWordWrap(true);
    addWidget(texto, m_fila, 0);
    std::vector<QLabel*> valores;
    for (int c = 0; c < columnas; ++c) {
        auto* valor = etiquetaValor(
            nombre.isEmpty() || columnas == 1 ? nombre : nombre + QStringLiteral("_%1").arg(c));
        addWidget(valor, m_fila, 1 + c);
        valores.push_back(valor);
    }
    if (!unidad.isEmpty())
        addWidget(new QLabel(unidad), m_fila, 1 + columnas);
    ++m_fila;
    return valores;
}

void Rejilla::anadeCabeceras(const QStringList& cabeceras) {
    for (int c = 0; c < cabeceras.size(); ++c) {
        auto* cabecera = new QLabel(QStringLiteral("<b>%1</b>").arg(cabeceras.at(c)));
        cabecera->setAlignment(Qt::AlignCenter);
        addWidget(cabecera, m_fila, 1 + c);
    }
    ++m_fila;
}

QLabel* Rejilla::anadeSubtitulo(const QString& texto) {
    auto* etiqueta = new QLabel(QStringLiteral("<b>%1</b>").arg(texto));
    addWidget(etiqueta, m_fila++, 0, 1, -1);
    return etiqueta;
}

QLabel* etiquetaValor(const QString& nombre, QWidget* parent) {
    auto* valor = new QLabel(parent);
    if (!nombre.isEmpty())
        valor->setObjectName(nombre);
    valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valor->setMinimumWidth(90);
    valor->setFrameShape(QFrame::StyledPanel);
    valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return valor;
}

void ponValor(QLabel* etiqueta, double valor, std::string_view patron, const Separadores& sep) {
    etiqueta->setText(qs(formatea(valor, patron, sep)));
}

} // namespace tubrix::gui
