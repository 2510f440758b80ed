#include "screens/input/datos_tubos.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/enter_como_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Datos_Tubos;
using tubrix::test::Contestador;

namespace {

const char* const kMensajeAstm =
    "Esta aplicación no permite el cálculo tubrix utilizando la norma ASTM";

struct Entorno {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, tubrix::test::catalogoDelPrograma(), calculadora,
                           Separadores::espanol()};

    Entorno() {
        Arranca_Programa(p);
        Inicializa_Proyecto(p, "12-08-2026");
    }
};

QComboBox* lista(const QWidget& pantalla, const char* nombre) {
    auto* combo = pantalla.findChild<QComboBox*>(QString::fromLatin1(nombre));
    if (!combo)
        qFatal("no list %s", nombre);
    return combo;
}

QLabel* etiqueta(const QWidget& pantalla, const char* nombre) {
    auto* label = pantalla.findChild<QLabel*>(QString::fromLatin1(nombre));
    if (!label)
        qFatal("no label %s", nombre);
    return label;
}

int codigoActual(const QComboBox* combo) {
    return combo->currentData().toInt();
}

// The user picks the entry of `codigo` as from the open list.
void elige(QComboBox* combo, int codigo) {
    const int posicion = combo->findData(codigo);
    QVERIFY2(posicion >= 0, "code not listed");
    combo->setCurrentIndex(posicion);
    Q_EMIT combo->activated(posicion);
}

void pulsa(QPushButton* boton) {
    QTest::mouseClick(boton, Qt::LeftButton);
}

} // namespace

class DatosTubosTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nuevoProyectoMuestraElTuboPredeterminado() {
        Entorno e;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();

        QCOMPARE(pantalla.windowTitle(), QStringLiteral("Características de los tubos"));
        QVERIFY(!pantalla.cajaNorma()->isVisible());
        QCOMPARE(codigoActual(lista(pantalla, "Combo_Grupo")), 11);
        QCOMPARE(codigoActual(lista(pantalla, "Combo_Material")), 1102);
        QCOMPARE(codigoActual(lista(pantalla, "Combo_Diametro")), 798);
        QCOMPARE(lista(pantalla, "Combo_Diametro")->currentText(), QStringLiteral("400"));
        QCOMPARE(etiqueta(pantalla, "Norma_Aplicar")->text(), QStringLiteral("ATV A 127"));
        QCOMPARE(etiqueta(pantalla, "Tipo_Conduccion")->text(), QStringLiteral("SANEAMIENTO"));

        QCOMPARE(etiqueta(pantalla, "Diametro_Exterior")->text(), QStringLiteral("400,0"));
        QCOMPARE(etiqueta(pantalla, "Diametro_Interior")->text(), QStringLiteral("343,0"));
        QCOMPARE(etiqueta(pantalla, "Espesor")->text(), QStringLiteral("28,5"));
        QCOMPARE(etiqueta(pantalla, "Diametro_Normalizado")->text(), QStringLiteral("400"));
        QCOMPARE(etiqueta(pantalla, "Et")->text(), QStringLiteral("800"));
        QCOMPARE(etiqueta(pantalla, "Et_LP")->text(), QStringLiteral("160"));
        QCOMPARE(etiqueta(pantalla, "Gamma_Tubo")->text(), QStringLiteral("9,4"));
        QCOMPARE(etiqueta(pantalla, "Rotura_Flexotraccion")->text(), QStringLiteral("21"));
        QCOMPARE(etiqueta(pantalla, "Rotura_Flexotraccion_LP")->text(), QStringLiteral("14,0"));
        QCOMPARE(etiqueta(pantalla, "Rigidez_Circunferencial")->text(), QStringLiteral("8,0"));
        QVERIFY(etiqueta(pantalla, "Et_LP")->isEnabled());
        QVERIFY(etiqueta(pantalla, "Rotura_Flexotraccion_LP")->isEnabled());
        QVERIFY(etiqueta(pantalla, "Rigidez_Circunferencial")->isEnabled());
        QVERIFY(!etiqueta(pantalla, "Falta_En_Catalogo")->isVisible());
        // Loading leaves "abandon" until a button says otherwise.
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void grupoCuatroAplicaLaNormaUneYReiniciaLasListas() {
        Entorno e;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();

        elige(lista(pantalla, "Combo_Grupo"), 4);
        QCOMPARE(etiqueta(pantalla, "Norma_Aplicar")->text(), QStringLiteral("UNE 88.211-90"));
        QCOMPARE(e.p.Norma, std::int16_t{1});
        QCOMPARE(e.p.Codigo_Material, std::int16_t{4});
        QCOMPARE(e.p.Codigo_Submaterial, std::int16_t{401});
        QCOMPARE(codigoActual(lista(pantalla, "Combo_Material")), 401);
        QCOMPARE(e.p.Codigo_Diametro,
                 static_cast<std::int16_t>(codigoActual(lista(pantalla, "Combo_Diametro"))));
        QCOMPARE(lista(pantalla, "Combo_Diametro")->currentIndex(), 0);
        // Only sub-classes of group 4 are offered.
        const QComboBox* materiales = lista(pantalla, "Combo_Material");
        for (int i = 0; i < materiales->count(); ++i)
            QCOMPARE(materiales->itemData(i).toInt() / 100, 4);
        QVERIFY(!etiqueta(pantalla, "Et_LP")->isEnabled());
        QVERIFY(!etiqueta(pantalla, "Rigidez_Circunferencial")->isEnabled());
        QCOMPARE(etiqueta(pantalla, "Rigidez_Circunferencial")->text(), QStringLiteral("0.0"));
    }

    void grupoDiezAtenuaLasFilasDeLargoPlazo() {
        Entorno e;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();

        elige(lista(pantalla, "Combo_Grupo"), 10);
        QCOMPARE(e.p.Indicador_Deformacion_A, std::int16_t{1});
        QCOMPARE(e.p.Indicador_Deformacion_B, std::int16_t{0});
        QCOMPARE(e.p.Largo_Plazo, std::int16_t{0});
        for (const char* nombre : {"Et_LP", "Rotura_Flexotraccion_LP", "Rigidez_Circunferencial"})
            QVERIFY2(!etiqueta(pantalla, nombre)->isEnabled(), nombre);
        // The whole row is greyed, caption included; other rows stay enabled.
        const QList<QLabel*> captions = pantalla.findChildren<QLabel*>();
        for (const QLabel* l : captions) {
            if (l->text() == QStringLiteral("Módulo de elasticidad a largo plazo") ||
                l->text() == QStringLiteral("Tensión rotura flexo-tracción largo plazo") ||
                l->text() == QStringLiteral("Rigidez circunferencial específica"))
                QVERIFY2(!l->isEnabled(), qPrintable(l->text()));
            if (l->text() == QStringLiteral("Módulo de elasticidad a corto plazo"))
                QVERIFY(l->isEnabled());
        }
        // Greyed values are still written.
        QCOMPARE(etiqueta(pantalla, "Et_LP")->text(), QStringLiteral("170000"));

        elige(lista(pantalla, "Combo_Grupo"), 8);
        QCOMPARE(e.p.Largo_Plazo, std::int16_t{1});
        QVERIFY(etiqueta(pantalla, "Et_LP")->isEnabled());
        QVERIFY(!etiqueta(pantalla, "Rigidez_Circunferencial")->isEnabled());
    }

    void subclaseDePresion() {
        Entorno e;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();

        elige(lista(pantalla, "Combo_Grupo"), 4);
        elige(lista(pantalla, "Combo_Material"), 404);
        QCOMPARE(etiqueta(pantalla, "Tipo_Conduccion")->text(), QStringLiteral("PRESIÓN"));
        QCOMPARE(e.p.Tipo_Conducto, std::int16_t{0});
        QCOMPARE(e.p.Codigo_Diametro, std::int16_t{4401});
        QCOMPARE(etiqueta(pantalla, "Diametro_Exterior")->text(), QStringLiteral("120,0"));

        elige(lista(pantalla, "Combo_Diametro"), 4403);
        QCOMPARE(e.p.Codigo_Diametro, std::int16_t{4403});
        QCOMPARE(etiqueta(pantalla, "Diametro_Exterior")->text(), QStringLiteral("230,0"));
        QCOMPARE(e.p.Codigo_Submaterial, std::int16_t{404});
    }

    void elTecladoEligeDiametro() {
        Entorno e;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();
        QComboBox* diametros = lista(pantalla, "Combo_Diametro");
        const int siguiente = diametros->itemData(diametros->currentIndex() + 1).toInt();
        diametros->setFocus();
        QTest::keyClick(diametros, Qt::Key_Down);
        QCOMPARE(e.p.Codigo_Diametro, static_cast<std::int16_t>(siguiente));
        QCOMPARE(etiqueta(pantalla, "Diametro_Normalizado")->text(), diametros->currentText());
    }

    void enterEnElDiametroVaAlBotonSiguiente() {
        gui::EnterComoTab::instala();
        Entorno e;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();
        QApplication::setActiveWindow(&pantalla);
        QVERIFY(QTest::qWaitForWindowActive(&pantalla));
        QCOMPARE(QApplication::focusWidget(), lista(pantalla, "Combo_Grupo"));
        QComboBox* diametros = lista(pantalla, "Combo_Diametro");
        diametros->setFocus();
        QTest::keyClick(diametros, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), pantalla.barra()->siguiente());
        QVERIFY(pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Diametro, std::int16_t{798});
    }

    void astmRehusaConLosDatosGuardadosYAtrasFunciona() {
        Entorno e;
        Contestador contestador;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();

        elige(lista(pantalla, "Combo_Grupo"), 2);
        QCOMPARE(etiqueta(pantalla, "Norma_Aplicar")->text(), QStringLiteral("ASTM"));
        QCOMPARE(e.p.Norma, std::int16_t{3});

        pulsa(pantalla.barra()->siguiente());
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QCOMPARE(contestador.vistos()[0].texto, QString::fromUtf8(kMensajeAstm));
        QCOMPARE(contestador.vistos()[0].titulo, QStringLiteral("Aviso"));
        QCOMPARE(contestador.vistos()[0].icono, QMessageBox::Information);
        QVERIFY(pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAbandonar);
        QCOMPARE(pantalla.focusWidget(), lista(pantalla, "Combo_Grupo"));
        // The pipe data are stored all the same.
        QCOMPARE(e.p.Codigo_Submaterial, std::int16_t{201});
        QCOMPARE(e.p.Diametro_Exterior, 329.42);
        QCOMPARE(e.p.Espesor, 14.71);

        pulsa(pantalla.barra()->atras());
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionAtras);
    }

    void siguienteGuardaElTubo() {
        Entorno e;
        Contestador contestador;
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();
        pulsa(pantalla.barra()->siguiente());
        QVERIFY(contestador.vistos().empty());
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(pantalla.result(), int(QDialog::Accepted));
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
        QCOMPARE(e.p.Diametro_Exterior, 400.0);
        QCOMPARE(e.p.Rigidez_Circunferencial, 8.0);
        QCOMPARE(QString::fromStdString(e.p.Clase_Material), QStringLiteral("SN-8"));
    }

    void reabrirRestauraLosCodigos() {
        Entorno e;
        {
            Datos_Tubos pantalla(e.contexto);
            pantalla.show();
            elige(lista(pantalla, "Combo_Grupo"), 6);
            elige(lista(pantalla, "Combo_Material"), 602);
            QComboBox* diametros = lista(pantalla, "Combo_Diametro");
            elige(diametros, diametros->itemData(2).toInt());
            pulsa(pantalla.barra()->siguiente());
        }
        const std::int16_t diametro = e.p.Codigo_Diametro;
        Datos_Tubos otra(e.contexto);
        otra.show();
        QCOMPARE(codigoActual(lista(otra, "Combo_Grupo")), 6);
        QCOMPARE(codigoActual(lista(otra, "Combo_Material")), 602);
        QCOMPARE(codigoActual(lista(otra, "Combo_Diametro")), int{diametro});
        QCOMPARE(lista(otra, "Combo_Diametro")->currentIndex(), 2);
    }

    void codigoQueYaNoEstaMuestraLaPrimeraEntradaSinCambiarlo() {
        Entorno e;
        Contestador contestador;
        e.p.Codigo_Diametro = 31999; // a pipe the catalogue no longer lists
        Datos_Tubos pantalla(e.contexto);
        pantalla.show();
        QComboBox* diametros = lista(pantalla, "Combo_Diametro");
        QCOMPARE(diametros->currentIndex(), 0);
        QCOMPARE(e.p.Codigo_Diametro, std::int16_t{31999});
        QVERIFY(etiqueta(pantalla, "Falta_En_Catalogo")->isVisible());

        // Going on with a pipe that does not exist is refused, on the diameter list.
        pulsa(pantalla.barra()->siguiente());
        QCOMPARE(contestador.vistos().size(), std::size_t{1});
        QVERIFY(contestador.vistos()[0].texto.contains(QStringLiteral("31999")));
        QVERIFY(pantalla.isVisible());
        QCOMPARE(pantalla.focusWidget(), diametros);

        // Picking the entry shown, even the one already selected, stores its code.
        elige(diametros, diametros->itemData(0).toInt());
        QCOMPARE(e.p.Codigo_Diametro, static_cast<std::int16_t>(diametros->itemData(0).toInt()));
        QVERIFY(!etiqueta(pantalla, "Falta_En_Catalogo")->isVisible());
        pulsa(pantalla.barra()->siguiente());
        QVERIFY(!pantalla.isVisible());
        QCOMPARE(e.p.Codigo_Navegacion, kNavegacionSiguiente);
    }
};

QTEST_MAIN(DatosTubosTest)
#include "datos_tubos_test.moc"
