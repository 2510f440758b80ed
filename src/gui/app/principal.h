#pragma once

#include "app/asistente.h"
#include "ui/contexto.h"

#include <array>
#include <optional>
#include <string>

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace tubrix::gui {

// The main window: the three actions and the list of the nine phases of the calculation with
// the arrow that follows the wizard.
class Principal final : public QMainWindow {
    Q_OBJECT
public:
    explicit Principal(Contexto& contexto, QWidget* parent = nullptr);

    // Button 0: a new (or the previous) section. Button 2: open a project file first.
    void calculaSeccion();
    void recuperaCalculo(std::optional<std::string> fichero = std::nullopt);
    // Button 1: the quit sequence.
    void abandonaAplicacion();
    // The fourth action: a works of many reaches on the section of the record.
    void calculaObra();
    QPushButton* botonObra() const { return m_botonObra; }

    // "Tablas de recubrimiento", from the Herramientas menu, on the section of the record.
    void abreTablas();

    // "Acerca de Tubrix", from the Ayuda menu.
    void muestraAcercaDe();

    // Pon_Flecha: points the arrow at line 1..9 of the phase list, hides it at 0.
    void Pon_Flecha(int linea);
    int lineaFlecha() const { return m_lineaFlecha; }

    // For tests: replaces how the wizard shows screens and dialogs.
    void ponAcciones(Asistente::Acciones acciones) { m_acciones = std::move(acciones); }
    Asistente::Acciones accionesPredeterminadas();

    QPushButton* boton(int indice) const { return m_botones.at(static_cast<std::size_t>(indice)); }

    // The caption names the project file of the record, marked while it has unsaved changes.
    void actualizaTitulo();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ejecutaAsistente(Asistente::Ruta ruta, std::optional<std::string> fichero);
    bool confirmaSalida();
    void muestraAyuda();

    Contexto& m_contexto;
    std::array<QPushButton*, 3> m_botones{};
    QPushButton* m_botonObra = nullptr;
    std::array<QLabel*, 9> m_flechas{};
    int m_lineaFlecha = 0;
    std::optional<Asistente::Acciones> m_acciones;
    bool m_saliendo = false;
};

} // namespace tubrix::gui
