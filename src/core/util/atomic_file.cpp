#include "util/atomic_file.h"

#include <fstream>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tubrix {
namespace {

namespace fs = std::filesystem;

// Forces the file's data to the disk before it replaces the target.
bool syncToDisk(const fs::path& file) {
#if defined(_WIN32)
    const HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = FlushFileBuffers(h) != 0;
    CloseHandle(h);
    return ok;
#else
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

bool isReadOnly(const fs::path& file) {
    std::error_code error;
    const auto status = fs::status(file, error);
    if (error || !fs::exists(status))
        return false;
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

fs::path temporaryBeside(const fs::path& target) {
    std::random_device device;
    std::mt19937_64 random(device());
    const auto suffix = std::to_string(random() % 1000000000ULL);
    return target.parent_path() / (target.filename().native() + fs::path(".tmp" + suffix).native());
}

std::string reasonOf(const std::error_code& error) {
    return error.message();
}

} // namespace

tl::expected<void, std::string> writeFileAtomically(const fs::path& target,
                                                    std::string_view bytes) {
    if (fs::is_directory(target))
        return tl::unexpected<std::string>("es una carpeta, no un fichero");
    if (isReadOnly(target))
        return tl::unexpected<std::string>("el fichero es de solo lectura");
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::is_directory(folder))
        return tl::unexpected<std::string>("la carpeta no existe");

    const fs::path temporary = temporaryBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return tl::unexpected<std::string>("no se puede crear un fichero en la carpeta");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return tl::unexpected<std::string>("no se ha podido escribir (¿disco lleno?)");
        }
    }
    std::error_code error;
    if (!syncToDisk(temporary)) {
        fs::remove(temporary, error);
        return tl::unexpected<std::string>("no se ha podido guardar en el disco");
    }
    fs::rename(temporary, target, error);
    if (error) {
        const std::string reason = reasonOf(error);
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return tl::unexpected<std::string>("no se ha podido reemplazar el fichero: " + reason);
    }
    return {};
}

} // namespace tubrix
