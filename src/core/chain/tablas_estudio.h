#pragma once

#include "chain/estudio.h"
#include "chain/seleccion.h"
#include "format/formato.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Texts shared by every front end, so the desktop program and the command line export the same.

// Short name of a verification row ("Tensión clave", …).
std::string_view nombreFila(FilaVerificacion fila);
std::string_view
textoVeredicto(Veredicto veredicto); // "Tubo válido", "Tubo NO válido", "Rechazado"

// A row's use as the tables show it: the utilisation ("0,85"), or a calculated factor of zero or
// below told as such ("coef. -0,45": the row fails whatever is required); empty when the row
// does not count.
std::string textoUso(std::optional<double> utilizacion, std::optional<double> coeficienteNoPositivo,
                     const Separadores& separadores);

// CSV (comma-separated, decimal point, one header line) of a sweep and of a pipe selection.
// Every number is finite: a row failed by a non-positive factor leaves its utilisation empty
// and gives the factor in a column of its own.
std::string csvDelEstudio(Parametro parametro, const std::vector<PuntoEstudio>& puntos);
std::string csvDeLaSeleccion(const std::vector<TuboCandidato>& candidatos);

} // namespace tubrix
