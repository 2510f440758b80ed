#include "input/seguridad.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

class Seguridad : public ::testing::Test {
protected:
    void SetUp() override {
        Arranca_Programa(p);
        Inicializa_Proyecto(p, "01-01-2026");
        p.Norma = 2;
    }
    Proyecto p;
};

struct CasoRotura {
    std::int16_t material;
    std::int16_t clase;
    const char* texto;
    double valor;
};

class SeguridadATVRotura : public Seguridad, public ::testing::WithParamInterface<CasoRotura> {};

TEST_P(SeguridadATVRotura, FractureFactorByGroupAndClass) {
    const CasoRotura& c = GetParam();
    p.Codigo_Material = c.material;
    p.Clase_Seguridad = c.clase;
    const VistaSeguridadATV v = Abre_Seguridad_ATV(p);
    EXPECT_EQ(v.coefRotura, c.texto);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Rotura, c.valor);
}

INSTANTIATE_TEST_SUITE_P(
    TablaDeRotura, SeguridadATVRotura,
    ::testing::Values(CasoRotura{1, 1, "2,2", 2.2}, CasoRotura{3, 2, "1,8", 1.8},
                      CasoRotura{4, 1, "2,2", 2.2}, CasoRotura{2, 1, "1,75", 1.75},
                      CasoRotura{2, 2, "1,4", 1.4}, CasoRotura{6, 1, "2,0", 2.0},
                      CasoRotura{7, 2, "1,75", 1.75}, CasoRotura{10, 1, "1,5", 1.5},
                      CasoRotura{10, 2, "1,3", 1.3}, CasoRotura{5, 1, "2,5", 2.5},
                      CasoRotura{8, 2, "2,0", 2.0}, CasoRotura{9, 1, "2,5", 2.5},
                      CasoRotura{11, 2, "2,0", 2.0}, CasoRotura{12, 1, "2,5", 2.5}));

TEST_F(Seguridad, AtvDuctileIronClassBShowsAndStoresItsThreeFactors) {
    p.Codigo_Material = 10;
    p.Clase_Seguridad = 2;
    const VistaSeguridadATV v = Abre_Seguridad_ATV(p);
    EXPECT_EQ(v.entrada.opcion, OpcionSeguridad::Segunda);
    EXPECT_EQ(v.cajaNorma, "Norma ATV");
    EXPECT_EQ(v.textoClaseB, "Clase B: Reducida");
    EXPECT_EQ(v.coefRotura, "1,3");
    EXPECT_EQ(v.coefEstabilidad, "2,0");
    EXPECT_EQ(v.deformacionAdmisible, "6 %");
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Rotura, 1.3);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Estabilidad, 2.0);
    EXPECT_DOUBLE_EQ(p.Deformacion_Admisible, 6);
}

TEST_F(Seguridad, FirstPassTurnsClassZeroIntoOneAndStoresAtOnce) {
    p.Clase_Seguridad = 0;
    p.Codigo_Material = 11;
    const VistaSeguridadATV v = Abre_Seguridad_ATV(p);
    EXPECT_EQ(p.Clase_Seguridad, 1);
    EXPECT_EQ(v.entrada.opcion, OpcionSeguridad::Primera);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Rotura, 2.5);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Estabilidad, 2.5);

    Proyecto une = p;
    une.Clase_Seguridad = 0;
    une.Tipo_Conducto = kSi;
    const VistaSeguridadUNE u = Abre_Seguridad_UNE(une);
    EXPECT_EQ(une.Clase_Seguridad, 1);
    EXPECT_EQ(u.coefAplastamiento, "1,6");
    EXPECT_DOUBLE_EQ(une.Coef_Seguridad_Aplastamiento, 1.6);
}

TEST_F(Seguridad, AtvUnknownGroupShowsErrorAndKeepsTheFactor) {
    p.Codigo_Material = 13;
    p.Coef_Seguridad_Rotura = 9;
    const VistaSeguridadATV v = Abre_Seguridad_ATV(p);
    EXPECT_EQ(v.coefRotura, "error");
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Rotura, 9);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Estabilidad, 2.5);
}

TEST_F(Seguridad, AtvOptionClickStoresTheNewClass) {
    p.Codigo_Material = 6;
    VistaSeguridadATV v = Abre_Seguridad_ATV(p);
    Elige_Clase_ATV(p, v, OpcionSeguridad::Segunda);
    EXPECT_EQ(p.Clase_Seguridad, 2);
    EXPECT_EQ(v.coefRotura, "1,75");
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Estabilidad, 2.0);
    Cierra_Seguridad(p, Boton::Atras);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
    EXPECT_EQ(p.Clase_Seguridad, 2);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Rotura, 1.75);
    Cierra_Seguridad(p, Boton::Siguiente);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
}

TEST_F(Seguridad, UneSewerPipeClasses) {
    p.Norma = 1;
    p.Tipo_Conducto = kSi;
    p.Clase_Seguridad = 1;
    VistaSeguridadUNE v = Abre_Seguridad_UNE(p);
    EXPECT_EQ(v.cajaNorma, "Norma UNE");
    EXPECT_EQ(v.coefAplastamiento, "1,6");
    EXPECT_FALSE(v.filaRupturaVisible);
    EXPECT_TRUE(v.excepcionalHabilitada);
    Elige_Clase_UNE(p, v, OpcionSeguridad::Segunda);
    EXPECT_EQ(p.Clase_Seguridad, 2);
    EXPECT_EQ(v.coefAplastamiento, "2");
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Aplastamiento, 2.0);
}

struct CasoRuptura {
    double diametroExterior;
    double valor;
    const char* texto;
};

class SeguridadUNEPresion : public Seguridad, public ::testing::WithParamInterface<CasoRuptura> {};

TEST_P(SeguridadUNEPresion, RuptureFactorByOutsideDiameter) {
    const CasoRuptura& c = GetParam();
    p.Norma = 1;
    p.Tipo_Conducto = kNo;
    p.Diametro_Exterior = c.diametroExterior;
    const VistaSeguridadUNE v = Abre_Seguridad_UNE(p);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Ruptura, c.valor);
    EXPECT_EQ(v.coefRuptura, c.texto);
    EXPECT_EQ(v.coefAplastamiento, "2.5");
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Aplastamiento, 2.5);
    EXPECT_TRUE(v.filaRupturaVisible);
    EXPECT_FALSE(v.excepcionalHabilitada);
}

INSTANTIATE_TEST_SUITE_P(
    Diametros, SeguridadUNEPresion,
    ::testing::Values(CasoRuptura{110, 3.5, "3,5"}, CasoRuptura{200, 3.5, "3,5"},
                      CasoRuptura{200.1, 3.0, "3,0"}, CasoRuptura{599.9, 3.0, "3,0"},
                      CasoRuptura{600, 2.5, "2,5"}, CasoRuptura{1200, 2.5, "2,5"}));

// A pressure pipe has no exceptional class: a stored class 2 opens as the general class with
// the current crushing factor, not the one an earlier pipe left.
TEST_F(Seguridad, UnePressurePipeNeverKeepsTheExceptionalClass) {
    p.Norma = 1;
    p.Tipo_Conducto = kNo;
    p.Diametro_Exterior = 400;
    p.Clase_Seguridad = 2;
    p.Coef_Seguridad_Aplastamiento = 2.0;
    VistaSeguridadUNE v = Abre_Seguridad_UNE(p);
    EXPECT_EQ(p.Clase_Seguridad, 1);
    EXPECT_EQ(v.entrada.opcion, OpcionSeguridad::Primera);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Aplastamiento, 2.5);
    EXPECT_EQ(v.coefAplastamiento, "2.5");

    Elige_Clase_UNE(p, v, OpcionSeguridad::Segunda);
    EXPECT_EQ(p.Clase_Seguridad, 1);
    EXPECT_DOUBLE_EQ(p.Coef_Seguridad_Aplastamiento, 2.5);
}

} // namespace
} // namespace tubrix
