#pragma once

#include <string>
#include <system_error>

namespace tubrix {

// The reason of a failed file operation as the user reads it, in Spanish ("no queda espacio en
// el disco", "no hay permiso"); the caller names the file.
std::string systemErrorText(const std::error_code& error);

// The error of the last failed C or C++ library call (errno), for streams that give no code.
std::error_code lastSystemError();

} // namespace tubrix
