#include "catalogue/catalogo_sqlite.h"
#include "model/fichero_proyecto.h"
#include "obra/calcula_obra.h"

#include <benchmark/benchmark.h>
#include <optional>
#include <string>

namespace {

using namespace tubrix;

struct ObraDePrueba {
    std::optional<Catalogo> catalogo;
    Obra obra;
};

// A sewer of `n` reaches on the PVC-U SN 8 trench section: cover, trench width, groundwater and
// diameter vary as they do along a real line (a few reaches are refused: cover below 0.5 m).
ObraDePrueba obraDe(std::size_t n, std::int16_t subclase, std::int16_t tubo) {
    ObraDePrueba r;
    if (auto catalogo = abreCatalogo(TUBRIX_BENCH_CATALOGUE))
        r.catalogo.emplace(std::move(*catalogo));
    Proyecto base;
    Arranca_Programa(base);
    Inicializa_Proyecto(base, "12-08-2026");
    (void)Abre_Proyecto(base, TUBRIX_BENCH_EXAMPLES "/pvc-sn8-zanja-trafico.tbx");
    base.Codigo_Submaterial = subclase;
    base.Codigo_Diametro = tubo;
    r.obra = Obra_Nueva(base);
    r.obra.columnas = {"H", "B", "Hf", "DN"};
    for (std::size_t i = 0; i < n; ++i) {
        Tramo t{"P" + std::to_string(i) + "-P" + std::to_string(i + 1), {}};
        // Values as a spreadsheet gives them: the doubles nearest to short decimals.
        const auto decimal = [](std::size_t n, double escala) {
            return static_cast<double>(n) / escala;
        };
        t.datos.emplace("H", decimal(450 + 13 * (i % 500), 1000));
        t.datos.emplace("B", decimal(10 + i % 5, 10));
        if (i % 3 == 0)
            t.datos.emplace("Hf", decimal(50 + 25 * (i % 8), 100));
        if (i % 4 == 0)
            t.datos.emplace("DN", i % 8 == 0 ? 315.0 : 500.0);
        r.obra.tramos.push_back(std::move(t));
    }
    return r;
}

const ObraDePrueba& obraTipica() {
    static const ObraDePrueba o = obraDe(10000, 603, 6308); // SN 8, DN 400
    return o;
}

// SN 2 reaches, none of which is valid at these covers: every one looks for its pipe.
const ObraDePrueba& obraSinTuboValido() {
    static const ObraDePrueba o = [] {
        ObraDePrueba r = obraDe(10000, 601, 6106); // SN 2, DN 400
        for (Tramo& t : r.obra.tramos) {
            t.datos["H"] = std::get<double>(t.datos["H"]) + 4;
            t.datos.erase("DN");
        }
        return r;
    }();
    return o;
}

void calcula(benchmark::State& state, const ObraDePrueba& o, OpcionesObra opciones) {
    if (!o.catalogo) {
        state.SkipWithError("catalogue missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Calcula_Obra(o.obra, *o.catalogo, opciones));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(o.obra.tramos.size()));
}

// 10 000 reaches on every core. Target: under 15 ms of wall time on two cores.
void BM_Obra10000Tramos(benchmark::State& state) {
    OpcionesObra opciones;
    opciones.buscaTuboNecesario = false;
    calcula(state, obraTipica(), opciones);
}
BENCHMARK(BM_Obra10000Tramos)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on one thread: the cost of one reach.
void BM_Obra10000TramosUnHilo(benchmark::State& state) {
    OpcionesObra opciones;
    opciones.buscaTuboNecesario = false;
    opciones.hilos = 1;
    calcula(state, obraTipica(), opciones);
}
BENCHMARK(BM_Obra10000TramosUnHilo)->Unit(benchmark::kMillisecond)->UseRealTime();

// 10 000 reaches, each not valid, each looking for the pipe it needs. Target: under 1 s.
void BM_Obra10000TramosTuboNecesario(benchmark::State& state) {
    calcula(state, obraSinTuboValido(), {});
}
BENCHMARK(BM_Obra10000TramosTuboNecesario)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
