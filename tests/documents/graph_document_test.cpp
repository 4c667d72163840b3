// The graph document and its computation: defaults, line edits, instants
// and steps, the label step, the value kind and range, and values compared
// with the property calculator called directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "base/event_time.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/event_kinds.h"
#include "catalog/quantity_kinds.h"
#include "documents/graph_test_support.h"

namespace corvinata {
namespace {

using test::NamedLine;
using test::Utf8;

class GraphDocumentTest : public test::GraphTest {
protected:
    // 1 January 2024 0 h LCT to `end`, the end fixed.
    std::unique_ptr<GraphDocument> FixedRange(const DateTime& end) {
        auto document = NewDocument();
        document->Settings().endFixed = true;
        document->Settings().endDate = end;
        return document;
    }
};

TEST_F(GraphDocumentTest, NewGraphHasTheDefaults) {
    auto document = NewDocument();
    const TimeAndLocation& s = document->Options();
    EXPECT_EQ(std::make_tuple(document->LineCount(), document->ValueKind(), document->ValueSystem(),
                              document->SelectedLine(), document->FileVersionMinor()),
              std::make_tuple(0, kValueKindUnknown, -1, -1, 20));
    EXPECT_EQ(std::make_tuple(s.beginDate.year, s.beginDate.month, s.beginDate.day, s.beginDate.hours),
              std::make_tuple(2024, 1, 1, 0.0));
    EXPECT_EQ(s.beginDate.timeSystem, kLocalCivilTime);
    EXPECT_EQ(DateTimeDifferenceDays(s.endDate, s.beginDate), 365.0);
    EXPECT_EQ(std::make_pair(s.yAxisMin, s.yAxisMax), std::make_pair(0.0, 360.0));
    EXPECT_EQ(Utf8(s.location.town), "London");
    EXPECT_TRUE(TimeStepEqual(s.xAxisMarkStep, TimeStep{kMonthsUnit, 1}) &&
                TimeStepEqual(s.xAxisLabelStep, TimeStep{kMonthsUnit, 1}));
    EXPECT_EQ(Utf8(GraphLine().name), "New line");
}

TEST_F(GraphDocumentTest, UniqueNamesSelectionAndStats) {
    auto document = NewDocument();
    String name;
    document->MakeUniqueLineName(name);
    EXPECT_EQ(Utf8(name), "New Line");
    document->InsertLine(0, NamedLine("New Line"));
    document->InsertLine(1, NamedLine("New Line 2"));
    document->MakeUniqueLineName(name);
    EXPECT_EQ(Utf8(name), "New Line 3");
    EXPECT_FALSE(document->HasLineNamed(String(TXT("new line 2"))));

    document->GetGraphLine(0)->visibleInGraph = false;
    int inGraph = 0, inPanel = 0;
    EXPECT_EQ(document->GetLineStats(document->GetGraphLine(1), &inGraph, &inPanel), 1);
    EXPECT_EQ(std::make_pair(inGraph, inPanel), std::make_pair(0, 1));
    GraphLine stranger;
    EXPECT_EQ(document->GetLineStats(&stranger, &inGraph, nullptr), -1);

    document->SetSelectedLine(1);
    document->DeleteLine(1);
    EXPECT_EQ(document->SelectedLine(), 0);  // the new last line
    document->SetSelectedLine(5);
    EXPECT_EQ(document->GetSelectedGraphLine(), document->GetGraphLine(0));  // clamped
    document->DeleteLine(0);
    EXPECT_EQ(document->GetSelectedGraphLine(), nullptr);
}

TEST_F(GraphDocumentTest, ChangesAtTheFirstLineDeriveTheKindAgain) {
    auto document = NewDocument();
    document->InsertLine(0, NamedLine("phase"));
    document->InsertLine(1, NamedLine("altitude", "Moon.Lat(hor)"));
    document->UpdateGraphRange();
    EXPECT_EQ(std::make_pair(document->ValueKind(), document->Options().yAxisMax),
              std::make_pair(static_cast<std::int32_t>(kQuantityPhase), 100.0));
    document->Settings().yAxisMax = 60.0;
    document->UpdateGraphRange();  // same kind: the user's range stays
    EXPECT_EQ(document->Options().yAxisMax, 60.0);
    document->SwapLines(0, 1);
    document->UpdateGraphRange();
    EXPECT_EQ(std::make_tuple(document->ValueKind(), document->ValueSystem(), document->Options().yAxisMin),
              std::make_tuple(static_cast<std::int32_t>(kQuantityLatitude), 2, -90.0));
    document->ReplaceLine(1, NamedLine("other", "Phase(10)"));  // not the first line
    document->ReplaceLine(0, NamedLine("same kind", "Moon.Lat(hor)"));
    EXPECT_EQ(document->ValueKind(), kQuantityLatitude);
    document->ReplaceLine(0, NamedLine("phase", "Phase(10)"));
    EXPECT_EQ(document->ValueKind(), kValueKindUnknown);

    while (document->LineCount() > 0) document->DeleteLine(0);
    document->UpdateGraphRange();
    EXPECT_EQ(std::make_tuple(document->ValueKind(), document->Options().yAxisMin, document->Options().yAxisMax),
              std::make_tuple(kValueKindUnknown, 0.0, 0.0));
    document->Settings().yAxisMin = -std::numeric_limits<double>::infinity();
    document->Settings().yAxisMax = std::numeric_limits<double>::infinity();
    double low = 0.0, high = 0.0;
    document->DrawnYRange(document->Options().yAxisMin, document->Options().yAxisMax, low, high);
    EXPECT_EQ(std::make_pair(low, high), std::make_pair(-100.0, 100.0));
}

TEST_F(GraphDocumentTest, StepModeAddsWholeStepsWhateverTheEndSays) {
    const struct Case {
        std::int32_t unit;
        double stepCount;
        double lastInstantDays;
    } cases[] = {
        {kDaysUnit, 3.0, 3 * 365.0},
        {kDaysUnit, 2.9, 2 * 365.0},  // 2.9 days a step steps by 2
        {kHoursUnit, 1.0, 365.0 / 24.0},
    };
    for (const Case& c : cases) {
        auto document = NewDocument();
        ASSERT_TRUE(TimeAndLocationSetStep(document->Settings(), c.unit, c.stepCount));
        document->Settings().endDate = DateTime{2024, 2, 1, 0.0, kLocalCivilTime};
        GraphInstants instants;
        document->ComputeInstants(instants);
        EXPECT_NEAR(DateTimeDifferenceDays(instants[365].moment, instants[0].moment), c.lastInstantDays, 1e-6);
    }
    // A range read from a file may reach past the calendar: those instants
    // have no moment and their values are missing.
    auto document = NewDocument();
    document->Settings().beginDate = DateTime{2999, 6, 1, 0.0, kLocalCivilTime};
    document->Settings().stepCount = 2.0;
    GraphLine line = NamedLine("phase");
    document->ComputeGraphValues(line);
    GraphInstants instants;
    document->ComputeInstants(instants);
    EXPECT_TRUE(instants[289].valid && !instants[290].valid);  // 30 December 3000 is the last
    EXPECT_EQ(std::make_pair(line.values[0], line.values[365]), std::make_pair(50.0, -1.0));
}

TEST_F(GraphDocumentTest, EndFixedYearMapsInstantsToDatesAndBack) {
    auto document = FixedRange(DateTime{2025, 1, 1, 0.0, kLocalCivilTime});
    const TimeAndLocation& s = document->Options();
    EXPECT_NEAR(DateTimeDifferenceDays(document->StepToDate(365, kLocalCivilTime), s.endDate), 0.0, 1e-8);
    EXPECT_EQ(document->DateToStep(s.endDate), 365);
    EXPECT_EQ(document->DateToStep(s.beginDate), 0);
    DateTime later = s.endDate, earlier = s.beginDate;
    DateTimeAddSeconds(later, 1);
    DateTimeAddSeconds(earlier, -1);
    EXPECT_EQ(std::make_pair(document->DateToStep(later), document->DateToStep(earlier)), std::make_pair(-1, -1));
    for (const int i : {1, 182, 364}) EXPECT_EQ(document->DateToStep(document->StepToDate(i, kUniversalTime)), i);
}

TEST_F(GraphDocumentTest, LabelStepIsTheShortestNotShorterThanAThirteenth) {
    const struct Case {
        DateTime begin, end;
        TimeStep step;
    } cases[] = {
        {{2024, 1, 1, 0.0, 2}, {2024, 1, 2, 0.0, 2}, {kHoursUnit, 2}},     // 1.85 h
        {{2024, 1, 1, 0.0, 2}, {2024, 1, 31, 0.0, 2}, {kMonthsUnit, 1}},   // 2.3 days
        {{2024, 1, 1, 0.0, 2}, {2024, 1, 1, 0.1, 2}, {kMinutesUnit, 1}},   // shorter than any
        {{1583, 1, 1, 0.0, 2}, {3000, 1, 1, 0.0, 2}, {kYearsUnit, 100}},   // 109 years: 100 stay
    };
    for (const Case& c : cases) {
        auto document = FixedRange(c.end);
        document->Settings().beginDate = c.begin;
        document->ChooseXAxisStep();
        EXPECT_TRUE(TimeStepEqual(document->Options().xAxisLabelStep, c.step)) << c.end.year << c.end.day;
    }
}

TEST_F(GraphDocumentTest, MissingValuesAndLinesWithoutAKind) {
    auto document = FixedRange(DateTime{2025, 1, 1, 0.0, kLocalCivilTime});
    GraphLine& moonrise = *document->InsertLine(0, NamedLine("moonrise", "Moon.Rise(lct)"));
    GraphLine& broken = *document->InsertLine(1, NamedLine("broken", "Moon.Lat(hor"));
    document->ComputeAllLines(false);
    int missing = 0;
    for (const double v : moonrise.values) missing += v == -1.0 ? 1 : 0;
    EXPECT_GT(missing, 0);  // days without a moonrise
    EXPECT_LT(missing, 30);
    double low = 0.0, high = 0.0;
    ASSERT_TRUE(document->GetVisibleYRange(-100.0, 100.0, low, high));
    EXPECT_TRUE(low >= 0.0 && high < 24.0);
    // No kind at all: a marker that no range counts and no table serves.
    EXPECT_EQ(broken.GetQuantityKind(document->Services()), kValueKindUnknown);
    // The marker is not a number: nothing draws or counts it.
    for (const double v : broken.values) EXPECT_TRUE(std::isnan(v));
    EXPECT_TRUE(broken.FormatValueAt(document->Services(), 0).IsEmpty());
    moonrise.visibleInGraph = false;
    EXPECT_FALSE(document->GetVisibleYRange(-100.0, 100.0, low, high));
}

// A bound left at the kind's infinite limit is drawn from the visible
// values, widened by a twentieth of the span and rounded out to a step of
// the kind's axis ticks (at most ten over the range); a bound that is set
// stays; without values to draw from, -100 and 100.
TEST_F(GraphDocumentTest, AnOpenBoundIsDrawnFromTheValuesAndASetOneStays) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct Case {
        const char* expression;
        double low, high;            // the bounds the graph holds
        double drawnLow, drawnHigh;  // as drawn
    } cases[] = {
        // The Sun's distance, 147.1 to 152.1 million km in 2024.
        {"Sun.DistEarth(km)", 0.0, inf, 0.0, 160e6},
        {"Sun.DistEarth(km)", 0.0, 155e6, 0.0, 155e6},
        {"Sun.DistEarth(km)", 150e6, inf, 150e6, 152.25e6},
        // In AU: 0.98 to 1.02, the span 0.034, steps of 0.005.
        {"Sun.DistEarth(au)", -inf, inf, 0.98, 1.02},
        // A constant: room of a twentieth of itself, in steps of 0.2.
        {"12", -inf, inf, 11.4, 12.6},
        // A line without values of its kind: the unset range.
        {"Moon.Lat(hor", -inf, inf, -100.0, 100.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + " " + std::to_string(c.low) + ".." + std::to_string(c.high));
        auto document = NewDocument();
        const GraphLine& line = *document->InsertLine(0, NamedLine("line", c.expression));
        document->ComputeAllLines(false);
        document->UpdateGraphRange();
        double low = 0.0, high = 0.0;
        document->DrawnYRange(c.low, c.high, low, high);
        EXPECT_NEAR(low, c.drawnLow, 1e-9 * std::max(1.0, std::fabs(c.drawnLow)));
        EXPECT_NEAR(high, c.drawnHigh, 1e-9 * std::max(1.0, std::fabs(c.drawnHigh)));
        // What the bounds let through lies inside the plot.
        for (const double v : line.values) {
            if (std::isfinite(v) && v > -1.0 && v >= c.low && v <= c.high) {
                EXPECT_TRUE(v >= low && v <= high) << v;
            }
        }
    }
}

// The Moon's altitude over London against the property calculator.
TEST_F(GraphDocumentTest, MoonAltitudeEqualsThePropertyEvaluation) {
    auto document = FixedRange(DateTime{2025, 1, 1, 0.0, kLocalCivilTime});
    GraphLine line = NamedLine("altitude", "Moon.Lat(hor)");
    document->ComputeGraphValues(line);
    const CelestialObject& moon = *CatalogueByType(kBodyMoon)->CatalogueGetObjectAt(0);
    for (const int i : {0, 1, 97, 200, 365}) {
        TimeAndPlace moment;
        TimeAndPlaceInit(moment, document->StepToDate(i, kLocalCivilTime),
                         document->Options().location.coordinates, false);
        EXPECT_DOUBLE_EQ(line.values[static_cast<std::size_t>(i)],
                         EvaluateBodyFunction(moon, kFunctionLatitude, kHorizontalSystem, moment));
    }
}

}  // namespace
}  // namespace corvinata
