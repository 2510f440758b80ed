#include "screens/calc/verificacion_1.h"

#include "estudio/estudio_parametrico.h"
#include "estudio/seleccion_tubos.h"
#include "estudio/tablas_recubrimiento.h"
#include "estudio/ventana_obra.h"
#include "model/fichero_proyecto.h"
#include "report/informe.h"
#include "ui/barra_botones.h"
#include "ui/guarda_proyecto.h"
#include "ui/informe_acciones.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"
#include "util/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSizePolicy>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

using Fila = FilaVerificacion;

// Columns of the three section grids.
constexpr int kColCaption = 0;
constexpr int kColRequerido = 1;
constexpr int kColCorto = 2;
constexpr int kColLargo = 3;
constexpr int kColVeredicto = 4;
constexpr int kEspacio = 12;

QLabel* celda(QWidget* padre, const QString& nombre, bool marco) {
    auto* etiqueta = new QLabel(padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setAlignment(marco ? Qt::AlignRight | Qt::AlignVCenter
                                 : Qt::AlignLeft | Qt::AlignVCenter);
    if (marco)
        etiqueta->setFrameShape(QFrame::StyledPanel);
    // A hidden cell keeps its room, so that the columns of the three tables stay in line.
    QSizePolicy politica = etiqueta->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    etiqueta->setSizePolicy(politica);
    etiqueta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return etiqueta;
}

QLabel* cabecera(QWidget* padre, const QString& texto) {
    auto* etiqueta = new QLabel(QStringLiteral("<b>%1</b>").arg(texto), padre);
    etiqueta->setAlignment(Qt::AlignCenter);
    QSizePolicy politica = etiqueta->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    etiqueta->setSizePolicy(politica);
    return etiqueta;
}

} // namespace

Verificacion_1::Verificacion_1(Contexto& contexto, QWidget* parent)
    : PantallaBase(contexto, Pantalla::Verificacion_1,
                   QStringLiteral("Verificación de esfuerzos, tensiones y deformaciones"), parent) {
    construye();
    if (const Resultado<void> calculado = Calcula_Verificacion(proyecto()); !calculado) {
        // The verdicts in the record belong to an earlier calculation: none of them is shown.
        rechazaCalculo(calculado.error());
        // No report of a section that was not calculated: asking for one repeats why.
        m_rechazo = calculado.error().mensaje;
        for (CeldasFila& f : m_filas)
            for (QLabel* l : {f.requerido, f.corto, f.largo, f.veredicto})
                l->hide();
        m_conclusion->hide();
        return;
    }
    muestra(Vista_Verificacion(proyecto(), contexto.separadores));
}

void Verificacion_1::construye() {
    BarraBotones* b = barra();
    // The step is left forward only by saving; the one arrow goes back.
    b->siguiente()->hide();
    b->atras()->setText(QStringLiteral("Cerrar"));
    b->atras()->setToolTip(QStringLiteral("Volver al paso anterior"));
    b->atras()->setMinimumWidth(b->atras()->sizeHint().width());

    m_guardar = new QPushButton(QStringLiteral("Guardar"), b);
    m_guardar->setObjectName(QStringLiteral("Guardar"));
    m_guardar->setToolTip(QStringLiteral("Guardar el proyecto y terminar"));
    b->anadeBoton(m_guardar);
    connect(m_guardar, &QPushButton::clicked, this, [this] { guarda(); });

    // The report: printed (through a preview), as page images, or as a PDF file.
    const std::array<std::tuple<QString, QString, void (*)(QWidget*, Contexto&)>, 3> informes{
        std::tuple{QStringLiteral("Imprimir"), QStringLiteral("Imprimir"), &imprimeInforme},
        std::tuple{QStringLiteral("Imágenes de página"), QStringLiteral("Command1"),
                   &guardaImagenesInforme},
        std::tuple{QStringLiteral("Exportar PDF"), QStringLiteral("ExportarPdf"),
                   &exportaInformePdf}};
    for (const auto& [texto, nombre, accion] : informes) {
        auto* boton = new QPushButton(texto, b);
        boton->setObjectName(nombre);
        b->anadeBoton(boton);
        m_informe.push_back(boton);
        connect(boton, &QPushButton::clicked, this, [this, accion = accion] {
            if (m_rechazo)
                muestraMensaje(this, {*m_rechazo + "\n" + std::string(kInformeNoGenerado),
                                      Icono::Exclamacion, false, "Aviso"});
            else
                accion(this, contexto());
        });
    }

    const QFontMetrics medida(font());
    QFont negrita = font();
    negrita.setBold(true);
    // Column widths from the bold headings, so that no heading widens its column and the three
    // tables keep the same columns.
    const QFontMetrics cabeceras(negrita);
    const int anchoRequerido =
        std::max(cabeceras.horizontalAdvance(QStringLiteral("Seguridad requerida")),
                 cabeceras.horizontalAdvance(QStringLiteral("Valor admisible"))) +
        12;
    const int anchoValor =
        std::max(
            cabeceras.horizontalAdvance(QStringLiteral("Largo Plazo")),
            (cabeceras.horizontalAdvance(QStringLiteral("Coeficiente de seguridad calculado")) -
             kEspacio) /
                2) +
        12;
    const int anchoVeredicto = medida.horizontalAdvance(QStringLiteral("Tubo NO válido")) + 16;
    // The caption column fits the captions on one line, but for the longest one, which wraps.
    int anchoCaption = 0;
    for (const QString& caption : {QStringLiteral("Presión del agua externa"),
                                   QStringLiteral("Acortamiento relativo a largo plazo")})
        anchoCaption = std::max(anchoCaption, medida.horizontalAdvance(caption) + 8);

    struct Seccion {
        QString titulo;
        QString requerido;
        QString calculado;
        std::vector<std::pair<Fila, QString>> filas;
    };
    const std::array<Seccion, 3> secciones{
        Seccion{QStringLiteral("Verificación de la tensión"),
                QStringLiteral("Seguridad requerida"),
                QStringLiteral("Coeficiente de seguridad calculado"),
                {{Fila::TensionClave, QStringLiteral("Clave")},
                 {Fila::TensionRinones, QStringLiteral("Riñones")},
                 {Fila::TensionBase, QStringLiteral("Base")}}},
        Seccion{QStringLiteral("Verificación de la estabilidad"),
                QStringLiteral("Seguridad requerida"),
                QStringLiteral("Coeficiente de seguridad calculado"),
                {{Fila::EstabilidadTierras, QStringLiteral("Carga de tierras")},
                 {Fila::EstabilidadAgua, QStringLiteral("Presión del agua externa")},
                 {Fila::EstabilidadSimultanea,
                  QStringLiteral("Carga de tierras y presión del agua externa actuando "
                                 "simultáneamente")}}},
        Seccion{QStringLiteral("Verificación de la deformación"),
                QStringLiteral("Valor admisible"),
                QStringLiteral("Valor calculado"),
                {{Fila::Deformacion, QStringLiteral("Acortamiento relativo a largo plazo")}}},
    };

    for (std::size_t s = 0; s < secciones.size(); ++s) {
        const Seccion& seccion = secciones.at(s);
        auto* grupo = new QGroupBox(seccion.titulo, this);
        auto* rejilla = new QGridLayout(grupo);
        rejilla->setHorizontalSpacing(kEspacio);
        rejilla->setVerticalSpacing(4);
        rejilla->setColumnStretch(kColCaption, 1);
        rejilla->setColumnMinimumWidth(kColCaption, anchoCaption);
        // Equal widths in every section keep the columns of the three tables in line.
        rejilla->setColumnMinimumWidth(kColRequerido, anchoRequerido);
        rejilla->setColumnMinimumWidth(kColCorto, anchoValor);
        rejilla->setColumnMinimumWidth(kColLargo, anchoValor);
        rejilla->setColumnMinimumWidth(kColVeredicto, anchoVeredicto);

        rejilla->addWidget(cabecera(grupo, seccion.requerido), 0, kColRequerido, 2, 1);
        rejilla->addWidget(cabecera(grupo, seccion.calculado), 0, kColCorto, 1, 2);
        rejilla->addWidget(cabecera(grupo, QStringLiteral("Corto Plazo")), 1, kColCorto);
        m_cabecerasLargo.at(s) = cabecera(grupo, QStringLiteral("Largo Plazo"));
        rejilla->addWidget(m_cabecerasLargo.at(s), 1, kColLargo);

        int numero = 2;
        for (const auto& [fila, texto] : seccion.filas) {
            auto* caption = new QLabel(texto, grupo);
            if (medida.horizontalAdvance(texto) > anchoCaption) {
                caption->setWordWrap(true);
                caption->setMinimumHeight(
                    medida.boundingRect(QRect(0, 0, anchoCaption, 1000), Qt::TextWordWrap, texto)
                        .height());
            }
            rejilla->addWidget(caption, numero, kColCaption);
            const QString n = QString::number(indice(fila) + 1);
            CeldasFila& celdas = m_filas.at(indice(fila));
            celdas.requerido = celda(grupo, QStringLiteral("Requerido_") + n, true);
            celdas.corto = celda(grupo, QStringLiteral("Corto_") + n, true);
            celdas.largo = celda(grupo, QStringLiteral("Largo_") + n, true);
            celdas.veredicto = celda(grupo, QStringLiteral("Veredicto_") + n, false);
            rejilla->addWidget(celdas.requerido, numero, kColRequerido, Qt::AlignVCenter);
            rejilla->addWidget(celdas.corto, numero, kColCorto, Qt::AlignVCenter);
            rejilla->addWidget(celdas.largo, numero, kColLargo, Qt::AlignVCenter);
            rejilla->addWidget(celdas.veredicto, numero, kColVeredicto, Qt::AlignVCenter);
            ++numero;
        }
        contenido()->addWidget(grupo);
    }

    m_conclusion = new QLabel(this);
    m_conclusion->setObjectName(QStringLiteral("Conclusion"));
    m_conclusion->setAlignment(Qt::AlignCenter);
    QFont grande = m_conclusion->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    grande.setBold(true);
    m_conclusion->setFont(grande);
    contenido()->addSpacing(6);
    contenido()->addWidget(m_conclusion);

    // Beside the conclusion, the two ways of asking what would make the section work.
    auto* estudio = new QHBoxLayout;
    m_buscarTubos = new QPushButton(QStringLiteral("Buscar tubos válidos"), this);
    m_buscarTubos->setObjectName(QStringLiteral("BuscarTubos"));
    m_buscarTubos->setToolTip(QStringLiteral("Probar en esta sección cada tubo del catálogo"));
    m_estudio = new QPushButton(QStringLiteral("Estudio paramétrico"), this);
    m_estudio->setObjectName(QStringLiteral("EstudioParametrico"));
    m_estudio->setToolTip(
        QStringLiteral("Ver cómo cambia la verificación al variar un dato de la sección"));
    m_obra = new QPushButton(QStringLiteral("Obra con esta sección"), this);
    m_obra->setObjectName(QStringLiteral("ObraConEstaSeccion"));
    m_obra->setToolTip(
        QStringLiteral("Calcular de una vez los tramos de una obra que parten de esta sección"));
    m_tablas = new QPushButton(QStringLiteral("Tablas de recubrimiento"), this);
    m_tablas->setObjectName(QStringLiteral("TablasRecubrimiento"));
    m_tablas->setToolTip(QStringLiteral(
        "Profundidades mínima y máxima de cada tubo de una serie, con esta sección como base"));
    for (QPushButton* boton : {m_buscarTubos, m_estudio, m_tablas, m_obra})
        boton->setAutoDefault(false); // Enter on the screen must not open them
    estudio->addStretch(1);
    estudio->addWidget(m_buscarTubos);
    estudio->addWidget(m_estudio);
    estudio->addWidget(m_obra);
    estudio->addWidget(m_tablas);
    estudio->addStretch(1);
    contenido()->addLayout(estudio);
    contenido()->addStretch(1);
    connect(m_buscarTubos, &QPushButton::clicked, this, [this] { buscaTubos(); });
    connect(m_estudio, &QPushButton::clicked, this, [this] { abreEstudio(); });
    connect(m_obra, &QPushButton::clicked, this, [this] { abreObra(); });
    connect(m_tablas, &QPushButton::clicked, this, [this] {
        TablasRecubrimiento tablas(contexto(), this);
        tablas.exec();
    });
}

void Verificacion_1::muestra(const VistaVerificacion& vista) {
    for (const Fila f : kFilasVerificacion) {
        const FilaVistaVerificacion& datos = vista.filas[f];
        const CeldasFila& celdas = m_filas.at(indice(f));
        celdas.requerido->setText(qs(datos.requerido));
        celdas.corto->setText(qs(datos.corto));
        celdas.largo->setText(qs(datos.largo.value_or(std::string())));
        celdas.veredicto->setText(qs(datos.veredicto.value_or(std::string())));
        // A row that does not apply shows only "No procede", in place of its values.
        celdas.requerido->setVisible(datos.visible && datos.procede);
        celdas.corto->setVisible(datos.visible);
        celdas.largo->setVisible(datos.visible && datos.largo.has_value());
        celdas.veredicto->setVisible(datos.veredicto.has_value());
    }
    // A section's long-term heading stands only over values.
    const std::array<std::vector<Fila>, 3> porSeccion{
        std::vector{Fila::TensionClave, Fila::TensionRinones, Fila::TensionBase},
        std::vector{Fila::EstabilidadTierras, Fila::EstabilidadAgua, Fila::EstabilidadSimultanea},
        std::vector{Fila::Deformacion}};
    for (std::size_t s = 0; s < porSeccion.size(); ++s) {
        bool alguna = false;
        for (const Fila f : porSeccion.at(s))
            alguna = alguna || (vista.filas[f].visible && vista.filas[f].largo.has_value());
        m_cabecerasLargo.at(s)->setVisible(alguna);
    }
    m_conclusion->setText(Tubo_Valido(proyecto()) ? QStringLiteral("TUBO VÁLIDO")
                                                  : QStringLiteral("TUBO NO VÁLIDO"));
}

void Verificacion_1::guarda() {
    if (guardaProyecto(this, contexto()))
        cierraCon(kNavegacionSiguiente); // saved: the wizard ends; cancelled: the screen stays
}

void Verificacion_1::buscaTubos() {
    SeleccionTubos seleccion(contexto(), this);
    if (seleccion.exec() != QDialog::Accepted || !seleccion.elegido())
        return;
    // The record now names another pipe, whose properties only the pipe screen loads: the
    // wizard goes straight back to it, so that every screen is passed again with that pipe.
    proyecto().Paso = static_cast<std::int16_t>(kPrimerPaso + 1);
    cierraCon(kNavegacionAtras);
}

void Verificacion_1::abreEstudio() {
    EstudioParametrico estudio(contexto(), this);
    estudio.exec();
}

void Verificacion_1::abreObra() {
    VentanaObra obra(contexto(), proyecto(), this);
    obra.exec();
}

void Verificacion_1::siguiente() {
    // There is no way forward but saving: the arrow is hidden and does nothing.
}

} // namespace tubrix::gui
