#include "screens/input/sobrecargas.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/enter_como_tab.h"

#include <cmath>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Sobrecargas;

namespace {

using test::entradas;
using test::escribeYSale;
using test::hijo;

struct Banco : test::Banco {
    Banco() {
        p.E1 = 8;
        p.H_Total = 1.0;
    }
};

// UNE, light traffic, a paved zone with no layers yet.
void pavimentoUne(Proyecto& p) {
    p.Norma = 1;
    p.Tipo_Vehiculo = 1;
    p.Zona_Pavimentada = kSi;
    p.Espesor_Capa_Superior = p.Espesor_Capa_Inferior = 0;
    p.Modulo_Capa_Superior = p.Modulo_Capa_Inferior = 0;
}

void muestra(QWidget& pantalla) {
    pantalla.show();
    QVERIFY(QTest::qWaitForWindowActive(&pantalla));
}

} // namespace

class SobrecargasTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { gui::EnterComoTab::instala(); }

    // ---- Vehicle and impact factor ---------------------------------------------------------

    void sinTrafico() {
        Banco b;
        b.p.Tipo_Vehiculo = 2;
        b.p.Indice_Firme_Irregular = 0;
        Sobrecargas pantalla(b.contexto);
        QCOMPARE(pantalla.windowTitle(), QStringLiteral("Cálculo de sobrecargas concentradas"));
        auto* vehiculo = hijo<QComboBox>(pantalla, "listaVehiculo");
        QCOMPARE(entradas(vehiculo),
                 (QStringList{QStringLiteral("Sin tráfico"), QStringLiteral("LT 12"),
                              QStringLiteral("HT 26"), QStringLiteral("HT 30"),
                              QStringLiteral("HT 39"), QStringLiteral("HT 60")}));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPc")->text(), QStringLiteral("65"));
        vehiculo->setCurrentIndex(0);
        QCOMPARE(b.p.Tipo_Vehiculo, std::int16_t{0});
        QVERIFY(!hijo<QGroupBox>(pantalla, "marcoImpacto")->isEnabled());
        QVERIFY(!hijo<QGroupBox>(pantalla, "marcoAlturaEquivalente")->isEnabled());
        QCOMPARE(hijo<QComboBox>(pantalla, "listaCoeficiente")->count(), 0);
        QCOMPARE(b.p.Indice_Firme_Irregular, std::int16_t{-1});
        for (const char* nombre : {"etiquetaPc", "etiquetaDistanciaRuedas", "etiquetaDistanciaEjes",
                                   "etiquetaNumeroEjes"})
            QVERIFY(hijo<QLabel>(pantalla, nombre)->text().isEmpty());
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaClase")->text(), QStringLiteral("Tráfico: "));
        // The vehicle's values stay in the record.
        QCOMPARE(b.p.Pc, 65.0);
    }

    void vehiculoMedioConFirmeNormal() {
        Banco b;
        Sobrecargas pantalla(b.contexto);
        QVERIFY(!hijo<QGroupBox>(pantalla, "marcoImpacto")->isEnabled());
        hijo<QComboBox>(pantalla, "listaVehiculo")->setCurrentIndex(4);
        QCOMPARE(b.p.Tipo_Vehiculo, std::int16_t{4});
        QVERIFY(hijo<QGroupBox>(pantalla, "marcoImpacto")->isEnabled());
        auto* coeficiente = hijo<QComboBox>(pantalla, "listaCoeficiente");
        QCOMPARE(entradas(coeficiente), QStringList{QStringLiteral("1,4")});
        QCOMPARE(coeficiente->currentIndex(), 0);
        QCOMPARE(b.p.Coeficiente_Impacto, 1.4);
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaClase")->text(), QStringLiteral("Tráfico: Medio"));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPc")->text(), QStringLiteral("65"));
        QCOMPARE(b.p.Pc, 65.0);
        // An axle spacing of 1,5 m keeps its fraction.
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaDistanciaEjes")->text(), QStringLiteral("1,5"));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaNumeroEjes")->text(), QStringLiteral("3"));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaH")->text(), QStringLiteral("1,0"));
    }

    void firmeIrregularVuelveAlIndiceGuardado() {
        Banco b;
        b.p.Tipo_Vehiculo = 5;
        b.p.Tipo_Firme = 2;
        b.p.Indice_Firme_Irregular = 3;
        Sobrecargas pantalla(b.contexto);
        muestra(pantalla);
        QVERIFY(hijo<QRadioButton>(pantalla, "opcionFirmeIrregular")->isChecked());
        auto* coeficiente = hijo<QComboBox>(pantalla, "listaCoeficiente");
        QCOMPARE(coeficiente->count(), 7);
        QCOMPARE(coeficiente->currentText(), QStringLiteral("1,35"));
        QCOMPARE(b.p.Coeficiente_Impacto, 1.35);
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaClase")->text(),
                 QStringLiteral("Tráfico: Pesado"));
        // A normal surface always takes its first factor.
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionFirmeNormal"), Qt::LeftButton);
        QCOMPARE(b.p.Tipo_Firme, std::int16_t{1});
        QCOMPARE(entradas(coeficiente), QStringList{QStringLiteral("1,20")});
        QCOMPARE(b.p.Indice_Firme_Irregular, std::int16_t{0});
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionFirmeIrregular"), Qt::LeftButton);
        QCOMPARE(coeficiente->count(), 7);
        QCOMPARE(coeficiente->currentText(), QStringLiteral("1,20"));
        coeficiente->setCurrentIndex(5);
        QCOMPARE(b.p.Indice_Firme_Irregular, std::int16_t{5});
        QCOMPARE(b.p.Coeficiente_Impacto, 1.45);
    }

    // ---- Pavement layers and He ------------------------------------------------------------

    void rangoOrientativoDelMaterial() {
        Banco b;
        pavimentoUne(b.p);
        Sobrecargas pantalla(b.contexto);
        auto* material = hijo<QComboBox>(pantalla, "listaMaterialSuperior");
        QCOMPARE(material->count(), 9);
        QCOMPARE(material->currentIndex(), 0);
        QCOMPARE(b.p.Material_Capa_Superior, std::int16_t{1});
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaRangoSuperior")->text(),
                 QStringLiteral("50 - 2.000"));
        material->setCurrentIndex(7);
        QCOMPARE(material->currentText(), QStringLiteral("Hormigón pobre"));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaRangoSuperior")->text(), QStringLiteral("15.000"));
        QCOMPARE(b.p.Material_Capa_Superior, std::int16_t{8});
        QCOMPARE(b.p.Modulo_Min[Capa::Superior], 15000.0);
        // The modulus is typed, never filled from the material.
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaModuloSuperior")->text(), QStringLiteral("0,0"));
        hijo<QComboBox>(pantalla, "listaMaterialInferior")->setCurrentIndex(8);
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaRangoInferior")->text(),
                 QStringLiteral("21.000 - 35.000"));
        QCOMPARE(b.p.Material_Capa_Inferior, std::int16_t{9});
    }

    void heRecalculadoAlSalirDeCadaCaja() {
        Banco b;
        pavimentoUne(b.p);
        Sobrecargas pantalla(b.contexto);
        muestra(pantalla);
        auto* he = hijo<QLabel>(pantalla, "etiquetaHe");
        QVERIFY(he->isVisible());
        escribeYSale(hijo<QLineEdit>(pantalla, "cajaEspesorSuperior"), QStringLiteral("0,2"));
        escribeYSale(hijo<QLineEdit>(pantalla, "cajaModuloSuperior"), QStringLiteral("6000"));
        QCOMPARE(b.p.Espesor_Capa_Superior, 0.2);
        const double soloSuperior = 0.2 * std::pow(6000.0, 1.0 / 3.0) * 0.9 / 2.0 + 1.0;
        QVERIFY(std::abs(b.p.He - soloSuperior) < 1e-9);
        QCOMPARE(he->text(), QStringLiteral("2,64"));
        escribeYSale(hijo<QLineEdit>(pantalla, "cajaEspesorInferior"), QStringLiteral("0,3"));
        escribeYSale(hijo<QLineEdit>(pantalla, "cajaModuloInferior"), QStringLiteral("1000"));
        QCOMPARE(he->text(), QStringLiteral("3,99"));
        QVERIFY(std::abs(b.p.He - 3.9854) < 1e-4);
        pantalla.barra()->siguiente()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(b.p.Modulo_Capa_Inferior, 1000.0);
        QVERIFY(!pantalla.isVisible());
    }

    void zonaPavimentadaHabilitaLasCapas() {
        Banco b;
        pavimentoUne(b.p);
        b.p.Zona_Pavimentada = kNo;
        Sobrecargas pantalla(b.contexto);
        muestra(pantalla);
        auto* espesor = hijo<QLineEdit>(pantalla, "cajaEspesorSuperior");
        auto* material = hijo<QComboBox>(pantalla, "listaMaterialInferior");
        QVERIFY(hijo<QRadioButton>(pantalla, "opcionPavimentadaNo")->isChecked());
        QVERIFY(!espesor->isEnabled());
        QVERIFY(!material->isEnabled());
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionPavimentadaSi"), Qt::LeftButton);
        QCOMPARE(b.p.Zona_Pavimentada, kSi);
        QVERIFY(espesor->isEnabled());
        QVERIFY(material->isEnabled());
        QVERIFY(hijo<QLabel>(pantalla, "etiquetaRangoSuperior")->isEnabled());
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionPavimentadaNo"), Qt::LeftButton);
        QCOMPARE(b.p.Zona_Pavimentada, kNo);
        QVERIFY(!espesor->isEnabled());
    }

    void atvOcultaLaAlturaEquivalente() {
        Banco b;
        pavimentoUne(b.p);
        b.p.Norma = 2;
        b.p.He = 7.5;
        b.p.Espesor_Capa_Superior = 0.4;
        Sobrecargas pantalla(b.contexto);
        muestra(pantalla);
        QCOMPARE(pantalla.cajaNorma()->text(), QStringLiteral("Norma ATV"));
        QVERIFY(!hijo<QGroupBox>(pantalla, "marcoAlturaEquivalente")->isVisible());
        QVERIFY(!hijo<QLabel>(pantalla, "etiquetaHe")->isVisible());
        hijo<QLineEdit>(pantalla, "cajaEspesorSuperior")->setText(QStringLiteral("9"));
        pantalla.barra()->siguiente()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(b.p.He, 7.5);
        QCOMPARE(b.p.Espesor_Capa_Superior, 0.4);
    }

    // ---- Refusals of He --------------------------------------------------------------------

    void siguienteRechazadoSinModuloDelSuelo() {
        Banco b;
        pavimentoUne(b.p);
        b.p.E1 = 0;
        b.p.He = 2.5;
        Proyecto copia = b.p;
        EntradaSobrecargas capas;
        for (const Capa c : kCapas) {
            capas.espesor[c] = "0,1";
            capas.modulo[c] = "100";
        }
        const auto esperado = Calcula_He_sobrecarga(copia, capas);
        QVERIFY(!esperado);
        Sobrecargas pantalla(b.contexto);
        muestra(pantalla);
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaHe")->text(), QStringLiteral("2,5"));
        test::Contestador contestador;
        pantalla.barra()->siguiente()->click();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos().front().texto,
                 QString::fromStdString(esperado.error().mensaje));
        QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
        QVERIFY(pantalla.isVisible());
        QVERIFY(b.p.Codigo_Navegacion != kNavegacionSiguiente);
        QCOMPARE(b.p.He, 2.5);
        // Back is never refused, so that E1 can be mended on the soil page.
        pantalla.barra()->atras()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionAtras);
        QVERIFY(!pantalla.isVisible());
    }

    void moduloNegativoPoneElFocoEnSuCaja() {
        Banco b;
        pavimentoUne(b.p);
        Sobrecargas pantalla(b.contexto);
        muestra(pantalla);
        auto* modulo = hijo<QLineEdit>(pantalla, "cajaModuloInferior");
        modulo->setText(QStringLiteral("-50"));
        test::Contestador contestador;
        pantalla.barra()->siguiente()->click();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(!contestador.vistos().front().texto.isEmpty());
        QVERIFY(pantalla.isVisible());
        QCOMPARE(pantalla.focusWidget(), modulo);
        pantalla.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pantalla));
        // Leaving the mended box recomputes He and lets the screen go on.
        escribeYSale(modulo, QStringLiteral("500"));
        pantalla.barra()->siguiente()->click();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(b.p.Modulo_Capa_Inferior, 500.0);
    }
};

QTEST_MAIN(SobrecargasTest)
#include "sobrecargas_test.moc"
