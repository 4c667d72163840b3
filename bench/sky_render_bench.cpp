// Costs of the sky chart's platform-free half: compiling the full layer list
// with every layer on (recording backend), and one pick walk over the
// feedback stream of that whole scene.
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

void BM_SkyPickWalkOverAFullBuffer(benchmark::State& state) {
    test::SkyScene scene;
    EverythingOn(scene.host.options);
    scene.host.fieldOfView = 180;
    // The feedback stream of the whole scene, as a pick renders it.
    std::vector<float> buffer(1 << 22);
    scene.gl.FeedbackBuffer(buffer.data(), static_cast<int>(buffer.size()));
    scene.gl.SetRenderMode(skygl::kFeedback);
    scene.renderer->SkyRenderFrame();
    const int count = scene.gl.SetRenderMode(skygl::kRender);
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindNearestInFeedback(buffer.data(), count, x % 800, 400));
        x += 37;
    }
    state.counters["floats"] = count;
}
BENCHMARK(BM_SkyPickWalkOverAFullBuffer)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
