// Costs of the sky chart's platform-free half: compiling every list with
// every layer on (recording backend), and a pick of that whole scene after
// a turn of the view.
#include <benchmark/benchmark.h>

#include "views/sky_test_support.h"

namespace corvinata {
namespace {

void EverythingOn(SkyOptions& o) {
    o.gridType = 2;
    o.gridLabelsOn = true;
    o.eclipticOn = o.constellationLinesOn = o.constellationBoundariesOn = true;
    o.sunOn = o.moonOn = o.planetTracksOn = true;
    o.planetDisplayMode = 1;
    o.planetNamesOn = o.planetSymbolsOn = true;
    o.starNamesOn = o.starLettersOn = true;
    o.constellationNames = 2;
    o.deepSkyCatalogue = 2;  // NGC/IC
    o.deepSkyNameSystem = 4;
    o.magnitudeLimit = 20;
}

void BM_SkyFullLayerList(benchmark::State& state) {
    test::SkyScene scene;
    EverythingOn(scene.host.options);
    for (auto _ : state) {
        scene.renderer->OnViewUpdate(0, true);
        scene.renderer->SkyEnsureLists();
        benchmark::DoNotOptimize(scene.gl.List(SkyList::kStars).size());
    }
    state.counters["calls"] = static_cast<double>(scene.gl.Expanded(SkyList::kFullLayers).size());
}
BENCHMARK(BM_SkyFullLayerList)->Unit(benchmark::kMillisecond);

// A pick after a turn of the view: the pick tables' stream of the whole
// scene written and walked.
void BM_SkyPickAfterATurn(benchmark::State& state) {
    test::SkyScene scene;
    EverythingOn(scene.host.options);
    scene.host.fieldOfView = 180;
    scene.renderer->SkyRenderFrame();
    int x = 0;
    for (auto _ : state) {
        scene.host.azimuth = (x % 360) * 1.0;
        benchmark::DoNotOptimize(scene.renderer->SkyFeedbackPick(x % 800, 400));
        x += 37;
    }
    state.counters["floats"] = static_cast<double>(scene.renderer->CurrentContext().feedback.size());
}
BENCHMARK(BM_SkyPickAfterATurn)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
