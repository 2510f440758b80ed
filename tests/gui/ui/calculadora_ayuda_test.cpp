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
        for (const char* tema : {"Datos_Tubos",
                                 "Seguridad_UNE",
                                 "Seguridad_ATV",
                                 "Datos_Zanja",
                                 "Freatico",
                                 "Datos_Apoyo",
                                 "Datos_Suelos",
                                 "Datos_Suelos_2",
                                 "Sobrecargas",
                                 "Calculo_Cargas",
                                 "Distribucion_Cargas_Tensiones",
                                 "Distribucion_Cargas_Tensiones_Largo",
                                 "Distribucion_Cargas_Deformaciones",
                                 "Distribucion_Cargas_2_Tensiones",
                                 "Distribucion_Cargas_2_Tensiones_Largo",
                                 "Distribucion_Cargas_2_Deformaciones",
                                 "Cargas_Calculo_Tensiones",
                                 "Cargas_Calculo_Deformaciones",
                                 "Esfuerzos_Corto",
                                 "Esfuerzos_Largo",
                                 "Tensiones",
                                 "Estabilidad",
                                 "Verificacion_1"}) {
            const QString pagina = gui::Ayuda::paginaDe(QString::fromLatin1(tema));
            QCOMPARE(pagina, QStringLiteral(":/help/%1.html").arg(QString::fromLatin1(tema)));
            QVERIFY2(QFile::exists(pagina), tema);
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
