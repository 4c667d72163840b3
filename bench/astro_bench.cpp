// Cost of one call of the planetary series and of the nutation.
#include <benchmark/benchmark.h>

#include "astro/nutation.h"
#include "astro/planet_series.h"

namespace corvinata {
namespace {

// Consecutive days from 1992, so the arguments change from call to call.
double NextDay(double& jd) {
    jd += 1.0;
    if (jd > 2460000.5) jd = 2448908.5;
    return jd;
}

// One planet's heliocentric position on consecutive days.
void Heliocentric(benchmark::State& state, int planet) {
    double jd = 2448908.5;
    for (auto _ : state) {
        double l = 0.0, b = 0.0, r = 0.0;
        PlanetHeliocentricPosition(NextDay(jd), &l, &b, &r, planet);
        benchmark::DoNotOptimize(l);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(r);
    }
}

void BM_MercuryHeliocentric(benchmark::State& state) { Heliocentric(state, kMercuryIndex); }
BENCHMARK(BM_MercuryHeliocentric);

// Saturn has the longest of the abridged series (632 terms).
void BM_SaturnHeliocentric(benchmark::State& state) { Heliocentric(state, kSaturnIndex); }
BENCHMARK(BM_SaturnHeliocentric);

// Each of the eight planets' full series set, the Earth included; the mean
// over the eight is the figure to watch.
void VsopBodyPosition(benchmark::State& state) {
    const PlanetSeries& series = VsopSeries(static_cast<VsopBody>(state.range(0)));
    double jd = 2448908.5;
    for (auto _ : state) {
        double l = 0.0, b = 0.0, r = 0.0;
        VsopHeliocentricPosition(NextDay(jd), series, &l, &b, &r);
        benchmark::DoNotOptimize(l);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(VsopBodyPosition)->DenseRange(static_cast<int>(VsopBody::Mercury),
                                        static_cast<int>(VsopBody::Neptune));

// Pluto with its light-time iteration, each pass also evaluating the Earth.
void BM_PlutoLightTime(benchmark::State& state) { Heliocentric(state, kPlutoIndex); }
BENCHMARK(BM_PlutoLightTime);

void BM_SunRectangularJ2000(benchmark::State& state) {
    double jd = 2448908.5;
    for (auto _ : state) {
        double x = 0.0, y = 0.0, z = 0.0;
        SunRectangularJ2000(NextDay(jd), x, y, z);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(z);
    }
}
BENCHMARK(BM_SunRectangularJ2000);

void BM_Nutation(benchmark::State& state) {
    double jd = 2448908.5;
    for (auto _ : state) {
        double dpsi = 0.0, deps = 0.0;
        ComputeNutation(NextDay(jd), dpsi, deps);
        benchmark::DoNotOptimize(dpsi);
        benchmark::DoNotOptimize(deps);
    }
}
BENCHMARK(BM_Nutation);

}  // namespace
}  // namespace corvinata
