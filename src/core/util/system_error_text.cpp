#include "util/system_error_text.h"

#include <cerrno>

namespace tubrix {

std::string systemErrorText(const std::error_code& error) {
    const std::error_condition c = error.default_error_condition();
    if (c.category() != std::generic_category())
        return "error del sistema n.º " + std::to_string(error.value());
    switch (static_cast<std::errc>(c.value())) {
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
        return "no hay permiso";
    case std::errc::no_space_on_device:
        return "no queda espacio en el disco";
    case std::errc::read_only_file_system:
        return "el disco es de solo lectura";
    case std::errc::no_such_file_or_directory:
        return "no existe";
    case std::errc::not_a_directory:
        return "una parte de la ruta no es una carpeta";
    case std::errc::is_a_directory:
        return "es una carpeta, no un fichero";
    case std::errc::filename_too_long:
        return "el nombre es demasiado largo";
    case std::errc::file_too_large:
        return "el fichero es demasiado grande";
    case std::errc::too_many_files_open:
    case std::errc::too_many_files_open_in_system:
        return "hay demasiados ficheros abiertos";
    case std::errc::device_or_resource_busy:
    case std::errc::text_file_busy:
        return "el fichero está en uso";
    case std::errc::io_error:
        return "error de lectura o escritura en el disco";
    case std::errc::too_many_symbolic_link_levels:
        return "hay un ciclo de enlaces simbólicos";
    case std::errc::cross_device_link:
        return "el destino está en otro disco";
    case std::errc::invalid_argument:
        return "el nombre no es válido";
    default:
        return "error del sistema n.º " + std::to_string(error.value());
    }
}

std::error_code lastSystemError() {
    return std::error_code(errno, std::generic_category());
}

} // namespace tubrix
