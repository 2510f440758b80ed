#include "catalogue/catalogo_sqlite.h"
#include "model/fichero_proyecto.h"
#include "tablas/tabla_recubrimiento.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace {

// A whole group (PVC-U, 43 pipes) x 4 soil groups x 6 traffic cases x 2 groundwater cases:
// 2 064 limit searches. Target: under 1 s on two cores.
void BM_TablaRecubrimientoGrupo(benchmark::State& state) {
    auto catalogo = tubrix::abreCatalogo(TUBRIX_BENCH_CATALOGUE);
    if (!catalogo) {
        state.SkipWithError("catalogue missing");
        return;
    }
    tubrix::Proyecto base;
    tubrix::Arranca_Programa(base);
    tubrix::Inicializa_Proyecto(base, "12-08-2026");
    (void)tubrix::Abre_Proyecto(base, TUBRIX_BENCH_EXAMPLES "/pvc-sn8-zanja-trafico.tbx");
    tubrix::CondicionesTabla condiciones;
    condiciones.suelos = {1, 2, 3, 4};
    condiciones.traficos = {0, 1, 2, 3, 4, 5};
    condiciones.freaticos = {std::nullopt, 1.0};
    tubrix::OpcionesTabla opciones;
    opciones.hilos = static_cast<unsigned>(state.range(0));
    std::size_t celdas = 0;
    for (auto _ : state) {
        const auto tabla = tubrix::Calcula_Tabla_Recubrimiento(base, *catalogo, {6, std::nullopt},
                                                               condiciones, opciones);
        if (!tabla) {
            state.SkipWithError(tabla.error().mensaje.c_str());
            return;
        }
        celdas = tabla->tubos.size() * tabla->casos.size();
        benchmark::DoNotOptimize(tabla->celdas.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * celdas));
}
BENCHMARK(BM_TablaRecubrimientoGrupo)
    ->Arg(0) // every core
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
