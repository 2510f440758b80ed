#include "input/sobrecargas.h"
#include "model/campos.h"
#include "model/codigos.h"
#include "model/fichero_proyecto.h"
#include "model/proyecto_json.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace tubrix {
namespace {

constexpr int kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr int kMax16 = std::numeric_limits<std::int16_t>::max();

Proyecto nuevaSeccion() {
    Proyecto p;
    Inicializa_Proyecto(p, "12-07-2026");
    return p;
}

std::int16_t Proyecto::*miembroEntero(std::string_view nombre) {
    return std::get<std::int16_t Proyecto::*>(buscaCampo(nombre)->miembro);
}

// Every integer field of the project file and the codes it accepts in a new section; {min, max}
// of the 16-bit range means any value.
const std::map<std::string_view, std::pair<int, int>>& listas() {
    static const std::map<std::string_view, std::pair<int, int>> kListas = {
        {"Codigo_Material", {1, 12}},
        {"Codigo_Submaterial", {1101, 1200}}, // of group 11, the new section's

        {"Codigo_Diametro", {kMin16, kMax16}}, // checked against the catalogue
        {"Clase_Seguridad", {0, 2}},
        {"Tipo_Instalacion", {1, 3}},
        {"Subtipo_Instalacion", {1, 3}},
        {"Nivel_Freatico", {kMin16, kMax16}},
        {"Tipo_Apoyo", {1, 3}},
        {"Subtipo_Apoyo", {1, 2}},
        {"Grupo_Suelo_1", {1, 4}},
        {"Grupo_Suelo_2", {1, 4}},
        {"Grupo_Suelo_3", {1, 4}},
        {"Grupo_Suelo_4", {1, 4}},
        {"Opcion_Suelo_1", {0, 5}},
        {"Opcion_Suelo_2", {0, 5}},
        {"Opcion_Suelo_3", {kMin16, kMax16}},
        {"Reservado_Suelo", {kMin16, kMax16}},
        {"Condicion_Relleno", {1, 4}},
        {"Tipo_Vehiculo", {0, 5}},
        {"Indice_Firme_Irregular", {-1, 7}},
        {"Tipo_Firme", {1, 2}},
        {"Zona_Pavimentada", {kMin16, kMax16}},
        {"Material_Capa_Superior", {0, 9}},
        {"Material_Capa_Inferior", {0, 9}},
        {"Reservado_3", {kMin16, kMax16}},
        {"Hay_Cargas_Superficie", {kMin16, kMax16}},
    };
    return kListas;
}

TEST(Codigos, EveryIntegerFieldAcceptsExactlyItsList) {
    int enteros = 0;
    for (const Campo& campo : camposPersistidos()) {
        if (!std::holds_alternative<std::int16_t Proyecto::*>(campo.miembro))
            continue;
        ++enteros;
        SCOPED_TRACE(std::string(campo.nombre));
        ASSERT_TRUE(listas().contains(campo.nombre));
        const auto [minimo, maximo] = listas().at(campo.nombre);
        Proyecto p = nuevaSeccion();
        for (int codigo = kMin16; codigo <= kMax16; ++codigo) {
            p.*miembroEntero(campo.nombre) = static_cast<std::int16_t>(codigo);
            // Another group takes one of its own sub-classes along.
            if (campo.nombre == "Codigo_Material")
                p.Codigo_Submaterial = static_cast<std::int16_t>(codigo * 100 + 1);
            const auto fuera = Codigo_Fuera_De_Lista(p);
            if (codigo >= minimo && codigo <= maximo) {
                ASSERT_FALSE(fuera) << codigo << ": " << *fuera;
            } else {
                ASSERT_TRUE(fuera) << codigo;
                const std::string esperado = std::string(campo.nombre) + " = " +
                                             std::to_string(codigo) +
                                             " (valores admitidos: " + std::to_string(minimo) +
                                             " a " + std::to_string(maximo) + ")";
                ASSERT_EQ(*fuera, esperado);
            }
        }
        p = nuevaSeccion();
    }
    EXPECT_EQ(enteros, static_cast<int>(listas().size()));
}

// The impact factor position must point into the list an irregular pavement shows for the
// vehicle, since the screen goes back to it; -1 (none) is always accepted.
TEST(Codigos, ImpactFactorPositionFollowsTheListOfTheVehicle) {
    for (std::int16_t vehiculo = 0; vehiculo <= 5; ++vehiculo) {
        for (std::int16_t firme = 1; firme <= 2; ++firme) {
            Proyecto p = nuevaSeccion();
            p.Tipo_Vehiculo = vehiculo;
            p.Tipo_Firme = firme;
            const auto admitidos = Codigos_Admitidos("Indice_Firme_Irregular", p);
            ASSERT_TRUE(admitidos);
            EXPECT_EQ(admitidos->minimo, -1);
            const auto lista = Lista_Coeficientes_Impacto(vehiculo, firme);
            const int ultima = firme == 2 && vehiculo > 0 ? static_cast<int>(lista.size()) - 1 : 7;
            EXPECT_EQ(admitidos->maximo, ultima) << vehiculo << " " << firme;
        }
    }
}

TEST(Codigos, ReadersRefuseAnUnknownCodeAndChangeNothing) {
    Proyecto malo = nuevaSeccion();
    malo.Tipo_Instalacion = 7;
    const std::string bytes = Codifica_Proyecto(malo);

    Proyecto p = nuevaSeccion();
    p.H = 3.5;
    const Proyecto antes = p;
    const auto tbx = Descodifica_Proyecto(p, bytes, "obra.tbx");
    ASSERT_FALSE(tbx);
    EXPECT_EQ(tbx.error().mensaje, "El fichero \"obra.tbx\" no es un proyecto válido: "
                                   "Tipo_Instalacion = 7 (valores admitidos: 1 a 3).");
    EXPECT_TRUE(p == antes);

    const auto json = Lee_Proyecto_Json(p, R"({"H": 2.0, "Clase_Seguridad": 7})", "obra.json");
    ASSERT_FALSE(json);
    EXPECT_NE(json.error().mensaje.find("Clase_Seguridad = 7"), std::string::npos);
    EXPECT_TRUE(p == antes);
}

TEST(Codigos, JsonIntegersOutside16BitsAreRefusedHoweverWritten) {
    for (const char* texto :
         {R"({"Tipo_Instalacion": 18446744073709551615})",
          R"({"Tipo_Instalacion": 18446744073709551616})",
          R"({"Tipo_Instalacion": -9223372036854775809})", R"({"Tipo_Instalacion": 65537})",
          R"({"Tipo_Instalacion": 1e3})", R"({"Tipo_Instalacion": 1.0})"}) {
        SCOPED_TRACE(texto);
        Proyecto p = nuevaSeccion();
        const auto leido = Lee_Proyecto_Json(p, texto, "x.json");
        ASSERT_FALSE(leido);
        EXPECT_NE(leido.error().mensaje.find("Tipo_Instalacion debe ser un entero"),
                  std::string::npos)
            << leido.error().mensaje;
        EXPECT_EQ(p.Tipo_Instalacion, 1);
    }
    Proyecto p = nuevaSeccion();
    ASSERT_TRUE(Lee_Proyecto_Json(p, R"({"Reservado_3": -32768, "Reservado_Suelo": 32767})", "x"));
    EXPECT_EQ(p.Reservado_3, -32768);
    EXPECT_EQ(p.Reservado_Suelo, 32767);
}

TEST(Codigos, JsonWithAKeyWrittenTwiceOrBrokenTextIsRefused) {
    Proyecto p = nuevaSeccion();
    const auto doble = Lee_Proyecto_Json(p, R"({"H": 2.0, "B": 1.0, "H": 3.0})", "x.json");
    ASSERT_FALSE(doble);
    EXPECT_NE(doble.error().mensaje.find("el dato H aparece más de una vez"), std::string::npos);
    const auto roto = Lee_Proyecto_Json(p, R"({"H": 2.0,)", "x.json");
    ASSERT_FALSE(roto);
    EXPECT_NE(roto.error().mensaje.find("no es JSON válido"), std::string::npos);
    // Found by the fuzzer: a number too large for a double aborted the program.
    const auto enorme = Lee_Proyecto_Json(p, R"({"B": 1.0, "H": 1E400})", "x.json");
    ASSERT_FALSE(enorme);
    EXPECT_EQ(enorme.error().mensaje, "El fichero \"x.json\" no es un proyecto válido: contiene "
                                      "un número demasiado grande (1E400).");
    EXPECT_EQ(p.H, 0.0);
    EXPECT_EQ(p.B, 0.0);
}

} // namespace
} // namespace tubrix
