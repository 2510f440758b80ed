#include "chain/calcula_seccion.h"
#include "chain/estudio.h"
#include "chain/tablas_estudio.h"
#include "estudio/estudio_parametrico.h"
#include "format/lee_numero.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/ficheros.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>

#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QValueAxis>

using namespace tubrix;
using tubrix::gui::EstudioParametrico;
namespace fs = std::filesystem;

namespace {

using test::leeTodo;
using test::utf8;

const char* const kPvc = "pvc-sn8-zanja-trafico.json";
const char* const kNoValido = "pe-sdr33-suelo-blando-no-valido.json";
const char* const kTerraplenada = "prfv-largo-plazo-zanja-terraplenada-freatico.json";

fs::path seccion(const char* nombre) {
    return fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre;
}

struct Banco {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};

    explicit Banco(const char* nombre = kPvc) {
        p = test::cargaSeccion(seccion(nombre));
        if (const auto parada = Calcula_Seccion(p, contexto.catalogo))
            qFatal("the example section stops at step %d: %s", parada->paso,
                   parada->mensaje.c_str());
        p.Codigo_Navegacion = 0;
    }
};

void eligeParametro(EstudioParametrico& ventana, Parametro parametro) {
    QComboBox* combo = ventana.parametro();
    combo->setCurrentIndex(combo->findData(static_cast<int>(parametro)));
}

// Types the range as a user does and presses "Calcular".
void calcula(EstudioParametrico& ventana, const char* desde, const char* hasta, int intervalos) {
    for (const auto& [caja, texto] :
         {std::pair{ventana.desde(), desde}, {ventana.hasta(), hasta}}) {
        caja->clear();
        QTest::keyClicks(caja, QString::fromUtf8(texto));
    }
    ventana.pasos()->setValue(intervalos);
    QTest::mouseClick(ventana.calcular(), Qt::LeftButton);
}

// The legend entries shown under a name, once the chart has laid its legend out.
int marcasVisibles(const QChart* chart, const QString& nombre) {
    QApplication::processEvents();
    int visibles = 0;
    for (QLegendMarker* marca : chart->legend()->markers())
        if (marca->label() == nombre && marca->isVisible())
            ++visibles;
    return visibles;
}

std::vector<QLineSeries*> seriesLlamadas(const QChart* chart, const QString& nombre) {
    std::vector<QLineSeries*> encontradas;
    for (QAbstractSeries* s : chart->series())
        if (auto* linea = qobject_cast<QLineSeries*>(s); linea && linea->name() == nombre)
            encontradas.push_back(linea);
    return encontradas;
}

QString celda(const QTableView* tabla, int fila, int columna) {
    return tabla->model()->index(fila, columna).data().toString();
}

QValueAxis* ejeY(const QChart* chart) {
    return qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
}

// A picture of the window at the size it takes on a 1366 x 768 screen, for looking at it.
void captura(QWidget& ventana, const char* nombre) {
    const QString carpeta = qEnvironmentVariable("TUBRIX_CAPTURAS");
    if (carpeta.isEmpty())
        return;
    ventana.resize(1200, 670);
    QApplication::processEvents(); // the chart lays out its legend on an event
    ventana.grab().save(QDir(carpeta).filePath(QString::fromUtf8(nombre)));
}

} // namespace

class EstudioParametricoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void abre_con_la_altura_calculada_y_sus_limites();
    void las_captions_de_los_datos();
    void calcular_llena_el_grafico_y_la_tabla();
    void los_puntos_rechazados_son_huecos_y_filas_rechazadas();
    void los_huecos_cortan_las_lineas_y_las_zonas();
    void las_utilizaciones_altas_se_recortan_solo_en_el_grafico();
    void cambiar_de_dato_pone_su_rango_y_recalcula();
    void zanja_terraplenada_estudia_h1();
    void valor_final_igual_al_inicial_se_rechaza();
    void exportar_csv_es_el_del_motor_y_el_de_la_linea_de_ordenes();
    void exportar_png_escribe_el_grafico();
    void exportar_cancelado_o_fallido();
    void el_registro_no_cambia();
};

void EstudioParametricoTest::abre_con_la_altura_calculada_y_sus_limites() {
    Banco banco;
    EstudioParametrico ventana(banco.contexto);
    ventana.show();
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Estudio paramétrico"));
    QCOMPARE(ventana.parametro()->currentText(), QStringLiteral("Altura de recubrimiento H (m)"));
    QCOMPARE(ventana.desde()->text(), QStringLiteral("0,5"));
    QCOMPARE(ventana.hasta()->text(), QStringLiteral("20,0"));
    QCOMPARE(ventana.pasos()->value(), 195);
    QCOMPARE(ventana.parametroCalculado(), std::optional(Parametro::Recubrimiento));
    QCOMPARE(ventana.puntos().size(), std::size_t{196});
    QCOMPARE(ventana.tabla()->model()->rowCount(), 196);
    QCOMPARE(ventana.findChild<QLabel*>(QStringLiteral("ValorActual"))->text(),
             QStringLiteral("Valor de la sección: 1,5 m"));

    const LimitesProfundidad limites = Limites_Profundidad(banco.p, banco.contexto.catalogo);
    QVERIFY(limites.minima && limites.maxima);
    QVERIFY(ventana.limites()->isVisible());
    QCOMPARE(ventana.limites()->text(),
             QStringLiteral("Profundidad mínima admisible: %1 m      "
                            "Profundidad máxima admisible: %2 m")
                 .arg(QString::fromStdString(
                          formatea(*limites.minima, "#,##0.00", Separadores::espanol())),
                      QString::fromStdString(
                          formatea(*limites.maxima, "#,##0.00", Separadores::espanol()))));
    QVERIFY(ventana.exportarCsv()->isEnabled());
    QVERIFY(ventana.exportarPng()->isEnabled());
    // Enter in a box recalculates; it never closes the window.
    QVERIFY(ventana.calcular()->isDefault());
    captura(ventana, "estudio_parametrico.png");
}

void EstudioParametricoTest::las_captions_de_los_datos() {
    Banco banco;
    EstudioParametrico ventana(banco.contexto);
    QStringList captions;
    for (int i = 0; i < ventana.parametro()->count(); ++i)
        captions << ventana.parametro()->itemText(i);
    QCOMPARE(captions, (QStringList{QStringLiteral("Altura de recubrimiento H (m)"),
                                    QStringLiteral("Profundidad del nivel freático Hf (m)"),
                                    QStringLiteral("Anchura de la zanja B (m)"),
                                    QStringLiteral("Módulo E2 de la zona 2 (N/mm2)"),
                                    QStringLiteral("Carga superficial P0 (kN/m2)")}));
    for (const QString& texto : {QStringLiteral("Calcular"), QStringLiteral("Exportar CSV"),
                                 QStringLiteral("Exportar PNG"), QStringLiteral("Cerrar")}) {
        bool esta = false;
        for (const QPushButton* boton : ventana.findChildren<QPushButton*>())
            esta = esta || boton->text() == texto;
        QVERIFY2(esta, qPrintable(texto));
    }
}

void EstudioParametricoTest::calcular_llena_el_grafico_y_la_tabla() {
    Banco banco;
    EstudioParametrico ventana(banco.contexto);
    ventana.show();
    calcula(ventana, "1", "10,5", 95);
    const auto esperados = Estudio_Parametrico(banco.p, banco.contexto.catalogo,
                                               Parametro::Recubrimiento, 1, 10.5, 95);
    QCOMPARE(ventana.puntos().size(), esperados.size());
    QVERIFY(csvDelEstudio("H", ventana.puntos()) == csvDelEstudio("H", esperados));

    // The rows that count here: every one but the water-pressure row (no groundwater).
    const QChart* chart = ventana.grafico()->chart();
    for (const FilaVerificacion fila : kFilasVerificacion) {
        const QString nombre = QString::fromStdString(std::string(nombreFila(fila)));
        const auto series = seriesLlamadas(chart, nombre);
        if (fila == FilaVerificacion::EstabilidadAgua) {
            QVERIFY(series.empty());
            continue;
        }
        QCOMPARE(series.size(), std::size_t{1});
        QCOMPARE(marcasVisibles(chart, nombre), 1);
        const QList<QPointF> puntos = series.front()->points();
        QCOMPARE(puntos.size(), qsizetype(96));
        for (qsizetype i = 0; i < puntos.size(); ++i) {
            QCOMPARE(puntos[i].x(), esperados[static_cast<std::size_t>(i)].valor);
            QCOMPARE(puntos[i].y(), *esperados[static_cast<std::size_t>(i)].utilizacion[fila]);
        }
    }
    // The limit at 1 across the range, and the section's value as a vertical line.
    const auto limite = seriesLlamadas(chart, QStringLiteral("Límite"));
    QCOMPARE(limite.size(), std::size_t{1});
    QCOMPARE(limite.front()->points(), (QList<QPointF>{QPointF(1, 1), QPointF(10.5, 1)}));
    QVERIFY(limite.front()->pen().style() == Qt::DashLine);
    const auto marca = seriesLlamadas(chart, QStringLiteral("Valor de la sección"));
    QCOMPARE(marca.size(), std::size_t{1});
    QCOMPARE(marca.front()->points().front().x(), 1.5);
    QCOMPARE(marca.front()->points().back().x(), 1.5);
    QVERIFY(marca.front()->pen().style() == Qt::DashLine);
    QCOMPARE(marca.front()->points().front().y(), 0.0);
    QCOMPARE(marca.front()->points().back().y(), 1.5);
    // Valid everywhere: one shaded zone over the whole range.
    int zonas = 0;
    for (QAbstractSeries* s : chart->series())
        if (auto* zona = qobject_cast<QAreaSeries*>(s)) {
            ++zonas;
            QCOMPARE(zona->name(), QStringLiteral("Zona válida"));
            QCOMPARE(zona->upperSeries()->points().front().x(), 1.0);
            QCOMPARE(zona->upperSeries()->points().back().x(), 10.5);
        }
    QCOMPARE(zonas, 1);
    QCOMPARE(ejeY(chart)->min(), 0.0);
    QCOMPARE(ejeY(chart)->max(), 1.5);

    // The table: value, verdict, six rows, two deflections and the refusal.
    const QTableView* tabla = ventana.tabla();
    QCOMPARE(tabla->model()->rowCount(), 96);
    QCOMPARE(tabla->model()->columnCount(), 11);
    QCOMPARE(tabla->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("H (m)"));
    QCOMPARE(tabla->model()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("Tensión clave"));
    QCOMPARE(tabla->model()->headerData(6, Qt::Horizontal).toString(),
             QStringLiteral("Estabilidad simultánea"));
    QCOMPARE(tabla->model()->headerData(10, Qt::Horizontal).toString(),
             QStringLiteral("Motivo del rechazo"));
    QCOMPARE(celda(tabla, 5, 0), QStringLiteral("1,5"));
    QCOMPARE(celda(tabla, 5, 1), QStringLiteral("Tubo válido"));
    QCOMPARE(celda(tabla, 5, 4), QString::fromStdString(formatea(
                                     *esperados[5].utilizacion[FilaVerificacion::TensionBase],
                                     "#,##0.00", Separadores::espanol())));
    QCOMPARE(celda(tabla, 95, 0), QStringLiteral("10,5"));
    QCOMPARE(
        ventana.estado()->text(),
        QStringLiteral("96 puntos calculados: 96 válidos, 0 no válidos. 0 puntos rechazados."));
}

void EstudioParametricoTest::los_puntos_rechazados_son_huecos_y_filas_rechazadas() {
    Banco banco;
    EstudioParametrico ventana(banco.contexto);
    ventana.show();
    eligeParametro(ventana, Parametro::Anchura);
    calcula(ventana, "0,1", "3", 29);
    const auto& puntos = ventana.puntos();
    QCOMPARE(puntos.size(), std::size_t{30});
    std::size_t rechazados = 0;
    for (const PuntoEstudio& p : puntos)
        rechazados += p.rechazo.has_value();
    QCOMPARE(rechazados, std::size_t{22}); // too narrow below 0,9 m, too wide above 1,6 m
    QVERIFY(ventana.estado()->text().contains(QStringLiteral("22 puntos rechazados")));

    const QTableView* tabla = ventana.tabla();
    const int ultima = tabla->model()->columnCount() - 1;
    QCOMPARE(celda(tabla, 0, 0), QStringLiteral("0,1"));
    QCOMPARE(celda(tabla, 0, 1), QStringLiteral("Rechazado"));
    // The line break of the message becomes a space in the one-line cell.
    QCOMPARE(
        celda(tabla, 0, ultima),
        QStringLiteral("Anchura fondo de zanja insuficiente debido al talud. Modificar B o beta."));
    QVERIFY(celda(tabla, 0, 2).isEmpty());
    QCOMPARE(celda(tabla, 29, 1), QStringLiteral("Rechazado"));
    QCOMPARE(celda(tabla, 29, ultima),
             QStringLiteral("No se cumple la condición de zanja estrecha 1<=B/D<=4."));
    QCOMPARE(celda(tabla, 8, 1), QStringLiteral("Tubo válido"));
    QVERIFY(celda(tabla, 8, ultima).isEmpty());
    QVERIFY(tabla->model()
                ->index(0, ultima)
                .data(Qt::ToolTipRole)
                .toString()
                .startsWith(QStringLiteral("Paso 3 (Datos_Zanja)")));

    // No refused value reaches the chart: every line holds the eight calculated points only.
    const QChart* chart = ventana.grafico()->chart();
    const auto clave = seriesLlamadas(chart, QStringLiteral("Tensión clave"));
    QCOMPARE(clave.size(), std::size_t{1});
    QCOMPARE(clave.front()->points().size(), qsizetype(8));
    QCOMPARE(clave.front()->points().front().x(), puntos[8].valor);
    QCOMPARE(clave.front()->points().back().x(), puntos[15].valor);
    // The shaded valid zone covers the calculated stretch only.
    for (QAbstractSeries* s : chart->series())
        if (auto* zona = qobject_cast<QAreaSeries*>(s)) {
            QCOMPARE(zona->upperSeries()->points().front().x(), puntos[8].valor);
            QCOMPARE(zona->upperSeries()->points().back().x(), puntos[15].valor);
        }
    // The section's own width (1 m) is marked.
    QCOMPARE(seriesLlamadas(chart, QStringLiteral("Valor de la sección")).size(), std::size_t{1});
    captura(ventana, "estudio_parametrico_b.png");
}

void EstudioParametricoTest::los_huecos_cortan_las_lineas_y_las_zonas() {
    using F = FilaVerificacion;
    const auto punto = [](double valor, std::optional<double> clave, bool valido) {
        PuntoEstudio p;
        p.valor = valor;
        p.utilizacion[F::TensionClave] = clave;
        p.valido = valido;
        return p;
    };
    PuntoEstudio rechazado = punto(3, 0.5, false);
    rechazado.rechazo = Parada{3, Pantalla::Datos_Zanja, "fuera de rango"};
    // A crown failed by a negative factor has no utilisation and is drawn off the chart.
    PuntoEstudio comprimido = punto(6, std::nullopt, false);
    comprimido.coeficienteNoPositivo[F::TensionClave] = -0.45;
    const std::vector<PuntoEstudio> puntos{
        punto(1, 0.4, true),  punto(2, 0.6, true),          rechazado,
        punto(4, 0.9, true),  punto(5, std::nullopt, true), comprimido,
        punto(7, 1.2, false), punto(8, 0.8, true)};

    const auto tramos = gui::tramosDeFila(puntos, F::TensionClave, 99);
    QCOMPARE(tramos.size(), std::size_t{3});
    QCOMPARE(tramos[0], (QList<QPointF>{QPointF(1, 0.4), QPointF(2, 0.6)}));
    QCOMPARE(tramos[1], (QList<QPointF>{QPointF(4, 0.9)})); // a lone point between two gaps
    QCOMPARE(tramos[2], (QList<QPointF>{QPointF(6, 99), QPointF(7, 1.2), QPointF(8, 0.8)}));
    QVERIFY(gui::tramosDeFila(puntos, F::Deformacion, 99).empty());

    const auto zonas = gui::tramosValidos(puntos);
    QCOMPARE(zonas, (std::vector<std::pair<double, double>>{{1, 2}, {4, 5}, {8, 8}}));
}

void EstudioParametricoTest::las_utilizaciones_altas_se_recortan_solo_en_el_grafico() {
    Banco banco(kNoValido);
    EstudioParametrico ventana(banco.contexto);
    ventana.show();
    calcula(ventana, "0,5", "20", 10);
    // Far above the limit: the axis stops at 3, the table keeps the real numbers.
    QCOMPARE(ejeY(ventana.grafico()->chart())->max(), 3.0);
    const QTableView* tabla = ventana.tabla();
    QCOMPARE(celda(tabla, 0, 1), QStringLiteral("Rechazado"));
    QCOMPARE(celda(tabla, 10, 1), QStringLiteral("Tubo NO válido"));
    QCOMPARE(celda(tabla, 10, 7), QStringLiteral("18,88"));
    // Nothing valid: no shaded zone, and the depth limits say so.
    for (QAbstractSeries* s : ventana.grafico()->chart()->series())
        QVERIFY(!qobject_cast<QAreaSeries*>(s));
    QCOMPARE(ventana.limites()->text(),
             QStringLiteral("El tubo no es válido a ninguna profundidad entre 0,5 y 20 m."));
    QVERIFY(ventana.estado()->text().contains(QStringLiteral("1 punto rechazado.")));
    captura(ventana, "estudio_parametrico_no_valido.png");
}

void EstudioParametricoTest::cambiar_de_dato_pone_su_rango_y_recalcula() {
    Banco banco;
    EstudioParametrico ventana(banco.contexto);
    ventana.show();
    auto* valorActual = ventana.findChild<QLabel*>(QStringLiteral("ValorActual"));

    eligeParametro(ventana, Parametro::Freatico);
    // From the surface to just above H = 1,5 m, which the groundwater screen refuses.
    QCOMPARE(ventana.desde()->text(), QStringLiteral("0,0"));
    QCOMPARE(ventana.hasta()->text(), QStringLiteral("1,4"));
    QCOMPARE(ventana.parametroCalculado(), std::optional(Parametro::Freatico));
    QCOMPARE(ventana.puntos().size(), static_cast<std::size_t>(ventana.pasos()->value() + 1));
    QVERIFY(!ventana.limites()->isVisible());
    QCOMPARE(valorActual->text(), QStringLiteral("La sección no tiene nivel freático."));
    QVERIFY(
        seriesLlamadas(ventana.grafico()->chart(), QStringLiteral("Valor de la sección")).empty());
    // With groundwater the water-pressure row counts and shows.
    QVERIFY(
        !seriesLlamadas(ventana.grafico()->chart(), QStringLiteral("Estabilidad agua")).empty());
    QCOMPARE(ventana.tabla()->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Hf (m)"));
    QCOMPARE(ventana.grafico()->chart()->axes(Qt::Horizontal).front()->titleText(),
             QStringLiteral("Profundidad del nivel freático Hf (m)"));

    eligeParametro(ventana, Parametro::CargaP0);
    QCOMPARE(ventana.desde()->text(), QStringLiteral("0,0"));
    QCOMPARE(ventana.hasta()->text(), QStringLiteral("50,0"));
    QCOMPARE(valorActual->text(), QStringLiteral("Valor de la sección: 10,0 kN/m2"));
    QCOMPARE(ventana.parametroCalculado(), std::optional(Parametro::CargaP0));

    eligeParametro(ventana, Parametro::Anchura);
    QCOMPARE(ventana.desde()->text(), QStringLiteral("0,5"));
    QCOMPARE(ventana.hasta()->text(), QStringLiteral("2,0"));

    eligeParametro(ventana, Parametro::ModuloE2);
    QVERIFY(banco.p.E2 > 0);
    // The window sweeps the calculated section, whose soil moduli are all set: it calculates.
    QVERIFY(std::any_of(ventana.puntos().begin(), ventana.puntos().end(),
                        [](const PuntoEstudio& p) { return !p.rechazo; }));
    QCOMPARE(ventana.parametroCalculado(), std::optional(Parametro::ModuloE2));
    QVERIFY(Lee_Numero(ventana.desde()->text().toStdString()) < banco.p.E2);
    QVERIFY(Lee_Numero(ventana.hasta()->text().toStdString()) > banco.p.E2);
    QCOMPARE(seriesLlamadas(ventana.grafico()->chart(), QStringLiteral("Valor de la sección"))
                 .front()
                 ->points()
                 .front()
                 .x(),
             banco.p.E2);

    eligeParametro(ventana, Parametro::Recubrimiento);
    QVERIFY(ventana.limites()->isVisible());
    QCOMPARE(ventana.hasta()->text(), QStringLiteral("20,0"));
}

void EstudioParametricoTest::zanja_terraplenada_estudia_h1() {
    Banco banco(kTerraplenada);
    EstudioParametrico ventana(banco.contexto);
    ventana.show();
    QCOMPARE(ventana.parametro()->itemText(0), QStringLiteral("Altura de recubrimiento H1 (m)"));
    QCOMPARE(ventana.tabla()->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("H1 (m)"));
    QCOMPARE(ventana.findChild<QLabel*>(QStringLiteral("ValorActual"))->text(),
             QStringLiteral("Valor de la sección: 2,0 m"));
    // The sweep moves H1, not H.
    QVERIFY(csvDelEstudio("H", ventana.puntos()) ==
            csvDelEstudio("H", Estudio_Parametrico(banco.p, banco.contexto.catalogo,
                                                   Parametro::Recubrimiento, 0.5, 20, 195)));
    captura(ventana, "estudio_parametrico_h1.png");
    eligeParametro(ventana, Parametro::Freatico);
    QVERIFY(ventana.findChild<QLabel*>(QStringLiteral("ValorActual"))
                ->text()
                .startsWith(QStringLiteral("Valor de la sección: ")));
}

void EstudioParametricoTest::valor_final_igual_al_inicial_se_rechaza() {
    Banco banco;
    test::Contestador contestador;
    EstudioParametrico ventana(banco.contexto);
    ventana.show();
    const std::string antes = csvDelEstudio("H", ventana.puntos());
    calcula(ventana, "2,5", "2.5", 10);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().texto,
             QStringLiteral("El valor final debe ser distinto del inicial."));
    QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
    QCOMPARE(ventana.focusWidget(), static_cast<QWidget*>(ventana.hasta()));
    QVERIFY(csvDelEstudio("H", ventana.puntos()) == antes);

    // A range typed backwards is swept as typed, the axis still ascending.
    calcula(ventana, "5", "1", 8);
    QCOMPARE(ventana.puntos().front().valor, 5.0);
    QCOMPARE(ventana.puntos().back().valor, 1.0);
    const auto* ejeX =
        qobject_cast<QValueAxis*>(ventana.grafico()->chart()->axes(Qt::Horizontal).front());
    QCOMPARE(ejeX->min(), 1.0);
    QCOMPARE(ejeX->max(), 5.0);
}

void EstudioParametricoTest::exportar_csv_es_el_del_motor_y_el_de_la_linea_de_ordenes() {
    test::TempDir dir;
    Banco banco;
    EstudioParametrico ventana(banco.contexto);
    std::vector<std::string> sugeridos;
    ventana.ponPideFicheroCsv([&](QWidget*, const std::string& sugerido) {
        sugeridos.push_back(sugerido);
        return std::optional(utf8(dir / "estudio.csv"));
    });
    ventana.show();
    eligeParametro(ventana, Parametro::Anchura);
    calcula(ventana, "0,1", "3", 29);
    QTest::mouseClick(ventana.exportarCsv(), Qt::LeftButton);
    QCOMPARE(sugeridos, std::vector<std::string>{"estudio-B.csv"});
    const std::string escrito = leeTodo(dir / "estudio.csv");
    const auto puntos =
        Estudio_Parametrico(banco.p, banco.contexto.catalogo, Parametro::Anchura, 0.1, 3, 29);
    // Under Spanish separators: ";" between fields, decimal commas, readable headings, and the
    // mark spreadsheets need to read the accents.
    QVERIFY(escrito == csvDelEstudio("B (m)", puntos, FormatoCsv::paraDecimal(",")));
    QVERIFY(escrito.starts_with("\xEF\xBB\xBF"
                                "B (m);Resultado;Tensión clave (utilización);"));
    QVERIFY(escrito.find("\n0,1;") != std::string::npos);

    // The command line prints the same figures for the same sweep of the same section, in the
    // machine format (comma-separated, decimal point).
    const QString cli = QDir(QCoreApplication::applicationDirPath()).filePath("tubrix-cli");
    if (!QFileInfo::exists(cli))
        QSKIP("tubrix-cli is not built beside the tests");
    QProcess proceso;
    proceso.start(cli, {QStringLiteral("sweep"), QString::fromStdString(utf8(seccion(kPvc))),
                        QStringLiteral("--param"), QStringLiteral("B"), QStringLiteral("--from"),
                        QStringLiteral("0.1"), QStringLiteral("--to"), QStringLiteral("3"),
                        QStringLiteral("--steps"), QStringLiteral("29"), QStringLiteral("--csv")});
    QVERIFY(proceso.waitForFinished(30000));
    const QByteArray salida = proceso.readAllStandardOutput();
    QVERIFY2(proceso.exitCode() == 0, proceso.readAllStandardError().constData());
    QVERIFY(std::string(salida.constData(), static_cast<std::size_t>(salida.size())) ==
            csvDelEstudio("B (m)", puntos));
}

void EstudioParametricoTest::exportar_png_escribe_el_grafico() {
    test::TempDir dir;
    Banco banco;
    EstudioParametrico ventana(banco.contexto);
    std::vector<std::string> sugeridos;
    ventana.ponPideFicheroPng([&](QWidget*, const std::string& sugerido) {
        sugeridos.push_back(sugerido);
        return std::optional(utf8(dir / "grafico.png"));
    });
    ventana.show();
    QTest::mouseClick(ventana.exportarPng(), Qt::LeftButton);
    QCOMPARE(sugeridos, std::vector<std::string>{"estudio-H.png"});
    const std::string bytes = leeTodo(dir / "grafico.png");
    QVERIFY(bytes.starts_with("\x89PNG"));
    QImage imagen;
    QVERIFY(imagen.load(QString::fromStdString(utf8(dir / "grafico.png"))));
    QCOMPARE(imagen.size(), ventana.grafico()->grab().size());
    // The picture carries its title; the chart on the screen keeps none.
    QVERIFY(ventana.grafico()->chart()->title().isEmpty());
    if (const QString carpeta = qEnvironmentVariable("TUBRIX_CAPTURAS"); !carpeta.isEmpty())
        imagen.save(QDir(carpeta).filePath(QStringLiteral("estudio_parametrico_exportado.png")));
}

void EstudioParametricoTest::exportar_cancelado_o_fallido() {
    test::TempDir dir;
    Banco banco;
    test::Contestador contestador;
    EstudioParametrico ventana(banco.contexto);
    std::optional<std::string> respuesta;
    ventana.ponPideFicheroCsv([&](QWidget*, const std::string&) { return respuesta; });
    ventana.ponPideFicheroPng([&](QWidget*, const std::string&) { return respuesta; });
    ventana.show();
    QTest::mouseClick(ventana.exportarCsv(), Qt::LeftButton);
    QTest::mouseClick(ventana.exportarPng(), Qt::LeftButton);
    QVERIFY(contestador.vistos().empty());
    QVERIFY(fs::is_empty(dir.path()));

    respuesta = utf8(dir / "no_existe" / "estudio");
    QTest::mouseClick(ventana.exportarCsv(), Qt::LeftButton);
    QTest::mouseClick(ventana.exportarPng(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{2});
    for (const auto& visto : contestador.vistos()) {
        QCOMPARE(visto.icono, QMessageBox::Critical);
        QCOMPARE(visto.titulo, QStringLiteral("Aviso"));
    }
    QVERIFY(ventana.isVisible());
    QVERIFY(fs::is_empty(dir.path()));
}

void EstudioParametricoTest::el_registro_no_cambia() {
    Banco banco;
    const Proyecto antes = banco.p;
    {
        EstudioParametrico ventana(banco.contexto);
        ventana.show();
        for (const Parametro p :
             {Parametro::Freatico, Parametro::Anchura, Parametro::ModuloE2, Parametro::CargaP0})
            eligeParametro(ventana, p);
        calcula(ventana, "1", "30", 50);
        QTest::mouseClick(ventana.findChild<QPushButton*>(QStringLiteral("Cerrar")),
                          Qt::LeftButton);
        QVERIFY(!ventana.isVisible());
    }
    QVERIFY(banco.p == antes);
}

QTEST_MAIN(EstudioParametricoTest)
#include "estudio_parametrico_test.moc"
