// Cost of the solar-eclipse computations the eclipse window runs when its
// date or its observer changes.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "astro/eclipse_circumstances.h"
#include "support/map_canvas_recording.h"
#include "views/eclipse_map.h"

namespace {

using namespace corvinata;

SolarEclipseModel Model1999() {
    SolarEclipseModel model;
    model.date.year = 1999;
    model.date.month = 8;
    model.date.day = 11;
    model.date.hours = 11.0;
    model.date.timeSystem = kUniversalTime;
    model.found = true;
    model.elements = FindEclipseEntry(1999, 8, 11)->elements;
    return model;
}

// The umbral path of 11 August 1999: about 1100 points, each with two
// latitude searches.
void BM_CentralPath1999(benchmark::State& state) {
    SolarEclipseModel model = Model1999();
    for (auto _ : state) {
        ComputeCentralPath(model, true, true);
        benchmark::DoNotOptimize(model.centralPath.data());
    }
    state.counters["points"] = static_cast<double>(model.centralPath.size());
}
BENCHMARK(BM_CentralPath1999)->Unit(benchmark::kMillisecond);

// Everything the map needs: path, ends and the five magnitude curves.
void BM_WholeEclipse1999(benchmark::State& state) {
    SolarEclipseModel model = Model1999();
    const BesselianElements elements = model.elements;
    for (auto _ : state) {
        ComputeEclipseForDate(model.date, true, elements, model);
        benchmark::DoNotOptimize(model.magnitudeCurves.data());
    }
}
BENCHMARK(BM_WholeEclipse1999)->Unit(benchmark::kMillisecond);

// Contacts, maximum and central phase at 8 degrees east, 48 degrees north.
void BM_LocalCircumstances1999(benchmark::State& state) {
    const SolarEclipseModel model = Model1999();
    EclipseObserver place;
    place.longitude = -8.0;
    place.latitude = 48.0;
    for (auto _ : state) {
        LocalCircumstances c = ComputeLocalCircumstances(model, model.date, place);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_LocalCircumstances1999)->Unit(benchmark::kMicrosecond);

// The shipped country outlines, read straight from the data folder.
std::vector<CountryOutline> ShippedOutlines() {
    std::ifstream file(CN_DATA_DIR "/countryshape.dat");
    std::vector<CountryOutline> outlines;
    std::string line;
    int current = -1;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        int number = 0, unused = 0;
        ShapePoint point{};
        if (!(fields >> number >> unused >> point.longitude >> point.latitude)) continue;
        if (number != current) outlines.emplace_back(), current = number;
        outlines.back().push_back(point);
    }
    return outlines;
}

// One paint of the eclipse map of 11 August 1999 at 1000 x 700: every
// outline and curve point projected and drawn into the recording canvas.
void BM_EclipseMapPaint1999(benchmark::State& state) {
    SolarEclipseModel model = Model1999();
    ComputeEclipseForDate(model.date, true, model.elements, model);
    const std::vector<CountryOutline> outlines = ShippedOutlines();
    EclipseMapContent content;
    content.outlines = &outlines;
    content.eclipse = &model;
    content.observer = {0.1275, 51.5072};
    const EclipseMapProjection projection({0.0, 0.0, 1}, 1000, 700);
    const EclipseMapColours colours = EclipseMapColoursFor(true, nullptr);
    RecordingCanvas canvas;
    for (auto _ : state) {
        canvas.Clear();
        DrawEclipseMap(canvas, projection, content, colours);
        benchmark::DoNotOptimize(canvas.Calls().data());
    }
    state.counters["calls"] = static_cast<double>(canvas.Calls().size());
}
BENCHMARK(BM_EclipseMapPaint1999)->Unit(benchmark::kMillisecond);

}  // namespace
