#include "calc/distribucion_cargas.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace tubrix {
namespace {

// A PE pipe SN 8 (material 11) of 500 mm in a 1.5 m trench (B/D = 3), backfill A2, no
// groundwater, E2 = 6, E3 = 10, bedding 120 degrees, projection ratio 1.
Proyecto seccion() {
    Proyecto p;
    Arranca_Programa(p);
    Inicializa_Proyecto(p, "01-01-2026");
    p.Caso_Zanja = 1.0;
    p.B_Calculo = 1.5;
    p.Diametro_Exterior = 500;
    p.Condicion_Relleno = 2;
    p.Hw = 0;
    p.Compactacion_2 = 95;
    p.E1 = 6;
    p.E2 = 6;
    p.E3 = 10;
    p.Grupo_Suelo_2 = 1;
    p.Relacion_Proyeccion = 1;
    p.Angulo_Apoyo = 120;
    p.Codigo_Material = 11;
    p.Rigidez_Circunferencial = 8;
    p.Et = 800;
    p.Et_LP = 200;
    p.Rm = 250;
    return p;
}

// Rigidez_Circunferencial (kN/m2) that gives the pipe stiffness Sr (N/mm2) for material 11.
double rigidezPara(double Sr) {
    return Sr * 1000 / 8;
}

// --- Coefficient table and backfill factor -------------------------------------------------

struct CasoColumna {
    double angulo;
    CoeficientesDeformacion esperado;
};

class CargaValores : public testing::TestWithParam<CasoColumna> {};

TEST_P(CargaValores, ColumnOfTheBeddingAngle) {
    const auto c = Carga_Valores(GetParam().angulo);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Ch1, GetParam().esperado.Ch1);
    EXPECT_EQ(c->Ch2, GetParam().esperado.Ch2);
    EXPECT_EQ(c->Cv1, GetParam().esperado.Cv1);
    EXPECT_EQ(c->Cv2, GetParam().esperado.Cv2);
}

INSTANTIATE_TEST_SUITE_P(Tabla, CargaValores,
                         testing::Values(CasoColumna{60, {0.1026, -0.0658, -0.1053, 0.064}},
                                         CasoColumna{90, {0.0956, -0.0658, -0.0966, 0.064}},
                                         CasoColumna{120, {0.0891, -0.0658, -0.0893, 0.064}},
                                         CasoColumna{180, {0.0833, -0.0658, -0.0833, 0.064}}));

TEST(CargaValoresSinColumna, OtherAnglesHaveNone) {
    for (const double angulo : {0.0, 59.999, 100.0, 150.0, 360.0})
        EXPECT_FALSE(Carga_Valores(angulo)) << angulo;
}

TEST(CalculaAlfaBi, FactorOfTheBackfillCondition) {
    EXPECT_DOUBLE_EQ(*Calcula_alfa_bi(3, 1), 2.0 / 3);
    EXPECT_DOUBLE_EQ(*Calcula_alfa_bi(3, 2), 1.0 / 3);
    EXPECT_EQ(*Calcula_alfa_bi(3, 3), 0);
    EXPECT_EQ(*Calcula_alfa_bi(3, 4), 1);
    EXPECT_EQ(*Calcula_alfa_bi(0.5, 2), *Calcula_alfa_bi(10, 2)) << "B/D does not matter";
    EXPECT_FALSE(Calcula_alfa_bi(3, 0));
    EXPECT_FALSE(Calcula_alfa_bi(3, 5));
}

// --- Short-term stresses -------------------------------------------------------------------

TEST(DistribucionCargasTensiones, FlexiblePipeInANarrowTrench) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_DOUBLE_EQ(p.Relacion_BD, 3);
    EXPECT_DOUBLE_EQ(p.Alfa_Bi, 1.0 / 3);
    EXPECT_NEAR(p.Alfa_Bi_Prima, 0.77778, 1e-5);
    EXPECT_EQ(p.Coeficiente_F, 1);
    EXPECT_NEAR(p.E2_Corregido_Tensiones, 4.66667, 1e-5);
    EXPECT_DOUBLE_EQ(p.Sr_Tensiones, 0.064);
    EXPECT_NEAR(p.Factor_Anchura, 0.9794, 5e-5);
    EXPECT_NEAR(p.Zeta_Tensiones, 1.20566, 1e-5);
    EXPECT_NEAR(p.SBH_Tensiones, 3.37586, 1e-5);
    EXPECT_NEAR(p.VRB_Tensiones, 0.018958, 1e-6);
    EXPECT_EQ(p.K2_Lateral_Tensiones, 0.4);
    EXPECT_NEAR(p.SBV_Tensiones, 4.66667, 1e-5);
    EXPECT_NEAR(p.K_Estrella_Tensiones, 1.05123, 1e-5);
    EXPECT_NEAR(p.Cv_Estrella_Tensiones, -0.022022, 1e-6);
    EXPECT_NEAR(p.Vs_Tensiones, 0.62277, 1e-5);
}

TEST(DistribucionCargasTensiones, StiffPipeMeetsNoBeddingReaction) {
    Proyecto p = seccion();
    p.Angulo_Apoyo = 180;
    p.Rigidez_Circunferencial = rigidezPara(8);
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_GT(p.VRB_Tensiones, 0.1);
    EXPECT_EQ(p.K2_Lateral_Tensiones, 0.5);
    EXPECT_EQ(p.K_Estrella_Tensiones, 0);
    EXPECT_EQ(p.Cv_Estrella_Tensiones, -0.0833);
    EXPECT_NEAR(p.Vs_Tensiones, 8 / 0.0833 / 4.666667, 1e-4);
}

TEST(DistribucionCargasTensiones, Embankment) {
    Proyecto p = seccion();
    p.Caso_Zanja = 2.0;
    p.Condicion_Relleno = 3;
    p.E3 = 0; // the embankment needs no natural-ground modulus
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_EQ(p.Relacion_BD, 0);
    EXPECT_EQ(p.Alfa_Bi, 1);
    EXPECT_EQ(p.Alfa_Bi_Prima, 1);
    EXPECT_EQ(p.Zeta_Tensiones, 1);
    EXPECT_DOUBLE_EQ(p.SBH_Tensiones, 0.6 * 6);
}

class DistribucionCargasTensionesZanjaAncha : public testing::TestWithParam<std::int16_t> {};

TEST_P(DistribucionCargasTensionesZanjaAncha, NoNarrownessCorrectionFromFourDiameters) {
    for (const double anchura : {2.0, 3.5}) {
        Proyecto p = seccion();
        p.Condicion_Relleno = GetParam();
        p.B_Calculo = anchura;
        ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
        EXPECT_GE(p.Relacion_BD, 4);
        EXPECT_EQ(p.Alfa_Bi_Prima, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Rellenos, DistribucionCargasTensionesZanjaAncha,
                         testing::Values(1, 2, 3, 4));

TEST(DistribucionCargasTensiones, ShoredTrenchLosesTheNarrownessShare) {
    Proyecto p = seccion();
    p.Condicion_Relleno = 3;
    p.B_Calculo = 1.25; // B/D = 2.5
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_EQ(p.Alfa_Bi, 0);
    EXPECT_DOUBLE_EQ(p.Alfa_Bi_Prima, 0.5);
}

TEST(DistribucionCargasTensiones, ShoredTrenchOneDiameterWideRefuses) {
    Proyecto p = seccion();
    p.Condicion_Relleno = 3;
    p.B_Calculo = 0.5; // B/D = 1: alfa' = 0, so E2' = 0
    const Proyecto antes = p;
    const auto r = Calcula_Distribucion_Cargas_Tensiones(p);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error().mensaje.find("(E2') vale 0"), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(p, antes);
}

struct CasoAgua {
    double Hw;
    double Dpr;
    double f;
};

class DistribucionCargasTensionesAgua : public testing::TestWithParam<CasoAgua> {};

TEST_P(DistribucionCargasTensionesAgua, GroundwaterFactor) {
    Proyecto p = seccion();
    p.Hw = GetParam().Hw;
    p.Compactacion_2 = GetParam().Dpr;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_DOUBLE_EQ(p.Coeficiente_F, GetParam().f);
    EXPECT_DOUBLE_EQ(p.E2_Corregido_Tensiones, GetParam().f * p.Alfa_Bi_Prima * 6);
}

INSTANTIATE_TEST_SUITE_P(Tabla, DistribucionCargasTensionesAgua,
                         testing::Values(CasoAgua{1.5, 90, 0.75}, CasoAgua{1.5, 97, 1},
                                         CasoAgua{1.5, 95, 1}, CasoAgua{0, 90, 1},
                                         CasoAgua{-0.5, 85, 0.5}));

TEST(DistribucionCargasTensiones, TrenchWidthFactorIsCapped) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_NEAR(p.Factor_Anchura, 2 / (0.888 + 1.154), 1e-12);
    p.B_Calculo = 50; // B/D = 100
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_EQ(p.Factor_Anchura, 1.44);
}

class DistribucionCargasTensionesGrupo
    : public testing::TestWithParam<std::pair<std::int16_t, double>> {};

TEST_P(DistribucionCargasTensionesGrupo, FlexiblePipeTakesThePressureOfItsSoilGroup) {
    Proyecto p = seccion();
    p.Grupo_Suelo_2 = GetParam().first;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_EQ(p.K2_Lateral_Tensiones, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Tabla, DistribucionCargasTensionesGrupo,
                         testing::Values(std::pair<std::int16_t, double>{1, 0.4},
                                         std::pair<std::int16_t, double>{2, 0.3},
                                         std::pair<std::int16_t, double>{3, 0.2},
                                         std::pair<std::int16_t, double>{4, 0.1}));

TEST(DistribucionCargasTensiones, VerticalStiffnessDividesByTheProjection) {
    Proyecto p = seccion();
    p.Relacion_Proyeccion = 0.5;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_DOUBLE_EQ(p.SBV_Tensiones, p.E2_Corregido_Tensiones / 0.5);
}

TEST(DistribucionCargasTensiones, PipeStiffnessFromTheWallForOtherMaterials) {
    Proyecto p = seccion();
    p.Codigo_Material = 5;
    p.Momento_Inercia = 3e-6;
    p.Et = 3000;
    p.Et_LP = 1000;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    EXPECT_NEAR(p.Sr_Tensiones, 0.576, 1e-12);
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones_Largo(p));
    EXPECT_NEAR(p.Sr_Tensiones_LP, 0.192, 1e-12);
}

// --- Long-term stresses --------------------------------------------------------------------

TEST(DistribucionCargasTensionesLargo, TakesTheCorrectionsOfTheShortTermSet) {
    Proyecto p = seccion();
    p.Alfa_Bi_Prima = 1;
    p.Coeficiente_F = 0.5;
    p.Factor_Anchura = 2; // only capped here
    p.Relacion_BD = 3;
    p.B_Calculo = 0; // not read again
    p.Hw = 3;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones_Largo(p));
    EXPECT_DOUBLE_EQ(p.E2_Corregido_Tensiones_LP, 3);
    EXPECT_EQ(p.Zeta_Tensiones_LP, 1) << "a capped factor of 1.44 makes zeta 1";
    EXPECT_EQ(p.Factor_Anchura, 2) << "the stored factor is not rewritten";
    EXPECT_EQ(p.Relacion_BD, 3);
}

TEST(DistribucionCargasTensionesLargo, StiffnessTestIsVsAndKeepsK) {
    Proyecto p = seccion();
    p.Relacion_Proyeccion = 0.2;
    p.Rigidez_Circunferencial = rigidezPara(0.35);
    p.Et_LP = p.Et;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones_Largo(p));
    // VRB > 0.1 zeroes K* only in the short-term set.
    EXPECT_GT(p.VRB_Tensiones_LP, 0.1);
    EXPECT_EQ(p.K_Estrella_Tensiones, 0);
    EXPECT_NEAR(p.K_Estrella_Tensiones_LP, 0.52573, 1e-5);
    EXPECT_NEAR(p.Cv_Estrella_Tensiones_LP, -0.055653, 1e-6);
    EXPECT_NEAR(p.Vs_Tensiones_LP, 0.26953, 1e-5);

    // Vs > 1 replaces Cv* by cv,qv but leaves K*.
    p.Relacion_Proyeccion = 1;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones_Largo(p));
    EXPECT_NEAR(p.K_Estrella_Tensiones_LP, 0.52573, 1e-5);
    EXPECT_EQ(p.Cv_Estrella_Tensiones_LP, -0.0893);
    EXPECT_NEAR(p.Vs_Tensiones_LP, 0.35 / 0.0893 / 4.666667, 1e-5);
}

// --- Deformations --------------------------------------------------------------------------

TEST(DistribucionCargasDeformaciones, TwoThirdsOfE2AndThe180DegreeColumn) {
    Proyecto p = seccion();
    p.Angulo_Apoyo = 100; // not used here
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Deformaciones(p));
    EXPECT_NEAR(p.E2_Corregido, 3.11111, 1e-5);
    EXPECT_EQ(p.E2_Corregido_LP, p.E2_Corregido);
    EXPECT_EQ(p.SBV, p.E2_Corregido);
    EXPECT_EQ(p.SBV_LP, p.E2_Corregido_LP);
    EXPECT_NEAR(p.Zeta, 1.28260, 1e-5);
    EXPECT_NEAR(p.SBH, 2.39419, 1e-5);
    EXPECT_NEAR(p.VRB, 0.026731, 1e-6);
    EXPECT_NEAR(p.K_Estrella, 0.90023, 1e-5);
    EXPECT_NEAR(p.Cv_Estrella, -0.025685, 1e-6);
    EXPECT_NEAR(p.Vs, 0.80091, 1e-5);
    EXPECT_NEAR(p.K_Estrella_LP, 1.14924, 1e-5);
    EXPECT_NEAR(p.Vs_LP, 0.52754, 1e-5);
    EXPECT_NEAR(p.Factor_Anchura, 0.9794, 5e-5);
}

TEST(DistribucionCargasDeformaciones, StiffPipeZeroesKInBothColumns) {
    Proyecto p = seccion();
    p.Rigidez_Circunferencial = rigidezPara(4);
    p.Et_LP = p.Et;
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Deformaciones(p));
    for (const double K : {p.K_Estrella, p.K_Estrella_LP})
        EXPECT_EQ(K, 0);
    for (const double Cv : {p.Cv_Estrella, p.Cv_Estrella_LP})
        EXPECT_EQ(Cv, -0.0833);
}

TEST(DistribucionCargasSr, RingStiffnessMaterialEverywhereButTheLongTermDeflection) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones_Largo(p));
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Deformaciones(p));
    EXPECT_DOUBLE_EQ(p.Sr_Tensiones, 0.064);
    EXPECT_DOUBLE_EQ(p.Sr_Tensiones_LP, 0.064);
    EXPECT_DOUBLE_EQ(p.Sr, 0.064);
    EXPECT_DOUBLE_EQ(p.Sr_LP, 0.064 * 200 / 800);
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
        return Calcula_Distribucion_Cargas_Tensiones(p);
    case Calculo::TensionesLargo:
        return Calcula_Distribucion_Cargas_Tensiones_Largo(p);
    case Calculo::Deformaciones:
        return Calcula_Distribucion_Cargas_Deformaciones(p);
    }
    return {};
}

class DistribucionCargasRechazo : public testing::TestWithParam<CasoRechazo> {};

TEST_P(DistribucionCargasRechazo, RefusesNamingTheInputAndStoresNothing) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Distribucion_Cargas_Tensiones(p));
    GetParam().prepara(p);
    const Proyecto antes = p;
    const auto r = ejecuta(GetParam().calculo, p);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().codigo, CodigoError::DatoNoCalculable);
    EXPECT_NE(r.error().mensaje.find(GetParam().mencion), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(p, antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DistribucionCargasRechazo,
    testing::Values(
        CasoRechazo{"DiametroNulo", Calculo::Tensiones,
                    [](Proyecto& p) { p.Diametro_Exterior = 0; },
                    "el diámetro exterior del tubo vale 0"},
        CasoRechazo{"DiametroNuloDeformaciones", Calculo::Deformaciones,
                    [](Proyecto& p) { p.Diametro_Exterior = 0; },
                    "el diámetro exterior del tubo vale 0"},
        CasoRechazo{"E3Nulo", Calculo::Tensiones, [](Proyecto& p) { p.E3 = 0; }, "E3 vale 0"},
        CasoRechazo{"E3NuloLargo", Calculo::TensionesLargo, [](Proyecto& p) { p.E3 = 0; },
                    "E3 vale 0"},
        CasoRechazo{"E3NuloDeformaciones", Calculo::Deformaciones, [](Proyecto& p) { p.E3 = 0; },
                    "E3 vale 0"},
        CasoRechazo{"ProyeccionNula", Calculo::Tensiones,
                    [](Proyecto& p) { p.Relacion_Proyeccion = 0; }, "(Pj) vale 0"},
        CasoRechazo{"ProyeccionNulaLargo", Calculo::TensionesLargo,
                    [](Proyecto& p) { p.Relacion_Proyeccion = 0; }, "(Pj) vale 0"},
        CasoRechazo{"RadioNulo", Calculo::Tensiones,
                    [](Proyecto& p) {
                        p.Codigo_Material = 5;
                        p.Rm = 0;
                    },
                    "(Rm) vale 0"},
        CasoRechazo{"RadioNuloLargo", Calculo::TensionesLargo,
                    [](Proyecto& p) {
                        p.Codigo_Material = 8;
                        p.Rm = 0;
                    },
                    "(Rm) vale 0"},
        CasoRechazo{"EtNulo", Calculo::Deformaciones, [](Proyecto& p) { p.Et = 0; }, "(Et) vale 0"},
        CasoRechazo{"E2Nulo", Calculo::Tensiones, [](Proyecto& p) { p.E2 = 0; }, "(E2') vale 0"},
        CasoRechazo{"E2NuloDeformaciones", Calculo::Deformaciones, [](Proyecto& p) { p.E2 = 0; },
                    "(E2') vale 0"},
        CasoRechazo{"CompactacionDel75ConAgua", Calculo::Tensiones,
                    [](Proyecto& p) {
                        p.Hw = 1;
                        p.Compactacion_2 = 75;
                    },
                    "(E2') vale 0"},
        CasoRechazo{"VRBIgualACh2", Calculo::Tensiones,
                    [](Proyecto& p) {
                        // SBH = 0.6 and Sr = -0.03948: VRB = -0.0658
                        p.Caso_Zanja = 2.0;
                        p.E2 = 1;
                        p.Rigidez_Circunferencial = -4.935;
                    },
                    "(VRB) vale -0,0658"},
        CasoRechazo{"CondicionDesconocida", Calculo::Tensiones,
                    [](Proyecto& p) { p.Condicion_Relleno = 7; },
                    "la condición de relleno 7 no existe"},
        CasoRechazo{"GrupoDesconocido", Calculo::Deformaciones,
                    [](Proyecto& p) { p.Grupo_Suelo_2 = 0; }, "zona 2 vale 0"},
        CasoRechazo{"AnguloSinColumna", Calculo::Tensiones,
                    [](Proyecto& p) { p.Angulo_Apoyo = 100; },
                    "El ángulo de apoyo de 100 grados no tiene coeficientes de deformación "
                    "(60, 90, 120 o 180 grados)."},
        CasoRechazo{"AnguloSinColumnaLargo", Calculo::TensionesLargo,
                    [](Proyecto& p) { p.Angulo_Apoyo = 97.5; },
                    "El ángulo de apoyo de 97,5 grados no tiene coeficientes"}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
} // namespace tubrix
