#pragma once

#include "catalogue/catalogo.h"
#include "chain/calcula_seccion.h"
#include "model/proyecto.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tubrix {

struct FiltroSeleccion {
    std::optional<std::int16_t> diametroNominal;
    std::optional<std::int16_t> grupo;
};

enum class Veredicto { Valido, NoValido, Rechazado };

// One catalogue pipe tried in the section.
struct TuboCandidato {
    std::int16_t grupo = 0;
    std::int16_t subclase = 0;
    std::int16_t codigo = 0;
    std::string nombreGrupo;
    std::string clase; // class text, as the report prints it
    std::int16_t diametroNominal = 0;
    double diametroExterior = 0; // mm
    double espesor = 0;          // mm
    double rigidezAnillo = 0;    // kN/m2 (SN)
    Veredicto veredicto = Veredicto::Rechazado;
    std::optional<FilaVerificacion> filaDeterminante;
    double utilizacion = 0; // of the governing row; at most 1 passes
    // The governing row's calculated factor when it is zero or below: the row fails whatever is
    // required and has no utilisation (then 0 above).
    std::optional<double> coeficienteNoPositivo;
    double deformacionCorto = 0;   // %, when deformations are checked
    double deformacionLargo = 0;   // %
    std::optional<Parada> rechazo; // where and why the pass stopped
};

// Every listed pipe of the catalogue (all groups but the ASTM ones, or one group, or one DN)
// run through the whole forward pass in the section as entered: the pipe screen's rules, the
// safety screen of its standard with the stored class, every calculation. The section itself is
// not changed. Sorted: valid pipes first, then those not valid, then the refused ones; within
// each, by DN, then by utilisation, the most used (the one that is just enough) first, a pipe
// failed by a non-positive factor before any other.
// `prepara`, when given, adjusts each candidate's copy after its codes are set and before the
// pass (a profile reach of a works puts there the cover that the candidate's bore leaves).
std::vector<TuboCandidato> Selecciona_Tubos(const Proyecto& seccion, const Catalogo& catalogo,
                                            const FiltroSeleccion& filtro = {},
                                            const std::function<void(Proyecto&)>& prepara = {});

// Ring stiffness SN (kN/m2) of the pipe the pipe screen has set in the record: the catalogue's
// for a profiled wall, else from the wall's inertia and the mean radius.
double Rigidez_Anillo(const Proyecto& proyecto);

// Puts the chosen pipe's codes into the section (what "Usar este tubo" does).
void Usa_Tubo(Proyecto& seccion, const TuboCandidato& tubo);

} // namespace tubrix
