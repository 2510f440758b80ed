#include "calc/tensiones.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

constexpr double kIntacto = 123.0; // value a field must keep when nothing is computed for it

// Solid-wall pipe, s = 20 mm, rm = 500 mm (Alfa_Ki = 1.01333, Alfa_Ka = 0.98667).
Proyecto seccion() {
    Proyecto p;
    Arranca_Programa(p);
    p.Codigo_Material = 5;
    p.Rm = 500;
    p.Espesor = 20;
    p.Suma_Momentos[Punto::Clave] = 1.2;
    p.Suma_Axiales[Punto::Clave] = -10;
    p.Suma_Momentos[Punto::Rinones] = -1.0;
    p.Suma_Axiales[Punto::Rinones] = -20;
    p.Suma_Momentos[Punto::Base] = 1.5;
    p.Suma_Axiales[Punto::Base] = -5;
    p.Suma_Momentos_LP = p.Suma_Momentos;
    p.Suma_Axiales_LP = p.Suma_Axiales;
    p.Suma_Momentos_LP[Punto::Clave] = 2.4;
    p.Indicador_Deformacion_A = 1;
    p.Qvt_Def = 50;
    p.Qh_Def = 20;
    p.Cv_Estrella = 0.08;
    p.Sr = 2;
    p.Qvt_Def_LP = 50;
    p.Qh_Def_LP = 60;
    p.Cv_Estrella_LP = 0.08;
    p.Sr_LP = 1;
    return p;
}

TEST(Tensiones, CurvatureFactorsAddUpToTwo) {
    for (const double s : {3.5, 20.0, 77.0})
        for (const double rm : {110.0, 500.0, 1234.5}) {
            Proyecto p = seccion();
            p.Espesor = s;
            p.Rm = rm;
            ASSERT_TRUE(Calcula_Tensiones(p));
            EXPECT_DOUBLE_EQ(p.Alfa_Ki + p.Alfa_Ka, 2.0);
            EXPECT_DOUBLE_EQ(p.Alfa_Ki, 1 + s / (3 * rm));
        }
}

TEST(Tensiones, SolidWallHandComputed) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Tensiones(p));
    EXPECT_NEAR(p.Sigma_Clave, 18 * (1 + 20.0 / 1500) - 0.5, 1e-12);   // 17.74
    EXPECT_NEAR(p.Sigma_Rinones, -1 + 15 * (1 - 20.0 / 1500), 1e-12);  // 13.8
    EXPECT_NEAR(p.Sigma_Base, 22.5 * (1 + 20.0 / 1500) - 0.25, 1e-12); // 22.55
    // Long-term stresses are computed even though the material does not creep.
    EXPECT_EQ(p.Largo_Plazo, 0);
    EXPECT_NEAR(p.Sigma_Clave_LP, 36 * (1 + 20.0 / 1500) - 0.5, 1e-12);
}

TEST(Tensiones, OnlyTheSpringlineStressIsMadePositive) {
    Proyecto p = seccion();
    p.Suma_Momentos[Punto::Clave] = -1.2;
    p.Suma_Momentos[Punto::Rinones] = 1.0;
    p.Suma_Momentos[Punto::Base] = -1.5;
    p.Suma_Momentos_LP = p.Suma_Momentos;
    ASSERT_TRUE(Calcula_Tensiones(p));
    EXPECT_LT(p.Sigma_Clave, 0);
    EXPECT_LT(p.Sigma_Base, 0);
    EXPECT_NEAR(p.Sigma_Rinones, 1 + 15 * (1 - 20.0 / 1500), 1e-12); // |-15.8|
    EXPECT_DOUBLE_EQ(p.Sigma_Rinones_LP, p.Sigma_Rinones);
}

TEST(Tensiones, ProfiledWallUsesSectionModulusAndArea) {
    Proyecto p = seccion();
    p.Codigo_Material = 11;
    p.W = 10;
    p.Area = 5000;
    ASSERT_TRUE(Calcula_Tensiones(p));
    const double ki = 1 + 20.0 / 1500;
    EXPECT_NEAR(p.Sigma_Clave, 1.2 / 10 * ki * 1000 - 10 * 1000 / 5000.0, 1e-9);
    EXPECT_NEAR(p.Sigma_Clave_LP, 2.4 / 10 * ki * 1000 - 10 * 1000 / 5000.0, 1e-9);
    // The profile never divides by the thickness.
    p.Espesor = 0;
    EXPECT_TRUE(Calcula_Tensiones(p));
}

TEST(Tensiones, DeformationHandComputed) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Tensiones(p));
    EXPECT_NEAR(p.Dv, 30 * (2 * 0.08 * 0.5) / 2, 1e-12); // 1.2 mm
    EXPECT_NEAR(p.Dv_Relativa, 1.2 / 0.5 / 20, 1e-12);   // 0.12 %
    EXPECT_NEAR(p.Dv_LP, -10 * 0.08, 1e-12);
    EXPECT_NEAR(p.Dv_Relativa_LP, 0.8 / 0.5 / 20, 1e-12) << "relative shortening is unsigned";
    p.Qh_Def = p.Qvt_Def;
    ASSERT_TRUE(Calcula_Tensiones(p));
    EXPECT_EQ(p.Dv, 0.0);
    EXPECT_EQ(p.Dv_Relativa, 0.0);
}

TEST(Tensiones, RigidPipeKeepsDeformationFields) {
    Proyecto p = seccion();
    p.Indicador_Deformacion_A = p.Indicador_Deformacion_B = 0;
    p.Dv = p.Dv_Relativa = p.Dv_LP = p.Dv_Relativa_LP = kIntacto;
    p.Sr = p.Sr_LP = 0; // not a divisor when nothing is computed
    ASSERT_TRUE(Calcula_Tensiones(p));
    EXPECT_EQ(p.Dv, kIntacto);
    EXPECT_EQ(p.Dv_Relativa, kIntacto);
    EXPECT_EQ(p.Dv_LP, kIntacto);
    EXPECT_EQ(p.Dv_Relativa_LP, kIntacto);
    const auto vista = Vista_Tensiones(p, Catalogo(DatosCatalogo{}), Separadores::espanol());
    EXPECT_FALSE(vista.visibilidad.deformacionesHabilitadas);
    EXPECT_EQ(vista.celdas[7], "");
    EXPECT_EQ(vista.celdas[10], "");
}

struct CasoDivisor {
    const char* nombre;
    void (*prepara)(Proyecto&);
    const char* entrada;
};

void PrintTo(const CasoDivisor& c, std::ostream* os) {
    *os << c.nombre;
}

class TensionesDivisorNulo : public testing::TestWithParam<CasoDivisor> {};

TEST_P(TensionesDivisorNulo, RefusesNamingTheInputAndStoresNothing) {
    Proyecto p = seccion();
    GetParam().prepara(p);
    const Proyecto antes = p;
    const auto r = Calcula_Tensiones(p);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error().mensaje.find(GetParam().entrada), std::string::npos) << r.error().mensaje;
    EXPECT_NE(r.error().mensaje.find("vale 0"), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(p, antes);
}

INSTANTIATE_TEST_SUITE_P(
    Divisores, TensionesDivisorNulo,
    testing::Values(CasoDivisor{"Rm", [](Proyecto& p) { p.Rm = 0; }, "radio medio"},
                    CasoDivisor{"Espesor", [](Proyecto& p) { p.Espesor = 0; }, "espesor"},
                    CasoDivisor{"Area",
                                [](Proyecto& p) {
                                    p.Codigo_Material = 11;
                                    p.W = 10;
                                    p.Area = 0;
                                },
                                "área"},
                    CasoDivisor{"W",
                                [](Proyecto& p) {
                                    p.Codigo_Material = 11;
                                    p.Area = 5000;
                                    p.W = 0;
                                },
                                "módulo resistente"},
                    CasoDivisor{"Sr", [](Proyecto& p) { p.Sr = 0; }, "rigidez del tubo Sr"},
                    CasoDivisor{"SrLP", [](Proyecto& p) { p.Sr_LP = 0; }, "largo plazo Sr"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(TensionesVista, LongTermCellsOnlyForCreepingMaterials) {
    DatosCatalogo datos;
    datos.grupos.push_back(Grupo{5, "Poliéster reforzado", true});
    const Catalogo catalogo(std::move(datos));
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Tensiones(p));
    auto vista = Vista_Tensiones(p, catalogo, Separadores::espanol());
    EXPECT_FALSE(vista.visibilidad.largoPlazoVisible);
    EXPECT_EQ(vista.celdas[11], "");
    EXPECT_EQ(vista.celdas[3], "17,7400");
    EXPECT_EQ(vista.celdas[5], "Poliéster reforzado");
    EXPECT_EQ(vista.celdas[8], "0,1200");
    p.Largo_Plazo = 1;
    vista = Vista_Tensiones(p, catalogo, Separadores::espanol());
    EXPECT_TRUE(vista.visibilidad.largoPlazoVisible);
    EXPECT_EQ(vista.celdas[12], "13,8000");
}

} // namespace
} // namespace tubrix
