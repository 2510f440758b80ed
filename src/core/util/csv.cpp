#include "util/csv.h"

#include <charconv>
#include <cmath>

namespace tubrix {

FormatoCsv FormatoCsv::paraDecimal(std::string_view decimal) {
    if (decimal == ",")
        return {';', ',', true};
    return {',', '.', true};
}

EscritorCsv::EscritorCsv(FormatoCsv formato) : m_formato(formato) {
    if (m_formato.marcaUtf8)
        m_csv = "\xEF\xBB\xBF";
}

void EscritorCsv::separa() {
    if (!m_inicioDeLinea)
        m_csv += m_formato.separador;
    m_inicioDeLinea = false;
}

EscritorCsv& EscritorCsv::texto(std::string_view valor) {
    separa();
    const bool comillas = valor.find_first_of("\"\r\n") != std::string_view::npos ||
                          valor.find(m_formato.separador) != std::string_view::npos;
    if (!comillas) {
        m_csv += valor;
        return *this;
    }
    m_csv += '"';
    for (const char c : valor) {
        if (c == '"')
            m_csv += '"';
        m_csv += c == '\r' ? ' ' : c;
    }
    m_csv += '"';
    return *this;
}

EscritorCsv& EscritorCsv::numero(double valor) {
    separa();
    if (!std::isfinite(valor))
        return *this;
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
    for (const char* c = buffer; c != r.ptr; ++c)
        m_csv += *c == '.' ? m_formato.decimal : *c;
    return *this;
}

EscritorCsv& EscritorCsv::entero(long long valor) {
    separa();
    m_csv += std::to_string(valor);
    return *this;
}

EscritorCsv& EscritorCsv::vacio() {
    separa();
    return *this;
}

void EscritorCsv::finDeLinea() {
    m_csv += '\n';
    m_inicioDeLinea = true;
}

} // namespace tubrix
