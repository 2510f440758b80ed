#pragma once

#include <string>
#include <string_view>

namespace tubrix {

// How a CSV file is written. With a decimal comma the fields are separated by ";", so that a
// spreadsheet set to Spanish reads every number as a number. Desktop exports start with a UTF-8
// byte order mark, which spreadsheets on Windows need to read "ó" or "Ø"; the command line
// writes none.
struct FormatoCsv {
    char separador = ',';
    char decimal = '.';
    bool marcaUtf8 = false;

    // The command line's CSV: comma-separated, decimal point, no mark.
    static FormatoCsv maquina() { return {}; }
    // A desktop export for the decimal separator of the user's settings ("," or ".").
    static FormatoCsv paraDecimal(std::string_view decimal);
};

// Builds a CSV text field by field and line by line, quoting texts that need it.
class EscritorCsv {
public:
    explicit EscritorCsv(FormatoCsv formato);

    EscritorCsv& texto(std::string_view valor);
    // The shortest text that reads back exactly; an empty field when the value does not exist.
    EscritorCsv& numero(double valor);
    EscritorCsv& entero(long long valor);
    EscritorCsv& vacio();
    void finDeLinea();

    const std::string& resultado() const { return m_csv; }

private:
    void separa();

    FormatoCsv m_formato;
    std::string m_csv;
    bool m_inicioDeLinea = true;
};

} // namespace tubrix
