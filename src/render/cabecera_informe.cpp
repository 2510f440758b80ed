#include "cabecera_informe.h"

#include "pluma_informe.h"

#include <algorithm>

#include <QPainter>
#include <QSvgRenderer>

namespace tubrix {
namespace {

constexpr double kColumnaCabecera = 27;

QString textoHoja(int pagina, int paginas) {
    return QStringLiteral("Hoja: %1 de %2").arg(pagina).arg(paginas);
}

// "Titulo: " and the text, the text wrapped beside its label; returns the lines used.
int escribeConEtiqueta(Pluma& pluma, const QString& etiqueta, const QString& texto) {
    pluma.escribe(kColumnaCabecera, etiqueta);
    const double x = kColumnaCabecera + pluma.anchoTexto(etiqueta);
    return pluma.escribeEnColumna(x, pluma.derechaMm(), texto);
}

} // namespace

QString textoFecha(const QDate& fecha) {
    return QStringLiteral("Fecha: ") + fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

void cabeceraImpresora(Pluma& pluma, const CabeceraInforme& c, const QString& tramo, int pagina,
                       int paginas) {
    const double y0 = pluma.y();
    pluma.lineaHorizontal();
    pluma.ponY(y0 + 1);
    pluma.negrita(true);
    pluma.escribe(kColumnaCabecera, QStringLiteral("Cálculo tubrix de tuberías."));
    pluma.negrita(false);
    const QString fecha = textoFecha(c.fecha);
    pluma.escribeHastaDerecha(pluma.derechaMm(), fecha);
    if (!tramo.isEmpty()) {
        constexpr double kColumnaTramo = 90;
        const double ancho = pluma.derechaMm() - pluma.anchoTexto(fecha) - 3 - kColumnaTramo;
        pluma.escribe(kColumnaTramo, pluma.recortado(QStringLiteral("Tramo: ") + tramo, ancho));
    }
    pluma.ponY(y0 + 6);
    pluma.saltaLineas(escribeConEtiqueta(pluma, QStringLiteral("Titulo: "), c.titulo));
    pluma.saltaLineas(escribeConEtiqueta(pluma, QStringLiteral("Autor: "), c.autor));
    pluma.escribe(kColumnaCabecera, textoHoja(pagina, paginas));
    pluma.saltaLinea();
    pluma.ponY(pluma.y() + 2);
    pluma.lineaHorizontal();
}

void cabeceraPantalla(Pluma& pluma, const CabeceraInforme& c, int pagina, int paginas) {
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
    pluma.escribe(kColumnaCabecera, QStringLiteral("NORVELA"));
    pluma.escalaFuente(1 / 2.5);

    // Page and date at the right, title and author between them and the name.
    const QString hoja = textoHoja(pagina, paginas);
    const QString fecha = textoFecha(c.fecha);
    const double derecha = pluma.derechaMm();
    const double bloque = std::max(pluma.anchoTexto(hoja), pluma.anchoTexto(fecha));
    constexpr double kColumnaTitulo = 70;
    const double ancho = derecha - bloque - 4 - kColumnaTitulo;
    const double primera = y0 + 1.5;
    const double segunda = y0 + 5.8;
    pluma.ponY(primera);
    pluma.escribe(kColumnaTitulo, pluma.recortado(QStringLiteral("Titulo: ") + c.titulo, ancho));
    pluma.escribeHastaDerecha(derecha, hoja);
    pluma.ponY(segunda);
    pluma.escribe(kColumnaTitulo, pluma.recortado(QStringLiteral("Autor: ") + c.autor, ancho));
    pluma.escribeHastaDerecha(derecha, fecha);
    pluma.ponY(y0 + 11);
    pluma.lineaHorizontal();
}

} // namespace tubrix
