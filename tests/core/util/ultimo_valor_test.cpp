#include "util/ultimo_valor.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace tubrix {
namespace {

// The remembered result is the function's own, bit for bit, whatever came before: a repeated
// argument, another argument, a zero of the other sign, a NaN.
TEST(UltimoValor, GivesTheFunctionsResultForEveryArgument) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> argumentos = {0.5, 0.5, 0.7, 0.5, 0.0, -0.0, -0.0, 0.0, nan, nan, 3};
    UltimoValor recuerdo;
    int llamadas = 0;
    const auto funcion = [&](double x) {
        ++llamadas;
        return 1.0 / x; // tells the zeros apart
    };
    for (const double x : argumentos) {
        const double esperado = 1.0 / x;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(recuerdo(x, funcion)),
                  std::bit_cast<std::uint64_t>(esperado))
            << x;
    }
    EXPECT_EQ(llamadas, 8); // the three repeats are remembered
}

} // namespace
} // namespace tubrix
