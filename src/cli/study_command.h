#pragma once

#include "catalogue/catalogo.h"
#include "chain/estudio.h"
#include "chain/seleccion.h"

#include <filesystem>
#include <ostream>

namespace tubrix::cli {

enum class Formato { Tabla, Json, Csv };

// tubrix-cli select: every catalogue pipe tried in the section.
int runSelect(const std::filesystem::path& file, const FiltroSeleccion& filtro, Formato formato,
              const Catalogo& catalogo, std::ostream& out, std::ostream& err);

// tubrix-cli sweep: one input swept across a range.
int runSweep(const std::filesystem::path& file, Parametro parametro, double desde, double hasta,
             int pasos, Formato formato, const Catalogo& catalogo, std::ostream& out,
             std::ostream& err);

// tubrix-cli limits: the admissible range of cover height.
int runLimits(const std::filesystem::path& file, const Catalogo& catalogo, std::ostream& out,
              std::ostream& err);

} // namespace tubrix::cli
