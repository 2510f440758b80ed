#include "util/csv.h"

#include <gtest/gtest.h>
#include <limits>

namespace tubrix {
namespace {

std::string unaLinea(FormatoCsv formato) {
    EscritorCsv csv(formato);
    csv.texto("H (m)").numero(1.25).texto("a;b, \"c\"").vacio().entero(-3);
    csv.numero(std::numeric_limits<double>::quiet_NaN());
    csv.finDeLinea();
    return csv.resultado();
}

TEST(Csv, TheSeparatorFollowsTheDecimalSign) {
    // A comma-decimal spreadsheet splits at ";"; a text holding the separator is quoted.
    EXPECT_EQ(unaLinea(FormatoCsv::maquina()), "H (m),1.25,\"a;b, \"\"c\"\"\",,-3,\n");
    EXPECT_EQ(unaLinea(FormatoCsv::paraDecimal(",")),
              "\xEF\xBB\xBFH (m);1,25;\"a;b, \"\"c\"\"\";;-3;\n");
    EXPECT_EQ(unaLinea(FormatoCsv::paraDecimal(".")).substr(3),
              "H (m),1.25,\"a;b, \"\"c\"\"\",,-3,\n");
}

TEST(Csv, NumbersReadBackExactlyAndLineBreaksStayInsideQuotes) {
    EscritorCsv csv(FormatoCsv::maquina());
    csv.numero(0.1 + 0.2).texto("dos\r\nlíneas");
    EXPECT_EQ(csv.resultado(), "0.30000000000000004,\"dos \nlíneas\"");
}

} // namespace
} // namespace tubrix
