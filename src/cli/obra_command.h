#pragma once

#include "catalogue/catalogo.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace tubrix::cli {

enum class SalidaObra { Tabla, Csv, Json };

struct ObraOptions {
    std::filesystem::path fichero;             // works (.tbo), or reaches (.csv) with `base`
    std::optional<std::filesystem::path> base; // the base section (.tbx or .json) of a CSV
    SalidaObra salida = SalidaObra::Tabla;
    std::optional<std::filesystem::path> pdf; // the summary as PDF
    bool informes = false;                    // followed by each reach's full report
    std::string titulo;
    std::string autor;
};

// tubrix-cli obra: every reach of a works through the forward pass. Exit status 0 when every
// reach is valid, 1 when some reach is not valid, 2 when the input is unreadable or a reach is
// refused (each refusal listed on `err`). The PDF needs a Qt Gui application.
// Declares the subcommand and its options, filled into `options` when parsed.
CLI::App* addObraCommand(CLI::App& app, ObraOptions& options);

int runObra(const ObraOptions& options, const Catalogo& catalogo, std::ostream& out,
            std::ostream& err);

} // namespace tubrix::cli
