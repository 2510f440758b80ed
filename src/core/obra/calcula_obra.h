#pragma once

#include "catalogue/catalogo.h"
#include "chain/calcula_seccion.h"
#include "chain/seleccion.h"
#include "error.h"
#include "obra/obra.h"
#include "obra/tramo.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tubrix {

// One forward pass of a reach: the reach itself, or one end of a profile reach.
struct CalculoExtremo {
    Extremo extremo = Extremo::Unico;
    double recubrimiento = 0; // cover height used, H (H1 + H2 for an embanked trench), m
    Veredicto veredicto = Veredicto::Rechazado;
    std::optional<Parada> rechazo; // step, screen and message of a refused reach
    std::optional<FilaVerificacion> filaDeterminante;
    double utilizacion = 0; // of the governing row; at most 1 passes; infinite for a factor <= 0
    // The calculated safety factor that decides each of rows 1 to 6 (the long-term one where it
    // replaces the short-term one, the smaller of both where both count); none for a row that
    // does not count.
    PorFila<std::optional<double>> coeficientes;
    PorFila<std::optional<double>> utilizaciones;
    std::optional<double> deformacionCorto; // %, when deformations are checked
    std::optional<double> deformacionLargo; // %
    std::vector<std::string> avisos;        // inputs not used as given
};

struct ResultadoTramo {
    std::size_t indice = 0; // of the reach in the works
    std::string nombre;
    std::vector<CalculoExtremo> calculos; // one, or inicio and fin for a profile reach
    std::size_t determinante = 0;         // the calculation that governs the verdict
    Veredicto veredicto = Veredicto::Rechazado;
    bool tuboBuscado = false; // a not-valid reach whose needed pipe was looked for
    // The catalogue pipe of the same group and DN that is just enough (valid with the highest
    // utilisation; at both ends for a profile reach); none found means "ninguno".
    std::optional<TuboCandidato> tuboNecesario;

    const CalculoExtremo& gobierna() const { return calculos.at(determinante); }
};

struct TuboPedido {
    TuboCandidato tubo;
    std::size_t tramos = 0; // reaches that need it
};

struct ResumenObra {
    std::size_t validos = 0;
    std::size_t noValidos = 0;
    std::size_t rechazados = 0;
    std::optional<std::size_t> masUtilizado; // the calculated reach with the highest utilisation
    std::vector<TuboPedido> tubosNecesarios; // by group, sub-class, DN, code
    std::size_t sinTuboValido = 0;           // not-valid reaches for which no pipe is enough
};

struct ResultadoObra {
    std::vector<ResultadoTramo> tramos; // in the order of the works
    ResumenObra resumen;
    bool completo = true; // false when the calculation was cancelled
};

struct OpcionesObra {
    bool buscaTuboNecesario = true;
    unsigned hilos = 0; // 0: every core
};

// Shared with a window that shows progress and may cancel, from another thread.
struct ProgresoObra {
    std::atomic<std::size_t> hechos{0};
    std::atomic<bool> cancelado{false};
};

// One reach: every end through the whole forward pass on a copy of the base with the reach's
// inputs, as `Calcula_Seccion` of that record; the verdict is the worse end's.
ResultadoTramo Calcula_Tramo(const Obra& obra, std::size_t indice, const Catalogo& catalogo,
                             bool buscaTuboNecesario);

// Every reach, in parallel on standard threads; the result does not depend on their number.
ResultadoObra Calcula_Obra(const Obra& obra, const Catalogo& catalogo,
                           const OpcionesObra& opciones = {}, ProgresoObra* progreso = nullptr);

ResumenObra Resume_Obra(const std::vector<ResultadoTramo>& tramos);

// The section of one end of a reach, as the wizard opens it: base with the reach's inputs.
// Returns the refusal of inputs that contradict each other instead.
tl::expected<Proyecto, Parada> Seccion_Del_Tramo(const Obra& obra, std::size_t indice,
                                                 const Catalogo& catalogo, Extremo extremo);

} // namespace tubrix
