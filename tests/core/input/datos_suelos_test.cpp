#include "input/datos_suelos.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

constexpr std::int16_t kUne = 1;
constexpr std::int16_t kAtv = 2;
constexpr int k90 = 1;  // " 90 %"
constexpr int k95 = 3;  // " 95 %"
constexpr int k97 = 4;  // " 97 %"
constexpr int k100 = 5; // "100 %"

Proyecto proyectoNuevo(std::int16_t norma) {
    Proyecto p;
    Inicializa_Proyecto(p, "01-01-2026");
    Arranca_Programa(p);
    p.Norma = norma;
    return p;
}

const std::string kTextoGrupo4 =
    "La norma no recomienda seleccionar un suelo de Grupo 4 para la Zona 2";

// ---- First page --------------------------------------------------------------------------

TEST(DatosSuelos, OpeningRestoresTheStoredChoices) {
    Proyecto p = proyectoNuevo(kAtv);
    p.Grupo_Suelo_1 = 2;
    p.Grupo_Suelo_3 = 3;
    p.Opcion_Suelo_1 = k95;
    p.Opcion_Suelo_2 = k100;
    p.Compactacion_1 = p.Compactacion_2 = 1.0; // the reset's placeholder
    const auto vista = Abre_Datos_Suelos(p);
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAbandonar);
    EXPECT_EQ(vista.cajaNorma, "Norma ATV");
    EXPECT_EQ(vista.entrada.grupo[ZonaSuelo::Zona1], 1);
    EXPECT_EQ(vista.entrada.grupo[ZonaSuelo::Zona3], 2);
    EXPECT_DOUBLE_EQ(p.Compactacion_1, 95);
    EXPECT_DOUBLE_EQ(p.Compactacion_2, 100);
    EXPECT_TRUE(vista.grupoHabilitado[ZonaSuelo::Zona2]);
    EXPECT_FALSE(vista.aviso);
}

TEST(DatosSuelos, GroupFourInZoneTwoWarnsOnceUntilAnotherGroupIsChosen) {
    Proyecto p = proyectoNuevo(kUne);
    auto vista = Abre_Datos_Suelos(p);
    const auto primero = Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona2, 3);
    ASSERT_TRUE(primero);
    EXPECT_EQ(primero->mensaje.texto, kTextoGrupo4);
    EXPECT_EQ(primero->mensaje.icono, Icono::Ninguno);
    EXPECT_EQ(primero->mensaje.titulo, "Aviso");
    EXPECT_TRUE(primero->pitidoDespues);
    EXPECT_EQ(p.Grupo_Suelo_2, 4);
    EXPECT_FALSE(Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona2, 3));
    EXPECT_FALSE(Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona2, 1));
    EXPECT_EQ(p.Aviso_Grupo4_Zona2, kNo);
    EXPECT_TRUE(Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona2, 3));
    // Group 4 elsewhere is no concern.
    EXPECT_FALSE(Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona4, 3));
}

TEST(DatosSuelos, StoredGroupFourInZoneTwoWarnsWhileLoadingOnlyOnce) {
    Proyecto p = proyectoNuevo(kUne);
    p.Grupo_Suelo_2 = 4;
    EXPECT_TRUE(Abre_Datos_Suelos(p).aviso);
    EXPECT_FALSE(Abre_Datos_Suelos(p).aviso);
}

TEST(DatosSuelos, EmbankmentZonesTwoAndThreeFollowZoneOne) {
    Proyecto p = proyectoNuevo(kAtv);
    p.Caso_Zanja = 2.0;
    p.Grupo_Suelo_2 = 3;
    p.Opcion_Suelo_1 = k90;
    p.Opcion_Suelo_2 = k100;
    auto vista = Abre_Datos_Suelos(p);
    EXPECT_FALSE(vista.grupoHabilitado[ZonaSuelo::Zona2]);
    EXPECT_FALSE(vista.grupoHabilitado[ZonaSuelo::Zona3]);
    EXPECT_TRUE(vista.grupoHabilitado[ZonaSuelo::Zona4]);
    EXPECT_FALSE(vista.compactacionHabilitada[ZonaCompactada::Zona2]);
    EXPECT_EQ(p.Grupo_Suelo_2, 1);
    EXPECT_EQ(p.Opcion_Suelo_2, k90);
    EXPECT_DOUBLE_EQ(p.Compactacion_2, 90);

    EXPECT_FALSE(Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona1, 2));
    EXPECT_EQ(p.Grupo_Suelo_2, 3);
    EXPECT_EQ(p.Grupo_Suelo_3, 3);
    EXPECT_EQ(vista.entrada.grupo[ZonaSuelo::Zona2], 2);
    EXPECT_EQ(vista.entrada.grupo[ZonaSuelo::Zona3], 2);
    EXPECT_EQ(p.Grupo_Suelo_4, 1);

    Elige_Compactacion(p, vista, ZonaCompactada::Zona1, k95);
    EXPECT_DOUBLE_EQ(p.Compactacion_2, 95);
    EXPECT_EQ(vista.entrada.compactacion[ZonaCompactada::Zona2], k95);

    // Group 4 reaches zone 2 through the coupling and warns.
    EXPECT_TRUE(Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona1, 3));
}

TEST(DatosSuelos, TrenchZoneOneChangesLeaveZoneTwoAlone) {
    Proyecto p = proyectoNuevo(kAtv);
    auto vista = Abre_Datos_Suelos(p);
    Elige_Grupo_Suelo(p, vista, ZonaSuelo::Zona1, 2);
    Elige_Compactacion(p, vista, ZonaCompactada::Zona1, k95);
    EXPECT_EQ(p.Grupo_Suelo_2, 1);
    EXPECT_EQ(p.Opcion_Suelo_2, 0);
    EXPECT_DOUBLE_EQ(p.Compactacion_2, 85);
}

TEST(DatosSuelos, NextStoresTheListsAndCouplesAnEmbankment) {
    Proyecto p = proyectoNuevo(kAtv);
    p.Caso_Zanja = 2.0;
    const auto vista = Abre_Datos_Suelos(p);
    auto entrada = vista.entrada;
    entrada.grupo[ZonaSuelo::Zona1] = 1;
    entrada.grupo[ZonaSuelo::Zona2] = 3;
    entrada.grupo[ZonaSuelo::Zona4] = 2;
    entrada.compactacion[ZonaCompactada::Zona1] = k97;
    entrada.compactacion[ZonaCompactada::Zona2] = 0;
    ASSERT_FALSE(Cierra_Datos_Suelos(p, entrada, Boton::Siguiente));
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
    EXPECT_EQ(p.Grupo_Suelo_1, 2);
    EXPECT_EQ(p.Grupo_Suelo_2, 2);
    EXPECT_EQ(p.Grupo_Suelo_3, 2);
    EXPECT_EQ(p.Grupo_Suelo_4, 3);
    EXPECT_DOUBLE_EQ(p.Compactacion_1, 97);
    EXPECT_DOUBLE_EQ(p.Compactacion_2, 97);
    EXPECT_EQ(p.Opcion_Suelo_2, p.Opcion_Suelo_1);

    entrada.grupo[ZonaSuelo::Zona1] = 3;
    ASSERT_FALSE(Cierra_Datos_Suelos(p, entrada, Boton::Atras));
    EXPECT_EQ(p.Codigo_Navegacion, kNavegacionAtras);
    EXPECT_EQ(p.Grupo_Suelo_1, 2);
}

// ---- Standard values -----------------------------------------------------------------------

struct CasoModulos {
    std::int16_t grupo1;
    int opcion1;
    std::int16_t grupo2;
    int opcion2;
    std::int16_t grupo3;
    std::int16_t grupo4;
    double casoZanja;
    double e1, e2, e3, e4;
};

class DatosSuelos2Modulos : public testing::TestWithParam<CasoModulos> {};

TEST_P(DatosSuelos2Modulos, StandardModuliByGroupAndCompaction) {
    const CasoModulos c = GetParam();
    Proyecto p = proyectoNuevo(kAtv);
    p.Grupo_Suelo_1 = c.grupo1;
    p.Opcion_Suelo_1 = static_cast<std::int16_t>(c.opcion1);
    p.Grupo_Suelo_2 = c.grupo2;
    p.Opcion_Suelo_2 = static_cast<std::int16_t>(c.opcion2);
    p.Grupo_Suelo_3 = c.grupo3;
    p.Grupo_Suelo_4 = c.grupo4;
    p.Caso_Zanja = c.casoZanja;
    Abre_Datos_Suelos_2(p, Separadores::espanol());
    EXPECT_DOUBLE_EQ(p.E1, c.e1);
    EXPECT_DOUBLE_EQ(p.E2, c.e2);
    EXPECT_DOUBLE_EQ(p.E3, c.e3);
    EXPECT_DOUBLE_EQ(p.E4, c.e4);
}

INSTANTIATE_TEST_SUITE_P(DatosSuelos2, DatosSuelos2Modulos,
                         testing::Values(
                             // zone 3 and 4 at 100 % in a trench
                             CasoModulos{2, k95, 1, 0, 3, 4, 1.0, 8, 2.5, 14, 10},
                             // under an embankment zone 3 takes zone 1's compaction
                             CasoModulos{2, k90, 1, k90, 3, 1, 2.0, 3, 6, 2, 40},
                             CasoModulos{4, 0, 3, k100, 2, 2, 3.0, 0.6, 14, 20, 20},
                             CasoModulos{1, k100, 4, 2, 1, 3, 1.0, 40, 2, 40, 14}));

TEST(DatosSuelos2, StandardValuesByGroup) {
    Proyecto p = proyectoNuevo(kAtv);
    p.Grupo_Suelo_1 = 3;
    p.Grupo_Suelo_2 = 2;
    p.Condicion_Relleno = 4;
    const auto vista = Abre_Datos_Suelos_2(p, Separadores::espanol());
    EXPECT_DOUBLE_EQ(p.Gamma_1, 20);
    EXPECT_DOUBLE_EQ(p.Gamma_2, 20);
    EXPECT_DOUBLE_EQ(p.Ro, 25);
    EXPECT_DOUBLE_EQ(p.Ro_Prima, 25);
    EXPECT_DOUBLE_EQ(p.K1, 0.5);
    EXPECT_DOUBLE_EQ(p.K2, 0.3);
    EXPECT_EQ(vista.etiquetaGrupoZona2, "Grupo 2: Poco cohesivos");
    EXPECT_EQ(vista.entrada.textos[CajaSuelo::K2], "0,3");
    EXPECT_EQ(vista.entrada.textos[CajaSuelo::Gamma_1], "20,0");
}

struct CasoRoPrima {
    std::int16_t norma;
    std::int16_t condicion;
    double esperado;
};

class DatosSuelos2RoPrima : public testing::TestWithParam<CasoRoPrima> {};

TEST_P(DatosSuelos2RoPrima, WallFrictionFromRo) {
    const CasoRoPrima c = GetParam();
    EXPECT_DOUBLE_EQ(Calcula_Ro_Prima(c.norma, c.condicion, 35), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(DatosSuelos2, DatosSuelos2RoPrima,
                         testing::Values(CasoRoPrima{kAtv, 1, 2.0 / 3 * 35},
                                         CasoRoPrima{kAtv, 2, 35.0 / 3}, CasoRoPrima{kAtv, 3, 0},
                                         CasoRoPrima{kAtv, 4, 35},
                                         CasoRoPrima{kUne, 2, 2.0 / 3 * 35},
                                         CasoRoPrima{kUne, 3, 0}, CasoRoPrima{kUne, 4, 35},
                                         CasoRoPrima{3, 4, 0}));

TEST(DatosSuelos2, AtvAndUneDifferForA2) {
    Proyecto atv = proyectoNuevo(kAtv);
    atv.Condicion_Relleno = 2;
    const auto vista = Abre_Datos_Suelos_2(atv, Separadores::espanol());
    EXPECT_DOUBLE_EQ(atv.Ro, 35);
    EXPECT_DOUBLE_EQ(atv.Ro_Prima, 35.0 / 3);
    EXPECT_EQ(vista.entrada.textos[CajaSuelo::Ro_Prima], "11,67");

    Proyecto une = proyectoNuevo(kUne);
    une.Condicion_Relleno = 2;
    Abre_Datos_Suelos_2(une, Separadores::espanol());
    EXPECT_DOUBLE_EQ(une.Ro_Prima, 2.0 / 3 * 35);
}

TEST(DatosSuelos2, NewUneProjectOpensOnA2WithA1Disabled) {
    Proyecto p = proyectoNuevo(kUne);
    ASSERT_EQ(p.Condicion_Relleno, 1);
    const auto vista = Abre_Datos_Suelos_2(p, Separadores::espanol());
    EXPECT_EQ(p.Condicion_Relleno, 2);
    EXPECT_EQ(vista.rellenoSeleccionado, 2);
    EXPECT_FALSE(vista.rellenoA1Habilitado);
    EXPECT_EQ(vista.cajaNorma, "Norma UNE");

    Proyecto atv = proyectoNuevo(kAtv);
    const auto vistaAtv = Abre_Datos_Suelos_2(atv, Separadores::espanol());
    EXPECT_EQ(atv.Condicion_Relleno, 1);
    EXPECT_TRUE(vistaAtv.rellenoA1Habilitado);
    EXPECT_EQ(vistaAtv.cajaNorma, "Norma ATV");
}

// ---- Tested values --------------------------------------------------------------------------

TEST(DatosSuelos2, SwitchingToSiKeepsTheStandardValuesAndBackToNoDiscardsTypedOnes) {
    Proyecto p = proyectoNuevo(kAtv);
    p.Opcion_Suelo_1 = k95;
    auto vista = Abre_Datos_Suelos_2(p, Separadores::espanol());
    EXPECT_FALSE(vista.cajasHabilitadas);
    EXPECT_TRUE(vista.notaVisible);
    const auto estandar = vista.entrada.textos;
    EXPECT_EQ(estandar[CajaSuelo::E1], "16,0");

    Elige_Ensayos(p, vista, true);
    EXPECT_EQ(p.Opcion_Suelo_3, kSi);
    EXPECT_TRUE(vista.cajasHabilitadas);
    EXPECT_FALSE(vista.notaVisible);
    EXPECT_EQ(vista.entrada.textos, estandar);
    EXPECT_FALSE(Entra_En_Caja_Suelo(p));

    vista.entrada.textos[CajaSuelo::E1] = "99";
    Elige_Ensayos(p, vista, false);
    EXPECT_EQ(p.Opcion_Suelo_3, kNo);
    EXPECT_EQ(vista.entrada.textos, estandar);
}

TEST(DatosSuelos2, TestModeShowsTheStoredValuesAsTheyAre) {
    Proyecto p = proyectoNuevo(kAtv);
    p.Opcion_Suelo_3 = kSi;
    p.Condicion_Relleno = 4;
    p.Ro = 31;
    p.E1 = 12.345;
    const auto vista = Abre_Datos_Suelos_2(p, Separadores::espanol());
    EXPECT_TRUE(vista.ensayos);
    EXPECT_DOUBLE_EQ(p.E1, 12.345);
    EXPECT_EQ(vista.entrada.textos[CajaSuelo::E1], "12,35");
    EXPECT_EQ(vista.entrada.textos[CajaSuelo::Ro_Prima], "31,0");
}

// rho' follows the rho the user has typed, not the one stored when the page opened; a box
// without a number falls back on the stored one.
TEST(DatosSuelos2, BackfillUsesTheRoInItsBox) {
    Proyecto p = proyectoNuevo(kAtv);
    p.Opcion_Suelo_3 = kSi;
    p.Ro = 30;
    auto vista = Abre_Datos_Suelos_2(p, Separadores::espanol());
    vista.entrada.textos[CajaSuelo::Ro] = "40";
    Elige_Condicion_Relleno(p, vista, 4);
    EXPECT_EQ(p.Condicion_Relleno, 4);
    EXPECT_DOUBLE_EQ(p.Ro_Prima, 40);
    EXPECT_EQ(vista.entrada.textos[CajaSuelo::Ro_Prima], "40,0");
    vista.entrada.textos[CajaSuelo::Ro] = "x";
    Elige_Condicion_Relleno(p, vista, 4);
    EXPECT_DOUBLE_EQ(p.Ro_Prima, 30);
}

// Tested values no soil can have are refused on their box, naming the quantity and its range;
// nothing of the page is stored.
struct CasoSueloImposible {
    CajaSuelo caja;
    const char* texto;
    const char* mensaje;
};

class DatosSuelos2Imposible : public testing::TestWithParam<CasoSueloImposible> {};

TEST_P(DatosSuelos2Imposible, IsRefusedOnItsBox) {
    const CasoSueloImposible& c = GetParam();
    for (const Boton boton : {Boton::Siguiente, Boton::Atras}) {
        Proyecto p = proyectoNuevo(kAtv);
        Calcula_Valores_Standard(p);
        p.Opcion_Suelo_3 = kSi;
        auto vista = Abre_Datos_Suelos_2(p, Separadores::espanol());
        const Proyecto antes = p;
        auto entrada = vista.entrada;
        entrada.textos[c.caja] = c.texto;
        const auto rechazo = Cierra_Datos_Suelos_2(p, entrada, boton);
        ASSERT_TRUE(rechazo) << c.texto;
        EXPECT_EQ(rechazo->mensaje.texto, c.mensaje);
        EXPECT_EQ(rechazo->mensaje.titulo, "Aviso");
        EXPECT_EQ(rechazo->foco, static_cast<int>(Foco_Caja_Suelo(c.caja)));
        EXPECT_EQ(p, antes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    DatosSuelos2, DatosSuelos2Imposible,
    testing::Values(
        CasoSueloImposible{CajaSuelo::Gamma_1, "0",
                           "El peso específico Gamma 1 de las tierras "
                           "de relleno debe ser mayor que 0 kN/m3"},
        CasoSueloImposible{CajaSuelo::Gamma_2, "-18",
                           "El peso específico Gamma 2 de las tierras "
                           "del terreno natural debe ser mayor que 0 "
                           "kN/m3"},
        CasoSueloImposible{CajaSuelo::Ro, "91",
                           "El ángulo de rozamiento interno ρ de las tierras "
                           "del relleno debe estar entre 0º y 90º"},
        CasoSueloImposible{CajaSuelo::Ro_Prima, "-1",
                           "El ángulo de rozamiento ρ' del relleno con "
                           "las paredes de la zanja debe estar entre "
                           "0º y 90º"},
        CasoSueloImposible{CajaSuelo::K1, "-0,5",
                           "El coeficiente de empuje lateral K1 debe ser mayor o igual que 0"},
        CasoSueloImposible{CajaSuelo::K2, "-1E-3",
                           "El coeficiente de empuje lateral K2 debe ser mayor o igual que 0"},
        CasoSueloImposible{CajaSuelo::E1, "0",
                           "El módulo de compresión E1 de la zona 1 debe ser mayor que 0 N/mm2"},
        CasoSueloImposible{CajaSuelo::E4, "-4",
                           "El módulo de compresión E4 de la zona 4 debe ser mayor que 0 N/mm2"},
        CasoSueloImposible{CajaSuelo::Gamma_1, "a",
                           "Escriba un número en el peso específico Gamma 1 de las tierras de "
                           "relleno (kN/m3)"},
        CasoSueloImposible{CajaSuelo::E3, "",
                           "Escriba un número en el módulo de compresión E3 de la zona 3 "
                           "(N/mm2)"}));

TEST(DatosSuelos2, BoxesRefuseTheFocusInStandardMode) {
    Proyecto p = proyectoNuevo(kUne);
    Abre_Datos_Suelos_2(p, Separadores::espanol());
    const auto rechazo = Entra_En_Caja_Suelo(p);
    ASSERT_TRUE(rechazo);
    EXPECT_EQ(rechazo->mensaje.texto, "No se pueden introducir datos si no se han obtenido las "
                                      "características de los suelos mediante ensayos");
    EXPECT_EQ(rechazo->mensaje.icono, Icono::Informacion);
    EXPECT_TRUE(rechazo->mensaje.pitido);
    EXPECT_EQ(rechazo->foco, static_cast<int>(FocoDatosSuelos2::RellenoA2));
}

TEST(DatosSuelos2, EitherArrowReadsTheTenBoxesAndOpeningKeepsTheCode) {
    for (const Boton boton : {Boton::Siguiente, Boton::Atras}) {
        Proyecto p = proyectoNuevo(kAtv);
        p.Codigo_Navegacion = kNavegacionSiguiente;
        auto vista = Abre_Datos_Suelos_2(p, Separadores::espanol());
        EXPECT_EQ(p.Codigo_Navegacion, kNavegacionSiguiente);
        auto entrada = vista.entrada;
        entrada.textos[CajaSuelo::Gamma_2] = "18,5";
        entrada.textos[CajaSuelo::E4] = "7.25";
        entrada.textos[CajaSuelo::K1] = "abc";
        ASSERT_FALSE(Cierra_Datos_Suelos_2(p, entrada, boton));
        EXPECT_DOUBLE_EQ(p.Gamma_2, 18.5);
        EXPECT_DOUBLE_EQ(p.E4, 7.25);
        EXPECT_DOUBLE_EQ(p.K1, 0);
        EXPECT_DOUBLE_EQ(p.Ro_Prima, 23.33); // the box shows two decimals
        EXPECT_EQ(p.Codigo_Navegacion,
                  boton == Boton::Siguiente ? kNavegacionSiguiente : kNavegacionAtras);
    }
}

} // namespace
} // namespace tubrix
