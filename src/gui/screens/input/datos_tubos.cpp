#include "screens/input/datos_tubos.h"

#include "ui/barra_botones.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

QLabel* etiquetaValor(QWidget* parent, const QString& nombre) {
    auto* valor = new QLabel(parent);
    valor->setObjectName(nombre);
    valor->setFrameShape(QFrame::StyledPanel);
    valor->setMinimumWidth(90);
    valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return valor;
}

// Fills a list with its entries, each carrying its catalogue code, and selects the entry the
// rules chose, without running the selection handler.
template <typename T>
void llenaLista(QComboBox* combo, const ListaDesplegable<T>& lista) {
    const QSignalBlocker bloqueo(combo);
    combo->clear();
    for (const T& entrada : lista.entradas)
        combo->addItem(qs(entrada.texto), QVariant::fromValue<int>(entrada.codigo));
    combo->setCurrentIndex(lista.seleccion ? static_cast<int>(*lista.seleccion) : -1);
    combo->setToolTip(combo->currentText());
    // Sub-class names are long: the open list shows them in full even when the box is narrow.
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
}

} // namespace

void Datos_Tubos::FilaDato::habilita(bool si) const {
    for (QLabel* etiqueta : etiquetas)
        etiqueta->setEnabled(si);
}

Datos_Tubos::Datos_Tubos(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Datos_Tubos, QStringLiteral("Características de los tubos"),
                   parent),
      m_vista(Abre_Datos_Tubos(contexto.proyecto, contexto.catalogo, contexto.separadores)) {
    // The standard follows from the group and is shown in the screen itself.
    cajaNorma()->hide();
    construye();

    llenaGrupos();
    llenaMateriales();
    llenaDiametros();
    muestraDatos();

    // A pick by the user, even of the entry already shown: a stored code that is no longer
    // listed shows the first entry, and picking that entry must store its code.
    connect(m_grupos, &QComboBox::activated, this, [this](int posicion) { eligeGrupo(posicion); });
    connect(m_materiales, &QComboBox::activated, this,
            [this](int posicion) { eligeMaterial(posicion); });
    connect(m_diametros, &QComboBox::activated, this,
            [this](int posicion) { eligeDiametro(posicion); });
    m_grupos->setFocus();
}

void Datos_Tubos::construye() {
    auto* seleccion = new QGridLayout;
    seleccion->setHorizontalSpacing(12);
    seleccion->setColumnStretch(2, 1);

    seleccion->addWidget(new QLabel(QStringLiteral("Tipo de conducción"), this), 0, 0);
    m_tipoConduccion = etiquetaValor(this, QStringLiteral("Tipo_Conduccion"));
    seleccion->addWidget(m_tipoConduccion, 0, 1);

    seleccion->addWidget(new QLabel(QStringLiteral("Material"), this), 1, 0);
    m_grupos = new QComboBox(this);
    m_grupos->setObjectName(QStringLiteral("Combo_Grupo"));
    m_grupos->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    seleccion->addWidget(m_grupos, 1, 1);
    m_materiales = new QComboBox(this);
    m_materiales->setObjectName(QStringLiteral("Combo_Material"));
    m_materiales->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_materiales->setMinimumContentsLength(50);
    seleccion->addWidget(m_materiales, 1, 2);

    seleccion->addWidget(new QLabel(QStringLiteral("Norma a aplicar"), this), 2, 0);
    m_normaAplicar = etiquetaValor(this, QStringLiteral("Norma_Aplicar"));
    seleccion->addWidget(m_normaAplicar, 2, 1);

    seleccion->addWidget(new QLabel(QStringLiteral("Diámetro Normalizado"), this), 3, 0);
    m_diametros = new QComboBox(this);
    m_diametros->setObjectName(QStringLiteral("Combo_Diametro"));
    m_diametros->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    seleccion->addWidget(m_diametros, 3, 1, Qt::AlignLeft);
    contenido()->addLayout(seleccion);

    auto* marco = new QGroupBox(QStringLiteral("Datos de la tubería"), this);
    marco->setObjectName(QStringLiteral("Datos_Tuberia"));
    auto* rejilla = new QGridLayout(marco);
    rejilla->setHorizontalSpacing(12);
    rejilla->setVerticalSpacing(4);
    rejilla->setColumnStretch(0, 1);
    int fila = 0;
    const QString mm = QStringLiteral("mm");
    const QString nmm2 = QStringLiteral("N / mm2");
    m_diametroExterior = anadeFila(rejilla, fila++, QStringLiteral("Diámetro exterior"), {}, mm,
                                   QStringLiteral("Diametro_Exterior"));
    m_diametroInterior = anadeFila(rejilla, fila++, QStringLiteral("Diámetro interior"), {}, mm,
                                   QStringLiteral("Diametro_Interior"));
    m_espesor =
        anadeFila(rejilla, fila++, QStringLiteral("Espesor"), {}, mm, QStringLiteral("Espesor"));
    m_diametroNormalizado = anadeFila(rejilla, fila++, QStringLiteral("Diámetro normalizado"), {},
                                      mm, QStringLiteral("Diametro_Normalizado"));
    m_moduloCorto =
        anadeFila(rejilla, fila++, QStringLiteral("Módulo de elasticidad a corto plazo"),
                  QStringLiteral("E<sub>t</sub>"), nmm2, QStringLiteral("Et"));
    m_moduloLargo =
        anadeFila(rejilla, fila++, QStringLiteral("Módulo de elasticidad a largo plazo"),
                  QStringLiteral("E*<sub>t</sub>"), nmm2, QStringLiteral("Et_LP"));
    m_pesoEspecifico = anadeFila(rejilla, fila++, QStringLiteral("Peso específico"),
                                 QStringLiteral("γ<sub>R</sub>"), QStringLiteral("kN / m3"),
                                 QStringLiteral("Gamma_Tubo"));
    m_rotura =
        anadeFila(rejilla, fila++, QStringLiteral("Tensión rotura flexo-tracción"),
                  QStringLiteral("σ<sub>R</sub>"), nmm2, QStringLiteral("Rotura_Flexotraccion"));
    m_roturaLargo = anadeFila(
        rejilla, fila++, QStringLiteral("Tensión rotura flexo-tracción largo plazo"),
        QStringLiteral("σ*<sub>R</sub>"), nmm2, QStringLiteral("Rotura_Flexotraccion_LP"));
    m_rigidez = anadeFila(rejilla, fila++, QStringLiteral("Rigidez circunferencial específica"),
                          QStringLiteral("RCE"), QStringLiteral("kN / m2"),
                          QStringLiteral("Rigidez_Circunferencial"));

    m_faltaDato = new QLabel(marco);
    m_faltaDato->setObjectName(QStringLiteral("Falta_En_Catalogo"));
    m_faltaDato->setWordWrap(true);
    rejilla->addWidget(m_faltaDato, fila++, 0, 1, 4);

    m_tipo = new QLabel(marco);
    m_tipo->setObjectName(QStringLiteral("Tipo_Tubo"));
    m_tipo->hide();
    contenido()->addWidget(marco);
    contenido()->addStretch(1);
}

Datos_Tubos::FilaDato Datos_Tubos::anadeFila(QGridLayout* rejilla, int fila, const QString& caption,
                                             const QString& simbolo, const QString& unidad,
                                             const QString& nombre) {
    QWidget* marco = rejilla->parentWidget();
    FilaDato f;
    auto* texto = new QLabel(caption, marco);
    texto->setWordWrap(true);
    auto* signo = new QLabel(simbolo, marco);
    signo->setTextFormat(Qt::RichText);
    signo->setAlignment(Qt::AlignCenter);
    signo->setMinimumWidth(40);
    auto* valor = etiquetaValor(marco, nombre);
    valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* unidades = new QLabel(unidad, marco);
    unidades->setMinimumWidth(60);
    f.etiquetas = {texto, signo, valor, unidades};
    for (int c = 0; c < 4; ++c)
        rejilla->addWidget(f.etiquetas[static_cast<std::size_t>(c)], fila, c);
    return f;
}

void Datos_Tubos::eligeGrupo(int posicion) {
    if (posicion < 0)
        return;
    Elige_Grupo(proyecto(), contexto().catalogo, m_vista, static_cast<std::size_t>(posicion));
    m_grupos->setToolTip(m_grupos->currentText());
    llenaMateriales();
    llenaDiametros();
    muestraDatos();
}

void Datos_Tubos::eligeMaterial(int posicion) {
    if (posicion < 0)
        return;
    Elige_Material(proyecto(), contexto().catalogo, m_vista, static_cast<std::size_t>(posicion));
    m_materiales->setToolTip(m_materiales->currentText());
    llenaDiametros();
    muestraDatos();
}

void Datos_Tubos::eligeDiametro(int posicion) {
    if (posicion < 0)
        return;
    Elige_Diametro(proyecto(), contexto().catalogo, m_vista, static_cast<std::size_t>(posicion));
    muestraDatos();
}

void Datos_Tubos::llenaGrupos() {
    llenaLista(m_grupos, m_vista.grupos);
}

void Datos_Tubos::llenaMateriales() {
    llenaLista(m_materiales, m_vista.materiales);
}

void Datos_Tubos::llenaDiametros() {
    llenaLista(m_diametros, m_vista.diametros);
}

void Datos_Tubos::muestraDatos() {
    m_tipoConduccion->setText(qs(m_vista.tipoConduccion));
    m_normaAplicar->setText(qs(m_vista.normaAplicar));

    const DatosTuberia& d = m_vista.datos;
    m_diametroExterior.valor()->setText(qs(d.diametroExterior));
    m_diametroInterior.valor()->setText(qs(d.diametroInterior));
    m_espesor.valor()->setText(qs(d.espesor));
    m_diametroNormalizado.valor()->setText(qs(d.diametroNormalizado));
    m_moduloCorto.valor()->setText(qs(d.moduloCortoPlazo));
    m_moduloLargo.valor()->setText(qs(d.moduloLargoPlazo));
    m_pesoEspecifico.valor()->setText(qs(d.pesoEspecifico));
    m_rotura.valor()->setText(qs(d.roturaFlexotraccion));
    m_roturaLargo.valor()->setText(qs(d.roturaFlexotraccionLargoPlazo));
    m_rigidez.valor()->setText(qs(d.rigidezCircunferencial));
    m_tipo->setText(qs(d.tipo));

    m_moduloLargo.habilita(m_vista.filasLargoPlazoHabilitadas);
    m_roturaLargo.habilita(m_vista.filasLargoPlazoHabilitadas);
    m_rigidez.habilita(m_vista.filaRigidezHabilitada);

    m_faltaDato->setText(m_vista.faltaEnCatalogo ? qs(*m_vista.faltaEnCatalogo) : QString());
    m_faltaDato->setVisible(m_vista.faltaEnCatalogo.has_value());
}

void Datos_Tubos::siguiente() {
    cierra(Boton::Siguiente);
}

void Datos_Tubos::atras() {
    cierra(Boton::Atras);
}

void Datos_Tubos::cierra(Boton boton) {
    const auto rechazo = Cierra_Datos_Tubos(proyecto(), contexto().catalogo, boton);
    if (!rechazo) {
        cierraCon(proyecto().Codigo_Navegacion);
        return;
    }
    if (!rechazo->mensaje.texto.empty())
        muestraMensaje(this, rechazo->mensaje);
    switch (static_cast<FocoDatosTubos>(rechazo->foco)) {
    case FocoDatosTubos::Grupo:
        m_grupos->setFocus();
        break;
    case FocoDatosTubos::Material:
        m_materiales->setFocus();
        break;
    case FocoDatosTubos::Diametro:
        m_diametros->setFocus();
        break;
    }
}

} // namespace tubrix::gui
