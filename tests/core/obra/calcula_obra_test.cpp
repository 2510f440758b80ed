#include "calc/verificacion.h"
#include "chain/utilizacion.h"
#include "obra/calcula_obra.h"
#include "obra/tabla_obra.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"

#include <gtest/gtest.h>
#include <random>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

const Catalogo& catalogo() {
    return test::catalogoDelPrograma();
}

// PVC-U SN 8 DN 400 in a narrow trench 1 m wide under HT 60 traffic, H = 1.5 m.
Obra obraPvc() {
    return Obra_Nueva(test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                         "pvc-sn8-zanja-trafico.json"));
}

Tramo tramo(std::string nombre, std::map<std::string, ValorCelda, std::less<>> datos) {
    return Tramo{std::move(nombre), std::move(datos)};
}

Obra conTramos(std::vector<std::string> columnas, std::vector<Tramo> tramos) {
    Obra obra = obraPvc();
    obra.columnas = std::move(columnas);
    obra.tramos = std::move(tramos);
    return obra;
}

TEST(AplicaTramo, ConveniencesBecomeTheFieldsTheScreensTake) {
    const Obra obra =
        conTramos({"DN", "Hf"}, {tramo("a", {{"DN", 315.0}, {"Hf", 1.2}}), tramo("b", {})});
    Proyecto p = obra.base;
    ASSERT_FALSE(Aplica_Tramo(p, obra, obra.tramos[0], catalogo(), Extremo::Unico));
    EXPECT_EQ(p.Codigo_Diametro, 6306);
    EXPECT_EQ(p.Nivel_Freatico, kSi);
    EXPECT_EQ(p.Hw, 1.2);
    // An empty Hf cell means no groundwater.
    p = obra.base;
    p.Nivel_Freatico = kSi;
    p.Hw = 1;
    ASSERT_FALSE(Aplica_Tramo(p, obra, obra.tramos[1], catalogo(), Extremo::Unico));
    EXPECT_EQ(p.Nivel_Freatico, kNo);
    EXPECT_EQ(p.Hw, 0);
}

TEST(AplicaTramo, ContradictionsAndMissingPipesAreRefusedByTheirScreen) {
    const Obra obra = conTramos(
        {"DN", "Codigo_Diametro", "H", "Hf", "Hw", "Cota_Terreno_Inicio", "Cota_Terreno_Fin",
         "Cota_Solera_Inicio", "Cota_Solera_Fin", "Tipo_Instalacion"},
        {tramo("dn", {{"DN", 380.0}}), tramo("dos", {{"DN", 400.0}, {"Codigo_Diametro", 6308.0}}),
         tramo("agua", {{"Hf", 1.0}, {"Hw", 1.0}}),
         tramo("incompleto", {{"Cota_Terreno_Inicio", 100.0}}),
         tramo("h", {{"H", 2.0},
                     {"Cota_Terreno_Inicio", 100.0},
                     {"Cota_Terreno_Fin", 99.0},
                     {"Cota_Solera_Inicio", 97.0},
                     {"Cota_Solera_Fin", 96.0}}),
         tramo("tipo2", {{"Tipo_Instalacion", 2.0},
                         {"Cota_Terreno_Inicio", 100.0},
                         {"Cota_Terreno_Fin", 99.0},
                         {"Cota_Solera_Inicio", 97.0},
                         {"Cota_Solera_Fin", 96.0}})});
    const std::vector<std::pair<Pantalla, std::string>> esperado = {
        {Pantalla::Datos_Tubos, "no tiene ningún tubo de DN 380. Sus diámetros nominales son 110, "
                                "125, 160"},
        {Pantalla::Datos_Tubos, "a la vez DN y Codigo_Diametro"},
        {Pantalla::Freatico, "a la vez Hf y Nivel_Freatico o Hw"},
        {Pantalla::Datos_Zanja, "Faltan cotas del perfil: Cota_Terreno_Fin, Cota_Solera_Inicio, "
                                "Cota_Solera_Fin."},
        {Pantalla::Datos_Zanja, "a la vez H y las cotas"},
        {Pantalla::Datos_Zanja, "en una zanja terraplenada dé H1 y H2"},
    };
    for (std::size_t i = 0; i < esperado.size(); ++i) {
        SCOPED_TRACE(obra.tramos[i].nombre);
        Proyecto p = obra.base;
        const auto parada = Aplica_Tramo(p, obra, obra.tramos[i], catalogo(), Extremo::Inicio);
        ASSERT_TRUE(parada);
        EXPECT_EQ(parada->pantalla, esperado[i].first);
        EXPECT_NE(parada->mensaje.find(esperado[i].second), std::string::npos) << parada->mensaje;
        const ResultadoTramo r = Calcula_Tramo(obra, i, catalogo(), true);
        EXPECT_EQ(r.veredicto, Veredicto::Rechazado);
        EXPECT_FALSE(r.tuboBuscado);
    }
}

// The verdict of a profile reach is the worse of two ordinary sections, one at each end cover.
TEST(CalculaObra, AProfileReachIsTheTwoSectionsAtItsEndCovers) {
    // DN 400 SN 8: bore 376.6 mm and wall 11.7 mm, so the crown is 0.3883 m above the invert.
    const Obra obra = conTramos(
        {"Cota_Terreno_Inicio", "Cota_Terreno_Fin", "Cota_Solera_Inicio", "Cota_Solera_Fin"},
        {tramo("P1-P2", {{"Cota_Terreno_Inicio", 100.0},
                         {"Cota_Terreno_Fin", 100.5},
                         {"Cota_Solera_Inicio", 98.6117},
                         {"Cota_Solera_Fin", 94.1117}})});
    const ResultadoTramo r = Calcula_Tramo(obra, 0, catalogo(), false);
    ASSERT_EQ(r.calculos.size(), 2u);
    const std::array<double, 2> alturas = {1.0, 6.0};
    for (std::size_t e = 0; e < 2; ++e) {
        Proyecto p = obra.base;
        p.H = alturas[e];
        ASSERT_FALSE(Calcula_Seccion(p, catalogo()));
        const CalculoExtremo& c = r.calculos[e];
        EXPECT_NEAR(c.recubrimiento, alturas[e], 1e-12);
        EXPECT_EQ(c.veredicto, Tubo_Valido(p) ? Veredicto::Valido : Veredicto::NoValido);
        EXPECT_EQ(c.utilizaciones, Utilizaciones(p).utilizacion); // no factor is negative here
        EXPECT_EQ(c.deformacionLargo, p.Dv_Relativa_LP);
    }
    EXPECT_EQ(r.calculos[0].extremo, Extremo::Inicio);
    const std::size_t peor = r.calculos[1].utilizacion > r.calculos[0].utilizacion ? 1 : 0;
    EXPECT_EQ(r.determinante, peor);
}

Obra obraVariada(std::size_t n) {
    Obra obra = conTramos({"H", "Hf", "B", "DN"}, {});
    for (std::size_t i = 0; i < n; ++i) {
        Tramo t = tramo("T" + std::to_string(i), {{"H", 0.3 + 0.37 * static_cast<double>(i % 50)},
                                                  {"B", 0.9 + 0.05 * static_cast<double>(i % 7)}});
        if (i % 3 == 0)
            t.datos.emplace("Hf", 0.2 * static_cast<double>(i % 11));
        if (i % 5 == 0)
            t.datos.emplace("DN", i % 2 ? 315.0 : 200.0);
        obra.tramos.push_back(std::move(t));
    }
    return obra;
}

TEST(CalculaObra, ParallelEqualsSerialAndTheSummaryCountsEveryReach) {
    Obra obra = obraVariada(120);
    // Deep SN 2 reaches in a loose soil, which need a stiffer pipe.
    for (const char* columna : {"Codigo_Submaterial", "Codigo_Diametro", "Grupo_Suelo_1",
                                "Grupo_Suelo_2", "Opcion_Suelo_1", "Opcion_Suelo_2"})
        obra.anadeColumna(columna);
    for (int i = 0; i < 16; ++i)
        obra.tramos.push_back(tramo("hondo" + std::to_string(i), {{"Codigo_Submaterial", 601.0},
                                                                  {"Codigo_Diametro", 6106.0},
                                                                  {"H", 5.0 + 0.25 * i},
                                                                  {"Grupo_Suelo_1", 2.0},
                                                                  {"Grupo_Suelo_2", 2.0},
                                                                  {"Opcion_Suelo_1", 1.0},
                                                                  {"Opcion_Suelo_2", 1.0}}));
    OpcionesObra uno;
    uno.hilos = 1;
    OpcionesObra varios;
    varios.hilos = 5;
    const ResultadoObra serie = Calcula_Obra(obra, catalogo(), uno);
    const ResultadoObra paralelo = Calcula_Obra(obra, catalogo(), varios);
    EXPECT_EQ(Csv_Resultados_Obra(serie), Csv_Resultados_Obra(paralelo));
    // The threads gather the summary each for its own reaches: joined, it is the serial one.
    const ResumenObra deNuevo = Resume_Obra(paralelo.tramos);
    for (const ResumenObra* otro : {&paralelo.resumen, &deNuevo}) {
        EXPECT_EQ(otro->validos, serie.resumen.validos);
        EXPECT_EQ(otro->noValidos, serie.resumen.noValidos);
        EXPECT_EQ(otro->rechazados, serie.resumen.rechazados);
        EXPECT_EQ(otro->masUtilizado, serie.resumen.masUtilizado);
        EXPECT_EQ(otro->sinTuboValido, serie.resumen.sinTuboValido);
        ASSERT_EQ(otro->tubosNecesarios.size(), serie.resumen.tubosNecesarios.size());
        for (std::size_t i = 0; i < otro->tubosNecesarios.size(); ++i) {
            EXPECT_EQ(otro->tubosNecesarios[i].tubo.codigo,
                      serie.resumen.tubosNecesarios[i].tubo.codigo);
            EXPECT_EQ(otro->tubosNecesarios[i].tubo.utilizacion,
                      serie.resumen.tubosNecesarios[i].tubo.utilizacion);
            EXPECT_EQ(otro->tubosNecesarios[i].tramos, serie.resumen.tubosNecesarios[i].tramos);
        }
    }
    const ResumenObra& r = serie.resumen;
    EXPECT_FALSE(r.tubosNecesarios.empty());
    EXPECT_EQ(r.validos + r.noValidos + r.rechazados, obra.tramos.size());
    EXPECT_GT(r.validos, 0u);
    EXPECT_GT(r.noValidos, 0u);
    EXPECT_GT(r.rechazados, 0u); // H below 0.5 m
    ASSERT_TRUE(r.masUtilizado);
    for (const ResultadoTramo& t : serie.tramos) {
        if (t.veredicto != Veredicto::Rechazado) {
            EXPECT_LE(t.gobierna().utilizacion,
                      serie.tramos[*r.masUtilizado].gobierna().utilizacion);
        }
    }
}

// The batch path puts each reach's cells into the base once resolved; every field of the record
// it calculates, and every result it keeps, must be what the section typed in by hand gives.
TEST(CalculaObra, ARandomSampleEqualsTheSectionTypedInFieldByField) {
    Obra obra = conTramos({"H", "B", "Hf", "DN", "Tipo_Vehiculo", "Cota_Terreno_Inicio",
                           "Cota_Terreno_Fin", "Cota_Solera_Inicio", "Cota_Solera_Fin"},
                          {});
    std::mt19937 azar(1515);
    std::uniform_real_distribution<double> alto(0.3, 8.0);
    std::uniform_real_distribution<double> ancho(0.8, 2.0);
    std::uniform_int_distribution<int> vehiculo(0, 5);
    const std::array<double, 4> diametros = {200, 315, 400, 500};
    for (int i = 0; i < 40; ++i) {
        Tramo t{"T" + std::to_string(i), {{"B", ancho(azar)}}};
        if (i % 4 == 3) {
            t.datos.emplace("Cota_Terreno_Inicio", 100.0);
            t.datos.emplace("Cota_Terreno_Fin", 99.0);
            t.datos.emplace("Cota_Solera_Inicio", 100.0 - alto(azar));
            t.datos.emplace("Cota_Solera_Fin", 99.0 - alto(azar));
        } else {
            t.datos.emplace("H", alto(azar));
        }
        if (i % 2)
            t.datos.emplace("Hf", alto(azar) / 2);
        if (i % 3)
            t.datos.emplace("DN", diametros[static_cast<std::size_t>(i) % 4]);
        t.datos.emplace("Tipo_Vehiculo", static_cast<double>(vehiculo(azar)));
        obra.tramos.push_back(std::move(t));
    }
    const ResultadoObra resultado = Calcula_Obra(obra, catalogo());
    for (std::size_t i = 0; i < obra.tramos.size(); ++i) {
        const Tramo& t = obra.tramos[i];
        SCOPED_TRACE(t.nombre);
        const ResultadoTramo& r = resultado.tramos[i];
        ASSERT_EQ(r.calculos.size(), Es_Tramo_De_Perfil(t) ? 2u : 1u);
        for (const CalculoExtremo& c : r.calculos) {
            // By hand: the fields as the screens store them.
            Proyecto p = obra.base;
            p.B = *t.numero("B");
            p.Tipo_Vehiculo = static_cast<std::int16_t>(*t.numero("Tipo_Vehiculo"));
            p.Nivel_Freatico = t.numero("Hf") ? kSi : kNo;
            p.Hw = t.numero("Hf").value_or(0);
            if (const auto dn = t.numero("DN"))
                for (const EntradaTubo& tubo : catalogo().listaTubos(603))
                    if (tubo.diametroN == *dn) {
                        p.Codigo_Diametro = tubo.codigo;
                        break;
                    }
            if (Es_Tramo_De_Perfil(t)) {
                const bool fin = c.extremo == Extremo::Fin;
                const TuboNormalizado& tubo = *catalogo().Busca_Tubo(p.Codigo_Diametro);
                p.H = *t.numero(fin ? "Cota_Terreno_Fin" : "Cota_Terreno_Inicio") -
                      *t.numero(fin ? "Cota_Solera_Fin" : "Cota_Solera_Inicio") -
                      (tubo.diametroI + tubo.espesor) / 1000.0;
            } else {
                p.H = *t.numero("H");
            }
            const auto parada = Calcula_Seccion(p, catalogo());

            auto seccion = Seccion_Del_Tramo(obra, i, catalogo(), c.extremo);
            ASSERT_TRUE(seccion);
            const auto paradaObra = Calcula_Seccion(*seccion, catalogo());
            EXPECT_EQ(test::resultadoJson(*seccion, paradaObra), test::resultadoJson(p, parada));

            ASSERT_EQ(c.rechazo.has_value(), parada.has_value());
            EXPECT_EQ(c.recubrimiento, p.H);
            if (parada) {
                EXPECT_EQ(c.rechazo->mensaje, parada->mensaje);
                EXPECT_EQ(c.rechazo->paso, parada->paso);
                continue;
            }
            EXPECT_EQ(c.veredicto, Tubo_Valido(p) ? Veredicto::Valido : Veredicto::NoValido);
            const UsosVerificacion usos = Utilizaciones(p);
            EXPECT_EQ(c.filaDeterminante, Fila_Determinante(usos));
            for (const FilaVerificacion fila : kFilasVerificacion) {
                if (usos.coeficienteNoPositivo[fila])
                    EXPECT_TRUE(std::isinf(*c.utilizaciones[fila]));
                else
                    EXPECT_EQ(c.utilizaciones[fila], usos.utilizacion[fila]);
            }
            EXPECT_EQ(c.coeficientes[FilaVerificacion::TensionClave],
                      usos.utilizacion[FilaVerificacion::TensionClave]
                          ? std::optional<double>(p.Coef_Clave)
                          : std::nullopt);
            EXPECT_EQ(c.deformacionCorto, p.Dv_Relativa);
            EXPECT_EQ(c.deformacionLargo, p.Dv_Relativa_LP);
        }
    }
}

TEST(CalculaObra, ProgressCountsAndCancelStopsEarly) {
    const Obra obra = obraVariada(40);
    ProgresoObra progreso;
    const ResultadoObra todo = Calcula_Obra(obra, catalogo(), {}, &progreso);
    EXPECT_EQ(progreso.hechos.load(), 40u);
    EXPECT_TRUE(todo.completo);
    ProgresoObra cancelado;
    cancelado.cancelado = true;
    const ResultadoObra nada = Calcula_Obra(obra, catalogo(), {}, &cancelado);
    EXPECT_FALSE(nada.completo);
    EXPECT_TRUE(nada.tramos.empty());
}

// SN 2 DN 400 at 6 m in a little-compacted group 2 soil deflects too much; SN 4 is enough.
TEST(CalculaObra, TheNeededPipeIsValidAndEveryMoreUsedPipeOfItsGroupAndDnIsNot) {
    Obra obra = conTramos({"Codigo_Submaterial", "Codigo_Diametro", "H", "Grupo_Suelo_1",
                           "Grupo_Suelo_2", "Opcion_Suelo_1", "Opcion_Suelo_2"},
                          {tramo("hondo", {{"Codigo_Submaterial", 601.0},
                                           {"Codigo_Diametro", 6106.0},
                                           {"H", 6.0},
                                           {"Grupo_Suelo_1", 2.0},
                                           {"Grupo_Suelo_2", 2.0},
                                           {"Opcion_Suelo_1", 1.0},
                                           {"Opcion_Suelo_2", 1.0}})});
    const ResultadoTramo r = Calcula_Tramo(obra, 0, catalogo(), true);
    ASSERT_EQ(r.veredicto, Veredicto::NoValido);
    ASSERT_TRUE(r.tuboBuscado);
    ASSERT_TRUE(r.tuboNecesario);
    const TuboCandidato& necesario = *r.tuboNecesario;
    EXPECT_EQ(necesario.subclase, 602);
    EXPECT_EQ(necesario.diametroNominal, 400);

    Proyecto p = *Seccion_Del_Tramo(obra, 0, catalogo(), Extremo::Unico);
    FiltroSeleccion filtro;
    filtro.grupo = 6;
    filtro.diametroNominal = 400;
    for (const TuboCandidato& c : Selecciona_Tubos(p, catalogo(), filtro)) {
        if (c.codigo != necesario.codigo && c.utilizacion > necesario.utilizacion) {
            EXPECT_NE(c.veredicto, Veredicto::Valido) << c.clase;
        }
    }
    Usa_Tubo(p, necesario);
    ASSERT_FALSE(Calcula_Seccion(p, catalogo()));
    EXPECT_TRUE(Tubo_Valido(p));
    const ResumenObra resumen = Resume_Obra({r});
    ASSERT_EQ(resumen.tubosNecesarios.size(), 1u);
    EXPECT_EQ(resumen.tubosNecesarios[0].tramos, 1u);
}

TEST(CalculaObra, InputsTheScreensDoNotUseAsGivenAreNamed) {
    // Standard soil values replace a typed E2; the installation box keeps three decimals of H.
    const Obra obra = conTramos({"E2", "H"}, {tramo("a", {{"E2", 3.0}, {"H", 2.34567}})});
    const ResultadoTramo r = Calcula_Tramo(obra, 0, catalogo(), false);
    ASSERT_EQ(r.calculos[0].avisos.size(), 2u);
    EXPECT_EQ(r.calculos[0].avisos[0],
              "E2 = 3 no entra en el cálculo tal como se ha dado: se ha usado 16.");
    EXPECT_EQ(r.calculos[0].avisos[1],
              "H = 2,34567 no entra en el cálculo tal como se ha dado: se ha usado 2,346.");
    EXPECT_EQ(r.calculos[0].recubrimiento, 2.346);
}

} // namespace
} // namespace tubrix
