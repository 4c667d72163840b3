// The orbit paths an explorer display computes when its moment moved by more
// than a month: one revolution of every moon at a hundredth of its period.
#include <benchmark/benchmark.h>

#include "catalog/satellite_catalogues.h"
#include "views/explorer_scene.h"

namespace corvinata {
namespace {

void EnsureSatellites() {
    if (GetJovianSatelliteCatalogue().Count() == 0) CreateJupiterSatellites();
    if (GetSaturnianSatelliteCatalogue().Count() == 0) CreateSaturnSatellites();
}

void BM_JupiterOrbitPaths(benchmark::State& state) {
    EnsureSatellites();
    const ExplorerGeometry geometry = JupiterExplorerGeometry();
    int i = 0;
    for (auto _ : state) {
        auto paths = ComputeOrbitPaths(geometry, 2458000.5 + 37.0 * (i++ & 255));
        benchmark::DoNotOptimize(paths);
    }
}
BENCHMARK(BM_JupiterOrbitPaths)->Unit(benchmark::kMillisecond);

void BM_SaturnOrbitPaths(benchmark::State& state) {
    EnsureSatellites();
    const ExplorerGeometry geometry = SaturnExplorerGeometry();
    int i = 0;
    for (auto _ : state) {
        auto paths = ComputeOrbitPaths(geometry, 2458000.5 + 37.0 * (i++ & 255));
        benchmark::DoNotOptimize(paths);
    }
}
BENCHMARK(BM_SaturnOrbitPaths)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
