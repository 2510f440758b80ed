#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tubrix {

// Text in the project file is one byte per character in the Windows Latin-1 code page.
// Characters it cannot hold (and malformed UTF-8) become '?'.
std::string utf8ToWindows1252(std::string_view utf8);
std::string windows1252ToUtf8(std::string_view bytes);

// How many characters of the UTF-8 text the code page cannot hold (each would become '?').
std::size_t countNotInWindows1252(std::string_view utf8);

} // namespace tubrix
