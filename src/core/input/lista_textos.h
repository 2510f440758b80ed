#pragma once

#include <span>
#include <string_view>

namespace tubrix {

// The entries of a list box whose texts are constants of the program: no copies are made when a
// screen offers them.
using ListaTextos = std::span<const std::string_view>;

} // namespace tubrix
