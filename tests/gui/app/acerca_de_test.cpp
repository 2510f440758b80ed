#include "app/acerca_de.h"
#include "app/principal.h"
#include "support/banco.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using namespace tubrix;

namespace {

QString textoDe(const QWidget& dialogo) {
    return dialogo.findChild<QLabel*>(QStringLiteral("textoAcercaDe"))->text();
}

} // namespace

class AcercaDeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The Ayuda menu of the main window opens it, modal; it names the build's version, the
    // licence and the catalogue file the program found beside it.
    void reachedFromTheMainWindowWithVersionLicenceAndCatalogue() {
        test::Banco b;
        gui::Principal principal(b.contexto);
        principal.show();
        auto* accion = principal.findChild<QAction*>(QStringLiteral("accionAcercaDe"));
        QVERIFY(accion);
        // In the menu bar's last menu, Ayuda.
        QVERIFY(principal.menuBar()->actions().back()->menu()->actions().contains(accion));

        QString titulo;
        QString texto;
        QTimer::singleShot(0, [&] {
            QWidget* dialogo = QApplication::activeModalWidget();
            QVERIFY(dialogo);
            titulo = dialogo->windowTitle();
            texto = textoDe(*dialogo);
            dialogo->close();
        });
        accion->trigger();
        QCOMPARE(titulo, QStringLiteral("Acerca de Tubrix"));
        QVERIFY(texto.contains(QStringLiteral("Tubrix ") + QString::fromUtf8(kVersion.data())));
        QVERIFY(texto.contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(texto.contains(QStringLiteral("catalogo.md")));
        QVERIFY2(texto.contains(QStringLiteral("Fichero: %1")
                                    .arg(QString::fromUtf8(TUBRIX_TEST_CATALOGUE).toHtmlEscaped())),
                 qPrintable(texto));
    }

    void aMissingCatalogueIsSaidSo() {
        const gui::AcercaDe acercaDe(
            falla(CodigoError::CatalogoNoDisponible, "No se encuentra el catálogo <de tubos>."));
        QVERIFY(textoDe(acercaDe).contains(
            QStringLiteral("No se encuentra el catálogo &lt;de tubos&gt;.")));
    }
};

QTEST_MAIN(AcercaDeTest)
#include "acerca_de_test.moc"
