// Costs of the Solar System document and panel: the recomputation for a new
// moment (eight planets, the Earth, the Moon), the one revolution of every
// body that the orbits draw, the nine value cells of the panel for one
// quantity, and the plan with every option on drawn to a recording canvas.
#include <benchmark/benchmark.h>

#include "../tests/support/app_fakes.h"
#include "../tests/support/catalogues.h"
#include "app/solar_system_computer.h"
#include "catalog/event_kinds.h"
#include "support/solar_system_plan_recording.h"
#include "views/solar_system_plan.h"

namespace corvinata {
namespace {

DateTimeLocation Now() {
    DateTimeLocation now;
    DateTimeLocationInit(now);
    now.dateTime = {2024, 6, 21, 22.5, kLocalCivilTime};
    return now;
}

void BM_SolarSystemRecompute(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    NotificationHub hub;
    test::FakeCurrentTime current;
    current.value = Now();
    CatalogueSolarSystemComputer computer;
    SolarSystemDocument document(hub, current, computer);
    int day = 1;
    for (auto _ : state) {
        document.SetDateTime(DateTime{2024, 7, 1 + day % 28, 12.0, kLocalCivilTime}, false);
        benchmark::DoNotOptimize(document.Earth());
        ++day;
    }
}
BENCHMARK(BM_SolarSystemRecompute)->Unit(benchmark::kMicrosecond);

// The document's construction: the tracks of all nine bodies and one
// computation.
void BM_SolarSystemTracks(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    NotificationHub hub;
    test::FakeCurrentTime current;
    current.value = Now();
    CatalogueSolarSystemComputer computer;
    for (auto _ : state) {
        SolarSystemDocument document(hub, current, computer);
        benchmark::DoNotOptimize(document.Track(7).size());
    }
}
BENCHMARK(BM_SolarSystemTracks)->Unit(benchmark::kMillisecond);

// 0 heliocentric longitude, 1 magnitude, 2 rise, 3 constellation.
void BM_SolarSystemPanelCells(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    const std::uint32_t quantities[] = {kFunctionHeliocentricLongitude, kFunctionMagnitude, kFunctionRise,
                                        kFunctionConstellation};
    const std::uint32_t quantity = quantities[state.range(0)];
    TimeAndPlace moment;
    moment.dateTime = {2024, 6, 21, 22.5, kLocalCivilTime};
    String text;
    for (auto _ : state) {
        for (int planet = 0; planet <= 8; ++planet) SolarSystemValueCellText(planet, quantity, moment, text);
        benchmark::DoNotOptimize(text.Text());
    }
}
BENCHMARK(BM_SolarSystemPanelCells)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_SolarSystemPlanDraw(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    NotificationHub hub;
    test::FakeCurrentTime current;
    current.value = Now();
    CatalogueSolarSystemComputer computer;
    SolarSystemDocument document(hub, current, computer);
    PlanScene scene;
    scene.width = scene.height = 800;
    scene.zoom = 8;
    scene.options.zodiacRightAscension = scene.options.zodiacSigns = scene.options.zodiacConstellations =
        scene.options.zodiacSightLines = true;
    scene.positions = PlanPositionsOf(document);
    PlanNamesFromCatalogues(scene.names);
    RecordingPlanCanvas canvas;
    for (auto _ : state) {
        canvas.Clear();
        DrawSolarSystemPlan(scene, canvas);
        benchmark::DoNotOptimize(canvas.Operations().size());
    }
}
BENCHMARK(BM_SolarSystemPlanDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvinata
