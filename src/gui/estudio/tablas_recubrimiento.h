#pragma once

#include "estudio/exportacion.h"
#include "estudio/modelo_tablas.h"
#include "tablas/tabla_recubrimiento.h"
#include "ui/contexto.h"

#include <array>
#include <memory>
#include <optional>

#include <QDialog>
#include <QThread>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;

namespace tubrix::gui {

// "Tablas de recubrimiento": for every pipe of a catalogue series and every combination of the
// chosen soils, traffic cases and groundwater depths, the least and greatest cover at which the
// pipe is valid. Works on a copy of a base section (the section of the record, or one opened
// from a project file); the record is never changed. The calculation runs on worker threads
// with a progress bar and can be cancelled.
class TablasRecubrimiento final : public QDialog {
    Q_OBJECT
public:
    explicit TablasRecubrimiento(Contexto& contexto, QWidget* parent = nullptr);
    ~TablasRecubrimiento() override;

    void ponPideFicheroCsv(PideFicheroExportacion pide) { m_pideCsv = std::move(pide); }
    void ponPideFicheroPdf(PideFicheroExportacion pide) { m_pidePdf = std::move(pide); }

    const Proyecto& base() const { return m_base; }
    // The conditions as the boxes hold them, or the refusal of a box.
    Resultado<CondicionesTabla> condiciones() const;
    SerieTubos serie() const;

    // True while a calculation runs.
    bool calculando() const { return m_hilo != nullptr; }
    const std::optional<TablaRecubrimiento>& tabla() const { return m_modelo->tabla(); }

    QComboBox* grupo() const { return m_grupo; }
    QComboBox* subclase() const { return m_subclase; }
    QCheckBox* suelo(int grupo) const { return m_suelos.at(static_cast<std::size_t>(grupo - 1)); }
    QCheckBox* trafico(int tipo) const { return m_traficos.at(static_cast<std::size_t>(tipo)); }
    QCheckBox* sinFreatico() const { return m_sinFreatico; }
    QLineEdit* profundidades() const { return m_profundidades; }
    QRadioButton* zanjaConMargen() const { return m_zanja; }
    QLineEdit* margen() const { return m_margen; }
    QPushButton* calcular() const { return m_calcular; }
    QProgressBar* progreso() const { return m_progreso; }
    QTableView* vista() const { return m_tabla; }
    QLabel* estado() const { return m_estado; }
    QPushButton* exportarCsv() const { return m_exportarCsv; }
    QPushButton* exportarPdf() const { return m_exportarPdf; }

protected:
    void reject() override;

private:
    void construye();
    void llenaGrupos();
    void llenaSubclases();
    void abreBase();
    void muestraBase();
    void calculaOCancela();
    void termina();
    void cancelaYEspera();
    void exportaCsv();
    void exportaPdf();

    Contexto& m_contexto;
    Proyecto m_base;
    PideFicheroExportacion m_pideCsv;
    PideFicheroExportacion m_pidePdf;

    // The running calculation: its thread, its progress and the result it leaves.
    std::unique_ptr<QThread> m_hilo;
    std::unique_ptr<ProgresoTabla> m_avance;
    std::optional<Resultado<TablaRecubrimiento>> m_resultado;
    std::size_t m_total = 0;
    QTimer* m_reloj = nullptr;

    QLabel* m_nombreBase = nullptr;
    QComboBox* m_grupo = nullptr;
    QComboBox* m_subclase = nullptr;
    std::array<QCheckBox*, 4> m_suelos{};
    std::array<QCheckBox*, 6> m_traficos{};
    QCheckBox* m_sinFreatico = nullptr;
    QLineEdit* m_profundidades = nullptr;
    QRadioButton* m_comoLaBase = nullptr;
    QRadioButton* m_zanja = nullptr;
    QRadioButton* m_terraplen = nullptr;
    QLineEdit* m_margen = nullptr;
    QPushButton* m_calcular = nullptr;
    QProgressBar* m_progreso = nullptr;
    ModeloTablas* m_modelo = nullptr;
    QTableView* m_tabla = nullptr;
    QLabel* m_estado = nullptr;
    QPushButton* m_exportarCsv = nullptr;
    QPushButton* m_exportarPdf = nullptr;
};

} // namespace tubrix::gui
