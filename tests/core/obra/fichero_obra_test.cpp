#include "obra/fichero_obra.h"
#include "obra/importa_csv.h"
#include "support/secciones.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

Obra ejemplo() {
    Obra obra = Obra_Nueva(test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                              "pvc-sn8-zanja-trafico.json"));
    obra.columnas = {"H", "Hf", "DN", "Texto_Proyecto"};
    obra.tramos = {Tramo{"P1-P2", {{"H", 1.0 / 3}, {"Hf", 0.5}}},
                   Tramo{"P2-P3 «ñ»", {{"DN", 315.0}, {"Texto_Proyecto", std::string("x\"y")}}},
                   Tramo{"P3-P4", {}}};
    return obra;
}

TEST(FicheroObra, SavedAndOpenedAgainIsTheSameWorks) {
    test::TempDir dir;
    const Obra obra = ejemplo();
    ASSERT_TRUE(Guarda_Obra(obra, dir / "obra.tbo"));
    const auto abierta = Abre_Obra(dir / "obra.tbo");
    ASSERT_TRUE(abierta) << abierta.error().mensaje;
    EXPECT_EQ(abierta->columnas, obra.columnas);
    EXPECT_EQ(abierta->tramos, obra.tramos);
    for (const Campo& c : camposPersistidos())
        std::visit([&](auto m) { EXPECT_EQ(abierta->base.*m, obra.base.*m) << c.nombre; },
                   c.miembro);
    EXPECT_EQ(Codifica_Obra(*abierta), Codifica_Obra(obra));
}

struct CasoMalo {
    const char* nombre;
    std::string texto;
    const char* mensaje;
};

class ObraMala : public testing::TestWithParam<CasoMalo> {};

TEST_P(ObraMala, IsRefusedNamingWhatIsWrong) {
    const auto leida = Descodifica_Obra(GetParam().texto, "o.tbo");
    ASSERT_FALSE(leida);
    EXPECT_NE(leida.error().mensaje.find(GetParam().mensaje), std::string::npos)
        << leida.error().mensaje;
}

#define CABECERA R"("formato": "Obras TUBRIX", "version": 1, )"

INSTANTIATE_TEST_SUITE_P(
    Fichero, ObraMala,
    testing::Values(
        CasoMalo{"noJson", "{", "no es JSON válido"},
        CasoMalo{"sinFormato", R"({"version": 1})", "falta \"formato\""},
        CasoMalo{"versionFutura", R"({"formato": "Obras TUBRIX", "version": 2})",
                 "es de la versión 2 del formato"},
        CasoMalo{"apartadoDesconocido", "{" CABECERA R"("notas": 1})",
                 "\"notas\" no es un apartado"},
        CasoMalo{"baseMala", "{" CABECERA R"("base": {"H": "dos"}})", "H debe ser un número"},
        CasoMalo{"columnaDesconocida", "{" CABECERA R"("columnas": ["Hx"]})",
                 "la columna \"Hx\" no es un dato"},
        CasoMalo{"columnaRepetida", "{" CABECERA R"("columnas": ["H", "H"]})",
                 "\"H\" está repetida"},
        CasoMalo{"tramoSinNombre", "{" CABECERA R"("tramos": [{"H": 2}]})",
                 "el tramo 1 no tiene nombre"},
        CasoMalo{"campoDesconocido",
                 "{" CABECERA R"("columnas": ["H"], "tramos": [{"Tramo": "A", "Hx": 2}]})",
                 "tramo \"A\": \"Hx\" no es un dato"},
        CasoMalo{"fueraDeColumnas",
                 "{" CABECERA R"("columnas": ["H"], "tramos": [{"Tramo": "A", "B": 2}]})",
                 "tramo \"A\": \"B\" no está entre las columnas"},
        CasoMalo{"tipoMalo",
                 "{" CABECERA R"("columnas": ["H"], "tramos": [{"Tramo": "A", "H": "2"}]})",
                 "tramo \"A\", H: debe ser un número"},
        CasoMalo{
            "enteroMalo",
            "{" CABECERA
            R"("columnas": ["Tipo_Vehiculo"], "tramos": [{"Tramo": "A", "Tipo_Vehiculo": 1.5}]})",
            "tramo \"A\", Tipo_Vehiculo: debe ser un entero"}),
    [](const auto& info) { return info.param.nombre; });

TEST(FicheroObra, AFileThatCannotBeReadIsAnError) {
    test::TempDir dir;
    const auto leida = Abre_Obra(dir / "no-existe.tbo");
    ASSERT_FALSE(leida);
    EXPECT_EQ(leida.error().codigo, CodigoError::FicheroNoLegible);
    EXPECT_EQ(Aplica_Extension_Tbo("obra"), "obra.tbo");
    EXPECT_EQ(Aplica_Extension_Tbo("OBRA.TBO"), "OBRA.TBO");
}

TEST(ImportaCsv, SpreadsheetColumnsBecomeTheWorksColumns) {
    const auto r = Importa_Tramos_Csv(std::string("\xEF\xBB\xBF tramo ; h ;Hf;dn\r\n"
                                                  "P1;2,5;;400\r\n"
                                                  ";;;\r\n"
                                                  "P2;3;1,25;\r\n"));
    ASSERT_TRUE(r) << r.error().mensaje;
    EXPECT_EQ(describeDialecto(r->dialecto), "punto y coma, coma decimal, UTF-8 con BOM");
    EXPECT_EQ(r->columnas, (std::vector<std::string>{"H", "Hf", "DN"}));
    ASSERT_EQ(r->tramos.size(), 2u);
    EXPECT_EQ(r->tramos[0], (Tramo{"P1", {{"H", 2.5}, {"DN", 400.0}}}));
    EXPECT_EQ(r->tramos[1], (Tramo{"P2", {{"H", 3.0}, {"Hf", 1.25}}}));

    Obra obra = ejemplo();
    Anade_Tramos(obra, *r);
    EXPECT_EQ(obra.columnas, (std::vector<std::string>{"H", "Hf", "DN", "Texto_Proyecto"}));
    EXPECT_EQ(obra.tramos.size(), 5u);
}

TEST(ImportaCsv, ABadCellNamesItsLineAndColumn) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"Tramo,H\nP1,2.5\nP2,2;5\n",
         "Línea 3, columna 2 (H): \"2;5\" no es un número escrito con punto decimal"},
        {"Tramo;H\nP1;2.5\n", "Línea 2, columna 2 (H): \"2.5\" no es un número escrito con coma"},
        {"Tramo;Tipo_Apoyo\nP1;1,5\n",
         "Línea 2, columna 2 (Tipo_Apoyo): debe ser un entero entre -32768 y 32767."},
        {"Tramo;DN\nP1;-400\n", "Línea 2, columna 2 (DN): debe ser un diámetro nominal"},
        {"Tramo;Hx\nP1;1\n", "Línea 1, columna 2: \"Hx\" no es un dato de la sección"},
        {"Tramo;H;h\nP1;1;2\n", "Línea 1, columna 3: la columna H está repetida."},
        {"H;B\n1;2\n", "no tiene la columna Tramo"},
        {"Tramo;H\n;2\n", "Línea 2, columna 1: el tramo no tiene nombre."},
    };
    for (const auto& [csv, mensaje] : casos) {
        const auto r = Importa_Tramos_Csv(csv);
        ASSERT_FALSE(r) << csv;
        EXPECT_NE(r.error().mensaje.find(mensaje), std::string::npos) << r.error().mensaje;
    }
}

} // namespace
} // namespace tubrix
