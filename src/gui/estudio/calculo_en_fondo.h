#pragma once

#include "catalogue/catalogo.h"
#include "obra/calcula_obra.h"
#include "obra/obra.h"

#include <atomic>
#include <exception>
#include <memory>
#include <optional>
#include <thread>

namespace tubrix::gui {

// A works calculated on standard threads while the window goes on answering: the works is
// copied when it starts, the window asks how far it got and takes the result once it is done.
// Destroying it cancels the calculation and waits for its threads.
class CalculoEnFondo {
public:
    CalculoEnFondo(Obra obra, const Catalogo& catalogo, OpcionesObra opciones = {});
    ~CalculoEnFondo();
    CalculoEnFondo(const CalculoEnFondo&) = delete;
    CalculoEnFondo& operator=(const CalculoEnFondo&) = delete;

    std::size_t hechos() const { return m_estado->progreso.hechos.load(); }
    std::size_t total() const { return m_estado->obra.tramos.size(); }
    bool terminado() const { return m_estado->terminado.load(); }
    void cancela() { m_estado->progreso.cancelado = true; }

    // Once finished: the result (the finished reaches only, when cancelled). Rethrows what the
    // engine threw.
    ResultadoObra toma();

private:
    struct Estado {
        Obra obra;
        ProgresoObra progreso;
        std::atomic<bool> terminado{false};
        std::optional<ResultadoObra> resultado;
        std::exception_ptr fallo;
    };
    std::unique_ptr<Estado> m_estado;
    std::thread m_hilo;
};

} // namespace tubrix::gui
