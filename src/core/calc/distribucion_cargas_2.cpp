#include "calc/distribucion_cargas_2.h"

#include "calc/comprobaciones.h"
#include "util/ultimo_valor.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

namespace tubrix {
namespace {

constexpr auto kDiametro = "el diámetro exterior del tubo";

struct Concentracion {
    double A_Prima = 0, Lambda_R = 0, Lambda_Max = 0, Lambda_B = 0, Lambda_RG = 0, Vs = 0;
};

// The values one set reads from its stiffness calculation.
struct Rigidez {
    double E2c; // corrected E2'
    double K2;
    double Vs;
};

// How lambda RG treats an embankment.
enum class Terraplen {
    SinReduccion, // lambda RG = lambda R
    ComoZanja,    // the trench formula with the stored B/D (0 for an embankment)
};

// Lambda R: the concentration over the pipe, between the soil-only value c (Vs = 0) and the
// maximum for a stiff pipe; Vs = d is the pipe that takes exactly its share.
Resultado<double> calculaLambdaR(double aPrima, double K2, double Vs, double lambdaMax) {
    constexpr auto magnitud = "el factor de concentración sobre el tubo (λR)";
    const double c = 4 * K2 / (K2 + 3);
    const double d = (1 - K2) / (1 - 0.25 / aPrima);
    double lambdaR = 0;
    if (Vs == 0) {
        lambdaR = c;
    } else if (Vs == d) {
        lambdaR = 1;
    } else {
        if (1 - c == 0)
            return tl::unexpected(noCalculable(magnitud, "el coeficiente K2", K2));
        const double denominador = d / (1 - c) * (lambdaMax - 1) + Vs;
        if (auto r = exigeNoNulo(magnitud, "el denominador d/(1 - c)·(λmax - 1) + Vs", denominador);
            !r)
            return fallo<double>(r);
        lambdaR = (c * d / (1 - c) * (lambdaMax - 1) + Vs * lambdaMax) / denominador;
    }
    if (lambdaR > 4)
        lambdaR = 4;
    return lambdaR;
}

Resultado<Concentracion> calculaConcentracion(const Proyecto& p, const Rigidez& rigidez,
                                              Terraplen terraplen) {
    constexpr auto aPrima = "la descarga relativa efectiva (a')";
    if (auto r = exigeNoNulo(aPrima, "el módulo de deformación E1", p.E1); !r)
        return fallo<Concentracion>(r);
    if (auto r = exigeNoNulo(aPrima, "el módulo de deformación corregido (E2')", rigidez.E2c); !r)
        return fallo<Concentracion>(r);

    Concentracion s;
    s.Vs = rigidez.Vs;
    s.A_Prima = p.Relacion_Proyeccion * p.E1 / rigidez.E2c;
    if (s.A_Prima <= 0.25) {
        // A bedding that settles as much as the soil beside it: no concentration at all.
        s.A_Prima = 0.25;
        s.Lambda_Max = 1;
        s.Lambda_R = 1;
        s.Lambda_B = 1;
        s.Lambda_RG = 1;
        s.Vs = 0;
    } else {
        constexpr auto maximo = "el máximo factor de concentración";
        if (auto r = exigeNoNulo(maximo, "el módulo de deformación E4", p.E4); !r)
            return fallo<Concentracion>(r);
        if (auto r = exigeNoNulo(maximo, kDiametro, p.Diametro_Exterior); !r)
            return fallo<Concentracion>(r);
        const double r = (p.E4 / p.E1) * (s.A_Prima - 0.25);
        const double h = p.H_Total / (p.Diametro_Exterior / 1000);
        const double t1 = 2.2 / r + 3.5 / s.A_Prima;
        const double t2 = (1.6 / r + 0.62 / s.A_Prima) * h;
        if (auto e = exigeNoNulo(maximo, "el denominador t1 + t2", t2 + t1); !e)
            return fallo<Concentracion>(e);
        s.Lambda_Max = h / (t2 + t1) + 1;

        const auto lambdaR = calculaLambdaR(s.A_Prima, rigidez.K2, s.Vs, s.Lambda_Max);
        if (!lambdaR)
            return tl::unexpected(lambdaR.error());
        s.Lambda_R = *lambdaR;
        // What concentrates over the pipe is missing beside it.
        s.Lambda_B = (4 - s.Lambda_R) / 3;
    }

    // A trench narrower than four diameters cannot build up the full concentration.
    if (terraplen == Terraplen::SinReduccion && p.Caso_Zanja == 2.0)
        s.Lambda_RG = s.Lambda_R;
    else if (p.Relacion_BD > 4)
        s.Lambda_RG = s.Lambda_R;
    else
        s.Lambda_RG = p.Relacion_BD * (s.Lambda_R - 1) / 3 + (4 - s.Lambda_R) / 3;
    return s;
}

struct Limites {
    double Lambda_Fo = 0;
    double Lambda_Fu = 0;
    double tope = 0; // 1 + 2 tan(rho)
};

Resultado<Limites> calculaLimites(const Proyecto& p) {
    constexpr auto inferior = "el valor límite inferior (λfu)";
    if (auto r = exigeNoNulo(inferior, kDiametro, p.Diametro_Exterior); !r)
        return fallo<Limites>(r);
    if (auto r = exigeNoNulo(inferior, "el ángulo de rozamiento interno (ρ)", p.Ro); !r)
        return fallo<Limites>(r);
    if (auto r = exigeNoNulo(inferior, "la altura total de recubrimiento (H)", p.H_Total); !r)
        return fallo<Limites>(r);
    // The soil's angle: the same from section to section of a batch.
    thread_local UltimoValor tangente;
    const double t = tangente(p.Ro * p.Rad_Por_Grado, [](double a) { return std::tan(a); });
    Limites l;
    l.Lambda_Fo = p.H_Total > 10 ? 2.5 : 4 - 0.15 * p.H_Total;
    const double x = p.H_Total * t / p.Diametro_Exterior * 1000;
    if (auto r = exigeNoNulo(inferior, "el exponente H·tan(ρ)/D", x); !r)
        return fallo<Limites>(r);
    l.Lambda_Fu = (1 - std::exp(-x)) / x;
    l.tope = 1 + 2 * t;
    return l;
}

double limita(double lambdaRG, const Limites& l) {
    if (lambdaRG > l.Lambda_Fo)
        lambdaRG = l.Lambda_Fo;
    if (lambdaRG < l.Lambda_Fu)
        lambdaRG = l.Lambda_Fu;
    if (lambdaRG > l.tope)
        lambdaRG = l.tope;
    return lambdaRG;
}

Resultado<void> exigeFinitos(const Concentracion& s) {
    // Nearly every section passes: one plain test of every member before the named checks.
    if (std::isfinite(s.A_Prima) && std::isfinite(s.Lambda_R) && std::isfinite(s.Lambda_Max) &&
        std::isfinite(s.Lambda_B) && std::isfinite(s.Lambda_RG) && std::isfinite(s.Vs))
        return {};
    return tubrix::exigeFinitos({{"a'", s.A_Prima},
                                 {"λR", s.Lambda_R},
                                 {"λmax", s.Lambda_Max},
                                 {"λB", s.Lambda_B},
                                 {"λRG", s.Lambda_RG},
                                 {"Vs", s.Vs}});
}

Resultado<void> exigeFinitos(const Limites& l) {
    return tubrix::exigeFinitos({{"λfo", l.Lambda_Fo}, {"λfu", l.Lambda_Fu}});
}

} // namespace

Resultado<void> Calcula_Distribucion_Cargas_2_Tensiones(Proyecto& p) {
    auto s =
        calculaConcentracion(p, {p.E2_Corregido_Tensiones, p.K2_Lateral_Tensiones, p.Vs_Tensiones},
                             Terraplen::SinReduccion);
    if (!s)
        return tl::unexpected(s.error());
    const auto limites = calculaLimites(p);
    if (!limites)
        return tl::unexpected(limites.error());
    s->Lambda_RG = limita(s->Lambda_RG, *limites);
    if (auto r = exigeFinitos(*s); !r)
        return r;
    if (auto r = exigeFinitos(*limites); !r)
        return r;

    p.A_Prima_Tensiones = s->A_Prima;
    p.Lambda_R_Tensiones = s->Lambda_R;
    p.Lambda_Max_Tensiones = s->Lambda_Max;
    p.Lambda_B_Tensiones = s->Lambda_B;
    p.Lambda_RG_Tensiones = s->Lambda_RG;
    p.Vs_Tensiones = s->Vs;
    p.Lambda_Fo = limites->Lambda_Fo;
    p.Lambda_Fu = limites->Lambda_Fu;
    return {};
}

Resultado<void> Calcula_Distribucion_Cargas_2_Tensiones_Largo(Proyecto& p) {
    // The long-term set has no embankment case and limits only cases 1 and 2: kept as designed.
    auto s = calculaConcentracion(
        p, {p.E2_Corregido_Tensiones_LP, p.K2_Lateral_Tensiones_LP, p.Vs_Tensiones_LP},
        Terraplen::ComoZanja);
    if (!s)
        return tl::unexpected(s.error());
    std::optional<Limites> limites;
    if (p.Caso_Zanja == 1.0 || p.Caso_Zanja == 2.0) {
        const auto l = calculaLimites(p);
        if (!l)
            return tl::unexpected(l.error());
        limites = *l;
        s->Lambda_RG = limita(s->Lambda_RG, *limites);
        if (auto r = exigeFinitos(*limites); !r)
            return r;
    }
    if (auto r = exigeFinitos(*s); !r)
        return r;

    p.A_Prima_Tensiones_LP = s->A_Prima;
    p.Lambda_R_Tensiones_LP = s->Lambda_R;
    p.Lambda_Max_Tensiones_LP = s->Lambda_Max;
    p.Lambda_B_Tensiones_LP = s->Lambda_B;
    p.Lambda_RG_Tensiones_LP = s->Lambda_RG;
    p.Vs_Tensiones_LP = s->Vs;
    if (limites) {
        p.Lambda_Fo = limites->Lambda_Fo;
        p.Lambda_Fu = limites->Lambda_Fu;
    }
    return {};
}

Resultado<void> Calcula_Distribucion_Cargas_2_Deformaciones(Proyecto& p) {
    auto corto =
        calculaConcentracion(p, {p.E2_Corregido, p.K2_Lateral, p.Vs}, Terraplen::SinReduccion);
    if (!corto)
        return tl::unexpected(corto.error());
    auto largo = calculaConcentracion(p, {p.E2_Corregido_LP, p.K2_Lateral_LP, p.Vs_LP},
                                      Terraplen::SinReduccion);
    if (!largo)
        return tl::unexpected(largo.error());
    const auto limites = calculaLimites(p);
    if (!limites)
        return tl::unexpected(limites.error());
    corto->Lambda_RG = limita(corto->Lambda_RG, *limites);
    largo->Lambda_RG = limita(largo->Lambda_RG, *limites);
    if (auto r = exigeFinitos(*corto); !r)
        return r;
    if (auto r = exigeFinitos(*largo); !r)
        return r;
    if (auto r = exigeFinitos(*limites); !r)
        return r;

    p.A_Prima = corto->A_Prima;
    p.Lambda_R = corto->Lambda_R;
    p.Lambda_Max = corto->Lambda_Max;
    p.Lambda_B = corto->Lambda_B;
    p.Lambda_RG = corto->Lambda_RG;
    p.Vs = corto->Vs;
    p.A_Prima_LP = largo->A_Prima;
    p.Lambda_R_LP = largo->Lambda_R;
    p.Lambda_Max_LP = largo->Lambda_Max;
    p.Lambda_B_LP = largo->Lambda_B;
    p.Lambda_RG_LP = largo->Lambda_RG;
    p.Vs_LP = largo->Vs;
    p.Lambda_Fo = limites->Lambda_Fo;
    p.Lambda_Fu = limites->Lambda_Fu;
    return {};
}

} // namespace tubrix
