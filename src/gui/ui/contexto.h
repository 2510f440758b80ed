#pragma once

#include "catalogue/catalogo.h"
#include "format/formato.h"
#include "model/proyecto.h"

namespace tubrix::gui {

class Calculadora;

// What every wizard screen works with: the one record, the catalogue, the calculator of the
// program and the separators of the user's regional settings.
struct Contexto {
    Proyecto& proyecto;
    const Catalogo& catalogo;
    Calculadora& calculadora;
    Separadores separadores;
};

// Decimal and thousands separators of the user's regional settings.
Separadores separadoresDelSistema();

} // namespace tubrix::gui
