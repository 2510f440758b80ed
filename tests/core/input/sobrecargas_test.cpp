#include "format/lee_numero.h"
#include "input/sobrecargas.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

constexpr std::int16_t kUne = 1;
constexpr std::int16_t kAtv = 2;
constexpr std::int16_t kNormal = 1;
constexpr std::int16_t kIrregular = 2;

Proyecto proyectoNuevo(std::int16_t norma) {
    Proyecto p;
    Inicializa_Proyecto(p, "01-01-2026");
    Arranca_Programa(p);
    p.Norma = norma;
    p.E1 = 8;
    p.H_Total = 1.0;
    return p;
}

// The paved construction of the worked example: He = (0.2·6000^⅓ + 0.3·1000^⅓)·0.9/8^⅓ + 1.
void firmeDelEjemplo(Proyecto& p) {
    p.Espesor_Capa_Superior = 0.2;
    p.Modulo_Capa_Superior = 6000;
    p.Espesor_Capa_Inferior = 0.3;
    p.Modulo_Capa_Inferior = 1000;
}
constexpr double kHeDelEjemplo = 3.9854;

// ---- Vehicles and impact factors ----------------------------------------------------------

TEST(Sobrecargas, NoTrafficDisablesTheFramesAndEmptiesTheImpactList) {
    Proyecto p = proyectoNuevo(kUne);
    p.Indice_Firme_Irregular = 2;
    p.Pc = 65;
    const auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_EQ(vista.vehiculoSeleccionado, 0);
    EXPECT_EQ(vista.vehiculos.front(), "Sin tráfico");
    EXPECT_FALSE(vista.marcosHabilitados);
    EXPECT_TRUE(vista.coeficientes.empty());
    EXPECT_EQ(vista.coeficienteSeleccionado, -1);
    EXPECT_EQ(p.Indice_Firme_Irregular, -1);
    EXPECT_DOUBLE_EQ(p.Coeficiente_Impacto, 0);
    EXPECT_EQ(vista.clase, "");
    EXPECT_EQ(vista.textoPc, "");
    EXPECT_EQ(vista.textoDistanciaEjes, "");
    EXPECT_EQ(vista.textoNumeroEjes, "");
    EXPECT_DOUBLE_EQ(p.Pc, 65) << "the labels empty, the field keeps its value";
}

struct CasoVehiculo {
    std::int16_t tipo;
    double pc;
    std::int16_t ejes;
    double distanciaEjes;
    const char* textoDistanciaEjes;
    const char* clase;
    std::size_t factoresIrregulares;
    const char* primerFactor;
};

class SobrecargasVehiculo : public testing::TestWithParam<CasoVehiculo> {};

TEST_P(SobrecargasVehiculo, TableRowAndImpactFactors) {
    const CasoVehiculo c = GetParam();
    Proyecto p = proyectoNuevo(kUne);
    auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    Elige_Vehiculo(p, vista, c.tipo);
    EXPECT_EQ(p.Tipo_Vehiculo, c.tipo);
    EXPECT_DOUBLE_EQ(p.Pc, c.pc);
    EXPECT_EQ(p.Numero_Ejes, c.ejes);
    EXPECT_EQ(p.Distancia_Ruedas, 2);
    EXPECT_EQ(p.Distancia_Ejes, c.distanciaEjes);
    EXPECT_EQ(vista.textoDistanciaEjes, c.textoDistanciaEjes);
    EXPECT_EQ(vista.clase, c.clase);
    EXPECT_TRUE(vista.marcosHabilitados);
    ASSERT_EQ(vista.coeficientes.size(), 1u);
    EXPECT_EQ(vista.coeficienteSeleccionado, 0);
    EXPECT_DOUBLE_EQ(p.Coeficiente_Impacto, Lee_Numero(vista.coeficientes.front()));

    Elige_Firme(p, vista, kIrregular);
    EXPECT_EQ(vista.coeficientes.size(), c.factoresIrregulares);
    EXPECT_EQ(vista.coeficientes.front(), c.primerFactor);
}

INSTANTIATE_TEST_SUITE_P(Sobrecargas, SobrecargasVehiculo,
                         testing::Values(CasoVehiculo{1, 40, 2, 3, "3", "Ligero", 8, "1,50"},
                                         CasoVehiculo{2, 65, 2, 3, "3", "Medio", 8, "1,40"},
                                         CasoVehiculo{3, 65, 3, 2, "2", "Medio", 8, "1,40"},
                                         // 1,5 m between axles keeps its fraction
                                         CasoVehiculo{4, 65, 3, 1.5, "1,5", "Medio", 8, "1,40"},
                                         CasoVehiculo{5, 100, 3, 1.5, "1,5", "Pesado", 7, "1,20"}));

TEST(Sobrecargas, Ht39OnANormalSurfaceOffersOnly14) {
    Proyecto p = proyectoNuevo(kUne);
    p.Tipo_Vehiculo = 4;
    p.Tipo_Firme = kNormal;
    const auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    ASSERT_EQ(vista.coeficientes.size(), 1u);
    EXPECT_EQ(vista.coeficientes.front(), "1,4");
    EXPECT_EQ(vista.coeficienteSeleccionado, 0);
    EXPECT_DOUBLE_EQ(p.Coeficiente_Impacto, 1.4);
    EXPECT_EQ(vista.clase, "Medio");
    EXPECT_EQ(vista.textoPc, "65");
}

TEST(Sobrecargas, Ht60IrregularRestoresTheStoredFactorAndNormalTakesTheFirst) {
    Proyecto p = proyectoNuevo(kUne);
    p.Tipo_Vehiculo = 5;
    p.Tipo_Firme = kIrregular;
    p.Indice_Firme_Irregular = 3;
    auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_EQ(vista.firmeSeleccionado, kIrregular);
    EXPECT_EQ(vista.coeficientes.size(), 7u);
    EXPECT_EQ(vista.coeficienteSeleccionado, 3);
    EXPECT_EQ(vista.coeficientes[3], "1,35");
    EXPECT_DOUBLE_EQ(p.Coeficiente_Impacto, 1.35);
    EXPECT_EQ(p.Indice_Firme_Irregular, 3);

    Elige_Firme(p, vista, kNormal);
    EXPECT_EQ(p.Tipo_Firme, kNormal);
    EXPECT_EQ(vista.coeficienteSeleccionado, 0);
    EXPECT_EQ(p.Indice_Firme_Irregular, 0);
    EXPECT_DOUBLE_EQ(p.Coeficiente_Impacto, 1.2);
}

TEST(Sobrecargas, StoredIndexBeyondTheListSelectsNothing) {
    Proyecto p = proyectoNuevo(kUne);
    p.Tipo_Vehiculo = 5;
    p.Tipo_Firme = kIrregular;
    p.Indice_Firme_Irregular = 7; // the HT 60 list has seven entries
    const auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_EQ(vista.coeficienteSeleccionado, -1);
    EXPECT_EQ(p.Indice_Firme_Irregular, -1);
    EXPECT_DOUBLE_EQ(p.Coeficiente_Impacto, 0);
}

// ---- Pavement materials -------------------------------------------------------------------

struct CasoMaterial {
    int posicion;
    double minimo;
    double maximo;
    const char* rango;
};

class SobrecargasMaterial : public testing::TestWithParam<CasoMaterial> {};

TEST_P(SobrecargasMaterial, StoresTheCodeAndShowsTheGuidanceRange) {
    const CasoMaterial c = GetParam();
    Proyecto p = proyectoNuevo(kUne);
    auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    const std::string moduloEscrito = vista.entrada.modulo[Capa::Inferior].texto;
    ASSERT_TRUE(Elige_Material(p, vista, Capa::Inferior, c.posicion));
    EXPECT_EQ(p.Material_Capa_Inferior, c.posicion + 1);
    EXPECT_DOUBLE_EQ(p.Modulo_Min[Capa::Inferior], c.minimo);
    EXPECT_DOUBLE_EQ(p.Modulo_Max[Capa::Inferior], c.maximo);
    EXPECT_EQ(vista.textoRango[Capa::Inferior], c.rango);
    EXPECT_EQ(vista.entrada.modulo[Capa::Inferior], moduloEscrito);
}

INSTANTIATE_TEST_SUITE_P(Sobrecargas, SobrecargasMaterial,
                         testing::Values(CasoMaterial{0, 50, 2000, "50 - 2.000"},
                                         CasoMaterial{1, 1000, 15000, "1.000 - 15.000"},
                                         CasoMaterial{7, 15000, 15000, "15.000"},
                                         CasoMaterial{8, 21000, 35000, "21.000 - 35.000"}));

TEST(Sobrecargas, MaterialNotChosenShowsAndStoresTheFirst) {
    Proyecto p = proyectoNuevo(kUne);
    p.Material_Capa_Superior = 0;
    p.Material_Capa_Inferior = 8;
    const auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_EQ(vista.materialSeleccionado[Capa::Superior], 0);
    EXPECT_EQ(p.Material_Capa_Superior, 1);
    EXPECT_EQ(vista.materialSeleccionado[Capa::Inferior], 7);
    EXPECT_EQ(vista.textoRango[Capa::Inferior], "15.000");
    EXPECT_EQ(vista.materiales[3], "Gravilla compactadas");
}

TEST(Sobrecargas, PavedZoneOnlyEnablesTheLayerControls) {
    Proyecto p = proyectoNuevo(kUne);
    p.Zona_Pavimentada = 1; // any nonzero value reads as "Si"
    auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_EQ(p.Zona_Pavimentada, kSi);
    EXPECT_TRUE(vista.capasHabilitadas);
    Elige_Zona_Pavimentada(p, vista, false);
    EXPECT_EQ(p.Zona_Pavimentada, kNo);
    EXPECT_FALSE(vista.capasHabilitadas);
}

// ---- Equivalent earth height --------------------------------------------------------------

TEST(Sobrecargas, EquivalentHeightOfTheWorkedExample) {
    Proyecto p = proyectoNuevo(kUne);
    firmeDelEjemplo(p);
    const auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_TRUE(vista.heVisible);
    EXPECT_NEAR(p.He, kHeDelEjemplo, 1e-4);
    EXPECT_EQ(vista.textoHe, "3,99");
    EXPECT_EQ(vista.textoH, "1,0");
    EXPECT_EQ(vista.entrada.modulo[Capa::Superior], "6000,0");
}

TEST(Sobrecargas, UnpavedZoneStillCountsTheLayers) {
    Proyecto p = proyectoNuevo(kUne);
    firmeDelEjemplo(p);
    p.Zona_Pavimentada = kNo;
    Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_NEAR(p.He, kHeDelEjemplo, 1e-4);
}

TEST(Sobrecargas, LayerBoxFocusLossReadsTheTypedTexts) {
    Proyecto p = proyectoNuevo(kUne);
    auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    vista.entrada.espesor[Capa::Superior] = "0,2";
    vista.entrada.modulo[Capa::Superior] = "6000";
    vista.entrada.espesor[Capa::Inferior] = "0.3";
    vista.entrada.modulo[Capa::Inferior] = "1000";
    ASSERT_TRUE(Sale_De_Caja_Capa(p, vista));
    EXPECT_DOUBLE_EQ(p.Espesor_Capa_Superior, 0.2);
    EXPECT_DOUBLE_EQ(p.Modulo_Capa_Inferior, 1000);
    EXPECT_NEAR(p.He, kHeDelEjemplo, 1e-4);
    EXPECT_EQ(vista.textoHe, "3,99");
}

TEST(Sobrecargas, AtvNeverReadsTheLayerBoxes) {
    Proyecto p = proyectoNuevo(kAtv);
    p.He = 7.5;
    p.E1 = 0; // would not even be computable
    p.Espesor_Capa_Superior = 0.1;
    auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    EXPECT_FALSE(vista.heVisible);
    EXPECT_EQ(vista.textoHe, "");
    auto entrada = vista.entrada;
    entrada.espesor[Capa::Superior] = "0,4";
    entrada.modulo[Capa::Superior] = "-3";
    ASSERT_FALSE(Cierra_Sobrecargas(p, entrada, Boton::Siguiente));
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
    EXPECT_DOUBLE_EQ(p.Espesor_Capa_Superior, 0.1);
    EXPECT_DOUBLE_EQ(p.He, 7.5);
}

TEST(Sobrecargas, CloseRecomputesHeFromTheBoxesThenLeaves) {
    Proyecto p = proyectoNuevo(kUne);
    const auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    auto entrada = vista.entrada;
    entrada.espesor[Capa::Superior] = "0,2";
    entrada.modulo[Capa::Superior] = "6000";
    entrada.espesor[Capa::Inferior] = "0,3";
    entrada.modulo[Capa::Inferior] = "1000";
    ASSERT_FALSE(Cierra_Sobrecargas(p, entrada, Boton::Atras));
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
    EXPECT_NEAR(p.He, kHeDelEjemplo, 1e-4);
}

// He cannot be evaluated without a stiff soil or with a negative layer modulus: next is
// refused with the reason, He keeps its value, and back still leaves.
struct CasoHeImposible {
    double e1;
    const char* moduloSuperior;
    const char* moduloInferior;
    const char* mensaje;
    int foco;
};

class SobrecargasHeImposible : public testing::TestWithParam<CasoHeImposible> {};

TEST_P(SobrecargasHeImposible, NextIsRefusedAndHeKeepsItsValue) {
    const CasoHeImposible c = GetParam();
    Proyecto p = proyectoNuevo(kUne);
    p.E1 = c.e1;
    p.Codigo_Navegacion = kNavegacionAbandonar;
    auto vista = Abre_Sobrecargas(p, Separadores::espanol());
    p.He = 2.5;
    vista.entrada.modulo[Capa::Superior] = c.moduloSuperior;
    vista.entrada.modulo[Capa::Inferior] = c.moduloInferior;
    const auto calculo = Sale_De_Caja_Capa(p, vista);
    ASSERT_FALSE(calculo);
    EXPECT_EQ(calculo.error().mensaje, c.mensaje);
    EXPECT_EQ(vista.textoHe, "2,5");

    const auto rechazo = Cierra_Sobrecargas(p, vista.entrada, Boton::Siguiente);
    ASSERT_TRUE(rechazo);
    EXPECT_EQ(rechazo->mensaje.texto, c.mensaje);
    EXPECT_EQ(rechazo->mensaje.icono, Icono::Informacion);
    EXPECT_EQ(rechazo->foco, c.foco);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
    EXPECT_DOUBLE_EQ(p.He, 2.5);

    EXPECT_FALSE(Cierra_Sobrecargas(p, vista.entrada, Boton::Atras));
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
}

INSTANTIATE_TEST_SUITE_P(
    Sobrecargas, SobrecargasHeImposible,
    testing::Values(
        CasoHeImposible{0, "100", "100",
                        "No se puede calcular la altura equivalente de tierras He: el módulo de "
                        "deformación E1 del suelo de la zona 1 vale 0,0.",
                        -1},
        CasoHeImposible{-2, "100", "100",
                        "No se puede calcular la altura equivalente de tierras He: el módulo de "
                        "deformación E1 del suelo de la zona 1 vale -2,0.",
                        -1},
        CasoHeImposible{8, "-5", "100",
                        "El módulo de compresión de la capa superior debe ser mayor o igual que "
                        "0 N/mm2",
                        static_cast<int>(FocoSobrecargas::ModuloSuperior)},
        CasoHeImposible{8, "0", "-0,5",
                        "El módulo de compresión de la capa inferior debe ser mayor o igual que "
                        "0 N/mm2",
                        static_cast<int>(FocoSobrecargas::ModuloInferior)}));

// A layer has no negative thickness, and a layer that is there has some stiffness; in a paved
// zone with traffic (boxes enabled) a box without a number is a typing mistake, elsewhere it
// reads as 0. Nothing of the layers is stored when one is refused.
TEST(Sobrecargas, ImpossibleLayersAreRefusedOnTheirBox) {
    struct Caso {
        bool pavimentada;
        const char *espesor, *modulo;
        const char* mensaje; // nullptr: accepted
        FocoSobrecargas foco;
    };
    const Caso casos[] = {
        {true, "-0,1", "100", "El espesor de la capa superior debe ser mayor o igual que 0 m",
         FocoSobrecargas::EspesorSuperior},
        {true, "0,2", "0", "El módulo de compresión de la capa superior debe ser mayor que 0 N/mm2",
         FocoSobrecargas::ModuloSuperior},
        {true, "x", "100", "Escriba un número en el espesor de la capa superior (m)",
         FocoSobrecargas::EspesorSuperior},
        {true, "0,2", "",
         "Escriba un número en el módulo de compresión de la capa superior (N/mm2)",
         FocoSobrecargas::ModuloSuperior},
        {false, "x", "y", nullptr, FocoSobrecargas::EspesorSuperior},
    };
    for (const Caso& c : casos) {
        Proyecto p = proyectoNuevo(kUne);
        p.Tipo_Vehiculo = 2;
        p.Zona_Pavimentada = c.pavimentada ? kSi : kNo;
        auto vista = Abre_Sobrecargas(p, Separadores::espanol());
        vista.entrada.espesor[Capa::Superior] = c.espesor;
        vista.entrada.modulo[Capa::Superior] = c.modulo;
        p.Espesor_Capa_Superior = 0.05;
        const auto r = Cierra_Sobrecargas(p, vista.entrada, Boton::Siguiente);
        if (!c.mensaje) {
            EXPECT_FALSE(r) << r->mensaje.texto;
            EXPECT_EQ(p.Espesor_Capa_Superior, 0);
            continue;
        }
        ASSERT_TRUE(r) << c.mensaje;
        EXPECT_EQ(r->mensaje.texto, c.mensaje);
        EXPECT_EQ(r->foco, static_cast<int>(c.foco));
        EXPECT_EQ(p.Espesor_Capa_Superior, 0.05);
    }
}

} // namespace
} // namespace tubrix
