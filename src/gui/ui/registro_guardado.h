#pragma once

#include "model/proyecto.h"

#include <optional>
#include <string>

namespace tubrix::gui {

// What the record held when it was last reset, opened or saved, so that the program can tell
// whether work would be lost, and which project file the record belongs to.
class RegistroGuardado {
public:
    // The record as it now stands is the reference; `fichero` is empty for a new section.
    void marca(const Proyecto& proyecto, std::string fichero);

    // Inputs changed since the last mark; false before anything was marked.
    bool hayCambios(const Proyecto& proyecto) const;

    const std::string& fichero() const { return m_fichero; }

private:
    std::optional<std::string> m_persistidos; // the bytes the project file would hold
    std::string m_fichero;
};

} // namespace tubrix::gui
