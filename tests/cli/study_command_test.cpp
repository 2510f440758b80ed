#include "calc_command.h"
#include "ejecuta_cli.h"
#include "study_command.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>

namespace tubrix::cli {
namespace {

namespace fs = std::filesystem;

using Salida = test::SalidaCli;
using test::seccion;

Salida selecciona(const fs::path& f, Formato formato, FiltroSeleccion filtro = {}) {
    return test::ejecutaCli(runSelect, f, filtro, formato);
}

Salida barre(const fs::path& f, Parametro p, double desde, double hasta, int pasos,
             Formato formato = Formato::Tabla) {
    return test::ejecutaCli(runSweep, f, p, desde, hasta, pasos, formato);
}

Salida limites(const fs::path& f) {
    return test::ejecutaCli(runLimits, f);
}

bool sinNoNumeros(const std::string& texto) {
    static const std::regex kNoNumero(R"(\b(-?inf|nan|NaN|Infinity)\b)");
    return texto.find("∞") == std::string::npos && !std::regex_search(texto, kNoNumero);
}

// Two pipes in one trench are calculated one by one: the installation screen refuses to go on
// whatever the cover, so no study can be made of it.
fs::path seccionRechazada(const test::TempDir& dir) {
    std::ofstream(dir / "dos.json") << R"({"Tipo_Instalacion": 3, "H": 2, "B": 1.5})";
    return dir / "dos.json";
}

TEST(CliLimits, ARefusedSectionIsARefusalNotAVerdict) {
    test::TempDir dir;
    const Salida s = limites(seccionRechazada(dir));
    EXPECT_EQ(s.estado, kExitInput);
    EXPECT_NE(s.err.find("Cálculo detenido en el paso 3 (Datos_Zanja)"), std::string::npos)
        << s.err;
    EXPECT_EQ(s.out.find("no es válido"), std::string::npos);

    const Salida valida = limites(seccion("pe-presion-zanja-ancha-suelo-arcilloso.json"));
    EXPECT_EQ(valida.estado, kExitValid);
    EXPECT_NE(valida.out.find("Profundidad mínima admisible"), std::string::npos);
}

TEST(CliSweep, EveryPointRefusedIsStatusTwoSomeRefusedIsAStudy) {
    test::TempDir dir;
    const Salida todos = barre(seccionRechazada(dir), Parametro::Recubrimiento, 1, 5, 4);
    EXPECT_EQ(todos.estado, kExitInput);
    EXPECT_NE(todos.err.find("Ningún punto del estudio se puede calcular"), std::string::npos);
    // Groundwater deeper than the cover is refused at the deep end only.
    const Salida algunos =
        barre(seccion("corrugado-1102-zanja-talud-freatico.json"), Parametro::Freatico, 0, 4, 8);
    EXPECT_EQ(algunos.estado, 0) << algunos.err;
    EXPECT_NE(algunos.out.find("Hf debe ser menor que H"), std::string::npos);
}

// A calculated factor of zero or below fails its row whatever is required; every output tells
// it by that factor, never by an infinite utilisation.
TEST(CliSelect, NonPositiveFactorsAreFiniteAndTheSameInEveryFormat) {
    bool algunNoPositivo = false;
    for (const char* nombre : {"fibrocemento-une-presion-terraplen-cuna-hormigon.json",
                               "fibrocemento-une-saneamiento-zanja-ancha-freatico-lt12.json",
                               "hormigon-atv-zanja-estrecha-ht60.json"}) {
        SCOPED_TRACE(nombre);
        const Salida tabla = selecciona(seccion(nombre), Formato::Tabla);
        const Salida csv = selecciona(seccion(nombre), Formato::Csv);
        const Salida json = selecciona(seccion(nombre), Formato::Json);
        ASSERT_EQ(tabla.estado, 0);
        EXPECT_TRUE(sinNoNumeros(tabla.out));
        EXPECT_TRUE(sinNoNumeros(csv.out));
        EXPECT_TRUE(sinNoNumeros(json.out));
        std::size_t noPositivos = 0;
        for (const auto& c : nlohmann::json::parse(json.out)) {
            if (c.at("refusal").is_null()) {
                EXPECT_NE(c.contains("utilisation"), c.contains("non_positive_factor"));
            }
            if (c.contains("non_positive_factor")) {
                ++noPositivos;
                EXPECT_LE(c.at("non_positive_factor").get<double>(), 0.0);
                EXPECT_EQ(c.at("verdict"), "Tubo NO válido");
            }
        }
        std::size_t coefEnTabla = 0;
        for (std::size_t at = tabla.out.find("coef. -"); at != std::string::npos;
             at = tabla.out.find("coef. -", at + 1))
            ++coefEnTabla;
        EXPECT_EQ(coefEnTabla, noPositivos);
        algunNoPositivo = algunNoPositivo || noPositivos > 0;
    }
    EXPECT_TRUE(algunNoPositivo) << "the fibre-cement sections hold pipes with a negative factor";
}

TEST(CliSelect, AFilterThatLeavesNoPipeSaysSo) {
    const auto f = seccion("pvc-sn8-zanja-trafico.json");
    const Salida dn = selecciona(f, Formato::Tabla, {std::int16_t{65}, std::nullopt});
    EXPECT_EQ(dn.estado, kExitInput);
    EXPECT_EQ(dn.err, "Ningún tubo del catálogo tiene DN 65.\n");
    EXPECT_TRUE(dn.out.empty());
    const Salida astm = selecciona(f, Formato::Json, {std::nullopt, std::int16_t{2}});
    EXPECT_EQ(astm.estado, kExitInput);
    EXPECT_NE(astm.err.find("ASTM"), std::string::npos);
}

} // namespace
} // namespace tubrix::cli
