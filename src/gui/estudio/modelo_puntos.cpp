#include "estudio/modelo_puntos.h"

#include "chain/tablas_estudio.h"
#include "ui/rejilla.h"

#include <cmath>

namespace tubrix::gui {

Veredicto veredictoDe(const PuntoEstudio& p) {
    return p.rechazo ? Veredicto::Rechazado : (p.valido ? Veredicto::Valido : Veredicto::NoValido);
}

ModeloPuntos::ModeloPuntos(Separadores separadores, QObject* parent)
    : ModeloResultados(std::move(separadores), parent) {}

void ModeloPuntos::pon(QString cabeceraValor, std::vector<PuntoEstudio> puntos,
                       std::vector<FilaVerificacion> filas) {
    beginResetModel();
    // Value, verdict, one column per counting row, the two deflections and the refusal.
    std::vector<Columna> columnas{{std::move(cabeceraValor)}, {QStringLiteral("Resultado"), false}};
    for (const FilaVerificacion fila : filas)
        columnas.push_back({qs(nombreFila(fila))});
    columnas.push_back({QStringLiteral("Deformación\nCP (%)")});
    columnas.push_back({QStringLiteral("Deformación\nLP (%)")});
    columnas.push_back({QStringLiteral("Motivo del rechazo"), false});
    ponColumnas(std::move(columnas));
    m_puntos = std::move(puntos);
    m_filas = std::move(filas);
    endResetModel();
}

QString ModeloPuntos::texto(int fila, int columna) const {
    const PuntoEstudio& p = m_puntos.at(static_cast<std::size_t>(fila));
    const int filas = static_cast<int>(m_filas.size());
    if (columna == 0)
        return numero(p.valor, "#,##0.0##");
    if (columna == 1)
        return qs(textoVeredicto(veredictoDe(p)));
    if (columna < 2 + filas) {
        const std::optional<double>& uso =
            p.utilizacion[m_filas.at(static_cast<std::size_t>(columna - 2))];
        if (p.rechazo || !uso)
            return {};
        return std::isinf(*uso) ? QStringLiteral("∞") : numero(*uso, "#,##0.00");
    }
    if (columna == 2 + filas)
        return p.rechazo ? QString() : numero(p.deformacionCorto, "#,##0.00");
    if (columna == 3 + filas)
        return p.rechazo ? QString() : numero(p.deformacionLargo, "#,##0.00");
    return p.rechazo ? qs(p.rechazo->mensaje).simplified() : QString();
}

std::optional<Veredicto> ModeloPuntos::veredicto(int fila, int /*columna*/) const {
    return veredictoDe(m_puntos.at(static_cast<std::size_t>(fila)));
}

QString ModeloPuntos::consejo(int fila, int columna) const {
    const PuntoEstudio& p = m_puntos.at(static_cast<std::size_t>(fila));
    if (columna != columnCount() - 1 || !p.rechazo)
        return {};
    return textoDeParada(*p.rechazo);
}

} // namespace tubrix::gui
