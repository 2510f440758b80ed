#include "calc/cargas_calculo.h"

#include "calc/comprobaciones.h"

namespace tubrix {
namespace {

// The factors of one column of loads.
struct Factores {
    double Lambda_RG;
    double Lambda_B;
    double K2;
    double VRB;
    double K_Estrella;
};

struct Cargas {
    double Qvt = 0;
    double Qh = 0;
    double Qh_Estrella = 0;
};

Cargas calculaColumna(const Proyecto& p, const Factores& f, bool conTrafico) {
    const double D = p.Diametro_Exterior;
    const bool terraplenSobreZanja = p.Caso_Zanja == 3.0;
    const double suelo = terraplenSobreZanja ? p.Cz * p.Gamma_1 * p.H1 + p.Cn * p.Gamma_2 * p.H2
                                             : p.Cz * p.Gamma_1 * p.H_Total;
    Cargas c;
    // The soil and the surface load concentrate over the pipe; traffic acts as computed.
    c.Qvt = (suelo + p.Xoc * p.P0) * f.Lambda_RG;
    if (conTrafico)
        c.Qvt = c.Qvt + p.Pv;
    // Lateral earth pressure at the springline: the soil at the crown plus half a diameter.
    // Outside case 3 it takes Gamma_2 where the vertical load takes Gamma_1: kept as designed.
    if (terraplenSobreZanja)
        c.Qh = (p.Cz * p.Gamma_1 * p.H1 + p.Cn * p.Gamma_2 * p.H2) * (f.K2 * f.Lambda_B) +
               p.Gamma_1 * f.K2 * D / 2000;
    else
        c.Qh = p.Cz * p.Gamma_2 * p.H_Total * (f.K2 * f.Lambda_B) + p.Gamma_2 * f.K2 * D / 2000;
    // A stiff pipe hardly deflects, so the side fill answers with no reaction.
    c.Qh_Estrella = f.VRB > 0.1 ? 0.0 : (c.Qvt - c.Qh) * f.K_Estrella;
    return c;
}

Resultado<void> exigeFinitos(const Cargas& c) {
    if (auto r = exigeFinito("Qvt", c.Qvt); !r)
        return r;
    if (auto r = exigeFinito("Qh", c.Qh); !r)
        return r;
    return exigeFinito("Qh*", c.Qh_Estrella);
}

} // namespace

Resultado<void> Calcula_Cargas_Calculo_Tensiones(Proyecto& p) {
    const Cargas corto =
        calculaColumna(p,
                       {p.Lambda_RG_Tensiones, p.Lambda_B_Tensiones, p.K2_Lateral_Tensiones,
                        p.VRB_Tensiones, p.K_Estrella_Tensiones},
                       true);
    const Cargas largo =
        calculaColumna(p,
                       {p.Lambda_RG_Tensiones_LP, p.Lambda_B_Tensiones_LP,
                        p.K2_Lateral_Tensiones_LP, p.VRB_Tensiones_LP, p.K_Estrella_Tensiones_LP},
                       true);
    if (auto r = exigeFinitos(corto); !r)
        return r;
    if (auto r = exigeFinitos(largo); !r)
        return r;
    p.Qvt = corto.Qvt;
    p.Qh = corto.Qh;
    p.Qh_Estrella = corto.Qh_Estrella;
    p.Qvt_LP = largo.Qvt;
    p.Qh_LP = largo.Qh;
    p.Qh_Estrella_LP = largo.Qh_Estrella;
    return {};
}

Resultado<void> Calcula_Cargas_Calculo_Deformaciones(Proyecto& p) {
    // The short-term deflection leaves the traffic load out; the long-term one keeps it.
    const Cargas corto =
        calculaColumna(p, {p.Lambda_RG, p.Lambda_B, p.K2_Lateral, p.VRB, p.K_Estrella}, false);
    const Cargas largo = calculaColumna(
        p, {p.Lambda_RG_LP, p.Lambda_B_LP, p.K2_Lateral_LP, p.VRB_LP, p.K_Estrella_LP}, true);
    if (auto r = exigeFinitos(corto); !r)
        return r;
    if (auto r = exigeFinitos(largo); !r)
        return r;
    p.Qvt_Def = corto.Qvt;
    p.Qh_Def = corto.Qh;
    p.Qh_Estrella_Def = corto.Qh_Estrella;
    p.Qvt_Def_LP = largo.Qvt;
    p.Qh_Def_LP = largo.Qh;
    p.Qh_Estrella_Def_LP = largo.Qh_Estrella;
    return {};
}

} // namespace tubrix
