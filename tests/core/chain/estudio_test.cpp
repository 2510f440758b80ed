#include "calc/verificacion.h"
#include "chain/estudio.h"
#include "chain/seleccion.h"
#include "chain/tablas_estudio.h"
#include "chain/utilizacion.h"
#include "format/formato.h"
#include "format/lee_numero.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

Proyecto seccion(const char* nombre) {
    return test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre);
}

const Catalogo& catalogo() {
    return test::catalogoDelPrograma();
}

// The verdict of a section and its utilisations must tell the same story.
TEST(Utilizacion, ValidExactlyWhenEveryCountingRowIsAtMostOne) {
    for (const auto& f : test::seccionesDeEjemplo()) {
        SCOPED_TRACE(f.filename().string());
        Proyecto p = test::cargaSeccion(f);
        if (Calcula_Seccion(p, catalogo()))
            continue;
        const auto uso = Utilizaciones(p);
        bool todasDentro = true;
        for (const FilaVerificacion fila : kFilasVerificacion)
            if (uso[fila] && !(*uso[fila] <= 1.0))
                todasDentro = false;
        EXPECT_EQ(todasDentro, Tubo_Valido(p));
    }
}

TEST(Seleccion, TriesEveryListedPipeButAstmAndLeavesTheSectionAlone) {
    const Proyecto p = seccion("pvc-sn8-zanja-trafico.json");
    const Proyecto antes = p;
    const auto todos = Selecciona_Tubos(p, catalogo());
    EXPECT_TRUE(p == antes);
    std::size_t esperados = 0;
    for (const auto& g : catalogo().listaGrupos())
        if (g.codigo != 2 && g.codigo != 3)
            for (const auto& s : catalogo().listaSubclases(g.codigo))
                esperados += catalogo().listaTubos(s.codigo).size();
    EXPECT_EQ(todos.size(), esperados);
    for (const TuboCandidato& c : todos) {
        EXPECT_NE(c.grupo, 2);
        EXPECT_NE(c.grupo, 3);
    }
}

TEST(Seleccion, StifferClassesPassWhereSofterOnesFail) {
    // Deep in soft cohesive fill: only the stiffer PE classes hold the deflection.
    const auto candidatos =
        Selecciona_Tubos(seccion("pe-sdr33-suelo-blando-no-valido.json"), catalogo(), {630, 7});
    ASSERT_EQ(candidatos.size(), 3u); // SDR 33, 26, 17
    std::map<std::int16_t, Veredicto> porSubclase;
    for (const auto& c : candidatos)
        porSubclase[c.subclase] = c.veredicto;
    EXPECT_EQ(porSubclase.at(701), Veredicto::NoValido);
    // Sorted: the valid ones first, the most used of them first.
    EXPECT_EQ(candidatos.front().veredicto, porSubclase.at(703));
    for (std::size_t i = 1; i < candidatos.size(); ++i)
        EXPECT_LE(candidatos[i - 1].veredicto, candidatos[i].veredicto);
}

TEST(Seleccion, RefusedPipesAreListedWithTheirRefusal) {
    // A narrow trench 1 m wide takes neither pipes wider than 0.5 m (no room at the bottom) nor
    // those under 250 mm (no longer narrow): the installation screen refuses them.
    const auto candidatos =
        Selecciona_Tubos(seccion("pvc-sn8-zanja-trafico.json"), catalogo(), {std::nullopt, 6});
    bool hayRechazo = false;
    for (const auto& c : candidatos) {
        if (c.veredicto != Veredicto::Rechazado)
            continue;
        hayRechazo = true;
        ASSERT_TRUE(c.rechazo);
        EXPECT_EQ(c.rechazo->pantalla, Pantalla::Datos_Zanja);
        EXPECT_TRUE(c.diametroExterior > 500 || c.diametroExterior < 250) << c.diametroExterior;
    }
    EXPECT_TRUE(hayRechazo);
    EXPECT_EQ(candidatos.back().veredicto, Veredicto::Rechazado);
}

TEST(Seleccion, UsingAPipeStoresOnlyItsCodes) {
    Proyecto p = seccion("pvc-sn8-zanja-trafico.json");
    const auto candidatos = Selecciona_Tubos(p, catalogo(), {400, 7});
    ASSERT_FALSE(candidatos.empty());
    const Proyecto antes = p;
    Usa_Tubo(p, candidatos.front());
    EXPECT_EQ(p.Codigo_Material, 7);
    EXPECT_EQ(p.Codigo_Diametro, candidatos.front().codigo);
    p.Codigo_Material = antes.Codigo_Material;
    p.Codigo_Submaterial = antes.Codigo_Submaterial;
    p.Codigo_Diametro = antes.Codigo_Diametro;
    EXPECT_TRUE(p == antes);
}

// A random sample of a selection and of a sweep, checked against the plain forward pass.
TEST(Estudio, PointsEqualTheForwardPassOfTheSameSection) {
    const Proyecto base = seccion("prfv-largo-plazo-zanja-terraplenada-freatico.json");
    const auto barrido =
        Estudio_Parametrico(base, catalogo(), Parametro::Recubrimiento, 0.5, 8, 60);
    ASSERT_EQ(barrido.size(), 61u);
    std::mt19937 azar(7);
    for (int k = 0; k < 8; ++k) {
        const auto& punto = barrido[std::uniform_int_distribution<std::size_t>(0, 60)(azar)];
        Proyecto p = base;
        p.H1 = punto.valor; // embanked trench: the cover above the crown
        const auto parada = Calcula_Seccion(p, catalogo());
        ASSERT_EQ(parada.has_value(), punto.rechazo.has_value());
        if (parada)
            continue;
        EXPECT_EQ(Tubo_Valido(p), punto.valido);
        EXPECT_EQ(p.Dv_Relativa_LP, punto.deformacionLargo);
        const auto uso = Utilizaciones(p);
        for (const FilaVerificacion fila : kFilasVerificacion)
            EXPECT_EQ(uso[fila], punto.utilizacion[fila]);
    }
    const auto seleccion = Selecciona_Tubos(base, catalogo(), {600, std::nullopt});
    for (const TuboCandidato& c : seleccion) {
        Proyecto p = base;
        Usa_Tubo(p, c);
        const auto parada = Calcula_Seccion(p, catalogo());
        ASSERT_EQ(parada.has_value(), c.rechazo.has_value()) << c.codigo;
        if (!parada) {
            EXPECT_EQ(Tubo_Valido(p), c.veredicto == Veredicto::Valido) << c.codigo;
        }
    }
}

TEST(Estudio, UtilisationIsContinuousInCoverHeight) {
    const auto barrido = Estudio_Parametrico(seccion("pvc-sn8-zanja-trafico.json"), catalogo(),
                                             Parametro::Recubrimiento, 1.0, 6.0, 500);
    for (std::size_t i = 1; i < barrido.size(); ++i) {
        ASSERT_FALSE(barrido[i].rechazo);
        for (const FilaVerificacion fila : kFilasVerificacion) {
            if (!barrido[i].utilizacion[fila])
                continue;
            EXPECT_NEAR(*barrido[i].utilizacion[fila], *barrido[i - 1].utilizacion[fila], 0.02)
                << "H " << barrido[i].valor << " row " << static_cast<int>(fila);
        }
    }
}

TEST(Estudio, RefusedStepsAreReportedNotDropped) {
    // Groundwater deeper than the cover is refused by the groundwater screen.
    const auto barrido = Estudio_Parametrico(seccion("corrugado-1102-zanja-talud-freatico.json"),
                                             catalogo(), Parametro::Freatico, 0, 4, 8);
    ASSERT_EQ(barrido.size(), 9u);
    EXPECT_FALSE(barrido.front().rechazo);
    ASSERT_TRUE(barrido.back().rechazo);
    EXPECT_EQ(barrido.back().rechazo->pantalla, Pantalla::Freatico);
    const std::string csv = csvDelEstudio("Hf (m)", barrido);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 10);
    EXPECT_NE(csv.find("Hf debe ser menor que H"), std::string::npos);
}

// The limits are whole centimetres: the height shown is valid and the centimetre beyond it is
// not. In the embanked trench with Hw = 2,5 m and H2 = 1,5 m the groundwater must stay below
// H1 + H2, so H1 = 1,00 m is refused and the least cover shown is 1,01 m, never 1,00.
TEST(Estudio, DepthLimitsAreValidCentimetresWithTheNextOneOutside) {
    for (const char* nombre :
         {"pe-presion-zanja-ancha-suelo-arcilloso.json",
          "prfv-largo-plazo-zanja-terraplenada-freatico.json",
          "corrugado-1102-zanja-talud-freatico.json", "pp-largo-plazo-ensayos-lt12.json"}) {
        SCOPED_TRACE(nombre);
        const Proyecto base = seccion(nombre);
        const LimitesProfundidad limites = Limites_Profundidad(base, catalogo());
        ASSERT_TRUE(limites.minima);
        ASSERT_TRUE(limites.maxima);
        const auto valido = [&](double h) {
            return Calcula_Punto(base, catalogo(), Parametro::Recubrimiento, h).valido;
        };
        for (const double limite : {*limites.minima, *limites.maxima}) {
            EXPECT_NEAR(limite * 100, std::round(limite * 100), 1e-9) << limite;
            EXPECT_TRUE(valido(Lee_Numero(formatea(limite, "##0.00", Separadores::espanol()))))
                << limite;
        }
        if (*limites.minima > 0.5) {
            EXPECT_FALSE(valido(*limites.minima - 0.01));
        }
        if (*limites.maxima < 20) {
            EXPECT_FALSE(valido(*limites.maxima + 0.01));
        }
    }
    const LimitesProfundidad prfv = Limites_Profundidad(
        seccion("prfv-largo-plazo-zanja-terraplenada-freatico.json"), catalogo());
    EXPECT_DOUBLE_EQ(*prfv.minima, 1.01);
    const LimitesProfundidad pe =
        Limites_Profundidad(seccion("pe-presion-zanja-ancha-suelo-arcilloso.json"), catalogo());
    EXPECT_LT(*pe.maxima, 20.0) << "a pressure PE pipe in loose clay has a depth limit";
}

TEST(Estudio, ParameterNames) {
    for (const char* nombre : {"H", "Hf", "B", "E2", "P0"}) {
        const auto p = parametroDeNombre(nombre);
        ASSERT_TRUE(p);
        EXPECT_EQ(nombreParametro(*p), nombre);
    }
    EXPECT_FALSE(parametroDeNombre("h"));
}

} // namespace
} // namespace tubrix

namespace tubrix {
namespace {

// A section still on the standard soil values is swept in E2 from the values the soil screen
// shows, not from the zeros of a file that was never calculated.
TEST(Estudio, SweepingE2StartsFromTheStandardSoilValues) {
    const Proyecto p = test::cargaSeccion(std::filesystem::path(TUBRIX_TEST_DATA_DIR) /
                                          "secciones" / "pvc-sn8-zanja-trafico.json");
    ASSERT_EQ(p.E3, 0.0);
    ASSERT_NE(p.Opcion_Suelo_3, kSi);
    const auto barrido =
        Estudio_Parametrico(p, test::catalogoDelPrograma(), Parametro::ModuloE2, 4, 40, 9);
    for (const PuntoEstudio& punto : barrido)
        EXPECT_FALSE(punto.rechazo) << punto.valor << ": " << punto.rechazo->mensaje;
    // Stiffer side fill, smaller deflection.
    EXPECT_GT(barrido.front().deformacionLargo, barrido.back().deformacionLargo);
}

} // namespace
} // namespace tubrix
