#include "calc/verificacion.h"
#include "input/datos_apoyo.h"
#include "report/apartados_informe.h"

#include <array>

namespace tubrix::apartados {

namespace {

bool conLargoPlazoDeMaterial(std::int16_t grupo) {
    return (grupo >= 5 && grupo <= 9) || grupo == 11 || grupo == 12;
}

// Only these groups are classed by their specific ring stiffness (SN); the others have none.
bool conRigidezCircunferencial(std::int16_t grupo) {
    return grupo == 6 || grupo == 7 || grupo == 11;
}

constexpr std::int16_t kGrupoParedPerfilada = 11;

// The wall section the stresses use: the profile's area and section modulus for a profiled
// wall, those of the solid wall of thickness e otherwise (A = 1000 e, W = e^2 / 6 per mm).
void seccionDeLaPared(Redactor& r, const Proyecto& p) {
    const bool perfilada = p.Codigo_Material == kGrupoParedPerfilada;
    const double area = perfilada ? p.Area : 1000.0 * p.Espesor;
    const double w = perfilada ? p.W : p.Espesor * p.Espesor / 6.0;
    r.fila("Área de la pared (A):", {r.v(area, "#,##0.0", " mm2/m.")});
    r.fila("Módulo resistente (W):", {r.v(w, "#,##0.00", " mm3/mm.")});
    if (!perfilada)
        r.texto("(Pared maciza: A = 1000·e y W = e²/6, del espesor e.)");
    // Held in m4/m; printed in mm4/mm, where the figures of a pipe wall are readable.
    r.fila("Momento de inercia (I):", {r.v(p.Momento_Inercia * 1e9, "#,##0.00", " mm4/mm.")});
    r.fila("Rigidez del tubo Sr (corto plazo):", {r.v(p.Sr_Tensiones, "#,##0.0000", " N/mm2.")});
}

// Lines of at most `ancho` characters, broken between words (a longer word stands alone).
std::vector<std::string> partePorPalabras(const std::string& texto, std::size_t ancho) {
    std::vector<std::string> lineas;
    std::string linea;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fin = texto.find(' ', inicio);
        if (fin == std::string::npos)
            fin = texto.size();
        const std::string palabra = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
        if (palabra.empty())
            continue;
        if (!linea.empty() && linea.size() + 1 + palabra.size() > ancho) {
            lineas.push_back(std::move(linea));
            linea.clear();
        }
        linea += (linea.empty() ? "" : " ") + palabra;
    }
    if (!linea.empty())
        lineas.push_back(std::move(linea));
    return lineas;
}

} // namespace

void descripcionDelProyecto(Redactor& r, const Proyecto& p) {
    if (p.Texto_Proyecto.find_first_not_of(' ') == std::string::npos)
        return;
    r.titulo("PROYECTO:");
    // Broken into lines that fit the text width of the page.
    for (std::string& linea : partePorPalabras(p.Texto_Proyecto, 90))
        r.texto(std::move(linea));
}

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
           {conRigidezCircunferencial(p.Codigo_Material)
                ? r.v(p.Rigidez_Circunferencial, "#,##0.0", " kN/m2.")
                : Redactor::noAplica()});
    seccionDeLaPared(r, p);
}

// The factors printed are those the safety screen stored and the verification compared with.
void claseDeSeguridad(Redactor& r, const Proyecto& p) {
    r.titulo("CLASE DE SEGURIDAD:");
    const bool claseA = p.Clase_Seguridad != 2;
    const auto requerido = [&](FilaVerificacion f) {
        return Texto_Seguridad_Requerida(p, f, r.separadores());
    };
    if (p.Norma == 1) {
        r.subtitulo(claseA ? "Clase de seguridad general, coeficientes:"
                           : "Clase de seguridad exigente, coeficientes:");
        r.fila("Frente a fallo por aplastamiento:",
               {requerido(FilaVerificacion::TensionClave) + "."});
        if (p.Tipo_Conducto == 0) {
            // Shown by the safety screen for a pressure pipe, but no check compares with it.
            r.fila("Frente a la ruptura (tubo a presión):",
                   {r.v(p.Coef_Seguridad_Ruptura, "#0.0#", ".")});
            r.texto("(El coeficiente frente a la ruptura no interviene en el cálculo.)");
        }
    } else if (p.Norma == 2) {
        r.subtitulo(claseA ? "Coeficiente de seguridad clase A:"
                           : "Coeficiente de seguridad clase B:");
        r.fila("Frente a fallo por rotura:", {requerido(FilaVerificacion::TensionClave) + "."});
        r.fila("Frente a la inestabilidad:",
               {requerido(FilaVerificacion::EstabilidadTierras) + "."});
        r.fila("Deformación admisible a largo plazo:",
               {requerido(FilaVerificacion::Deformacion) + " %."});
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
    // The slope angle under the symbol the installation screen and its drawing give it.
    const auto grados = [&r](double valor) {
        return "β = " + r.v(valor, kPatronGeneral, " grados.");
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
    // Hw is a depth, measured down from the natural ground surface.
    if (p.Nivel_Freatico != 0)
        r.fila("Altura nivel freático:",
               {r.v(p.Hw, kPatronGeneral, " m bajo la superficie del terreno (Hw).")});
    else
        r.texto("No existe nivel freático.");
}

void caracteristicasDelApoyo(Redactor& r, const Proyecto& p) {
    r.titulo("CARACTERÍSTICAS DEL APOYO:");
    const int tipo = p.Tipo_Apoyo;
    const bool une = p.Norma == 1;
    if (une) {
        // The UNE bedding types, named as the bedding screen names them.
        r.fila("Tipo de apoyo:",
               {tipo >= 1 && tipo <= 3
                    ? std::string(Describe_Tipo_Apoyo(1, p.Tipo_Apoyo).opcion) + "."
                    : std::string()});
    } else {
        r.fila("Tipo de apoyo:",
               {tipo == 1   ? "Tipo I: Apoyo sobre cama granular."
                : tipo == 2 ? "Tipo II: Apoyo sólido (cama de hormigón)."
                : tipo == 3 ? "Tipo III: Tubo con apoyo granular hasta la clave del tubo."
                            : ""});
    }
    const bool hormigon = Es_Apoyo_Hormigon(p.Norma, p.Tipo_Apoyo);
    const bool subtipoB = une && p.Subtipo_Apoyo == 2;
    if (une && hormigon)
        r.fila("Subtipo de apoyo:", {std::string(kSubtiposApoyo[subtipoB ? 1 : 0]) + "."});
    r.fila("Ángulo de apoyo:", {r.v(p.Angulo_Apoyo, kPatronGeneral, " grados.")});
    // J is the height of a concrete bedding, the one bedding that has it.
    if (hormigon) {
        r.fila("Altura J del apoyo:", {r.v(p.J, kPatronGeneral, " m.")});
        if (subtipoB)
            r.texto("(En el subtipo b) la altura J no interviene en el cálculo.)");
    }
    r.fila("Relación de proyección:", {r.v(p.Relacion_Proyeccion)});
}

} // namespace tubrix::apartados
