#include "calc/esfuerzos.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

// DN 1000-like ring: r = 0.5 m, s = 20 mm, concrete 24 kN/m3, bedding Tipo I at 90 degrees.
Proyecto seccion() {
    Proyecto p;
    Arranca_Programa(p);
    p.Rm = 500;
    p.Espesor = 20;
    p.Gamma_Tubo = 24;
    p.Tipo_Apoyo = 1;
    p.Angulo_Apoyo = 90;
    p.Qvt = 100;
    p.Qh = 40;
    p.Qh_Estrella = 10;
    p.Qvt_LP = 70;
    p.Qh_LP = 30;
    p.Qh_Estrella_LP = 5;
    return p;
}

struct CasoColumna {
    std::int16_t tipo;
    double angulo;
    std::optional<int> columna;
    const char* textoTipo;
    const char* textoAngulo;
};

class EsfuerzosColumna : public testing::TestWithParam<CasoColumna> {};

TEST_P(EsfuerzosColumna, FollowsTypeAndExactAngle) {
    const auto& c = GetParam();
    EXPECT_EQ(Columna_Apoyo(c.tipo, c.angulo), c.columna);
    EXPECT_EQ(Texto_Tipo_Apoyo(c.tipo), c.textoTipo);
    EXPECT_EQ(Texto_Angulo_Apoyo(c.tipo, c.angulo), c.textoAngulo);
}

INSTANTIATE_TEST_SUITE_P(
    Apoyos, EsfuerzosColumna,
    testing::Values(
        CasoColumna{1, 60, 1, "Tipo I", " 60 º"}, CasoColumna{1, 90, 2, "Tipo I", " 90 º"},
        CasoColumna{1, 120, 3, "Tipo I", "120 º"}, CasoColumna{2, 90, 4, "Tipo II", " 90 º"},
        CasoColumna{2, 120, 5, "Tipo II", "120 º"}, CasoColumna{2, 180, 6, "Tipo II", "180 º"},
        CasoColumna{3, 0, 7, "Tipo III", "180 º"}, CasoColumna{3, 45, 7, "Tipo III", "180 º"},
        CasoColumna{1, 180, std::nullopt, "Tipo I", "error"},
        CasoColumna{2, 60, std::nullopt, "Tipo II", "error"},
        CasoColumna{1, 90.000001, std::nullopt, "Tipo I", "error"}));

TEST(EsfuerzosCoeficientes, WaterFillingMomentIsHalfTheSelfWeightOne) {
    for (int col = kPrimeraColumnaApoyo; col <= kUltimaColumnaApoyo; ++col)
        for (const Punto punto : kPuntos)
            EXPECT_NEAR(Coeficiente_Momento(col, punto, CasoCarga::PesoAgua),
                        Coeficiente_Momento(col, punto, CasoCarga::PesoPropio) / 2, 0.0005 + 1e-12)
                << "column " << col << " point " << static_cast<int>(punto);
    EXPECT_EQ(Coeficiente_Momento(5, Punto::Clave, CasoCarga::PesoAgua), 0.157);
}

TEST(EsfuerzosCorto, HandComputedCrownOfTipoI90) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
    const auto M = [&](CasoCarga c) {
        return p.Momentos(Punto::Clave, c);
    };
    const auto N = [&](CasoCarga c) {
        return p.Axiales(Punto::Clave, c);
    };
    EXPECT_NEAR(M(CasoCarga::CargaVertical), 0.25 * 0.274 * 100, 1e-12);
    EXPECT_NEAR(N(CasoCarga::CargaVertical), 0.053 * 100 * 0.5, 1e-12);
    EXPECT_NEAR(M(CasoCarga::CargaHorizontal), -2.5, 1e-12);
    EXPECT_NEAR(N(CasoCarga::ReaccionHorizontal), -0.577 * 10 * 0.5, 1e-12);
    EXPECT_NEAR(M(CasoCarga::PesoPropio), 0.25 * 0.419 * 0.48, 1e-12); // g = 0.020 m * 24
    EXPECT_NEAR(N(CasoCarga::PesoPropio), 0.333 * 0.48 * 0.5, 1e-12);
    EXPECT_NEAR(M(CasoCarga::PesoAgua), 0.125 * 0.210 * 10, 1e-12);
    EXPECT_NEAR(N(CasoCarga::PesoAgua), 0.25 * 0.667 * 10, 1e-12);
    EXPECT_NEAR(p.Suma_Momentos[Punto::Clave], 4.21028, 1e-12);
    EXPECT_NEAR(p.Suma_Axiales[Punto::Clave], -18.48758, 1e-12);
    EXPECT_EQ(p.Momentos_Trabajo, p.Momentos);
    EXPECT_EQ(p.Axiales_Trabajo, p.Axiales);
}

TEST(EsfuerzosCorto, NormaChangesNothing) {
    Proyecto une = seccion(), atv = seccion();
    une.Norma = 1;
    atv.Norma = 2;
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(une));
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(atv));
    atv.Norma = 1;
    EXPECT_EQ(une, atv);
}

TEST(EsfuerzosCorto, SolidBedTakesNoHorizontalReaction) {
    for (const double angulo : {90.0, 120.0, 180.0}) {
        Proyecto p = seccion();
        p.Tipo_Apoyo = 2;
        p.Angulo_Apoyo = angulo;
        ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
        for (const Punto punto : kPuntos) {
            EXPECT_EQ(p.Momentos(punto, CasoCarga::ReaccionHorizontal), 0.0);
            EXPECT_EQ(p.Axiales(punto, CasoCarga::ReaccionHorizontal), 0.0);
        }
    }
}

TEST(EsfuerzosCorto, WithoutLoadsOnlySelfWeightAndWaterRemain) {
    Proyecto p = seccion();
    p.Qvt = p.Qh = p.Qh_Estrella = 0;
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
    for (const Punto punto : kPuntos) {
        EXPECT_EQ(p.Suma_Momentos[punto], p.Momentos(punto, CasoCarga::PesoPropio) +
                                              p.Momentos(punto, CasoCarga::PesoAgua));
        EXPECT_NE(p.Momentos(punto, CasoCarga::PesoAgua), 0.0);
    }
    p.Espesor = 0;
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
    for (const Punto punto : kPuntos)
        EXPECT_EQ(p.Momentos(punto, CasoCarga::PesoPropio), 0.0);
}

TEST(EsfuerzosCorto, WaterFillingScalesWithOnePowerOfRadiusMore) {
    Proyecto p = seccion(), doble = seccion();
    doble.Rm = 2 * p.Rm;
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(doble));
    for (const Punto punto : kPuntos) {
        EXPECT_DOUBLE_EQ(doble.Momentos(punto, CasoCarga::PesoAgua),
                         8 * p.Momentos(punto, CasoCarga::PesoAgua));
        EXPECT_DOUBLE_EQ(doble.Axiales(punto, CasoCarga::PesoAgua),
                         4 * p.Axiales(punto, CasoCarga::PesoAgua));
        EXPECT_DOUBLE_EQ(doble.Momentos(punto, CasoCarga::CargaVertical),
                         4 * p.Momentos(punto, CasoCarga::CargaVertical));
        EXPECT_DOUBLE_EQ(doble.Axiales(punto, CasoCarga::CargaVertical),
                         2 * p.Axiales(punto, CasoCarga::CargaVertical));
    }
}

TEST(EsfuerzosLargo, UsesLongTermLoadsAndLeavesShortTermTables) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
    const Proyecto corto = p;
    ASSERT_TRUE(Calcula_Esfuerzos_Largo(p));
    EXPECT_EQ(p.Momentos, corto.Momentos);
    EXPECT_EQ(p.Suma_Axiales, corto.Suma_Axiales);
    EXPECT_NEAR(p.Momentos_LP(Punto::Clave, CasoCarga::CargaVertical), 0.25 * 0.274 * 70, 1e-12);
    EXPECT_EQ(p.Momentos_Trabajo, p.Momentos_LP);
    // and the reverse
    p.Qvt = 1;
    const Proyecto largo = p;
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
    EXPECT_EQ(p.Momentos_LP, largo.Momentos_LP);
    EXPECT_EQ(p.Suma_Momentos_LP, largo.Suma_Momentos_LP);
}

struct CasoRechazo {
    std::int16_t tipo;
    double angulo;
    const char* mensaje;
};

class EsfuerzosSinColumna : public testing::TestWithParam<CasoRechazo> {};

TEST_P(EsfuerzosSinColumna, RefusesAndStoresNothing) {
    Proyecto p = seccion();
    p.Tipo_Apoyo = GetParam().tipo;
    p.Angulo_Apoyo = GetParam().angulo;
    const Proyecto antes = p;
    for (auto* calcula : {&Calcula_Esfuerzos_Corto, &Calcula_Esfuerzos_Largo}) {
        const auto r = calcula(p);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().mensaje, GetParam().mensaje);
        EXPECT_EQ(p, antes);
    }
    const auto vista = Vista_Esfuerzos(p, Plazo::Corto, Separadores::espanol());
    EXPECT_EQ(vista.textoAngulo, "error");
    EXPECT_EQ(vista.celdas[0], "");
}

INSTANTIATE_TEST_SUITE_P(
    Apoyos, EsfuerzosSinColumna,
    testing::Values(
        CasoRechazo{
            2, 60,
            "El apoyo tipo II con un ángulo de 60 grados no tiene coeficientes de esfuerzos."},
        CasoRechazo{1, 100.5,
                    "El apoyo tipo I con un ángulo de 100,5 grados no tiene "
                    "coeficientes de esfuerzos."},
        CasoRechazo{5, 90, "El tipo de apoyo 5 no tiene coeficientes de esfuerzos."}));

TEST(EsfuerzosCorto, OverflowRefusesAndStoresNothing) {
    Proyecto p = seccion();
    p.Rm = 5000;
    p.Qvt = DBL_MAX;
    const Proyecto antes = p;
    EXPECT_FALSE(Calcula_Esfuerzos_Corto(p));
    EXPECT_EQ(p, antes);
}

TEST(EsfuerzosVista, CellsFollowPointThenMomentsThenNormalForces) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Esfuerzos_Corto(p));
    const auto v = Vista_Esfuerzos(p, Plazo::Corto, Separadores::espanol());
    EXPECT_EQ(v.titulo, "Cálculo de esfuerzos Corto Plazo");
    EXPECT_EQ(v.textoTipo, "Tipo I");
    EXPECT_EQ(v.celdas[0], "6,8500");      // crown, qvt moment
    EXPECT_EQ(v.celdas[5], "4,2103");      // crown moment total
    EXPECT_EQ(v.celdas[6], "2,6500");      // crown, qvt normal force
    EXPECT_EQ(v.celdas[11], "-18,4876");   // crown normal-force total
    EXPECT_EQ(v.celdas[12 + 7], "0,0000"); // springline, qh normal force
    EXPECT_EQ(Vista_Esfuerzos(p, Plazo::Largo, Separadores::espanol()).titulo,
              "Cálculo de esfuerzos Largo Plazo");
}

} // namespace
} // namespace tubrix
