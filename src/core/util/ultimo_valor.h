#pragma once

#include <bit>
#include <cstdint>

namespace tubrix {

// The last result of a pure function of one number, remembered on one thread. A batch of
// sections (a works, a parametric study) repeats the pipe's and the soil's values from section
// to section; a function given the same argument, bit for bit, gives the same result, so that
// result is taken from here instead of being computed again. One thread_local instance per
// call site, each for a single function.
struct UltimoValor {
    std::uint64_t argumento = 0;
    double valor = 0;
    bool lleno = false;

    template <typename Funcion>
    double operator()(double x, Funcion&& funcion) {
        const auto bits = std::bit_cast<std::uint64_t>(x);
        if (lleno && bits == argumento)
            return valor;
        valor = funcion(x);
        argumento = bits;
        lleno = true;
        return valor;
    }
};

} // namespace tubrix
