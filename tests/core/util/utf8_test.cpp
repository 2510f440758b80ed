#include "util/utf8.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

TEST(Utf8, MalformedSequencesBecomeReplacementCharacters) {
    const std::string r = "\xEF\xBF\xBD";
    struct Caso {
        std::string entrada;
        std::string salida;
    };
    for (const Caso& c : {Caso{"caño", "caño"}, Caso{"ca\xF1o", "ca" + r + "o"}, Caso{"\xC3", r},
                          Caso{"\xC0\xAF", r + r},     // overlong '/'
                          Caso{"\xED\xA0\x80", r},     // a surrogate
                          Caso{"\xF4\x90\x80\x80", r}, // past U+10FFFF
                          Caso{"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, Caso{"", ""}}) {
        EXPECT_EQ(validUtf8(c.entrada), c.salida) << c.entrada;
    }
}

} // namespace
} // namespace tubrix
