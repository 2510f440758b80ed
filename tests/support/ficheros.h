#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tubrix::test {

// The whole file as bytes; empty when it cannot be read.
inline std::string leeTodo(const std::filesystem::path& fichero) {
    std::ifstream in(fichero, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A path as the UTF-8 text the dialogs hand over.
inline std::string utf8(const std::filesystem::path& ruta) {
    const std::u8string texto = ruta.u8string();
    return {texto.begin(), texto.end()};
}

} // namespace tubrix::test
