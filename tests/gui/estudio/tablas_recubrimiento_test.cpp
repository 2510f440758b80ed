#include "chain/calcula_seccion.h"
#include "estudio/tablas_recubrimiento.h"
#include "screens/calc/verificacion_1.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/ficheros.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "tablas/textos_tabla.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"

#include <fstream>
#include <iterator>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace tubrix;
using tubrix::gui::TablasRecubrimiento;
namespace fs = std::filesystem;

namespace {

using test::leeTodo;

struct Banco {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};

    Banco() {
        p = test::cargaSeccion(std::string(TUBRIX_TEST_DATA_DIR) +
                               "/secciones/pvc-sn8-zanja-trafico.json");
        if (Calcula_Seccion(p, contexto.catalogo))
            qFatal("the example section stops");
        p.Codigo_Navegacion = 0;
    }
};

// Presses "Calcular" and waits for the worker threads.
bool calcula(TablasRecubrimiento& ventana) {
    QTest::mouseClick(ventana.calcular(), Qt::LeftButton);
    return QTest::qWaitFor([&] { return !ventana.calculando(); }, 60000);
}

} // namespace

class TablasRecubrimientoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void calcula_la_serie_de_la_base_con_las_condiciones_marcadas();
    void rechaza_cajas_que_no_son_numeros_o_fuera_de_rango();
    void exporta_csv_y_pdf_de_la_tabla_mostrada();
    void verificacion_abre_las_tablas_sin_cambiar_nada();
};

void TablasRecubrimientoTest::calcula_la_serie_de_la_base_con_las_condiciones_marcadas() {
    Banco banco;
    const Proyecto antes = banco.p;
    TablasRecubrimiento ventana(banco.contexto);
    // A long description of the base wraps: the window still fits a 1024 × 600 screen.
    QVERIFY(ventana.minimumSizeHint().width() < 1000);
    ventana.show();
    // The series of the base's pipe is preselected.
    QCOMPARE(ventana.serie().grupo, std::int16_t{6});
    QCOMPARE(ventana.serie().subclase, std::optional<std::int16_t>(603));
    ventana.suelo(1)->setChecked(true);
    ventana.suelo(4)->setChecked(true);
    ventana.trafico(0)->setChecked(true);
    ventana.trafico(5)->setChecked(true);
    ventana.sinFreatico()->setChecked(true);
    QTest::keyClicks(ventana.profundidades(), QStringLiteral("1,5"));
    QVERIFY(ventana.zanjaConMargen());
    ventana.zanjaConMargen()->setChecked(true);
    QVERIFY(calcula(ventana));

    QVERIFY(ventana.tabla() && ventana.tabla()->completo);
    const TablaRecubrimiento& tabla = *ventana.tabla();
    QAbstractItemModel* modelo = ventana.vista()->model();
    QCOMPARE(modelo->rowCount(), 15);
    QCOMPARE(modelo->columnCount(), 3 + 8);
    QCOMPARE(ventana.progreso()->value(), ventana.progreso()->maximum());
    QVERIFY(modelo->headerData(3, Qt::Horizontal)
                .toString()
                .startsWith(QStringLiteral("Sin tráfico\nSuelo G1\nSin freático")));
    for (int fila : {0, 7, 14})
        for (int columna = 3; columna < modelo->columnCount(); columna += 3) {
            const auto t = static_cast<std::size_t>(fila);
            const auto c = static_cast<std::size_t>(columna - 3);
            const LimitesProfundidad esperado = Limites_Profundidad(
                Seccion_De_Celda(banco.p, tabla.tubos[t], tabla.casos[c], tabla.condiciones),
                banco.contexto.catalogo);
            const QModelIndex indice = modelo->index(fila, columna);
            QCOMPARE(indice.data().toString(),
                     QString::fromStdString(textoCelda(esperado, Separadores::espanol())));
            if (!esperado.minima)
                QVERIFY(!indice.data(Qt::ToolTipRole).toString().isEmpty());
        }
    QVERIFY(ventana.estado()->text().contains(QStringLiteral("15 tubos × 8 casos")));
    QVERIFY(ventana.exportarCsv()->isEnabled() && ventana.exportarPdf()->isEnabled());
    QVERIFY(banco.p == antes);
}

void TablasRecubrimientoTest::rechaza_cajas_que_no_son_numeros_o_fuera_de_rango() {
    Banco banco;
    TablasRecubrimiento ventana(banco.contexto);
    ventana.show();
    test::Contestador contestador;
    QTest::keyClicks(ventana.profundidades(), QStringLiteral("1,0; dos"));
    QTest::mouseClick(ventana.calcular(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().texto,
             QStringLiteral("Escriba un número en «Profundidades Hf (m)»: «dos» no es un número."));
    QVERIFY(!ventana.calculando() && !ventana.tabla());

    ventana.profundidades()->setText(QStringLiteral("25"));
    QTest::mouseClick(ventana.calcular(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{2});
    QVERIFY(contestador.vistos().back().texto.contains(QStringLiteral("0 a 20 m")));
    QVERIFY(!ventana.calculando() && !ventana.tabla());
}

void TablasRecubrimientoTest::exporta_csv_y_pdf_de_la_tabla_mostrada() {
    test::TempDir dir;
    Banco banco;
    TablasRecubrimiento ventana(banco.contexto);
    ventana.show();
    ventana.trafico(0)->setChecked(true);
    ventana.suelo(2)->setChecked(true);
    QVERIFY(calcula(ventana));
    const fs::path csv = dir / "tablas.csv";
    const fs::path pdf = dir / "tablas.pdf";
    ventana.ponPideFicheroCsv([&](QWidget*, const std::string&) { return csv.string(); });
    ventana.ponPideFicheroPdf([&](QWidget*, const std::string&) { return pdf.string(); });
    QTest::mouseClick(ventana.exportarCsv(), Qt::LeftButton);
    QTest::mouseClick(ventana.exportarPdf(), Qt::LeftButton);
    QCOMPARE(leeTodo(csv), Csv_Tabla_Recubrimiento(*ventana.tabla(), FormatoCsv::paraDecimal(",")));
    QVERIFY(leeTodo(pdf).rfind("%PDF", 0) == 0);
    QVERIFY(ventana.findChild<QLabel*>(QStringLiteral("Exportado"))
                ->text()
                .contains(QStringLiteral("tablas.pdf")));
}

void TablasRecubrimientoTest::verificacion_abre_las_tablas_sin_cambiar_nada() {
    Banco banco;
    gui::Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    const Proyecto antes = banco.p;
    QPushButton* boton = pantalla.tablasRecubrimiento();
    QVERIFY(boton && boton->isVisible() && !boton->autoDefault());
    bool abierta = false;
    QTimer::singleShot(0, [&] {
        auto* ventana = qobject_cast<TablasRecubrimiento*>(QApplication::activeModalWidget());
        QVERIFY(ventana);
        abierta = true;
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Tablas de recubrimiento"));
        QVERIFY(ventana->findChild<QLabel*>(QStringLiteral("NombreBase"))
                    ->text()
                    .startsWith(QStringLiteral("PVC-U SN 8 DN 400")));
        QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("Cerrar")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(abierta);
    QVERIFY(pantalla.isVisible());
    QVERIFY(banco.p == antes);
}

QTEST_MAIN(TablasRecubrimientoTest)
#include "tablas_recubrimiento_test.moc"
