#include "screens/input/freatico.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/enter_como_tab.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Freatico;
using tubrix::test::Contestador;

namespace {

const QString kMayorQueCero =
    QStringLiteral("El valor del nivel freático debe ser mayor o igual que 0");
const QString kMenorQueVeinte =
    QStringLiteral("El valor del nivel freático debe ser menor o igual que 20");
const QString kHfMenorQueH = QStringLiteral("Hf debe ser menor que H");
const QString kProfundo = QStringLiteral(
    "La profundidad del nivel freático es lo suficientemente elevada como para poder "
    "despreciarla. ¿ Desea suponer Hf = 0 ?");

// A trench of type 1 with H = 3 m and a pipe of 500 mm outside diameter.
struct Entorno {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, tubrix::test::catalogoDelPrograma(), calculadora,
                           Separadores::espanol()};

    Entorno() {
        Arranca_Programa(p);
        Inicializa_Proyecto(p, "12-08-2026");
        p.Norma = 2;
        p.Tipo_Instalacion = 1;
        p.H = 3;
        p.Diametro_Exterior = 500;
    }
};

struct PantallaFreatico {
    Freatico ventana;

    explicit PantallaFreatico(gui::Contexto& contexto) : ventana(contexto) { ventana.show(); }

    QCheckBox* marca() const { return ventana.findChild<QCheckBox*>(QStringLiteral("Check1")); }
    QLineEdit* hf() const { return ventana.findChild<QLineEdit*>(QStringLiteral("Text_Hf")); }
    QLabel* etiquetaHf() const { return ventana.findChild<QLabel*>(QStringLiteral("Etiqueta_Hf")); }
    void escribe(const QString& texto) const {
        hf()->clear();
        QTest::keyClicks(hf(), texto);
    }
    void siguiente() const { QTest::mouseClick(ventana.barra()->siguiente(), Qt::LeftButton); }
    void atras() const { QTest::mouseClick(ventana.barra()->atras(), Qt::LeftButton); }
};

} // namespace

class FreaticoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sinNivelFreaticoGuardaCero() {
        Entorno e;
        e.p.Hw = 7; // a stale height brought by a file
        Contestador contestador;
        PantallaFreatico s(e.contexto);
        QCOMPARE(s.ventana.windowTitle(), QStringLiteral("Nivel freático"));
        QCOMPARE(s.ventana.cajaNorma()->text(), QStringLiteral("Norma ATV"));
        QVERIFY(!s.marca()->isChecked());
        QCOMPARE(s.hf()->text(), QStringLiteral("0,0"));
        QVERIFY(!s.hf()->isEnabled());
        QVERIFY(!s.etiquetaHf()->isEnabled());
        s.siguiente();
        QVERIFY(contestador.vistos().empty());
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Hw, 0.0);
        QCOMPARE(e.p.Nivel_Freatico, std::int16_t{0});
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
    }

    void marcarHabilitaYLlevaElFoco() {
        Entorno e;
        PantallaFreatico s(e.contexto);
        QApplication::setActiveWindow(&s.ventana);
        QVERIFY(QTest::qWaitForWindowActive(&s.ventana));
        QTest::mouseClick(s.marca(), Qt::LeftButton, {}, QPoint(4, s.marca()->height() / 2));
        QVERIFY(s.marca()->isChecked());
        QCOMPARE(e.p.Nivel_Freatico, kSi);
        QVERIFY(s.hf()->isEnabled());
        QVERIFY(s.etiquetaHf()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), s.hf());
    }

    void desmarcarPoneCeroComaCeroYGuardaCero() {
        Entorno e;
        e.p.Nivel_Freatico = kSi;
        e.p.Hw = 2.5;
        Contestador contestador;
        PantallaFreatico s(e.contexto);
        QVERIFY(s.marca()->isChecked());
        QCOMPARE(s.hf()->text(), QStringLiteral("2,5"));
        QVERIFY(s.hf()->isEnabled());

        s.escribe(QStringLiteral("1,75"));
        s.marca()->click();
        QCOMPARE(s.hf()->text(), QStringLiteral("0,0"));
        QVERIFY(!s.hf()->isEnabled());
        QVERIFY(!s.etiquetaHf()->isEnabled());
        QCOMPARE(e.p.Nivel_Freatico, std::int16_t{0});

        s.siguiente();
        QVERIFY(contestador.vistos().empty());
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Hw, 0.0);
        QCOMPARE(e.p.Nivel_Freatico, std::int16_t{0});
    }

    void fueraDeRangoReescribeLaCaja_data() {
        QTest::addColumn<QString>("hf");
        QTest::addColumn<bool>("atras");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("corregido");
        QTest::addColumn<double>("hw");
        QTest::newRow("20,5 next")
            << QStringLiteral("20,5") << false << kMenorQueVeinte << QStringLiteral("20") << 20.0;
        QTest::newRow("-1 next") << QStringLiteral("-1") << false << kMayorQueCero
                                 << QStringLiteral("0") << -1.0;
        QTest::newRow("20,5 back")
            << QStringLiteral("20,5") << true << kMenorQueVeinte << QStringLiteral("20") << 20.0;
        QTest::newRow("-0.5 back")
            << QStringLiteral("-0.5") << true << kMayorQueCero << QStringLiteral("0") << -0.5;
    }
    void fueraDeRangoReescribeLaCaja() {
        QFETCH(QString, hf);
        QFETCH(bool, atras);
        QFETCH(QString, mensaje);
        QFETCH(QString, corregido);
        QFETCH(double, hw);
        Entorno e;
        e.p.H = 30; // no cover height refusal in the way
        e.p.Nivel_Freatico = kSi;
        Contestador contestador;
        PantallaFreatico s(e.contexto);
        const std::int16_t codigoAntes = e.p.Codigo_Navegacion;
        s.escribe(hf);
        atras ? s.atras() : s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, mensaje);
        QCOMPARE(contestador.vistos()[0].titulo, QStringLiteral("Aviso"));
        QCOMPARE(contestador.vistos()[0].icono, QMessageBox::NoIcon);
        QCOMPARE(s.hf()->text(), corregido);
        QCOMPARE(s.ventana.focusWidget(), s.hf());
        QVERIFY(s.ventana.isVisible());
        QCOMPARE(e.p.Hw, hw);
        QCOMPARE(e.p.Codigo_Navegacion, codigoAntes);
    }

    void limitesDelRangoPasan_data() {
        QTest::addColumn<QString>("hf");
        QTest::addColumn<double>("hw");
        QTest::newRow("0") << QStringLiteral("0") << 0.0;
        QTest::newRow("20") << QStringLiteral("20") << 20.0;
    }
    void limitesDelRangoPasan() {
        QFETCH(QString, hf);
        QFETCH(double, hw);
        Entorno e;
        e.p.H = 30;
        e.p.Diametro_Exterior = 0; // nothing is deep enough to ask about
        e.p.Nivel_Freatico = kSi;
        Contestador contestador;
        contestador.respuestas({QMessageBox::Cancel});
        PantallaFreatico s(e.contexto);
        s.escribe(hf);
        s.siguiente();
        QVERIFY(contestador.vistos().empty());
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Hw, hw);
    }

    void hfNoMenorQueH() {
        Entorno e;
        e.p.Nivel_Freatico = kSi;
        Contestador contestador;
        PantallaFreatico s(e.contexto);
        s.escribe(QStringLiteral("3"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, kHfMenorQueH);
        QCOMPARE(contestador.vistos()[0].icono, QMessageBox::Critical);
        QVERIFY(s.ventana.isVisible());
        QCOMPARE(s.ventana.focusWidget(), s.hf());

        s.escribe(QStringLiteral("2,9"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Hw, 2.9);
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
    }

    void hfNoMenorQueH1MasH2() {
        Entorno e;
        e.p.Tipo_Instalacion = 2;
        e.p.H1 = 1;
        e.p.H2 = 2;
        e.p.Nivel_Freatico = kSi;
        Contestador contestador;
        PantallaFreatico s(e.contexto);
        s.escribe(QStringLiteral("3"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, QStringLiteral("Hf debe ser menor que H1+H2"));
        QCOMPARE(contestador.vistos()[0].icono, QMessageBox::Critical);
        QVERIFY(s.ventana.isVisible());
    }

    // OK neglects the deep water: no groundwater, not water at the ground surface.
    void nivelProfundoAceptadoLoDesprecia() {
        Entorno e;
        e.p.Nivel_Freatico = kSi;
        Contestador contestador;
        contestador.respuestas({QMessageBox::Ok});
        PantallaFreatico s(e.contexto);
        s.escribe(QStringLiteral("5,6")); // 5.6 > 0.5 + 3 + 2
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, kProfundo);
        QCOMPARE(contestador.vistos()[0].titulo, QStringLiteral("Aviso"));
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Hw, 0.0);
        QCOMPARE(e.p.Nivel_Freatico, kNo);
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
    }

    void letrasEnHfSeRehusan() {
        Entorno e;
        e.p.Nivel_Freatico = kSi;
        e.p.Hw = 1;
        Contestador contestador;
        PantallaFreatico s(e.contexto);
        s.escribe(QStringLiteral("abc"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto,
                 QStringLiteral("Escriba un número en la profundidad Hf del nivel freático (m)"));
        QVERIFY(s.ventana.isVisible());
        QCOMPARE(s.ventana.focusWidget(), s.hf());
        QCOMPARE(e.p.Hw, 1.0);
    }

    void nivelProfundoCanceladoRehusa() {
        Entorno e;
        e.p.Nivel_Freatico = kSi;
        Contestador contestador;
        contestador.respuestas({QMessageBox::Cancel});
        PantallaFreatico s(e.contexto);
        s.escribe(QStringLiteral("5,6"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{2});
        QCOMPARE(contestador.vistos()[0].texto, kProfundo);
        QCOMPARE(contestador.vistos()[1].texto, kHfMenorQueH);
        QCOMPARE(contestador.vistos()[1].icono, QMessageBox::Critical);
        QVERIFY(s.ventana.isVisible());
        QCOMPARE(s.hf()->text(), QStringLiteral("5,6"));
        QCOMPARE(e.p.Hw, 5.6);
    }

    void atrasConHfMayorQueHNoSeQueja() {
        Entorno e;
        e.p.Nivel_Freatico = kSi;
        Contestador contestador;
        PantallaFreatico s(e.contexto);
        s.escribe(QStringLiteral("4"));
        s.atras();
        QVERIFY(contestador.vistos().empty());
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Hw, 4.0);
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAtras);
    }

    void enterEnHfVaAlBotonSiguiente() {
        gui::EnterComoTab::instala();
        Entorno e;
        e.p.Nivel_Freatico = kSi;
        PantallaFreatico s(e.contexto);
        QApplication::setActiveWindow(&s.ventana);
        QVERIFY(QTest::qWaitForWindowActive(&s.ventana));
        s.hf()->setFocus();
        QTest::keyClick(s.hf(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.ventana.barra()->siguiente());
        QVERIFY(s.ventana.isVisible());
    }
};

QTEST_MAIN(FreaticoTest)
#include "freatico_test.moc"
