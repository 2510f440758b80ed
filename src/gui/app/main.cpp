// The desktop program: the start-up window opens the catalogue, then the main window waits for
// the user. A project file given on the command line is opened as "Recuperar un cálculo
// existente" would.
#include "app/presentacion.h"
#include "app/principal.h"
#include "catalogue/localiza_catalogo.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"
#include "ui/enter_como_tab.h"
#include "ui/idioma.h"
#include "ui/mensajes.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tubrix"));
    QApplication::setOrganizationName(QStringLiteral("Tubrix"));
    QApplication::setApplicationVersion(QString::fromUtf8(tubrix::kVersion));
    // Desktops match the windows to the installed desktop entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(tubrix::kIdAplicacion));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tubrix.svg")));
    tubrix::gui::ponLocaleDelPrograma();
    tubrix::gui::instalaTraduccionesQt(app);
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral(
        "Comprobación estructural de tuberías enterradas (ATV A 127, UNE 88.211-90)."));
    opciones.addHelpOption();
    opciones.addVersionOption();
    opciones.addPositionalArgument(QStringLiteral("proyecto"),
                                   QStringLiteral("Proyecto (.tbx) que se abre al empezar."),
                                   QStringLiteral("[proyecto.tbx]"));
    opciones.process(app);
    const QString proyectoPedido = opciones.positionalArguments().value(0);
    tubrix::gui::EnterComoTab::instala();

    tubrix::Proyecto proyecto;
    tubrix::Arranca_Programa(proyecto);

    const auto sinCatalogo = [](const tubrix::Error& error) {
        tubrix::gui::muestraMensaje(
            nullptr,
            {error.mensaje + "\n\nEl programa no puede funcionar sin el catálogo y se cerrará.",
             tubrix::Icono::Critico, false, "Aviso"});
        return 1;
    };
    const auto rutaCatalogo = tubrix::localizaCatalogo();
    if (!rutaCatalogo)
        return sinCatalogo(rutaCatalogo.error());
    tubrix::gui::Presentacion presentacion(*rutaCatalogo);
    auto catalogo = presentacion.abreCatalogo();
    if (!catalogo)
        return sinCatalogo(catalogo.error());
    presentacion.exec();
    tubrix::Inicializa_Proyecto(proyecto);

    tubrix::gui::Calculadora calculadora(proyecto);
    tubrix::gui::Contexto contexto{proyecto, *catalogo, calculadora,
                                   tubrix::gui::separadoresDelSistema()};
    // The new section is the reference: leaving it as it is loses nothing.
    contexto.guardado.marca(proyecto, {});
    tubrix::gui::Principal principal(contexto);
    principal.show();

    if (!proyectoPedido.isEmpty()) {
        const std::string fichero = proyectoPedido.toStdString();
        QTimer::singleShot(0, &principal,
                           [&principal, fichero] { principal.recuperaCalculo(fichero); });
    }
    return QApplication::exec();
}
