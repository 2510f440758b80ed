#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tubrix {

// Threads a batch engine uses: `pedidos`, or every core when 0; never more than the items.
inline unsigned hilosParaLote(unsigned pedidos, std::size_t elementos) {
    unsigned hilos = pedidos ? pedidos : std::max(1u, std::thread::hardware_concurrency());
    if (elementos < hilos)
        hilos = static_cast<unsigned>(std::max<std::size_t>(elementos, 1));
    return hilos;
}

// Runs trabajo(hilo, i) for every i in [0, n) on `hilos` standard threads (the calling thread
// is one of them). Items are handed out in small blocks from a shared counter, so a slow item
// does not hold the others back; each call writes only its own item's result, so what is
// computed never depends on the number of threads. The first exception thrown by an item stops
// the hand-out and is rethrown here once every thread has finished.
template <typename Trabajo>
void paraCadaElemento(std::size_t n, unsigned hilos, Trabajo&& trabajo) {
    constexpr std::size_t kBloque = 8;
    std::atomic<std::size_t> siguiente{0};
    std::exception_ptr fallo;
    std::mutex mutexFallo;
    const auto bucle = [&](unsigned hilo) {
        try {
            for (;;) {
                const std::size_t desde = siguiente.fetch_add(kBloque);
                if (desde >= n)
                    return;
                for (std::size_t i = desde; i < std::min(n, desde + kBloque); ++i)
                    trabajo(hilo, i);
            }
        } catch (...) {
            const std::lock_guard<std::mutex> cerrojo(mutexFallo);
            if (!fallo)
                fallo = std::current_exception();
            siguiente.store(n);
        }
    };
    hilos = hilosParaLote(hilos, n);
    std::vector<std::thread> otros;
    otros.reserve(hilos - 1);
    for (unsigned h = 1; h < hilos; ++h)
        otros.emplace_back(bucle, h);
    bucle(0);
    for (std::thread& t : otros)
        t.join();
    if (fallo)
        std::rethrow_exception(fallo);
}

} // namespace tubrix
