#include "screens/calc/tensiones.h"

#include "ui/barra_botones.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSizePolicy>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

constexpr std::size_t kAlfaKi = 0;
constexpr std::size_t kAlfaKa = 1;
constexpr std::size_t kFlexotraccion = 2;
constexpr std::size_t kSigmaClave = 3;
constexpr std::size_t kSigmaRinones = 4;
constexpr std::size_t kMaterial = 5;
constexpr std::size_t kSigmaBase = 6;
constexpr std::size_t kDv = 7;
constexpr std::size_t kDvRelativa = 8;
constexpr std::size_t kDvLP = 9;
constexpr std::size_t kDvRelativaLP = 10;
constexpr std::size_t kSigmaClaveLP = 11;
constexpr std::size_t kSigmaRinonesLP = 12;
constexpr std::size_t kSigmaBaseLP = 13;

const QString kNmm2 = QStringLiteral("N/mm²");
const QString kCaptionAlfaKi = QStringLiteral("Factor de corrección de la fibra interior (α ki)");
const QString kCaptionAlfaKa = QStringLiteral("Factor de corrección de la fibra exterior (α ka)");
const QString kCaptionFlexotraccion =
    QStringLiteral("Tensión de flexotracción de cálculo del material");
const QString kCaptionDv = QStringLiteral("Variación en el diámetro");
const QString kCaptionDvRelativa = QStringLiteral("Acortamiento relativo del diámetro vertical");
constexpr int kEspacioColumnas = 12;

} // namespace

Tensiones::Tensiones(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Tensiones,
                   QStringLiteral("Cálculo de tensiones y deformaciones"), parent) {
    construye();
    if (const Resultado<void> calculado = Calcula_Tensiones(proyecto()); !calculado) {
        // Nothing was calculated: the record still holds an earlier section's numbers.
        rechazaCalculo(calculado.error());
        return;
    }
    muestra(Vista_Tensiones(proyecto(), contexto.catalogo, contexto.separadores));
}

void Tensiones::construye() {
    const QFontMetrics medida(font());
    const int anchoValor = medida.horizontalAdvance(QStringLiteral("-000000,0000")) + 16;
    const int anchoUnidad = medida.horizontalAdvance(QStringLiteral("N/mm²")) + 8;
    // Captions on one line each: the widest one sets the caption column.
    int anchoCaption = 0;
    for (const QString& caption :
         {kCaptionAlfaKi, kCaptionAlfaKa, kCaptionFlexotraccion, kCaptionDv, kCaptionDvRelativa})
        anchoCaption = std::max(anchoCaption, medida.horizontalAdvance(caption) + 8);
    m_anchoMaterial = 2 * anchoValor + anchoUnidad + 2 * kEspacioColumnas;

    // The three sections share their column widths so that their values line up.
    const auto seccion = [&](const QString& titulo) {
        auto* grupo = new QGroupBox(titulo, this);
        auto* rejilla = new Rejilla(grupo);
        rejilla->setHorizontalSpacing(kEspacioColumnas);
        rejilla->setColumnMinimumWidth(0, anchoCaption);
        rejilla->setColumnMinimumWidth(1, anchoValor);
        rejilla->setColumnMinimumWidth(2, anchoValor);
        rejilla->setColumnMinimumWidth(3, anchoUnidad);
        contenido()->addWidget(grupo);
        return std::pair{grupo, rejilla};
    };
    const auto nombra = [this](QLabel* etiqueta, std::size_t i) {
        etiqueta->setObjectName(QStringLiteral("Celda_%1").arg(i));
        m_celdas.at(i) = etiqueta;
    };
    // A row of two value columns; a single value keeps its unit in the units column.
    const auto fila = [&](Rejilla* rejilla, const QString& caption, const QString& unidad,
                          std::size_t corto, std::optional<std::size_t> largo) {
        std::vector<QLabel*> valores = rejilla->anadeFilaVarias(caption, 2, unidad);
        nombra(valores.at(0), corto);
        if (largo) {
            nombra(valores.at(1), *largo);
            return;
        }
        // An unused column keeps its room (and its spacing), so that the sections line up.
        QSizePolicy politica = valores.at(1)->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        valores.at(1)->setSizePolicy(politica);
        valores.at(1)->hide();
        if (unidad.isEmpty()) {
            int numero = 0;
            int columna = 0;
            int filas = 0;
            int columnas = 0;
            rejilla->getItemPosition(rejilla->indexOf(valores.at(0)), &numero, &columna, &filas,
                                     &columnas);
            rejilla->addWidget(new QLabel, numero, 3);
        }
    };

    const auto [curvatura, rejillaCurvatura] =
        seccion(QStringLiteral("Cálculo de los factores de corrección por curvatura"));
    fila(rejillaCurvatura, kCaptionAlfaKi, {}, kAlfaKi, std::nullopt);
    fila(rejillaCurvatura, kCaptionAlfaKa, {}, kAlfaKa, std::nullopt);

    const auto [tensiones, rejillaTensiones] = seccion(QStringLiteral("Cálculo de tensiones"));
    {
        // The material's name is a text, often long: it takes both value columns.
        QLabel* material = rejillaTensiones->anadeFila(QStringLiteral("Material"));
        int filaMaterial = 0;
        int columna = 0;
        int filas = 0;
        int columnas = 0;
        rejillaTensiones->getItemPosition(rejillaTensiones->indexOf(material), &filaMaterial,
                                          &columna, &filas, &columnas);
        rejillaTensiones->removeWidget(material);
        rejillaTensiones->addWidget(material, filaMaterial, 1, 1, 3);
        material->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        material->setWordWrap(true);
        // A long name wraps inside the value columns instead of widening them.
        material->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        nombra(material, kMaterial);
    }
    fila(rejillaTensiones, QStringLiteral("Tensión de flexotracción de cálculo del material"),
         kNmm2, kFlexotraccion, std::nullopt);
    rejillaTensiones->anadeCabeceras(
        {QStringLiteral("Corto Plazo"), QStringLiteral("Largo Plazo")});
    m_cabeceraLargo = qobject_cast<QLabel*>(
        rejillaTensiones->itemAtPosition(rejillaTensiones->rowCount() - 1, 2)->widget());
    fila(rejillaTensiones, QStringLiteral("Clave"), kNmm2, kSigmaClave, kSigmaClaveLP);
    fila(rejillaTensiones, QStringLiteral("Riñones"), kNmm2, kSigmaRinones, kSigmaRinonesLP);
    fila(rejillaTensiones, QStringLiteral("Base"), kNmm2, kSigmaBase, kSigmaBaseLP);

    const auto [deformaciones, rejillaDeformaciones] =
        seccion(QStringLiteral("Cálculo de deformaciones"));
    m_deformaciones = deformaciones;
    m_deformaciones->setObjectName(QStringLiteral("Deformaciones"));
    rejillaDeformaciones->anadeCabeceras(
        {QStringLiteral("Corto Plazo"), QStringLiteral("Largo Plazo")});
    fila(rejillaDeformaciones, QStringLiteral("Variación en el diámetro"), QStringLiteral("mm"),
         kDv, kDvLP);
    fila(rejillaDeformaciones, kCaptionDvRelativa, QStringLiteral("%"), kDvRelativa, kDvRelativaLP);

    contenido()->addStretch(1);
}

void Tensiones::muestra(const VistaTensiones& vista) {
    for (std::size_t i = 0; i < kCeldasTensiones; ++i)
        m_celdas.at(i)->setText(qs(vista.celdas.at(i)));
    QLabel* material = m_celdas.at(kMaterial);
    const int margen = 2 * (material->frameWidth() + material->margin()) + 4;
    material->setMinimumHeight(material->fontMetrics()
                                   .boundingRect(QRect(0, 0, m_anchoMaterial - margen, 1000),
                                                 Qt::TextWordWrap, material->text())
                                   .height() +
                               margen);

    const bool largo = vista.visibilidad.largoPlazoVisible;
    m_cabeceraLargo->setVisible(largo);
    for (const std::size_t i : {kSigmaClaveLP, kSigmaRinonesLP, kSigmaBaseLP})
        m_celdas.at(i)->setVisible(largo);

    // Without deformation checks the section stays in view, greyed and empty.
    m_deformaciones->setEnabled(vista.visibilidad.deformacionesHabilitadas);
}

} // namespace tubrix::gui
