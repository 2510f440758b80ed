#pragma once

#include "format/formato.h"
#include "obra/calcula_obra.h"
#include "util/csv.h"

#include <string>
#include <vector>

namespace tubrix {

// The texts every front end shows for a calculated works (the window's result columns, the
// summary pages of the PDF, the command line), so that all of them read the same.

// Utilisation as a percentage ("87 %"); a calculated factor of zero or below, which no
// utilisation measures, reads "coef. ≤ 0".
std::string textoUtilizacion(double utilizacion, const Separadores& separadores);

// A catalogue pipe as the works names it: "PVC-U UNE-EN 1401 SN 4 (SDR 41), DN 400 (código
// 6208)", the group named first unless the class already begins with it.
std::string textoTubo(const TuboCandidato& tubo);

// The needed pipe of a reach: the pipe, "ninguno" when no pipe of its group and DN is enough,
// or empty when none was looked for.
std::string textoTuboNecesario(const ResultadoTramo& tramo);

// The columns of the summary table and one row per reach, for the governing calculation:
// name, cover (both ends for a profile reach), verdict, governing row (and end), utilisation,
// the six calculated safety factors, short- and long-term deflection, the needed pipe and, for
// a refused reach, where and why it stopped.
struct TablaObra {
    std::vector<std::string> cabecera;
    std::vector<std::vector<std::string>> filas;
};
enum class ColumnaObra : std::size_t {
    Tramo,
    Recubrimiento,
    Veredicto,
    Determinante,
    Utilizacion,
    PrimerCoeficiente, // six columns, rows 1 to 6 of the verification
    DeformacionCorto = PrimerCoeficiente + 6,
    DeformacionLargo,
    TuboNecesario,
    Observaciones,
    Numero
};
TablaObra Tabla_Obra(const std::vector<ResultadoTramo>& tramos, const Separadores& separadores);

// The summary in sentences: the counts, the reach with the highest utilisation and the pipes
// the not-valid reaches need.
std::vector<std::string> Lineas_Resumen_Obra(const ResultadoObra& resultado,
                                             const Separadores& separadores);

// Every calculation (one row per reach, or per end of a profile reach) as CSV with one header
// line, numbers exact.
std::string Csv_Resultados_Obra(const ResultadoObra& resultado,
                                FormatoCsv formato = FormatoCsv::maquina());

} // namespace tubrix
