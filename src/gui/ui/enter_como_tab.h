#pragma once

#include <QObject>

namespace tubrix::gui {

// One application-wide filter for the keyboard: Enter presses the focused button in every
// window. On the wizard screens, Enter in an input control moves the focus on exactly as Tab
// does (it never accepts the screen), Alt+→ / Alt+← (Ctrl+PgDn / Ctrl+PgUp) are next and back
// whatever control has the focus, and a text box selects its whole text when it receives the
// focus so that typing replaces the value. A text box with the property
// "sinSeleccionarAlEntrar" set keeps its own focus behaviour.
class EnterComoTab final : public QObject {
    Q_OBJECT
public:
    explicit EnterComoTab(QObject* parent = nullptr);

    // Installs the filter on the application once.
    static void instala();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tubrix::gui
