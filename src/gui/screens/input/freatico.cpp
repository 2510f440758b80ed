#include "screens/input/freatico.h"

#include "ui/barra_botones.h"
#include "ui/dibujo.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {} // namespace

Freatico::Freatico(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Freatico, QStringLiteral("Nivel freático"), parent),
      m_vista(Abre_Freatico(contexto.proyecto, contexto.separadores)) {
    construye();
    muestra();
    connect(m_hayNivel, &QCheckBox::toggled, this, [this](bool marcado) { marca(marcado); });
    if (m_vista.hfHabilitada)
        m_hf->setFocus();
    else
        m_hayNivel->setFocus();
}

void Freatico::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    m_hayNivel = new QCheckBox(QStringLiteral("Hay nivel freático"), this);
    m_hayNivel->setObjectName(QStringLiteral("Check1"));
    contenido()->addWidget(m_hayNivel);

    auto* dibujo = new Dibujo(QStringLiteral(":/drawings/freatico.svg"), this);
    dibujo->setObjectName(QStringLiteral("Dibujo_Freatico"));
    dibujo->setMinimumWidth(340);
    dibujo->setFixedHeight(250);
    contenido()->addWidget(dibujo);

    auto* explicacion = new QLabel(
        QStringLiteral("Hf: Distancia en metros entre el suelo natural y el nivel freático"), this);
    contenido()->addWidget(explicacion);

    auto* fila = new QHBoxLayout;
    m_etiquetaHf = new QLabel(QStringLiteral("Hf"), this);
    m_etiquetaHf->setObjectName(QStringLiteral("Etiqueta_Hf"));
    m_hf = new QLineEdit(this);
    m_hf->setObjectName(QStringLiteral("Text_Hf"));
    m_hf->setAlignment(Qt::AlignRight);
    m_hf->setFixedWidth(110);
    m_etiquetaHf->setBuddy(m_hf);
    m_unidadHf = new QLabel(QStringLiteral("m"), this);
    fila->addWidget(m_etiquetaHf);
    fila->addWidget(m_hf);
    fila->addWidget(m_unidadHf);
    fila->addStretch(1);
    contenido()->addLayout(fila);
    contenido()->addStretch(1);
}

void Freatico::marca(bool marcado) {
    // Whatever the user typed is the box's content until the rule rewrites it.
    m_vista.entrada.hf = CajaTexto(m_hf->text().toStdString());
    Marca_Nivel_Freatico(proyecto(), m_vista, marcado);
    muestra();
    if (m_vista.focoEnHf)
        m_hf->setFocus();
}

void Freatico::muestra() {
    {
        const QSignalBlocker bloqueo(m_hayNivel);
        m_hayNivel->setChecked(m_vista.entrada.hayNivelFreatico);
    }
    m_hf->setText(qs(m_vista.entrada.hf.texto));
    m_etiquetaHf->setEnabled(m_vista.hfHabilitada);
    m_hf->setEnabled(m_vista.hfHabilitada);
    m_unidadHf->setEnabled(m_vista.hfHabilitada);
}

void Freatico::siguiente() {
    cierra(Boton::Siguiente);
}

void Freatico::atras() {
    cierra(Boton::Atras);
}

void Freatico::cierra(Boton boton) {
    const std::string escrito = m_hf->text().toStdString();
    // An untouched box hands back the value it was filled with.
    const CajaTexto& mostrada = m_vista.entrada.hf;
    const EntradaFreatico entrada{m_hayNivel->isChecked(),
                                  escrito == mostrada.texto ? mostrada : CajaTexto(escrito)};
    const Pregunta hfDespreciable = [this](const Mensaje& pregunta) {
        return preguntaAceptarCancelar(this, pregunta);
    };
    const auto rechazo = Cierra_Freatico(proyecto(), entrada, boton, hfDespreciable);
    if (!rechazo) {
        cierraCon(proyecto().Codigo_Navegacion);
        return;
    }
    if (!rechazo->mensaje.texto.empty())
        muestraMensaje(this, rechazo->mensaje);
    // Neglecting a deep table clears the tick box, whatever refusal may follow.
    if (proyecto().Nivel_Freatico == 0 && m_hayNivel->isChecked()) {
        Marca_Nivel_Freatico(proyecto(), m_vista, false);
        muestra();
    }
    if (rechazo->textoCorregido)
        m_hf->setText(qs(*rechazo->textoCorregido));
    if (rechazo->foco == static_cast<int>(FocoFreatico::Hf) && m_hf->isEnabled()) {
        m_hf->setFocus();
        m_hf->selectAll();
    }
}

} // namespace tubrix::gui
