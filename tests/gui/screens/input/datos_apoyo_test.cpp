#include "screens/input/datos_apoyo.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/dibujo.h"
#include "ui/enter_como_tab.h"

#include <cmath>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Datos_Apoyo;

namespace {

using test::entradas;
using test::escribeYSale;
using test::hijo;

// A record, the program's catalogue and calculator, and the Spanish separators.
struct Banco : test::Banco {
    Banco() {
        p.Diametro_Exterior = 500;
        p.Codigo_Material = 3;
    }
};

// UNE concrete cradle, subtype a), 90 degrees, D 500 mm.
void cunaUne(Proyecto& p) {
    p.Norma = 1;
    p.Tipo_Apoyo = 3;
    p.Subtipo_Apoyo = 1;
    p.Angulo_Apoyo = 90;
    p.J = 0;
}

void muestra(QWidget& pantalla) {
    pantalla.show();
    QVERIFY(QTest::qWaitForWindowActive(&pantalla));
}

} // namespace

class DatosApoyoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { gui::EnterComoTab::instala(); }

    // ---- Projection ratio of the concrete cradle -------------------------------------------

    void pjRecalculadoAlSalirDeJ() {
        Banco b;
        cunaUne(b.p);
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        auto* j = hijo<QLineEdit>(pantalla, "cajaJ");
        QVERIFY(j->isVisible());
        escribeYSale(j, QStringLiteral("0,2"));
        QVERIFY(!j->hasFocus());
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPj")->text(), QStringLiteral("1,25"));
        QCOMPARE(b.p.J, 0.2);
        QVERIFY(std::abs(b.p.Relacion_Proyeccion - 1.2536) < 5e-5);
    }

    void subtipoBNoUsaJ() {
        Banco b;
        cunaUne(b.p);
        b.p.J = 0.2;
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionSubtipo2"), Qt::LeftButton);
        QCOMPARE(b.p.Subtipo_Apoyo, std::int16_t{2});
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPj")->text(), QStringLiteral("0,85"));
        escribeYSale(hijo<QLineEdit>(pantalla, "cajaJ"), QStringLiteral("3"));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPj")->text(), QStringLiteral("0,85"));
        QVERIFY(std::abs(b.p.Relacion_Proyeccion - 0.8536) < 5e-5);
    }

    void anguloElegidoRecalculaConElTextoDeJ() {
        Banco b;
        cunaUne(b.p);
        b.p.Norma = 2;
        b.p.Tipo_Apoyo = 2;
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        auto* j = hijo<QLineEdit>(pantalla, "cajaJ");
        // ATV type II opens with the focus in J.
        QTRY_VERIFY(j->hasFocus());
        j->selectAll();
        QTest::keyClicks(j, QStringLiteral("0,1"));
        // The list is changed without J losing the focus: the typed J still counts.
        hijo<QComboBox>(pantalla, "listaAngulo")->setCurrentIndex(2);
        QCOMPARE(b.p.Angulo_Apoyo, 180.0);
        QCOMPARE(j->text(), QStringLiteral("0,1"));
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPj")->text(), QStringLiteral("0,7"));
    }

    // ---- Types and angles ------------------------------------------------------------------

    void listaDeAngulos_data() {
        QTest::addColumn<int>("norma");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("angulos");
        QTest::addColumn<bool>("pideJ");
        const QStringList bajos{QStringLiteral(" 60 grados"), QStringLiteral(" 90 grados"),
                                QStringLiteral("120 grados")};
        const QStringList altos{QStringLiteral(" 90 grados"), QStringLiteral("120 grados"),
                                QStringLiteral("180 grados")};
        QTest::newRow("UNE A") << 1 << 1 << bajos << false;
        QTest::newRow("UNE B") << 1 << 2 << bajos << false;
        QTest::newRow("UNE C") << 1 << 3 << altos << true;
        QTest::newRow("ATV I") << 2 << 1 << bajos << false;
        QTest::newRow("ATV II") << 2 << 2 << altos << true;
        QTest::newRow("ATV III") << 2 << 3 << QStringList{QStringLiteral("180 grados")} << false;
    }

    void listaDeAngulos() {
        QFETCH(int, norma);
        QFETCH(int, tipo);
        QFETCH(QStringList, angulos);
        QFETCH(bool, pideJ);
        Banco b;
        b.p.Norma = static_cast<std::int16_t>(norma);
        // Opened on another type, then the option is clicked.
        b.p.Tipo_Apoyo = static_cast<std::int16_t>(tipo == 1 ? 3 : 1);
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        const QByteArray nombre = "opcionTipo" + QByteArray::number(tipo);
        QTest::mouseClick(hijo<QRadioButton>(pantalla, nombre.constData()), Qt::LeftButton);
        QCOMPARE(b.p.Tipo_Apoyo, static_cast<std::int16_t>(tipo));
        auto* lista = hijo<QComboBox>(pantalla, "listaAngulo");
        QCOMPARE(entradas(lista), angulos);
        QCOMPARE(lista->currentIndex(), 0);
        QCOMPARE(b.p.Angulo_Apoyo, angulos.front().left(3).trimmed().toDouble());
        QCOMPARE(hijo<QLineEdit>(pantalla, "cajaJ")->isVisible(), pideJ);
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaJ")->isVisible(), pideJ);
    }

    void anguloGuardadoSeleccionadoAlAbrir() {
        Banco b;
        b.p.Norma = 1;
        b.p.Tipo_Apoyo = 1;
        b.p.Angulo_Apoyo = 120;
        Datos_Apoyo pantalla(b.contexto);
        QCOMPARE(hijo<QComboBox>(pantalla, "listaAngulo")->currentText(),
                 QStringLiteral("120 grados"));
        QCOMPARE(b.p.Angulo_Apoyo, 120.0);
    }

    void anguloQueLaListaNoOfreceTomaElUnico() {
        Banco b;
        b.p.Norma = 2;
        b.p.Tipo_Apoyo = 3;
        b.p.Angulo_Apoyo = 120;
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        QCOMPARE(hijo<QComboBox>(pantalla, "listaAngulo")->currentText(),
                 QStringLiteral("180 grados"));
        pantalla.barra()->siguiente()->click();
        QCOMPARE(b.p.Angulo_Apoyo, 180.0);
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QVERIFY(!pantalla.isVisible());
    }

    void apoyoGranularGuardaPjUno() {
        Banco b;
        cunaUne(b.p);
        b.p.Relacion_Proyeccion = 1.7;
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPj")->text(), QStringLiteral("0,85"));
        QTest::mouseClick(hijo<QRadioButton>(pantalla, "opcionTipo1"), Qt::LeftButton);
        QCOMPARE(b.p.Relacion_Proyeccion, 1.0);
        QCOMPARE(hijo<QLabel>(pantalla, "etiquetaPj")->text(), QStringLiteral("1,0"));
        QVERIFY(!hijo<QLineEdit>(pantalla, "cajaJ")->isVisible());
        pantalla.barra()->siguiente()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(b.p.Relacion_Proyeccion, 1.0);
        QCOMPARE(b.p.Angulo_Apoyo, 60.0);
    }

    void tipo2SoloParaGruposHasta4() {
        Banco b;
        b.p.Norma = 2;
        b.p.Tipo_Apoyo = 2;
        b.p.Codigo_Material = 5;
        {
            Datos_Apoyo pantalla(b.contexto);
            auto* tipo2 = hijo<QRadioButton>(pantalla, "opcionTipo2");
            QVERIFY(!tipo2->isEnabled());
            QVERIFY(tipo2->isChecked()); // a stored type 2 is still shown
        }
        b.p.Codigo_Material = 4;
        Datos_Apoyo pantalla(b.contexto);
        QVERIFY(hijo<QRadioButton>(pantalla, "opcionTipo2")->isEnabled());
    }

    // ---- Wording per standard --------------------------------------------------------------

    void textosSegunLaNorma_data() {
        QTest::addColumn<int>("norma");
        QTest::addColumn<QStringList>("etiquetas");
        QTest::addColumn<QString>("opcion1");
        QTest::addColumn<QString>("dibujo3");
        QTest::addColumn<bool>("subtipos");
        QTest::newRow("UNE")
            << 1
            << QStringList{QStringLiteral("Tipo A"), QStringLiteral("Tipo B"),
                           QStringLiteral("Tipo C")}
            << QStringLiteral("Tipo A: Cama granular compactada sobre la que descansa el tubo")
            << QStringLiteral(":/drawings/apoyo_une_tipo_c.svg") << true;
        QTest::newRow("ATV") << 2
                             << QStringList{QStringLiteral("Tipo I"), QStringLiteral("Tipo II"),
                                            QStringLiteral("Tipo III")}
                             << QStringLiteral(
                                    "Tipo I: Cama granular sobre la que descansa el tubo")
                             << QStringLiteral(":/drawings/apoyo_atv_tipo3.svg") << false;
    }

    void textosSegunLaNorma() {
        QFETCH(int, norma);
        QFETCH(QStringList, etiquetas);
        QFETCH(QString, opcion1);
        QFETCH(QString, dibujo3);
        QFETCH(bool, subtipos);
        Banco b;
        b.p.Norma = static_cast<std::int16_t>(norma);
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        QCOMPARE(pantalla.windowTitle(), QStringLiteral("Características del apoyo"));
        QCOMPARE(pantalla.cajaNorma()->text(),
                 norma == 1 ? QStringLiteral("Norma UNE") : QStringLiteral("Norma ATV"));
        for (int i = 0; i < 3; ++i) {
            const QByteArray nombre = "etiquetaTipo" + QByteArray::number(i + 1);
            QCOMPARE(hijo<QLabel>(pantalla, nombre.constData())->text(), etiquetas.at(i));
        }
        QCOMPARE(hijo<QRadioButton>(pantalla, "opcionTipo1")->text(), opcion1);
        QCOMPARE(hijo<gui::Dibujo>(pantalla, "dibujoTipo3")->recurso(), dibujo3);
        QCOMPARE(hijo<QRadioButton>(pantalla, "opcionSubtipo1")->isVisible(), subtipos);
        QCOMPARE(hijo<QRadioButton>(pantalla, "opcionSubtipo1")->text(),
                 QStringLiteral("Subtipo a)"));
    }

    // ---- Arrows ----------------------------------------------------------------------------

    void siguienteRechazadoSinDiametro() {
        Banco b;
        cunaUne(b.p);
        b.p.Diametro_Exterior = 0;
        Proyecto copia = b.p;
        const auto esperado = Calcula_Pj(copia, CajaTexto("0,2"));
        QVERIFY(!esperado);
        Datos_Apoyo pantalla(b.contexto);
        muestra(pantalla);
        auto* j = hijo<QLineEdit>(pantalla, "cajaJ");
        j->setText(QStringLiteral("0,2"));
        test::Contestador contestador;
        pantalla.barra()->siguiente()->click();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
        QCOMPARE(contestador.vistos().front().texto,
                 QString::fromStdString(esperado.error().mensaje));
        QVERIFY(pantalla.isVisible());
        QVERIFY(b.p.Codigo_Navegacion != kNavegacionSiguiente);
        QCOMPARE(pantalla.focusWidget(), j);
    }

    void atrasNoGuardaElAngulo() {
        Banco b;
        b.p.Norma = 1;
        b.p.Tipo_Apoyo = 1;
        b.p.Angulo_Apoyo = 90;
        Datos_Apoyo pantalla(b.contexto);
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionAbandonar);
        muestra(pantalla);
        pantalla.barra()->atras()->click();
        QCOMPARE(b.p.Codigo_Navegacion, kNavegacionAtras);
        QCOMPARE(b.p.Angulo_Apoyo, 90.0);
        QVERIFY(!pantalla.isVisible());
    }
};

QTEST_MAIN(DatosApoyoTest)
#include "datos_apoyo_test.moc"
