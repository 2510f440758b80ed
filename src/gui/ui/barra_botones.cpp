#include "ui/barra_botones.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>

namespace tubrix::gui {
namespace {

QPushButton* boton(QWidget* parent, const QString& icono, const QString& texto,
                   const QString& consejo, const QString& nombre) {
    auto* b = new QPushButton(QIcon(icono), texto, parent);
    b->setToolTip(consejo);
    b->setObjectName(nombre);
    b->setIconSize(QSize(24, 24));
    b->setMinimumHeight(36);
    b->setAutoDefault(false);
    return b;
}

} // namespace

BarraBotones::BarraBotones(QWidget* parent) : QWidget(parent) {
    m_abandonar = boton(this, QStringLiteral(":/icons/abandonar.svg"), QString(),
                        QStringLiteral("Abandonar"), QStringLiteral("Abandonar"));
    m_calculadora = boton(this, QStringLiteral(":/icons/calculadora.svg"), QString(),
                          QStringLiteral("Calculadora"), QStringLiteral("Calculadora"));
    m_ayuda = boton(this, QStringLiteral(":/icons/ayuda.svg"), QStringLiteral("Ayuda"),
                    QStringLiteral("Ayuda (F1)"), QStringLiteral("Ayuda"));
    m_atras = boton(this, QStringLiteral(":/icons/atras.svg"), QString(),
                    QStringLiteral("Paso anterior"), QStringLiteral("Atras"));
    m_siguiente = boton(this, QStringLiteral(":/icons/siguiente.svg"), QString(),
                        QStringLiteral("Paso siguiente"), QStringLiteral("Siguiente"));
    m_irAVerificacion = boton(this, QStringLiteral(":/icons/verificacion.svg"),
                              QStringLiteral("Ir a la verificación"),
                              QStringLiteral("Aceptar esta pantalla y calcular hasta la "
                                             "verificación sin pasar por las demás"),
                              QStringLiteral("IrAVerificacion"));
    for (QPushButton* b : {m_abandonar, m_calculadora, m_atras, m_siguiente})
        b->setMinimumWidth(56);

    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(m_abandonar);
    fila->addSpacing(12);
    fila->addWidget(m_calculadora);
    fila->addWidget(m_ayuda);
    m_extras = new QHBoxLayout;
    fila->addLayout(m_extras);
    fila->addStretch(1);
    fila->addWidget(m_irAVerificacion);
    fila->addSpacing(12);
    fila->addWidget(m_atras);
    fila->addWidget(m_siguiente);

    // Enter from the last field lands on "next" first, never on "abandon".
    setTabOrder(m_siguiente, m_atras);
    setTabOrder(m_atras, m_irAVerificacion);
    setTabOrder(m_irAVerificacion, m_calculadora);
    setTabOrder(m_calculadora, m_ayuda);
    setTabOrder(m_ayuda, m_abandonar);

    connect(m_siguiente, &QPushButton::clicked, this, &BarraBotones::pulsadoSiguiente);
    connect(m_atras, &QPushButton::clicked, this, &BarraBotones::pulsadoAtras);
    connect(m_calculadora, &QPushButton::clicked, this, &BarraBotones::pulsadoCalculadora);
    connect(m_ayuda, &QPushButton::clicked, this, &BarraBotones::pulsadoAyuda);
    connect(m_abandonar, &QPushButton::clicked, this, &BarraBotones::pulsadoAbandonar);
    connect(m_irAVerificacion, &QPushButton::clicked, this, &BarraBotones::pulsadoIrAVerificacion);
}

std::vector<QPushButton*> BarraBotones::ordenTabulacion() const {
    std::vector<QPushButton*> orden{m_siguiente, m_atras, m_irAVerificacion};
    orden.insert(orden.end(), m_botonesExtra.begin(), m_botonesExtra.end());
    for (QPushButton* b : {m_calculadora, m_ayuda, m_abandonar})
        orden.push_back(b);
    return orden;
}

void BarraBotones::anadeBoton(QPushButton* b) {
    m_botonesExtra.push_back(b);
    b->setAutoDefault(false);
    b->setMinimumHeight(36);
    m_extras->addWidget(b);
}

} // namespace tubrix::gui
