// Start-up cost of the catalogues: reading the eleven shipped files, decoding
// every record and building the dialogs' list lines.
#include <benchmark/benchmark.h>

#include "catalog/catalogos.h"
#include "core/carpetas.h"
#include "core/estado.h"
#include "core/tablas.h"

namespace {

void BM_CargaCatalogos(benchmark::State& state) {
    vsp::ReiniciaEstado();
    vsp::CreaTablas();
    vsp::FijaCarpetaPrograma(VESPERA_DATOS);
    for (auto _ : state) {
        vsp::CargaCatalogos();
        benchmark::DoNotOptimize(vsp::Estado().Estrellas[0].x);
    }
}
BENCHMARK(BM_CargaCatalogos)->Unit(benchmark::kMillisecond);

}  // namespace
