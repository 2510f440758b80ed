#include "support/catalogo_prueba.h"
#include "support/secciones.h"
#include "tablas/tabla_recubrimiento.h"
#include "tablas/textos_tabla.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

Proyecto seccion(const char* nombre) {
    return test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre);
}

const Catalogo& catalogo() {
    return test::catalogoDelPrograma();
}

CondicionesTabla condicionesTipicas() {
    CondicionesTabla c;
    c.suelos = {1, 3};
    c.traficos = {0, 5};
    c.freaticos = {std::nullopt, 1.5};
    return c;
}

// The table is the depth-limits engine of each cell's section, whatever the number of threads.
TEST(TablaRecubrimiento, EveryCellIsTheLimitsOfItsSectionOnAnyNumberOfThreads) {
    const Proyecto base = seccion("pvc-sn8-zanja-trafico.json");
    const Proyecto antes = base;
    const SerieTubos serie{6, std::int16_t{603}};
    OpcionesTabla uno;
    uno.hilos = 1;
    const auto tabla =
        Calcula_Tabla_Recubrimiento(base, catalogo(), serie, condicionesTipicas(), uno);
    ASSERT_TRUE(tabla) << tabla.error().mensaje;
    EXPECT_TRUE(base == antes);
    ASSERT_EQ(tabla->casos.size(), 8u);
    ASSERT_EQ(tabla->tubos.size(), 15u);
    EXPECT_EQ(tabla->casos[0], (CasoTabla{std::int16_t{1}, 0, std::nullopt}));
    EXPECT_EQ(tabla->casos[1], (CasoTabla{std::int16_t{1}, 0, 1.5}));
    EXPECT_EQ(tabla->casos[7], (CasoTabla{std::int16_t{3}, 5, 1.5}));

    for (const unsigned hilos : {2u, 5u}) {
        OpcionesTabla o;
        o.hilos = hilos;
        const auto otra =
            Calcula_Tabla_Recubrimiento(base, catalogo(), serie, condicionesTipicas(), o);
        ASSERT_TRUE(otra);
        EXPECT_EQ(Csv_Tabla_Recubrimiento(*otra), Csv_Tabla_Recubrimiento(*tabla)) << hilos;
    }

    int conRango = 0;
    for (std::size_t t = 0; t < tabla->tubos.size(); t += 4)
        for (std::size_t c = 0; c < tabla->casos.size(); c += 3) {
            SCOPED_TRACE(textoCaso(tabla->casos[c], Separadores::espanol()));
            const Proyecto celda =
                Seccion_De_Celda(base, tabla->tubos[t], tabla->casos[c], tabla->condiciones);
            const LimitesProfundidad esperado = Limites_Profundidad(celda, catalogo());
            const LimitesProfundidad& l = tabla->celdas[t][c];
            EXPECT_EQ(l.minima, esperado.minima);
            EXPECT_EQ(l.maxima, esperado.maxima);
            EXPECT_EQ(l.rechazo.has_value(), esperado.rechazo.has_value());
            conRango += l.minima.has_value();
            // With groundwater the cover must exceed its depth: the screens refuse the rest.
            if (l.minima && tabla->casos[c].freatico) {
                EXPECT_GT(*l.minima, *tabla->casos[c].freatico);
            }
        }
    EXPECT_GT(conRango, 0);
    EXPECT_FALSE(Todo_Rechazado(*tabla));
}

// A limit is a whole centimetre at which the pipe is valid, even when the valid range begins
// at a point of the search sweep that lies between centimetres.
TEST(TablaRecubrimiento, EveryLimitIsAValidWholeCentimetre) {
    const Proyecto base = seccion("pe-presion-zanja-ancha-suelo-arcilloso.json");
    CondicionesTabla c;
    c.suelos = {2};
    c.traficos = {1};
    c.instalacion = InstalacionTabla::ZanjaConMargen;
    const auto tabla = Calcula_Tabla_Recubrimiento(
        base, catalogo(), {base.Codigo_Material, base.Codigo_Submaterial}, c);
    ASSERT_TRUE(tabla);
    int limites = 0;
    for (std::size_t t = 0; t < tabla->tubos.size(); ++t) {
        const LimitesProfundidad& l = tabla->celdas[t][0];
        if (!l.minima)
            continue;
        const Proyecto celda = Seccion_De_Celda(base, tabla->tubos[t], tabla->casos[0], c);
        for (const double h : {*l.minima, *l.maxima}) {
            SCOPED_TRACE(std::to_string(tabla->tubos[t].diametroNominal) + " " + std::to_string(h));
            EXPECT_NEAR(h * 100, std::round(h * 100), 1e-6);
            EXPECT_TRUE(Calcula_Punto(celda, catalogo(), Parametro::Recubrimiento, h).valido);
            ++limites;
        }
    }
    EXPECT_GT(limites, 0);
}

TEST(TablaRecubrimiento, CellsWithoutRangeTellWhy) {
    // A flexible pipe in soft soil under heavy traffic is valid nowhere.
    const Proyecto base = seccion("pe-sdr33-suelo-blando-no-valido.json");
    CondicionesTabla c;
    c.suelos = {4};
    c.traficos = {5};
    const auto tabla = Calcula_Tabla_Recubrimiento(base, catalogo(), {7, std::int16_t{701}}, c);
    ASSERT_TRUE(tabla) << tabla.error().mensaje;
    bool algunoInvalido = false;
    for (std::size_t t = 0; t < tabla->tubos.size(); ++t) {
        const LimitesProfundidad& l = tabla->celdas[t][0];
        if (l.minima)
            continue;
        algunoInvalido = true;
        EXPECT_EQ(textoCelda(l, Separadores::espanol()), "—");
        EXPECT_FALSE(motivoCelda(l).empty());
    }
    EXPECT_TRUE(algunoInvalido);

    // A trench too narrow for any pipe: every cell is refused by the installation screen.
    const Proyecto pvc = seccion("pvc-sn8-zanja-trafico.json");
    CondicionesTabla estrecha;
    estrecha.instalacion = InstalacionTabla::ZanjaConMargen;
    estrecha.margenZanja = 0.2;
    const auto rechazada =
        Calcula_Tabla_Recubrimiento(pvc, catalogo(), {6, std::int16_t{603}}, estrecha);
    ASSERT_TRUE(rechazada);
    EXPECT_TRUE(Todo_Rechazado(*rechazada));
    EXPECT_NE(motivoCelda(rechazada->celdas[0][0]).find("Anchura fondo de zanja insuficiente"),
              std::string::npos)
        << motivoCelda(rechazada->celdas[0][0]);

    // A generous margin gives a wide trench to small pipes and a narrow one to large pipes.
    estrecha.margenZanja = 0.6;
    const auto holgada =
        Calcula_Tabla_Recubrimiento(pvc, catalogo(), {6, std::int16_t{603}}, estrecha);
    ASSERT_TRUE(holgada);
    const Proyecto pequeno =
        Seccion_De_Celda(pvc, holgada->tubos.front(), holgada->casos[0], estrecha);
    const Proyecto grande =
        Seccion_De_Celda(pvc, holgada->tubos.back(), holgada->casos[0], estrecha);
    EXPECT_EQ(pequeno.Subtipo_Instalacion, 2);
    EXPECT_EQ(grande.Subtipo_Instalacion, 1);
    EXPECT_DOUBLE_EQ(grande.B, std::round(holgada->tubos.back().diametroExterior + 600) / 1000);
    EXPECT_FALSE(Todo_Rechazado(*holgada));
}

TEST(TablaRecubrimiento, RefusesSeriesAndConditionsNoSectionCanHave) {
    const Proyecto base = seccion("pvc-sn8-zanja-trafico.json");
    const auto mensaje = [&](SerieTubos serie, CondicionesTabla c) {
        const auto t = Calcula_Tabla_Recubrimiento(base, catalogo(), serie, c);
        return t ? std::string() : t.error().mensaje;
    };
    EXPECT_EQ(mensaje({2, {}}, {}),
              "El grupo 2 sigue la norma ASTM, que esta aplicación no calcula.");
    EXPECT_EQ(mensaje({13, {}}, {}), "El grupo 13 no está en el catálogo de tubos.");
    EXPECT_EQ(mensaje({6, std::int16_t{703}}, {}), "La subclase 703 no es del grupo 6.");
    CondicionesTabla c;
    c.suelos = {5};
    EXPECT_EQ(mensaje({6, {}}, c), "El grupo de suelo 5 no existe (valores admitidos: 1 a 4).");
    c = {};
    c.freaticos = {25.0};
    EXPECT_EQ(mensaje({6, {}}, c), "La profundidad del nivel freático 25,0 m no es admisible "
                                   "(valores admitidos: 0 a 20 m).");
    c.freaticos = {std::nan("")};
    EXPECT_NE(mensaje({6, {}}, c).find("no es admisible"), std::string::npos);

    // Conditions not varied are those of the base, and are said to be so.
    const auto tabla = Calcula_Tabla_Recubrimiento(base, catalogo(), {6, std::int16_t{603}}, {});
    ASSERT_TRUE(tabla);
    ASSERT_EQ(tabla->casos.size(), 1u);
    EXPECT_EQ(tabla->casos[0], (CasoTabla{std::nullopt, 5, std::nullopt}));
    const auto hipotesis = Hipotesis_Tabla(base, catalogo(), *tabla, Separadores::espanol());
    const auto valor = [&](const std::string& etiqueta) {
        for (const Hipotesis& h : hipotesis)
            if (h.etiqueta == etiqueta)
                return h.valor;
        return std::string("(falta)");
    };
    EXPECT_EQ(valor("Tráfico"), "HT 60");
    EXPECT_EQ(valor("Nivel freático"), "no hay");
    EXPECT_EQ(valor("Anchura B de la zanja"), "1,0 m");
    EXPECT_EQ(valor("Carga uniforme en superficie P0"), "10,0 kN/m2");
    EXPECT_EQ(valor("Características de los suelos"), "valores recomendados por la norma");
}

} // namespace
} // namespace tubrix
