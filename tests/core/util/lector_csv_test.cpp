#include "util/lector_csv.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

struct CasoDialecto {
    const char* nombre;
    std::string bytes;
    SeparadorCsv separador;
    CodificacionCsv codificacion;
    const char* celda; // row 1, cell 1, as UTF-8
};

class Dialecto : public testing::TestWithParam<CasoDialecto> {};

TEST_P(Dialecto, IsDetectedAndTheCellsReadAsUtf8) {
    const auto tabla = leeCsv(GetParam().bytes);
    ASSERT_TRUE(tabla) << tabla.error().mensaje;
    EXPECT_EQ(tabla->dialecto.separador, GetParam().separador);
    EXPECT_EQ(tabla->dialecto.codificacion, GetParam().codificacion);
    ASSERT_EQ(tabla->filas.size(), 2u);
    EXPECT_EQ(tabla->filas[1].celdas.at(1), GetParam().celda);
}

INSTANTIATE_TEST_SUITE_P(
    LectorCsv, Dialecto,
    testing::Values(CasoDialecto{"espanol", "Tramo;H\r\nP1;2,5\r\n", SeparadorCsv::PuntoYComa,
                                 CodificacionCsv::Utf8, "2,5"},
                    CasoDialecto{"espanolConBom", "\xEF\xBB\xBFTramo;H\nP1;2,5\n",
                                 SeparadorCsv::PuntoYComa, CodificacionCsv::Utf8ConBom, "2,5"},
                    CasoDialecto{"ingles", "Tramo,H\nP1,2.5", SeparadorCsv::Coma,
                                 CodificacionCsv::Utf8, "2.5"},
                    CasoDialecto{"windows1252",
                                 "Tramo;Texto_Proyecto\nP1;Pe\xF1"
                                 "a\n",
                                 SeparadorCsv::PuntoYComa, CodificacionCsv::Windows1252, "Peña"},
                    CasoDialecto{"utf8", "Tramo;Texto_Proyecto\nP1;Peña\n",
                                 SeparadorCsv::PuntoYComa, CodificacionCsv::Utf8, "Peña"},
                    // A comma inside a quoted header name does not make the file English.
                    CasoDialecto{"comaEntreComillas", "\"Tramo, nombre\";H\nP1;3\n",
                                 SeparadorCsv::PuntoYComa, CodificacionCsv::Utf8, "3"}),
    [](const auto& info) { return info.param.nombre; });

TEST(LectorCsv, QuotedCellsHoldSeparatorsQuotesAndLineBreaks) {
    const auto tabla = leeCsv("Tramo;Texto_Proyecto\n\"P;1\";\"dice \"\"hola\"\"\ny adiós\"\n"
                              "\n"
                              "P2;x\n");
    ASSERT_TRUE(tabla) << tabla.error().mensaje;
    ASSERT_EQ(tabla->filas.size(), 3u);
    EXPECT_EQ(tabla->filas[1].celdas[0], "P;1");
    EXPECT_EQ(tabla->filas[1].celdas[1], "dice \"hola\"\ny adiós");
    EXPECT_EQ(tabla->filas[1].linea, 2);
    EXPECT_EQ(tabla->filas[2].linea, 5); // the quoted line break and the empty line count
}

TEST(LectorCsv, MalformedFilesAreErrorsNamingTheLine) {
    const auto abierta = leeCsv("Tramo;H\nP1;\"2,5\n");
    ASSERT_FALSE(abierta);
    EXPECT_EQ(abierta.error().mensaje, "Línea 2: faltan las comillas que cierran la celda.");
    const auto corta = leeCsv("Tramo;H;B\nP1;2\n");
    ASSERT_FALSE(corta);
    EXPECT_EQ(corta.error().mensaje, "Línea 2: tiene 2 celdas y la cabecera 3.");
    const auto basura = leeCsv("Tramo;H\n\"P1\"x;2\n");
    ASSERT_FALSE(basura);
    EXPECT_NE(basura.error().mensaje.find("Línea 2, columna 1"), std::string::npos);
    EXPECT_FALSE(leeCsv(""));
}

TEST(LectorCsv, NumbersUseOnlyTheDialectsDecimalSeparator) {
    EXPECT_EQ(leeNumeroCsv(" 2,5 ", ','), 2.5);
    EXPECT_EQ(leeNumeroCsv("-1,5E3", ','), -1500);
    EXPECT_EQ(leeNumeroCsv("+3", ','), 3);
    EXPECT_EQ(leeNumeroCsv("2.5", '.'), 2.5);
    for (const char* malo : {"2.5", "1.234,5", "2,5,1", "abc", "", "2 m", "inf", "nan", "++1"})
        EXPECT_FALSE(leeNumeroCsv(malo, ',')) << malo;
    EXPECT_FALSE(leeNumeroCsv("2,5", '.'));
    EXPECT_FALSE(leeNumeroCsv("1e999", '.'));
}

} // namespace
} // namespace tubrix
