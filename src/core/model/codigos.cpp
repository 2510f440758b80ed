#include "model/codigos.h"

#include "model/campos.h"

#include <array>

namespace tubrix {
namespace {

struct ListaFija {
    std::string_view campo;
    CodigosAdmitidos admitidos;
};

// Fixed lists, in file order.
constexpr std::array kListasFijas{
    ListaFija{"Codigo_Material", {1, 12}},
    ListaFija{"Clase_Seguridad", {0, 2}}, // 0: never chosen, the safety screen makes it 1
    ListaFija{"Tipo_Instalacion", {1, 3}},
    // 3 (embankment) may stay behind on types 2 and 3, whose screens rewrite it to 1.
    ListaFija{"Subtipo_Instalacion", {1, 3}},
    ListaFija{"Tipo_Apoyo", {1, 3}},
    ListaFija{"Subtipo_Apoyo", {1, 2}},
    ListaFija{"Grupo_Suelo_1", {1, 4}},
    ListaFija{"Grupo_Suelo_2", {1, 4}},
    ListaFija{"Grupo_Suelo_3", {1, 4}},
    ListaFija{"Grupo_Suelo_4", {1, 4}},
    ListaFija{"Opcion_Suelo_1", {0, 5}}, // positions in the compaction list 85 % .. 100 %
    ListaFija{"Opcion_Suelo_2", {0, 5}},
    ListaFija{"Condicion_Relleno", {1, 4}}, // A1 .. A4; the UNE page turns A1 into A2
    ListaFija{"Tipo_Vehiculo", {0, 5}},     // 0: no traffic
    ListaFija{"Tipo_Firme", {1, 2}},
    ListaFija{"Material_Capa_Superior", {0, 9}}, // 0: not chosen, the list shows its first
    ListaFija{"Material_Capa_Inferior", {0, 9}},
};

constexpr std::int16_t kFirmeIrregular = 2;
constexpr std::int16_t kVehiculoPesado = 5; // HT 60

// Positions of the impact factor list. An irregular pavement offers 8 factors (7 for HT 60) and
// the screen goes back to the stored one, so it must be there; with a normal pavement or without
// traffic the screen chooses the position itself, and any position of a list is accepted.
CodigosAdmitidos posicionesCoeficienteImpacto(const Proyecto& p) {
    const bool conTrafico = p.Tipo_Vehiculo >= 1 && p.Tipo_Vehiculo <= kVehiculoPesado;
    if (conTrafico && p.Tipo_Firme == kFirmeIrregular)
        return {-1, static_cast<std::int16_t>(p.Tipo_Vehiculo == kVehiculoPesado ? 6 : 7)};
    return {-1, 7};
}

// A sub-class belongs to the group of its hundreds: g*100+1 .. g*100+100. Another group's class
// would be calculated with this group's moduli and strengths.
std::optional<CodigosAdmitidos> subclasesDelGrupo(const Proyecto& p) {
    if (p.Codigo_Material < 1 || p.Codigo_Material > 12)
        return std::nullopt; // the group itself is refused first
    const auto base = static_cast<std::int16_t>(p.Codigo_Material * 100);
    return CodigosAdmitidos{static_cast<std::int16_t>(base + 1),
                            static_cast<std::int16_t>(base + 100)};
}

std::string textoAdmitidos(CodigosAdmitidos a) {
    return std::to_string(a.minimo) + " a " + std::to_string(a.maximo);
}

} // namespace

std::optional<CodigosAdmitidos> Codigos_Admitidos(std::string_view campo,
                                                  const Proyecto& proyecto) {
    if (campo == "Indice_Firme_Irregular")
        return posicionesCoeficienteImpacto(proyecto);
    if (campo == "Codigo_Submaterial")
        return subclasesDelGrupo(proyecto);
    for (const ListaFija& lista : kListasFijas)
        if (lista.campo == campo)
            return lista.admitidos;
    return std::nullopt;
}

std::optional<std::string> Codigo_Fuera_De_Lista(const Proyecto& proyecto) {
    for (const Campo& campo : camposPersistidos()) {
        const auto* entero = std::get_if<std::int16_t Proyecto::*>(&campo.miembro);
        if (!entero)
            continue;
        const auto admitidos = Codigos_Admitidos(campo.nombre, proyecto);
        const std::int16_t codigo = proyecto.**entero;
        if (admitidos && !admitidos->admite(codigo))
            return std::string(campo.nombre) + " = " + std::to_string(codigo) +
                   " (valores admitidos: " + textoAdmitidos(*admitidos) + ")";
    }
    return std::nullopt;
}

} // namespace tubrix
