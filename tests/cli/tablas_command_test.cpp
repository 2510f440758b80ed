#include "calc_command.h"
#include "ejecuta_cli.h"
#include "format/formato.h"
#include "model/campos.h"
#include "model/proyecto_json.h"
#include "study_command.h"
#include "support/secciones.h"
#include "support/temp_dir.h"
#include "tablas/tabla_recubrimiento.h"
#include "tablas_command.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace tubrix::cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using Salida = test::SalidaCli;
using test::seccion;

Salida tablas(const TablasOptions& o) {
    return test::ejecutaCli(runTablas, o);
}

Salida limits(const fs::path& fichero) {
    return test::ejecutaCli(runLimits, fichero);
}

std::string metros(double valor) {
    return formatea(valor, "#,##0.00", Separadores::espanol()) + " m";
}

// Sampled cells of the JSON table against `tubrix-cli limits` of a project file holding the
// base with that cell's pipe and conditions.
TEST(CliTablas, EverySampledCellAgreesWithLimitsOfItsSection) {
    test::TempDir dir;
    TablasOptions o;
    o.base = seccion("pvc-sn8-zanja-trafico.json");
    o.grupo = 6;
    o.subclase = 603;
    o.suelos = {1, 4};
    o.traficos = {0, 1, 5};
    o.freaticos = {"no", "1.5"};
    o.salida = SalidaTablas::Json;
    const Salida s = tablas(o);
    ASSERT_EQ(s.estado, kExitValid) << s.err;
    const json tabla = json::parse(s.out);
    ASSERT_EQ(tabla["cases"].size(), 12u);
    ASSERT_EQ(tabla["pipes"].size(), 15u);

    const Proyecto base = test::cargaSeccion(o.base);
    int muestras = 0;
    for (std::size_t t = 0; t < tabla["pipes"].size(); t += 3) {
        const json& tubo = tabla["pipes"][t];
        for (std::size_t c = 0; c < tabla["cases"].size(); c += 5) {
            const json& caso = tabla["cases"][c];
            SCOPED_TRACE(std::to_string(tubo["DN"].get<int>()) + " " + caso.dump());
            json proyecto = aJson(base, camposPersistidos());
            proyecto["Codigo_Diametro"] = tubo["pipe"];
            proyecto["Grupo_Suelo_1"] = proyecto["Grupo_Suelo_2"] = caso["soil_group"];
            proyecto["Opcion_Suelo_3"] = 0;
            proyecto["Tipo_Vehiculo"] = caso["traffic"];
            proyecto["Nivel_Freatico"] = caso["groundwater_depth"].is_null() ? 0 : -1;
            proyecto["Hw"] =
                caso["groundwater_depth"].is_null() ? json(0) : caso["groundwater_depth"];
            const fs::path fichero = dir / ("celda" + std::to_string(muestras++) + ".json");
            std::ofstream(fichero) << proyecto.dump();
            const Salida l = limits(fichero);
            const json& celda = tubo["cells"][c];
            if (!celda["refusal"].is_null()) {
                EXPECT_EQ(l.estado, kExitInput);
                const std::string mensaje = celda["refusal"]["message"];
                EXPECT_NE(l.err.find(mensaje.substr(0, mensaje.find('\r'))), std::string::npos)
                    << l.err;
            } else if (celda["min"].is_null()) {
                EXPECT_EQ(l.estado, kExitNotValid);
                EXPECT_FALSE(celda["note"].get<std::string>().empty());
            } else {
                EXPECT_EQ(l.estado, kExitValid) << l.err;
                EXPECT_NE(l.out.find("mínima admisible: " + metros(celda["min"])),
                          std::string::npos)
                    << l.out;
                EXPECT_NE(l.out.find("máxima admisible: " + metros(celda["max"])),
                          std::string::npos)
                    << l.out;
            }
        }
    }
    EXPECT_GE(muestras, 10);
}

TEST(CliTablas, TextTableAndExitStatus) {
    TablasOptions o;
    o.base = seccion("pvc-sn8-zanja-trafico.json");
    o.grupo = 6;
    o.subclase = 603;
    o.traficos = {0, 5};
    const Salida s = tablas(o);
    ASSERT_EQ(s.estado, kExitValid) << s.err;
    EXPECT_NE(s.out.find("Tráfico: Sin tráfico"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("Tráfico: HT 60"), std::string::npos);
    EXPECT_NE(s.out.find("Serie de tubos: PVC-U (grupo 6), subclase 603"), std::string::npos);

    o.grupo = 2;
    const Salida astm = tablas(o);
    EXPECT_EQ(astm.estado, kExitInput);
    EXPECT_NE(astm.err.find("norma ASTM"), std::string::npos);

    o.grupo = 6;
    o.base = "no-existe.tbx";
    EXPECT_EQ(tablas(o).estado, kExitInput);

    // Every cell refused: the refusal, not an empty table.
    o.base = seccion("pvc-sn8-zanja-trafico.json");
    o.zanja = 0.1;
    const Salida rechazada = tablas(o);
    EXPECT_EQ(rechazada.estado, kExitInput);
    EXPECT_NE(rechazada.err.find("Anchura fondo de zanja insuficiente"), std::string::npos)
        << rechazada.err;
}

} // namespace
} // namespace tubrix::cli
