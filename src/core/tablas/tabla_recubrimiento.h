#pragma once

#include "catalogue/catalogo.h"
#include "chain/estudio.h"
#include "error.h"
#include "model/proyecto.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tubrix {

// A table of admissible cover ("tabla de recubrimiento"): for every pipe of a catalogue series
// and every combination of a few standard installation conditions, the least and the greatest
// cover height at which the pipe is valid, found by the depth-limits engine on a copy of a base
// section. Everything the conditions do not vary comes from the base.

// The pipes of one material group, or of one of its sub-classes.
struct SerieTubos {
    std::int16_t grupo = 0;
    std::optional<std::int16_t> subclase;
};

// How the trench is taken for every pipe of the series.
enum class InstalacionTabla {
    ComoLaBase,     // as the base section describes it
    ZanjaConMargen, // a trench of width B = D + margin (narrow or wide by B/D)
    Terraplen,      // an embankment
};

struct CondicionesTabla {
    // Soil group (1..4) of zones 1 and 2 together, with the values the standard recommends for
    // it; empty: the soils of the base.
    std::vector<std::int16_t> suelos;
    // Traffic vehicle 0 ("Sin tráfico") .. 5 (HT 60); empty: the base's.
    std::vector<std::int16_t> traficos;
    // No groundwater (none), or groundwater at that depth below ground (m); empty: the base's.
    std::vector<std::optional<double>> freaticos;
    InstalacionTabla instalacion = InstalacionTabla::ComoLaBase;
    double margenZanja = 0.5; // m, for ZanjaConMargen
};

// One combination of the conditions: a column group of the table.
struct CasoTabla {
    std::optional<std::int16_t> suelo; // none: the soils of the base
    std::int16_t trafico = 0;
    std::optional<double> freatico; // depth Hf (m); none: no groundwater
    bool operator==(const CasoTabla&) const = default;
};

// A pipe of the series: a row of the table.
struct TuboSerie {
    std::int16_t grupo = 0;
    std::int16_t subclase = 0;
    std::int16_t codigo = 0;
    std::int16_t diametroNominal = 0;
    double diametroExterior = 0; // mm
    std::string clase;           // class text, as the report prints it
    // Ring stiffness SN (kN/m2) as the pipe screen gives it; none when the pipe screen refuses
    // the pipe in the base.
    std::optional<double> rigidezAnillo;
};

struct TablaRecubrimiento {
    SerieTubos serie;
    CondicionesTabla condiciones;
    std::vector<CasoTabla> casos; // by traffic, then soil, then groundwater
    std::vector<TuboSerie> tubos; // by sub-class, DN, outside diameter, code
    // celdas[tubo][caso]: the admissible range, or why there is none.
    std::vector<std::vector<LimitesProfundidad>> celdas;
    bool completo = true; // false when the calculation was cancelled (then no cells)
};

struct OpcionesTabla {
    unsigned hilos = 0; // 0: every core
};

// Shared with a window that shows progress and may cancel, from another thread.
struct ProgresoTabla {
    std::atomic<std::size_t> hechos{0};
    std::atomic<bool> cancelado{false};
};

// The combinations in table order: every traffic case, within it every soil group, within it
// every groundwater case. A condition not varied takes the base's value.
std::vector<CasoTabla> Casos_Tabla(const Proyecto& base, const CondicionesTabla& condiciones);

// The pipes of the series; refuses an ASTM group, a group or sub-class the catalogue does not
// have, a sub-class of another group, and a series without pipes.
Resultado<std::vector<TuboSerie>> Tubos_Serie(const Proyecto& base, const Catalogo& catalogo,
                                              const SerieTubos& serie);

// Refuses conditions no section could have, naming the quantity and the admissible range.
Resultado<void> Comprueba_Condiciones(const CondicionesTabla& condiciones);

// The section of one cell: the base with the pipe, the installation, the soils, the traffic
// and the groundwater of the case, as if typed on the screens. Its cover height is the one of
// the base; the limits engine varies it.
Proyecto Seccion_De_Celda(const Proyecto& base, const TuboSerie& tubo, const CasoTabla& caso,
                          const CondicionesTabla& condiciones);

// Every cell, in parallel on standard threads; the result does not depend on their number.
Resultado<TablaRecubrimiento>
Calcula_Tabla_Recubrimiento(const Proyecto& base, const Catalogo& catalogo, const SerieTubos& serie,
                            const CondicionesTabla& condiciones, const OpcionesTabla& opciones = {},
                            ProgresoTabla* progreso = nullptr);

// True when every cell of a complete table was refused by a screen: nothing could be
// calculated, so the table says nothing of the series.
bool Todo_Rechazado(const TablaRecubrimiento& tabla);

} // namespace tubrix
