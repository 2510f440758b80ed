#include "estudio/seleccion_tubos.h"

#include "chain/tablas_estudio.h"
#include "estudio/cursor_ocupado.h"
#include "estudio/fila_botones.h"
#include "format/formato.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <map>
#include <set>
#include <utility>

#include <QComboBox>
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

using Columna = ModeloTubos::Columna;

SeleccionTubos::SeleccionTubos(Contexto& contexto, QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_seccion(contexto.proyecto) {
    setWindowTitle(QStringLiteral("Tubos válidos"));
    setObjectName(QStringLiteral("SeleccionTubos"));
    setModal(true);
    m_pideFichero =
        dialogoExportacion(TipoExportacion::Csv, QStringLiteral("Exportar la lista de tubos"));
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
    m_tabla = tablaDeResultados(this, m_orden);
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
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
    gui::exporta(this, m_pideFichero, "tubos-validos.csv", [this] {
        return contenido(csvDeLaSeleccion(filasMostradas(),
                                          FormatoCsv::paraDecimal(m_contexto.separadores.decimal)));
    });
}

} // namespace tubrix::gui
