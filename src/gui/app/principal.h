#pragma once

#include "catalogue/catalogo.h"
#include "model/proyecto.h"

#include <QMainWindow>

namespace tubrix::gui {

// The main window of the program.
class Principal final : public QMainWindow {
    Q_OBJECT
public:
    Principal(Proyecto& proyecto, const Catalogo& catalogo, QWidget* parent = nullptr);

private:
    Proyecto& m_proyecto;
    const Catalogo& m_catalogo;
};

} // namespace tubrix::gui
