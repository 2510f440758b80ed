#pragma once

#include "cabecera_informe.h"
#include "documento_pdf.h"
#include "error.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace tubrix {

// A4 with 10 mm margins, in either orientation.
QPageLayout disposicionA4(QPageLayout::Orientation orientacion);

// The line that heads every page: what the document is (bold, on the left), the title and the
// author, and the sheet number.
struct EncabezadoHojas {
    QString documento;
    CabeceraInforme cabecera;
    bool hojaDeTotal = false; // "Hoja n de N", the pages counted first; else "Hoja: n"
};

// A column of a table: its width and how its cells and its heading sit in it.
struct ColumnaHoja {
    double anchoMm = 0;
    Qt::Alignment celdas = Qt::AlignLeft;
    Qt::Alignment cabecera = Qt::AlignLeft;
};

// A table whose header row, under its title, heads every page the table runs over.
struct TablaHoja {
    QString titulo;             // bold line above the header row; empty for none
    QString tituloContinuacion; // the same on the pages it continues on
    std::vector<ColumnaHoja> columnas;
    std::vector<std::string> cabecera;
    std::vector<std::vector<std::string>> filas;
};

// Lays out landscape pages in millimetres from the top left of the printable area: the page
// header, paragraphs and tables whose rows move to a new page when they do not fit. With
// "Hoja n de N" the content is laid out twice, first without painting, to count the pages.
class HojasApaisadas {
public:
    HojasApaisadas(QPainter& painter, QPagedPaintDevice& dispositivo, EncabezadoHojas encabezado);

    // Heads the first page and lays out `contenido`; the pages are the device's from its
    // current page on.
    Resultado<void> pinta(const std::function<Resultado<void>()>& contenido);

    double anchoMm() const { return m_anchoMm; }
    int paginasPintadas() const { return m_pagina; }
    double y() const { return m_y; }
    void ponY(double yMm) { m_y = yMm; }
    void baja(double mm) { m_y += mm; }

    void fuente(double puntos, bool negrita);
    // The height of the text wrapped to the width, in the current font.
    double altoTexto(const QString& texto, double anchoMm) const;
    // The text at x, wrapped to the width, then down past it.
    void parrafo(double xMm, double anchoMm, const QString& texto);
    // One line of text at x, not wrapped, then down one line spacing of the font.
    void linea(double xMm, const QString& texto);

    // A new page unless `altoMm` still fits on this one.
    Resultado<void> sitio(double altoMm);
    // The title, the header row and the first row stay together; each row that does not fit
    // moves to a new page, under the continued title and the header row again.
    Resultado<void> tabla(const TablaHoja& tabla);

private:
    double u(double mm) const;
    double mm(double unidades) const;
    void regla(double grosor);
    void encabeza();
    Resultado<void> paginaNueva();
    double altoFila(const TablaHoja& tabla, const std::vector<std::string>& celdas, bool cabecera);
    void fila(const TablaHoja& tabla, const std::vector<std::string>& celdas, bool cabecera);
    void tituloTabla(const TablaHoja& tabla, const QString& titulo);

    QPainter& m_p;
    QPagedPaintDevice& m_dispositivo;
    const EncabezadoHojas m_encabezado;
    double m_anchoMm = 0;
    double m_altoMm = 0;
    double m_y = 0;
    int m_pagina = 0;
    int m_paginas = 0;
    bool m_pintar = true;
};

// What paints a document on a device and reports a failure; it adds the document's bookmarks
// (pages counted from 0) as it goes.
using PintaDocumento =
    std::function<Resultado<void>(QPagedPaintDevice&, std::vector<MarcadorPdf>& marcadores)>;

// The document properties of a PDF of this program: its title, the author of the header, what
// it is of, and the program with its version.
MetadatosPdf metadatosPdf(const QString& titulo, const CabeceraInforme& cabecera,
                          std::string asunto);

// The bytes of the vector PDF that `pinta` paints, with those properties and bookmarks.
Resultado<std::string> pdfVectorial(const MetadatosPdf& metadatos, const PintaDocumento& pinta);

// The same written atomically to the file; when it cannot be written the message is
// `noSeEscribe` followed by ` en "<file>": <reason>.`
Resultado<void> escribePdfVectorial(const std::filesystem::path& fichero,
                                    const MetadatosPdf& metadatos, const std::string& noSeEscribe,
                                    const PintaDocumento& pinta);

} // namespace tubrix
