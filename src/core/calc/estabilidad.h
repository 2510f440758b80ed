#pragma once

#include "catalogue/catalogo.h"
#include "error.h"
#include "format/caja_texto.h"
#include "format/formato.h"
#include "input/rechazo.h"
#include "model/proyecto.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tubrix {

// Safety against buckling: the critical soil load, the external water pressure and its critical
// value, with the buckling coefficient alfa D interpolated in the catalogue grid "ALFA".

// alfa D for the slenderness x = rm/s and the system stiffness v = VRB. From v = 0.1 on the pipe
// is stiff against the soil and alfa D is 3 without reading the grid; below 0.0002 the grid is
// read at 0.0002. Double linear interpolation between the grid rows around (x, v), searched in
// the table's key order (rm/s descending, then v_rb descending); a point outside the grid is
// moved onto its nearest edge. The table must be a complete grid; an empty one gives NaN.
double Interpola_Alfa(std::span<const FilaAlfa> tabla, double x, double v);

// The long-term column is shown (and calculated) when a deformation check applies or the
// material creeps.
bool Columna_Largo_Plazo_Estabilidad(const Proyecto& proyecto);

// Display patterns of the stability screen.
inline constexpr std::string_view kFormatoCargaCritica = "#,##0.0#";
inline constexpr std::string_view kFormatoAlfaD = "###0.00";
inline constexpr std::string_view kFormatoPresionAgua = "###0.0000";

// The two coefficient cells as the user may have edited them.
struct EntradaEstabilidad {
    CajaTexto textoAlfaCorto;
    CajaTexto textoAlfaLargo; // empty when the long-term column is hidden
};

// Controls of the stability screen that a refusal can focus.
enum class ControlEstabilidad { AlfaCorto, AlfaLargo };

struct VistaEstabilidad {
    bool columnaLargoPlazo = false;
    std::string textoQvCrit;
    std::string textoQvCritLP; // empty when the long-term column is hidden
    // Water-pressure cells; none when the screen leaves them as they were (installation type 3,
    // or the long-term pair without groundwater and Largo_Plazo other than 1).
    std::optional<std::string> textoPa, textoPaCrit, textoPaLP, textoPaCritLP;
    EntradaEstabilidad entrada;
};

// Runs the calculation of the screen and says what it shows. Stores Alfa_D, Alfa_D_LP, Qv_Crit,
// Qv_Crit_LP (long-term column only) and the water pressures. A zero Rm or Espesor, an empty grid
// or a result that is not finite refuses it and stores nothing.
Resultado<VistaEstabilidad> Abre_Estabilidad(Proyecto& proyecto, const Catalogo& catalogo,
                                             const Separadores& separadores);

// Either arrow reads the coefficient cells back: Alfa_D must lie in [3, 50] and Pa_Crit follows
// it; with Largo_Plazo = 1 the same for Alfa_D_LP and Pa_Crit_LP. Outside the range the warning
// asks for a value from the standard's figure, the cell is rewritten as "25" and the screen
// stays open. On closing it leaves the navigation code of the arrow.
std::optional<Rechazo> Cierra_Estabilidad(Proyecto& proyecto, const EntradaEstabilidad& entrada,
                                          Boton boton);

} // namespace tubrix
