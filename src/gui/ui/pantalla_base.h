#pragma once

#include "chain/pasos.h"
#include "error.h"
#include "input/rechazo.h"
#include "ui/contexto.h"

#include <optional>

#include <QDialog>

class QKeyEvent;
class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace tubrix::gui {

class BarraBotones;

// A wizard screen: a modal dialog with its content above the shared button bar and the standard
// caption ("Norma UNE" / "Norma ATV") at the top right. It leaves its navigation code in the
// record when it closes: next, back, abandon, or straight on to the verification. Closing the
// window in any other way keeps the code the record holds (some screens set "abandon" when they
// load). The content scrolls when the screen is smaller than it, so the bar is always in reach;
// every screen opens where the one before it stood.
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

    // A message for the user as soon as the screen is on view, unless the screen already
    // shows the refusal of its own calculation.
    void avisaSiNoHayRechazo(const std::string& texto);

    // Alt+→ / Ctrl+PgDn press "next", Alt+← / Ctrl+PgUp press "back" wherever the focus is,
    // before the focused control sees them (an option group would take the arrow). True when
    // the key was one of them.
    bool atiendeAtajo(const QKeyEvent& tecla);

    QScrollArea* areaContenido() const { return m_area; }

protected:
    // Accept work of the screen; the default closes going forward.
    virtual void siguiente();
    // The default stores nothing and closes going back.
    virtual void atras();
    // Asks about unsaved changes first; "Cancelar" keeps the screen open.
    void abandona();
    // "Ir a la verificación": the screen's own accept work, then the wizard calculates on.
    void irAVerificacion();

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
    void hideEvent(QHideEvent* event) override;

private:
    void muestraAvisoPendiente();
    void ordenaTabulacion();
    void ponPrimerFoco();
    void colocaEnPantalla();
    void recuerdaLugar();

    Contexto& m_contexto;
    Pantalla m_pantalla;
    QVBoxLayout* m_contenido;
    QScrollArea* m_area;
    BarraBotones* m_barra;
    QLabel* m_cajaNorma;
    bool m_centrada = false;
    bool m_calculoRechazado = false;
    bool m_irAVerificacion = false;
    std::optional<Mensaje> m_aviso;
};

} // namespace tubrix::gui
