#include "app/principal.h"
#include "model/campos.h"
#include "model/fichero_proyecto.h"
#include "screens/calc/verificacion_1.h"
#include "support/banco.h"
#include "support/contestador.h"
#include "support/temp_dir.h"
#include "ui/ayuda.h"
#include "ui/barra_botones.h"

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
