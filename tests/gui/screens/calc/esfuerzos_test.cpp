#include "calc/esfuerzos.h"
#include "chain/calcula_seccion.h"
#include "screens/calc/esfuerzos_corto.h"
#include "screens/calc/esfuerzos_largo.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"

#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Esfuerzos_Corto;
using tubrix::gui::Esfuerzos_Largo;
using tubrix::gui::PantallaEsfuerzos;

namespace {

const char* const kLargoPlazo = "prfv-largo-plazo-zanja-terraplenada-freatico.json";
const char* const kRigido = "hormigon-atv-zanja-estrecha-ht60.json";

using test::Banco;

QString texto(double valor) {
    return QString::fromStdString(formatea(valor, "###0.0000", Separadores::espanol()));
}

// Every cell of the grid against the stored table it shows: point p, cell k of the point.
void compruebaCeldas(const PantallaEsfuerzos& pantalla, const TablaEsfuerzos& momentos,
                     const TablaEsfuerzos& axiales, const PorPunto<double>& sumaMomentos,
                     const PorPunto<double>& sumaAxiales) {
    for (const Punto punto : kPuntos) {
        const std::size_t base = static_cast<std::size_t>(punto) * 12;
        for (const CasoCarga caso : kCasosCarga) {
            const auto k = static_cast<std::size_t>(caso);
            QCOMPARE(pantalla.celda(base + k)->text(), texto(momentos(punto, caso)));
            QCOMPARE(pantalla.celda(base + 6 + k)->text(), texto(axiales(punto, caso)));
        }
        QCOMPARE(pantalla.celda(base + 5)->text(), texto(sumaMomentos[punto]));
        QCOMPARE(pantalla.celda(base + 11)->text(), texto(sumaAxiales[punto]));
    }
}

} // namespace

class EsfuerzosTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void corto_plazo_muestra_las_tablas_guardadas_con_su_formato();
    void largo_plazo_muestra_las_tablas_de_largo_plazo();
    void seccion_rigida_corto_plazo();
    void la_pantalla_calcula_al_abrirse_y_solo_su_plazo();
    void la_rejilla_tiene_sus_textos();
    void siguiente_y_atras_dejan_su_codigo();
    void apoyo_sin_coeficientes_avisa_y_no_muestra_numeros();
};

void EsfuerzosTest::corto_plazo_muestra_las_tablas_guardadas_con_su_formato() {
    Banco banco(kLargoPlazo);
    Esfuerzos_Corto pantalla(banco.contexto);
    pantalla.show();
    QCOMPARE(pantalla.windowTitle(), QStringLiteral("Cálculo de esfuerzos Corto Plazo"));
    QCOMPARE(pantalla.textoTipo()->text(), QStringLiteral("Tipo I"));
    QCOMPARE(pantalla.textoAngulo()->text(), QStringLiteral(" 90 º"));
    const Proyecto& p = banco.p;
    compruebaCeldas(pantalla, p.Momentos, p.Axiales, p.Suma_Momentos, p.Suma_Axiales);
    // The numbers are real ones, not a grid of zeros.
    QVERIFY(pantalla.celda(5)->text() != texto(0.0));
    QVERIFY(pantalla.barra()->siguiente()->isEnabled());
}

void EsfuerzosTest::largo_plazo_muestra_las_tablas_de_largo_plazo() {
    Banco banco(kLargoPlazo);
    Esfuerzos_Largo pantalla(banco.contexto);
    pantalla.show();
    QCOMPARE(pantalla.windowTitle(), QStringLiteral("Cálculo de esfuerzos Largo Plazo"));
    const Proyecto& p = banco.p;
    compruebaCeldas(pantalla, p.Momentos_LP, p.Axiales_LP, p.Suma_Momentos_LP, p.Suma_Axiales_LP);
    // Creep changes the loads, so the two terms differ: a screen showing the short-term
    // tables would fail here.
    QVERIFY(texto(p.Suma_Momentos_LP[Punto::Clave]) != texto(p.Suma_Momentos[Punto::Clave]));
}

void EsfuerzosTest::seccion_rigida_corto_plazo() {
    Banco banco(kRigido);
    Esfuerzos_Corto pantalla(banco.contexto);
    pantalla.show();
    QCOMPARE(pantalla.textoTipo()->text(), QStringLiteral("Tipo I"));
    QCOMPARE(pantalla.textoAngulo()->text(), QStringLiteral("120 º"));
    const Proyecto& p = banco.p;
    compruebaCeldas(pantalla, p.Momentos, p.Axiales, p.Suma_Momentos, p.Suma_Axiales);
}

void EsfuerzosTest::la_pantalla_calcula_al_abrirse_y_solo_su_plazo() {
    Banco banco(kLargoPlazo);
    const Proyecto calculado = banco.p;
    // Stale tables, as after a change of bedding: the screen must recompute them.
    banco.p.Momentos_LP = {};
    banco.p.Suma_Axiales_LP = {};
    banco.p.Momentos = {};
    Esfuerzos_Largo pantalla(banco.contexto);
    QVERIFY(banco.p.Momentos_LP == calculado.Momentos_LP);
    QVERIFY(banco.p.Suma_Axiales_LP == calculado.Suma_Axiales_LP);
    QVERIFY(banco.p.Momentos == TablaEsfuerzos{}); // the short term is not its business
    compruebaCeldas(pantalla, calculado.Momentos_LP, calculado.Axiales_LP,
                    calculado.Suma_Momentos_LP, calculado.Suma_Axiales_LP);

    // Bedding type III: column 7, shown as 180 degrees whatever the angle holds.
    banco.p.Tipo_Apoyo = 3;
    banco.p.Angulo_Apoyo = 90;
    Esfuerzos_Corto tipo3(banco.contexto);
    QCOMPARE(tipo3.textoTipo()->text(), QStringLiteral("Tipo III"));
    QCOMPARE(tipo3.textoAngulo()->text(), QStringLiteral("180 º"));
    QVERIFY(banco.p.Momentos != TablaEsfuerzos{});
    compruebaCeldas(tipo3, banco.p.Momentos, banco.p.Axiales, banco.p.Suma_Momentos,
                    banco.p.Suma_Axiales);
}

void EsfuerzosTest::la_rejilla_tiene_sus_textos() {
    Banco banco(kRigido);
    Esfuerzos_Corto pantalla(banco.contexto);
    QStringList textos;
    for (const QLabel* etiqueta : pantalla.findChildren<QLabel*>())
        textos << etiqueta->text();
    for (const char* esperado :
         {"Apoyo tipo", "Angulo 2 alfa", "Esfuerzos", "Clave", "Riñones", "Base", "Momentos",
          "Axiales", "Por carga vertical (qvt)", "Por carga horizontal (qh)",
          "Por reacción horizontal (qh*)", "Por peso propio", "Por peso del agua",
          "SUMA DE MOMENTOS", "SUMA DE AXIALES", "(kN·m/m)", "(kN/m)", "Norma ATV"}) {
        QVERIFY2(textos.contains(QString::fromUtf8(esperado)), esperado);
    }
    // Each load case appears once per block: moments and normal forces.
    QCOMPARE(textos.count(QStringLiteral("Por peso propio")), 2);
}

void EsfuerzosTest::siguiente_y_atras_dejan_su_codigo() {
    Banco banco(kRigido);
    {
        Esfuerzos_Corto pantalla(banco.contexto);
        pantalla.show();
        QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionSiguiente);
    }
    {
        Esfuerzos_Largo pantalla(banco.contexto);
        pantalla.show();
        QTest::mouseClick(pantalla.barra()->atras(), Qt::LeftButton);
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
    }
}

void EsfuerzosTest::apoyo_sin_coeficientes_avisa_y_no_muestra_numeros() {
    Banco banco(kLargoPlazo);
    // Type II at 60 degrees has no column of coefficients.
    banco.p.Tipo_Apoyo = 2;
    banco.p.Angulo_Apoyo = 60;
    const Proyecto antes = banco.p;
    test::Contestador contestador;
    auto pantalla = std::make_unique<Esfuerzos_Corto>(banco.contexto);
    // Nothing is told before the screen is on view.
    QTest::qWait(30);
    QVERIFY(contestador.vistos().empty());
    pantalla->show();
    QTRY_COMPARE(contestador.vistos().size(), std::size_t{1});
    const auto& visto = contestador.vistos().front();
    QCOMPARE(visto.titulo, QStringLiteral("Aviso"));
    QCOMPARE(visto.icono, QMessageBox::Warning);
    const auto esperado = Calcula_Esfuerzos_Corto(banco.p);
    QVERIFY(!esperado);
    QCOMPARE(visto.texto, QString::fromStdString(esperado.error().mensaje));

    QVERIFY(banco.p.Momentos == antes.Momentos); // nothing stored
    QCOMPARE(pantalla->textoTipo()->text(), QStringLiteral("Tipo II"));
    QCOMPARE(pantalla->textoAngulo()->text(), QStringLiteral("error"));
    for (std::size_t i = 0; i < kCeldasEsfuerzos; ++i)
        QVERIFY(pantalla->celda(i)->text().isEmpty());
    QVERIFY(!pantalla->barra()->siguiente()->isEnabled());
    // Shown once only, even if the screen is shown again.
    pantalla->hide();
    pantalla->show();
    QTest::qWait(30);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});

    QTest::mouseClick(pantalla->barra()->abandonar(), Qt::LeftButton);
    QVERIFY(!pantalla->isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAbandonar);

    Esfuerzos_Largo largo(banco.contexto);
    largo.show();
    QTRY_COMPARE(contestador.vistos().size(), std::size_t{2});
    QTest::mouseClick(largo.barra()->atras(), Qt::LeftButton);
    QVERIFY(!largo.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
}

QTEST_MAIN(EsfuerzosTest)
#include "esfuerzos_test.moc"
