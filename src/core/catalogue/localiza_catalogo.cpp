#include "catalogue/localiza_catalogo.h"

#include "catalogue/catalogo_sqlite.h"
#include "util/paths.h"

#include <string>
#include <system_error>

namespace tubrix {

namespace fs = std::filesystem;

Resultado<fs::path> localizaCatalogo(const fs::path& carpetaPrograma) {
    const fs::path nombre = pathFromUtf8(kFicheroCatalogo);
    std::string lugares;
    for (const fs::path& carpeta : dataFolders(carpetaPrograma)) {
        const fs::path candidato = carpeta / nombre;
        std::error_code error;
        if (fs::is_regular_file(candidato, error))
            return candidato;
        lugares += "\n    " + utf8FromPath(candidato);
    }
    if (lugares.empty())
        return falla(CodigoError::CatalogoNoDisponible,
                     "No se encuentra el catálogo de tubos \"" + std::string(kFicheroCatalogo) +
                         "\": no se sabe en qué carpeta está el programa.");
    return falla(CodigoError::CatalogoNoDisponible, "No se encuentra el catálogo de tubos \"" +
                                                        std::string(kFicheroCatalogo) +
                                                        "\". Se ha buscado en:" + lugares);
}

Resultado<fs::path> localizaCatalogo() {
    return localizaCatalogo(executableDirectory());
}

} // namespace tubrix
