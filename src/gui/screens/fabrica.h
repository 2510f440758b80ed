#pragma once

#include "chain/pasos.h"
#include "ui/contexto.h"

#include <memory>

class QWidget;

namespace tubrix::gui {

class PantallaBase;

// Creates the screen of a wizard step, loaded from the record.
std::unique_ptr<PantallaBase> creaPantalla(Pantalla pantalla, Contexto& contexto, QWidget* parent);

} // namespace tubrix::gui
