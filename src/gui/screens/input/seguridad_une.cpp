#include "screens/input/seguridad_une.h"

#include "ui/barra_botones.h"
#include "ui/rejilla.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

QLabel* valorCoeficiente(QWidget* parent, const QString& nombre) {
    auto* valor = new QLabel(parent);
    valor->setObjectName(nombre);
    valor->setFrameShape(QFrame::StyledPanel);
    valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valor->setMinimumWidth(80);
    return valor;
}

} // namespace

Seguridad_UNE::Seguridad_UNE(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Seguridad_UNE, QStringLiteral("Clase de seguridad"), parent),
      m_vista(Abre_Seguridad_UNE(contexto.proyecto, contexto.separadores)) {
    construye();
    muestra();
    for (std::size_t i = 0; i < m_opciones.size(); ++i) {
        const auto opcion = static_cast<OpcionSeguridad>(i);
        connect(m_opciones[i], &QRadioButton::toggled, this, [this, opcion](bool marcada) {
            if (marcada)
                elige(opcion);
        });
    }
}

void Seguridad_UNE::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    auto* clase =
        new QGroupBox(QStringLiteral("Clase de seguridad requerida en la obra o proyecto"), this);
    auto* rejillaClase = new QGridLayout(clase);
    rejillaClase->setHorizontalSpacing(16);
    rejillaClase->setColumnStretch(1, 1);
    clase->setMinimumWidth(560); // the descriptions read in two lines, not five
    auto* grupo = new QButtonGroup(this);
    const std::array<QString, 2> nombres{QStringLiteral("General"), QStringLiteral("Excepcional")};
    const std::array<QString, 2> descripciones{
        QStringLiteral("Para todos los casos, excepto los recogidos en la clase excepcional"),
        QStringLiteral("Para los casos de instalación difícil de controlar, o en los casos de "
                       "cargas no habituales (Por ejemplo cuces de ferrocarril, etc)")};
    for (std::size_t i = 0; i < m_opciones.size(); ++i) {
        const int fila = static_cast<int>(i);
        m_opciones[i] = new QRadioButton(nombres[i], clase);
        m_opciones[i]->setObjectName(QStringLiteral("Option1_%1").arg(fila));
        grupo->addButton(m_opciones[i], fila);
        m_descripciones[i] = new QLabel(descripciones[i], clase);
        m_descripciones[i]->setObjectName(QStringLiteral("Descripcion_%1").arg(fila));
        m_descripciones[i]->setWordWrap(true);
        rejillaClase->addWidget(m_opciones[i], fila, 0, Qt::AlignTop);
        rejillaClase->addWidget(m_descripciones[i], fila, 1);
    }
    contenido()->addWidget(clase);

    auto* coeficientes = new QGroupBox(QStringLiteral("Coeficientes de seguridad"), this);
    auto* rejilla = new QGridLayout(coeficientes);
    rejilla->setHorizontalSpacing(16);
    rejilla->setColumnStretch(0, 1);
    rejilla->addWidget(
        new QLabel(QStringLiteral("- Coeficiente de seguridad frente al aplastamiento"),
                   coeficientes),
        0, 0);
    m_aplastamiento = valorCoeficiente(coeficientes, QStringLiteral("Label2_0"));
    rejilla->addWidget(m_aplastamiento, 0, 1);
    m_rupturaTexto =
        new QLabel(QStringLiteral("- Coeficiente de seguridad frente a la ruptura"), coeficientes);
    m_rupturaTexto->setObjectName(QStringLiteral("Texto_Ruptura"));
    rejilla->addWidget(m_rupturaTexto, 1, 0);
    m_ruptura = valorCoeficiente(coeficientes, QStringLiteral("Label2_1"));
    rejilla->addWidget(m_ruptura, 1, 1);
    contenido()->addWidget(coeficientes);
    contenido()->addStretch(1);
}

void Seguridad_UNE::elige(OpcionSeguridad opcion) {
    Elige_Clase_UNE(proyecto(), m_vista, opcion);
    muestra();
}

void Seguridad_UNE::muestra() {
    // The rules may keep the general class (a pressure pipe has no exceptional one).
    const std::size_t marcada = proyecto().Clase_Seguridad == 2 ? 1 : 0;
    for (std::size_t i = 0; i < m_opciones.size(); ++i) {
        const QSignalBlocker bloqueo(m_opciones[i]);
        m_opciones[i]->setChecked(i == marcada);
    }
    m_opciones[1]->setEnabled(m_vista.excepcionalHabilitada);
    m_descripciones[1]->setEnabled(m_vista.excepcionalHabilitada);

    m_aplastamiento->setText(qs(m_vista.coefAplastamiento));
    m_ruptura->setText(qs(m_vista.coefRuptura));
    m_rupturaTexto->setVisible(m_vista.filaRupturaVisible);
    m_ruptura->setVisible(m_vista.filaRupturaVisible);
}

void Seguridad_UNE::siguiente() {
    Cierra_Seguridad(proyecto(), Boton::Siguiente);
    cierraCon(proyecto().Codigo_Navegacion);
}

void Seguridad_UNE::atras() {
    Cierra_Seguridad(proyecto(), Boton::Atras);
    cierraCon(proyecto().Codigo_Navegacion);
}

} // namespace tubrix::gui
