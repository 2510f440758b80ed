#pragma once

#include "error.h"
#include "model/campos.h"
#include "model/proyecto.h"

#include <nlohmann/json.hpp>
#include <span>
#include <string_view>

namespace tubrix {

// The record as a JSON object keyed by field name: numbers, texts, lists for the arrays in
// table order (Momentos as 3 lists of 5 by point, Tubo_No_Valido as 7), null for an empty
// Id_Calculadora.
nlohmann::json aJson(const Proyecto& proyecto, std::span<const Campo> campos);

// Sets the persisted fields named in the object. A name that is not a persisted field, a value
// of the wrong type, an integer outside 16 bits (however it is written) or a non-finite number
// is an error naming the field, and so is a code outside its list (model/codigos.h); then
// nothing is changed.
Resultado<void> desdeJson(Proyecto& proyecto, const nlohmann::json& objeto,
                          std::string_view origen);

// The same from the text of a .json file: malformed JSON and a key written twice are refused
// as well. `origen` names the file in the messages.
Resultado<void> Lee_Proyecto_Json(Proyecto& proyecto, std::string_view texto,
                                  std::string_view origen);

} // namespace tubrix
