#include "calc_command.h"
#include "model/fichero_proyecto.h"
#include "support/catalogo_prueba.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace tubrix::cli {
namespace {

namespace fs = std::filesystem;

fs::path seccion(const char* nombre) {
    return fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre;
}

std::string lee(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Salida {
    int estado;
    std::string out;
    std::string err;
};

Salida calcula(const fs::path& fichero, bool json = false) {
    std::ostringstream out;
    std::ostringstream err;
    const int estado = runCalc(fichero, json, test::catalogoDelPrograma(), out, err);
    return {estado, out.str(), err.str()};
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

} // namespace
} // namespace tubrix::cli
