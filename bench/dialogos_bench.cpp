// Opening the search dialog the first time, when it fills its listings from
// the loaded catalogues (later openings only show it again).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "catalog/catalogos.h"
#include "core/carpetas.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "ui/dialogos/buscar.h"

namespace {

void BM_AbreBuscar(benchmark::State& state) {
    vsp::ReiniciaEstado();
    vsp::CreaTablas();
    vsp::FijaCarpetaPrograma(VESPERA_DATOS);
    vsp::CargaCatalogos();
    for (auto _ : state) {
        vsp::ui::Buscar buscar;
        buscar.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(buscar.isVisible());
    }
}
BENCHMARK(BM_AbreBuscar)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
