#include "chain/calcula_seccion.h"
#include "chain/seleccion.h"
#include "chain/tablas_estudio.h"
#include "estudio/estudio_parametrico.h"
#include "estudio/seleccion_tubos.h"
#include "screens/calc/verificacion_1.h"
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
#include <functional>
#include <iterator>
#include <limits>
#include <set>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace tubrix;
using tubrix::gui::ModeloTubos;
using tubrix::gui::SeleccionTubos;
namespace fs = std::filesystem;

namespace {

using test::leeTodo;
using test::utf8;

const char* const kPvc = "pvc-sn8-zanja-trafico.json";
const char* const kNoValido = "pe-sdr33-suelo-blando-no-valido.json";

struct Banco {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};

    explicit Banco(const char* seccion = kPvc) {
        p = test::cargaSeccion(std::string(TUBRIX_TEST_DATA_DIR) + "/secciones/" + seccion);
        if (const auto parada = Calcula_Seccion(p, contexto.catalogo))
            qFatal("the example section stops at step %d: %s", parada->paso,
                   parada->mensaje.c_str());
        p.Codigo_Navegacion = 0;
    }
};

QString celda(const QTableView* tabla, int fila, ModeloTubos::Columna columna) {
    return tabla->model()->index(fila, static_cast<int>(columna)).data().toString();
}

// Picks the combo entry with this text; fails the test when there is none.
bool eligeEnCombo(QComboBox* combo, const QString& texto) {
    const int i = combo->findText(texto);
    if (i < 0)
        return false;
    combo->setCurrentIndex(i);
    return true;
}

// Selects the first shown row that satisfies the condition; -1 when none does.
int seleccionaFila(SeleccionTubos& dialogo,
                   const std::function<bool(const TuboCandidato&)>& cumple) {
    const auto filas = dialogo.filasMostradas();
    for (std::size_t i = 0; i < filas.size(); ++i)
        if (cumple(filas[i])) {
            dialogo.tabla()->selectRow(static_cast<int>(i));
            return static_cast<int>(i);
        }
    return -1;
}

bool mismosTubos(const std::vector<TuboCandidato>& a, const std::vector<TuboCandidato>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].codigo != b[i].codigo || a[i].veredicto != b[i].veredicto ||
            a[i].utilizacion != b[i].utilizacion)
            return false;
    return true;
}

// A picture of the window (at the size it takes on a 1366 x 768 screen, when given), for
// looking at it.
void captura(QWidget& ventana, const char* nombre, QSize tamano = {}) {
    const QString carpeta = qEnvironmentVariable("TUBRIX_CAPTURAS");
    if (carpeta.isEmpty())
        return;
    if (tamano.isValid())
        ventana.resize(tamano);
    QApplication::processEvents();
    ventana.grab().save(QDir(carpeta).filePath(QString::fromUtf8(nombre)));
}

} // namespace

class SeleccionTubosTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lista_los_tubos_del_motor_sin_astm();
    void abrir_y_filtrar_no_cambian_el_registro();
    void filtra_por_dn_y_por_grupo();
    void las_columnas_de_un_tubo_valido_y_de_uno_rechazado();
    void el_modelo_marca_veredictos_infinito_y_tubo_de_la_seccion();
    void usar_este_tubo_solo_con_un_tubo_calculado_y_distinto();
    void usar_este_tubo_escribe_solo_los_tres_codigos();
    void exportar_csv_escribe_las_filas_mostradas();
    void exportar_csv_cancelado_o_fallido();
    void seccion_no_valida_lista_tubos_no_validos();
    void verificacion_busca_tubos_y_vuelve_al_tubo();
    void verificacion_abre_el_estudio_sin_cambiar_nada();
};

void SeleccionTubosTest::lista_los_tubos_del_motor_sin_astm() {
    Banco banco;
    SeleccionTubos dialogo(banco.contexto);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Tubos válidos"));
    const auto esperados = Selecciona_Tubos(banco.p, banco.contexto.catalogo);
    QVERIFY(esperados.size() > 100);
    QVERIFY(mismosTubos(dialogo.filasMostradas(), esperados));
    QCOMPARE(dialogo.tabla()->model()->rowCount(), static_cast<int>(esperados.size()));
    for (const TuboCandidato& c : dialogo.filasMostradas())
        QVERIFY2(c.grupo != 2 && c.grupo != 3, c.nombreGrupo.c_str());

    // The group list: "Todos" and every group that has a pipe, none of the ASTM ones.
    QComboBox* grupos = dialogo.filtroGrupo();
    QCOMPARE(grupos->itemText(0), QStringLiteral("Todos"));
    QVERIFY(!grupos->itemData(0).isValid());
    std::set<int> codigos;
    for (int i = 1; i < grupos->count(); ++i)
        codigos.insert(grupos->itemData(i).toInt());
    QCOMPARE(codigos, (std::set<int>{1, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QCOMPARE(grupos->itemText(grupos->findData(6)), QStringLiteral("PVC-U"));
    // The DN list: "Todos" and every DN, ascending.
    QComboBox* dn = dialogo.filtroDn();
    QCOMPARE(dn->itemText(0), QStringLiteral("Todos"));
    QCOMPARE(dn->itemText(1), QStringLiteral("80"));
    for (int i = 2; i < dn->count(); ++i)
        QVERIFY(dn->itemData(i).toInt() > dn->itemData(i - 1).toInt());
    QVERIFY(dn->findText(QStringLiteral("400")) > 0);

    QVERIFY(dialogo.estado()->text().startsWith(
        QStringLiteral("%1 tubos probados: ").arg(esperados.size())));
    QVERIFY(dialogo.estado()->text().contains(QStringLiteral("rechazados")));
    captura(dialogo, "seleccion_tubos.png", QSize(1256, 640));
}

void SeleccionTubosTest::abrir_y_filtrar_no_cambian_el_registro() {
    Banco banco;
    const Proyecto antes = banco.p;
    SeleccionTubos dialogo(banco.contexto);
    dialogo.show();
    QVERIFY(eligeEnCombo(dialogo.filtroDn(), QStringLiteral("250")));
    QVERIFY(eligeEnCombo(dialogo.filtroGrupo(), QStringLiteral("Fibrocemento")));
    QVERIFY(eligeEnCombo(dialogo.filtroDn(), QStringLiteral("Todos")));
    dialogo.tabla()->sortByColumn(static_cast<int>(ModeloTubos::Columna::Utilizacion),
                                  Qt::DescendingOrder);
    QTest::mouseClick(dialogo.findChild<QPushButton*>(QStringLiteral("Cerrar")), Qt::LeftButton);
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(dialogo.result(), int(QDialog::Rejected));
    QVERIFY(!dialogo.elegido());
    QVERIFY(banco.p == antes);
}

void SeleccionTubosTest::filtra_por_dn_y_por_grupo() {
    Banco banco;
    SeleccionTubos dialogo(banco.contexto);
    dialogo.show();

    QVERIFY(eligeEnCombo(dialogo.filtroDn(), QStringLiteral("400")));
    FiltroSeleccion filtro;
    filtro.diametroNominal = 400;
    auto esperados = Selecciona_Tubos(banco.p, banco.contexto.catalogo, filtro);
    QVERIFY(!esperados.empty());
    QVERIFY(mismosTubos(dialogo.filasMostradas(), esperados));
    for (int r = 0; r < dialogo.tabla()->model()->rowCount(); ++r)
        QCOMPARE(celda(dialogo.tabla(), r, ModeloTubos::Columna::DN), QStringLiteral("400"));

    // Both filters at once: PVC-U of DN 400 only.
    QVERIFY(eligeEnCombo(dialogo.filtroGrupo(), QStringLiteral("PVC-U")));
    filtro.grupo = 6;
    esperados = Selecciona_Tubos(banco.p, banco.contexto.catalogo, filtro);
    QVERIFY(!esperados.empty());
    QVERIFY(mismosTubos(dialogo.filasMostradas(), esperados));
    for (const TuboCandidato& c : dialogo.filasMostradas()) {
        QCOMPARE(c.grupo, std::int16_t{6});
        QCOMPARE(c.diametroNominal, std::int16_t{400});
    }
    // The section's own pipe (PVC-U SN 8, DN 400) is among them and valid.
    QVERIFY(seleccionaFila(dialogo, [&](const TuboCandidato& c) {
                return c.codigo == banco.p.Codigo_Diametro;
            }) >= 0);
    QCOMPARE(dialogo.filasMostradas().front().veredicto, Veredicto::Valido);
    QVERIFY(dialogo.estado()->text().contains(QStringLiteral("negrita")));

    // Back to every DN: the group filter alone.
    QVERIFY(eligeEnCombo(dialogo.filtroDn(), QStringLiteral("Todos")));
    filtro.diametroNominal.reset();
    QVERIFY(mismosTubos(dialogo.filasMostradas(),
                        Selecciona_Tubos(banco.p, banco.contexto.catalogo, filtro)));
    // Changing a filter clears the selection, so no stale pipe can be used.
    QVERIFY(!dialogo.usar()->isEnabled());

    // A group without that DN: nothing listed, said in words, nothing to export.
    QVERIFY(eligeEnCombo(dialogo.filtroDn(), QStringLiteral("80")));
    QCOMPARE(dialogo.tabla()->model()->rowCount(), 0);
    QCOMPARE(dialogo.estado()->text(),
             QStringLiteral("Ningún tubo del catálogo cumple el filtro elegido."));
    QVERIFY(!dialogo.exportar()->isEnabled());
}

void SeleccionTubosTest::las_columnas_de_un_tubo_valido_y_de_uno_rechazado() {
    Banco banco;
    SeleccionTubos dialogo(banco.contexto);
    dialogo.show();
    const QAbstractItemModel* modelo = dialogo.tabla()->model();
    QStringList cabeceras;
    for (int c = 0; c < modelo->columnCount(); ++c)
        cabeceras << modelo->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(
        cabeceras,
        (QStringList{QStringLiteral("Resultado"), QStringLiteral("Grupo"), QStringLiteral("Clase"),
                     QStringLiteral("DN"), QStringLiteral("Ø exterior\n(mm)"),
                     QStringLiteral("Espesor\n(mm)"), QStringLiteral("SN\n(kN/m2)"),
                     QStringLiteral("Fila\ndeterminante"), QStringLiteral("Utilización"),
                     QStringLiteral("Deformación\nCP (%)"), QStringLiteral("Deformación\nLP (%)"),
                     QStringLiteral("Motivo del rechazo")}));

    using C = ModeloTubos::Columna;
    const auto filas = dialogo.filasMostradas();
    const auto sep = Separadores::espanol();
    const auto valido = std::find_if(filas.begin(), filas.end(), [](const TuboCandidato& c) {
        return c.veredicto == Veredicto::Valido;
    });
    QVERIFY(valido != filas.end());
    const int v = static_cast<int>(valido - filas.begin());
    QCOMPARE(celda(dialogo.tabla(), v, C::Veredicto), QStringLiteral("Tubo válido"));
    QCOMPARE(celda(dialogo.tabla(), v, C::Grupo), QString::fromStdString(valido->nombreGrupo));
    QCOMPARE(celda(dialogo.tabla(), v, C::Clase), QString::fromStdString(valido->clase));
    QCOMPARE(celda(dialogo.tabla(), v, C::Utilizacion),
             QString::fromStdString(formatea(valido->utilizacion, "#,##0.00", sep)));
    QCOMPARE(celda(dialogo.tabla(), v, C::Rigidez),
             QString::fromStdString(formatea(valido->rigidezAnillo, "#,##0.0", sep)));
    QCOMPARE(celda(dialogo.tabla(), v, C::FilaDeterminante),
             QString::fromStdString(std::string(nombreFila(*valido->filaDeterminante))));
    QCOMPARE(celda(dialogo.tabla(), v, C::DeformacionLargo),
             QString::fromStdString(formatea(valido->deformacionLargo, "#,##0.00", sep)));
    QVERIFY(celda(dialogo.tabla(), v, C::Rechazo).isEmpty());
    // Spanish separators: the first valid pipe of this section uses 0,66 of its invert stress.
    QCOMPARE(celda(dialogo.tabla(), 0, C::Utilizacion), QStringLiteral("0,66"));
    QCOMPARE(celda(dialogo.tabla(), 0, C::FilaDeterminante), QStringLiteral("Tensión base"));

    const auto rechazado = std::find_if(filas.begin(), filas.end(), [](const TuboCandidato& c) {
        return c.veredicto == Veredicto::Rechazado;
    });
    QVERIFY(rechazado != filas.end());
    const int r = static_cast<int>(rechazado - filas.begin());
    QCOMPARE(celda(dialogo.tabla(), r, C::Veredicto), QStringLiteral("Rechazado"));
    QCOMPARE(celda(dialogo.tabla(), r, C::Rechazo),
             QString::fromStdString(rechazado->rechazo->mensaje).simplified());
    for (const C vacia : {C::Rigidez, C::FilaDeterminante, C::Utilizacion, C::DeformacionCorto,
                          C::DeformacionLargo})
        QVERIFY(celda(dialogo.tabla(), r, vacia).isEmpty());
    // The tooltip tells where the pass stopped.
    const QString ayuda = dialogo.tabla()
                              ->model()
                              ->index(r, static_cast<int>(C::Rechazo))
                              .data(Qt::ToolTipRole)
                              .toString();
    QVERIFY2(ayuda.startsWith(QStringLiteral("Paso %1 (").arg(rechazado->rechazo->paso)),
             qPrintable(ayuda));
    QCOMPARE(dialogo.tabla()->model()->index(r, 0).data(Qt::ToolTipRole).toString(), ayuda);

    // Sorting by a number column sorts numerically, refused rows (no value) last.
    dialogo.tabla()->sortByColumn(static_cast<int>(C::Utilizacion), Qt::AscendingOrder);
    const auto ordenadas = dialogo.filasMostradas();
    double previa = -1;
    bool enRechazados = false;
    for (const TuboCandidato& c : ordenadas) {
        if (c.rechazo) {
            enRechazados = true;
            continue;
        }
        QVERIFY2(!enRechazados, "a calculated pipe after the refused ones");
        QVERIFY(c.utilizacion >= previa);
        previa = c.utilizacion;
    }
    dialogo.tabla()->sortByColumn(static_cast<int>(C::DN), Qt::DescendingOrder);
    QCOMPARE(dialogo.filasMostradas().front().diametroNominal,
             std::max_element(filas.begin(), filas.end(), [](const auto& a, const auto& b) {
                 return a.diametroNominal < b.diametroNominal;
             })->diametroNominal);
}

void SeleccionTubosTest::el_modelo_marca_veredictos_infinito_y_tubo_de_la_seccion() {
    ModeloTubos modelo(Separadores::espanol(), 77);
    TuboCandidato comprimido;
    comprimido.codigo = 77;
    comprimido.veredicto = Veredicto::NoValido;
    comprimido.coeficienteNoPositivo = -0.45;
    comprimido.filaDeterminante = FilaVerificacion::TensionClave;
    comprimido.diametroExterior = 1234.5;
    TuboCandidato valido = comprimido;
    valido.codigo = 78;
    valido.veredicto = Veredicto::Valido;
    valido.utilizacion = 0.995;
    valido.coeficienteNoPositivo.reset();
    TuboCandidato rechazado = comprimido;
    rechazado.codigo = 79;
    rechazado.veredicto = Veredicto::Rechazado;
    rechazado.rechazo = Parada{3, Pantalla::Datos_Zanja, "Primera línea\nsegunda línea"};
    modelo.pon({comprimido, valido, rechazado});

    using C = ModeloTubos::Columna;
    const auto dato = [&](int fila, C columna, int rol = Qt::DisplayRole) {
        return modelo.index(fila, static_cast<int>(columna)).data(rol);
    };
    QCOMPARE(dato(0, C::Utilizacion).toString(), QStringLiteral("coef. -0,45"));
    QCOMPARE(dato(0, C::Veredicto).toString(), QStringLiteral("Tubo NO válido"));
    QCOMPARE(dato(0, C::DiametroExterior).toString(), QStringLiteral("1.234,5"));
    QCOMPARE(dato(1, C::Utilizacion).toString(), QStringLiteral("1,00")); // 0.995 rounds up
    // An infinite use sorts after every finite one.
    QVERIFY(dato(0, C::Utilizacion, ModeloTubos::kRolOrden).toDouble() >
            dato(1, C::Utilizacion, ModeloTubos::kRolOrden).toDouble());
    QCOMPARE(dato(2, C::Rechazo).toString(), QStringLiteral("Primera línea segunda línea"));
    QVERIFY(dato(2, C::Utilizacion).toString().isEmpty());
    QVERIFY(!dato(2, C::Utilizacion, ModeloTubos::kRolOrden).isValid());

    // One quiet background per verdict, with dark text on it.
    const QColor fondoNoValido = dato(0, C::Grupo, Qt::BackgroundRole).value<QColor>();
    const QColor fondoValido = dato(1, C::Grupo, Qt::BackgroundRole).value<QColor>();
    const QColor fondoRechazado = dato(2, C::Grupo, Qt::BackgroundRole).value<QColor>();
    QVERIFY(fondoNoValido != fondoValido && fondoValido != fondoRechazado &&
            fondoRechazado != fondoNoValido);
    for (const QColor& fondo : {fondoNoValido, fondoValido, fondoRechazado})
        QVERIFY(fondo.lightness() > 200);
    QCOMPARE(dato(1, C::Grupo, Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QVERIFY(fondoValido.green() > fondoValido.red());
    QVERIFY(fondoNoValido.red() > fondoNoValido.green());

    // The section's own pipe in bold, the others in the table's font.
    QVERIFY(dato(0, C::Clase, Qt::FontRole).value<QFont>().bold());
    QVERIFY(!dato(1, C::Clase, Qt::FontRole).isValid());
}

void SeleccionTubosTest::usar_este_tubo_solo_con_un_tubo_calculado_y_distinto() {
    Banco banco;
    SeleccionTubos dialogo(banco.contexto);
    dialogo.show();
    QCOMPARE(dialogo.usar()->text(), QStringLiteral("Usar este tubo"));
    QVERIFY(!dialogo.usar()->isEnabled());
    QVERIFY(seleccionaFila(dialogo, [](const TuboCandidato& c) {
                return c.veredicto == Veredicto::Rechazado;
            }) >= 0);
    QVERIFY(!dialogo.usar()->isEnabled());
    QVERIFY(seleccionaFila(dialogo, [&](const TuboCandidato& c) {
                return c.codigo == banco.p.Codigo_Diametro;
            }) >= 0);
    QVERIFY(!dialogo.usar()->isEnabled());
    QCOMPARE(dialogo.usar()->toolTip(), QStringLiteral("Es el tubo de la sección"));
    QVERIFY(seleccionaFila(dialogo, [&](const TuboCandidato& c) {
                return c.veredicto == Veredicto::Valido && c.codigo != banco.p.Codigo_Diametro;
            }) >= 0);
    QVERIFY(dialogo.usar()->isEnabled());
    dialogo.tabla()->clearSelection();
    QVERIFY(!dialogo.usar()->isEnabled());
}

void SeleccionTubosTest::usar_este_tubo_escribe_solo_los_tres_codigos() {
    Banco banco;
    const Proyecto antes = banco.p;
    test::Contestador contestador;
    SeleccionTubos dialogo(banco.contexto);
    dialogo.show();
    QVERIFY(eligeEnCombo(dialogo.filtroGrupo(), QStringLiteral("Polietileno (PE)")));
    const int fila = seleccionaFila(dialogo, [](const TuboCandidato& c) {
        return c.veredicto == Veredicto::Valido && c.diametroNominal == 400;
    });
    QVERIFY(fila >= 0);
    const TuboCandidato tubo = dialogo.filasMostradas().at(static_cast<std::size_t>(fila));
    QTest::mouseClick(dialogo.usar(), Qt::LeftButton);

    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    const auto& aviso = contestador.vistos().front();
    QCOMPARE(aviso.titulo, QStringLiteral("Aviso"));
    QCOMPARE(aviso.icono, QMessageBox::Information);
    QCOMPARE(aviso.texto,
             QStringLiteral("Se ha elegido el tubo Polietileno (PE), %1, DN 400. Pase de nuevo "
                            "por el asistente, desde los datos del tubo, para recalcular la "
                            "sección con este tubo.")
                 .arg(QString::fromStdString(tubo.clase)));
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QVERIFY(dialogo.elegido());
    QCOMPARE(dialogo.elegido()->codigo, tubo.codigo);

    Proyecto esperado = antes;
    esperado.Codigo_Material = 7;
    esperado.Codigo_Submaterial = tubo.subclase;
    esperado.Codigo_Diametro = tubo.codigo;
    QVERIFY(tubo.subclase / 100 == 7);
    QVERIFY(banco.p == esperado);
}

void SeleccionTubosTest::exportar_csv_escribe_las_filas_mostradas() {
    test::TempDir dir;
    Banco banco;
    SeleccionTubos dialogo(banco.contexto);
    std::vector<std::string> sugeridos;
    const fs::path fichero = dir / "tubos.csv";
    dialogo.ponPideFichero([&](QWidget*, const std::string& sugerido) {
        sugeridos.push_back(sugerido);
        return std::optional<std::string>(utf8(fichero));
    });
    dialogo.show();
    QCOMPARE(dialogo.exportar()->text(), QStringLiteral("Exportar CSV"));
    QVERIFY(eligeEnCombo(dialogo.filtroDn(), QStringLiteral("250")));
    QTest::mouseClick(dialogo.exportar(), Qt::LeftButton);
    QCOMPARE(sugeridos, std::vector<std::string>{"tubos-validos.csv"});
    FiltroSeleccion filtro;
    filtro.diametroNominal = 250;
    const std::string esperado = csvDeLaSeleccion(
        Selecciona_Tubos(banco.p, banco.contexto.catalogo, filtro), FormatoCsv::paraDecimal(","));
    QVERIFY(leeTodo(fichero) == esperado);

    // Sorted by a heading, the file follows the order on screen.
    dialogo.tabla()->sortByColumn(static_cast<int>(ModeloTubos::Columna::Espesor),
                                  Qt::DescendingOrder);
    QTest::mouseClick(dialogo.exportar(), Qt::LeftButton);
    const std::string ordenado = leeTodo(fichero);
    QVERIFY(ordenado == csvDeLaSeleccion(dialogo.filasMostradas(), FormatoCsv::paraDecimal(",")));
    QVERIFY(ordenado != esperado);
    QCOMPARE(ordenado.size(), esperado.size());
}

void SeleccionTubosTest::exportar_csv_cancelado_o_fallido() {
    test::TempDir dir;
    Banco banco;
    test::Contestador contestador;
    SeleccionTubos dialogo(banco.contexto);
    std::optional<std::string> respuesta;
    dialogo.ponPideFichero([&](QWidget*, const std::string&) { return respuesta; });
    dialogo.show();
    QTest::mouseClick(dialogo.exportar(), Qt::LeftButton);
    QVERIFY(contestador.vistos().empty());
    QVERIFY(fs::is_empty(dir.path()));

    respuesta = utf8(dir / "no_existe" / "tubos.csv");
    QTest::mouseClick(dialogo.exportar(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().icono, QMessageBox::Critical);
    QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
    QVERIFY(!contestador.vistos().front().texto.isEmpty());
    QVERIFY(dialogo.isVisible());
    QVERIFY(!fs::exists(dir / "no_existe"));
}

void SeleccionTubosTest::seccion_no_valida_lista_tubos_no_validos() {
    Banco banco(kNoValido);
    SeleccionTubos dialogo(banco.contexto);
    dialogo.show();
    const auto filas = dialogo.filasMostradas();
    const auto noValido = std::find_if(filas.begin(), filas.end(), [](const TuboCandidato& c) {
        return c.veredicto == Veredicto::NoValido;
    });
    QVERIFY(noValido != filas.end());
    const int fila = static_cast<int>(noValido - filas.begin());
    QCOMPARE(celda(dialogo.tabla(), fila, ModeloTubos::Columna::Veredicto),
             QStringLiteral("Tubo NO válido"));
    QVERIFY(noValido->utilizacion > 1);
    // A pipe that fails can still be taken, to look at it in the wizard.
    dialogo.tabla()->selectRow(fila);
    QCOMPARE(dialogo.usar()->isEnabled(), noValido->codigo != banco.p.Codigo_Diametro);
}

void SeleccionTubosTest::verificacion_busca_tubos_y_vuelve_al_tubo() {
    Banco banco;
    banco.p.Paso = 20;
    test::Contestador contestador;
    gui::Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    QPushButton* buscar = pantalla.findChild<QPushButton*>(QStringLiteral("BuscarTubos"));
    QVERIFY(buscar);
    QCOMPARE(buscar->text(), QStringLiteral("Buscar tubos válidos"));
    QVERIFY(buscar->isVisible() && buscar->isEnabled());
    QVERIFY(!buscar->autoDefault() && !buscar->isDefault());
    captura(pantalla, "verificacion.png");

    // First the dialog is closed without a choice: the screen stays as it was.
    QTimer::singleShot(0, [] {
        auto* dialogo = qobject_cast<SeleccionTubos*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        dialogo->reject();
    });
    QTest::mouseClick(buscar, Qt::LeftButton);
    QVERIFY(pantalla.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, std::int16_t{0});
    QCOMPARE(banco.p.Paso, std::int16_t{20});

    std::int16_t codigo = 0;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<SeleccionTubos*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        QVERIFY(seleccionaFila(*dialogo, [&](const TuboCandidato& c) {
                    return c.veredicto == Veredicto::Valido && c.codigo != banco.p.Codigo_Diametro;
                }) >= 0);
        codigo = dialogo->filasMostradas()
                     .at(static_cast<std::size_t>(
                         dialogo->tabla()->selectionModel()->selectedRows().front().row()))
                     .codigo;
        QTest::mouseClick(dialogo->usar(), Qt::LeftButton);
    });
    QTest::mouseClick(buscar, Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QVERIFY(codigo != 0);
    QCOMPARE(banco.p.Codigo_Diametro, codigo);
    // The screen closed going back, onto the pipe screen (step 1) of the wizard.
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
    QCOMPARE(banco.p.Paso, std::int16_t{2});
}

void SeleccionTubosTest::verificacion_abre_el_estudio_sin_cambiar_nada() {
    Banco banco;
    gui::Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    const Proyecto antes = banco.p;
    QPushButton* estudio = pantalla.findChild<QPushButton*>(QStringLiteral("EstudioParametrico"));
    QVERIFY(estudio);
    QCOMPARE(estudio->text(), QStringLiteral("Estudio paramétrico"));
    QVERIFY(estudio->isVisible() && estudio->isEnabled());
    QVERIFY(!estudio->autoDefault() && !estudio->isDefault());
    bool abierto = false;
    QTimer::singleShot(0, [&] {
        auto* ventana = qobject_cast<gui::EstudioParametrico*>(QApplication::activeModalWidget());
        QVERIFY(ventana);
        abierto = true;
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Estudio paramétrico"));
        QVERIFY(!ventana->puntos().empty());
        QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("Cerrar")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(estudio, Qt::LeftButton);
    QVERIFY(abierto);
    QVERIFY(pantalla.isVisible());
    QVERIFY(banco.p == antes);
}

QTEST_MAIN(SeleccionTubosTest)
#include "seleccion_tubos_test.moc"
