#include "project_input.h"

#include "model/fichero_proyecto.h"
#include "model/proyecto_json.h"
#include "util/ascii_case.h"
#include "util/paths.h"
#include "util/read_file.h"

namespace tubrix::cli {

bool isJsonFile(const std::filesystem::path& file) {
    return equalsIgnoringCase(utf8FromPath(file.extension()), ".json");
}

Resultado<Proyecto> loadProject(const std::filesystem::path& file) {
    Proyecto proyecto;
    Arranca_Programa(proyecto);
    Inicializa_Proyecto(proyecto);
    const std::string name = displayPath(file);
    if (!isJsonFile(file)) {
        if (auto opened = Abre_Proyecto(proyecto, file); !opened)
            return tl::unexpected(opened.error());
        proyecto.Fichero = name;
        return proyecto;
    }
    // A project holds 58 values: a file of megabytes is something else, and is not read whole.
    constexpr std::size_t kMaximoJson = 4 << 20;
    const auto text = readUserFile(file, name, kMaximoJson + 1);
    if (!text)
        return tl::unexpected(text.error());
    if (text->size() > kMaximoJson)
        return falla(CodigoError::FicheroNoValido,
                     "El fichero \"" + name +
                         "\" no es un proyecto válido: ocupa más de 4 MB y un proyecto en JSON "
                         "ocupa unos pocos kB.");
    if (auto read = Lee_Proyecto_Json(proyecto, *text, name); !read)
        return tl::unexpected(read.error());
    return proyecto;
}

} // namespace tubrix::cli
