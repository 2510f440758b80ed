#pragma once

#include "estudio/exportacion.h"
#include "obra/obra.h"
#include "ui/contexto.h"
#include "ui/mensajes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace tubrix::gui {

class CalculoEnFondo;
class ModeloTramos;

// "Obra: varios tramos": one base section and the table of its reaches, each giving only the
// inputs in which it differs from the base; every reach calculated by the whole forward pass
// (on other threads: the window keeps answering), with its verdict, the row that governs and
// the pipe a failing reach needs. The program's record is never changed here: a reach opens
// in the wizard on a copy, and only "Guardar en la obra" writes its changes back into the
// reach.
class VentanaObra final : public QDialog {
    Q_OBJECT
public:
    VentanaObra(Contexto& contexto, const Proyecto& base, QWidget* parent = nullptr);
    ~VentanaObra() override;

    const Obra& obra() const { return m_obra; }
    ModeloTramos* modelo() const { return m_modelo; }
    bool calculando() const { return m_calculo != nullptr; }

    // For tests: what replaces the dialogs and the wizard.
    struct Dialogos {
        std::function<std::optional<std::string>(QWidget*)> abreObra;   // .tbo to open
        std::function<std::optional<std::string>(QWidget*)> guardaObra; // .tbo to save into
        std::function<std::optional<std::string>(QWidget*)> importaCsv; // CSV of reaches
        PideFicheroExportacion exportaCsv;
        PideFicheroExportacion exportaPdf;
        // Runs the wizard on the section of a reach (a copy); the section keeps its changes.
        std::function<void(Proyecto&)> asistente;
        // A question with two answers; true for the first ("Guardar en la obra").
        std::function<bool(const std::string& pregunta, const std::string& si,
                           const std::string& no)>
            pregunta;
        // "Sí" / "No" / "Cancelar" (Escape cancels).
        std::function<Respuesta(const std::string& pregunta)> siNoCancelar;
        // A message ("Aviso").
        std::function<void(const std::string& texto)> aviso;
    };
    Dialogos& dialogos() { return m_dialogos; }

    // The actions of the buttons (tests call them as the buttons do).
    void anadeTramo();
    void duplicaTramos();
    void quitaTramos();
    void anadeColumna(const std::string& nombre);
    bool pega(const QString& texto); // at the current cell
    void calcula();
    void cancela();
    void abreTramo(int fila);
    void usaTuboNecesario();
    void abre();
    bool guarda();
    void importa();
    void exportaCsv();
    void exportaPdf();

    QTableView* tabla() const { return m_tabla; }
    QProgressBar* barra() const { return m_barra; }
    QLabel* resumen() const { return m_resumen; }
    QPushButton* calcular() const { return m_calcular; }
    QPushButton* usarTubo() const { return m_usarTubo; }
    QCheckBox* conInformes() const { return m_informes; }

protected:
    void reject() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void construye();
    void ponDialogosDelSistema();
    // Puts a changed works on screen; `tramo` when only that reach changed (the others keep
    // their results).
    void cambiaObra(Obra obra, std::optional<std::size_t> tramo = std::nullopt);
    void marcaModificada();
    // The summary line and the buttons; only the buttons when the current cell moves (the
    // summary goes over every result).
    void actualizaEstado();
    void actualizaUsarTubo();
    void sigueCalculo();
    void terminaCalculo();
    std::vector<std::size_t> filasElegidas() const;
    void ponTitulo();
    // Before unsaved reaches would be lost: true when the caller may go on.
    bool confirmaCambios();
    // Every reach has its result; else says so (exports need the whole works).
    bool todoCalculado();

    Contexto& m_contexto;
    Obra m_obra;
    std::string m_fichero; // the .tbo it was opened from or saved into
    bool m_modificada = false;
    Dialogos m_dialogos;

    ModeloTramos* m_modelo = nullptr;
    QTableView* m_tabla = nullptr;
    QLabel* m_base = nullptr;
    QComboBox* m_columnaNueva = nullptr;
    QPushButton* m_calcular = nullptr;
    QPushButton* m_cancelar = nullptr;
    QProgressBar* m_barra = nullptr;
    QLabel* m_resumen = nullptr;
    QPushButton* m_usarTubo = nullptr;
    QCheckBox* m_informes = nullptr;
    std::vector<QWidget*> m_edicion; // disabled while calculating

    std::unique_ptr<CalculoEnFondo> m_calculo;
    QTimer* m_reloj = nullptr;
    qint64 m_inicio = 0; // ms since epoch when the calculation started
};

} // namespace tubrix::gui
