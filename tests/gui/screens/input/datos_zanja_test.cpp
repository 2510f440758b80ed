#include "screens/input/datos_zanja.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/dibujo.h"
#include "ui/enter_como_tab.h"
#include "ui/mensajes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Datos_Zanja;
using tubrix::test::Contestador;

namespace {

const QString kTipo1 = QStringLiteral("Tipo 1: Instalación en zanja o bajo terraplén");
const QString kHBajo = QStringLiteral("El valor de H debe ser superior a 0,5 m");
const QString kHAlto = QStringLiteral("El valor de H debe ser inferior a 20 m");
const QString kBeta = QStringLiteral("El valor del ángulo Beta debe de estar entre 10º y 90º");
const QString kFondo =
    QStringLiteral("Anchura fondo de zanja insuficiente debido al talud.\rModificar B o beta.");
const QString kEstrecha = QStringLiteral("No se cumple la condición de zanja estrecha 1<=B/D<=4.");
const QString kAncha = QStringLiteral("No se cumple la condición de zanja ancha B/D>4.");

struct Entorno {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, tubrix::test::catalogoDelPrograma(), calculadora,
                           Separadores::espanol()};

    Entorno() {
        Arranca_Programa(p);
        Inicializa_Proyecto(p, "12-08-2026");
        p.Diametro_Exterior = 400; // as the pipe screen leaves it
    }
};

// The screen with its refusals recorded as the rules wrote them (beep included) and still
// shown in a real message box.
struct PantallaZanja {
    Datos_Zanja ventana;
    std::vector<Mensaje> mensajes;

    explicit PantallaZanja(gui::Contexto& contexto) : ventana(contexto) {
        ventana.ponAvisador([this](QWidget* padre, const Mensaje& m) {
            mensajes.push_back(m);
            gui::muestraMensaje(padre, m);
        });
        ventana.show();
    }

    QLineEdit* caja(int i) const {
        return ventana.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    QLabel* pregunta(int i) const {
        return ventana.findChild<QLabel*>(QStringLiteral("Pregunta_%1").arg(i));
    }
    QPushButton* subtipo(int i) const {
        return ventana.findChild<QPushButton*>(QStringLiteral("Command2_%1").arg(i));
    }
    gui::Dibujo* dibujo(int i) const {
        return ventana.findChild<gui::Dibujo*>(QStringLiteral("Dibujo_%1").arg(i));
    }
    QRadioButton* tipo(int i) const {
        return ventana.findChild<QRadioButton*>(QStringLiteral("Option_Tipo_%1").arg(i));
    }
    QString seleccion() const {
        return ventana.findChild<QLabel*>(QStringLiteral("Seleccion"))->text();
    }

    void escribe(int i, const QString& texto) const {
        caja(i)->clear();
        QTest::keyClicks(caja(i), texto);
    }
    void siguiente() const { QTest::mouseClick(ventana.barra()->siguiente(), Qt::LeftButton); }
    void atras() const { QTest::mouseClick(ventana.barra()->atras(), Qt::LeftButton); }
    // A click on the round indicator: the button is wider than its caption.
    void eligeTipo(int i) const {
        QTest::mouseClick(tipo(i), Qt::LeftButton, {}, QPoint(6, tipo(i)->height() / 2));
    }
    void eligeSubtipo(int i) const { QTest::mouseClick(subtipo(i), Qt::LeftButton); }

    // Fills a narrow or wide trench: H, B, beta.
    void zanja(const QString& h, const QString& b, const QString& beta) const {
        escribe(0, h);
        escribe(1, b);
        escribe(2, beta);
    }
};

// Rows shown: question label and text box of each of the five rows.
QString filasVisibles(const PantallaZanja& s) {
    QString r;
    for (int i = 0; i < 5; ++i)
        r += QLatin1String(s.pregunta(i)->isVisible() ? "P" : "-") +
             QLatin1String(s.caja(i)->isVisible() ? "C" : "-");
    return r;
}

} // namespace

class DatosZanjaTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nuevoProyectoAbreEnZanjaEstrecha() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        QCOMPARE(s.ventana.windowTitle(), QStringLiteral("Características de la Instalación"));
        QCOMPARE(s.ventana.cajaNorma()->text(), QStringLiteral("Norma UNE"));
        QVERIFY(s.tipo(0)->isChecked());
        QCOMPARE(s.seleccion(), kTipo1 + QStringLiteral(". Zanja Estrecha"));
        QVERIFY(s.subtipo(0)->isChecked());
        QCOMPARE(filasVisibles(s), QStringLiteral("PCPCPC--P-"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(s.caja(i)->text(), QStringLiteral("0,0"));
        QCOMPARE(
            s.pregunta(0)->text(),
            QStringLiteral("Altura H del recubrimiento por encima de la generatriz superior (m)"));
        QCOMPARE(s.pregunta(2)->text(),
                 QStringLiteral("Ángulo β de inclinación de las paredes de la zanja (º)"));
        QCOMPARE(s.dibujo(0)->recurso(),
                 QStringLiteral(":/drawings/instalacion_zanja_estrecha.svg"));
        QCOMPARE(s.dibujo(1)->recurso(), QStringLiteral(":/drawings/instalacion_zanja_ancha.svg"));
        QCOMPARE(s.dibujo(2)->recurso(), QStringLiteral(":/drawings/instalacion_terraplen.svg"));
        QCOMPARE(s.ventana.focusWidget(), s.caja(0));

        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, kHBajo);
        QCOMPARE(contestador.vistos()[0].titulo, QStringLiteral("Aviso"));
        QCOMPARE(contestador.vistos()[0].icono, QMessageBox::Information);
        QVERIFY(s.ventana.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void limitesDeH_data() {
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("0,49") << QStringLiteral("0,49") << kHBajo;
        QTest::newRow("0,5") << QStringLiteral("0,5") << QString();
        QTest::newRow("20 with a point") << QStringLiteral("20.0") << QString();
        QTest::newRow("20,01") << QStringLiteral("20,01") << kHAlto;
        QTest::newRow("letters are no number")
            << QStringLiteral("abc")
            << QStringLiteral("Escriba un número en la altura H del recubrimiento (m)");
    }
    void limitesDeH() {
        QFETCH(QString, h);
        QFETCH(QString, mensaje);
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.zanja(h, QStringLiteral("1,2"), QStringLiteral("90"));
        s.siguiente();
        if (mensaje.isEmpty()) {
            QVERIFY(contestador.vistos().empty());
            QVERIFY(!s.ventana.isVisible());
            QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
            QCOMPARE(e.p.H_Total, e.p.H);
            QCOMPARE(e.p.Caso_Zanja, 1.0);
            QCOMPARE(e.p.B_Calculo, 1.2);
            QCOMPARE(e.p.Relacion_BD, 3.0);
            return;
        }
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, mensaje);
        QCOMPARE(s.mensajes.size(), std::size_t{1});
        QVERIFY(s.mensajes[0].pitido);
        QVERIFY(s.ventana.isVisible());
        QCOMPARE(s.ventana.focusWidget(), s.caja(0));
        QCOMPARE(s.caja(0)->text(), h); // nothing is cleared
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void betaFueraDeRangoSinPitido() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.eligeSubtipo(1);
        s.zanja(QStringLiteral("2"), QStringLiteral("6"), QStringLiteral("9,9"));
        s.siguiente();
        QCOMPARE(s.mensajes.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(s.mensajes[0].texto), kBeta);
        QVERIFY(!s.mensajes[0].pitido);
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].icono, QMessageBox::Information);
        QCOMPARE(s.ventana.focusWidget(), s.caja(2));
        // What was read before the refusal stays stored.
        QCOMPARE(e.p.H, 2.0);
        QCOMPARE(e.p.Beta, 9.9);

        // 10 degrees is accepted: B_fondo = 6 - 0.8 / tan(10) = 1.46 m.
        s.escribe(2, QStringLiteral("10"));
        s.siguiente();
        QCOMPARE(s.mensajes.size(), std::size_t{1});
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Beta, 10.0);
        QCOMPARE(e.p.Relacion_BD, 15.0);
    }

    void anchuraDelFondoConTalud() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        // Vertical walls: B_fondo = B = 0.85 < 0.4 + 0.5.
        s.zanja(QStringLiteral("2"), QStringLiteral("0,85"), QStringLiteral("90"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, kFondo);
        QVERIFY(s.mensajes.back().pitido);
        QCOMPARE(s.ventana.focusWidget(), s.caja(1));
        QVERIFY(s.ventana.isVisible());

        s.escribe(1, QStringLiteral("0,9"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Relacion_BD, 2.25);
    }

    void taludEstrechaElFondoDeUnaZanjaAncha() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.eligeSubtipo(1);
        QCOMPARE(e.p.Subtipo_Instalacion, std::int16_t{2});
        // beta 45: B_fondo = 1.5 - 0.8 = 0.7 < 0.9, although B alone would do.
        s.zanja(QStringLiteral("2"), QStringLiteral("1,5"), QStringLiteral("45"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, kFondo);
        QCOMPARE(s.ventana.focusWidget(), s.caja(1));

        s.escribe(1, QStringLiteral("1,8"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.B, 1.8);
        QCOMPARE(e.p.Caso_Zanja, 1.0);
    }

    void relacionBD_data() {
        QTest::addColumn<int>("subtipo");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("narrow B/D 4") << 0 << QStringLiteral("1,6") << QString();
        QTest::newRow("narrow B/D 4.1") << 0 << QStringLiteral("1,64") << kEstrecha;
        QTest::newRow("wide B/D 4") << 1 << QStringLiteral("1,6") << kAncha;
        QTest::newRow("wide B/D 4.1") << 1 << QStringLiteral("1,64") << QString();
    }
    void relacionBD() {
        QFETCH(int, subtipo);
        QFETCH(QString, b);
        QFETCH(QString, mensaje);
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.eligeSubtipo(subtipo);
        s.zanja(QStringLiteral("3"), b, QStringLiteral("90"));
        s.siguiente();
        if (mensaje.isEmpty()) {
            QVERIFY(contestador.vistos().empty());
            QVERIFY(!s.ventana.isVisible());
            return;
        }
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, mensaje);
        QCOMPARE(s.ventana.focusWidget(), s.caja(1));
        QVERIFY(s.ventana.isVisible());
    }

    void terraplenSoloPideHYGuardaCasoDos() {
        Entorno e;
        e.p.B = 1.2;
        e.p.Beta = 60;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.eligeSubtipo(2);
        QCOMPARE(s.seleccion(), kTipo1 + QStringLiteral(". Terraplén"));
        QCOMPARE(filasVisibles(s), QStringLiteral("PC--------"));
        QCOMPARE(s.ventana.focusWidget(), s.caja(0));
        // The hidden boxes still hold B and beta.
        QCOMPARE(s.caja(1)->text(), QStringLiteral("1,2"));
        QCOMPARE(s.caja(2)->text(), QStringLiteral("60,0"));

        s.escribe(0, QStringLiteral("4,5"));
        s.siguiente();
        QVERIFY(contestador.vistos().empty());
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Caso_Zanja, 2.0);
        QCOMPARE(e.p.H, 4.5);
        QCOMPARE(e.p.H_Total, 4.5);
        QCOMPARE(e.p.B_Calculo, 1.2);
        QCOMPARE(e.p.Relacion_BD, 3.0);
        QCOMPARE(e.p.Subtipo_Instalacion, std::int16_t{3});
    }

    void cambioDeTipoMuestraFilasYDibujos() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);

        s.eligeTipo(1);
        QCOMPARE(e.p.Tipo_Instalacion, std::int16_t{2});
        QCOMPARE(e.p.Subtipo_Instalacion, std::int16_t{1});
        QVERIFY(!s.dibujo(0)->isVisible());
        QVERIFY(!s.subtipo(0)->isVisible());
        QVERIFY(s.dibujo(1)->isVisible());
        QVERIFY(!s.dibujo(2)->isVisible());
        QVERIFY(!s.subtipo(2)->isVisible());
        QCOMPARE(s.dibujo(1)->recurso(),
                 QStringLiteral(":/drawings/instalacion_zanja_terraplenada.svg"));
        QCOMPARE(s.subtipo(1)->text(), QStringLiteral("Zanja Terraplenada"));
        QCOMPARE(filasVisibles(s), QStringLiteral("PCPCPCPCP-"));
        QCOMPARE(s.pregunta(1)->text(),
                 QStringLiteral("Altura H2 del recubrimiento del terraplén (m)"));
        QCOMPARE(s.ventana.focusWidget(), s.caja(0));

        s.eligeTipo(2);
        QCOMPARE(e.p.Tipo_Instalacion, std::int16_t{3});
        QVERIFY(s.dibujo(0)->isVisible());
        QVERIFY(s.dibujo(1)->isVisible());
        QVERIFY(!s.dibujo(2)->isVisible());
        QCOMPARE(s.dibujo(0)->recurso(),
                 QStringLiteral(":/drawings/instalacion_dos_tubos_mismo_nivel.svg"));
        QCOMPARE(s.subtipo(0)->text(), QStringLiteral("Mismo nivel"));
        QCOMPARE(filasVisibles(s), QStringLiteral("P-P-P-P-P-"));
        QCOMPARE(s.pregunta(0)->text(), QStringLiteral("En éste caso debe realizar el cálculo de"));

        s.eligeSubtipo(1);
        QCOMPARE(e.p.Subtipo_Instalacion, std::int16_t{2});
        QCOMPARE(s.dibujo(1)->recurso(),
                 QStringLiteral(":/drawings/instalacion_dos_tubos_niveles_diferentes.svg"));
        QCOMPARE(filasVisibles(s), QStringLiteral("P-P-P-----"));
        QCOMPARE(s.pregunta(2)->text(),
                 QStringLiteral(" - la tubería inferior como Tipo2 (zanja terraplenada)."));

        // Next does nothing here: no message, the screen stays.
        s.siguiente();
        QVERIFY(contestador.vistos().empty());
        QVERIFY(s.ventana.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAbandonar);

        // Back to type 1, the subtype number carries over: "Zanja Ancha".
        s.eligeTipo(0);
        QCOMPARE(e.p.Subtipo_Instalacion, std::int16_t{2});
        QVERIFY(s.subtipo(1)->isChecked());
        QCOMPARE(s.seleccion(), kTipo1 + QStringLiteral(". Zanja Ancha"));
        QCOMPARE(filasVisibles(s), QStringLiteral("PCPCPC--P-"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(s.dibujo(i)->isVisible());
    }

    void zanjaTerraplenadaPruebaCadaAltura() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.eligeTipo(1);
        s.escribe(0, QStringLiteral("1"));
        s.escribe(1, QStringLiteral("0,3"));
        s.escribe(2, QStringLiteral("0,4"));
        s.escribe(3, QStringLiteral("180")); // beta on the trench's limits here too
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, kHBajo);
        QCOMPARE(s.ventana.focusWidget(), s.caja(1));
        QCOMPARE(e.p.H1, 1.0);

        s.escribe(1, QStringLiteral("19,5"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{2});
        QCOMPARE(contestador.vistos()[1].texto,
                 QStringLiteral("El valor del ángulo Beta debe de estar entre 10º y 90º"));
        QCOMPARE(s.ventana.focusWidget(), s.caja(3));

        s.escribe(3, QStringLiteral("60"));
        s.siguiente();
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.H_Total, 20.5);
        QCOMPARE(e.p.Caso_Zanja, 3.0);
        QCOMPARE(e.p.B, 0.4);
        QCOMPARE(e.p.Beta, 60.0);
    }

    // A height the screen itself wrote with grouped thousands ("2.500,0") reads back as 2 500 m,
    // and is refused, not as 2,5 m.
    void milesEscritosPorLaPantallaConservanSuMagnitud() {
        Entorno e;
        e.p.H = 2500;
        e.p.B = 1.2;
        e.p.Beta = 90;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        QCOMPARE(s.caja(0)->text(), QStringLiteral("2.500,0"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, kHAlto);
        QCOMPARE(e.p.H, 2500.0);
    }

    // H = 100 refused, 3,2 typed, then another subtype: the box keeps 3,2.
    void cambiarDeSubtipoConservaLoEscrito() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.zanja(QStringLiteral("100"), QStringLiteral("2"), QStringLiteral("90"));
        s.siguiente();
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        s.escribe(0, QStringLiteral("3,2"));
        s.eligeSubtipo(1);
        QCOMPARE(s.caja(0)->text(), QStringLiteral("3,2"));
        QCOMPARE(s.caja(1)->text(), QStringLiteral("2"));
        s.siguiente();
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.H, 3.2);
        QCOMPARE(e.p.Subtipo_Instalacion, std::int16_t{2});
    }

    void atrasNoGuardaNada() {
        Entorno e;
        Contestador contestador;
        PantallaZanja s(e.contexto);
        s.zanja(QStringLiteral("0,1"), QStringLiteral("5"), QStringLiteral("1"));
        s.atras();
        QVERIFY(contestador.vistos().empty());
        QVERIFY(!s.ventana.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAtras);
        QCOMPARE(e.p.H, 0.0);
        QCOMPARE(e.p.B, 0.0);
    }

    void reabreEnElCasoGuardado() {
        Entorno e;
        e.p.Tipo_Instalacion = 1;
        e.p.Subtipo_Instalacion = 2;
        e.p.H = 1234.5;
        e.p.B = 2.25;
        e.p.Beta = 75.5;
        PantallaZanja s(e.contexto);
        QVERIFY(s.tipo(0)->isChecked());
        QVERIFY(s.subtipo(1)->isChecked());
        QCOMPARE(s.caja(0)->text(), QStringLiteral("1.234,5"));
        QCOMPARE(s.caja(1)->text(), QStringLiteral("2,25"));
        QCOMPARE(s.caja(2)->text(), QStringLiteral("75,5"));
    }

    void enterPasaDeCajaEnCaja() {
        gui::EnterComoTab::instala();
        Entorno e;
        PantallaZanja s(e.contexto);
        QApplication::setActiveWindow(&s.ventana);
        QVERIFY(QTest::qWaitForWindowActive(&s.ventana));
        s.caja(0)->setFocus();
        QTest::keyClick(s.caja(0), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.caja(1));
        QTest::keyClick(s.caja(1), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.caja(2));
        // From the last box shown on to "next", which Enter does not press by itself.
        QTest::keyClick(s.caja(2), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.ventana.barra()->siguiente());
        QVERIFY(s.ventana.isVisible());
    }
};

QTEST_MAIN(DatosZanjaTest)
#include "datos_zanja_test.moc"
