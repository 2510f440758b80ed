#pragma once

#include <optional>
#include <string>

class QWidget;

namespace tubrix::gui {

// The project file dialogs ("Ficheros TUBRIX (*.tbx)" and all files), preset to the project's
// file name and opening in the folder used last (remembered between runs). Nothing when the
// user cancels. Names are UTF-8.
std::optional<std::string> pideFicheroAbrir(QWidget* parent, const std::string& preset);
std::optional<std::string> pideFicheroGuardar(QWidget* parent, const std::string& preset);

// A PDF file to write (the save dialog for "Ficheros PDF (*.pdf)"), and a folder to write into.
std::optional<std::string> pideFicheroPdf(QWidget* parent, const std::string& preset);
std::optional<std::string> pideCarpeta(QWidget* parent);

// The dialogs of the works window: a works file "Obras TUBRIX (*.tbo)" to open or to save into
// (".tbo" added when the name has no extension), and a CSV of reaches to import.
std::optional<std::string> pideFicheroObra(QWidget* parent, bool guardar);
std::optional<std::string> pideCsvTramos(QWidget* parent);

// An input box; nothing when it is cancelled.
std::optional<std::string> pideTexto(QWidget* parent, const std::string& titulo,
                                     const std::string& pregunta);

// The folder of the file dialogs: the last one used, or the user's documents.
std::string carpetaInicial();
void recuerdaCarpeta(const std::string& fichero);

} // namespace tubrix::gui
