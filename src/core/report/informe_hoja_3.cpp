#include "calc/distribucion_cargas.h"
#include "chain/pasos.h"
#include "report/apartados_informe.h"

#include <array>

namespace tubrix::apartados {

void cargas(Redactor& r, const Proyecto& p) {
    r.titulo("CARGAS QUE SE EMPLEARÁN EN LOS CÁLCULOS:");
    r.subtitulo("Cargas debidas a la tierra:");
    r.fila("Coeficiente carga de tierras (Cz):", {r.v(p.Cz)});
    r.fila("Coeficiente carga de tierras (Cz90):", {r.v(p.Cz90)});
    r.fila("Coeficiente (Cn):", {r.v(p.Cn)});
    r.fila("Coeficiente (Cn90):", {r.v(p.Cn90)});
    r.fila("Carga vertical tierras (Pe):", {r.v(p.Pe, kPatronGeneral, " kN/m2.")});
    r.subtitulo("Cargas debidas al tráfico:");
    const int vehiculo = p.Tipo_Vehiculo;
    if (vehiculo >= 1 && vehiculo <= 5) {
        struct Fijos {
            const char* fa;
            const char* fe;
            double ra;
            double re;
        };
        static constexpr std::array<Fijos, 5> kFijos = {{{"40", "80", 1.15, 2.26},
                                                         {"47", "200", 0.17, 1.9},
                                                         {"50", "250", 0.18, 1.82},
                                                         {"75", "375", 0.22, 1.82},
                                                         {"100", "500", 0.25, 1.82}}};
        const Fijos& f = kFijos[static_cast<std::size_t>(vehiculo - 1)];
        r.fila("Valor FA", {f.fa});
        r.fila("Valor FE", {f.fe});
        r.fila("Valor rA:", {r.v(f.ra)});
        r.fila("Valor rE:", {r.v(f.re)});
        r.fila("Carga máx. de Boussinesq (Pf):", {r.v(p.Pf, kPatronGeneral, " kN/m2.")});
        r.fila("Factor de corrección (af):", {r.v(p.aF)});
        r.fila("Carga vertical tráfico (P):", {r.v(p.P, kPatronGeneral, " kN/m2.")});
        r.fila("Factor de impacto (FI):", {r.v(p.Fi)});
        r.fila("Carga vertical mayorada (Pv):", {r.v(p.Pv, kPatronGeneral, " kN/m2.")});
    }
    r.sangria(false);
    if (p.Hay_Cargas_Superficie != 0)
        r.fila("Carga superficial (P0):", {r.v(p.P0, kPatronGeneral, " kN/m2.")});
}

void distribucionDeCargas(Redactor& r, const Proyecto& p) {
    const bool largo = p.Largo_Plazo == 1;
    const bool deformaciones = Hay_Deformaciones(p);
    r.titulo("DISTRIBUCIÓN DE CARGAS:");
    r.subtitulo("Correción E2:");
    r.fila("Relación B/D:",
           {p.Caso_Zanja == 2.0 ? std::string("Infinito.") : r.v(p.Relacion_BD, kPatronTablas)});
    r.fila("Coeficiente ALFA_bi:", {r.v(p.Alfa_Bi, kPatronTablas)});
    r.fila("Coeficiente ALFA_b:", {r.v(p.Alfa_Bi_Prima, kPatronTablas)});
    r.fila("Coeficiente f (HF=" + r.v(p.Hw, "00.00") + "):", {r.v(p.Coeficiente_F, kPatronTablas)});
    r.fila("Compactación Dpr:", {r.v(p.Compactacion_2, "#,##0.0", " %.")});
    r.sangria(false);

    r.fila("", cabecerasDistribucion(largo));
    r.fila("Módulo corregido E2' (N/mm2):",
           columnas(r, largo, deformaciones,
                    {p.E2_Corregido_Tensiones, p.E2_Corregido_Tensiones_LP, p.E2_Corregido,
                     p.E2_Corregido_LP}));
    r.subtitulo("Relación de rigidez:");
    r.fila("Rigidez del tubo Sr (N/mm2):",
           columnas(r, largo, deformaciones, {p.Sr_Tensiones, p.Sr_Tensiones_LP, p.Sr, p.Sr_LP}));
    r.fila("Factor de corrección TAU:",
           columnas(r, largo, deformaciones,
                    {p.Zeta_Tensiones, p.Zeta_Tensiones_LP, p.Zeta, p.Zeta_LP}));
    r.fila(
        "Rigidez horizontal SBH (N/mm2):",
        columnas(r, largo, deformaciones, {p.SBH_Tensiones, p.SBH_Tensiones_LP, p.SBH, p.SBH_LP}));
    r.fila(
        "Rigidez sistema Tubo-Suelo VRB:",
        columnas(r, largo, deformaciones, {p.VRB_Tensiones, p.VRB_Tensiones_LP, p.VRB, p.VRB_LP}));
    r.fila("Relación Pr. lateral-Pr. Vertical K2:",
           columnas(
               r, largo, deformaciones,
               {p.K2_Lateral_Tensiones, p.K2_Lateral_Tensiones_LP, p.K2_Lateral, p.K2_Lateral_LP}));
    r.fila(
        "Rigidez vert. relleno SBV:",
        columnas(r, largo, deformaciones, {p.SBV_Tensiones, p.SBV_Tensiones_LP, p.SBV, p.SBV_LP}));
    r.fila("Coef. reacción relleno lat. K*:",
           columnas(
               r, largo, deformaciones,
               {p.K_Estrella_Tensiones, p.K_Estrella_Tensiones_LP, p.K_Estrella, p.K_Estrella_LP}));
    r.fila("Coef. def. diam. vert. Cv*:",
           columnas(r, largo, deformaciones,
                    {p.Cv_Estrella_Tensiones, p.Cv_Estrella_Tensiones_LP, p.Cv_Estrella,
                     p.Cv_Estrella_LP}));
    r.fila("Relación de rigidez Vs:",
           columnas(r, largo, deformaciones, {p.Vs_Tensiones, p.Vs_Tensiones_LP, p.Vs, p.Vs_LP}));
    r.sangria(false);

    // The bedding's deformation coefficients, only for an angle that has them.
    if (const auto c = Carga_Valores(p.Angulo_Apoyo)) {
        const std::string angulo = "(2*alfa=" + r.v(p.Angulo_Apoyo, "##0") + "):";
        r.fila("Valor Ch1 " + angulo, {r.v(c->Ch1, kPatronTablas)});
        r.fila("Valor Ch2 " + angulo, {r.v(c->Ch2, kPatronTablas)});
        r.fila("Valor Cv1 " + angulo, {r.v(c->Cv1, kPatronTablas)});
        r.fila("Valor Cv2 " + angulo, {r.v(c->Cv2, kPatronTablas)});
    }

    r.subtitulo("Factores de concentración:");
    r.fila("", cabecerasDistribucion(largo));
    r.fila("Descarga relativa efectiva a':",
           columnas(r, largo, deformaciones,
                    {p.A_Prima_Tensiones, p.A_Prima_Tensiones_LP, p.A_Prima, p.A_Prima_LP}));
    r.fila("Máximo factor de concentración",
           columnas(
               r, largo, deformaciones,
               {p.Lambda_Max_Tensiones, p.Lambda_Max_Tensiones_LP, p.Lambda_Max, p.Lambda_Max_LP}));
    r.fila("Factor concentración LANDA_R:",
           columnas(r, largo, deformaciones,
                    {p.Lambda_R_Tensiones, p.Lambda_R_Tensiones_LP, p.Lambda_R, p.Lambda_R_LP}));
    r.fila("Factor concentración LANDA_B:",
           columnas(r, largo, deformaciones,
                    {p.Lambda_B_Tensiones, p.Lambda_B_Tensiones_LP, p.Lambda_B, p.Lambda_B_LP}));
    r.subtitulo("Influencia de la anchura de la zanja:");
    r.fila(
        "Factor concentración LANDA_RG:",
        columnas(r, largo, deformaciones,
                 {p.Lambda_RG_Tensiones, p.Lambda_RG_Tensiones_LP, p.Lambda_RG, p.Lambda_RG_LP}));
    r.subtitulo("Factor límite del factor de concentración:");
    r.fila("Límite superior LANDA_f0:",
           columnas(r, largo, deformaciones, {p.Lambda_Fo, p.Lambda_Fo, p.Lambda_Fo, p.Lambda_Fo}));
    r.fila("Límite inferior LANDA_fu:",
           columnas(r, largo, deformaciones, {p.Lambda_Fu, p.Lambda_Fu, p.Lambda_Fu, p.Lambda_Fu}));
}

} // namespace tubrix::apartados
