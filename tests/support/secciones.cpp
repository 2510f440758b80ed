#include "support/secciones.h"

#include "calc/verificacion.h"
#include "model/campos.h"
#include "model/proyecto_json.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace tubrix::test {

std::vector<std::filesystem::path> seccionesDeEjemplo() {
    std::vector<std::filesystem::path> ficheros;
    for (const auto& entrada : std::filesystem::directory_iterator(
             std::filesystem::path(TUBRIX_TEST_DATA_DIR) / "secciones"))
        if (entrada.path().extension() == ".json")
            ficheros.push_back(entrada.path());
    std::sort(ficheros.begin(), ficheros.end());
    return ficheros;
}

Proyecto cargaSeccion(const std::filesystem::path& fichero) {
    Proyecto p;
    Arranca_Programa(p);
    Inicializa_Proyecto(p, "12-08-2026");
    std::ifstream in(fichero);
    const auto objeto = nlohmann::json::parse(in);
    if (auto leido = desdeJson(p, objeto, fichero.string()); !leido)
        throw std::runtime_error(leido.error().mensaje);
    return p;
}

nlohmann::json resultadoJson(const Proyecto& p, const std::optional<Parada>& parada) {
    nlohmann::json objeto = aJson(p, todosLosCampos());
    objeto["verdict"] = parada ? nlohmann::json(nullptr)
                               : nlohmann::json(Tubo_Valido(p) ? "Tubo válido" : "Tubo NO válido");
    objeto["refusal"] = parada ? nlohmann::json{{"step", parada->paso},
                                                {"screen", nombrePantalla(parada->pantalla)},
                                                {"message", parada->mensaje}}
                               : nlohmann::json(nullptr);
    return objeto;
}

} // namespace tubrix::test
