#include "calc/estabilidad.h"
#include "support/catalogo_prueba.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

constexpr double kIntacto = 123.0;

// rm/s 40, 20, 10 by v_rb 0.05, 0.01, 0.001, in key order.
std::vector<FilaAlfa> rejilla() {
    return {{40, 0.05, 5},   {40, 0.01, 12},  {40, 0.001, 40}, {20, 0.05, 4},  {20, 0.01, 10},
            {20, 0.001, 30}, {10, 0.05, 3.5}, {10, 0.01, 6},   {10, 0.001, 20}};
}

TEST(EstabilidadAlfa, StiffPipeIsThreeWithoutReadingTheTable) {
    EXPECT_EQ(Interpola_Alfa({}, 20, 0.1), 3.0);
    EXPECT_EQ(Interpola_Alfa(rejilla(), 20, 0.5), 3.0);
}

TEST(EstabilidadAlfa, GridPointsGiveTheirValuesExactly) {
    const auto g = rejilla();
    for (const FilaAlfa& f : g)
        EXPECT_EQ(Interpola_Alfa(g, f.rmS, f.vRb), f.alfaD) << f.rmS << " " << f.vRb;
    EXPECT_NEAR(Interpola_Alfa(g, 20, 0.0055), 20.0, 1e-12); // on a block, between rows
    EXPECT_EQ(Interpola_Alfa(g, 15, 0.05), 3.75);            // on a row, between blocks
}

TEST(EstabilidadAlfa, HandComputedDoubleInterpolation) {
    // At y_b = 0.01: 6 + (10 - 6) * 5/10 = 8; at y_a = 0.001: 20 + 5 * (30 - 20)/10 = 25;
    // then 25 + 0.0045 * (8 - 25) / 0.009 = 16.5.
    EXPECT_NEAR(Interpola_Alfa(rejilla(), 15, 0.0055), 16.5, 1e-12);
}

TEST(EstabilidadAlfa, PointsOutsideTheGridUseItsNearestEdge) {
    const auto g = rejilla();
    EXPECT_EQ(Interpola_Alfa(g, 100, 0.0055), Interpola_Alfa(g, 40, 0.0055));
    EXPECT_EQ(Interpola_Alfa(g, 5, 0.0055), Interpola_Alfa(g, 10, 0.0055));
    EXPECT_EQ(Interpola_Alfa(g, 15, 0.08), 3.75);
    EXPECT_EQ(Interpola_Alfa(g, 100, 0.0005), 40.0);
    EXPECT_EQ(Interpola_Alfa(g, 5, 0.0005), 20.0);
}

TEST(EstabilidadAlfa, StiffnessBelowFloorIsReadAtTheFloor) {
    const std::vector<FilaAlfa> g{{20, 0.01, 10}, {20, 0.0001, 50}};
    const double enSuelo = 50 + 0.0001 * (10 - 50) / (0.01 - 0.0001);
    EXPECT_NEAR(Interpola_Alfa(g, 20, 0.0002), enSuelo, 1e-12);
    EXPECT_EQ(Interpola_Alfa(g, 20, 0.00001), Interpola_Alfa(g, 20, 0.0002));
}

TEST(EstabilidadAlfa, ShippedGridStaysWithinItsValuesEverywhere) {
    const auto tabla = test::catalogoDelPrograma().tablaAlfa();
    for (const double x : {0.5, 1.0, 3.0, 17.0, 60.0, 333.0, 1000.0, 5000.0})
        for (const double v : {1e-6, 1e-4, 3e-4, 0.003, 0.07, 0.099}) {
            const double a = Interpola_Alfa(tabla, x, v);
            EXPECT_TRUE(a >= 3 && a <= 50) << x << " " << v << " " << a;
        }
}

// x = 20; VRB 0.01 gives alfa 10, VRB_LP 0.001 gives 30.
Proyecto seccion() {
    Proyecto p;
    Arranca_Programa(p);
    p.Rm = 200;
    p.Espesor = 10;
    p.Diametro_Exterior = 400;
    p.VRB = 0.01;
    p.VRB_LP = 0.001;
    p.Sr = 0.05;
    p.SBH = 2;
    p.Sr_LP = 0.02;
    p.SBH_LP = -1.5;
    p.Indicador_Deformacion_A = p.Indicador_Deformacion_B = 1;
    p.Largo_Plazo = 1;
    p.Nivel_Freatico = kSi;
    p.Tipo_Instalacion = 1;
    p.H = 3;
    p.Hw = 1;
    p.Qv_Crit_LP = p.Pa = p.Pa_Crit = p.Pa_LP = p.Pa_Crit_LP = kIntacto;
    return p;
}

const Catalogo& catalogo() {
    static const Catalogo c = [] {
        DatosCatalogo datos;
        datos.alfa = rejilla();
        return Catalogo(std::move(datos));
    }();
    return c;
}

const Separadores kEs = Separadores::espanol();

TEST(Estabilidad, ComputesBothColumnsWithGroundwater) {
    Proyecto p = seccion();
    const auto v = Abre_Estabilidad(p, catalogo(), kEs);
    ASSERT_TRUE(v);
    EXPECT_EQ(p.Alfa_D, 10.0);
    EXPECT_EQ(p.Alfa_D_LP, 30.0);
    EXPECT_DOUBLE_EQ(p.Qv_Crit, 2 * std::sqrt(0.1));
    EXPECT_DOUBLE_EQ(p.Qv_Crit_LP, 2 * std::sqrt(0.03)) << "the product is taken unsigned";
    EXPECT_NEAR(p.Pa, 0.022, 1e-15); // (3 - 1 + 0.2) m of water
    EXPECT_DOUBLE_EQ(p.Pa_Crit, 0.5);
    EXPECT_EQ(p.Pa_LP, p.Pa);
    EXPECT_DOUBLE_EQ(p.Pa_Crit_LP, 0.6);
    EXPECT_TRUE(v->columnaLargoPlazo);
    EXPECT_EQ(v->entrada.textoAlfaCorto, "10,00");
    EXPECT_EQ(v->entrada.textoAlfaLargo, "30,00");
    EXPECT_EQ(v->textoQvCrit, "0,63");
    EXPECT_EQ(v->textoPa, "0,0220");

    p.Tipo_Instalacion = 2;
    p.H1 = 1;
    p.H2 = 4;
    ASSERT_TRUE(Abre_Estabilidad(p, catalogo(), kEs));
    EXPECT_NEAR(p.Pa, 0.042, 1e-15);
}

TEST(Estabilidad, TwoPipesInOneTrenchComputeNoWaterPressure) {
    Proyecto p = seccion();
    p.Tipo_Instalacion = 3;
    const auto v = Abre_Estabilidad(p, catalogo(), kEs);
    ASSERT_TRUE(v);
    for (const double campo : {p.Pa, p.Pa_Crit, p.Pa_LP, p.Pa_Crit_LP})
        EXPECT_EQ(campo, kIntacto);
    EXPECT_FALSE(v->textoPa);
    EXPECT_FALSE(v->textoPaCritLP);
}

struct CasoColumna {
    std::int16_t a, b, largo;
    bool visible;
};

class EstabilidadColumnaLargo : public testing::TestWithParam<CasoColumna> {};

TEST_P(EstabilidadColumnaLargo, ShownForDeformationOrCreep) {
    Proyecto p = seccion();
    p.Indicador_Deformacion_A = GetParam().a;
    p.Indicador_Deformacion_B = GetParam().b;
    p.Largo_Plazo = GetParam().largo;
    const auto v = Abre_Estabilidad(p, catalogo(), kEs);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->columnaLargoPlazo, GetParam().visible);
    EXPECT_EQ(p.Qv_Crit_LP == kIntacto, !GetParam().visible);
    EXPECT_EQ(p.Pa_Crit_LP == kIntacto, !GetParam().visible);
    EXPECT_EQ(p.Alfa_D_LP, 30.0) << "computed even when hidden";
}

INSTANTIATE_TEST_SUITE_P(Indicadores, EstabilidadColumnaLargo,
                         testing::Values(CasoColumna{0, 0, 0, false}, CasoColumna{1, 0, 0, true},
                                         CasoColumna{0, 1, 0, true}, CasoColumna{0, 0, 1, true}));

TEST(Estabilidad, WithoutGroundwaterPressuresAreZero) {
    Proyecto p = seccion();
    p.Nivel_Freatico = 0;
    auto v = Abre_Estabilidad(p, catalogo(), kEs);
    ASSERT_TRUE(v);
    EXPECT_EQ(p.Pa, 0.0);
    EXPECT_EQ(p.Pa_Crit, 0.0);
    EXPECT_EQ(p.Pa_LP, 0.0);
    EXPECT_EQ(p.Pa_Crit_LP, 0.0);
    EXPECT_EQ(v->textoPa, "0");
    EXPECT_EQ(v->textoPaCritLP, "0");
    // A deformation check alone does not reset the long-term pair.
    p = seccion();
    p.Nivel_Freatico = 0;
    p.Largo_Plazo = 0;
    v = Abre_Estabilidad(p, catalogo(), kEs);
    EXPECT_EQ(p.Pa_LP, kIntacto);
    EXPECT_EQ(p.Pa_Crit_LP, kIntacto);
    EXPECT_FALSE(v->textoPaLP);
    // Cerrar still sets the critical pressures.
    p.Largo_Plazo = 1;
    ASSERT_FALSE(Cierra_Estabilidad(p, v->entrada, Boton::Siguiente));
    EXPECT_DOUBLE_EQ(p.Pa_Crit, 10 * 0.05);
    EXPECT_DOUBLE_EQ(p.Pa_Crit_LP, 30 * 0.02);
}

TEST(Estabilidad, RefusesWhatCannotBeComputedAndStoresNothing) {
    for (auto prepara : {+[](Proyecto& p) { p.Rm = 0; },
                         +[](Proyecto& p) {
                             p.Espesor = 0;
                         }}) {
        Proyecto p = seccion();
        prepara(p);
        const Proyecto antes = p;
        const auto v = Abre_Estabilidad(p, catalogo(), kEs);
        ASSERT_FALSE(v);
        EXPECT_NE(v.error().mensaje.find("vale 0"), std::string::npos);
        EXPECT_EQ(p, antes);
    }
    Proyecto p = seccion();
    const Catalogo vacio(DatosCatalogo{});
    EXPECT_FALSE(Abre_Estabilidad(p, vacio, kEs));
    p.VRB = p.VRB_LP = 0.2;
    ASSERT_TRUE(Abre_Estabilidad(p, vacio, kEs));
    EXPECT_EQ(p.Alfa_D, 3.0);
}

struct CasoCierre {
    const char* texto;
    bool pasa;
};

class EstabilidadCierreRango : public testing::TestWithParam<CasoCierre> {};

TEST_P(EstabilidadCierreRango, ShortTermCoefficientMustLieInThreeToFifty) {
    Proyecto p = seccion();
    p.Largo_Plazo = 0;
    p.Codigo_Navegacion = 0;
    const auto rechazo = Cierra_Estabilidad(p, {GetParam().texto, "999"}, Boton::Siguiente);
    const double leido = p.Alfa_D;
    EXPECT_DOUBLE_EQ(p.Pa_Crit, leido * p.Sr) << "computed with the value read either way";
    if (GetParam().pasa) {
        EXPECT_FALSE(rechazo);
        EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
        return;
    }
    ASSERT_TRUE(rechazo);
    EXPECT_EQ(rechazo->mensaje.texto,
              "El valor debe obtenerlo de la figura correspondiente de la norma de cálculo "
              "empleada.\r\rEl valor de alfa D (corto plazo) debe estar comprendido entre 3 y 50.");
    EXPECT_EQ(rechazo->mensaje.icono, Icono::Exclamacion);
    EXPECT_FALSE(rechazo->mensaje.pitido);
    EXPECT_EQ(rechazo->mensaje.titulo, "Aviso");
    EXPECT_EQ(rechazo->foco, static_cast<int>(ControlEstabilidad::AlfaCorto));
    EXPECT_EQ(rechazo->textoCorregido, "25");
    EXPECT_EQ(p.Codigo_Navegacion, 0);
    // The next close reads the rewritten cell.
    EXPECT_FALSE(Cierra_Estabilidad(p, {*rechazo->textoCorregido, ""}, Boton::Atras));
    EXPECT_EQ(p.Alfa_D, 25.0);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
}

INSTANTIATE_TEST_SUITE_P(Limites, EstabilidadCierreRango,
                         testing::Values(CasoCierre{"3", true}, CasoCierre{"50", true},
                                         CasoCierre{"3,00", true}, CasoCierre{"2,99", false},
                                         CasoCierre{"50,01", false}, CasoCierre{"", false}));

TEST(EstabilidadCierre, LongTermCheckedOnlyForCreepingMaterials) {
    Proyecto p = seccion();
    auto r = Cierra_Estabilidad(p, {"12", "60,5"}, Boton::Siguiente);
    ASSERT_TRUE(r);
    EXPECT_NE(r->mensaje.texto.find("(largo plazo)"), std::string::npos);
    EXPECT_EQ(r->foco, static_cast<int>(ControlEstabilidad::AlfaLargo));
    EXPECT_EQ(p.Alfa_D, 12.0);
    EXPECT_DOUBLE_EQ(p.Pa_Crit_LP, 60.5 * 0.02);
    // A refused short term leaves the long term unread.
    p = seccion();
    ASSERT_TRUE(Cierra_Estabilidad(p, {"2", "7"}, Boton::Siguiente));
    EXPECT_EQ(p.Alfa_D_LP, 0.0);
    // Without creep the long-term cell is not held to the range.
    p.Largo_Plazo = 0;
    EXPECT_FALSE(Cierra_Estabilidad(p, {"12", "60,5"}, Boton::Siguiente));
}

TEST(EstabilidadCierre, StoresTheCoefficientAsDisplayed) {
    Proyecto p = seccion();
    p.VRB = 0.005; // 30 - 0.004 * 20 / 0.009 = 21.111...
    const auto v = Abre_Estabilidad(p, catalogo(), kEs);
    ASSERT_TRUE(v);
    ASSERT_FALSE(Cierra_Estabilidad(p, v->entrada, Boton::Siguiente));
    EXPECT_EQ(p.Alfa_D, 21.11);
}

} // namespace
} // namespace tubrix
