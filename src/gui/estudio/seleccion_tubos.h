#pragma once

#include "chain/seleccion.h"
#include "ui/contexto.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QColor>
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace tubrix::gui {

// A file to export into, preset to a suggested name (UTF-8); nothing when cancelled. Tests
// replace the file dialog with one of these.
using PideFicheroExportacion =
    std::function<std::optional<std::string>(QWidget* parent, const std::string& sugerido)>;

// The save dialog for an export: "Ficheros CSV (*.csv)" or "Imágenes PNG (*.png)", opening in
// the folder used last; the extension is added when the name has none.
std::optional<std::string> pideFicheroExportacion(QWidget* parent, const QString& titulo,
                                                  const QString& filtro, const QString& extension,
                                                  const std::string& sugerido);

// Quiet row backgrounds by verdict, shared by the selection and the parametric study.
QColor fondoDeVeredicto(Veredicto veredicto);

// The pipes tried in the section, one row each.
class ModeloTubos final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Columna : int {
        Veredicto,
        Grupo,
        Clase,
        DN,
        DiametroExterior,
        Espesor,
        Rigidez,
        FilaDeterminante,
        Utilizacion,
        DeformacionCorto,
        DeformacionLargo,
        Rechazo,
    };
    static constexpr int kColumnas = static_cast<int>(Columna::Rechazo) + 1;
    // The value a column sorts by: numbers as numbers, the verdict in the engine's order.
    static constexpr int kRolOrden = Qt::UserRole;

    ModeloTubos(Separadores separadores, std::int16_t tuboDeLaSeccion, QObject* parent = nullptr);

    void pon(std::vector<TuboCandidato> candidatos);
    const std::vector<TuboCandidato>& candidatos() const { return m_candidatos; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVariant texto(const TuboCandidato& c, Columna columna) const;
    static QVariant orden(const TuboCandidato& c, Columna columna);

    Separadores m_separadores;
    std::int16_t m_tuboDeLaSeccion;
    std::vector<TuboCandidato> m_candidatos;
};

// "Tubos válidos": every listed catalogue pipe tried in the section as entered, with its verdict,
// the row that governs it and how much of that row it uses. The selection works on a copy of the
// record taken when the dialog opens; only "Usar este tubo" writes into the record, and only the
// three codes of the pipe.
class SeleccionTubos final : public QDialog {
    Q_OBJECT
public:
    explicit SeleccionTubos(Contexto& contexto, QWidget* parent = nullptr);

    // The pipe put into the record with "Usar este tubo" (the dialog was then accepted).
    const std::optional<TuboCandidato>& elegido() const { return m_elegido; }

    // The rows as the table shows them, in its order.
    std::vector<TuboCandidato> filasMostradas() const;

    void ponPideFichero(PideFicheroExportacion pide) { m_pideFichero = std::move(pide); }

    QTableView* tabla() const { return m_tabla; }
    QComboBox* filtroDn() const { return m_filtroDn; }
    QComboBox* filtroGrupo() const { return m_filtroGrupo; }
    QPushButton* usar() const { return m_usar; }
    QPushButton* exportar() const { return m_exportar; }
    QLabel* estado() const { return m_estado; }

private:
    void construye();
    void llenaFiltros();
    void selecciona(const FiltroSeleccion& filtro);
    void filtra();
    void actualizaUsar();
    std::optional<TuboCandidato> candidatoElegido() const;
    void usa();
    void exporta();

    Contexto& m_contexto;
    const Proyecto m_seccion; // the section as the dialog found it
    PideFicheroExportacion m_pideFichero;
    std::optional<TuboCandidato> m_elegido;

    ModeloTubos* m_modelo = nullptr;
    QSortFilterProxyModel* m_orden = nullptr;
    QTableView* m_tabla = nullptr;
    QComboBox* m_filtroDn = nullptr;
    QComboBox* m_filtroGrupo = nullptr;
    QLabel* m_estado = nullptr;
    QPushButton* m_usar = nullptr;
    QPushButton* m_exportar = nullptr;
};

} // namespace tubrix::gui
