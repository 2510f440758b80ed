#include "model/campos.h"
#include "model/proyecto.h"

#include <gtest/gtest.h>
#include <limits>
#include <regex>
#include <set>

namespace tubrix {
namespace {

TEST(Proyecto, ProgramStartHasEveryFieldZeroOrEmpty) {
    const Proyecto p;
    EXPECT_EQ(p.Codigo_Material, 0);
    EXPECT_EQ(p.Caso_Zanja, 0.0);
    EXPECT_TRUE(p.Texto_Proyecto.empty());
    EXPECT_FALSE(p.Id_Calculadora.has_value());
    EXPECT_EQ(p.Momentos(Punto::Base, CasoCarga::PesoAgua), 0.0);
    EXPECT_EQ(p.Tubo_No_Valido[FilaVerificacion::Deformacion], 0);
}

TEST(Proyecto, ResetSetsTheNewSectionValues) {
    Proyecto p;
    Inicializa_Proyecto(p, "12-08-2026");
    EXPECT_EQ(p.Fecha, "12-08-2026");
    EXPECT_EQ(p.Norma, 1);
    EXPECT_EQ(p.Codigo_Material, 11);
    EXPECT_EQ(p.Codigo_Submaterial, 1102);
    EXPECT_EQ(p.Codigo_Diametro, 798);
    for (auto v : {p.Tipo_Instalacion, p.Subtipo_Instalacion, p.Tipo_Apoyo, p.Subtipo_Apoyo,
                   p.Tipo_Firme, p.Condicion_Relleno, p.Grupo_Suelo_1, p.Grupo_Suelo_2,
                   p.Grupo_Suelo_3, p.Grupo_Suelo_4, p.Indicador_Sobrecargas})
        EXPECT_EQ(v, 1);
    EXPECT_EQ(p.Compactacion_1, 1.0);
    EXPECT_EQ(p.Compactacion_2, 1.0);
    EXPECT_EQ(p.Caso_Zanja, 1.0);
    EXPECT_EQ(p.Tipo_Conducto, -1);
    EXPECT_EQ(p.Tipo_Vehiculo, 0);
}

TEST(Proyecto, ResetKeepsTheFieldsWithoutAResetValue) {
    Proyecto p;
    p.Clase_Seguridad = 2;
    p.Opcion_Suelo_1 = 3;
    p.Gamma_1 = 19;
    p.E2 = 8;
    p.P0 = 10;
    p.Hay_Cargas_Superficie = -1;
    p.Indice_Firme_Irregular = 4;
    p.Modulo_Capa_Superior = 6000;
    p.Sigma_Clave = 3.5;    // results too
    p.Fichero = "obra.tbx"; // and the wizard values
    p.H = 3;                // while this one is reset
    p.B1 = 1.5;
    const Proyecto antes = p;
    Inicializa_Proyecto(p, "01-02-2027");
    EXPECT_EQ(p.Clase_Seguridad, 2);
    EXPECT_EQ(p.Opcion_Suelo_1, 3);
    EXPECT_EQ(p.Gamma_1, 19);
    EXPECT_EQ(p.E2, 8);
    EXPECT_EQ(p.P0, 10);
    EXPECT_EQ(p.Hay_Cargas_Superficie, -1);
    EXPECT_EQ(p.Indice_Firme_Irregular, 4);
    EXPECT_EQ(p.Modulo_Capa_Superior, 6000);
    EXPECT_EQ(p.Sigma_Clave, 3.5);
    EXPECT_EQ(p.Fichero, antes.Fichero);
    EXPECT_EQ(p.H, 0);
    EXPECT_EQ(p.B1, 0);
}

TEST(Proyecto, ResetDateIsTodayAsMonthDayYear) {
    Proyecto p;
    Inicializa_Proyecto(p);
    EXPECT_TRUE(std::regex_match(p.Fecha, std::regex(R"((0[1-9]|1[0-2])-[0-3][0-9]-20[0-9]{2})")))
        << p.Fecha;
}

TEST(Campos, RegistryNamesAreUniqueAndFindable) {
    std::set<std::string_view> nombres;
    for (const Campo& c : todosLosCampos())
        EXPECT_TRUE(nombres.insert(c.nombre).second) << c.nombre;
    EXPECT_EQ(camposPersistidos().size(), 58u);
    EXPECT_EQ(camposPersistidos().front().nombre, "Texto_Proyecto");
    EXPECT_EQ(camposPersistidos().back().nombre, "P0");
    ASSERT_NE(buscaCampo("Qh_Estrella"), nullptr);
    EXPECT_EQ(buscaCampo("Qh_Estrellaa"), nullptr);
}

// The walk reaches inside optionals and esfuerzo tables and names the first field in registry
// order.
TEST(Campos, FirstNonFiniteFieldIsNamed) {
    Proyecto p;
    EXPECT_EQ(primerCampoNoFinito(p), nullptr);
    p.Axiales(Punto::Base, CasoCarga::PesoAgua) = std::numeric_limits<double>::quiet_NaN();
    ASSERT_NE(primerCampoNoFinito(p), nullptr);
    EXPECT_EQ(primerCampoNoFinito(p)->nombre, "Axiales");
    p.Id_Calculadora = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(primerCampoNoFinito(p)->nombre, "Id_Calculadora");
}

} // namespace
} // namespace tubrix
