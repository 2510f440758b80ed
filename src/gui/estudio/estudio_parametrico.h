#pragma once

#include "chain/estudio.h"
#include "estudio/exportacion.h"
#include "estudio/grafico_estudio.h"
#include "estudio/modelo_puntos.h"
#include "ui/contexto.h"

#include <optional>
#include <utility>
#include <vector>

#include <QDialog>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace tubrix::gui {

// "Estudio paramétrico": one input of the section swept over a range, every point calculated as
// the wizard would, and the utilisation of each verification row drawn against the value. Works
// on a copy of the record taken when the window opens; the record is never changed.
class EstudioParametrico final : public QDialog {
    Q_OBJECT
public:
    explicit EstudioParametrico(Contexto& contexto, QWidget* parent = nullptr);

    void ponPideFicheroCsv(PideFicheroExportacion pide) { m_pideCsv = std::move(pide); }
    void ponPideFicheroPng(PideFicheroExportacion pide) { m_pidePng = std::move(pide); }

    // The caption of a parameter for this section ("Altura de recubrimiento H1 (m)" in an
    // embanked trench).
    QString caption(Parametro parametro) const;
    // The value the section has, when the input is in use.
    std::optional<double> valorDeLaSeccion(Parametro parametro) const;

    // The sweep shown (empty before "Calcular" and after the parameter changes).
    const std::vector<PuntoEstudio>& puntos() const;
    std::optional<Parametro> parametroCalculado() const { return m_calculado; }

    QComboBox* parametro() const { return m_parametro; }
    QLineEdit* desde() const { return m_desde; }
    QLineEdit* hasta() const { return m_hasta; }
    QSpinBox* pasos() const { return m_pasos; }
    QPushButton* calcular() const { return m_calcular; }
    QChartView* grafico() const { return m_grafico; }
    QTableView* tabla() const { return m_tabla; }
    QLabel* estado() const { return m_estado; }
    QLabel* limites() const { return m_limites; }
    QPushButton* exportarCsv() const { return m_exportarCsv; }
    QPushButton* exportarPng() const { return m_exportarPng; }

private:
    void construye();
    Parametro elegido() const;
    void ponValoresPorDefecto();
    void borraResultados();
    void calcula();
    void muestraLimites();
    void exportaCsv();
    void exportaPng();
    QString tituloDelGrafico() const;

    Contexto& m_contexto;
    const Proyecto m_seccion; // the section as the window found it
    PideFicheroExportacion m_pideCsv;
    PideFicheroExportacion m_pidePng;
    std::optional<Parametro> m_calculado;
    std::optional<LimitesProfundidad> m_limitesProfundidad; // computed once, when first shown

    QComboBox* m_parametro = nullptr;
    QLineEdit* m_desde = nullptr;
    QLineEdit* m_hasta = nullptr;
    QSpinBox* m_pasos = nullptr;
    QLabel* m_valorActual = nullptr;
    QPushButton* m_calcular = nullptr;
    GraficoEstudio* m_grafico = nullptr;
    ModeloPuntos* m_modelo = nullptr;
    QTableView* m_tabla = nullptr;
    QLabel* m_estado = nullptr;
    QLabel* m_limites = nullptr;
    QPushButton* m_exportarCsv = nullptr;
    QPushButton* m_exportarPng = nullptr;
};

} // namespace tubrix::gui
