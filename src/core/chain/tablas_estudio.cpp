#include "chain/tablas_estudio.h"

#include "format/formato.h"
#include "util/paths.h"

#include <array>
#include <cmath>

namespace tubrix {
namespace {

// A utilisation as CSV: "∞" for a row that is infinitely used, as the tables show it.
void utilizacion(EscritorCsv& csv, double valor) {
    if (std::isinf(valor))
        csv.texto("∞");
    else
        csv.numero(valor);
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
    csv.finDeLinea();
    for (const PuntoEstudio& p : puntos) {
        csv.numero(p.valor);
        csv.texto(textoVeredicto(p.rechazo  ? Veredicto::Rechazado
                                 : p.valido ? Veredicto::Valido
                                            : Veredicto::NoValido));
        for (const FilaVerificacion fila : kFilasVerificacion) {
            if (p.utilizacion[fila])
                utilizacion(csv, *p.utilizacion[fila]);
            else
                csv.vacio();
        }
        if (p.rechazo)
            csv.vacio().vacio().texto(p.rechazo->mensaje);
        else
            csv.numero(p.deformacionCorto).numero(p.deformacionLargo).vacio();
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
          "Motivo del rechazo"})
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
            csv.vacio().vacio().vacio().texto(c.rechazo->mensaje);
        } else {
            utilizacion(csv, c.utilizacion);
            csv.numero(c.deformacionCorto).numero(c.deformacionLargo).vacio();
        }
        csv.finDeLinea();
    }
    return csv.resultado();
}

} // namespace tubrix
