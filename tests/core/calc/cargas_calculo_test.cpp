#include "calc/cargas_calculo.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tubrix {
namespace {

// Trench 2 m deep, a uniform surface load of 10 kN/m2, heavy traffic, and the same factors in
// every column: lambda RG 1.2, lambda B 0.9333, K2 0.4, a flexible pipe (VRB 0.01), K* 0.5.
Proyecto seccion() {
    Proyecto p;
    Arranca_Programa(p);
    Inicializa_Proyecto(p, "01-01-2026");
    p.Caso_Zanja = 1.0;
    p.Cz = 1;
    p.Cn = 0;
    p.Gamma_1 = 20;
    p.Gamma_2 = 20;
    p.H_Total = 2;
    p.Xoc = 1;
    p.P0 = 10;
    p.Pv = 53.83;
    p.Diametro_Exterior = 500;
    p.Largo_Plazo = 1;
    p.Lambda_RG_Tensiones = p.Lambda_RG_Tensiones_LP = p.Lambda_RG = p.Lambda_RG_LP = 1.2;
    p.Lambda_B_Tensiones = p.Lambda_B_Tensiones_LP = p.Lambda_B = p.Lambda_B_LP = 0.9333;
    p.K2_Lateral_Tensiones = p.K2_Lateral_Tensiones_LP = p.K2_Lateral = p.K2_Lateral_LP = 0.4;
    p.VRB_Tensiones = p.VRB_Tensiones_LP = p.VRB = p.VRB_LP = 0.01;
    p.K_Estrella_Tensiones = p.K_Estrella_Tensiones_LP = p.K_Estrella = p.K_Estrella_LP = 0.5;
    return p;
}

TEST(CargasCalculoTensiones, WorkedExample) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_NEAR(p.Qvt, 113.83, 1e-9);
    EXPECT_NEAR(p.Qh, 16.93, 5e-3);
    EXPECT_NEAR(p.Qh_Estrella, 48.45, 5e-3);
    EXPECT_EQ(p.Qvt_LP, p.Qvt);
    EXPECT_EQ(p.Qh_LP, p.Qh);
    EXPECT_EQ(p.Qh_Estrella_LP, p.Qh_Estrella);
}

TEST(CargasCalculoTensiones, StiffPipeHasNoBeddingReactionInThatColumnOnly) {
    Proyecto p = seccion();
    p.VRB_Tensiones = 0.2;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_EQ(p.Qh_Estrella, 0);
    EXPECT_NEAR(p.Qh_Estrella_LP, 48.45, 5e-3);

    p = seccion();
    p.VRB_Tensiones_LP = 0.1000001;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_NEAR(p.Qh_Estrella, 48.45, 5e-3);
    EXPECT_EQ(p.Qh_Estrella_LP, 0);

    p = seccion();
    p.VRB_Tensiones = 0.1; // not above 0.1: still flexible
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_NEAR(p.Qh_Estrella, 48.45, 5e-3);
}

TEST(CargasCalculoTensiones, LongTermColumnIsComputedWithoutCreep) {
    Proyecto p = seccion();
    p.Largo_Plazo = 0;
    p.Lambda_RG_Tensiones_LP = 1.0;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_NEAR(p.Qvt_LP, 50 + 53.83, 1e-9);
}

TEST(CargasCalculoTensiones, HorizontalLoadTakesTheNaturalGroundWeight) {
    Proyecto p = seccion();
    p.Gamma_2 = 18;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_NEAR(p.Qvt, 113.83, 1e-9) << "the vertical load keeps Gamma_1";
    EXPECT_NEAR(p.Qh, 1 * 18 * 2 * (0.4 * 0.9333) + 18 * 0.4 * 500 / 2000.0, 1e-12);
}

TEST(CargasCalculoTensiones, EmbankedTrenchWithoutEmbankmentIsATrenchOfH1) {
    Proyecto zanja = seccion();
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(zanja));

    Proyecto p = seccion();
    p.Caso_Zanja = 3.0;
    p.H_Total = 99; // not read in case 3
    p.H1 = 2;
    p.H2 = 0;
    p.Cn = 0.7;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_DOUBLE_EQ(p.Qvt, zanja.Qvt);
    EXPECT_DOUBLE_EQ(p.Qh, zanja.Qh);

    // With an embankment the second layer adds Cn·Gamma_2·H2; the half diameter takes Gamma_1.
    p.H2 = 1;
    p.Gamma_2 = 18;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    const double suelo = 40 + 0.7 * 18;
    EXPECT_NEAR(p.Qvt, (suelo + 10) * 1.2 + 53.83, 1e-9);
    EXPECT_NEAR(p.Qh, suelo * 0.4 * 0.9333 + 20 * 0.4 * 0.25, 1e-9);
}

TEST(CargasCalculoTensiones, LeavesTheTrenchFlagAlone) {
    Proyecto p = seccion();
    p.Cero_Zanja = 5;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Tensiones(p));
    EXPECT_EQ(p.Cero_Zanja, 5);
}

TEST(CargasCalculoDeformaciones, ShortTermColumnHasNoTraffic) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Cargas_Calculo_Deformaciones(p));
    EXPECT_NEAR(p.Qvt_Def, 60, 1e-9);
    EXPECT_NEAR(p.Qvt_Def_LP, 113.83, 1e-9);
    EXPECT_NEAR(p.Qh_Def, 16.93, 5e-3);
    EXPECT_NEAR(p.Qh_Estrella_Def, (60 - p.Qh_Def) * 0.5, 1e-9);
    EXPECT_NEAR(p.Qh_Estrella_Def_LP, 48.45, 5e-3);
    EXPECT_EQ(p.Qvt, 0) << "the stress loads are not touched";
}

TEST(CargasCalculoDeformaciones, WithoutTrafficTheColumnsDifferOnlyByTheirFactors) {
    Proyecto p = seccion();
    p.Pv = 0;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Deformaciones(p));
    EXPECT_EQ(p.Qvt_Def, p.Qvt_Def_LP);
    EXPECT_EQ(p.Qh_Def, p.Qh_Def_LP);
    EXPECT_EQ(p.Qh_Estrella_Def, p.Qh_Estrella_Def_LP);

    p.Lambda_RG_LP = 1.5;
    p.VRB = 0.5;
    ASSERT_TRUE(Calcula_Cargas_Calculo_Deformaciones(p));
    EXPECT_NEAR(p.Qvt_Def_LP, 75, 1e-9);
    EXPECT_EQ(p.Qh_Estrella_Def, 0);
}

struct CasoRechazo {
    const char* nombre;
    bool deformaciones;
    void (*prepara)(Proyecto&);
};

class CargasCalculoRechazo : public testing::TestWithParam<CasoRechazo> {};

TEST_P(CargasCalculoRechazo, NonFiniteLoadIsRefusedAndNothingStored) {
    Proyecto p = seccion();
    GetParam().prepara(p);
    const Proyecto antes = p;
    const auto r = GetParam().deformaciones ? Calcula_Cargas_Calculo_Deformaciones(p)
                                            : Calcula_Cargas_Calculo_Tensiones(p);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().codigo, CodigoError::DatoNoCalculable);
    EXPECT_NE(r.error().mensaje.find("no es un número finito"), std::string::npos);
    EXPECT_EQ(p, antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CargasCalculoRechazo,
    testing::Values(CasoRechazo{"CargaEnorme", false,
                                [](Proyecto& p) {
                                    p.P0 = 1.7e308;
                                }},
                    CasoRechazo{"SoloLargoPlazo", false,
                                [](Proyecto& p) {
                                    p.Lambda_RG_Tensiones_LP =
                                        std::numeric_limits<double>::infinity();
                                }},
                    CasoRechazo{"Deformaciones", true,
                                [](Proyecto& p) {
                                    p.Gamma_2 = std::numeric_limits<double>::infinity();
                                }}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
} // namespace tubrix
