#include "calc/distribucion_cargas_2.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace tubrix {
namespace {

constexpr double kTope30 = 2.154700538517121; // 1 + 2 tan 30°
constexpr double kLambdaFu = 0.3900055688669525;

// A flexible pipe of 500 mm under 2 m of cover in a trench of B/D = 3, the stiffness values set
// as the previous calculation leaves them in every set.
Proyecto seccion() {
    Proyecto p;
    Arranca_Programa(p);
    Inicializa_Proyecto(p, "01-01-2026");
    p.Caso_Zanja = 1.0;
    p.Relacion_Proyeccion = 1;
    p.E1 = 6;
    p.E4 = 10;
    p.Ro = 30;
    p.H_Total = 2;
    p.Diametro_Exterior = 500;
    p.Relacion_BD = 3;
    p.E2_Corregido_Tensiones = p.E2_Corregido_Tensiones_LP = p.E2_Corregido = p.E2_Corregido_LP =
        14.0 / 3;
    p.K2_Lateral_Tensiones = p.K2_Lateral_Tensiones_LP = p.K2_Lateral = p.K2_Lateral_LP = 0.4;
    p.Vs_Tensiones = p.Vs_Tensiones_LP = p.Vs = p.Vs_LP = 0.622767522988553;
    return p;
}

// A pipe so stiff against a soft bedding that lambda R would pass 4.
void muyConcentrado(Proyecto& p) {
    p.Relacion_Proyeccion = 100;
    p.E1 = 1;
    p.E4 = 1000;
    p.E2_Corregido_Tensiones = p.E2_Corregido_Tensiones_LP = p.E2_Corregido = p.E2_Corregido_LP = 1;
    p.Vs_Tensiones = p.Vs_Tensiones_LP = p.Vs = p.Vs_LP = 1e6;
}

TEST(DistribucionCargas2Tensiones, FlexiblePipeInANarrowTrench) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_NEAR(p.A_Prima_Tensiones, 1.285714, 1e-6);
    EXPECT_NEAR(p.Lambda_Max_Tensiones, 1.415232, 1e-6);
    EXPECT_NEAR(p.Lambda_R_Tensiones, 0.958007, 1e-6);
    EXPECT_NEAR(p.Lambda_B_Tensiones, 1.013998, 1e-6);
    EXPECT_NEAR(p.Lambda_RG_Tensiones, 0.972005, 1e-6);
    EXPECT_NEAR(p.Lambda_Fo, 3.7, 1e-12);
    EXPECT_NEAR(p.Lambda_Fu, 0.3900, 5e-5);
    EXPECT_EQ(p.Vs_Tensiones, 0.622767522988553) << "Vs stays unless a' <= 0.25";
}

TEST(DistribucionCargas2Tensiones, QuarterRelativeProjectionMeansNoConcentration) {
    Proyecto p = seccion();
    p.E1 = 1;
    p.E2_Corregido_Tensiones = 4; // a' = 0.25 exactly
    p.E4 = 0;                     // never divided by here
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_EQ(p.A_Prima_Tensiones, 0.25);
    EXPECT_EQ(p.Lambda_Max_Tensiones, 1);
    EXPECT_EQ(p.Lambda_R_Tensiones, 1);
    EXPECT_EQ(p.Lambda_B_Tensiones, 1);
    EXPECT_EQ(p.Lambda_RG_Tensiones, 1);
    EXPECT_EQ(p.Vs_Tensiones, 0);

    p.E1 = 0.5; // a' = 0.125 is raised to 0.25
    p.Vs_Tensiones = 3;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_EQ(p.A_Prima_Tensiones, 0.25);
    EXPECT_EQ(p.Vs_Tensiones, 0);
}

TEST(DistribucionCargas2Tensiones, VeryFlexiblePipeTakesTheSoilValue) {
    Proyecto p = seccion();
    p.Vs_Tensiones = 0;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_NEAR(p.Lambda_R_Tensiones, 0.4706, 5e-5);
    EXPECT_DOUBLE_EQ(p.Lambda_R_Tensiones, 4 * 0.4 / 3.4);
    EXPECT_NEAR(p.Lambda_B_Tensiones, 1.17647, 1e-5);
    EXPECT_NEAR(p.Lambda_RG_Tensiones, 0.64706, 1e-5);
}

TEST(DistribucionCargas2Tensiones, PipeThatTakesExactlyItsShare) {
    Proyecto p = seccion();
    const double aPrima = 1 * 6 / (14.0 / 3);
    p.Vs_Tensiones = (1 - 0.4) / (1 - 0.25 / aPrima);
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_EQ(p.Lambda_R_Tensiones, 1);
    EXPECT_EQ(p.Lambda_B_Tensiones, 1);
}

TEST(DistribucionCargas2Tensiones, ConcentrationIsCutAtFour) {
    Proyecto p = seccion();
    muyConcentrado(p);
    p.Relacion_BD = 5;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_NEAR(p.Lambda_Max_Tensiones, 67.7933, 5e-4);
    EXPECT_EQ(p.Lambda_R_Tensiones, 4);
    EXPECT_EQ(p.Lambda_B_Tensiones, 0);
    EXPECT_DOUBLE_EQ(p.Lambda_RG_Tensiones, kTope30) << "the last limit binds";
}

TEST(DistribucionCargas2Tensiones, WideTrenchKeepsLambdaR) {
    Proyecto p = seccion();
    p.Relacion_BD = 5;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_EQ(p.Lambda_RG_Tensiones, p.Lambda_R_Tensiones);
}

TEST(DistribucionCargas2Tensiones, LowerLimitRaisesLambdaRG) {
    Proyecto p = seccion();
    muyConcentrado(p);
    p.Relacion_BD = 0; // lambda RG = lambda B = 0 before the limits
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_DOUBLE_EQ(p.Lambda_RG_Tensiones, kLambdaFu);
}

struct CasoLimiteSuperior {
    double H_Total;
    double lambdaFo;
};

class DistribucionCargas2Limites : public testing::TestWithParam<CasoLimiteSuperior> {};

TEST_P(DistribucionCargas2Limites, UpperLimitFromTheCover) {
    Proyecto p = seccion();
    muyConcentrado(p);
    p.Relacion_BD = 5;
    p.Ro = 45; // 1 + 2 tan 45° = 3 does not bind
    p.H_Total = GetParam().H_Total;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_NEAR(p.Lambda_Fo, GetParam().lambdaFo, 1e-12);
    EXPECT_NEAR(p.Lambda_RG_Tensiones, std::min(GetParam().lambdaFo, 3.0), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Tabla, DistribucionCargas2Limites,
                         testing::Values(CasoLimiteSuperior{2, 3.7}, CasoLimiteSuperior{10, 2.5},
                                         CasoLimiteSuperior{12, 2.5}, CasoLimiteSuperior{20, 2.5}));

TEST(DistribucionCargas2Tensiones, EmbankmentKeepsLambdaR) {
    Proyecto p = seccion();
    p.Caso_Zanja = 2.0;
    p.Relacion_BD = 0;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(p));
    EXPECT_EQ(p.Lambda_RG_Tensiones, p.Lambda_R_Tensiones);
}

// --- Long-term stresses --------------------------------------------------------------------

TEST(DistribucionCargas2TensionesLargo, EmbankmentRunsTheTrenchFormula) {
    Proyecto p = seccion();
    p.Caso_Zanja = 2.0;
    p.Relacion_BD = 0;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones_Largo(p));
    EXPECT_NEAR(p.Lambda_R_Tensiones_LP, 0.958007, 1e-6);
    EXPECT_DOUBLE_EQ(p.Lambda_RG_Tensiones_LP, p.Lambda_B_Tensiones_LP);
}

TEST(DistribucionCargas2TensionesLargo, EmbankedTrenchIsNotLimited) {
    Proyecto p = seccion();
    muyConcentrado(p);
    p.Caso_Zanja = 3.0;
    p.Relacion_BD = 5;
    p.Lambda_Fo = 11;
    p.Lambda_Fu = 12;
    p.Ro = 0; // the limits are not computed, so nothing divides by tan(Ro)
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones_Largo(p));
    EXPECT_EQ(p.Lambda_RG_Tensiones_LP, 4);
    EXPECT_EQ(p.Lambda_Fo, 11);
    EXPECT_EQ(p.Lambda_Fu, 12);
}

TEST(DistribucionCargas2TensionesLargo, TrenchIsLimited) {
    Proyecto p = seccion();
    muyConcentrado(p);
    p.Relacion_BD = 5;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones_Largo(p));
    EXPECT_DOUBLE_EQ(p.Lambda_RG_Tensiones_LP, kTope30);
    EXPECT_NEAR(p.Lambda_Fo, 3.7, 1e-12);
}

TEST(DistribucionCargas2TensionesLargo, ReadsTheLongTermStiffness) {
    Proyecto p = seccion();
    p.E2_Corregido_Tensiones_LP = 4; // a' = 1.5
    p.Vs_Tensiones_LP = 0;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones_Largo(p));
    EXPECT_DOUBLE_EQ(p.A_Prima_Tensiones_LP, 1.5);
    EXPECT_DOUBLE_EQ(p.Lambda_R_Tensiones_LP, 4 * 0.4 / 3.4);
    EXPECT_EQ(p.A_Prima_Tensiones, 0) << "the short-term set is left alone";
}

// --- Deformations --------------------------------------------------------------------------

TEST(DistribucionCargas2Deformaciones, BothSetsAreLimited) {
    Proyecto p = seccion();
    muyConcentrado(p);
    p.Relacion_BD = 5;
    p.E2_Corregido = 400; // a' = 0.25: no concentration in the short-term set
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Deformaciones(p));
    EXPECT_EQ(p.Lambda_R, 1);
    EXPECT_EQ(p.Lambda_RG, 1);
    EXPECT_EQ(p.Vs, 0);
    EXPECT_EQ(p.Lambda_R_LP, 4);
    EXPECT_DOUBLE_EQ(p.Lambda_RG_LP, kTope30);
    EXPECT_EQ(p.Vs_LP, 1e6);
    EXPECT_NEAR(p.Lambda_Fu, kLambdaFu, 1e-15);
}

TEST(DistribucionCargas2Deformaciones, EmbankmentKeepsLambdaRInBothSets) {
    Proyecto p = seccion();
    p.Caso_Zanja = 2.0;
    p.Relacion_BD = 0;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Deformaciones(p));
    EXPECT_EQ(p.Lambda_RG, p.Lambda_R);
    EXPECT_EQ(p.Lambda_RG_LP, p.Lambda_R_LP);
}

// --- Refusals ------------------------------------------------------------------------------

enum class Calculo { Tensiones, TensionesLargo, Deformaciones };

struct CasoRechazo {
    const char* nombre;
    Calculo calculo;
    void (*prepara)(Proyecto&);
    const char* mencion;
};

Resultado<void> ejecuta(Calculo c, Proyecto& p) {
    switch (c) {
    case Calculo::Tensiones:
        return Calcula_Distribucion_Cargas_2_Tensiones(p);
    case Calculo::TensionesLargo:
        return Calcula_Distribucion_Cargas_2_Tensiones_Largo(p);
    case Calculo::Deformaciones:
        return Calcula_Distribucion_Cargas_2_Deformaciones(p);
    }
    return {};
}

class DistribucionCargas2Rechazo : public testing::TestWithParam<CasoRechazo> {};

TEST_P(DistribucionCargas2Rechazo, RefusesNamingTheInputAndStoresNothing) {
    Proyecto p = seccion();
    GetParam().prepara(p);
    const Proyecto antes = p;
    const auto r = ejecuta(GetParam().calculo, p);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().codigo, CodigoError::DatoNoCalculable);
    EXPECT_NE(r.error().mensaje.find(GetParam().mencion), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(p, antes);
}

void denominadorNulo(Proyecto& p) {
    // Vs that cancels d / (1 - c) · (max lambda - 1) in the lambda R denominator.
    Proyecto q = p;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_2_Tensiones(q));
    const double K2 = p.K2_Lateral_Tensiones;
    const double c = 4 * K2 / (K2 + 3);
    const double d = (1 - K2) / (1 - 0.25 / q.A_Prima_Tensiones);
    p.Vs_Tensiones = -(d / (1 - c) * (q.Lambda_Max_Tensiones - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DistribucionCargas2Rechazo,
    testing::Values(
        CasoRechazo{"E1Nulo", Calculo::Tensiones, [](Proyecto& p) { p.E1 = 0; }, "E1 vale 0"},
        CasoRechazo{"E2Nulo", Calculo::Tensiones, [](Proyecto& p) { p.E2_Corregido_Tensiones = 0; },
                    "(E2') vale 0"},
        CasoRechazo{"E2NuloLargo", Calculo::TensionesLargo,
                    [](Proyecto& p) { p.E2_Corregido_Tensiones_LP = 0; }, "(E2') vale 0"},
        CasoRechazo{"E2NuloDeformacionesLargo", Calculo::Deformaciones,
                    [](Proyecto& p) { p.E2_Corregido_LP = 0; }, "(E2') vale 0"},
        CasoRechazo{"E4Nulo", Calculo::Tensiones, [](Proyecto& p) { p.E4 = 0; }, "E4 vale 0"},
        CasoRechazo{"E4NuloLargo", Calculo::TensionesLargo, [](Proyecto& p) { p.E4 = 0; },
                    "E4 vale 0"},
        CasoRechazo{"DiametroNulo", Calculo::Deformaciones,
                    [](Proyecto& p) { p.Diametro_Exterior = 0; },
                    "el diámetro exterior del tubo vale 0"},
        CasoRechazo{"DiametroNuloSinConcentracion", Calculo::Tensiones,
                    [](Proyecto& p) {
                        p.E1 = 1;
                        p.Diametro_Exterior = 0;
                    },
                    "el diámetro exterior del tubo vale 0"},
        CasoRechazo{"RoNulo", Calculo::Tensiones, [](Proyecto& p) { p.Ro = 0; }, "(ρ) vale 0"},
        CasoRechazo{"RoNuloLargoEnZanja", Calculo::TensionesLargo, [](Proyecto& p) { p.Ro = 0; },
                    "(ρ) vale 0"},
        CasoRechazo{"SinRecubrimiento", Calculo::Deformaciones, [](Proyecto& p) { p.H_Total = 0; },
                    "la altura total de recubrimiento (H) vale 0"},
        CasoRechazo{"DenominadorDeLambdaR", Calculo::Tensiones, denominadorNulo,
                    "el denominador d/(1 - c)·(λmax - 1) + Vs vale 0"},
        CasoRechazo{"K2Unidad", Calculo::Tensiones, [](Proyecto& p) { p.K2_Lateral_Tensiones = 1; },
                    "K2 vale 1"}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
} // namespace tubrix
