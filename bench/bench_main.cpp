#include "catalogue/catalogo_sqlite.h"
#include "chain/calcula_seccion.h"
#include "format/formato.h"
#include "format/lee_numero.h"
#include "model/fichero_proyecto.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AbreCatalogo(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tubrix::abreCatalogo(TUBRIX_BENCH_CATALOGUE));
}
BENCHMARK(BM_AbreCatalogo)->Unit(benchmark::kMillisecond);

void BM_LeeNumero(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tubrix::Lee_Numero("1 234,567E-1"));
}
BENCHMARK(BM_LeeNumero);

void BM_Formatea(benchmark::State& state) {
    const auto sep = tubrix::Separadores::espanol();
    for (auto _ : state)
        benchmark::DoNotOptimize(tubrix::formatea(12345.6789, "##,##0.0#", sep));
}
BENCHMARK(BM_Formatea);

void BM_CodificaProyecto(benchmark::State& state) {
    tubrix::Proyecto p;
    tubrix::Inicializa_Proyecto(p, "12-08-2026");
    for (auto _ : state) {
        auto bytes = tubrix::Codifica_Proyecto(p);
        benchmark::DoNotOptimize(tubrix::Descodifica_Proyecto(p, bytes, "bench"));
    }
}
BENCHMARK(BM_CodificaProyecto);

// The whole forward pass of a typical section (PVC-U SN 8 in a trench under traffic), with the
// catalogue already in memory. Target: at most 2 microseconds per section.
void BM_CalculaSeccion(benchmark::State& state) {
    auto catalogo = tubrix::abreCatalogo(TUBRIX_BENCH_CATALOGUE);
    tubrix::Proyecto base;
    tubrix::Arranca_Programa(base);
    tubrix::Inicializa_Proyecto(base, "12-08-2026");
    if (!catalogo ||
        !tubrix::Abre_Proyecto(base, TUBRIX_BENCH_EXAMPLES "/pvc-sn8-zanja-trafico.tbx")) {
        state.SkipWithError("catalogue or example missing");
        return;
    }
    tubrix::Proyecto p = base;
    for (auto _ : state) {
        p = base;
        benchmark::DoNotOptimize(tubrix::Calcula_Seccion(p, *catalogo));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculaSeccion);

} // namespace
