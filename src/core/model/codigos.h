#pragma once

#include "model/proyecto.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tubrix {

// The codes an integer field of the project file may hold: the values its screen offers, and
// the special values some screen knowingly accepts or rewrites (class 0 becomes the general
// class, vehicle 0 is no traffic, impact factor position -1 is none, pavement material 0 is not
// chosen yet). Every accepted set is one range.
struct CodigosAdmitidos {
    std::int16_t minimo = 0;
    std::int16_t maximo = 0;

    bool admite(std::int16_t codigo) const { return codigo >= minimo && codigo <= maximo; }
};

// The accepted codes of the persisted integer field of that name, given the rest of the record
// (the impact factor position depends on the vehicle and the pavement). Empty when every value
// means something: the yes/no flags, read as "nonzero is yes" wherever they are used, and the
// reserved fields that only travel through the file. The catalogue keys are checked against the
// catalogue by the pipe screen; here the material group has its fixed list and the sub-class
// must be one of that group's codes (group x 100 + 1 .. group x 100 + 100).
std::optional<CodigosAdmitidos> Codigos_Admitidos(std::string_view campo, const Proyecto& proyecto);

// The first persisted field, in file order, that holds a code outside its list, told as
// "Tipo_Instalacion = 7 (valores admitidos: 1 a 3)". Empty when every code is known.
std::optional<std::string> Codigo_Fuera_De_Lista(const Proyecto& proyecto);

} // namespace tubrix
