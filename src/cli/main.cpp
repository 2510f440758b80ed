// tubrix-cli: the calculation and the catalogue from the command line.
#include "calc_command.h"
#include "catalogue/catalogo_sqlite.h"
#include "catalogue/localiza_catalogo.h"
#include "catalogue_command.h"
#include "obra_command.h"
#include "report_command.h"
#include "study_command.h"
#include "tablas_command.h"
#include "uso_es.h"
#include "util/paths.h"
#include "version.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include <QGuiApplication>

namespace {

// Painting (PDF, page images) needs a Qt Gui application, not a display: on the offscreen
// platform unless one is chosen. None when nothing is painted.
std::unique_ptr<QGuiApplication> aplicacionParaPintar(bool pinta, int& argc, char** argv) {
    if (!pinta)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    using namespace tubrix;
    CLI::App app{"Tubrix: comprobación estructural de tuberías enterradas (ATV A 127, UNE "
                 "88.211-90)."};
    app.set_version_flag("--version", "tubrix-cli " + std::string(kVersion),
                         "Muestra la versión del programa");
    app.require_subcommand(1);
    app.fallthrough();
    std::string cataloguePath;
    app.add_option("--catalogue", cataloguePath,
                   "Catálogo de tubos (por omisión DatosS.db junto al programa, o en "
                   "../share/tubrix)");

    auto* catalogue =
        app.add_subcommand("catalogue", "Lista los grupos, subclases y tubos del catálogo");

    auto* calc = app.add_subcommand(
        "calc", "Calcula una sección (.tbx o .json) y muestra la verificación; estado de salida: "
                "0 válido, 1 no válido, 2 detenido o fichero ilegible");
    std::string calcFile;
    bool calcJson = false;
    calc->add_option("FICHERO", calcFile, "Proyecto .tbx, o .json con los datos del proyecto")
        ->required();
    calc->add_flag("--json", calcJson, "Todo el registro del proyecto en JSON");

    auto* convert = app.add_subcommand("convert", "Convierte un proyecto entre .json y .tbx");
    std::string convertIn;
    std::string convertOut;
    convert->add_option("ENTRADA", convertIn, "Fichero de entrada (.json o .tbx)")->required();
    convert->add_option("SALIDA", convertOut, "Fichero de salida (.tbx o .json)")->required();

    auto* report = app.add_subcommand(
        "report", "Calcula una sección y escribe el informe de cálculo en PDF o como imágenes");
    std::string reportFile;
    std::string reportPdf;
    std::string reportImages;
    std::string reportPng;
    cli::ReportOptions reportOptions;
    report->add_option("FICHERO", reportFile, "Proyecto .tbx, o .json con los datos del proyecto")
        ->required();
    auto* pdfOption = report->add_option("--pdf", reportPdf, "Informe en PDF");
    auto* bmpOption =
        report->add_option("--bmp", reportImages, "Carpeta para las imágenes Imp01.bmp…Imp06.bmp");
    auto* pngOption =
        report->add_option("--png", reportPng, "Carpeta para las imágenes Imp01.png…Imp06.png");
    pdfOption->excludes(bmpOption);
    pdfOption->excludes(pngOption);
    bmpOption->excludes(pngOption);
    report->add_option("--title", reportOptions.titulo,
                       "Título del proyecto (sin él, la descripción del proyecto)");
    report->add_option("--author", reportOptions.autor, "Autor del proyecto");

    std::string studyFile;
    bool studyJson = false;
    bool studyCsv = false;
    auto formatoDe = [&] {
        return studyJson ? cli::Formato::Json
                         : (studyCsv ? cli::Formato::Csv : cli::Formato::Tabla);
    };
    auto* select = app.add_subcommand(
        "select", "Prueba todos los tubos del catálogo en la sección y dice cuáles son válidos");
    std::optional<int> selectDn;
    std::optional<int> selectGroup;
    select->add_option("FICHERO", studyFile, "Proyecto .tbx o .json")->required();
    select->add_option("--dn", selectDn, "Solo tubos de este diámetro nominal")
        ->check(cli::enteroEntre(1, 32767));
    select->add_option("--group", selectGroup, "Solo tubos de este grupo de material")
        ->check(cli::enteroEntre(1, 12));
    auto* selectJson = select->add_flag("--json", studyJson, "Salida JSON");
    select->add_flag("--csv", studyCsv, "Salida CSV")->excludes(selectJson);

    auto* sweep = app.add_subcommand("sweep", "Estudio paramétrico: barre un dato de la sección");
    std::string sweepParam;
    double sweepFrom = 0;
    double sweepTo = 0;
    int sweepSteps = 100;
    sweep->add_option("FICHERO", studyFile, "Proyecto .tbx o .json")->required();
    sweep->add_option("--param", sweepParam, "Dato barrido: H, Hf, B, E2 o P0")
        ->required()
        ->check(cli::unoDe({"H", "Hf", "B", "E2", "P0"}));
    sweep->add_option("--from", sweepFrom, "Valor inicial")->required()->check(cli::numeroFinito());
    sweep->add_option("--to", sweepTo, "Valor final")->required()->check(cli::numeroFinito());
    sweep->add_option("--steps", sweepSteps, "Número de intervalos")
        ->check(cli::enteroEntre(1, 100000));
    auto* sweepJson = sweep->add_flag("--json", studyJson, "Salida JSON");
    sweep->add_flag("--csv", studyCsv, "Salida CSV")->excludes(sweepJson);

    auto* limits =
        app.add_subcommand("limits", "Profundidades mínima y máxima a las que el tubo es válido");
    limits->add_option("FICHERO", studyFile, "Proyecto .tbx o .json")->required();

    cli::ObraOptions obraOptions;
    auto* obra = cli::addObraCommand(app, obraOptions);

    cli::TablasOptions tablasOptions;
    auto* tablas = cli::addTablasCommand(app, tablasOptions);

    cli::traduceAyuda(app);
    try {
        app.parse(argc, argv);
        if (*report && reportPdf.empty() && reportImages.empty() && reportPng.empty())
            throw CLI::RequiredError("--pdf, --bmp o --png");
    } catch (const CLI::ParseError& e) {
        return cli::respondeAlUso(app, e, argc, argv, std::cout, std::cerr);
    }

    if (*convert)
        return cli::runConvert(pathFromUtf8(convertIn), pathFromUtf8(convertOut), std::cerr);

    const auto path = cataloguePath.empty()
                          ? localizaCatalogo()
                          : Resultado<std::filesystem::path>(pathFromUtf8(cataloguePath));
    if (!path) {
        std::cerr << path.error().mensaje << '\n';
        return cli::kExitInput;
    }
    auto catalogo = abreCatalogo(*path);
    if (!catalogo) {
        std::cerr << catalogo.error().mensaje << '\n';
        return cli::kExitInput;
    }
    if (*catalogue) {
        cli::printCatalogue(*catalogo, std::cout);
        return 0;
    }
    if (*select) {
        FiltroSeleccion filtro;
        if (selectDn)
            filtro.diametroNominal = static_cast<std::int16_t>(*selectDn);
        if (selectGroup)
            filtro.grupo = static_cast<std::int16_t>(*selectGroup);
        return cli::runSelect(pathFromUtf8(studyFile), filtro, formatoDe(), *catalogo, std::cout,
                              std::cerr);
    }
    if (*sweep)
        return cli::runSweep(pathFromUtf8(studyFile), *parametroDeNombre(sweepParam), sweepFrom,
                             sweepTo, sweepSteps, formatoDe(), *catalogo, std::cout, std::cerr);
    if (*obra) {
        const auto qt = aplicacionParaPintar(obraOptions.pdf.has_value(), argc, argv);
        return cli::runObra(obraOptions, *catalogo, std::cout, std::cerr);
    }
    if (*tablas) {
        const auto qt = aplicacionParaPintar(tablasOptions.pdf.has_value(), argc, argv);
        return cli::runTablas(tablasOptions, *catalogo, std::cout, std::cerr);
    }
    if (*limits)
        return cli::runLimits(pathFromUtf8(studyFile), *catalogo, std::cout, std::cerr);
    if (*report) {
        const auto qt = aplicacionParaPintar(true, argc, argv);
        if (!reportPdf.empty())
            reportOptions.pdf = pathFromUtf8(reportPdf);
        if (!reportImages.empty())
            reportOptions.imagenes = pathFromUtf8(reportImages);
        if (!reportPng.empty()) {
            reportOptions.imagenes = pathFromUtf8(reportPng);
            reportOptions.formatoImagenes = FormatoImagen::Png;
        }
        return cli::runReport(pathFromUtf8(reportFile), reportOptions, *catalogo, std::cout,
                              std::cerr);
    }
    return cli::runCalc(pathFromUtf8(calcFile), calcJson, *catalogo, std::cout, std::cerr);
}
