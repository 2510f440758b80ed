// The whole chain from arbitrary bytes: they become a project record (through the JSON reader,
// through the project-file reader, or as field values set on an example section and sent
// through both readers), which then runs the forward pass, the report content, a 20-point study
// and the depth limits. Aborts on a crash (the sanitizers), on a non-finite number in the record
// after a completed pass, on a verdict without a completed pass, and on a refusal without a
// message.
#include "calc/verificacion.h"
#include "catalogue/catalogo_sqlite.h"
#include "chain/calcula_seccion.h"
#include "chain/estudio.h"
#include "model/campos.h"
#include "model/fichero_proyecto.h"
#include "model/proyecto_json.h"
#include "report/informe.h"
#include "util/read_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

using namespace tubrix;

[[noreturn]] void falla(const char* motivo, const std::string& detalle = {}) {
    std::fprintf(stderr, "fuzz_seccion: %s %s\n", motivo, detalle.c_str());
    std::abort();
}

struct Mundo {
    Catalogo catalogo;
    std::vector<std::string> ejemplos; // .tbx bytes of the shipped examples
};

const Mundo& mundo() {
    static const Mundo m = [] {
        auto catalogo = abreCatalogo(TUBRIX_FUZZ_CATALOGUE);
        if (!catalogo)
            falla("no catalogue", catalogo.error().mensaje);
        Mundo nuevo{std::move(*catalogo), {}};
        for (const auto& entrada : std::filesystem::directory_iterator(TUBRIX_FUZZ_EXAMPLES))
            if (entrada.path().extension() == ".tbx")
                if (auto bytes = readFile(entrada.path()))
                    nuevo.ejemplos.push_back(std::move(*bytes));
        if (nuevo.ejemplos.empty())
            falla("no examples");
        return nuevo;
    }();
    return m;
}

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool quedan() const { return m_pos < m_size; }
    std::uint8_t byte() { return quedan() ? m_data[m_pos++] : 0; }
    template <typename T>
    T crudo() {
        std::array<std::uint8_t, sizeof(T)> b{};
        for (auto& x : b)
            x = byte();
        T valor;
        std::memcpy(&valor, b.data(), sizeof(T));
        return valor;
    }
    std::string_view resto() {
        const auto r =
            std::string_view(reinterpret_cast<const char*>(m_data) + m_pos, m_size - m_pos);
        m_pos = m_size;
        return r;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

Proyecto nuevo() {
    Proyecto p;
    Arranca_Programa(p);
    Inicializa_Proyecto(p, "12-08-2026");
    return p;
}

constexpr std::array<double, 16> kExtremos = {0,     -1,   1e-300, 1e300, -1e300, 2500, 1e6, 0.49,
                                              20.01, 90.5, 180,    -90,   1e-6,   0.5,  20,  45};

double valorDoble(Bytes& b, double actual) {
    const std::uint8_t s = b.byte();
    if (s < 64)
        return kExtremos[s % kExtremos.size()];
    if (s < 128)
        return b.byte() / 10.0;
    if (s < 192)
        return actual * (static_cast<std::int8_t>(b.byte()) / 16.0);
    return b.crudo<double>(); // anything, NaN and infinities included
}

// Field values set on an example section, each through the JSON reader; then the record goes
// out as a project file and back in, as saving and reopening would.
std::optional<Proyecto> seccionMutada(Bytes& b) {
    const auto& ejemplos = mundo().ejemplos;
    Proyecto p = nuevo();
    if (!Descodifica_Proyecto(p, ejemplos[b.byte() % ejemplos.size()], "ejemplo.tbx"))
        falla("an example does not open");
    const auto campos = camposPersistidos();
    for (int n = b.byte() % 6; n > 0 && b.quedan(); --n) {
        const Campo& campo = campos[b.byte() % campos.size()];
        nlohmann::json objeto;
        std::visit(
            [&](auto miembro) {
                using T = std::decay_t<decltype(p.*miembro)>;
                if constexpr (std::is_same_v<T, double>)
                    objeto[std::string(campo.nombre)] = valorDoble(b, p.*miembro);
                else if constexpr (std::is_same_v<T, std::int16_t>)
                    objeto[std::string(campo.nombre)] =
                        b.byte() < 200 ? static_cast<int>(b.byte() % 12) - 2 : b.crudo<int>();
                else if constexpr (std::is_same_v<T, std::string>)
                    objeto[std::string(campo.nombre)] = std::string(b.byte() % 200, 'x');
            },
            campo.miembro);
        if (objeto.is_null())
            continue;
        const Proyecto antes = p;
        if (auto leido = desdeJson(p, objeto, "fuzz.json"); !leido) {
            if (leido.error().mensaje.empty())
                falla("JSON refusal without a message");
            if (!(p == antes))
                falla("a refused JSON value changed the record");
            return std::nullopt;
        }
    }
    Proyecto releido = nuevo();
    if (!Descodifica_Proyecto(releido, Codifica_Proyecto(p), "fuzz.tbx"))
        falla("a record the JSON reader accepted does not reopen as a project file");
    return releido;
}

// A project file with some bytes of an example overwritten.
std::optional<Proyecto> ficheroDanado(Bytes& b) {
    const auto& ejemplos = mundo().ejemplos;
    std::string bytes = ejemplos[b.byte() % ejemplos.size()];
    while (b.quedan()) {
        const std::size_t sitio = b.crudo<std::uint16_t>() % bytes.size();
        bytes[sitio] = static_cast<char>(b.byte());
    }
    Proyecto p = nuevo();
    auto leido = Descodifica_Proyecto(p, bytes, "fuzz.tbx");
    if (!leido) {
        if (leido.error().mensaje.empty())
            falla("project file refusal without a message");
        return std::nullopt;
    }
    return p;
}

std::optional<Proyecto> registro(Bytes& b) {
    switch (b.byte() % 4) {
    case 0: {
        Proyecto p = nuevo();
        if (auto leido = Lee_Proyecto_Json(p, b.resto(), "fuzz.json"); !leido) {
            if (leido.error().mensaje.empty())
                falla("JSON refusal without a message");
            return std::nullopt;
        }
        return p;
    }
    case 1:
        return ficheroDanado(b);
    default:
        return seccionMutada(b);
    }
}

void exigeFinitos(const Proyecto& p) {
    if (const Campo* campo = primerCampoNoFinito(p))
        falla("non-finite field after a completed pass:", std::string(campo->nombre));
}

void exigeMensaje(const std::optional<Parada>& parada) {
    if (parada && parada->mensaje.empty())
        falla("refusal without a message at step", std::to_string(parada->paso));
}

// No cell of the report shows a non-finite number as the C library writes one.
void exigeInformeFinito(const Proyecto& p) {
    const Informe informe =
        Contenido_Informe(p, mundo().catalogo, Separadores::espanol(), SalidaInforme::Impresora);
    for (const auto& pagina : informe.paginas)
        for (const auto& linea : pagina.lineas)
            for (const auto& celda : linea.celdas) {
                std::size_t inicio = 0;
                while (inicio <= celda.texto.size()) {
                    const std::size_t fin =
                        std::min(celda.texto.find(' ', inicio), celda.texto.size());
                    const std::string_view palabra =
                        std::string_view(celda.texto).substr(inicio, fin - inicio);
                    for (const std::string_view malo : {"nan", "-nan", "inf", "-inf"})
                        if (palabra == malo)
                            falla("report cell:", celda.texto);
                    inicio = fin + 1;
                }
            }
}

struct Estudio {
    std::uint8_t parametro, desde, ancho;
};

void estudia(const Proyecto& seccion, Estudio e) {
    const auto parametro = static_cast<Parametro>(e.parametro % 5);
    const double desde = e.desde / 8.0;
    const double hasta = desde + e.ancho / 4.0;
    for (const PuntoEstudio& punto :
         Estudio_Parametrico(seccion, mundo().catalogo, parametro, desde, hasta, 19)) {
        exigeMensaje(punto.rechazo);
        if (punto.rechazo && punto.valido)
            falla("a study point refused and valid");
        for (const auto& u : punto.utilizacion)
            if (u && !std::isfinite(*u))
                falla("non-finite utilisation");
        if (!std::isfinite(punto.deformacionCorto) || !std::isfinite(punto.deformacionLargo))
            falla("non-finite deformation in a study");
    }
    const LimitesProfundidad limites = Limites_Profundidad(seccion, mundo().catalogo);
    exigeMensaje(limites.rechazo);
    exigeMensaje(limites.primerRechazo);
    for (const auto& h : {limites.minima, limites.maxima})
        if (h && !(*h >= 0.5 && *h <= 20))
            falla("a depth limit outside 0,5..20 m");
    if (limites.rechazo && (limites.minima || limites.maxima))
        falla("depth limits with a refused section");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes b(data, size);
    const Estudio estudio{b.byte(), b.byte(), b.byte()};
    std::optional<Proyecto> leido = registro(b);
    if (!leido)
        return 0;
    const Proyecto seccion = *leido;
    Proyecto p = seccion;
    const std::optional<Parada> parada = Calcula_Seccion(p, mundo().catalogo);
    exigeMensaje(parada);
    if (!parada) {
        exigeFinitos(p);
        (void)Tubo_Valido(p);
        exigeInformeFinito(p);
    }
    estudia(seccion, estudio);
    return 0;
}
