#pragma once

#include "error.h"

#include <filesystem>

#include <QDialog>

namespace tubrix::gui {

// "Acerca de Tubrix": the version, the licence and where the catalogue and its figures come from.
class AcercaDe final : public QDialog {
    Q_OBJECT
public:
    // The catalogue file the program uses, or why none was found.
    explicit AcercaDe(const Resultado<std::filesystem::path>& catalogo, QWidget* parent = nullptr);
};

} // namespace tubrix::gui
