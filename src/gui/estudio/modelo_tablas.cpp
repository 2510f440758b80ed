#include "estudio/modelo_tablas.h"

#include "tablas/textos_tabla.h"
#include "ui/rejilla.h"

namespace tubrix::gui {

ModeloTablas::ModeloTablas(Separadores separadores, QObject* parent)
    : ModeloResultados(std::move(separadores), parent) {}

void ModeloTablas::pon(std::optional<TablaRecubrimiento> tabla) {
    beginResetModel();
    std::vector<Columna> columnas{
        {QStringLiteral("DN")}, {QStringLiteral("Clase"), false}, {QStringLiteral("SN\n(kN/m2)")}};
    if (tabla)
        for (const CasoTabla& caso : tabla->casos)
            columnas.push_back({qs(textoTrafico(caso.trafico)) + QLatin1Char('\n') +
                                qs(textoSuelo(caso.suelo)) + QLatin1Char('\n') +
                                qs(textoFreatico(caso.freatico, m_separadores))});
    ponColumnas(std::move(columnas));
    m_tabla = std::move(tabla);
    endResetModel();
}

int ModeloTablas::filas() const {
    return m_tabla && m_tabla->completo ? static_cast<int>(m_tabla->tubos.size()) : 0;
}

const LimitesProfundidad* ModeloTablas::celda(int fila, int columna) const {
    if (columna < kColumnasTubo)
        return nullptr;
    return &m_tabla->celdas.at(static_cast<std::size_t>(fila))
                .at(static_cast<std::size_t>(columna - kColumnasTubo));
}

QString ModeloTablas::texto(int fila, int columna) const {
    const TuboSerie& tubo = m_tabla->tubos.at(static_cast<std::size_t>(fila));
    switch (columna) {
    case 0:
        return QString::number(tubo.diametroNominal);
    case 1:
        return qs(tubo.clase);
    case 2:
        return qs(textoRigidez(tubo, m_separadores));
    default:
        return qs(textoCelda(*celda(fila, columna), m_separadores));
    }
}

QVariant ModeloTablas::orden(int fila, int columna) const {
    const TuboSerie& tubo = m_tabla->tubos.at(static_cast<std::size_t>(fila));
    switch (columna) {
    case 0:
        return static_cast<int>(tubo.diametroNominal);
    case 1:
        return qs(tubo.clase);
    case 2:
        return tubo.rigidezAnillo.value_or(-1.0);
    default: {
        // By the least cover; pipes valid nowhere last.
        const LimitesProfundidad* l = celda(fila, columna);
        return l->minima ? *l->minima : 1e9;
    }
    }
}

std::optional<Veredicto> ModeloTablas::veredicto(int fila, int columna) const {
    const LimitesProfundidad* l = celda(fila, columna);
    if (!l)
        return std::nullopt;
    if (l->rechazo)
        return Veredicto::Rechazado;
    return l->minima ? Veredicto::Valido : Veredicto::NoValido;
}

QString ModeloTablas::consejo(int fila, int columna) const {
    if (columna == 1)
        return texto(fila, columna);
    const LimitesProfundidad* l = celda(fila, columna);
    return l ? qs(motivoCelda(*l)) : QString();
}

} // namespace tubrix::gui
