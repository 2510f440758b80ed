#include "chain/tablas_estudio.h"

#include "format/formato.h"
#include "util/paths.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tubrix {
namespace {

// "Tensión clave -0,45 / Tensión base -0,2": the rows of a point failed by a factor of zero or
// below, with the decimal separator of the file.
std::string noPositivosDe(const PuntoEstudio& p, const FormatoCsv& formato) {
    std::string texto;
    for (const FilaVerificacion fila : kFilasVerificacion) {
        if (!p.coeficienteNoPositivo[fila])
            continue;
        char numero[32];
        const auto r =
            std::to_chars(numero, numero + sizeof numero, *p.coeficienteNoPositivo[fila]);
        std::string valor(numero, r.ptr);
        std::replace(valor.begin(), valor.end(), '.', formato.decimal);
        texto += (texto.empty() ? "" : " / ") + std::string(nombreFila(fila)) + " " + valor;
    }
    return texto;
}

} // namespace

std::string_view nombreFila(FilaVerificacion fila) {
    static constexpr std::array<std::string_view, 7> kNombres = {
        "Tensión clave",    "Tensión riñones",        "Tensión base",         "Estabilidad tierras",
        "Estabilidad agua", "Estabilidad simultánea", "Acortamiento relativo"};
    return kNombres[static_cast<std::size_t>(fila)];
}

std::string textoUso(std::optional<double> utilizacion, std::optional<double> coeficienteNoPositivo,
                     const Separadores& separadores) {
    if (coeficienteNoPositivo)
        return "coef. " + formatea(*coeficienteNoPositivo, "#,##0.00", separadores);
    if (utilizacion)
        return formatea(*utilizacion, "#,##0.00", separadores);
    return {};
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

std::string_view unidadDelParametro(Parametro parametro) {
    switch (parametro) {
    case Parametro::ModuloE2:
        return "N/mm2";
    case Parametro::CargaP0:
        return "kN/m2";
    default:
        return "m";
    }
}

std::string cabeceraDelParametro(Parametro parametro, const Proyecto& seccion) {
    const std::string_view nombre =
        parametro == Parametro::Recubrimiento && seccion.Tipo_Instalacion == 2
            ? "H1"
            : nombreParametro(parametro);
    return std::string(nombre) + " (" + std::string(unidadDelParametro(parametro)) + ")";
}

std::string nombreDeLaSeccion(const Proyecto& seccion) {
    std::string nombre = seccion.Texto_Proyecto;
    while (!nombre.empty() && (nombre.back() == ' ' || nombre.back() == '\r' ||
                               nombre.back() == '\n' || nombre.back() == '\t'))
        nombre.pop_back();
    if (nombre.empty() && !seccion.Fichero.empty()) {
        nombre = utf8FromPath(pathFromUtf8(seccion.Fichero).filename());
    }
    if (nombre.empty())
        nombre = "Sección sin guardar";
    if (!seccion.Clase_Material.empty() && seccion.Diametro_Normalizado > 0)
        nombre += " · " + seccion.Clase_Material + ", DN " +
                  formatea(seccion.Diametro_Normalizado, "#,##0", Separadores::espanol());
    return nombre;
}

std::string csvDelEstudio(std::string_view cabeceraValor, const std::vector<PuntoEstudio>& puntos,
                          FormatoCsv formato) {
    EscritorCsv csv(formato);
    csv.texto(cabeceraValor).texto("Resultado");
    for (const FilaVerificacion fila : kFilasVerificacion)
        csv.texto(std::string(nombreFila(fila)) + " (utilización)");
    csv.texto("Deformación CP (%)").texto("Deformación LP (%)").texto("Motivo del rechazo");
    csv.texto("Coeficientes no positivos");
    csv.finDeLinea();
    for (const PuntoEstudio& p : puntos) {
        csv.numero(p.valor);
        csv.texto(textoVeredicto(p.rechazo  ? Veredicto::Rechazado
                                 : p.valido ? Veredicto::Valido
                                            : Veredicto::NoValido));
        for (const FilaVerificacion fila : kFilasVerificacion) {
            if (p.utilizacion[fila])
                csv.numero(*p.utilizacion[fila]);
            else
                csv.vacio();
        }
        if (p.rechazo)
            csv.vacio().vacio().texto(p.rechazo->mensaje);
        else
            csv.numero(p.deformacionCorto).numero(p.deformacionLargo).vacio();
        csv.texto(noPositivosDe(p, formato));
        csv.finDeLinea();
    }
    return csv.resultado();
}

std::string csvDeLaSeleccion(const std::vector<TuboCandidato>& candidatos, FormatoCsv formato) {
    EscritorCsv csv(formato);
    for (const char* cabecera :
         {"Código de grupo", "Código de subclase", "Código de tubo", "Grupo de material", "Clase",
          "DN (mm)", "Ø exterior (mm)", "Espesor (mm)", "SN (kN/m2)", "Resultado",
          "Fila determinante", "Utilización", "Deformación CP (%)", "Deformación LP (%)",
          "Motivo del rechazo", "Coeficiente no positivo"})
        csv.texto(cabecera);
    csv.finDeLinea();
    for (const TuboCandidato& c : candidatos) {
        csv.entero(c.grupo).entero(c.subclase).entero(c.codigo);
        csv.texto(c.nombreGrupo).texto(c.clase).entero(c.diametroNominal);
        csv.numero(c.diametroExterior).numero(c.espesor);
        if (c.rechazo)
            csv.vacio();
        else
            csv.numero(c.rigidezAnillo);
        csv.texto(textoVeredicto(c.veredicto));
        if (c.filaDeterminante)
            csv.texto(nombreFila(*c.filaDeterminante));
        else
            csv.vacio();
        if (c.rechazo) {
            csv.vacio().vacio().vacio().texto(c.rechazo->mensaje).vacio();
        } else {
            if (c.coeficienteNoPositivo)
                csv.vacio();
            else
                csv.numero(c.utilizacion);
            csv.numero(c.deformacionCorto).numero(c.deformacionLargo).vacio();
            if (c.coeficienteNoPositivo)
                csv.numero(*c.coeficienteNoPositivo);
            else
                csv.vacio();
        }
        csv.finDeLinea();
    }
    return csv.resultado();
}

} // namespace tubrix
