#include "screens/input/seguridad_atv.h"
#include "screens/input/seguridad_une.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Seguridad_ATV;
using tubrix::gui::Seguridad_UNE;

namespace {

using Entorno = tubrix::test::Banco;

QRadioButton* opcion(const QWidget& pantalla, int i) {
    return pantalla.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(i));
}

QLabel* valor(const QWidget& pantalla, int i) {
    return pantalla.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i));
}

QLabel* etiquetaCon(const QWidget& pantalla, const QString& texto) {
    for (QLabel* l : pantalla.findChildren<QLabel*>())
        if (l->text() == texto)
            return l;
    return nullptr;
}

// A click on the round indicator: the button may be wider than its caption.
void marca(QRadioButton* boton) {
    QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(6, boton->height() / 2));
}

void pulsa(QPushButton* boton) {
    QTest::mouseClick(boton, Qt::LeftButton);
}

// Sewer pipe (the default of a new project) or pressure pipe of outside diameter `d` mm.
void presion(Proyecto& p, double d) {
    p.Tipo_Conducto = kNo;
    p.Diametro_Exterior = d;
}

} // namespace

class SeguridadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void uneDePrimeraPasadaGuardaLaClaseGeneral() {
        Entorno e;
        e.p.Clase_Seguridad = 0;
        Seguridad_UNE pantalla(e.contexto);
        pantalla.show();
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{1});
        QVERIFY(opcion(pantalla, 0)->isChecked());
        QVERIFY(!opcion(pantalla, 1)->isChecked());
        QCOMPARE(opcion(pantalla, 0)->text(), QStringLiteral("General"));
        QCOMPARE(opcion(pantalla, 1)->text(), QStringLiteral("Excepcional"));
        QCOMPARE(pantalla.cajaNorma()->text(), QStringLiteral("Norma UNE"));
        QCOMPARE(pantalla.barra()->ayuda()->text(), QStringLiteral("Ayuda"));
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("1,6"));
        QCOMPARE(e.p.Coef_Seguridad_Aplastamiento, 1.6);
        // Sewer pipes have no rupture row.
        QVERIFY(!valor(pantalla, 1)->isVisible());
        QVERIFY(
            !etiquetaCon(pantalla, QStringLiteral("- Coeficiente de seguridad frente a la ruptura"))
                 ->isVisible());
        QVERIFY(etiquetaCon(pantalla,
                            QStringLiteral("- Coeficiente de seguridad frente al aplastamiento"))
                    ->isVisible());
    }

    void uneExcepcionalParaSaneamiento() {
        Entorno e;
        Seguridad_UNE pantalla(e.contexto);
        pantalla.show();
        marca(opcion(pantalla, 1));
        QVERIFY(opcion(pantalla, 1)->isChecked());
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{2});
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("2"));
        QCOMPARE(e.p.Coef_Seguridad_Aplastamiento, 2.0);

        marca(opcion(pantalla, 0));
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{1});
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("1,6"));

        // Back keeps what the option clicks stored.
        marca(opcion(pantalla, 1));
        pulsa(pantalla.barra()->atras());
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAtras);
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{2});
        QCOMPARE(e.p.Coef_Seguridad_Aplastamiento, 2.0);
    }

    void uneSegundaPasadaRecuperaLaClase() {
        Entorno e;
        e.p.Clase_Seguridad = 2;
        e.p.Coef_Seguridad_Aplastamiento = 0;
        Seguridad_UNE pantalla(e.contexto);
        pantalla.show();
        QVERIFY(opcion(pantalla, 1)->isChecked());
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("2"));
        QCOMPARE(e.p.Coef_Seguridad_Aplastamiento, 2.0);
        pulsa(pantalla.barra()->siguiente());
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
    }

    void unePresionSinExcepcional_data() {
        QTest::addColumn<double>("diametro");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("ruptura");
        QTest::newRow("200") << 200.0 << QStringLiteral("3,5") << 3.5;
        QTest::newRow("400") << 400.0 << QStringLiteral("3,0") << 3.0;
        QTest::newRow("600") << 600.0 << QStringLiteral("2,5") << 2.5;
    }
    void unePresionSinExcepcional() {
        QFETCH(double, diametro);
        QFETCH(QString, texto);
        QFETCH(double, ruptura);
        Entorno e;
        presion(e.p, diametro);
        e.p.Clase_Seguridad = 2; // brought by an earlier sewer pipe
        Seguridad_UNE pantalla(e.contexto);
        pantalla.show();
        QVERIFY(opcion(pantalla, 0)->isChecked());
        QVERIFY(!opcion(pantalla, 1)->isEnabled());
        QVERIFY(!pantalla.findChild<QLabel*>(QStringLiteral("Descripcion_1"))->isEnabled());
        QVERIFY(pantalla.findChild<QLabel*>(QStringLiteral("Descripcion_0"))->isEnabled());
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("2.5"));
        QCOMPARE(e.p.Coef_Seguridad_Aplastamiento, 2.5);
        QVERIFY(valor(pantalla, 1)->isVisible());
        QCOMPARE(valor(pantalla, 1)->text(), texto);
        QCOMPARE(e.p.Coef_Seguridad_Ruptura, ruptura);
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{1});

        // A click on the disabled option changes nothing.
        marca(opcion(pantalla, 1));
        QVERIFY(opcion(pantalla, 0)->isChecked());
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{1});
    }

    void atvDePrimeraPasada() {
        Entorno e;
        e.p.Norma = 2;
        e.p.Clase_Seguridad = 0;
        Seguridad_ATV pantalla(e.contexto);
        pantalla.show();
        QCOMPARE(pantalla.cajaNorma()->text(), QStringLiteral("Norma ATV"));
        QCOMPARE(opcion(pantalla, 0)->text(), QStringLiteral("Clase A: Normal (Estándar)"));
        QCOMPARE(opcion(pantalla, 1)->text(), QStringLiteral("Clase B: Reducida"));
        QCOMPARE(pantalla.barra()->ayuda()->text(), QStringLiteral("Ayuda"));
        QVERIFY(opcion(pantalla, 0)->isChecked());
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{1});
        // Group 11 of a new project, class A.
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("2,5"));
        QCOMPARE(valor(pantalla, 1)->text(), QStringLiteral("2,5"));
        QCOMPARE(valor(pantalla, 2)->text(), QStringLiteral("6 %"));
        QCOMPARE(e.p.Coef_Seguridad_Rotura, 2.5);
        QCOMPARE(e.p.Coef_Seguridad_Estabilidad, 2.5);
        QCOMPARE(e.p.Deformacion_Admisible, 6.0);
        for (const char* linea : {"- Riesgo de contaminación de aguas subterráneas",
                                  "- Ningún riesgo de contaminación de aguas subterráneas",
                                  "- Frente al fallo por rotura", "- Frente a la inestabilidad",
                                  "- Deformación admisible a largo plazo"})
            QVERIFY2(etiquetaCon(pantalla, QString::fromUtf8(linea)), linea);
    }

    void atvGrupoDiezClaseB() {
        Entorno e;
        e.p.Norma = 2;
        e.p.Codigo_Material = 10;
        Seguridad_ATV pantalla(e.contexto);
        pantalla.show();
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("1,5"));
        marca(opcion(pantalla, 1));
        QVERIFY(opcion(pantalla, 1)->isChecked());
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{2});
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("1,3"));
        QCOMPARE(valor(pantalla, 1)->text(), QStringLiteral("2,0"));
        QCOMPARE(valor(pantalla, 2)->text(), QStringLiteral("6 %"));
        QCOMPARE(e.p.Coef_Seguridad_Rotura, 1.3);
        QCOMPARE(e.p.Coef_Seguridad_Estabilidad, 2.0);
        QCOMPARE(e.p.Deformacion_Admisible, 6.0);

        pulsa(pantalla.barra()->siguiente());
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(e.p.Coef_Seguridad_Rotura, 1.3);
    }

    void atvGrupoDesconocidoMuestraError() {
        Entorno e;
        e.p.Norma = 2;
        e.p.Codigo_Material = 40;
        e.p.Coef_Seguridad_Rotura = 9;
        Seguridad_ATV pantalla(e.contexto);
        pantalla.show();
        QCOMPARE(valor(pantalla, 0)->text(), QStringLiteral("error"));
        QCOMPARE(e.p.Coef_Seguridad_Rotura, 9.0);
        QCOMPARE(valor(pantalla, 1)->text(), QStringLiteral("2,5"));
    }

    void atvSegundaPasadaYAtras() {
        Entorno e;
        e.p.Norma = 2;
        e.p.Clase_Seguridad = 2;
        Seguridad_ATV pantalla(e.contexto);
        pantalla.show();
        QVERIFY(opcion(pantalla, 1)->isChecked());
        QCOMPARE(valor(pantalla, 1)->text(), QStringLiteral("2,0"));
        marca(opcion(pantalla, 0));
        pulsa(pantalla.barra()->atras());
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAtras);
        QCOMPARE(e.p.Clase_Seguridad, std::int16_t{1});
        QCOMPARE(e.p.Coef_Seguridad_Estabilidad, 2.5);
    }
};

QTEST_MAIN(SeguridadTest)
#include "seguridad_test.moc"
