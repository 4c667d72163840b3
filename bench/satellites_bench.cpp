// Costs of the lunar and satellite theories: one call each of the Moon's
// position, the four Galilean satellites, the eight satellites of Saturn, and
// the physical ephemerides of Jupiter and Saturn's ring. The Julian day moves
// from call to call so that no result can be reused.
#include <benchmark/benchmark.h>

#include "astro/coordinates.h"
#include "astro/galilean_satellites.h"
#include "astro/jupiter_physical.h"
#include "astro/moon.h"
#include "astro/saturn_ring.h"
#include "astro/saturn_satellites.h"

namespace corvinata {
namespace {

double SampleDay(int i) { return 2451545.0 + (i & 1023) * 3.7; }

void BM_MoonPosition(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        SkyCoordinates moon{};
        double distance = 0.0;
        ComputeMoonPosition(SampleDay(i++), moon, distance);
        benchmark::DoNotOptimize(moon);
        benchmark::DoNotOptimize(distance);
    }
}
BENCHMARK(BM_MoonPosition);

void BM_GalileanSatellites(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        double positions[15];
        ComputeJupiterSatellites(SampleDay(i++), positions);
        benchmark::DoNotOptimize(positions);
    }
}
BENCHMARK(BM_GalileanSatellites);

void BM_SaturnSatellites(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        double positions[27];
        ComputeSaturnSatellites(SampleDay(i++), positions);
        benchmark::DoNotOptimize(positions);
    }
}
BENCHMARK(BM_SaturnSatellites);

void BM_JupiterPhysical(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        double de = 0.0, ds = 0.0, p = 0.0;
        JupiterPhysicalData(SampleDay(i++), de, ds, p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_JupiterPhysical);

void BM_SaturnRing(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        double b = 0.0, bPrime = 0.0, p = 0.0, major = 0.0, minor = 0.0, deltaU = 0.0;
        SaturnPhysicalData(SampleDay(i++), b, bPrime, p, major, minor, deltaU);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_SaturnRing);

}  // namespace
}  // namespace corvinata
