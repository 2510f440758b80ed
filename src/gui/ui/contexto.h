#pragma once

#include "catalogue/catalogo.h"
#include "format/formato.h"
#include "model/proyecto.h"
#include "ui/dialogo_informe.h"
#include "ui/registro_guardado.h"

#include <functional>
#include <optional>
#include <string>

#include <QPoint>
#include <QSize>

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
// program, the separators of the user's regional settings, the file dialogs, what the record
// held when it was last saved and where the screens stand.
struct Contexto {
    Proyecto& proyecto;
    const Catalogo& catalogo;
    Calculadora& calculadora;
    Separadores separadores;
    Dialogos dialogos = Dialogos::delSistema();
    RegistroGuardado guardado{};
    // Where the wizard's screens stand: the centre and size of the last one shown, so that the
    // next opens in the same place, at least as large (it follows the user who moved it).
    struct LugarPantallas {
        QPoint centro;
        QSize tamano;
    };
    std::optional<LugarPantallas> lugarPantallas{};
};

// Decimal and thousands separators of the program's number convention: the user's regional
// settings when they are Spanish ones, Spanish of Spain otherwise.
Separadores separadoresDelSistema();

} // namespace tubrix::gui
