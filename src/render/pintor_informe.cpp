#include "pintor_informe.h"

#include "util/paths.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>

namespace tubrix {
namespace {

constexpr double kMmPorPulgada = 25.4;
constexpr double kAnchoA4Mm = 210;
constexpr double kAltoA4Mm = 297;
constexpr double kMargenMm = 10; // printable area of the paged outputs

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

QFont fuenteInforme() {
    QFont fuente(QStringLiteral("Times New Roman"), 10);
    fuente.setStyleHint(QFont::Serif);
    return fuente;
}

// The writer's pen: a current position in millimetres that moves one line down per line.
class Pluma {
public:
    Pluma(QPainter& painter, double anchoMm) : m_p(painter), m_anchoMm(anchoMm) {
        m_p.setFont(fuenteInforme());
        m_p.setPen(Qt::black);
    }

    double alturaLinea() const {
        const QFontMetricsF medidas(m_p.font(), m_p.device());
        return medidas.lineSpacing() / mmEnUnidades();
    }
    double y() const { return m_y; }
    void ponY(double y) { m_y = y; }

    // Writes a text at x with its top at the current y, then goes to the next line.
    void escribe(double xMm, const QString& texto) {
        const QFontMetricsF medidas(m_p.font(), m_p.device());
        m_p.drawText(QPointF(xMm * mmEnUnidades(), m_y * mmEnUnidades() + medidas.ascent()), texto);
    }
    void saltaLinea() { m_y += alturaLinea(); }
    void lineaEnBlanco() { saltaLinea(); }

    // A rule from 15 mm to 20 mm short of the page width, then 1 mm down.
    void lineaHorizontal() {
        const double escala = mmEnUnidades();
        m_p.save();
        m_p.setPen(QPen(Qt::black, 0.25 * escala));
        m_p.drawLine(QPointF(15 * escala, m_y * escala),
                     QPointF((m_anchoMm - 20) * escala, m_y * escala));
        m_p.restore();
        m_y += 1;
    }

    void negrita(bool si, bool subrayado = false) {
        QFont f = m_p.font();
        f.setBold(si);
        f.setUnderline(subrayado);
        m_p.setFont(f);
    }
    void escalaFuente(double factor) {
        QFont f = m_p.font();
        f.setPointSizeF(f.pointSizeF() * factor);
        m_p.setFont(f);
    }
    double anchoMm() const { return m_anchoMm; }
    double mmEnUnidades() const { return m_p.device()->logicalDpiX() / kMmPorPulgada; }
    QPainter& painter() { return m_p; }

private:
    QPainter& m_p;
    double m_anchoMm;
    double m_y = 0;
};

void cabeceraImpresora(Pluma& pluma, const CabeceraInforme& c, const QString& tramo, int pagina) {
    const double y0 = pluma.y();
    pluma.lineaHorizontal();
    pluma.ponY(y0 + 1);
    pluma.negrita(true);
    pluma.escribe(27, QStringLiteral("Cálculo tubrix de tuberías."));
    pluma.negrita(false);
    if (!tramo.isEmpty())
        pluma.escribe(120, QStringLiteral("Tramo: ") + tramo);
    pluma.ponY(y0 + 6);
    pluma.escribe(27, QStringLiteral("Titulo: ") + c.titulo);
    pluma.saltaLinea();
    pluma.escribe(27, QStringLiteral("Autor: ") + c.autor);
    pluma.saltaLinea();
    pluma.escribe(27, QStringLiteral("Hoja: ") + QString::number(pagina));
    pluma.saltaLinea();
    pluma.ponY(pluma.y() + 2);
    pluma.lineaHorizontal();
}

void cabeceraPantalla(Pluma& pluma, const CabeceraInforme& c, int pagina) {
    const double y0 = pluma.y();
    pluma.lineaHorizontal();
    // The logo, about 9 mm high, left of the name.
    QSvgRenderer logo(QStringLiteral(":/icons/tubrix.svg"));
    const double escala = pluma.mmEnUnidades();
    if (logo.isValid())
        logo.render(&pluma.painter(),
                    QRectF(16 * escala, (y0 + 1) * escala, 9 * escala, 9 * escala));
    pluma.ponY(y0 + 1);
    pluma.escalaFuente(2.5);
    pluma.escribe(27, QStringLiteral("NORVELA"));
    pluma.escalaFuente(1 / 2.5);
    pluma.ponY(y0 + 6);
    pluma.escribe(70, QStringLiteral("Titulo: ") + c.titulo);
    pluma.ponY(y0 + 6);
    pluma.escribe(120, QStringLiteral("Autor: ") + c.autor);
    pluma.ponY(y0 + 6);
    pluma.escribe(pluma.anchoMm() - 40, QStringLiteral("Hoja: ") + QString::number(pagina));
    pluma.ponY(y0 + 11);
    pluma.lineaHorizontal();
}

} // namespace

PintorInforme::PintorInforme(const Informe& informe, CabeceraInforme cabecera, SalidaInforme salida)
    : m_informe(informe), m_cabecera(std::move(cabecera)), m_salida(salida) {}

void PintorInforme::pintaPagina(QPainter& painter, const PaginaInforme& pagina,
                                double anchoMm) const {
    Pluma pluma(painter, anchoMm);
    const bool impresora = m_salida == SalidaInforme::Impresora;
    if (impresora) {
        pluma.lineaEnBlanco();
        pluma.lineaEnBlanco();
        cabeceraImpresora(pluma, m_cabecera, m_tramo, pagina.numero);
    } else {
        cabeceraPantalla(pluma, m_cabecera, pagina.numero);
    }
    for (const LineaInforme& linea : pagina.lineas) {
        switch (linea.tipo) {
        case TipoLinea::EnBlanco:
            pluma.lineaEnBlanco();
            break;
        case TipoLinea::TituloInforme:
            pluma.negrita(true, true);
            if (!impresora)
                pluma.escalaFuente(1.4);
            pluma.escribe(kColumnaEtiqueta, qs(linea.celdas.front().texto));
            pluma.saltaLinea();
            if (!impresora)
                pluma.escalaFuente(1 / 1.4);
            pluma.negrita(false);
            break;
        case TipoLinea::Titulo:
            pluma.negrita(true, true);
            pluma.escribe(30, qs(linea.celdas.front().texto));
            pluma.saltaLinea();
            pluma.negrita(false);
            break;
        case TipoLinea::Fila:
            for (const Celda& celda : linea.celdas)
                pluma.escribe(celda.columnaMm, qs(celda.texto));
            pluma.saltaLinea();
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
                                        bool paginaNueva) const {
    const double anchoMm = dispositivo.pageLayout().paintRect(QPageLayout::Millimeter).width();
    for (std::size_t i = 0; i < m_informe.paginas.size(); ++i) {
        if ((i > 0 || paginaNueva) && !dispositivo.newPage())
            return falla(CodigoError::FicheroNoEscribible, "No se ha podido pasar de página.");
        pintaPagina(painter, m_informe.paginas[i], anchoMm);
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
    pintaPagina(painter, m_informe.paginas.at(indice), kAnchoA4Mm);
    return imagen;
}

Resultado<void> escribePdf(const Informe& informe, const CabeceraInforme& cabecera,
                           const std::filesystem::path& fichero) {
    const QString nombre = QString::fromStdString(utf8FromPath(fichero));
    QSaveFile salida(nombre);
    if (!salida.open(QIODevice::WriteOnly))
        return falla(CodigoError::FicheroNoEscribible,
                     "No se puede escribir el informe en \"" + nombre.toStdString() +
                         "\": " + salida.errorString().toStdString() + ".");
    {
        QPdfWriter pdf(&salida);
        pdf.setTitle(QStringLiteral("Cálculo tubrix de tuberías: ") + cabecera.titulo);
        pdf.setCreator(QStringLiteral("Tubrix"));
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                                      QPageLayout::Millimeter));
        const PintorInforme pintor(informe, cabecera, SalidaInforme::Impresora);
        if (auto pintado = pintor.pintaEn(pdf); !pintado)
            return pintado;
    }
    if (!salida.commit())
        return falla(CodigoError::FicheroNoEscribible,
                     "No se ha podido guardar el informe en \"" + nombre.toStdString() +
                         "\": " + salida.errorString().toStdString() + ".");
    return {};
}

Resultado<std::vector<std::filesystem::path>>
escribeImagenes(const Informe& informe, const CabeceraInforme& cabecera,
                const std::filesystem::path& carpeta) {
    std::error_code error;
    if (!std::filesystem::is_directory(carpeta, error))
        return falla(CodigoError::FicheroNoEscribible,
                     "La carpeta \"" + utf8FromPath(carpeta) + "\" no existe.");
    const PintorInforme pintor(informe, cabecera, SalidaInforme::Imagenes);
    std::vector<std::filesystem::path> escritas;
    for (std::size_t i = 0; i < pintor.paginas(); ++i) {
        char nombre[32];
        std::snprintf(nombre, sizeof nombre, "Imp%02zu.bmp", i + 1);
        const auto fichero = carpeta / nombre;
        QSaveFile salida(QString::fromStdString(utf8FromPath(fichero)));
        if (!salida.open(QIODevice::WriteOnly) || !pintor.imagenDePagina(i).save(&salida, "BMP") ||
            !salida.commit())
            return falla(CodigoError::FicheroNoEscribible,
                         "No se ha podido guardar la imagen \"" + utf8FromPath(fichero) +
                             "\": " + salida.errorString().toStdString() + ".");
        escritas.push_back(fichero);
    }
    return escritas;
}

} // namespace tubrix
