#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tubrix {

// The text of one separator of the regional settings: ",", "." or a space of a few bytes of
// UTF-8, held in place. Every screen keeps the separators it shows numbers with, so copying
// them must cost no more than copying a number. No regional setting has a separator longer
// than four bytes; a longer text keeps its first kCapacidad bytes.
class Separador {
public:
    static constexpr std::size_t kCapacidad = 15;

    constexpr Separador() = default;
    constexpr Separador(std::string_view texto) {
        m_largo = static_cast<unsigned char>(texto.size() < kCapacidad ? texto.size() : kCapacidad);
        for (std::size_t i = 0; i < m_largo; ++i)
            m_texto[i] = texto[i];
    }
    constexpr Separador(const char* texto) : Separador(std::string_view(texto)) {}
    Separador(const std::string& texto) : Separador(std::string_view(texto)) {}

    constexpr operator std::string_view() const { return {m_texto, m_largo}; }
    std::string str() const { return std::string(m_texto, m_largo); }
    constexpr std::size_t size() const { return m_largo; }
    constexpr bool empty() const { return m_largo == 0; }
    constexpr char front() const { return m_texto[0]; }

    // The bytes past the text are always zero: comparing all of them compares the texts.
    constexpr bool operator==(const Separador&) const = default;

private:
    char m_texto[kCapacidad] = {};
    unsigned char m_largo = 0;
};

} // namespace tubrix
