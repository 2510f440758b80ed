#include "format/formato.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

namespace tubrix {
namespace {

struct Patron {
    std::string_view prefijo;
    std::string_view sufijo;
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
        p.prefijo = patron;
        return p;
    }
    std::size_t fin = inicio;
    while (fin < patron.size() && esSignoNumerico(patron[fin]))
        ++fin;
    p.prefijo = patron.substr(0, inicio);
    p.sufijo = patron.substr(fin);
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

constexpr std::array<double, 7> kPotencias = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};

// Digits of the magnitude rounded half away from zero to `decimales` places, without the
// point: the last `decimales` digits are the fraction; at least decimales + 1 digits.
//
// Rounding on the binary value agrees with rounding on its 15-digit decimal form except near
// a tie; below 1e8 units of the last place the two forms differ by less than 1e-6 of a unit.
bool digitosRapidos(double magnitud, int decimales, std::string& digitos) {
    if (decimales >= static_cast<int>(kPotencias.size()))
        return false;
    const double escalado = magnitud * kPotencias[static_cast<std::size_t>(decimales)];
    if (!(escalado < 1e8))
        return false;
    const double entero = std::floor(escalado);
    const double fraccion = escalado - entero;
    if (std::fabs(fraccion - 0.5) <= 1e-5)
        return false;
    const auto n = static_cast<std::uint64_t>(fraccion > 0.5 ? entero + 1 : entero);
    char texto[24];
    const auto r = std::to_chars(texto, texto + sizeof texto, n);
    const auto largo = static_cast<std::size_t>(r.ptr - texto);
    const auto minimo = static_cast<std::size_t>(decimales) + 1;
    digitos.assign(largo < minimo ? minimo - largo : 0, '0');
    digitos.append(texto, largo);
    return true;
}

// The same on the 15-significant-digit decimal form of the magnitude, for every other case.
void digitosExactos(double magnitud, int decimales, std::string& digitos) {
    char texto[40];
    const auto r =
        std::to_chars(texto, texto + sizeof texto, magnitud, std::chars_format::scientific, 14);
    const std::string_view s(texto, static_cast<std::size_t>(r.ptr - texto));
    const auto e = s.find('e');
    digitos.clear();
    for (const char c : s.substr(0, e))
        if (c != '.')
            digitos += c;
    int entero = std::atoi(std::string(s.substr(e + 1)).c_str()) + 1; // digits before the point
    // Place the digits on a grid where the point falls inside.
    if (entero < 1) {
        digitos.insert(0, static_cast<std::size_t>(1 - entero), '0');
        entero = 1;
    }
    const auto corte = static_cast<std::size_t>(entero + decimales);
    if (digitos.size() < corte)
        digitos.append(corte - digitos.size(), '0');
    const bool subir = digitos.size() > corte && digitos[corte] >= '5';
    digitos.resize(corte);
    if (subir) {
        auto i = static_cast<std::ptrdiff_t>(corte) - 1;
        while (i >= 0 && digitos[static_cast<std::size_t>(i)] == '9')
            digitos[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            digitos.insert(0, 1, '1');
        else
            ++digitos[static_cast<std::size_t>(i)];
    }
}

void anadeAgrupado(std::string& out, std::string_view entero, std::string_view separador) {
    const std::size_t n = entero.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separador;
        out += entero[i];
    }
}

} // namespace

std::string formatea(double valor, std::string_view patron, const Separadores& separadores) {
    if (!std::isfinite(valor))
        return {};
    const Patron p = analiza(patron);
    std::string digitos;
    digitos.reserve(24);
    if (!digitosRapidos(std::fabs(valor), p.decimalesMaximos, digitos))
        digitosExactos(std::fabs(valor), p.decimalesMaximos, digitos);

    const std::string_view todos(digitos);
    const std::size_t punto = todos.size() - static_cast<std::size_t>(p.decimalesMaximos);
    std::string_view entero = todos.substr(0, punto);
    std::string_view fraccion = todos.substr(punto);
    const bool esCero = todos.find_first_not_of('0') == std::string_view::npos;

    while (static_cast<int>(fraccion.size()) > p.decimalesMinimos && fraccion.back() == '0')
        fraccion.remove_suffix(1);
    const auto significativo = entero.find_first_not_of('0');
    entero =
        significativo == std::string_view::npos ? std::string_view() : entero.substr(significativo);
    const std::size_t ceros = static_cast<int>(entero.size()) < p.digitosEnteros
                                  ? static_cast<std::size_t>(p.digitosEnteros) - entero.size()
                                  : 0;

    std::string out;
    out.reserve(p.prefijo.size() + p.sufijo.size() + todos.size() + ceros + 8);
    if (valor < 0 && !esCero)
        out += '-';
    out += p.prefijo;
    if (p.agrupa) {
        std::string relleno(ceros, '0');
        relleno += entero;
        anadeAgrupado(out, relleno, separadores.miles);
    } else {
        out.append(ceros, '0');
        out += entero;
    }
    if (p.conPunto)
        out += separadores.decimal;
    out += fraccion;
    out += p.sufijo;
    return out;
}

Separadores Separadores::con(std::string decimal, std::string miles, bool etiquetas) {
    const bool decimalSimple = decimal == "," || decimal == ".";
    // The digits, the sign and the decimal separator are all a shown number holds besides its
    // thousands separators: a separator made of none of them comes out of the text whole.
    const bool milesSeparables =
        miles.find_first_of("0123456789-") == std::string::npos &&
        (!decimalSimple || miles.find(decimal.front()) == std::string::npos);
    Separadores s{std::move(decimal), std::move(miles), etiquetas};
    s.lecturaDirecta = decimalSimple && milesSeparables;
    return s;
}

} // namespace tubrix
