#include "ui/enter_como_tab.h"

#include "ui/pantalla_base.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tubrix::gui {
namespace {

bool enPantallaDelAsistente(const QWidget* w) {
    return w && qobject_cast<const PantallaBase*>(w->window()) != nullptr;
}

bool esControlDeEntrada(const QWidget* w) {
    if (qobject_cast<const QPushButton*>(w))
        return false; // buttons keep Enter: it presses them
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return !combo->view() || !combo->view()->isVisible();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
}

} // namespace

EnterComoTab::EnterComoTab(QObject* parent) : QObject(parent) {}

void EnterComoTab::instala() {
    static bool instalado = false;
    if (instalado || !qApp)
        return;
    qApp->installEventFilter(new EnterComoTab(qApp));
    instalado = true;
}

bool EnterComoTab::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        // Enter presses the focused button (key events go to the focus widget) in every window;
        // a button Qt already presses with Enter (a dialog's auto-default one) is left to it.
        if (auto* boton = qobject_cast<QPushButton*>(widget);
            enter && boton && !boton->autoDefault() && !boton->isDefault()) {
            if (boton->isEnabled())
                boton->click();
            return true;
        }
        if (!enPantallaDelAsistente(widget))
            return false;
        if (auto* pantalla = qobject_cast<PantallaBase*>(widget->window());
            pantalla && pantalla->atiendeAtajo(*key))
            return true;
        if (enter && esControlDeEntrada(widget)) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &tab);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn && enPantallaDelAsistente(widget)) {
        auto* caja = qobject_cast<QLineEdit*>(widget);
        if (caja && !caja->isReadOnly() && !caja->property("sinSeleccionarAlEntrar").toBool())
            QTimer::singleShot(0, caja, &QLineEdit::selectAll);
    }
    return false;
}

} // namespace tubrix::gui
