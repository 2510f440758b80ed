#include "app/principal.h"
#include "estudio/modelo_tramos.h"
#include "estudio/ventana_obra.h"
#include "obra/fichero_obra.h"
#include "obra/tabla_obra.h"
#include "screens/calc/verificacion_1.h"
#include "support/banco.h"
#include "support/contestador.h"
#include "support/ficheros.h"
#include "support/temp_dir.h"
#include "ui/barra_botones.h"
#include "ui/pantalla_base.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace tubrix;
using tubrix::gui::VentanaObra;
namespace fs = std::filesystem;

namespace {

using test::leeTodo;
using test::utf8;

const char* const kPvc = "pvc-sn8-zanja-trafico.json";

// The window with every dialog answered by the test; messages are collected.
struct Ventana {
    VentanaObra ventana;
    std::vector<std::string> avisos;
    explicit Ventana(test::Banco& banco) : ventana(banco.contexto, banco.p) {
        auto& d = ventana.dialogos();
        d.aviso = [this](const std::string& texto) {
            avisos.push_back(texto);
        };
        d.pregunta = [](const std::string&, const std::string&, const std::string&) {
            return true;
        };
        d.siNoCancelar = [this](const std::string& texto) {
            preguntas.push_back(texto);
            return respuesta;
        };
    }
    std::vector<std::string> preguntas;
    gui::Respuesta respuesta = gui::Respuesta::No;
    QString celda(int fila, int columna) const {
        return ventana.modelo()->index(fila, columna).data().toString();
    }
    int columnaResultado(ColumnaObra c) const {
        return ventana.modelo()->columnasEntrada() + static_cast<int>(c) -
               static_cast<int>(ColumnaObra::Recubrimiento);
    }
    void calculaYEspera() {
        ventana.calcular()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!ventana.calculando(), 20000);
    }
};

} // namespace

class VentanaObraTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pegar_calcular_y_colorear_sin_tocar_el_registro();
    void abrir_un_tramo_en_el_asistente_y_guardarlo_en_la_obra();
    void el_asistente_de_un_tramo_no_toca_la_seccion_del_programa();
    void usar_el_tubo_necesario_y_exportar();
    void guardar_y_abrir_la_obra();
    void la_barra_aparece_solo_en_un_calculo_largo_y_la_ventana_responde();
    void ventana_principal_y_verificacion_abren_la_obra();
};

void VentanaObraTest::pegar_calcular_y_colorear_sin_tocar_el_registro() {
    test::Banco banco(kPvc);
    const Proyecto antes = banco.p;
    Ventana v(banco);
    v.ventana.anadeColumna("H");
    v.ventana.anadeColumna("DN");
    // Ctrl+V in the table pastes a spreadsheet block at the current cell.
    v.ventana.tabla()->setCurrentIndex(v.ventana.modelo()->index(0, 0));
    QApplication::clipboard()->setText(
        QStringLiteral("P1-P2\t1,5\t\nP2-P3\t0,3\t\nP3-P4\t2\t380\n"));
    v.ventana.show();
    v.ventana.tabla()->setFocus();
    QTest::keyClick(v.ventana.tabla(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(v.ventana.obra().tramos.size(), std::size_t{3});
    QCOMPARE(v.celda(2, 2), QStringLiteral("380"));

    v.calculaYEspera();
    QVERIFY(v.ventana.minimumSizeHint().width() < 1000); // fits a 1024 × 600 screen
    const int veredicto = v.columnaResultado(ColumnaObra::Veredicto);
    QCOMPARE(v.celda(0, veredicto), QStringLiteral("Tubo válido"));
    QCOMPARE(v.celda(1, veredicto), QStringLiteral("Rechazado"));
    QCOMPARE(v.celda(2, veredicto), QStringLiteral("Rechazado"));
    const QModelIndex valido = v.ventana.modelo()->index(0, veredicto);
    QCOMPARE(valido.data(Qt::BackgroundRole).value<QColor>(), QColor(0xdf, 0xf0, 0xd8));
    QVERIFY(v.ventana.modelo()
                ->index(1, veredicto)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(QStringLiteral("superior a 0,5")));
    QVERIFY(v.ventana.resumen()->text().contains(QStringLiteral("1 válido")));
    // Editing a reach clears its results only.
    QVERIFY(v.ventana.modelo()->setData(v.ventana.modelo()->index(1, 1), QStringLiteral("1,2")));
    QCOMPARE(v.celda(1, veredicto), QString());
    QCOMPARE(v.celda(0, veredicto), QStringLiteral("Tubo válido"));
    QVERIFY(!v.ventana.modelo()->setData(v.ventana.modelo()->index(1, 1), QStringLiteral("x")));
    QVERIFY(banco.p == antes);
}

void VentanaObraTest::abrir_un_tramo_en_el_asistente_y_guardarlo_en_la_obra() {
    test::Banco banco(kPvc);
    const Proyecto antes = banco.p;
    Ventana v(banco);
    v.ventana.anadeColumna("H");
    QVERIFY(v.ventana.pega(QStringLiteral("P1\t1,5\nP2\t2,5")));
    v.calculaYEspera();
    // The wizard works on a copy of the reach's section: it changes the trench width.
    double hVista = 0;
    v.ventana.dialogos().asistente = [&](Proyecto& seccion) {
        hVista = seccion.H;
        seccion.B = 1.6;
    };
    std::string pregunta;
    v.ventana.dialogos().pregunta = [&](const std::string& texto, const std::string& si,
                                        const std::string&) {
        pregunta = texto;
        return si == "Guardar en la obra";
    };
    v.ventana.abreTramo(1);
    QCOMPARE(hVista, 2.5);
    QVERIFY(pregunta.find("\"P2\": B.") != std::string::npos);
    QCOMPARE(v.ventana.obra().tramos[1].numero("B"), std::optional<double>(1.6));
    QVERIFY(v.ventana.obra().tieneColumna("B"));
    QVERIFY(!v.ventana.obra().tramos[0].dato("B"));
    // The other reach keeps its result; the changed one is to be calculated again.
    const int veredicto = v.columnaResultado(ColumnaObra::Veredicto);
    QVERIFY(!v.celda(0, veredicto).isEmpty());
    QVERIFY(v.celda(1, veredicto).isEmpty());
    QVERIFY(v.ventana.windowTitle().endsWith(QStringLiteral("*")));
    QVERIFY(banco.p == antes);
}

// The real wizard on a reach: straight on to the verification, then abandoned. It shows the
// reach's section and leaves the program's record and the works as they were.
void VentanaObraTest::el_asistente_de_un_tramo_no_toca_la_seccion_del_programa() {
    test::Banco banco(kPvc);
    const Proyecto antes = banco.p;
    Ventana v(banco);
    v.ventana.anadeColumna("H");
    QVERIFY(v.ventana.pega(QStringLiteral("P1\t3,5")));
    const Obra obra = v.ventana.obra();
    test::Contestador contestador;
    contestador.respuestas({QMessageBox::Yes, QMessageBox::Yes});
    std::vector<Pantalla> vistas;
    double hVerificada = 0;
    QTimer reloj;
    reloj.setInterval(20);
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        auto* pantalla = qobject_cast<gui::PantallaBase*>(QApplication::activeModalWidget());
        if (!pantalla || (!vistas.empty() && vistas.back() == pantalla->pantalla()))
            return;
        vistas.push_back(pantalla->pantalla());
        if (pantalla->pantalla() == Pantalla::Verificacion_1)
            pantalla->barra()->abandonar()->click();
        else
            pantalla->barra()->irAVerificacion()->click();
    });
    // The wizard the window runs, watched: the section it ends with is the calculated reach.
    const auto asistente = v.ventana.dialogos().asistente;
    double diametroVerificado = 0;
    v.ventana.dialogos().asistente = [&](Proyecto& seccion) {
        asistente(seccion);
        hVerificada = seccion.H;
        diametroVerificado = seccion.Diametro_Normalizado;
    };
    reloj.start();
    v.ventana.abreTramo(0);
    reloj.stop();
    QVERIFY(!vistas.empty());
    QCOMPARE(vistas.back(), Pantalla::Verificacion_1);
    QCOMPARE(hVerificada, 3.5);
    QCOMPARE(diametroVerificado, 400.0);
    QVERIFY(banco.p == antes);
    QCOMPARE(v.ventana.obra().tramos, obra.tramos);
}

void VentanaObraTest::usar_el_tubo_necesario_y_exportar() {
    test::Banco banco(kPvc);
    Ventana v(banco);
    v.ventana.anadeColumna("Codigo_Submaterial");
    v.ventana.anadeColumna("Codigo_Diametro");
    v.ventana.anadeColumna("H");
    // SN 2 DN 400 at 6 m in a little-compacted soil is not valid; a stiffer class is enough.
    v.ventana.anadeColumna("Grupo_Suelo_1");
    v.ventana.anadeColumna("Grupo_Suelo_2");
    v.ventana.anadeColumna("Opcion_Suelo_1");
    v.ventana.anadeColumna("Opcion_Suelo_2");
    QVERIFY(v.ventana.pega(QStringLiteral("hondo\t601\t6106\t6\t2\t2\t1\t1")));
    v.calculaYEspera();
    const int necesario = v.columnaResultado(ColumnaObra::TuboNecesario);
    QVERIFY(v.celda(0, necesario).contains(QStringLiteral("SN 4")));
    v.ventana.tabla()->setCurrentIndex(v.ventana.modelo()->index(0, 0));
    QVERIFY(v.ventana.usarTubo()->isEnabled());
    v.ventana.usaTuboNecesario();
    QCOMPARE(v.ventana.obra().tramos[0].numero("Codigo_Submaterial"), std::optional<double>(602));
    v.calculaYEspera();
    QCOMPARE(v.celda(0, v.columnaResultado(ColumnaObra::Veredicto)), QStringLiteral("Tubo válido"));

    test::TempDir dir;
    v.ventana.dialogos().exportaCsv = [&](QWidget*, const std::string&) {
        return std::optional<std::string>(utf8(dir / "obra.csv"));
    };
    v.ventana.exportaCsv();
    const std::string csv = leeTodo(dir / "obra.csv");
    QVERIFY(csv.find("hondo") != std::string::npos);
    QCOMPARE(csv, Csv_Resultados_Obra(v.ventana.modelo()->resultadosCalculados(),
                                      FormatoCsv::paraDecimal(",")));
    v.ventana.dialogos().exportaPdf = [&](QWidget*, const std::string&) {
        return std::optional<std::string>(utf8(dir / "obra.pdf"));
    };
    // The PDF asks title and author as a section's report does, preset with the description.
    std::string tituloPropuesto;
    banco.contexto.dialogos.pideDatosInforme = [&](QWidget*, const gui::DatosInforme& preset,
                                                   gui::UsoInforme) {
        tituloPropuesto = preset.titulo;
        return std::optional<gui::DatosInforme>({"Colector", "Ing. Pérez"});
    };
    v.ventana.conInformes()->setChecked(true);
    v.ventana.exportaPdf();
    QCOMPARE(tituloPropuesto, banco.p.Texto_Proyecto);
    QVERIFY(leeTodo(dir / "obra.pdf").rfind("%PDF", 0) == 0);
    // A reach changed since the calculation: no export until it is calculated again.
    QVERIFY(v.ventana.modelo()->setData(v.ventana.modelo()->index(0, 3), QStringLiteral("5")));
    fs::remove(dir / "obra.csv");
    v.ventana.exportaCsv();
    QVERIFY(!fs::exists(dir / "obra.csv"));
    QVERIFY(v.avisos.back().find("Calcule la obra") == 0);
    QCOMPARE(v.avisos.size(), std::size_t{2}); // the note of the pipe used, the refused export
}

void VentanaObraTest::guardar_y_abrir_la_obra() {
    test::Banco banco(kPvc);
    test::TempDir dir;
    Ventana v(banco);
    v.ventana.anadeColumna("Hf");
    QVERIFY(v.ventana.pega(QStringLiteral("A\t1,2\nB\t")));
    v.ventana.dialogos().guardaObra = [&](QWidget*) {
        return std::optional<std::string>(utf8(dir / "obra.tbo"));
    };
    // Closing with unsaved reaches asks; "Cancelar" keeps the window, "Sí" saves first.
    v.respuesta = gui::Respuesta::Cancelar;
    v.ventana.show();
    v.ventana.close();
    QVERIFY(v.ventana.isVisible());
    QVERIFY(!fs::exists(dir / "obra.tbo"));
    v.respuesta = gui::Respuesta::Si;
    v.ventana.close();
    QVERIFY(!v.ventana.isVisible());
    QCOMPARE(v.preguntas.size(), std::size_t{2});
    QVERIFY(!v.ventana.windowTitle().endsWith(QStringLiteral("*")));

    Ventana otra(banco);
    otra.ventana.dialogos().abreObra = [&](QWidget*) {
        return std::optional<std::string>(utf8(dir / "obra.tbo"));
    };
    otra.ventana.abre();
    QCOMPARE(otra.ventana.obra().tramos, v.ventana.obra().tramos);
    // A damaged file is refused and the works on screen stays.
    std::ofstream(dir / "malo.tbo") << R"({"formato": "Obras TUBRIX", "version": 1,
        "columnas": ["H"], "tramos": [{"Tramo": "A", "Hx": 2}]})";
    otra.ventana.dialogos().abreObra = [&](QWidget*) {
        return std::optional<std::string>(utf8(dir / "malo.tbo"));
    };
    otra.ventana.abre();
    QCOMPARE(otra.avisos.size(), std::size_t{1});
    QCOMPARE(otra.ventana.obra().tramos.size(), std::size_t{2});
}

void VentanaObraTest::la_barra_aparece_solo_en_un_calculo_largo_y_la_ventana_responde() {
    test::Banco banco(kPvc);
    Ventana v(banco);
    v.ventana.anadeColumna("H");
    QString bloque;
    for (int i = 0; i < 3000; ++i)
        bloque += QStringLiteral("T%1\t%2\n")
                      .arg(i)
                      .arg(QString::number(1 + (i % 40) * 0.1, 'f', 1).replace('.', ','));
    QVERIFY(v.ventana.pega(bloque));
    v.ventana.show();
    v.ventana.calcula();
    QVERIFY(v.ventana.calculando());
    QVERIFY(v.ventana.barra()->isHidden()); // not in the first half second
    // The event loop keeps running meanwhile: a timer fires while the reaches are calculated.
    bool respondio = false;
    QTimer::singleShot(10, [&] { respondio = true; });
    QTRY_VERIFY(respondio);
    QTRY_VERIFY_WITH_TIMEOUT(!v.ventana.calculando(), 60000);
    QVERIFY(v.ventana.barra()->isHidden());
    QCOMPARE(v.ventana.modelo()->resultadosCalculados().tramos.size(), std::size_t{3000});
}

void VentanaObraTest::ventana_principal_y_verificacion_abren_la_obra() {
    test::Banco banco(kPvc);
    gui::Principal principal(banco.contexto);
    QCOMPARE(principal.botonObra()->toolTip(), QStringLiteral("Calcular una obra (varios tramos)"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(principal.boton(i) != principal.botonObra());
    QString base;
    QTimer::singleShot(0, [&] {
        auto* ventana = qobject_cast<VentanaObra*>(QApplication::activeModalWidget());
        QVERIFY(ventana);
        base = ventana->findChild<QLabel*>(QStringLiteral("Base"))->text();
        ventana->done(QDialog::Rejected);
    });
    principal.botonObra()->click();
    QVERIFY(base.contains(QStringLiteral("DN 400")));

    gui::Verificacion_1 verificacion(banco.contexto);
    QCOMPARE(verificacion.obraConEstaSeccion()->text(), QStringLiteral("Obra con esta sección"));
    bool abierta = false;
    QTimer::singleShot(0, [&] {
        auto* ventana = qobject_cast<VentanaObra*>(QApplication::activeModalWidget());
        abierta = ventana && ventana->obra().base == banco.p;
        if (ventana)
            ventana->done(QDialog::Rejected);
    });
    verificacion.obraConEstaSeccion()->click();
    QVERIFY(abierta);
}

QTEST_MAIN(VentanaObraTest)
#include "ventana_obra_test.moc"
