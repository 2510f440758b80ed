#include "project_input.h"

#include "model/fichero_proyecto.h"
#include "model/proyecto_json.h"
#include "util/paths.h"

#include <algorithm>
#include <fstream>

namespace tubrix::cli {

bool isJsonFile(const std::filesystem::path& file) {
    std::string extension = utf8FromPath(file.extension());
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".json";
}

Resultado<Proyecto> loadProject(const std::filesystem::path& file) {
    Proyecto proyecto;
    Arranca_Programa(proyecto);
    Inicializa_Proyecto(proyecto);
    const std::string name = utf8FromPath(file);
    if (!isJsonFile(file)) {
        if (auto opened = Abre_Proyecto(proyecto, file); !opened)
            return tl::unexpected(opened.error());
        proyecto.Fichero = name;
        return proyecto;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return falla(CodigoError::FicheroNoLegible,
                     "No se puede leer el fichero \"" + name + "\".");
    const nlohmann::json object = nlohmann::json::parse(in, nullptr, false);
    if (object.is_discarded())
        return falla(CodigoError::FicheroNoValido,
                     "El fichero \"" + name + "\" no es un proyecto válido: no es JSON válido.");
    if (auto read = desdeJson(proyecto, object, name); !read)
        return tl::unexpected(read.error());
    return proyecto;
}

} // namespace tubrix::cli
