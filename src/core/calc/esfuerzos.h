#pragma once

#include "error.h"
#include "format/formato.h"
#include "model/proyecto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tubrix {

// Bending moments and normal forces of the pipe ring at crown, springline and invert by the
// coefficient method: each force is a tabulated coefficient times a load times a power of the
// mean radius, the coefficient chosen by the bedding column, the point and the load case.

// Columns of the coefficient tables: Tipo I at 60, 90, 120 degrees (1..3), Tipo II at 90, 120,
// 180 degrees (4..6) and Tipo III (7).
inline constexpr int kPrimeraColumnaApoyo = 1;
inline constexpr int kUltimaColumnaApoyo = 7;

// Moment coefficient m and normal-force coefficient n at (column 1..7, point, load case).
// A column outside 1..7 gives 0.
double Coeficiente_Momento(int columna, Punto punto, CasoCarga caso);
double Coeficiente_Axil(int columna, Punto punto, CasoCarga caso);

// The column of a bedding; none for type 1 or 2 with an angle that has no coefficients (the
// angle is compared for exact equality) and for an unknown type.
std::optional<int> Columna_Apoyo(std::int16_t tipoApoyo, double anguloApoyo);

// Captions beside "Apoyo tipo" and "Angulo 2 alfa": "Tipo I" ... "Tipo III"; " 60 º", " 90 º",
// "120 º", "180 º", or "error" when the bedding has no column.
std::string Texto_Tipo_Apoyo(std::int16_t tipoApoyo);
std::string Texto_Angulo_Apoyo(std::int16_t tipoApoyo, double anguloApoyo);

// Short term: loads Qvt, Qh, Qh_Estrella into Momentos/Axiales and Suma_Momentos/Suma_Axiales.
// Long term: Qvt_LP, Qh_LP, Qh_Estrella_LP into the _LP tables and totals. Both also fill the
// working tables Momentos_Trabajo/Axiales_Trabajo. A bedding without coefficients, or a result
// that is not a finite number, refuses the calculation and stores nothing.
Resultado<void> Calcula_Esfuerzos_Corto(Proyecto& proyecto);
Resultado<void> Calcula_Esfuerzos_Largo(Proyecto& proyecto);

enum class Plazo { Corto, Largo };

// Display pattern of every internal-force cell.
inline constexpr std::string_view kFormatoEsfuerzo = "###0.0000";

// Cells of the "Esfuerzos" grid: cell (p - 1) * 12 + k belongs to point p, with k = 0..4 the
// moments of the load cases, 5 the moment total, 6..10 the normal forces and 11 their total.
inline constexpr std::size_t kCeldasEsfuerzos = 36;

struct VistaEsfuerzos {
    std::string titulo;
    std::string textoTipo;
    std::string textoAngulo;
    // Empty when the bedding has no column: nothing was calculated for it.
    std::array<std::string, kCeldasEsfuerzos> celdas;
};

// What an internal-forces screen shows after its calculation, from the stored tables of the term.
VistaEsfuerzos Vista_Esfuerzos(const Proyecto& proyecto, Plazo plazo,
                               const Separadores& separadores);

} // namespace tubrix
