#pragma once

#include "catalogue/catalogo.h"
#include "format/formato.h"
#include "model/proyecto.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
    Dibujo, // a drawing with texts written on it, as tall as its width makes it
};

// A text written on a drawing, in the drawing's own units: its baseline starts at (x, y), or is
// centred on x.
struct AnotacionDibujo {
    std::string texto;
    double x = 0;
    double y = 0;
    bool centrada = false;
};

// One of the program's drawings (a resource path such as "drawings/instalacion_terraplen.svg",
// `anchoDibujo` × `altoDibujo` units) on a canvas `anchoLienzo` units wide, so that texts may
// run past the drawing's right edge; the canvas is `anchoMm` wide on the page.
struct DibujoInforme {
    std::string recurso;
    double anchoDibujo = 340;
    double altoDibujo = 250;
    double anchoLienzo = 420;
    double columnaMm = kColumnaEtiqueta;
    double anchoMm = 150;
    double letra = 11; // height of the texts, drawing units
    std::vector<AnotacionDibujo> anotaciones;

    double altoMm() const { return anchoMm * altoDibujo / anchoLienzo; }
};

struct LineaInforme {
    LineaInforme() = default;
    LineaInforme(TipoLinea tipo_, std::vector<Celda> celdas_) noexcept
        : tipo(tipo_), celdas(std::move(celdas_)) {}
    explicit LineaInforme(DibujoInforme dibujo_)
        : tipo(TipoLinea::Dibujo), dibujo(std::move(dibujo_)) {}

    TipoLinea tipo = TipoLinea::Fila;
    std::vector<Celda> celdas;           // for a heading, one cell with its text
    std::optional<DibujoInforme> dibujo; // for TipoLinea::Dibujo
};

struct PaginaInforme {
    int numero = 0;
    std::vector<LineaInforme> lineas;
};

struct Informe {
    std::vector<PaginaInforme> paginas;
    std::string asunto; // what the report is of, for a document's properties
};

// Said after the refusal of a section that cannot be calculated, wherever a report was asked.
inline constexpr std::string_view kInformeNoGenerado = "No se ha generado el informe.";

// The report of a calculated section, as the verification screen prints it: the five pages of
// the calculation and the summary of the verification.
Informe Contenido_Informe(const Proyecto& proyecto, const Catalogo& catalogo,
                          const Separadores& separadores, SalidaInforme salida);

// The lines of every page as plain text (cells separated by blanks), for tests and previews.
std::string textoDelInforme(const Informe& informe);

} // namespace tubrix
