#include "format/lee_numero.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tubrix {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text with its first comma turned into a point and every blank removed.
std::string normalise(std::string_view texto) {
    std::string out;
    out.reserve(texto.size());
    bool commaSeen = false;
    for (const char c : texto) {
        if (c == ',' && !commaSeen) {
            commaSeen = true;
            out += '.';
        } else if (!isBlank(c)) {
            out += c;
        }
    }
    return out;
}

int digitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double readRadixInteger(std::string_view digits, int radix) {
    double value = 0;
    for (const char c : digits) {
        const int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

// A number beyond the range of a double: zero when it is tiny, the largest finite value of its
// sign when it is huge. `number` is sign, digits, optional point and digits, optional "e" part.
double outOfRange(std::string_view number) {
    const bool negative = number.front() == '-';
    const auto e = number.find('e');
    const std::string_view mantissa =
        number.substr(negative ? 1 : 0, e == std::string_view::npos ? std::string_view::npos
                                                                    : e - (negative ? 1 : 0));
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const auto text = number.substr(e + 1);
        const bool minus = !text.empty() && text.front() == '-';
        for (const char c : text)
            if (isDigit(c) && exponent < 100000)
                exponent = exponent * 10 + (c - '0');
        if (minus)
            exponent = -exponent;
    }
    // Decimal order of the first significant digit.
    const auto point = mantissa.find('.');
    const auto integerPart = mantissa.substr(0, point);
    const auto firstSignificant = integerPart.find_first_not_of('0');
    long long order = 0;
    if (firstSignificant != std::string_view::npos) {
        order = static_cast<long long>(integerPart.size() - firstSignificant);
    } else if (point != std::string_view::npos) {
        const auto fraction = mantissa.substr(point + 1);
        const auto nonzero = fraction.find_first_not_of('0');
        order = nonzero == std::string_view::npos ? -1000000 : -static_cast<long long>(nonzero);
    }
    if (order + exponent < 0)
        return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
}

double clampToFinite(double value) {
    constexpr double kMax = std::numeric_limits<double>::max();
    return value > kMax ? kMax : (value < -kMax ? -kMax : value);
}

} // namespace

namespace {

// Exact powers of ten: a mantissa of up to 15 digits times or over one of them is one correctly
// rounded operation.
constexpr std::array<double, 23> kPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The digits of a decimal read so far, up to 15 significant ones held exactly.
struct Mantissa {
    std::uint64_t value = 0;
    int significant = 0;
    int scale = 0; // decimal exponent to apply to the value
    bool digits = false;
    bool point = false;

    // Takes one digit; false when the number needs more than 15 significant digits.
    bool addDigit(char c) {
        digits = true;
        if (value != 0 || c != '0') {
            if (++significant > 15)
                return false;
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (point)
            --scale;
        return true;
    }

    // The nearest double: both operands are exact, so one correctly rounded operation gives it.
    // Nothing when the scale lies beyond the exact powers of ten.
    std::optional<double> toDouble(bool negative) const {
        if (scale < -22 || scale > 22)
            return std::nullopt;
        const double m = static_cast<double>(value);
        const double result = scale < 0 ? m / kPowers[static_cast<std::size_t>(-scale)]
                                        : m * kPowers[static_cast<std::size_t>(scale)];
        return negative ? -result : result;
    }
};

// The common case without building any text: a short decimal number. Returns nothing when the
// text needs the general reader (hexadecimal or octal, long mantissas, large exponents).
std::optional<double> fastRead(std::string_view texto) {
    std::size_t i = 0;
    bool commaSeen = false;
    // Next character after blanks, with the first comma read as a point; '\0' at the end.
    auto next = [&]() -> char {
        while (i < texto.size() && isBlank(texto[i]))
            ++i;
        if (i >= texto.size())
            return '\0';
        const char c = texto[i];
        if (c == ',' && !commaSeen) {
            commaSeen = true;
            return '.';
        }
        return c;
    };
    char c = next();
    if (c == '&')
        return std::nullopt;
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        ++i;
        c = next();
    }
    Mantissa m;
    for (;; ++i, c = next()) {
        if (isDigit(c)) {
            if (!m.addDigit(c))
                return std::nullopt;
        } else if (c == '.' && !m.point) {
            m.point = true;
        } else {
            break;
        }
    }
    if (!m.digits)
        return 0.0;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        const std::size_t atExponent = i;
        const bool commaBefore = commaSeen;
        ++i;
        char e = next();
        bool minus = false;
        if (e == '+' || e == '-') {
            minus = e == '-';
            ++i;
            e = next();
        }
        int exponent = 0;
        bool exponentDigits = false;
        for (; isDigit(e); ++i, e = next()) {
            exponentDigits = true;
            if (exponent > 1000)
                return std::nullopt;
            exponent = exponent * 10 + (e - '0');
        }
        if (exponentDigits)
            m.scale += minus ? -exponent : exponent;
        else {
            i = atExponent;
            commaSeen = commaBefore;
        }
    }
    return m.toDouble(negative);
}

// The most common text of all, a plain decimal such as "1,50" or " 90": blanks, sign, digits, one
// decimal separator (the first comma or a point), ended by the text or by a character that
// cannot continue a number. A blank inside, an exponent or "&" goes on to `fastRead`.
std::optional<double> plainRead(std::string_view texto) {
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (i < n && isBlank(texto[i])) // list entries are padded on the left (" 90 grados")
        ++i;
    bool negative = false;
    if (i < n && (texto[i] == '+' || texto[i] == '-')) {
        negative = texto[i] == '-';
        ++i;
    }
    Mantissa m;
    for (; i < n; ++i) {
        const char c = texto[i];
        if (isDigit(c)) {
            if (!m.addDigit(c))
                return std::nullopt;
        } else if ((c == '.' || c == ',') && !m.point) {
            m.point = true;
        } else if (isBlank(c) || c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == '&') {
            return std::nullopt;
        } else {
            break;
        }
    }
    if (!m.digits)
        return 0.0;
    return m.toDouble(negative);
}

} // namespace

double Lee_Numero(std::string_view texto) {
    if (const std::optional<double> sencillo = plainRead(texto))
        return *sencillo;
    if (const std::optional<double> rapido = fastRead(texto))
        return *rapido;
    return detail::leeNumeroGeneral(texto);
}

bool Contiene_Numero(std::string_view texto) {
    const std::string s = normalise(texto);
    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == '&') {
        const char prefix = s[1];
        const int radix = (prefix == 'H' || prefix == 'h')   ? 16
                          : (prefix == 'O' || prefix == 'o') ? 8
                                                             : 0;
        return radix != 0 && s.size() > 2 && digitValue(s[2]) < radix;
    }
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    if (i < s.size() && isDigit(s[i]))
        return true;
    // A number may start at its decimal point: ",5" is 0,5.
    return i + 1 < s.size() && s[i] == '.' && isDigit(s[i + 1]);
}

double detail::leeNumeroGeneral(std::string_view texto) {
    const std::string s = normalise(texto);

    if (s.size() >= 2 && s[0] == '&') {
        const char prefix = s[1];
        if (prefix == 'H' || prefix == 'h')
            return clampToFinite(readRadixInteger(std::string_view(s).substr(2), 16));
        if (prefix == 'O' || prefix == 'o')
            return clampToFinite(readRadixInteger(std::string_view(s).substr(2), 8));
        return 0;
    }

    // Collect the longest prefix that forms a number: sign, digits, one point, exponent.
    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            number += '-';
        ++i;
    }
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        number += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            number += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        bool exponentDigits = false;
        while (j < s.size() && isDigit(s[j])) {
            exponent += s[j++];
            exponentDigits = true;
        }
        if (exponentDigits)
            number += exponent;
    }

    double value = 0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range)
        return outOfRange(number);
    (void)end;
    return value;
}

namespace {

struct NumeroRecordado {
    const char* texto = nullptr;
    std::size_t largo = 0;
    double valor = 0;
};

// One slot per address bits: literals lie a few bytes apart, a multiplicative hash spreads them.
NumeroRecordado& ranuraDe(std::string_view texto) {
    thread_local std::array<NumeroRecordado, 256> memoria{};
    const auto direccion = reinterpret_cast<std::uintptr_t>(texto.data());
    return memoria[((direccion * 0x9E3779B97F4A7C15ull) >> 56) % memoria.size()];
}

// A text not remembered yet, read and remembered. Out of line, so that the common path calls
// nothing.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double
leeYRecuerda(std::string_view texto) {
    NumeroRecordado& r = ranuraDe(texto);
    r = {texto.data(), texto.size(), Lee_Numero(texto)};
    return r.valor;
}

} // namespace

double Lee_Numero_Constante(std::string_view texto) {
    const NumeroRecordado& r = ranuraDe(texto);
    if (r.texto != texto.data() || r.largo != texto.size() || !r.texto)
        return leeYRecuerda(texto);
    return r.valor;
}

} // namespace tubrix
