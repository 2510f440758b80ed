#include "calc/calculo_cargas.h"
#include "chain/calcula_seccion.h"
#include "screens/calc/calculo_cargas.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/enter_como_tab.h"
#include "ui/rejilla.h"

#include <map>
#include <memory>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Calculo_Cargas;
using tubrix::gui::qs;

namespace {

struct Entorno {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};
};

std::filesystem::path seccion(const char* nombre) {
    return std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre;
}

// A section after the forward pass of the screens before the load calculation.
std::unique_ptr<Entorno> antesDeCargas(const std::filesystem::path& fichero) {
    auto e = std::make_unique<Entorno>();
    e->p = test::cargaSeccion(fichero);
    for (int paso = kPrimerPaso; paso <= kUltimoPaso; ++paso) {
        const auto pantallas = Pantallas_Del_Paso(paso, e->p);
        if (pantallas.primera == Pantalla::Calculo_Cargas)
            return e;
        if (const auto rechazo = Ejecuta_Pantalla(*pantallas.primera, e->p, e->contexto.catalogo))
            throw std::runtime_error(*rechazo);
    }
    throw std::runtime_error("the pass never reaches the load calculation");
}

QString texto(const QWidget& w, const char* nombre) {
    const auto* etiqueta = w.findChild<QLabel*>(QString::fromUtf8(nombre));
    return etiqueta ? etiqueta->text() : QStringLiteral("<missing %1>").arg(nombre);
}

QWidget* caption(const QWidget& w, const char* textoCaption) {
    for (auto* etiqueta : w.findChildren<QLabel*>())
        if (etiqueta->text() == QString::fromUtf8(textoCaption))
            return etiqueta;
    return nullptr;
}

// Every caption of a screen: labels, check boxes and group titles.
QStringList textosDe(const QWidget& w) {
    QStringList textos;
    for (const auto* etiqueta : w.findChildren<QLabel*>())
        textos << etiqueta->text();
    for (const auto* caja : w.findChildren<QCheckBox*>())
        textos << caja->text();
    for (const auto* grupo : w.findChildren<QGroupBox*>())
        textos << grupo->title();
    return textos;
}

// A click on the box itself (the widget spans the row; its text ends long before).
void pulsa(QCheckBox* caja) {
    QTest::mouseClick(caja, Qt::LeftButton, {}, QPoint(8, caja->height() / 2));
}

QString fmt(double valor, const char* patron) {
    return qs(formatea(valor, patron, Separadores::espanol()));
}

} // namespace

class CalculoCargasTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheEngineValuesOfEverySection_data() {
        QTest::addColumn<QString>("fichero");
        for (const auto& f : test::seccionesDeEjemplo())
            QTest::newRow(f.filename().string().c_str()) << QString::fromStdString(f.string());
    }

    void showsTheEngineValuesOfEverySection() {
        QFETCH(QString, fichero);
        auto e = antesDeCargas(fichero.toStdString());
        Proyecto esperado = e->p;
        QVERIFY(Calcula_Cargas(esperado));
        Calculo_Cargas pantalla(e->contexto);
        // The screen stores what the engine computes and nothing else.
        QVERIFY(e->p == esperado);

        const std::map<const char*, std::pair<double, const char*>> celdas = {
            {"Cz", {esperado.Cz, "##,##0.0#"}},     {"Cz90", {esperado.Cz90, "##,##0.0#"}},
            {"Cn90", {esperado.Cn90, "##,##0.0#"}}, {"Cn", {esperado.Cn, "##,##0.0#"}},
            {"Pe", {esperado.Pe, "##,##0.0#"}},     {"Pf", {esperado.Pf, "##,##0.00"}},
            {"aF", {esperado.aF, "##,##0.0#"}},     {"P", {esperado.P, "##,##0.0#"}},
            {"Fi", {esperado.Fi, "#0.0"}},          {"Pv", {esperado.Pv, "##,##0.0#"}}};
        for (const auto& [nombre, celda] : celdas)
            QCOMPARE(texto(pantalla, nombre), fmt(celda.first, celda.second));

        const bool hay = esperado.Hay_Cargas_Superficie != 0;
        QCOMPARE(texto(pantalla, "Xo"), hay ? fmt(esperado.Xo, "#,###.000") : QString());
        QCOMPARE(texto(pantalla, "Xoc"), hay ? fmt(esperado.Xoc, "#,###.000") : QString());
        QCOMPARE(pantalla.findChild<QCheckBox*>("Hay_Cargas_Superficie")->isChecked(), hay);
        const auto* p0 = pantalla.findChild<QLineEdit*>("Texto_P0");
        QCOMPARE(p0->isEnabled(), hay);
        QCOMPARE(p0->text(), qs(cajaGeneralDe(esperado.P0, Separadores::espanol()).texto));

        // Cn90 and Cn, captions included, only count for a trench under an embankment.
        const bool cn = esperado.Caso_Zanja == 3.0;
        for (const char* c : {"Coeficiente Cn90", "Coeficiente Cn"})
            QCOMPARE(caption(pantalla, c)->isEnabled(), cn);
        QCOMPARE(pantalla.findChild<QLabel*>("Cn")->isEnabled(), cn);
        QCOMPARE(pantalla.findChild<QLabel*>("Cn90")->isEnabled(), cn);

        const std::map<int, QString> instalaciones = {
            {1, QStringLiteral("Tipo 1: En zanja o bajo terraplén")},
            {2, QStringLiteral("Tipo 2: En zanja terraplenada")},
            {3, QStringLiteral("Tipo 3: 2 conducciones en la misma zanja")}};
        QCOMPARE(texto(pantalla, "Texto_Instalacion"), instalaciones.at(esperado.Tipo_Instalacion));
        const QStringList traficos = {"Sin tráfico",           "LT 12: Tráfico ligero",
                                      "HT 26: Tráfico medio",  "HT 30: Tráfico medio",
                                      "HT 39: Tráfico pesado", "HT 60: Tráfico pesado"};
        QCOMPARE(texto(pantalla, "Texto_Trafico"), traficos.at(esperado.Tipo_Vehiculo));
    }

    void titleCaptionsAndNoStandardCaption() {
        auto e = antesDeCargas(seccion("pvc-sn8-zanja-trafico.json"));
        Calculo_Cargas pantalla(e->contexto);
        pantalla.show();
        QCOMPARE(pantalla.windowTitle(), QStringLiteral("Cálculo de cargas"));
        QVERIFY(!pantalla.cajaNorma()->isVisible());
        const QStringList textos = textosDe(pantalla);
        for (const char* c :
             {"Cálculo de la carga de tierras", "Cálculo de la carga de tráfico",
              "Tipo de instalación", "Tipo de tráfico", "Cárga máxima según Boussinesq (Pf)",
              "Factor de corrección para casos de pequeñas alturas de recubrimiento (aF)",
              "Hay cargas de superficie", "Carga superficial (P0)",
              "Coeficiente de cargas de superficie (Xoc)", "k N / m2"})
            QVERIFY2(textos.contains(QString::fromUtf8(c)), c);
    }

    void noTrafficKeepsTheImpactFactorShownLast() {
        auto e = antesDeCargas(seccion("pe-presion-zanja-ancha-suelo-arcilloso.json"));
        QCOMPARE(e->p.Tipo_Vehiculo, std::int16_t(0));
        e->p.Fi = 1.4;
        Calculo_Cargas pantalla(e->contexto);
        QCOMPARE(texto(pantalla, "Fi"), QStringLiteral("1,4"));
        QCOMPARE(texto(pantalla, "Pv"), QStringLiteral("0,0"));
        QVERIFY(!texto(pantalla, "aF").isEmpty());
    }

    void theCheckBoxStoresAtOnceAndOnlySwitchesTheBox() {
        auto e = antesDeCargas(seccion("pvc-sn8-zanja-trafico.json"));
        QCOMPARE(e->p.Hay_Cargas_Superficie, kSi);
        Calculo_Cargas pantalla(e->contexto);
        pantalla.show();
        auto* caja = pantalla.findChild<QCheckBox*>("Hay_Cargas_Superficie");
        auto* p0 = pantalla.findChild<QLineEdit*>("Texto_P0");
        const QString xo = texto(pantalla, "Xo");
        QVERIFY(!xo.isEmpty());

        pulsa(caja);
        QCOMPARE(e->p.Hay_Cargas_Superficie, kNo);
        QVERIFY(!p0->isEnabled());
        QCOMPARE(texto(pantalla, "Xo"), xo); // not refreshed by the click

        pulsa(caja);
        QCOMPARE(e->p.Hay_Cargas_Superficie, kSi);
        QVERIFY(p0->isEnabled());
    }

    void tickingDoesNotFillTheSurfaceCoefficients() {
        auto e = antesDeCargas(seccion("hormigon-atv-zanja-estrecha-ht60.json"));
        Calculo_Cargas pantalla(e->contexto);
        pantalla.show();
        QCOMPARE(texto(pantalla, "Xo"), QString());
        pulsa(pantalla.findChild<QCheckBox*>("Hay_Cargas_Superficie"));
        QCOMPARE(e->p.Hay_Cargas_Superficie, kSi);
        QVERIFY(pantalla.findChild<QLineEdit*>("Texto_P0")->isEnabled());
        QCOMPARE(texto(pantalla, "Xoc"), QString());
    }

    void nextReadsP0AlsoWhenTheBoxIsCleared() {
        auto e = antesDeCargas(seccion("pvc-sn8-zanja-trafico.json"));
        Calculo_Cargas pantalla(e->contexto);
        pantalla.show();
        auto* p0 = pantalla.findChild<QLineEdit*>("Texto_P0");
        p0->clear();
        QTest::keyClicks(p0, "12,5");
        pulsa(pantalla.findChild<QCheckBox*>("Hay_Cargas_Superficie"));
        QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
        QCOMPARE(e->p.P0, 12.5);
        QCOMPARE(e->p.Hay_Cargas_Superficie, kNo);
        QCOMPARE(e->p.Codigo_Navegacion, kNavegacionSiguiente);
        QVERIFY(!pantalla.isVisible());
    }

    // A negative load or letters in the ticked box stay on the screen, focus in the box.
    void anImpossibleLoadIsRefusedOnItsBox() {
        auto e = antesDeCargas(seccion("pvc-sn8-zanja-trafico.json"));
        Calculo_Cargas pantalla(e->contexto);
        pantalla.show();
        test::Contestador contestador;
        auto* p0 = pantalla.findChild<QLineEdit*>("Texto_P0");
        for (const char* escrito : {"-1", "abc"}) {
            p0->clear();
            QTest::keyClicks(p0, escrito);
            QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
            QVERIFY(pantalla.isVisible());
            QCOMPARE(pantalla.focusWidget(), p0);
            QCOMPARE(e->p.P0, 10.0);
        }
        QCOMPARE(contestador.vistos().size(), std::size_t{2});
        QCOMPARE(contestador.vistos()[0].texto,
                 QStringLiteral("La carga superficial P0 debe ser mayor o igual que 0 kN/m2"));
        QCOMPARE(contestador.vistos()[1].texto,
                 QStringLiteral("Escriba un número en la carga superficial P0 (kN/m2)"));
    }

    void enterInTheBoxDoesNotAccept() {
        gui::EnterComoTab::instala();
        auto e = antesDeCargas(seccion("pvc-sn8-zanja-trafico.json"));
        Calculo_Cargas pantalla(e->contexto);
        pantalla.show();
        QVERIFY(QTest::qWaitForWindowActive(&pantalla));
        auto* p0 = pantalla.findChild<QLineEdit*>("Texto_P0");
        p0->setFocus();
        QTest::keyClick(p0, Qt::Key_Return);
        QVERIFY(pantalla.isVisible());
        QCOMPARE(QApplication::focusWidget(), pantalla.barra()->siguiente());
    }

    void backAndAbandonReadNothing() {
        for (const bool atras : {true, false}) {
            auto e = antesDeCargas(seccion("pvc-sn8-zanja-trafico.json"));
            Calculo_Cargas pantalla(e->contexto);
            pantalla.show();
            auto* p0 = pantalla.findChild<QLineEdit*>("Texto_P0");
            p0->clear();
            QTest::keyClicks(p0, "99");
            QTest::mouseClick(atras ? pantalla.barra()->atras() : pantalla.barra()->abandonar(),
                              Qt::LeftButton);
            QCOMPARE(e->p.P0, 10.0);
            QCOMPARE(e->p.Codigo_Navegacion, atras ? kNavegacionAtras : kNavegacionAbandonar);
            QVERIFY(!pantalla.isVisible());
        }
    }

    void aRefusedCalculationShowsTheReasonAndCannotGoOn() {
        auto e = antesDeCargas(seccion("pvc-sn8-zanja-trafico.json"));
        e->p.Rm = 0;
        Proyecto copia = e->p;
        const auto error = Calcula_Cargas(copia);
        QVERIFY(!error);
        const Proyecto antes = e->p;

        test::Contestador contestador;
        Calculo_Cargas pantalla(e->contexto);
        pantalla.show();
        QTRY_COMPARE(contestador.vistos().size(), std::size_t(1));
        QCOMPARE(contestador.vistos()[0].titulo, QStringLiteral("Aviso"));
        QCOMPARE(contestador.vistos()[0].texto, qs(error.error().mensaje));
        QVERIFY(e->p == antes);
        QVERIFY(!pantalla.barra()->siguiente()->isEnabled());
        for (const char* nombre : {"Cz", "Pe", "Pf", "aF", "Pv", "Xo", "Texto_Instalacion"})
            QCOMPARE(texto(pantalla, nombre), QString());
        QVERIFY(!pantalla.findChild<QLineEdit*>("Texto_P0")->isEnabled());

        QTest::mouseClick(pantalla.barra()->atras(), Qt::LeftButton);
        QCOMPARE(e->p.Codigo_Navegacion, kNavegacionAtras);
        QVERIFY(!pantalla.isVisible());
    }
};

QTEST_MAIN(CalculoCargasTest)
#include "calculo_cargas_test.moc"
