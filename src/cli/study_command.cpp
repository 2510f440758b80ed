#include "study_command.h"

#include "calc_command.h"
#include "chain/tablas_estudio.h"
#include "format/formato.h"
#include "project_input.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace tubrix::cli {
namespace {

std::string num(double valor, const char* patron = "#,##0.00") {
    if (std::isinf(valor))
        return "∞";
    return formatea(valor, patron, Separadores::espanol());
}

nlohmann::json numeroJson(double valor) {
    return std::isfinite(valor) ? nlohmann::json(valor) : nlohmann::json(nullptr);
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
    switch (formato) {
    case Formato::Csv:
        out << csvDeLaSeleccion(candidatos);
        break;
    case Formato::Json: {
        nlohmann::json lista = nlohmann::json::array();
        for (const TuboCandidato& c : candidatos)
            lista.push_back(
                {{"group", c.grupo},
                 {"subclass", c.subclase},
                 {"pipe", c.codigo},
                 {"material", c.nombreGrupo},
                 {"class", c.clase},
                 {"DN", c.diametroNominal},
                 {"outside_diameter", c.diametroExterior},
                 {"wall", c.espesor},
                 {"ring_stiffness",
                  c.rechazo ? nlohmann::json(nullptr) : nlohmann::json(c.rigidezAnillo)},
                 {"verdict", textoVeredicto(c.veredicto)},
                 {"governing_row",
                  c.filaDeterminante ? nlohmann::json(nombreFila(*c.filaDeterminante)) : nullptr},
                 {"utilisation", c.rechazo ? nlohmann::json(nullptr) : numeroJson(c.utilizacion)},
                 {"deflection_short", c.deformacionCorto},
                 {"deflection_long", c.deformacionLargo},
                 {"refusal", paradaJson(c.rechazo)}});
        out << lista.dump(2) << '\n';
        break;
    }
    case Formato::Tabla:
        out << columna("Veredicto", 16) << columna("DN", 6) << columna("Material", 34)
            << columna("Clase", 40) << columna("SN", 8) << columna("Uso", 7)
            << "Fila determinante\n";
        for (const TuboCandidato& c : candidatos) {
            out << columna(std::string(textoVeredicto(c.veredicto)), 16)
                << columna(std::to_string(c.diametroNominal), 6) << columna(c.nombreGrupo, 34)
                << columna(c.clase, 40);
            if (c.rechazo)
                out << "paso " << c.rechazo->paso << ": " << c.rechazo->mensaje << '\n';
            else
                out << columna(num(c.rigidezAnillo, "#,##0.0"), 8) << columna(num(c.utilizacion), 7)
                    << (c.filaDeterminante ? nombreFila(*c.filaDeterminante) : "") << '\n';
        }
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
            for (const FilaVerificacion fila : kFilasVerificacion)
                if (p.utilizacion[fila])
                    uso[std::string(nombreFila(fila))] = numeroJson(*p.utilizacion[fila]);
            lista.push_back(
                {{"value", p.valor},
                 {"valid", p.rechazo ? nlohmann::json(nullptr) : nlohmann::json(p.valido)},
                 {"utilisation", uso},
                 {"deflection_short", p.deformacionCorto},
                 {"deflection_long", p.deformacionLargo},
                 {"refusal", paradaJson(p.rechazo)}});
        }
        out << lista.dump(2) << '\n';
        break;
    }
    case Formato::Tabla:
        out << columna(std::string(nombreParametro(parametro)), 10) << columna("Resultado", 16);
        for (const FilaVerificacion fila : kFilasVerificacion)
            out << columna(std::to_string(static_cast<int>(fila) + 1), 7);
        out << '\n';
        for (const PuntoEstudio& p : puntos) {
            out << columna(num(p.valor, "#,##0.0##"), 10);
            if (p.rechazo) {
                out << "paso " << p.rechazo->paso << ": " << p.rechazo->mensaje << '\n';
                continue;
            }
            out << columna(p.valido ? "Tubo válido" : "Tubo NO válido", 16);
            for (const FilaVerificacion fila : kFilasVerificacion)
                out << columna(p.utilizacion[fila] ? num(*p.utilizacion[fila]) : "-", 7);
            out << '\n';
        }
        break;
    }
    return 0;
}

int runLimits(const std::filesystem::path& file, const Catalogo& catalogo, std::ostream& out,
              std::ostream& err) {
    Proyecto seccion;
    if (!carga(file, seccion, err))
        return kExitInput;
    const LimitesProfundidad limites = Limites_Profundidad(seccion, catalogo);
    if (!limites.minima) {
        out << "El tubo no es válido a ninguna profundidad entre 0,5 y 20 m.\n";
        return kExitNotValid;
    }
    out << "Profundidad mínima admisible: " << num(*limites.minima) << " m\n"
        << "Profundidad máxima admisible: " << num(*limites.maxima) << " m\n";
    return kExitValid;
}

} // namespace tubrix::cli
