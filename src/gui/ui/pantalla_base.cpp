#include "ui/pantalla_base.h"

#include "ui/ayuda.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/guarda_proyecto.h"
#include "ui/mensajes.h"
#include "ui/orden_tabulacion.h"

#include <algorithm>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

// The scrolled content asks for the room of everything it holds; the window gives it what the
// screen has, and the rest scrolls.
class AreaContenido final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        const QWidget* interior = widget();
        if (!interior)
            return QScrollArea::sizeHint();
        const int marco = 2 * frameWidth();
        return interior->sizeHint().expandedTo(interior->minimumSizeHint()) + QSize(marco, marco);
    }
    QSize minimumSizeHint() const override { return {120, 80}; }
};

} // namespace

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

    m_area = new AreaContenido(this);
    m_area->setObjectName(QStringLiteral("AreaContenido"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setWidgetResizable(true);
    m_area->setFocusPolicy(Qt::NoFocus);
    auto* interior = new QWidget(m_area);
    interior->setObjectName(QStringLiteral("Contenido"));
    m_contenido = new QVBoxLayout(interior);
    m_contenido->setContentsMargins(0, 0, 0, 0);
    m_contenido->setSpacing(8);
    m_area->setWidget(interior);
    raiz->addWidget(m_area, 1);

    m_barra = new BarraBotones(this);
    raiz->addWidget(m_barra);

    ponCajaNorma();

    connect(m_barra, &BarraBotones::pulsadoSiguiente, this, [this] { siguiente(); });
    connect(m_barra, &BarraBotones::pulsadoAtras, this, [this] { atras(); });
    connect(m_barra, &BarraBotones::pulsadoAbandonar, this, [this] { abandona(); });
    connect(m_barra, &BarraBotones::pulsadoIrAVerificacion, this, [this] { irAVerificacion(); });
    connect(m_barra, &BarraBotones::pulsadoAyuda, this,
            [this] { Ayuda::muestra(this, temaAyuda()); });
    connect(m_barra, &BarraBotones::pulsadoCalculadora, this,
            [this] { m_contexto.calculadora.lanza(this); });
    // The verification is the end of the road: there is nothing to go on to from it.
    m_barra->irAVerificacion()->setVisible(pantalla != Pantalla::Verificacion_1);
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
    // The record keeps what the earlier screens stored, but the user is leaving the work.
    if (!confirmaCambios(this, m_contexto))
        return;
    cierraCon(kNavegacionAbandonar);
}

void PantallaBase::irAVerificacion() {
    // The screen's own "next" reads, checks and stores its inputs; a refusal keeps it open.
    m_irAVerificacion = true;
    siguiente();
    m_irAVerificacion = false;
}

void PantallaBase::cierraCon(std::int16_t codigo) {
    if (m_irAVerificacion && codigo == kNavegacionSiguiente)
        codigo = kNavegacionVerificacion;
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
    m_barra->irAVerificacion()->setEnabled(false);
    avisaAlMostrar(Mensaje{error.mensaje, Icono::Exclamacion, true, "Aviso"});
}

void PantallaBase::avisaSiNoHayRechazo(const std::string& texto) {
    if (m_calculoRechazado || m_aviso)
        return;
    avisaAlMostrar(Mensaje{texto, Icono::Exclamacion, true, "Aviso"});
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

bool PantallaBase::atiendeAtajo(const QKeyEvent& tecla) {
    const Qt::KeyboardModifiers mods = tecla.modifiers() & ~Qt::KeypadModifier;
    const int k = tecla.key();
    const bool adelante = (mods == Qt::AltModifier && k == Qt::Key_Right) ||
                          (mods == Qt::ControlModifier && k == Qt::Key_PageDown);
    const bool atrasPedido = (mods == Qt::AltModifier && k == Qt::Key_Left) ||
                             (mods == Qt::ControlModifier && k == Qt::Key_PageUp);
    if (!adelante && !atrasPedido)
        return false;
    QPushButton* boton = adelante ? m_barra->siguiente() : m_barra->atras();
    // A hidden or disabled arrow does nothing, and the key is not passed on either.
    if (boton->isVisibleTo(this) && boton->isEnabled())
        boton->click();
    return true;
}

// Reading order for the screen's controls, then the bar with "next" first: Enter from the last
// field lands on "next", never on "abandon".
void PantallaBase::ordenaTabulacion() {
    std::vector<QWidget*> orden = controlesEnOrden(*m_contenido);
    for (QPushButton* b : m_barra->ordenTabulacion())
        orden.push_back(b);
    encadenaTabulacion(orden);
}

// The first input control takes the focus; a screen with none (a calculation screen) gives
// it to "next", so that Space or Enter goes on, never out of the wizard.
void PantallaBase::ponPrimerFoco() {
    const QWidget* actual = focusWidget();
    if (actual && !m_barra->isAncestorOf(actual))
        return; // the screen chose its own
    for (QWidget* w : controlesEnOrden(*m_contenido)) {
        if (!qobject_cast<QPushButton*>(w) && w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    for (QPushButton* b : {m_barra->siguiente(), m_barra->atras()}) {
        if (b->isEnabled() && b->isVisibleTo(this)) {
            b->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The screen gets the room its content asks for, up to what the screen has, and never less
// than the screen before it had; it opens centred where that one stood (the first in the middle
// of the screen), always whole on view. So the wizard does not jump from screen to screen.
namespace {

// Room for the window frame the desktop adds around a dialog (a guess: the frame is only known
// once the window is on view; the same guess places and remembers, so nothing drifts).
const QSize kMarcoVentana(16, 40);

} // namespace

void PantallaBase::colocaEnPantalla() {
    const QScreen* pantallaFisica = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pantallaFisica)
        return;
    const QRect zona = pantallaFisica->availableGeometry();
    const QSize& marcoVentana = kMarcoVentana;
    const QSize maximo = (zona.size() - marcoVentana).expandedTo(minimumSizeHint());
    const QSize natural = sizeHint();
    QSize tamano = natural.boundedTo(maximo);
    // A vertical scroll bar takes room from the content: give it back where the screen allows.
    if (tamano.height() < natural.height())
        tamano.setWidth(std::min(tamano.width() + m_area->verticalScrollBar()->sizeHint().width(),
                                 maximo.width()));
    const auto& anterior = m_contexto.lugarPantallas;
    if (anterior)
        tamano = tamano.expandedTo(anterior->tamano).boundedTo(maximo);
    resize(tamano);
    const QSize ocupa = tamano + marcoVentana;
    const QPoint centro = anterior ? anterior->centro : zona.center();
    QPoint esquina = centro - QPoint(ocupa.width() / 2, ocupa.height() / 2);
    esquina.setX(std::clamp(esquina.x(), zona.left(),
                            std::max(zona.left(), zona.right() + 1 - ocupa.width())));
    esquina.setY(std::clamp(esquina.y(), zona.top(),
                            std::max(zona.top(), zona.bottom() + 1 - ocupa.height())));
    move(esquina);
}

void PantallaBase::recuerdaLugar() {
    if (m_centrada)
        m_contexto.lugarPantallas =
            Contexto::LugarPantallas{pos() + QPoint((width() + kMarcoVentana.width()) / 2,
                                                    (height() + kMarcoVentana.height()) / 2),
                                     size()};
}

void PantallaBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_aviso)
        QTimer::singleShot(0, this, [this] { muestraAvisoPendiente(); });
    if (m_centrada)
        return;
    m_centrada = true;
    ordenaTabulacion();
    ponPrimerFoco();
    colocaEnPantalla();
}

void PantallaBase::hideEvent(QHideEvent* event) {
    recuerdaLugar();
    QDialog::hideEvent(event);
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
