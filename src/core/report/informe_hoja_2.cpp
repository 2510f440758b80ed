#include "input/datos_suelos.h"
#include "input/sobrecargas.h"
#include "report/apartados_informe.h"

#include <array>
#include <cmath>

namespace tubrix::apartados {

void caracteristicasDeLosSuelos(Redactor& r, const Proyecto& p) {
    r.titulo("CARACTERÍSTICAS DE LOS SUELOS:");
    // The backfill condition sets the wall friction Ro' and the E2 correction ALFA_b.
    const std::string_view condicion = Texto_Condicion_Relleno(p.Condicion_Relleno);
    if (!condicion.empty()) {
        r.fila("Condición del relleno:", {"A" + std::to_string(p.Condicion_Relleno) + "."});
        const std::size_t dosPuntos = condicion.find(": ");
        r.texto("(" +
                std::string(dosPuntos == std::string_view::npos ? condicion
                                                                : condicion.substr(dosPuntos + 2)) +
                ".)");
    }
    r.fila("Valores de los suelos:",
           {p.Opcion_Suelo_3 != 0 ? "Obtenidos mediante ensayos." : "Recomendados por la norma."});
    const auto grupo = [](std::int16_t g) {
        return "Grupo " + std::to_string(g) + ".";
    };
    const auto nmm2 = [&r](double valor) {
        return r.v(valor, kPatronGeneral, " N/mm2.");
    };
    const auto knm3 = [&r](double valor) {
        return r.v(valor, kPatronGeneral, " kN/m3.");
    };
    r.subtitulo("Zona1:");
    r.fila("Tipo de suelo:", {grupo(p.Grupo_Suelo_1)});
    r.fila("% Compactación:", {r.v(p.Compactacion_1, kPatronGeneral, "%.")});
    r.fila("E1:", {nmm2(p.E1)});
    r.fila("GAMMA 1:", {knm3(p.Gamma_1)});
    r.fila("Ángulo rozamiento interno Ro:", {r.v(p.Ro)});
    r.fila("Ángulo rozamiento relleno Ro':", {r.v(p.Ro_Prima)});
    r.subtitulo("Zona2:");
    r.fila("Tipo de suelo:", {grupo(p.Grupo_Suelo_2)});
    r.fila("% Compactación:", {r.v(p.Compactacion_2, kPatronGeneral, "%.")});
    r.fila("E2:", {nmm2(p.E2)});
    r.fila("GAMMA 2:", {knm3(p.Gamma_2)});
    r.fila("Coeficiente empuje K1:", {r.v(p.K1)});
    r.fila("Coeficiente empuje K2:", {r.v(p.K2)});
    r.subtitulo("Zona3:");
    r.fila("Tipo de suelo:", {grupo(p.Grupo_Suelo_3)});
    r.fila("% Compactación:", {"100%."});
    r.fila("E3:", {nmm2(p.E3)});
    r.subtitulo("Zona4:");
    r.fila("Tipo de suelo:", {grupo(p.Grupo_Suelo_4)});
    r.fila("% Compactación:", {"100%."});
    r.fila("E4:", {nmm2(p.E4)});
}

namespace {

std::string materialDeCapa(std::int16_t codigo) {
    static constexpr std::array<const char*, 9> kMateriales = {
        "Tierra-Cemento.",      "Grava-Cemento.",      "Macadán.",
        "Gravilla compactada.", "Escoria compactada.", "Aglomerado asfáltico.",
        "Emulsión asfáltica.",  "Hormigón pobre.",     "Losas de hormigón."};
    if (codigo <= 1)
        return kMateriales[0]; // a material not chosen prints as the first of the list
    return codigo <= 9 ? kMateriales[static_cast<std::size_t>(codigo - 1)] : "";
}

} // namespace

void sobrecargas(Redactor& r, const Proyecto& p) {
    r.titulo("SOBRECARGAS VERTICALES (TRÁFICO):");
    r.fila("Tipo de sobrecarga:", {"Concentrada."});
    const int vehiculo = p.Tipo_Vehiculo;
    const bool trafico = vehiculo >= 1 && vehiculo <= 5;
    if (trafico) {
        static constexpr std::array<const char*, 5> kVehiculos = {
            "LT 12 (LIGERO).", "HT 26 (MEDIO).", "HT 30 (MEDIO).", "HT 39 (PESADO).",
            "HT 60 (PESADO)."};
        r.fila("Tipo de vehículo:", {kVehiculos[static_cast<std::size_t>(vehiculo - 1)]});
        r.fila("Número de ejes:", {r.v(p.Numero_Ejes, "0")});
        // HT 39 and HT 60 have their axles 1,5 m apart: the fraction is kept.
        r.fila("Distancia entre ejes:",
               {r.v(p.Distancia_Ejes,
                    std::floor(p.Distancia_Ejes) == p.Distancia_Ejes ? "0" : "0.0", " m.")});
        r.fila("Distancia entre ruedas:", {r.v(p.Distancia_Ruedas, "0", " m.")});
        r.fila("Tipo de firme:", {p.Tipo_Firme == 1 ? "Normal." : "Irregular."});
        r.fila("Coeficiente (Fi):", {r.v(p.Coeficiente_Impacto)});
        // The loads are calculated with the vehicle's own impact factor, not with this one.
        r.texto("(" + Nota_Coeficiente_Impacto(p.Tipo_Vehiculo, r.separadores()) + ")");
    }
    // No load is calculated from the pavement or from the equivalent earth height He, which the
    // surface loads screen derives under UNE only (under ATV it is neither shown nor computed).
    const bool une = p.Norma == 1;
    const bool pavimentada = p.Zona_Pavimentada != 0;
    if (pavimentada) {
        r.texto("Construcción en zona pavimentada.");
        const auto capa = [&](const char* nombre, std::int16_t material, double espesor,
                              double modulo) {
            r.subtitulo(nombre);
            r.fila("Material sobrecarga:", {materialDeCapa(material)});
            r.fila("Espesor:", {r.v(espesor, kPatronGeneral, " m.")});
            r.fila("Módulo de compresión:", {r.v(modulo, kPatronGeneral, " N/mm2.")});
            r.sangria(false);
        };
        capa("Capa superior:", p.Material_Capa_Superior, p.Espesor_Capa_Superior,
             p.Modulo_Capa_Superior);
        capa("Capa inferior:", p.Material_Capa_Inferior, p.Espesor_Capa_Inferior,
             p.Modulo_Capa_Inferior);
    }
    if (trafico && une) {
        r.fila("Altura equivalente de tierras:", {r.v(p.He, kPatronGeneral, " m.")});
        r.texto("(" + std::string(kNotaHe) + ")");
    } else if (pavimentada) {
        r.texto("(El firme no interviene en el cálculo.)");
    }
    if (!trafico)
        r.fila("Tipo de vehículo:", {"Sin tráfico."});
    // A uniform load on the ground surface, carried down to the pipe with the coefficient Xoc.
    if (p.Hay_Cargas_Superficie != 0) {
        r.fila("Carga uniforme en superficie (P0):", {r.v(p.P0, kPatronGeneral, " kN/m2.")});
        r.fila("Coeficiente de cargas de superficie (Xoc):", {r.v(p.Xoc, "#,##0.000")});
    }
}

} // namespace tubrix::apartados
