#include "views/graph_axes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/time_systems.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "views/graph_canvas_recorder.h"

namespace corvinata::test {
namespace {

class GraphAxesTest : public ::testing::Test {
protected:
    GraphAxesTest() : graph(hub) {
        EXPECT_TRUE(SharedCatalogues());
        TimeAndLocation& s = settings();
        s.beginDate = DateTime{2024, 1, 1, 0.0, kUniversalTime};
        s.endDate = DateTime{2025, 1, 1, 0.0, kUniversalTime};
        s.xAxisTimeSystem = kUniversalTime;
        s.xAxisMarkStep = TimeStep{kMonthsUnit, 1};
        s.xAxisLabelStep = TimeStep{kMonthsUnit, 1};
    }
    TimeAndLocation& settings() { return graph.document.Settings(); }
    NotificationHub hub;
    TestGraph graph;
};

TEST_F(GraphAxesTest, MonthsOfAYearStandOnTheirDaysInEveryOrientation) {
    for (int o = 0; o < 4; ++o) {
        settings().xAxisHorizontal = (o & 1) == 0;
        settings().xAxisReversed = (o & 2) != 0;
        const int width = settings().xAxisHorizontal ? 733 : 40;
        const int height = settings().xAxisHorizontal ? 24 : 733;
        const auto marks = ComputeTimeAxisMarks(graph.document, width, height);
        std::vector<std::string> labels;
        const GraphScales scales = MakeGraphScales(settings(), width, height);
        int months = 0;
        for (const GraphAxisMark& mark : marks) {
            if (mark.level != kMonthsUnit) continue;
            labels.push_back(Utf8(mark.label));
            if (months == 12) break;  // 1 January 2025 ends the axis
            // Month m begins on day d of the 366-day leap year: 2 pixels a day.
            const int day = static_cast<int>(DateTimeDifferenceDays(DateTime{2024, 1 + months, 1, 0.0, 0},
                                                                    DateTime{2024, 1, 1, 0.0, 0}));
            const GraphPoint at = MapGraphPoint(scales, 2 * day, 0);
            EXPECT_EQ(mark.position, settings().xAxisHorizontal ? at.x : at.y) << o << " " << months;
            EXPECT_EQ(mark.length, static_cast<int>((settings().xAxisHorizontal ? 24 : 40) * 0.4));
            ++months;
        }
        EXPECT_EQ(months, 12) << o;
        ASSERT_EQ(labels.size(), 13u);
        EXPECT_EQ(labels[0], "Jan");
        EXPECT_EQ(labels[11], "Dec");
        // Both new years get an unlabelled tick.
        EXPECT_EQ(std::count_if(marks.begin(), marks.end(),
                                [](const GraphAxisMark& m) { return m.level == kYearsUnit && m.label.Length() == 0; }),
                  2);
    }
}

TEST_F(GraphAxesTest, RangesInsideADayAndDenseMarksStayBounded) {
    settings().beginDate = DateTime{2024, 6, 15, 6.0, kUniversalTime};
    settings().endDate = DateTime{2024, 6, 15, 18.0, kUniversalTime};
    settings().xAxisMarkStep = TimeStep{kHoursUnit, 1};
    settings().xAxisLabelStep = TimeStep{kHoursUnit, 3};
    auto marks = ComputeTimeAxisMarks(graph.document, 600, 24);
    ASSERT_EQ(marks.size(), 13u);
    for (const GraphAxisMark& mark : marks) EXPECT_EQ(mark.level, kHoursUnit);
    EXPECT_EQ(Utf8(marks[0].label), "6h");
    EXPECT_EQ(Utf8(marks[3].label), "9h");
    EXPECT_EQ(marks[1].label.Length(), 0);
    // A minute mark over a century leaves the minutes, hours and days out.
    settings().beginDate = DateTime{1950, 1, 1, 0.0, kUniversalTime};
    settings().endDate = DateTime{2050, 1, 1, 0.0, kUniversalTime};
    settings().xAxisMarkStep = TimeStep{kMinutesUnit, 1};
    marks = ComputeTimeAxisMarks(graph.document, 600, 24);
    EXPECT_LE(marks.size(), 400u);
    EXPECT_EQ(ComputeTimeAxisMarks(graph.document, 1, 24).size(), 0u);
}

TEST_F(GraphAxesTest, ValueTicksLieOnThePlotRowsOfTheirValues) {
    GraphValueAxis axis;
    RecordingGraphCanvas canvas;
    EXPECT_EQ(axis.Measure(canvas, graph.document, 300, {}), 10);  // no kind yet
    graph.AddLines("A");
    graph.document.UpdateGraphRange();
    ASSERT_EQ(graph.document.ValueKind(), 8);
    settings().yAxisMin = 0.0;
    settings().yAxisMax = 100.0;
    GraphLine level;
    level.values.fill(50.0);
    for (int o = 0; o < 4; ++o) {
        settings().xAxisHorizontal = (o & 1) == 0;
        settings().yAxisReversed = (o & 2) != 0;
        const int width = settings().xAxisHorizontal ? 60 : 500;
        const int height = settings().xAxisHorizontal ? 300 : 30;
        const auto marks = axis.Marks(graph.document, width, height, 13, {});
        RecordingGraphCanvas plot;
        DrawGraphCurve(plot, MakeGraphScales(settings(), 500, 300), level, 8, Colour{});
        const GraphPoint row = plot.lines.front().from;
        bool found = false;
        for (const GraphAxisMark& mark : marks) {
            if (Utf8(mark.label).rfind("50", 0) == 0) {
                EXPECT_EQ(mark.position, settings().xAxisHorizontal ? row.y : row.x) << o;
                found = true;
            }
        }
        EXPECT_TRUE(found) << o;
    }
    settings().xAxisHorizontal = true;
    const int width = axis.Measure(canvas, graph.document, 300, {});
    EXPECT_GT(width, 10);
    RecordingGraphCanvas painted;
    axis.Paint(painted, graph.document, width, 300, {}, {});
    ASSERT_FALSE(painted.texts.empty());
    for (const auto& text : painted.texts) {
        EXPECT_EQ(text.align, GraphTextAlign::kRightTop);
        EXPECT_LE(7 * static_cast<int>(text.text.size()) + 10, width);
    }
}

TEST_F(GraphAxesTest, RightAscensionInHoursLabelsHoursOverDegrees) {
    graph.document.InsertLine(0, NamedLine("R", "Sun.Lon(equ)"));
    graph.document.UpdateGraphRange();
    ASSERT_EQ(graph.document.ValueKind(), 1);
    ASSERT_EQ(graph.document.ValueSystem(), 0);
    settings().yAxisMin = 0.0;
    settings().yAxisMax = 360.0;
    GraphValueAxis axis;
    const GraphLabelOptions hours{1, 1};
    const auto marks = axis.Marks(graph.document, 60, 600, 13, hours);
    ASSERT_NE(axis.Iterator(), nullptr);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.size(), axis.Iterator()->Ticks().size());
    EXPECT_EQ(axis.Iterator()->Ticks().back().value, 24 * axis.Iterator()->UnitValue());
    EXPECT_EQ(marks.back().position, 0);  // 24 h = 360 degrees: the top row
}

}  // namespace
}  // namespace corvinata::test
