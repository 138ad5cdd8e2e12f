// Start-up cost of the catalogues: reading the eleven shipped files, decoding
// every record and building the dialogs' list lines; and finding entries by
// name as the user types, over every category.
#include <benchmark/benchmark.h>

#include "catalog/catalogos.h"
#include "core/carpetas.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "programa/busqueda.h"

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

// Two letters typed on the general index: every category filtered.
void BM_BuscaTextoDosLetras(benchmark::State& state) {
    vsp::ReiniciaEstado();
    vsp::CreaTablas();
    vsp::FijaCarpetaPrograma(VESPERA_DATOS);
    vsp::CargaCatalogos();
    for (auto _ : state) benchmark::DoNotOptimize(vsp::BuscaTexto("al").size());
}
BENCHMARK(BM_BuscaTextoDosLetras)->Unit(benchmark::kMillisecond);

}  // namespace
