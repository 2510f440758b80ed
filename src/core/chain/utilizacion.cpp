#include "chain/utilizacion.h"

#include "chain/pasos.h"

#include <algorithm>
#include <limits>

namespace tubrix {
namespace {

constexpr double kInfinito = std::numeric_limits<double>::infinity();

// required / calculated, with a non-positive factor as fully failed.
double usoDeCoeficiente(double requerido, double calculado) {
    return calculado > 0 ? requerido / calculado : kInfinito;
}

} // namespace

PorFila<std::optional<double>> Utilizaciones(const Proyecto& p) {
    using F = FilaVerificacion;
    PorFila<std::optional<double>> uso;
    const bool largo = p.Largo_Plazo == 1;
    const auto tension = [&](F fila, double corto, double largoValor) {
        uso[fila] = usoDeCoeficiente(p.Seguridad_Requerida[fila], largo ? largoValor : corto);
    };
    tension(F::TensionClave, p.Coef_Clave, p.Coef_Clave_LP);
    tension(F::TensionRinones, p.Coef_Rinones, p.Coef_Rinones_LP);
    tension(F::TensionBase, p.Coef_Base, p.Coef_Base_LP);

    const bool deformaciones = Hay_Deformaciones(p);
    if (deformaciones || largo) {
        const auto estabilidad = [&](F fila, double corto, double largoValor) {
            uso[fila] = std::max(usoDeCoeficiente(p.Seguridad_Requerida[fila], corto),
                                 usoDeCoeficiente(p.Seguridad_Requerida[fila], largoValor));
        };
        estabilidad(F::EstabilidadTierras, p.Coef_Tierras, p.Coef_Tierras_LP);
        if (p.Nivel_Freatico != 0)
            estabilidad(F::EstabilidadAgua, p.Coef_Agua, p.Coef_Agua_LP);
        estabilidad(F::EstabilidadSimultanea, p.Coef_Simultaneo, p.Coef_Simultaneo_LP);
    }
    if (deformaciones) {
        const double admisible = p.Seguridad_Requerida[F::Deformacion];
        uso[F::Deformacion] =
            admisible > 0 ? std::max(p.Dv_Relativa, p.Dv_Relativa_LP) / admisible : kInfinito;
    }
    return uso;
}

std::optional<FilaVerificacion> Fila_Determinante(const PorFila<std::optional<double>>& uso) {
    std::optional<FilaVerificacion> determinante;
    for (const FilaVerificacion fila : kFilasVerificacion)
        if (uso[fila] && (!determinante || *uso[fila] > *uso[*determinante]))
            determinante = fila;
    return determinante;
}

} // namespace tubrix
