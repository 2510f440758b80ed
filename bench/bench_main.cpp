#include "catalogue/catalogo_sqlite.h"
#include "chain/calcula_seccion.h"
#include "chain/estudio.h"
#include "chain/seleccion.h"
#include "format/formato.h"
#include "format/lee_numero.h"
#include "model/fichero_proyecto.h"

#include <benchmark/benchmark.h>
#include <optional>

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

// A typical section (PVC-U SN 8 in a trench under traffic) with the catalogue in memory.
struct Seccion {
    std::optional<tubrix::Catalogo> catalogo;
    tubrix::Proyecto proyecto;
};

const Seccion& seccionTipica() {
    static const Seccion s = [] {
        Seccion r;
        auto catalogo = tubrix::abreCatalogo(TUBRIX_BENCH_CATALOGUE);
        if (catalogo)
            r.catalogo.emplace(std::move(*catalogo));
        tubrix::Arranca_Programa(r.proyecto);
        tubrix::Inicializa_Proyecto(r.proyecto, "12-08-2026");
        (void)tubrix::Abre_Proyecto(r.proyecto, TUBRIX_BENCH_EXAMPLES "/pvc-sn8-zanja-trafico.tbx");
        return r;
    }();
    return s;
}

// The whole forward pass. Target: at most 2 microseconds per section.
void BM_CalculaSeccion(benchmark::State& state) {
    const Seccion& s = seccionTipica();
    if (!s.catalogo) {
        state.SkipWithError("catalogue missing");
        return;
    }
    tubrix::Proyecto p = s.proyecto;
    for (auto _ : state) {
        p = s.proyecto;
        benchmark::DoNotOptimize(tubrix::Calcula_Seccion(p, *s.catalogo));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculaSeccion);

// Every pipe of the catalogue in the section. Target: under 50 ms.
void BM_SeleccionCatalogoCompleto(benchmark::State& state) {
    const Seccion& s = seccionTipica();
    for (auto _ : state)
        benchmark::DoNotOptimize(tubrix::Selecciona_Tubos(s.proyecto, *s.catalogo));
}
BENCHMARK(BM_SeleccionCatalogoCompleto)->Unit(benchmark::kMillisecond);

// A 1000-point sweep of the cover height. Target: under 10 ms.
void BM_Barrido1000Puntos(benchmark::State& state) {
    const Seccion& s = seccionTipica();
    for (auto _ : state)
        benchmark::DoNotOptimize(tubrix::Estudio_Parametrico(
            s.proyecto, *s.catalogo, tubrix::Parametro::Recubrimiento, 0.5, 20, 999));
}
BENCHMARK(BM_Barrido1000Puntos)->Unit(benchmark::kMillisecond);

// The admissible depth range by sweep and bisection. Target: under 5 ms.
void BM_LimitesProfundidad(benchmark::State& state) {
    const Seccion& s = seccionTipica();
    for (auto _ : state)
        benchmark::DoNotOptimize(tubrix::Limites_Profundidad(s.proyecto, *s.catalogo));
}
BENCHMARK(BM_LimitesProfundidad)->Unit(benchmark::kMillisecond);

} // namespace
