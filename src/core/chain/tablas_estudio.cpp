#include "chain/tablas_estudio.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tubrix {
namespace {

// A number as CSV: shortest text that reads back exactly; empty when it does not exist.
std::string numero(double valor) {
    if (!std::isfinite(valor))
        return "";
    char texto[32];
    const auto r = std::to_chars(texto, texto + sizeof texto, valor);
    return std::string(texto, r.ptr);
}

// A text field, quoted when it holds a comma, a quote or a line break.
std::string campo(std::string_view texto) {
    if (texto.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(texto);
    std::string out = "\"";
    for (const char c : texto) {
        if (c == '"')
            out += '"';
        out += c == '\r' ? ' ' : c;
    }
    return out + '"';
}

} // namespace

std::string_view nombreFila(FilaVerificacion fila) {
    static constexpr std::array<std::string_view, 7> kNombres = {
        "Tensión clave",    "Tensión riñones",        "Tensión base",         "Estabilidad tierras",
        "Estabilidad agua", "Estabilidad simultánea", "Acortamiento relativo"};
    return kNombres[static_cast<std::size_t>(fila)];
}

std::string_view textoVeredicto(Veredicto veredicto) {
    switch (veredicto) {
    case Veredicto::Valido:
        return "Tubo válido";
    case Veredicto::NoValido:
        return "Tubo NO válido";
    case Veredicto::Rechazado:
        return "Rechazado";
    }
    return {};
}

std::string textoUso(std::optional<double> utilizacion, std::optional<double> coeficienteNoPositivo,
                     const Separadores& separadores) {
    if (coeficienteNoPositivo)
        return "coef. " + formatea(*coeficienteNoPositivo, "#,##0.00", separadores);
    if (utilizacion)
        return formatea(*utilizacion, "#,##0.00", separadores);
    return {};
}

std::string csvDelEstudio(Parametro parametro, const std::vector<PuntoEstudio>& puntos) {
    std::string csv = std::string(nombreParametro(parametro)) + ",valido";
    for (const FilaVerificacion fila : kFilasVerificacion)
        csv += "," + campo(nombreFila(fila));
    csv += ",deformacion_cp,deformacion_lp,rechazo,coeficientes_no_positivos\n";
    for (const PuntoEstudio& p : puntos) {
        csv += numero(p.valor) + (p.rechazo ? "," : (p.valido ? ",1" : ",0"));
        std::string noPositivos;
        for (const FilaVerificacion fila : kFilasVerificacion) {
            csv += "," + (p.utilizacion[fila] ? numero(*p.utilizacion[fila]) : std::string());
            if (p.coeficienteNoPositivo[fila])
                noPositivos += (noPositivos.empty() ? "" : "; ") + std::string(nombreFila(fila)) +
                               "=" + numero(*p.coeficienteNoPositivo[fila]);
        }
        csv += "," + (p.rechazo ? std::string() : numero(p.deformacionCorto));
        csv += "," + (p.rechazo ? std::string() : numero(p.deformacionLargo));
        csv += "," + (p.rechazo ? campo(p.rechazo->mensaje) : std::string());
        csv += "," + campo(noPositivos) + "\n";
    }
    return csv;
}

std::string csvDeLaSeleccion(const std::vector<TuboCandidato>& candidatos) {
    std::string csv = "grupo,subclase,codigo,material,clase,DN,diametro_exterior,espesor,"
                      "rigidez_anillo,veredicto,fila_determinante,utilizacion,deformacion_cp,"
                      "deformacion_lp,rechazo,coeficiente_no_positivo\n";
    for (const TuboCandidato& c : candidatos) {
        const bool calculado = !c.rechazo;
        csv += std::to_string(c.grupo) + "," + std::to_string(c.subclase) + "," +
               std::to_string(c.codigo) + "," + campo(c.nombreGrupo) + "," + campo(c.clase) + "," +
               std::to_string(c.diametroNominal) + "," + numero(c.diametroExterior) + "," +
               numero(c.espesor) + "," + (calculado ? numero(c.rigidezAnillo) : "") + "," +
               campo(textoVeredicto(c.veredicto)) + "," +
               (c.filaDeterminante ? campo(nombreFila(*c.filaDeterminante)) : "") + "," +
               (calculado && !c.coeficienteNoPositivo ? numero(c.utilizacion) : "") + "," +
               (calculado ? numero(c.deformacionCorto) : "") + "," +
               (calculado ? numero(c.deformacionLargo) : "") + "," +
               (c.rechazo ? campo(c.rechazo->mensaje) : "") + "," +
               (c.coeficienteNoPositivo ? numero(*c.coeficienteNoPositivo) : "") + "\n";
    }
    return csv;
}

} // namespace tubrix
