#include "estudio/modelo_tubos.h"

#include "chain/tablas_estudio.h"
#include "ui/rejilla.h"

#include <cmath>

namespace tubrix::gui {

ModeloTubos::ModeloTubos(Separadores separadores, std::int16_t tuboDeLaSeccion, QObject* parent)
    : ModeloResultados(std::move(separadores), parent), m_tuboDeLaSeccion(tuboDeLaSeccion) {
    // Two-line headings keep the number columns narrow, so that a row fits on the screen.
    ponColumnas({{QStringLiteral("Resultado"), false},
                 {QStringLiteral("Grupo"), false},
                 {QStringLiteral("Clase"), false},
                 {QStringLiteral("DN")},
                 {QStringLiteral("Ø exterior\n(mm)")},
                 {QStringLiteral("Espesor\n(mm)")},
                 {QStringLiteral("SN\n(kN/m2)")},
                 {QStringLiteral("Fila\ndeterminante"), false},
                 {QStringLiteral("Utilización")},
                 {QStringLiteral("Deformación\nCP (%)")},
                 {QStringLiteral("Deformación\nLP (%)")},
                 {QStringLiteral("Motivo del rechazo"), false}});
}

void ModeloTubos::pon(std::vector<TuboCandidato> candidatos) {
    beginResetModel();
    m_candidatos = std::move(candidatos);
    endResetModel();
}

const TuboCandidato& ModeloTubos::candidato(int fila) const {
    return m_candidatos.at(static_cast<std::size_t>(fila));
}

QString ModeloTubos::texto(int fila, int columna) const {
    const TuboCandidato& c = candidato(fila);
    const bool calculado = !c.rechazo;
    switch (static_cast<Columna>(columna)) {
    case Columna::Veredicto:
        return qs(textoVeredicto(c.veredicto));
    case Columna::Grupo:
        return qs(c.nombreGrupo);
    case Columna::Clase:
        return qs(c.clase);
    case Columna::DN:
        return QString::number(c.diametroNominal);
    case Columna::DiametroExterior:
        return numero(c.diametroExterior, "#,##0.0#");
    case Columna::Espesor:
        return numero(c.espesor, "#,##0.0#");
    case Columna::Rigidez:
        return calculado ? numero(c.rigidezAnillo, "#,##0.0") : QString();
    case Columna::FilaDeterminante:
        return c.filaDeterminante ? qs(nombreFila(*c.filaDeterminante)) : QString();
    case Columna::Utilizacion:
        if (!calculado)
            return QString();
        return std::isinf(c.utilizacion) ? QStringLiteral("∞") : numero(c.utilizacion, "#,##0.00");
    case Columna::DeformacionCorto:
        return calculado ? numero(c.deformacionCorto, "#,##0.00") : QString();
    case Columna::DeformacionLargo:
        return calculado ? numero(c.deformacionLargo, "#,##0.00") : QString();
    case Columna::Rechazo:
        // A refusal on one line, as a table cell shows it.
        return c.rechazo ? qs(c.rechazo->mensaje).simplified() : QString();
    }
    return {};
}

QVariant ModeloTubos::orden(int fila, int columna) const {
    const TuboCandidato& c = candidato(fila);
    const bool calculado = !c.rechazo;
    switch (static_cast<Columna>(columna)) {
    case Columna::Veredicto:
        return static_cast<int>(c.veredicto);
    case Columna::DN:
        return static_cast<int>(c.diametroNominal);
    case Columna::DiametroExterior:
        return c.diametroExterior;
    case Columna::Espesor:
        return c.espesor;
    case Columna::Rigidez:
        return calculado ? QVariant(c.rigidezAnillo) : QVariant();
    case Columna::FilaDeterminante:
        return c.filaDeterminante ? qs(nombreFila(*c.filaDeterminante)) : QVariant();
    case Columna::Utilizacion:
        return calculado ? QVariant(c.utilizacion) : QVariant();
    case Columna::DeformacionCorto:
        return calculado ? QVariant(c.deformacionCorto) : QVariant();
    case Columna::DeformacionLargo:
        return calculado ? QVariant(c.deformacionLargo) : QVariant();
    case Columna::Rechazo:
        return c.rechazo ? qs(c.rechazo->mensaje) : QVariant();
    default:
        return texto(fila, columna);
    }
}

std::optional<Veredicto> ModeloTubos::veredicto(int fila, int /*columna*/) const {
    return candidato(fila).veredicto;
}

QString ModeloTubos::consejo(int fila, int columna) const {
    const TuboCandidato& c = candidato(fila);
    // Over any cell of a refused pipe, where and why the pass stopped.
    if (c.rechazo)
        return textoDeParada(*c.rechazo);
    const auto col = static_cast<Columna>(columna);
    if (col == Columna::Clase || col == Columna::Grupo)
        return texto(fila, columna);
    return {};
}

bool ModeloTubos::destacada(int fila) const {
    return candidato(fila).codigo == m_tuboDeLaSeccion;
}

} // namespace tubrix::gui
