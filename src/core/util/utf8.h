#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tubrix {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the UTF-8 sequence at text[i] and moves i past it. A malformed sequence (a stray
// continuation byte, a truncated, overlong or surrogate sequence, a code point past U+10FFFF)
// gives U+FFFD and moves past its longest malformed start, one byte at least.
char32_t nextCodePoint(std::string_view text, std::size_t& i);

void appendUtf8(std::string& out, char32_t codePoint);

// The text with every malformed sequence replaced by U+FFFD: what can be shown or written as
// JSON whatever bytes a file name or a file brought.
std::string validUtf8(std::string_view text);

} // namespace tubrix
