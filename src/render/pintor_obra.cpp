#include "pintor_obra.h"

#include "obra/tabla_obra.h"
#include "report/informe.h"
#include "util/paths.h"

#include <array>
#include <numeric>

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tubrix {
namespace {

constexpr double kMmPorPulgada = 25.4;
constexpr double kMargenMm = 10;
constexpr double kRellenoMm = 0.8; // inside each cell of the table

// Widths of the summary columns, mm, in the order of the table; the last takes what is left.
constexpr std::array<double, static_cast<std::size_t>(ColumnaObra::Numero)> kAnchos = {
    22, 17, 18, 27, 15, 14, 14, 14, 14, 14, 14, 12, 12, 38, 0};

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

QPageLayout disposicion(QPageLayout::Orientation orientacion) {
    return QPageLayout(QPageSize(QPageSize::A4), orientacion,
                       QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                       QPageLayout::Millimeter);
}

// Paints the landscape summary pages in millimetres.
class PintorResumen {
public:
    PintorResumen(QPainter& painter, QPagedPaintDevice& dispositivo, const CabeceraInforme& c)
        : m_p(painter), m_dispositivo(dispositivo), m_cabecera(c) {
        const QRectF util = dispositivo.pageLayout().paintRect(QPageLayout::Millimeter);
        m_anchoMm = util.width();
        m_altoMm = util.height();
        m_anchos.assign(kAnchos.begin(), kAnchos.end());
        m_anchos.back() =
            std::max(20.0, m_anchoMm - std::accumulate(kAnchos.begin(), kAnchos.end(), 0.0));
    }

    Resultado<void> pinta(const std::vector<std::string>& lineas, const TablaObra& tabla) {
        cabecera();
        fuente(10, false);
        for (const std::string& linea : lineas)
            texto(0, qs(linea));
        m_y += 3;
        fila(tabla.cabecera, true);
        for (const auto& celdas : tabla.filas) {
            if (m_y + altoFila(celdas, false) > m_altoMm) {
                if (!m_dispositivo.newPage())
                    return falla(CodigoError::FicheroNoEscribible,
                                 "No se ha podido pasar de página.");
                cabecera();
                fila(tabla.cabecera, true); // the header row heads every page
            }
            fila(celdas, false);
        }
        return {};
    }

private:
    double u(double mm) const { return mm * m_dispositivo.logicalDpiX() / kMmPorPulgada; }

    void fuente(double puntos, bool negrita) {
        QFont f(QStringLiteral("Times New Roman"), 10);
        f.setStyleHint(QFont::Serif);
        f.setPointSizeF(puntos);
        f.setBold(negrita);
        m_p.setFont(f);
    }

    double mm(double unidades) const { return unidades / u(1); }

    // One line of text at x, then down one line.
    void texto(double xMm, const QString& t) {
        const QFontMetricsF medidas(m_p.font(), &m_dispositivo);
        m_p.drawText(QPointF(u(xMm), u(m_y) + medidas.ascent()), t);
        m_y += mm(medidas.lineSpacing());
    }

    void regla() {
        m_p.save();
        m_p.setPen(QPen(Qt::black, u(0.25)));
        m_p.drawLine(QPointF(0, u(m_y)), QPointF(u(m_anchoMm), u(m_y)));
        m_p.restore();
    }

    void cabecera() {
        m_y = 0;
        regla();
        m_y += 1;
        ++m_pagina;
        fuente(10, true);
        const double y = m_y;
        texto(2, QStringLiteral("Cálculo tubrix de tuberías. Resumen de la obra."));
        fuente(10, false);
        m_y = y;
        texto(120, QStringLiteral("Titulo: ") + m_cabecera.titulo);
        m_y = y;
        texto(200, QStringLiteral("Autor: ") + m_cabecera.autor);
        m_y = y;
        texto(m_anchoMm - 25, QStringLiteral("Hoja: ") + QString::number(m_pagina));
        m_y += 1;
        regla();
        m_y += 3;
    }

    double altoCelda(const std::string& t, double anchoMm) const {
        const QFontMetricsF medidas(m_p.font(), &m_dispositivo);
        const QRectF caja = medidas.boundingRect(QRectF(0, 0, u(anchoMm - 2 * kRellenoMm), 1e9),
                                                 Qt::TextWordWrap, qs(t));
        return mm(caja.height()) + 2 * kRellenoMm;
    }

    double altoFila(const std::vector<std::string>& celdas, bool negrita) {
        fuente(7.5, negrita);
        double alto = 0;
        for (std::size_t c = 0; c < celdas.size(); ++c)
            alto = std::max(alto, altoCelda(celdas[c], m_anchos[c]));
        return alto;
    }

    void fila(const std::vector<std::string>& celdas, bool titulo) {
        const double alto = altoFila(celdas, titulo);
        double x = 0;
        for (std::size_t c = 0; c < celdas.size(); ++c) {
            const QRectF caja(u(x + kRellenoMm), u(m_y + kRellenoMm),
                              u(m_anchos[c] - 2 * kRellenoMm), u(alto));
            m_p.drawText(caja, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, qs(celdas[c]));
            x += m_anchos[c];
        }
        m_y += alto;
        m_p.save();
        m_p.setPen(QPen(Qt::black, u(titulo ? 0.3 : 0.1)));
        m_p.drawLine(QPointF(0, u(m_y)), QPointF(u(m_anchoMm), u(m_y)));
        m_p.restore();
    }

    QPainter& m_p;
    QPagedPaintDevice& m_dispositivo;
    const CabeceraInforme& m_cabecera;
    std::vector<double> m_anchos;
    double m_anchoMm = 0;
    double m_altoMm = 0;
    double m_y = 0;
    int m_pagina = 0;
};

// The full report of each reach that was calculated, at the end that governs it.
Resultado<void> pintaInformes(QPainter& painter, QPagedPaintDevice& dispositivo, const Obra& obra,
                              const ResultadoObra& resultado, const Catalogo& catalogo,
                              const OpcionesPdfObra& opciones) {
    for (const ResultadoTramo& t : resultado.tramos) {
        const CalculoExtremo& gobierna = t.gobierna();
        if (gobierna.rechazo)
            continue;
        auto seccion = Seccion_Del_Tramo(obra, t.indice, catalogo, gobierna.extremo);
        if (!seccion || Calcula_Seccion(*seccion, catalogo))
            continue;
        const Informe informe =
            Contenido_Informe(*seccion, catalogo, opciones.separadores, SalidaInforme::Impresora);
        QString tramo = qs(t.nombre);
        if (gobierna.extremo != Extremo::Unico)
            tramo += QStringLiteral(" (extremo %1)")
                         .arg(qs(std::string(nombreExtremo(gobierna.extremo))));
        PintorInforme pintor(informe, opciones.cabecera, SalidaInforme::Impresora);
        pintor.ponTramo(tramo);
        if (auto pintado = pintor.pintaCon(painter, dispositivo, true); !pintado)
            return pintado;
    }
    return {};
}

} // namespace

Resultado<void> pintaObra(QPagedPaintDevice& dispositivo, const Obra& obra,
                          const ResultadoObra& resultado, const Catalogo& catalogo,
                          const OpcionesPdfObra& opciones) {
    dispositivo.setPageLayout(disposicion(QPageLayout::Landscape));
    QPainter painter;
    if (!painter.begin(&dispositivo))
        return falla(CodigoError::FicheroNoEscribible,
                     "No se puede empezar a imprimir el resumen de la obra.");
    PintorResumen resumen(painter, dispositivo, opciones.cabecera);
    auto pintado = resumen.pinta(Lineas_Resumen_Obra(resultado, opciones.separadores),
                                 Tabla_Obra(resultado.tramos, opciones.separadores));
    if (pintado && opciones.informes) {
        // The reports keep their portrait pages; the layout holds from the next page on.
        dispositivo.setPageLayout(disposicion(QPageLayout::Portrait));
        pintado = pintaInformes(painter, dispositivo, obra, resultado, catalogo, opciones);
    }
    painter.end();
    return pintado;
}

Resultado<void> escribePdfObra(const Obra& obra, const ResultadoObra& resultado,
                               const Catalogo& catalogo, const OpcionesPdfObra& opciones,
                               const std::filesystem::path& fichero) {
    const QString nombre = QString::fromStdString(utf8FromPath(fichero));
    QSaveFile salida(nombre);
    if (!salida.open(QIODevice::WriteOnly))
        return falla(CodigoError::FicheroNoEscribible,
                     "No se puede escribir el resumen en \"" + nombre.toStdString() +
                         "\": " + salida.errorString().toStdString() + ".");
    {
        QPdfWriter pdf(&salida);
        pdf.setTitle(QStringLiteral("Cálculo tubrix de tuberías: obra ") +
                     opciones.cabecera.titulo);
        pdf.setCreator(QStringLiteral("Tubrix"));
        pdf.setResolution(1200);
        if (auto pintado = pintaObra(pdf, obra, resultado, catalogo, opciones); !pintado)
            return pintado;
    }
    if (!salida.commit())
        return falla(CodigoError::FicheroNoEscribible,
                     "No se ha podido guardar el resumen en \"" + nombre.toStdString() +
                         "\": " + salida.errorString().toStdString() + ".");
    return {};
}

} // namespace tubrix
