#pragma once

#include "catalogue/catalogo.h"
#include "format/formato.h"
#include "model/proyecto.h"
#include "report/informe.h"

#include <string>

namespace tubrix {

// The page after the verification that an engineer reads first: "RESUMEN DE LA VERIFICACIÓN".
// Per verification row the calculated and the required value, the utilisation (the same one the
// studies and the pipe selection show), "Cumple" / "No cumple" / "No procede", the row that
// governs marked; the least and greatest cover at which the pipe is valid (the depth-limits
// engine); and the installation drawing of the section with its dimensions, groundwater and
// bedding angle written on it. `numero` is the page number.
PaginaInforme Pagina_Resumen_Verificacion(const Proyecto& proyecto, const Catalogo& catalogo,
                                          const Separadores& separadores, int numero);

// "Cálculo mecánico de un tubo enterrado: <material> DN <diámetro>, <norma>. <veredicto>."
std::string Asunto_Informe(const Proyecto& proyecto, const Catalogo& catalogo);

// "Cumple", "No cumple" or "No procede" for a verification row of a calculated section; it
// agrees with the verdict of the row on the verification screen.
std::string Resultado_Fila(const Proyecto& proyecto, FilaVerificacion fila);

} // namespace tubrix
