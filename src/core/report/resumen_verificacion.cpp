#include "report/resumen_verificacion.h"

#include "calc/verificacion.h"
#include "chain/estudio.h"
#include "chain/tablas_estudio.h"
#include "chain/utilizacion.h"
#include "report/dibujo_instalacion.h"

#include <algorithm>
#include <array>

namespace tubrix {
namespace {

using Fila = FilaVerificacion;

constexpr const char* kNoAplica = "—";
constexpr const char* kPatronCoeficiente = "#,##0.00";
constexpr const char* kPatronRequerido = "#,##0.0#";
constexpr const char* kPatronMetros = "#,##0.00";
constexpr std::array<double, 4> kColumnas{105, 125, 145, 165};

const char* etiquetaDeFila(Fila fila) {
    switch (fila) {
    case Fila::TensionClave:
        return "Tensión en la clave";
    case Fila::TensionRinones:
        return "Tensión en los riñones";
    case Fila::TensionBase:
        return "Tensión en la base";
    case Fila::EstabilidadTierras:
        return "Estabilidad: carga de tierras";
    case Fila::EstabilidadAgua:
        return "Estabilidad: presión del agua externa";
    case Fila::EstabilidadSimultanea:
        return "Estabilidad: tierras y agua simultáneas";
    case Fila::Deformacion:
        return "Acortamiento relativo del diámetro";
    }
    return "";
}

bool esEstabilidad(Fila fila) {
    return fila == Fila::EstabilidadTierras || fila == Fila::EstabilidadAgua ||
           fila == Fila::EstabilidadSimultanea;
}

// The calculated value the row's verdict rests on: the long-term stress factors of a creeping
// pipe, the worse of the short- and long-term stability factors, the greater deflection.
double valorCalculado(const Proyecto& p, Fila fila) {
    const bool largo = p.Largo_Plazo == 1;
    const auto peor = [](double a, double b) {
        return std::min(a, b); // the lower factor; a non-positive one is lower still
    };
    switch (fila) {
    case Fila::TensionClave:
        return largo ? p.Coef_Clave_LP : p.Coef_Clave;
    case Fila::TensionRinones:
        return largo ? p.Coef_Rinones_LP : p.Coef_Rinones;
    case Fila::TensionBase:
        return largo ? p.Coef_Base_LP : p.Coef_Base;
    case Fila::EstabilidadTierras:
        return peor(p.Coef_Tierras, p.Coef_Tierras_LP);
    case Fila::EstabilidadAgua:
        return peor(p.Coef_Agua, p.Coef_Agua_LP);
    case Fila::EstabilidadSimultanea:
        return peor(p.Coef_Simultaneo, p.Coef_Simultaneo_LP);
    case Fila::Deformacion:
        return std::max(p.Dv_Relativa, p.Dv_Relativa_LP);
    }
    return 0;
}

// Which term the calculated value is of, when the pipe has both.
std::string plazoDelValor(const Proyecto& p, Fila fila) {
    const bool largo = p.Largo_Plazo == 1;
    if (fila == Fila::TensionClave || fila == Fila::TensionRinones || fila == Fila::TensionBase)
        return largo ? " (l/p)" : "";
    return "";
}

LineaInforme fila(std::string etiqueta, const std::vector<std::string>& valores,
                  double columnaEtiqueta = kColumnaEtiqueta) {
    std::vector<Celda> celdas{{std::move(etiqueta), columnaEtiqueta}};
    for (std::size_t i = 0; i < valores.size() && i < kColumnas.size(); ++i)
        celdas.push_back({valores[i], kColumnas[i]});
    return {TipoLinea::Fila, std::move(celdas)};
}

LineaInforme texto(std::string t, double columna = kColumnaEtiqueta) {
    return {TipoLinea::Fila, {{std::move(t), columna}}};
}

LineaInforme titulo(std::string t) {
    return {TipoLinea::Titulo, {{std::move(t), kColumnaEtiqueta}}};
}

LineaInforme enBlanco() {
    return {TipoLinea::EnBlanco, {}};
}

void tablaDeVerificacion(std::vector<LineaInforme>& lineas, const Proyecto& p,
                         const Separadores& sep) {
    const UsosVerificacion usos = Utilizaciones(p);
    const std::optional<Fila> determinante = Fila_Determinante(usos);
    lineas.push_back(fila("Comprobación", {"Calculado", "Requerido", "Utilización", "Resultado"}));
    for (const Fila f : kFilasVerificacion) {
        std::string etiqueta = etiquetaDeFila(f);
        if (f == determinante)
            etiqueta += " (*)";
        if (!usos.cuenta(f)) {
            lineas.push_back(fila(etiqueta, {kNoAplica, kNoAplica, kNoAplica, "No procede"}, 20));
            continue;
        }
        const bool deformacion = f == Fila::Deformacion;
        const std::string unidad = deformacion ? " %" : "";
        const std::string calculado =
            formatea(valorCalculado(p, f), deformacion ? "#,##0.00##" : kPatronCoeficiente, sep) +
            unidad + plazoDelValor(p, f);
        const std::string requerido =
            formatea(p.Seguridad_Requerida[f], kPatronRequerido, sep) + unidad;
        std::string uso = textoUso(usos.utilizacion[f], std::nullopt, sep);
        if (uso.empty())
            uso = kNoAplica; // a non-positive factor has no utilisation: its value tells
        lineas.push_back(fila(etiqueta, {calculado, requerido, uso, Resultado_Fila(p, f)}, 20));
    }
    lineas.push_back(enBlanco());
    if (determinante) {
        std::string nota =
            "(*) Comprobación determinante: " + std::string(etiquetaDeFila(*determinante));
        if (const auto& uso = usos.utilizacion[*determinante])
            nota += ", utilización " + textoUso(*uso, std::nullopt, sep) + ".";
        else
            nota += ", coeficiente calculado no positivo (" +
                    formatea(*usos.coeficienteNoPositivo[*determinante], kPatronCoeficiente, sep) +
                    "): no cumple sea cual sea el requerido.";
        lineas.push_back(texto(std::move(nota)));
    }
    lineas.push_back(texto("Utilización: coeficiente requerido / calculado; acortamiento calculado "
                           "/ admisible. Cumple hasta 1,00."));
    if (p.Largo_Plazo == 1)
        lineas.push_back(texto("(l/p): el tubo fluye; su tensión se comprueba a largo plazo."));
    if (std::any_of(kFilasVerificacion.begin(), kFilasVerificacion.end(),
                    [&](Fila f) { return esEstabilidad(f) && usos.cuenta(f); }))
        lineas.push_back(texto("Estabilidad y deformación: el peor valor del corto y el largo "
                               "plazo."));
    lineas.push_back(enBlanco());
    lineas.push_back(
        texto(std::string("Conclusión: ") + (Tubo_Valido(p) ? "TUBO VÁLIDO." : "TUBO NO VÁLIDO.")));
}

std::string nombreDelRecubrimiento(const Proyecto& p) {
    return p.Tipo_Instalacion == 1 ? "H" : "H1";
}

void recubrimientoAdmisible(std::vector<LineaInforme>& lineas, const Proyecto& p,
                            const Catalogo& catalogo, const Separadores& sep) {
    lineas.push_back(enBlanco());
    lineas.push_back(titulo("RECUBRIMIENTO ADMISIBLE:"));
    const LimitesProfundidad limites = Limites_Profundidad(p, catalogo);
    const std::string h = nombreDelRecubrimiento(p);
    const auto m = [&](double valor) {
        return formatea(valor, kPatronMetros, sep) + " m.";
    };
    lineas.push_back(texto("Alturas " + h + " con los demás datos de la sección, entre " + m(0.5) +
                           " y " + m(20.0)));
    if (limites.rechazo) {
        lineas.push_back(
            texto("No se puede calcular a ninguna altura: " + limites.rechazo->mensaje));
        return;
    }
    if (!limites.minima) {
        lineas.push_back(texto("El tubo no es válido a ninguna de esas alturas."));
    } else {
        lineas.push_back(fila("Recubrimiento mínimo admisible (" + h + "):", {m(*limites.minima)}));
        lineas.back().celdas.back().columnaMm = kColumnaValor;
        lineas.push_back(fila("Recubrimiento máximo admisible (" + h + "):", {m(*limites.maxima)}));
        lineas.back().celdas.back().columnaMm = kColumnaValor;
    }
    if (limites.alturasRechazadas > 0)
        lineas.push_back(texto("A " + std::to_string(limites.alturasRechazadas) +
                               " de las alturas probadas los datos no se pueden calcular; no "
                               "cuentan como admisibles."));
}

} // namespace

std::string Resultado_Fila(const Proyecto& p, FilaVerificacion f) {
    if (!Utilizaciones(p).cuenta(f))
        return "No procede";
    return p.Tubo_No_Valido[f] != 0 ? "No cumple" : "Cumple";
}

std::string Asunto_Informe(const Proyecto& p, const Catalogo& catalogo) {
    const Grupo* grupo = catalogo.buscaGrupo(p.Codigo_Material);
    std::string asunto = "Cálculo mecánico de un tubo enterrado: ";
    // The class names its material; a section without one is named by its material group.
    if (!p.Clase_Material.empty())
        asunto += p.Clase_Material;
    else
        asunto += grupo ? grupo->material : std::string("tubo");
    asunto += " DN " + formatea(p.Diametro_Normalizado, "0", Separadores::espanol());
    asunto += p.Norma == 1 ? ", UNE 88.211-90." : (p.Norma == 2 ? ", ATV A 127." : ".");
    asunto += Tubo_Valido(p) ? " Tubo válido." : " Tubo NO válido.";
    return asunto;
}

PaginaInforme Pagina_Resumen_Verificacion(const Proyecto& p, const Catalogo& catalogo,
                                          const Separadores& sep, int numero) {
    PaginaInforme pagina{numero, {}};
    auto& lineas = pagina.lineas;
    lineas.push_back(enBlanco());
    lineas.push_back(
        {TipoLinea::TituloInforme, {{"RESUMEN DE LA VERIFICACIÓN", kColumnaEtiqueta}}});
    lineas.push_back(enBlanco());
    tablaDeVerificacion(lineas, p, sep);
    recubrimientoAdmisible(lineas, p, catalogo, sep);
    lineas.push_back(enBlanco());
    lineas.push_back(titulo("INSTALACIÓN:"));
    lineas.push_back(enBlanco());
    lineas.emplace_back(Dibujo_Instalacion(p, sep));
    return pagina;
}

} // namespace tubrix
