#include "calc/tensiones.h"

#include "calc/comprobaciones.h"

#include <cmath>
#include <optional>

namespace tubrix {
namespace {

// Material group whose pipes have a profiled (structured) wall: the stresses come from the
// section modulus and area of the profile instead of the solid thickness.
constexpr std::int16_t kGrupoPared = 11;

struct TensionesPlazo {
    double clave = 0;
    double rinones = 0;
    double base = 0;
};

struct Resultados {
    double alfaKi = 0;
    double alfaKa = 0;
    TensionesPlazo corto;
    TensionesPlazo largo;
    std::optional<double> dv, dvRelativa, dvLP, dvRelativaLP;
};

// Bending adds to the normal stress on the inner fibre at crown and invert and on the outer
// fibre at the springline, each corrected for the curvature of the ring.
TensionesPlazo tensiones(const Proyecto& p, double alfaKi, double alfaKa,
                         const PorPunto<double>& sm, const PorPunto<double>& sn) {
    TensionesPlazo t;
    if (p.Codigo_Material != kGrupoPared) {
        const double s = p.Espesor;
        // 6000 = 6 (section modulus s^2/6) x 1000 (kN.m/m over mm^2 to N/mm2).
        t.clave = 6000.0 * sm[Punto::Clave] / (s * s) * alfaKi + sn[Punto::Clave] / s;
        t.rinones = sn[Punto::Rinones] / s - 6000.0 * sm[Punto::Rinones] / (s * s) * alfaKa;
        t.base = 6000.0 * sm[Punto::Base] / (s * s) * alfaKi + sn[Punto::Base] / s;
    } else {
        t.clave = sm[Punto::Clave] / p.W * alfaKi * 1000.0 + sn[Punto::Clave] * 1000.0 / p.Area;
        t.rinones =
            sn[Punto::Rinones] * 1000.0 / p.Area - sm[Punto::Rinones] / p.W * alfaKa * 1000.0;
        t.base = sm[Punto::Base] / p.W * alfaKi * 1000.0 + sn[Punto::Base] * 1000.0 / p.Area;
    }
    // The springline is checked on the magnitude of its stress; crown and invert keep the sign.
    if (t.rinones < 0)
        t.rinones = std::fabs(t.rinones);
    return t;
}

Resultado<void> exigeFinitas(const TensionesPlazo& t, std::string_view plazo) {
    if (std::isfinite(t.clave) && std::isfinite(t.rinones) && std::isfinite(t.base))
        return {};
    // The name of the failing stress is only built for the refusal.
    const std::string sufijo(plazo);
    if (auto ok = exigeFinito("la tensión en clave" + sufijo, t.clave); !ok)
        return ok;
    if (auto ok = exigeFinito("la tensión en riñones" + sufijo, t.rinones); !ok)
        return ok;
    return exigeFinito("la tensión en la base" + sufijo, t.base);
}

Resultado<Resultados> calcula(const Proyecto& p) {
    if (auto ok =
            exigeNoNulo("los factores de corrección por curvatura", "el radio medio Rm", p.Rm);
        !ok)
        return tl::unexpected(ok.error());
    if (p.Codigo_Material != kGrupoPared) {
        if (auto ok = exigeNoNulo("las tensiones", "el espesor de la pared", p.Espesor); !ok)
            return tl::unexpected(ok.error());
    } else {
        if (auto ok = exigeNoNulo("las tensiones", "el área del perfil de la pared", p.Area); !ok)
            return tl::unexpected(ok.error());
        if (auto ok = exigeNoNulo("las tensiones", "el módulo resistente W del perfil", p.W); !ok)
            return tl::unexpected(ok.error());
    }

    Resultados r;
    const double s = p.Espesor;
    const double rm = p.Rm;
    r.alfaKi = 1.0 + s / (3.0 * rm);
    r.alfaKa = 1.0 - s / (3.0 * rm);
    if (auto ok = exigeFinito("los factores de corrección por curvatura", r.alfaKi); !ok)
        return tl::unexpected(ok.error());

    r.corto = tensiones(p, r.alfaKi, r.alfaKa, p.Suma_Momentos, p.Suma_Axiales);
    if (auto ok = exigeFinitas(r.corto, " a corto plazo"); !ok)
        return tl::unexpected(ok.error());
    r.largo = tensiones(p, r.alfaKi, r.alfaKa, p.Suma_Momentos_LP, p.Suma_Axiales_LP);
    if (auto ok = exigeFinitas(r.largo, " a largo plazo"); !ok)
        return tl::unexpected(ok.error());

    if (Hay_Calculo_Deformaciones(p)) {
        if (auto ok = exigeNoNulo("la deformación a corto plazo", "la rigidez del tubo Sr", p.Sr);
            !ok)
            return tl::unexpected(ok.error());
        if (auto ok = exigeNoNulo("la deformación a largo plazo",
                                  "la rigidez del tubo a largo plazo Sr", p.Sr_LP);
            !ok)
            return tl::unexpected(ok.error());
        const double radio = rm / 1000.0;
        const double dv = (p.Qvt_Def - p.Qh_Def) * (2.0 * p.Cv_Estrella * radio) / p.Sr;
        const double dvLP =
            (p.Qvt_Def_LP - p.Qh_Def_LP) * (2.0 * p.Cv_Estrella_LP * radio) / p.Sr_LP;
        // Dv in mm over the diameter 2r in mm (2000 r), as a percentage: |Dv| / r / 20.
        const double dvRelativa = std::fabs(dv) / radio / 20.0;
        const double dvRelativaLP = std::fabs(dvLP) / radio / 20.0;
        if (auto ok = exigeFinito("la deformación a corto plazo", dvRelativa); !ok)
            return tl::unexpected(ok.error());
        if (auto ok = exigeFinito("la deformación a largo plazo", dvRelativaLP); !ok)
            return tl::unexpected(ok.error());
        r.dv = dv;
        r.dvRelativa = dvRelativa;
        r.dvLP = dvLP;
        r.dvRelativaLP = dvRelativaLP;
    }
    return r;
}

} // namespace

bool Hay_Calculo_Deformaciones(const Proyecto& p) {
    return p.Indicador_Deformacion_A == 1 || p.Indicador_Deformacion_B == 1;
}

Resultado<void> Calcula_Tensiones(Proyecto& p) {
    const auto r = calcula(p);
    if (!r)
        return tl::unexpected(r.error());
    p.Alfa_Ki = r->alfaKi;
    p.Alfa_Ka = r->alfaKa;
    p.Sigma_Clave = r->corto.clave;
    p.Sigma_Rinones = r->corto.rinones;
    p.Sigma_Base = r->corto.base;
    p.Sigma_Clave_LP = r->largo.clave;
    p.Sigma_Rinones_LP = r->largo.rinones;
    p.Sigma_Base_LP = r->largo.base;
    if (r->dv) {
        p.Dv = *r->dv;
        p.Dv_Relativa = *r->dvRelativa;
        p.Dv_LP = *r->dvLP;
        p.Dv_Relativa_LP = *r->dvRelativaLP;
    }
    return {};
}

VisibilidadTensiones Visibilidad_Tensiones(const Proyecto& p) {
    return VisibilidadTensiones{p.Largo_Plazo == 1, Hay_Calculo_Deformaciones(p)};
}

VistaTensiones Vista_Tensiones(const Proyecto& p, const Catalogo& catalogo,
                               const Separadores& separadores) {
    VistaTensiones vista;
    vista.visibilidad = Visibilidad_Tensiones(p);
    const auto factor = [&](double v) {
        return formatea(v, kFormatoFactor, separadores);
    };
    const auto tension = [&](double v) {
        return formatea(v, kFormatoTension, separadores);
    };
    auto& c = vista.celdas;
    c[0] = factor(p.Alfa_Ki);
    c[1] = factor(p.Alfa_Ka);
    c[2] = factor(p.Rotura_Flexotraccion);
    c[3] = tension(p.Sigma_Clave);
    c[4] = tension(p.Sigma_Rinones);
    if (const Grupo* grupo = catalogo.buscaGrupo(p.Codigo_Material))
        c[5] = grupo->material;
    c[6] = tension(p.Sigma_Base);
    if (vista.visibilidad.deformacionesHabilitadas) {
        c[7] = factor(p.Dv);
        c[8] = factor(p.Dv_Relativa);
        c[9] = factor(p.Dv_LP);
        c[10] = factor(p.Dv_Relativa_LP);
    }
    if (vista.visibilidad.largoPlazoVisible) {
        c[11] = tension(p.Sigma_Clave_LP);
        c[12] = tension(p.Sigma_Rinones_LP);
        c[13] = tension(p.Sigma_Base_LP);
    }
    return vista;
}

} // namespace tubrix
