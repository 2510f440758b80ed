#pragma once

#include "catalogue/catalogo.h"
#include "error.h"

#include <filesystem>
#include <optional>

#include <QDialog>

namespace tubrix::gui {

// The start-up window: it opens the pipe catalogue and stays until its button is pressed.
class Presentacion final : public QDialog {
    Q_OBJECT
public:
    Presentacion(std::filesystem::path catalogo, QWidget* parent = nullptr);

    // Opens the catalogue (with the busy cursor); the error names the file and the reason.
    Resultado<Catalogo> abreCatalogo();

private:
    std::filesystem::path m_ruta;
};

} // namespace tubrix::gui
