#pragma once

#include "catalogue/catalogo.h"
#include "format/formato.h"
#include "model/proyecto.h"

#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// The calculation report as device-independent content: five pages of lines. A writer (printer,
// PDF, page images) paints the page header and then the lines, one line height each, at the
// millimetre positions given here.

inline constexpr double kColumnaEtiqueta = 15;         // label column, mm from the left margin
inline constexpr double kColumnaEtiquetaSangrada = 25; // label column of an indented row
inline constexpr double kColumnaValor = 105;           // a single value

// Which writer the content is for: the page images name one heading differently.
enum class SalidaInforme { Impresora, Imagenes };

struct Celda {
    std::string texto;
    double columnaMm = 0;
};

enum class TipoLinea {
    TituloInforme, // "PARÁMETROS DE CÁLCULO": bold, underlined, at the label column
    Titulo,        // a section heading: bold, underlined, 30 mm further right
    Fila,          // up to five cells at their columns
    EnBlanco,
};

struct LineaInforme {
    TipoLinea tipo = TipoLinea::Fila;
    std::vector<Celda> celdas; // for a heading, one cell with its text
};

struct PaginaInforme {
    int numero = 0;
    std::vector<LineaInforme> lineas;
};

struct Informe {
    std::vector<PaginaInforme> paginas;
};

// Said after the refusal of a section that cannot be calculated, wherever a report was asked.
inline constexpr std::string_view kInformeNoGenerado = "No se ha generado el informe.";

// The report of a calculated section, as the verification screen prints it.
Informe Contenido_Informe(const Proyecto& proyecto, const Catalogo& catalogo,
                          const Separadores& separadores, SalidaInforme salida);

// The lines of every page as plain text (cells separated by blanks), for tests and previews.
std::string textoDelInforme(const Informe& informe);

} // namespace tubrix
