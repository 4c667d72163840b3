// Costs of drawing a graph: the geometry of a full plot (eight one-year
// lines, both grids, both axes) for an 800 x 500 display through a canvas
// that only counts, and the value-axis tick computation of every kind.
#include <benchmark/benchmark.h>

#include <cmath>

#include "../tests/support/app_fakes.h"
#include "../tests/support/catalogues.h"
#include "documents/graph_document.h"
#include "views/axis_tick_iterator.h"
#include "views/graph_axes.h"
#include "views/graph_plot.h"

namespace corvinata {
namespace {

class CountingCanvas final : public GraphCanvas {
public:
    void FillBackground(Colour) override { ++calls; }
    void WriteText(int, int, const String&, Colour, GraphTextAlign) override { ++calls; }
    int TextWidth(const String& text) override { return 7 * text.Length(); }
    void DrawLine(GraphPoint, GraphPoint, Colour) override { ++calls; }
    void SetPixel(GraphPoint, Colour) override { ++calls; }
    void DrawGuideLine(GraphPoint, GraphPoint, Colour) override { ++calls; }
    void FillBeside(GraphPoint, bool, Colour, Colour) override { ++calls; }
    int LineHeight() override { return 13; }
    long long calls = 0;
};

void BM_PaintEightLinesWithGridsAndAxes(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    test::FakeCurrentTime now;
    now.value.dateTime = DateTime{2024, 1, 1, 12.0, kLocalCivilTime};
    NotificationHub hub;
    GraphDocument document(hub, ObjectModelGraphServices(now));
    for (int i = 0; i < 8; ++i) {
        GraphLine line;
        line.SetExpression(String(TXT("Sun.Lat(hor)")));
        line.colour = i + 2;
        for (int s = 0; s < kGraphValueCount; ++s)
            line.values[static_cast<std::size_t>(s)] = 60.0 * std::sin(s * 0.05 + i);
        document.InsertLine(i, line);
    }
    document.UpdateGraphRange();
    TimeAndLocation& settings = document.Settings();
    settings.beginDate = DateTime{2024, 1, 1, 0.0, kUniversalTime};
    settings.endDate = DateTime{2025, 1, 1, 0.0, kUniversalTime};
    settings.xAxisTimeSystem = kUniversalTime;
    settings.xAxisMarkStep = TimeStep{kDaysUnit, 7};
    settings.xAxisLabelStep = TimeStep{kMonthsUnit, 1};
    settings.yAxisMin = -90.0;
    settings.yAxisMax = 90.0;
    settings.xAxisGridActive = true;
    settings.xAxisGridStep = TimeStep{kDaysUnit, 7};
    settings.yAxisGridActive = true;
    settings.yAxisGridStep = 10;
    const GraphColours colours = DefaultGraphColours();
    GraphValueAxis axis;
    CountingCanvas canvas;
    for (auto _ : state) {
        PaintGraph(canvas, document, 800, 500, 100, true, colours);
        PaintGraphXAxis(canvas, document, 800, 24, {});
        axis.Paint(canvas, document, 50, 500, {}, {});
    }
    benchmark::DoNotOptimize(canvas.calls);
}
BENCHMARK(BM_PaintEightLinesWithGridsAndAxes)->Unit(benchmark::kMicrosecond);

// Argument: the quantity kind 0..12, over its own typical range.
void BM_AxisTicksCompute(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const double ranges[13][2] = {{0, 24},  {0, 360},   {-90, 90}, {0, 360},  {-30, 90}, {-180, 180}, {0, 4.5e9},
                                  {-1, 6},  {0, 100},   {0, 87},   {0, 11},   {0, 360},  {-0.003, 0.002}};
    auto iterator = CreateAxisTickIterator(kind, 0, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(iterator->Compute(ranges[kind][0], ranges[kind][1], 500, 20, 20));
    }
}
BENCHMARK(BM_AxisTicksCompute)->DenseRange(0, 12)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvinata
