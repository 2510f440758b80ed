// The desktop program: the start-up window opens the catalogue, then the main window waits for
// the user. A project file given on the command line is opened as "Recuperar un cálculo
// existente" would.
#include "app/presentacion.h"
#include "app/principal.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"
#include "ui/enter_como_tab.h"
#include "ui/mensajes.h"
#include "util/paths.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tubrix"));
    QApplication::setOrganizationName(QStringLiteral("Tubrix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tubrix.svg")));
    tubrix::gui::EnterComoTab::instala();

    tubrix::Proyecto proyecto;
    tubrix::Arranca_Programa(proyecto);

    const QString rutaCatalogo =
        QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("DatosS.db"));
    tubrix::gui::Presentacion presentacion(tubrix::pathFromUtf8(rutaCatalogo.toStdString()));
    auto catalogo = presentacion.abreCatalogo();
    if (!catalogo) {
        tubrix::gui::muestraMensaje(
            nullptr, {catalogo.error().mensaje +
                          "\n\nEl programa no puede funcionar sin el catálogo y se cerrará.",
                      tubrix::Icono::Critico, false, "Aviso"});
        return 1;
    }
    presentacion.exec();
    tubrix::Inicializa_Proyecto(proyecto);

    tubrix::gui::Calculadora calculadora(proyecto);
    tubrix::gui::Contexto contexto{proyecto, *catalogo, calculadora,
                                   tubrix::gui::separadoresDelSistema()};
    tubrix::gui::Principal principal(contexto);
    principal.show();

    const QStringList argumentos = QApplication::arguments();
    if (argumentos.size() > 1) {
        const std::string fichero = argumentos.at(1).toStdString();
        QTimer::singleShot(0, &principal,
                           [&principal, fichero] { principal.recuperaCalculo(fichero); });
    }
    return QApplication::exec();
}
