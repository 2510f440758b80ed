#pragma once

#include "chain/estudio.h"
#include "chain/seleccion.h"

#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Texts shared by every front end, so the desktop program and the command line export the same.

// Short name of a verification row ("Tensión clave", …).
std::string_view nombreFila(FilaVerificacion fila);
std::string_view
textoVeredicto(Veredicto veredicto); // "Tubo válido", "Tubo NO válido", "Rechazado"

// CSV (comma-separated, decimal point, one header line) of a sweep and of a pipe selection.
std::string csvDelEstudio(Parametro parametro, const std::vector<PuntoEstudio>& puntos);
std::string csvDeLaSeleccion(const std::vector<TuboCandidato>& candidatos);

} // namespace tubrix
