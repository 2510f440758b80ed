#include "hojas_apaisadas.h"

#include "util/atomic_file.h"
#include "util/paths.h"
#include "version.h"

#include <algorithm>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace tubrix {
namespace {

constexpr double kMmPorPulgada = 25.4;
constexpr double kMargenMm = 10;
constexpr double kRellenoMm = 0.8; // inside each cell of a table

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

} // namespace

QPageLayout disposicionA4(QPageLayout::Orientation orientacion) {
    return QPageLayout(QPageSize(QPageSize::A4), orientacion,
                       QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                       QPageLayout::Millimeter);
}

HojasApaisadas::HojasApaisadas(QPainter& painter, QPagedPaintDevice& dispositivo,
                               EncabezadoHojas encabezado)
    : m_p(painter), m_dispositivo(dispositivo), m_encabezado(std::move(encabezado)) {
    const QRectF util = dispositivo.pageLayout().paintRect(QPageLayout::Millimeter);
    m_anchoMm = util.width();
    m_altoMm = util.height();
}

Resultado<void> HojasApaisadas::pinta(const std::function<Resultado<void>()>& contenido) {
    const auto recorre = [&] {
        m_pagina = 0;
        encabeza();
        return contenido();
    };
    if (m_encabezado.hojaDeTotal) {
        m_pintar = false;
        if (auto r = recorre(); !r)
            return r;
        m_paginas = m_pagina;
    }
    m_pintar = true;
    return recorre();
}

double HojasApaisadas::u(double mm) const {
    return mm * m_dispositivo.logicalDpiX() / kMmPorPulgada;
}

double HojasApaisadas::mm(double unidades) const {
    return unidades / u(1);
}

void HojasApaisadas::fuente(double puntos, bool negrita) {
    QFont f(QStringLiteral("Times New Roman"), 10);
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    m_p.setFont(f);
}

double HojasApaisadas::altoTexto(const QString& texto, double anchoMm) const {
    const QFontMetricsF medidas(m_p.font(), &m_dispositivo);
    return mm(medidas
                  .boundingRect(QRectF(0, 0, u(anchoMm), 1e9),
                                Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, texto)
                  .height());
}

void HojasApaisadas::parrafo(double xMm, double anchoMm, const QString& texto) {
    const double alto = altoTexto(texto, anchoMm);
    if (m_pintar)
        m_p.drawText(QRectF(u(xMm), u(m_y), u(anchoMm), u(alto) + 1),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, texto);
    m_y += alto;
}

void HojasApaisadas::linea(double xMm, const QString& texto) {
    const QFontMetricsF medidas(m_p.font(), &m_dispositivo);
    if (m_pintar)
        m_p.drawText(QPointF(u(xMm), u(m_y) + medidas.ascent()), texto);
    m_y += mm(medidas.lineSpacing());
}

void HojasApaisadas::regla(double grosor) {
    if (!m_pintar)
        return;
    m_p.save();
    m_p.setPen(QPen(Qt::black, u(grosor)));
    m_p.drawLine(QPointF(0, u(m_y)), QPointF(u(m_anchoMm), u(m_y)));
    m_p.restore();
}

void HojasApaisadas::encabeza() {
    m_y = 0;
    ++m_pagina;
    regla(0.25);
    m_y += 1;
    const double y = m_y;
    double abajo = y;
    // Side by side, each wrapped to its width; the rule goes under the tallest.
    const auto celda = [&](double xMm, double anchoMm, const QString& texto) {
        m_y = y;
        parrafo(xMm, anchoMm, texto);
        abajo = std::max(abajo, m_y);
    };
    fuente(10, true);
    celda(2, 110, m_encabezado.documento);
    fuente(10, false);
    celda(120, 80, QStringLiteral("Titulo: ") + m_encabezado.cabecera.titulo);
    celda(200, 50, QStringLiteral("Autor: ") + m_encabezado.cabecera.autor);
    if (m_encabezado.hojaDeTotal)
        celda(m_anchoMm - 27, 27,
              QStringLiteral("Hoja %1 de %2").arg(m_pagina).arg(std::max(m_paginas, m_pagina)));
    else
        celda(m_anchoMm - 25, 25, QStringLiteral("Hoja: ") + QString::number(m_pagina));
    m_y = abajo + 1;
    regla(0.25);
    m_y += 3;
}

Resultado<void> HojasApaisadas::paginaNueva() {
    if (m_pintar && !m_dispositivo.newPage())
        return falla(CodigoError::FicheroNoEscribible, "No se ha podido pasar de página.");
    encabeza();
    return {};
}

Resultado<void> HojasApaisadas::sitio(double altoMm) {
    if (m_y + altoMm <= m_altoMm)
        return {};
    return paginaNueva();
}

double HojasApaisadas::altoFila(const TablaHoja& tabla, const std::vector<std::string>& celdas,
                                bool cabecera) {
    fuente(7.5, cabecera);
    double alto = 0;
    for (std::size_t c = 0; c < celdas.size(); ++c)
        alto = std::max(alto, altoTexto(qs(celdas[c]), tabla.columnas[c].anchoMm - 2 * kRellenoMm));
    return alto + 2 * kRellenoMm;
}

void HojasApaisadas::fila(const TablaHoja& tabla, const std::vector<std::string>& celdas,
                          bool cabecera) {
    const double alto = altoFila(tabla, celdas, cabecera);
    if (m_pintar) {
        double x = 0;
        for (std::size_t c = 0; c < celdas.size(); ++c) {
            const ColumnaHoja& columna = tabla.columnas[c];
            const QRectF caja(u(x + kRellenoMm), u(m_y + kRellenoMm),
                              u(columna.anchoMm - 2 * kRellenoMm), u(alto));
            m_p.drawText(caja,
                         Qt::TextWordWrap | (cabecera ? columna.cabecera : columna.celdas) |
                             Qt::AlignTop,
                         qs(celdas[c]));
            x += columna.anchoMm;
        }
    }
    m_y += alto;
    regla(cabecera ? 0.3 : 0.1);
}

void HojasApaisadas::tituloTabla(const TablaHoja& tabla, const QString& titulo) {
    if (!titulo.isEmpty()) {
        fuente(10, true);
        parrafo(0, m_anchoMm, titulo);
        m_y += 1;
    }
    fila(tabla, tabla.cabecera, true);
}

Resultado<void> HojasApaisadas::tabla(const TablaHoja& tabla) {
    double junto = altoFila(tabla, tabla.cabecera, true);
    if (!tabla.filas.empty())
        junto += altoFila(tabla, tabla.filas.front(), false);
    if (!tabla.titulo.isEmpty()) {
        fuente(10, true);
        junto += altoTexto(tabla.titulo, m_anchoMm) + 1;
    }
    if (auto r = sitio(junto); !r)
        return r;
    tituloTabla(tabla, tabla.titulo);
    for (const auto& celdas : tabla.filas) {
        if (m_y + altoFila(tabla, celdas, false) > m_altoMm) {
            if (auto r = paginaNueva(); !r)
                return r;
            tituloTabla(tabla, tabla.tituloContinuacion);
        }
        fila(tabla, celdas, false);
    }
    return {};
}

MetadatosPdf metadatosPdf(const QString& titulo, const CabeceraInforme& cabecera,
                          std::string asunto) {
    return {titulo.toStdString(), cabecera.autor.toStdString(), std::move(asunto),
            "Tubrix " + std::string(kVersion)};
}

Resultado<std::string> pdfVectorial(const MetadatosPdf& metadatos, const PintaDocumento& pinta) {
    QByteArray bytes;
    std::vector<MarcadorPdf> marcadores;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QString::fromStdString(metadatos.titulo));
        pdf.setCreator(QString::fromStdString(metadatos.creador));
        pdf.setResolution(1200);
        if (auto pintado = pinta(pdf, marcadores); !pintado)
            return tl::unexpected(pintado.error());
    }
    auto completo = completaPdf(bytes, metadatos, marcadores);
    if (!completo)
        return tl::unexpected(completo.error());
    return std::string(completo->constData(), static_cast<std::size_t>(completo->size()));
}

Resultado<void> escribePdfVectorial(const std::filesystem::path& fichero,
                                    const MetadatosPdf& metadatos, const std::string& noSeEscribe,
                                    const PintaDocumento& pinta) {
    auto bytes = pdfVectorial(metadatos, pinta);
    if (!bytes)
        return tl::unexpected(bytes.error());
    if (auto escrito = writeFileAtomically(fichero, *bytes); !escrito)
        return falla(CodigoError::FicheroNoEscribible, noSeEscribe + " en \"" +
                                                           utf8FromPath(fichero) +
                                                           "\": " + escrito.error() + ".");
    return {};
}

} // namespace tubrix
