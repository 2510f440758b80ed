#include "obra/tabla_obra.h"

#include "chain/pasos.h"
#include "chain/tablas_estudio.h"

#include <algorithm>
#include <cmath>

namespace tubrix {
namespace {

std::string num(double valor, std::string_view patron, const Separadores& sep) {
    return formatea(valor, patron, sep);
}

std::string opcional(const std::optional<double>& valor, std::string_view patron,
                     const Separadores& sep) {
    return valor ? num(*valor, patron, sep) : std::string();
}

// Message boxes break lines with carriage returns; a table cell wants blanks.
std::string enUnaLinea(std::string texto) {
    std::replace(texto.begin(), texto.end(), '\r', ' ');
    std::replace(texto.begin(), texto.end(), '\n', ' ');
    return texto;
}

std::string textoRechazo(const Parada& parada) {
    return "Paso " + std::to_string(parada.paso) + " (" +
           std::string(nombrePantalla(parada.pantalla)) + "): " + enUnaLinea(parada.mensaje);
}

std::string observaciones(const ResultadoTramo& t) {
    std::string texto;
    for (const CalculoExtremo& c : t.calculos) {
        const std::string extremo = c.extremo == Extremo::Unico
                                        ? ""
                                        : "Extremo " + std::string(nombreExtremo(c.extremo)) + ": ";
        if (c.rechazo)
            texto += (texto.empty() ? "" : " ") + extremo + textoRechazo(*c.rechazo);
        for (const std::string& aviso : c.avisos)
            texto += (texto.empty() ? "" : " ") + extremo + aviso;
    }
    return texto;
}

std::string recubrimiento(const ResultadoTramo& t, const Separadores& sep) {
    std::string texto;
    for (const CalculoExtremo& c : t.calculos)
        texto += (texto.empty() ? "" : " / ") + num(c.recubrimiento, "#,##0.00", sep);
    return texto;
}

} // namespace

std::string textoUtilizacion(double utilizacion, const Separadores& separadores) {
    if (!std::isfinite(utilizacion))
        return "coef. ≤ 0";
    return num(utilizacion * 100, "#,##0", separadores) + " %";
}

std::string textoTubo(const TuboCandidato& tubo) {
    // A sub-class name usually begins with its group's ("PVC-U UNE-EN 1401 SN 4").
    const bool claseConGrupo = tubo.clase.rfind(tubo.nombreGrupo, 0) == 0;
    return (claseConGrupo ? tubo.clase : tubo.nombreGrupo + ", " + tubo.clase) + ", DN " +
           std::to_string(tubo.diametroNominal) + " (código " + std::to_string(tubo.codigo) + ")";
}

std::string textoTuboNecesario(const ResultadoTramo& tramo) {
    if (tramo.tuboNecesario)
        return textoTubo(*tramo.tuboNecesario);
    return tramo.tuboBuscado ? "ninguno" : "";
}

TablaObra Tabla_Obra(const std::vector<ResultadoTramo>& tramos, const Separadores& sep) {
    TablaObra tabla;
    tabla.cabecera = {"Tramo", "H (m)", "Veredicto", "Fila determinante", "Utilización"};
    // The six checks give their safety factor (γ), not the stress or the load.
    for (std::size_t f = 0; f < 6; ++f)
        tabla.cabecera.push_back("γ " + std::string(nombreFila(kFilasVerificacion[f])));
    tabla.cabecera.insert(tabla.cabecera.end(),
                          {"Def. CP (%)", "Def. LP (%)", "Tubo necesario", "Observaciones"});
    for (const ResultadoTramo& t : tramos) {
        const CalculoExtremo& c = t.gobierna();
        std::vector<std::string> fila = {t.nombre, recubrimiento(t, sep),
                                         std::string(textoVeredicto(t.veredicto))};
        std::string determinante;
        if (c.filaDeterminante) {
            determinante = nombreFila(*c.filaDeterminante);
            if (c.extremo != Extremo::Unico)
                determinante += " (" + std::string(nombreExtremo(c.extremo)) + ")";
        }
        fila.push_back(determinante);
        fila.push_back(c.rechazo ? std::string() : textoUtilizacion(c.utilizacion, sep));
        for (std::size_t f = 0; f < 6; ++f)
            fila.push_back(opcional(c.coeficientes[kFilasVerificacion[f]], "###0.00", sep));
        fila.push_back(opcional(c.deformacionCorto, "#0.00", sep));
        fila.push_back(opcional(c.deformacionLargo, "#0.00", sep));
        fila.push_back(textoTuboNecesario(t));
        fila.push_back(observaciones(t));
        tabla.filas.push_back(std::move(fila));
    }
    return tabla;
}

std::vector<std::string> Lineas_Resumen_Obra(const ResultadoObra& resultado,
                                             const Separadores& sep) {
    const ResumenObra& r = resultado.resumen;
    const auto cuenta = [](std::size_t n, const char* uno, const char* varios) {
        return std::to_string(n) + " " + (n == 1 ? uno : varios);
    };
    std::vector<std::string> lineas;
    lineas.push_back(cuenta(resultado.tramos.size(), "tramo", "tramos") + ": " +
                     cuenta(r.validos, "válido", "válidos") + ", " +
                     cuenta(r.noValidos, "NO válido", "NO válidos") + ", " +
                     cuenta(r.rechazados, "rechazado", "rechazados") + ".");
    if (!resultado.completo)
        lineas.push_back("Cálculo interrumpido: solo se muestran los tramos terminados.");
    if (r.masUtilizado) {
        const ResultadoTramo& t = resultado.tramos[*r.masUtilizado];
        const CalculoExtremo& c = t.gobierna();
        std::string linea =
            "Tramo más solicitado: " + t.nombre + " (" + textoUtilizacion(c.utilizacion, sep);
        if (c.filaDeterminante)
            linea += ", " + std::string(nombreFila(*c.filaDeterminante));
        if (c.extremo != Extremo::Unico)
            linea += ", extremo " + std::string(nombreExtremo(c.extremo));
        lineas.push_back(linea + ").");
    }
    for (const TuboPedido& p : r.tubosNecesarios)
        lineas.push_back("Tubo necesario: " + textoTubo(p.tubo) + " en " +
                         cuenta(p.tramos, "tramo", "tramos") + ".");
    if (r.sinTuboValido > 0)
        lineas.push_back(cuenta(r.sinTuboValido, "tramo NO válido", "tramos NO válidos") +
                         " sin ningún tubo válido de su grupo y diámetro nominal.");
    return lineas;
}

std::string Csv_Resultados_Obra(const ResultadoObra& resultado, FormatoCsv formato) {
    EscritorCsv csv(formato);
    const auto opcional = [&](const std::optional<double>& v) {
        if (v)
            csv.numero(*v);
        else
            csv.vacio();
    };
    for (const char* titulo :
         {"Tramo", "Extremo", "H (m)", "Veredicto", "Fila determinante", "Utilización"})
        csv.texto(titulo);
    for (const FilaVerificacion fila : kFilasVerificacion)
        if (fila != FilaVerificacion::Deformacion)
            csv.texto("Coef. " + std::string(nombreFila(fila)));
    for (const char* titulo :
         {"Deformación CP (%)", "Deformación LP (%)", "Veredicto del tramo", "Tubo necesario",
          "Grupo necesario", "Subclase necesaria", "Código necesario", "Paso del rechazo",
          "Pantalla del rechazo", "Rechazo", "Avisos"})
        csv.texto(titulo);
    csv.finDeLinea();
    for (const ResultadoTramo& t : resultado.tramos) {
        for (const CalculoExtremo& c : t.calculos) {
            csv.texto(t.nombre).texto(nombreExtremo(c.extremo)).numero(c.recubrimiento);
            csv.texto(textoVeredicto(c.veredicto));
            csv.texto(c.filaDeterminante ? nombreFila(*c.filaDeterminante) : "");
            // A factor of zero or below uses the row without measure: the cell stays empty.
            if (c.rechazo)
                csv.vacio();
            else
                csv.numero(c.utilizacion);
            for (const FilaVerificacion fila : kFilasVerificacion)
                if (fila != FilaVerificacion::Deformacion)
                    opcional(c.coeficientes[fila]);
            opcional(c.deformacionCorto);
            opcional(c.deformacionLargo);
            csv.texto(textoVeredicto(t.veredicto)).texto(textoTuboNecesario(t));
            if (t.tuboNecesario)
                csv.entero(t.tuboNecesario->grupo)
                    .entero(t.tuboNecesario->subclase)
                    .entero(t.tuboNecesario->codigo);
            else
                csv.vacio().vacio().vacio();
            if (c.rechazo)
                csv.entero(c.rechazo->paso)
                    .texto(nombrePantalla(c.rechazo->pantalla))
                    .texto(enUnaLinea(c.rechazo->mensaje));
            else
                csv.vacio().vacio().vacio();
            std::string avisos;
            for (const std::string& a : c.avisos)
                avisos += (avisos.empty() ? "" : " ") + a;
            csv.texto(avisos);
            csv.finDeLinea();
        }
    }
    return csv.resultado();
}

} // namespace tubrix
