#include "format/lee_numero.h"

#include <array>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace tubrix {
namespace {

struct Caso {
    const char* texto;
    double esperado;
};

class LeeNumero : public ::testing::TestWithParam<Caso> {};

TEST_P(LeeNumero, ReadsAsTheScreensDo) {
    EXPECT_DOUBLE_EQ(Lee_Numero(GetParam().texto), GetParam().esperado)
        << '"' << GetParam().texto << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Textos, LeeNumero,
    ::testing::Values(
        // decimal comma or point
        Caso{"2,5", 2.5}, Caso{"2.5", 2.5}, Caso{"-0,75", -0.75}, Caso{"+3", 3}, Caso{",5", 0.5},
        Caso{"7.", 7},
        // blanks, tabs and line feeds are skipped anywhere
        Caso{"1 200,5", 1200.5}, Caso{" \t12\n3 ", 123}, Caso{"- 4", -4}, Caso{"1 , 5", 1.5},
        // only the first comma is a decimal point; the number stops where it cannot go on
        Caso{"1.234,5", 1.234}, Caso{"1,5,3", 1.5}, Caso{"12m", 12}, Caso{"3..4", 3},
        Caso{"2-3", 2}, Caso{"1,5.3", 1.5},
        // exponents with E or D
        Caso{"1,5E3", 1500}, Caso{"2e-2", 0.02}, Caso{"1D2", 100}, Caso{"4d+1", 40}, Caso{"1E", 1},
        Caso{"1E+", 1}, Caso{"5Ex", 5},
        // hexadecimal and octal integers
        Caso{"&HFF", 255}, Caso{"&h1a", 26}, Caso{"&O17", 15}, Caso{"&o9", 0}, Caso{"&H", 0},
        Caso{"&X1", 0},
        // no digit gives 0
        Caso{"", 0}, Caso{"abc", 0}, Caso{"-", 0}, Caso{".", 0}, Caso{"E5", 0}, Caso{"   ", 0},
        // out of range: tiny is zero, huge is the largest finite double
        Caso{"1E-400", 0}, Caso{"0,000001e-320", 0},
        Caso{"1E400", std::numeric_limits<double>::max()},
        Caso{"-9e999", -std::numeric_limits<double>::max()}));

// A box refused as "no number" is exactly one that Lee_Numero would have read as 0 for lack of
// a digit; a text with a digit where the reader finds it keeps its value.
TEST(ContieneNumero, TellsTextsWithoutADigit) {
    for (const char* sin :
         {"", "abc", "-", ".", ",", "E5", "   ", "&H", "&X1", "&o9", "+ ,", "x1"}) {
        EXPECT_FALSE(Contiene_Numero(sin)) << '"' << sin << '"';
        EXPECT_EQ(Lee_Numero(sin), 0) << '"' << sin << '"';
    }
    for (const char* con : {"0", "2,5", ",5", "- 4", "12m", "1E400", "&HFF", "&o7", " 0,0", ".5"})
        EXPECT_TRUE(Contiene_Numero(con)) << '"' << con << '"';
}

// The fast path for short decimals must read exactly what the general reader reads.
TEST(LeeNumeroRapido, AgreesWithTheGeneralReaderBitForBit) {
    std::mt19937_64 random(2026);
    const std::string alfabeto = "0123456789012345678901234567890123456789.,,-+ eEdD\t&Hx";
    std::uniform_int_distribution<std::size_t> letra(0, alfabeto.size() - 1);
    std::uniform_int_distribution<int> longitud(0, 24);
    for (int n = 0; n < 200000; ++n) {
        std::string texto;
        for (int k = longitud(random); k > 0; --k)
            texto += alfabeto[letra(random)];
        const double rapido = Lee_Numero(texto);
        const double general = detail::leeNumeroGeneral(texto);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(rapido), std::bit_cast<std::uint64_t>(general))
            << '"' << texto << '"';
    }
}

// Remembered by address: texts at different addresses, and prefixes of one text, each read as
// themselves, however many there are.
TEST(LeeNumeroConstante, ReadsEachTextAsLeeNumero) {
    static constexpr std::array<std::string_view, 6> kEntradas = {
        " 85 %", " 90 %", " 60 grados", "120 grados", "1,4", ""};
    for (int vuelta = 0; vuelta < 3; ++vuelta)
        for (const std::string_view e : kEntradas) {
            EXPECT_EQ(Lee_Numero_Constante(e), Lee_Numero(e)) << e;
            EXPECT_EQ(Lee_Numero_Constante(e.substr(0, 3)), Lee_Numero(e.substr(0, 3))) << e;
        }
}

} // namespace
} // namespace tubrix
