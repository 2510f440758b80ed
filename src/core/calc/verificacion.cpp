#include "calc/verificacion.h"

#include "calc/comprobaciones.h"
#include "calc/estabilidad.h"
#include "calc/tensiones.h"

namespace tubrix {
namespace {

using Fila = FilaVerificacion;

std::int16_t veredicto(bool falla) {
    return falla ? kSi : kNo;
}

// The refusal of a quotient, out of line: the quotient that passes (every one of a valid
// section) sets up no string.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
Resultado<double>
rechazoCociente(std::string_view magnitud, std::string_view entrada, std::string_view plazo,
                double divisor) {
    const std::string m = std::string(magnitud) + std::string(plazo);
    if (auto ok = exigeNoNulo(m, std::string(entrada) + std::string(plazo), divisor); !ok)
        return tl::unexpected(ok.error());
    return tl::unexpected(noFinito(m));
}

// numerador / divisor, refused when the divisor is zero or the quotient is not finite. The
// names of the long-term quantities carry the suffix `plazo`; the texts are only built for a
// refusal.
Resultado<double> cociente(std::string_view magnitud, std::string_view entrada,
                           std::string_view plazo, double numerador, double divisor) {
    const double valor = numerador / divisor;
    if (divisor != 0.0 && std::isfinite(divisor) && std::isfinite(valor))
        return valor;
    return rechazoCociente(magnitud, entrada, plazo, divisor);
}

struct TresCoeficientes {
    double clave = 0;
    double rinones = 0;
    double base = 0;
};

Resultado<TresCoeficientes> coeficientesTension(double rotura, double clave, double rinones,
                                                double base, std::string_view plazo) {
    const auto clave_ = cociente("el coeficiente de seguridad en clave", "la tensión en clave",
                                 plazo, rotura, clave);
    if (!clave_)
        return tl::unexpected(clave_.error());
    const auto rinones_ = cociente("el coeficiente de seguridad en riñones",
                                   "la tensión en riñones", plazo, rotura, rinones);
    if (!rinones_)
        return tl::unexpected(rinones_.error());
    const auto base_ = cociente("el coeficiente de seguridad en la base", "la tensión en la base",
                                plazo, rotura, base);
    if (!base_)
        return tl::unexpected(base_.error());
    return TresCoeficientes{*clave_, *rinones_, *base_};
}

struct CoeficientesEstabilidad {
    double tierras = 0;
    double agua = 0;
    double simultaneo = 0;
};

// Soil load and water pressure acting together: the reciprocals of the safety factors add up.
Resultado<double> simultaneo(double tierras, double agua, std::string_view plazo) {
    constexpr std::string_view kMagnitud =
        "el coeficiente de seguridad con carga de tierras y presión del agua simultáneas";
    if (tierras == 0.0 || agua == 0.0) {
        const std::string m = std::string(kMagnitud) + std::string(plazo);
        const std::string cero =
            tierras == 0.0 ? "el coeficiente de seguridad frente a la carga de tierras"
                           : "el coeficiente de seguridad frente a la presión del agua externa";
        return tl::unexpected(noCalculable(m, cero + std::string(plazo), 0.0));
    }
    return cociente(kMagnitud, "la suma de los inversos de los coeficientes", plazo, 1.0,
                    1.0 / tierras + 1.0 / agua);
}

Resultado<CoeficientesEstabilidad> coeficientesEstabilidad(const Proyecto& p, double qvCrit,
                                                           double qvtDef, double paCrit, double pa,
                                                           std::string_view plazo) {
    CoeficientesEstabilidad c;
    // Critical load in N/mm2 against the design load in kN/m2.
    const auto tierras = cociente("el coeficiente de seguridad frente a la carga de tierras",
                                  "la carga vertical de cálculo qvt para deformaciones", plazo,
                                  qvCrit * 1000.0, qvtDef);
    if (!tierras)
        return tl::unexpected(tierras.error());
    c.tierras = *tierras;

    const bool freatico = p.Nivel_Freatico != 0;
    if (freatico) {
        const auto agua =
            cociente("el coeficiente de seguridad frente a la presión del agua externa",
                     "la presión del agua externa Pa", plazo, paCrit, pa);
        if (!agua)
            return tl::unexpected(agua.error());
        c.agua = *agua;
    }

    c.simultaneo = c.tierras;
    if (Hay_Calculo_Deformaciones(p) && freatico) {
        const auto sim = simultaneo(c.tierras, c.agua, plazo);
        if (!sim)
            return tl::unexpected(sim.error());
        c.simultaneo = *sim;
    }
    return c;
}

} // namespace

Resultado<void> Calcula_Verificacion(Proyecto& p) {
    PorFila<double> requerida = p.Seguridad_Requerida;
    if (p.Norma == 1) {
        for (const Fila f : {Fila::TensionClave, Fila::TensionRinones, Fila::TensionBase})
            requerida[f] = p.Coef_Seguridad_Aplastamiento;
    } else if (p.Norma == 2) {
        for (const Fila f : {Fila::TensionClave, Fila::TensionRinones, Fila::TensionBase})
            requerida[f] = p.Coef_Seguridad_Rotura;
        for (const Fila f :
             {Fila::EstabilidadTierras, Fila::EstabilidadAgua, Fila::EstabilidadSimultanea})
            requerida[f] = p.Coef_Seguridad_Estabilidad;
        requerida[Fila::Deformacion] = p.Deformacion_Admisible;
    }

    PorFila<std::int16_t> noValido = p.Tubo_No_Valido;
    const auto tensionFalla = [&](Fila f, double coef) {
        noValido[f] = veredicto(!(coef >= requerida[f]));
    };

    const auto corto = coeficientesTension(p.Rotura_Flexotraccion, p.Sigma_Clave, p.Sigma_Rinones,
                                           p.Sigma_Base, "");
    if (!corto)
        return tl::unexpected(corto.error());
    tensionFalla(Fila::TensionClave, corto->clave);
    tensionFalla(Fila::TensionRinones, corto->rinones);
    tensionFalla(Fila::TensionBase, corto->base);

    std::optional<TresCoeficientes> largo;
    if (p.Largo_Plazo == 1) {
        auto calculado = coeficientesTension(p.Rotura_Flexotraccion_LP, p.Sigma_Clave_LP,
                                             p.Sigma_Rinones_LP, p.Sigma_Base_LP, " a largo plazo");
        if (!calculado)
            return tl::unexpected(calculado.error());
        largo = *calculado;
        // A creeping material is judged on its long-term strength alone.
        tensionFalla(Fila::TensionClave, largo->clave);
        tensionFalla(Fila::TensionRinones, largo->rinones);
        tensionFalla(Fila::TensionBase, largo->base);
    }

    const double admisible = requerida[Fila::Deformacion];
    noValido[Fila::Deformacion] =
        Hay_Calculo_Deformaciones(p)
            ? veredicto(p.Dv_Relativa > admisible || p.Dv_Relativa_LP > admisible)
            : kNo; // a rigid pipe's deformation is not checked: no verdict may linger

    std::optional<CoeficientesEstabilidad> estabilidad, estabilidadLP;
    if (Columna_Largo_Plazo_Estabilidad(p)) {
        auto c = coeficientesEstabilidad(p, p.Qv_Crit, p.Qvt_Def, p.Pa_Crit, p.Pa, "");
        if (!c)
            return tl::unexpected(c.error());
        auto l = coeficientesEstabilidad(p, p.Qv_Crit_LP, p.Qvt_Def_LP, p.Pa_Crit_LP, p.Pa_LP,
                                         " a largo plazo");
        if (!l)
            return tl::unexpected(l.error());
        estabilidad = *c;
        estabilidadLP = *l;
        const auto falla = [&](Fila f, double corto_, double largo_) {
            noValido[f] = veredicto(requerida[f] > corto_ || requerida[f] > largo_);
        };
        falla(Fila::EstabilidadTierras, c->tierras, l->tierras);
        // Without groundwater there is no water pressure to buckle the pipe: the row does not
        // apply and is not marked failed (both water factors are 0 then).
        if (p.Nivel_Freatico != 0)
            falla(Fila::EstabilidadAgua, c->agua, l->agua);
        else
            noValido[Fila::EstabilidadAgua] = kNo;
        falla(Fila::EstabilidadSimultanea, c->simultaneo, l->simultaneo);
    } else {
        // A rigid pipe is not checked against buckling: clear what an earlier section left.
        for (const Fila f : {Fila::EstabilidadTierras, Fila::EstabilidadAgua,
                             Fila::EstabilidadSimultanea, Fila::Deformacion})
            noValido[f] = kNo;
    }

    p.Seguridad_Requerida = requerida;
    p.Tubo_No_Valido = noValido;
    p.Coef_Clave = corto->clave;
    p.Coef_Rinones = corto->rinones;
    p.Coef_Base = corto->base;
    if (largo) {
        p.Coef_Clave_LP = largo->clave;
        p.Coef_Rinones_LP = largo->rinones;
        p.Coef_Base_LP = largo->base;
    }
    if (estabilidad) {
        p.Coef_Tierras = estabilidad->tierras;
        p.Coef_Agua = estabilidad->agua;
        p.Coef_Simultaneo = estabilidad->simultaneo;
        p.Coef_Tierras_LP = estabilidadLP->tierras;
        p.Coef_Agua_LP = estabilidadLP->agua;
        p.Coef_Simultaneo_LP = estabilidadLP->simultaneo;
    }
    return {};
}

bool Fila_Procede(const Proyecto& p, Fila f) {
    switch (f) {
    case Fila::TensionClave:
    case Fila::TensionRinones:
    case Fila::TensionBase:
        return true;
    case Fila::EstabilidadTierras:
    case Fila::EstabilidadSimultanea:
        return Columna_Largo_Plazo_Estabilidad(p);
    case Fila::EstabilidadAgua:
        return Columna_Largo_Plazo_Estabilidad(p) && p.Nivel_Freatico != 0;
    case Fila::Deformacion:
        return Hay_Calculo_Deformaciones(p);
    }
    return false;
}

bool Tubo_Valido(const Proyecto& p) {
    for (const Fila f : kFilasVerificacion)
        if (Fila_Procede(p, f) && p.Tubo_No_Valido[f] != 0)
            return false;
    return true;
}

std::string Texto_Seguridad_Requerida(const Proyecto& p, Fila f, const Separadores& separadores) {
    return formatea(p.Seguridad_Requerida[f], kFormatoRequerido, separadores);
}

VistaVerificacion Vista_Verificacion(const Proyecto& p, const Separadores& separadores) {
    const auto calculado = [&](double v) {
        return formatea(v, kFormatoCalculado, separadores);
    };
    const auto requerido = [&](Fila f) {
        return Texto_Seguridad_Requerida(p, f, separadores);
    };
    const auto textoVeredicto = [&](Fila f) {
        return std::string(p.Tubo_No_Valido[f] != 0 ? kTuboNoValido : kTuboValido);
    };

    VistaVerificacion vista;
    const auto tension = [&](Fila f, double corto, double largo) {
        auto& fila = vista.filas[f];
        fila.visible = true;
        if (p.Norma == 1 || p.Norma == 2)
            fila.requerido = requerido(f);
        fila.corto = calculado(corto);
        if (p.Largo_Plazo == 1)
            fila.largo = calculado(largo);
        fila.veredicto = textoVeredicto(f);
    };
    tension(Fila::TensionClave, p.Coef_Clave, p.Coef_Clave_LP);
    tension(Fila::TensionRinones, p.Coef_Rinones, p.Coef_Rinones_LP);
    tension(Fila::TensionBase, p.Coef_Base, p.Coef_Base_LP);

    // The stability section is shown when the pipe is checked against buckling; within it, a row
    // that does not apply (the water pressure without groundwater) says so instead of a number.
    const bool estabilidad = Columna_Largo_Plazo_Estabilidad(p);
    const auto otra = [&](Fila f, bool visible, double corto, double largo) {
        auto& fila = vista.filas[f];
        fila.visible = visible;
        if (!visible)
            return;
        if (!Fila_Procede(p, f)) {
            fila.procede = false;
            fila.corto = std::string(kNoProcede);
            return;
        }
        if (p.Norma == 2)
            fila.requerido = requerido(f);
        fila.corto = calculado(corto);
        fila.largo = calculado(largo);
        fila.veredicto = textoVeredicto(f);
    };
    otra(Fila::EstabilidadTierras, estabilidad, p.Coef_Tierras, p.Coef_Tierras_LP);
    otra(Fila::EstabilidadAgua, estabilidad, p.Coef_Agua, p.Coef_Agua_LP);
    otra(Fila::EstabilidadSimultanea, estabilidad, p.Coef_Simultaneo, p.Coef_Simultaneo_LP);
    otra(Fila::Deformacion, estabilidad && Hay_Calculo_Deformaciones(p), p.Dv_Relativa,
         p.Dv_Relativa_LP);
    return vista;
}

} // namespace tubrix
