#include "screens/calc/calculo_cargas.h"

#include "screens/calc/distribucion_comun.h"
#include "ui/mensajes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

QString unidadPresion() {
    return QStringLiteral("k N / m2");
}

// A caption followed by a descriptive text (installation, traffic) over the width of the group.
QLabel* anadeFilaTexto(QVBoxLayout* grupo, const QString& caption, const QString& nombre) {
    auto* fila = new QHBoxLayout;
    fila->setSpacing(12);
    fila->addWidget(new QLabel(caption));
    auto* texto = new QLabel;
    texto->setObjectName(nombre);
    texto->setFrameShape(QFrame::StyledPanel);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fila->addWidget(texto, 1);
    grupo->addLayout(fila);
    return texto;
}

} // namespace

Calculo_Cargas::Calculo_Cargas(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Calculo_Cargas, QStringLiteral("Cálculo de cargas"),
                   parent) {
    cajaNorma()->hide();

    auto* tierras = new QGroupBox(QStringLiteral("Cálculo de la carga de tierras"));
    contenido()->addWidget(tierras);
    auto* columnaTierras = new QVBoxLayout(tierras);
    m_textoInstalacion = anadeFilaTexto(columnaTierras, QStringLiteral("Tipo de instalación"),
                                        QStringLiteral("Texto_Instalacion"));
    auto* rejillaTierras = new Rejilla;
    columnaTierras->addLayout(rejillaTierras);
    m_cz = rejillaTierras->anadeFila(QStringLiteral("Coeficiente de carga de tierras (Cz)"), {},
                                     QStringLiteral("Cz"));
    m_cz90 = rejillaTierras->anadeFila(QStringLiteral("Coeficiente de carga de tierras (Cz90)"), {},
                                       QStringLiteral("Cz90"));
    m_cn90 =
        rejillaTierras->anadeFila(QStringLiteral("Coeficiente Cn90"), {}, QStringLiteral("Cn90"));
    m_captionCn90 = enUltimaFila(*rejillaTierras, 0);
    m_cn = rejillaTierras->anadeFila(QStringLiteral("Coeficiente Cn"), {}, QStringLiteral("Cn"));
    m_captionCn = enUltimaFila(*rejillaTierras, 0);
    m_pe = rejillaTierras->anadeFila(QStringLiteral("Carga vertical de tierras (Pe)"),
                                     unidadPresion(), QStringLiteral("Pe"));

    auto* trafico = new QGroupBox(QStringLiteral("Cálculo de la carga de tráfico"));
    contenido()->addWidget(trafico);
    auto* columnaTrafico = new QVBoxLayout(trafico);
    m_textoTrafico = anadeFilaTexto(columnaTrafico, QStringLiteral("Tipo de tráfico"),
                                    QStringLiteral("Texto_Trafico"));
    auto* rejillaTrafico = new Rejilla;
    columnaTrafico->addLayout(rejillaTrafico);
    m_pf = rejillaTrafico->anadeFila(QStringLiteral("Cárga máxima según Boussinesq (Pf)"),
                                     unidadPresion(), QStringLiteral("Pf"));
    m_aF = rejillaTrafico->anadeFila(
        QStringLiteral("Factor de corrección para casos de pequeñas alturas de recubrimiento (aF)"),
        {}, QStringLiteral("aF"));
    m_p = rejillaTrafico->anadeFila(QStringLiteral("Carga vertical debida al tráfico (P)"),
                                    unidadPresion(), QStringLiteral("P"));
    m_fi = rejillaTrafico->anadeFila(QStringLiteral("Factor de choque o de impacto (fi)"), {},
                                     QStringLiteral("Fi"));
    m_pv =
        rejillaTrafico->anadeFila(QStringLiteral("Carga vertical mayorada debida al tráfico (Pv)"),
                                  unidadPresion(), QStringLiteral("Pv"));

    // The surface load: the same columns as the grids above, with a text box for P0.
    auto* superficie = new QGroupBox;
    contenido()->addWidget(superficie);
    auto* rejillaSuperficie = new QGridLayout(superficie);
    rejillaSuperficie->setHorizontalSpacing(12);
    rejillaSuperficie->setVerticalSpacing(4);
    rejillaSuperficie->setColumnStretch(0, 1);
    m_hayCargas = new QCheckBox(QStringLiteral("Hay cargas de superficie"));
    m_hayCargas->setObjectName(QStringLiteral("Hay_Cargas_Superficie"));
    rejillaSuperficie->addWidget(m_hayCargas, 0, 0, 1, -1);
    rejillaSuperficie->addWidget(new QLabel(QStringLiteral("Carga superficial (P0)")), 1, 0);
    m_p0 = new QLineEdit;
    m_p0->setObjectName(QStringLiteral("Texto_P0"));
    m_p0->setAlignment(Qt::AlignRight);
    m_p0->setFixedWidth(90); // as wide as the values, so the columns line up
    rejillaSuperficie->addWidget(m_p0, 1, 1);
    rejillaSuperficie->addWidget(new QLabel(unidadPresion()), 1, 2);
    auto* captionXo = new QLabel(QStringLiteral("Coeficiente de cargas de superficie (Xo)"));
    captionXo->setWordWrap(true);
    rejillaSuperficie->addWidget(captionXo, 2, 0);
    m_xo = etiquetaValor(QStringLiteral("Xo"));
    rejillaSuperficie->addWidget(m_xo, 2, 1);
    auto* captionXoc = new QLabel(QStringLiteral("Coeficiente de cargas de superficie (Xoc)"));
    captionXoc->setWordWrap(true);
    rejillaSuperficie->addWidget(captionXoc, 3, 0);
    m_xoc = etiquetaValor(QStringLiteral("Xoc"));
    rejillaSuperficie->addWidget(m_xoc, 3, 1);

    ajustaCaptions(*this);

    // Enter in the last box lands on "next", never on "abandon".
    setTabOrder(m_hayCargas, m_p0);

    if (auto vista = Abre_Calculo_Cargas(proyecto(), contexto.separadores)) {
        m_vista = std::move(*vista);
        muestraResultados();
    } else {
        // Nothing to show and nothing to take: only back and abandon remain.
        m_hayCargas->setEnabled(false);
        m_p0->setEnabled(false);
        rechazaCalculo(vista.error());
    }

    connect(m_hayCargas, &QCheckBox::toggled, this,
            [this](bool marcada) { marcaCargasSuperficie(marcada); });
}

void Calculo_Cargas::muestraResultados() {
    const Proyecto& p = proyecto();
    const Separadores& sep = contexto().separadores;
    const VistaCalculoCargas& vista = *m_vista;

    m_textoInstalacion->setText(qs(vista.textoInstalacion));
    constexpr std::string_view coeficiente = "##,##0.0#";
    ponValor(m_cz, p.Cz, coeficiente, sep);
    ponValor(m_cz90, p.Cz90, coeficiente, sep);
    ponValor(m_cn90, p.Cn90, coeficiente, sep);
    ponValor(m_cn, p.Cn, coeficiente, sep);
    for (QWidget* cn :
         {static_cast<QWidget*>(m_cn90), static_cast<QWidget*>(m_cn), m_captionCn90, m_captionCn})
        if (cn)
            cn->setEnabled(vista.cnHabilitado);
    ponValor(m_pe, p.Pe, coeficiente, sep);

    m_textoTrafico->setText(qs(vista.textoTrafico));
    ponValor(m_pf, p.Pf, "##,##0.00", sep);
    ponValor(m_aF, p.aF, coeficiente, sep);
    ponValor(m_p, p.P, coeficiente, sep);
    ponValor(m_fi, p.Fi, "#0.0", sep);
    ponValor(m_pv, p.Pv, coeficiente, sep);

    const QSignalBlocker bloqueo(m_hayCargas);
    m_hayCargas->setChecked(vista.hayCargasSuperficie);
    m_p0->setText(qs(vista.entrada.textoP0.texto));
    m_p0->setEnabled(vista.p0Habilitado);
    if (vista.muestraXo) {
        ponValor(m_xo, p.Xo, "#,###.000", sep);
        ponValor(m_xoc, p.Xoc, "#,###.000", sep);
    } else {
        m_xo->clear();
        m_xoc->clear();
    }
}

void Calculo_Cargas::marcaCargasSuperficie(bool marcada) {
    Marca_Cargas_Superficie(proyecto(), marcada);
    if (!m_vista)
        return;
    // The click only stores the flag and switches the box; Xo and Xoc keep what they showed.
    m_vista->hayCargasSuperficie = marcada;
    m_vista->p0Habilitado = marcada;
    m_p0->setEnabled(m_vista->p0Habilitado);
}

void Calculo_Cargas::cierra(Boton boton) {
    const std::string escrito = m_p0->text().toStdString();
    // An untouched box hands back the value it was filled with.
    const EntradaCalculoCargas entrada{m_vista && escrito == m_vista->entrada.textoP0.texto
                                           ? m_vista->entrada.textoP0
                                           : CajaTexto(escrito)};
    if (const auto rechazo = Cierra_Calculo_Cargas(proyecto(), entrada, boton)) {
        muestraMensaje(this, rechazo->mensaje);
        if (m_p0->isEnabled()) {
            m_p0->setFocus(Qt::OtherFocusReason);
            m_p0->selectAll();
        }
        return;
    }
    cierraCon(proyecto().Codigo_Navegacion);
}

void Calculo_Cargas::siguiente() {
    if (!m_vista)
        return;
    cierra(Boton::Siguiente);
}

void Calculo_Cargas::atras() {
    cierra(Boton::Atras);
}

} // namespace tubrix::gui
