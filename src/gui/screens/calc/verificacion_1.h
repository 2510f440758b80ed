#pragma once

#include "calc/verificacion.h"
#include "input/rechazo.h"
#include "ui/pantalla_base.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tubrix::gui {

// "Verificación de esfuerzos, tensiones y deformaciones": every result against the value the
// standard and the safety class require, row by row, with the verdict of each row and of the
// whole section. The last step of the wizard: from here the project is saved (which ends the
// wizard) or the user goes back to change an input.
class Verificacion_1 final : public PantallaBase {
    Q_OBJECT
public:
    Verificacion_1(Contexto& contexto, QWidget* parent = nullptr);

    struct CeldasFila {
        QLabel* requerido = nullptr;
        QLabel* corto = nullptr;
        QLabel* largo = nullptr;
        QLabel* veredicto = nullptr;
    };
    const CeldasFila& fila(FilaVerificacion f) const { return m_filas.at(indice(f)); }
    QLabel* conclusion() const { return m_conclusion; }
    QPushButton* guardar() const { return m_guardar; }
    QPushButton* buscarTubos() const { return m_buscarTubos; }
    QPushButton* estudioParametrico() const { return m_estudio; }
    QPushButton* obraConEstaSeccion() const { return m_obra; }
    QPushButton* tablasRecubrimiento() const { return m_tablas; }

protected:
    void siguiente() override;

private:
    static std::size_t indice(FilaVerificacion f) { return static_cast<std::size_t>(f); }

    void construye();
    void muestra(const VistaVerificacion& vista);
    void guarda();
    void buscaTubos();
    void abreEstudio();
    void abreObra();

    std::array<CeldasFila, kFilasVerificacion.size()> m_filas{};
    // The "Largo Plazo" heading of each section, hidden when no row of it shows that term.
    std::array<QLabel*, 3> m_cabecerasLargo{};
    QLabel* m_conclusion = nullptr;
    QPushButton* m_guardar = nullptr;
    // The pipe selection and the parametric study of the section.
    QPushButton* m_buscarTubos = nullptr;
    QPushButton* m_estudio = nullptr;
    QPushButton* m_obra = nullptr; // a works of many reaches on this section
    QPushButton* m_tablas = nullptr;
    std::vector<QPushButton*> m_informe; // print, page images, PDF
    // The refusal of a section that could not be calculated, told again if a report is asked.
    std::optional<std::string> m_rechazo;
};

} // namespace tubrix::gui
