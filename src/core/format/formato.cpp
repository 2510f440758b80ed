#include "format/formato.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tubrix {
namespace {

struct Patron {
    std::string prefijo;
    std::string sufijo;
    int digitosEnteros = 0;   // '0' signs before the point: minimum integer digits
    int decimalesMinimos = 0; // '0' signs after the point
    int decimalesMaximos = 0; // '0' and '#' signs after the point
    bool conPunto = false;
    bool agrupa = false;
};

bool esSignoNumerico(char c) {
    return c == '0' || c == '#' || c == '.' || c == ',';
}

Patron analiza(std::string_view patron) {
    Patron p;
    const auto inicio = patron.find_first_of("0#.,");
    if (inicio == std::string_view::npos) {
        p.prefijo = std::string(patron);
        return p;
    }
    std::size_t fin = inicio;
    while (fin < patron.size() && esSignoNumerico(patron[fin]))
        ++fin;
    p.prefijo = std::string(patron.substr(0, inicio));
    p.sufijo = std::string(patron.substr(fin));
    bool trasPunto = false;
    for (std::size_t i = inicio; i < fin; ++i) {
        const char c = patron[i];
        if (c == '.' && !trasPunto) {
            trasPunto = true;
            p.conPunto = true;
        } else if (c == ',' && !trasPunto) {
            p.agrupa = true;
        } else if (c == '0') {
            trasPunto ? (++p.decimalesMinimos, ++p.decimalesMaximos) : ++p.digitosEnteros;
        } else if (c == '#' && trasPunto) {
            ++p.decimalesMaximos;
        }
    }
    return p;
}

// The magnitude as decimal digits with the point after `entero` of them.
struct Decimal {
    std::string digitos; // no sign, no point
    int entero = 0;      // number of digits before the point (may be <= 0 or > size)
};

Decimal decimalDe(double magnitud) {
    char texto[40];
    const auto r =
        std::to_chars(texto, texto + sizeof texto, magnitud, std::chars_format::scientific, 14);
    const std::string_view s(texto, static_cast<std::size_t>(r.ptr - texto));
    const auto e = s.find('e');
    Decimal d;
    for (const char c : s.substr(0, e))
        if (c != '.')
            d.digitos += c;
    d.entero = std::atoi(std::string(s.substr(e + 1)).c_str()) + 1;
    return d;
}

// Integer and fraction digit strings of the magnitude rounded to `decimales` places.
std::pair<std::string, std::string> redondea(double magnitud, int decimales) {
    Decimal d = decimalDe(magnitud);
    // Place the digits on a fixed grid: pad on the left so the point falls inside.
    if (d.entero < 1) {
        d.digitos.insert(0, static_cast<std::size_t>(1 - d.entero), '0');
        d.entero = 1;
    }
    const std::size_t corte = static_cast<std::size_t>(d.entero + decimales);
    if (d.digitos.size() < corte)
        d.digitos.append(corte - d.digitos.size(), '0');
    const bool subir = d.digitos.size() > corte && d.digitos[corte] >= '5';
    d.digitos.resize(corte);
    if (subir) {
        int i = static_cast<int>(corte) - 1;
        while (i >= 0 && d.digitos[static_cast<std::size_t>(i)] == '9')
            d.digitos[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            d.digitos.insert(0, 1, '1');
            ++d.entero;
        } else {
            ++d.digitos[static_cast<std::size_t>(i)];
        }
    }
    return {d.digitos.substr(0, static_cast<std::size_t>(d.entero)),
            d.digitos.substr(static_cast<std::size_t>(d.entero))};
}

std::string agrupa(const std::string& entero, const std::string& separador) {
    std::string out;
    const std::size_t n = entero.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separador;
        out += entero[i];
    }
    return out;
}

} // namespace

std::string formatea(double valor, std::string_view patron, const Separadores& separadores) {
    if (!std::isfinite(valor))
        return {};
    const Patron p = analiza(patron);
    auto [entero, fraccion] = redondea(std::fabs(valor), p.decimalesMaximos);

    const bool esCero = entero.find_first_not_of('0') == std::string::npos &&
                        fraccion.find_first_not_of('0') == std::string::npos;

    while (static_cast<int>(fraccion.size()) > p.decimalesMinimos && fraccion.back() == '0')
        fraccion.pop_back();
    const auto significativo = entero.find_first_not_of('0');
    entero = significativo == std::string::npos ? std::string() : entero.substr(significativo);
    if (static_cast<int>(entero.size()) < p.digitosEnteros)
        entero.insert(0, static_cast<std::size_t>(p.digitosEnteros) - entero.size(), '0');
    if (p.agrupa)
        entero = agrupa(entero, separadores.miles);

    std::string out;
    if (valor < 0 && !esCero)
        out += '-';
    out += p.prefijo;
    out += entero;
    if (p.conPunto)
        out += separadores.decimal;
    out += fraccion;
    out += p.sufijo;
    return out;
}

} // namespace tubrix
