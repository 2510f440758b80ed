#pragma once

#include "ui/contexto.h"

#include <optional>
#include <string>

class QWidget;

namespace tubrix::gui {

// The report of the calculated section, from the verification screen. Each action first asks
// the title and the author of the project in one dialog, preset with the project's description
// and the author given last (remembered between runs); cancelling it does nothing.

// The "Datos del informe" dialog, preset with `descripcion` as title (the title given last when
// it is empty) and the author and image format given last; what is accepted is remembered for
// the next report. Nothing when cancelled.
std::optional<DatosInforme> preguntaDatosInforme(QWidget* parent, const Dialogos& dialogos,
                                                 const std::string& descripcion, UsoInforme uso);

// "Imprimir": a print preview from which the user prints on any printer. An empty title or
// author prints as empty.
void imprimeInforme(QWidget* parent, Contexto& contexto);

// Page images Imp01.bmp … (or .png, chosen in the dialog) in a folder the user chooses; a
// message names the files and the folder. A cancelled folder does nothing.
void guardaImagenesInforme(QWidget* parent, Contexto& contexto);

// The report as a PDF file; a message names the file written. A cancelled file dialog writes
// nothing.
void exportaInformePdf(QWidget* parent, Contexto& contexto);

} // namespace tubrix::gui
