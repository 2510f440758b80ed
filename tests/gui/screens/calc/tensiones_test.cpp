#include "calc/tensiones.h"
#include "chain/calcula_seccion.h"
#include "screens/calc/tensiones.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Tensiones;

namespace {

const char* const kLargoPlazo = "prfv-largo-plazo-zanja-terraplenada-freatico.json";
const char* const kRigido = "hormigon-atv-zanja-estrecha-ht60.json";

using test::Banco;

QString factor(double valor) {
    return QString::fromStdString(formatea(valor, "####0.0000", Separadores::espanol()));
}
QString tension(double valor) {
    return QString::fromStdString(formatea(valor, "#####0.0000", Separadores::espanol()));
}

// Cell numbers of the screen.
enum Celda : std::size_t {
    AlfaKi = 0,
    AlfaKa = 1,
    Flexotraccion = 2,
    SigmaClave = 3,
    SigmaRinones = 4,
    Material = 5,
    SigmaBase = 6,
    Dv = 7,
    DvRelativa = 8,
    DvLP = 9,
    DvRelativaLP = 10,
    SigmaClaveLP = 11,
    SigmaRinonesLP = 12,
    SigmaBaseLP = 13,
};

void compruebaCortoPlazo(const Tensiones& pantalla, const Proyecto& p) {
    QCOMPARE(pantalla.celda(AlfaKi)->text(), factor(p.Alfa_Ki));
    QCOMPARE(pantalla.celda(AlfaKa)->text(), factor(p.Alfa_Ka));
    QCOMPARE(pantalla.celda(Flexotraccion)->text(), factor(p.Rotura_Flexotraccion));
    QCOMPARE(pantalla.celda(SigmaClave)->text(), tension(p.Sigma_Clave));
    QCOMPARE(pantalla.celda(SigmaRinones)->text(), tension(p.Sigma_Rinones));
    QCOMPARE(pantalla.celda(SigmaBase)->text(), tension(p.Sigma_Base));
}

} // namespace

class TensionesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seccion_de_largo_plazo_muestra_todo();
    void seccion_rigida_oculta_el_largo_plazo_y_apaga_las_deformaciones();
    void recalcula_al_abrirse();
    void los_textos_de_la_pantalla();
    void un_divisor_nulo_avisa_y_no_muestra_numeros();
};

void TensionesTest::seccion_de_largo_plazo_muestra_todo() {
    Banco banco(kLargoPlazo);
    Tensiones pantalla(banco.contexto);
    pantalla.show();
    const Proyecto& p = banco.p;
    QCOMPARE(pantalla.windowTitle(), QStringLiteral("Cálculo de tensiones y deformaciones"));
    compruebaCortoPlazo(pantalla, p);
    QCOMPARE(pantalla.celda(Material)->text(),
             QStringLiteral("Poliéster reforzado con fibra de vidrio (PRFV)"));
    QCOMPARE(pantalla.celda(SigmaClaveLP)->text(), tension(p.Sigma_Clave_LP));
    QCOMPARE(pantalla.celda(SigmaRinonesLP)->text(), tension(p.Sigma_Rinones_LP));
    QCOMPARE(pantalla.celda(SigmaBaseLP)->text(), tension(p.Sigma_Base_LP));
    QCOMPARE(pantalla.celda(Dv)->text(), factor(p.Dv));
    QCOMPARE(pantalla.celda(DvRelativa)->text(), factor(p.Dv_Relativa));
    QCOMPARE(pantalla.celda(DvLP)->text(), factor(p.Dv_LP));
    QCOMPARE(pantalla.celda(DvRelativaLP)->text(), factor(p.Dv_Relativa_LP));
    // A screen that swapped the terms would show these equal.
    QVERIFY(pantalla.celda(SigmaClave)->text() != pantalla.celda(SigmaClaveLP)->text());
    QVERIFY(pantalla.celda(DvRelativa)->text() != pantalla.celda(DvRelativaLP)->text());

    for (const std::size_t i : {SigmaClaveLP, SigmaRinonesLP, SigmaBaseLP})
        QVERIFY(pantalla.celda(i)->isVisible());
    QVERIFY(pantalla.cabeceraLargoPlazo()->isVisible());
    QVERIFY(pantalla.grupoDeformaciones()->isEnabled());
    QVERIFY(pantalla.celda(Dv)->isEnabled());
}

void TensionesTest::seccion_rigida_oculta_el_largo_plazo_y_apaga_las_deformaciones() {
    Banco banco(kRigido);
    // Deformations do not apply: their fields keep what they held.
    banco.p.Dv = 1.25;
    banco.p.Dv_Relativa_LP = 7.5;
    Tensiones pantalla(banco.contexto);
    pantalla.show();
    const Proyecto& p = banco.p;
    compruebaCortoPlazo(pantalla, p);
    QCOMPARE(pantalla.celda(Material)->text(), QStringLiteral("Hormigón"));

    QVERIFY(!pantalla.cabeceraLargoPlazo()->isVisible());
    for (const std::size_t i : {SigmaClaveLP, SigmaRinonesLP, SigmaBaseLP})
        QVERIFY(!pantalla.celda(i)->isVisible());
    QVERIFY(pantalla.celda(SigmaClave)->isVisible());

    QVERIFY(pantalla.grupoDeformaciones()->isVisible());
    QVERIFY(!pantalla.grupoDeformaciones()->isEnabled());
    for (const std::size_t i : {Dv, DvRelativa, DvLP, DvRelativaLP}) {
        QVERIFY(pantalla.celda(i)->text().isEmpty());
        QVERIFY(!pantalla.celda(i)->isEnabled());
    }
    QCOMPARE(p.Dv, 1.25);
    QCOMPARE(p.Dv_Relativa_LP, 7.5);
}

void TensionesTest::recalcula_al_abrirse() {
    Banco banco(kLargoPlazo);
    const Proyecto calculado = banco.p;
    banco.p.Sigma_Clave = 0;
    banco.p.Sigma_Base_LP = 0;
    banco.p.Dv_Relativa = 0;
    Tensiones pantalla(banco.contexto);
    QCOMPARE(banco.p.Sigma_Clave, calculado.Sigma_Clave);
    QCOMPARE(banco.p.Sigma_Base_LP, calculado.Sigma_Base_LP);
    QCOMPARE(banco.p.Dv_Relativa, calculado.Dv_Relativa);
    QCOMPARE(pantalla.celda(SigmaClave)->text(), tension(calculado.Sigma_Clave));

    // A negative springline stress is shown as positive.
    banco.p.Suma_Momentos[Punto::Rinones] = 50.0;
    Tensiones negativa(banco.contexto);
    QVERIFY(banco.p.Sigma_Rinones > 0);
    QCOMPARE(negativa.celda(SigmaRinones)->text(), tension(banco.p.Sigma_Rinones));
    QVERIFY(!negativa.celda(SigmaRinones)->text().startsWith(QLatin1Char('-')));
}

void TensionesTest::los_textos_de_la_pantalla() {
    Banco banco(kLargoPlazo);
    Tensiones pantalla(banco.contexto);
    QStringList textos;
    for (const QLabel* etiqueta : pantalla.findChildren<QLabel*>())
        textos << etiqueta->text();
    for (const char* esperado :
         {"Material", "Tensión de flexotracción de cálculo del material",
          "Variación en el diámetro", "Acortamiento relativo del diámetro vertical", "mm"}) {
        QVERIFY2(textos.contains(QString::fromUtf8(esperado)), esperado);
    }
    QStringList titulos;
    for (const QGroupBox* grupo : pantalla.findChildren<QGroupBox*>())
        titulos << grupo->title();
    QCOMPARE(titulos, (QStringList{QStringLiteral("Cálculo de los factores de corrección por "
                                                  "curvatura"),
                                   QStringLiteral("Cálculo de tensiones"),
                                   QStringLiteral("Cálculo de deformaciones")}));
    // Both term headings in the stresses and in the deformations.
    QCOMPARE(textos.count(QStringLiteral("<b>Corto Plazo</b>")), 2);
    QCOMPARE(textos.count(QStringLiteral("<b>Largo Plazo</b>")), 2);
}

void TensionesTest::un_divisor_nulo_avisa_y_no_muestra_numeros() {
    Banco banco(kLargoPlazo);
    banco.p.Espesor = 0;
    const double antes = banco.p.Sigma_Clave;
    test::Contestador contestador;
    Tensiones pantalla(banco.contexto);
    QVERIFY(contestador.vistos().empty());
    pantalla.show();
    QTRY_COMPARE(contestador.vistos().size(), std::size_t{1});
    Proyecto copia = banco.p;
    const auto esperado = Calcula_Tensiones(copia);
    QVERIFY(!esperado);
    QCOMPARE(contestador.vistos().front().texto, QString::fromStdString(esperado.error().mensaje));
    QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
    QCOMPARE(banco.p.Sigma_Clave, antes);
    for (std::size_t i = 0; i < kCeldasTensiones; ++i)
        QVERIFY2(pantalla.celda(i)->text().isEmpty(), qPrintable(QString::number(i)));
    QVERIFY(!pantalla.barra()->siguiente()->isEnabled());
    QTest::mouseClick(pantalla.barra()->atras(), Qt::LeftButton);
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
}

QTEST_MAIN(TensionesTest)
#include "tensiones_test.moc"
