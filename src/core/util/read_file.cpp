#include "util/read_file.h"

#include "util/system_error_text.h"

#include <cerrno>
#include <fstream>

namespace tubrix {

tl::expected<std::string, std::string> readFile(const std::filesystem::path& file,
                                                std::size_t maxBytes) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        return tl::unexpected<std::string>("es una carpeta, no un fichero");
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return tl::unexpected(systemErrorText(lastSystemError()));
    std::string bytes;
    char buffer[1 << 16];
    while (bytes.size() < maxBytes && in) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(wanted));
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return tl::unexpected(systemErrorText(lastSystemError()));
    return bytes;
}

Resultado<std::string> readUserFile(const std::filesystem::path& file, const std::string& shownName,
                                    std::size_t maxBytes) {
    auto bytes = readFile(file, maxBytes);
    if (!bytes)
        return falla(CodigoError::FicheroNoLegible,
                     "No se puede leer el fichero \"" + shownName + "\": " + bytes.error() + ".");
    return std::move(*bytes);
}

} // namespace tubrix
