#include "ui/registro_guardado.h"

#include "model/fichero_proyecto.h"

namespace tubrix::gui {

void RegistroGuardado::marca(const Proyecto& proyecto, std::string fichero) {
    m_persistidos = Codifica_Proyecto(proyecto);
    m_fichero = std::move(fichero);
}

bool RegistroGuardado::hayCambios(const Proyecto& proyecto) const {
    // Only the persisted fields count: results and the wizard's state are not work to lose.
    return m_persistidos && *m_persistidos != Codifica_Proyecto(proyecto);
}

} // namespace tubrix::gui
