#include "util/lector_csv.h"

#include "util/windows1252.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace tubrix {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool esUtf8(std::string_view texto) {
    std::size_t i = 0;
    while (i < texto.size()) {
        const auto c = static_cast<unsigned char>(texto[i]);
        int extra = 0;
        char32_t minimo = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            extra = 1, minimo = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, minimo = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, minimo = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= texto.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto s = static_cast<unsigned char>(texto[i + static_cast<std::size_t>(k)]);
            if ((s & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s & 0x3F);
        }
        if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// ";" in the header line (outside quotes) makes the file Spanish.
SeparadorCsv separadorDeLaCabecera(std::string_view texto) {
    bool comillas = false;
    bool coma = false;
    for (const char c : texto) {
        if (c == '"')
            comillas = !comillas;
        else if (!comillas && (c == '\n' || c == '\r'))
            break;
        else if (!comillas && c == ';')
            return SeparadorCsv::PuntoYComa;
        else if (!comillas && c == ',')
            coma = true;
    }
    return coma ? SeparadorCsv::Coma : SeparadorCsv::PuntoYComa;
}

Error errorCsv(std::string mensaje) {
    return Error{CodigoError::FicheroNoValido, std::move(mensaje)};
}

bool filaVacia(const std::vector<std::string>& celdas) {
    return celdas.size() == 1 && celdas.front().empty();
}

} // namespace

std::string describeDialecto(const DialectoCsv& d) {
    std::string texto =
        d.separador == SeparadorCsv::Coma ? "coma, punto decimal" : "punto y coma, coma decimal";
    switch (d.codificacion) {
    case CodificacionCsv::Utf8:
        return texto + ", UTF-8";
    case CodificacionCsv::Utf8ConBom:
        return texto + ", UTF-8 con BOM";
    case CodificacionCsv::Windows1252:
        return texto + ", Windows-1252";
    }
    return texto;
}

Resultado<TablaCsv> leeCsv(std::string_view bytes) {
    TablaCsv tabla;
    std::string convertido;
    std::string_view texto = bytes;
    if (texto.substr(0, kBom.size()) == kBom) {
        tabla.dialecto.codificacion = CodificacionCsv::Utf8ConBom;
        texto.remove_prefix(kBom.size());
    } else if (!esUtf8(texto)) {
        tabla.dialecto.codificacion = CodificacionCsv::Windows1252;
        convertido = windows1252ToUtf8(texto);
        texto = convertido;
    }
    tabla.dialecto.separador = separadorDeLaCabecera(texto);
    const char separador = tabla.dialecto.caracterSeparador();

    int linea = 1;
    FilaCsv fila{linea, {std::string()}};
    bool comillas = false;
    bool celdaEntrecomillada = false;
    int lineaComillas = 0;
    const auto terminaFila = [&] {
        if (!filaVacia(fila.celdas))
            tabla.filas.push_back(std::move(fila));
        fila = FilaCsv{linea, {std::string()}};
        celdaEntrecomillada = false;
    };
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        std::string& celda = fila.celdas.back();
        if (comillas) {
            if (c == '"' && i + 1 < texto.size() && texto[i + 1] == '"') {
                celda += '"';
                ++i;
            } else if (c == '"') {
                comillas = false;
            } else {
                if (c == '\n')
                    ++linea;
                celda += c;
            }
        } else if (c == '"' && celda.empty() && !celdaEntrecomillada) {
            comillas = true;
            celdaEntrecomillada = true;
            lineaComillas = linea;
        } else if (c == separador) {
            fila.celdas.emplace_back();
            celdaEntrecomillada = false;
        } else if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
            // CRLF: the line feed ends the row.
        } else if (c == '\n' || c == '\r') {
            ++linea;
            terminaFila();
        } else if (celdaEntrecomillada) {
            return tl::unexpected(errorCsv("Línea " + std::to_string(linea) + ", columna " +
                                           std::to_string(fila.celdas.size()) +
                                           ": hay texto después de las comillas que cierran "
                                           "la celda."));
        } else {
            celda += c;
        }
    }
    if (comillas)
        return tl::unexpected(errorCsv("Línea " + std::to_string(lineaComillas) +
                                       ": faltan las comillas que cierran la celda."));
    terminaFila();

    if (tabla.filas.empty())
        return tl::unexpected(errorCsv("El fichero está vacío: falta la fila de cabecera."));
    const std::size_t columnas = tabla.filas.front().celdas.size();
    for (const FilaCsv& f : tabla.filas)
        if (f.celdas.size() != columnas)
            return tl::unexpected(errorCsv(
                "Línea " + std::to_string(f.linea) + ": tiene " + std::to_string(f.celdas.size()) +
                " celdas y la cabecera " + std::to_string(columnas) + "."));
    return tabla;
}

std::optional<double> leeNumeroCsv(std::string_view texto, char separadorDecimal) {
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == '\t'))
        texto.remove_prefix(1);
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\t'))
        texto.remove_suffix(1);
    std::string normal(texto);
    if (separadorDecimal != '.') {
        if (normal.find('.') != std::string::npos)
            return std::nullopt;
        if (const auto coma = normal.find(separadorDecimal); coma != std::string::npos)
            normal[coma] = '.';
    }
    if (!normal.empty() && normal.front() == '+')
        normal.erase(0, 1);
    if (normal.empty() || normal.front() == '+')
        return std::nullopt;
    double valor = 0;
    const auto r = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    if (r.ec != std::errc() || r.ptr != normal.data() + normal.size() || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

} // namespace tubrix
