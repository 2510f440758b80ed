#pragma once

#include "error.h"
#include "format/formato.h"
#include "pintor_informe.h"
#include "tablas/tabla_recubrimiento.h"

#include <filesystem>
#include <string>

class QPagedPaintDevice;

namespace tubrix {

struct OpcionesPdfTabla {
    CabeceraInforme cabecera;
    Separadores separadores = Separadores::espanol();
};

// The tables of admissible cover on landscape A4 pages: the fixed assumptions (every input of
// the base) on the first page, then one table per traffic case, a row per pipe and a column per
// soil and groundwater case, the header row repeated on every page, and under each table the
// reason of every cell that has no range. Every page carries "Hoja n de N".
Resultado<void> pintaTabla(QPagedPaintDevice& dispositivo, const Proyecto& base,
                           const Catalogo& catalogo, const TablaRecubrimiento& tabla,
                           const OpcionesPdfTabla& opciones);

// The same as the bytes of a vector PDF, and as a PDF file written atomically.
Resultado<std::string> pdfTabla(const Proyecto& base, const Catalogo& catalogo,
                                const TablaRecubrimiento& tabla, const OpcionesPdfTabla& opciones);
Resultado<void> escribePdfTabla(const Proyecto& base, const Catalogo& catalogo,
                                const TablaRecubrimiento& tabla, const OpcionesPdfTabla& opciones,
                                const std::filesystem::path& fichero);

} // namespace tubrix
