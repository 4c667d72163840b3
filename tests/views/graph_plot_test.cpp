#include "views/graph_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "views/graph_canvas_recorder.h"

namespace corvinata::test {
namespace {

TimeAndLocation Orientation(bool horizontal, bool timeReversed, bool valueReversed) {
    TimeAndLocation settings;
    settings.xAxisHorizontal = horizontal;
    settings.xAxisReversed = timeReversed;
    settings.yAxisReversed = valueReversed;
    settings.yAxisMin = 0.0;
    settings.yAxisMax = 100.0;
    return settings;
}

GraphLine LineOf(std::initializer_list<std::pair<int, double>> values, double missing) {
    GraphLine line;
    line.values.fill(missing);
    for (const auto& [step, value] : values) line.values[static_cast<std::size_t>(step)] = value;
    return line;
}

TEST(GraphPlotTest, FourOrientationsPlaceStepsAndValuesAndComeBack) {
    struct Case {
        bool horizontal, timeReversed, valueReversed;
        GraphPoint stepZeroAtMinimum, lastStepAtMaximum;
    };
    // A 731 x 201 client: time pixels are 2 per step horizontally.
    const Case cases[] = {
        {true, false, false, {0, 200}, {730, 0}},
        {true, true, false, {730, 200}, {0, 0}},
        {true, false, true, {0, 0}, {730, 200}},
        {false, false, false, {0, 200}, {730, 0}},  // step 0 on the bottom row
        {false, true, true, {730, 0}, {0, 200}},
    };
    for (const Case& c : cases) {
        TimeAndLocation settings = Orientation(c.horizontal, c.timeReversed, c.valueReversed);
        const int width = 731;
        const int height = c.horizontal ? 201 : 731;
        if (!c.horizontal) settings.yAxisMax = 100.0 * 731 / 201;  // same scale as horizontal
        const GraphScales scales = MakeGraphScales(settings, c.horizontal ? width : 201, height);
        ASSERT_TRUE(scales.Drawable());
        const GraphPoint zero =
            MapGraphPoint(scales, GraphTimePixel(scales, 0), GraphValuePixel(scales, scales.minimum));
        const GraphPoint last = MapGraphPoint(scales, GraphTimePixel(scales, kLastGraphInstant),
                                              scales.valueLength - 1);
        if (c.horizontal) {
            EXPECT_EQ(zero, c.stepZeroAtMinimum) << c.horizontal << c.timeReversed << c.valueReversed;
            EXPECT_EQ(last, c.lastStepAtMaximum);
        } else {
            // Vertical time: x is the value, y the time.
            EXPECT_EQ(zero.y, c.timeReversed ? 0 : 730);
            EXPECT_EQ(last.y, c.timeReversed ? 730 : 0);
            EXPECT_EQ(zero.x, c.valueReversed ? 200 : 0);
        }
        for (int step = 0; step <= kLastGraphInstant; ++step) {
            const GraphPoint p = MapGraphPoint(scales, GraphTimePixel(scales, step), 50);
            ASSERT_EQ(GraphPointToStep(scales, p.x, p.y), step);
            EXPECT_EQ(GraphStepToAxisPixel(scales, step), c.horizontal ? p.x : p.y);
        }
    }
    // The mouse beyond the plot stays within the 366 steps.
    const GraphScales scales = MakeGraphScales(Orientation(true, false, false), 500, 300);
    EXPECT_EQ(GraphPointToStep(scales, 499, 10), 365);
    EXPECT_EQ(GraphPointToStep(scales, 5000, 10), 365);
    EXPECT_EQ(GraphPointToStep(scales, -70, 10), 0);
}

TEST(GraphPlotTest, DegenerateScalesDrawNothingAndConversionsStayDefined) {
    const double inf = std::numeric_limits<double>::infinity();
    TimeAndLocation unset = Orientation(true, false, false);
    unset.yAxisMin = -inf;
    unset.yAxisMax = inf;
    const GraphScales wide = MakeGraphScales(unset, 400, 201);
    EXPECT_EQ(wide.minimum, -100.0);
    EXPECT_EQ(wide.maximum, 100.0);
    EXPECT_EQ(GraphValuePixel(wide, 1e300), 1000000);
    EXPECT_EQ(GraphValuePixel(wide, -inf), -1000000);
    EXPECT_EQ(GraphValuePixel(wide, std::nan("")), 0);

    TimeAndLocation equal = Orientation(true, false, false);
    equal.yAxisMin = equal.yAxisMax = 5.0;
    TimeAndLocation reversed = Orientation(true, false, false);
    reversed.yAxisMin = 10.0;
    reversed.yAxisMax = -10.0;
    const GraphScales bad[] = {MakeGraphScales(equal, 400, 200), MakeGraphScales(reversed, 400, 200),
                               MakeGraphScales(unset, 0, 200), MakeGraphScales(unset, 1, 200),
                               MakeGraphScales(unset, 400, 0)};
    const GraphLine line = LineOf({{0, 1.0}, {1, 2.0}}, -1.0);
    for (const GraphScales& scales : bad) {
        EXPECT_FALSE(scales.Drawable());
        RecordingGraphCanvas canvas;
        EXPECT_EQ(DrawGraphCurve(canvas, scales, line, 8, Colour{}).segments, 0);
        EXPECT_TRUE(canvas.lines.empty() && canvas.pixels.empty());
        EXPECT_GE(GraphPointToStep(scales, 10, 10), 0);
        EXPECT_LE(GraphPointToStep(scales, 10, 10), 365);
    }
}

TEST(GraphPlotTest, CurvesBreakAtGapsAndWrapOnlyRoundTheirCycle) {
    TimeAndLocation settings = Orientation(true, false, false);
    struct Case {
        const char* what;
        int kind;
        double minimum, maximum;
        GraphLine line;
        int segments;
        bool wraps;
    };
    const Case cases[] = {
        {"359 to 1 degree", 3, 0, 360, LineOf({{10, 359.0}, {11, 1.0}}, -1000.0), 2, true},
        {"-170 to 170 degrees", 5, -180, 180, LineOf({{10, -170.0}, {11, 170.0}}, -1000.0), 2, true},
        {"23 h to 1 h", 0, 0, 24, LineOf({{10, 23.0}, {11, 1.0}}, -1.0), 2, true},
        {"altitude 80 to -80", 4, -90, 90, LineOf({{10, 80.0}, {11, -80.0}}, -1000.0), 1, false},
        {"longitude 100 to 200", 3, 0, 360, LineOf({{10, 100.0}, {11, 200.0}}, -1000.0), 1, false},
        // After a gap the first value stands alone; the next joins it.
        {"gap", 8, 0, 100, LineOf({{1, 10.0}, {2, 20.0}, {5, 30.0}, {6, 40.0}}, -1.0), 2, false},
        {"all missing", 8, 0, 100, LineOf({}, -1.0), 0, false},
        {"not a number", 12, -10, 10, LineOf({{3, std::nan("")}, {4, 1.0}, {5, 2.0}}, std::numeric_limits<double>::infinity()), 1, false},
    };
    for (const Case& c : cases) {
        settings.yAxisMin = c.minimum;
        settings.yAxisMax = c.maximum;
        const GraphScales scales = MakeGraphScales(settings, 731, 361);
        RecordingGraphCanvas canvas;
        const GraphCurveResult result = DrawGraphCurve(canvas, scales, c.line, c.kind, Colour{255, 0, 0});
        EXPECT_EQ(result.segments, c.segments) << c.what;
        ASSERT_EQ(static_cast<int>(canvas.lines.size()), c.segments) << c.what;
        for (const auto& segment : canvas.lines) {
            // No line across the plot: a wrapped half leaves it at an edge.
            const int rise = std::abs(segment.to.y - segment.from.y);
            if (c.wraps) {
                EXPECT_LT(std::min({segment.from.y, segment.to.y, 360 - segment.from.y, 360 - segment.to.y}), 20)
                    << c.what;
                EXPECT_LT(rise, 40) << c.what;
            }
        }
        EXPECT_EQ(result.hasSeed, c.segments > 0) << c.what;
    }
}

TEST(GraphPlotTest, FillSeedLiesOnTheCurveInEveryOrientation) {
    const GraphLine line = LineOf({{0, 20.0}, {100, 60.0}, {200, 30.0}, {365, 80.0}}, -1.0);
    GraphLine full = line;
    for (int i = 0; i < kGraphValueCount; ++i) full.values[static_cast<std::size_t>(i)] = 20.0 + i * 0.1;
    for (int o = 0; o < 8; ++o) {
        const TimeAndLocation settings = Orientation(o & 1, (o & 2) != 0, (o & 4) != 0);
        const GraphScales scales = MakeGraphScales(settings, 500, 400);
        RecordingGraphCanvas canvas;
        const GraphCurveResult result = DrawGraphCurve(canvas, scales, full, 8, Colour{});
        ASSERT_TRUE(result.hasSeed) << o;
        const GraphPoint expected = MapGraphPoint(scales, GraphTimePixel(scales, 1),
                                                  GraphValuePixel(scales, full.values[1]));
        EXPECT_EQ(result.seed, expected) << o;
        EXPECT_EQ(canvas.lines.front().to, expected) << o;
    }
}

class GraphPaintTest : public ::testing::Test {
protected:
    GraphPaintTest() : graph(hub) {
        EXPECT_TRUE(SharedCatalogues());
        TimeAndLocation& s = graph.document.Settings();
        s.beginDate = DateTime{1950, 1, 1, 0.0, kUniversalTime};
        s.endDate = DateTime{2050, 1, 1, 0.0, kUniversalTime};
        s.xAxisTimeSystem = kUniversalTime;
        s.yAxisMin = 0.0;
        s.yAxisMax = 100.0;
    }
    NotificationHub hub;
    TestGraph graph;
};

TEST_F(GraphPaintTest, EmptyGraphShowsItsFiveHints) {
    RecordingGraphCanvas canvas;
    PaintGraph(canvas, graph.document, 400, 300, 10, true, DefaultGraphColours());
    ASSERT_EQ(canvas.texts.size(), 5u);
    const int expected[5][2] = {{8, 39}, {8, 65}, {16, 78}, {16, 91}, {16, 104}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(canvas.texts[static_cast<std::size_t>(i)].x, expected[i][0]);
        EXPECT_EQ(canvas.texts[static_cast<std::size_t>(i)].y, expected[i][1]);
    }
    EXPECT_EQ(canvas.texts[0].text, "The graph does not contain any lines.");
    EXPECT_TRUE(canvas.lines.empty() && canvas.guides.empty());
    EXPECT_EQ(canvas.backgrounds, 1);
}

TEST_F(GraphPaintTest, GridsStayBoundedAndTheGuideSpansTheValueAxis) {
    graph.AddLines("A");
    graph.document.UpdateGraphRange();
    TimeAndLocation& s = graph.document.Settings();
    s.yAxisMin = 0.0;
    s.yAxisMax = 1e9;
    s.xAxisGridActive = true;
    s.yAxisGridActive = true;
    struct Case {
        TimeStep xStep;
        int yStep;
        int maxX, maxY;
    };
    const Case cases[] = {
        {{kMinutesUnit, 1}, 1, 400 / 2, 300 / 2 + 2},  // a minute over a century; 1 on 10^9
        {{kYearsUnit, 10}, 100000000, 11, 13},          // sparse: every line drawn
        {{kDaysUnit, 0}, 0, 0, 0},                      // steps refused
        {{kDaysUnit, -3}, -5, 0, 0},
    };
    for (const Case& c : cases) {
        s.xAxisGridStep = c.xStep;
        s.yAxisGridStep = c.yStep;
        const GraphScales scales = MakeGraphScales(graph.document, 400, 300);
        RecordingGraphCanvas canvas;
        const int x = DrawGraphXGrid(canvas, scales, graph.document, Colour{});
        const int y = DrawGraphYGrid(canvas, scales, s, Colour{});
        EXPECT_LE(x, c.maxX);
        EXPECT_LE(y, c.maxY);
        if (c.maxX == 11) {
            EXPECT_EQ(x, 11);
            EXPECT_EQ(y, 12);  // -10^8 (below the plot), 0, 10^8 ... 10^9
        }
        for (std::size_t i = 1; i < static_cast<std::size_t>(x); ++i)
            EXPECT_GE(canvas.lines[i].from.x - canvas.lines[i - 1].from.x, 2);
    }
    RecordingGraphCanvas canvas;
    PaintGraph(canvas, graph.document, 400, 300, 365, false, DefaultGraphColours());
    ASSERT_EQ(canvas.guides.size(), 1u);
    EXPECT_EQ(canvas.guides[0].from, (GraphPoint{399, 299}));
    EXPECT_EQ(canvas.guides[0].to, (GraphPoint{399, -1}));
    EXPECT_EQ(canvas.backgrounds, 0);
}

TEST_F(GraphPaintTest, FillsPutTheCurvesUnderTheGrids) {
    graph.AddLines("AB");
    graph.document.UpdateGraphRange();
    TimeAndLocation& s = graph.document.Settings();
    s.yAxisMin = 0.0;
    s.yAxisMax = 100.0;
    s.yAxisGridActive = true;
    s.yAxisGridStep = 25;
    for (int i = 0; i < 2; ++i) graph.document.GetGraphLine(i)->values.fill(50.0);
    const Colour gridColour = DefaultGraphColours().grid;
    for (bool fills : {false, true}) {
        graph.document.GetGraphLine(1)->fillBelow = fills ? 3 : -1;
        RecordingGraphCanvas canvas;
        PaintGraph(canvas, graph.document, 400, 300, -1, true, DefaultGraphColours());
        ASSERT_FALSE(canvas.lines.empty());
        EXPECT_EQ(canvas.lines.front().colour == gridColour, !fills);
        EXPECT_EQ(canvas.fills.size(), fills ? 1u : 0u);
        EXPECT_TRUE(canvas.guides.empty());
        if (fills) {
            EXPECT_FALSE(canvas.fills[0].upwards);
        }
    }
}

}  // namespace
}  // namespace corvinata::test

namespace corvinata {
namespace {

TEST(GraphNightColoursTest, EveryColourIsAShadeBetweenBackgroundAndTextInItsBrightnessOrder) {
    GraphColours day = DefaultGraphColours();
    day.palette[0] = Colour{0, 0, 0};
    day.palette[1] = Colour{0, 0, 255};
    day.palette[2] = Colour{0, 255, 0};
    day.palette[3] = Colour{255, 255, 255};
    const Colour background{40, 0, 0};
    const Colour text{220, 0, 0};
    const GraphColours night = NightGraphColours(day, background, text);
    EXPECT_EQ(night.background, background);
    EXPECT_EQ(night.guide, text);
    EXPECT_EQ(night.hint, text);
    for (const Colour& colour : night.palette) {
        EXPECT_EQ(colour.green, 0);
        EXPECT_EQ(colour.blue, 0);
        EXPECT_GT(colour.red, background.red + 40);  // never lost in the background
        EXPECT_LE(colour.red, text.red);
    }
    EXPECT_LT(night.palette[0].red, night.palette[1].red);
    EXPECT_LT(night.palette[1].red, night.palette[2].red);
    EXPECT_LT(night.palette[2].red, night.palette[3].red);
    EXPECT_EQ(night.palette[3], text);
    EXPECT_GT(night.grid.red, background.red);
    EXPECT_LT(night.grid.red, night.palette[0].red);
}

}  // namespace
}  // namespace corvinata
