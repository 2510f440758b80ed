#include "report_command.h"

#include "calc_command.h"
#include "chain/calcula_seccion.h"
#include "pintor_informe.h"
#include "project_input.h"
#include "report/informe.h"
#include "util/paths.h"

namespace tubrix::cli {

int runReport(const std::filesystem::path& file, const ReportOptions& options,
              const Catalogo& catalogo, std::ostream& out, std::ostream& err) {
    auto loaded = loadProject(file);
    if (!loaded) {
        err << loaded.error().mensaje << '\n';
        return kExitInput;
    }
    Proyecto& proyecto = *loaded;
    if (const auto parada = Calcula_Seccion(proyecto, catalogo)) {
        printRefusal(*parada, err);
        err << kInformeNoGenerado << '\n';
        return kExitInput;
    }
    // The report reads numbers the way a Spanish system shows them, as the desktop program does
    // on a Spanish system.
    const std::string& titulo = options.titulo.empty() ? proyecto.Texto_Proyecto : options.titulo;
    const CabeceraInforme cabecera{QString::fromStdString(titulo),
                                   QString::fromStdString(options.autor)};
    if (options.pdf) {
        const Informe informe =
            Contenido_Informe(proyecto, catalogo, Separadores::espanol(), SalidaInforme::Impresora);
        if (auto escrito = escribePdf(informe, cabecera, *options.pdf); !escrito) {
            err << escrito.error().mensaje << '\n';
            return kExitInput;
        }
        out << displayPath(*options.pdf) << '\n';
    }
    if (options.imagenes) {
        const Informe informe =
            Contenido_Informe(proyecto, catalogo, Separadores::espanol(), SalidaInforme::Imagenes);
        auto escritas =
            escribeImagenes(informe, cabecera, *options.imagenes, options.formatoImagenes);
        if (!escritas) {
            err << escritas.error().mensaje << '\n';
            return kExitInput;
        }
        for (const auto& f : *escritas)
            out << displayPath(f) << '\n';
    }
    return 0;
}

} // namespace tubrix::cli
