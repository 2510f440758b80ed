#include "estudio/calculo_en_fondo.h"

#include <utility>

namespace tubrix::gui {

CalculoEnFondo::CalculoEnFondo(Obra obra, const Catalogo& catalogo, OpcionesObra opciones)
    : m_estado(std::make_unique<Estado>()) {
    m_estado->obra = std::move(obra);
    Estado* estado = m_estado.get();
    m_hilo = std::thread([estado, &catalogo, opciones] {
        try {
            estado->resultado = Calcula_Obra(estado->obra, catalogo, opciones, &estado->progreso);
        } catch (...) {
            estado->fallo = std::current_exception();
        }
        estado->terminado = true;
    });
}

CalculoEnFondo::~CalculoEnFondo() {
    cancela();
    if (m_hilo.joinable())
        m_hilo.join();
}

ResultadoObra CalculoEnFondo::toma() {
    if (m_hilo.joinable())
        m_hilo.join();
    if (m_estado->fallo)
        std::rethrow_exception(m_estado->fallo);
    return m_estado->resultado ? std::move(*m_estado->resultado) : ResultadoObra{};
}

} // namespace tubrix::gui
