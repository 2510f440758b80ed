#include "obra/obra.h"

#include "util/ascii_case.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace tubrix {
namespace {

TipoColumna tipoDeCampo(const Campo& campo) {
    if (std::holds_alternative<std::int16_t Proyecto::*>(campo.miembro))
        return TipoColumna::Entero;
    if (std::holds_alternative<double Proyecto::*>(campo.miembro))
        return TipoColumna::Real;
    return TipoColumna::Texto;
}

// The conveniences first (what a sewer table usually gives), then every persisted field in
// file order.
std::vector<DefinicionColumna> construyeColumnas() {
    std::vector<DefinicionColumna> columnas = {
        {kColumnaDN, TipoColumna::DN},           {kColumnaHf, TipoColumna::Hf},
        {kCotaTerrenoInicio, TipoColumna::Cota}, {kCotaTerrenoFin, TipoColumna::Cota},
        {kCotaSoleraInicio, TipoColumna::Cota},  {kCotaSoleraFin, TipoColumna::Cota},
    };
    for (const Campo& c : camposPersistidos())
        columnas.push_back({c.nombre, tipoDeCampo(c), &c});
    return columnas;
}

const std::vector<DefinicionColumna>& todas() {
    static const std::vector<DefinicionColumna> columnas = construyeColumnas();
    return columnas;
}

std::string_view sinBlancos(std::string_view texto) {
    while (!texto.empty() && std::isspace(static_cast<unsigned char>(texto.front())))
        texto.remove_prefix(1);
    while (!texto.empty() && std::isspace(static_cast<unsigned char>(texto.back())))
        texto.remove_suffix(1);
    return texto;
}

} // namespace

const DefinicionColumna* buscaColumna(std::string_view nombre) {
    // Every reach of a works looks its cells up here: by hash, not along the list.
    static const std::unordered_map<std::string_view, const DefinicionColumna*> porNombre = [] {
        std::unordered_map<std::string_view, const DefinicionColumna*> m;
        for (const DefinicionColumna& c : todas())
            m.emplace(c.nombre, &c);
        return m;
    }();
    const auto it = porNombre.find(nombre);
    return it == porNombre.end() ? nullptr : it->second;
}

const DefinicionColumna* buscaColumnaAproximada(std::string_view nombre) {
    nombre = sinBlancos(nombre);
    if (const DefinicionColumna* exacta = buscaColumna(nombre))
        return exacta;
    const auto& columnas = todas();
    const auto it =
        std::find_if(columnas.begin(), columnas.end(), [nombre](const DefinicionColumna& c) {
            return equalsIgnoringCase(c.nombre, nombre);
        });
    return it == columnas.end() ? nullptr : &*it;
}

std::span<const DefinicionColumna> columnasPosibles() {
    return todas();
}

const ValorCelda* Tramo::dato(std::string_view columna) const {
    const auto it = datos.find(columna);
    return it == datos.end() ? nullptr : &it->second;
}

std::optional<double> Tramo::numero(std::string_view columna) const {
    const ValorCelda* v = dato(columna);
    if (!v || !std::holds_alternative<double>(*v))
        return std::nullopt;
    return std::get<double>(*v);
}

bool Obra::tieneColumna(std::string_view nombre) const {
    return std::find(columnas.begin(), columnas.end(), nombre) != columnas.end();
}

void Obra::anadeColumna(std::string_view nombre) {
    if (!tieneColumna(nombre))
        columnas.emplace_back(nombre);
}

Obra Obra_Nueva(const Proyecto& base) {
    Obra obra;
    obra.base = base;
    return obra;
}

std::optional<std::string> Comprueba_Celda(const DefinicionColumna& columna,
                                           const ValorCelda& valor) {
    if (columna.tipo == TipoColumna::Texto) {
        if (!std::holds_alternative<std::string>(valor))
            return "debe ser un texto";
        return std::nullopt;
    }
    if (!std::holds_alternative<double>(valor))
        return "debe ser un número";
    const double v = std::get<double>(valor);
    if (!std::isfinite(v))
        return "debe ser un número";
    if (columna.tipo == TipoColumna::Entero && (v != std::floor(v) || v < -32768 || v > 32767))
        return "debe ser un entero entre -32768 y 32767";
    if (columna.tipo == TipoColumna::DN && (v != std::floor(v) || v < 1 || v > 32767))
        return "debe ser un diámetro nominal en mm, un entero mayor que 0";
    return std::nullopt;
}

} // namespace tubrix
