#pragma once

#include "chain/estudio.h"
#include "chain/seleccion.h"
#include "model/proyecto.h"
#include "util/csv.h"

#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Texts shared by every front end, so the desktop program and the command line export the same.

// Short name of a verification row ("Tensión clave", …).
std::string_view nombreFila(FilaVerificacion fila);
std::string_view
textoVeredicto(Veredicto veredicto); // "Tubo válido", "Tubo NO válido", "Rechazado"

// The unit of a swept input ("m", "N/mm2", "kN/m2") and its heading with it: "H (m)", or
// "H1 (m)" when the cover of an embanked trench is swept.
std::string_view unidadDelParametro(Parametro parametro);
std::string cabeceraDelParametro(Parametro parametro, const Proyecto& seccion);

// How the section is named on exports: the project's text, else its file name, else "Sección
// sin guardar"; then the pipe ("PVC-U SN 8, DN 400") when the pipe screen has been passed.
std::string nombreDeLaSeccion(const Proyecto& seccion);

// CSV of a sweep and of a pipe selection: one heading line of readable names with units, then
// one line per point or pipe. An infinitely used row (a compressive stress) reads "∞", as on
// the screen.
std::string csvDelEstudio(std::string_view cabeceraValor, const std::vector<PuntoEstudio>& puntos,
                          FormatoCsv formato = FormatoCsv::maquina());
std::string csvDeLaSeleccion(const std::vector<TuboCandidato>& candidatos,
                             FormatoCsv formato = FormatoCsv::maquina());

} // namespace tubrix
