#include "obra_command.h"

#include "calc_command.h"
#include "chain/pasos.h"
#include "chain/tablas_estudio.h"
#include "obra/calcula_obra.h"
#include "obra/fichero_obra.h"
#include "obra/importa_csv.h"
#include "obra/tabla_obra.h"
#include "pintor_obra.h"
#include "project_input.h"
#include "salida_pdf.h"
#include "summary.h"
#include "util/ascii_case.h"
#include "util/paths.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace tubrix::cli {
namespace {

using nlohmann::json;

bool esCsv(const std::filesystem::path& fichero) {
    return equalsIgnoringCase(utf8FromPath(fichero.extension()), ".csv");
}

// The works named on the command line: a .tbo, or a CSV of reaches over a base section.
Resultado<Obra> cargaObra(const ObraOptions& o, std::ostream& err) {
    if (!esCsv(o.fichero))
        return Abre_Obra(o.fichero);
    auto base = loadProject(*o.base);
    if (!base)
        return tl::unexpected(base.error());
    auto tramos = Abre_Tramos_Csv(o.fichero);
    if (!tramos)
        return tl::unexpected(tramos.error());
    err << "Tramos de \"" << utf8FromPath(o.fichero) << "\": " << describeDialecto(tramos->dialecto)
        << ".\n";
    Obra obra = Obra_Nueva(*base);
    Anade_Tramos(obra, std::move(*tramos));
    return obra;
}

json numeroJson(const std::optional<double>& v) {
    return v && std::isfinite(*v) ? json(*v) : json(nullptr);
}

json tuboJson(const TuboCandidato& t) {
    return {{"group", t.grupo},
            {"subclass", t.subclase},
            {"pipe", t.codigo},
            {"material", t.nombreGrupo},
            {"class", t.clase},
            {"DN", t.diametroNominal},
            {"utilisation", numeroJson(t.utilizacion)}};
}

json calculoJson(const CalculoExtremo& c) {
    json factores = json::object();
    json usos = json::object();
    for (const FilaVerificacion fila : kFilasVerificacion) {
        if (fila != FilaVerificacion::Deformacion)
            factores[std::string(nombreFila(fila))] = numeroJson(c.coeficientes[fila]);
        usos[std::string(nombreFila(fila))] = numeroJson(c.utilizaciones[fila]);
    }
    json j = {{"end", c.extremo == Extremo::Unico ? json(nullptr) : json(nombreExtremo(c.extremo))},
              {"H", c.recubrimiento},
              {"verdict", c.rechazo ? json(nullptr) : json(textoVeredicto(c.veredicto))},
              {"governing_row",
               c.filaDeterminante ? json(nombreFila(*c.filaDeterminante)) : json(nullptr)},
              {"utilisation", c.rechazo ? json(nullptr) : numeroJson(c.utilizacion)},
              {"safety_factors", factores},
              {"row_utilisation", usos},
              {"deflection_short", numeroJson(c.deformacionCorto)},
              {"deflection_long", numeroJson(c.deformacionLargo)},
              {"notes", c.avisos}};
    j["refusal"] = c.rechazo ? json{{"step", c.rechazo->paso},
                                    {"screen", nombrePantalla(c.rechazo->pantalla)},
                                    {"message", c.rechazo->mensaje}}
                             : json(nullptr);
    return j;
}

json obraJson(const ResultadoObra& r, const Separadores& sep) {
    json tramos = json::array();
    for (const ResultadoTramo& t : r.tramos) {
        json calculos = json::array();
        for (const CalculoExtremo& c : t.calculos)
            calculos.push_back(calculoJson(c));
        tramos.push_back(
            {{"name", t.nombre},
             {"verdict", textoVeredicto(t.veredicto)},
             {"governing_end", t.gobierna().extremo == Extremo::Unico
                                   ? json(nullptr)
                                   : json(nombreExtremo(t.gobierna().extremo))},
             {"calculations", calculos},
             {"needed_pipe", t.tuboNecesario ? tuboJson(*t.tuboNecesario)
                                             : (t.tuboBuscado ? json("ninguno") : json(nullptr))}});
    }
    const ResumenObra& s = r.resumen;
    json pedidos = json::array();
    for (const TuboPedido& p : s.tubosNecesarios) {
        json tubo = tuboJson(p.tubo);
        tubo.erase("utilisation");
        tubo["reaches"] = p.tramos;
        pedidos.push_back(tubo);
    }
    json resumen = {
        {"valid", s.validos},
        {"not_valid", s.noValidos},
        {"refused", s.rechazados},
        {"most_used", s.masUtilizado ? json(r.tramos[*s.masUtilizado].nombre) : json(nullptr)},
        {"needed_pipes", pedidos},
        {"without_valid_pipe", s.sinTuboValido},
        {"lines", Lineas_Resumen_Obra(r, sep)}};
    return {{"reaches", tramos}, {"summary", resumen}};
}

void imprimeTabla(const ResultadoObra& r, const Separadores& sep, std::ostream& out) {
    for (const std::string& linea : Lineas_Resumen_Obra(r, sep))
        out << linea << '\n';
    out << '\n';
    const TablaObra tabla = Tabla_Obra(r.tramos, sep);
    using C = ColumnaObra;
    const std::vector<std::pair<C, std::size_t>> columnas = {
        {C::Tramo, 14},        {C::Recubrimiento, 14}, {C::Veredicto, 16},
        {C::Determinante, 33}, {C::Utilizacion, 13},   {C::TuboNecesario, 0}};
    const auto fila = [&](const std::vector<std::string>& celdas) {
        std::string linea;
        for (const auto& [columna, ancho] : columnas) {
            const std::string& texto = celdas[static_cast<std::size_t>(columna)];
            linea += ancho ? cli::columna(texto, ancho) : texto;
        }
        linea.erase(linea.find_last_not_of(' ') + 1);
        out << linea << '\n';
    };
    fila(tabla.cabecera);
    for (const auto& celdas : tabla.filas)
        fila(celdas);
    for (const ResultadoTramo& t : r.tramos)
        for (const CalculoExtremo& c : t.calculos)
            for (const std::string& aviso : c.avisos)
                out << "Tramo \"" << t.nombre << "\""
                    << (c.extremo == Extremo::Unico
                            ? ""
                            : ", extremo " + std::string(nombreExtremo(c.extremo)))
                    << ": " << aviso << '\n';
}

} // namespace

CLI::App* addObraCommand(CLI::App& app, ObraOptions& o) {
    auto* obra = app.add_subcommand(
        "obra", "Calcula todos los tramos de una obra (.tbo, o .csv de tramos con --base); "
                "estado de salida: 0 todos válidos, 1 alguno no válido, 2 fichero ilegible o "
                "algún tramo rechazado");
    obra->add_option("FILE", o.fichero, "Obra .tbo, o tramos .csv")->required();
    obra->add_option("--base", o.base, "Sección base (.tbx o .json) de los tramos de un CSV");
    auto* json = obra->add_flag_callback(
        "--json", [&o] { o.salida = SalidaObra::Json; }, "Salida JSON");
    obra->add_flag_callback(
            "--csv", [&o] { o.salida = SalidaObra::Csv; }, "Salida CSV")
        ->excludes(json);
    auto* pdf = obra->add_option("--pdf", o.pdf, "Resumen de la obra en PDF");
    obra->add_flag("--informes", o.informes,
                   "Tras el resumen, el informe completo de cada tramo calculado")
        ->needs(pdf);
    addCabeceraPdf(*obra, o.titulo, o.autor);
    return obra;
}

int runObra(const ObraOptions& o, const Catalogo& catalogo, std::ostream& out, std::ostream& err) {
    if (o.base && !esCsv(o.fichero)) {
        err << "--base solo acompaña a un fichero CSV de tramos; una obra .tbo ya lleva su base.\n";
        return kExitUsage;
    }
    if (!o.base && esCsv(o.fichero)) {
        err << "Un fichero CSV de tramos necesita la sección base: --base BASE.tbx.\n";
        return kExitUsage;
    }
    auto obra = cargaObra(o, err);
    if (!obra) {
        err << obra.error().mensaje << '\n';
        return kExitInput;
    }
    const ResultadoObra resultado = Calcula_Obra(*obra, catalogo);
    const Separadores sep = Separadores::espanol();
    switch (o.salida) {
    case SalidaObra::Csv:
        out << Csv_Resultados_Obra(resultado);
        break;
    case SalidaObra::Json:
        out << obraJson(resultado, sep).dump(2) << '\n';
        break;
    case SalidaObra::Tabla:
        imprimeTabla(resultado, sep, out);
        break;
    }
    const auto escribe = [&](const CabeceraInforme& cabecera) {
        OpcionesPdfObra pdf;
        pdf.cabecera = cabecera;
        pdf.informes = o.informes;
        return escribePdfObra(*obra, resultado, catalogo, pdf, *o.pdf);
    };
    if (o.pdf && !escribePdfDeLaOrden(o.titulo, o.autor, escribe, err))
        return kExitInput;
    for (const ResultadoTramo& t : resultado.tramos)
        for (const CalculoExtremo& c : t.calculos)
            if (c.rechazo) {
                std::string mensaje = c.rechazo->mensaje;
                std::replace(mensaje.begin(), mensaje.end(), '\r', '\n');
                err << "Tramo \"" << t.nombre << "\""
                    << (c.extremo == Extremo::Unico
                            ? ""
                            : ", extremo " + std::string(nombreExtremo(c.extremo)))
                    << ": cálculo detenido en el paso " << c.rechazo->paso << " ("
                    << nombrePantalla(c.rechazo->pantalla) << "): " << mensaje << '\n';
            }
    if (resultado.resumen.rechazados > 0)
        return kExitInput;
    return resultado.resumen.noValidos > 0 ? kExitNotValid : kExitValid;
}

} // namespace tubrix::cli
