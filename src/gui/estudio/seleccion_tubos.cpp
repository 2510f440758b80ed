#include "estudio/seleccion_tubos.h"

#include "chain/tablas_estudio.h"
#include "estudio/fila_botones.h"
#include "format/formato.h"
#include "ui/dialogos_fichero.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"
#include "util/atomic_file.h"
#include "util/paths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>
#include <map>
#include <set>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

using Columna = ModeloTubos::Columna;

// The busy cursor while the engine runs (a few milliseconds; the UI thread is fine for that).
class CursorOcupado {
public:
    CursorOcupado() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QGuiApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

QString plural(std::size_t n, const char* singular, const char* varios) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : varios));
}

// A refusal on one line, as a table cell shows it.
QString enUnaLinea(const std::string& texto) {
    return qs(texto).simplified();
}

} // namespace

std::optional<std::string> pideFicheroExportacion(QWidget* parent, const QString& titulo,
                                                  const QString& filtro, const QString& extension,
                                                  const std::string& sugerido) {
    const QString inicial =
        QDir(QString::fromStdString(carpetaInicial())).filePath(QString::fromStdString(sugerido));
    QString nombre = QFileDialog::getSaveFileName(parent, titulo, inicial, filtro);
    if (nombre.isEmpty())
        return std::nullopt;
    if (QFileInfo(nombre).suffix().isEmpty())
        nombre += extension;
    const std::string elegido = QDir::toNativeSeparators(nombre).toStdString();
    recuerdaCarpeta(elegido);
    return elegido;
}

QColor fondoDeVeredicto(Veredicto veredicto) {
    switch (veredicto) {
    case Veredicto::Valido:
        return {0xdf, 0xf0, 0xd8};
    case Veredicto::NoValido:
        return {0xf6, 0xdc, 0xdc};
    case Veredicto::Rechazado:
        return {0xe8, 0xe8, 0xe8};
    }
    return {};
}

ModeloTubos::ModeloTubos(Separadores separadores, std::int16_t tuboDeLaSeccion, QObject* parent)
    : QAbstractTableModel(parent), m_separadores(std::move(separadores)),
      m_tuboDeLaSeccion(tuboDeLaSeccion) {}

void ModeloTubos::pon(std::vector<TuboCandidato> candidatos) {
    beginResetModel();
    m_candidatos = std::move(candidatos);
    endResetModel();
}

int ModeloTubos::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_candidatos.size());
}

int ModeloTubos::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnas;
}

QVariant ModeloTubos::texto(const TuboCandidato& c, Columna columna) const {
    const bool calculado = !c.rechazo;
    const auto numero = [this](double valor, const char* patron) {
        return qs(formatea(valor, patron, m_separadores));
    };
    switch (columna) {
    case Columna::Veredicto:
        return qs(textoVeredicto(c.veredicto));
    case Columna::Grupo:
        return qs(c.nombreGrupo);
    case Columna::Clase:
        return qs(c.clase);
    case Columna::DN:
        return QString::number(c.diametroNominal);
    case Columna::DiametroExterior:
        return numero(c.diametroExterior, "#,##0.0#");
    case Columna::Espesor:
        return numero(c.espesor, "#,##0.0#");
    case Columna::Rigidez:
        return calculado ? numero(c.rigidezAnillo, "#,##0.0") : QString();
    case Columna::FilaDeterminante:
        return c.filaDeterminante ? qs(nombreFila(*c.filaDeterminante)) : QString();
    case Columna::Utilizacion:
        if (!calculado)
            return QString();
        return qs(textoUso(c.utilizacion, c.coeficienteNoPositivo, m_separadores));
    case Columna::DeformacionCorto:
        return calculado ? numero(c.deformacionCorto, "#,##0.00") : QString();
    case Columna::DeformacionLargo:
        return calculado ? numero(c.deformacionLargo, "#,##0.00") : QString();
    case Columna::Rechazo:
        return c.rechazo ? enUnaLinea(c.rechazo->mensaje) : QString();
    }
    return {};
}

QVariant ModeloTubos::orden(const TuboCandidato& c, Columna columna) {
    const bool calculado = !c.rechazo;
    switch (columna) {
    case Columna::Veredicto:
        return static_cast<int>(c.veredicto);
    case Columna::Grupo:
        return qs(c.nombreGrupo);
    case Columna::Clase:
        return qs(c.clase);
    case Columna::DN:
        return static_cast<int>(c.diametroNominal);
    case Columna::DiametroExterior:
        return c.diametroExterior;
    case Columna::Espesor:
        return c.espesor;
    case Columna::Rigidez:
        return calculado ? QVariant(c.rigidezAnillo) : QVariant();
    case Columna::FilaDeterminante:
        return c.filaDeterminante ? qs(nombreFila(*c.filaDeterminante)) : QVariant();
    case Columna::Utilizacion:
        // A pipe failed by a non-positive factor sorts as the most used.
        if (calculado && c.coeficienteNoPositivo)
            return std::numeric_limits<double>::max();
        return calculado ? QVariant(c.utilizacion) : QVariant();
    case Columna::DeformacionCorto:
        return calculado ? QVariant(c.deformacionCorto) : QVariant();
    case Columna::DeformacionLargo:
        return calculado ? QVariant(c.deformacionLargo) : QVariant();
    case Columna::Rechazo:
        return c.rechazo ? qs(c.rechazo->mensaje) : QVariant();
    }
    return {};
}

QVariant ModeloTubos::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnas)
        return {};
    const TuboCandidato& c = m_candidatos.at(static_cast<std::size_t>(index.row()));
    const auto columna = static_cast<Columna>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return texto(c, columna);
    case kRolOrden:
        return orden(c, columna);
    case Qt::ToolTipRole:
        // Over any cell of a refused pipe, where and why the pass stopped.
        if (c.rechazo)
            return QStringLiteral("Paso %1 (%2): %3")
                .arg(c.rechazo->paso)
                .arg(qs(nombrePantalla(c.rechazo->pantalla)), qs(c.rechazo->mensaje));
        if (columna == Columna::Clase || columna == Columna::Grupo)
            return texto(c, columna);
        return {};
    case Qt::TextAlignmentRole:
        switch (columna) {
        case Columna::DN:
        case Columna::DiametroExterior:
        case Columna::Espesor:
        case Columna::Rigidez:
        case Columna::Utilizacion:
        case Columna::DeformacionCorto:
        case Columna::DeformacionLargo:
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
    case Qt::BackgroundRole:
        return fondoDeVeredicto(c.veredicto);
    case Qt::ForegroundRole:
        return QColor(Qt::black); // dark text on the light backgrounds, whatever the theme
    case Qt::FontRole:
        if (c.codigo == m_tuboDeLaSeccion) {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
        return {};
    default:
        return {};
    }
}

QVariant ModeloTubos::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnas)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Two-line headings keep the number columns narrow, so that a row fits on the screen.
    static const std::array<const char*, kColumnas> kCabeceras = {"Resultado",
                                                                  "Grupo",
                                                                  "Clase",
                                                                  "DN",
                                                                  "Ø exterior\n(mm)",
                                                                  "Espesor\n(mm)",
                                                                  "SN\n(kN/m2)",
                                                                  "Fila\ndeterminante",
                                                                  "Utilización",
                                                                  "Deformación\nCP (%)",
                                                                  "Deformación\nLP (%)",
                                                                  "Motivo del rechazo"};
    return QString::fromUtf8(kCabeceras.at(static_cast<std::size_t>(section)));
}

SeleccionTubos::SeleccionTubos(Contexto& contexto, QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_seccion(contexto.proyecto) {
    setWindowTitle(QStringLiteral("Tubos válidos"));
    setObjectName(QStringLiteral("SeleccionTubos"));
    setModal(true);
    m_pideFichero = [](QWidget* padre, const std::string& sugerido) {
        return pideFicheroExportacion(padre, QStringLiteral("Exportar la lista de tubos"),
                                      QStringLiteral("Ficheros CSV (*.csv)"),
                                      QStringLiteral(".csv"), sugerido);
    };
    construye();
    selecciona({});
    llenaFiltros();

    const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(1280, pantalla.width() * 92 / 100),
           std::min(700, pantalla.height() * 88 / 100));
}

void SeleccionTubos::construye() {
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(16, 12, 16, 12);
    raiz->setSpacing(8);

    auto* explicacion = new QLabel(
        QStringLiteral("Cada tubo del catálogo calculado en la sección tal como está introducida "
                       "(instalación, suelos, cargas y clase de seguridad). La sección no cambia "
                       "mientras no se elija un tubo con «Usar este tubo»."),
        this);
    explicacion->setWordWrap(true);
    raiz->addWidget(explicacion);

    auto* filtros = new QHBoxLayout;
    auto* etiquetaDn = new QLabel(QStringLiteral("Diámetro nominal DN:"), this);
    m_filtroDn = new QComboBox(this);
    m_filtroDn->setObjectName(QStringLiteral("FiltroDN"));
    etiquetaDn->setBuddy(m_filtroDn);
    auto* etiquetaGrupo = new QLabel(QStringLiteral("Grupo de material:"), this);
    m_filtroGrupo = new QComboBox(this);
    m_filtroGrupo->setObjectName(QStringLiteral("FiltroGrupo"));
    m_filtroGrupo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    etiquetaGrupo->setBuddy(m_filtroGrupo);
    filtros->addWidget(etiquetaDn);
    filtros->addWidget(m_filtroDn);
    filtros->addSpacing(16);
    filtros->addWidget(etiquetaGrupo);
    filtros->addWidget(m_filtroGrupo);
    filtros->addStretch(1);
    raiz->addLayout(filtros);

    m_modelo = new ModeloTubos(m_contexto.separadores, m_seccion.Codigo_Diametro, this);
    m_orden = new QSortFilterProxyModel(this);
    m_orden->setSourceModel(m_modelo);
    m_orden->setSortRole(ModeloTubos::kRolOrden);
    m_tabla = new QTableView(this);
    m_tabla->setObjectName(QStringLiteral("Tabla"));
    m_tabla->setModel(m_orden);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setWordWrap(false);
    m_tabla->setTextElideMode(Qt::ElideRight);
    m_tabla->verticalHeader()->hide();
    m_tabla->verticalHeader()->setDefaultSectionSize(m_tabla->fontMetrics().height() + 8);
    m_tabla->horizontalHeader()->setStretchLastSection(true);
    // The engine's order (valid first, by DN, the most used first) until a heading is clicked.
    m_tabla->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_tabla->setSortingEnabled(true);
    raiz->addWidget(m_tabla, 1);

    m_estado = new QLabel(this);
    m_estado->setObjectName(QStringLiteral("Estado"));
    m_estado->setWordWrap(true);
    raiz->addWidget(m_estado);

    // Not default buttons: Enter in the table must not pick a pipe by accident.
    m_usar = botonEstudio(QStringLiteral("Usar este tubo"), QStringLiteral("UsarTubo"), this);
    m_exportar = botonEstudio(QStringLiteral("Exportar CSV"), QStringLiteral("ExportarCsv"), this);
    raiz->addLayout(filaBotonesEstudio(this, {m_usar, m_exportar}));

    connect(m_tabla->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { actualizaUsar(); });
    connect(m_orden, &QAbstractItemModel::modelReset, this, [this] { actualizaUsar(); });
    connect(m_usar, &QPushButton::clicked, this, [this] { usa(); });
    connect(m_exportar, &QPushButton::clicked, this, [this] { exporta(); });
    connect(m_filtroDn, &QComboBox::currentIndexChanged, this, [this] { filtra(); });
    connect(m_filtroGrupo, &QComboBox::currentIndexChanged, this, [this] { filtra(); });
}

// The filter lists come from the unfiltered selection: every DN and every group that has a
// pipe to try (the groups the program does not calculate never reach it).
void SeleccionTubos::llenaFiltros() {
    std::set<std::int16_t> diametros;
    std::map<std::int16_t, std::string> grupos;
    for (const TuboCandidato& c : m_modelo->candidatos()) {
        diametros.insert(c.diametroNominal);
        grupos.emplace(c.grupo, c.nombreGrupo);
    }
    const QSignalBlocker bloqueoDn(m_filtroDn);
    const QSignalBlocker bloqueoGrupo(m_filtroGrupo);
    m_filtroDn->clear();
    m_filtroDn->addItem(QStringLiteral("Todos"));
    for (const std::int16_t dn : diametros)
        m_filtroDn->addItem(QString::number(dn), QVariant(static_cast<int>(dn)));
    m_filtroGrupo->clear();
    m_filtroGrupo->addItem(QStringLiteral("Todos"));
    for (const auto& [codigo, nombre] : grupos)
        m_filtroGrupo->addItem(qs(nombre), QVariant(static_cast<int>(codigo)));
}

void SeleccionTubos::selecciona(const FiltroSeleccion& filtro) {
    std::vector<TuboCandidato> candidatos;
    try {
        const CursorOcupado ocupado;
        candidatos = Selecciona_Tubos(m_seccion, m_contexto.catalogo, filtro);
    } catch (const std::exception& error) {
        muestraMensaje(
            this, {std::string("No se ha podido probar los tubos del catálogo: ") + error.what(),
                   Icono::Critico, false, "Aviso"});
    }
    m_modelo->pon(std::move(candidatos));

    const auto& lista = m_modelo->candidatos();
    if (lista.empty()) {
        m_estado->setText(QStringLiteral("Ningún tubo del catálogo cumple el filtro elegido."));
    } else {
        std::map<Veredicto, std::size_t> cuenta;
        for (const TuboCandidato& c : lista)
            ++cuenta[c.veredicto];
        QString texto = QStringLiteral("%1: %2, %3, %4.")
                            .arg(plural(lista.size(), "tubo probado", "tubos probados"),
                                 plural(cuenta[Veredicto::Valido], "válido", "válidos"),
                                 plural(cuenta[Veredicto::NoValido], "no válido", "no válidos"),
                                 plural(cuenta[Veredicto::Rechazado], "rechazado", "rechazados"));
        const bool estaElTubo =
            std::any_of(lista.begin(), lista.end(), [this](const TuboCandidato& c) {
                return c.codigo == m_seccion.Codigo_Diametro;
            });
        if (estaElTubo)
            texto += QStringLiteral(" El tubo de la sección se muestra en negrita.");
        m_estado->setText(texto);
    }

    m_tabla->resizeColumnsToContents();
    // Long names are elided (the tooltip shows them whole) so that the numbers stay in view.
    for (const auto& [columna, ancho] :
         {std::pair{Columna::Grupo, 160}, std::pair{Columna::Clase, 240}})
        if (m_tabla->columnWidth(static_cast<int>(columna)) > ancho)
            m_tabla->setColumnWidth(static_cast<int>(columna), ancho);
    m_exportar->setEnabled(!lista.empty());
}

void SeleccionTubos::filtra() {
    FiltroSeleccion filtro;
    if (const QVariant dn = m_filtroDn->currentData(); dn.isValid())
        filtro.diametroNominal = static_cast<std::int16_t>(dn.toInt());
    if (const QVariant grupo = m_filtroGrupo->currentData(); grupo.isValid())
        filtro.grupo = static_cast<std::int16_t>(grupo.toInt());
    selecciona(filtro);
}

std::optional<TuboCandidato> SeleccionTubos::candidatoElegido() const {
    const QModelIndexList filas = m_tabla->selectionModel()->selectedRows();
    if (filas.size() != 1)
        return std::nullopt;
    const int fila = m_orden->mapToSource(filas.front()).row();
    if (fila < 0 || fila >= m_modelo->rowCount())
        return std::nullopt;
    return m_modelo->candidatos().at(static_cast<std::size_t>(fila));
}

void SeleccionTubos::actualizaUsar() {
    const std::optional<TuboCandidato> c = candidatoElegido();
    const bool esElDeLaSeccion = c && c->codigo == m_seccion.Codigo_Diametro;
    m_usar->setEnabled(c && c->veredicto != Veredicto::Rechazado && !esElDeLaSeccion);
    m_usar->setToolTip(esElDeLaSeccion ? QStringLiteral("Es el tubo de la sección")
                       : c && c->veredicto == Veredicto::Rechazado
                           ? QStringLiteral("La sección no se puede calcular con este tubo")
                           : QString());
}

void SeleccionTubos::usa() {
    const std::optional<TuboCandidato> c = candidatoElegido();
    if (!c || c->veredicto == Veredicto::Rechazado)
        return;
    Usa_Tubo(m_contexto.proyecto, *c);
    m_elegido = c;
    muestraMensaje(
        this, {"Se ha elegido el tubo " + c->nombreGrupo + ", " + c->clase + ", DN " +
                   std::to_string(c->diametroNominal) +
                   ". Pase de nuevo por el asistente, desde los datos del tubo, para recalcular "
                   "la sección con este tubo.",
               Icono::Informacion, false, "Aviso"});
    accept();
}

std::vector<TuboCandidato> SeleccionTubos::filasMostradas() const {
    std::vector<TuboCandidato> filas;
    filas.reserve(static_cast<std::size_t>(m_orden->rowCount()));
    for (int r = 0; r < m_orden->rowCount(); ++r)
        filas.push_back(m_modelo->candidatos().at(
            static_cast<std::size_t>(m_orden->mapToSource(m_orden->index(r, 0)).row())));
    return filas;
}

void SeleccionTubos::exporta() {
    const std::optional<std::string> fichero = m_pideFichero(this, "tubos-validos.csv");
    if (!fichero)
        return;
    if (auto escrito =
            writeFileAtomically(pathFromUtf8(*fichero), csvDeLaSeleccion(filasMostradas()));
        !escrito)
        muestraMensaje(this, {escrito.error(), Icono::Critico, false, "Aviso"});
}

} // namespace tubrix::gui
