#pragma once

#include "format/formato.h"
#include "obra/calcula_obra.h"
#include "obra/obra.h"

#include <optional>
#include <string>
#include <vector>

#include <QAbstractTableModel>

namespace tubrix::gui {

// The reach table of the works window: the reach's name and its input cells (editable), then
// the results of its last calculation (read only, coloured by verdict). Editing a reach clears
// its results; the texts of the results are the core's (Tabla_Obra), as the PDF and the
// command line print them.
class ModeloTramos final : public QAbstractTableModel {
    Q_OBJECT
public:
    ModeloTramos(Obra& obra, Separadores separadores, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The user's decimal separator, as the cells are typed and pasted.
    char decimal() const { return m_separadores.decimal == "." ? '.' : ','; }

    // Columns 0 .. columnasEntrada()-1 are the name and the inputs.
    int columnasEntrada() const;
    bool esEntrada(int columna) const { return columna < columnasEntrada(); }

    // Call around any change of the works made outside setData. It clears every result, or
    // only those of `tramo` when the change touched that reach alone.
    void empiezaCambio() { beginResetModel(); }
    void terminaCambio(std::optional<std::size_t> tramo = std::nullopt);

    // The works changed in some reaches only (their results are cleared).
    void tramoCambiado(std::size_t tramo);

    // Results of a calculation of the whole works (or of the reaches it finished).
    void ponResultados(const ResultadoObra& resultado);
    const std::optional<ResultadoTramo>& resultado(std::size_t tramo) const {
        return m_resultados.at(tramo);
    }
    // How many reaches have a result.
    std::size_t calculados() const;
    bool hayResultados() const { return calculados() > 0; }
    // The calculated reaches, in order, for the summary, the CSV and the PDF.
    ResultadoObra resultadosCalculados() const;

    // The last complaint of a refused edit (setData returned false), to show to the user.
    const std::string& ultimoRechazo() const { return m_rechazo; }

Q_SIGNALS:
    void obraEditada();

private:
    void ajustaResultados();

    Obra& m_obra;
    const Separadores m_separadores;
    std::vector<std::optional<ResultadoTramo>> m_resultados; // one per reach
    std::vector<std::vector<std::string>> m_textos;          // Tabla_Obra row of each result
    std::vector<std::string> m_cabeceraResultados;
    std::string m_rechazo;
};

} // namespace tubrix::gui
