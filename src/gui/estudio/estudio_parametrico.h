#pragma once

#include "chain/estudio.h"
#include "estudio/seleccion_tubos.h"
#include "ui/contexto.h"

#include <optional>
#include <utility>
#include <vector>

#include <QAbstractTableModel>
#include <QDialog>
#include <QList>
#include <QPointF>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QValueAxis;

namespace tubrix::gui {

// The line of one verification row over a sweep, cut where a point has no value (refused, or the
// row does not count there) so that the gaps show. An infinitely used row (a compressive stress)
// is drawn at `fueraDeEscala`, above the chart.
std::vector<QList<QPointF>> tramosDeFila(const std::vector<PuntoEstudio>& puntos,
                                         FilaVerificacion fila, double fueraDeEscala);

// The runs of valid points of a sweep, as (first value, last value).
std::vector<std::pair<double, double>> tramosValidos(const std::vector<PuntoEstudio>& puntos);

// The points of a sweep, one row each: the value, the verdict, the utilisation of each row that
// counts, the deflections and the refusal.
class ModeloPuntos final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloPuntos(Separadores separadores, QObject* parent = nullptr);

    void pon(QString cabeceraValor, std::vector<PuntoEstudio> puntos,
             std::vector<FilaVerificacion> filas);
    const std::vector<PuntoEstudio>& puntos() const { return m_puntos; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString texto(const PuntoEstudio& p, int columna) const;

    Separadores m_separadores;
    QString m_cabeceraValor;
    std::vector<PuntoEstudio> m_puntos;
    std::vector<FilaVerificacion> m_filas; // the rows that count somewhere in the sweep
};

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
    void dibuja(Parametro parametro, const std::vector<PuntoEstudio>& puntos,
                const std::vector<FilaVerificacion>& filas, double desde, double hasta);
    void muestraLimites();
    void exportaCsv();
    void exportaPng();

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
    QChart* m_chart = nullptr;
    QValueAxis* m_ejeX = nullptr;
    QValueAxis* m_ejeY = nullptr;
    QChartView* m_grafico = nullptr;
    ModeloPuntos* m_modelo = nullptr;
    QTableView* m_tabla = nullptr;
    QLabel* m_estado = nullptr;
    QLabel* m_limites = nullptr;
    QPushButton* m_exportarCsv = nullptr;
    QPushButton* m_exportarPng = nullptr;
};

} // namespace tubrix::gui
