#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tubrix {

// Points of the pipe ring, in the order every table uses.
enum class Punto : std::size_t { Clave, Rinones, Base };
inline constexpr std::array kPuntos{Punto::Clave, Punto::Rinones, Punto::Base};

// Load cases of the internal forces, in table order.
enum class CasoCarga : std::size_t {
    CargaVertical,      // qvt
    CargaHorizontal,    // qh
    ReaccionHorizontal, // qh*
    PesoPropio,         // self weight of the pipe
    PesoAgua,           // water filling the pipe
};
inline constexpr std::array kCasosCarga{CasoCarga::CargaVertical, CasoCarga::CargaHorizontal,
                                        CasoCarga::ReaccionHorizontal, CasoCarga::PesoPropio,
                                        CasoCarga::PesoAgua};

// Rows of the verification table (1..7 in the screens and the report).
enum class FilaVerificacion : std::size_t {
    TensionClave,
    TensionRinones,
    TensionBase,
    EstabilidadTierras,
    EstabilidadAgua,
    EstabilidadSimultanea,
    Deformacion,
};
inline constexpr std::array kFilasVerificacion{
    FilaVerificacion::TensionClave,    FilaVerificacion::TensionRinones,
    FilaVerificacion::TensionBase,     FilaVerificacion::EstabilidadTierras,
    FilaVerificacion::EstabilidadAgua, FilaVerificacion::EstabilidadSimultanea,
    FilaVerificacion::Deformacion};

// Pavement layers of the surface loads screen.
enum class Capa : std::size_t { Superior, Inferior };
inline constexpr std::array kCapas{Capa::Superior, Capa::Inferior};

// A fixed-size array addressed by one of the index enums above, so that no code
// indexes the record's tables with bare numbers.
template <typename T, typename Index, std::size_t N>
struct ArrayIndexado {
    std::array<T, N> valores{};

    constexpr T& operator[](Index i) { return valores[static_cast<std::size_t>(i)]; }
    constexpr const T& operator[](Index i) const { return valores[static_cast<std::size_t>(i)]; }
    constexpr auto begin() { return valores.begin(); }
    constexpr auto end() { return valores.end(); }
    constexpr auto begin() const { return valores.begin(); }
    constexpr auto end() const { return valores.end(); }
    static constexpr std::size_t size() { return N; }
    bool operator==(const ArrayIndexado&) const = default;
};

template <typename T>
using PorPunto = ArrayIndexado<T, Punto, kPuntos.size()>;
template <typename T>
using PorFila = ArrayIndexado<T, FilaVerificacion, kFilasVerificacion.size()>;
template <typename T>
using PorCapa = ArrayIndexado<T, Capa, kCapas.size()>;

// Moments or normal forces by point (rows) and load case (columns).
struct TablaEsfuerzos {
    std::array<std::array<double, kCasosCarga.size()>, kPuntos.size()> valores{};

    double& operator()(Punto p, CasoCarga c) {
        return valores[static_cast<std::size_t>(p)][static_cast<std::size_t>(c)];
    }
    double operator()(Punto p, CasoCarga c) const {
        return valores[static_cast<std::size_t>(p)][static_cast<std::size_t>(c)];
    }
    bool operator==(const TablaEsfuerzos&) const = default;
};

} // namespace tubrix
