#include "uso_es.h"

#include "calc_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string_view>

namespace tubrix::cli {
namespace {

// The value type an option shows in the help.
std::string tipoEnEspanol(const std::string& tipo) {
    if (tipo == "TEXT")
        return "TEXTO";
    if (tipo == "FLOAT")
        return "NÚMERO";
    if (tipo == "INT" || tipo == "UINT")
        return "ENTERO";
    return tipo;
}

void traduceGrupos(CLI::App& app) {
    app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
    for (CLI::Option* opcion : app.get_options()) {
        if (opcion->get_group() == "Options")
            opcion->group("Opciones");
        // The checks below add their own description to the type; only the type is renamed.
        const std::string tipo = opcion->get_type_name();
        const auto dosPuntos = tipo.find(':');
        if (!tipo.empty())
            opcion->type_name(tipoEnEspanol(tipo.substr(0, dosPuntos)));
    }
    for (CLI::App* orden : app.get_subcommands({})) {
        if (orden->get_group() == "Subcommands")
            orden->group("Órdenes");
        traduceGrupos(*orden);
    }
}

// The words of the command line that are not options: the one that should have been a command.
std::string primeraPalabra(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view palabra = argv[i];
        if (palabra == "--catalogue") {
            ++i; // its value
            continue;
        }
        if (!palabra.starts_with("-"))
            return std::string(palabra);
    }
    return {};
}

std::string ordenes(const CLI::App& app) {
    std::string lista;
    for (const CLI::App* orden : app.get_subcommands([](const CLI::App*) { return true; }))
        lista += (lista.empty() ? "" : ", ") + orden->get_name();
    return lista;
}

struct Traduccion {
    std::regex patron;
    std::string texto; // $1, $2: the pieces of the original message
};

const std::vector<Traduccion>& traducciones() {
    static const std::vector<Traduccion> kTraducciones = {
        {std::regex("^(.+) is required$"), "falta $1"},
        {std::regex("^The following arguments? (?:was|were) not expected: (.+)$"),
         "no se esperaba: $1"},
        {std::regex("^Could not convert: (\\S+) = (.*)$"), "$1: \"$2\" no es un valor válido"},
        {std::regex("^The value (.+) is not an allowed value for (.+)$"),
         "$2: \"$1\" no es un valor admitido"},
        {std::regex("^(\\S+): \\d+ required \\S+ missing$"), "$1 necesita un valor"},
        {std::regex("^Expected (?:exactly|at least) (\\d+) arguments? to (\\S+), got (\\d+)$"),
         "$2 espera $1 valor(es) y ha recibido $3"},
        {std::regex("^(\\S+) excludes (\\S+)$"), "$1 y $2 no se pueden usar juntas"},
        {std::regex("^(\\S+) requires (\\S+)$"), "$1 necesita también $2"},
        {std::regex("^(\\S+): (.+)$"), "$1: $2"}, // our validators already speak Spanish
    };
    return kTraducciones;
}

} // namespace

void traduceAyuda(CLI::App& app) {
    auto formato = app.get_formatter();
    formato->label("Usage", "Uso");
    formato->label("OPTIONS", "OPCIONES");
    formato->label("SUBCOMMAND", "ORDEN");
    formato->label("SUBCOMMANDS", "ÓRDENES");
    formato->label("Positionals", "Argumentos");
    formato->label("REQUIRED", "(obligatorio)");
    formato->label("Excludes", "Excluye");
    formato->label("Needs", "Necesita");
    traduceGrupos(app);
}

std::string mensajeDeUso(const CLI::ParseError& error, const CLI::App& app, int argc,
                         const char* const* argv) {
    const std::string original = error.what();
    if (original == "A subcommand is required") {
        const std::string palabra = primeraPalabra(argc, argv);
        if (palabra.empty())
            return "falta la orden (" + ordenes(app) + ")";
        return "\"" + palabra + "\" no es una orden de tubrix-cli (" + ordenes(app) + ")";
    }
    for (const Traduccion& t : traducciones())
        if (std::regex_match(original, t.patron))
            return std::regex_replace(original, t.patron, t.texto);
    return original;
}

int respondeAlUso(const CLI::App& app, const CLI::ParseError& error, int argc,
                  const char* const* argv, std::ostream& out, std::ostream& err) {
    if (error.get_exit_code() == 0)
        return app.exit(error, out, err);
    err << "tubrix-cli: " << mensajeDeUso(error, app, argc, argv)
        << ".\nEscriba \"tubrix-cli --help\" para ver las órdenes y sus opciones.\n";
    return kExitUsage;
}

CLI::Validator numeroFinito() {
    return CLI::Validator(
        [](std::string& texto) -> std::string {
            const char* inicio = texto.c_str();
            char* fin = nullptr;
            const double valor = std::strtod(inicio, &fin);
            if (fin == inicio || *fin != '\0')
                return "\"" + texto + "\" no es un número";
            if (!std::isfinite(valor))
                return "\"" + texto + "\" no es un número finito";
            return {};
        },
        "");
}

CLI::Validator enteroEntre(long long minimo, long long maximo) {
    return CLI::Validator(
        [minimo, maximo](std::string& texto) -> std::string {
            long long valor = 0;
            const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
            const bool entero = r.ec == std::errc() && r.ptr == texto.data() + texto.size();
            if (!entero || valor < minimo || valor > maximo)
                return "\"" + texto + "\" no es un entero entre " + std::to_string(minimo) + " y " +
                       std::to_string(maximo);
            return {};
        },
        std::to_string(minimo) + " a " + std::to_string(maximo));
}

CLI::Validator unoDe(std::vector<std::string> admitidos) {
    std::string lista;
    for (const std::string& a : admitidos)
        lista += (lista.empty() ? "" : ", ") + a;
    return CLI::Validator(
        [admitidos, lista](std::string& texto) -> std::string {
            if (std::find(admitidos.begin(), admitidos.end(), texto) != admitidos.end())
                return {};
            return "\"" + texto + "\" no es uno de " + lista;
        },
        "{" + lista + "}");
}

} // namespace tubrix::cli
