#include "calc/verificacion.h"
#include "chain/calcula_seccion.h"
#include "model/fichero_proyecto.h"
#include "screens/calc/verificacion_1.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/ficheros.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/contexto.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Verificacion_1;
using Fila = tubrix::FilaVerificacion;
namespace fs = std::filesystem;

namespace {

using test::leeTodo;
using test::utf8;

const char* const kLargoPlazo = "prfv-largo-plazo-zanja-terraplenada-freatico.json";
const char* const kRigido = "hormigon-atv-zanja-estrecha-ht60.json";
const char* const kNoValido = "pe-sdr33-suelo-blando-no-valido.json";

struct Banco {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};
    // What the save dialog answers, and the names it was preset to.
    std::optional<std::string> respuestaDialogo;
    std::vector<std::string> presets;

    explicit Banco(const char* seccion, void (*cambia)(Proyecto&) = nullptr) {
        p = test::cargaSeccion(std::string(TUBRIX_TEST_DATA_DIR) + "/secciones/" + seccion);
        if (cambia)
            cambia(p);
        const auto parada = Calcula_Seccion(p, contexto.catalogo);
        if (parada)
            qFatal("the example section stops at step %d: %s", parada->paso,
                   parada->mensaje.c_str());
        p.Codigo_Navegacion = 0;
        contexto.dialogos.pideFicheroGuardar = [this](QWidget*, const std::string& preset) {
            presets.push_back(preset);
            return respuestaDialogo;
        };
        contexto.dialogos.pideFicheroAbrir = [](QWidget*, const std::string&) {
            return std::optional<std::string>();
        };
    }
};

QString calculado(double valor) {
    return QString::fromStdString(formatea(valor, "###0.00", Separadores::espanol()));
}
QString requerido(double valor) {
    return QString::fromStdString(formatea(valor, "##.0", Separadores::espanol()));
}

// The calculated pair of each row, straight from the record.
std::pair<double, double> coeficientes(const Proyecto& p, Fila f) {
    switch (f) {
    case Fila::TensionClave:
        return {p.Coef_Clave, p.Coef_Clave_LP};
    case Fila::TensionRinones:
        return {p.Coef_Rinones, p.Coef_Rinones_LP};
    case Fila::TensionBase:
        return {p.Coef_Base, p.Coef_Base_LP};
    case Fila::EstabilidadTierras:
        return {p.Coef_Tierras, p.Coef_Tierras_LP};
    case Fila::EstabilidadAgua:
        return {p.Coef_Agua, p.Coef_Agua_LP};
    case Fila::EstabilidadSimultanea:
        return {p.Coef_Simultaneo, p.Coef_Simultaneo_LP};
    case Fila::Deformacion:
        return {p.Dv_Relativa, p.Dv_Relativa_LP};
    }
    return {};
}

QString veredicto(const Proyecto& p, Fila f) {
    return p.Tubo_No_Valido[f] != 0 ? QStringLiteral("Tubo NO válido")
                                    : QStringLiteral("Tubo válido");
}

void escribeTodo(const fs::path& fichero, const std::string& bytes) {
    std::ofstream out(fichero, std::ios::binary);
    out << bytes;
}

} // namespace

class VerificacionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seccion_de_largo_plazo_muestra_las_siete_filas();
    void el_largo_plazo_decide_las_filas_de_tension();
    void sin_freatico_la_fila_del_agua_no_procede();
    void seccion_rigida_solo_muestra_las_tensiones();
    void tubo_no_valido();
    void los_textos_de_la_pantalla();
    void la_barra_de_botones();
    void guardar_cancelado_no_escribe_nada();
    void guardar_en_una_carpeta_que_no_existe();
    void guardar_sobre_un_fichero_de_solo_lectura();
    void guardar_escribe_el_proyecto_y_termina();
    void guardar_pregunta_si_la_extension_lleva_a_un_fichero_existente();
    void calculo_rechazado_avisa_sin_numeros();
};

void VerificacionTest::seccion_de_largo_plazo_muestra_las_siete_filas() {
    Banco banco(kLargoPlazo);
    banco.p.Tubo_No_Valido = {};
    banco.p.Tubo_No_Valido[Fila::TensionBase] = kSi; // stale: recalculated on opening
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    const Proyecto& p = banco.p;
    QCOMPARE(pantalla.windowTitle(),
             QStringLiteral("Verificación de esfuerzos, tensiones y deformaciones"));
    for (const Fila f : kFilasVerificacion) {
        const auto& celdas = pantalla.fila(f);
        const auto [corto, largo] = coeficientes(p, f);
        const QByteArray fila = QByteArray::number(static_cast<int>(f) + 1);
        QVERIFY2(celdas.corto->isVisible(), fila);
        QVERIFY2(celdas.largo->isVisible(), fila);
        QVERIFY2(celdas.veredicto->isVisible(), fila);
        QCOMPARE(celdas.requerido->text(), requerido(p.Seguridad_Requerida[f]));
        QCOMPARE(celdas.corto->text(), calculado(corto));
        QCOMPARE(celdas.largo->text(), calculado(largo));
        QCOMPARE(celdas.veredicto->text(), veredicto(p, f));
        QCOMPARE(celdas.veredicto->text(), QStringLiteral("Tubo válido"));
    }
    // Spot checks against the values an engineer reads for this section.
    QCOMPARE(pantalla.fila(Fila::TensionClave).corto->text(), QStringLiteral("14,85"));
    QCOMPARE(pantalla.fila(Fila::TensionClave).largo->text(), QStringLiteral("10,46"));
    QCOMPARE(pantalla.fila(Fila::Deformacion).requerido->text(), QStringLiteral("6,0"));
    QCOMPARE(pantalla.fila(Fila::Deformacion).largo->text(), QStringLiteral("1,07"));
    QCOMPARE(pantalla.conclusion()->text(), QStringLiteral("TUBO VÁLIDO"));
    QVERIFY(pantalla.conclusion()->font().bold());
    QVERIFY(pantalla.conclusion()->font().pointSizeF() > pantalla.font().pointSizeF());
}

void VerificacionTest::el_largo_plazo_decide_las_filas_de_tension() {
    Banco banco(kLargoPlazo);
    // A short-term strength far too low: the long-term comparison still decides.
    banco.p.Rotura_Flexotraccion = 1.0;
    {
        Verificacion_1 pantalla(banco.contexto);
        const auto& clave = pantalla.fila(Fila::TensionClave);
        QVERIFY(banco.p.Coef_Clave < banco.p.Seguridad_Requerida[Fila::TensionClave]);
        QCOMPARE(clave.corto->text(), calculado(banco.p.Coef_Clave));
        QCOMPARE(clave.veredicto->text(), QStringLiteral("Tubo válido"));
        QCOMPARE(pantalla.conclusion()->text(), QStringLiteral("TUBO VÁLIDO"));
    }
    banco.p.Rotura_Flexotraccion_LP = 1.0;
    Verificacion_1 pantalla(banco.contexto);
    QCOMPARE(pantalla.fila(Fila::TensionRinones).veredicto->text(),
             QStringLiteral("Tubo NO válido"));
    QCOMPARE(pantalla.conclusion()->text(), QStringLiteral("TUBO NO VÁLIDO"));
}

void VerificacionTest::sin_freatico_la_fila_del_agua_no_procede() {
    Banco banco(kLargoPlazo, [](Proyecto& p) { p.Nivel_Freatico = 0; });
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    const Proyecto& p = banco.p;
    const auto& agua = pantalla.fila(Fila::EstabilidadAgua);
    // Without water the row does not apply: not failed, and "No procede" instead of numbers.
    QCOMPARE(p.Tubo_No_Valido[Fila::EstabilidadAgua], std::int16_t{0});
    QVERIFY(agua.corto->isVisible());
    QCOMPARE(agua.corto->text(), QStringLiteral("No procede"));
    QVERIFY(!agua.requerido->isVisible());
    QVERIFY(!agua.largo->isVisible());
    QVERIFY(!agua.veredicto->isVisible());
    for (const Fila f :
         {Fila::EstabilidadTierras, Fila::EstabilidadSimultanea, Fila::Deformacion}) {
        QVERIFY(pantalla.fila(f).veredicto->isVisible());
        QCOMPARE(pantalla.fila(f).veredicto->text(), veredicto(p, f));
    }
    // Without water the simultaneous factor is the soil one.
    QCOMPARE(pantalla.fila(Fila::EstabilidadSimultanea).corto->text(),
             pantalla.fila(Fila::EstabilidadTierras).corto->text());
    QCOMPARE(pantalla.conclusion()->text(), QStringLiteral("TUBO VÁLIDO"));
}

void VerificacionTest::seccion_rigida_solo_muestra_las_tensiones() {
    Banco banco(kRigido);
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    const Proyecto& p = banco.p;
    for (const Fila f : {Fila::TensionClave, Fila::TensionRinones, Fila::TensionBase}) {
        const auto& celdas = pantalla.fila(f);
        QVERIFY(celdas.requerido->isVisible());
        QVERIFY(celdas.corto->isVisible());
        QVERIFY(!celdas.largo->isVisible());
        QCOMPARE(celdas.requerido->text(), requerido(p.Seguridad_Requerida[f]));
        QCOMPARE(celdas.corto->text(), calculado(coeficientes(p, f).first));
        QCOMPARE(celdas.veredicto->text(), veredicto(p, f));
    }
    QCOMPARE(pantalla.fila(Fila::TensionRinones).corto->text(), QStringLiteral("7,75"));
    for (const Fila f : {Fila::EstabilidadTierras, Fila::EstabilidadAgua,
                         Fila::EstabilidadSimultanea, Fila::Deformacion}) {
        const auto& celdas = pantalla.fila(f);
        for (const QLabel* celda : {celdas.requerido, celdas.corto, celdas.largo, celdas.veredicto})
            QVERIFY(!celda->isVisible());
    }
    int largoVisibles = 0;
    for (const QLabel* etiqueta : pantalla.findChildren<QLabel*>())
        if (etiqueta->text().contains(QStringLiteral("Largo Plazo")) && etiqueta->isVisible())
            ++largoVisibles;
    QCOMPARE(largoVisibles, 0);
    QCOMPARE(pantalla.conclusion()->text(), QStringLiteral("TUBO VÁLIDO"));
}

void VerificacionTest::tubo_no_valido() {
    Banco banco(kNoValido);
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    for (const Fila f : kFilasVerificacion) {
        QCOMPARE(pantalla.fila(f).veredicto->text(), QStringLiteral("Tubo NO válido"));
        QCOMPARE(pantalla.fila(f).corto->text(), calculado(coeficientes(banco.p, f).first));
    }
    // No creep: the stress rows have no long-term value, the stability rows do.
    QVERIFY(!pantalla.fila(Fila::TensionClave).largo->isVisible());
    QVERIFY(pantalla.fila(Fila::EstabilidadTierras).largo->isVisible());
    QCOMPARE(pantalla.fila(Fila::EstabilidadTierras).largo->text(), QStringLiteral("0,71"));
    QCOMPARE(pantalla.conclusion()->text(), QStringLiteral("TUBO NO VÁLIDO"));
}

void VerificacionTest::los_textos_de_la_pantalla() {
    Banco banco(kLargoPlazo);
    Verificacion_1 pantalla(banco.contexto);
    QStringList titulos;
    for (const QGroupBox* grupo : pantalla.findChildren<QGroupBox*>())
        titulos << grupo->title();
    QCOMPARE(titulos, (QStringList{QStringLiteral("Verificación de la tensión"),
                                   QStringLiteral("Verificación de la estabilidad"),
                                   QStringLiteral("Verificación de la deformación")}));
    QStringList textos;
    for (const QLabel* etiqueta : pantalla.findChildren<QLabel*>())
        textos << etiqueta->text();
    for (const char* esperado :
         {"Clave", "Riñones", "Base", "Carga de tierras", "Presión del agua externa",
          "Carga de tierras y presión del agua externa actuando simultáneamente",
          "Acortamiento relativo a largo plazo", "<b>Valor admisible</b>",
          "<b>Valor calculado</b>"}) {
        QVERIFY2(textos.contains(QString::fromUtf8(esperado)), esperado);
    }
    QCOMPARE(textos.count(QStringLiteral("<b>Seguridad requerida</b>")), 2);
    QCOMPARE(textos.count(QStringLiteral("<b>Coeficiente de seguridad calculado</b>")), 2);
    QCOMPARE(textos.count(QStringLiteral("<b>Corto Plazo</b>")), 3);
}

void VerificacionTest::la_barra_de_botones() {
    Banco banco(kLargoPlazo);
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    QVERIFY(!pantalla.barra()->siguiente()->isVisible());
    QCOMPARE(pantalla.barra()->atras()->text(), QStringLiteral("Cerrar"));
    QVERIFY(pantalla.guardar()->isEnabled());
    QCOMPARE(pantalla.guardar()->text(), QStringLiteral("Guardar"));
    for (const auto& [nombre, texto] :
         {std::pair{"Imprimir", "Imprimir"}, std::pair{"Command1", "Imágenes de página"},
          std::pair{"ExportarPdf", "Exportar PDF"}}) {
        const auto* boton = pantalla.findChild<QPushButton*>(QString::fromUtf8(nombre));
        QVERIFY2(boton, nombre);
        QCOMPARE(boton->text(), QString::fromUtf8(texto));
        QVERIFY(boton->isVisible());
        QVERIFY(boton->isEnabled());
    }
    QTest::mouseClick(pantalla.barra()->atras(), Qt::LeftButton);
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
}

void VerificacionTest::guardar_cancelado_no_escribe_nada() {
    test::TempDir dir;
    Banco banco(kLargoPlazo);
    banco.p.Fichero = utf8(dir / "previo.tbx");
    banco.respuestaDialogo = std::nullopt;
    test::Contestador contestador;
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    QTest::mouseClick(pantalla.guardar(), Qt::LeftButton);
    QCOMPARE(banco.presets, std::vector<std::string>{utf8(dir / "previo.tbx")});
    QVERIFY(pantalla.isVisible());
    QVERIFY(contestador.vistos().empty());
    QCOMPARE(banco.p.Codigo_Navegacion, std::int16_t{0});
    QCOMPARE(banco.p.Fichero, utf8(dir / "previo.tbx"));
    QVERIFY(fs::is_empty(dir.path()));
}

void VerificacionTest::guardar_en_una_carpeta_que_no_existe() {
    test::TempDir dir;
    Banco banco(kLargoPlazo);
    banco.respuestaDialogo = utf8(dir / "no_existe" / "obra");
    test::Contestador contestador;
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    QTest::mouseClick(pantalla.guardar(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    const auto& error = contestador.vistos().front();
    QCOMPARE(error.icono, QMessageBox::Critical);
    QCOMPARE(error.titulo, QStringLiteral("Aviso"));
    const auto esperado = Guarda_Proyecto(banco.p, dir / "no_existe" / "obra.tbx");
    QVERIFY(!esperado);
    QCOMPARE(error.texto, QString::fromStdString(esperado.error().mensaje));
    QVERIFY(pantalla.isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, std::int16_t{0});
    QVERIFY(banco.p.Fichero.empty());
    QVERIFY(!fs::exists(dir / "no_existe"));
}

void VerificacionTest::guardar_sobre_un_fichero_de_solo_lectura() {
    test::TempDir dir;
    const fs::path fichero = dir / "obra.tbx";
    escribeTodo(fichero, "contenido anterior");
    fs::permissions(fichero, fs::perms::owner_read | fs::perms::group_read);
    Banco banco(kLargoPlazo);
    banco.respuestaDialogo = utf8(fichero);
    test::Contestador contestador;
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    QTest::mouseClick(pantalla.guardar(), Qt::LeftButton);
    // The dialog's own name: no further question, only the error.
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().icono, QMessageBox::Critical);
    QVERIFY(contestador.vistos().front().texto.contains(QStringLiteral("solo lectura")));
    QCOMPARE(leeTodo(fichero), std::string("contenido anterior"));
    QVERIFY(pantalla.isVisible());
    QVERIFY(banco.p.Fichero.empty());
    QCOMPARE(banco.p.Codigo_Navegacion, std::int16_t{0});
}

void VerificacionTest::guardar_escribe_el_proyecto_y_termina() {
    test::TempDir dir;
    Banco banco(kLargoPlazo);
    banco.respuestaDialogo = utf8(dir / "proyecto");
    test::Contestador contestador;
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();
    QTest::mouseClick(pantalla.guardar(), Qt::LeftButton);
    QVERIFY(contestador.vistos().empty());
    const fs::path escrito = dir / "proyecto.tbx";
    QVERIFY(fs::exists(escrito));
    QCOMPARE(fs::file_size(escrito), std::uintmax_t{7552});
    QVERIFY(leeTodo(escrito) == Codifica_Proyecto(banco.p));
    QCOMPARE(banco.p.Fichero, utf8(escrito));
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(pantalla.result(), int(QDialog::Accepted));
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionSiguiente);
    // Nothing else is left in the folder.
    QCOMPARE(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    // A name that already ends in the extension, in capitals, is kept as chosen.
    Banco otro(kRigido);
    otro.respuestaDialogo = utf8(dir / "OBRA.TBX");
    Verificacion_1 segunda(otro.contexto);
    segunda.show();
    QTest::mouseClick(segunda.guardar(), Qt::LeftButton);
    QVERIFY(fs::exists(dir / "OBRA.TBX"));
    QCOMPARE(otro.p.Fichero, utf8(dir / "OBRA.TBX"));
    QVERIFY(leeTodo(dir / "OBRA.TBX") == Codifica_Proyecto(otro.p));

    // A project text the file cannot hold whole is saved, and the user is told what it kept.
    Banco largo(kRigido, [](Proyecto& p) { p.Texto_Proyecto = std::string(130, 'x'); });
    largo.respuestaDialogo = utf8(dir / "largo.tbx");
    Verificacion_1 tercera(largo.contexto);
    tercera.show();
    QTest::mouseClick(tercera.guardar(), Qt::LeftButton);
    QVERIFY(fs::exists(dir / "largo.tbx"));
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QVERIFY(contestador.vistos().front().texto.contains(
        QStringLiteral("Texto_Proyecto cambia al guardarlo: se guardan sus 126 primeros")));
    QVERIFY(!tercera.isVisible());
}

void VerificacionTest::guardar_pregunta_si_la_extension_lleva_a_un_fichero_existente() {
    test::TempDir dir;
    const fs::path fichero = dir / "obra.tbx";
    escribeTodo(fichero, "contenido anterior");
    Banco banco(kLargoPlazo);
    banco.respuestaDialogo = utf8(dir / "obra");
    test::Contestador contestador;
    Verificacion_1 pantalla(banco.contexto);
    pantalla.show();

    contestador.respuestas({QMessageBox::Cancel});
    QTest::mouseClick(pantalla.guardar(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{1});
    QCOMPARE(contestador.vistos().front().titulo, QStringLiteral("Aviso"));
    QVERIFY(contestador.vistos().front().texto.contains(QStringLiteral("obra.tbx")));
    QCOMPARE(leeTodo(fichero), std::string("contenido anterior"));
    QVERIFY(pantalla.isVisible());
    QVERIFY(banco.p.Fichero.empty());

    contestador.respuestas({QMessageBox::Ok});
    QTest::mouseClick(pantalla.guardar(), Qt::LeftButton);
    QCOMPARE(contestador.vistos().size(), std::size_t{2});
    QVERIFY(leeTodo(fichero) == Codifica_Proyecto(banco.p));
    QVERIFY(!pantalla.isVisible());
    QCOMPARE(banco.p.Fichero, utf8(fichero));
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionSiguiente);
}

void VerificacionTest::calculo_rechazado_avisa_sin_numeros() {
    Banco banco(kLargoPlazo);
    banco.p.Sigma_Clave = 0; // division by zero in the crown's factor
    const auto antes = banco.p.Tubo_No_Valido;
    test::Contestador contestador;
    auto pantalla = std::make_unique<Verificacion_1>(banco.contexto);
    QVERIFY(contestador.vistos().empty());
    pantalla->show();
    QTRY_COMPARE(contestador.vistos().size(), std::size_t{1});
    Proyecto copia = banco.p;
    const auto esperado = Calcula_Verificacion(copia);
    QVERIFY(!esperado);
    QCOMPARE(contestador.vistos().front().texto, QString::fromStdString(esperado.error().mensaje));
    QVERIFY(banco.p.Tubo_No_Valido == antes);
    for (const Fila f : kFilasVerificacion) {
        const auto& celdas = pantalla->fila(f);
        for (const QLabel* celda : {celdas.requerido, celdas.corto, celdas.largo, celdas.veredicto})
            QVERIFY(!celda->isVisible());
    }
    QVERIFY(!pantalla->conclusion()->isVisible());
    // Asking for the report repeats the refusal and says that none was made.
    QTest::mouseClick(pantalla->findChild<QPushButton*>(QStringLiteral("ExportarPdf")),
                      Qt::LeftButton);
    QTRY_COMPARE(contestador.vistos().size(), std::size_t{2});
    QCOMPARE(contestador.vistos().back().texto,
             QString::fromStdString(esperado.error().mensaje) +
                 QStringLiteral("\nNo se ha generado el informe."));
    QTest::mouseClick(pantalla->barra()->atras(), Qt::LeftButton);
    QVERIFY(!pantalla->isVisible());
    QCOMPARE(banco.p.Codigo_Navegacion, kNavegacionAtras);
}

QTEST_MAIN(VerificacionTest)
#include "verificacion_test.moc"
