// Feeds arbitrary text to the number reader: it must never crash, never return NaN or an
// infinite value, and its fast paths must read exactly what the general reader reads.
#include "format/formato.h"
#include "format/lee_numero.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view texto(reinterpret_cast<const char*>(data), size);
    const double valor = tubrix::Lee_Numero(texto);
    if (!std::isfinite(valor))
        std::abort();
    if (std::bit_cast<std::uint64_t>(valor) !=
        std::bit_cast<std::uint64_t>(tubrix::detail::leeNumeroGeneral(texto)))
        std::abort();
    // Whatever was read also renders through a text-box pattern.
    (void)tubrix::formatea(valor, "##,##0.0#", tubrix::Separadores::espanol());
    return 0;
}
