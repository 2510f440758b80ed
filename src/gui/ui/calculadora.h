#pragma once

#include "model/proyecto.h"

#include <functional>

#include <QObject>
#include <QStringList>

class QProcess;
class QWidget;

namespace tubrix::gui {

// The system calculator, started on request. Pressing the button while the calculator that
// Tubrix started still runs does not start a second one; once it has been closed, a new one
// starts. When none is installed the user is told so.
class Calculadora final : public QObject {
    Q_OBJECT
public:
    // Program and arguments of a calculator, or nothing when none is installed.
    struct Orden {
        QString programa;
        QStringList argumentos;
    };
    using Buscador = std::function<std::optional<Orden>()>;

    explicit Calculadora(Proyecto& proyecto, QObject* parent = nullptr);
    ~Calculadora() override;

    // For tests: where the calculator is looked for.
    void ponBuscador(Buscador buscador) { m_buscador = std::move(buscador); }

    // Lanza_Calculadora: starts the calculator unless the one started before still runs.
    void lanza(QWidget* parent);

    bool enMarcha() const;

    // Closes the calculator Tubrix started, if it still runs (when the program ends).
    void cierra();

    // The first calculator installed on this system.
    static std::optional<Orden> calculadoraDelSistema();

private:
    Proyecto& m_proyecto;
    QProcess* m_proceso = nullptr;
    Buscador m_buscador;
};

} // namespace tubrix::gui
