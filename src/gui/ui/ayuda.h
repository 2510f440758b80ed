#pragma once

#include <QString>

class QWidget;

namespace tubrix::gui {

// The help window: one Spanish page per screen, shown beside the screen that asked for it.
class Ayuda {
public:
    // Opens (or brings forward) the help window of `parent` on the page of `tema`.
    static void muestra(QWidget* parent, const QString& tema);

    // Address of a topic's page (the index when the topic has none).
    static QString paginaDe(const QString& tema);
};

} // namespace tubrix::gui
