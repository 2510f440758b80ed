// The desktop program: opens the catalogue, then shows the main window.
#include "app/principal.h"
#include "catalogue/catalogo_sqlite.h"
#include "model/proyecto.h"
#include "util/paths.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tubrix"));
    QApplication::setOrganizationName(QStringLiteral("Tubrix"));

    tubrix::Proyecto proyecto;
    tubrix::Arranca_Programa(proyecto);

    const auto ruta = tubrix::pathFromUtf8(QDir(QApplication::applicationDirPath())
                                               .filePath(QStringLiteral("DatosS.db"))
                                               .toStdString());
    auto catalogo = tubrix::abreCatalogo(ruta);
    if (!catalogo) {
        QMessageBox::critical(nullptr, QStringLiteral("Aviso"),
                              QString::fromStdString(catalogo.error().mensaje) +
                                  QStringLiteral("\n\nEl programa no puede funcionar sin el "
                                                 "catálogo y se cerrará."));
        return 1;
    }
    tubrix::Inicializa_Proyecto(proyecto);

    tubrix::gui::Principal principal(proyecto, *catalogo);
    principal.show();
    return QApplication::exec();
}
