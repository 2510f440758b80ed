#pragma once

#include "chain/pasos.h"
#include "error.h"
#include "input/rechazo.h"
#include "ui/contexto.h"

#include <optional>

#include <QDialog>

class QLabel;
class QVBoxLayout;

namespace tubrix::gui {

class BarraBotones;

// A wizard screen: a modal dialog centred on the screen, with its content above the shared
// button bar and the standard caption ("Norma UNE" / "Norma ATV") at the top right. It leaves its
// navigation code in the record when it closes: next, back or abandon. Closing the window in any
// other way keeps the code the record holds (some screens set "abandon" when they load).
class PantallaBase : public QDialog {
    Q_OBJECT
public:
    PantallaBase(Contexto& contexto, Pantalla pantalla, const QString& titulo,
                 QWidget* parent = nullptr);

    Pantalla pantalla() const { return m_pantalla; }
    BarraBotones* barra() const { return m_barra; }
    QLabel* cajaNorma() const { return m_cajaNorma; }

    // The help topic of the screen (its form name).
    QString temaAyuda() const;

    // A calculation the engine refused: its message is shown once the screen is on view (so the
    // user sees which step failed), and the screen can only go back or be abandoned.
    void rechazaCalculo(const Error& error);
    bool calculoRechazado() const { return m_calculoRechazado; }

protected:
    // Accept work of the screen; the default closes going forward.
    virtual void siguiente();
    // The default stores nothing and closes going back.
    virtual void atras();
    void abandona();

    // Leaves the navigation code and closes the screen.
    void cierraCon(std::int16_t codigo);

    // "Norma UNE" when Norma is 1, else "Norma ATV" (screens with their own rule set the text).
    void ponCajaNorma();

    QVBoxLayout* contenido() const { return m_contenido; }
    Contexto& contexto() const { return m_contexto; }
    Proyecto& proyecto() const { return m_contexto.proyecto; }

    // A message to show once the screen is on view.
    void avisaAlMostrar(Mensaje mensaje);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void muestraAvisoPendiente();
    void ponBarraAlFinal();

    Contexto& m_contexto;
    Pantalla m_pantalla;
    QVBoxLayout* m_contenido;
    BarraBotones* m_barra;
    QLabel* m_cajaNorma;
    bool m_centrada = false;
    bool m_calculoRechazado = false;
    std::optional<Mensaje> m_aviso;
};

} // namespace tubrix::gui
