#include "input/datos_apoyo.h"

#include <gtest/gtest.h>
#include <utility>

namespace tubrix {
namespace {

constexpr std::int16_t kUne = 1;
constexpr std::int16_t kAtv = 2;

Proyecto proyectoBase(std::int16_t norma, std::int16_t tipo) {
    Proyecto p;
    Inicializa_Proyecto(p, "01-01-2026");
    Arranca_Programa(p);
    p.Norma = norma;
    p.Codigo_Material = norma == kUne ? 4 : 11;
    p.Diametro_Exterior = 500;
    p.Tipo_Apoyo = tipo;
    return p;
}

std::vector<std::string> textos(std::initializer_list<const char*> lista) {
    return {lista.begin(), lista.end()};
}

std::vector<std::string> textos(ListaTextos lista) {
    return {lista.begin(), lista.end()};
}

// ---- Projection ratio of the concrete cradle ---------------------------------------------

struct CasoPj {
    std::int16_t norma;
    std::int16_t tipo;
    std::int16_t subtipo;
    double angulo;
    double j;
    double pjEsperado;
    const char* textoEsperado;
};

class DatosApoyoPj : public testing::TestWithParam<CasoPj> {};

TEST_P(DatosApoyoPj, OpeningComputesPjFromStoredAngleAndJ) {
    const CasoPj c = GetParam();
    Proyecto p = proyectoBase(c.norma, c.tipo);
    p.Subtipo_Apoyo = c.subtipo;
    p.Angulo_Apoyo = c.angulo;
    p.J = c.j;
    const auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_TRUE(vista.pideJ);
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, c.angulo);
    EXPECT_NEAR(p.Relacion_Proyeccion, c.pjEsperado, 1e-6);
    EXPECT_EQ(vista.textoPj, c.textoEsperado);
    ASSERT_FALSE(Cierra_Datos_Apoyo(p, vista.entrada, Boton::Siguiente));
    EXPECT_NEAR(p.Relacion_Proyeccion, c.pjEsperado, 1e-6);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
}

INSTANTIATE_TEST_SUITE_P(DatosApoyo, DatosApoyoPj,
                         testing::Values(
                             // hp = 0.5 + 0.2 - (1 - cos 45°) * 0.25 = 0.6268
                             CasoPj{kUne, 3, 1, 90, 0.2, 1.2535534, "1,25"},
                             // subtype b) ignores J: hp = 0.5 - 0.0732
                             CasoPj{kUne, 3, 2, 90, 0.2, 0.8535534, "0,85"},
                             CasoPj{kUne, 3, 2, 90, 3.0, 0.8535534, "0,85"},
                             // a full half-circle cradle: Pj = 0.5 + J / D
                             CasoPj{kAtv, 2, 1, 180, 0.2, 0.9, "0,9"},
                             CasoPj{kAtv, 2, 2, 180, 0.1, 0.7, "0,7"},
                             CasoPj{kUne, 3, 1, 120, 0.0, 1.0 - 0.5 * 0.5, "0,75"}));

TEST(DatosApoyo, JFocusLossRecomputesPjWithACommaDecimal) {
    Proyecto p = proyectoBase(kAtv, 2);
    p.Angulo_Apoyo = 180;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    Sale_De_J(p, vista, "0,3");
    EXPECT_DOUBLE_EQ(p.J, 0.3);
    EXPECT_NEAR(p.Relacion_Proyeccion, 0.5 + 0.3 / 0.5, 1e-9);
    EXPECT_EQ(vista.textoPj, "1,1");
}

TEST(DatosApoyo, NextReadsJAndAngleFromTheControls) {
    Proyecto p = proyectoBase(kUne, 3);
    p.Angulo_Apoyo = 90;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    auto entrada = vista.entrada;
    entrada.textoAngulo = "180 grados";
    entrada.textoJ = "0.25";
    ASSERT_FALSE(Cierra_Datos_Apoyo(p, entrada, Boton::Siguiente));
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 180);
    EXPECT_DOUBLE_EQ(p.J, 0.25);
    EXPECT_NEAR(p.Relacion_Proyeccion, 0.5 + 0.25 / 0.5, 1e-9);
}

TEST(DatosApoyo, BackStoresNothing) {
    Proyecto p = proyectoBase(kUne, 3);
    p.Angulo_Apoyo = 90;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    const double pj = p.Relacion_Proyeccion;
    auto entrada = vista.entrada;
    entrada.textoAngulo = "120 grados";
    entrada.textoJ = "9";
    ASSERT_FALSE(Cierra_Datos_Apoyo(p, entrada, Boton::Atras));
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 90);
    EXPECT_DOUBLE_EQ(p.Relacion_Proyeccion, pj);
}

TEST(DatosApoyo, ConcreteCradleWithoutADiameterIsRefusedNotDividedByZero) {
    Proyecto p = proyectoBase(kAtv, 2);
    p.Diametro_Exterior = 0;
    p.Relacion_Proyeccion = 1.4;
    const auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_EQ(vista.textoPj, "1,4");
    const auto rechazo = Cierra_Datos_Apoyo(p, vista.entrada, Boton::Siguiente);
    ASSERT_TRUE(rechazo);
    EXPECT_NE(rechazo->mensaje.texto.find("diámetro exterior"), std::string::npos);
    EXPECT_EQ(rechazo->foco, static_cast<int>(FocoDatosApoyo::J));
    EXPECT_DOUBLE_EQ(p.Relacion_Proyeccion, 1.4);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
}

// A cradle cannot have a negative height (it would lower Pj), and a J box left without a number
// is no height at all: both are refused on J, storing neither J nor Pj.
TEST(DatosApoyo, ImpossibleJIsRefusedOnItsBox) {
    for (const auto& [texto, mensaje] :
         {std::pair{"-0,1", "La altura J del apoyo debe ser mayor o igual que 0 m"},
          std::pair{"abc", "Escriba un número en la altura J del apoyo (m)"}}) {
        Proyecto p = proyectoBase(kAtv, 2);
        p.J = 0.2;
        auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
        const double pj = p.Relacion_Proyeccion;
        auto entrada = vista.entrada;
        entrada.textoJ = texto;
        const auto rechazo = Cierra_Datos_Apoyo(p, entrada, Boton::Siguiente);
        ASSERT_TRUE(rechazo) << texto;
        EXPECT_EQ(rechazo->mensaje.texto, mensaje);
        EXPECT_EQ(rechazo->foco, static_cast<int>(FocoDatosApoyo::J));
        EXPECT_DOUBLE_EQ(p.J, 0.2);
        EXPECT_DOUBLE_EQ(p.Relacion_Proyeccion, pj);
    }
}

// ---- Granular beddings have a = 1 ---------------------------------------------------------

struct CasoGranular {
    std::int16_t norma;
    std::int16_t tipo;
};

class DatosApoyoGranular : public testing::TestWithParam<CasoGranular> {};

TEST_P(DatosApoyoGranular, StoresRelativeProjectionOne) {
    const auto [norma, tipo] = GetParam();
    // A concrete cradle chosen on an earlier visit left its own ratio behind.
    Proyecto p = proyectoBase(norma, tipo);
    p.J = 0.2;
    p.Relacion_Proyeccion = 1.2535;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_FALSE(vista.pideJ);
    EXPECT_DOUBLE_EQ(p.Relacion_Proyeccion, 1);
    EXPECT_EQ(vista.textoPj, "1,0");

    // Changing from the cradle to this bedding, and accepting, both give 1.
    Elige_Tipo_Apoyo(p, vista, norma == kUne ? 3 : 2);
    EXPECT_GT(p.Relacion_Proyeccion, 1);
    Elige_Tipo_Apoyo(p, vista, tipo);
    EXPECT_DOUBLE_EQ(p.Relacion_Proyeccion, 1);
    p.Relacion_Proyeccion = 0.8;
    ASSERT_FALSE(Cierra_Datos_Apoyo(p, vista.entrada, Boton::Siguiente));
    EXPECT_DOUBLE_EQ(p.Relacion_Proyeccion, 1);
}

INSTANTIATE_TEST_SUITE_P(DatosApoyo, DatosApoyoGranular,
                         testing::Values(CasoGranular{kAtv, 1}, CasoGranular{kAtv, 3},
                                         CasoGranular{kUne, 1}, CasoGranular{kUne, 2}));

// ---- Angle lists and the restored angle ---------------------------------------------------

struct CasoLista {
    std::int16_t norma;
    std::int16_t tipo;
    std::vector<std::string> angulos;
};

class DatosApoyoListaAngulos : public testing::TestWithParam<CasoLista> {};

TEST_P(DatosApoyoListaAngulos, PerStandardAndType) {
    const CasoLista& c = GetParam();
    EXPECT_EQ(textos(Lista_Angulos(c.norma, c.tipo)), c.angulos);
}

INSTANTIATE_TEST_SUITE_P(
    DatosApoyo, DatosApoyoListaAngulos,
    testing::Values(CasoLista{kUne, 1, textos({" 60 grados", " 90 grados", "120 grados"})},
                    CasoLista{kUne, 2, textos({" 60 grados", " 90 grados", "120 grados"})},
                    CasoLista{kUne, 3, textos({" 90 grados", "120 grados", "180 grados"})},
                    CasoLista{kAtv, 1, textos({" 60 grados", " 90 grados", "120 grados"})},
                    CasoLista{kAtv, 2, textos({" 90 grados", "120 grados", "180 grados"})},
                    CasoLista{kAtv, 3, textos({"180 grados"})}, CasoLista{kAtv, 0, {}}));

TEST(DatosApoyo, ReopeningAtvTypeIIIWith120SelectsAndStores180) {
    Proyecto p = proyectoBase(kAtv, 3);
    p.Angulo_Apoyo = 120;
    const auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_EQ(textos(vista.angulos), textos({"180 grados"}));
    EXPECT_EQ(vista.anguloSeleccionado, 0);
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 180);
    ASSERT_FALSE(Cierra_Datos_Apoyo(p, vista.entrada, Boton::Siguiente));
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 180);
}

TEST(DatosApoyo, StoredAngleIsRoundedBeforeItIsLookedUp) {
    Proyecto p = proyectoBase(kUne, 1);
    p.Angulo_Apoyo = 90.4;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_EQ(vista.entrada.textoAngulo, " 90 grados");
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 90);

    p.Angulo_Apoyo = 150; // not offered: the first entry stays
    vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_EQ(vista.anguloSeleccionado, 0);
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 60);
}

TEST(DatosApoyo, ChangingTheTypeResetsTheAngleToTheFirstEntry) {
    Proyecto p = proyectoBase(kUne, 1);
    p.Angulo_Apoyo = 120;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    ASSERT_DOUBLE_EQ(p.Angulo_Apoyo, 120);
    Elige_Tipo_Apoyo(p, vista, 3);
    EXPECT_EQ(p.Tipo_Apoyo, 3);
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 90);
    EXPECT_TRUE(vista.pideJ);
    Elige_Angulo_Apoyo(p, vista, 2);
    EXPECT_DOUBLE_EQ(p.Angulo_Apoyo, 180);
    EXPECT_EQ(vista.entrada.textoAngulo, "180 grados");
}

// ---- What the screen shows ---------------------------------------------------------------

TEST(DatosApoyo, TypeTwoIsOfferedOnlyForGroupsOneToFourButAStoredTwoIsSelected) {
    Proyecto p = proyectoBase(kAtv, 2);
    p.Codigo_Material = 11;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_FALSE(vista.tipo2Habilitado);
    EXPECT_EQ(vista.tipoSeleccionado, 2);
    EXPECT_EQ(p.Tipo_Apoyo, 2);
    EXPECT_EQ(vista.focoInicial, FocoDatosApoyo::J);

    p.Codigo_Material = 4;
    vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_TRUE(vista.tipo2Habilitado);
}

TEST(DatosApoyo, CaptionsFollowTheStandard) {
    Proyecto p = proyectoBase(kUne, 1);
    p.Subtipo_Apoyo = 2;
    auto vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
    EXPECT_EQ(vista.cajaNorma, "Norma UNE");
    EXPECT_TRUE(vista.subtiposVisibles);
    EXPECT_EQ(vista.subtipoSeleccionado, 2);
    EXPECT_EQ(vista.opciones[2], "Tipo C: Cama de hormigón recubriendo el tubo el ángulo previsto");
    EXPECT_EQ(Fichero_Dibujo_Apoyo(vista.dibujos[0]), "Grafic10.wmf");
    EXPECT_FALSE(vista.focoInicial);

    p.Norma = kAtv;
    vista = Abre_Datos_Apoyo(p, Separadores::espanol());
    EXPECT_EQ(vista.cajaNorma, "Norma ATV");
    EXPECT_FALSE(vista.subtiposVisibles);
    EXPECT_EQ(vista.opciones[1], "Tipo II: Apoyo sólido (por ejemplo, cama de hormigón)");
    EXPECT_EQ(vista.etiquetas[2], "Tipo III");
    EXPECT_EQ(Fichero_Dibujo_Apoyo(vista.dibujos[1]), "GRAFIC08.WMF");
}

} // namespace
} // namespace tubrix
