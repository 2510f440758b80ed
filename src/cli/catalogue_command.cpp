#include "catalogue_command.h"

#include "format/formato.h"

#include <cstdio>
#include <string>

namespace tubrix::cli {
namespace {

std::string num(double value, const char* pattern) {
    return formatea(value, pattern, Separadores::ingles());
}

std::string padLeft(const std::string& text, std::size_t width) {
    // Width in characters, not bytes: count UTF-8 lead bytes only.
    std::size_t chars = 0;
    for (const unsigned char c : text)
        chars += (c & 0xC0) != 0x80;
    return chars >= width ? text : std::string(width - chars, ' ') + text;
}

void printPipes(const Catalogo& catalogo, std::int16_t subclase, std::ostream& out) {
    bool profiled = false;
    for (const EntradaTubo& e : catalogo.listaTubos(subclase))
        profiled = profiled || catalogo.Busca_Tubo(e.codigo)->area > 0;
    out << "      " << padLeft("ID", 5) << padLeft("DN", 6) << padLeft("D ext", 9)
        << padLeft("D int", 9) << padLeft("Espesor", 9) << padLeft("Fibra N", 9);
    if (profiled)
        out << padLeft("Et", 8) << padLeft("Et LP", 7) << padLeft("RCEmin", 8)
            << padLeft("Momento", 12) << padLeft("Area", 9) << padLeft("W", 8);
    out << "  Tipo\n";
    for (const EntradaTubo& e : catalogo.listaTubos(subclase)) {
        const TuboNormalizado& t = *catalogo.Busca_Tubo(e.codigo);
        out << "      " << padLeft(std::to_string(t.id), 5)
            << padLeft(std::to_string(t.diametroN), 6) << padLeft(num(t.diametroE, "0.0"), 9)
            << padLeft(num(t.diametroI, "0.0"), 9) << padLeft(num(t.espesor, "0.00"), 9)
            << padLeft(num(t.fibraN, "0.0"), 9);
        if (profiled)
            out << padLeft(num(t.et, "0"), 8) << padLeft(num(t.etLargo, "0"), 7)
                << padLeft(num(t.rceMin, "0.0"), 8)
                << padLeft(num(t.momento * 1e6, "0.00") + "e-6", 12) << padLeft(num(t.area, "0"), 9)
                << padLeft(num(t.w, "0.00"), 8);
        out << "  " << t.tipo << '\n';
    }
}

} // namespace

void printCatalogue(const Catalogo& catalogo, std::ostream& out) {
    const DatosCatalogo& datos = catalogo.datos();
    out << "Catálogo de tubos: " << datos.grupos.size() << " grupos, " << datos.subclases.size()
        << " subclases, " << datos.tubos.size() << " tubos, " << datos.alfa.size()
        << " puntos de la tabla ALFA.\n"
        << "Unidades: diámetros y espesores en mm, módulos y tensiones en N/mm2, peso específico "
           "en kN/m3, RCE en kN/m2.\n";
    for (const Grupo& g : datos.grupos) {
        out << "\nGrupo " << g.codigo << ": " << g.material << (g.mostrar ? "" : " (oculto)")
            << "\n  ET " << num(g.et, "0") << ", ET largo " << num(g.etLargo, "0") << ", GAMMA_R "
            << num(g.gammaR, "0.0") << ", Sigma_R " << num(g.sigmaR, "0.0") << ", Sigma_R largo "
            << num(g.sigmaRLargo, "0.0") << '\n';
        for (const Subclase& s : datos.subclases) {
            if (s.codigo <= g.codigo * 100 || s.codigo > g.codigo * 100 + 100)
                continue;
            out << "  " << s.codigo << "  " << s.material << "  ["
                << (s.esSaneamiento() ? "saneamiento" : "presión") << "]";
            if (s.rce > 0)
                out << "  RCE " << num(s.rce / 1000, "0.0") << " kN/m2";
            out << (s.mostrar ? "" : " (oculta)") << '\n';
            printPipes(catalogo, s.codigo, out);
        }
    }
}

} // namespace tubrix::cli
