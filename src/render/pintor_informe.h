#pragma once

#include "cabecera_informe.h"
#include "documento_pdf.h"
#include "error.h"
#include "imagenes_informe.h"
#include "report/informe.h"

#include <filesystem>
#include <vector>

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace tubrix {

// Paints the report's pages in millimetres with "Times New Roman" 10 pt (Liberation Serif, its
// metric twin, where that font is not installed), every text inside the frame of the header's
// rules. The printed pages carry the text header; the page images the logo and the large name.
class PintorInforme {
public:
    PintorInforme(const Informe& informe, CabeceraInforme cabecera, SalidaInforme salida);

    // Every page on a paged device (printer, PDF), one after the other.
    Resultado<void> pintaEn(QPagedPaintDevice& dispositivo) const;
    // The same with a painter already painting on the device (several reports in one file);
    // starts a new page before the first one when `paginaNueva`. With `marcadores`, adds the
    // headings of the pages painted, counted from page `primeraPagina` of the device.
    Resultado<void> pintaCon(QPainter& painter, QPagedPaintDevice& dispositivo, bool paginaNueva,
                             std::vector<MarcadorPdf>* marcadores = nullptr,
                             int primeraPagina = 0) const;

    // One page as an image of the size of an A4 page at `puntosPorPulgada`, laid out as on
    // the printed page.
    QImage imagenDePagina(std::size_t indice, double puntosPorPulgada = 150) const;

    std::size_t paginas() const { return m_informe.paginas.size(); }

    // The reach of a works whose report this is, printed in the page header.
    void ponTramo(QString tramo) { m_tramo = std::move(tramo); }

private:
    struct Titular {
        QString texto;
        double yMm;
    };
    void pintaPagina(QPainter& painter, const PaginaInforme& pagina, double anchoMm,
                     std::vector<Titular>* titulares) const;

    const Informe& m_informe;
    CabeceraInforme m_cabecera;
    SalidaInforme m_salida;
    QString m_tramo;
};

// The report as a vector PDF (A4, selectable text) with its document properties and one
// bookmark per section, written atomically.
Resultado<void> escribePdf(const Informe& informe, const CabeceraInforme& cabecera,
                           const std::filesystem::path& fichero);

} // namespace tubrix
