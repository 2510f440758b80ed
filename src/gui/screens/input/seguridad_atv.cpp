#include "screens/input/seguridad_atv.h"

#include "ui/barra_botones.h"
#include "ui/rejilla.h"

#include <array>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

// What a failure would mean in each class: the lines under its option.
const std::array<QStringList, 2> kConsecuencias{
    QStringList{QStringLiteral("En este caso, un posible fallo implicaría:"),
                QStringLiteral("- Riesgo de contaminación de aguas subterráneas"),
                QStringLiteral("- Interrupción importante del servicio"),
                QStringLiteral("- Importantes daños económicos")},
    QStringList{QStringLiteral("En este caso, un posible fallo implicaría:"),
                QStringLiteral("- Ningún riesgo de contaminación de aguas subterráneas"),
                QStringLiteral("- Breve interrupción del servicio"),
                QStringLiteral("- Leves daños económicos")}};

} // namespace

Seguridad_ATV::Seguridad_ATV(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Seguridad_ATV, QStringLiteral("Clase de seguridad"), parent),
      m_vista(Abre_Seguridad_ATV(contexto.proyecto)) {
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

void Seguridad_ATV::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    auto* clase =
        new QGroupBox(QStringLiteral("Clase de seguridad requerida en la obra o proyecto"), this);
    auto* columnas = new QHBoxLayout(clase);
    columnas->setSpacing(24);
    clase->setMinimumWidth(640); // each consequence on one line
    auto* grupo = new QButtonGroup(this);
    const std::array<QString, 2> nombres{QStringLiteral("Clase A: Normal (Estándar)"),
                                         qs(m_vista.textoClaseB)};
    for (std::size_t i = 0; i < m_opciones.size(); ++i) {
        const int indice = static_cast<int>(i);
        auto* columna = new QVBoxLayout;
        columna->setSpacing(4);
        m_opciones[i] = new QRadioButton(nombres[i], clase);
        m_opciones[i]->setObjectName(QStringLiteral("Option1_%1").arg(indice));
        grupo->addButton(m_opciones[i], indice);
        columna->addWidget(m_opciones[i]);
        for (const QString& linea : kConsecuencias[i]) {
            auto* texto = new QLabel(linea, clase);
            texto->setWordWrap(true);
            texto->setContentsMargins(20, 0, 0, 0);
            columna->addWidget(texto);
        }
        columna->addStretch(1);
        columnas->addLayout(columna, 1);
    }
    contenido()->addWidget(clase);

    auto* coeficientes = new QGroupBox(QStringLiteral("Coeficientes de seguridad"), this);
    auto* rejilla = new QGridLayout(coeficientes);
    rejilla->setHorizontalSpacing(16);
    rejilla->setColumnStretch(0, 1);
    const std::array<QString, 3> filas{QStringLiteral("- Frente al fallo por rotura"),
                                       QStringLiteral("- Frente a la inestabilidad"),
                                       QStringLiteral("- Deformación admisible a largo plazo")};
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const int fila = static_cast<int>(i);
        rejilla->addWidget(new QLabel(filas[i], coeficientes), fila, 0);
        m_coeficientes[i] = new QLabel(coeficientes);
        m_coeficientes[i]->setObjectName(QStringLiteral("Label2_%1").arg(fila));
        m_coeficientes[i]->setFrameShape(QFrame::StyledPanel);
        m_coeficientes[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_coeficientes[i]->setMinimumWidth(80);
        rejilla->addWidget(m_coeficientes[i], fila, 1);
    }
    contenido()->addWidget(coeficientes);
    contenido()->addStretch(1);
}

void Seguridad_ATV::elige(OpcionSeguridad opcion) {
    Elige_Clase_ATV(proyecto(), m_vista, opcion);
    muestra();
}

void Seguridad_ATV::muestra() {
    const std::size_t marcada = proyecto().Clase_Seguridad == 2 ? 1 : 0;
    for (std::size_t i = 0; i < m_opciones.size(); ++i) {
        const QSignalBlocker bloqueo(m_opciones[i]);
        m_opciones[i]->setChecked(i == marcada);
    }
    m_coeficientes[0]->setText(qs(m_vista.coefRotura));
    m_coeficientes[1]->setText(qs(m_vista.coefEstabilidad));
    m_coeficientes[2]->setText(qs(m_vista.deformacionAdmisible));
}

void Seguridad_ATV::siguiente() {
    Cierra_Seguridad(proyecto(), Boton::Siguiente);
    cierraCon(proyecto().Codigo_Navegacion);
}

void Seguridad_ATV::atras() {
    Cierra_Seguridad(proyecto(), Boton::Atras);
    cierraCon(proyecto().Codigo_Navegacion);
}

} // namespace tubrix::gui
