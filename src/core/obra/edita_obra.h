#pragma once

#include "catalogue/catalogo.h"
#include "chain/seleccion.h"
#include "error.h"
#include "obra/obra.h"
#include "obra/tramo.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// The edits of the works window, as rules on the works itself: what a typed or pasted cell
// holds, and how a section changed in the wizard goes back into its reach.

// The reach table as the window shows it: column 0 is the reach's name ("Tramo"), then the
// works' columns in order.
std::size_t Columnas_Tabla(const Obra& obra);

// The text a cell shows: the name, a number in the user's decimal separator (as many digits as
// it holds), a text, or empty.
std::string Texto_Celda(const Obra& obra, std::size_t tramo, std::size_t columna,
                        char separadorDecimal);

// Puts typed text into a cell: an empty text clears it; a number must be written with the
// user's decimal separator and suit the column. Returns the complaint, naming the column, and
// leaves the works as it was.
std::optional<std::string> Pon_Celda(Obra& obra, std::size_t tramo, std::size_t columna,
                                     std::string_view texto, char separadorDecimal);

// Pastes a block copied from a spreadsheet (cells separated by tabs, rows by line breaks) with
// its top left cell at (tramo, columna). Rows beyond the last reach become new reaches (named
// "Tramo n" unless the block gives the name). All or nothing: a bad cell is refused naming its
// row and column, and nothing changes. Returns the number of cells written.
tl::expected<std::size_t, std::string> Pega_Celdas(Obra& obra, std::size_t tramo,
                                                   std::size_t columna, std::string_view bloque,
                                                   char separadorDecimal);

// A name not yet used by a reach: "Tramo n".
std::string Nombre_Tramo_Nuevo(const Obra& obra);

// What went back into the reach, to tell the user.
struct CambiosTramo {
    std::vector<std::string> guardados; // columns written or cleared
    std::vector<std::string> avisos;    // changes the reach cannot hold, with the reason
};

// The section of one end of a reach, opened in the wizard on a copy and changed there, goes
// back into the reach: every persisted input that differs from the section as it was opened
// (and from what the screens derive from it) becomes a cell of the reach, or clears the cell
// when it equals the base. A pipe is kept as DN while it is the pipe that DN names; the
// groundwater as Hf when the works has that column; a profile reach keeps its levels (a changed
// H is told, not stored).
Resultado<CambiosTramo> Guarda_Seccion_En_Tramo(Obra& obra, std::size_t tramo, Extremo extremo,
                                                const Proyecto& editada, const Catalogo& catalogo);

// "Usar el tubo necesario": the reach takes that pipe (group, sub-class and pipe codes).
Resultado<CambiosTramo> Usa_Tubo_En_Tramo(Obra& obra, std::size_t tramo, const TuboCandidato& tubo,
                                          const Catalogo& catalogo);

} // namespace tubrix
