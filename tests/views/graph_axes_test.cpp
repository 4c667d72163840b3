#include "views/graph_axes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/angle_value.h"
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
        const auto marks = axis.Marks(graph.document, width, height, canvas, {});
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

// What an axis painted: every label whole inside the window, apart from
// every tick by at least 2 pixels (beside its own, not over it), and clear
// of the other labels. Answers the labels.
std::vector<std::string> CheckPaintedLabels(const RecordingGraphCanvas& canvas, int width, int height) {
    struct Box {
        int left, top, right, bottom;  // inclusive
    };
    std::vector<Box> boxes;
    std::vector<std::string> labels;
    for (const auto& text : canvas.texts) {
        const int w = 7 * static_cast<int>(text.text.size());
        Box box{text.x, text.y, text.x + w - 1, text.y + 12};
        if (text.align != GraphTextAlign::kLeftTop) box.left -= w, box.right -= w;
        if (text.align == GraphTextAlign::kRightBaseline) box.top -= 13, box.bottom -= 13;
        EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right < width && box.bottom < height)
            << "\"" << text.text << "\" cut at " << box.left << "," << box.top << " " << box.right << ","
            << box.bottom << " in " << width << "x" << height;
        for (const auto& line : canvas.lines) {
            const int gapX = std::max({0, std::min(line.from.x, line.to.x) - box.right,
                                       box.left - std::max(line.from.x, line.to.x)});
            const int gapY = std::max({0, std::min(line.from.y, line.to.y) - box.bottom,
                                       box.top - std::max(line.from.y, line.to.y)});
            EXPECT_GE(std::max(gapX, gapY), 2) << "\"" << text.text << "\" touches the tick at " << line.from.x
                                               << "," << line.from.y;
        }
        for (const Box& other : boxes) {
            EXPECT_TRUE(box.right < other.left || other.right < box.left || box.bottom < other.top ||
                        other.bottom < box.top)
                << "\"" << text.text << "\" over another label";
        }
        boxes.push_back(box);
        labels.push_back(text.text);
    }
    return labels;
}

// The distance graphs of the Related Tasks over a year, in the four
// orientations: the labels are whole, beside their ticks, one for each
// long tick.
TEST_F(GraphAxesTest, DistanceAxesWriteEveryLabelWholeBesideItsTick) {
    for (const char* body : {"Sun", "Moon", "Jupiter"}) {
        graph.document.InsertLine(0, NamedLine(body, (std::string(body) + ".DistEarth(km)").c_str()));
        graph.document.ComputeAllLines(false);
        graph.document.UpdateGraphRange();
        ASSERT_EQ(graph.document.ValueKind(), 6) << body;
        for (int o = 0; o < 4; ++o) {
            SCOPED_TRACE(testing::Message() << body << " orientation " << o);
            settings().xAxisHorizontal = (o & 1) == 0;
            settings().xAxisReversed = settings().yAxisReversed = (o & 2) != 0;
            GraphValueAxis axis;
            RecordingGraphCanvas measure;
            const bool beside = settings().xAxisHorizontal;
            // The axis windows as the Graph window lays them out (their
            // clients, within the border).
            const int width = beside ? axis.Measure(measure, graph.document, 398, {}) - 2 : 598;
            const int height = beside ? 398 : 24;
            RecordingGraphCanvas painted;
            axis.Paint(painted, graph.document, width, height, {}, {});
            const auto labels = CheckPaintedLabels(painted, width, height);
            EXPECT_GE(labels.size(), 3u);
            // Written as the graph panel writes a distance: digits
            // without a grouping of the axis's own.
            for (const std::string& label : labels) {
                const std::size_t unit = label.find(" km");
                ASSERT_NE(unit, std::string::npos) << label;
                ASSERT_GT(unit, 0u) << label;
                EXPECT_EQ(label.find_first_not_of("0123456789"), unit) << label;
                EXPECT_EQ(unit + 3, label.size()) << label;
            }
            if (beside) {
                // A long tick for every label, a short one for every other tick.
                int longest = 0;
                for (const auto& line : painted.lines) longest = std::max(longest, line.to.x - line.from.x);
                const auto longTicks = std::count_if(painted.lines.begin(), painted.lines.end(), [&](const auto& l) {
                    return l.to.x - l.from.x == longest;
                });
                EXPECT_EQ(static_cast<std::size_t>(longTicks), labels.size());
            }

            RecordingGraphCanvas time;
            const int timeWidth = settings().xAxisHorizontal ? 598 : 38;
            const int timeHeight = settings().xAxisHorizontal ? 22 : 398;
            PaintGraphXAxis(time, graph.document, timeWidth, timeHeight, {});
            const auto months = CheckPaintedLabels(time, timeWidth, timeHeight);
            EXPECT_EQ(months.size(), 13u);  // January to January
        }
        graph.document.DeleteLine(0);
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
    QuantityFormatRequest hours;
    hours.angleDegreeBase = 1;
    hours.raDisplayUnit = 1;
    RecordingGraphCanvas canvas;
    const auto marks = axis.Marks(graph.document, 60, 600, canvas, hours);
    ASSERT_NE(axis.Iterator(), nullptr);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.size(), axis.Iterator()->Ticks().size());
    EXPECT_EQ(axis.Iterator()->Ticks().back().value, 24 * axis.Iterator()->UnitValue());
    EXPECT_EQ(marks.back().position, 0);  // 24 h = 360 degrees: the top row
}

// The angle an axis label reads, and the half of its last digit's place:
// how far from its tick a label that reads its tick's value may be.
struct ReadLabel {
    double degrees;
    double tolerance;
};
ReadLabel ReadAngleLabel(const String& text, int kind, int system) {
    const std::string label = Utf8(text);
    auto value = CreateQuantityValue(kind, 0.0, system);
    EXPECT_TRUE(value->Parse(text.Text())) << label;
    const std::size_t point = label.find('.');
    if (point != std::string::npos) {
        const std::size_t digits = label.find_first_not_of("0123456789", point + 1) - point - 1;
        const double place = label.find('h') != std::string::npos ? 15.0 : 1.0;
        return {value->GetValue(), 0.5 * place * std::pow(10.0, -static_cast<double>(digits)) + 1e-9};
    }
    return {value->GetValue(), 1e-7};  // a sexagesimal label is its tick exactly
}

// Ecliptic longitudes (degrees) and right ascensions (hours) over wide and
// narrow ranges, in both angle styles and with the value axis beside the
// plot or below it: each label reads its tick's value to its last digit,
// no two labels of an axis read alike, and every axis has labels.
TEST_F(GraphAxesTest, AngleLabelsReadTheirTicksAndNeverRepeat) {
    struct Case {
        const char* expression;
        double low, high;
    };
    constexpr double kMinute = 1.0 / 60.0, kSecond = 1.0 / 3600.0;
    const Case cases[] = {
        {"Jupiter.Lon(ecl)", 134.0, 135.0},
        {"Jupiter.Lon(ecl)", 134.0, 134.0 + 10 * kMinute},
        {"Jupiter.Lon(ecl)", 134.0, 134.0 + kMinute},
        {"Jupiter.Lon(ecl)", 134.0, 134.0 + kSecond},
        {"Jupiter.Lon(ecl)", 100.0, 200.0},
        {"Jupiter.Lon(ecl)", 0.0, 360.0},
        {"Moon.Lat(ecl)", -5.5, 5.5},
        {"Sun.Lon(equ)", 90.0, 105.0},
        {"Sun.Lon(equ)", 90.0, 90.0 + 15 * kMinute},
        {"Sun.Lon(equ)", 0.0, 360.0},
    };
    for (const Case& c : cases) {
        graph.document.InsertLine(0, NamedLine("A", c.expression));
        graph.document.UpdateGraphRange();
        const int kind = graph.document.ValueKind();
        settings().yAxisMin = c.low;
        settings().yAxisMax = c.high;
        for (const int style : {kAngleDecimal, kAngleSexagesimal}) {
            for (const bool beside : {true, false}) {
                SCOPED_TRACE(testing::Message() << c.expression << " " << c.low << " to " << c.high << " style "
                                                << style << (beside ? " beside" : " below"));
                settings().xAxisHorizontal = beside;
                QuantityFormatRequest options;
                options.angleDegreeBase = style;
                options.raDisplayUnit = kShowHours;
                GraphValueAxis axis;
                RecordingGraphCanvas canvas;
                const auto marks = axis.Marks(graph.document, beside ? 120 : 598, beside ? 398 : 24, canvas, options);
                ASSERT_NE(axis.Iterator(), nullptr);
                const auto& ticks = axis.Iterator()->Ticks();
                ASSERT_EQ(marks.size(), ticks.size());
                const double toDegrees = GraphAxisShowsHours(graph.document, options) ? 15.0 : 1.0;
                std::vector<std::string> labels;
                for (std::size_t i = 0; i < marks.size(); ++i) {
                    if (marks[i].label.Length() == 0) continue;
                    const std::string label = Utf8(marks[i].label);
                    const double tick = static_cast<double>(ticks[i].value) /
                                        static_cast<double>(axis.Iterator()->UnitValue()) * toDegrees;
                    const ReadLabel read = ReadAngleLabel(marks[i].label, kind, graph.document.ValueSystem());
                    EXPECT_NEAR(read.degrees, tick, read.tolerance) << label;
                    EXPECT_EQ(std::count(labels.begin(), labels.end(), label), 0) << label << " repeats";
                    labels.push_back(label);
                }
                // Below the plot a second's range has ticks a tenth of a
                // second apart and room for no label of them.
                const bool secondBelow = !beside && c.high - c.low < kMinute / 2;
                EXPECT_GE(labels.size(), secondBelow ? 0u : 2u);
            }
        }
        graph.document.DeleteLine(0);
    }
}

}  // namespace
}  // namespace corvinata::test
