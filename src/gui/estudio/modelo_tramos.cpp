#include "estudio/modelo_tramos.h"

#include "estudio/tabla_resultados.h"
#include "obra/edita_obra.h"
#include "obra/tabla_obra.h"
#include "ui/rejilla.h"

#include <algorithm>

#include <QColor>

namespace tubrix::gui {
namespace {

// The result columns: every column of the summary table but the name.
constexpr int kPrimeraResultado = static_cast<int>(ColumnaObra::Recubrimiento);
constexpr int kColumnasResultado = static_cast<int>(ColumnaObra::Numero) - kPrimeraResultado;

bool esNumerica(int columnaResultado) {
    const auto c = static_cast<ColumnaObra>(columnaResultado + kPrimeraResultado);
    return c != ColumnaObra::Veredicto && c != ColumnaObra::Determinante &&
           c != ColumnaObra::TuboNecesario && c != ColumnaObra::Observaciones;
}

} // namespace

ModeloTramos::ModeloTramos(Obra& obra, Separadores separadores, QObject* parent)
    : QAbstractTableModel(parent), m_obra(obra), m_separadores(std::move(separadores)),
      m_cabeceraResultados(Tabla_Obra({}, m_separadores).cabecera) {
    ajustaResultados();
}

int ModeloTramos::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_obra.tramos.size());
}

int ModeloTramos::columnasEntrada() const {
    return static_cast<int>(Columnas_Tabla(m_obra));
}

int ModeloTramos::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnasEntrada() + kColumnasResultado;
}

QVariant ModeloTramos::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto fila = static_cast<std::size_t>(index.row());
    const int columna = index.column();
    if (esEntrada(columna)) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return qs(Texto_Celda(m_obra, fila, static_cast<std::size_t>(columna), decimal()));
        case Qt::TextAlignmentRole:
            return QVariant((columna == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        default:
            return {};
        }
    }
    const int r = columna - columnasEntrada();
    const std::optional<ResultadoTramo>& resultado = m_resultados.at(fila);
    switch (role) {
    case Qt::DisplayRole:
        return resultado ? qs(m_textos.at(fila).at(static_cast<std::size_t>(r + kPrimeraResultado)))
                         : QString();
    case Qt::TextAlignmentRole:
        return QVariant((esNumerica(r) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return resultado ? QVariant(fondoDeVeredicto(resultado->veredicto)) : QVariant();
    case Qt::ForegroundRole:
        return resultado ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::ToolTipRole:
        if (resultado && resultado->gobierna().rechazo)
            return textoDeParada(*resultado->gobierna().rechazo);
        return {};
    default:
        return {};
    }
}

bool ModeloTramos::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !esEntrada(index.column()))
        return false;
    const auto fila = static_cast<std::size_t>(index.row());
    const std::string texto = value.toString().toStdString();
    if (auto problema =
            Pon_Celda(m_obra, fila, static_cast<std::size_t>(index.column()), texto, decimal())) {
        m_rechazo = "Tramo \"" + m_obra.tramos.at(fila).nombre + "\", " + *problema + ".";
        return false;
    }
    m_rechazo.clear();
    tramoCambiado(fila);
    Q_EMIT obraEditada();
    return true;
}

Qt::ItemFlags ModeloTramos::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (esEntrada(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloTramos::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return qs(kColumnaTramo);
    if (esEntrada(section))
        return qs(m_obra.columnas.at(static_cast<std::size_t>(section - 1)));
    return qs(m_cabeceraResultados.at(
        static_cast<std::size_t>(section - columnasEntrada() + kPrimeraResultado)));
}

void ModeloTramos::ajustaResultados() {
    m_resultados.assign(m_obra.tramos.size(), std::nullopt);
    m_textos.assign(m_obra.tramos.size(), {});
}

void ModeloTramos::terminaCambio(std::optional<std::size_t> tramo) {
    if (tramo && *tramo < m_resultados.size() && m_resultados.size() == m_obra.tramos.size()) {
        m_resultados[*tramo].reset();
        m_textos[*tramo].clear();
    } else {
        ajustaResultados();
    }
    endResetModel();
    Q_EMIT obraEditada();
}

void ModeloTramos::tramoCambiado(std::size_t tramo) {
    if (m_obra.tramos.size() != m_resultados.size()) {
        // Rows were added by a paste: the table is laid out again.
        beginResetModel();
        m_resultados.resize(m_obra.tramos.size());
        m_textos.resize(m_obra.tramos.size());
        endResetModel();
    }
    if (tramo >= m_resultados.size())
        return;
    m_resultados[tramo].reset();
    m_textos[tramo].clear();
    Q_EMIT dataChanged(index(static_cast<int>(tramo), 0),
                       index(static_cast<int>(tramo), columnCount() - 1));
}

void ModeloTramos::ponResultados(const ResultadoObra& resultado) {
    beginResetModel();
    ajustaResultados();
    const TablaObra tabla = Tabla_Obra(resultado.tramos, m_separadores);
    for (std::size_t i = 0; i < resultado.tramos.size(); ++i) {
        const std::size_t tramo = resultado.tramos[i].indice;
        if (tramo >= m_resultados.size())
            continue;
        m_resultados[tramo] = resultado.tramos[i];
        m_textos[tramo] = tabla.filas.at(i);
    }
    endResetModel();
}

std::size_t ModeloTramos::calculados() const {
    return static_cast<std::size_t>(std::count_if(m_resultados.begin(), m_resultados.end(),
                                                  [](const auto& r) { return r.has_value(); }));
}

ResultadoObra ModeloTramos::resultadosCalculados() const {
    ResultadoObra r;
    for (const auto& t : m_resultados)
        if (t)
            r.tramos.push_back(*t);
    r.completo = r.tramos.size() == m_resultados.size();
    r.resumen = Resume_Obra(r.tramos);
    return r;
}

} // namespace tubrix::gui
