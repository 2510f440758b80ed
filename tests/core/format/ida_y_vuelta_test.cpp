#include "format/ida_y_vuelta.h"
#include "format/lee_numero.h"
#include "format/patron_caja.h"

#include <bit>
#include <gtest/gtest.h>
#include <random>

namespace tubrix {
namespace {

// The fast round trip must give bit for bit what the text box gives: the text read back without
// the thousands separators the pattern put in, through a pattern read at run time or one the
// compiler analysed, with the separators of any regional settings (a thousands separator equal
// to the decimal one is read as the text reads).
TEST(IdaYVuelta, EqualsFormattingAndReadingBack) {
    static constexpr PatronCaja patrones[] = {"##0.0#",    "##0.0##", "####0.0#", "##,##0.0#",
                                              "#,##0.0##", "###0.00", "#0",       "#,##0",
                                              "#,###.000", "00.00",   "0 m",      "#,##0.0000000"};
    const Separadores separadores[] = {Separadores::espanol(), Separadores::ingles(),
                                       Separadores::con(",", "\u00A0"), Separadores::con(".", ","),
                                       Separadores::con(",", ",")};
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> magnitud(-6, 5);
    std::uniform_int_distribution<int> decimales(0, 4);
    for (const Separadores& sep : separadores) {
        for (int i = 0; i < 8000; ++i) {
            double v = std::pow(10.0, magnitud(random)) * (i % 3 == 0 ? -1 : 1);
            if (i % 4 == 0) // values that sit exactly on a rounding tie
                v = std::round(v * std::pow(10.0, decimales(random)) * 2) / 2 /
                    std::pow(10.0, decimales(random));
            if (i % 1000 == 1)
                v = i % 2000 == 1 ? (i % 4000 == 1 ? -0.0 : 0.0) : 1e9 + 0.5;
            for (const PatronCaja& patron : patrones) {
                const auto esperado = std::bit_cast<std::uint64_t>(
                    Lee_Numero(sinAgrupar(formatea(v, patron.texto(), sep), sep)));
                ASSERT_EQ(std::bit_cast<std::uint64_t>(idaYVuelta(v, patron.texto(), sep)),
                          esperado)
                    << v << " " << patron.texto();
                ASSERT_EQ(std::bit_cast<std::uint64_t>(idaYVuelta(v, patron, sep)), esperado)
                    << v << " " << patron.texto();
            }
        }
    }
    EXPECT_TRUE(Separadores::con(",", "\u00A0").lecturaDirecta);
    EXPECT_FALSE(Separadores::con(",", ",").lecturaDirecta);
}

TEST(IdaYVuelta, KnownValues) {
    const auto es = Separadores::espanol();
    EXPECT_EQ(idaYVuelta(35.0 / 3, "##0.0#", es), 11.67);
    EXPECT_EQ(idaYVuelta(2.675, "###0.00", es), 2.68);
    // A box the program fills with a grouped number keeps its magnitude.
    EXPECT_EQ(idaYVuelta(1234.5, "##,##0.0#", es), 1234.5);
    EXPECT_EQ(idaYVuelta(2500, "#,##0.0##", es), 2500);
    EXPECT_EQ(idaYVuelta(1e6, "#,##0.0##", es), 1e6);
    EXPECT_EQ(idaYVuelta(2500, "#,##0.0##", Separadores::ingles()), 2500);
    EXPECT_EQ(idaYVuelta(-1234567.891, "#,##0.0##", es), -1234567.891);
    EXPECT_EQ(idaYVuelta(1e20, "#,##0.0##", es), 1e20);
    EXPECT_EQ(idaYVuelta(1234.5, "##0.0#", es), 1234.5);
}

TEST(FormateaGeneral, ShowsUpToFifteenSignificantDigits) {
    const auto es = Separadores::espanol();
    EXPECT_EQ(formateaGeneral(0, es), "0");
    EXPECT_EQ(formateaGeneral(10, es), "10");
    EXPECT_EQ(formateaGeneral(12.5, es), "12,5");
    EXPECT_EQ(formateaGeneral(-0.25, es), "-0,25");
    EXPECT_EQ(formateaGeneral(1.0 / 3, es), "0,333333333333333");
    EXPECT_EQ(formateaGeneral(0.0001, es), "0,0001");
    EXPECT_EQ(formateaGeneral(1.5e20, es), "1,5E+20");
    EXPECT_EQ(formateaGeneral(2e-7, es), "2E-7");
    EXPECT_EQ(formateaGeneral(123456789012345, es), "123456789012345");
    EXPECT_EQ(formateaGeneral(12.5, Separadores::ingles()), "12.5");
    for (const double v : {10.0, 12.5, 0.1, 1e-3, 123.456, 7e22})
        EXPECT_EQ(Lee_Numero(formateaGeneral(v, es)), v);
}

} // namespace
} // namespace tubrix
