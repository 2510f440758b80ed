#include "screens/input/datos_zanja.h"

#include "ui/barra_botones.h"
#include "ui/dibujo.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

QString recursoDibujo(DibujoInstalacion dibujo) {
    switch (dibujo) {
    case DibujoInstalacion::ZanjaEstrecha:
        return QStringLiteral(":/drawings/instalacion_zanja_estrecha.svg");
    case DibujoInstalacion::ZanjaAncha:
        return QStringLiteral(":/drawings/instalacion_zanja_ancha.svg");
    case DibujoInstalacion::Terraplen:
        return QStringLiteral(":/drawings/instalacion_terraplen.svg");
    case DibujoInstalacion::ZanjaTerraplenada:
        return QStringLiteral(":/drawings/instalacion_zanja_terraplenada.svg");
    case DibujoInstalacion::MismoNivel:
        return QStringLiteral(":/drawings/instalacion_dos_tubos_mismo_nivel.svg");
    case DibujoInstalacion::NivelesDiferentes:
        return QStringLiteral(":/drawings/instalacion_dos_tubos_niveles_diferentes.svg");
    }
    return {};
}

// Hidden pictures keep their place, so the visible ones stay where the user saw them.
void conservaSitioOculto(QWidget* w) {
    QSizePolicy politica = w->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politica);
}

} // namespace

Datos_Zanja::Datos_Zanja(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Zanja,
                   QStringLiteral("Características de la Instalación"), parent),
      m_vista(Abre_Datos_Zanja(contexto.proyecto, contexto.separadores)),
      m_avisa([](QWidget* padre, const Mensaje& mensaje) { muestraMensaje(padre, mensaje); }) {
    construye();
    muestra();

    for (std::size_t i = 0; i < m_tipos.size(); ++i) {
        const int tipo = static_cast<int>(i) + 1;
        connect(m_tipos[i], &QRadioButton::toggled, this, [this, tipo](bool marcado) {
            if (marcado)
                eligeTipo(tipo);
        });
    }
    connect(m_grupoSubtipos, &QButtonGroup::idClicked, this,
            [this](int id) { eligeSubtipo(static_cast<PosicionSubtipo>(id)); });
}

void Datos_Zanja::construye() {
    cajaNorma()->setText(qs(m_vista.cajaNorma));

    auto* tipos = new QGroupBox(QStringLiteral("Tipo de instalación"), this);
    auto* columnaTipos = new QVBoxLayout(tipos);
    auto* grupoTipos = new QButtonGroup(this);
    const std::array<QString, 3> textosTipo{
        QStringLiteral("Tipo 1: Instalación en zanja o bajo terraplén"),
        QStringLiteral("Tipo 2: Instalación en zanja terraplenada"),
        QStringLiteral("Tipo 3: Instalación de 2 conducciones en la misma zanja")};
    for (std::size_t i = 0; i < m_tipos.size(); ++i) {
        m_tipos[i] = new QRadioButton(textosTipo[i], tipos);
        m_tipos[i]->setObjectName(QStringLiteral("Option_Tipo_%1").arg(i));
        grupoTipos->addButton(m_tipos[i], static_cast<int>(i));
        columnaTipos->addWidget(m_tipos[i]);
    }
    contenido()->addWidget(tipos);

    auto* dibujos = new QGridLayout;
    dibujos->setHorizontalSpacing(12);
    m_grupoSubtipos = new QButtonGroup(this);
    for (std::size_t i = 0; i < m_dibujos.size(); ++i) {
        const int columna = static_cast<int>(i);
        m_dibujos[i] = new Dibujo(this);
        m_dibujos[i]->setObjectName(QStringLiteral("Dibujo_%1").arg(columna));
        // A fixed height, in the drawings' proportion at their narrowest: the screen then never
        // lets them squeeze the rows below.
        m_dibujos[i]->setMinimumWidth(238);
        m_dibujos[i]->setFixedHeight(175);
        conservaSitioOculto(m_dibujos[i]);
        m_subtipos[i] = new QPushButton(this);
        m_subtipos[i]->setObjectName(QStringLiteral("Command2_%1").arg(columna));
        m_subtipos[i]->setCheckable(true);
        m_subtipos[i]->setAutoDefault(false);
        conservaSitioOculto(m_subtipos[i]);
        m_grupoSubtipos->addButton(m_subtipos[i], columna);
        dibujos->addWidget(m_dibujos[i], 0, columna);
        dibujos->addWidget(m_subtipos[i], 1, columna);
        dibujos->setColumnStretch(columna, 1);
    }
    contenido()->addLayout(dibujos);

    auto* filaSeleccion = new QHBoxLayout;
    auto* tituloSeleccion = new QLabel(QStringLiteral("Selección"), this);
    QFont negrita = tituloSeleccion->font();
    negrita.setBold(true);
    tituloSeleccion->setFont(negrita);
    m_seleccion = new QLabel(this);
    m_seleccion->setObjectName(QStringLiteral("Seleccion"));
    filaSeleccion->addWidget(tituloSeleccion);
    filaSeleccion->addWidget(m_seleccion, 1);
    contenido()->addLayout(filaSeleccion);

    auto* datos = new QGroupBox(QStringLiteral("Datos a introducir"), this);
    auto* rejilla = new QGridLayout(datos);
    rejilla->setHorizontalSpacing(16);
    rejilla->setVerticalSpacing(4);
    rejilla->setColumnStretch(0, 1);
    for (std::size_t i = 0; i < m_cajas.size(); ++i) {
        const int fila = static_cast<int>(i);
        m_preguntas[i] = new QLabel(datos);
        // Unwrapped: the screen widens to the longest question instead of cutting it.
        m_preguntas[i]->setObjectName(QStringLiteral("Pregunta_%1").arg(fila));
        m_cajas[i] = new QLineEdit(datos);
        m_cajas[i]->setObjectName(QStringLiteral("Text1_%1").arg(fila));
        m_cajas[i]->setAlignment(Qt::AlignRight);
        m_cajas[i]->setFixedWidth(110);
        m_preguntas[i]->setBuddy(m_cajas[i]);
        rejilla->addWidget(m_preguntas[i], fila, 0);
        rejilla->addWidget(m_cajas[i], fila, 1, Qt::AlignTop);
    }
    rejilla->setRowStretch(static_cast<int>(m_cajas.size()), 1);
    contenido()->addWidget(datos, 1);
}

void Datos_Zanja::eligeTipo(int tipo) {
    // What the user typed stays in its boxes across the change of case.
    Toma_Cajas_Zanja(m_vista, leeEntrada());
    Elige_Tipo(proyecto(), m_vista, static_cast<std::int16_t>(tipo));
    muestra();
}

void Datos_Zanja::eligeSubtipo(PosicionSubtipo posicion) {
    Toma_Cajas_Zanja(m_vista, leeEntrada());
    Elige_Subtipo(proyecto(), m_vista, posicion);
    muestra();
}

void Datos_Zanja::muestra() {
    const std::size_t tipo = static_cast<std::size_t>(m_vista.tipo - 1);
    if (tipo < m_tipos.size()) {
        const QSignalBlocker bloqueo(m_tipos[tipo]);
        m_tipos[tipo]->setChecked(true);
    }

    // The subtype chosen is the one whose button stays pressed (type 2 has only the centre one).
    const int subtipo = proyecto().Subtipo_Instalacion;
    const int marcado = m_vista.tipo == 2 ? static_cast<int>(PosicionSubtipo::Centro) : subtipo - 1;
    for (const PosicionSubtipo posicion : kPosicionesSubtipo) {
        const auto i = static_cast<std::size_t>(posicion);
        const BotonSubtipo& boton = m_vista.subtipos[posicion];
        m_dibujos[i]->setVisible(boton.visible);
        m_subtipos[i]->setVisible(boton.visible);
        m_subtipos[i]->setText(qs(boton.texto));
        if (boton.dibujo)
            m_dibujos[i]->carga(recursoDibujo(*boton.dibujo));
        if (static_cast<int>(i) == marcado)
            m_subtipos[i]->setChecked(true);
    }
    m_seleccion->setText(qs(m_vista.seleccion));

    for (const FocoDatosZanja caja : kCajasZanja) {
        const auto i = static_cast<std::size_t>(caja);
        const FilaDatosZanja& fila = m_vista.filas[caja];
        m_preguntas[i]->setText(qs(fila.pregunta));
        m_preguntas[i]->setVisible(fila.visible);
        m_cajas[i]->setText(qs(m_vista.entrada.cajas[caja].texto));
        m_cajas[i]->setVisible(fila.cajaVisible);
    }
    if (m_vista.foco)
        m_cajas[static_cast<std::size_t>(*m_vista.foco)]->setFocus();
}

EntradaDatosZanja Datos_Zanja::leeEntrada() const {
    EntradaDatosZanja entrada;
    for (const FocoDatosZanja caja : kCajasZanja) {
        const std::string escrito = m_cajas[static_cast<std::size_t>(caja)]->text().toStdString();
        // An untouched box hands back the value it was filled with, thousands and all.
        const CajaTexto& mostrada = m_vista.entrada.cajas[caja];
        entrada.cajas[caja] = escrito == mostrada.texto ? mostrada : CajaTexto(escrito);
    }
    return entrada;
}

void Datos_Zanja::siguiente() {
    cierra(Boton::Siguiente);
}

void Datos_Zanja::atras() {
    cierra(Boton::Atras);
}

void Datos_Zanja::cierra(Boton boton) {
    const auto rechazo = Cierra_Datos_Zanja(proyecto(), leeEntrada(), boton);
    if (!rechazo) {
        cierraCon(proyecto().Codigo_Navegacion);
        return;
    }
    // Two pipes in one trench refuse without a word: the advice on the screen says why.
    if (!rechazo->mensaje.texto.empty())
        m_avisa(this, rechazo->mensaje);
    if (rechazo->foco < 0 || rechazo->foco >= static_cast<int>(m_cajas.size()))
        return;
    QLineEdit* caja = m_cajas[static_cast<std::size_t>(rechazo->foco)];
    if (rechazo->textoCorregido)
        caja->setText(qs(*rechazo->textoCorregido));
    caja->setFocus();
    caja->selectAll();
}

} // namespace tubrix::gui
