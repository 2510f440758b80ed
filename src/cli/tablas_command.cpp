#include "tablas_command.h"

#include "calc_command.h"
#include "chain/pasos.h"
#include "format/formato.h"
#include "pintor_tablas.h"
#include "project_input.h"
#include "salida_pdf.h"
#include "summary.h"
#include "tablas/tabla_recubrimiento.h"
#include "tablas/textos_tabla.h"
#include "uso_es.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace tubrix::cli {
namespace {

using nlohmann::json;

// "no", or a depth from 0 to 20 m written with a decimal point.
std::optional<std::optional<double>> leeFreatico(const std::string& texto) {
    if (texto == "no")
        return std::optional<double>();
    double valor = 0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (r.ec != std::errc() || r.ptr != texto.data() + texto.size() || !std::isfinite(valor) ||
        valor < 0 || valor > 20)
        return std::nullopt;
    return std::optional<double>(valor);
}

CLI::Validator freaticoValido() {
    return CLI::Validator(
        [](std::string& texto) -> std::string {
            if (leeFreatico(texto))
                return {};
            return "\"" + texto + "\" no es \"no\" ni una profundidad entre 0 y 20 m";
        },
        "no o 0 a 20");
}

CondicionesTabla condicionesDe(const TablasOptions& o) {
    CondicionesTabla c;
    for (const int g : o.suelos)
        c.suelos.push_back(static_cast<std::int16_t>(g));
    for (const int t : o.traficos)
        c.traficos.push_back(static_cast<std::int16_t>(t));
    for (const std::string& f : o.freaticos)
        c.freaticos.push_back(*leeFreatico(f));
    if (o.zanja) {
        c.instalacion = InstalacionTabla::ZanjaConMargen;
        c.margenZanja = *o.zanja;
    } else if (o.terraplen) {
        c.instalacion = InstalacionTabla::Terraplen;
    }
    return c;
}

json numeroJson(const std::optional<double>& v) {
    return v && std::isfinite(*v) ? json(*v) : json(nullptr);
}

json tablaJson(const TablaRecubrimiento& t, const Proyecto& base, const Catalogo& catalogo,
               const Separadores& sep) {
    json hipotesis = json::array();
    for (const Hipotesis& h : Hipotesis_Tabla(base, catalogo, t, sep))
        hipotesis.push_back({{"label", h.etiqueta}, {"value", h.valor}});
    json casos = json::array();
    for (const CasoTabla& c : t.casos)
        casos.push_back({{"traffic", c.trafico},
                         {"traffic_name", textoTrafico(c.trafico)},
                         {"soil_group", c.suelo ? json(*c.suelo) : json(nullptr)},
                         {"groundwater_depth", numeroJson(c.freatico)}});
    json tubos = json::array();
    for (std::size_t i = 0; i < t.tubos.size(); ++i) {
        const TuboSerie& tubo = t.tubos[i];
        json celdas = json::array();
        for (const LimitesProfundidad& l : t.celdas[i]) {
            json celda = {{"min", numeroJson(l.minima)},
                          {"max", numeroJson(l.maxima)},
                          {"note", motivoCelda(l)}};
            celda["refusal"] = l.rechazo ? json{{"step", l.rechazo->paso},
                                                {"screen", nombrePantalla(l.rechazo->pantalla)},
                                                {"message", l.rechazo->mensaje}}
                                         : json(nullptr);
            celdas.push_back(celda);
        }
        tubos.push_back({{"group", tubo.grupo},
                         {"subclass", tubo.subclase},
                         {"pipe", tubo.codigo},
                         {"DN", tubo.diametroNominal},
                         {"class", tubo.clase},
                         {"ring_stiffness", numeroJson(tubo.rigidezAnillo)},
                         {"cells", celdas}});
    }
    return {{"series", textoSerie(t.serie, catalogo)},
            {"assumptions", hipotesis},
            {"cases", casos},
            {"pipes", tubos}};
}

void imprimeTabla(const TablaRecubrimiento& t, const Proyecto& base, const Catalogo& catalogo,
                  const Separadores& sep, std::ostream& out) {
    for (const Hipotesis& h : Hipotesis_Tabla(base, catalogo, t, sep))
        out << h.etiqueta << ": " << h.valor << '\n';
    out << leyendaTabla() << '\n';
    for (const std::int16_t trafico : traficosDeLaTabla(t)) {
        out << "\nTráfico: " << textoTrafico(trafico) << '\n';
        const TablaTexto texto = Tabla_Del_Trafico(t, trafico, sep);
        // Each column as wide as its widest text, counted in characters.
        const auto caracteres = [](const std::string& s) {
            return static_cast<std::size_t>(std::count_if(
                s.begin(), s.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
        };
        std::vector<std::size_t> anchos(texto.cabecera.size(), 0);
        for (std::size_t c = 0; c < anchos.size(); ++c) {
            anchos[c] = caracteres(texto.cabecera[c]) + 2;
            for (const auto& celdas : texto.filas)
                anchos[c] = std::max(anchos[c], caracteres(celdas[c]) + 2);
        }
        const auto fila = [&](const std::vector<std::string>& celdas) {
            std::string linea;
            for (std::size_t c = 0; c < celdas.size(); ++c)
                linea += columna(celdas[c], anchos[c]);
            linea.erase(linea.find_last_not_of(' ') + 1);
            out << linea << '\n';
        };
        fila(texto.cabecera);
        for (const auto& celdas : texto.filas)
            fila(celdas);
        for (const std::string& nota : Notas_Del_Trafico(t, trafico, sep))
            out << nota << '\n';
    }
}

} // namespace

CLI::App* addTablasCommand(CLI::App& app, TablasOptions& o) {
    auto* tablas = app.add_subcommand(
        "tablas", "Tablas de recubrimiento: profundidades mínima y máxima admisibles de cada tubo "
                  "de una serie en cada combinación de condiciones; estado de salida: 0 tabla "
                  "hecha, 2 fichero ilegible, serie rechazada o ninguna casilla calculable");
    tablas->add_option("BASE", o.base, "Sección base (.tbx o .json)")->required();
    tablas->add_option("--group", o.grupo, "Grupo de material de la serie")
        ->required()
        ->check(enteroEntre(1, 12));
    tablas->add_option("--subclase", o.subclase, "Solo los tubos de esta subclase del grupo")
        ->check(enteroEntre(101, 1299));
    tablas->add_option("--suelos", o.suelos, "Grupos de suelo de las zonas 1 y 2 (1 a 4)")
        ->delimiter(',')
        ->check(enteroEntre(1, 4));
    tablas->add_option("--trafico", o.traficos, "Tráficos: 0 sin tráfico, 1 LT 12 … 5 HT 60")
        ->delimiter(',')
        ->check(enteroEntre(0, 5));
    tablas
        ->add_option("--freatico", o.freaticos,
                     "Nivel freático: no, o su profundidad Hf en m (0 a 20), p. ej. no,1.5")
        ->delimiter(',')
        ->check(freaticoValido());
    auto* zanja = tablas->add_option("--zanja", o.zanja,
                                     "Zanja de anchura B = D + MARGEN (m, 0 a 20) para cada tubo");
    zanja->check(CLI::Range(0.0, 20.0).description("0 a 20"));
    tablas->add_flag("--terraplen", o.terraplen, "Todos los tubos bajo terraplén")->excludes(zanja);
    auto* json = tablas->add_flag_callback(
        "--json", [&o] { o.salida = SalidaTablas::Json; }, "Salida JSON");
    auto* csv = tablas->add_flag_callback(
        "--csv", [&o] { o.salida = SalidaTablas::Csv; }, "Salida CSV");
    csv->excludes(json);
    auto* pdf = tablas->add_option("--pdf", o.pdf, "Las tablas en PDF (A4 apaisado)");
    pdf->excludes(json)->excludes(csv);
    addCabeceraPdf(*tablas, o.titulo, o.autor);
    tablas->add_option("--threads", o.hilos, "Hilos de cálculo (por omisión, todos los núcleos)")
        ->check(enteroEntre(1, 256));
    return tablas;
}

int runTablas(const TablasOptions& o, const Catalogo& catalogo, std::ostream& out,
              std::ostream& err) {
    auto base = loadProject(o.base);
    if (!base) {
        err << base.error().mensaje << '\n';
        return kExitInput;
    }
    SerieTubos serie;
    serie.grupo = static_cast<std::int16_t>(o.grupo);
    if (o.subclase)
        serie.subclase = static_cast<std::int16_t>(*o.subclase);
    OpcionesTabla opciones;
    opciones.hilos = o.hilos;
    const auto tabla =
        Calcula_Tabla_Recubrimiento(*base, catalogo, serie, condicionesDe(o), opciones);
    if (!tabla) {
        err << tabla.error().mensaje << '\n';
        return kExitInput;
    }
    // Nothing calculable is a refusal of the base, not a table.
    if (Todo_Rechazado(*tabla)) {
        err << "Ninguna casilla de la tabla se puede calcular. ";
        printRefusal(*tabla->celdas.front().front().rechazo, err);
        return kExitInput;
    }
    const Separadores sep = Separadores::espanol();
    if (o.pdf) {
        const auto escribe = [&](const CabeceraInforme& cabecera) {
            OpcionesPdfTabla pdf;
            pdf.cabecera = cabecera;
            return escribePdfTabla(*base, catalogo, *tabla, pdf, *o.pdf);
        };
        if (!escribePdfDeLaOrden(o.titulo, o.autor, escribe, err))
            return kExitInput;
    } else {
        switch (o.salida) {
        case SalidaTablas::Csv:
            out << Csv_Tabla_Recubrimiento(*tabla);
            break;
        case SalidaTablas::Json:
            out << tablaJson(*tabla, *base, catalogo, sep)
                       .dump(2, ' ', false, json::error_handler_t::replace)
                << '\n';
            break;
        case SalidaTablas::Tabla:
            imprimeTabla(*tabla, *base, catalogo, sep, out);
            break;
        }
    }
    return kExitValid;
}

} // namespace tubrix::cli
