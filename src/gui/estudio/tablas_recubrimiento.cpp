#include "estudio/tablas_recubrimiento.h"

#include "chain/tablas_estudio.h"
#include "estudio/fila_botones.h"
#include "estudio/tabla_resultados.h"
#include "input/datos_suelos.h"
#include "model/fichero_proyecto.h"
#include "pintor_tablas.h"
#include "tablas/entrada_tabla.h"
#include "tablas/textos_tabla.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"
#include "util/paths.h"

#include <algorithm>
#include <exception>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

constexpr const char* kCajaProfundidades = "Profundidades Hf (m)";
constexpr const char* kCajaMargen = "Margen sobre D (m)";

void aviso(QWidget* ventana, const std::string& texto) {
    muestraMensaje(ventana, {texto, Icono::Informacion, true, "Aviso"});
}

} // namespace

TablasRecubrimiento::TablasRecubrimiento(Contexto& contexto, QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_base(contexto.proyecto) {
    setWindowTitle(QStringLiteral("Tablas de recubrimiento"));
    setObjectName(QStringLiteral("TablasRecubrimiento"));
    setModal(true);
    m_pideCsv = dialogoExportacion(TipoExportacion::Csv, QStringLiteral("Exportar las tablas"));
    m_pidePdf = dialogoExportacion(TipoExportacion::Pdf, QStringLiteral("Exportar las tablas"));
    construye();
    llenaGrupos();
    muestraBase();
    const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(1280, pantalla.width() * 92 / 100),
           std::min(760, pantalla.height() * 90 / 100));
}

TablasRecubrimiento::~TablasRecubrimiento() {
    cancelaYEspera();
}

void TablasRecubrimiento::construye() {
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(16, 12, 16, 12);
    raiz->setSpacing(8);

    auto* explicacion = new QLabel(
        QStringLiteral("Para cada tubo de la serie y cada combinación de condiciones, la "
                       "profundidad de recubrimiento mínima y la máxima (entre 0,5 y 20 m) a las "
                       "que el tubo es válido. Todo lo que no se varía se toma de la sección "
                       "base, que no cambia."),
        this);
    explicacion->setWordWrap(true);
    raiz->addWidget(explicacion);

    auto* filaBase = new QHBoxLayout;
    filaBase->addWidget(new QLabel(QStringLiteral("Sección base:"), this));
    m_nombreBase = new QLabel(this);
    m_nombreBase->setObjectName(QStringLiteral("NombreBase"));
    m_nombreBase->setWordWrap(true); // a long description must not widen the window
    filaBase->addWidget(m_nombreBase, 1);
    QPushButton* abrir =
        botonEstudio(QStringLiteral("Abrir otra sección base…"), QStringLiteral("AbrirBase"), this);
    filaBase->addWidget(abrir);
    raiz->addLayout(filaBase);

    auto* condiciones = new QGroupBox(QStringLiteral("Serie y condiciones"), this);
    auto* rejilla = new QGridLayout(condiciones);
    int fila = 0;
    auto* serie = new QHBoxLayout;
    m_grupo = new QComboBox(condiciones);
    m_grupo->setObjectName(QStringLiteral("Grupo"));
    m_grupo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_subclase = new QComboBox(condiciones);
    m_subclase->setObjectName(QStringLiteral("Subclase"));
    m_subclase->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    serie->addWidget(m_grupo);
    serie->addWidget(new QLabel(QStringLiteral("Subclase:"), condiciones));
    serie->addWidget(m_subclase);
    serie->addStretch(1);
    rejilla->addWidget(new QLabel(QStringLiteral("Grupo de material:"), condiciones), fila, 0);
    rejilla->addLayout(serie, fila++, 1);

    auto* suelos = new QHBoxLayout;
    for (std::size_t g = 0; g < m_suelos.size(); ++g) {
        m_suelos[g] = new QCheckBox(QStringLiteral("Grupo %1").arg(g + 1), condiciones);
        m_suelos[g]->setObjectName(QStringLiteral("Suelo%1").arg(g + 1));
        m_suelos[g]->setToolTip(qs(Etiqueta_Grupo_Suelo(static_cast<std::int16_t>(g + 1))));
        suelos->addWidget(m_suelos[g]);
    }
    suelos->addWidget(
        new QLabel(QStringLiteral("(ninguno marcado: los suelos de la base)"), condiciones));
    suelos->addStretch(1);
    rejilla->addWidget(new QLabel(QStringLiteral("Suelo de las zonas 1 y 2:"), condiciones), fila,
                       0);
    rejilla->addLayout(suelos, fila++, 1);

    auto* traficos = new QHBoxLayout;
    for (std::size_t t = 0; t < m_traficos.size(); ++t) {
        m_traficos[t] = new QCheckBox(qs(textoTrafico(static_cast<std::int16_t>(t))), condiciones);
        m_traficos[t]->setObjectName(QStringLiteral("Trafico%1").arg(t));
        traficos->addWidget(m_traficos[t]);
    }
    traficos->addWidget(new QLabel(QStringLiteral("(ninguno: el de la base)"), condiciones));
    traficos->addStretch(1);
    rejilla->addWidget(new QLabel(QStringLiteral("Tráfico:"), condiciones), fila, 0);
    rejilla->addLayout(traficos, fila++, 1);

    auto* freatico = new QHBoxLayout;
    m_sinFreatico = new QCheckBox(QStringLiteral("Sin nivel freático"), condiciones);
    m_sinFreatico->setObjectName(QStringLiteral("SinFreatico"));
    m_profundidades = new QLineEdit(condiciones);
    m_profundidades->setObjectName(QStringLiteral("Profundidades"));
    m_profundidades->setPlaceholderText(QStringLiteral("p. ej. 1,0; 2,5"));
    m_profundidades->setMaximumWidth(180);
    freatico->addWidget(m_sinFreatico);
    freatico->addSpacing(12);
    freatico->addWidget(new QLabel(QStringLiteral("Con nivel freático a Hf (m):"), condiciones));
    freatico->addWidget(m_profundidades);
    freatico->addWidget(new QLabel(QStringLiteral("(nada: el de la base)"), condiciones));
    freatico->addStretch(1);
    rejilla->addWidget(new QLabel(QStringLiteral("Nivel freático:"), condiciones), fila, 0);
    rejilla->addLayout(freatico, fila++, 1);

    auto* instalacion = new QHBoxLayout;
    m_comoLaBase = new QRadioButton(QStringLiteral("La de la base"), condiciones);
    m_comoLaBase->setObjectName(QStringLiteral("InstalacionBase"));
    m_zanja = new QRadioButton(QStringLiteral("Zanja de anchura B = D +"), condiciones);
    m_zanja->setObjectName(QStringLiteral("ZanjaConMargen"));
    m_margen = new QLineEdit(QStringLiteral("0,5"), condiciones);
    m_margen->setObjectName(QStringLiteral("Margen"));
    m_margen->setMaximumWidth(60);
    m_terraplen = new QRadioButton(QStringLiteral("Terraplén"), condiciones);
    m_terraplen->setObjectName(QStringLiteral("Terraplen"));
    auto* grupoInstalacion = new QButtonGroup(condiciones);
    for (QRadioButton* r : {m_comoLaBase, m_zanja, m_terraplen})
        grupoInstalacion->addButton(r);
    m_comoLaBase->setChecked(true);
    instalacion->addWidget(m_comoLaBase);
    instalacion->addSpacing(12);
    instalacion->addWidget(m_zanja);
    instalacion->addWidget(m_margen);
    instalacion->addWidget(new QLabel(QStringLiteral("m"), condiciones));
    instalacion->addSpacing(12);
    instalacion->addWidget(m_terraplen);
    instalacion->addStretch(1);
    rejilla->addWidget(new QLabel(QStringLiteral("Instalación:"), condiciones), fila, 0);
    rejilla->addLayout(instalacion, fila++, 1);
    rejilla->setColumnStretch(1, 1);
    raiz->addWidget(condiciones);

    auto* calculo = new QHBoxLayout;
    m_calcular = botonEstudio(QStringLiteral("Calcular"), QStringLiteral("Calcular"), this);
    m_progreso = new QProgressBar(this);
    m_progreso->setObjectName(QStringLiteral("Progreso"));
    m_progreso->setRange(0, 1);
    m_progreso->setValue(0);
    calculo->addWidget(m_calcular);
    calculo->addWidget(m_progreso, 1);
    raiz->addLayout(calculo);

    m_modelo = new ModeloTablas(m_contexto.separadores, this);
    m_modelo->pon(std::nullopt);
    m_tabla = tablaDeResultados(this, m_modelo);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tabla->horizontalHeader()->setStretchLastSection(false);
    raiz->addWidget(m_tabla, 1);

    m_estado = new QLabel(this);
    m_estado->setObjectName(QStringLiteral("Estado"));
    m_estado->setWordWrap(true);
    raiz->addWidget(m_estado);

    m_exportarCsv =
        botonEstudio(QStringLiteral("Exportar CSV"), QStringLiteral("ExportarCsv"), this);
    m_exportarPdf =
        botonEstudio(QStringLiteral("Exportar PDF"), QStringLiteral("ExportarPdf"), this);
    m_exportarCsv->setEnabled(false);
    m_exportarPdf->setEnabled(false);
    raiz->addLayout(filaBotonesEstudio(this, {m_exportarCsv, m_exportarPdf}));

    m_reloj = new QTimer(this);
    m_reloj->setInterval(100);
    connect(m_reloj, &QTimer::timeout, this, [this] {
        if (m_avance)
            m_progreso->setValue(static_cast<int>(m_avance->hechos.load()));
    });
    connect(abrir, &QPushButton::clicked, this, [this] { abreBase(); });
    connect(m_grupo, &QComboBox::currentIndexChanged, this, [this] { llenaSubclases(); });
    connect(m_calcular, &QPushButton::clicked, this, [this] { calculaOCancela(); });
    connect(m_exportarCsv, &QPushButton::clicked, this, [this] { exportaCsv(); });
    connect(m_exportarPdf, &QPushButton::clicked, this, [this] { exportaPdf(); });
}

// Every group the program calculates (not the ASTM ones), the base's selected.
void TablasRecubrimiento::llenaGrupos() {
    const QSignalBlocker bloqueo(m_grupo);
    m_grupo->clear();
    for (const EntradaLista& g : m_contexto.catalogo.listaGrupos())
        if (g.codigo != 2 && g.codigo != 3)
            m_grupo->addItem(qs(g.texto), QVariant(static_cast<int>(g.codigo)));
    const int propio = m_grupo->findData(QVariant(static_cast<int>(m_base.Codigo_Material)));
    m_grupo->setCurrentIndex(std::max(0, propio));
    llenaSubclases();
}

void TablasRecubrimiento::llenaSubclases() {
    const QSignalBlocker bloqueo(m_subclase);
    m_subclase->clear();
    m_subclase->addItem(QStringLiteral("Todas"));
    const auto grupo = static_cast<std::int16_t>(m_grupo->currentData().toInt());
    for (const EntradaSubclase& s : m_contexto.catalogo.listaSubclases(grupo))
        m_subclase->addItem(qs(s.texto), QVariant(static_cast<int>(s.codigo)));
    const int propia = m_subclase->findData(QVariant(static_cast<int>(m_base.Codigo_Submaterial)));
    m_subclase->setCurrentIndex(std::max(0, propia));
}

void TablasRecubrimiento::muestraBase() {
    m_nombreBase->setText(qs(nombreDeLaSeccion(m_base)));
}

void TablasRecubrimiento::abreBase() {
    if (calculando())
        return;
    const auto nombre = m_contexto.dialogos.pideFicheroAbrir(this, m_base.Fichero);
    if (!nombre)
        return;
    Proyecto otra = m_base;
    Inicializa_Proyecto(otra);
    if (auto abierto = Abre_Proyecto(otra, pathFromUtf8(*nombre)); !abierto) {
        aviso(this, abierto.error().mensaje);
        return;
    }
    otra.Fichero = *nombre;
    m_base = std::move(otra);
    muestraBase();
    llenaGrupos();
    m_modelo->pon(std::nullopt);
    m_estado->clear();
    m_exportarCsv->setEnabled(false);
    m_exportarPdf->setEnabled(false);
}

SerieTubos TablasRecubrimiento::serie() const {
    SerieTubos s;
    s.grupo = static_cast<std::int16_t>(m_grupo->currentData().toInt());
    if (const QVariant sub = m_subclase->currentData(); sub.isValid())
        s.subclase = static_cast<std::int16_t>(sub.toInt());
    return s;
}

Resultado<CondicionesTabla> TablasRecubrimiento::condiciones() const {
    CondicionesTabla c;
    for (std::size_t g = 0; g < m_suelos.size(); ++g)
        if (m_suelos[g]->isChecked())
            c.suelos.push_back(static_cast<std::int16_t>(g + 1));
    for (std::size_t t = 0; t < m_traficos.size(); ++t)
        if (m_traficos[t]->isChecked())
            c.traficos.push_back(static_cast<std::int16_t>(t));
    auto profundidades = Lee_Lista_Tabla(m_profundidades->text().toStdString(), kCajaProfundidades);
    if (!profundidades)
        return tl::unexpected(profundidades.error());
    if (m_sinFreatico->isChecked())
        c.freaticos.emplace_back(std::nullopt);
    for (const double hf : *profundidades)
        c.freaticos.emplace_back(hf);
    if (m_zanja->isChecked()) {
        auto margen = Lee_Numero_Tabla(m_margen->text().toStdString(), kCajaMargen);
        if (!margen)
            return tl::unexpected(margen.error());
        c.instalacion = InstalacionTabla::ZanjaConMargen;
        c.margenZanja = *margen;
    } else if (m_terraplen->isChecked()) {
        c.instalacion = InstalacionTabla::Terraplen;
    }
    if (auto correctas = Comprueba_Condiciones(c); !correctas)
        return tl::unexpected(correctas.error());
    return c;
}

void TablasRecubrimiento::calculaOCancela() {
    if (calculando()) {
        m_avance->cancelado.store(true);
        return;
    }
    const auto c = condiciones();
    if (!c) {
        aviso(this, c.error().mensaje);
        return;
    }
    const SerieTubos s = serie();
    auto tubos = Tubos_Serie(m_base, m_contexto.catalogo, s);
    if (!tubos) {
        aviso(this, tubos.error().mensaje);
        return;
    }
    m_total = tubos->size() * Casos_Tabla(m_base, *c).size();
    m_avance = std::make_unique<ProgresoTabla>();
    m_resultado.reset();
    m_progreso->setRange(0, static_cast<int>(m_total));
    m_progreso->setValue(0);
    m_calcular->setText(QStringLiteral("Cancelar"));
    m_exportarCsv->setEnabled(false);
    m_exportarPdf->setEnabled(false);
    m_estado->setText(QStringLiteral("Calculando %1 casillas…").arg(m_total));
    // The worker reads only its own copies and the catalogue, which nothing changes meanwhile.
    m_hilo.reset(
        QThread::create([this, base = m_base, s, condiciones = *c, avance = m_avance.get()] {
            try {
                m_resultado = Calcula_Tabla_Recubrimiento(base, m_contexto.catalogo, s, condiciones,
                                                          {}, avance);
            } catch (const std::exception& error) {
                m_resultado =
                    falla(CodigoError::DatoNoCalculable,
                          std::string("No se han podido calcular las tablas: ") + error.what());
            }
        }));
    connect(m_hilo.get(), &QThread::finished, this, [this] { termina(); });
    m_reloj->start();
    m_hilo->start();
}

void TablasRecubrimiento::termina() {
    m_reloj->stop();
    if (m_hilo) {
        m_hilo->wait();
        m_hilo.reset();
    }
    m_calcular->setText(QStringLiteral("Calcular"));
    std::optional<Resultado<TablaRecubrimiento>> resultado = std::move(m_resultado);
    m_resultado.reset();
    if (!resultado || !*resultado) {
        m_progreso->setValue(0);
        if (resultado)
            aviso(this, resultado->error().mensaje);
        m_estado->clear();
        return;
    }
    TablaRecubrimiento tabla = std::move(**resultado);
    if (!tabla.completo) {
        m_progreso->setValue(0);
        m_modelo->pon(std::nullopt);
        m_estado->setText(QStringLiteral("Cálculo cancelado."));
        return;
    }
    m_progreso->setValue(static_cast<int>(m_total));
    std::size_t conRango = 0;
    std::size_t rechazadas = 0;
    for (const auto& fila : tabla.celdas)
        for (const LimitesProfundidad& l : fila) {
            conRango += l.minima.has_value();
            rechazadas += l.rechazo.has_value();
        }
    const std::size_t total = tabla.tubos.size() * tabla.casos.size();
    const bool nada = Todo_Rechazado(tabla);
    m_estado->setText(
        nada ? QStringLiteral("Ninguna casilla se puede calcular con esta base: %1")
                   .arg(qs(motivoCelda(tabla.celdas.front().front())))
             : QStringLiteral("%1 × %2: %3 con rango admisible, %4 sin ninguna profundidad "
                              "válida, %5 que la sección no admite. Pase el ratón por una casilla "
                              "«—» para ver la razón.")
                   .arg(plural(tabla.tubos.size(), "tubo", "tubos"),
                        plural(tabla.casos.size(), "caso", "casos"),
                        plural(conRango, "casilla", "casillas"))
                   .arg(total - conRango - rechazadas)
                   .arg(rechazadas));
    m_modelo->pon(std::move(tabla));
    m_tabla->resizeColumnsToContents();
    if (m_tabla->columnWidth(1) > 220)
        m_tabla->setColumnWidth(1, 220);
    m_exportarCsv->setEnabled(!nada);
    m_exportarPdf->setEnabled(!nada);
}

void TablasRecubrimiento::cancelaYEspera() {
    if (!m_hilo)
        return;
    m_avance->cancelado.store(true);
    m_hilo->wait();
}

void TablasRecubrimiento::reject() {
    // Closing while calculating stops the calculation first: nothing runs behind a closed window.
    if (m_hilo) {
        cancelaYEspera();
        termina();
    }
    QDialog::reject();
}

void TablasRecubrimiento::exportaCsv() {
    if (!m_modelo->tabla())
        return;
    gui::exporta(this, m_pideCsv, "tablas-recubrimiento.csv", [this] {
        return contenido(Csv_Tabla_Recubrimiento(
            *m_modelo->tabla(), FormatoCsv::paraDecimal(m_contexto.separadores.decimal)));
    });
}

void TablasRecubrimiento::exportaPdf() {
    if (!m_modelo->tabla())
        return;
    gui::exporta(this, m_pidePdf, "tablas-recubrimiento.pdf",
                 [this]() -> tl::expected<std::string, std::string> {
                     OpcionesPdfTabla opciones;
                     opciones.cabecera.titulo = qs(m_base.Texto_Proyecto);
                     opciones.separadores = m_contexto.separadores;
                     auto bytes =
                         pdfTabla(m_base, m_contexto.catalogo, *m_modelo->tabla(), opciones);
                     if (!bytes)
                         return tl::unexpected(bytes.error().mensaje);
                     return std::move(*bytes);
                 });
}

} // namespace tubrix::gui
