#pragma once

#include "model/campos.h"
#include "model/proyecto.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tubrix {

// A works: one base section and the table of its reaches. Each reach names only the inputs in
// which it differs from the base; the columns of the table are the inputs any reach may give.

// What a column of the reach table holds.
enum class TipoColumna {
    Entero, // a persisted integer field (codes, flags)
    Real,   // a persisted real field
    Texto,  // a persisted text field
    DN,     // nominal diameter: the pipe of the reach's sub-class with that DN
    Hf,     // groundwater depth below ground; an empty cell means no groundwater
    Cota,   // a level of the longitudinal profile, m
};

struct DefinicionColumna {
    std::string_view nombre;
    TipoColumna tipo;
    const Campo* campo = nullptr; // the persisted field; none for DN, Hf and the levels
};

// The levels of a profile reach: ground and invert (inside bottom of the pipe) at both ends.
inline constexpr std::string_view kCotaTerrenoInicio = "Cota_Terreno_Inicio";
inline constexpr std::string_view kCotaTerrenoFin = "Cota_Terreno_Fin";
inline constexpr std::string_view kCotaSoleraInicio = "Cota_Solera_Inicio";
inline constexpr std::string_view kCotaSoleraFin = "Cota_Solera_Fin";
inline constexpr std::string_view kColumnaDN = "DN";
inline constexpr std::string_view kColumnaHf = "Hf";
// The reach's name heads its row; it is not a column of inputs.
inline constexpr std::string_view kColumnaTramo = "Tramo";

// The column of that exact name: a persisted field, DN, Hf or one of the four levels.
const DefinicionColumna* buscaColumna(std::string_view nombre);
// The same, ignoring case and blanks around it (headers typed in a spreadsheet).
const DefinicionColumna* buscaColumnaAproximada(std::string_view nombre);
// Every column a reach may give, in the order a new table offers them.
std::span<const DefinicionColumna> columnasPosibles();

// A cell: a number, or a text for the text fields.
using ValorCelda = std::variant<double, std::string>;

struct Tramo {
    std::string nombre; // "P12-P13"
    // The reach's non-empty cells by column name; every name is a column of the works.
    std::map<std::string, ValorCelda, std::less<>> datos;

    const ValorCelda* dato(std::string_view columna) const;
    std::optional<double> numero(std::string_view columna) const;
    bool operator==(const Tramo&) const = default;
};

struct Obra {
    Proyecto base; // its persisted fields are the section every reach starts from
    std::vector<std::string> columnas; // in table order
    std::vector<Tramo> tramos;         // in the order of the works

    bool tieneColumna(std::string_view nombre) const;
    // Adds the column at the end when the works does not have it yet.
    void anadeColumna(std::string_view nombre);
};

// A new works on a section: no columns, no reaches.
Obra Obra_Nueva(const Proyecto& base);

// Checks that a value suits the column: the right type, an integer in 16 bits for the integer
// fields, a finite number. Returns the complaint ("debe ser un número"), if any.
std::optional<std::string> Comprueba_Celda(const DefinicionColumna& columna,
                                           const ValorCelda& valor);

} // namespace tubrix
