#include "estudio/grafico_estudio.h"

#include "chain/tablas_estudio.h"
#include "ui/rejilla.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QAreaSeries>
#include <QChart>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>

namespace tubrix::gui {
namespace {

// One colour per verification row, the same whatever is swept.
QColor colorDeFila(FilaVerificacion fila) {
    static const std::array<QColor, kFilasVerificacion.size()> kColores{
        QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
        QColor(0x94, 0x67, 0xbd), QColor(0x17, 0xbe, 0xcf), QColor(0x8c, 0x56, 0x4b),
        QColor(0xd6, 0x27, 0x28)};
    return kColores.at(static_cast<std::size_t>(fila));
}

// The valid zone is a light wash under the lines; its legend swatch is drawn stronger, or it
// would read as white.
const QColor kZonaValida(0x4c, 0xaf, 0x50, 45);
const QColor kMuestraZonaValida(0x4c, 0xaf, 0x50, 150);

} // namespace

std::vector<QList<QPointF>> tramosDeFila(const std::vector<PuntoEstudio>& puntos,
                                         FilaVerificacion fila, double fueraDeEscala) {
    std::vector<QList<QPointF>> tramos;
    QList<QPointF> actual;
    for (const PuntoEstudio& p : puntos) {
        const std::optional<double>& uso = p.utilizacion[fila];
        if (p.rechazo || !uso) {
            if (!actual.isEmpty())
                tramos.push_back(std::exchange(actual, {}));
            continue;
        }
        // An infinitely used row (a compressive stress) leaves the top of the chart.
        actual.append(QPointF(p.valor, std::isfinite(*uso) ? *uso : fueraDeEscala));
    }
    if (!actual.isEmpty())
        tramos.push_back(std::move(actual));
    return tramos;
}

std::vector<std::pair<double, double>> tramosValidos(const std::vector<PuntoEstudio>& puntos) {
    std::vector<std::pair<double, double>> tramos;
    bool dentro = false;
    for (const PuntoEstudio& p : puntos) {
        const bool valido = !p.rechazo && p.valido;
        if (valido && !dentro)
            tramos.emplace_back(p.valor, p.valor);
        if (valido)
            tramos.back().second = p.valor;
        dentro = valido;
    }
    return tramos;
}

double pasoRedondo(double rango, int partes) {
    const double bruto = rango / partes;
    if (!(bruto > 0) || !std::isfinite(bruto))
        return 1;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (const double m : {1.0, 2.0, 5.0})
        if (bruto <= m * potencia)
            return m * potencia;
    return 10 * potencia;
}

GraficoEstudio::GraficoEstudio(const Separadores& separadores, QWidget* parent)
    : QChartView(parent) {
    setObjectName(QStringLiteral("Grafico"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(260);
    m_chart = chart();
    m_chart->legend()->setAlignment(Qt::AlignRight); // full row names, one under another
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    QFont letraLeyenda = m_chart->legend()->font();
    letraLeyenda.setPointSizeF(letraLeyenda.pointSizeF() * 0.9);
    m_chart->legend()->setFont(letraLeyenda);
    if (separadores.decimal == ",") {
        m_chart->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
        m_chart->setLocalizeNumbers(true);
    }
    m_ejeX = new QValueAxis(m_chart);
    m_ejeY = new QValueAxis(m_chart);
    m_ejeY->setTitleText(QStringLiteral("Utilización (límite = 1)"));
    m_ejeY->setLabelFormat(QStringLiteral("%.1f"));
    m_ejeX->setLabelFormat(QStringLiteral("%.4g"));
    for (QValueAxis* eje : {m_ejeX, m_ejeY})
        eje->setTickType(QValueAxis::TicksDynamic);
    m_chart->addAxis(m_ejeX, Qt::AlignBottom);
    m_chart->addAxis(m_ejeY, Qt::AlignLeft);
}

void GraficoEstudio::dibuja(const Eje& eje, const std::vector<PuntoEstudio>& puntos,
                            const std::vector<FilaVerificacion>& filas, double desde,
                            double hasta) {
    m_chart->removeAllSeries();
    const double xMin = std::min(desde, hasta);
    const double xMax = std::max(desde, hasta);

    // The y axis stops at 3 at most, so that the limit stays readable; the table has the rest.
    double usoMaximo = 0;
    for (const PuntoEstudio& p : puntos)
        if (!p.rechazo)
            for (const FilaVerificacion fila : filas)
                if (p.utilizacion[fila])
                    usoMaximo = std::max(usoMaximo, *p.utilizacion[fila]);
    const double yMax = std::ceil(std::max(1.5, std::min(3.0, usoMaximo)) * 2) / 2;
    const double fueraDeEscala = yMax * 100;

    // Each name once in the legend: the pieces of a line cut by gaps, and the valid zones
    // after the first, are drawn without an entry of their own.
    std::vector<std::pair<QAbstractSeries*, bool>> leyenda;
    const auto anade = [this, &leyenda](QAbstractSeries* serie, bool enLeyenda) {
        m_chart->addSeries(serie);
        serie->attachAxis(m_ejeX);
        serie->attachAxis(m_ejeY);
        leyenda.emplace_back(serie, enLeyenda);
    };

    // The valid range, shaded under everything else.
    const double medioPaso = puntos.size() > 1 ? (xMax - xMin) / (puntos.size() - 1) / 2 : 0;
    bool primeraZona = true;
    for (auto [inicio, fin] : tramosValidos(puntos)) {
        if (inicio > fin)
            std::swap(inicio, fin);
        if (inicio == fin) { // a lone valid point still shows
            inicio = std::max(xMin, inicio - medioPaso);
            fin = std::min(xMax, fin + medioPaso);
        }
        auto* zona = new QAreaSeries(m_chart);
        auto* arriba = new QLineSeries(zona);
        auto* abajo = new QLineSeries(zona);
        arriba->append({QPointF(inicio, yMax), QPointF(fin, yMax)});
        abajo->append({QPointF(inicio, 0), QPointF(fin, 0)});
        zona->setUpperSeries(arriba);
        zona->setLowerSeries(abajo);
        zona->setName(QStringLiteral("Zona válida"));
        zona->setColor(kZonaValida);
        zona->setPen(Qt::NoPen);
        anade(zona, primeraZona);
        primeraZona = false;
    }

    for (const FilaVerificacion fila : filas) {
        bool primera = true;
        for (const QList<QPointF>& tramo : tramosDeFila(puntos, fila, fueraDeEscala)) {
            auto* serie = new QLineSeries(m_chart);
            serie->setName(qs(nombreFila(fila)));
            serie->replace(tramo);
            QPen lapiz(colorDeFila(fila));
            lapiz.setWidthF(2);
            serie->setPen(lapiz);
            serie->setPointsVisible(tramo.size() == 1 || puntos.size() <= 40);
            anade(serie, primera);
            primera = false;
        }
    }

    auto* limite = new QLineSeries(m_chart);
    limite->setName(QStringLiteral("Límite"));
    limite->append({QPointF(xMin, 1), QPointF(xMax, 1)});
    QPen discontinua(Qt::black);
    discontinua.setWidthF(1.5);
    discontinua.setStyle(Qt::DashLine);
    limite->setPen(discontinua);
    anade(limite, true);

    if (eje.valorSeccion && *eje.valorSeccion >= xMin && *eje.valorSeccion <= xMax) {
        auto* marca = new QLineSeries(m_chart);
        marca->setName(QStringLiteral("Valor de la sección"));
        marca->append({QPointF(*eje.valorSeccion, 0), QPointF(*eje.valorSeccion, yMax)});
        QPen gris(QColor(0x55, 0x55, 0x55));
        gris.setWidthF(1.5);
        gris.setStyle(Qt::DashLine);
        marca->setPen(gris);
        anade(marca, true);
    }

    // Set every entry, not only the hidden ones: entries of series added after others were
    // removed come up hidden otherwise.
    for (const auto& [serie, enLeyenda] : leyenda)
        for (QLegendMarker* marca : m_chart->legend()->markers(serie)) {
            marca->setVisible(enLeyenda);
            if (serie->type() == QAbstractSeries::SeriesTypeArea) {
                marca->setBrush(kMuestraZonaValida);
                marca->setPen(QPen(kMuestraZonaValida.darker(130)));
            }
        }

    m_ejeX->setTitleText(eje.titulo);
    m_ejeX->setRange(xMin, xMax);
    m_ejeX->setTickAnchor(0);
    m_ejeX->setTickInterval(pasoRedondo(xMax - xMin, 10));
    m_ejeY->setRange(0, yMax);
    m_ejeY->setTickAnchor(0);
    m_ejeY->setTickInterval(0.5);
}

QImage GraficoEstudio::imagenConTitulo(const QString& titulo) {
    QFont letra = m_chart->titleFont();
    letra.setBold(true);
    m_chart->setTitleFont(letra);
    m_chart->setTitle(titulo);
    QCoreApplication::processEvents(); // the chart lays its title out on an event
    const QImage imagen = grab().toImage();
    m_chart->setTitle(QString());
    return imagen;
}

} // namespace tubrix::gui
