#pragma once

// The sections of the report, one function each, grouped in files by the page they open on.

#include "catalogue/catalogo.h"
#include "model/proyecto.h"
#include "report/redactor_informe.h"

namespace tubrix::apartados {

// Page 1: the project's description (when it has one), the pipe, the safety class, the trench, the
// groundwater and the bedding.
void descripcionDelProyecto(Redactor& r, const Proyecto& p);
void caracteristicasDelTubo(Redactor& r, const Proyecto& p, const Catalogo& catalogo);
void claseDeSeguridad(Redactor& r, const Proyecto& p);
void condicionesDeLaZanja(Redactor& r, const Proyecto& p);
void nivelFreatico(Redactor& r, const Proyecto& p);
void caracteristicasDelApoyo(Redactor& r, const Proyecto& p);

// Page 2: the soils and the surface loads.
void caracteristicasDeLosSuelos(Redactor& r, const Proyecto& p);
void sobrecargas(Redactor& r, const Proyecto& p);

// Page 3: the loads and their distribution.
void cargas(Redactor& r, const Proyecto& p);
void distribucionDeCargas(Redactor& r, const Proyecto& p);

// Page 4 (and 5 of a long-term section): design loads, internal forces, stresses, stability.
void cargasDeCalculo(Redactor& r, const Proyecto& p);
void esfuerzos(Redactor& r, const Proyecto& p, const char* titulo, const TablaEsfuerzos& momentos,
               const TablaEsfuerzos& axiales, const PorPunto<double>& sumaMomentos,
               const PorPunto<double>& sumaAxiales);
void tensionesYDeformaciones(Redactor& r, const Proyecto& p);
void estabilidad(Redactor& r, const Proyecto& p);

// Page 5: the verification and the conclusion.
void verificacion(Redactor& r, const Proyecto& p, SalidaInforme salida);

} // namespace tubrix::apartados
