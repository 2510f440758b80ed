#include "calc/calculo_cargas.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tubrix {
namespace {

// A narrow trench 2 m deep and 1.2 m wide with vertical walls, no traffic, a DN 500 pipe.
Proyecto zanja() {
    Proyecto p;
    Arranca_Programa(p);
    Inicializa_Proyecto(p, "01-01-2026");
    p.Caso_Zanja = 1.0;
    p.H = 2;
    p.H_Total = 2;
    p.B = 1.2;
    p.K1 = 0.5;
    p.Ro = 30;
    p.Ro_Prima = 20;
    p.Beta = 90;
    p.Gamma_1 = 20;
    p.Gamma_2 = 18;
    p.Rm = 250;
    return p;
}

// --- Soil load ---------------------------------------------------------------------------

TEST(CalculoCargas, TrenchWithVerticalWallsReducesTheSoilLoad) {
    Proyecto p = zanja();
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_NEAR(p.Cz90, 0.7497, 5e-5);
    EXPECT_DOUBLE_EQ(p.Cz, p.Cz90);
    EXPECT_NEAR(p.Xo, 0.5452, 5e-5);
    EXPECT_DOUBLE_EQ(p.Xoc, p.Xo);
    EXPECT_NEAR(p.Pe, 29.99, 5e-3);
    EXPECT_EQ(p.Cn, 0);
    EXPECT_EQ(p.Cn90, 0);
}

TEST(CalculoCargas, SlopedWallsInterpolateTowardsTheFullColumn) {
    Proyecto p = zanja();
    p.Beta = 60;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_NEAR(p.Cz90, 0.7497, 5e-5);
    EXPECT_NEAR(p.Cz, 0.8332, 5e-5);
    EXPECT_NEAR(p.Xo, 0.5452, 5e-5);
    EXPECT_NEAR(p.Xoc, 0.6968, 5e-5);
    EXPECT_NEAR(p.Pe, 0.8332 * 20 * 2, 5e-3);
}

TEST(CalculoCargas, WallsFlatterThanTheFrictionAngleCarryNothing) {
    Proyecto p = zanja();
    p.Beta = 25; // below Ro = 30
    p.B = 0;     // never divided by in this branch
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.Cz, 1);
    EXPECT_EQ(p.Cz90, 0);
    EXPECT_EQ(p.Xo, 0);
    EXPECT_EQ(p.Xoc, 1);
    EXPECT_DOUBLE_EQ(p.Pe, 40);
}

TEST(CalculoCargas, NoWallFrictionGivesUnitCoefficients) {
    Proyecto p = zanja();
    p.Ro_Prima = 0;
    p.B = 0;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.Cz, 1);
    EXPECT_EQ(p.Cz90, 1);
    EXPECT_EQ(p.Xo, 1);
    EXPECT_EQ(p.Xoc, 1);
    EXPECT_EQ(p.Cn, 0);
    EXPECT_DOUBLE_EQ(p.Pe, p.Gamma_1 * p.H);
}

TEST(CalculoCargas, EmbankmentTakesTheNaturalGroundWeight) {
    Proyecto p = zanja();
    p.Caso_Zanja = 2.0;
    p.B = 0;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.Cz, 1);
    EXPECT_EQ(p.Cz90, 1);
    EXPECT_EQ(p.Xo, 1);
    EXPECT_EQ(p.Xoc, 1);
    EXPECT_EQ(p.Cn, 0);
    EXPECT_EQ(p.Cn90, 0);
    EXPECT_DOUBLE_EQ(p.Pe, 18 * 2);
}

TEST(CalculoCargas, EmbankedTrenchAddsTheEmbankmentPart) {
    Proyecto p = zanja();
    p.Caso_Zanja = 3.0;
    p.H = 0;
    p.H1 = 2;
    p.H2 = 3;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_NEAR(p.Cz, 0.7497, 5e-5);
    EXPECT_NEAR(p.Cn90, 0.5452, 5e-5);
    EXPECT_DOUBLE_EQ(p.Cn, p.Cn90); // vertical walls
    EXPECT_NEAR(p.Pe, 0.74974 * 20 * 2 + 0.54519 * 18 * 3, 1e-3);

    p.Beta = 60;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_NEAR(p.Cn, 1 - (60.0 / 90) * (1 - 0.54519), 1e-5);

    p.Ro_Prima = 0;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.Cn, 1);
    EXPECT_EQ(p.Cn90, 1);

    p.Ro_Prima = 20;
    p.Beta = 10;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.Cn, 1);
    EXPECT_EQ(p.Cn90, 0);
    EXPECT_DOUBLE_EQ(p.Pe, 20 * 2 + 18 * 3);
}

TEST(CalculoCargas, UnknownLoadCaseKeepsTheStoredSoilValues) {
    Proyecto p = zanja();
    p.Caso_Zanja = 4.0;
    p.Cz = 0.3;
    p.Pe = 7;
    p.Xoc = 0.2;
    p.Tipo_Vehiculo = 5;
    p.H_Total = 1;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.Cz, 0.3);
    EXPECT_EQ(p.Pe, 7);
    EXPECT_EQ(p.Xoc, 0.2);
    EXPECT_NEAR(p.Pf, 50.45, 5e-3) << "the traffic load is still computed";
}

// --- Traffic load ------------------------------------------------------------------------

TEST(CalculoCargas, HeavyTrafficAtOneMetreCover) {
    Proyecto p = zanja();
    p.Tipo_Vehiculo = 5;
    p.H_Total = 1.0;
    p.Coeficiente_Impacto = 1.8; // the surface-loads choice does not enter
    p.Pc = 1000;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_NEAR(p.Pf, 50.45, 5e-3);
    EXPECT_NEAR(p.aF, 0.8891, 5e-5);
    EXPECT_NEAR(p.P, 44.86, 5e-3);
    EXPECT_EQ(p.Fi, 1.2);
    EXPECT_NEAR(p.Pv, 53.83, 5e-3);
}

struct CasoVehiculo {
    std::int16_t tipo;
    double Fi;
    double Pf; // at 1 m cover
    const char* texto;
};

class CalculoCargasVehiculo : public testing::TestWithParam<CasoVehiculo> {};

TEST_P(CalculoCargasVehiculo, FixedImpactFactorAndTrafficText) {
    const auto& caso = GetParam();
    Proyecto p = zanja();
    p.Tipo_Vehiculo = caso.tipo;
    p.H_Total = 1.0;
    p.Coeficiente_Impacto = 9;
    const auto vista = Abre_Calculo_Cargas(p, Separadores::espanol());
    ASSERT_TRUE(vista);
    EXPECT_EQ(vista->textoTrafico, caso.texto);
    EXPECT_EQ(p.Fi, caso.Fi);
    EXPECT_NEAR(p.Pf, caso.Pf, 5e-3);
    EXPECT_DOUBLE_EQ(p.Pv, p.aF * p.Pf * caso.Fi);
}

INSTANTIATE_TEST_SUITE_P(Tabla, CalculoCargasVehiculo,
                         testing::Values(CasoVehiculo{1, 1.5, 18.99, "LT 12: Tráfico ligero"},
                                         CasoVehiculo{2, 1.4, 26.03, "HT 26: Tráfico medio"},
                                         CasoVehiculo{3, 1.4, 26.03, "HT 30: Tráfico medio"},
                                         CasoVehiculo{4, 1.2, 33.74, "HT 39: Tráfico pesado"},
                                         CasoVehiculo{5, 1.2, 50.45, "HT 60: Tráfico pesado"}));

TEST(CalculoCargas, NoTrafficKeepsTheImpactFactorAndStillComputesAF) {
    Proyecto p = zanja();
    p.Tipo_Vehiculo = 0;
    p.H_Total = 1.0;
    p.Fi = 1.3;
    p.Pf = p.P = p.Pv = 99;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.Pf, 0);
    EXPECT_EQ(p.P, 0);
    EXPECT_EQ(p.Pv, 0);
    EXPECT_EQ(p.Fi, 1.3);
    EXPECT_NEAR(p.aF, 0.8891, 5e-5);

    Proyecto nuevo = zanja();
    ASSERT_TRUE(Calcula_Cargas(nuevo));
    EXPECT_EQ(nuevo.Fi, 0) << "0 after program start";
}

TEST(CalculoCargas, NoCoverWithoutTrafficIsComputable) {
    Proyecto p = zanja();
    p.H_Total = 0;
    ASSERT_TRUE(Calcula_Cargas(p));
    EXPECT_EQ(p.aF, 0);
    EXPECT_EQ(p.Pv, 0);
}

// --- Screen ------------------------------------------------------------------------------

struct CasoInstalacion {
    std::int16_t tipo;
    double caso;
    const char* texto;
    bool cnHabilitado;
};

class CalculoCargasInstalacion : public testing::TestWithParam<CasoInstalacion> {};

TEST_P(CalculoCargasInstalacion, TextAndEmbankmentCoefficients) {
    const auto& c = GetParam();
    Proyecto p = zanja();
    p.Tipo_Instalacion = c.tipo;
    p.Caso_Zanja = c.caso;
    p.H1 = 2;
    const auto vista = Abre_Calculo_Cargas(p, Separadores::espanol());
    ASSERT_TRUE(vista);
    EXPECT_EQ(vista->textoInstalacion, c.texto);
    EXPECT_EQ(vista->cnHabilitado, c.cnHabilitado);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, CalculoCargasInstalacion,
    testing::Values(CasoInstalacion{1, 1.0, "Tipo 1: En zanja o bajo terraplén", false},
                    CasoInstalacion{1, 2.0, "Tipo 1: En zanja o bajo terraplén", false},
                    CasoInstalacion{2, 3.0, "Tipo 2: En zanja terraplenada", true},
                    CasoInstalacion{3, 1.0, "Tipo 3: 2 conducciones en la misma zanja", false}));

TEST(CalculoCargas, SurfaceLoadBoxFollowsTheCheckBox) {
    Proyecto p = zanja();
    p.P0 = 12.5;
    p.Hay_Cargas_Superficie = kSi;
    auto vista = Abre_Calculo_Cargas(p, Separadores::espanol());
    ASSERT_TRUE(vista);
    EXPECT_TRUE(vista->hayCargasSuperficie);
    EXPECT_TRUE(vista->p0Habilitado);
    EXPECT_TRUE(vista->muestraXo);
    EXPECT_EQ(vista->entrada.textoP0, "12,5");

    p.Hay_Cargas_Superficie = kNo;
    vista = Abre_Calculo_Cargas(p, Separadores::ingles());
    ASSERT_TRUE(vista);
    EXPECT_FALSE(vista->hayCargasSuperficie);
    EXPECT_FALSE(vista->p0Habilitado);
    EXPECT_FALSE(vista->muestraXo);
    EXPECT_EQ(vista->entrada.textoP0, "12.5");
}

TEST(CalculoCargas, CheckBoxStoresAtOnce) {
    Proyecto p = zanja();
    Marca_Cargas_Superficie(p, true);
    EXPECT_EQ(p.Hay_Cargas_Superficie, kSi);
    Marca_Cargas_Superficie(p, false);
    EXPECT_EQ(p.Hay_Cargas_Superficie, kNo);
}

TEST(CalculoCargas, NextReadsP0EvenWithTheBoxCleared) {
    Proyecto p = zanja();
    p.Hay_Cargas_Superficie = kNo;
    p.P0 = 1;
    Cierra_Calculo_Cargas(p, {"7,5"}, Boton::Siguiente);
    EXPECT_EQ(p.P0, 7.5);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);

    Cierra_Calculo_Cargas(p, {"3"}, Boton::Atras);
    EXPECT_EQ(p.P0, 7.5) << "back does not read the box";
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
}

// A negative surface load would relieve the pipe: refused whether or not the box is ticked
// (its number enters the calculation either way). A ticked box without a number is a typing
// mistake; a cleared one reads as 0, as it always did.
TEST(CalculoCargas, ImpossibleP0IsRefusedOnItsBox) {
    Proyecto p = zanja();
    p.P0 = 2;
    for (const std::int16_t hay : {kSi, kNo}) {
        p.Hay_Cargas_Superficie = hay;
        const auto r = Cierra_Calculo_Cargas(p, {"-1"}, Boton::Siguiente);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->mensaje.texto, "La carga superficial P0 debe ser mayor o igual que 0 kN/m2");
        EXPECT_EQ(r->foco, 0);
        EXPECT_EQ(p.P0, 2);
    }
    p.Hay_Cargas_Superficie = kSi;
    const auto r = Cierra_Calculo_Cargas(p, {"abc"}, Boton::Siguiente);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto, "Escriba un número en la carga superficial P0 (kN/m2)");
    p.Hay_Cargas_Superficie = kNo;
    EXPECT_FALSE(Cierra_Calculo_Cargas(p, {"abc"}, Boton::Siguiente));
    EXPECT_EQ(p.P0, 0);
}

TEST(CalculoCargas, ForwardPassReadsBackWhatTheBoxShows) {
    Proyecto p = zanja();
    p.P0 = 12.75;
    auto vista = Abre_Calculo_Cargas(p, Separadores::espanol());
    ASSERT_TRUE(vista);
    Cierra_Calculo_Cargas(p, vista->entrada, Boton::Siguiente);
    EXPECT_EQ(p.P0, 12.75);

    // The general format shows 15 significant digits, and that is what comes back.
    p.P0 = 10.0 / 3;
    vista = Abre_Calculo_Cargas(p, Separadores::espanol());
    ASSERT_TRUE(vista);
    EXPECT_EQ(vista->entrada.textoP0, "3,33333333333333");
    Cierra_Calculo_Cargas(p, vista->entrada, Boton::Siguiente);
    EXPECT_EQ(p.P0, 3.33333333333333);
}

// --- Refusals ----------------------------------------------------------------------------

struct CasoRechazo {
    const char* nombre;
    void (*prepara)(Proyecto&);
    const char* mencion; // part of the message that names the input
};

class CalculoCargasRechazo : public testing::TestWithParam<CasoRechazo> {};

TEST_P(CalculoCargasRechazo, RefusesNamingTheInputAndStoresNothing) {
    Proyecto p = zanja();
    p.Tipo_Vehiculo = 5;
    p.H_Total = 1;
    p.Cz = p.Cz90 = p.Pe = p.Pf = p.aF = p.P = p.Pv = p.Xo = p.Xoc = -7;
    GetParam().prepara(p);
    const Proyecto antes = p;
    const auto r = Calcula_Cargas(p);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().codigo, CodigoError::DatoNoCalculable);
    EXPECT_NE(r.error().mensaje.find(GetParam().mencion), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(p, antes);
    EXPECT_FALSE(Abre_Calculo_Cargas(p, Separadores::espanol()));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CalculoCargasRechazo,
    testing::Values(
        CasoRechazo{"AnchuraNula", [](Proyecto& p) { p.B = 0; }, "(B) vale 0"},
        CasoRechazo{"AlturaNula", [](Proyecto& p) { p.H = 0; }, "(H) vale 0"},
        CasoRechazo{"AlturaH1Nula",
                    [](Proyecto& p) {
                        p.Caso_Zanja = 3.0;
                        p.H1 = 0;
                    },
                    "(H1) vale 0"},
        CasoRechazo{"K1Nulo", [](Proyecto& p) { p.K1 = 0; }, "(K1) vale 0"},
        CasoRechazo{"SinRecubrimientoConTrafico", [](Proyecto& p) { p.H_Total = 0; },
                    "la altura total de recubrimiento (H) vale 0"},
        CasoRechazo{"RadioNulo", [](Proyecto& p) { p.Rm = 0; }, "(Rm) vale 0"},
        CasoRechazo{"RadioNegativo", [](Proyecto& p) { p.Rm = -250; }, "(Rm) vale -250"},
        CasoRechazo{"RadioNuloSinTrafico",
                    [](Proyecto& p) {
                        p.Tipo_Vehiculo = 0;
                        p.Rm = 0;
                    },
                    "(Rm) vale 0"},
        CasoRechazo{"VehiculoDesconocido", [](Proyecto& p) { p.Tipo_Vehiculo = 6; },
                    "el tipo de vehículo 6 no existe"},
        CasoRechazo{"DatoInfinito",
                    [](Proyecto& p) { p.Gamma_1 = std::numeric_limits<double>::infinity(); },
                    "no es un número finito"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalculoCargas, RefusalMessageReadsAsASentence) {
    Proyecto p = zanja();
    p.B = 0;
    const auto r = Calcula_Cargas(p);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().mensaje, "No se puede calcular el coeficiente de carga de tierras "
                                 "(Cz90): la anchura de la zanja (B) vale 0,0.");
}

} // namespace
} // namespace tubrix
