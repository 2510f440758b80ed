#include "pintor_informe.h"

#include "pluma_informe.h"
#include "util/atomic_file.h"
#include "util/paths.h"
#include "version.h"

#include <algorithm>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

namespace tubrix {
namespace {

constexpr double kMmPorPulgada = 25.4;
constexpr double kAnchoA4Mm = 210;
constexpr double kAltoA4Mm = 297;
constexpr double kMargenMm = 10; // printable area of the paged outputs
constexpr double kHuecoColumnasMm = 1.5;

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

// A row's cells, each wrapped within its column: up to the next cell's column, the last one up
// to the frame's right edge. The row is as many lines tall as its tallest cell.
void pintaFila(Pluma& pluma, const LineaInforme& linea) {
    int lineas = 1;
    for (std::size_t i = 0; i < linea.celdas.size(); ++i) {
        const Celda& celda = linea.celdas[i];
        double limite = pluma.derechaMm();
        for (std::size_t j = i + 1; j < linea.celdas.size(); ++j)
            if (linea.celdas[j].columnaMm > celda.columnaMm) {
                limite = linea.celdas[j].columnaMm - kHuecoColumnasMm;
                break;
            }
        lineas = std::max(lineas, pluma.escribeEnColumna(celda.columnaMm, limite, qs(celda.texto)));
    }
    pluma.saltaLineas(lineas);
}

// A drawing of the program scaled to its width on the page, with its texts on white patches so
// that the lines of the drawing do not cross them.
void pintaDibujo(Pluma& pluma, const DibujoInforme& dibujo) {
    QPainter& p = pluma.painter();
    const double mm = pluma.mmEnUnidades();
    const double escala = dibujo.anchoMm / dibujo.anchoLienzo * mm; // device units per unit
    const QPointF origen(dibujo.columnaMm * mm, pluma.y() * mm);
    QSvgRenderer svg(QStringLiteral(":/") + qs(dibujo.recurso));
    if (svg.isValid())
        svg.render(&p,
                   QRectF(origen, QSizeF(dibujo.anchoDibujo * escala, dibujo.altoDibujo * escala)));
    p.save();
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setStyleHint(QFont::SansSerif);
    letra.setPixelSize(std::max(1, static_cast<int>(dibujo.letra * escala + 0.5)));
    p.setFont(letra);
    const QFontMetricsF medidas(letra, p.device());
    for (const AnotacionDibujo& a : dibujo.anotaciones) {
        const QString texto = qs(a.texto);
        const double ancho = medidas.horizontalAdvance(texto);
        double x = origen.x() + a.x * escala - (a.centrada ? ancho / 2 : 0);
        x = std::min(x, origen.x() + dibujo.anchoLienzo * escala - ancho);
        const double base = origen.y() + a.y * escala;
        const double hueco = 0.15 * medidas.height();
        p.fillRect(QRectF(x - hueco, base - medidas.ascent() - hueco / 2, ancho + 2 * hueco,
                          medidas.height() + hueco),
                   QColor(255, 255, 255, 225));
        p.setPen(Qt::black);
        p.drawText(QPointF(x, base), texto);
    }
    p.restore();
    pluma.ponY(pluma.y() + dibujo.altoMm());
}

} // namespace

PintorInforme::PintorInforme(const Informe& informe, CabeceraInforme cabecera, SalidaInforme salida)
    : m_informe(informe), m_cabecera(std::move(cabecera)), m_salida(salida) {}

void PintorInforme::pintaPagina(QPainter& painter, const PaginaInforme& pagina, double anchoMm,
                                std::vector<Titular>* titulares) const {
    Pluma pluma(painter, anchoMm);
    const int total = static_cast<int>(m_informe.paginas.size());
    const bool impresora = m_salida == SalidaInforme::Impresora;
    if (impresora) {
        pluma.lineaEnBlanco();
        pluma.lineaEnBlanco();
        cabeceraImpresora(pluma, m_cabecera, m_tramo, pagina.numero, total);
    } else {
        cabeceraPantalla(pluma, m_cabecera, pagina.numero, total);
    }
    const auto titular = [&](const std::string& texto) {
        if (titulares)
            titulares->push_back({qs(texto), pluma.y()});
    };
    for (const LineaInforme& linea : pagina.lineas) {
        switch (linea.tipo) {
        case TipoLinea::EnBlanco:
            pluma.lineaEnBlanco();
            break;
        case TipoLinea::TituloInforme:
            titular(linea.celdas.front().texto);
            pluma.negrita(true, true);
            if (!impresora)
                pluma.escalaFuente(1.4);
            pluma.saltaLineas(pluma.escribeEnColumna(kColumnaEtiqueta, pluma.derechaMm(),
                                                     qs(linea.celdas.front().texto)));
            if (!impresora)
                pluma.escalaFuente(1 / 1.4);
            pluma.negrita(false);
            break;
        case TipoLinea::Titulo:
            titular(linea.celdas.front().texto);
            pluma.negrita(true, true);
            pluma.saltaLineas(
                pluma.escribeEnColumna(30, pluma.derechaMm(), qs(linea.celdas.front().texto)));
            pluma.negrita(false);
            break;
        case TipoLinea::Fila:
            pintaFila(pluma, linea);
            break;
        case TipoLinea::Dibujo:
            if (linea.dibujo)
                pintaDibujo(pluma, *linea.dibujo);
            break;
        }
    }
}

Resultado<void> PintorInforme::pintaEn(QPagedPaintDevice& dispositivo) const {
    QPainter painter;
    if (!painter.begin(&dispositivo))
        return falla(CodigoError::FicheroNoEscribible,
                     "No se puede empezar a imprimir el informe.");
    auto pintado = pintaCon(painter, dispositivo, false);
    painter.end();
    return pintado;
}

Resultado<void> PintorInforme::pintaCon(QPainter& painter, QPagedPaintDevice& dispositivo,
                                        bool paginaNueva, std::vector<MarcadorPdf>* marcadores,
                                        int primeraPagina) const {
    const QRectF area = dispositivo.pageLayout().paintRect(QPageLayout::Millimeter);
    for (std::size_t i = 0; i < m_informe.paginas.size(); ++i) {
        if ((i > 0 || paginaNueva) && !dispositivo.newPage())
            return falla(CodigoError::FicheroNoEscribible, "No se ha podido pasar de página.");
        std::vector<Titular> titulares;
        pintaPagina(painter, m_informe.paginas[i], area.width(), &titulares);
        if (marcadores)
            for (const Titular& t : titulares)
                marcadores->push_back({t.texto.toStdString(),
                                       primeraPagina + static_cast<int>(i) + (paginaNueva ? 1 : 0),
                                       area.top() + t.yMm});
    }
    return {};
}

QImage PintorInforme::imagenDePagina(std::size_t indice, double puntosPorPulgada) const {
    const auto puntos = [&](double mm) {
        return static_cast<int>(mm / kMmPorPulgada * puntosPorPulgada + 0.5);
    };
    QImage imagen(puntos(kAnchoA4Mm), puntos(kAltoA4Mm), QImage::Format_RGB32);
    const int puntosPorMetro = static_cast<int>(puntosPorPulgada / 0.0254 + 0.5);
    imagen.setDotsPerMeterX(puntosPorMetro);
    imagen.setDotsPerMeterY(puntosPorMetro);
    imagen.fill(Qt::white);
    QPainter painter(&imagen);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The printed page's printable area, so that both outputs keep the same frame.
    const double margen = kMargenMm / kMmPorPulgada * imagen.logicalDpiX();
    painter.translate(margen, margen);
    pintaPagina(painter, m_informe.paginas.at(indice), kAnchoA4Mm - 2 * kMargenMm, nullptr);
    return imagen;
}

Resultado<void> escribePdf(const Informe& informe, const CabeceraInforme& cabecera,
                           const std::filesystem::path& fichero) {
    const std::string nombre = utf8FromPath(fichero);
    QByteArray bytes;
    std::vector<MarcadorPdf> marcadores;
    {
        QBuffer memoria(&bytes);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        pdf.setTitle(cabecera.titulo);
        pdf.setCreator(QStringLiteral("Tubrix ") + qs(std::string(kVersion)));
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                                      QPageLayout::Millimeter));
        const PintorInforme pintor(informe, cabecera, SalidaInforme::Impresora);
        QPainter painter;
        if (!painter.begin(&pdf))
            return falla(CodigoError::FicheroNoEscribible,
                         "No se puede empezar a escribir el informe en \"" + nombre + "\".");
        auto pintado = pintor.pintaCon(painter, pdf, false, &marcadores);
        painter.end();
        if (!pintado)
            return pintado;
    }
    const MetadatosPdf metadatos{cabecera.titulo.toStdString(), cabecera.autor.toStdString(),
                                 informe.asunto, "Tubrix " + std::string(kVersion)};
    const auto completo = completaPdf(bytes, metadatos, marcadores);
    if (!completo)
        return tl::unexpected(completo.error());
    if (auto escrito = writeFileAtomically(
            fichero,
            std::string_view(completo->constData(), static_cast<std::size_t>(completo->size())));
        !escrito)
        return falla(CodigoError::FicheroNoEscribible, "No se ha podido guardar el informe en \"" +
                                                           nombre + "\": " + escrito.error() + ".");
    return {};
}

} // namespace tubrix
