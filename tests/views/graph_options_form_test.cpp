// The Graph Options pages' checks: each refusal with its message and
// focus, a refused page leaving the settings as they were, and what each
// page stores when it passes.
#include "views/graph_options_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "catalog/quantity_kinds.h"
#include "documents/graph_document.h"
#include "resources/graph_dialogs_ids.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata::test {
namespace {

String Text(const char* utf8) { return String(Wide(utf8).c_str()); }

TimeAndLocation Year2024() {
    TimeAndLocation s;
    s.beginDate = MakeDateTime(2024, 1, 1, 0.0, kLocalCivilTime);
    s.endDate = MakeDateTime(2025, 1, 1, 0.0, kLocalCivilTime);
    s.stepUnit = kDaysUnit;
    s.stepCount = 1.0;
    return s;
}

const std::string kDifferent = "Please enter a different value: ";

struct TimeCase {
    const char* what;
    bool byEnd;
    DateTime end;
    const char* step;
    std::int32_t unit;
    std::string message;  // empty: passes
    int focus;
    std::int32_t rangeUnit;
    std::int32_t rangeUnits;
};

TEST(GraphOptionsFormTest, TimePageRefusesWhatTheGraphCannotSpanAndKeepsTheSettings) {
    const DateTime begin = MakeDateTime(2024, 1, 1, 0.0, kLocalCivilTime);
    const DateTime later = MakeDateTime(2024, 3, 1, 0.0, kLocalCivilTime);
    const TimeCase cases[] = {
        {"begin equal to end", true, begin, "1", kDaysUnit,
         kDifferent + "The begin date must be earlier than the end date.", IDC_GRAPH_BEGIN_DATE, 0, 0},
        {"begin after end", true, MakeDateTime(2023, 12, 31, 23.0, kLocalCivilTime), "1", kDaysUnit,
         kDifferent + "The begin date must be earlier than the end date.", IDC_GRAPH_BEGIN_DATE, 0, 0},
        {"end counts whole days", true, later, "junk ignored", kDaysUnit, "", 0, kDaysUnit, 60},
        {"step 0", false, begin, "0", kDaysUnit, kDifferent + "You entered an invalid step value.",
         IDC_GRAPH_STEP_COUNT, 0, 0},
        {"step 101", false, begin, "101", kDaysUnit, kDifferent + "You entered an invalid step value.",
         IDC_GRAPH_STEP_COUNT, 0, 0},
        {"no number", false, begin, "x2", kDaysUnit, kDifferent + "You entered an invalid step value.",
         IDC_GRAPH_STEP_COUNT, 0, 0},
        {"step 100 hours", false, begin, "100", kHoursUnit, "", 0, kHoursUnit, 36500},
        {"a letter after the number", false, begin, "2x", kMinutesUnit, "", 0, kMinutesUnit, 730},
        {"beyond the calendar", false, begin, "10", kYearsUnit,
         kDifferent + "The step value would cause the date to become too large.", IDC_GRAPH_BEGIN_DATE, 0, 0},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.what);
        TimeAndLocation settings = Year2024();
        const TimeAndLocation before = settings;
        GraphTimePage page = GraphTimePageFrom(settings);
        page.begin.timeSystem = kUniversalTime;
        page.byEnd = c.byEnd;
        page.end = c.end;
        page.stepCount = Text(c.step);
        page.stepUnit = c.unit;
        page.daylightSaving = true;
        GraphOptionsRefusal refusal;
        const bool passed = CheckGraphTimePage(page, settings, refusal);
        EXPECT_EQ(passed, c.message.empty());
        if (!passed) {
            EXPECT_EQ(Utf8(refusal.text), c.message);
            EXPECT_EQ(refusal.focusItem, c.focus);
            EXPECT_EQ(refusal.topic, MessageTopic::DifferentValue);
            EXPECT_TRUE(TimeAndLocationEquals(settings, before));
            continue;
        }
        EXPECT_EQ(settings.endFixed, c.byEnd);
        EXPECT_EQ(settings.stepUnit, c.rangeUnit);
        EXPECT_EQ(TimeAndLocationRangeUnits(settings), c.rangeUnits);
        EXPECT_EQ(settings.beginDate.timeSystem, kUniversalTime);
        EXPECT_TRUE(settings.daylightSaving);
        // What the page shows next time gives back the same step.
        const GraphTimePage again = GraphTimePageFrom(settings);
        if (!c.byEnd) {
            EXPECT_EQ(again.stepUnit, c.unit);
        }
    }
}

struct CountCase {
    const char* mark;
    const char* label;
    int focus;  // 0: passes
};

TEST(GraphOptionsFormTest, AxisAndGridCountsAreWholeNumbersInTheirRanges) {
    const CountCase axis[] = {
        {"1", "100", 0}, {" 7 ", "3", 0}, {"2x", "3", IDC_GRAPH_MARK_COUNT}, {"0", "3", IDC_GRAPH_MARK_COUNT},
        {"3", "101", IDC_GRAPH_LABEL_COUNT}, {"3", "", IDC_GRAPH_LABEL_COUNT}, {"99999999999", "1", IDC_GRAPH_MARK_COUNT},
    };
    for (const CountCase& c : axis) {
        SCOPED_TRACE(std::string(c.mark) + " / " + c.label);
        TimeAndLocation settings = Year2024();
        GraphXAxisPage page = GraphXAxisPageFrom(settings);
        page.markCount = Text(c.mark);
        page.labelCount = Text(c.label);
        page.horizontal = false;
        page.originFar = true;
        page.markUnit = kHoursUnit;
        page.timeSystem = kUniversalTime;
        GraphOptionsRefusal refusal;
        EXPECT_EQ(CheckGraphXAxisPage(page, settings, refusal), c.focus == 0);
        EXPECT_EQ(refusal.focusItem, c.focus);
        if (c.focus != 0) {
            EXPECT_EQ(Utf8(refusal.text), kDifferent + "You entered an invalid step value.");
            EXPECT_TRUE(settings.xAxisHorizontal);
            continue;
        }
        EXPECT_FALSE(settings.xAxisHorizontal);
        EXPECT_TRUE(settings.xAxisReversed);
        EXPECT_EQ(settings.xAxisMarkStep.unit, kHoursUnit);
        EXPECT_EQ(settings.xAxisTimeSystem, kUniversalTime);
    }

    const CountCase grids[] = {
        {"5 days", "10", 0}, {"0", "10", IDC_GRAPH_X_GRID_COUNT}, {"3", "-1", IDC_GRAPH_Y_GRID_COUNT},
        {"3", "units", IDC_GRAPH_Y_GRID_COUNT},
    };
    for (const CountCase& c : grids) {
        SCOPED_TRACE(std::string(c.mark) + " / " + c.label);
        TimeAndLocation settings = Year2024();
        GraphGuidesPage page = GraphGuidesPageFrom(settings, false);
        page.xCount = Text(c.mark);
        page.yCount = Text(c.label);
        page.xGrid = page.yGrid = page.guideLine = true;
        bool guide = false;
        GraphOptionsRefusal refusal;
        EXPECT_EQ(CheckGraphGuidesPage(page, settings, guide, refusal), c.focus == 0);
        EXPECT_EQ(refusal.focusItem, c.focus);
        EXPECT_EQ(guide, c.focus == 0);
        if (c.focus == IDC_GRAPH_X_GRID_COUNT) {
            EXPECT_EQ(Utf8(refusal.text), kDifferent + "You entered an invalid x step value.");
        }
        if (c.focus == IDC_GRAPH_Y_GRID_COUNT) {
            EXPECT_EQ(Utf8(refusal.text), kDifferent + "You entered an invalid y step value.");
        }
        if (c.focus == 0) {
            EXPECT_EQ(settings.xAxisGridStep.count, 5);
            EXPECT_EQ(settings.yAxisGridStep, 10);
        }
    }
}

struct RangeCase {
    std::int32_t kind;
    const char* from;
    const char* to;
    std::string message;
    int focus;
};

TEST(GraphOptionsFormTest, ValueRangeIsCheckedAgainstTheKindsLimits) {
    const RangeCase cases[] = {
        {kQuantityPhase, "10", "90.5", "", 0},
        {kQuantityPhase, "ten", "90", kDifferent + "The value you entered, ten, is not a valid number. Please try again.",
         IDC_GRAPH_FROM_NUMBER},
        {kQuantityPhase, "10", "90%", kDifferent + "The value you entered, 90%, is not a valid number. Please try again.",
         IDC_GRAPH_TO_NUMBER},
        {kQuantityPhase, "-0.5", "90",
         kDifferent + "The value you entered, -0.5, is too small. Please enter a value of 0 or greater.",
         IDC_GRAPH_FROM_NUMBER},
        {kQuantityPhase, "0", "100.25",
         kDifferent + "The value you entered, 100.25, is too large. Please enter a value of 100 or smaller.",
         IDC_GRAPH_TO_NUMBER},
        {kQuantityMagnitude, "-1e11", "5",
         kDifferent + "The value you entered, -100000000000, is too small. Please enter a value of -9999999999 or greater.",
         IDC_GRAPH_FROM_NUMBER},
        {kQuantityPhase, "50", "50",
         "The 'To' value must be larger than the 'From' value. Please enter a different value.", IDC_GRAPH_TO_NUMBER},
        {kValueKindUnknown, "junk", "junk", "", 0},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(std::string(c.from) + ".." + c.to);
        TimeAndLocation settings = Year2024();
        settings.yAxisMin = 1.0;
        settings.yAxisMax = 2.0;
        GraphYAxisPage page;
        page.kind = c.kind;
        page.horizontal = false;
        page.originFar = true;
        page.fromText = Text(c.from);
        page.toText = Text(c.to);
        page.fromItem = IDC_GRAPH_FROM_NUMBER;
        page.toItem = IDC_GRAPH_TO_NUMBER;
        GraphOptionsRefusal refusal;
        EXPECT_EQ(CheckGraphYAxisPage(page, settings, refusal), c.message.empty());
        EXPECT_EQ(Utf8(refusal.text), c.message);
        EXPECT_EQ(refusal.focusItem, c.focus);
        // The orientation and origin are stored whatever the range says.
        EXPECT_FALSE(settings.xAxisHorizontal);
        EXPECT_TRUE(settings.yAxisReversed);
        if (c.message.rfind("The 'To'", 0) == 0) {
            EXPECT_EQ(refusal.topic, MessageTopic::RangeReversed);
        }
        const bool stored = c.message.empty() && c.kind != kValueKindUnknown;
        EXPECT_EQ(settings.yAxisMin, stored ? 10.0 : 1.0);
        EXPECT_EQ(settings.yAxisMax, stored ? 90.5 : 2.0);
    }
}

// A bound left open shows as the graph draws it; read back as it was shown
// it stays open (the graph still follows its values), changed it is set.
TEST(GraphOptionsFormTest, AnOpenBoundReadBackAsShownStaysOpen) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *from, *to;
        double openFrom, openTo;
        double storedMin, storedMax;
    } cases[] = {
        {"0", "160000000", std::nan(""), 160e6, 0.0, inf},
        {"0", "155000000", std::nan(""), 160e6, 0.0, 155e6},
        {"-2.5", "6", -2.5, 6.0, -inf, inf},
        {"-2.5", "6.5", -2.5, 6.0, -inf, 6.5},
        {"0.3", "0.7", 0.30000000000000004, 0.7000000000000001, -inf, inf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + ".." + c.to);
        TimeAndLocation settings = Year2024();
        GraphYAxisPage page;
        page.kind = std::isnan(c.openFrom) ? kQuantityDistance : kQuantityScalar;
        page.fromText = Text(c.from);
        page.toText = Text(c.to);
        page.openFrom = c.openFrom;
        page.openTo = c.openTo;
        GraphOptionsRefusal refusal;
        ASSERT_TRUE(CheckGraphYAxisPage(page, settings, refusal)) << Utf8(refusal.text);
        EXPECT_EQ(settings.yAxisMin, c.storedMin);
        EXPECT_EQ(settings.yAxisMax, c.storedMax);
    }
}

TEST(GraphOptionsFormTest, RangeControlsLimitsAndDefaultsFollowTheKind) {
    struct Row {
        std::int32_t kind;
        GraphRangeControl control;
        const char* minText;
        const char* maxText;
        double from;
        double to;
    };
    const Row rows[] = {
        {kQuantityTimeOfDay, GraphRangeControl::Time, "min. 0", "max. 24", 0.0, 24.0},
        {kQuantityLatitude, GraphRangeControl::Angle, "min. -90", "max. 90", -90.0, 90.0},
        {kQuantityAngle180, GraphRangeControl::Angle, "min. -180", "max. 180", -180.0, 180.0},
        {kQuantityDistance, GraphRangeControl::Number, "min. 0", "max. 9999999999", 0.0, 160e6},
        {kQuantityScalar, GraphRangeControl::Number, "min. -9999999999", "max. 9999999999", -3.0, 160e6},
        {kValueKindUnknown, GraphRangeControl::Number, "min. -9999999999", "max. 9999999999", -3.0, 160e6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        EXPECT_EQ(GraphRangeControlOf(row.kind), row.control);
        double lowest = 0.0;
        double highest = 0.0;
        GraphRangeLimits(row.kind, lowest, highest);
        EXPECT_EQ(Utf8(GraphRangeLimitText(lowest, false)), row.minText);
        EXPECT_EQ(Utf8(GraphRangeLimitText(highest, true)), row.maxText);
        double from = 0.0;
        double to = 0.0;
        // The open ends of the kinds without a bound are as the graph draws them.
        GraphRangeDefaults(row.kind, -3.0, 160e6, from, to);
        EXPECT_EQ(from, row.from);
        EXPECT_EQ(to, row.to);
    }
    // Without values to draw from, -100 and 100.
    double from = 0.0;
    double to = 0.0;
    GraphRangeDefaults(kQuantityScalar, std::nan(""), std::nan(""), from, to);
    EXPECT_EQ(std::make_pair(from, to), std::make_pair(-100.0, 100.0));
}

TEST(GraphOptionsFormTest, LocationPageReversesTheLongitudeAndRoundsTheElevation) {
    TimeAndLocation settings = Year2024();
    GeoCoordinates& place = settings.location.coordinates;
    place.longitude.degrees = 71.123456789;  // west positive
    place.latitude.degrees = 42.5;
    place.timeZone.hours = -5.0;
    GraphLocationPage page = GraphLocationPageFrom(settings);
    EXPECT_EQ(page.eastLongitude, -71.123456789);

    // Unchanged fields keep their exact values.
    page.elevation = 2.5;
    StoreGraphLocationPage(page, settings);
    EXPECT_EQ(place.longitude.degrees, 71.123456789);
    EXPECT_EQ(place.elevation, 3);
    page.elevation = -2.5;
    page.eastLongitude = 10.0;
    page.latitude = -33.0;
    page.timeZone = 9.5;
    StoreGraphLocationPage(page, settings);
    EXPECT_EQ(place.elevation, -3);
    EXPECT_EQ(place.longitude.degrees, -10.0);
    EXPECT_EQ(place.latitude.degrees, -33.0);
    EXPECT_EQ(place.timeZone.hours, 9.5);
}

// The x-axis steps the program chose follow a new range; those the user
// set stay. A one-year graph labels months; a week then labels days.
TEST(GraphOptionsFormTest, TimeAxisStepsTheUserDidNotSetFollowTheRange) {
    const DateTime begin = MakeDateTime(2024, 1, 1, 0.0, kLocalCivilTime);
    const TimeStep month{kMonthsUnit, 1}, day{kDaysUnit, 1}, week{kDaysUnit, 7}, hours{kHoursUnit, 6};
    const struct Case {
        const char* what;
        DateTime end;
        TimeStep mark, label;            // before
        TimeStep markAfter, labelAfter;  // after the Time page
    } cases[] = {
        {"a week, both chosen", MakeDateTime(2024, 1, 8, 0.0, kLocalCivilTime), month, month, day, day},
        {"a week, the mark set", MakeDateTime(2024, 1, 8, 0.0, kLocalCivilTime), hours, month, hours, day},
        {"a week, the label set", MakeDateTime(2024, 1, 8, 0.0, kLocalCivilTime), month, week, day, week},
        {"a day", MakeDateTime(2024, 1, 2, 0.0, kLocalCivilTime), month, month, {kHoursUnit, 2}, {kHoursUnit, 2}},
        {"ten years", MakeDateTime(2034, 1, 1, 0.0, kLocalCivilTime), month, month, {kYearsUnit, 1}, {kYearsUnit, 1}},
        {"the same range", MakeDateTime(2024, 12, 31, 0.0, kLocalCivilTime), month, month, month, month},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TimeAndLocation settings = Year2024();
        settings.endDate = MakeDateTime(2024, 12, 31, 0.0, kLocalCivilTime);
        ASSERT_TRUE(TimeStepEqual(AutomaticXAxisStep(settings.beginDate, settings.endDate), month));
        settings.xAxisMarkStep = c.mark;
        settings.xAxisLabelStep = c.label;
        GraphTimePage page = GraphTimePageFrom(settings);
        page.begin = begin;
        page.byEnd = true;
        page.end = c.end;
        GraphOptionsRefusal refusal;
        ASSERT_TRUE(CheckGraphTimePage(page, settings, refusal));
        EXPECT_TRUE(TimeStepEqual(settings.xAxisMarkStep, c.markAfter));
        EXPECT_TRUE(TimeStepEqual(settings.xAxisLabelStep, c.labelAfter));
    }
}

// A step count with decimals (from a file or a program) that the page shows
// unchanged is kept; a count the user types is the whole number.
TEST(GraphOptionsFormTest, AnUnchangedStepCountKeepsItsDecimals) {
    TimeAndLocation settings = Year2024();
    ASSERT_TRUE(TimeAndLocationSetStep(settings, kHoursUnit, 2.9));
    const struct Case {
        const char* typed;  // none: as shown
        std::int32_t unit;
        double count;
    } cases[] = {{nullptr, kHoursUnit, 2.9}, {"3", kHoursUnit, 3.0}, {"2.9", kHoursUnit, 2.9}, {nullptr, kDaysUnit, 2.0}};
    for (const Case& c : cases) {
        TimeAndLocation edited = settings;
        GraphTimePage page = GraphTimePageFrom(edited);
        EXPECT_EQ(Utf8(page.stepCount), "2.9");
        if (c.typed) page.stepCount = Text(c.typed);
        page.stepUnit = c.unit;
        GraphOptionsRefusal refusal;
        ASSERT_TRUE(CheckGraphTimePage(page, edited, refusal)) << Utf8(refusal.text);
        EXPECT_EQ(edited.stepCount, c.count) << (c.typed ? c.typed : "shown");
        EXPECT_EQ(edited.stepUnit, c.unit);
    }
}

}  // namespace
}  // namespace corvinata::test
