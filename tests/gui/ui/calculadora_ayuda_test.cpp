#include "chain/pasos.h"
#include "screens/input/freatico.h"
#include "support/banco.h"
#include "support/contestador.h"
#include "ui/ayuda.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"

#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

using namespace tubrix;

class CalculadoraAyudaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneCalculatorAtATimeAndANewOneAfterItCloses() {
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        if (sleep.isEmpty())
            QSKIP("no stand-in program for the calculator on this system");
        Proyecto p;
        gui::Calculadora calculadora(p);
        int arranques = 0;
        calculadora.ponBuscador([&] {
            ++arranques;
            return std::optional<gui::Calculadora::Orden>({sleep, {QStringLiteral("30")}});
        });
        calculadora.lanza(nullptr);
        QVERIFY(calculadora.enMarcha());
        QVERIFY(p.Id_Calculadora.has_value());
        calculadora.lanza(nullptr); // still running: no second one
        QCOMPARE(arranques, 1);
        calculadora.cierra();
        QVERIFY(!calculadora.enMarcha());
        calculadora.lanza(nullptr);
        QCOMPARE(arranques, 2);
        calculadora.cierra();
    }

    void withoutACalculatorTheUserIsTold() {
        Proyecto p;
        gui::Calculadora calculadora(p);
        calculadora.ponBuscador([] { return std::optional<gui::Calculadora::Orden>(); });
        test::Contestador contestador;
        calculadora.lanza(nullptr);
        QCOMPARE(contestador.vistos().size(), std::size_t(1));
        QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
        QVERIFY(!p.Id_Calculadora.has_value());
    }

    void everyScreenHasItsHelpPage() {
        for (int i = 0; i <= static_cast<int>(Pantalla::Verificacion_1); ++i) {
            const auto nombre = nombrePantalla(static_cast<Pantalla>(i));
            const QString tema =
                QString::fromUtf8(nombre.data(), static_cast<qsizetype>(nombre.size()));
            const QString pagina = gui::Ayuda::paginaDe(tema);
            QCOMPARE(pagina, QStringLiteral(":/help/%1.html").arg(tema));
            QVERIFY2(QFile::exists(pagina), qPrintable(tema));
        }
    }

    void f1AndTheHelpButtonOpenTheScreensPage() {
        test::Banco b;
        gui::Freatico pantalla(b.contexto);
        pantalla.show();
        QTest::keyClick(&pantalla, Qt::Key_F1);
        auto* navegador = pantalla.findChild<QTextBrowser*>(QStringLiteral("NavegadorAyuda"));
        QVERIFY(navegador);
        QVERIFY(navegador->source().toString().endsWith(QStringLiteral("help/Freatico.html")));
        QVERIFY(navegador->toPlainText().contains(QStringLiteral("Nivel freático")));
        navegador->window()->close();
        QTest::mouseClick(pantalla.barra()->ayuda(), Qt::LeftButton);
        QVERIFY(navegador->window()->isVisible());
    }
};

QTEST_MAIN(CalculadoraAyudaTest)
#include "calculadora_ayuda_test.moc"
