#include "screens/calc/estabilidad.h"

#include "ui/barra_botones.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <algorithm>

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSizePolicy>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

constexpr int kCorto = 0;
constexpr int kLargo = 1;

const QString kNmm2 = QStringLiteral("N/mm²");
const QString kCaptionQvCrit = QStringLiteral("Carga crítica de abolladura (qv crit)");
const QString kCaptionCoeficiente = QStringLiteral("Coeficiente");
const QString kCaptionPa = QStringLiteral("Presión de agua externa");
const QString kCaptionPaCrit = QStringLiteral("Valor crítico de Pa");

QString sufijo(int columna) {
    return columna == kCorto ? QStringLiteral("_Corto") : QStringLiteral("_Largo");
}

} // namespace

Estabilidad::Estabilidad(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Estabilidad, QStringLiteral("Cálculo de la estabilidad"),
                   parent) {
    construye();
    const Resultado<VistaEstabilidad> vista =
        Abre_Estabilidad(proyecto(), contexto.catalogo, contexto.separadores);
    if (!vista) {
        rechazaCalculo(vista.error());
        for (QLineEdit* alfa : m_alfa)
            alfa->setEnabled(false);
        return;
    }
    muestra(*vista);
}

void Estabilidad::construye() {
    const QFontMetrics medida(font());
    const int anchoValor = medida.horizontalAdvance(QStringLiteral("000.000,00")) + 16;
    const int anchoUnidad = medida.horizontalAdvance(kNmm2) + 8;
    int anchoCaption = 0;
    for (const QString& caption : {kCaptionQvCrit, kCaptionCoeficiente, kCaptionPa, kCaptionPaCrit})
        anchoCaption = std::max(anchoCaption, medida.horizontalAdvance(caption) + 8);

    // Both sections share their column widths so that the two terms line up.
    const auto seccion = [&](const QString& titulo) {
        auto* grupo = new QGroupBox(titulo, this);
        auto* rejilla = new QGridLayout(grupo);
        rejilla->setHorizontalSpacing(12);
        rejilla->setVerticalSpacing(4);
        rejilla->setColumnStretch(0, 1);
        rejilla->setColumnMinimumWidth(0, anchoCaption);
        rejilla->setColumnMinimumWidth(1, anchoValor);
        rejilla->setColumnMinimumWidth(2, anchoValor);
        rejilla->setColumnMinimumWidth(3, anchoUnidad);
        const std::array<QString, 2> cabeceras{QStringLiteral("Corto Plazo"),
                                               QStringLiteral("Largo Plazo")};
        for (int c = kCorto; c <= kLargo; ++c) {
            auto* cabecera = new QLabel(QStringLiteral("<b>%1</b>").arg(cabeceras.at(c)), grupo);
            cabecera->setAlignment(Qt::AlignCenter);
            rejilla->addWidget(cabecera, 0, 1 + c);
            if (c == kLargo)
                m_columnaLarga.push_back(cabecera);
        }
        contenido()->addWidget(grupo);
        m_rejillas.push_back(rejilla);
        return rejilla;
    };
    const auto caption = [](QGridLayout* rejilla, int fila, const QString& texto,
                            const QString& unidad) {
        rejilla->addWidget(new QLabel(texto), fila, 0);
        if (!unidad.isEmpty())
            rejilla->addWidget(new QLabel(unidad), fila, 3);
    };
    const auto valores = [&](QGridLayout* rejilla, int fila, std::array<QLabel*, 2>& celdas,
                             const QString& nombre) {
        for (int c = kCorto; c <= kLargo; ++c) {
            auto* valor = new QLabel;
            valor->setObjectName(nombre + sufijo(c));
            valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            valor->setFrameShape(QFrame::StyledPanel);
            valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
            rejilla->addWidget(valor, fila, 1 + c);
            celdas.at(c) = valor;
            if (c == kLargo)
                m_columnaLarga.push_back(valor);
        }
    };

    QGridLayout* tierras = seccion(QStringLiteral("Carga de tierras"));
    caption(tierras, 1, kCaptionQvCrit, kNmm2);
    valores(tierras, 1, m_qvCrit, QStringLiteral("QvCrit"));

    QGridLayout* agua = seccion(QStringLiteral("Presión del agua exterior"));
    caption(agua, 1, kCaptionCoeficiente, {});
    for (int c = kCorto; c <= kLargo; ++c) {
        auto* alfa = new QLineEdit;
        alfa->setObjectName(QStringLiteral("AlfaD") + sufijo(c));
        alfa->setAlignment(Qt::AlignRight);
        // As wide as the value cells of its column, no wider.
        alfa->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        alfa->setToolTip(QStringLiteral("Coeficiente alfa D (entre 3 y 50)"));
        agua->addWidget(alfa, 1, 1 + c);
        m_alfa.at(c) = alfa;
        if (c == kLargo)
            m_columnaLarga.push_back(alfa);
    }
    caption(agua, 2, kCaptionPa, kNmm2);
    valores(agua, 2, m_pa, QStringLiteral("Pa"));
    caption(agua, 3, kCaptionPaCrit, kNmm2);
    valores(agua, 3, m_paCrit, QStringLiteral("PaCrit"));

    contenido()->addStretch(1);
    setTabOrder(m_alfa.at(kCorto), m_alfa.at(kLargo));
}

void Estabilidad::muestra(const VistaEstabilidad& vista) {
    for (QWidget* w : m_columnaLarga)
        w->setVisible(vista.columnaLargoPlazo);
    if (!vista.columnaLargoPlazo) {
        for (QGridLayout* rejilla : m_rejillas)
            rejilla->setColumnMinimumWidth(2, 0);
    }

    m_qvCrit.at(kCorto)->setText(qs(vista.textoQvCrit));
    m_qvCrit.at(kLargo)->setText(qs(vista.textoQvCritLP));
    m_alfa.at(kCorto)->setText(qs(vista.entrada.textoAlfaCorto.texto));
    m_alfa.at(kLargo)->setText(qs(vista.entrada.textoAlfaLargo.texto));
    // A pressure the calculation leaves alone keeps the cell as it was.
    const auto presion = [](QLabel* celda, const std::optional<std::string>& texto) {
        if (texto)
            celda->setText(qs(*texto));
    };
    presion(m_pa.at(kCorto), vista.textoPa);
    presion(m_paCrit.at(kCorto), vista.textoPaCrit);
    presion(m_pa.at(kLargo), vista.textoPaLP);
    presion(m_paCrit.at(kLargo), vista.textoPaCritLP);
}

QLineEdit* Estabilidad::control(ControlEstabilidad foco) const {
    return foco == ControlEstabilidad::AlfaLargo ? m_alfa.at(kLargo) : m_alfa.at(kCorto);
}

void Estabilidad::cierra(Boton boton) {
    const EntradaEstabilidad entrada{CajaTexto(m_alfa.at(kCorto)->text().toStdString()),
                                     CajaTexto(m_alfa.at(kLargo)->text().toStdString())};
    const std::optional<Rechazo> rechazo = Cierra_Estabilidad(proyecto(), entrada, boton);
    if (!rechazo) {
        cierraCon(proyecto().Codigo_Navegacion);
        return;
    }
    const auto foco = static_cast<ControlEstabilidad>(rechazo->foco);
    // The critical pressures follow the coefficients just read, even the refused one.
    const Separadores& sep = contexto().separadores;
    m_paCrit.at(kCorto)->setText(
        qs(formateaEtiqueta(proyecto().Pa_Crit, kFormatoPresionAgua, sep)));
    if (foco == ControlEstabilidad::AlfaLargo)
        m_paCrit.at(kLargo)->setText(
            qs(formateaEtiqueta(proyecto().Pa_Crit_LP, kFormatoPresionAgua, sep)));
    if (!rechazo->mensaje.texto.empty())
        muestraMensaje(this, rechazo->mensaje);
    QLineEdit* campo = control(foco);
    if (rechazo->textoCorregido)
        campo->setText(qs(*rechazo->textoCorregido));
    campo->setFocus();
    campo->selectAll();
}

void Estabilidad::siguiente() {
    cierra(Boton::Siguiente);
}

void Estabilidad::atras() {
    // Without a calculation there is no coefficient to check: going back is always allowed.
    if (calculoRechazado()) {
        cierraCon(kNavegacionAtras);
        return;
    }
    cierra(Boton::Atras);
}

} // namespace tubrix::gui
