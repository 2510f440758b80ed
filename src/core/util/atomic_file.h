#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <tl/expected.hpp>

namespace tubrix {

// Writes the bytes to a temporary file beside the target, flushes it to disk and then replaces
// the target in one step. A symbolic link is followed: the link stays and the file it points to
// is replaced. On any failure the target is left exactly as it was and the reason (in Spanish,
// "no queda espacio en el disco") is returned.
tl::expected<void, std::string> writeFileAtomically(const std::filesystem::path& target,
                                                    std::string_view bytes);

} // namespace tubrix
