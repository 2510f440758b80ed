#pragma once

#include "catalogue/catalogo.h"
#include "imagenes_informe.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace tubrix::cli {

struct ReportOptions {
    std::optional<std::filesystem::path> pdf;      // write the report as one PDF
    std::optional<std::filesystem::path> imagenes; // or as page images in this folder
    FormatoImagen formatoImagenes = FormatoImagen::Bmp;
    std::string titulo; // empty: the project's description, Texto_Proyecto
    std::string autor;
};

// tubrix-cli report: the forward pass, then the report (its five pages and the summary). Needs a Qt
// Gui application (the offscreen platform is enough). Returns the exit status.
int runReport(const std::filesystem::path& file, const ReportOptions& options,
              const Catalogo& catalogo, std::ostream& out, std::ostream& err);

} // namespace tubrix::cli
