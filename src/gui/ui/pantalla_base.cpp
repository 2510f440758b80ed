#include "ui/pantalla_base.h"

#include "ui/ayuda.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/mensajes.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {

PantallaBase::PantallaBase(Contexto& contexto, Pantalla pantalla, const QString& titulo,
                           QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_pantalla(pantalla) {
    setWindowTitle(titulo);
    setModal(true);
    setObjectName(QString::fromUtf8(nombrePantalla(pantalla).data(),
                                    static_cast<int>(nombrePantalla(pantalla).size())));

    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(16, 12, 16, 12);
    raiz->setSpacing(10);

    auto* cabecera = new QHBoxLayout;
    auto* tituloEtiqueta = new QLabel(titulo, this);
    QFont grande = tituloEtiqueta->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.25);
    grande.setBold(true);
    tituloEtiqueta->setFont(grande);
    m_cajaNorma = new QLabel(this);
    m_cajaNorma->setObjectName(QStringLiteral("Caja_Norma"));
    m_cajaNorma->setFrameShape(QFrame::Box);
    m_cajaNorma->setMargin(4);
    m_cajaNorma->setAlignment(Qt::AlignCenter);
    cabecera->addWidget(tituloEtiqueta, 1);
    cabecera->addWidget(m_cajaNorma, 0, Qt::AlignTop | Qt::AlignRight);
    raiz->addLayout(cabecera);

    m_contenido = new QVBoxLayout;
    m_contenido->setSpacing(8);
    raiz->addLayout(m_contenido, 1);

    m_barra = new BarraBotones(this);
    raiz->addWidget(m_barra);

    ponCajaNorma();

    connect(m_barra, &BarraBotones::pulsadoSiguiente, this, [this] { siguiente(); });
    connect(m_barra, &BarraBotones::pulsadoAtras, this, [this] { atras(); });
    connect(m_barra, &BarraBotones::pulsadoAbandonar, this, [this] { abandona(); });
    connect(m_barra, &BarraBotones::pulsadoAyuda, this,
            [this] { Ayuda::muestra(this, temaAyuda()); });
    connect(m_barra, &BarraBotones::pulsadoCalculadora, this,
            [this] { m_contexto.calculadora.lanza(this); });
}

QString PantallaBase::temaAyuda() const {
    return objectName();
}

void PantallaBase::siguiente() {
    cierraCon(kNavegacionSiguiente);
}

void PantallaBase::atras() {
    cierraCon(kNavegacionAtras);
}

void PantallaBase::abandona() {
    cierraCon(kNavegacionAbandonar);
}

void PantallaBase::cierraCon(std::int16_t codigo) {
    m_contexto.proyecto.Codigo_Navegacion = codigo;
    done(QDialog::Accepted);
}

void PantallaBase::ponCajaNorma() {
    m_cajaNorma->setText(m_contexto.proyecto.Norma == 1 ? QStringLiteral("Norma UNE")
                                                        : QStringLiteral("Norma ATV"));
}

void PantallaBase::rechazaCalculo(const Error& error) {
    m_calculoRechazado = true;
    m_barra->siguiente()->setEnabled(false);
    avisaAlMostrar(Mensaje{error.mensaje, Icono::Exclamacion, true, "Aviso"});
}

void PantallaBase::avisaAlMostrar(Mensaje mensaje) {
    m_aviso = std::move(mensaje);
    if (isVisible())
        QTimer::singleShot(0, this, [this] { muestraAvisoPendiente(); });
}

void PantallaBase::muestraAvisoPendiente() {
    if (!m_aviso)
        return;
    const Mensaje mensaje = std::move(*m_aviso);
    m_aviso.reset();
    muestraMensaje(this, mensaje);
}

// The bar is built before the screen's own controls; in the tab order it comes after them, so
// that Enter from the last field lands on "next", never on "abandon".
void PantallaBase::ponBarraAlFinal() {
    QWidget* ultimo = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && !m_barra->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            ultimo = w;
    if (!ultimo)
        return;
    setTabOrder(ultimo, m_barra->siguiente());
    setTabOrder(m_barra->siguiente(), m_barra->atras());
    setTabOrder(m_barra->atras(), m_barra->calculadora());
    setTabOrder(m_barra->calculadora(), m_barra->ayuda());
    setTabOrder(m_barra->ayuda(), m_barra->abandonar());
}

void PantallaBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_aviso)
        QTimer::singleShot(0, this, [this] { muestraAvisoPendiente(); });
    if (m_centrada)
        return;
    m_centrada = true;
    ponBarraAlFinal();
    const QScreen* pantallaFisica = screen() ? screen() : QGuiApplication::primaryScreen();
    if (pantallaFisica) {
        const QRect zona = pantallaFisica->availableGeometry();
        move(zona.center() - rect().center());
    }
}

void PantallaBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Ayuda::muestra(this, temaAyuda());
        return;
    }
    // Escape does not close a wizard screen: only its buttons do.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace tubrix::gui
