#include "format/ida_y_vuelta.h"

#include "format/lee_numero.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace tubrix {
namespace {

struct Recuerdo {
    PatronCaja patron = ""; // analysed, with the text it was analysed from
};

// The patterns are a handful of literals used over and over: their analysis is remembered by
// address, one slot per address bits (a different text at a remembered address, or another
// pattern in the same slot, is analysed afresh).
Recuerdo& ranuraDe(std::string_view patron) {
    thread_local std::array<Recuerdo, 256> memoria{};
    // Literals lie a few bytes apart: a multiplicative hash spreads them over the slots.
    const auto direccion = reinterpret_cast<std::uintptr_t>(patron.data());
    return memoria[((direccion * 0x9E3779B97F4A7C15ull) >> 56) % memoria.size()];
}

bool recordado(const Recuerdo& r, std::string_view patron) {
    return r.patron.texto().data() == patron.data() && r.patron.texto().size() == patron.size();
}

// A pattern not remembered yet: analysed once, then the box is read as any other. Out of line,
// like the exact reading, so that the common path calls nothing and stays light.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double
analizaYLee(double valor, std::string_view patron, const Separadores& separadores) {
    ranuraDe(patron).patron = PatronCaja::analizado(patron);
    return idaYVuelta(valor, patron, separadores);
}

} // namespace

namespace detail {

// Out of line, so that the arithmetic path sets up no string.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double
leeLoMostrado(double valor, std::string_view patron, const Separadores& separadores, bool agrupa) {
    std::string texto = formatea(valor, patron, separadores);
    return Lee_Numero(agrupa ? sinAgrupar(std::move(texto), separadores) : texto);
}

} // namespace detail

double idaYVuelta(double valor, std::string_view patron, const Separadores& separadores) {
    const Recuerdo& recuerdo = ranuraDe(patron);
    if (!recordado(recuerdo, patron))
        return analizaYLee(valor, patron, separadores);
    return idaYVuelta(valor, recuerdo.patron, separadores);
}

std::string sinAgrupar(std::string texto, const Separadores& separadores) {
    const std::string_view miles = separadores.miles;
    if (miles.empty() || separadores.miles == separadores.decimal)
        return texto;
    for (auto i = texto.find(miles); i != std::string::npos; i = texto.find(miles, i))
        texto.erase(i, miles.size());
    return texto;
}

std::string formateaGeneral(double valor, const Separadores& separadores) {
    if (!std::isfinite(valor))
        return {};
    if (valor == 0)
        return "0";
    char texto[40];
    const auto r =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::scientific, 14);
    const std::string_view s(texto, static_cast<std::size_t>(r.ptr - texto));
    const auto e = s.find('e');
    const int exponente = std::atoi(std::string(s.substr(e + 1)).c_str());
    const bool negativo = s.front() == '-';
    std::string digitos;
    for (const char c : s.substr(negativo ? 1 : 0, e - (negativo ? 1 : 0)))
        if (c != '.')
            digitos += c;
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();

    const std::string_view decimal = separadores.decimal;
    std::string out = negativo ? "-" : "";
    if (exponente >= 15 || exponente < -5) {
        out += digitos.substr(0, 1);
        if (digitos.size() > 1) {
            out += decimal;
            out += digitos.substr(1);
        }
        out += exponente < 0 ? "E-" : "E+";
        out += std::to_string(std::abs(exponente));
    } else if (exponente < 0) {
        out += '0';
        out += decimal;
        out.append(static_cast<std::size_t>(-exponente - 1), '0');
        out += digitos;
    } else {
        const auto enteros = static_cast<std::size_t>(exponente + 1);
        if (digitos.size() <= enteros) {
            out += digitos;
            out.append(enteros - digitos.size(), '0');
        } else {
            out += digitos.substr(0, enteros);
            out += decimal;
            out += digitos.substr(enteros);
        }
    }
    return out;
}

} // namespace tubrix
