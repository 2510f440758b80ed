#include "estudio/ventana_obra.h"

#include "estudio/asistente_tramo.h"
#include "estudio/calculo_en_fondo.h"
#include "estudio/fila_botones.h"
#include "estudio/modelo_tramos.h"
#include "estudio/tabla_resultados.h"
#include "obra/edita_obra.h"
#include "obra/tabla_obra.h"
#include "ui/dialogos_fichero.h"
#include "ui/mensajes.h"
#include "ui/rejilla.h"

#include <algorithm>
#include <exception>
#include <set>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

// A calculation that ends sooner shows no progress bar.
constexpr qint64 kEsperaBarraMs = 500;

// The base's pipe as the catalogue names it: the record's own class and DN are filled in only
// once the section has been calculated.
QString descripcionBase(const Proyecto& base, const Catalogo& catalogo) {
    const Subclase* subclase = catalogo.buscaSubclase(base.Codigo_Submaterial);
    const TuboNormalizado* tubo = catalogo.Busca_Tubo(base.Codigo_Diametro);
    QString texto = QStringLiteral("Sección base: ");
    if (subclase && tubo)
        texto += QStringLiteral("%1, DN %2").arg(qs(subclase->material)).arg(tubo->diametroN);
    else
        texto += QStringLiteral("sin tubo del catálogo");
    if (!base.Texto_Proyecto.empty())
        texto += QStringLiteral(" — ") + qs(base.Texto_Proyecto);
    return texto + QStringLiteral(". Cada tramo da solo los datos en que difiere de ella.");
}

} // namespace

VentanaObra::VentanaObra(Contexto& contexto, const Proyecto& base, QWidget* parent)
    : QDialog(parent), m_contexto(contexto), m_obra(Obra_Nueva(base)) {
    setObjectName(QStringLiteral("VentanaObra"));
    setModal(true);
    ponDialogosDelSistema();
    construye();
    ponTitulo();
    actualizaEstado();
    const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(1320, pantalla.width() * 94 / 100),
           std::min(720, pantalla.height() * 90 / 100));
}

VentanaObra::~VentanaObra() {
    // The table reads the works while it is taken down; it goes before the works does.
    m_reloj->stop();
    m_calculo.reset();
    m_tabla->setModel(nullptr);
}

void VentanaObra::construye() {
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(16, 12, 16, 12);
    raiz->setSpacing(8);

    auto* cabecera = new QHBoxLayout;
    m_base = new QLabel(descripcionBase(m_obra.base, m_contexto.catalogo), this);
    m_base->setObjectName(QStringLiteral("Base"));
    m_base->setWordWrap(true);
    cabecera->addWidget(m_base, 1);
    QPushButton* abrir = botonEstudio(QStringLiteral("Abrir obra…"), QStringLiteral("Abrir"), this);
    QPushButton* guardar =
        botonEstudio(QStringLiteral("Guardar obra…"), QStringLiteral("Guardar"), this);
    QPushButton* importar =
        botonEstudio(QStringLiteral("Importar CSV…"), QStringLiteral("ImportarCsv"), this);
    for (QPushButton* b : {abrir, guardar, importar})
        cabecera->addWidget(b);
    raiz->addLayout(cabecera);

    auto* edicion = new QHBoxLayout;
    QPushButton* anadir =
        botonEstudio(QStringLiteral("Añadir tramo"), QStringLiteral("AnadirTramo"), this);
    QPushButton* duplicar =
        botonEstudio(QStringLiteral("Duplicar"), QStringLiteral("DuplicarTramo"), this);
    QPushButton* quitar =
        botonEstudio(QStringLiteral("Quitar"), QStringLiteral("QuitarTramo"), this);
    auto* etiquetaColumna = new QLabel(QStringLiteral("Columna:"), this);
    m_columnaNueva = new QComboBox(this);
    m_columnaNueva->setObjectName(QStringLiteral("ColumnaNueva"));
    for (const DefinicionColumna& c : columnasPosibles())
        m_columnaNueva->addItem(qs(c.nombre));
    etiquetaColumna->setBuddy(m_columnaNueva);
    QPushButton* anadirColumna =
        botonEstudio(QStringLiteral("Añadir columna"), QStringLiteral("AnadirColumna"), this);
    for (QWidget* w : std::initializer_list<QWidget*>{anadir, duplicar, quitar})
        edicion->addWidget(w);
    edicion->addSpacing(16);
    edicion->addWidget(etiquetaColumna);
    edicion->addWidget(m_columnaNueva);
    edicion->addWidget(anadirColumna);
    auto* ayuda = new QLabel(
        QStringLiteral("Ctrl+V pega celdas de una hoja de cálculo; doble clic abre el tramo en el "
                       "asistente."),
        this);
    ayuda->setEnabled(false);
    // Wrapped, so that the window still fits a small screen.
    ayuda->setWordWrap(true);
    ayuda->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edicion->addWidget(ayuda, 1);
    raiz->addLayout(edicion);

    m_modelo = new ModeloTramos(m_obra, m_contexto.separadores, this);
    m_tabla = tablaDeResultados(this, m_modelo);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tabla->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tabla->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                             QAbstractItemView::SelectedClicked);
    m_tabla->verticalHeader()->show();
    m_tabla->installEventFilter(this);
    raiz->addWidget(m_tabla, 1);

    auto* calculo = new QHBoxLayout;
    m_calcular = botonEstudio(QStringLiteral("Calcular"), QStringLiteral("Calcular"), this);
    m_cancelar = botonEstudio(QStringLiteral("Detener"), QStringLiteral("Detener"), this);
    m_cancelar->hide();
    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("Progreso"));
    m_barra->hide();
    m_resumen = new QLabel(this);
    m_resumen->setObjectName(QStringLiteral("Resumen"));
    m_resumen->setWordWrap(true);
    m_resumen->setTextInteractionFlags(Qt::TextSelectableByMouse);
    calculo->addWidget(m_calcular);
    calculo->addWidget(m_cancelar);
    calculo->addWidget(m_barra);
    calculo->addWidget(m_resumen, 1);
    raiz->addLayout(calculo);

    m_usarTubo = botonEstudio(QStringLiteral("Usar el tubo necesario"),
                              QStringLiteral("UsarTuboNecesario"), this);
    QPushButton* asistente =
        botonEstudio(QStringLiteral("Abrir el tramo"), QStringLiteral("AbrirTramo"), this);
    QPushButton* csv =
        botonEstudio(QStringLiteral("Exportar CSV"), QStringLiteral("ExportarCsv"), this);
    QPushButton* pdf = botonEstudio(QStringLiteral("PDF…"), QStringLiteral("ExportarPdf"), this);
    m_informes = new QCheckBox(QStringLiteral("con el informe de cada tramo"), this);
    m_informes->setObjectName(QStringLiteral("ConInformes"));
    auto* fila = filaBotonesEstudio(this, {asistente, m_usarTubo, csv, pdf});
    fila->insertWidget(4, m_informes);
    raiz->addLayout(fila);

    m_edicion = {abrir,          importar,      anadir,  duplicar,   quitar,
                 m_columnaNueva, anadirColumna, m_tabla, m_usarTubo, asistente};

    m_reloj = new QTimer(this);
    m_reloj->setInterval(50);

    connect(abrir, &QPushButton::clicked, this, [this] { abre(); });
    connect(guardar, &QPushButton::clicked, this, [this] { guarda(); });
    connect(importar, &QPushButton::clicked, this, [this] { importa(); });
    connect(anadir, &QPushButton::clicked, this, [this] { anadeTramo(); });
    connect(duplicar, &QPushButton::clicked, this, [this] { duplicaTramos(); });
    connect(quitar, &QPushButton::clicked, this, [this] { quitaTramos(); });
    connect(anadirColumna, &QPushButton::clicked, this,
            [this] { anadeColumna(m_columnaNueva->currentText().toStdString()); });
    connect(m_calcular, &QPushButton::clicked, this, [this] { calcula(); });
    connect(m_cancelar, &QPushButton::clicked, this, [this] { cancela(); });
    connect(m_usarTubo, &QPushButton::clicked, this, [this] { usaTuboNecesario(); });
    connect(asistente, &QPushButton::clicked, this,
            [this] { abreTramo(m_tabla->currentIndex().row()); });
    connect(csv, &QPushButton::clicked, this, [this] { exportaCsv(); });
    connect(pdf, &QPushButton::clicked, this, [this] { exportaPdf(); });
    connect(m_tabla, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        // A double click on an input cell edits it; on the results it opens the reach.
        if (!m_modelo->esEntrada(i.column()))
            abreTramo(i.row());
    });
    connect(m_tabla->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int fila) { abreTramo(fila); });
    connect(m_modelo, &ModeloTramos::obraEditada, this, [this] { marcaModificada(); });
    connect(m_modelo, &QAbstractItemModel::modelReset, this, [this] { actualizaEstado(); });
    connect(m_modelo, &QAbstractItemModel::dataChanged, this, [this] {
        if (!m_modelo->ultimoRechazo().empty())
            return;
        actualizaEstado();
    });
    connect(m_tabla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { actualizaUsarTubo(); });
    connect(m_reloj, &QTimer::timeout, this, [this] { sigueCalculo(); });
    // A refused edit keeps the cell as it was and says why.
    connect(m_tabla->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        if (!m_modelo->ultimoRechazo().empty()) {
            const std::string texto = m_modelo->ultimoRechazo();
            m_dialogos.aviso(texto);
        }
    });
}

void VentanaObra::ponDialogosDelSistema() {
    m_dialogos.abreObra = [](QWidget* padre) {
        return pideFicheroObra(padre, false);
    };
    m_dialogos.guardaObra = [](QWidget* padre) {
        return pideFicheroObra(padre, true);
    };
    m_dialogos.importaCsv = [](QWidget* padre) {
        return pideCsvTramos(padre);
    };
    m_dialogos.exportaCsv =
        dialogoExportacion(TipoExportacion::Csv, QStringLiteral("Exportar los resultados"));
    m_dialogos.exportaPdf =
        dialogoExportacion(TipoExportacion::Pdf, QStringLiteral("Resumen de la obra en PDF"));
    m_dialogos.asistente = [this](Proyecto& seccion) {
        ejecutaAsistenteSobre(seccion, m_contexto, this);
    };
    m_dialogos.pregunta = [this](const std::string& pregunta, const std::string& si,
                                 const std::string& no) {
        QMessageBox caja(QMessageBox::Question, QStringLiteral("Aviso"), qs(pregunta),
                         QMessageBox::NoButton, this);
        QPushButton* botonSi = caja.addButton(qs(si), QMessageBox::AcceptRole);
        caja.addButton(qs(no), QMessageBox::RejectRole);
        caja.setDefaultButton(botonSi);
        caja.exec();
        return caja.clickedButton() == botonSi;
    };
    m_dialogos.siNoCancelar = [this](const std::string& pregunta) {
        return preguntaSiNoCancelar(this, {pregunta, Icono::Pregunta, false, "Aviso"});
    };
    m_dialogos.aviso = [this](const std::string& texto) {
        muestraMensaje(this, {texto, Icono::Informacion, false, "Aviso"});
    };
}

void VentanaObra::ponTitulo() {
    QString titulo = QStringLiteral("Obra: varios tramos");
    if (!m_fichero.empty())
        titulo += QStringLiteral(" — ") + qs(m_fichero);
    setWindowTitle(m_modificada ? titulo + QStringLiteral(" *") : titulo);
}

void VentanaObra::marcaModificada() {
    m_modificada = true;
    ponTitulo();
    actualizaEstado();
}

void VentanaObra::cambiaObra(Obra obra, std::optional<std::size_t> tramo) {
    m_modelo->empiezaCambio();
    m_obra = std::move(obra);
    m_modelo->terminaCambio(tramo);
    m_base->setText(descripcionBase(m_obra.base, m_contexto.catalogo));
    m_tabla->resizeColumnsToContents();
}

std::vector<std::size_t> VentanaObra::filasElegidas() const {
    std::set<std::size_t> filas;
    for (const QModelIndex& i : m_tabla->selectionModel()->selectedIndexes())
        filas.insert(static_cast<std::size_t>(i.row()));
    if (filas.empty() && m_tabla->currentIndex().isValid())
        filas.insert(static_cast<std::size_t>(m_tabla->currentIndex().row()));
    return {filas.begin(), filas.end()};
}

void VentanaObra::anadeTramo() {
    Obra obra = m_obra;
    obra.tramos.push_back(Tramo{Nombre_Tramo_Nuevo(obra), {}});
    cambiaObra(std::move(obra));
    m_tabla->setCurrentIndex(m_modelo->index(m_modelo->rowCount() - 1, 0));
}

void VentanaObra::duplicaTramos() {
    const std::vector<std::size_t> filas = filasElegidas();
    if (filas.empty())
        return;
    Obra obra = m_obra;
    // Each copy right after its reach, named "<name> (copia)".
    for (auto it = filas.rbegin(); it != filas.rend(); ++it) {
        Tramo copia = obra.tramos.at(*it);
        copia.nombre += " (copia)";
        obra.tramos.insert(obra.tramos.begin() + static_cast<std::ptrdiff_t>(*it) + 1,
                           std::move(copia));
    }
    cambiaObra(std::move(obra));
}

void VentanaObra::quitaTramos() {
    const std::vector<std::size_t> filas = filasElegidas();
    if (filas.empty())
        return;
    Obra obra = m_obra;
    for (auto it = filas.rbegin(); it != filas.rend(); ++it)
        obra.tramos.erase(obra.tramos.begin() + static_cast<std::ptrdiff_t>(*it));
    cambiaObra(std::move(obra));
}

void VentanaObra::anadeColumna(const std::string& nombre) {
    const DefinicionColumna* columna = buscaColumna(nombre);
    if (!columna || m_obra.tieneColumna(nombre))
        return;
    Obra obra = m_obra;
    obra.anadeColumna(nombre);
    cambiaObra(std::move(obra));
}

bool VentanaObra::pega(const QString& texto) {
    QModelIndex actual = m_tabla->currentIndex();
    const std::size_t fila = actual.isValid() ? static_cast<std::size_t>(actual.row()) : 0;
    const std::size_t columna = actual.isValid() ? static_cast<std::size_t>(actual.column()) : 0;
    if (!m_modelo->esEntrada(static_cast<int>(columna))) {
        m_dialogos.aviso("Pegue en las columnas de datos de los tramos, no en las de resultados.");
        return false;
    }
    Obra obra = m_obra;
    const auto pegadas = Pega_Celdas(obra, fila, columna, texto.toStdString(), m_modelo->decimal());
    if (!pegadas) {
        m_dialogos.aviso("No se ha pegado nada. " + pegadas.error());
        return false;
    }
    cambiaObra(std::move(obra));
    m_tabla->setCurrentIndex(m_modelo->index(static_cast<int>(fila), static_cast<int>(columna)));
    return true;
}

bool VentanaObra::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == m_tabla && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->matches(QKeySequence::Paste)) {
            if (!calculando())
                pega(QApplication::clipboard()->text());
            return true;
        }
        if (tecla->matches(QKeySequence::Delete) && !calculando()) {
            // Delete clears the selected input cells.
            Obra obra = m_obra;
            bool cambio = false;
            for (const QModelIndex& i : m_tabla->selectionModel()->selectedIndexes())
                if (i.column() > 0 && m_modelo->esEntrada(i.column()))
                    cambio |= !Pon_Celda(obra, static_cast<std::size_t>(i.row()),
                                         static_cast<std::size_t>(i.column()), "", ',');
            if (cambio)
                cambiaObra(std::move(obra));
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void VentanaObra::calcula() {
    if (calculando() || m_obra.tramos.empty())
        return;
    m_calculo = std::make_unique<CalculoEnFondo>(m_obra, m_contexto.catalogo);
    m_inicio = QDateTime::currentMSecsSinceEpoch();
    m_barra->setRange(0, static_cast<int>(m_obra.tramos.size()));
    m_barra->setValue(0);
    for (QWidget* w : m_edicion)
        w->setEnabled(false);
    m_calcular->setEnabled(false);
    m_resumen->setText(
        QStringLiteral("Calculando %1…").arg(plural(m_obra.tramos.size(), "tramo", "tramos")));
    m_reloj->start();
}

void VentanaObra::sigueCalculo() {
    if (!m_calculo)
        return;
    if (m_calculo->terminado()) {
        terminaCalculo();
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() - m_inicio >= kEsperaBarraMs) {
        m_barra->show();
        m_cancelar->show();
    }
    m_barra->setValue(static_cast<int>(m_calculo->hechos()));
}

void VentanaObra::cancela() {
    if (m_calculo)
        m_calculo->cancela();
}

void VentanaObra::terminaCalculo() {
    m_reloj->stop();
    std::optional<ResultadoObra> resultado;
    try {
        resultado = m_calculo->toma();
    } catch (const std::exception& error) {
        m_dialogos.aviso(std::string("No se ha podido calcular la obra: ") + error.what());
    }
    m_calculo.reset();
    m_barra->hide();
    m_cancelar->hide();
    for (QWidget* w : m_edicion)
        w->setEnabled(true);
    m_calcular->setEnabled(true);
    if (resultado)
        m_modelo->ponResultados(*resultado);
    m_tabla->resizeColumnsToContents();
    actualizaEstado();
}

void VentanaObra::actualizaUsarTubo() {
    if (calculando())
        return;
    const QModelIndex actual = m_tabla ? m_tabla->currentIndex() : QModelIndex();
    const bool hayTubo = actual.isValid() &&
                         m_modelo->resultado(static_cast<std::size_t>(actual.row())) &&
                         m_modelo->resultado(static_cast<std::size_t>(actual.row()))->tuboNecesario;
    m_usarTubo->setEnabled(hayTubo);
}

void VentanaObra::actualizaEstado() {
    if (calculando())
        return;
    actualizaUsarTubo();
    if (!m_modelo->hayResultados()) {
        m_resumen->setText(
            m_obra.tramos.empty()
                ? QStringLiteral("Añada tramos, péguelos (Ctrl+V) o impórtelos de un CSV.")
                : QStringLiteral("%1 sin calcular.")
                      .arg(plural(m_obra.tramos.size(), "tramo", "tramos")));
        return;
    }
    const ResultadoObra r = m_modelo->resultadosCalculados();
    QString texto;
    for (const std::string& linea : Lineas_Resumen_Obra(r, m_contexto.separadores))
        texto += (texto.isEmpty() ? QString() : QStringLiteral(" ")) + qs(linea);
    const std::size_t pendientes = m_obra.tramos.size() - r.tramos.size();
    if (pendientes > 0)
        texto += QStringLiteral(" %1 sin calcular (cambiados o detenidos).")
                     .arg(plural(pendientes, "tramo", "tramos"));
    m_resumen->setText(texto);
}

bool VentanaObra::confirmaCambios() {
    if (!m_modificada || m_obra.tramos.empty())
        return true;
    switch (m_dialogos.siNoCancelar("La obra tiene cambios sin guardar. ¿Desea guardarla?")) {
    case Respuesta::Si:
        return guarda();
    case Respuesta::No:
        return true;
    case Respuesta::Cancelar:
        break;
    }
    return false;
}

void VentanaObra::reject() {
    if (!confirmaCambios())
        return;
    // Closing stops a calculation (a reach takes microseconds, so this is at once).
    m_reloj->stop();
    m_calculo.reset();
    QDialog::reject();
}

} // namespace tubrix::gui
