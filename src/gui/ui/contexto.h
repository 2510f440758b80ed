#pragma once

#include "catalogue/catalogo.h"
#include "format/formato.h"
#include "model/proyecto.h"
#include "ui/dialogo_informe.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tubrix::gui {

class Calculadora;

// The dialogs the screens open besides message boxes; tests replace them.
struct Dialogos {
    // The open and save dialogs of project files, preset to a name; nothing when cancelled.
    std::function<std::optional<std::string>(QWidget* parent, const std::string& preset)>
        pideFicheroAbrir;
    std::function<std::optional<std::string>(QWidget* parent, const std::string& preset)>
        pideFicheroGuardar;
    // A PDF file to write, preset to a name; nothing when cancelled.
    std::function<std::optional<std::string>(QWidget* parent, const std::string& preset)>
        pideFicheroPdf;
    // A folder to write into; nothing when cancelled.
    std::function<std::optional<std::string>(QWidget* parent)> pideCarpeta;
    // An input box with a prompt and a title; nothing when cancelled.
    std::function<std::optional<std::string>(QWidget* parent, const std::string& titulo,
                                             const std::string& pregunta)>
        pideTexto;
    // Title and author of the report (and the format of page images), preset; nothing when
    // cancelled.
    std::function<std::optional<DatosInforme>(QWidget* parent, const DatosInforme& preset,
                                              UsoInforme uso)>
        pideDatosInforme;

    static Dialogos delSistema();
};

// What every wizard screen works with: the one record, the catalogue, the calculator of the
// program, the separators of the user's regional settings and the file dialogs.
struct Contexto {
    Proyecto& proyecto;
    const Catalogo& catalogo;
    Calculadora& calculadora;
    Separadores separadores;
    Dialogos dialogos = Dialogos::delSistema();
};

// Decimal and thousands separators of the user's regional settings.
Separadores separadoresDelSistema();

} // namespace tubrix::gui
