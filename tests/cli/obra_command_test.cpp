#include "calc_command.h"
#include "ejecuta_cli.h"
#include "model/proyecto_json.h"
#include "obra/fichero_obra.h"
#include "obra_command.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>

namespace tubrix::cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using Salida = test::SalidaCli;
using test::seccion;

Salida obra(const ObraOptions& o) {
    return test::ejecutaCli(runObra, o);
}

Salida calcJson(const fs::path& fichero) {
    return test::ejecutaCli(runCalc, fichero, true);
}

// A random sample of reaches, each checked against `tubrix-cli calc` of a project file holding
// the base with that reach's inputs written as the screens take them.
TEST(CliObra, EveryReachEqualsCalcOfTheBaseWithItsInputs) {
    test::TempDir dir;
    const Proyecto base = test::cargaSeccion(seccion("pvc-sn8-zanja-trafico.json"));
    Obra o = Obra_Nueva(base);
    o.columnas = {"H", "B", "Hf", "DN", "Tipo_Vehiculo"};
    std::mt19937 azar(15);
    std::uniform_real_distribution<double> h(0.3, 8.0);
    std::uniform_real_distribution<double> b(0.8, 2.0);
    std::uniform_int_distribution<int> tipo(0, 5);
    const std::array<double, 4> diametros = {200, 315, 400, 500};
    for (int i = 0; i < 24; ++i) {
        Tramo t{"T" + std::to_string(i), {{"H", h(azar)}, {"B", b(azar)}}};
        if (i % 2)
            t.datos.emplace("Hf", h(azar) / 2);
        if (i % 3)
            t.datos.emplace("DN", diametros[static_cast<std::size_t>(i) % 4]);
        t.datos.emplace("Tipo_Vehiculo", static_cast<double>(tipo(azar)));
        o.tramos.push_back(std::move(t));
    }
    ASSERT_TRUE(Guarda_Obra(o, dir / "obra.tbo"));
    ObraOptions opciones;
    opciones.fichero = dir / "obra.tbo";
    opciones.salida = SalidaObra::Json;
    const Salida s = obra(opciones);
    const json resultado = json::parse(s.out);
    ASSERT_EQ(resultado["reaches"].size(), o.tramos.size());

    for (std::size_t i = 0; i < o.tramos.size(); ++i) {
        const Tramo& t = o.tramos[i];
        SCOPED_TRACE(t.nombre);
        json proyecto = aJson(base, camposPersistidos());
        proyecto["H"] = *t.numero("H");
        proyecto["B"] = *t.numero("B");
        proyecto["Tipo_Vehiculo"] = static_cast<int>(*t.numero("Tipo_Vehiculo"));
        proyecto["Nivel_Freatico"] = t.numero("Hf") ? -1 : 0;
        proyecto["Hw"] = t.numero("Hf").value_or(0);
        if (const auto dn = t.numero("DN"))
            for (const auto& tubo : test::catalogoDelPrograma().listaTubos(603))
                if (tubo.diametroN == *dn)
                    proyecto["Codigo_Diametro"] = tubo.codigo;
        const fs::path fichero = dir / (t.nombre + ".json");
        std::ofstream(fichero) << proyecto.dump();
        const Salida calc = calcJson(fichero);
        const json esperado = json::parse(calc.out);
        const json& calculo = resultado["reaches"][i]["calculations"][0];
        if (calc.estado == kExitInput) {
            EXPECT_EQ(resultado["reaches"][i]["verdict"], "Rechazado");
            EXPECT_EQ(calculo["refusal"]["message"], esperado["refusal"]["message"]);
            EXPECT_EQ(calculo["refusal"]["step"], esperado["refusal"]["step"]);
            continue;
        }
        EXPECT_EQ(calculo["verdict"], esperado["verdict"]);
        EXPECT_EQ(calculo["H"], esperado["H"]);
        // PVC does not creep: the short-term factor of each stress row, the smaller of both
        // terms for stability, wherever the row counts.
        const json& factores = calculo["safety_factors"];
        const auto factor = [&](const char* fila, const char* campo, bool ambos) {
            if (factores[fila].is_null())
                return;
            double f = esperado[campo].get<double>();
            if (ambos)
                f = std::min(f, esperado[std::string(campo) + "_LP"].get<double>());
            EXPECT_EQ(factores[fila], f) << fila;
        };
        factor("Tensión clave", "Coef_Clave", false);
        factor("Tensión riñones", "Coef_Rinones", false);
        factor("Tensión base", "Coef_Base", false);
        factor("Estabilidad tierras", "Coef_Tierras", true);
        factor("Estabilidad agua", "Coef_Agua", true);
        factor("Estabilidad simultánea", "Coef_Simultaneo", true);
        EXPECT_FALSE(factores["Tensión clave"].is_null());
        EXPECT_EQ(calculo["deflection_short"], esperado["Dv_Relativa"]);
        EXPECT_EQ(calculo["deflection_long"], esperado["Dv_Relativa_LP"]);
    }
}

TEST(CliObra, ExitStatusTellsTheWorstReachAndListsEveryRefusal) {
    test::TempDir dir;
    std::ofstream(dir / "tramos.csv") << "Tramo;H;DN\nP1;1,5;\nP2;0,3;\nP3;2;380\n";
    ObraOptions o;
    o.fichero = dir / "tramos.csv";
    o.base = seccion("pvc-sn8-zanja-trafico.json");
    const Salida s = obra(o);
    EXPECT_EQ(s.estado, kExitInput);
    EXPECT_NE(s.err.find("tramos.csv\": punto y coma, coma decimal, UTF-8."), std::string::npos)
        << s.err;
    EXPECT_NE(s.err.find("Tramo \"P2\": cálculo detenido en el paso 3 (Datos_Zanja): El valor de "
                         "H debe ser superior a 0,5 m"),
              std::string::npos)
        << s.err;
    EXPECT_NE(s.err.find("Tramo \"P3\": cálculo detenido en el paso 1 (Datos_Tubos)"),
              std::string::npos);
    EXPECT_NE(s.out.find("3 tramos: 1 válido, 0 NO válidos, 2 rechazados."), std::string::npos)
        << s.out;

    std::ofstream(dir / "blando.csv") << "Tramo,H\nP1,4\nP2,3.5\n";
    o.fichero = dir / "blando.csv";
    o.base = seccion("pe-sdr33-suelo-blando-no-valido.json");
    o.salida = SalidaObra::Csv;
    const Salida csv = obra(o);
    EXPECT_EQ(csv.estado, kExitNotValid);
    EXPECT_EQ(csv.out.substr(0, 32), "Tramo,Extremo,H (m),Veredicto,Fi");

    o.base.reset();
    EXPECT_EQ(obra(o).estado, kExitUsage);
    o.fichero = dir / "no-existe.tbo";
    const Salida ilegible = obra(o);
    EXPECT_EQ(ilegible.estado, kExitInput);
    EXPECT_NE(ilegible.err.find("No se puede leer"), std::string::npos);
}

} // namespace
} // namespace tubrix::cli
