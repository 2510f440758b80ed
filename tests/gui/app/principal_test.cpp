#include "app/principal.h"
#include "model/campos.h"
#include "model/fichero_proyecto.h"
#include "screens/calc/verificacion_1.h"
#include "screens/fabrica.h"
#include "support/banco.h"
#include "support/contestador.h"
#include "support/temp_dir.h"
#include "ui/ayuda.h"
#include "ui/barra_botones.h"
#include "ui/pantalla_base.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace tubrix;

class PrincipalTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheThreeActionsAndTheNinePhases() {
        test::Banco b;
        gui::Principal principal(b.contexto);
        QCOMPARE(principal.windowTitle(), QStringLiteral("Cálculo Tubrix de Tuberías"));
        QStringList textos;
        for (const QLabel* l : principal.findChildren<QLabel*>())
            textos << l->text();
        for (const char* t : {"Cálculo de una sección", "Abandonar la aplicación",
                              "Recuperar un cálculo existente", "- Clase de seguridad requerida",
                              "- Verificación de tensiones, deformaciones y estabilidad"})
            QVERIFY2(textos.contains(QString::fromUtf8(t)), t);
    }

    void theArrowFollowsTheLineAndHidesAtZero() {
        test::Banco b;
        gui::Principal principal(b.contexto);
        principal.show();
        principal.Pon_Flecha(4);
        QVERIFY(principal.findChild<QLabel*>(QStringLiteral("Image1_4"))->isVisible());
        QVERIFY(!principal.findChild<QLabel*>(QStringLiteral("Image1_3"))->isVisible());
        principal.Pon_Flecha(0);
        for (int i = 1; i <= 9; ++i)
            QVERIFY(!principal.findChild<QLabel*>(QStringLiteral("Image1_%1").arg(i))->isVisible());
    }

    void quittingAsksFirstAndCancelKeepsTheWindow() {
        test::Banco b;
        gui::Principal principal(b.contexto);
        principal.show();
        test::Contestador contestador;
        contestador.respuestas({QMessageBox::Cancel});
        QTest::mouseClick(principal.boton(1), Qt::LeftButton);
        QCOMPARE(contestador.vistos().size(), std::size_t(1));
        QCOMPARE(contestador.vistos().front().texto,
                 QStringLiteral("¿ Desea abandonar la aplicación ?"));
        QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
        QVERIFY(principal.isVisible());
    }

    // F1 on the main window opens the help at its index.
    void f1OpensTheHelpIndex() {
        test::Banco b;
        gui::Principal principal(b.contexto);
        principal.show();
        QVERIFY(QTest::qWaitForWindowActive(&principal));
        QTest::keyClick(&principal, Qt::Key_F1);
        auto* ayuda = principal.findChild<QDialog*>(QStringLiteral("VentanaAyuda"));
        QVERIFY(ayuda && ayuda->isVisible());
        QCOMPARE(ayuda->findChild<QTextBrowser*>()->source().toString(),
                 QStringLiteral("qrc:/help/index.html"));
    }

    // Work is never lost without a question: abandoning a screen, starting a new section,
    // opening another project or quitting, with inputs changed since the last save, ask
    // "¿Desea guardar los cambios?"; Cancel keeps everything as it is, Yes saves first.
    void unsavedChangesAreAskedAboutBeforeTheyAreLost() {
        test::TempDir dir;
        const std::string fichero = (dir / "obra.tbx").string();
        test::Banco b;
        b.contexto.guardado.marca(b.p, {});
        b.contexto.dialogos.pideFicheroGuardar = [&](QWidget*, const std::string&) {
            return std::optional<std::string>(fichero);
        };
        gui::Principal principal(b.contexto);
        QCOMPARE(principal.windowTitle(), QStringLiteral("Cálculo Tubrix de Tuberías"));
        test::Contestador contestador;
        {
            // Nothing changed: abandoning asks nothing.
            const auto zanja = gui::creaPantalla(Pantalla::Datos_Zanja, b.contexto, &principal);
            zanja->show();
            QTest::mouseClick(zanja->barra()->abandonar(), Qt::LeftButton);
            QVERIFY(contestador.vistos().empty());
            QCOMPARE(b.p.Codigo_Navegacion, kNavegacionAbandonar);
        }
        b.p.H = 3.5;
        {
            const auto zanja = gui::creaPantalla(Pantalla::Datos_Zanja, b.contexto, &principal);
            zanja->show();
            b.p.Codigo_Navegacion = 0;
            contestador.respuestas({QMessageBox::Cancel});
            QTest::mouseClick(zanja->barra()->abandonar(), Qt::LeftButton);
            QCOMPARE(contestador.vistos().size(), std::size_t(1));
            QCOMPARE(contestador.vistos()[0].texto, QStringLiteral("¿Desea guardar los cambios?"));
            QVERIFY(zanja->isVisible());
            QCOMPARE(b.p.Codigo_Navegacion, std::int16_t(0));
            contestador.olvida();
            contestador.respuestas({QMessageBox::Yes});
            QTest::mouseClick(zanja->barra()->abandonar(), Qt::LeftButton);
            QVERIFY(!zanja->isVisible());
        }
        test::Banco leido;
        QVERIFY(Abre_Proyecto(leido.p, fichero));
        QCOMPARE(leido.p.H, 3.5);
        principal.actualizaTitulo();
        QCOMPARE(principal.windowTitle(),
                 QStringLiteral("obra.tbx[*] - Cálculo Tubrix de Tuberías"));
        QVERIFY(!principal.isWindowModified());

        // Changed again: a new section asks, and Cancel keeps the record and the wizard closed.
        b.p.H = 4.0;
        principal.actualizaTitulo();
        QVERIFY(principal.isWindowModified());
        contestador.olvida();
        contestador.respuestas({QMessageBox::Yes, QMessageBox::Cancel});
        gui::Asistente::Acciones acciones = principal.accionesPredeterminadas();
        std::vector<Pantalla> mostradas;
        acciones.muestraPantalla = [&](Pantalla p) {
            mostradas.push_back(p);
            b.p.Codigo_Navegacion = kNavegacionAbandonar;
        };
        principal.ponAcciones(acciones);
        principal.calculaSeccion();
        QCOMPARE(contestador.vistos().size(), std::size_t(2)); // "nueva sección?", then ours
        QCOMPARE(contestador.vistos()[1].texto, QStringLiteral("¿Desea guardar los cambios?"));
        QCOMPARE(b.p.H, 4.0);
        QVERIFY(mostradas.empty());

        // Quitting: OK to leave, then No to the changes: the window closes.
        principal.show();
        contestador.olvida();
        contestador.respuestas({QMessageBox::Ok, QMessageBox::No});
        QVERIFY(principal.close());
        QCOMPARE(contestador.vistos().size(), std::size_t(2));
    }

    // A section saved from the verification screen and opened again from the main window
    // comes back with every persisted field.
    void savedThenReopenedKeepsThePersistedFields() {
        test::TempDir dir;
        const std::string fichero = (dir / "obra.tbx").string();
        test::Banco guardada("prfv-largo-plazo-zanja-terraplenada-freatico.json");
        guardada.p.Texto_Proyecto = "Colector Ñ";
        guardada.contexto.dialogos.pideFicheroGuardar = [&](QWidget*, const std::string&) {
            return std::optional<std::string>(fichero);
        };
        {
            gui::Verificacion_1 verificacion(guardada.contexto);
            verificacion.show();
            QTest::mouseClick(verificacion.guardar(), Qt::LeftButton);
            QCOMPARE(guardada.p.Codigo_Navegacion, kNavegacionSiguiente);
        }

        test::Banco abierta;
        gui::Principal principal(abierta.contexto);
        gui::Asistente::Acciones acciones = principal.accionesPredeterminadas();
        acciones.pideFicheroAbrir = [&](const std::string&) {
            return std::optional<std::string>(fichero);
        };
        acciones.muestraPantalla = [&](Pantalla) {
            abierta.p.Codigo_Navegacion = kNavegacionAbandonar;
        };
        principal.ponAcciones(acciones);
        principal.recuperaCalculo();
        QCOMPARE(QString::fromStdString(abierta.p.Fichero), QString::fromStdString(fichero));
        QVERIFY(Codifica_Proyecto(abierta.p) == Codifica_Proyecto(guardada.p));
        QCOMPARE(abierta.p.Texto_Proyecto, std::string("Colector Ñ"));
    }
};

QTEST_MAIN(PrincipalTest)
#include "principal_test.moc"
