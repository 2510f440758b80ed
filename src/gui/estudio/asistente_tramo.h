#pragma once

#include "ui/contexto.h"

#include <optional>
#include <string>

class QWidget;

namespace tubrix::gui {

// Runs the wizard on `seccion`, a copy of the section of a reach: every screen reads and
// writes that copy, never the program's record; the wizard starts at the pipe screen without
// asking for a new section and ends as usual (abandon, or saving a project file).
void ejecutaAsistenteSobre(Proyecto& seccion, const Contexto& contexto, QWidget* padre);

// The dialogs of the works window: a works file "Obras TUBRIX (*.tbo)" to open or to save into
// (".tbo" added when the name has no extension), and a CSV of reaches to import. They open in
// the folder used last. Nothing when cancelled.
std::optional<std::string> pideFicheroObra(QWidget* padre, bool guardar);
std::optional<std::string> pideCsvTramos(QWidget* padre);

} // namespace tubrix::gui
