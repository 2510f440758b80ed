#include "report/dibujo_instalacion.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace tubrix {
namespace {

// Where a value is written on a drawing: just right of the symbol the drawing carries, on its
// baseline (drawing units of the 340 × 250 drawings).
struct PuntoDibujo {
    double x;
    double y;
};

struct Anclas {
    const char* recurso;
    std::optional<PuntoDibujo>
        h; // H, or H1 (cover above the crown) of a trench under an embankment
    std::optional<PuntoDibujo> h2; // H2, the embankment above the trench
    std::optional<PuntoDibujo> b;
    std::optional<PuntoDibujo> beta;
    PuntoDibujo apoyo; // centre of the bedding angle's text, under the bedding
};

// The drawings of the installation screen, by installation type and subtype. The two-pipe
// drawings mark their heights without saying which pipe each belongs to: their heights go in
// the upper band, by name.
Anclas anclasDe(int tipo, int subtipo) {
    if (tipo == 2)
        return {"drawings/instalacion_zanja_terraplenada.svg",
                PuntoDibujo{326, 136.5},
                PuntoDibujo{326, 71.5},
                PuntoDibujo{135.5, 155.5},
                PuntoDibujo{102, 202.7},
                {160, 240}};
    if (tipo == 3 && subtipo == 2)
        return {
            "drawings/instalacion_dos_tubos_niveles_diferentes.svg", {}, {}, {}, {}, {200, 243}};
    if (tipo == 3)
        return {"drawings/instalacion_dos_tubos_mismo_nivel.svg",
                {},
                {},
                PuntoDibujo{178, 90.5},
                {},
                {170, 236}};
    if (subtipo == 3)
        return {
            "drawings/instalacion_terraplen.svg", PuntoDibujo{231, 107.5}, {}, {}, {}, {150, 222}};
    if (subtipo == 2)
        return {"drawings/instalacion_zanja_ancha.svg",
                PuntoDibujo{336, 104},
                {},
                PuntoDibujo{112, 145.5},
                PuntoDibujo{49, 182.7},
                {160, 222}};
    return {"drawings/instalacion_zanja_estrecha.svg",
            PuntoDibujo{326, 99},
            {},
            PuntoDibujo{129, 135.5},
            PuntoDibujo{94, 192.7},
            {160, 230}};
}

} // namespace

DibujoInforme Dibujo_Instalacion(const Proyecto& p, const Separadores& sep) {
    const int tipo = p.Tipo_Instalacion;
    const Anclas anclas = anclasDe(tipo, p.Subtipo_Instalacion);
    DibujoInforme dibujo;
    dibujo.recurso = anclas.recurso;

    const auto metros = [&](double valor) {
        return formatea(valor, "#,##0.00", sep) + " m";
    };
    const auto grados = [&](double valor) {
        const bool entero = valor == std::round(valor);
        return formatea(valor, entero ? "#,##0" : "#,##0.0#", sep) + "°";
    };
    std::vector<std::string> banda; // values without a symbol of their own on the drawing
    const auto escribe = [&](const std::optional<PuntoDibujo>& punto, const std::string& simbolo,
                             const std::string& valor) {
        if (punto)
            dibujo.anotaciones.push_back({"= " + valor, punto->x, punto->y, false});
        else
            banda.push_back(simbolo + " = " + valor);
    };

    const bool conZanja = !(tipo == 1 && p.Subtipo_Instalacion == 3);
    if (tipo == 1) {
        escribe(anclas.h, "H", metros(p.H));
    } else {
        escribe(anclas.h, "H1", metros(p.H1));
        escribe(anclas.h2, "H2", metros(p.H2));
    }
    if (tipo == 3 && p.Subtipo_Instalacion == 2) {
        banda.push_back("B1 = " + metros(p.B1));
        banda.push_back("B2 = " + metros(p.B2));
    } else if (conZanja) {
        escribe(anclas.b, "B", metros(p.B));
    }
    if (conZanja)
        escribe(anclas.beta, "β", grados(p.Beta));

    constexpr double kMargen = 4;
    constexpr double kPrimeraLinea = 14;
    constexpr double kInterlinea = 15;
    double y = kPrimeraLinea;
    if (!banda.empty()) {
        std::string linea;
        for (const std::string& s : banda)
            linea += (linea.empty() ? "" : "   ") + s;
        dibujo.anotaciones.push_back({linea, kMargen, y, false});
        y += kInterlinea;
    }
    dibujo.anotaciones.push_back(
        {p.Nivel_Freatico != 0 ? "Nivel freático a " + metros(p.Hw) + " bajo la superficie (Hf)"
                               : std::string("Sin nivel freático"),
         kMargen, y, false});
    dibujo.anotaciones.push_back(
        {"Ángulo de apoyo 2α = " + grados(p.Angulo_Apoyo), anclas.apoyo.x, anclas.apoyo.y, true});
    return dibujo;
}

} // namespace tubrix
