#include "report/apartados_informe.h"

#include <array>

namespace tubrix::apartados {

namespace {

bool conLargoPlazoDeMaterial(std::int16_t grupo) {
    return (grupo >= 5 && grupo <= 9) || grupo == 11 || grupo == 12;
}

} // namespace

void caracteristicasDelTubo(Redactor& r, const Proyecto& p, const Catalogo& catalogo) {
    r.titulo("CARACTERÍSTICAS DEL TUBO:");
    r.fila("Tipo de conducto:", {p.Tipo_Conducto != 0 ? "Saneamiento." : "Abastecimiento."});
    const Grupo* grupo = catalogo.buscaGrupo(p.Codigo_Material);
    r.fila("Material:", {(grupo ? grupo->material : std::string()) + "."});
    r.fila("Clase de material:", {p.Clase_Material + "."});
    r.fila("Norma:", {p.Norma == 1 ? "UNE 88.211-90." : (p.Norma == 2 ? "ATV A 127." : "")});
    r.fila("Diámetro normalizado:", {r.v(p.Diametro_Normalizado, "#,##0")});
    r.fila("Diámetro exterior:", {r.v(p.Diametro_Exterior, kPatronGeneral, " mm.")});
    r.fila("Diámetro interior:", {r.v(p.Diametro_Interior, kPatronGeneral, " mm.")});
    r.fila("Espesor:", {r.v(p.Espesor, kPatronGeneral, " mm.")});
    r.fila("Módulo elasticidad Et:", {r.v(p.Et, kPatronGeneral, " N/mm2.")});
    const bool largo = conLargoPlazoDeMaterial(p.Codigo_Material);
    if (largo)
        r.fila("Módulo elasticidad LP Et:", {r.v(p.Et_LP, kPatronGeneral, " N/mm2.")});
    r.fila("Peso específico GAMMA:", {r.v(p.Gamma_Tubo, kPatronGeneral, " kN/m3.")});
    r.fila("Rotura flexotracción:", {r.v(p.Rotura_Flexotraccion, kPatronGeneral, " N/mm2.")});
    if (largo)
        r.fila("Rotura flexotracción l/p:",
               {r.v(p.Rotura_Flexotraccion_LP, kPatronGeneral, " N/mm2.")});
    r.fila("Rigidez circunferencial específica:",
           {r.v(p.Rigidez_Circunferencial, "#,##0.0", " kN/m2.")});
}

// The printed classes carry the standards' factors as fixed texts (they do not repeat what the
// safety screen stored, which for a UNE sewer pipe is 1,6).
void claseDeSeguridad(Redactor& r, const Proyecto& p) {
    r.titulo("CLASE DE SEGURIDAD:");
    const bool claseA = p.Clase_Seguridad != 2;
    if (p.Norma == 1) {
        r.subtitulo(claseA ? "Clase de seguridad general, coeficientes:"
                           : "Clase de seguridad exigente, coeficientes:");
        r.fila("Frente a fallo por aplastamiento:", {claseA ? "2,5." : "2."});
    } else if (p.Norma == 2) {
        r.subtitulo(claseA ? "Coeficiente de seguridad clase A:"
                           : "Coeficiente de seguridad clase B:");
        r.fila("Frente a fallo por rotura:", {claseA ? "2,5." : "2."});
        r.fila("Frente a la inestabilidad:", {claseA ? "2,5." : "2."});
        r.fila("Deformación admisible a largo plazo:", {"6%."});
    }
}

void condicionesDeLaZanja(Redactor& r, const Proyecto& p) {
    r.titulo("CONDICIONES DE LA ZANJA:");
    const int tipo = p.Tipo_Instalacion;
    const int subtipo = p.Subtipo_Instalacion;
    const char* nombreTipo = tipo == 1   ? ": Instalación en zanja o terraplén."
                             : tipo == 2 ? ": Instalación en zanja terraplenada."
                             : tipo == 3 ? ": Dos conducciones en la misma zanja."
                                         : ": Desconocido.";
    r.fila("Tipo de instalación:", {"Tipo " + std::to_string(tipo) + nombreTipo});
    std::string nombreSubtipo;
    if (tipo == 1 && subtipo >= 1 && subtipo <= 3)
        nombreSubtipo = std::array{"Zanja estrecha.", "Zanja ancha.", "Terraplén."}[subtipo - 1];
    else if (tipo == 2)
        nombreSubtipo = "Zanja terraplenada.";
    else if (tipo == 3 && subtipo >= 1 && subtipo <= 2)
        nombreSubtipo = std::array{"Mismo nivel.", "Niveles diferentes."}[subtipo - 1];
    r.fila("Tipo de instalación (subtipo):", {nombreSubtipo});

    const auto m = [&r](double valor) {
        return r.v(valor, kPatronGeneral, " m.");
    };
    const auto grados = [&r](double valor) {
        return r.v(valor, kPatronGeneral, " grados.");
    };
    if (tipo == 1) {
        r.fila("Altura del relleno (H):", {m(p.H)});
        if (subtipo != 3) {
            r.fila("Anchura de la zanja (B):", {m(p.B)});
            r.fila("Ángulo del talud (BETA):", {grados(p.Beta)});
        }
    } else if (tipo == 2) {
        r.filaDoble("Altura recubrimiento por encima",
                    "de la generatriz superior (H1):", {m(p.H1)});
        r.filaDoble("Altura del recubrimiento", "por encima del terraplén (H2):", {m(p.H2)});
        r.filaDoble("Anchura de la zanja al nivel", "de la generatriz superior (B):", {m(p.B)});
        r.filaDoble("Ángulo de las paredes", "de la zanja (BETA):", {grados(p.Beta)});
    } else if (tipo == 3) {
        r.filaDoble("Altura recubrimiento por encima",
                    "de la generatriz superior (H1):", {m(p.H1)});
        r.filaDoble("Altura recubrimiento por encima",
                    "de la generatriz inferior (H2):", {m(p.H2)});
        if (subtipo == 2) {
            r.filaDoble("Anchura zanja al nivel", "de la generatriz superior (B1):", {m(p.B1)});
            r.filaDoble("Anchura zanja al nivel", "de la generatriz inferior (B2):", {m(p.B2)});
        } else {
            r.filaDoble("Anchura zanja al nivel", "de la generatriz superior (B):", {m(p.B)});
        }
        r.filaDoble("Ángulo inclinación de las paredes", "de la zanja (BETA):", {grados(p.Beta)});
    }
}

void nivelFreatico(Redactor& r, const Proyecto& p) {
    r.titulo("NIVEL FREÁTICO:");
    if (p.Nivel_Freatico != 0)
        r.fila("Altura nivel freático:", {r.v(p.Hw, kPatronGeneral, " m.")});
    else
        r.texto("No existe nivel freático.");
}

void caracteristicasDelApoyo(Redactor& r, const Proyecto& p) {
    r.titulo("CARACTERÍSTICAS DEL APOYO:");
    const int tipo = p.Tipo_Apoyo;
    r.fila("Tipo de apoyo:",
           {tipo == 1   ? "Tipo I: Apoyo sobre cama granular."
            : tipo == 2 ? "Tipo II: Apoyo sólido (cama de hormigón)."
            : tipo == 3 ? "Tipo III: Tubo con apoyo granular hasta la clave del tubo."
                        : ""});
    r.fila("Ángulo de apoyo:", {r.v(p.Angulo_Apoyo, kPatronGeneral, " grados.")});
    if (tipo == 3)
        r.fila("Altura J del apoyo:", {r.v(p.J, kPatronGeneral, " m.")});
    r.fila("Relación de proyección:", {r.v(p.Relacion_Proyeccion)});
}

} // namespace tubrix::apartados
