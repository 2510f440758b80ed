#include "report/informe.h"

#include "calc/distribucion_cargas.h"
#include "calc/verificacion.h"
#include "chain/pasos.h"
#include "report/resumen_verificacion.h"

#include <array>
#include <initializer_list>

namespace tubrix {
namespace {

constexpr const char* kPatronGeneral = "#,##0.0#";
constexpr const char* kPatronTablas = "#,##0.0000";
constexpr const char* kPatronEsfuerzos = "#,##0.000";

// Value columns of a row with n values.
std::vector<double> columnasDeValores(std::size_t n) {
    switch (n) {
    case 1:
        return {kColumnaValor};
    case 2:
        return {135, 165};
    case 3:
        return {105, 135, 165};
    default:
        return {105, 125, 145, 165};
    }
}

// Writes the report line by line, keeping the page being filled.
class Redactor {
public:
    explicit Redactor(const Separadores& separadores) : m_sep(separadores) { nuevaPagina(); }

    std::string v(double valor, const char* patron = kPatronGeneral,
                  std::string_view unidad = "") const {
        return formatea(valor, patron, m_sep) + std::string(unidad);
    }

    void tituloInforme(std::string texto) {
        linea({TipoLinea::TituloInforme, {{std::move(texto), kColumnaEtiqueta}}});
    }
    void titulo(std::string texto) {
        enBlanco();
        m_sangria = false;
        linea({TipoLinea::Titulo, {{std::move(texto), kColumnaEtiqueta}}});
    }
    // A single-column line; rows after it are indented until the next heading.
    void subtitulo(std::string texto) {
        m_sangria = false;
        fila(std::move(texto), {});
        m_sangria = true;
    }
    void texto(std::string texto) { fila(std::move(texto), {}); }
    void fila(std::string etiqueta, std::vector<std::string> valores) {
        LineaInforme l{TipoLinea::Fila, {}};
        l.celdas.push_back(
            {std::move(etiqueta), m_sangria ? kColumnaEtiquetaSangrada : kColumnaEtiqueta});
        const auto columnas = columnasDeValores(valores.size());
        for (std::size_t i = 0; i < valores.size() && i < columnas.size(); ++i)
            l.celdas.push_back({std::move(valores[i]), columnas[i]});
        linea(std::move(l));
    }
    // A row whose values sit at chosen columns (headings over part of a table).
    void filaEn(std::string etiqueta, std::vector<Celda> valores) {
        LineaInforme l{TipoLinea::Fila, {}};
        l.celdas.push_back(
            {std::move(etiqueta), m_sangria ? kColumnaEtiquetaSangrada : kColumnaEtiqueta});
        for (Celda& c : valores)
            l.celdas.push_back(std::move(c));
        linea(std::move(l));
    }
    // A label printed on two lines: the first alone, the second with the values.
    void filaDoble(std::string primera, std::string segunda, std::vector<std::string> valores) {
        texto(std::move(primera));
        fila(std::move(segunda), std::move(valores));
    }
    void enBlanco() { linea({TipoLinea::EnBlanco, {}}); }
    void sangria(bool si) { m_sangria = si; }
    void nuevaPagina() {
        m_informe.paginas.push_back({static_cast<int>(m_informe.paginas.size()) + 1, {}});
        m_sangria = false;
    }
    Informe resultado() && { return std::move(m_informe); }

private:
    void linea(LineaInforme l) { m_informe.paginas.back().lineas.push_back(std::move(l)); }

    const Separadores& m_sep;
    Informe m_informe;
    bool m_sangria = false;
};

bool conLargoPlazoDeMaterial(std::int16_t grupo) {
    return (grupo >= 5 && grupo <= 9) || grupo == 11 || grupo == 12;
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

void caracteristicasDeLosSuelos(Redactor& r, const Proyecto& p) {
    r.titulo("CARACTERÍSTICAS DE LOS SUELOS:");
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

std::string materialDeCapa(std::int16_t codigo) {
    static constexpr std::array<const char*, 9> kMateriales = {
        "Tierra-Cemento.",      "Grava-Cemento.",      "Macadán.",
        "Gravilla compactada.", "Escoria compactada.", "Aglomerado asfáltico.",
        "Emulsión asfáltica.",  "Hormigón pobre.",     "Losas de hormigón."};
    if (codigo <= 1)
        return kMateriales[0]; // a material not chosen prints as the first of the list
    return codigo <= 9 ? kMateriales[static_cast<std::size_t>(codigo - 1)] : "";
}

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
        r.fila("Distancia entre ejes:", {r.v(p.Distancia_Ejes, "0", " m.")});
        r.fila("Distancia entre ruedas:", {r.v(p.Distancia_Ruedas, "0", " m.")});
        r.fila("Tipo de firme:", {p.Tipo_Firme == 1 ? "Normal." : "Irregular."});
        r.fila("Coeficiente (Fi):", {r.v(p.Coeficiente_Impacto)});
    }
    if (p.Zona_Pavimentada != 0) {
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
    if (trafico)
        r.fila("Altura equivalente de tierras:", {r.v(p.He, kPatronGeneral, " m.")});
    else
        r.fila("Tipo de vehículo:", {"Sin tráfico."});
}

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

// The four columns of the load-distribution tables: stresses short and long term, deformations
// short and long term; without creep the long-term stress column is left out.
struct Cuatro {
    double tensionCorto;
    double tensionLargo;
    double deformacionCorto;
    double deformacionLargo;
};

std::vector<std::string> columnas(const Redactor& r, bool largo, const Cuatro& c,
                                  const char* patron = kPatronTablas) {
    std::vector<std::string> valores{r.v(c.tensionCorto, patron)};
    if (largo)
        valores.push_back(r.v(c.tensionLargo, patron));
    valores.push_back(r.v(c.deformacionCorto, patron));
    valores.push_back(r.v(c.deformacionLargo, patron));
    return valores;
}

std::vector<std::string> cabecerasDistribucion(bool largo) {
    if (largo)
        return {"Tensión c/p", "Tensión l/p", "Def. c/p.", "Def. l/p."};
    return {"Tensión", "Def. c/p.", "Def. l/p."};
}

void distribucionDeCargas(Redactor& r, const Proyecto& p) {
    const bool largo = p.Largo_Plazo == 1;
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
           columnas(r, largo,
                    {p.E2_Corregido_Tensiones, p.E2_Corregido_Tensiones_LP, p.E2_Corregido,
                     p.E2_Corregido_LP}));
    r.subtitulo("Relación de rigidez:");
    r.fila("Rigidez del tubo Sr (N/mm2):",
           columnas(r, largo, {p.Sr_Tensiones, p.Sr_Tensiones_LP, p.Sr, p.Sr_LP}));
    r.fila("Factor de corrección TAU:",
           columnas(r, largo, {p.Zeta_Tensiones, p.Zeta_Tensiones_LP, p.Zeta, p.Zeta_LP}));
    r.fila("Rigidez horizontal SBH (N/mm2):",
           columnas(r, largo, {p.SBH_Tensiones, p.SBH_Tensiones_LP, p.SBH, p.SBH_LP}));
    r.fila("Rigidez sistema Tubo-Suelo VRB:",
           columnas(r, largo, {p.VRB_Tensiones, p.VRB_Tensiones_LP, p.VRB, p.VRB_LP}));
    r.fila("Relación Pr. lateral-Pr. Vertical K2:",
           columnas(
               r, largo,
               {p.K2_Lateral_Tensiones, p.K2_Lateral_Tensiones_LP, p.K2_Lateral, p.K2_Lateral_LP}));
    r.fila("Rigidez vert. relleno SBV:",
           columnas(r, largo, {p.SBV_Tensiones, p.SBV_Tensiones_LP, p.SBV, p.SBV_LP}));
    r.fila("Coef. reacción relleno lat. K*:",
           columnas(
               r, largo,
               {p.K_Estrella_Tensiones, p.K_Estrella_Tensiones_LP, p.K_Estrella, p.K_Estrella_LP}));
    r.fila("Coef. def. diam. vert. Cv*:",
           columnas(r, largo,
                    {p.Cv_Estrella_Tensiones, p.Cv_Estrella_Tensiones_LP, p.Cv_Estrella,
                     p.Cv_Estrella_LP}));
    r.fila("Relación de rigidez Vs:",
           columnas(r, largo, {p.Vs_Tensiones, p.Vs_Tensiones_LP, p.Vs, p.Vs_LP}));
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
    r.fila(
        "Descarga relativa efectiva a':",
        columnas(r, largo, {p.A_Prima_Tensiones, p.A_Prima_Tensiones_LP, p.A_Prima, p.A_Prima_LP}));
    r.fila("Máximo factor de concentración",
           columnas(
               r, largo,
               {p.Lambda_Max_Tensiones, p.Lambda_Max_Tensiones_LP, p.Lambda_Max, p.Lambda_Max_LP}));
    r.fila("Factor concentración LANDA_R:",
           columnas(r, largo,
                    {p.Lambda_R_Tensiones, p.Lambda_R_Tensiones_LP, p.Lambda_R, p.Lambda_R_LP}));
    r.fila("Factor concentración LANDA_B:",
           columnas(r, largo,
                    {p.Lambda_B_Tensiones, p.Lambda_B_Tensiones_LP, p.Lambda_B, p.Lambda_B_LP}));
    r.subtitulo("Influencia de la anchura de la zanja:");
    r.fila(
        "Factor concentración LANDA_RG:",
        columnas(r, largo,
                 {p.Lambda_RG_Tensiones, p.Lambda_RG_Tensiones_LP, p.Lambda_RG, p.Lambda_RG_LP}));
    r.subtitulo("Factor límite del factor de concentración:");
    r.fila("Límite superior LANDA_f0:",
           columnas(r, largo, {p.Lambda_Fo, p.Lambda_Fo, p.Lambda_Fo, p.Lambda_Fo}));
    r.fila("Límite inferior LANDA_fu:",
           columnas(r, largo, {p.Lambda_Fu, p.Lambda_Fu, p.Lambda_Fu, p.Lambda_Fu}));
}

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

void verificacion(Redactor& r, const Proyecto& p, SalidaInforme salida) {
    const bool largo = p.Largo_Plazo == 1;
    const auto req = [&](FilaVerificacion f) {
        return r.v(p.Seguridad_Requerida[f], kPatronTablas);
    };
    const auto cabecerasCoeficientes = [&](const char* calculado, const char* requerido) {
        if (largo) {
            r.filaEn("", {{calculado, 105}, {requerido, 165}});
            r.filaEn("", {{"Corto Plazo", 105}, {"Largo Plazo", 135}});
        } else {
            r.fila("", {calculado, requerido});
        }
    };
    const auto filaCoeficiente = [&](std::string etiqueta, double corto, double largoValor,
                                     FilaVerificacion f) {
        if (largo)
            r.fila(std::move(etiqueta),
                   {r.v(corto, kPatronTablas), r.v(largoValor, kPatronTablas), req(f)});
        else
            r.fila(std::move(etiqueta), {r.v(corto, kPatronTablas), req(f)});
    };

    r.titulo("VERIFICACIÓN:");
    r.subtitulo("Verificación de tensión:");
    cabecerasCoeficientes("Coef. calculado", "Coef. requerido");
    filaCoeficiente("NU Clave:", p.Coef_Clave, p.Coef_Clave_LP, FilaVerificacion::TensionClave);
    filaCoeficiente("NU Riñones:", p.Coef_Rinones, p.Coef_Rinones_LP,
                    FilaVerificacion::TensionRinones);
    filaCoeficiente("NU Base", p.Coef_Base, p.Coef_Base_LP, FilaVerificacion::TensionBase);

    if (Hay_Deformaciones(p)) {
        r.subtitulo("Verificación de la estabilidad:");
        r.fila("", {"Corto Plazo", "Largo Plazo", "Coef. requerido"});
        const auto tres = [&](std::string etiqueta, double corto, double largoValor,
                              FilaVerificacion f) {
            r.fila(std::move(etiqueta),
                   {r.v(corto, kPatronTablas), r.v(largoValor, kPatronTablas), req(f)});
        };
        tres("NU Carga tierras:", p.Coef_Tierras, p.Coef_Tierras_LP,
             FilaVerificacion::EstabilidadTierras);
        tres("NU Presión Agua externa:", p.Coef_Agua, p.Coef_Agua_LP,
             FilaVerificacion::EstabilidadAgua);
        tres("NU simultáneas:", p.Coef_Simultaneo, p.Coef_Simultaneo_LP,
             FilaVerificacion::EstabilidadSimultanea);
        r.subtitulo("Verificación de deformación:");
        r.filaEn(
            "", {{"Valor calculado", 105},
                 {salida == SalidaInforme::Imagenes ? "Valor requerido" : "Valor admisible", 165}});
        r.filaEn("", {{"Corto Plazo", 105}, {"Largo plazo", 135}});
        r.fila("Acortamiento relativo:",
               {r.v(p.Dv_Relativa, kPatronTablas), r.v(p.Dv_Relativa_LP, kPatronTablas),
                r.v(p.Deformacion_Admisible, kPatronTablas)});
    }

    r.titulo("CONCLUSIÓN:");
    r.texto(Tubo_Valido(p) ? "TUBO VÁLIDO." : "TUBO NO VÁLIDO.");
}

} // namespace

Informe Contenido_Informe(const Proyecto& p, const Catalogo& catalogo, const Separadores& sep,
                          SalidaInforme salida) {
    Redactor r(sep);
    r.enBlanco();
    r.tituloInforme("PARÁMETROS DE CÁLCULO");
    caracteristicasDelTubo(r, p, catalogo);
    claseDeSeguridad(r, p);
    condicionesDeLaZanja(r, p);
    nivelFreatico(r, p);
    caracteristicasDelApoyo(r, p);

    r.nuevaPagina();
    caracteristicasDeLosSuelos(r, p);
    sobrecargas(r, p);

    r.nuevaPagina();
    cargas(r, p);
    distribucionDeCargas(r, p);

    r.nuevaPagina();
    cargasDeCalculo(r, p);
    esfuerzos(r, p, "CÁLCULO DE ESFUERZOS:", p.Momentos, p.Axiales, p.Suma_Momentos,
              p.Suma_Axiales);
    const bool largo = p.Largo_Plazo == 1;
    if (largo) {
        esfuerzos(r, p, "CÁLCULO DE ESFUERZOS (LARGO PLAZO):", p.Momentos_LP, p.Axiales_LP,
                  p.Suma_Momentos_LP, p.Suma_Axiales_LP);
        r.nuevaPagina();
    }
    tensionesYDeformaciones(r, p);
    estabilidad(r, p);
    if (!largo)
        r.nuevaPagina();
    verificacion(r, p, salida);
    Informe informe = std::move(r).resultado();
    informe.paginas.push_back(Pagina_Resumen_Verificacion(
        p, catalogo, sep, static_cast<int>(informe.paginas.size()) + 1));
    informe.asunto = Asunto_Informe(p, catalogo);
    return informe;
}

std::string textoDelInforme(const Informe& informe) {
    std::string texto;
    for (const PaginaInforme& pagina : informe.paginas) {
        texto += "--- Hoja " + std::to_string(pagina.numero) + " ---\n";
        for (const LineaInforme& linea : pagina.lineas) {
            bool primera = true;
            for (const Celda& celda : linea.celdas) {
                if (!primera)
                    texto += "  ";
                texto += celda.texto;
                primera = false;
            }
            texto += '\n';
        }
    }
    return texto;
}

} // namespace tubrix
