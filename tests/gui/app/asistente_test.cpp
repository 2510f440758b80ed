#include "app/asistente.h"
#include "model/fichero_proyecto.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"

#include <deque>
#include <map>

#include <QTemporaryDir>
#include <QTest>

using namespace tubrix;
using tubrix::gui::Asistente;

namespace {

// A scripted user: for each screen shown it answers with the next navigation code of its
// script for that screen (or "next" when the script is empty) and records what was shown.
struct Guion {
    Proyecto proyecto;
    std::vector<Pantalla> mostradas;
    std::map<Pantalla, std::deque<std::int16_t>> respuestas;
    std::deque<bool> nuevaSeccion;
    std::deque<std::optional<std::string>> ficheros;
    std::vector<std::string> errores;
    std::vector<int> flechas;
    std::deque<bool> confirmaciones;                      // answers to "save the changes?"
    std::vector<std::pair<Pantalla, std::string>> avisos; // screens shown with a message
    std::function<std::optional<Parada>(int, Pantalla)> hastaVerificacion;
    int preguntas = 0;
    int dialogos = 0;

    Asistente::Acciones acciones() {
        Asistente::Acciones a;
        a.muestraPantalla = [this](Pantalla pantalla) {
            mostradas.push_back(pantalla);
            auto& cola = respuestas[pantalla];
            std::int16_t codigo = kNavegacionSiguiente;
            if (!cola.empty()) {
                codigo = cola.front();
                cola.pop_front();
            }
            proyecto.Codigo_Navegacion = codigo;
        };
        a.preguntaNuevaSeccion = [this] {
            ++preguntas;
            const bool si = nuevaSeccion.empty() ? false : nuevaSeccion.front();
            if (!nuevaSeccion.empty())
                nuevaSeccion.pop_front();
            return si;
        };
        a.pideFicheroAbrir = [this](const std::string&) {
            ++dialogos;
            std::optional<std::string> f;
            if (!ficheros.empty()) {
                f = ficheros.front();
                ficheros.pop_front();
            }
            return f;
        };
        a.muestraError = [this](const std::string& m) {
            errores.push_back(m);
        };
        a.ponFlecha = [this](int linea) {
            flechas.push_back(linea);
        };
        a.confirmaCambios = [this] {
            const bool sigue = confirmaciones.empty() || confirmaciones.front();
            if (!confirmaciones.empty())
                confirmaciones.pop_front();
            return sigue;
        };
        a.calculaHastaVerificacion = hastaVerificacion;
        a.muestraPantallaConAviso = [this, muestra = a.muestraPantalla](Pantalla pantalla,
                                                                        const std::string& aviso) {
            avisos.emplace_back(pantalla, aviso);
            muestra(pantalla);
        };
        return a;
    }

    void ejecuta(Asistente::Ruta ruta, std::optional<std::string> fichero = std::nullopt) {
        Asistente(proyecto, acciones()).ejecuta(ruta, std::move(fichero));
    }
};

// A project file in the folder, holding a new section with that cover height.
std::string ficheroConH(const QTemporaryDir& dir, const char* nombre, double h) {
    Proyecto guardado;
    Inicializa_Proyecto(guardado, "01-02-2026");
    guardado.H = h;
    const std::string fichero = dir.filePath(QString::fromUtf8(nombre)).toStdString();
    if (!Guarda_Proyecto(guardado, fichero))
        qFatal("cannot write %s", fichero.c_str());
    return fichero;
}

void flexibleSinLargoPlazo(Proyecto& p) {
    p.Norma = 2;
    p.Largo_Plazo = 0;
    p.Indicador_Deformacion_A = 0;
    p.Indicador_Deformacion_B = 0;
}

} // namespace

class AsistenteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void forwardPassWithoutLongTermOrDeformationSkipsTheirScreens() {
        Guion g;
        flexibleSinLargoPlazo(g.proyecto);
        g.nuevaSeccion = {false};
        g.ejecuta(Asistente::Ruta::NuevaSeccion);
        const std::vector<Pantalla> esperadas = {Pantalla::Datos_Tubos,
                                                 Pantalla::Seguridad_ATV,
                                                 Pantalla::Datos_Zanja,
                                                 Pantalla::Freatico,
                                                 Pantalla::Datos_Apoyo,
                                                 Pantalla::Datos_Suelos,
                                                 Pantalla::Datos_Suelos_2,
                                                 Pantalla::Sobrecargas,
                                                 Pantalla::Calculo_Cargas,
                                                 Pantalla::Distribucion_Cargas_Tensiones,
                                                 Pantalla::Distribucion_Cargas_2_Tensiones,
                                                 Pantalla::Cargas_Calculo_Tensiones,
                                                 Pantalla::Esfuerzos_Corto,
                                                 Pantalla::Tensiones,
                                                 Pantalla::Estabilidad,
                                                 Pantalla::Verificacion_1};
        QVERIFY(g.mostradas == esperadas);
        QCOMPARE(g.proyecto.Paso, std::int16_t(0));
        QCOMPARE(g.proyecto.Codigo_Navegacion, kNavegacionAbandonar);
        QCOMPARE(g.flechas.front(), 0); // hidden at step 0
        QCOMPARE(g.flechas.back(), 9);  // stays on the last line
    }

    void longTermScreensFollowOnlyGoingForward() {
        Guion g;
        flexibleSinLargoPlazo(g.proyecto);
        g.proyecto.Largo_Plazo = 1;
        g.proyecto.Indicador_Deformacion_A = 1;
        g.nuevaSeccion = {false};
        // From the deformation screen of step 11 go back once.
        g.respuestas[Pantalla::Distribucion_Cargas_Deformaciones] = {kNavegacionAtras};
        // From the long-term companion of step 12 go back: the wizard returns to step 11.
        g.respuestas[Pantalla::Distribucion_Cargas_2_Tensiones_Largo] = {kNavegacionAtras};
        g.respuestas[Pantalla::Verificacion_1] = {kNavegacionAbandonar};
        g.ejecuta(Asistente::Ruta::NuevaSeccion);
        const auto desde =
            std::find(g.mostradas.begin(), g.mostradas.end(), Pantalla::Calculo_Cargas);
        const std::vector<Pantalla> tramo(desde, desde + 12);
        // Going back lands on the first screen of the step; its companion follows again only
        // when that screen is left going forward.
        const std::vector<Pantalla> esperadas = {
            Pantalla::Calculo_Cargas,
            Pantalla::Distribucion_Cargas_Tensiones,
            Pantalla::Distribucion_Cargas_Tensiones_Largo,
            Pantalla::Distribucion_Cargas_Deformaciones, // back
            Pantalla::Distribucion_Cargas_Tensiones,
            Pantalla::Distribucion_Cargas_Tensiones_Largo,
            Pantalla::Distribucion_Cargas_Deformaciones,
            Pantalla::Distribucion_Cargas_2_Tensiones,
            Pantalla::Distribucion_Cargas_2_Tensiones_Largo, // back
            Pantalla::Distribucion_Cargas_Deformaciones,
            Pantalla::Distribucion_Cargas_2_Tensiones,
            Pantalla::Distribucion_Cargas_2_Tensiones_Largo};
        QVERIFY(tramo == esperadas);
    }

    void backFromTheLongTermCompanionReturnsToTheStepBefore() {
        Guion g;
        flexibleSinLargoPlazo(g.proyecto);
        g.proyecto.Largo_Plazo = 1;
        g.nuevaSeccion = {false};
        g.respuestas[Pantalla::Distribucion_Cargas_Tensiones_Largo] = {kNavegacionAtras};
        g.respuestas[Pantalla::Calculo_Cargas] = {kNavegacionSiguiente, kNavegacionAbandonar};
        g.ejecuta(Asistente::Ruta::NuevaSeccion);
        QCOMPARE(g.mostradas.back(), Pantalla::Calculo_Cargas);
        QCOMPARE(g.mostradas[g.mostradas.size() - 2],
                 Pantalla::Distribucion_Cargas_Tensiones_Largo);
    }

    void backFromThePipeScreenAsksAgainThenEnds() {
        Guion g;
        g.proyecto.Codigo_Material = 6;
        g.nuevaSeccion = {false, true};
        g.respuestas[Pantalla::Datos_Tubos] = {kNavegacionAtras};
        g.ejecuta(Asistente::Ruta::NuevaSeccion);
        QCOMPARE(g.preguntas, 2);
        QCOMPARE(g.mostradas.size(), std::size_t(1));
        QCOMPARE(g.proyecto.Codigo_Material, std::int16_t(11)); // "Yes" reset the record
        QCOMPARE(g.proyecto.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void abandoningKeepsTheRecordAsTheScreensLeftIt() {
        Guion g;
        g.proyecto.H = 3;
        g.nuevaSeccion = {false};
        g.respuestas[Pantalla::Freatico] = {kNavegacionAbandonar};
        g.ejecuta(Asistente::Ruta::NuevaSeccion);
        QCOMPARE(g.mostradas.back(), Pantalla::Freatico);
        QCOMPARE(g.proyecto.H, 3.0);
        QCOMPARE(g.proyecto.Paso, std::int16_t(0));
    }

    void openPathCancelledEndsWithoutMessage() {
        Guion g;
        g.ficheros = {std::nullopt};
        g.ejecuta(Asistente::Ruta::AbrirProyecto);
        QVERIFY(g.mostradas.empty());
        QVERIFY(g.errores.empty());
        QCOMPARE(g.proyecto.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void openPathReadsTheFileWithTheExtensionRule() {
        QTemporaryDir dir;
        Proyecto guardado;
        Inicializa_Proyecto(guardado, "01-02-2026");
        guardado.H = 4.5;
        QVERIFY(Guarda_Proyecto(guardado, dir.filePath(QStringLiteral("obra.tbx")).toStdString()));
        Guion g;
        g.ficheros = {dir.filePath(QStringLiteral("obra")).toStdString()};
        g.respuestas[Pantalla::Datos_Tubos] = {kNavegacionAbandonar};
        g.ejecuta(Asistente::Ruta::AbrirProyecto);
        QCOMPARE(g.proyecto.H, 4.5);
        QCOMPARE(QString::fromStdString(g.proyecto.Fichero),
                 dir.filePath(QStringLiteral("obra.tbx")));
        QCOMPARE(g.mostradas.size(), std::size_t(1));
    }

    // A name that names no file (the command line, or a name the extension rule changed) is
    // told and ends the wizard: it is never taken for a new section.
    void openPathWithAMissingFileSaysSoAndEnds() {
        QTemporaryDir dir;
        Guion g;
        g.proyecto.H = 2;
        const std::string falta = dir.filePath(QStringLiteral("no_existe.tbx")).toStdString();
        g.ejecuta(Asistente::Ruta::AbrirProyecto, falta);
        QCOMPARE(g.proyecto.H, 2.0);
        QVERIFY(g.mostradas.empty());
        QCOMPARE(g.errores.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(g.errores[0]),
                 QStringLiteral("No se puede leer el fichero \"%1\": no existe.")
                     .arg(QString::fromStdString(falta)));
        QCOMPARE(g.proyecto.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void openPathWithADamagedFileShowsTheReasonAndEnds() {
        QTemporaryDir dir;
        QFile malo(dir.filePath(QStringLiteral("malo.tbx")));
        QVERIFY(malo.open(QIODevice::WriteOnly));
        malo.write("no es un proyecto");
        malo.close();
        Guion g;
        g.ficheros = {malo.fileName().toStdString()};
        g.ejecuta(Asistente::Ruta::AbrirProyecto);
        QCOMPARE(g.errores.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(g.errores[0])
                    .contains(QStringLiteral("no es un proyecto válido")));
        QVERIFY(g.mostradas.empty());
        QCOMPARE(g.proyecto.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void backFromThePipeScreenInTheOpenPathShowsTheDialogAgain() {
        QTemporaryDir dir;
        Guion g;
        g.ficheros = {ficheroConH(dir, "uno.tbx", 1.5), ficheroConH(dir, "dos.tbx", 2.5)};
        g.respuestas[Pantalla::Datos_Tubos] = {kNavegacionAtras};
        g.ejecuta(Asistente::Ruta::AbrirProyecto);
        QCOMPARE(g.dialogos, 2);
        QCOMPARE(g.proyecto.Fichero, dir.filePath(QStringLiteral("dos.tbx")).toStdString());
        QCOMPARE(g.proyecto.H, 2.5);
        QCOMPARE(g.proyecto.Codigo_Navegacion, kNavegacionAbandonar);
    }

    void aProjectGivenOnTheCommandLineSkipsTheFirstDialog() {
        QTemporaryDir dir;
        const std::string obra = ficheroConH(dir, "obra.tbx", 3.25);
        Guion g;
        g.respuestas[Pantalla::Datos_Tubos] = {kNavegacionAbandonar};
        g.ejecuta(Asistente::Ruta::AbrirProyecto, obra);
        QCOMPARE(g.dialogos, 0);
        QCOMPARE(g.proyecto.Fichero, obra);
        QCOMPARE(g.proyecto.H, 3.25);
    }

    // "Save the changes?" answered Cancel: the record is neither reset nor replaced, and the
    // wizard ends before any screen.
    void cancellingTheUnsavedChangesQuestionKeepsTheRecord() {
        QTemporaryDir dir;
        Guion g;
        g.proyecto.H = 7;
        g.nuevaSeccion = {true};
        g.confirmaciones = {false, false};
        g.ejecuta(Asistente::Ruta::NuevaSeccion);
        g.ficheros = {ficheroConH(dir, "otra.tbx", 1)};
        g.ejecuta(Asistente::Ruta::AbrirProyecto);
        QCOMPARE(g.proyecto.H, 7.0);
        QCOMPARE(g.dialogos, 0);
        QVERIFY(g.mostradas.empty());
    }

    // "Ir a la verificación" on the pipe screen: the engine's pass leaves exactly the record the
    // whole forward pass leaves, the verification comes next, and "back" goes to step 19.
    void goingToTheVerificationRunsTheForwardPassAndBackWorksFromThere() {
        Guion g;
        g.proyecto = test::cargaSeccion(std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                        "prfv-largo-plazo-zanja-terraplenada-freatico.json");
        Proyecto esperado = g.proyecto;
        QVERIFY(!Calcula_Seccion(esperado, test::catalogoDelPrograma()));
        g.hastaVerificacion = [&g](int paso, Pantalla aceptada) {
            return Calcula_Hasta_Verificacion(g.proyecto, test::catalogoDelPrograma(), paso,
                                              aceptada);
        };
        g.nuevaSeccion = {false};
        g.respuestas[Pantalla::Datos_Tubos] = {kNavegacionVerificacion};
        g.respuestas[Pantalla::Verificacion_1] = {kNavegacionAtras};
        g.respuestas[Pantalla::Estabilidad] = {kNavegacionAbandonar};
        Asistente::Acciones a = g.acciones();
        // What the real screens do: the pipe screen's accept work before the jump, the
        // verification's calculation when it opens.
        a.muestraPantalla = [&g, muestra = a.muestraPantalla](Pantalla pantalla) {
            if (pantalla == Pantalla::Datos_Tubos || pantalla == Pantalla::Verificacion_1)
                Ejecuta_Pantalla(pantalla, g.proyecto, test::catalogoDelPrograma());
            muestra(pantalla);
        };
        Asistente(g.proyecto, a).ejecuta(Asistente::Ruta::NuevaSeccion);
        const std::vector<Pantalla> esperadas = {Pantalla::Datos_Tubos, Pantalla::Verificacion_1,
                                                 Pantalla::Estabilidad};
        QVERIFY(g.mostradas == esperadas);
        esperado.Paso = g.proyecto.Paso;
        esperado.Codigo_Navegacion = g.proyecto.Codigo_Navegacion;
        QVERIFY(g.proyecto == esperado);
    }

    // A pass stopped by a refusal opens that screen with its message.
    void goingToTheVerificationStopsAtTheScreenThatRefuses() {
        Guion g;
        g.nuevaSeccion = {false};
        g.hastaVerificacion = [](int, Pantalla) {
            return std::optional<Parada>(Parada{4, Pantalla::Freatico, "Hf fuera de rango"});
        };
        g.respuestas[Pantalla::Datos_Zanja] = {kNavegacionVerificacion};
        g.respuestas[Pantalla::Freatico] = {kNavegacionAbandonar};
        g.ejecuta(Asistente::Ruta::NuevaSeccion);
        QCOMPARE(g.mostradas.back(), Pantalla::Freatico);
        QCOMPARE(g.avisos.size(), std::size_t(1));
        QCOMPARE(g.avisos[0].first, Pantalla::Freatico);
        QCOMPARE(g.avisos[0].second, std::string("Hf fuera de rango"));
        QCOMPARE(g.flechas.back(), Linea_Del_Paso(4));
    }
};

QTEST_GUILESS_MAIN(AsistenteTest)
#include "asistente_test.moc"
