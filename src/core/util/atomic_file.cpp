#include "util/atomic_file.h"

#include "util/system_error_text.h"

#include <cerrno>
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
std::error_code syncToDisk(const fs::path& file) {
#if defined(_WIN32)
    const HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::error_code(static_cast<int>(GetLastError()), std::system_category());
    std::error_code error;
    if (FlushFileBuffers(h) == 0)
        error = std::error_code(static_cast<int>(GetLastError()), std::system_category());
    CloseHandle(h);
    return error;
#else
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0)
        return lastSystemError();
    std::error_code error;
    if (::fsync(fd) != 0)
        error = lastSystemError();
    ::close(fd);
    return error;
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

// The file a path names once its symbolic links are followed, so that saving through a link
// keeps the link and replaces what it points to. A dangling link gives the file it would name.
tl::expected<fs::path, std::string> followLinks(const fs::path& target) {
    fs::path file = target;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error)))
            return file;
        const fs::path link = fs::read_symlink(file, error);
        if (error)
            return tl::unexpected(systemErrorText(error));
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return tl::unexpected<std::string>("hay un ciclo de enlaces simbólicos");
}

} // namespace

tl::expected<void, std::string> writeFileAtomically(const fs::path& requested,
                                                    std::string_view bytes) {
    const auto followed = followLinks(requested);
    if (!followed)
        return tl::unexpected(followed.error());
    const fs::path& target = *followed;
    if (fs::is_directory(target))
        return tl::unexpected<std::string>("es una carpeta, no un fichero");
    if (isReadOnly(target))
        return tl::unexpected<std::string>("el fichero es de solo lectura");
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::is_directory(folder))
        return tl::unexpected<std::string>("la carpeta no existe");

    const fs::path temporary = temporaryBeside(target);
    const auto discard = [&temporary] {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    };
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return tl::unexpected("no se puede crear un fichero en la carpeta (" +
                                  systemErrorText(lastSystemError()) + ")");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::error_code error = lastSystemError();
            out.close();
            discard();
            return tl::unexpected("no se ha podido escribir (" + systemErrorText(error) + ")");
        }
        out.close();
        if (!out) {
            const std::error_code error = lastSystemError();
            discard();
            return tl::unexpected("no se ha podido escribir (" + systemErrorText(error) + ")");
        }
    }
    if (const std::error_code error = syncToDisk(temporary)) {
        discard();
        return tl::unexpected("no se ha podido guardar en el disco (" + systemErrorText(error) +
                              ")");
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        discard();
        return tl::unexpected("no se ha podido reemplazar el fichero (" + systemErrorText(error) +
                              ")");
    }
    return {};
}

} // namespace tubrix
