#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Paths cross the program as UTF-8 text; these convert without loss on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// Folder of the running program (where the catalogue and the help files lie). Empty when the
// platform cannot tell.
std::filesystem::path executableDirectory();

// Folders that may hold the program's data files, in the order they are searched: the program's
// own folder (the build tree, and the Windows layout, where everything lies together), then
// ../share/tubrix beside it (the layout of an installed Linux program: bin/ and share/tubrix/).
std::vector<std::filesystem::path> dataFolders(const std::filesystem::path& programFolder);

} // namespace tubrix
