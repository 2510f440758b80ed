#pragma once

#include "chain/seleccion.h"
#include "format/formato.h"

#include <cstddef>
#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

class QTableView;
class QWidget;

namespace tubrix::gui {

// Quiet row backgrounds by verdict, shared by every study window.
QColor fondoDeVeredicto(Veredicto veredicto);

// Where and why a forward pass stopped, as a tooltip says it: "Paso 3 (Datos_Zanja): …".
QString textoDeParada(const Parada& parada);

// "1 tubo probado", "3 tubos probados": the counts of a study window's status line.
QString plural(std::size_t n, const char* singular, const char* varios);

// A read-only table of results, one row per item (a pipe, a point of a sweep, a reach), the
// base of every study window's model. A subclass keeps its rows, sets its columns with
// ponColumnas (inside beginResetModel/endResetModel) and answers texto and veredicto; the base
// gives the headings, the alignment, the verdict backgrounds with dark text on them, the
// tooltips and the sort role. Shown through tablaDeResultados.
class ModeloResultados : public QAbstractTableModel {
    Q_OBJECT
public:
    // The value a column sorts by: numbers as numbers (orden), the text otherwise.
    static constexpr int kRolOrden = Qt::UserRole;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    struct Columna {
        QString cabecera;   // a line break keeps a number column narrow
        bool numero = true; // right-aligned
    };

    ModeloResultados(Separadores separadores, QObject* parent);

    void ponColumnas(std::vector<Columna> columnas) { m_columnas = std::move(columnas); }
    QString numero(double valor, const char* patron) const;

    virtual int filas() const = 0;
    virtual QString texto(int fila, int columna) const = 0;
    virtual QVariant orden(int fila, int columna) const { return texto(fila, columna); }
    // The background of a cell; none leaves the view's own.
    virtual std::optional<Veredicto> veredicto(int fila, int columna) const = 0;
    virtual QString consejo(int /*fila*/, int /*columna*/) const { return {}; }
    virtual bool destacada(int /*fila*/) const { return false; } // shown in bold

    const Separadores m_separadores;

private:
    std::vector<Columna> m_columnas;
};

// The view of a result table: whole rows selected, nothing edited, one line per row, no row
// numbers, the last column stretched.
QTableView* tablaDeResultados(QWidget* padre, QAbstractItemModel* modelo);

} // namespace tubrix::gui
