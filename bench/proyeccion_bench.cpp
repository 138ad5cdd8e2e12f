// Speed of projecting the full star catalogue (26 520 points) for one redraw:
// the hoisted Proyector with precession off and on, and the per-call
// ProyectaPunto that rebuilds the view's sines and cosines for every point.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/constantes.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace {

struct Cosines {
    float x, y, z;
};

// Directions spread evenly over the sphere, stored the way the catalogue is.
std::vector<Cosines> randomCatalogue() {
    std::mt19937 rng(26520);
    std::uniform_real_distribution<double> ra(0, vsp::DosPi), sinDec(-1, 1);
    std::vector<Cosines> stars(vsp::NumEstrellas);
    for (Cosines& s : stars) vsp::CosenosDirectores(ra(rng), std::asin(sinDec(rng)), s.x, s.y, s.z);
    return stars;
}

// An evening at latitude 36.7 N looking south-south-west, 30 degrees up, at
// zoom 1; precession to 1 January 2025 when asked for.
void setEveningView(bool precession) {
    vsp::ReiniciaEstado();
    vsp::ProgramState& e = vsp::Estado();
    e.Latitud = 36.7 * vsp::RadianesPorGrado;
    e.TiempoSidereo = 1.9;
    e.Direccion = 200 * vsp::RadianesPorGrado;
    e.Elevacion = 30 * vsp::RadianesPorGrado;
    vsp::CalculaDireccionMenosPi();
    e.Zoom = 1;
    e.SentidoImagen = 1;
    vsp::FijaVentanaCielo();
    e.Precesion = precession ? vsp::Activado : vsp::Desactivado;
    if (precession) {
        vsp::CreaTablas();
        e.DiaJuliano = 2460676.5;
        vsp::ActualizaTiempo();
        e.TiempoSidereo = 1.9;
    }
}

void projectHoisted(benchmark::State& state, bool precession) {
    setEveningView(precession);
    const std::vector<Cosines> stars = randomCatalogue();
    const vsp::Proyector p = vsp::Proyector::DesdeEstado(vsp::Estado());
    const float depth = vsp::Estado().ProfMinima;
    for (auto _ : state) {
        int visible = 0;
        for (const Cosines& s : stars) {
            float x = s.x, y = s.y, z = s.z, X, Y, Z;
            p.Proyecta(x, y, z, X, Y, Z);
            visible += Z >= depth;
            benchmark::DoNotOptimize(X);
            benchmark::DoNotOptimize(Y);
        }
        benchmark::DoNotOptimize(visible);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(stars.size()));
}

void BM_ProyectorSinPrecesion(benchmark::State& state) { projectHoisted(state, false); }
void BM_ProyectorConPrecesion(benchmark::State& state) { projectHoisted(state, true); }

void BM_ProyectaPuntoPorLlamada(benchmark::State& state) {
    setEveningView(false);
    const std::vector<Cosines> stars = randomCatalogue();
    const vsp::ProgramState& e = vsp::Estado();
    for (auto _ : state) {
        int visible = 0;
        for (const Cosines& s : stars) {
            vsp::ProyectaPunto(s.x, s.y, s.z);
            visible += e.VistaZ >= e.ProfMinima;
            benchmark::DoNotOptimize(e.VistaX);
            benchmark::DoNotOptimize(e.VistaY);
        }
        benchmark::DoNotOptimize(visible);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(stars.size()));
}

}  // namespace

BENCHMARK(BM_ProyectorSinPrecesion);
BENCHMARK(BM_ProyectorConPrecesion);
BENCHMARK(BM_ProyectaPuntoPorLlamada);
