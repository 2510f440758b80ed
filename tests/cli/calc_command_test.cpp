#include "calc_command.h"
#include "ejecuta_cli.h"
#include "model/fichero_proyecto.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace tubrix::cli {
namespace {

namespace fs = std::filesystem;

using Salida = test::SalidaCli;
using test::seccion;

std::string lee(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Salida calcula(const fs::path& fichero, bool json = false) {
    return test::ejecutaCli(runCalc, fichero, json);
}

TEST(CliCalc, SummaryOfAValidSectionIsTheRecordedText) {
    const Salida s = calcula(seccion("pvc-sn8-zanja-trafico.json"));
    EXPECT_EQ(s.estado, kExitValid);
    EXPECT_EQ(s.out, lee(fs::path(TUBRIX_TEST_DATA_DIR) / "cli" / "pvc-sn8-zanja-trafico.txt"));
    EXPECT_TRUE(s.err.empty());
}

TEST(CliCalc, ExitStatusTellsTheVerdict) {
    const Salida invalido = calcula(seccion("pe-sdr33-suelo-blando-no-valido.json"));
    EXPECT_EQ(invalido.estado, kExitNotValid);
    EXPECT_NE(invalido.out.find("CONCLUSIÓN: TUBO NO VÁLIDO."), std::string::npos);
}

TEST(CliCalc, ARefusedSectionStopsWithStatusTwoAndTheMessage) {
    test::TempDir dir;
    std::ofstream(dir / "corta.json") << R"({"Codigo_Material": 6, "Codigo_Submaterial": 603,
        "Codigo_Diametro": 6308, "H": 2, "B": 0.85, "Beta": 90})";
    const Salida texto = calcula(dir / "corta.json");
    EXPECT_EQ(texto.estado, kExitInput);
    EXPECT_NE(texto.err.find("paso 3 (Datos_Zanja)"), std::string::npos) << texto.err;
    EXPECT_NE(texto.err.find("debido al talud.\nModificar B o beta."), std::string::npos);

    const Salida json = calcula(dir / "corta.json", true);
    EXPECT_EQ(json.estado, kExitInput);
    const auto objeto = nlohmann::json::parse(json.out);
    EXPECT_TRUE(objeto.at("verdict").is_null());
    EXPECT_EQ(objeto.at("refusal").at("step"), 3);
    EXPECT_EQ(objeto.at("refusal").at("screen"), "Datos_Zanja");
    EXPECT_EQ(objeto.at("refusal").at("message"),
              "Anchura fondo de zanja insuficiente debido al talud.\rModificar B o beta.");
}

// Values no section can have are refused by the screen that takes them, exit 2, never turned
// into a verdict (each of these once gave "válido").
TEST(CliCalc, PhysicallyImpossibleInputsAreRefusals) {
    test::TempDir dir;
    const auto base = nlohmann::json::parse(lee(seccion("pvc-sn8-zanja-trafico.json")));
    const nlohmann::json ensayos = {{"Opcion_Suelo_3", -1},
                                    {"Gamma_1", 20},
                                    {"Gamma_2", 20},
                                    {"Ro", 30},
                                    {"Ro_Prima", 20},
                                    {"K1", 0.5},
                                    {"K2", 0.4},
                                    {"E1", 8},
                                    {"E2", 8},
                                    {"E3", 8},
                                    {"E4", 8}};
    const std::pair<nlohmann::json, const char*> casos[] = {
        {{{"H", 2500}}, "El valor de H debe ser inferior a 20 m"},
        {{{"H", 1e6}}, "El valor de H debe ser inferior a 20 m"},
        {{{"P0", -1}}, "La carga superficial P0 debe ser mayor o igual que 0 kN/m2"},
        {{{"E1", -8}}, "El módulo de compresión E1 de la zona 1 debe ser mayor que 0 N/mm2"},
        {{{"K2", -0.4}}, "El coeficiente de empuje lateral K2 debe ser mayor o igual que 0"},
        {{{"Tipo_Instalacion", 2}, {"H1", 1}, {"H2", 1}, {"Beta", 180}},
         "El valor del ángulo Beta debe de estar entre 10º y 90º"},
    };
    for (const auto& [cambios, mensaje] : casos) {
        nlohmann::json seccionMala = base;
        seccionMala.update(ensayos);
        seccionMala.update(cambios);
        std::ofstream(dir / "mala.json") << seccionMala.dump();
        const Salida s = calcula(dir / "mala.json");
        EXPECT_EQ(s.estado, kExitInput) << cambios.dump();
        EXPECT_NE(s.err.find(mensaje), std::string::npos) << s.err;
    }
}

TEST(CliCalc, JsonHoldsEveryFieldWithArraysInTableOrder) {
    const Salida s = calcula(seccion("prfv-largo-plazo-zanja-terraplenada-freatico.json"), true);
    ASSERT_EQ(s.estado, kExitValid);
    const auto objeto = nlohmann::json::parse(s.out);
    EXPECT_EQ(objeto.at("verdict"), "Tubo válido");
    EXPECT_TRUE(objeto.at("refusal").is_null());
    ASSERT_EQ(objeto.at("Momentos").size(), 3u);
    EXPECT_EQ(objeto.at("Momentos").at(0).size(), 5u);
    EXPECT_EQ(objeto.at("Tubo_No_Valido").size(), 7u);
    EXPECT_TRUE(objeto.at("Id_Calculadora").is_null());
    EXPECT_EQ(objeto.at("Clase_Material"), "PRFV UNE-EN 14364 SN 5000, serie B2 (DE PRFV)");
}

TEST(CliCalc, UnreadableOrInvalidInputIsStatusTwo) {
    test::TempDir dir;
    EXPECT_EQ(calcula(dir / "no_existe.tbx").estado, kExitInput);
    std::ofstream(dir / "roto.json") << "{ no es json";
    const Salida roto = calcula(dir / "roto.json");
    EXPECT_EQ(roto.estado, kExitInput);
    EXPECT_NE(roto.err.find("no es JSON válido"), std::string::npos);
    std::ofstream(dir / "campo.json") << R"({"Sigma_Clave": 3})";
    const Salida campo = calcula(dir / "campo.json");
    EXPECT_EQ(campo.estado, kExitInput);
    EXPECT_NE(campo.err.find("Sigma_Clave no es un dato del fichero de proyecto"),
              std::string::npos)
        << campo.err;
    std::ofstream(dir / "tipo.json") << R"({"Tipo_Apoyo": 40000})";
    EXPECT_NE(calcula(dir / "tipo.json").err.find("entre -32768 y 32767"), std::string::npos);
}

// Group, sub-class and pipe must belong together: a PE pipe calculated with the moduli of PVC
// was "válido".
TEST(CliCalc, CodesThatDoNotBelongTogetherAreRefused) {
    test::TempDir dir;
    std::ofstream(dir / "grupo.json") << R"({"Codigo_Material": 6, "H": 2, "B": 1.2, "Beta": 90})";
    const Salida grupo = calcula(dir / "grupo.json");
    EXPECT_EQ(grupo.estado, kExitInput);
    EXPECT_NE(grupo.err.find("no es un proyecto válido: Codigo_Submaterial = 1102 (valores "
                             "admitidos: 601 a 700)"),
              std::string::npos)
        << grupo.err;
    std::ofstream(dir / "tubo.json") << R"({"Codigo_Diametro": 6306, "H": 2, "B": 1.2})";
    const Salida tubo = calcula(dir / "tubo.json");
    EXPECT_EQ(tubo.estado, kExitInput);
    EXPECT_NE(tubo.err.find("paso 1 (Datos_Tubos): El tubo de código 6306 es del material 603, "
                            "no del material 1102."),
              std::string::npos)
        << tubo.err;
}

TEST(CliConvert, JsonToProjectFileAndBackKeepsEveryPersistedField) {
    test::TempDir dir;
    std::ostringstream err;
    ASSERT_EQ(runConvert(seccion("pp-largo-plazo-ensayos-lt12.json"), dir / "pp.tbx", err), 0)
        << err.str();
    ASSERT_EQ(runConvert(dir / "pp.tbx", dir / "pp.json", err), 0) << err.str();
    ASSERT_EQ(runConvert(dir / "pp.json", dir / "otra.tbx", err), 0) << err.str();
    EXPECT_EQ(lee(dir / "pp.tbx"), lee(dir / "otra.tbx"));
    EXPECT_EQ(lee(dir / "pp.tbx").size(), kBytesProyecto);
    EXPECT_EQ(runConvert(dir / "pp.tbx", dir / "copia.tbx", err), kExitUsage);
}

TEST(CliConvert, TextsTheFileCannotHoldAreWarnedAbout) {
    test::TempDir dir;
    std::ofstream(dir / "texto.json")
        << R"({"Texto_Proyecto": "Colector 中 )" + std::string(140, 'x') + R"("})";
    std::ostringstream err;
    ASSERT_EQ(runConvert(dir / "texto.json", dir / "texto.tbx", err), 0) << err.str();
    EXPECT_EQ(err.str(), "Aviso: El texto de Texto_Proyecto cambia al guardarlo: 1 carácter que "
                         "el fichero no puede guardar se guarda como \"?\", y se guardan sus 126 "
                         "primeros caracteres de 151.\n");
    std::ostringstream limpio;
    ASSERT_EQ(runConvert(dir / "texto.tbx", dir / "vuelta.json", limpio), 0);
    ASSERT_EQ(runConvert(dir / "vuelta.json", dir / "vuelta.tbx", limpio), 0);
    EXPECT_TRUE(limpio.str().empty()) << limpio.str();
}

#ifndef _WIN32
TEST(CliConvert, WritingThroughASymbolicLinkKeepsTheLink) {
    test::TempDir dir;
    fs::create_directory(dir / "obras");
    std::ofstream(dir / "obras" / "real.tbx") << "viejo";
    fs::create_symlink(fs::path("obras") / "real.tbx", dir / "enlace.tbx");
    std::ostringstream err;
    ASSERT_EQ(runConvert(seccion("pvc-sn8-zanja-trafico.json"), dir / "enlace.tbx", err), 0)
        << err.str();
    EXPECT_TRUE(fs::is_symlink(dir / "enlace.tbx"));
    EXPECT_EQ(lee(dir / "obras" / "real.tbx").size(), kBytesProyecto);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "obras"), fs::directory_iterator()), 1);
}

// A name copied from an old Windows disk holds Latin-1 bytes: the JSON output shows them as
// replacement characters instead of aborting.
TEST(CliCalc, AFileNameThatIsNotUtf8IsShownWithReplacementCharacters) {
    test::TempDir dir;
    const fs::path latin1 = dir.path() / fs::path(std::string("ca\xF1o.tbx"));
    std::ostringstream err;
    ASSERT_EQ(runConvert(seccion("pvc-sn8-zanja-trafico.json"), latin1, err), 0) << err.str();
    const Salida s = calcula(latin1, true);
    EXPECT_EQ(s.estado, kExitValid) << s.err;
    const auto objeto = nlohmann::json::parse(s.out);
    const std::string fichero = objeto.at("Fichero");
    EXPECT_NE(fichero.find("ca\xEF\xBF\xBDo.tbx"), std::string::npos) << fichero;

    std::ofstream(dir.path() / fs::path(std::string("ro\xF1o.json"))) << "{";
    const Salida roto = calcula(dir.path() / fs::path(std::string("ro\xF1o.json")));
    EXPECT_NE(roto.err.find("ro\xEF\xBF\xBDo.json"), std::string::npos) << roto.err;
}
#endif

} // namespace
} // namespace tubrix::cli
