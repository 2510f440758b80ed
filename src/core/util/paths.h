#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tubrix {

// Paths cross the program as UTF-8 text; these convert without loss on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// Folder of the running program (where the catalogue and the help files lie). Empty when the
// platform cannot tell.
std::filesystem::path executableDirectory();

} // namespace tubrix
