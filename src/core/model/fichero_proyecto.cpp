#include "model/fichero_proyecto.h"

#include "model/campos.h"
#include "model/codigos.h"
#include "util/ascii_case.h"
#include "util/atomic_file.h"
#include "util/paths.h"
#include "util/read_file.h"
#include "util/windows1252.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <system_error>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

void putUint16(std::string& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

std::uint16_t getUint16(std::string_view in, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at]) |
                                      (static_cast<unsigned char>(in[at + 1]) << 8));
}

void putDouble(std::string& out, std::size_t at, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        out[at + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

double getDouble(std::string_view in, std::size_t at) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return std::bit_cast<double>(bits);
}

void putText(std::string& out, std::size_t at, std::string_view utf8) {
    std::string bytes = utf8ToWindows1252(utf8);
    if (bytes.size() > kLongitudMaximaTexto)
        bytes.resize(kLongitudMaximaTexto); // one byte per character: always a character boundary
    putUint16(out, at, static_cast<std::uint16_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(at + 2));
}

std::size_t offsetOfRecord(std::size_t registro) {
    return (registro - 1) * kBytesPorRegistro;
}

std::string invalid(std::string_view nombre, const std::string& reason) {
    return "El fichero \"" + std::string(nombre) + "\" no es un proyecto válido: " + reason + ".";
}

} // namespace

std::string Codifica_Proyecto(const Proyecto& proyecto) {
    std::string out(kBytesProyecto, '\0');
    putText(out, 0, kMarcaProyecto);
    std::size_t registro = 2;
    for (const Campo& campo : camposPersistidos()) {
        const std::size_t at = offsetOfRecord(registro++);
        std::visit(
            [&](auto miembro) {
                const auto& valor = proyecto.*miembro;
                using T = std::decay_t<decltype(valor)>;
                if constexpr (std::is_same_v<T, std::int16_t>)
                    putUint16(out, at, static_cast<std::uint16_t>(valor));
                else if constexpr (std::is_same_v<T, double>)
                    putDouble(out, at, valor);
                else if constexpr (std::is_same_v<T, std::string>)
                    putText(out, at, valor);
            },
            campo.miembro);
    }
    return out;
}

Resultado<void> Descodifica_Proyecto(Proyecto& proyecto, std::string_view bytes,
                                     std::string_view nombre) {
    // The program writes exactly 59 records: a shorter file lost its end, a longer one is not
    // a project file (or two files run together).
    if (bytes.size() > kBytesProyecto)
        return falla(CodigoError::FicheroNoValido,
                     invalid(nombre, "ocupa más de los " + std::to_string(kBytesProyecto) +
                                         " bytes de un proyecto"));
    if (bytes.size() < kBytesProyecto)
        return falla(CodigoError::FicheroNoValido,
                     invalid(nombre, "tiene " + std::to_string(bytes.size()) +
                                         " bytes y un proyecto ocupa " +
                                         std::to_string(kBytesProyecto)));
    if (getUint16(bytes, 0) != kMarcaProyecto.size() ||
        bytes.substr(2, kMarcaProyecto.size()) != kMarcaProyecto)
        return falla(
            CodigoError::FicheroNoValido,
            invalid(nombre, "no empieza por la marca \"" + std::string(kMarcaProyecto) + "\""));

    Proyecto leido = proyecto;
    std::size_t registro = 2;
    for (const Campo& campo : camposPersistidos()) {
        const std::size_t at = offsetOfRecord(registro);
        std::string problema;
        std::visit(
            [&](auto miembro) {
                auto& valor = leido.*miembro;
                using T = std::decay_t<decltype(valor)>;
                if constexpr (std::is_same_v<T, std::int16_t>) {
                    valor = static_cast<std::int16_t>(getUint16(bytes, at));
                } else if constexpr (std::is_same_v<T, double>) {
                    valor = getDouble(bytes, at);
                    if (!std::isfinite(valor))
                        problema =
                            "el valor de " + std::string(campo.nombre) + " no es un número finito";
                } else if constexpr (std::is_same_v<T, std::string>) {
                    const std::size_t longitud = getUint16(bytes, at);
                    if (longitud > kLongitudMaximaTexto)
                        problema = "el texto de " + std::string(campo.nombre) + " declara " +
                                   std::to_string(longitud) + " caracteres y caben " +
                                   std::to_string(kLongitudMaximaTexto);
                    else
                        valor = windows1252ToUtf8(bytes.substr(at + 2, longitud));
                }
            },
            campo.miembro);
        if (!problema.empty())
            return falla(CodigoError::FicheroNoValido,
                         invalid(nombre, "registro " + std::to_string(registro) + ", " + problema));
        ++registro;
    }
    // A code no screen knows would be run as some other choice: the file is refused instead.
    if (auto fuera = Codigo_Fuera_De_Lista(leido))
        return falla(CodigoError::FicheroNoValido, invalid(nombre, *fuera));
    proyecto = std::move(leido);
    return {};
}

std::vector<std::string> Textos_Cambiados_Al_Guardar(const Proyecto& proyecto) {
    std::vector<std::string> avisos;
    for (const Campo& campo : camposPersistidos()) {
        const auto* texto = std::get_if<std::string Proyecto::*>(&campo.miembro);
        if (!texto)
            continue;
        const std::string& valor = proyecto.**texto;
        const std::size_t cambiados = countNotInWindows1252(valor);
        const std::size_t longitud = utf8ToWindows1252(valor).size();
        std::string aviso;
        if (cambiados > 0)
            aviso = std::to_string(cambiados) +
                    (cambiados == 1 ? " carácter que el fichero no puede guardar se guarda"
                                    : " caracteres que el fichero no puede guardar se guardan") +
                    " como \"?\"";
        if (longitud > kLongitudMaximaTexto)
            aviso += (aviso.empty() ? "" : ", y ") + std::string("se guardan sus ") +
                     std::to_string(kLongitudMaximaTexto) + " primeros caracteres de " +
                     std::to_string(longitud);
        if (!aviso.empty())
            avisos.push_back("El texto de " + std::string(campo.nombre) +
                             " cambia al guardarlo: " + aviso + ".");
    }
    return avisos;
}

Resultado<void> Guarda_Proyecto(const Proyecto& proyecto, const fs::path& fichero) {
    auto escrito = writeFileAtomically(fichero, Codifica_Proyecto(proyecto));
    if (!escrito)
        return falla(CodigoError::FicheroNoEscribible, "No se ha podido guardar el proyecto en \"" +
                                                           displayPath(fichero) +
                                                           "\": " + escrito.error() + ".");
    return {};
}

Resultado<void> Abre_Proyecto(Proyecto& proyecto, const fs::path& fichero) {
    const std::string nombre = displayPath(fichero);
    // Only the records and one byte more are read, so a huge file costs no more than a valid
    // one and is still told apart from it.
    const auto bytes = readUserFile(fichero, nombre, kBytesProyecto + 1);
    if (!bytes)
        return tl::unexpected(bytes.error());
    return Descodifica_Proyecto(proyecto, *bytes, nombre);
}

std::string Aplica_Extension_Tbx(std::string nombre) {
    if (!endsWithIgnoringCase(nombre, ".tbx"))
        nombre += ".tbx";
    return nombre;
}

} // namespace tubrix
