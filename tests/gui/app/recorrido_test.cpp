// The desktop screens and the engine's forward pass must leave the same record: each screen,
// opened on the record and left with "next" without touching anything, stores exactly what the
// headless pass stores.
#include "chain/calcula_seccion.h"
#include "screens/fabrica.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/pantalla_base.h"

#include <QPushButton>
#include <QTest>

using namespace tubrix;

namespace {

struct Recorrido {
    std::optional<Parada> parada;
    std::vector<Pantalla> mostradas;
};

// Shows every screen of the wizard in turn and presses "next" on it, as a user who changes
// nothing; stops at the first screen that stays open.
Recorrido recorre(Proyecto& p) {
    gui::Calculadora calculadora(p);
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};
    test::Contestador contestador;
    contestador.respuestas({QMessageBox::Cancel}); // the deep-groundwater question, if asked
    Recorrido r;
    for (int paso = kPrimerPaso; paso <= kUltimoPaso; ++paso) {
        p.Paso = static_cast<std::int16_t>(paso);
        const PantallasDelPaso pantallas = Pantallas_Del_Paso(paso, p);
        for (const auto& pantalla : {pantallas.primera, pantallas.largoPlazo}) {
            if (!pantalla)
                continue;
            const auto dialogo = gui::creaPantalla(*pantalla, contexto, nullptr);
            dialogo->show();
            QTest::qWait(1);
            r.mostradas.push_back(*pantalla);
            QPushButton* siguiente = dialogo->barra()->siguiente();
            if (*pantalla == Pantalla::Verificacion_1)
                return r; // the last screen is left by saving, not by "next"
            if (!siguiente->isEnabled() || !siguiente->isVisible()) {
                r.parada = Parada{paso, *pantalla, "siguiente deshabilitado"};
                return r;
            }
            QTest::mouseClick(siguiente, Qt::LeftButton);
            QTest::qWait(1);
            if (dialogo->isVisible()) {
                r.parada = Parada{paso, *pantalla, "la pantalla sigue abierta"};
                return r;
            }
        }
    }
    return r;
}

} // namespace

class RecorridoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aResetRecordStopsWhereTheEngineStops() {
        Proyecto pantallas;
        Arranca_Programa(pantallas);
        Inicializa_Proyecto(pantallas, "12-08-2026");
        Proyecto motor = pantallas;
        const auto paradaMotor = Calcula_Seccion(motor, test::catalogoDelPrograma());
        const Recorrido r = recorre(pantallas);
        QVERIFY(paradaMotor);
        QVERIFY(r.parada);
        QCOMPARE(r.parada->paso, paradaMotor->paso);
        QCOMPARE(r.parada->pantalla, paradaMotor->pantalla);
        QVERIFY(pantallas == motor);
    }

    void everyExampleSectionGivesTheEnginesRecord_data() {
        QTest::addColumn<QString>("fichero");
        for (const auto& f : test::seccionesDeEjemplo())
            QTest::newRow(f.filename().string().c_str()) << QString::fromStdString(f.string());
    }

    void everyExampleSectionGivesTheEnginesRecord() {
        QFETCH(QString, fichero);
        Proyecto pantallas = test::cargaSeccion(fichero.toStdString());
        Proyecto motor = pantallas;
        const auto paradaMotor = Calcula_Seccion(motor, test::catalogoDelPrograma());
        const Recorrido r = recorre(pantallas);
        QCOMPARE(r.parada.has_value(), paradaMotor.has_value());
        // The verification screen computes on opening; the engine's pass ends there too.
        pantallas.Codigo_Navegacion = motor.Codigo_Navegacion;
        QVERIFY(pantallas == motor);
    }
};

QTEST_MAIN(RecorridoTest)
#include "recorrido_test.moc"
