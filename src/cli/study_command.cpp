#include "study_command.h"

#include "calc_command.h"
#include "chain/tablas_estudio.h"
#include "format/formato.h"
#include "project_input.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace tubrix::cli {
namespace {

std::string num(double valor, const char* patron = "#,##0.00") {
    return formatea(valor, patron, Separadores::espanol());
}

nlohmann::json paradaJson(const std::optional<Parada>& parada) {
    if (!parada)
        return nullptr;
    return {{"step", parada->paso},
            {"screen", nombrePantalla(parada->pantalla)},
            {"message", parada->mensaje}};
}

std::string columna(const std::string& texto, std::size_t ancho) {
    std::size_t caracteres = 0;
    for (const unsigned char c : texto)
        caracteres += (c & 0xC0) != 0x80;
    return caracteres >= ancho ? texto + " " : texto + std::string(ancho - caracteres, ' ');
}

// Width of a column of uses, "coef. -12,34" included.
constexpr std::size_t kAnchoUso = 13;

constexpr const char* kNotaCoeficiente =
    "coef.: el coeficiente de seguridad calculado es cero o negativo; la fila no se cumple sea "
    "cual sea el requerido.\n";

// What to say when the filter leaves no pipe to try.
std::string ningunTubo(const FiltroSeleccion& filtro, const Catalogo& catalogo) {
    if (filtro.grupo && (*filtro.grupo == 2 || *filtro.grupo == 3))
        return "El grupo " + std::to_string(*filtro.grupo) +
               " sigue la norma ASTM, que esta aplicación no calcula.";
    if (filtro.grupo && !catalogo.buscaGrupo(*filtro.grupo))
        return "El grupo " + std::to_string(*filtro.grupo) + " no está en el catálogo de tubos.";
    if (!filtro.diametroNominal)
        return "El grupo " + std::to_string(*filtro.grupo) + " no tiene tubos en el catálogo.";
    return "Ningún tubo del catálogo" +
           (filtro.grupo ? " del grupo " + std::to_string(*filtro.grupo) : std::string()) +
           " tiene DN " + std::to_string(*filtro.diametroNominal) + ".";
}

// A pipe as JSON: a value that does not exist is left out, never written as a non-number.
nlohmann::json candidatoJson(const TuboCandidato& c) {
    nlohmann::json j = {
        {"group", c.grupo},
        {"subclass", c.subclase},
        {"pipe", c.codigo},
        {"material", c.nombreGrupo},
        {"class", c.clase},
        {"DN", c.diametroNominal},
        {"outside_diameter", c.diametroExterior},
        {"wall", c.espesor},
        {"ring_stiffness", c.rechazo ? nlohmann::json(nullptr) : nlohmann::json(c.rigidezAnillo)},
        {"verdict", textoVeredicto(c.veredicto)},
        {"governing_row", c.filaDeterminante ? nlohmann::json(nombreFila(*c.filaDeterminante))
                                             : nlohmann::json(nullptr)},
        {"deflection_short", c.deformacionCorto},
        {"deflection_long", c.deformacionLargo},
        {"refusal", paradaJson(c.rechazo)}};
    if (c.rechazo)
        j["utilisation"] = nullptr;
    else if (c.coeficienteNoPositivo)
        j["non_positive_factor"] = *c.coeficienteNoPositivo;
    else
        j["utilisation"] = c.utilizacion;
    return j;
}

// Loads the section; prints the reason and returns false when it cannot be read.
bool carga(const std::filesystem::path& file, Proyecto& proyecto, std::ostream& err) {
    auto loaded = loadProject(file);
    if (!loaded) {
        err << loaded.error().mensaje << '\n';
        return false;
    }
    proyecto = std::move(*loaded);
    return true;
}

} // namespace

int runSelect(const std::filesystem::path& file, const FiltroSeleccion& filtro, Formato formato,
              const Catalogo& catalogo, std::ostream& out, std::ostream& err) {
    Proyecto seccion;
    if (!carga(file, seccion, err))
        return kExitInput;
    const auto candidatos = Selecciona_Tubos(seccion, catalogo, filtro);
    if (candidatos.empty()) {
        err << ningunTubo(filtro, catalogo) << '\n';
        return kExitInput;
    }
    switch (formato) {
    case Formato::Csv:
        out << csvDeLaSeleccion(candidatos);
        break;
    case Formato::Json: {
        nlohmann::json lista = nlohmann::json::array();
        for (const TuboCandidato& c : candidatos)
            lista.push_back(candidatoJson(c));
        out << lista.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        break;
    }
    case Formato::Tabla:
        out << columna("Veredicto", 16) << columna("DN", 6) << columna("Material", 34)
            << columna("Clase", 40) << columna("SN", 8) << columna("Uso", kAnchoUso)
            << "Fila determinante\n";
        for (const TuboCandidato& c : candidatos) {
            out << columna(std::string(textoVeredicto(c.veredicto)), 16)
                << columna(std::to_string(c.diametroNominal), 6) << columna(c.nombreGrupo, 34)
                << columna(c.clase, 40);
            if (c.rechazo)
                out << "paso " << c.rechazo->paso << ": " << c.rechazo->mensaje << '\n';
            else
                out << columna(num(c.rigidezAnillo, "#,##0.0"), 8)
                    << columna(
                           textoUso(c.utilizacion, c.coeficienteNoPositivo, Separadores::espanol()),
                           kAnchoUso)
                    << (c.filaDeterminante ? nombreFila(*c.filaDeterminante) : "") << '\n';
        }
        if (std::any_of(candidatos.begin(), candidatos.end(),
                        [](const TuboCandidato& c) { return c.coeficienteNoPositivo.has_value(); }))
            out << kNotaCoeficiente;
        break;
    }
    return 0;
}

int runSweep(const std::filesystem::path& file, Parametro parametro, double desde, double hasta,
             int pasos, Formato formato, const Catalogo& catalogo, std::ostream& out,
             std::ostream& err) {
    Proyecto seccion;
    if (!carga(file, seccion, err))
        return kExitInput;
    const auto puntos = Estudio_Parametrico(seccion, catalogo, parametro, desde, hasta, pasos);
    switch (formato) {
    case Formato::Csv:
        out << csvDelEstudio(cabeceraDelParametro(parametro, seccion), puntos);
        break;
    case Formato::Json: {
        nlohmann::json lista = nlohmann::json::array();
        for (const PuntoEstudio& p : puntos) {
            nlohmann::json uso = nlohmann::json::object();
            nlohmann::json noPositivos = nlohmann::json::object();
            for (const FilaVerificacion fila : kFilasVerificacion) {
                if (p.utilizacion[fila])
                    uso[std::string(nombreFila(fila))] = *p.utilizacion[fila];
                if (p.coeficienteNoPositivo[fila])
                    noPositivos[std::string(nombreFila(fila))] = *p.coeficienteNoPositivo[fila];
            }
            lista.push_back(
                {{"value", p.valor},
                 {"valid", p.rechazo ? nlohmann::json(nullptr) : nlohmann::json(p.valido)},
                 {"utilisation", uso},
                 {"non_positive_factors", noPositivos},
                 {"deflection_short", p.deformacionCorto},
                 {"deflection_long", p.deformacionLargo},
                 {"refusal", paradaJson(p.rechazo)}});
        }
        out << lista.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        break;
    }
    case Formato::Tabla:
        out << columna(std::string(nombreParametro(parametro)), 10) << columna("Resultado", 16);
        for (const FilaVerificacion fila : kFilasVerificacion)
            out << columna(std::to_string(static_cast<int>(fila) + 1), kAnchoUso);
        out << '\n';
        for (const PuntoEstudio& p : puntos) {
            out << columna(num(p.valor, "#,##0.0##"), 10);
            if (p.rechazo) {
                out << "paso " << p.rechazo->paso << ": " << p.rechazo->mensaje << '\n';
                continue;
            }
            out << columna(p.valido ? "Tubo válido" : "Tubo NO válido", 16);
            for (const FilaVerificacion fila : kFilasVerificacion) {
                const std::string uso = textoUso(p.utilizacion[fila], p.coeficienteNoPositivo[fila],
                                                 Separadores::espanol());
                out << columna(uso.empty() ? "-" : uso, kAnchoUso);
            }
            out << '\n';
        }
        if (std::any_of(puntos.begin(), puntos.end(), [](const PuntoEstudio& p) {
                return std::any_of(p.coeficienteNoPositivo.begin(), p.coeficienteNoPositivo.end(),
                                   [](const auto& c) { return c.has_value(); });
            }))
            out << kNotaCoeficiente;
        break;
    }
    // An input no value of the sweep can make acceptable is a refusal, not a study.
    if (std::all_of(puntos.begin(), puntos.end(),
                    [](const PuntoEstudio& p) { return p.rechazo.has_value(); })) {
        err << "Ningún punto del estudio se puede calcular. ";
        printRefusal(*puntos.front().rechazo, err);
        return kExitInput;
    }
    return 0;
}

int runLimits(const std::filesystem::path& file, const Catalogo& catalogo, std::ostream& out,
              std::ostream& err) {
    Proyecto seccion;
    if (!carga(file, seccion, err))
        return kExitInput;
    const LimitesProfundidad limites = Limites_Profundidad(seccion, catalogo);
    if (limites.rechazo) {
        printRefusal(*limites.rechazo, err);
        return kExitInput;
    }
    if (limites.alturasRechazadas > 0)
        out << "A " << limites.alturasRechazadas
            << " de las profundidades probadas la sección no se puede calcular (la primera: "
            << enUnaLinea(limites.primerRechazo->mensaje) << "); no cuentan como admisibles.\n";
    if (!limites.minima) {
        out << "El tubo no es válido a ninguna profundidad entre 0,5 y 20 m.\n";
        return kExitNotValid;
    }
    out << "Profundidad mínima admisible: " << num(*limites.minima) << " m\n"
        << "Profundidad máxima admisible: " << num(*limites.maxima) << " m\n";
    return kExitValid;
}

} // namespace tubrix::cli
