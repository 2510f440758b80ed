#pragma once

#include <string_view>

namespace tubrix {

// The display pattern of a text box, written in the program and analysed by the compiler: the
// decimals it shows, whether it groups thousands and whether text surrounds the number. A box
// filled through it reads its number back by arithmetic, without looking at the pattern again.
// Only a constant can be one (a pattern typed or read at run time is a std::string_view).
class PatronCaja {
public:
    consteval PatronCaja(const char* texto) : PatronCaja(std::string_view(texto)) {}
    consteval PatronCaja(std::string_view texto) : PatronCaja(texto, Analisis{}) {}
    // A pattern known only at run time, analysed there.
    static constexpr PatronCaja analizado(std::string_view texto) {
        return PatronCaja(texto, Analisis{});
    }

    constexpr std::string_view texto() const { return m_texto; }
    // Decimal places shown at most.
    constexpr int decimales() const { return m_decimales; }
    // The pattern puts in thousands separators.
    constexpr bool agrupa() const { return m_agrupa; }
    // Digits and separators only, with few enough decimals to be read back by arithmetic.
    constexpr bool directo() const { return m_directo; }

    static constexpr int kDecimalesDirectos = 6;

private:
    struct Analisis {};
    constexpr PatronCaja(std::string_view texto, Analisis) : m_texto(texto) {
        bool trasPunto = false;
        bool literal = false;
        for (const char c : texto) {
            if (c == '.' && !trasPunto)
                trasPunto = true;
            else if (c == ',' && !trasPunto)
                m_agrupa = true;
            else if ((c == '0' || c == '#') && trasPunto)
                ++m_decimales;
            else if (c != '0' && c != '#')
                literal = true;
        }
        // Beyond six decimals the scaled value no longer fits the exact integer range the
        // arithmetic reading relies on.
        m_directo = !literal && m_decimales <= kDecimalesDirectos;
    }

    std::string_view m_texto;
    int m_decimales = 0;
    bool m_agrupa = false;
    bool m_directo = false;
};

} // namespace tubrix
