#include "estudio/estudio_parametrico.h"

#include "chain/tablas_estudio.h"
#include "estudio/fila_botones.h"
#include "format/formato.h"
#include "format/lee_numero.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"
#include "util/atomic_file.h"
#include "util/paths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <string>
#include <utility>

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPen>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

namespace tubrix::gui {
namespace {

constexpr std::array kParametros{Parametro::Recubrimiento, Parametro::Freatico, Parametro::Anchura,
                                 Parametro::ModuloE2, Parametro::CargaP0};
constexpr int kMaximoIntervalos = 5000;

// The busy cursor while the engine runs (milliseconds; the UI thread is fine for that).
class CursorOcupado {
public:
    CursorOcupado() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QGuiApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

// One colour per verification row, the same whatever is swept.
QColor colorDeFila(FilaVerificacion fila) {
    static const std::array<QColor, kFilasVerificacion.size()> kColores{
        QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
        QColor(0x94, 0x67, 0xbd), QColor(0x17, 0xbe, 0xcf), QColor(0x8c, 0x56, 0x4b),
        QColor(0xd6, 0x27, 0x28)};
    return kColores.at(static_cast<std::size_t>(fila));
}

Veredicto veredictoDe(const PuntoEstudio& p) {
    return p.rechazo ? Veredicto::Rechazado : (p.valido ? Veredicto::Valido : Veredicto::NoValido);
}

QString plural(std::size_t n, const char* singular, const char* varios) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : varios));
}

double redondea(double valor, double paso) {
    return std::round(valor / paso) * paso;
}

// A step of 1, 2 or 5 times a power of ten that cuts the range into about `partes`.
double pasoRedondo(double rango, int partes) {
    const double bruto = rango / partes;
    if (!(bruto > 0) || !std::isfinite(bruto))
        return 1;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (const double m : {1.0, 2.0, 5.0})
        if (bruto <= m * potencia)
            return m * potencia;
    return 10 * potencia;
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

QString unidad(Parametro parametro) {
    switch (parametro) {
    case Parametro::ModuloE2:
        return QStringLiteral("N/mm2");
    case Parametro::CargaP0:
        return QStringLiteral("kN/m2");
    default:
        return QStringLiteral("m");
    }
}

} // namespace

std::vector<QList<QPointF>> tramosDeFila(const std::vector<PuntoEstudio>& puntos,
                                         FilaVerificacion fila, double fueraDeEscala) {
    std::vector<QList<QPointF>> tramos;
    QList<QPointF> actual;
    for (const PuntoEstudio& p : puntos) {
        const std::optional<double>& uso = p.utilizacion[fila];
        const bool noPositivo = p.coeficienteNoPositivo[fila].has_value();
        if (p.rechazo || (!uso && !noPositivo)) {
            if (!actual.isEmpty())
                tramos.push_back(std::exchange(actual, {}));
            continue;
        }
        // A row failed by a non-positive factor (a stress of the other sign) leaves the top of
        // the chart.
        actual.append(QPointF(p.valor, noPositivo ? fueraDeEscala : *uso));
    }
    if (!actual.isEmpty())
        tramos.push_back(std::move(actual));
    return tramos;
}

std::vector<std::pair<double, double>> tramosValidos(const std::vector<PuntoEstudio>& puntos) {
    std::vector<std::pair<double, double>> tramos;
    bool dentro = false;
    for (const PuntoEstudio& p : puntos) {
        const bool valido = !p.rechazo && p.valido;
        if (valido && !dentro)
            tramos.emplace_back(p.valor, p.valor);
        if (valido)
            tramos.back().second = p.valor;
        dentro = valido;
    }
    return tramos;
}

// ---------------------------------------------------------------------------------------------

ModeloPuntos::ModeloPuntos(Separadores separadores, QObject* parent)
    : QAbstractTableModel(parent), m_separadores(std::move(separadores)) {}

void ModeloPuntos::pon(QString cabeceraValor, std::vector<PuntoEstudio> puntos,
                       std::vector<FilaVerificacion> filas) {
    beginResetModel();
    m_cabeceraValor = std::move(cabeceraValor);
    m_puntos = std::move(puntos);
    m_filas = std::move(filas);
    endResetModel();
}

int ModeloPuntos::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_puntos.size());
}

// Value, verdict, one column per counting row, the two deflections and the refusal.
int ModeloPuntos::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_filas.size()) + 5;
}

QString ModeloPuntos::texto(const PuntoEstudio& p, int columna) const {
    const auto numero = [this](double valor, const char* patron) {
        return qs(formatea(valor, patron, m_separadores));
    };
    const int filas = static_cast<int>(m_filas.size());
    if (columna == 0)
        return numero(p.valor, "#,##0.0##");
    if (columna == 1)
        return qs(textoVeredicto(veredictoDe(p)));
    if (columna < 2 + filas) {
        const FilaVerificacion fila = m_filas.at(static_cast<std::size_t>(columna - 2));
        if (p.rechazo)
            return {};
        return qs(textoUso(p.utilizacion[fila], p.coeficienteNoPositivo[fila], m_separadores));
    }
    if (columna == 2 + filas)
        return p.rechazo ? QString() : numero(p.deformacionCorto, "#,##0.00");
    if (columna == 3 + filas)
        return p.rechazo ? QString() : numero(p.deformacionLargo, "#,##0.00");
    return p.rechazo ? qs(p.rechazo->mensaje).simplified() : QString();
}

QVariant ModeloPuntos::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const PuntoEstudio& p = m_puntos.at(static_cast<std::size_t>(index.row()));
    const bool esRechazo = index.column() == columnCount() - 1;
    switch (role) {
    case Qt::DisplayRole:
        return texto(p, index.column());
    case Qt::ToolTipRole:
        if (esRechazo && p.rechazo)
            return QStringLiteral("Paso %1 (%2): %3")
                .arg(p.rechazo->paso)
                .arg(qs(nombrePantalla(p.rechazo->pantalla)), qs(p.rechazo->mensaje));
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == 1 || esRechazo)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return fondoDeVeredicto(veredictoDe(p));
    case Qt::ForegroundRole:
        return QColor(Qt::black); // dark text on the light backgrounds, whatever the theme
    default:
        return {};
    }
}

QVariant ModeloPuntos::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const int filas = static_cast<int>(m_filas.size());
    if (section == 0)
        return m_cabeceraValor;
    if (section == 1)
        return QStringLiteral("Resultado");
    if (section < 2 + filas)
        return qs(nombreFila(m_filas.at(static_cast<std::size_t>(section - 2))));
    if (section == 2 + filas)
        return QStringLiteral("Deformación\nCP (%)");
    if (section == 3 + filas)
        return QStringLiteral("Deformación\nLP (%)");
    return QStringLiteral("Motivo del rechazo");
}

// ---------------------------------------------------------------------------------------------

EstudioParametrico::EstudioParametrico(Contexto& contexto, QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_seccion(contexto.proyecto) {
    setWindowTitle(QStringLiteral("Estudio paramétrico"));
    setObjectName(QStringLiteral("EstudioParametrico"));
    setModal(true);
    m_pideCsv = [](QWidget* padre, const std::string& sugerido) {
        return pideFicheroExportacion(padre, QStringLiteral("Exportar el estudio"),
                                      QStringLiteral("Ficheros CSV (*.csv)"),
                                      QStringLiteral(".csv"), sugerido);
    };
    m_pidePng = [](QWidget* padre, const std::string& sugerido) {
        return pideFicheroExportacion(padre, QStringLiteral("Exportar el gráfico"),
                                      QStringLiteral("Imágenes PNG (*.png)"),
                                      QStringLiteral(".png"), sugerido);
    };
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

    m_grafico = new QChartView(this);
    m_grafico->setObjectName(QStringLiteral("Grafico"));
    m_grafico->setRenderHint(QPainter::Antialiasing);
    m_grafico->setMinimumHeight(260);
    m_chart = m_grafico->chart();
    m_chart->legend()->setAlignment(Qt::AlignRight); // full row names, one under another
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    QFont letraLeyenda = m_chart->legend()->font();
    letraLeyenda.setPointSizeF(letraLeyenda.pointSizeF() * 0.9);
    m_chart->legend()->setFont(letraLeyenda);
    if (m_contexto.separadores.decimal == ",") {
        m_chart->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
        m_chart->setLocalizeNumbers(true);
    }
    m_ejeX = new QValueAxis(m_chart);
    m_ejeY = new QValueAxis(m_chart);
    m_ejeY->setTitleText(QStringLiteral("Utilización (límite = 1)"));
    m_ejeY->setLabelFormat(QStringLiteral("%.1f"));
    m_ejeX->setLabelFormat(QStringLiteral("%.4g"));
    for (QValueAxis* eje : {m_ejeX, m_ejeY})
        eje->setTickType(QValueAxis::TicksDynamic);
    m_chart->addAxis(m_ejeX, Qt::AlignBottom);
    m_chart->addAxis(m_ejeY, Qt::AlignLeft);

    m_modelo = new ModeloPuntos(m_contexto.separadores, this);
    m_tabla = new QTableView(this);
    m_tabla->setObjectName(QStringLiteral("Tabla"));
    m_tabla->setModel(m_modelo);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setWordWrap(false);
    m_tabla->verticalHeader()->hide();
    m_tabla->verticalHeader()->setDefaultSectionSize(m_tabla->fontMetrics().height() + 8);
    m_tabla->horizontalHeader()->setStretchLastSection(true);

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
                .arg(qs(formatea(*actual, "#,##0.0##", sep)), unidad(parametro)));
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
                return !p.rechazo && (p.utilizacion[fila] || p.coeficienteNoPositivo[fila]);
            }))
            filas.push_back(fila);

    m_calculado = parametro;
    dibuja(parametro, puntos, filas, desde, hasta);
    const QString cabecera =
        QStringLiteral("%1 (%2)").arg(qs(nombreParametro(parametro)), unidad(parametro));
    m_modelo->pon(parametro == Parametro::Recubrimiento && m_seccion.Tipo_Instalacion == 2
                      ? QStringLiteral("H1 (m)")
                      : cabecera,
                  std::move(puntos), std::move(filas));
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

void EstudioParametrico::dibuja(Parametro parametro, const std::vector<PuntoEstudio>& puntos,
                                const std::vector<FilaVerificacion>& filas, double desde,
                                double hasta) {
    m_chart->removeAllSeries();
    const double xMin = std::min(desde, hasta);
    const double xMax = std::max(desde, hasta);

    // The y axis stops at 3 at most, so that the limit stays readable; the table has the rest.
    double usoMaximo = 0;
    for (const PuntoEstudio& p : puntos)
        if (!p.rechazo)
            for (const FilaVerificacion fila : filas)
                if (p.utilizacion[fila])
                    usoMaximo = std::max(usoMaximo, *p.utilizacion[fila]);
    const double yMax = std::ceil(std::max(1.5, std::min(3.0, usoMaximo)) * 2) / 2;
    const double fueraDeEscala = yMax * 100;

    // Each name once in the legend: the pieces of a line cut by gaps, and the valid zones
    // after the first, are drawn without an entry of their own.
    std::vector<std::pair<QAbstractSeries*, bool>> leyenda;
    const auto anade = [this, &leyenda](QAbstractSeries* serie, bool enLeyenda) {
        m_chart->addSeries(serie);
        serie->attachAxis(m_ejeX);
        serie->attachAxis(m_ejeY);
        leyenda.emplace_back(serie, enLeyenda);
    };

    // The valid range, shaded under everything else.
    const double medioPaso = puntos.size() > 1 ? (xMax - xMin) / (puntos.size() - 1) / 2 : 0;
    bool primeraZona = true;
    for (auto [inicio, fin] : tramosValidos(puntos)) {
        if (inicio > fin)
            std::swap(inicio, fin);
        if (inicio == fin) { // a lone valid point still shows
            inicio = std::max(xMin, inicio - medioPaso);
            fin = std::min(xMax, fin + medioPaso);
        }
        auto* zona = new QAreaSeries(m_chart);
        auto* arriba = new QLineSeries(zona);
        auto* abajo = new QLineSeries(zona);
        arriba->append({QPointF(inicio, yMax), QPointF(fin, yMax)});
        abajo->append({QPointF(inicio, 0), QPointF(fin, 0)});
        zona->setUpperSeries(arriba);
        zona->setLowerSeries(abajo);
        zona->setName(QStringLiteral("Zona válida"));
        zona->setColor(QColor(0x4c, 0xaf, 0x50, 45));
        zona->setPen(Qt::NoPen);
        anade(zona, primeraZona);
        primeraZona = false;
    }

    for (const FilaVerificacion fila : filas) {
        bool primera = true;
        for (const QList<QPointF>& tramo : tramosDeFila(puntos, fila, fueraDeEscala)) {
            auto* serie = new QLineSeries(m_chart);
            serie->setName(qs(nombreFila(fila)));
            serie->replace(tramo);
            QPen lapiz(colorDeFila(fila));
            lapiz.setWidthF(2);
            serie->setPen(lapiz);
            serie->setPointsVisible(tramo.size() == 1 || puntos.size() <= 40);
            anade(serie, primera);
            primera = false;
        }
    }

    auto* limite = new QLineSeries(m_chart);
    limite->setName(QStringLiteral("Límite"));
    limite->append({QPointF(xMin, 1), QPointF(xMax, 1)});
    QPen discontinua(Qt::black);
    discontinua.setWidthF(1.5);
    discontinua.setStyle(Qt::DashLine);
    limite->setPen(discontinua);
    anade(limite, true);

    if (const std::optional<double> actual = valorDeLaSeccion(parametro);
        actual && *actual >= xMin && *actual <= xMax) {
        auto* marca = new QLineSeries(m_chart);
        marca->setName(QStringLiteral("Valor de la sección"));
        marca->append({QPointF(*actual, 0), QPointF(*actual, yMax)});
        QPen gris(QColor(0x55, 0x55, 0x55));
        gris.setWidthF(1.5);
        gris.setStyle(Qt::DashLine);
        marca->setPen(gris);
        anade(marca, true);
    }

    // Set every entry, not only the hidden ones: entries of series added after others were
    // removed come up hidden otherwise.
    for (const auto& [serie, enLeyenda] : leyenda)
        for (QLegendMarker* marca : m_chart->legend()->markers(serie))
            marca->setVisible(enLeyenda);

    m_ejeX->setTitleText(caption(parametro));
    m_ejeX->setRange(xMin, xMax);
    m_ejeX->setTickAnchor(0);
    m_ejeX->setTickInterval(pasoRedondo(xMax - xMin, 10));
    m_ejeY->setRange(0, yMax);
    m_ejeY->setTickAnchor(0);
    m_ejeY->setTickInterval(0.5);
}

void EstudioParametrico::muestraLimites() {
    const bool profundidad = elegido() == Parametro::Recubrimiento && m_limitesProfundidad;
    m_limites->setVisible(profundidad);
    if (!profundidad)
        return;
    const LimitesProfundidad& l = *m_limitesProfundidad;
    if (l.rechazo) {
        // Refused at every height: an input to mend, not a pipe found wanting.
        m_limites->setText(QStringLiteral("No se puede calcular a ninguna profundidad: ") +
                           qs(l.rechazo->mensaje).simplified());
        return;
    }
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
    const std::optional<std::string> fichero = m_pideCsv(this, sugerido);
    if (!fichero)
        return;
    if (auto escrito =
            writeFileAtomically(pathFromUtf8(*fichero), csvDelEstudio(*m_calculado, puntos()));
        !escrito)
        muestraMensaje(this, {escrito.error(), Icono::Critico, false, "Aviso"});
}

void EstudioParametrico::exportaPng() {
    if (!m_calculado)
        return;
    const std::string sugerido = "estudio-" + std::string(nombreParametro(*m_calculado)) + ".png";
    const std::optional<std::string> fichero = m_pidePng(this, sugerido);
    if (!fichero)
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!m_grafico->grab().save(&buffer, "PNG")) {
        muestraMensaje(
            this, {"No se ha podido crear la imagen del gráfico.", Icono::Critico, false, "Aviso"});
        return;
    }
    if (auto escrito = writeFileAtomically(
            pathFromUtf8(*fichero),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        !escrito)
        muestraMensaje(this, {escrito.error(), Icono::Critico, false, "Aviso"});
}

} // namespace tubrix::gui
