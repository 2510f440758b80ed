// Feeds arbitrary bytes to the project-file reader: it must refuse or accept without crashing,
// change nothing when it refuses, and write back what it accepted.
#include "model/fichero_proyecto.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tubrix::Proyecto proyecto;
    tubrix::Inicializa_Proyecto(proyecto, "12-08-2026");
    const tubrix::Proyecto antes = proyecto;
    if (!tubrix::Descodifica_Proyecto(proyecto, bytes, "fuzz.tbx")) {
        if (!(proyecto == antes))
            std::abort();
        return 0;
    }
    // An accepted file, written again and read again, gives the same record.
    const std::string otra = tubrix::Codifica_Proyecto(proyecto);
    tubrix::Proyecto releido;
    if (!tubrix::Descodifica_Proyecto(releido, otra, "fuzz.tbx"))
        std::abort();
    if (tubrix::Codifica_Proyecto(releido) != otra)
        std::abort();
    return 0;
}
