#include "summary.h"

#include "calc/verificacion.h"
#include "chain/pasos.h"
#include "format/formato.h"

#include <array>
#include <string>

namespace tubrix::cli {
namespace {

std::string num(double valor, const char* patron = "#,##0.0#") {
    return formatea(valor, patron, Separadores::espanol());
}

std::string instalacion(const Proyecto& p) {
    switch (p.Tipo_Instalacion) {
    case 1: {
        static constexpr std::array<const char*, 3> kSubtipos = {"zanja estrecha", "zanja ancha",
                                                                 "terraplén"};
        const int s = p.Subtipo_Instalacion;
        std::string texto = "Tipo 1, ";
        texto += s >= 1 && s <= 3 ? kSubtipos[static_cast<std::size_t>(s - 1)] : "?";
        texto += "; H = " + num(p.H) + " m";
        if (s != 3)
            texto += "; B = " + num(p.B) + " m; beta = " + num(p.Beta) + " grados";
        return texto;
    }
    case 2:
        return "Tipo 2, zanja terraplenada; H1 = " + num(p.H1) + " m; H2 = " + num(p.H2) +
               " m; B = " + num(p.B) + " m; beta = " + num(p.Beta) + " grados";
    default:
        return "Tipo " + std::to_string(p.Tipo_Instalacion);
    }
}

std::string vehiculo(const Proyecto& p) {
    static constexpr std::array<const char*, 6> kVehiculos = {"sin tráfico", "LT 12", "HT 26",
                                                              "HT 30",       "HT 39", "HT 60"};
    const int v = p.Tipo_Vehiculo;
    return v >= 0 && v <= 5 ? kVehiculos[static_cast<std::size_t>(v)] : "?";
}

struct Fila {
    FilaVerificacion fila;
    const char* texto;
    double corto;
    double largo;
};

} // namespace

std::string columna(const std::string& texto, std::size_t ancho) {
    std::size_t caracteres = 0;
    for (const unsigned char c : texto)
        caracteres += (c & 0xC0) != 0x80;
    return caracteres >= ancho ? texto + " " : texto + std::string(ancho - caracteres, ' ');
}

void printSummary(const Proyecto& p, const Catalogo& catalogo, std::ostream& out) {
    const Grupo* grupo = catalogo.buscaGrupo(p.Codigo_Material);
    out << "Tubo: " << (grupo ? grupo->material : "?") << ", " << p.Clase_Material << ", DN "
        << num(p.Diametro_Normalizado, "#,##0") << " (diámetro exterior "
        << num(p.Diametro_Exterior, "#,##0.0") << " mm, espesor " << num(p.Espesor, "#,##0.0")
        << " mm)\n";
    out << "Norma: " << (p.Norma == 1 ? "UNE 88.211-90" : "ATV A 127") << "; conducción de "
        << (p.Tipo_Conducto != 0 ? "saneamiento" : "presión") << "; clase de seguridad "
        << p.Clase_Seguridad << '\n';
    out << "Instalación: " << instalacion(p) << '\n';
    out << "Nivel freático: "
        << (p.Nivel_Freatico != 0 ? "Hf = " + num(p.Hw) + " m" : std::string("no existe"))
        << "; apoyo tipo " << p.Tipo_Apoyo << " a " << num(p.Angulo_Apoyo, "#0")
        << " grados; tráfico: " << vehiculo(p) << "\n\n";

    const bool largo = p.Largo_Plazo == 1;
    const bool deformaciones = Hay_Deformaciones(p);
    const bool estabilidad = deformaciones || largo;
    const bool agua = p.Nivel_Freatico != 0;
    const std::array<Fila, 7> filas = {{
        {FilaVerificacion::TensionClave, "Tensión en la clave", p.Coef_Clave, p.Coef_Clave_LP},
        {FilaVerificacion::TensionRinones, "Tensión en los riñones", p.Coef_Rinones,
         p.Coef_Rinones_LP},
        {FilaVerificacion::TensionBase, "Tensión en la base", p.Coef_Base, p.Coef_Base_LP},
        {FilaVerificacion::EstabilidadTierras, "Estabilidad: carga de tierras", p.Coef_Tierras,
         p.Coef_Tierras_LP},
        {FilaVerificacion::EstabilidadAgua, "Estabilidad: presión del agua", p.Coef_Agua,
         p.Coef_Agua_LP},
        {FilaVerificacion::EstabilidadSimultanea, "Estabilidad: ambas a la vez", p.Coef_Simultaneo,
         p.Coef_Simultaneo_LP},
        {FilaVerificacion::Deformacion, "Acortamiento relativo (%)", p.Dv_Relativa,
         p.Dv_Relativa_LP},
    }};
    out << columna("Verificación", 34) << columna("Requerido", 11) << columna("Corto plazo", 13)
        << columna("Largo plazo", 13) << "Resultado\n";
    for (const Fila& f : filas) {
        const bool esTension = f.fila <= FilaVerificacion::TensionBase;
        const bool esDeformacion = f.fila == FilaVerificacion::Deformacion;
        if (!esTension && !(esDeformacion ? deformaciones : estabilidad))
            continue;
        if (f.fila == FilaVerificacion::EstabilidadAgua && !agua)
            continue;
        const bool conLargo = !esTension || largo;
        out << columna(f.texto, 34)
            << columna(num(p.Seguridad_Requerida[f.fila], "#,##0.0#") +
                           (esDeformacion ? " máx." : " mín."),
                       11)
            << columna(num(f.corto, "#,##0.00"), 13)
            << columna(conLargo ? num(f.largo, "#,##0.00") : std::string("-"), 13)
            << (p.Tubo_No_Valido[f.fila] != 0 ? "Tubo NO válido" : "Tubo válido") << '\n';
    }
    out << "\nCONCLUSIÓN: " << (Tubo_Valido(p) ? "TUBO VÁLIDO." : "TUBO NO VÁLIDO.") << '\n';
}

} // namespace tubrix::cli
