#include "format/formato.h"

#include <gtest/gtest.h>
#include <limits>

namespace tubrix {
namespace {

struct Caso {
    double valor;
    const char* patron;
    const char* espanol;
    const char* ingles;
};

class Formato : public ::testing::TestWithParam<Caso> {};

TEST_P(Formato, RendersWithTheRegionalSeparators) {
    const Caso& c = GetParam();
    EXPECT_EQ(formatea(c.valor, c.patron, Separadores::espanol()), c.espanol)
        << c.valor << " " << c.patron;
    EXPECT_EQ(formatea(c.valor, c.patron, Separadores::ingles()), c.ingles)
        << c.valor << " " << c.patron;
}

INSTANTIATE_TEST_SUITE_P(TextBoxPatterns, Formato,
                         ::testing::Values(Caso{11.666666666666666, "##0.0#", "11,67", "11.67"},
                                           Caso{2, "##0.0#", "2,0", "2.0"},
                                           Caso{0, "##0.0#", "0,0", "0.0"},
                                           Caso{0.4, "##0.0##", "0,4", "0.4"},
                                           Caso{1234.5678, "##0.0##", "1234,568", "1234.568"},
                                           Caso{1.05, "####0.0#", "1,05", "1.05"},
                                           Caso{12345.678, "##,##0.0#", "12.345,68", "12,345.68"},
                                           Caso{3, "#,##0.0##", "3,0", "3.0"}));

INSTANTIATE_TEST_SUITE_P(
    LabelPatterns, Formato,
    ::testing::Values(
        Caso{1234567.891, "#,##0.0#", "1.234.567,89", "1,234,567.89"},
        Caso{999.96, "#,##0.0", "1.000,0", "1,000.0"}, Caso{400, "#,##0", "400", "400"},
        Caso{1500.5, "#,##0", "1.501", "1,501"}, Caso{0.12345, "#,##0.000", "0,123", "0.123"},
        Caso{-0.0658, "#,##0.0000", "-0,0658", "-0.0658"}, Caso{0.5, "#,###.000", ",500", ".500"},
        Caso{1234.5, "#,###.000", "1.234,500", "1,234.500"}, Caso{0, "#,###.000", ",000", ".000"}));

INSTANTIATE_TEST_SUITE_P(
    ResultPatterns, Formato,
    ::testing::Values(
        Caso{0.74967, "###0.0000", "0,7497", "0.7497"},
        Caso{-12345.123456, "####0.0000", "-12345,1235", "-12345.1235"},
        Caso{0.06, "#0.0000", "0,0600", "0.0600"}, Caso{3.14159, "#####0.0000", "3,1416", "3.1416"},
        Caso{2.675, "###0.00", "2,68", "2.68"}, Caso{2.665, "###0.00", "2,67", "2.67"},
        Caso{25, "###0.00", "25,00", "25.00"}, Caso{1.25, "###0.0", "1,3", "1.3"},
        Caso{-1.25, "###0.0", "-1,3", "-1.3"}, Caso{99.5, "###0", "100", "100"},
        Caso{2.5, "##0", "3", "3"}, Caso{1.5, "#0", "2", "2"}, Caso{-2.5, "#0", "-3", "-3"},
        Caso{1.2, "#0.0", "1,2", "1.2"}, Caso{0.05, "0.0", "0,1", "0.1"},
        Caso{1.5, "00.00", "01,50", "01.50"}, Caso{12.345, "00.00", "12,35", "12.35"},
        Caso{123.4, "00.00", "123,40", "123.40"}, Caso{0.0001, "##0.0#", "0,0", "0.0"}));

INSTANTIATE_TEST_SUITE_P(
    SignsAndLiterals, Formato,
    ::testing::Values(Caso{-0.00001, "###0.0000", "0,0000", "0.0000"},
                      Caso{-0.00005, "###0.0000", "-0,0001", "-0.0001"},
                      Caso{90, "##0 %", "90 %", "90 %"},
                      Caso{6, "Valor: #0", "Valor: 6", "Valor: 6"},
                      Caso{1e15, "#,##0", "1.000.000.000.000.000", "1,000,000,000,000,000"},
                      Caso{1e-300, "#0.0", "0,0", "0.0"}, Caso{9.995, "#0.00", "10,00", "10.00"}));

TEST(Formato, NonFiniteValuesShowNothing) {
    EXPECT_EQ(formatea(std::numeric_limits<double>::infinity(), "#0.0", Separadores::espanol()),
              "");
    EXPECT_EQ(formatea(std::numeric_limits<double>::quiet_NaN(), "#0.0", Separadores::espanol()),
              "");
}

// Values that sit exactly on, or a hair away from, a rounding tie take the exact decimal path;
// everything else the fast one. Both must agree with rounding the 15-digit decimal text.
TEST(Formato, RoundingNearTiesFollowsTheDecimalForm) {
    const auto es = Separadores::espanol();
    EXPECT_EQ(formatea(0.125, "#0.00", es), "0,13");
    EXPECT_EQ(formatea(1.005, "#0.00", es), "1,01"); // 1.00499999999999989... as a double
    EXPECT_EQ(formatea(1.0049999, "#0.00", es), "1,00");
    EXPECT_EQ(formatea(1234567.125, "#,##0.00", es), "1.234.567,13");
    EXPECT_EQ(formatea(0.30000000000000004, "#0.0", es), "0,3");
    EXPECT_EQ(formatea(99999999.5, "#0", es), "100000000");
}

TEST(Formato, MultiByteSeparators) {
    const Separadores frances{",", "\u202F"};
    EXPECT_EQ(formatea(1234.5, "#,##0.0", frances), "1\u202F234,5");
}

} // namespace
} // namespace tubrix
