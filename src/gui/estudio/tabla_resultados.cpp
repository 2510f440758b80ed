#include "estudio/tabla_resultados.h"

#include "ui/rejilla.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

namespace tubrix::gui {

QColor fondoDeVeredicto(Veredicto veredicto) {
    switch (veredicto) {
    case Veredicto::Valido:
        return {0xdf, 0xf0, 0xd8};
    case Veredicto::NoValido:
        return {0xf6, 0xdc, 0xdc};
    case Veredicto::Rechazado:
        return {0xe8, 0xe8, 0xe8};
    }
    return {};
}

QString textoDeParada(const Parada& parada) {
    return QStringLiteral("Paso %1 (%2): %3")
        .arg(parada.paso)
        .arg(qs(nombrePantalla(parada.pantalla)), qs(parada.mensaje));
}

QString plural(std::size_t n, const char* singular, const char* varios) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : varios));
}

ModeloResultados::ModeloResultados(Separadores separadores, QObject* parent)
    : QAbstractTableModel(parent), m_separadores(std::move(separadores)) {}

QString ModeloResultados::numero(double valor, const char* patron) const {
    return qs(formatea(valor, patron, m_separadores));
}

int ModeloResultados::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : filas();
}

int ModeloResultados::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columnas.size());
}

QVariant ModeloResultados::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int fila = index.row();
    const int columna = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return texto(fila, columna);
    case kRolOrden:
        return orden(fila, columna);
    case Qt::ToolTipRole: {
        const QString aviso = consejo(fila, columna);
        return aviso.isEmpty() ? QVariant() : QVariant(aviso);
    }
    case Qt::TextAlignmentRole:
        return QVariant((m_columnas.at(static_cast<std::size_t>(columna)).numero ? Qt::AlignRight
                                                                                 : Qt::AlignLeft) |
                        Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (const std::optional<Veredicto> v = veredicto(fila, columna))
            return fondoDeVeredicto(*v);
        return {};
    case Qt::ForegroundRole:
        return QColor(Qt::black); // dark text on the light backgrounds, whatever the theme
    case Qt::FontRole:
        if (destacada(fila)) {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
        return {};
    default:
        return {};
    }
}

QVariant ModeloResultados::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_columnas.at(static_cast<std::size_t>(section)).cabecera;
}

QTableView* tablaDeResultados(QWidget* padre, QAbstractItemModel* modelo) {
    auto* tabla = new QTableView(padre);
    tabla->setObjectName(QStringLiteral("Tabla"));
    tabla->setModel(modelo);
    tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla->setWordWrap(false);
    tabla->setTextElideMode(Qt::ElideRight);
    tabla->verticalHeader()->hide();
    tabla->verticalHeader()->setDefaultSectionSize(tabla->fontMetrics().height() + 8);
    tabla->horizontalHeader()->setStretchLastSection(true);
    return tabla;
}

} // namespace tubrix::gui
