#pragma once

#include "ui/contexto.h"

class QWidget;

namespace tubrix::gui {

// "Guardar": asks for the file (preset to the last one), writes the project and tells what the
// file could not keep of the texts. True when the file was written; the record then names it
// and counts as saved.
bool guardaProyecto(QWidget* parent, Contexto& contexto);

// Before work would be lost (abandoning the wizard, opening another project, starting a new
// section, quitting): with inputs changed since the last save, asks "¿Desea guardar los
// cambios?". True when the caller may go on: nothing changed, "No", or "Sí" and the file was
// written; false for "Cancelar" or a save that did not happen.
bool confirmaCambios(QWidget* parent, Contexto& contexto);

} // namespace tubrix::gui
