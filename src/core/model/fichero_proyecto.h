#pragma once

#include "error.h"
#include "model/proyecto.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Project file: 59 records of 128 bytes, little-endian. Record 1 is the magic text, records
// 2..59 hold the persisted fields in order. Integers take 2 bytes, doubles 8, strings a 2-byte
// length and that many Windows-1252 bytes; the rest of each record is zero.
inline constexpr std::size_t kBytesPorRegistro = 128;
inline constexpr std::size_t kRegistrosProyecto = 59;
inline constexpr std::size_t kBytesProyecto = kBytesPorRegistro * kRegistrosProyecto; // 7552
inline constexpr std::size_t kLongitudMaximaTexto = kBytesPorRegistro - 2;            // 126
inline constexpr std::string_view kMarcaProyecto = "CORRUGADO(1.0).";

// The bytes of a project file holding the persisted fields of the record.
std::string Codifica_Proyecto(const Proyecto& proyecto);

// Fills the persisted fields from the bytes of a project file after checking the whole file;
// a file that fails a check changes no field. `nombre` names the file in the messages.
Resultado<void> Descodifica_Proyecto(Proyecto& proyecto, std::string_view bytes,
                                     std::string_view nombre);

// What the project file changes in the record's texts when it is written: characters the
// Windows-1252 code page cannot hold become "?" and a text is cut at 126 characters. One
// Spanish sentence per text changed, naming the field; empty when every text is kept whole.
std::vector<std::string> Textos_Cambiados_Al_Guardar(const Proyecto& proyecto);

// Writes the project file without ever destroying the old one first: the new content replaces
// it in one step, or the old file stays as it was and the error tells why.
Resultado<void> Guarda_Proyecto(const Proyecto& proyecto, const std::filesystem::path& fichero);

// Reads the project file into the persisted fields (and nothing else).
Resultado<void> Abre_Proyecto(Proyecto& proyecto, const std::filesystem::path& fichero);

// File-name rule of both file dialogs: ".tbx" is appended unless the name already ends in it
// (compared upper-cased).
std::string Aplica_Extension_Tbx(std::string nombre);

} // namespace tubrix
