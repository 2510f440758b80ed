// tubrix-cli: the calculation and the catalogue from the command line.
#include "catalogue/catalogo_sqlite.h"
#include "catalogue_command.h"
#include "util/paths.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

namespace {

constexpr int kExitUsage = 64;
constexpr int kExitInput = 2;

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Tubrix: comprobación estructural de tuberías enterradas (ATV A 127, UNE "
                 "88.211-90)."};
    app.require_subcommand(1);
    app.fallthrough();
    std::string cataloguePath;
    app.add_option("--catalogue", cataloguePath,
                   "Catálogo de tubos (por omisión DatosS.db junto al programa)");

    auto* catalogue =
        app.add_subcommand("catalogue", "Lista los grupos, subclases y tubos del catálogo");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return e.get_exit_code() == 0 ? code : kExitUsage;
    }

    const auto path = cataloguePath.empty() ? tubrix::rutaCatalogoPredeterminada()
                                            : tubrix::pathFromUtf8(cataloguePath);
    auto catalogo = tubrix::abreCatalogo(path);
    if (!catalogo) {
        std::cerr << catalogo.error().mensaje << '\n';
        return kExitInput;
    }
    if (*catalogue)
        tubrix::cli::printCatalogue(*catalogo, std::cout);
    return 0;
}
