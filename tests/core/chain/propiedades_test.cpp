// Property of the whole forward pass, over many records no engineer would type: every one is
// either refused with a message or calculated to finite numbers from inputs a real section can
// have. The records are the example sections with one to three fields set to extreme values,
// through the JSON reader (which refuses unknown codes) or straight into the record.
#include "calc/verificacion.h"
#include "chain/calcula_seccion.h"
#include "input/datos_apoyo.h"
#include "model/campos.h"
#include "model/proyecto_json.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <type_traits>

namespace tubrix {
namespace {

constexpr std::array<double, 22> kExtremos = {
    0,    -0.0, -1,   -1e-300, 1e-300, 1e300, -1e300, 1e6,  2500, 0.49, 20.01,
    89.9, 90,   90.5, 180,     1e-6,   -90,   0.5,    1000, -20,  1e-3, 45};
constexpr std::array<std::int16_t, 12> kCodigos = {-32768, -1, 0, 1, 2, 3, 4, 5, 6, 7, 99, 32767};

bool entre(double x, double a, double b) {
    return x >= a && x <= b;
}

// The input that no real section can have, if the record calculated holds one; written from the
// physics, not from the screens' code.
const char* entradaImposible(const Proyecto& p) {
    const double d = p.Diametro_Exterior / 1000;
    if (p.Tipo_Instalacion == 1) {
        if (!entre(p.H, 0.5, 20))
            return "H";
        if (p.Subtipo_Instalacion != 3 && (!entre(p.Beta, 10, 90) || !(p.B > d)))
            return "B o Beta";
    } else if (p.Tipo_Instalacion == 2) {
        if (!entre(p.H1, 0.5, 20) || !entre(p.H2, 0.5, 20))
            return "H1 o H2";
        if (!entre(p.Beta, 10, 90) || !(p.B >= d))
            return "B o Beta";
    } else {
        return "Tipo_Instalacion";
    }
    if (p.Nivel_Freatico != 0 ? !entre(p.Hw, 0, 20) : p.Hw != 0)
        return "Hw";
    if (Es_Apoyo_Hormigon(p.Norma, p.Tipo_Apoyo) && !(p.J >= 0))
        return "J";
    if (!(p.Gamma_1 > 0) || !(p.Gamma_2 > 0))
        return "Gamma";
    if (!entre(p.Ro, 0, 90) || !entre(p.Ro_Prima, 0, 90))
        return "Ro";
    if (!(p.K1 >= 0) || !(p.K2 >= 0))
        return "K";
    for (const double e : {p.E1, p.E2, p.E3, p.E4})
        if (!(e > 0))
            return "E";
    if (p.Norma == 1)
        for (const double x : {p.Espesor_Capa_Superior, p.Espesor_Capa_Inferior,
                               p.Modulo_Capa_Superior, p.Modulo_Capa_Inferior})
            if (!(x >= 0))
                return "capas del firme";
    if (!(p.P0 >= 0))
        return "P0";
    return nullptr;
}

// Sets a persisted field to an extreme value, through the JSON reader or straight in.
bool muta(Proyecto& p, std::mt19937& azar, std::string& refusal) {
    const auto campos = camposPersistidos();
    const Campo& campo = campos[azar() % campos.size()];
    const bool porFichero = azar() % 4 != 0;
    return std::visit(
        [&](auto miembro) {
            using T = std::decay_t<decltype(p.*miembro)>;
            if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::int16_t>) {
                T valor{};
                if constexpr (std::is_same_v<T, double>)
                    valor = azar() % 3 == 0 ? p.*miembro * kExtremos[azar() % 4]
                                            : kExtremos[azar() % kExtremos.size()];
                else
                    valor = kCodigos[azar() % kCodigos.size()];
                if (!porFichero) {
                    p.*miembro = valor;
                    return true;
                }
                const nlohmann::json objeto = {{std::string(campo.nombre), valor}};
                if (auto leido = desdeJson(p, objeto, "mutación"); !leido) {
                    refusal = leido.error().mensaje;
                    return false;
                }
            }
            return true;
        },
        campo.miembro);
}

TEST(PropiedadesDelCalculo, ExtremeRecordsAreRefusedOrFiniteAndPossible) {
    std::vector<Proyecto> bases;
    for (const auto& fichero : test::seccionesDeEjemplo())
        bases.push_back(test::cargaSeccion(fichero));
    ASSERT_FALSE(bases.empty());
    const Catalogo& catalogo = test::catalogoDelPrograma();

    std::mt19937 azar(20260812);
    int refusals = 0, completos = 0, validos = 0;
    for (int i = 0; i < 20000; ++i) {
        Proyecto p = bases[azar() % bases.size()];
        std::string lectura;
        bool leido = true;
        for (unsigned n = 1 + azar() % 3; n > 0 && leido; --n)
            leido = muta(p, azar, lectura);
        if (!leido) {
            ASSERT_FALSE(lectura.empty()) << "a file reader refused without a message";
            ++refusals;
            continue;
        }
        const std::optional<Parada> parada = Calcula_Seccion(p, catalogo);
        if (parada) {
            ASSERT_FALSE(parada->mensaje.empty()) << "step " << parada->paso;
            ++refusals;
            continue;
        }
        ++completos;
        // Every number of the record, results included, is finite.
        const Campo* noFinito = primerCampoNoFinito(p);
        ASSERT_EQ(noFinito, nullptr) << "record " << i << ": " << noFinito->nombre;
        const char* imposible = entradaImposible(p);
        ASSERT_EQ(imposible, nullptr) << "record " << i << " calculated with " << imposible;
        validos += Tubo_Valido(p) ? 1 : 0;
    }
    RecordProperty("rechazos", refusals);
    RecordProperty("calculados", completos);
    RecordProperty("validos", validos);
    // The mutations reach both outcomes in numbers, or the test proves little.
    EXPECT_GT(refusals, 2000);
    EXPECT_GT(completos, 2000);
    EXPECT_GT(validos, 500);
}

} // namespace
} // namespace tubrix
