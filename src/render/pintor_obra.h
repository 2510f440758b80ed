#pragma once

#include "documento_pdf.h"
#include "error.h"
#include "format/formato.h"
#include "obra/calcula_obra.h"
#include "pintor_informe.h"

#include <filesystem>
#include <vector>

class QPagedPaintDevice;

namespace tubrix {

struct OpcionesPdfObra {
    CabeceraInforme cabecera;
    bool informes = false; // each calculated reach's full report after the summary
    Separadores separadores = Separadores::espanol();
};

// The summary of a works on landscape pages: the summary sentences, then the table of every
// reach with its header row repeated on each page. With `informes`, each reach that was not
// refused follows with its full report (portrait, the reach's name in the page header), for
// the end that governs its verdict. With `marcadores`, adds a bookmark for the summary and one
// for each reach's report, at its first page.
Resultado<void> pintaObra(QPagedPaintDevice& dispositivo, const Obra& obra,
                          const ResultadoObra& resultado, const Catalogo& catalogo,
                          const OpcionesPdfObra& opciones,
                          std::vector<MarcadorPdf>* marcadores = nullptr);

// The same as a vector PDF with its document properties and bookmarks, written atomically.
Resultado<void> escribePdfObra(const Obra& obra, const ResultadoObra& resultado,
                               const Catalogo& catalogo, const OpcionesPdfObra& opciones,
                               const std::filesystem::path& fichero);

} // namespace tubrix
