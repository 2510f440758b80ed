#pragma once

#include "input/rechazo.h"

#include <QMessageBox>

class QWidget;

namespace tubrix::gui {

// Shows a message box as the screens do: beep first when the rule says so, title, icon, OK.
void muestraMensaje(QWidget* parent, const Mensaje& mensaje);

// An OK/Cancel question; true for OK.
bool preguntaAceptarCancelar(QWidget* parent, const Mensaje& mensaje);

// A Yes/No question; true for Yes.
bool preguntaSiNo(QWidget* parent, const Mensaje& mensaje);

// A Sí / No / Cancelar question.
enum class Respuesta { Si, No, Cancelar };
Respuesta preguntaSiNoCancelar(QWidget* parent, const Mensaje& mensaje);

QMessageBox::Icon iconoQt(Icono icono);

} // namespace tubrix::gui
