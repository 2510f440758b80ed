#include "calc/distribucion_cargas.h"

#include "calc/comprobaciones.h"
#include "format/ida_y_vuelta.h"
#include "util/ultimo_valor.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tubrix {
namespace {

bool esTerraplen(const Proyecto& p) {
    return p.Caso_Zanja == 2.0;
}

// The corrections of E2 for a narrow trench (alfa') and for groundwater (f).
struct Correccion {
    double Relacion_BD = 0;
    double Alfa_Bi = 0;
    double Alfa_Bi_Prima = 0;
    double Coeficiente_F = 0;
};

Resultado<Correccion> calculaCorreccion(const Proyecto& p) {
    Correccion c;
    if (!esTerraplen(p)) {
        if (auto r = exigeNoNulo("la relación B/D", "el diámetro exterior del tubo",
                                 p.Diametro_Exterior);
            !r)
            return fallo<Correccion>(r);
        c.Relacion_BD = p.B_Calculo / p.Diametro_Exterior * 1000;
        const auto alfa = Calcula_alfa_bi(c.Relacion_BD, p.Condicion_Relleno);
        if (!alfa)
            return falla(CodigoError::DatoNoCalculable,
                         "No se puede calcular el módulo de deformación corregido (E2'): la "
                         "condición de relleno " +
                             std::to_string(p.Condicion_Relleno) + " no existe (A1 a A4).");
        c.Alfa_Bi = *alfa;
    } else {
        // An embankment is an infinitely wide trench: no narrowness correction.
        c.Relacion_BD = 0;
        c.Alfa_Bi = 1;
    }
    c.Alfa_Bi_Prima = 1 - (4 - c.Relacion_BD) * (1 - c.Alfa_Bi) / 3;
    if (c.Relacion_BD >= 4)
        c.Alfa_Bi_Prima = 1;

    // Groundwater softens a fill compacted below 95 % Proctor.
    if (p.Hw != 0) {
        c.Coeficiente_F = (p.Compactacion_2 - 75) / 20;
        if (c.Coeficiente_F > 1)
            c.Coeficiente_F = 1;
    } else {
        c.Coeficiente_F = 1;
    }
    return c;
}

// Trench width factor delta f, capped at 1.44.
Resultado<double> calculaFactorAnchura(double relacionBD) {
    const double denominador = 0.444 * (relacionBD - 1) + 1.154;
    if (denominador == 0)
        return tl::unexpected(
            noCalculable("el factor de anchura de la zanja", "la relación B/D", relacionBD));
    double df = (relacionBD - 1) / denominador;
    if (df > 1.44)
        df = 1.44;
    return df;
}

// Pipe stiffness Sr in N/mm2 with the modulus E; ring-stiffness materials use their SN.
Resultado<double> calculaSr(const Proyecto& p, double E, std::string_view magnitud) {
    const auto m = p.Codigo_Material;
    if (m == 6 || m == 7 || m == 11)
        return 8 * p.Rigidez_Circunferencial / 1000;
    if (auto r = exigeNoNulo(magnitud, "el radio medio del tubo (Rm)", p.Rm); !r)
        return fallo<double>(r);
    // The pipe's radius: the same from section to section of a batch.
    thread_local UltimoValor cubo;
    return p.Momento_Inercia * 1e9 * E / cubo(p.Rm, [](double r) { return std::pow(r, 3); });
}

Resultado<CoeficientesDeformacion> columnaApoyo(const Proyecto& p) {
    const auto columna = Carga_Valores(p.Angulo_Apoyo);
    if (!columna)
        return falla(CodigoError::DatoNoCalculable,
                     "El ángulo de apoyo de " +
                         formateaGeneral(p.Angulo_Apoyo, Separadores::espanol()) +
                         " grados no tiene coeficientes de deformación (60, 90, 120 o 180 "
                         "grados).");
    return *columna;
}

// Which test marks a stiff pipe, and what it does.
enum class ReglaRigido {
    VRBzeroK, // VRB > 0.1: K* = 0, Cv* = cv,qv
    VsKeepsK, // Vs > 1.0: Cv* = cv,qv, K* kept
};

struct Rigidez {
    double E2c = 0, Sr = 0, Zeta = 0, SBH = 0, VRB = 0, K2 = 0, SBV = 0, K = 0, Cv = 0, Vs = 0;
};

struct DatosRigidez {
    double E2c;        // corrected E2'
    double Sr;         // pipe stiffness
    double deltaF;     // trench width factor
    double divisorSBV; // SBV = E2' / divisor
    CoeficientesDeformacion columna;
    ReglaRigido regla;
};

// Steps shared by every member: zeta, SBH, VRB, K2, SBV, K*, Cv*, Vs.
Resultado<Rigidez> calculaRigidez(const Proyecto& p, const DatosRigidez& d) {
    Rigidez s;
    s.E2c = d.E2c;
    s.Sr = d.Sr;
    if (auto r = exigeNoNulo("la rigidez horizontal del relleno (SBH)",
                             "el módulo de deformación corregido (E2')", d.E2c);
        !r)
        return fallo<Rigidez>(r);

    if (esTerraplen(p)) {
        s.Zeta = 1;
    } else {
        constexpr auto zeta = "el factor de corrección de la rigidez horizontal (ζ)";
        if (auto r = exigeNoNulo(zeta, "el módulo de deformación E3", p.E3); !r)
            return fallo<Rigidez>(r);
        const double denominador = d.deltaF + (1.44 - d.deltaF) * d.E2c / p.E3;
        if (auto r = exigeNoNulo(zeta, "el denominador Δf + (1,44 - Δf)·E2'/E3", denominador); !r)
            return fallo<Rigidez>(r);
        s.Zeta = 1.44 / denominador;
    }

    s.SBH = 0.6 * s.Zeta * d.E2c;
    if (auto r = exigeNoNulo("la rigidez del sistema tubo-suelo (VRB)",
                             "la rigidez horizontal del relleno (SBH)", s.SBH);
        !r)
        return fallo<Rigidez>(r);
    s.VRB = s.Sr / s.SBH;

    // A stiff pipe takes the at-rest pressure; a flexible one the pressure of its soil group.
    if (s.VRB > 0.1) {
        s.K2 = 0.5;
    } else {
        switch (p.Grupo_Suelo_2) {
        case 1:
            s.K2 = 0.4;
            break;
        case 2:
            s.K2 = 0.3;
            break;
        case 3:
            s.K2 = 0.2;
            break;
        case 4:
            s.K2 = 0.1;
            break;
        default:
            return falla(CodigoError::DatoNoCalculable,
                         "No se puede calcular la relación de la presión lateral (K2): el grupo "
                         "de suelo de la zona 2 vale " +
                             std::to_string(p.Grupo_Suelo_2) + " (1 a 4).");
        }
    }

    if (auto r = exigeNoNulo("la rigidez vertical del relleno (SBV)",
                             "la relación de proyección (Pj)", d.divisorSBV);
        !r)
        return fallo<Rigidez>(r);
    s.SBV = d.E2c / d.divisorSBV;

    const auto& c = d.columna;
    if (s.VRB - c.Ch2 == 0)
        return tl::unexpected(noCalculable("el coeficiente de reacción del relleno (K*)",
                                           "la rigidez del sistema tubo-suelo (VRB)", s.VRB));
    s.K = c.Ch1 / (s.VRB - c.Ch2);
    s.Cv = c.Cv1 + s.K * c.Cv2;
    const auto vsFlexible = [&]() -> Resultado<double> {
        if (auto r = exigeNoNulo("la relación de rigidez entre el tubo y el terreno (Vs)",
                                 "el coeficiente de deformación (Cv*)", s.Cv);
            !r)
            return fallo<double>(r);
        return s.Sr / std::abs(s.Cv) / s.SBV;
    };
    const double vsRigido = s.Sr / std::abs(c.Cv1) / s.SBV;

    if (d.regla == ReglaRigido::VRBzeroK) {
        if (s.VRB > 0.1) {
            // A stiff pipe meets no bedding reaction.
            s.K = 0;
            s.Cv = c.Cv1;
            s.Vs = vsRigido;
        } else {
            const auto vs = vsFlexible();
            if (!vs)
                return tl::unexpected(vs.error());
            s.Vs = *vs;
        }
    } else {
        const auto vs = vsFlexible();
        if (!vs)
            return tl::unexpected(vs.error());
        s.Vs = *vs;
        // The long-term stress set keeps K*; only the other sets zero it.
        if (s.Vs > 1.0) {
            s.Cv = c.Cv1;
            s.Vs = vsRigido;
        }
    }
    return s;
}

Resultado<void> exigeFinitos(const Rigidez& s) {
    // Nearly every section passes: one plain test of every member before the named checks.
    if (std::isfinite(s.E2c) && std::isfinite(s.Sr) && std::isfinite(s.Zeta) &&
        std::isfinite(s.SBH) && std::isfinite(s.VRB) && std::isfinite(s.K2) &&
        std::isfinite(s.SBV) && std::isfinite(s.K) && std::isfinite(s.Cv) && std::isfinite(s.Vs))
        return {};
    return tubrix::exigeFinitos({{"E2'", s.E2c},
                                 {"Sr", s.Sr},
                                 {"ζ", s.Zeta},
                                 {"SBH", s.SBH},
                                 {"VRB", s.VRB},
                                 {"K2", s.K2},
                                 {"SBV", s.SBV},
                                 {"K*", s.K},
                                 {"Cv*", s.Cv},
                                 {"Vs", s.Vs}});
}

Resultado<void> exigeFinitos(const Correccion& c, double deltaF) {
    return tubrix::exigeFinitos({{"B/D", c.Relacion_BD},
                                 {"α", c.Alfa_Bi},
                                 {"α'", c.Alfa_Bi_Prima},
                                 {"f", c.Coeficiente_F},
                                 {"Δf", deltaF}});
}

void guarda(Proyecto& p, const Correccion& c, double deltaF) {
    p.Relacion_BD = c.Relacion_BD;
    p.Alfa_Bi = c.Alfa_Bi;
    p.Alfa_Bi_Prima = c.Alfa_Bi_Prima;
    p.Coeficiente_F = c.Coeficiente_F;
    p.Factor_Anchura = deltaF;
}

} // namespace

std::optional<CoeficientesDeformacion> Carga_Valores(double anguloApoyo) {
    // Rows: ch,qv; ch,qh*; cv,qv; cv,qh*. A wider bedding carries the ring better.
    if (anguloApoyo == 60)
        return CoeficientesDeformacion{0.1026, -0.0658, -0.1053, 0.064};
    if (anguloApoyo == 90)
        return CoeficientesDeformacion{0.0956, -0.0658, -0.0966, 0.064};
    if (anguloApoyo == 120)
        return CoeficientesDeformacion{0.0891, -0.0658, -0.0893, 0.064};
    if (anguloApoyo == 180)
        return CoeficientesDeformacion{0.0833, -0.0658, -0.0833, 0.064};
    return std::nullopt;
}

std::optional<double> Calcula_alfa_bi(double /*relacionBD*/, std::int16_t condicionRelleno) {
    switch (condicionRelleno) {
    case 1:
        return 2.0 / 3.0;
    case 2:
        return 1.0 / 3.0;
    case 3:
        return 0.0; // shored trench: the boards drawn leave the side fill loose
    case 4:
        return 1.0;
    default:
        return std::nullopt;
    }
}

Resultado<void> Calcula_Distribucion_Cargas_Tensiones(Proyecto& p) {
    const auto columna = columnaApoyo(p);
    if (!columna)
        return tl::unexpected(columna.error());
    const auto correccion = calculaCorreccion(p);
    if (!correccion)
        return tl::unexpected(correccion.error());
    const double E2c = correccion->Coeficiente_F * correccion->Alfa_Bi_Prima * p.E2;
    const auto Sr = calculaSr(p, p.Et, "la rigidez del tubo (Sr)");
    if (!Sr)
        return tl::unexpected(Sr.error());
    const auto deltaF = calculaFactorAnchura(correccion->Relacion_BD);
    if (!deltaF)
        return tl::unexpected(deltaF.error());
    const auto s = calculaRigidez(
        p, {E2c, *Sr, *deltaF, p.Relacion_Proyeccion, *columna, ReglaRigido::VRBzeroK});
    if (!s)
        return tl::unexpected(s.error());
    if (auto r = exigeFinitos(*correccion, *deltaF); !r)
        return r;
    if (auto r = exigeFinitos(*s); !r)
        return r;

    guarda(p, *correccion, *deltaF);
    p.E2_Corregido_Tensiones = s->E2c;
    p.Sr_Tensiones = s->Sr;
    p.Zeta_Tensiones = s->Zeta;
    p.SBH_Tensiones = s->SBH;
    p.VRB_Tensiones = s->VRB;
    p.K2_Lateral_Tensiones = s->K2;
    p.SBV_Tensiones = s->SBV;
    p.K_Estrella_Tensiones = s->K;
    p.Cv_Estrella_Tensiones = s->Cv;
    p.Vs_Tensiones = s->Vs;
    return {};
}

Resultado<void> Calcula_Distribucion_Cargas_Tensiones_Largo(Proyecto& p) {
    const auto columna = columnaApoyo(p);
    if (!columna)
        return tl::unexpected(columna.error());
    // B/D, alfa', f and delta f are those the short-term calculation left.
    const double E2c = p.Coeficiente_F * p.Alfa_Bi_Prima * p.E2;
    const auto Sr = calculaSr(p, p.Et_LP, "la rigidez del tubo a largo plazo (Sr)");
    if (!Sr)
        return tl::unexpected(Sr.error());
    double deltaF = p.Factor_Anchura;
    if (deltaF > 1.44)
        deltaF = 1.44;
    const auto s = calculaRigidez(
        p, {E2c, *Sr, deltaF, p.Relacion_Proyeccion, *columna, ReglaRigido::VsKeepsK});
    if (!s)
        return tl::unexpected(s.error());
    if (auto r = exigeFinitos(*s); !r)
        return r;

    p.E2_Corregido_Tensiones_LP = s->E2c;
    p.Sr_Tensiones_LP = s->Sr;
    p.Zeta_Tensiones_LP = s->Zeta;
    p.SBH_Tensiones_LP = s->SBH;
    p.VRB_Tensiones_LP = s->VRB;
    p.K2_Lateral_Tensiones_LP = s->K2;
    p.SBV_Tensiones_LP = s->SBV;
    p.K_Estrella_Tensiones_LP = s->K;
    p.Cv_Estrella_Tensiones_LP = s->Cv;
    p.Vs_Tensiones_LP = s->Vs;
    return {};
}

Resultado<void> Calcula_Distribucion_Cargas_Deformaciones(Proyecto& p) {
    const auto columna = *Carga_Valores(kAnguloApoyoDeformaciones);
    const auto correccion = calculaCorreccion(p);
    if (!correccion)
        return tl::unexpected(correccion.error());
    // Deflection is checked against two thirds of the corrected modulus, in both columns.
    const double E2c = correccion->Coeficiente_F * correccion->Alfa_Bi_Prima * p.E2 * 2 / 3;
    const auto Sr = calculaSr(p, p.Et, "la rigidez del tubo (Sr)");
    if (!Sr)
        return tl::unexpected(Sr.error());
    // The long-term stiffness follows the creep of the modulus, whatever the material.
    if (auto r = exigeNoNulo("la rigidez del tubo a largo plazo (Sr)",
                             "el módulo de elasticidad a corto plazo (Et)", p.Et);
        !r)
        return r;
    const double SrLP = *Sr * p.Et_LP / p.Et;
    const auto deltaF = calculaFactorAnchura(correccion->Relacion_BD);
    if (!deltaF)
        return tl::unexpected(deltaF.error());

    const auto corto = calculaRigidez(p, {E2c, *Sr, *deltaF, 1.0, columna, ReglaRigido::VRBzeroK});
    if (!corto)
        return tl::unexpected(corto.error());
    const auto largo = calculaRigidez(p, {E2c, SrLP, *deltaF, 1.0, columna, ReglaRigido::VRBzeroK});
    if (!largo)
        return tl::unexpected(largo.error());
    if (auto r = exigeFinitos(*correccion, *deltaF); !r)
        return r;
    if (auto r = exigeFinitos(*corto); !r)
        return r;
    if (auto r = exigeFinitos(*largo); !r)
        return r;

    guarda(p, *correccion, *deltaF);
    p.E2_Corregido = corto->E2c;
    p.Sr = corto->Sr;
    p.Zeta = corto->Zeta;
    p.SBH = corto->SBH;
    p.VRB = corto->VRB;
    p.K2_Lateral = corto->K2;
    p.SBV = corto->SBV;
    p.K_Estrella = corto->K;
    p.Cv_Estrella = corto->Cv;
    p.Vs = corto->Vs;

    p.E2_Corregido_LP = largo->E2c;
    p.Sr_LP = largo->Sr;
    p.Zeta_LP = largo->Zeta;
    p.SBH_LP = largo->SBH;
    p.VRB_LP = largo->VRB;
    p.K2_Lateral_LP = largo->K2;
    p.SBV_LP = largo->SBV;
    p.K_Estrella_LP = largo->K;
    p.Cv_Estrella_LP = largo->Cv;
    p.Vs_LP = largo->Vs;
    return {};
}

} // namespace tubrix
