#include "estudio/estudio_parametrico.h"

#include "chain/tablas_estudio.h"
#include "estudio/cursor_ocupado.h"
#include "estudio/fila_botones.h"
#include "estudio/tabla_resultados.h"
#include "format/formato.h"
#include "format/lee_numero.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <string>
#include <utility>

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

constexpr std::array kParametros{Parametro::Recubrimiento, Parametro::Freatico, Parametro::Anchura,
                                 Parametro::ModuloE2, Parametro::CargaP0};
constexpr int kMaximoIntervalos = 5000;

double redondea(double valor, double paso) {
    return std::round(valor / paso) * paso;
}

struct Rango {
    double desde = 0;
    double hasta = 0;
    int intervalos = 100;
};

int intervalosDe(double desde, double hasta, double paso) {
    return std::clamp(static_cast<int>(std::lround(std::fabs(hasta - desde) / paso)), 10, 1000);
}

// A sensible sweep around the section's value of each input.
Rango rangoPorDefecto(const Proyecto& p, Parametro parametro) {
    switch (parametro) {
    case Parametro::Recubrimiento:
        // The heights the installation screen accepts, every 10 cm.
        return {0.5, 20.0, 195};
    case Parametro::Freatico: {
        // From the surface down to just above the fill height the groundwater screen allows.
        const double relleno =
            p.Tipo_Instalacion == 2 ? p.H1 + p.H2 : (p.Tipo_Instalacion == 3 ? p.H2 : p.H);
        const double hasta =
            relleno > 0.2 ? std::min(20.0, std::ceil(relleno * 10 - 1e-9) / 10 - 0.1) : 1.0;
        return {0.0, hasta, intervalosDe(0, hasta, 0.05)};
    }
    case Parametro::Anchura: {
        const double b = p.B > 0 ? p.B : 1.0;
        const double desde = std::max(0.1, redondea(b / 2, 0.05));
        const double hasta = std::max(desde + 0.5, redondea(b * 2, 0.05));
        return {desde, hasta, intervalosDe(desde, hasta, 0.01)};
    }
    case Parametro::ModuloE2: {
        if (!(p.E2 > 0))
            return {0.5, 20.0, 195};
        const double paso = pasoRedondo(p.E2, 20);
        const double desde = std::max(paso, redondea(p.E2 / 4, paso));
        return {desde, redondea(p.E2 * 4, paso), 100};
    }
    case Parametro::CargaP0: {
        const double hasta = std::max(50.0, std::ceil(p.P0 * 2 / 10) * 10);
        return {0.0, hasta, intervalosDe(0, hasta, 0.5)};
    }
    }
    return {};
}

} // namespace

EstudioParametrico::EstudioParametrico(Contexto& contexto, QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_seccion(contexto.proyecto) {
    setWindowTitle(QStringLiteral("Estudio paramétrico"));
    setObjectName(QStringLiteral("EstudioParametrico"));
    setModal(true);
    m_pideCsv = dialogoExportacion(TipoExportacion::Csv, QStringLiteral("Exportar el estudio"));
    m_pidePng = dialogoExportacion(TipoExportacion::Png, QStringLiteral("Exportar el gráfico"));
    construye();
    ponValoresPorDefecto();
    calcula();

    const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(1200, pantalla.width() * 92 / 100),
           std::min(860, pantalla.height() * 92 / 100));
}

QString EstudioParametrico::caption(Parametro parametro) const {
    switch (parametro) {
    case Parametro::Recubrimiento:
        return m_seccion.Tipo_Instalacion == 2 ? QStringLiteral("Altura de recubrimiento H1 (m)")
                                               : QStringLiteral("Altura de recubrimiento H (m)");
    case Parametro::Freatico:
        return QStringLiteral("Profundidad del nivel freático Hf (m)");
    case Parametro::Anchura:
        return QStringLiteral("Anchura de la zanja B (m)");
    case Parametro::ModuloE2:
        return QStringLiteral("Módulo E2 de la zona 2 (N/mm2)");
    case Parametro::CargaP0:
        return QStringLiteral("Carga superficial P0 (kN/m2)");
    }
    return {};
}

std::optional<double> EstudioParametrico::valorDeLaSeccion(Parametro parametro) const {
    const Proyecto& p = m_seccion;
    switch (parametro) {
    case Parametro::Recubrimiento:
        return p.Tipo_Instalacion == 2 ? p.H1 : p.H;
    case Parametro::Freatico:
        return p.Nivel_Freatico != 0 ? std::optional(p.Hw) : std::nullopt;
    case Parametro::Anchura:
        return p.B > 0 ? std::optional(p.B) : std::nullopt;
    case Parametro::ModuloE2:
        return p.E2 > 0 ? std::optional(p.E2) : std::nullopt;
    case Parametro::CargaP0:
        return p.Hay_Cargas_Superficie != 0 ? std::optional(p.P0) : std::nullopt;
    }
    return std::nullopt;
}

const std::vector<PuntoEstudio>& EstudioParametrico::puntos() const {
    return m_modelo->puntos();
}

void EstudioParametrico::construye() {
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(16, 12, 16, 12);
    raiz->setSpacing(8);

    auto* dato = new QGroupBox(QStringLiteral("Dato estudiado"), this);
    auto* rejilla = new QGridLayout(dato);
    m_parametro = new QComboBox(dato);
    m_parametro->setObjectName(QStringLiteral("Parametro"));
    for (const Parametro p : kParametros)
        m_parametro->addItem(caption(p), QVariant(static_cast<int>(p)));
    m_desde = new QLineEdit(dato);
    m_desde->setObjectName(QStringLiteral("Desde"));
    m_hasta = new QLineEdit(dato);
    m_hasta->setObjectName(QStringLiteral("Hasta"));
    for (QLineEdit* caja : {m_desde, m_hasta}) {
        caja->setAlignment(Qt::AlignRight);
        caja->setMaximumWidth(caja->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 12);
    }
    m_pasos = new QSpinBox(dato);
    m_pasos->setObjectName(QStringLiteral("Intervalos"));
    m_pasos->setRange(1, kMaximoIntervalos);
    m_calcular = new QPushButton(QStringLiteral("Calcular"), dato);
    m_calcular->setObjectName(QStringLiteral("Calcular"));
    m_calcular->setDefault(true); // Enter in a box recalculates
    m_valorActual = new QLabel(dato);
    m_valorActual->setObjectName(QStringLiteral("ValorActual"));

    const auto etiqueta = [dato](const char* texto, QWidget* control) {
        auto* l = new QLabel(QString::fromUtf8(texto), dato);
        l->setBuddy(control);
        return l;
    };
    rejilla->addWidget(etiqueta("Dato:", m_parametro), 0, 0);
    rejilla->addWidget(m_parametro, 0, 1, 1, 5);
    rejilla->addWidget(m_valorActual, 0, 6, 1, 2);
    rejilla->addWidget(etiqueta("Desde:", m_desde), 1, 0);
    rejilla->addWidget(m_desde, 1, 1);
    rejilla->addWidget(etiqueta("Hasta:", m_hasta), 1, 2);
    rejilla->addWidget(m_hasta, 1, 3);
    rejilla->addWidget(etiqueta("Número de intervalos:", m_pasos), 1, 4);
    rejilla->addWidget(m_pasos, 1, 5);
    rejilla->addWidget(m_calcular, 1, 6);
    rejilla->setColumnStretch(7, 1);
    raiz->addWidget(dato);

    m_grafico = new GraficoEstudio(m_contexto.separadores, this);
    m_modelo = new ModeloPuntos(m_contexto.separadores, this);
    m_tabla = tablaDeResultados(this, m_modelo);

    auto* division = new QSplitter(Qt::Vertical, this);
    division->addWidget(m_grafico);
    division->addWidget(m_tabla);
    division->setStretchFactor(0, 2);
    division->setStretchFactor(1, 1);
    division->setSizes({600, 300}); // two thirds for the chart, whatever the table would like
    division->setChildrenCollapsible(false);
    raiz->addWidget(division, 1);

    m_estado = new QLabel(this);
    m_estado->setObjectName(QStringLiteral("Estado"));
    m_estado->setWordWrap(true);
    raiz->addWidget(m_estado);
    m_limites = new QLabel(this);
    m_limites->setObjectName(QStringLiteral("Limites"));
    m_limites->setTextInteractionFlags(Qt::TextSelectableByMouse);
    raiz->addWidget(m_limites);

    m_exportarCsv =
        botonEstudio(QStringLiteral("Exportar CSV"), QStringLiteral("ExportarCsv"), this);
    m_exportarPng =
        botonEstudio(QStringLiteral("Exportar PNG"), QStringLiteral("ExportarPng"), this);
    raiz->addLayout(filaBotonesEstudio(this, {m_exportarCsv, m_exportarPng}));

    connect(m_parametro, &QComboBox::currentIndexChanged, this, [this] {
        ponValoresPorDefecto();
        calcula();
    });
    connect(m_calcular, &QPushButton::clicked, this, [this] { calcula(); });
    connect(m_exportarCsv, &QPushButton::clicked, this, [this] { exportaCsv(); });
    connect(m_exportarPng, &QPushButton::clicked, this, [this] { exportaPng(); });
}

Parametro EstudioParametrico::elegido() const {
    return static_cast<Parametro>(m_parametro->currentData().toInt());
}

void EstudioParametrico::ponValoresPorDefecto() {
    const Parametro parametro = elegido();
    const Rango rango = rangoPorDefecto(m_seccion, parametro);
    const Separadores& sep = m_contexto.separadores;
    // No grouping, so that the boxes read back unchanged.
    m_desde->setText(qs(formatea(rango.desde, "##0.0##", sep)));
    m_hasta->setText(qs(formatea(rango.hasta, "##0.0##", sep)));
    m_pasos->setValue(rango.intervalos);
    const std::optional<double> actual = valorDeLaSeccion(parametro);
    if (actual)
        m_valorActual->setText(
            QStringLiteral("Valor de la sección: %1 %2")
                .arg(qs(formatea(*actual, "#,##0.0##", sep)), qs(unidadDelParametro(parametro))));
    else if (parametro == Parametro::Freatico)
        m_valorActual->setText(QStringLiteral("La sección no tiene nivel freático."));
    else if (parametro == Parametro::CargaP0)
        m_valorActual->setText(QStringLiteral("La sección no tiene carga superficial."));
    else
        m_valorActual->clear();
}

void EstudioParametrico::calcula() {
    const Parametro parametro = elegido();
    const double desde = Lee_Numero(m_desde->text().toStdString());
    const double hasta = Lee_Numero(m_hasta->text().toStdString());
    if (desde == hasta) {
        muestraMensaje(this, {"El valor final debe ser distinto del inicial.", Icono::Exclamacion,
                              true, "Aviso"});
        m_hasta->setFocus();
        m_hasta->selectAll();
        return;
    }
    std::vector<PuntoEstudio> puntos;
    try {
        const CursorOcupado ocupado;
        puntos = Estudio_Parametrico(m_seccion, m_contexto.catalogo, parametro, desde, hasta,
                                     m_pasos->value());
        if (parametro == Parametro::Recubrimiento && !m_limitesProfundidad)
            m_limitesProfundidad = Limites_Profundidad(m_seccion, m_contexto.catalogo);
    } catch (const std::exception& error) {
        muestraMensaje(this, {std::string("No se ha podido calcular el estudio: ") + error.what(),
                              Icono::Critico, false, "Aviso"});
        return;
    }

    // The rows that count somewhere in the sweep, in the verification's order.
    std::vector<FilaVerificacion> filas;
    for (const FilaVerificacion fila : kFilasVerificacion)
        if (std::any_of(puntos.begin(), puntos.end(), [fila](const PuntoEstudio& p) {
                return !p.rechazo && p.utilizacion[fila].has_value();
            }))
            filas.push_back(fila);

    m_calculado = parametro;
    m_grafico->dibuja({caption(parametro), valorDeLaSeccion(parametro)}, puntos, filas, desde,
                      hasta);
    m_modelo->pon(qs(cabeceraDelParametro(parametro, m_seccion)), std::move(puntos),
                  std::move(filas));
    m_tabla->resizeColumnsToContents();

    std::size_t validos = 0;
    std::size_t noValidos = 0;
    std::size_t rechazados = 0;
    for (const PuntoEstudio& p : m_modelo->puntos())
        ++(p.rechazo ? rechazados : (p.valido ? validos : noValidos));
    QString estado =
        QStringLiteral("%1: %2, %3. %4.")
            .arg(plural(m_modelo->puntos().size(), "punto calculado", "puntos calculados"),
                 plural(validos, "válido", "válidos"), plural(noValidos, "no válido", "no válidos"),
                 plural(rechazados, "punto rechazado", "puntos rechazados"));
    if (rechazados > 0)
        estado += QStringLiteral(" Los puntos rechazados quedan como huecos en el gráfico; el "
                                 "motivo está en la tabla.");
    m_estado->setText(estado);
    muestraLimites();
    m_exportarCsv->setEnabled(true);
    m_exportarPng->setEnabled(true);
}

void EstudioParametrico::muestraLimites() {
    const bool profundidad = elegido() == Parametro::Recubrimiento && m_limitesProfundidad;
    m_limites->setVisible(profundidad);
    if (!profundidad)
        return;
    const LimitesProfundidad& l = *m_limitesProfundidad;
    if (!l.minima || !l.maxima) {
        m_limites->setText(
            QStringLiteral("El tubo no es válido a ninguna profundidad entre 0,5 y 20 m."));
        return;
    }
    const Separadores& sep = m_contexto.separadores;
    m_limites->setText(QStringLiteral("Profundidad mínima admisible: %1 m      "
                                      "Profundidad máxima admisible: %2 m")
                           .arg(qs(formatea(*l.minima, "#,##0.00", sep)),
                                qs(formatea(*l.maxima, "#,##0.00", sep))));
}

void EstudioParametrico::exportaCsv() {
    if (!m_calculado)
        return;
    const std::string sugerido = "estudio-" + std::string(nombreParametro(*m_calculado)) + ".csv";
    exporta(this, m_pideCsv, sugerido, [this] {
        return contenido(csvDelEstudio(cabeceraDelParametro(*m_calculado, m_seccion), puntos(),
                                       FormatoCsv::paraDecimal(m_contexto.separadores.decimal)));
    });
}

// The picture names what it shows: the parameter, the section and the day it was made.
QString EstudioParametrico::tituloDelGrafico() const {
    return QStringLiteral("Estudio paramétrico: %1 — %2<br>%3")
        .arg(caption(*m_calculado).toHtmlEscaped(),
             QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")),
             qs(nombreDeLaSeccion(m_seccion)).toHtmlEscaped());
}

void EstudioParametrico::exportaPng() {
    if (!m_calculado)
        return;
    const std::string sugerido = "estudio-" + std::string(nombreParametro(*m_calculado)) + ".png";
    exporta(this, m_pidePng, sugerido,
            [this] { return bytesPng(m_grafico->imagenConTitulo(tituloDelGrafico())); });
}

} // namespace tubrix::gui
