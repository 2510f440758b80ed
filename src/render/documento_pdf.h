#pragma once

#include "error.h"

#include <string>
#include <vector>

#include <QByteArray>

namespace tubrix {

// What a reader's document properties show.
struct MetadatosPdf {
    std::string titulo;
    std::string autor;
    std::string asunto;
    std::string creador; // the program and its version
};

// A bookmark: a heading of the report, the page it is on (from 0) and its top, in millimetres
// from the top of the page.
struct MarcadorPdf {
    std::string titulo;
    int pagina = 0;
    double yMm = 0;
};

// The PDF that Qt wrote, with its document information (title, author, subject, creator) and
// one bookmark per heading, opening with the bookmarks shown. The XMP stream Qt writes knows no
// author: it is left out, so that no reader finds two different descriptions.
Resultado<QByteArray> completaPdf(const QByteArray& pdf, const MetadatosPdf& metadatos,
                                  const std::vector<MarcadorPdf>& marcadores);

} // namespace tubrix
