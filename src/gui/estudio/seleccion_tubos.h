#pragma once

#include "chain/seleccion.h"
#include "estudio/exportacion.h"
#include "estudio/modelo_tubos.h"
#include "ui/contexto.h"

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace tubrix::gui {

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
