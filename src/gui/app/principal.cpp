#include "app/principal.h"

#include "app/acerca_de.h"
#include "catalogue/localiza_catalogo.h"
#include "estudio/tablas_recubrimiento.h"
#include "estudio/ventana_obra.h"
#include "screens/fabrica.h"
#include "ui/ayuda.h"
#include "ui/calculadora.h"
#include "ui/dialogos_fichero.h"
#include "ui/guarda_proyecto.h"
#include "ui/mensajes.h"
#include "ui/pantalla_base.h"
#include "util/paths.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tubrix::gui {
namespace {

constexpr std::array<const char*, 9> kFases = {
    "- Características de los tubos y sección a calcular",
    "- Clase de seguridad requerida",
    "- Selección del tipo de instalación, nivel freático y tipo de apoyo",
    "- Introducción de las características de los suelos",
    "- Selección del tipo de sobrecargas",
    "- Cálculo de las cargas de tierras y tráfico",
    "- Distribución de las cargas",
    "- Cálculo de esfuerzos, tensiones, deformación y estabilidad",
    "- Verificación de tensiones, deformaciones y estabilidad",
};

} // namespace

Principal::Principal(Contexto& contexto, QWidget* parent)
    : QMainWindow(parent), m_contexto(contexto) {
    setWindowTitle(QStringLiteral("Cálculo Tubrix de Tuberías"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tubrix.svg")));
    auto* central = new QWidget(this);
    auto* raiz = new QVBoxLayout(central);
    raiz->setContentsMargins(18, 16, 18, 16);
    raiz->setSpacing(14);

    auto* programa =
        new QGroupBox(QStringLiteral("Programa de cálculo tubrix de tuberías"), central);
    auto* programaLayout = new QGridLayout(programa);
    auto* logo = new QLabel(programa);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/tubrix.svg")).pixmap(64, 64));
    auto* descripcion = new QLabel(
        QStringLiteral("Comprobación estructural de tuberías enterradas de saneamiento y presión, "
                       "según las normas ATV A 127 y UNE 88.211-90."),
        programa);
    descripcion->setWordWrap(true);
    programaLayout->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    programaLayout->addWidget(descripcion, 0, 1, 1, 2);

    const std::array<QString, 3> textos = {QStringLiteral("Cálculo de una sección"),
                                           QStringLiteral("Abandonar la aplicación"),
                                           QStringLiteral("Recuperar un cálculo existente")};
    const std::array<QString, 3> iconos = {QStringLiteral(":/icons/siguiente.svg"),
                                           QStringLiteral(":/icons/abandonar.svg"),
                                           QStringLiteral(":/icons/abrir.svg")};
    // Buttons in the order the window shows them: new section, open, quit.
    const std::array<int, 3> orden = {0, 2, 1};
    for (int fila = 0; fila < 3; ++fila) {
        const int indice = orden[static_cast<std::size_t>(fila)];
        auto* b =
            new QPushButton(QIcon(iconos[static_cast<std::size_t>(indice)]), QString(), programa);
        b->setObjectName(QStringLiteral("Command1_%1").arg(indice));
        b->setIconSize(QSize(28, 28));
        b->setMinimumSize(52, 44);
        b->setToolTip(textos[static_cast<std::size_t>(indice)]);
        auto* etiqueta = new QLabel(textos[static_cast<std::size_t>(indice)], programa);
        etiqueta->setBuddy(b);
        programaLayout->addWidget(b, fila + 1, 1);
        programaLayout->addWidget(etiqueta, fila + 1, 2);
        m_botones[static_cast<std::size_t>(indice)] = b;
    }
    // The fourth action, below the three of the program: many reaches at once.
    m_botonObra =
        new QPushButton(QIcon(QStringLiteral(":/icons/siguiente.svg")), QString(), programa);
    m_botonObra->setObjectName(QStringLiteral("Command1_3"));
    m_botonObra->setIconSize(QSize(28, 28));
    m_botonObra->setMinimumSize(52, 44);
    m_botonObra->setToolTip(QStringLiteral("Calcular una obra (varios tramos)"));
    auto* etiquetaObra = new QLabel(QStringLiteral("Calcular una obra (varios tramos)"), programa);
    etiquetaObra->setBuddy(m_botonObra);
    programaLayout->addWidget(m_botonObra, 4, 1);
    programaLayout->addWidget(etiquetaObra, 4, 2);
    programaLayout->setColumnStretch(2, 1);
    raiz->addWidget(programa);

    auto* pasos = new QGroupBox(QStringLiteral("Pasos del proceso de cálculo"), central);
    auto* pasosLayout = new QGridLayout(pasos);
    pasosLayout->setVerticalSpacing(4);
    for (std::size_t i = 0; i < kFases.size(); ++i) {
        auto* flecha = new QLabel(pasos);
        flecha->setPixmap(QIcon(QStringLiteral(":/icons/flecha.svg")).pixmap(20, 20));
        flecha->setFixedWidth(24);
        flecha->setObjectName(QStringLiteral("Image1_%1").arg(i + 1));
        // Keep the column's width when the arrow is hidden.
        QSizePolicy politica = flecha->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        flecha->setSizePolicy(politica);
        flecha->hide();
        m_flechas[i] = flecha;
        pasosLayout->addWidget(flecha, static_cast<int>(i), 0);
        pasosLayout->addWidget(new QLabel(QString::fromUtf8(kFases[i]), pasos), static_cast<int>(i),
                               1);
    }
    pasosLayout->setColumnStretch(1, 1);
    raiz->addWidget(pasos);
    raiz->addStretch(1);
    setCentralWidget(central);

    // Batch tools over a base section: the section in the record, or one opened there.
    QMenu* herramientas = menuBar()->addMenu(QStringLiteral("&Herramientas"));
    QAction* tablas = herramientas->addAction(QStringLiteral("&Tablas de recubrimiento…"));
    tablas->setObjectName(QStringLiteral("accionTablas"));
    connect(tablas, &QAction::triggered, this, [this] { abreTablas(); });

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    // F1 opens the help here as on every screen: the index, since this window has no topic.
    QAction* indice = ayuda->addAction(QStringLiteral("Í&ndice de la ayuda"));
    indice->setObjectName(QStringLiteral("accionAyuda"));
    indice->setShortcut(QKeySequence(Qt::Key_F1));
    indice->setShortcutContext(Qt::WindowShortcut);
    connect(indice, &QAction::triggered, this, [this] { muestraAyuda(); });
    QAction* acercaDe = ayuda->addAction(QStringLiteral("&Acerca de Tubrix"));
    acercaDe->setObjectName(QStringLiteral("accionAcercaDe"));
    acercaDe->setMenuRole(QAction::AboutRole);
    connect(acercaDe, &QAction::triggered, this, [this] { muestraAcercaDe(); });

    connect(m_botones[0], &QPushButton::clicked, this, [this] { calculaSeccion(); });
    connect(m_botones[1], &QPushButton::clicked, this, [this] { abandonaAplicacion(); });
    connect(m_botones[2], &QPushButton::clicked, this, [this] { recuperaCalculo(); });
    connect(m_botonObra, &QPushButton::clicked, this, [this] { calculaObra(); });
    actualizaTitulo();
}

void Principal::muestraAyuda() {
    Ayuda::muestra(this, QStringLiteral("index"));
}

void Principal::actualizaTitulo() {
    const QString base = QStringLiteral("Cálculo Tubrix de Tuberías");
    const std::string& fichero = m_contexto.guardado.fichero();
    if (fichero.empty()) {
        setWindowTitle(base);
    } else {
        const QString nombre =
            QString::fromStdString(utf8FromPath(pathFromUtf8(fichero).filename()));
        // "[*]" is where Qt shows the mark of unsaved changes.
        setWindowTitle(nombre + QStringLiteral("[*] - ") + base);
    }
    setWindowModified(m_contexto.guardado.hayCambios(m_contexto.proyecto));
}

void Principal::abreTablas() {
    TablasRecubrimiento tablas(m_contexto, this);
    tablas.exec();
}

void Principal::muestraAcercaDe() {
    AcercaDe acercaDe(localizaCatalogo(), this);
    acercaDe.exec();
}

void Principal::Pon_Flecha(int linea) {
    m_lineaFlecha = linea;
    for (std::size_t i = 0; i < m_flechas.size(); ++i)
        m_flechas[i]->setVisible(static_cast<int>(i) + 1 == linea);
}

Asistente::Acciones Principal::accionesPredeterminadas() {
    Asistente::Acciones a;
    a.muestraPantalla = [this](Pantalla pantalla) {
        const std::unique_ptr<PantallaBase> dialogo = creaPantalla(pantalla, m_contexto, this);
        dialogo->exec();
    };
    a.preguntaNuevaSeccion = [this] {
        return preguntaSiNo(
            this, {"Desea calcular una nueva sección?", Icono::Pregunta, false, "Nueva sección?"});
    };
    a.pideFicheroAbrir = [this](const std::string& preset) {
        return m_contexto.dialogos.pideFicheroAbrir(this, preset);
    };
    a.muestraError = [this](const std::string& mensaje) {
        muestraMensaje(this, {mensaje, Icono::Critico, false, "Aviso"});
    };
    a.ponFlecha = [this](int linea) {
        Pon_Flecha(linea);
    };
    a.confirmaCambios = [this] {
        return confirmaCambios(this, m_contexto);
    };
    a.marcaGuardado = [this](const std::string& fichero) {
        m_contexto.guardado.marca(m_contexto.proyecto, fichero);
        actualizaTitulo();
    };
    a.calculaHastaVerificacion = [this](int paso, Pantalla aceptada) {
        return Calcula_Hasta_Verificacion(m_contexto.proyecto, m_contexto.catalogo, paso, aceptada);
    };
    a.muestraPantallaConAviso = [this](Pantalla pantalla, const std::string& aviso) {
        const std::unique_ptr<PantallaBase> dialogo = creaPantalla(pantalla, m_contexto, this);
        dialogo->avisaSiNoHayRechazo(aviso);
        dialogo->exec();
    };
    return a;
}

void Principal::ejecutaAsistente(Asistente::Ruta ruta, std::optional<std::string> fichero) {
    Asistente asistente(m_contexto.proyecto, m_acciones ? *m_acciones : accionesPredeterminadas());
    asistente.ejecuta(ruta, std::move(fichero));
    actualizaTitulo();
}

void Principal::calculaSeccion() {
    ejecutaAsistente(Asistente::Ruta::NuevaSeccion, std::nullopt);
}

void Principal::recuperaCalculo(std::optional<std::string> fichero) {
    ejecutaAsistente(Asistente::Ruta::AbrirProyecto, std::move(fichero));
}

void Principal::calculaObra() {
    VentanaObra obra(m_contexto, m_contexto.proyecto, this);
    obra.exec();
}

bool Principal::confirmaSalida() {
    return preguntaAceptarCancelar(
               this, {"¿ Desea abandonar la aplicación ?", Icono::Pregunta, false, "Aviso"}) &&
           confirmaCambios(this, m_contexto);
}

void Principal::abandonaAplicacion() {
    if (!confirmaSalida())
        return;
    m_contexto.calculadora.cierra();
    m_saliendo = true;
    close();
    QApplication::quit();
}

void Principal::closeEvent(QCloseEvent* event) {
    if (m_saliendo || confirmaSalida()) {
        m_contexto.calculadora.cierra();
        m_saliendo = true;
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace tubrix::gui
