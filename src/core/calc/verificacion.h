#pragma once

#include "error.h"
#include "format/formato.h"
#include "model/proyecto.h"

#include <optional>
#include <string>
#include <string_view>

namespace tubrix {

// The verification: every result against the value the standard and the safety class require,
// row by row (crown, springline and invert stress; buckling under soil load, water pressure and
// both; long-term deformation).

// Fills Seguridad_Requerida (the rows the standard sets), the calculated safety factors and
// Tubo_No_Valido. A factor compares with "at least the required value", so equality passes;
// with Largo_Plazo = 1 the long-term stress factors alone decide rows 1 to 3. Rows that do not
// apply to the pipe (stability without deformation or creep checks, deformation without
// deformation checks) are marked not failed. A division by zero (a zero stress, Qvt_Def,
// Qvt_Def_LP, or Pa with groundwater; a zero factor in the simultaneous one) refuses the
// calculation and stores nothing.
Resultado<void> Calcula_Verificacion(Proyecto& proyecto);

// Whether a row applies to the section: the stress rows always; the stability rows when the
// pipe is checked against buckling (deformation checks or creep), the external-water row only
// with groundwater; the deformation row with deformation checks. A row that does not apply is
// never marked failed and shows "No procede" where it is listed.
bool Fila_Procede(const Proyecto& proyecto, FilaVerificacion fila);

// The overall verdict: no row that applies is failed.
bool Tubo_Valido(const Proyecto& proyecto);

// The value a row requires, with the digits it has (1,75 stays 1,75; 2 reads 2,0): the screen
// and the report print it through this one function.
std::string Texto_Seguridad_Requerida(const Proyecto& proyecto, FilaVerificacion fila,
                                      const Separadores& separadores);

inline constexpr std::string_view kNoProcede = "No procede";
inline constexpr std::string_view kFormatoRequerido = "#0.0#";
inline constexpr std::string_view kFormatoCalculado = "###0.00";
inline constexpr std::string_view kTuboValido = "Tubo válido";
inline constexpr std::string_view kTuboNoValido = "Tubo NO válido";

struct FilaVistaVerificacion {
    bool visible = false;                 // the row's value cells are shown
    bool procede = true;                  // false: "No procede" stands in the "Corto Plazo" cell
    std::string requerido;                // empty where the standard sets no value
    std::string corto;                    // "Corto Plazo" column
    std::optional<std::string> largo;     // "Largo Plazo" column; none when hidden
    std::optional<std::string> veredicto; // "Tubo válido" / "Tubo NO válido"; none when hidden
};

struct VistaVerificacion {
    PorFila<FilaVistaVerificacion> filas;
};

// What the verification screen shows after its calculation.
VistaVerificacion Vista_Verificacion(const Proyecto& proyecto, const Separadores& separadores);

} // namespace tubrix
