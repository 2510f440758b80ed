#include "calc/estabilidad.h"
#include "chain/calcula_seccion.h"
#include "screens/calc/estabilidad.h"
#include "support/banco.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"

#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Estabilidad;

namespace {

const char* const kLargoPlazo = "prfv-largo-plazo-zanja-terraplenada-freatico.json";
const char* const kRigido = "hormigon-atv-zanja-estrecha-ht60.json";

constexpr int kCorto = 0;
constexpr int kLargo = 1;

using test::Banco;

QString con(double valor, const char* patron) {
    return QString::fromStdString(formatea(valor, patron, Separadores::espanol()));
}

const QString kAvisoCorto = QStringLiteral(
    "El valor debe obtenerlo de la figura correspondiente de la norma de cálculo empleada.\r\r"
    "El valor de alfa D (corto plazo) debe estar comprendido entre 3 y 50.");
const QString kAvisoLargo = QStringLiteral(
    "El valor debe obtenerlo de la figura correspondiente de la norma de cálculo empleada.\r\r"
    "El valor de alfa D (largo plazo) debe estar comprendido entre 3 y 50.");

// Replaces the text of a coefficient cell as the user does: click in, select all, type.
void escribe(QLineEdit* campo, const QString& texto) {
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    QTest::keyClicks(campo, texto);
}

} // namespace

class EstabilidadTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seccion_de_largo_plazo_muestra_las_dos_columnas();
    void seccion_rigida_sin_freatico_oculta_el_largo_plazo();
    void los_textos_de_la_pantalla();
    void coeficiente_fuera_de_rango_avisa_escribe_25_y_sigue_abierta();
    void los_extremos_del_rango_pasan();
    void por_encima_de_50_tambien_avisa();
    void coeficiente_de_largo_plazo_fuera_de_rango();
    void atras_comprueba_tambien_y_abandonar_no();
    void calculo_rechazado_avisa_y_deja_volver();
};

void EstabilidadTest::seccion_de_largo_plazo_muestra_las_dos_columnas() {
    Banco banco(kLargoPlazo);
    banco.p.Alfa_D = 0;
    banco.p.Qv_Crit_LP = 0;
    Estabilidad pantalla(banco.contexto);
    pantalla.show();
    const Proyecto& p = banco.p;
    QCOMPARE(pantalla.windowTitle(), QStringLiteral("Cálculo de la estabilidad"));
    QVERIFY(p.Alfa_D >= 3); // recalculated when the screen opens
    QVERIFY(p.Qv_Crit_LP > 0);
    QCOMPARE(pantalla.cargaCritica(kCorto)->text(), con(p.Qv_Crit, "#,##0.0#"));
    QCOMPARE(pantalla.cargaCritica(kLargo)->text(), con(p.Qv_Crit_LP, "#,##0.0#"));
    QCOMPARE(pantalla.coeficiente(kCorto)->text(), con(p.Alfa_D, "###0.00"));
    QCOMPARE(pantalla.coeficiente(kLargo)->text(), con(p.Alfa_D_LP, "###0.00"));
    QCOMPARE(pantalla.presion(kCorto)->text(), con(p.Pa, "###0.0000"));
    QCOMPARE(pantalla.presion(kLargo)->text(), con(p.Pa_LP, "###0.0000"));
    QCOMPARE(pantalla.presionCritica(kCorto)->text(), con(p.Pa_Crit, "###0.0000"));
    QCOMPARE(pantalla.presionCritica(kLargo)->text(), con(p.Pa_Crit_LP, "###0.0000"));
    QVERIFY(p.Pa > 0); // groundwater above the pipe
    QVERIFY(pantalla.cargaCritica(kCorto)->text() != pantalla.cargaCritica(kLargo)->text());
    QVERIFY(pantalla.coeficiente(kLargo)->isVisible());
    QVERIFY(pantalla.cargaCritica(kLargo)->isVisible());
    QVERIFY(pantalla.presionCritica(kLargo)->isVisible());
    QVERIFY(pantalla.coeficiente(kCorto)->isEnabled());
    QVERIFY(!pantalla.coeficiente(kCorto)->isReadOnly());

    // Unchanged values close going forward.
    QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionSiguiente);
}

void EstabilidadTest::seccion_rigida_sin_freatico_oculta_el_largo_plazo() {
    Banco banco(kRigido);
    Estabilidad pantalla(banco.contexto);
    pantalla.show();
    const Proyecto& p = banco.p;
    QCOMPARE(pantalla.cargaCritica(kCorto)->text(), con(p.Qv_Crit, "#,##0.0#"));
    QCOMPARE(pantalla.coeficiente(kCorto)->text(), con(p.Alfa_D, "###0.00"));
    // Without groundwater the pressures read a plain zero.
    QCOMPARE(pantalla.presion(kCorto)->text(), QStringLiteral("0"));
    QCOMPARE(pantalla.presionCritica(kCorto)->text(), QStringLiteral("0"));
    for (int c : {kCorto})
        QVERIFY(pantalla.coeficiente(c)->isVisible());
    QVERIFY(!pantalla.coeficiente(kLargo)->isVisible());
    QVERIFY(!pantalla.cargaCritica(kLargo)->isVisible());
    QVERIFY(!pantalla.presion(kLargo)->isVisible());
    QVERIFY(!pantalla.presionCritica(kLargo)->isVisible());
    int cabecerasLargas = 0;
    for (const QLabel* etiqueta : pantalla.findChildren<QLabel*>()) {
        if (etiqueta->text().contains(QStringLiteral("Largo Plazo"))) {
            ++cabecerasLargas;
            QVERIFY(!etiqueta->isVisible());
        }
    }
    QCOMPARE(cabecerasLargas, 2);

    QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionSiguiente);
}

void EstabilidadTest::los_textos_de_la_pantalla() {
    Banco banco(kLargoPlazo);
    Estabilidad pantalla(banco.contexto);
    QStringList textos;
    for (const QLabel* etiqueta : pantalla.findChildren<QLabel*>())
        textos << etiqueta->text();
    for (const char* esperado : {"Carga crítica de abolladura (qv crit)", "Coeficiente",
                                 "Presión de agua externa", "Valor crítico de Pa"}) {
        QVERIFY2(textos.contains(QString::fromUtf8(esperado)), esperado);
    }
    QStringList titulos;
    for (const QGroupBox* grupo : pantalla.findChildren<QGroupBox*>())
        titulos << grupo->title();
    QCOMPARE(titulos, (QStringList{QStringLiteral("Carga de tierras"),
                                   QStringLiteral("Presión del agua exterior")}));
}

void EstabilidadTest::coeficiente_fuera_de_rango_avisa_escribe_25_y_sigue_abierta() {
    Banco banco(kLargoPlazo);
    test::Contestador contestador;
    Estabilidad pantalla(banco.contexto);
    pantalla.show();
    QVERIFY(QTest::qWaitForWindowActive(&pantalla));
    escribe(pantalla.coeficiente(kCorto), QStringLiteral("2,99"));
    pantalla.coeficiente(kLargo)->setFocus(); // the refusal must bring the focus back
    QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);

    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    const auto& aviso = contestador.vistos().front();
    QCOMPARE(aviso.titulo, QStringLiteral("Aviso"));
    QCOMPARE(aviso.icono, QMessageBox::Warning);
    QCOMPARE(aviso.texto, kAvisoCorto);
    QVERIFY(pantalla.isVisible());
    QCOMPARE(pantalla.coeficiente(kCorto)->text(), QStringLiteral("25"));
    QCOMPARE(pantalla.focusWidget(), pantalla.coeficiente(kCorto));
    // The value read is stored, and the critical pressure follows it on screen.
    QCOMPARE(banco.p.Alfa_D, 2.99);
    QCOMPARE(banco.p.Pa_Crit, 2.99 * banco.p.Sr);
    QCOMPARE(pantalla.presionCritica(kCorto)->text(), con(2.99 * banco.p.Sr, "###0.0000"));

    // The next "next" goes on with 25.
    QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Alfa_D, 25.0);
    QCOMPARE(banco.p.Pa_Crit, 25.0 * banco.p.Sr);
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionSiguiente);
}

void EstabilidadTest::los_extremos_del_rango_pasan() {
    for (const auto& [escrito, valor] : {std::pair{"3", 3.0}, std::pair{"50", 50.0},
                                         std::pair{"12.5", 12.5}, std::pair{"3,004", 3.004}}) {
        Banco banco(kLargoPlazo);
        test::Contestador contestador;
        Estabilidad pantalla(banco.contexto);
        pantalla.show();
        escribe(pantalla.coeficiente(kCorto), QString::fromUtf8(escrito));
        escribe(pantalla.coeficiente(kLargo), QString::fromUtf8(escrito));
        QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
        QVERIFY2(contestador.vistos().empty(), escrito);
        QVERIFY2(!pantalla.isVisible(), escrito);
        QCOMPARE(banco.p.Alfa_D, valor);
        QCOMPARE(banco.p.Alfa_D_LP, valor);
        QCOMPARE(banco.p.Pa_Crit, valor * banco.p.Sr);
        QCOMPARE(banco.p.Pa_Crit_LP, valor * banco.p.Sr_LP);
        QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionSiguiente);
    }
}

void EstabilidadTest::por_encima_de_50_tambien_avisa() {
    Banco banco(kRigido);
    test::Contestador contestador;
    Estabilidad pantalla(banco.contexto);
    pantalla.show();
    escribe(pantalla.coeficiente(kCorto), QStringLiteral("50,01"));
    QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().texto, kAvisoCorto);
    QVERIFY(pantalla.isVisible());
    QCOMPARE(pantalla.coeficiente(kCorto)->text(), QStringLiteral("25"));
    // Without groundwater the critical pressure is shown once the coefficient is read.
    QCOMPARE(pantalla.presionCritica(kCorto)->text(), con(50.01 * banco.p.Sr, "###0.0000"));
}

void EstabilidadTest::coeficiente_de_largo_plazo_fuera_de_rango() {
    Banco banco(kLargoPlazo);
    test::Contestador contestador;
    Estabilidad pantalla(banco.contexto);
    pantalla.show();
    QVERIFY(QTest::qWaitForWindowActive(&pantalla));
    escribe(pantalla.coeficiente(kLargo), QStringLiteral("1"));
    escribe(pantalla.coeficiente(kCorto), QStringLiteral("10"));
    QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().texto, kAvisoLargo);
    QVERIFY(pantalla.isVisible());
    QCOMPARE(pantalla.coeficiente(kCorto)->text(), QStringLiteral("10"));
    QCOMPARE(pantalla.coeficiente(kLargo)->text(), QStringLiteral("25"));
    QCOMPARE(pantalla.focusWidget(), pantalla.coeficiente(kLargo));
    QCOMPARE(banco.p.Alfa_D, 10.0);
    QCOMPARE(banco.p.Alfa_D_LP, 1.0);
    QCOMPARE(pantalla.presionCritica(kCorto)->text(), con(10 * banco.p.Sr, "###0.0000"));
    QCOMPARE(pantalla.presionCritica(kLargo)->text(), con(banco.p.Sr_LP, "###0.0000"));

    QTest::mouseClick(pantalla.barra()->siguiente(), Qt::LeftButton);
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Alfa_D_LP, 25.0);

    // A wrong short-term value is reported first; the long term is not looked at.
    Estabilidad otra(banco.contexto);
    otra.show();
    contestador.olvida();
    escribe(otra.coeficiente(kCorto), QStringLiteral("0"));
    escribe(otra.coeficiente(kLargo), QStringLiteral("99"));
    QTest::mouseClick(otra.barra()->siguiente(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().texto, kAvisoCorto);
    QCOMPARE(otra.coeficiente(kLargo)->text(), QStringLiteral("99"));
}

void EstabilidadTest::atras_comprueba_tambien_y_abandonar_no() {
    Banco banco(kLargoPlazo);
    test::Contestador contestador;
    {
        Estabilidad pantalla(banco.contexto);
        pantalla.show();
        escribe(pantalla.coeficiente(kCorto), QStringLiteral("abc"));
        QTest::mouseClick(pantalla.barra()->atras(), Qt::LeftButton);
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(pantalla.isVisible());
        QCOMPARE(pantalla.coeficiente(kCorto)->text(), QStringLiteral("25"));
        QTest::mouseClick(pantalla.barra()->atras(), Qt::LeftButton);
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
        QCOMPARE(banco.p.Alfa_D, 25.0);
    }
    {
        Estabilidad pantalla(banco.contexto);
        pantalla.show();
        escribe(pantalla.coeficiente(kCorto), QStringLiteral("1"));
        QTest::mouseClick(pantalla.barra()->abandonar(), Qt::LeftButton);
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAbandonar);
        QVERIFY(banco.p.Alfa_D != 1.0); // nothing typed reaches the record
    }
}

void EstabilidadTest::calculo_rechazado_avisa_y_deja_volver() {
    Banco banco(kLargoPlazo);
    banco.p.Espesor = 0;
    test::Contestador contestador;
    auto pantalla = std::make_unique<Estabilidad>(banco.contexto);
    QVERIFY(contestador.vistos().empty());
    pantalla->show();
    QTRY_COMPARE(contestador.vistos().size(), std::size_t{1});
    Proyecto copia = banco.p;
    const auto esperado = Abre_Estabilidad(copia, banco.contexto.catalogo, Separadores::espanol());
    QVERIFY(!esperado);
    QCOMPARE(contestador.vistos().front().texto, QString::fromStdString(esperado.error().mensaje));
    QVERIFY(pantalla->cargaCritica(kCorto)->text().isEmpty());
    QVERIFY(pantalla->coeficiente(kCorto)->text().isEmpty());
    QVERIFY(!pantalla->coeficiente(kCorto)->isEnabled());
    QVERIFY(!pantalla->barra()->siguiente()->isEnabled());
    // Going back needs no coefficient.
    QTest::mouseClick(pantalla->barra()->atras(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QVERIFY(!pantalla->isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
}

QTEST_MAIN(EstabilidadTest)
#include "estabilidad_test.moc"
