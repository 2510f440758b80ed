#include "calc/cargas_calculo.h"
#include "chain/calcula_seccion.h"
#include "screens/calc/cargas_calculo_deformaciones.h"
#include "screens/calc/cargas_calculo_tensiones.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/rejilla.h"

#include <limits>
#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Cargas_Calculo_Deformaciones;
using tubrix::gui::Cargas_Calculo_Tensiones;
using tubrix::gui::qs;

namespace {

struct Entorno {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};
    bool alcanzada = false;
};

std::filesystem::path seccion(const char* nombre) {
    return std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre;
}

// A section after the forward pass of every screen before `objetivo` (screens are declared in
// wizard order), whether or not the pass would show `objetivo` itself.
std::unique_ptr<Entorno> antesDe(const std::filesystem::path& fichero, Pantalla objetivo) {
    auto e = std::make_unique<Entorno>();
    e->p = test::cargaSeccion(fichero);
    for (int paso = kPrimerPaso; paso <= kUltimoPaso; ++paso) {
        const auto pantallas = Pantallas_Del_Paso(paso, e->p);
        for (const auto& pantalla : {pantallas.primera, pantallas.largoPlazo}) {
            if (!pantalla)
                continue;
            if (*pantalla >= objetivo) {
                e->alcanzada = *pantalla == objetivo;
                return e;
            }
            if (const auto rechazo = Ejecuta_Pantalla(*pantalla, e->p, e->contexto.catalogo))
                throw std::runtime_error(*rechazo);
        }
    }
    return e;
}

QString texto(const QWidget& w, const char* nombre) {
    const auto* etiqueta = w.findChild<QLabel*>(QString::fromUtf8(nombre));
    return etiqueta ? etiqueta->text() : QStringLiteral("<missing %1>").arg(nombre);
}

QLabel* conTexto(const QWidget& w, const QString& buscado) {
    for (auto* etiqueta : w.findChildren<QLabel*>())
        if (etiqueta->text() == buscado)
            return etiqueta;
    return nullptr;
}

QString fmt(double valor) {
    return qs(formatea(valor, "###0.0000", Separadores::espanol()));
}

// The three loads of each column, in label order: Qvt, Qh, Qh*.
void comparaColumnas(const QWidget& w, const std::array<double, 3>& corto,
                     const std::array<double, 3>& largo) {
    const char* nombres[2][3] = {{"Qvt_0", "Qh_0", "Qh_Estrella_0"},
                                 {"Qvt_1", "Qh_1", "Qh_Estrella_1"}};
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(texto(w, nombres[0][i]), fmt(corto[i]));
        QCOMPARE(texto(w, nombres[1][i]), fmt(largo[i]));
    }
}

} // namespace

class CargasCalculoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheEngineValuesOfEverySection_data() {
        QTest::addColumn<QString>("fichero");
        for (const auto& f : test::seccionesDeEjemplo())
            QTest::newRow(f.stem().string().c_str()) << QString::fromStdString(f.string());
    }

    void showsTheEngineValuesOfEverySection() {
        QFETCH(QString, fichero);
        auto e = antesDe(fichero.toStdString(), Pantalla::Cargas_Calculo_Tensiones);
        QVERIFY(e->alcanzada);
        Proyecto esperado = e->p;
        QVERIFY(Calcula_Cargas_Calculo_Tensiones(esperado));
        {
            Cargas_Calculo_Tensiones pantalla(e->contexto);
            QVERIFY(e->p == esperado);
            comparaColumnas(pantalla, {esperado.Qvt, esperado.Qh, esperado.Qh_Estrella},
                            {esperado.Qvt_LP, esperado.Qh_LP, esperado.Qh_Estrella_LP});
        }

        e = antesDe(fichero.toStdString(), Pantalla::Cargas_Calculo_Deformaciones);
        if (!e->alcanzada)
            return;
        esperado = e->p;
        QVERIFY(Calcula_Cargas_Calculo_Deformaciones(esperado));
        Cargas_Calculo_Deformaciones pantalla(e->contexto);
        QVERIFY(e->p == esperado);
        comparaColumnas(pantalla, {esperado.Qvt_Def, esperado.Qh_Def, esperado.Qh_Estrella_Def},
                        {esperado.Qvt_Def_LP, esperado.Qh_Def_LP, esperado.Qh_Estrella_Def_LP});
    }

    void theStressScreenShowsTheLongTermColumnOnlyForCreep() {
        for (const char* f :
             {"pvc-sn8-zanja-trafico.json", "prfv-largo-plazo-zanja-terraplenada-freatico.json"}) {
            auto e = antesDe(seccion(f), Pantalla::Cargas_Calculo_Tensiones);
            const bool largo = e->p.Largo_Plazo == 1;
            Cargas_Calculo_Tensiones pantalla(e->contexto);
            pantalla.show();
            QCOMPARE(conTexto(pantalla, QStringLiteral("<b>Largo Plazo</b>"))->isVisible(), largo);
            for (const char* nombre : {"Qvt_1", "Qh_1", "Qh_Estrella_1"}) {
                QCOMPARE(pantalla.findChild<QLabel*>(nombre)->isVisible(), largo);
                // Computed and filled in any case.
                QVERIFY(!texto(pantalla, nombre).isEmpty());
            }
            QVERIFY(pantalla.findChild<QLabel*>("Qvt_0")->isVisible());
        }
    }

    void theDeformationScreenAlwaysShowsBothColumns() {
        auto e =
            antesDe(seccion("pvc-sn8-zanja-trafico.json"), Pantalla::Cargas_Calculo_Deformaciones);
        QVERIFY(e->alcanzada);
        QCOMPARE(e->p.Largo_Plazo, std::int16_t(0));
        Cargas_Calculo_Deformaciones pantalla(e->contexto);
        pantalla.show();
        QVERIFY(conTexto(pantalla, QStringLiteral("<b>Largo Plazo</b>"))->isVisible());
        QVERIFY(pantalla.findChild<QLabel*>("Qh_Estrella_1")->isVisible());
    }

    void captionsKeepTheirDoubleBlankAndNoStandardCaption() {
        auto e =
            antesDe(seccion("pvc-sn8-zanja-trafico.json"), Pantalla::Cargas_Calculo_Deformaciones);
        Cargas_Calculo_Tensiones tensiones(e->contexto);
        Cargas_Calculo_Deformaciones deformaciones(e->contexto);
        QCOMPARE(tensiones.windowTitle(), QStringLiteral("Cargas de cálculo (Tensiones)"));
        QCOMPARE(deformaciones.windowTitle(), QStringLiteral("Cargas de cálculo (Deformaciones)"));
        for (const gui::PantallaBase* pantalla :
             {static_cast<gui::PantallaBase*>(&tensiones),
              static_cast<gui::PantallaBase*>(&deformaciones)}) {
            for (const char* fila : {"Carga vertical sobre el tubo  (kN/m2)",
                                     "Carga horizontal sobre el tubo  (kN/m2)"}) {
                const QLabel* etiqueta = conTexto(*pantalla, QString::fromUtf8(fila));
                QVERIFY2(etiqueta, fila);
                // Rich text would fold the two blanks into one.
                QCOMPARE(etiqueta->textFormat(), Qt::PlainText);
            }
            for (const char* fila :
                 {"Carga vertical sobre el tubo (Qvt)",
                  "Componente de la carga debido al relleno (Qh)",
                  "Componente de la carga debido a la deformación del tubo (Qh*)"})
                QVERIFY2(conTexto(*pantalla, QString::fromUtf8(fila)), fila);
            QVERIFY(pantalla->cajaNorma()->isHidden());
        }
    }

    void nextAndBackLeaveTheirCodes() {
        for (const bool siguiente : {true, false}) {
            auto e =
                antesDe(seccion("pvc-sn8-zanja-trafico.json"), Pantalla::Cargas_Calculo_Tensiones);
            Cargas_Calculo_Tensiones pantalla(e->contexto);
            pantalla.show();
            QTest::mouseClick(siguiente ? pantalla.barra()->siguiente() : pantalla.barra()->atras(),
                              Qt::LeftButton);
            QCOMPARE(e->p.Codigo_Navegacion, siguiente ? kNavegacionSiguiente : kNavegacionAtras);
            QVERIFY(!pantalla.isVisible());
        }
    }

    void aRefusedCalculationShowsTheReasonAndNoNumber() {
        auto e = antesDe(seccion("pvc-sn8-zanja-trafico.json"), Pantalla::Cargas_Calculo_Tensiones);
        e->p.Lambda_RG_Tensiones_LP = std::numeric_limits<double>::infinity();
        Proyecto copia = e->p;
        const auto error = Calcula_Cargas_Calculo_Tensiones(copia);
        QVERIFY(!error);
        const Proyecto antes = e->p;

        test::Contestador contestador;
        Cargas_Calculo_Tensiones pantalla(e->contexto);
        pantalla.show();
        QTRY_COMPARE(contestador.vistos().size(), std::size_t(1));
        QCOMPARE(contestador.vistos()[0].titulo, QStringLiteral("Aviso"));
        QCOMPARE(contestador.vistos()[0].texto, qs(error.error().mensaje));
        QVERIFY(e->p == antes);
        QVERIFY(!pantalla.barra()->siguiente()->isEnabled());
        for (const char* nombre : {"Qvt_0", "Qh_0", "Qh_Estrella_0", "Qvt_1"})
            QCOMPARE(texto(pantalla, nombre), QString());

        QTest::mouseClick(pantalla.barra()->atras(), Qt::LeftButton);
        QCOMPARE(e->p.Codigo_Navegacion, kNavegacionAtras);
        QVERIFY(!pantalla.isVisible());
    }
};

QTEST_MAIN(CargasCalculoTest)
#include "cargas_calculo_test.moc"
