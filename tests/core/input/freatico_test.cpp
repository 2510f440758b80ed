#include "input/freatico.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

constexpr const char* kPregunta = "La profundidad del nivel freático es lo suficientemente "
                                  "elevada como para poder despreciarla. ¿ Desea suponer Hf = 0 ?";

// Answers the deep-groundwater question and counts how often it was asked.
struct Respuesta {
    bool ok;
    int veces = 0;
    Pregunta pregunta() {
        return [this](const Mensaje& m) {
            ++veces;
            EXPECT_EQ(m.texto, kPregunta);
            EXPECT_EQ(m.titulo, "Aviso");
            return ok;
        };
    }
};

class Freatico : public ::testing::Test {
protected:
    void SetUp() override {
        Arranca_Programa(p);
        Inicializa_Proyecto(p, "01-01-2026");
        // Type 1, H = 3 m, outside diameter 500 mm: the question comes above 5.5 m.
        p.Tipo_Instalacion = 1;
        p.H = 3;
        p.Diametro_Exterior = 500;
        p.Nivel_Freatico = kSi;
    }
    std::optional<Rechazo> cierra(const char* hf, Boton boton = Boton::Siguiente) {
        VistaFreatico v = Abre_Freatico(p, Separadores::espanol());
        v.entrada.hf = hf;
        return Cierra_Freatico(p, v.entrada, boton, respuesta.pregunta());
    }
    Proyecto p;
    Respuesta respuesta{false};
};

struct CasoRango {
    const char* hf;
    const char* mensaje; // nullptr: inside the range
    const char* textoCorregido;
    double hw;
};

class FreaticoRango : public Freatico,
                      public ::testing::WithParamInterface<std::tuple<CasoRango, Boton>> {};

TEST_P(FreaticoRango, BothArrowsTestTheRange) {
    const auto& [c, boton] = GetParam();
    p.H = 30; // no cover-height refusal in the way
    const auto r = cierra(c.hf, boton);
    EXPECT_DOUBLE_EQ(p.Hw, c.hw);
    if (!c.mensaje) {
        EXPECT_EQ(r, std::nullopt);
        return;
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto, c.mensaje);
    EXPECT_EQ(r->mensaje.icono, Icono::Ninguno);
    EXPECT_FALSE(r->mensaje.pitido);
    EXPECT_EQ(r->mensaje.titulo, "Aviso");
    EXPECT_EQ(r->textoCorregido, c.textoCorregido);
    EXPECT_EQ(r->foco, static_cast<int>(FocoFreatico::Hf));
    EXPECT_EQ(p.Codigo_Navegacion, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Limites, FreaticoRango,
    ::testing::Combine(
        ::testing::Values(
            CasoRango{"0", nullptr, nullptr, 0}, CasoRango{"20", nullptr, nullptr, 20},
            CasoRango{"20,5", "El valor del nivel freático debe ser menor o igual que 20", "20",
                      20},
            CasoRango{"-1", "El valor del nivel freático debe ser mayor o igual que 0", "0", -1}),
        ::testing::Values(Boton::Siguiente, Boton::Atras)));

struct CasoCobertura {
    std::int16_t tipo;
    const char* hf;
    const char* mensaje; // nullptr: accepted
};

class FreaticoCobertura : public Freatico, public ::testing::WithParamInterface<CasoCobertura> {};

TEST_P(FreaticoCobertura, NextNeedsHfBelowTheCover) {
    const CasoCobertura& c = GetParam();
    p.Tipo_Instalacion = c.tipo;
    p.H1 = 1;
    p.H2 = 2;
    const auto r = cierra(c.hf);
    if (!c.mensaje) {
        EXPECT_EQ(r, std::nullopt);
        EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
        return;
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto, c.mensaje);
    EXPECT_EQ(r->mensaje.icono, Icono::Critico);
    EXPECT_EQ(r->mensaje.titulo, "Tubrix");

    // Going back stores the same value without complaint.
    EXPECT_EQ(cierra(c.hf, Boton::Atras), std::nullopt);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
}

INSTANTIATE_TEST_SUITE_P(Tipos, FreaticoCobertura,
                         ::testing::Values(CasoCobertura{1, "2,9", nullptr},
                                           CasoCobertura{1, "3", "Hf debe ser menor que H"},
                                           CasoCobertura{2, "2,9", nullptr},
                                           CasoCobertura{2, "3", "Hf debe ser menor que H1+H2"}));

// OK neglects the deep water: no groundwater at all, not water at the ground surface.
TEST_F(Freatico, DeepWaterQuestionOkNeglectsTheWaterCancelKeepsTheValue) {
    // 5.5 m is exactly the margin: not asked, and refused by the cover height.
    EXPECT_TRUE(cierra("5,5"));
    EXPECT_EQ(respuesta.veces, 0);

    respuesta.ok = true;
    EXPECT_EQ(cierra("5,6"), std::nullopt);
    EXPECT_EQ(respuesta.veces, 1);
    EXPECT_DOUBLE_EQ(p.Hw, 0);
    EXPECT_EQ(p.Nivel_Freatico, kNo);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);

    p.Nivel_Freatico = kSi;
    respuesta.ok = false;
    const auto r = cierra("5,6");
    EXPECT_EQ(respuesta.veces, 2);
    EXPECT_DOUBLE_EQ(p.Hw, 5.6);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mensaje.texto, "Hf debe ser menor que H");
    EXPECT_EQ(r->textoCorregido, std::nullopt);
}

TEST_F(Freatico, DeepWaterMarginFollowsTheInstallationType) {
    respuesta.ok = true;
    p.Tipo_Instalacion = 3;
    p.H = 30;
    p.H2 = 1;
    // Two pipes measure from H2: 0.5 + 1 + 2 = 3.5 m.
    EXPECT_EQ(cierra("3,6", Boton::Atras), std::nullopt);
    EXPECT_EQ(respuesta.veces, 1);
    EXPECT_DOUBLE_EQ(p.Hw, 0);
    EXPECT_EQ(p.Nivel_Freatico, kNo);
}

// A ticked box must hold a number; a typing mistake is not a water table at the surface.
TEST_F(Freatico, TickedBoxWithoutANumberIsRefused) {
    p.Hw = 1.5;
    for (const char* texto : {"abc", "", "-"}) {
        const auto r = cierra(texto);
        ASSERT_TRUE(r) << texto;
        EXPECT_EQ(r->mensaje.texto,
                  "Escriba un número en la profundidad Hf del nivel freático (m)");
        EXPECT_EQ(r->foco, static_cast<int>(FocoFreatico::Hf));
        EXPECT_DOUBLE_EQ(p.Hw, 1.5) << "nothing stored";
    }
}

TEST_F(Freatico, TickBoxStoresTheFlagAndClearingEmptiesTheBox) {
    p.Nivel_Freatico = 1; // any nonzero value from a file
    p.Hw = 2.5;
    VistaFreatico v = Abre_Freatico(p, Separadores::espanol());
    EXPECT_EQ(p.Nivel_Freatico, kSi);
    EXPECT_TRUE(v.entrada.hayNivelFreatico);
    EXPECT_EQ(v.entrada.hf, "2,5");
    EXPECT_TRUE(v.hfHabilitada);
    EXPECT_FALSE(v.focoEnHf);

    Marca_Nivel_Freatico(p, v, false);
    EXPECT_EQ(p.Nivel_Freatico, kNo);
    EXPECT_EQ(v.entrada.hf, "0,0");
    EXPECT_FALSE(v.hfHabilitada);
    EXPECT_EQ(Cierra_Freatico(p, v.entrada, Boton::Siguiente, respuesta.pregunta()), std::nullopt);
    EXPECT_DOUBLE_EQ(p.Hw, 0);

    Marca_Nivel_Freatico(p, v, true);
    EXPECT_EQ(p.Nivel_Freatico, kSi);
    EXPECT_TRUE(v.focoEnHf);
}

// Without groundwater the height a project file brought must not reach the calculation.
TEST_F(Freatico, NoGroundwaterStoresZeroWhateverTheFileBrought) {
    p.Nivel_Freatico = kNo;
    p.Hw = 2.5;
    const VistaFreatico v = Abre_Freatico(p, Separadores::espanol());
    EXPECT_FALSE(v.entrada.hayNivelFreatico);
    EXPECT_FALSE(v.hfHabilitada);
    EXPECT_EQ(v.entrada.hf, "0,0");
    EXPECT_EQ(Cierra_Freatico(p, v.entrada, Boton::Siguiente, respuesta.pregunta()), std::nullopt);
    EXPECT_DOUBLE_EQ(p.Hw, 0);

    // Even a box text that says otherwise.
    p.Hw = 2.5;
    EXPECT_EQ(Cierra_Freatico(p, EntradaFreatico{false, "2,5"}, Boton::Atras, respuesta.pregunta()),
              std::nullopt);
    EXPECT_DOUBLE_EQ(p.Hw, 0);
}

} // namespace
} // namespace tubrix
