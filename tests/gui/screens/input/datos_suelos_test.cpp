#include "screens/input/datos_suelos.h"
#include "screens/input/datos_suelos_2.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/enter_como_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Datos_Suelos;
using tubrix::gui::Datos_Suelos_2;

namespace {

using test::entradas;
using test::escribeYSale;
using test::hijo;

const QString kAvisoGrupo4 =
    QStringLiteral("La norma no recomienda seleccionar un suelo de Grupo 4 para la Zona 2");
const QString kSinEnsayos =
    QStringLiteral("No se pueden introducir datos si no se han obtenido las características de "
                   "los suelos mediante ensayos");

struct Banco : test::Banco {
    Banco() {
        p.Opcion_Suelo_1 = 3; // 95 %
        p.Opcion_Suelo_2 = 3;
        p.Compactacion_1 = p.Compactacion_2 = 95;
    }
};

void muestra(QWidget& pantalla) {
    pantalla.show();
    QVERIFY(QTest::qWaitForWindowActive(&pantalla));
}

// Gives the message boxes a chance to be answered.
void espera() {
    QTest::qWait(60);
}

} // namespace

class DatosSuelosTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { gui::EnterComoTab::instala(); }

    // ---- First page ------------------------------------------------------------------------

    void cadaEleccionSeGuardaAlMomento() {
        Banco b;
        Datos_Suelos pantalla(b.contexto);
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionAbandonar);
        QCOMPARE(pantalla.windowTitle(), QStringLiteral("Características de los suelos"));
        auto* grupo1 = hijo<QComboBox>(pantalla, "listaGrupo1");
        QCOMPARE(grupo1->count(), 4);
        QCOMPARE(grupo1->itemText(3), QStringLiteral("Grupo 4"));
        auto* compactacion2 = hijo<QComboBox>(pantalla, "listaCompactacion2");
        QCOMPARE(compactacion2->itemText(0), QStringLiteral(" 85 %"));
        QCOMPARE(compactacion2->currentText(), QStringLiteral(" 95 %"));
        grupo1->setCurrentIndex(2);
        QCOMPARE(b.p.Grupo_Suelo_1, std::int16_t{3});
        // Outside an embankment the other zones keep their own choices.
        QCOMPARE(b.p.Grupo_Suelo_2, std::int16_t{1});
        QVERIFY(hijo<QComboBox>(pantalla, "listaGrupo2")->isEnabled());
        compactacion2->setCurrentIndex(1);
        QCOMPARE(b.p.Compactacion_2, 90.0);
        QCOMPARE(b.p.Opcion_Suelo_2, std::int16_t{1});
        QCOMPARE(b.p.Compactacion_1, 95.0);
        hijo<QComboBox>(pantalla, "listaGrupo4")->setCurrentIndex(1);
        QCOMPARE(b.p.Grupo_Suelo_4, std::int16_t{2});
        muestra(pantalla);
        pantalla.barra()->siguiente()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(b.p.Grupo_Suelo_1, std::int16_t{3});
        QVERIFY(!pantalla.isVisible());
    }

    void terraplenAcoplaLasZonas2y3() {
        Banco b;
        b.p.Caso_Zanja = 2.0;
        Datos_Suelos pantalla(b.contexto);
        auto* grupo2 = hijo<QComboBox>(pantalla, "listaGrupo2");
        auto* grupo3 = hijo<QComboBox>(pantalla, "listaGrupo3");
        auto* compactacion2 = hijo<QComboBox>(pantalla, "listaCompactacion2");
        QVERIFY(!grupo2->isEnabled());
        QVERIFY(!grupo3->isEnabled());
        QVERIFY(!compactacion2->isEnabled());
        QVERIFY(hijo<QComboBox>(pantalla, "listaGrupo4")->isEnabled());
        hijo<QComboBox>(pantalla, "listaGrupo1")->setCurrentIndex(1);
        QCOMPARE(grupo2->currentText(), QStringLiteral("Grupo 2"));
        QCOMPARE(grupo3->currentText(), QStringLiteral("Grupo 2"));
        QCOMPARE(b.p.Grupo_Suelo_2, std::int16_t{2});
        QCOMPARE(b.p.Grupo_Suelo_3, std::int16_t{2});
        hijo<QComboBox>(pantalla, "listaCompactacion1")->setCurrentIndex(1);
        QCOMPARE(compactacion2->currentText(), QStringLiteral(" 90 %"));
        QCOMPARE(b.p.Compactacion_2, 90.0);
        // Still locked after following zone 1.
        QVERIFY(!grupo2->isEnabled());
        QVERIFY(!compactacion2->isEnabled());
    }

    void avisoDelGrupo4UnaVez() {
        Banco b;
        test::Contestador contestador;
        {
            Datos_Suelos pantalla(b.contexto);
            muestra(pantalla);
            espera();
            QVERIFY(contestador.vistos().empty());
            hijo<QComboBox>(pantalla, "listaGrupo2")->setCurrentIndex(3);
            QCOMPARE(contestador.vistos().size(), std::size_t{1});
            QCOMPARE(contestador.vistos().front().texto, kAvisoGrupo4);
            QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
            QCOMPARE(contestador.vistos().front().icono, QMessageBox::NoIcon);
            QCOMPARE(b.p.Grupo_Suelo_2, std::int16_t{4});
            pantalla.barra()->siguiente()->click();
        }
        {
            // Back on the page with group 4 already accepted: no second warning.
            Datos_Suelos pantalla(b.contexto);
            muestra(pantalla);
            espera();
            QCOMPARE(hijo<QComboBox>(pantalla, "listaGrupo2")->currentText(),
                     QStringLiteral("Grupo 4"));
            QCOMPARE(contestador.vistos().size(), std::size_t{1});
            // Another group re-arms it.
            hijo<QComboBox>(pantalla, "listaGrupo2")->setCurrentIndex(1);
            QCOMPARE(contestador.vistos().size(), std::size_t{1});
            hijo<QComboBox>(pantalla, "listaGrupo2")->setCurrentIndex(3);
            QCOMPARE(contestador.vistos().size(), std::size_t{2});
            QCOMPARE(contestador.vistos().back().texto, kAvisoGrupo4);
        }
    }

    void avisoDelGrupo4AlAbrirSinHaberloVisto() {
        Banco b;
        b.p.Grupo_Suelo_2 = 4;
        b.p.Aviso_Grupo4_Zona2 = kNo;
        test::Contestador contestador;
        Datos_Suelos pantalla(b.contexto);
        pantalla.show();
        QTRY_COMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos().front().texto, kAvisoGrupo4);
        QCOMPARE(b.p.Aviso_Grupo4_Zona2, kSi);
        espera();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
    }

    void clasificacionDeLosSuelos() {
        Banco b;
        b.p.Norma = 2;
        Datos_Suelos pantalla(b.contexto);
        QCOMPARE(pantalla.cajaNorma()->text(), QStringLiteral("Norma ATV"));
        QCOMPARE(hijo<QLabel>(pantalla, "descripcionGrupo1")->text(),
                 QStringLiteral("No cohesivos. Gravas y arenas sueltas.  Porcentaje de finos < "
                                "0,06 mm inferior al 5 %"));
        QCOMPARE(hijo<QLabel>(pantalla, "descripcionGrupo4")->text(),
                 QStringLiteral("Cohesivos. Arcillas, limos y suelos con mezcla de componentes "
                                "orgánicos."));
    }

    void atrasDejaElCodigo() {
        Banco b;
        Datos_Suelos pantalla(b.contexto);
        muestra(pantalla);
        pantalla.barra()->atras()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionAtras);
        QVERIFY(!pantalla.isVisible());
    }

    // ---- Second page -----------------------------------------------------------------------

    void uneConvierteA1EnA2() {
        Banco b;
        b.p.Codigo_Navegacion = kNavegacionSiguiente;
        Datos_Suelos_2 pantalla(b.contexto);
        QCOMPARE(pantalla.windowTitle(), QStringLiteral("Características de los suelos (Cont)"));
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(pantalla.cajaNorma()->text(), QStringLiteral("Norma UNE"));
        QVERIFY(!hijo<QRadioButton>(pantalla, "opcionRelleno1")->isEnabled());
        QVERIFY(hijo<QRadioButton>(pantalla, "opcionRelleno2")->isChecked());
        QCOMPARE(b.p.Condicion_Relleno, std::int16_t{2});
        // UNE A2: two thirds of 35 degrees.
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaRo_Prima")->text(), QStringLiteral("23,33"));
    }

    void atvOfreceA1() {
        Banco b;
        b.p.Norma = 2;
        Datos_Suelos_2 pantalla(b.contexto);
        muestra(pantalla);
        QCOMPARE(pantalla.cajaNorma()->text(), QStringLiteral("Norma ATV"));
        auto* a1 = hijo<QRadioButton>(pantalla, "opcionRelleno1");
        QVERIFY(a1->isEnabled());
        QVERIFY(a1->isChecked());
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionRelleno2"), Qt::LeftButton);
        QCOMPARE(b.p.Condicion_Relleno, std::int16_t{2});
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaRo_Prima")->text(), QStringLiteral("11,67"));
        QCOMPARE(b.p.Ro_Prima, 35.0 / 3.0);
    }

    void otraNormaSeMuestraComoUne() {
        Banco b;
        b.p.Norma = 3;
        Datos_Suelos_2 pantalla(b.contexto);
        QCOMPARE(pantalla.cajaNorma()->text(), QStringLiteral("Norma UNE"));
        QVERIFY(!hijo<QRadioButton>(pantalla, "opcionRelleno1")->isEnabled());
    }

    void valoresDeLaNormaYEtiquetas() {
        Banco b;
        b.p.Grupo_Suelo_1 = 2;
        b.p.Grupo_Suelo_2 = 2;
        b.p.Gamma_1 = 17;
        Datos_Suelos_2 pantalla(b.contexto);
        muestra(pantalla);
        QVERIFY(hijo<QRadioButton>(pantalla, "opcionNo")->isChecked());
        QVERIFY(hijo<QLabel>(pantalla, "notaValoresNorma")->isVisible());
        QCOMPARE(hijo<QLabel>(pantalla, "notaValoresNorma")->text(),
                 QStringLiteral("Se tomarán los valores recomendados por defecto por la norma"));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaGrupoZona2")->text(),
                 QStringLiteral("Grupo 2: Poco cohesivos"));
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaGamma_1")->text(), QStringLiteral("20,0"));
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaRo")->text(), QStringLiteral("30,0"));
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaK2")->text(), QStringLiteral("0,3"));
        // Group 2 at 95 %.
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaE1")->text(), QStringLiteral("8,0"));
        QVERIFY(hijo<QLineEdit>(pantalla, "cajaE1")->isReadOnly());
    }

    void sinEnsayosUnaCajaNoAdmiteElFoco() {
        Banco b;
        Datos_Suelos_2 pantalla(b.contexto);
        muestra(pantalla);
        test::Contestador contestador;
        auto* gamma = hijo<QLineEdit>(pantalla, "cajaGamma_2");
        QTest::mouseClick(gamma, Qt::LeftButton);
        QTRY_COMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos().front().texto, kSinEnsayos);
        QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
        QCOMPARE(contestador.vistos().front().icono, QMessageBox::Information);
        auto* a2 = hijo<QRadioButton>(pantalla, "opcionRelleno2");
        QCOMPARE(pantalla.focusWidget(), a2);
        // The page active again gives the focus back to the option, not to the box: asked once.
        pantalla.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pantalla));
        QVERIFY(a2->hasFocus());
        espera();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(gamma->text(), QStringLiteral("20,0"));
        // Tab does not walk into the boxes either.
        hijo<QRadioButton>(pantalla, "opcionRelleno4")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        espera();
        QVERIFY(contestador.vistos().size() == 1);
    }

    void conEnsayosLosValoresSeEscribenYGuardan() {
        Banco b;
        Datos_Suelos_2 pantalla(b.contexto);
        muestra(pantalla);
        test::Contestador contestador;
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionSi"), Qt::LeftButton);
        QCOMPARE(b.p.Opcion_Suelo_3, kSi);
        QVERIFY(!hijo<QLabel>(pantalla, "notaValoresNorma")->isVisible());
        auto* gamma = hijo<QLineEdit>(pantalla, "cajaGamma_1");
        auto* e1 = hijo<QLineEdit>(pantalla, "cajaE1");
        // The standard's values stay, now editable.
        QCOMPARE(gamma->text(), QStringLiteral("20,0"));
        QVERIFY(!gamma->isReadOnly());
        QTest::mouseClick(gamma, Qt::LeftButton);
        QTRY_COMPARE(gamma->selectedText(), gamma->text());
        QTest::keyClicks(gamma, QStringLiteral("18,5"));
        QTest::keyClick(gamma, Qt::Key_Return);
        e1->setFocus();
        e1->selectAll();
        QTest::keyClicks(e1, QStringLiteral("7.25"));
        espera();
        QVERIFY(contestador.vistos().empty());
        // Typed values reach the record only on leaving.
        QCOMPARE(b.p.Gamma_1, 20.0);
        pantalla.barra()->siguiente()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(b.p.Gamma_1, 18.5);
        QCOMPARE(b.p.E1, 7.25);
        QCOMPARE(b.p.Gamma_2, 20.0);
        QVERIFY(!pantalla.isVisible());
    }

    void volverANoDescartaLoEscrito() {
        Banco b;
        b.p.Opcion_Suelo_3 = kSi;
        b.p.Gamma_1 = 19;
        Datos_Suelos_2 pantalla(b.contexto);
        muestra(pantalla);
        auto* gamma = hijo<QLineEdit>(pantalla, "cajaGamma_1");
        QCOMPARE(gamma->text(), QStringLiteral("19,0"));
        gamma->setText(QStringLiteral("16"));
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionNo"), Qt::LeftButton);
        QCOMPARE(b.p.Opcion_Suelo_3, kNo);
        QCOMPARE(gamma->text(), QStringLiteral("20,0"));
        QVERIFY(gamma->isReadOnly());
        QCOMPARE(b.p.Gamma_1, 20.0);
    }

    void rellenoReescribeSoloRoPrima() {
        Banco b;
        b.p.Opcion_Suelo_3 = kSi;
        b.p.Ro = 30;
        b.p.Norma = 1;
        b.p.Condicion_Relleno = 2;
        Datos_Suelos_2 pantalla(b.contexto);
        muestra(pantalla);
        auto* ro = hijo<QLineEdit>(pantalla, "cajaRo");
        auto* k1 = hijo<QLineEdit>(pantalla, "cajaK1");
        ro->setText(QStringLiteral("40"));
        k1->setText(QStringLiteral("0,45"));
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionRelleno4"), Qt::LeftButton);
        QCOMPARE(b.p.Condicion_Relleno, std::int16_t{4});
        // From the rho in its box, as the user left it.
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaRo_Prima")->text(), QStringLiteral("40,0"));
        QCOMPARE(ro->text(), QStringLiteral("40"));
        QCOMPARE(k1->text(), QStringLiteral("0,45"));
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionRelleno3"), Qt::LeftButton);
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaRo_Prima")->text(), QStringLiteral("0,0"));
    }

    void atrasTambienLeeLasCajas() {
        Banco b;
        Calcula_Valores_Standard(b.p);
        b.p.Opcion_Suelo_3 = kSi;
        Datos_Suelos_2 pantalla(b.contexto);
        muestra(pantalla);
        test::Contestador contestador;
        auto* e4 = hijo<QLineEdit>(pantalla, "cajaE4");
        hijo<QLineEdit>(pantalla, "cajaK2")->setText(QStringLiteral("0,25"));
        e4->setText(QStringLiteral("abc"));
        // A typing mistake is refused on its box, and nothing of the page is stored.
        pantalla.barra()->atras()->click();
        espera();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto,
                 QStringLiteral("Escriba un número en el módulo de compresión E4 de la zona 4 "
                                "(N/mm2)"));
        QVERIFY(pantalla.isVisible());
        QCOMPARE(pantalla.focusWidget(), e4);
        QCOMPARE(b.p.K2, 0.4);

        // So is a soil without stiffness.
        e4->setText(QStringLiteral("-2"));
        pantalla.barra()->siguiente()->click();
        espera();
        QCOMPARE(contestador.vistos().size(), std::size_t{2});
        QCOMPARE(contestador.vistos()[1].texto,
                 QStringLiteral("El módulo de compresión E4 de la zona 4 debe ser mayor que 0 "
                                "N/mm2"));
        QVERIFY(pantalla.isVisible());

        e4->setText(QStringLiteral("5"));
        pantalla.barra()->atras()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionAtras);
        QCOMPARE(b.p.K2, 0.25);
        QCOMPARE(b.p.E4, 5.0);
        QVERIFY(!pantalla.isVisible());
    }
};

QTEST_MAIN(DatosSuelosTest)
#include "datos_suelos_test.moc"
