#include "calc/verificacion.h"

#include <gtest/gtest.h>
#include <set>

namespace tubrix {
namespace {

using Fila = FilaVerificacion;
constexpr double kIntacto = 9.0;

// ATV flexible pipe without creep or groundwater where every factor equals its requirement:
// stresses 50 / 25 = 2, soil load 0.0625 * 1000 / 25 = 2.5, deformation 6 %.
Proyecto seccion() {
    Proyecto p;
    Arranca_Programa(p);
    p.Norma = 2;
    p.Coef_Seguridad_Rotura = 2;
    p.Coef_Seguridad_Estabilidad = 2.5;
    p.Deformacion_Admisible = 6;
    p.Coef_Seguridad_Aplastamiento = 1.5;
    p.Rotura_Flexotraccion = 50;
    p.Rotura_Flexotraccion_LP = 25;
    p.Sigma_Clave = p.Sigma_Rinones = p.Sigma_Base = 25;
    p.Sigma_Clave_LP = p.Sigma_Rinones_LP = p.Sigma_Base_LP = 12.5;
    p.Indicador_Deformacion_A = 1;
    p.Qv_Crit = p.Qv_Crit_LP = 0.0625;
    p.Qvt_Def = p.Qvt_Def_LP = 25;
    p.Pa_Crit = p.Pa_Crit_LP = 0.5;
    p.Pa = 0.125;
    p.Pa_LP = 0.0625;
    p.Dv_Relativa = 6;
    p.Dv_Relativa_LP = 3;
    p.Seguridad_Requerida.valores.fill(kIntacto);
    p.Coef_Clave_LP = p.Coef_Rinones_LP = p.Coef_Base_LP = kIntacto;
    return p;
}

std::set<Fila> fallidas(const Proyecto& p) {
    std::set<Fila> filas;
    for (const Fila f : kFilasVerificacion)
        if (p.Tubo_No_Valido[f] != 0)
            filas.insert(f);
    return filas;
}

TEST(Verificacion, RequiredValuesFollowTheStandard) {
    Proyecto p = seccion();
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(p.Seguridad_Requerida.valores, (std::array<double, 7>{2, 2, 2, 2.5, 2.5, 2.5, 6}));
    p = seccion();
    p.Norma = 1;
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(p.Seguridad_Requerida.valores,
              (std::array<double, 7>{1.5, 1.5, 1.5, kIntacto, kIntacto, kIntacto, kIntacto}));
    p = seccion();
    p.Norma = 3;
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(p.Seguridad_Requerida[Fila::TensionClave], kIntacto);
}

TEST(Verificacion, EqualityPassesAndWaterRowDoesNotApplyWithoutGroundwater) {
    Proyecto p = seccion();
    p.Tubo_No_Valido.valores.fill(kSi); // an earlier section's verdicts
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_TRUE(fallidas(p).empty());
    EXPECT_FALSE(Fila_Procede(p, Fila::EstabilidadAgua));
    EXPECT_EQ(p.Coef_Agua, 0.0);
    EXPECT_EQ(p.Coef_Agua_LP, 0.0);
    EXPECT_EQ(p.Coef_Simultaneo, p.Coef_Tierras);
    EXPECT_EQ(p.Coef_Tierras, 2.5);
    EXPECT_EQ(p.Coef_Clave_LP, kIntacto) << "long-term factors only for creeping materials";
    EXPECT_TRUE(Tubo_Valido(p));
    const auto vista = Vista_Verificacion(p, Separadores::espanol());
    const auto& agua = vista.filas[Fila::EstabilidadAgua];
    EXPECT_FALSE(agua.veredicto);
    EXPECT_TRUE(agua.visible);
    EXPECT_FALSE(agua.procede);
    EXPECT_EQ(agua.corto, "No procede");
    EXPECT_FALSE(agua.largo);
    EXPECT_EQ(agua.requerido, "");
    EXPECT_EQ(vista.filas[Fila::EstabilidadTierras].veredicto, "Tubo válido");
    EXPECT_EQ(vista.filas[Fila::TensionClave].requerido, "2,0");
    EXPECT_EQ(vista.filas[Fila::Deformacion].requerido, "6,0");
    EXPECT_EQ(vista.filas[Fila::TensionClave].corto, "2,00");
    EXPECT_FALSE(vista.filas[Fila::TensionClave].largo);
    EXPECT_TRUE(vista.filas[Fila::Deformacion].visible);
}

struct CasoFalla {
    const char* nombre;
    void (*prepara)(Proyecto&);
    std::set<Fila> fallan;
};

void PrintTo(const CasoFalla& c, std::ostream* os) {
    *os << c.nombre;
}

class VerificacionFalla : public testing::TestWithParam<CasoFalla> {};

TEST_P(VerificacionFalla, JustBeyondTheRequirementFails) {
    Proyecto p = seccion();
    GetParam().prepara(p);
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(fallidas(p), GetParam().fallan);
    EXPECT_FALSE(Tubo_Valido(p));
}

INSTANTIATE_TEST_SUITE_P(
    Filas, VerificacionFalla,
    testing::Values(
        CasoFalla{"Clave", [](Proyecto& p) { p.Sigma_Clave = 25.5; }, {Fila::TensionClave}},
        CasoFalla{
            "RinonesNegativa", [](Proyecto& p) { p.Sigma_Rinones = -25; }, {Fila::TensionRinones}},
        CasoFalla{"Base", [](Proyecto& p) { p.Sigma_Base = 25.5; }, {Fila::TensionBase}},
        CasoFalla{"BaseLargoPlazo",
                  [](Proyecto& p) {
                      p.Largo_Plazo = 1;
                      p.Sigma_Base = 1; // a short-term pass does not count
                      p.Sigma_Base_LP = 12.6;
                  },
                  {Fila::TensionBase}},
        CasoFalla{"Tierras",
                  [](Proyecto& p) { p.Qvt_Def = 25.5; },
                  {Fila::EstabilidadTierras, Fila::EstabilidadSimultanea}},
        CasoFalla{"TierrasLargoPlazo",
                  [](Proyecto& p) { p.Qvt_Def_LP = 25.5; },
                  {Fila::EstabilidadTierras, Fila::EstabilidadSimultanea}},
        CasoFalla{"Deformacion", [](Proyecto& p) { p.Dv_Relativa = 6.0001; }, {Fila::Deformacion}},
        CasoFalla{"DeformacionLargoPlazo",
                  [](Proyecto& p) { p.Dv_Relativa_LP = 6.5; },
                  {Fila::Deformacion}},
        CasoFalla{"Simultanea",
                  [](Proyecto& p) {
                      p.Nivel_Freatico = kSi; // water 0.5 / 0.125 = 4, soil 2.5: together 1.54
                      p.Pa_LP = 0.05;
                  },
                  {Fila::EstabilidadSimultanea}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Verificacion, RequiredValueKeepsItsOwnDigits) {
    Proyecto p = seccion();
    p.Coef_Seguridad_Rotura = 1.75; // ATV class B of a ductile or plastic pipe
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(Vista_Verificacion(p, Separadores::espanol()).filas[Fila::TensionClave].requerido,
              "1,75");
}

TEST(Verificacion, LongTermVerdictReplacesTheShortTermOne) {
    Proyecto p = seccion();
    p.Largo_Plazo = 1;
    p.Sigma_Clave = 50; // short-term factor 1 < 2
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(p.Tubo_No_Valido[Fila::TensionClave], kNo);
    EXPECT_EQ(p.Coef_Clave, 1.0);
    EXPECT_EQ(p.Coef_Clave_LP, 2.0);
    const auto vista = Vista_Verificacion(p, Separadores::espanol());
    EXPECT_EQ(vista.filas[Fila::TensionClave].veredicto, "Tubo válido");
    EXPECT_EQ(vista.filas[Fila::TensionClave].largo, "2,00");
}

TEST(Verificacion, WithGroundwaterTheSimultaneousFactorCombinesBoth) {
    Proyecto p = seccion();
    p.Nivel_Freatico = kSi;
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(p.Coef_Agua, 4.0);
    EXPECT_EQ(p.Coef_Agua_LP, 8.0);
    EXPECT_DOUBLE_EQ(p.Coef_Simultaneo, 1 / (1 / 2.5 + 1 / 4.0));
    EXPECT_TRUE(
        Vista_Verificacion(p, Separadores::espanol()).filas[Fila::EstabilidadAgua].veredicto);
}

struct CasoVeredicto {
    std::int16_t freatico;
    Fila fallida;
    bool valido;
};

class VerificacionTuboValido : public testing::TestWithParam<CasoVeredicto> {};

TEST_P(VerificacionTuboValido, WaterRowCountsOnlyWithGroundwater) {
    Proyecto p;
    p.Indicador_Deformacion_A = 1; // every row but the water one applies
    p.Nivel_Freatico = GetParam().freatico;
    p.Tubo_No_Valido[GetParam().fallida] = kSi;
    EXPECT_EQ(Tubo_Valido(p), GetParam().valido);
}

INSTANTIATE_TEST_SUITE_P(Filas, VerificacionTuboValido,
                         testing::Values(CasoVeredicto{0, Fila::EstabilidadAgua, true},
                                         CasoVeredicto{kSi, Fila::EstabilidadAgua, false},
                                         CasoVeredicto{0, Fila::TensionBase, false},
                                         CasoVeredicto{0, Fila::Deformacion, false},
                                         CasoVeredicto{kSi, Fila::EstabilidadSimultanea, false}));

TEST(Verificacion, RowsThatDoNotApplyAreClearedNotLeftFromAnEarlierSection) {
    Proyecto p = seccion();
    p.Norma = 1; // a rigid UNE pipe
    p.Indicador_Deformacion_A = 0;
    p.Tubo_No_Valido.valores.fill(kSi);
    p.Coef_Tierras = kIntacto;
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_TRUE(fallidas(p).empty());
    EXPECT_TRUE(Tubo_Valido(p));
    EXPECT_EQ(p.Coef_Tierras, kIntacto);
    const auto vista = Vista_Verificacion(p, Separadores::espanol());
    for (const Fila f : {Fila::EstabilidadTierras, Fila::Deformacion}) {
        EXPECT_FALSE(vista.filas[f].visible);
        EXPECT_EQ(vista.filas[f].requerido, "");
        EXPECT_FALSE(vista.filas[f].veredicto);
    }
    // Creep without a deformation check: stability is verified, deformation is not.
    p = seccion();
    p.Indicador_Deformacion_A = 0;
    p.Largo_Plazo = 1;
    p.Dv_Relativa = 99;
    ASSERT_TRUE(Calcula_Verificacion(p));
    EXPECT_EQ(p.Tubo_No_Valido[Fila::Deformacion], kNo);
}

struct CasoDivisor {
    const char* nombre;
    void (*prepara)(Proyecto&);
    const char* entrada;
};

void PrintTo(const CasoDivisor& c, std::ostream* os) {
    *os << c.nombre;
}

class VerificacionDivisorNulo : public testing::TestWithParam<CasoDivisor> {};

TEST_P(VerificacionDivisorNulo, RefusesAndStoresNothing) {
    Proyecto p = seccion();
    GetParam().prepara(p);
    const Proyecto antes = p;
    const auto r = Calcula_Verificacion(p);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error().mensaje.find(GetParam().entrada), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(p, antes);
}

INSTANTIATE_TEST_SUITE_P(
    Divisores, VerificacionDivisorNulo,
    testing::Values(
        CasoDivisor{"SigmaClave", [](Proyecto& p) { p.Sigma_Clave = 0; },
                    "tensión en clave vale 0"},
        CasoDivisor{"SigmaRinones", [](Proyecto& p) { p.Sigma_Rinones = 0; }, "riñones vale 0"},
        CasoDivisor{"SigmaBaseLP",
                    [](Proyecto& p) {
                        p.Largo_Plazo = 1;
                        p.Sigma_Base_LP = 0;
                    },
                    "la tensión en la base a largo plazo vale 0"},
        CasoDivisor{"QvtDef", [](Proyecto& p) { p.Qvt_Def = 0; }, "qvt para deformaciones vale 0"},
        CasoDivisor{"QvtDefLP", [](Proyecto& p) { p.Qvt_Def_LP = 0; }, "a largo plazo vale 0"},
        CasoDivisor{"Pa",
                    [](Proyecto& p) {
                        p.Nivel_Freatico = kSi;
                        p.Pa = 0;
                    },
                    "Pa vale 0"},
        CasoDivisor{"PaLP",
                    [](Proyecto& p) {
                        p.Nivel_Freatico = kSi;
                        p.Pa_LP = 0;
                    },
                    "Pa a largo plazo vale 0"},
        CasoDivisor{"CoefTierras",
                    [](Proyecto& p) {
                        p.Nivel_Freatico = kSi;
                        p.Qv_Crit = 0;
                    },
                    "carga de tierras vale 0"},
        CasoDivisor{"CoefAgua",
                    [](Proyecto& p) {
                        p.Nivel_Freatico = kSi;
                        p.Pa_Crit = 0;
                    },
                    "presión del agua externa vale 0"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Verificacion, UnusedDivisorsDoNotRefuse) {
    Proyecto p = seccion();
    p.Sigma_Clave_LP = 0; // no creep
    p.Pa = p.Pa_LP = 0;   // no groundwater
    p.Qv_Crit = 0;        // soil factor 0 is only copied
    EXPECT_TRUE(Calcula_Verificacion(p));
}

} // namespace
} // namespace tubrix
