#include "util/windows1252.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

TEST(Windows1252, SpanishTextSurvivesBothWays) {
    const std::string texto = "Sección ÁÉÍÓÚÜÑ áéíóúüñ ¿¡ºª € “—” Œ";
    const std::string bytes = utf8ToWindows1252(texto);
    EXPECT_EQ(bytes.size(), 36u);                           // one byte per character
    EXPECT_EQ(static_cast<unsigned char>(bytes[5]), 0xF3);  // ó
    EXPECT_EQ(static_cast<unsigned char>(bytes[29]), 0x80); // €
    EXPECT_EQ(windows1252ToUtf8(bytes), texto);
}

TEST(Windows1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(utf8ToWindows1252("a中b😀c"), "a?b?c");
    EXPECT_EQ(utf8ToWindows1252("x\xFFy\xC3"), "x?y?"); // malformed UTF-8
}

TEST(Windows1252, EveryByteDecodesAndEncodesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

} // namespace
} // namespace tubrix
