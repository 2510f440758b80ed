#pragma once

#include "ui/contexto.h"

class QWidget;

namespace tubrix::gui {

// The report of the calculated section, from the verification screen. Each action asks the
// title and the author of the project first ("Título del proyecto:", "Autor del proyecto:").

// "Imprimir": a print preview from which the user prints on any printer. An empty (or
// cancelled) answer prints as empty.
void imprimeInforme(QWidget* parent, Contexto& contexto);

// Page images Imp01.bmp … in a folder the user chooses. An empty or cancelled answer, or a
// cancelled folder, does nothing.
void guardaImagenesInforme(QWidget* parent, Contexto& contexto);

// The report as a PDF file. A cancelled question or file dialog writes nothing.
void exportaInformePdf(QWidget* parent, Contexto& contexto);

} // namespace tubrix::gui
