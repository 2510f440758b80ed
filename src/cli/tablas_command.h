#pragma once

#include "catalogue/catalogo.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tubrix::cli {

enum class SalidaTablas { Tabla, Csv, Json };

struct TablasOptions {
    std::filesystem::path base; // the base section (.tbx or .json)
    int grupo = 0;
    std::optional<int> subclase;
    std::vector<int> suelos;            // soil groups of zones 1 and 2
    std::vector<int> traficos;          // 0 no traffic .. 5 HT 60
    std::vector<std::string> freaticos; // "no" or a depth in m
    std::optional<double> zanja;        // B = D + this margin, m
    bool terraplen = false;
    SalidaTablas salida = SalidaTablas::Tabla;
    std::optional<std::filesystem::path> pdf;
    std::string titulo;
    std::string autor;
    unsigned hilos = 0; // 0: every core
};

// tubrix-cli tablas: the least and greatest admissible cover of every pipe of a series under
// each combination of the conditions. Exit status 0 when the table is made, 2 when the input
// is unreadable, the series is refused or every cell is refused by a screen, 64 on wrong usage.
// The PDF needs a Qt Gui application.
CLI::App* addTablasCommand(CLI::App& app, TablasOptions& options);

int runTablas(const TablasOptions& options, const Catalogo& catalogo, std::ostream& out,
              std::ostream& err);

} // namespace tubrix::cli
