#pragma once

#include "cabecera_informe.h"
#include "error.h"
#include "report/informe.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace tubrix {

enum class FormatoImagen { Bmp, Png };

std::string_view extensionImagen(FormatoImagen formato); // "bmp", "png"

// The report as page images Imp01.bmp, Imp02.bmp, … (or .png) in a folder; returns the files
// written. All pages or none: every page is drawn and saved in a temporary folder inside the
// target first, then moved into place; if any step fails, the folder is left as it was (the
// images of an earlier run included).
Resultado<std::vector<std::filesystem::path>>
escribeImagenes(const Informe& informe, const CabeceraInforme& cabecera,
                const std::filesystem::path& carpeta, FormatoImagen formato = FormatoImagen::Bmp);

} // namespace tubrix
