// The graph document and its computation: defaults, line edits, instants
// and steps, the label step, the value kind and range, and values compared
// with the property calculators called directly.
#include <gtest/gtest.h>

#include <cmath>

#include "base/event_time.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/event_kinds.h"
#include "catalog/quantity_kinds.h"
#include "documents/graph_test_support.h"
#include "support/graph_fakes.h"

namespace corvinata {
namespace {

using test::NamedLine;
using test::Utf8;

class GraphDocumentTest : public test::GraphTest {
protected:
    // A range of `days` from 1 January 2024 0 h LCT with a fixed end.
    std::unique_ptr<GraphDocument> FixedRange(int days) {
        auto document = NewDocument();
        TimeAndLocation& s = document->Settings();
        s.endFixed = true;
        s.beginDate = DateTime{2024, 1, 1, 0.0, kLocalCivilTime};
        s.endDate = s.beginDate;
        DateTimeAddDays(s.endDate, days);
        return document;
    }
};

TEST_F(GraphDocumentTest, NewGraphHasTheDefaults) {
    auto document = NewDocument();
    const TimeAndLocation& s = document->Options();
    EXPECT_EQ(document->LineCount(), 0);
    EXPECT_EQ(document->ValueKind(), kValueKindUnknown);
    EXPECT_EQ(document->ValueSystem(), -1);
    EXPECT_EQ(document->SelectedLine(), -1);
    EXPECT_EQ(document->FileVersionMajor() * 100 + document->FileVersionMinor(), 120);
    EXPECT_EQ(std::make_tuple(s.beginDate.year, s.beginDate.month, s.beginDate.day, s.beginDate.hours,
                              s.beginDate.timeSystem),
              std::make_tuple(2024, 1, 1, 0.0, static_cast<std::int32_t>(kLocalCivilTime)));
    EXPECT_EQ(DateTimeDifferenceDays(s.endDate, s.beginDate), 365.0);
    EXPECT_EQ(std::make_pair(s.yAxisMin, s.yAxisMax), std::make_pair(0.0, 360.0));
    EXPECT_EQ(Utf8(s.location.town), "London");
    EXPECT_TRUE(TimeStepEqual(s.xAxisMarkStep, s.xAxisLabelStep));
    EXPECT_TRUE(TimeStepEqual(s.xAxisLabelStep, TimeStep{kMonthsUnit, 1}));
    EXPECT_EQ(Utf8(GraphLine().name), "New line");
    EXPECT_EQ(GraphLine().fillAbove, -1);
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
    EXPECT_TRUE(document->HasLineNamed(String(TXT("New Line 2"))));
    EXPECT_FALSE(document->HasLineNamed(String(TXT("new line 2"))));

    document->GetGraphLine(0)->visibleInGraph = false;
    int inGraph = 0, inPanel = 0;
    EXPECT_EQ(document->GetLineStats(document->GetGraphLine(1), &inGraph, &inPanel), 1);
    EXPECT_EQ(std::make_pair(inGraph, inPanel), std::make_pair(0, 1));
    GraphLine stranger;
    EXPECT_EQ(document->GetLineStats(&stranger, &inGraph, nullptr), -1);
    EXPECT_EQ(inGraph, -1);

    document->SetSelectedLine(1);
    document->DeleteLine(1);
    EXPECT_EQ(document->SelectedLine(), 0);  // the new last line
    document->SetSelectedLine(5);
    EXPECT_EQ(document->GetSelectedGraphLine(), document->GetGraphLine(0));  // clamped
    document->DeleteLine(0);
    EXPECT_EQ(document->SelectedLine(), -1);
    EXPECT_EQ(document->GetSelectedGraphLine(), nullptr);
    EXPECT_FALSE(document->HasFills());
}

TEST_F(GraphDocumentTest, ChangesAtTheFirstLineDeriveTheKindAgain) {
    auto document = NewDocument();
    document->InsertLine(0, NamedLine("phase"));
    document->InsertLine(1, NamedLine("altitude", "Moon.Lat(hor)"));
    document->UpdateGraphRange();
    EXPECT_EQ(document->ValueKind(), kQuantityPhase);
    EXPECT_EQ(document->Options().yAxisMax, 100.0);
    document->Settings().yAxisMax = 60.0;
    document->UpdateGraphRange();  // unchanged kind: the user's range stays
    EXPECT_EQ(document->Options().yAxisMax, 60.0);

    document->SwapLines(0, 1);
    EXPECT_EQ(document->ValueKind(), kValueKindUnknown);
    document->UpdateGraphRange();
    EXPECT_EQ(document->ValueKind(), kQuantityLatitude);
    EXPECT_EQ(document->ValueSystem(), kHorizontalSystem);
    EXPECT_EQ(document->Options().yAxisMin, -90.0);
    document->ReplaceLine(1, NamedLine("other phase", "Phase(10)"));
    EXPECT_EQ(document->ValueKind(), kQuantityLatitude);  // not the first line
    document->ReplaceLine(0, NamedLine("same kind", "Moon.Lat(hor)"));
    EXPECT_EQ(document->ValueKind(), kQuantityLatitude);
    document->ReplaceLine(0, NamedLine("phase", "Phase(10)"));
    EXPECT_EQ(document->ValueKind(), kValueKindUnknown);
    document->InsertLine(0, NamedLine("again"));
    EXPECT_EQ(document->ValueKind(), kValueKindUnknown);

    while (document->LineCount() > 0) document->DeleteLine(0);
    document->UpdateGraphRange();
    EXPECT_EQ(document->ValueKind(), kValueKindUnknown);
    EXPECT_EQ(std::make_pair(document->Options().yAxisMin, document->Options().yAxisMax),
              std::make_pair(0.0, 0.0));
    document->Settings().yAxisMin = -std::numeric_limits<double>::infinity();
    document->Settings().yAxisMax = std::numeric_limits<double>::infinity();
    EXPECT_EQ(document->GetYAxisMinForDisplay(), -100.0);
    EXPECT_EQ(document->GetYAxisMaxForDisplay(), 100.0);
}

TEST_F(GraphDocumentTest, StepModeAddsWholeStepsWhateverTheEndSays) {
    const struct Case {
        std::int32_t unit;
        std::int32_t rangeCount;
        double lastInstantDays;
    } cases[] = {
        {kDaysUnit, 3 * 365, 3 * 365.0},    // {3 days, 1.0}: 3 days a step
        {kDaysUnit, 1059, 2 * 365.0},       // 2.9 days a step steps by 2
        {kHoursUnit, 365, 365.0 / 24.0},    // hourly
    };
    for (const Case& c : cases) {
        auto document = NewDocument();
        ASSERT_TRUE(TimeAndLocationSetRange(document->Settings(), c.unit, c.rangeCount));
        document->Settings().endDate = DateTime{2024, 2, 1, 0.0, kLocalCivilTime};
        GraphInstants instants;
        document->ComputeInstants(instants);
        EXPECT_NEAR(DateTimeDifferenceDays(instants[365].moment, instants[0].moment), c.lastInstantDays, 1e-6);
        EXPECT_TRUE(instants[365].valid);
    }
}

// A range read from a file may reach past the calendar: the instants
// beyond its end have no moment and their values are missing.
TEST_F(GraphDocumentTest, StepsPastTheCalendarGiveMissingValues) {
    auto document = NewDocument();
    document->Settings().beginDate = DateTime{2999, 6, 1, 0.0, kLocalCivilTime};
    document->Settings().rangeUnit = kDaysUnit;
    document->Settings().rangeCount = 2 * 365;
    GraphLine line = NamedLine("phase");
    document->ComputeGraphValues(line);
    GraphInstants instants;
    document->ComputeInstants(instants);
    EXPECT_TRUE(instants[289].valid);  // 578 days on: 30 December 3000
    EXPECT_FALSE(instants[290].valid);
    EXPECT_FALSE(instants[365].valid);
    EXPECT_EQ(line.values[0], 50.0);
    EXPECT_EQ(line.values[365], QuantityKindByIndex(kQuantityPhase)->GetNoneValue());
}

TEST_F(GraphDocumentTest, EndFixedYearMapsInstantsToDatesAndBack) {
    auto document = FixedRange(366);  // 2024 is a leap year
    const DateTime first = document->StepToDate(0, kLocalCivilTime);
    const DateTime last = document->StepToDate(365, kLocalCivilTime);
    EXPECT_NEAR(DateTimeDifferenceDays(first, document->Options().beginDate), 0.0, 1e-8);
    EXPECT_NEAR(DateTimeDifferenceDays(last, document->Options().endDate), 0.0, 1e-8);
    EXPECT_EQ(document->DateToStep(document->Options().endDate), 365);
    EXPECT_EQ(document->DateToStep(document->Options().beginDate), 0);
    DateTime later = document->Options().endDate;
    DateTimeAddSeconds(later, 1);
    EXPECT_EQ(document->DateToStep(later), -1);
    DateTime earlier = document->Options().beginDate;
    DateTimeAddSeconds(earlier, -1);
    EXPECT_EQ(document->DateToStep(earlier), -1);
    for (const int i : {1, 100, 182, 364}) {
        EXPECT_EQ(document->DateToStep(document->StepToDate(i, kUniversalTime)), i) << i;
    }
}

TEST_F(GraphDocumentTest, LabelStepIsTheShortestNotShorterThanAThirteenth) {
    const struct Case {
        DateTime begin;
        DateTime end;
        TimeStep step;
    } cases[] = {
        {{2024, 1, 1, 0.0, 2}, {2024, 1, 2, 0.0, 2}, {kHoursUnit, 2}},     // 1.85 h
        {{2024, 1, 1, 0.0, 2}, {2024, 1, 31, 0.0, 2}, {kMonthsUnit, 1}},   // 2.3 days
        {{2024, 1, 1, 0.0, 2}, {2024, 12, 31, 0.0, 2}, {kMonthsUnit, 1}},
        {{2024, 1, 1, 0.0, 2}, {2024, 1, 1, 0.1, 2}, {kMinutesUnit, 1}},   // shorter than any
        // The longest range the calendar holds: 100 years stay.
        {{1583, 1, 1, 0.0, 2}, {3000, 1, 1, 0.0, 2}, {kYearsUnit, 100}},
    };
    for (const Case& c : cases) {
        auto document = FixedRange(0);
        document->Settings().beginDate = c.begin;
        document->Settings().endDate = c.end;
        document->ChooseXAxisStep();
        const TimeStep chosen = document->Options().xAxisLabelStep;
        EXPECT_TRUE(TimeStepEqual(chosen, c.step)) << c.end.year << "-" << c.end.month << "-" << c.end.day
                                                   << ": " << chosen.count << " of unit " << chosen.unit;
    }
}

TEST_F(GraphDocumentTest, MissingValuesKeepTheNoneValueAndRangesSkipThem) {
    auto document = FixedRange(365);
    GraphLine& moonrise = *document->InsertLine(0, NamedLine("moonrise", "Moon.Rise(lct)"));
    GraphLine& broken = *document->InsertLine(1, NamedLine("broken", "Moon.Lat(hor"));
    document->ComputeAllLines(false);
    const double none = QuantityKindByIndex(kQuantityTimeOfDay)->GetNoneValue();
    int missing = 0;
    for (const double v : moonrise.values) missing += v == none ? 1 : 0;
    EXPECT_GT(missing, 0);  // the Moon does not rise on some days
    EXPECT_LT(missing, 30);
    double low = 0.0, high = 0.0;
    ASSERT_TRUE(document->GetVisibleYRange(-100.0, 100.0, low, high));
    EXPECT_GE(low, 0.0);
    EXPECT_LT(high, 24.0);
    // No kind at all: a marker that no range counts and no table serves.
    EXPECT_EQ(broken.GetQuantityKind(document->Services()), kValueKindUnknown);
    for (const double v : broken.values) EXPECT_TRUE(IsGraphNoKindMarker(v));
    EXPECT_TRUE(broken.FormatValueAt(document->Services(), 0).IsEmpty());
    moonrise.visibleInGraph = false;
    EXPECT_FALSE(document->GetVisibleYRange(-100.0, 100.0, low, high));
}

// The Moon's altitude over London at a few instants, against the property
// calculator called directly.
TEST_F(GraphDocumentTest, MoonAltitudeEqualsThePropertyEvaluation) {
    auto document = FixedRange(365);
    GraphLine line = NamedLine("altitude", "Moon.Lat(hor)");
    document->ComputeGraphValues(line);
    const CelestialObject& moon = *CatalogueByType(kBodyMoon)->CatalogueGetObjectAt(0);
    for (const int i : {0, 1, 97, 200, 365}) {
        TimeAndPlace moment;
        TimeAndPlaceInit(moment, document->StepToDate(i, kLocalCivilTime),
                         document->Options().location.coordinates, false);
        const double direct = EvaluateBodyFunction(moon, kFunctionLatitude, kHorizontalSystem, moment);
        EXPECT_DOUBLE_EQ(line.values[static_cast<std::size_t>(i)], direct) << i;
        EXPECT_GE(direct, -90.0);
    }
}

}  // namespace
}  // namespace corvinata
