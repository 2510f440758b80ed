#include "calc_command.h"

#include "calc/verificacion.h"
#include "chain/calcula_seccion.h"
#include "model/fichero_proyecto.h"
#include "model/proyecto_json.h"
#include "project_input.h"
#include "summary.h"
#include "util/atomic_file.h"
#include "util/paths.h"

#include <algorithm>

namespace tubrix::cli {

void printRefusal(const Parada& parada, std::ostream& err) {
    // Message boxes break lines with carriage returns; a console wants line feeds.
    std::string mensaje = parada.mensaje;
    std::replace(mensaje.begin(), mensaje.end(), '\r', '\n');
    err << "Cálculo detenido en el paso " << parada.paso << " (" << nombrePantalla(parada.pantalla)
        << "): " << mensaje << '\n';
}

std::string enUnaLinea(std::string texto) {
    std::replace(texto.begin(), texto.end(), '\r', ' ');
    std::replace(texto.begin(), texto.end(), '\n', ' ');
    return texto;
}

int runCalc(const std::filesystem::path& file, bool asJson, const Catalogo& catalogo,
            std::ostream& out, std::ostream& err) {
    auto loaded = loadProject(file);
    if (!loaded) {
        err << loaded.error().mensaje << '\n';
        return kExitInput;
    }
    Proyecto& proyecto = *loaded;
    const std::optional<Parada> parada = Calcula_Seccion(proyecto, catalogo);
    const bool valido = !parada && Tubo_Valido(proyecto);

    if (asJson) {
        nlohmann::json object = aJson(proyecto, todosLosCampos());
        object["verdict"] = parada ? nlohmann::json(nullptr)
                                   : nlohmann::json(valido ? "Tubo válido" : "Tubo NO válido");
        object["refusal"] = parada ? nlohmann::json{{"step", parada->paso},
                                                    {"screen", nombrePantalla(parada->pantalla)},
                                                    {"message", parada->mensaje}}
                                   : nlohmann::json(nullptr);
        out << object.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else if (!parada) {
        printSummary(proyecto, catalogo, out);
    }
    if (parada) {
        printRefusal(*parada, err);
        return kExitInput;
    }
    return valido ? kExitValid : kExitNotValid;
}

int runConvert(const std::filesystem::path& in, const std::filesystem::path& out,
               std::ostream& err) {
    if (isJsonFile(in) == isJsonFile(out)) {
        err << "convert pasa de .json a .tbx o de .tbx a .json.\n";
        return kExitUsage;
    }
    auto loaded = loadProject(in);
    if (!loaded) {
        err << loaded.error().mensaje << '\n';
        return kExitInput;
    }
    if (isJsonFile(out)) {
        const auto written =
            writeFileAtomically(out, aJson(*loaded, camposPersistidos()).dump(2) + "\n");
        if (!written) {
            err << "No se ha podido escribir \"" << displayPath(out) << "\": " << written.error()
                << ".\n";
            return kExitInput;
        }
        return 0;
    }
    if (const auto saved = Guarda_Proyecto(*loaded, out); !saved) {
        err << saved.error().mensaje << '\n';
        return kExitInput;
    }
    for (const std::string& aviso : Textos_Cambiados_Al_Guardar(*loaded))
        err << "Aviso: " << aviso << '\n';
    return 0;
}

} // namespace tubrix::cli
