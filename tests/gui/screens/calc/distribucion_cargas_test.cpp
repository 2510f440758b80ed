#include "calc/distribucion_cargas.h"
#include "calc/distribucion_cargas_2.h"
#include "chain/calcula_seccion.h"
#include "screens/fabrica.h"
#include "support/catalogo_prueba.h"
#include "support/contestador.h"
#include "support/secciones.h"
#include "ui/barra_botones.h"
#include "ui/calculadora.h"
#include "ui/pantalla_base.h"
#include "ui/rejilla.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tubrix;
using tubrix::gui::qs;

namespace {

struct Entorno {
    Proyecto p;
    gui::Calculadora calculadora{p};
    gui::Contexto contexto{p, test::catalogoDelPrograma(), calculadora, Separadores::espanol()};
    bool alcanzada = false; // the forward pass shows the screen for this section
};

std::filesystem::path seccion(const char* nombre) {
    return std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre;
}

// A section after the forward pass of every screen before `objetivo` (screens are declared in
// wizard order), whether or not the pass would show `objetivo` itself.
std::unique_ptr<Entorno> antesDe(const std::filesystem::path& fichero, Pantalla objetivo) {
    auto e = std::make_unique<Entorno>();
    e->p = test::cargaSeccion(fichero);
    for (int paso = kPrimerPaso; paso <= kUltimoPaso; ++paso) {
        const auto pantallas = Pantallas_Del_Paso(paso, e->p);
        for (const auto& pantalla : {pantallas.primera, pantallas.largoPlazo}) {
            if (!pantalla)
                continue;
            if (*pantalla >= objetivo) {
                e->alcanzada = *pantalla == objetivo;
                return e;
            }
            if (const auto rechazo = Ejecuta_Pantalla(*pantalla, e->p, e->contexto.catalogo))
                throw std::runtime_error(*rechazo);
        }
    }
    return e;
}

struct Miembro {
    Pantalla pantalla;
    Resultado<void> (*calcula)(Proyecto&);
    const char* titulo;
    int columnas;
    bool rigidez; // stiffness family, else concentration
    // The stiffness calculation a concentration screen continues.
    Resultado<void> (*previo)(Proyecto&) = nullptr;
};

const std::vector<Miembro>& miembros() {
    static const std::vector<Miembro> m = {
        {Pantalla::Distribucion_Cargas_Tensiones, Calcula_Distribucion_Cargas_Tensiones,
         "Distribución de cargas (Tensiones)", 1, true},
        {Pantalla::Distribucion_Cargas_Tensiones_Largo, Calcula_Distribucion_Cargas_Tensiones_Largo,
         "Distribución de cargas largo plazo (Tensiones)", 1, true},
        {Pantalla::Distribucion_Cargas_Deformaciones, Calcula_Distribucion_Cargas_Deformaciones,
         "Distribución de cargas (Deformaciones)", 2, true},
        {Pantalla::Distribucion_Cargas_2_Tensiones, Calcula_Distribucion_Cargas_2_Tensiones,
         "Distribución de cargas tensiones (continuación)", 1, false,
         Calcula_Distribucion_Cargas_Tensiones},
        {Pantalla::Distribucion_Cargas_2_Tensiones_Largo,
         Calcula_Distribucion_Cargas_2_Tensiones_Largo,
         "Distribución de cargas tensiones largo plazo (continuación)", 1, false,
         Calcula_Distribucion_Cargas_Tensiones_Largo},
        {Pantalla::Distribucion_Cargas_2_Deformaciones, Calcula_Distribucion_Cargas_2_Deformaciones,
         "Distribución de cargas deformaciones (continuación)", 2, false,
         Calcula_Distribucion_Cargas_Deformaciones},
    };
    return m;
}

const Miembro& miembro(Pantalla pantalla) {
    for (const auto& m : miembros())
        if (m.pantalla == pantalla)
            return m;
    throw std::logic_error("not a load distribution screen");
}

QString fmt(double valor, const char* patron) {
    return qs(formatea(valor, patron, Separadores::espanol()));
}

QString bd(const Proyecto& q, const char* patron) {
    return q.Caso_Zanja == 2.0 ? QStringLiteral("Infinito") : fmt(q.Relacion_BD, patron);
}

using Celdas = std::vector<std::pair<QString, QString>>; // label name, expected text

// The deflection coefficients of the table, by bedding angle.
const std::map<double, std::array<double, 4>> kCoeficientes = {
    {60, {0.1026, -0.0658, -0.1053, 0.064}},
    {90, {0.0956, -0.0658, -0.0966, 0.064}},
    {120, {0.0891, -0.0658, -0.0893, 0.064}},
    {180, {0.0833, -0.0658, -0.0833, 0.064}}};

// What a stiffness column shows; `set` 0 short-term stresses, 1 long-term stresses,
// 2 deformations short term, 3 deformations long term.
Celdas rigidez(const Proyecto& q, int set, const QString& sufijo) {
    const double* v[4][10] = {
        {&q.E2_Corregido_Tensiones, &q.Sr_Tensiones, &q.Zeta_Tensiones, &q.SBH_Tensiones,
         &q.VRB_Tensiones, &q.K2_Lateral_Tensiones, &q.SBV_Tensiones, &q.K_Estrella_Tensiones,
         &q.Cv_Estrella_Tensiones, &q.Vs_Tensiones},
        {&q.E2_Corregido_Tensiones_LP, &q.Sr_Tensiones_LP, &q.Zeta_Tensiones_LP,
         &q.SBH_Tensiones_LP, &q.VRB_Tensiones_LP, &q.K2_Lateral_Tensiones_LP, &q.SBV_Tensiones_LP,
         &q.K_Estrella_Tensiones_LP, &q.Cv_Estrella_Tensiones_LP, &q.Vs_Tensiones_LP},
        {&q.E2_Corregido, &q.Sr, &q.Zeta, &q.SBH, &q.VRB, &q.K2_Lateral, &q.SBV, &q.K_Estrella,
         &q.Cv_Estrella, &q.Vs},
        {&q.E2_Corregido_LP, &q.Sr_LP, &q.Zeta_LP, &q.SBH_LP, &q.VRB_LP, &q.K2_Lateral_LP,
         &q.SBV_LP, &q.K_Estrella_LP, &q.Cv_Estrella_LP, &q.Vs_LP}};
    const char* nombres[10] = {"E2_Corregido", "Sr",  "Zeta",       "SBH",         "VRB",
                               "K2_Lateral",   "SBV", "K_Estrella", "Cv_Estrella", "Vs"};
    Celdas c;
    for (int i = 0; i < 10; ++i)
        c.push_back({nombres[i] + sufijo, fmt(*v[set][i], i == 5 ? "####0.0#" : "####0.0000")});
    c.push_back({"Relacion_BD" + sufijo, bd(q, "##0.0##")});
    c.push_back({"Alfa_Bi_Prima" + sufijo, fmt(q.Alfa_Bi_Prima, "##0.0##")});
    c.push_back({"Compactacion_2" + sufijo, fmt(q.Compactacion_2, "##0") + " %"});
    c.push_back({"Coeficiente_F" + sufijo, fmt(q.Coeficiente_F, "##0.0##")});
    // An angle without column (a refused calculation) shows nothing anyway.
    const auto columna = kCoeficientes.find(set < 2 ? q.Angulo_Apoyo : 180.0);
    const std::array<double, 4> tabla =
        columna != kCoeficientes.end() ? columna->second : std::array<double, 4>{};
    const char* coeficientes[4] = {"Ch1", "Ch2", "Cv1", "Cv2"};
    for (int i = 0; i < 4; ++i)
        c.push_back({coeficientes[i] + sufijo, fmt(tabla[static_cast<std::size_t>(i)], "#0.0000")});
    return c;
}

Celdas concentracion(const Proyecto& q, int set, const QString& sufijo) {
    const double* v[4][5] = {
        {&q.A_Prima_Tensiones, &q.Lambda_R_Tensiones, &q.Lambda_B_Tensiones, &q.Lambda_RG_Tensiones,
         &q.Lambda_Max_Tensiones},
        {&q.A_Prima_Tensiones_LP, &q.Lambda_R_Tensiones_LP, &q.Lambda_B_Tensiones_LP,
         &q.Lambda_RG_Tensiones_LP, &q.Lambda_Max_Tensiones_LP},
        {&q.A_Prima, &q.Lambda_R, &q.Lambda_B, &q.Lambda_RG, &q.Lambda_Max},
        {&q.A_Prima_LP, &q.Lambda_R_LP, &q.Lambda_B_LP, &q.Lambda_RG_LP, &q.Lambda_Max_LP}};
    return {{"Relacion_Proyeccion" + sufijo, fmt(q.Relacion_Proyeccion, "##0.0#")},
            {"A_Prima" + sufijo, fmt(*v[set][0], "#,##0.0#")},
            {"Lambda_R" + sufijo, fmt(*v[set][1], "#,##0.0000")},
            {"Lambda_B" + sufijo, fmt(*v[set][2], "#,##0.0000")},
            {"Relacion_BD" + sufijo, bd(q, "#,##0.0000")},
            {"Lambda_RG" + sufijo, fmt(*v[set][3], "#,##0.0000")},
            {"Lambda_Fo" + sufijo, fmt(q.Lambda_Fo, "###0.0000")},
            {"Lambda_Fu" + sufijo, fmt(q.Lambda_Fu, "###0.0000")},
            {"Lambda_Max" + sufijo, fmt(*v[set][4], "#,##0.0000")}};
}

// Every cell a screen shows for the record `q`.
Celdas celdas(const Miembro& m, const Proyecto& q) {
    const auto conjunto = [&](int set, const QString& sufijo) {
        return m.rigidez ? rigidez(q, set, sufijo) : concentracion(q, set, sufijo);
    };
    switch (m.pantalla) {
    case Pantalla::Distribucion_Cargas_Tensiones:
    case Pantalla::Distribucion_Cargas_2_Tensiones:
        return conjunto(0, {});
    case Pantalla::Distribucion_Cargas_Tensiones_Largo:
    case Pantalla::Distribucion_Cargas_2_Tensiones_Largo:
        return conjunto(1, {});
    default: {
        Celdas c = conjunto(2, QStringLiteral("_0"));
        const Celdas largo = conjunto(3, QStringLiteral("_1"));
        c.insert(c.end(), largo.begin(), largo.end());
        return c;
    }
    }
}

QString texto(const QWidget& w, const QString& nombre) {
    const auto* etiqueta = w.findChild<QLabel*>(nombre);
    return etiqueta ? etiqueta->text() : QStringLiteral("<missing %1>").arg(nombre);
}

QStringList textosDe(const QWidget& w) {
    QStringList textos;
    for (const auto* etiqueta : w.findChildren<QLabel*>())
        textos << etiqueta->text();
    for (const auto* grupo : w.findChildren<QGroupBox*>())
        textos << grupo->title();
    return textos;
}

std::unique_ptr<gui::PantallaBase> abre(Entorno& e, Pantalla pantalla) {
    return gui::creaPantalla(pantalla, e.contexto, nullptr);
}

} // namespace

class DistribucionCargasTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheEngineValuesOfEverySection_data() {
        QTest::addColumn<QString>("fichero");
        QTest::addColumn<int>("pantalla");
        for (const auto& f : test::seccionesDeEjemplo())
            for (const auto& m : miembros())
                if (antesDe(f, m.pantalla)->alcanzada)
                    QTest::addRow("%s %s", f.stem().string().c_str(),
                                  nombrePantalla(m.pantalla).data())
                        << QString::fromStdString(f.string()) << static_cast<int>(m.pantalla);
    }

    void showsTheEngineValuesOfEverySection() {
        QFETCH(QString, fichero);
        QFETCH(int, pantalla);
        const Miembro& m = miembro(static_cast<Pantalla>(pantalla));
        auto e = antesDe(fichero.toStdString(), m.pantalla);
        Proyecto esperado = e->p;
        QVERIFY(m.calcula(esperado));
        const auto dialogo = abre(*e, m.pantalla);
        // The screen stores what the engine computes and nothing else.
        QVERIFY(e->p == esperado);
        for (const auto& [nombre, valor] : celdas(m, esperado))
            QCOMPARE(texto(*dialogo, nombre), valor);

        QCOMPARE(dialogo->windowTitle(), QString::fromUtf8(m.titulo));
        QCOMPARE(dialogo->cajaNorma()->text(),
                 esperado.Norma == 1 ? QStringLiteral("Norma UNE") : QStringLiteral("Norma ATV"));
        const QStringList textos = textosDe(*dialogo);
        QCOMPARE(textos.filter(QStringLiteral("Largo Plazo")).isEmpty(), m.columnas == 1);
        QVERIFY(dialogo->barra()->siguiente()->isEnabled());
    }

    void anEmbankmentIsAnInfinitelyWideTrench() {
        const auto terraplen = seccion("fibrocemento-une-presion-terraplen-cuna-hormigon.json");
        const auto zanja = seccion("hormigon-atv-zanja-estrecha-ht60.json");
        for (const auto& m : miembros()) {
            for (const bool esTerraplen : {true, false}) {
                auto e = antesDe(esTerraplen ? terraplen : zanja, m.pantalla);
                QCOMPARE(e->p.Caso_Zanja, esTerraplen ? 2.0 : 1.0);
                // Screens the pass skips for this pipe still need their stiffness set.
                if (m.previo)
                    QVERIFY(m.previo(e->p));
                const auto dialogo = abre(*e, m.pantalla);
                const QString nombre = m.columnas == 2 ? QStringLiteral("Relacion_BD_1")
                                                       : QStringLiteral("Relacion_BD");
                QVERIFY2((texto(*dialogo, nombre) == QStringLiteral("Infinito")) == esTerraplen,
                         nombrePantalla(m.pantalla).data());
                QVERIFY(!texto(*dialogo, nombre).isEmpty());
            }
        }
    }

    void stressScreensTakeTheBeddingColumnDeformationsThe180One() {
        const auto f = seccion("hormigon-atv-zanja-estrecha-ht60.json");
        auto e = antesDe(f, Pantalla::Distribucion_Cargas_Tensiones);
        QCOMPARE(e->p.Angulo_Apoyo, 120.0);
        const auto tensiones = abre(*e, Pantalla::Distribucion_Cargas_Tensiones);
        QCOMPARE(texto(*tensiones, "Ch1"), QStringLiteral("0,0891"));
        QCOMPARE(texto(*tensiones, "Cv1"), QStringLiteral("-0,0893"));
        const auto deformaciones = abre(*e, Pantalla::Distribucion_Cargas_Deformaciones);
        for (const char* nombre : {"Ch1_0", "Ch1_1"})
            QCOMPARE(texto(*deformaciones, nombre), QStringLiteral("0,0833"));
        QCOMPARE(texto(*deformaciones, "Cv1_1"), QStringLiteral("-0,0833"));
    }

    void nextAndBackLeaveTheirCodes() {
        const auto f = seccion("pp-largo-plazo-ensayos-lt12.json");
        for (const auto& m : miembros()) {
            for (const bool siguiente : {true, false}) {
                auto e = antesDe(f, m.pantalla);
                QVERIFY(e->alcanzada);
                const auto dialogo = abre(*e, m.pantalla);
                dialogo->show();
                QTest::mouseClick(siguiente ? dialogo->barra()->siguiente()
                                            : dialogo->barra()->atras(),
                                  Qt::LeftButton);
                QCOMPARE(e->p.Codigo_Navegacion,
                         siguiente ? kNavegacionSiguiente : kNavegacionAtras);
                QVERIFY(!dialogo->isVisible());
            }
        }
    }

    void aRefusedCalculationShowsTheReasonAndNoNumber() {
        const auto f = seccion("pp-largo-plazo-ensayos-lt12.json");
        for (const auto& m : miembros()) {
            auto e = antesDe(f, m.pantalla);
            // An input the engine cannot work with: no coefficient column for the stresses,
            // no outer diameter for the deformations, no modulus E1 for the concentration.
            if (!m.rigidez)
                e->p.E1 = 0;
            else if (m.columnas == 1)
                e->p.Angulo_Apoyo = 45;
            else
                e->p.Diametro_Exterior = 0;
            Proyecto copia = e->p;
            const auto error = m.calcula(copia);
            QVERIFY(!error);
            const Proyecto antes = e->p;

            test::Contestador contestador;
            const auto dialogo = abre(*e, m.pantalla);
            dialogo->show();
            QTRY_COMPARE(contestador.vistos().size(), std::size_t(1));
            QCOMPARE(contestador.vistos()[0].titulo, QStringLiteral("Aviso"));
            QCOMPARE(contestador.vistos()[0].texto, qs(error.error().mensaje));
            QVERIFY(e->p == antes);
            QVERIFY(!dialogo->barra()->siguiente()->isEnabled());
            for (const auto& celda : celdas(m, antes))
                QCOMPARE(texto(*dialogo, celda.first), QString());

            QTest::mouseClick(dialogo->barra()->abandonar(), Qt::LeftButton);
            QCOMPARE(e->p.Codigo_Navegacion, kNavegacionAbandonar);
            QVERIFY(!dialogo->isVisible());
        }
    }
};

QTEST_MAIN(DistribucionCargasTest)
#include "distribucion_cargas_test.moc"
