#pragma once

#include <QObject>

namespace tubrix::gui {

// One application-wide filter for the wizard screens: Enter in an input control moves the focus
// on exactly as Tab does (it never accepts the screen), and a text box selects its whole text
// when it receives the focus so that typing replaces the value. A text box with the property
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
