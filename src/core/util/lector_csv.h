#pragma once

#include "error.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// The two ways spreadsheets write CSV: a Spanish one (";" between cells, decimal comma) and an
// English one ("," between cells, decimal point).
enum class SeparadorCsv { PuntoYComa, Coma };
enum class CodificacionCsv { Utf8, Utf8ConBom, Windows1252 };

struct DialectoCsv {
    SeparadorCsv separador = SeparadorCsv::PuntoYComa;
    CodificacionCsv codificacion = CodificacionCsv::Utf8;

    char caracterSeparador() const { return separador == SeparadorCsv::Coma ? ',' : ';'; }
    char separadorDecimal() const { return separador == SeparadorCsv::Coma ? '.' : ','; }
};

// "punto y coma, coma decimal, UTF-8 con BOM", as the program tells the user what it read.
std::string describeDialecto(const DialectoCsv& dialecto);

struct FilaCsv {
    int linea = 0; // line of the file where the row starts, from 1
    std::vector<std::string> celdas;
};

// A CSV file as rows of UTF-8 cells; the first row is the header. Empty lines are skipped.
struct TablaCsv {
    DialectoCsv dialecto;
    std::vector<FilaCsv> filas;
};

// Reads CSV as RFC 4180 describes it (quoted cells may hold separators, quotes doubled and line
// breaks; lines end in CRLF or LF) after detecting its dialect: a UTF-8 byte order mark, else
// valid UTF-8, else Windows-1252; ";" when the first line holds one outside quotes, else ",".
// An unclosed quote or a row whose number of cells differs from the header's is an error
// naming the line.
Resultado<TablaCsv> leeCsv(std::string_view bytes);

// A number written in the dialect's decimal separator, with an optional sign and exponent and
// blanks around it; nothing else (no thousands grouping, no other separator).
std::optional<double> leeNumeroCsv(std::string_view texto, char separadorDecimal);

} // namespace tubrix
