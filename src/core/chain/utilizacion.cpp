#include "chain/utilizacion.h"

#include "chain/pasos.h"

#include <algorithm>

namespace tubrix {
namespace {

// One calculated value of a row against its requirement.
struct Uso {
    std::optional<double> utilizacion;
    std::optional<double> noPositivo;
};

Uso usoDeCoeficiente(double requerido, double calculado) {
    if (calculado > 0)
        return {requerido / calculado, std::nullopt};
    return {std::nullopt, calculado};
}

// The worse of two values of one row: a non-positive factor (the lower one when both are),
// else the higher utilisation.
Uso peor(const Uso& a, const Uso& b) {
    if (a.noPositivo || b.noPositivo)
        return {std::nullopt, std::min(a.noPositivo.value_or(0.0), b.noPositivo.value_or(0.0))};
    return {std::max(*a.utilizacion, *b.utilizacion), std::nullopt};
}

} // namespace

UsosVerificacion Utilizaciones(const Proyecto& p) {
    using F = FilaVerificacion;
    UsosVerificacion usos;
    const auto pon = [&usos](F fila, const Uso& uso) {
        usos.utilizacion[fila] = uso.utilizacion;
        usos.coeficienteNoPositivo[fila] = uso.noPositivo;
    };
    const bool largo = p.Largo_Plazo == 1;
    const auto tension = [&](F fila, double corto, double largoValor) {
        pon(fila, usoDeCoeficiente(p.Seguridad_Requerida[fila], largo ? largoValor : corto));
    };
    tension(F::TensionClave, p.Coef_Clave, p.Coef_Clave_LP);
    tension(F::TensionRinones, p.Coef_Rinones, p.Coef_Rinones_LP);
    tension(F::TensionBase, p.Coef_Base, p.Coef_Base_LP);

    const bool deformaciones = Hay_Deformaciones(p);
    if (deformaciones || largo) {
        const auto estabilidad = [&](F fila, double corto, double largoValor) {
            pon(fila, peor(usoDeCoeficiente(p.Seguridad_Requerida[fila], corto),
                           usoDeCoeficiente(p.Seguridad_Requerida[fila], largoValor)));
        };
        estabilidad(F::EstabilidadTierras, p.Coef_Tierras, p.Coef_Tierras_LP);
        if (p.Nivel_Freatico != 0)
            estabilidad(F::EstabilidadAgua, p.Coef_Agua, p.Coef_Agua_LP);
        estabilidad(F::EstabilidadSimultanea, p.Coef_Simultaneo, p.Coef_Simultaneo_LP);
    }
    if (deformaciones) {
        // An admissible deflection of zero or below admits nothing: told by that value.
        const double admisible = p.Seguridad_Requerida[F::Deformacion];
        pon(F::Deformacion,
            admisible > 0 ? Uso{std::max(p.Dv_Relativa, p.Dv_Relativa_LP) / admisible, std::nullopt}
                          : Uso{std::nullopt, admisible});
    }
    return usos;
}

std::optional<FilaVerificacion> Fila_Determinante(const UsosVerificacion& usos) {
    for (const FilaVerificacion fila : kFilasVerificacion)
        if (usos.coeficienteNoPositivo[fila])
            return fila;
    std::optional<FilaVerificacion> determinante;
    for (const FilaVerificacion fila : kFilasVerificacion) {
        const auto& uso = usos.utilizacion[fila];
        if (uso && (!determinante || *uso > *usos.utilizacion[*determinante]))
            determinante = fila;
    }
    return determinante;
}

} // namespace tubrix
