#pragma once

#include "chain/estudio.h"
#include "format/formato.h"

#include <optional>
#include <utility>
#include <vector>

#include <QChartView>
#include <QList>
#include <QPointF>

class QChart;
class QImage;
class QValueAxis;

namespace tubrix::gui {

// The line of one verification row over a sweep, cut where a point has no value (refused, or the
// row does not count there) so that the gaps show. An infinitely used row (a compressive stress)
// is drawn at `fueraDeEscala`, above the chart.
std::vector<QList<QPointF>> tramosDeFila(const std::vector<PuntoEstudio>& puntos,
                                         FilaVerificacion fila, double fueraDeEscala);

// The runs of valid points of a sweep, as (first value, last value).
std::vector<std::pair<double, double>> tramosValidos(const std::vector<PuntoEstudio>& puntos);

// A step of 1, 2 or 5 times a power of ten that cuts the range into about `partes`.
double pasoRedondo(double rango, int partes);

// The chart of a sweep: the utilisation of each verification row that counts against the swept
// value, the valid zones shaded, the limit 1 dashed and the section's own value marked.
//   grafico->dibuja({caption, valorSeccion}, puntos, filas, desde, hasta);
//   bytesPng(grafico->imagenConTitulo(titulo));
class GraficoEstudio final : public QChartView {
public:
    struct Eje {
        QString titulo;                     // "Altura de recubrimiento H (m)"
        std::optional<double> valorSeccion; // marked when inside the range
    };

    GraficoEstudio(const Separadores& separadores, QWidget* parent);

    void dibuja(const Eje& eje, const std::vector<PuntoEstudio>& puntos,
                const std::vector<FilaVerificacion>& filas, double desde, double hasta);

    // The chart as shown, with a title above it (rich text, for an exported picture); the chart
    // on the screen keeps no title.
    QImage imagenConTitulo(const QString& titulo);

private:
    QChart* m_chart = nullptr;
    QValueAxis* m_ejeX = nullptr;
    QValueAxis* m_ejeY = nullptr;
};

} // namespace tubrix::gui
