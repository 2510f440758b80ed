#pragma once

#include "model/proyecto.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tubrix {

// A pointer to one field of the record, whatever its type.
using MiembroCampo =
    std::variant<std::int16_t Proyecto::*, double Proyecto::*, std::string Proyecto::*,
                 std::optional<double> Proyecto::*, PorCapa<double> Proyecto::*,
                 PorPunto<double> Proyecto::*, TablaEsfuerzos Proyecto::*,
                 PorFila<std::int16_t> Proyecto::*, PorFila<double> Proyecto::*>;

struct Campo {
    std::string_view nombre;
    MiembroCampo miembro;
};

// The 58 fields of the project file, in file order.
std::span<const Campo> camposPersistidos();

// Every field of the record: the persisted ones first, then wizard values, input-derived
// values and results.
std::span<const Campo> todosLosCampos();

// The field of that exact name, if any.
const Campo* buscaCampo(std::string_view nombre);

// The first field, in the order of todosLosCampos(), holding a number that is not finite (NaN or
// infinity) anywhere in it, or nullptr when every number of the record is finite.
const Campo* primerCampoNoFinito(const Proyecto& p);

} // namespace tubrix
