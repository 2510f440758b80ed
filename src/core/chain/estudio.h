#pragma once

#include "catalogue/catalogo.h"
#include "chain/calcula_seccion.h"
#include "model/proyecto.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tubrix {

// The inputs a parametric study can sweep.
enum class Parametro {
    Recubrimiento, // cover height: H, or H1 for an embanked trench (m)
    Freatico,      // groundwater depth Hf (m); the section gets groundwater
    Anchura,       // trench width B (m)
    ModuloE2,      // deformation modulus of zone 2 (N/mm2); soil data become typed values
    CargaP0,       // uniform surface load P0 (kN/m2); the section gets the surface load
};

std::string_view nombreParametro(Parametro parametro); // "H", "Hf", "B", "E2", "P0"
std::optional<Parametro> parametroDeNombre(std::string_view nombre);

struct PuntoEstudio {
    double valor = 0;
    std::optional<Parada> rechazo;              // the step that refused, if any
    PorFila<std::optional<double>> utilizacion; // per verification row, when it counts
    // Rows that count and fail by a calculated factor of zero or below, with that factor; such a
    // row has no utilisation (chain/utilizacion.h).
    PorFila<std::optional<double>> coeficienteNoPositivo;
    bool valido = false;
    double deformacionCorto = 0; // %
    double deformacionLargo = 0; // %
};

// The section calculated with one input set to `valor` (the section itself is not changed).
PuntoEstudio Calcula_Punto(const Proyecto& seccion, const Catalogo& catalogo, Parametro parametro,
                           double valor);

// The input swept from `desde` to `hasta` in `pasos` equal steps (pasos + 1 points).
std::vector<PuntoEstudio> Estudio_Parametrico(const Proyecto& seccion, const Catalogo& catalogo,
                                              Parametro parametro, double desde, double hasta,
                                              int pasos);

// The least and the greatest cover height at which the pipe is valid, within the heights the
// installation screen accepts (0.5 to 20 m), to 1 cm. A height the screens refuse is not
// admissible either; when they refuse every height, `rechazo` tells why (the section as entered
// is refused by an input, not found wanting) and there are no limits.
struct LimitesProfundidad {
    std::optional<double> minima;
    std::optional<double> maxima;
    std::optional<Parada> rechazo;
    int alturasRechazadas = 0;           // of the heights tried on the sweep
    std::optional<Parada> primerRechazo; // the first of them, when some were refused
};
LimitesProfundidad Limites_Profundidad(const Proyecto& seccion, const Catalogo& catalogo);

} // namespace tubrix
