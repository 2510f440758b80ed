#include "screens/input/datos_apoyo.h"

#include "ui/dibujo.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

QString recursoDibujo(DibujoApoyo dibujo) {
    switch (dibujo) {
    case DibujoApoyo::AtvTipoI:
        return QStringLiteral(":/drawings/apoyo_atv_tipo1.svg");
    case DibujoApoyo::AtvTipoII:
        return QStringLiteral(":/drawings/apoyo_atv_tipo2.svg");
    case DibujoApoyo::AtvTipoIII:
        return QStringLiteral(":/drawings/apoyo_atv_tipo3.svg");
    case DibujoApoyo::UneTipoA:
        return QStringLiteral(":/drawings/apoyo_une_tipo_a.svg");
    case DibujoApoyo::UneTipoB:
        return QStringLiteral(":/drawings/apoyo_une_tipo_b.svg");
    case DibujoApoyo::UneTipoC:
        return QStringLiteral(":/drawings/apoyo_une_tipo_c.svg");
    }
    return {};
}

// Checks the option with `id` in an exclusive group, or none when no option has it.
void marcaEnGrupo(QButtonGroup* grupo, int id) {
    const QSignalBlocker bloqueo(grupo);
    QAbstractButton* boton = grupo->button(id);
    if (boton) {
        boton->setChecked(true);
        return;
    }
    if (QAbstractButton* marcado = grupo->checkedButton()) {
        grupo->setExclusive(false);
        marcado->setChecked(false);
        grupo->setExclusive(true);
    }
}

} // namespace

Datos_Apoyo::Datos_Apoyo(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Apoyo, qs(kTituloDatosApoyo), parent),
      m_vista(Abre_Datos_Apoyo(contexto.proyecto, contexto.separadores)) {
    construye();
    refresca();
}

void Datos_Apoyo::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    // Type options on the left, the values they lead to on the right.
    auto* arriba = new QHBoxLayout;
    auto* marcoTipo = new QGroupBox(qs(kMarcoTipoApoyo), this);
    marcoTipo->setObjectName(QStringLiteral("marcoTipoApoyo"));
    auto* capaTipo = new QVBoxLayout(marcoTipo);
    m_tipos = new QButtonGroup(this);
    for (std::size_t i = 0; i < m_opcionesTipo.size(); ++i) {
        auto* opcion = new QRadioButton(qs(m_vista.opciones[i]), marcoTipo);
        opcion->setObjectName(QStringLiteral("opcionTipo%1").arg(i + 1));
        m_tipos->addButton(opcion, static_cast<int>(i + 1));
        capaTipo->addWidget(opcion);
        m_opcionesTipo[i] = opcion;
    }
    arriba->addWidget(marcoTipo, 3);

    auto* marcoDatos = new QGroupBox(qs(kMarcoDatosApoyo), this);
    marcoDatos->setObjectName(QStringLiteral("marcoDatosApoyo"));
    auto* capaDatos = new QGridLayout(marcoDatos);
    capaDatos->setColumnStretch(0, 1);
    m_angulo = new QComboBox(marcoDatos);
    m_angulo->setObjectName(QStringLiteral("listaAngulo"));
    capaDatos->addWidget(new QLabel(qs(kEtiquetaAngulo), marcoDatos), 0, 0);
    capaDatos->addWidget(m_angulo, 0, 1);
    m_etiquetaJ = new QLabel(qs(kEtiquetaJ), marcoDatos);
    m_etiquetaJ->setObjectName(QStringLiteral("etiquetaJ"));
    m_j = new QLineEdit(marcoDatos);
    m_j->setObjectName(QStringLiteral("cajaJ"));
    m_j->setAlignment(Qt::AlignRight);
    m_j->setMaximumWidth(120);
    m_j->setText(QString::fromStdString(m_vista.entrada.textoJ.texto));
    m_j->installEventFilter(this);
    capaDatos->addWidget(m_etiquetaJ, 1, 0);
    capaDatos->addWidget(m_j, 1, 1);
    m_pj = etiquetaValor(QStringLiteral("etiquetaPj"), marcoDatos);
    m_pj->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    capaDatos->addWidget(new QLabel(qs(kEtiquetaPj), marcoDatos), 2, 0);
    capaDatos->addWidget(m_pj, 2, 1);
    // Hiding J must not stretch the rows that stay.
    capaDatos->setRowStretch(3, 1);
    arriba->addWidget(marcoDatos, 2);
    contenido()->addLayout(arriba);

    // The three beddings of the standard side by side; the subtypes belong to the cradle.
    auto* dibujos = new QGridLayout;
    for (std::size_t i = 0; i < m_dibujos.size(); ++i) {
        const int columna = static_cast<int>(i);
        m_dibujos[i] = new Dibujo(recursoDibujo(m_vista.dibujos[i]), this);
        m_dibujos[i]->setObjectName(QStringLiteral("dibujoTipo%1").arg(i + 1));
        m_dibujos[i]->setMinimumSize(200, 157);
        m_etiquetas[i] = new QLabel(qs(m_vista.etiquetas[i]), this);
        m_etiquetas[i]->setObjectName(QStringLiteral("etiquetaTipo%1").arg(i + 1));
        m_etiquetas[i]->setAlignment(Qt::AlignHCenter);
        dibujos->addWidget(m_dibujos[i], 0, columna);
        dibujos->addWidget(m_etiquetas[i], 1, columna);
        dibujos->setColumnStretch(columna, 1);
    }
    dibujos->setRowStretch(0, 1);
    m_panelSubtipos = new QWidget(this);
    auto* capaSubtipos = new QHBoxLayout(m_panelSubtipos);
    capaSubtipos->setContentsMargins(0, 0, 0, 0);
    m_subtipos = new QButtonGroup(this);
    capaSubtipos->addStretch(1);
    for (std::size_t k = 0; k < m_opcionesSubtipo.size(); ++k) {
        auto* opcion = new QRadioButton(qs(kSubtiposApoyo[k]), m_panelSubtipos);
        opcion->setObjectName(QStringLiteral("opcionSubtipo%1").arg(k + 1));
        m_subtipos->addButton(opcion, static_cast<int>(k + 1));
        capaSubtipos->addWidget(opcion);
        m_opcionesSubtipo[k] = opcion;
    }
    capaSubtipos->addStretch(1);
    dibujos->addWidget(m_panelSubtipos, 2, static_cast<int>(m_dibujos.size()) - 1);
    contenido()->addLayout(dibujos, 1);

    Proyecto& p = proyecto();
    connect(m_tipos, &QButtonGroup::idToggled, this, [this, &p](int id, bool marcado) {
        if (!marcado)
            return;
        m_vista.entrada.textoJ = entrada().textoJ;
        Elige_Tipo_Apoyo(p, m_vista, static_cast<std::int16_t>(id));
        refresca();
    });
    connect(m_subtipos, &QButtonGroup::idToggled, this, [this, &p](int id, bool marcado) {
        if (!marcado)
            return;
        m_vista.entrada.textoJ = entrada().textoJ;
        Elige_Subtipo_Apoyo(p, m_vista, static_cast<std::int16_t>(id));
        refresca();
    });
    connect(m_angulo, &QComboBox::currentIndexChanged, this, [this, &p](int posicion) {
        m_vista.entrada.textoJ = entrada().textoJ;
        Elige_Angulo_Apoyo(p, m_vista, posicion);
        refresca();
    });
}

void Datos_Apoyo::refresca() {
    marcaEnGrupo(m_tipos, m_vista.tipoSeleccionado);
    m_opcionesTipo[1]->setEnabled(m_vista.tipo2Habilitado);
    m_panelSubtipos->setVisible(m_vista.subtiposVisibles);
    marcaEnGrupo(m_subtipos, m_vista.subtipoSeleccionado);
    {
        const QSignalBlocker bloqueo(m_angulo);
        QStringList angulos;
        for (const std::string_view angulo : m_vista.angulos)
            angulos << qs(angulo);
        QStringList actuales;
        for (int i = 0; i < m_angulo->count(); ++i)
            actuales << m_angulo->itemText(i);
        if (angulos != actuales) {
            m_angulo->clear();
            m_angulo->addItems(angulos);
        }
        m_angulo->setCurrentIndex(m_vista.anguloSeleccionado);
    }
    m_etiquetaJ->setVisible(m_vista.pideJ);
    m_j->setVisible(m_vista.pideJ);
    m_pj->setText(QString::fromStdString(m_vista.textoPj));
}

EntradaDatosApoyo Datos_Apoyo::entrada() const {
    EntradaDatosApoyo leida;
    leida.textoAngulo = m_angulo->currentText().toStdString();
    const std::string textoJ = m_j->text().toStdString();
    // An untouched box hands back the value it was filled with.
    leida.textoJ =
        textoJ == m_vista.entrada.textoJ.texto ? m_vista.entrada.textoJ : CajaTexto(textoJ);
    return leida;
}

QWidget* Datos_Apoyo::control(FocoDatosApoyo foco) const {
    switch (foco) {
    case FocoDatosApoyo::Tipo: {
        QAbstractButton* marcado = m_tipos->checkedButton();
        return marcado ? marcado : m_opcionesTipo[0];
    }
    case FocoDatosApoyo::Subtipo: {
        QAbstractButton* marcado = m_subtipos->checkedButton();
        return marcado ? marcado : m_opcionesSubtipo[0];
    }
    case FocoDatosApoyo::Angulo:
        return m_angulo;
    case FocoDatosApoyo::J:
        return m_j;
    }
    return nullptr;
}

void Datos_Apoyo::muestraRechazo(const Rechazo& rechazo) {
    if (!rechazo.mensaje.texto.empty())
        muestraMensaje(this, rechazo.mensaje);
    if (rechazo.foco < 0)
        return;
    QWidget* destino = control(static_cast<FocoDatosApoyo>(rechazo.foco));
    if (!destino)
        return;
    if (auto* caja = qobject_cast<QLineEdit*>(destino); caja && rechazo.textoCorregido)
        caja->setText(QString::fromStdString(*rechazo.textoCorregido));
    destino->setFocus(Qt::OtherFocusReason);
}

void Datos_Apoyo::siguiente() {
    const auto rechazo = Cierra_Datos_Apoyo(proyecto(), entrada(), Boton::Siguiente);
    if (rechazo) {
        refresca();
        muestraRechazo(*rechazo);
        return;
    }
    cierraCon(proyecto().Codigo_Navegacion);
}

void Datos_Apoyo::atras() {
    (void)Cierra_Datos_Apoyo(proyecto(), entrada(), Boton::Atras);
    cierraCon(proyecto().Codigo_Navegacion);
}

void Datos_Apoyo::showEvent(QShowEvent* event) {
    PantallaBase::showEvent(event);
    if (m_focoPuesto)
        return;
    m_focoPuesto = true;
    if (m_vista.focoInicial)
        if (QWidget* destino = control(*m_vista.focoInicial))
            destino->setFocus(Qt::OtherFocusReason);
}

bool Datos_Apoyo::eventFilter(QObject* watched, QEvent* event) {
    // Leaving J recomputes the projection ratio on the spot.
    if (watched == m_j && event->type() == QEvent::FocusOut) {
        Sale_De_J(proyecto(), m_vista, m_j->text().toStdString());
        m_pj->setText(QString::fromStdString(m_vista.textoPj));
    }
    return PantallaBase::eventFilter(watched, event);
}

} // namespace tubrix::gui
