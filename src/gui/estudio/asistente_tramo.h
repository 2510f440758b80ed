#pragma once

#include "ui/contexto.h"


class QWidget;

namespace tubrix::gui {

// Runs the wizard on `seccion`, a copy of the section of a reach: every screen reads and
// writes that copy, never the program's record; the wizard starts at the pipe screen without
// asking for a new section and ends as usual (abandon, or saving a project file).
void ejecutaAsistenteSobre(Proyecto& seccion, const Contexto& contexto, QWidget* padre);

} // namespace tubrix::gui
