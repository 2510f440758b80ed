// Saves a PNG of the main window and of every wizard screen, loaded from a project, so the
// screens and the study windows can be looked at without a display: tubrix-capturas OUT_DIR
// [PROJECT.tbx|.json | WORKS.tbo]
#include "app/acerca_de.h"
#include "app/principal.h"
#include "catalogue/catalogo_sqlite.h"
#include "catalogue/localiza_catalogo.h"
#include "chain/calcula_seccion.h"
#include "estudio/estudio_parametrico.h"
#include "estudio/seleccion_tubos.h"
#include "estudio/tablas_recubrimiento.h"
#include "estudio/ventana_obra.h"
#include "model/fichero_proyecto.h"
#include "screens/fabrica.h"
#include "ui/calculadora.h"
#include "ui/enter_como_tab.h"
#include "ui/pantalla_base.h"
#include "util/paths.h"

#include <iostream>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// Screens are saved at their natural size; a window given a size keeps it.
void guarda(QWidget& w, const QDir& carpeta, const QString& nombre, bool ajusta = true) {
    if (ajusta)
        w.adjustSize();
    w.show();
    QApplication::processEvents();
    const QString ruta = carpeta.filePath(nombre + QStringLiteral(".png"));
    if (!w.grab().save(ruta))
        std::cerr << "no se pudo guardar " << ruta.toStdString() << '\n';
    w.hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "uso: tubrix-capturas CARPETA [PROYECTO.tbx]\n";
        return 64;
    }
    tubrix::gui::EnterComoTab::instala();
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(carpeta.path());

    auto catalogo = tubrix::localizaCatalogo().and_then(
        [](const std::filesystem::path& ruta) { return tubrix::abreCatalogo(ruta); });
    if (!catalogo) {
        std::cerr << catalogo.error().mensaje << '\n';
        return 2;
    }
    tubrix::Proyecto proyecto;
    tubrix::Arranca_Programa(proyecto);
    tubrix::Inicializa_Proyecto(proyecto);
    const bool esObra =
        argc > 2 && QString::fromLocal8Bit(argv[2]).endsWith(QStringLiteral(".tbo"));
    if (esObra) {
        // The works window with the works calculated, on its most loaded reach.
        tubrix::gui::Calculadora calculadora(proyecto);
        tubrix::gui::Contexto contexto{proyecto, *catalogo, calculadora,
                                       tubrix::Separadores::espanol()};
        tubrix::gui::VentanaObra obra(contexto, proyecto);
        const std::string fichero = argv[2];
        obra.dialogos().abreObra = [&](QWidget*) {
            return std::optional<std::string>(fichero);
        };
        obra.dialogos().aviso = [](const std::string& texto) {
            std::cerr << texto << '\n';
        };
        obra.abre();
        obra.show();
        obra.calcula();
        while (obra.calculando())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        guarda(obra, carpeta, QStringLiteral("Obra"), false);
        return 0;
    }
    if (argc > 2) {
        if (auto abierto = tubrix::Abre_Proyecto(proyecto, tubrix::pathFromUtf8(argv[2]));
            !abierto) {
            std::cerr << abierto.error().mensaje << '\n';
            return 2;
        }
    }
    tubrix::gui::Calculadora calculadora(proyecto);
    tubrix::gui::Contexto contexto{proyecto, *catalogo, calculadora,
                                   tubrix::Separadores::espanol()};

    tubrix::gui::Principal principal(contexto);
    principal.resize(760, 560);
    principal.Pon_Flecha(3);
    guarda(principal, carpeta, QStringLiteral("Principal"));
    {
        tubrix::gui::AcercaDe acercaDe(tubrix::localizaCatalogo());
        guarda(acercaDe, carpeta, QStringLiteral("Acerca_de"));
    }

    // Each screen as the wizard shows it after the ones before it have been accepted.
    for (int paso = tubrix::kPrimerPaso; paso <= tubrix::kUltimoPaso; ++paso) {
        const auto pantallas = tubrix::Pantallas_Del_Paso(paso, proyecto);
        for (const auto& pantalla : {pantallas.primera, pantallas.largoPlazo}) {
            if (!pantalla)
                continue;
            {
                // A wizard screen sizes itself to the screen it is on, as the program shows it.
                auto dialogo = tubrix::gui::creaPantalla(*pantalla, contexto, nullptr);
                guarda(*dialogo, carpeta, dialogo->objectName(), false);
            }
            // The screens after a refusal would show stale numbers: stop there.
            if (const auto rechazo = tubrix::Ejecuta_Pantalla(*pantalla, proyecto, *catalogo)) {
                std::cerr << "paso " << paso << ": " << *rechazo << '\n';
                return 0;
            }
        }
    }

    // The two studies of a verified section: valid pipes, and the cover height swept.
    {
        tubrix::gui::SeleccionTubos seleccion(contexto);
        seleccion.resize(1400, 560);
        guarda(seleccion, carpeta, QStringLiteral("Tubos_Validos"), false);
    }
    {
        tubrix::gui::EstudioParametrico estudio(contexto);
        estudio.resize(1200, 680);
        estudio.show();
        estudio.calcular()->click();
        guarda(estudio, carpeta, QStringLiteral("Estudio_Parametrico"), false);
    }
    // The tables of admissible cover of the section's series: every soil group, without and with
    // heavy traffic, without groundwater, in a trench 0,5 m wider than each pipe.
    {
        tubrix::gui::TablasRecubrimiento tablas(contexto);
        tablas.resize(1400, 760);
        for (const int grupo : {1, 2, 3, 4})
            tablas.suelo(grupo)->setChecked(true);
        tablas.trafico(0)->setChecked(true);
        tablas.trafico(5)->setChecked(true);
        tablas.sinFreatico()->setChecked(true);
        tablas.zanjaConMargen()->setChecked(true);
        tablas.show();
        tablas.calcular()->click();
        while (tablas.calculando())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        guarda(tablas, carpeta, QStringLiteral("Tablas_Recubrimiento"), false);
    }
    return 0;
}
