#pragma once

#include "catalogue/catalogo.h"
#include "chain/calcula_seccion.h"
#include "format/formato.h"
#include "obra/obra.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Where a reach is calculated: a plain reach once; a profile reach at both ends, since its
// levels vary linearly and so the least and the greatest cover lie at its ends.
enum class Extremo { Unico, Inicio, Fin };

std::string_view nombreExtremo(Extremo extremo); // "", "inicio", "fin"

// The reach gives ground and invert levels instead of a cover height.
bool Es_Tramo_De_Perfil(const Tramo& tramo);

// A reach's cells resolved once against the columns they name, so that putting them into a
// section (at each end, and for each candidate pipe) looks no name up again.
struct TramoResuelto {
    struct Celda {
        const DefinicionColumna* columna = nullptr;
        const ValorCelda* valor = nullptr;
    };
    std::vector<Celda> celdas; // every cell of a known column, in the reach's order
    // The columns met so far by this record, kept from reach to reach (they are the same few).
    std::vector<const DefinicionColumna*> conocidas;
    std::optional<double> dn;
    bool daCodigoDiametro = false;
    bool conHf = false;         // the works or the reach has the Hf column
    std::optional<double> hf;   // none: no groundwater (when conHf)
    bool daFreaticoOHw = false; // Nivel_Freatico or Hw given as well
    bool perfil = false;        // any level given
    bool daH = false;
    // Ground at the start and the end, invert at the start and the end, m.
    std::array<std::optional<double>, 4> cotas;
};

// Resolves `tramo` into `resuelto`, reusing its storage.
void Resuelve_Tramo(const Obra& obra, const Tramo& tramo, TramoResuelto& resuelto);
TramoResuelto Resuelve_Tramo(const Obra& obra, const Tramo& tramo);

// The ends at which the reach is calculated: {Unico}, or {Inicio, Fin} for a profile reach.
std::span<const Extremo> Extremos_Del_Tramo(const TramoResuelto& tramo);
std::span<const Extremo> Extremos_Del_Tramo(const Tramo& tramo);

// Puts the reach's inputs into `seccion`, a copy of the works' base, as the wizard's screens
// would receive them typed: the persisted fields it gives; DN as the first pipe of the reach's
// sub-class with that nominal diameter (the one the diameter list shows first); Hf as
// groundwater at that depth (an empty Hf cell, when the works has the column, as no
// groundwater); for a profile reach, H at the end asked for, the cover above the crown =
// ground - invert - inside diameter - wall thickness. Inputs that contradict each other, a DN
// the sub-class lacks or levels that cannot give H are refused, as the screen that takes them
// would refuse them, and then the section must not be calculated.
std::optional<Parada> Aplica_Tramo(Proyecto& seccion, const TramoResuelto& tramo,
                                   const Catalogo& catalogo, Extremo extremo);
std::optional<Parada> Aplica_Tramo(Proyecto& seccion, const Obra& obra, const Tramo& tramo,
                                   const Catalogo& catalogo, Extremo extremo);

// The cover above the crown at one end of a profile reach, m, for the pipe of the section;
// none when the reach is not a profile reach or the pipe is not in the catalogue.
std::optional<double> Recubrimiento_En_Extremo(const Proyecto& seccion, const TramoResuelto& tramo,
                                               const Catalogo& catalogo, Extremo extremo);

// The inputs the reach gives that the calculated section did not use as given: a value a text
// box rounds to what it shows, a soil value the standard's values replace, a field the screens
// derive again. One Spanish sentence each ("E2 = 5 no entra en el cálculo: se ha usado 8.").
std::vector<std::string> Datos_No_Usados(const TramoResuelto& tramo, const Proyecto& calculada,
                                         const Separadores& separadores);

} // namespace tubrix
