#include "salida_pdf.h"

namespace tubrix::cli {

void addCabeceraPdf(CLI::App& orden, std::string& titulo, std::string& autor) {
    orden.add_option("--title", titulo, "Título del proyecto (cabecera del PDF)");
    orden.add_option("--author", autor, "Autor del proyecto (cabecera del PDF)");
}

bool escribePdfDeLaOrden(const std::string& titulo, const std::string& autor,
                         const EscribePdf& escribe, std::ostream& err) {
    const CabeceraInforme cabecera(QString::fromStdString(titulo), QString::fromStdString(autor));
    if (auto escrito = escribe(cabecera); !escrito) {
        err << escrito.error().mensaje << '\n';
        return false;
    }
    return true;
}

} // namespace tubrix::cli
