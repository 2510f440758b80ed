#include "catalogue/catalogo_sqlite.h"
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

} // namespace
