#include "report/apartados_informe.h"

#include <array>

namespace tubrix::apartados {

void cargasDeCalculo(Redactor& r, const Proyecto& p) {
    const bool largo = p.Largo_Plazo == 1;
    r.titulo("CARGAS DE CÁLCULO:");
    r.fila("", cabecerasDistribucion(largo));
    r.fila("Carga vertical sobre tubo Qvt:",
           columnas(r, largo, {p.Qvt, p.Qvt_LP, p.Qvt_Def, p.Qvt_Def_LP}));
    r.fila("Componente carga relleno Qh:",
           columnas(r, largo, {p.Qh, p.Qh_LP, p.Qh_Def, p.Qh_Def_LP}));
    r.fila("Componente carga deformación Qh*:",
           columnas(r, largo,
                    {p.Qh_Estrella, p.Qh_Estrella_LP, p.Qh_Estrella_Def, p.Qh_Estrella_Def_LP}));
}

namespace {

void tablaDeEsfuerzos(Redactor& r, const char* titulo, const TablaEsfuerzos& tabla,
                      const PorPunto<double>& suma, const char* filaSuma) {
    r.fila(titulo, {"Clave", "Riñones", "Base"});
    static constexpr std::array<const char*, 5> kCasos = {
        "Por carga vertical:", "Por carga horizontal:", "Por reacción horizontal:",
        "Por peso propio:", "Por peso del agua:"};
    for (std::size_t c = 0; c < kCasos.size(); ++c) {
        std::vector<std::string> valores;
        for (const Punto punto : kPuntos)
            valores.push_back(r.v(tabla(punto, kCasosCarga[c]), kPatronEsfuerzos));
        r.fila(kCasos[c], std::move(valores));
    }
    std::vector<std::string> sumas;
    for (const Punto punto : kPuntos)
        sumas.push_back(r.v(suma[punto], kPatronEsfuerzos));
    r.fila(filaSuma, std::move(sumas));
}

} // namespace

void esfuerzos(Redactor& r, const Proyecto& p, const char* titulo, const TablaEsfuerzos& momentos,
               const TablaEsfuerzos& axiales, const PorPunto<double>& sumaMomentos,
               const PorPunto<double>& sumaAxiales) {
    r.titulo(titulo);
    const int tipo = p.Tipo_Apoyo;
    r.texto(std::string("Tipo") +
            (tipo == 1   ? " I -> 2*alfa="
             : tipo == 2 ? " II -> 2*alfa="
                         : " III -> 2*alfa=") +
            r.v(p.Angulo_Apoyo, "##0"));
    tablaDeEsfuerzos(r, "Momentos (kN*m/m)", momentos, sumaMomentos, "Suma de momentos:");
    tablaDeEsfuerzos(r, "Axiales (kN/m)", axiales, sumaAxiales, "Suma de axiales:");
}

void tensionesYDeformaciones(Redactor& r, const Proyecto& p) {
    r.titulo("CÁLCULO DE TENSIONES Y DEFORMACIONES:");
    r.subtitulo("Cálculo de los factores de corrección por curvatura:");
    r.fila("Factor ALFA_ki:", {r.v(p.Alfa_Ki, kPatronTablas)});
    r.fila("Factor ALFA_ka:", {r.v(p.Alfa_Ka, kPatronTablas)});
    r.subtitulo("Cálculo de tensiones:");
    r.texto("(Tensión de flexotracción en las condiciones de la instalación):");
    r.fila("Tensión en la clave:", {r.v(p.Sigma_Clave, kPatronTablas, "N/mm2.")});
    r.fila("Tensión en los riñones:", {r.v(p.Sigma_Rinones, kPatronTablas, " N/mm2.")});
    r.fila("Tensión en la base:", {r.v(p.Sigma_Base, kPatronTablas, " N/mm2.")});
    r.subtitulo("Cálculo de deformaciones:");
    r.fila("", {"Corto plazo", "Largo plazo"});
    r.fila("Variación del diámetro:",
           {r.v(p.Dv, kPatronTablas, "mm."), r.v(p.Dv_LP, kPatronTablas, "mm.")});
    r.filaDoble(
        "Acortamiento relativo", "del diámetro vertical:",
        {r.v(p.Dv_Relativa, kPatronTablas, "%."), r.v(p.Dv_Relativa_LP, kPatronTablas, "%.")});
}

void estabilidad(Redactor& r, const Proyecto& p) {
    r.titulo("CÁLCULO DE LA ESTABILIDAD:");
    r.fila("", {"Corto plazo", "Largo plazo"});
    r.subtitulo("Carga de tierras:");
    r.fila("Carga crítica de abolladura:",
           {r.v(p.Qv_Crit, kPatronTablas, "N/mm2."), r.v(p.Qv_Crit_LP, kPatronTablas, "N/mm2.")});
    r.subtitulo("Presión del agua exterior:");
    r.fila("Coeficiente ALFA_d:", {r.v(p.Alfa_D, kPatronTablas), r.v(p.Alfa_D_LP, kPatronTablas)});
    r.fila("Presión del agua extrema:",
           {r.v(p.Pa, kPatronTablas, "N/mm2."), r.v(p.Pa_LP, kPatronTablas, "N/mm2.")});
    r.fila("Valor crítico de Pa:",
           {r.v(p.Pa_Crit, kPatronTablas, "N/mm2."), r.v(p.Pa_Crit_LP, kPatronTablas, "N/mm2.")});
}

} // namespace tubrix::apartados
