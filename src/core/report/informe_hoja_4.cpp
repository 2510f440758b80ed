#include "calc/estabilidad.h"
#include "chain/pasos.h"
#include "report/apartados_informe.h"

#include <array>

namespace tubrix::apartados {

void cargasDeCalculo(Redactor& r, const Proyecto& p) {
    const bool largo = p.Largo_Plazo == 1;
    const bool deformaciones = Hay_Deformaciones(p);
    r.titulo("CARGAS DE CÁLCULO:");
    r.fila("", cabecerasDistribucion(largo));
    r.fila("Carga vertical sobre tubo Qvt:",
           columnas(r, largo, deformaciones, {p.Qvt, p.Qvt_LP, p.Qvt_Def, p.Qvt_Def_LP}));
    r.fila("Componente carga relleno Qh:",
           columnas(r, largo, deformaciones, {p.Qh, p.Qh_LP, p.Qh_Def, p.Qh_Def_LP}));
    r.fila("Componente carga deformación Qh*:",
           columnas(r, largo, deformaciones,
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
    // The bedding type as its standard names it: UNE types A, B and C, ATV types I, II and III.
    const char* nombre = p.Norma == 1 ? (tipo == 1   ? " A"
                                         : tipo == 2 ? " B"
                                                     : " C")
                                      : (tipo == 1   ? " I"
                                         : tipo == 2 ? " II"
                                                     : " III");
    r.texto(std::string("Tipo") + nombre + " -> 2*alfa=" + r.v(p.Angulo_Apoyo, "##0"));
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
    if (p.Largo_Plazo == 1) {
        // A creeping pipe is verified on these: the long-term strength against them.
        r.fila("Tensión en la clave a largo plazo:",
               {r.v(p.Sigma_Clave_LP, kPatronTablas, " N/mm2.")});
        r.fila("Tensión en los riñones a largo plazo:",
               {r.v(p.Sigma_Rinones_LP, kPatronTablas, " N/mm2.")});
        r.fila("Tensión en la base a largo plazo:",
               {r.v(p.Sigma_Base_LP, kPatronTablas, " N/mm2.")});
    }
    r.subtitulo("Cálculo de deformaciones:");
    r.fila("", {"Corto plazo", "Largo plazo"});
    // A pipe without deformation checks has no deflection.
    const bool deformaciones = Hay_Deformaciones(p);
    const auto def = [&](double valor, const char* unidad) {
        return deformaciones ? r.v(valor, kPatronTablas, unidad) : Redactor::noAplica();
    };
    r.fila("Variación del diámetro:", {def(p.Dv, "mm."), def(p.Dv_LP, "mm.")});
    r.filaDoble("Acortamiento relativo",
                "del diámetro vertical:", {def(p.Dv_Relativa, "%."), def(p.Dv_Relativa_LP, "%.")});
}

void estabilidad(Redactor& r, const Proyecto& p) {
    r.titulo("CÁLCULO DE LA ESTABILIDAD:");
    r.fila("", {"Corto plazo", "Largo plazo"});
    // A pipe not checked against buckling has none of these values; without groundwater there
    // is no water pressure.
    const bool estabilidad = Columna_Largo_Plazo_Estabilidad(p);
    const bool agua = estabilidad && p.Nivel_Freatico != 0;
    const auto valor = [&](bool aplica, double v, const char* unidad = "") {
        return aplica ? r.v(v, kPatronTablas, unidad) : Redactor::noAplica();
    };
    r.subtitulo("Carga de tierras:");
    r.fila("Carga crítica de abolladura:",
           {valor(estabilidad, p.Qv_Crit, "N/mm2."), valor(estabilidad, p.Qv_Crit_LP, "N/mm2.")});
    r.subtitulo("Presión del agua exterior:");
    r.fila("Coeficiente ALFA_d:", {valor(estabilidad, p.Alfa_D), valor(estabilidad, p.Alfa_D_LP)});
    r.fila("Presión del agua extrema:",
           {valor(agua, p.Pa, "N/mm2."), valor(agua, p.Pa_LP, "N/mm2.")});
    r.fila("Valor crítico de Pa:",
           {valor(agua, p.Pa_Crit, "N/mm2."), valor(agua, p.Pa_Crit_LP, "N/mm2.")});
}

} // namespace tubrix::apartados
