// Time to work out what the search dialog shows for one chosen row: every
// event of the Sun with its three twilights, of the Moon, of a planet and of
// a star, and their lines. Each run starts a day and a third later, so that
// no place the theories gave before is reused.
#include <benchmark/benchmark.h>

#include "core/constantes.h"
#include "core/cosenos.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "programa/ortos.h"

namespace {

void riseAndSet(benchmark::State& state, vsp::ObjetoOrto objeto) {
    vsp::ReiniciaEstado();
    vsp::CreaTablas();
    vsp::Estado().ZonaHoraria = 1;
    const double latitud = 40.4168 * vsp::RadianesPorGrado, longitud = -3.7038 * vsp::RadianesPorGrado;
    double dia = 2461382.5;
    for (auto _ : state) {
        const std::vector<std::string> lineas = vsp::LineasOrtos(vsp::CalculaOrtos(objeto, dia, latitud, longitud));
        benchmark::DoNotOptimize(lineas.data());
        dia += 1.37;
    }
}

vsp::ObjetoOrto sirius() {
    vsp::ObjetoOrto o;
    vsp::CosenosDirectores(1.76779514, -0.29175099, o.x, o.y, o.z);  // J2000
    return o;
}

}  // namespace

BENCHMARK_CAPTURE(riseAndSet, SunWithTwilights, vsp::ObjetoOrto{vsp::CuerpoSol})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(riseAndSet, Moon, vsp::ObjetoOrto{vsp::CuerpoLuna})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(riseAndSet, Mars, vsp::ObjetoOrto{4})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(riseAndSet, Sirius, sirius())->Unit(benchmark::kMillisecond);
