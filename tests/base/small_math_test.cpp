#include "base/small_math.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "base/memory_storage.h"
#include "base/services.h"
#include "base/storage_test_support.h"
#include "base/wide_string.h"
#include "catalog/catalog_services.h"
#include "support/date_records.h"
#include "support/fake_product.h"
#include "support/null_storage.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

// ---- interpolation ----------------------------------------------------------

TEST(Interpolation, MatchesThreePointFormula) {
    const struct {
        const char* label;
        std::int32_t period;
        double y1, y2, y3, n, expected;
    } cases[] = {
        // A parabola is reproduced exactly: x^2 at -1, 0, 1.
        {"Parabola", kNoPeriod, 1, 0, 1, 0.5, 0.25},
        // Meeus, Astronomical Algorithms, example 3.a (Moon's distance, AU).
        {"MeeusExample3a", kNoPeriod, 0.884226, 0.877366, 0.870531, 0.18125, 0.8761253013},
        {"DegreesAcrossZero", 360, 358, 359, 1, 1, 1},
        {"HoursReachingMidnight", 24, 23.0, 23.5, 0.0, 1.0, 0.0},
        {"NoWrapWhenOnlySmallValues", 360, 10, 20, 30, -1, 10},
        // The thresholds are strict: 36 is not below a tenth of 360.
        {"ThresholdIsStrict", 360, 36, 200, 324, 0, 200},
        // A negative result of a wrapping quantity is left as it is.
        {"NegativeResultKept", 360, 10, 5, 0, 2, -5},
        // Regression: whole-number thresholds (24 / 100 x 10 = 0) never found
        // a wrap for a period below 100, so a rising time near midnight came
        // out near 12 h.
        {"DayLengthWrapsLikeDegrees", 24, 23.5, 0.5, 1.5, 0, 0.5},
        {"DayLengthWrapsBeforeMidnight", 24, 23.8, 23.9, 0.0, 0.5, 23.95},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(InterpolateThreeValues(c.period, c.y1, c.y2, c.y3, c.n), c.expected, 1e-9)
            << c.label;
    }
}

// ---- rounding ---------------------------------------------------------------

TEST(RoundToInt, RoundsHalfAwayFromZeroAndSaturates) {
    const struct { double x; std::int32_t expected; } cases[] = {
        {2.5, 3}, {-2.5, -3}, {1e10, kIntMax}, {-1e10, kIntMin},
        {2147483647.0, kIntMax}, {-2147483648.0, kIntMin},
        // Regressions: 0.49999999999999994 + 0.5 rounds to 1.0 in double
        // arithmetic; a value that is no number was an undefined conversion.
        {0.49999999999999994, 0}, {-0.49999999999999994, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), kIntMax}};
    for (const auto& c : cases) EXPECT_EQ(RoundToInt(c.x), c.expected) << c.x;
}

TEST(RoundToNearestStep, TakesNearestMultipleHalfwayUp) {
    const struct { double value, step, expected; } cases[] = {
        {12, 5, 10}, {12.5, 5, 15}, {-12.5, 5, -10}, {-13, 5, -15}, {1.1, 0.25, 1.0},
        // Steps that cannot be rounded to leave the value alone.
        {12, 0, 12}, {12, -5, 12},
        // Regression: a negative zero would be written "-0" by the formatter.
        {-2, 5, 0}};
    for (const auto& c : cases) {
        double value = c.value;
        RoundToNearestStep(value, c.step);
        EXPECT_DOUBLE_EQ(value, c.expected) << c.value << " step " << c.step;
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.value << " step " << c.step;
    }
}

TEST(ScaleStep, ScalesAndRoundsHalfAwayFromZero) {
    const struct { std::int32_t count, exponent, expected; } cases[] = {
        {25, -1, 3}, {-25, -1, -3}, {24, -1, 2}, {25, 2, 2500}, {-149, -2, -1},
        {1, 9, 1000000000}, {2147483647, -9, 2}, {kIntMin, -10, 0}, {5, kIntMin, 0},
        // Regression: an overflow saturates instead of wrapping.
        {3, 9, kIntMax}, {-3, 9, kIntMin}, {1, kIntMax, kIntMax}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleStepByPowerOfTen(c.count, c.exponent), c.expected)
            << c.count << "e" << c.exponent;
    }
}

// ---- records ----------------------------------------------------------------

TEST(DateTimeRangeRecord, SetBeginFromRangeTakesItsBeginAndTheGivenEnd) {
    DateTimeRange range, other;
    DateTimeRangeSet(range, MakeDateTime(2001, 1, 1, 0, 0), MakeDateTime(2002, 1, 1, 0, 0));
    DateTimeRangeSet(other, MakeDateTime(1999, 9, 9, 9, 2), MakeDateTime(2050, 1, 1, 0, 2));
    const DateTime end = MakeDateTime(2020, 2, 29, 12, 2);
    EXPECT_EQ(&DateTimeRangeSetBeginFromRange(range, other, end), &range.end);
    EXPECT_TRUE(DateTimeEqual(range.begin, other.begin) && DateTimeEqual(range.end, end));
    // From itself nothing changes.
    other = range;
    DateTimeRangeSetBeginFromRange(range, range, range.end);
    EXPECT_TRUE(DateTimeEqual(range.begin, other.begin) && DateTimeEqual(range.end, other.end));
}

// ---- daylight saving ---------------------------------------------------------

class DaylightSavingQuery : public storage_test::MemoryServicesTest {};

TEST_F(DaylightSavingQuery, StoresThePlatformAnswerInTheOption) {
    DaylightSavingOption option;
    for (bool active : {true, false}) {
        Storage().SetDaylightSavingTime(active);
        EXPECT_EQ(QueryDaylightSavingActive(option), active);
        EXPECT_EQ(IsDaylightSavingActive(option), active);
    }
}

TEST(DaylightSavingQueryRegression, MissingSystemInfoAnswersStandardTime) {
    test::NullStorageService storage;
    test::FakeProductInfo product(storage);
    ScopedApplicationServices services(&product, nullptr);
    DaylightSavingOption option;
    SetDaylightSavingActive(option, true);
    EXPECT_FALSE(QueryDaylightSavingActive(option));
    EXPECT_FALSE(IsDaylightSavingActive(option));
}

// ---- typed quantities -------------------------------------------------------

// Answers sexagesimal angles and right ascensions in degrees.
class DegreesDisplay : public DisplayFormatInterface {
public:
    int GetAngleDegreeBase() const override { return 0; }
    int GetRaDisplayUnit() const override { return 0; }
};

TEST(FormatQuantity, WritesTheValueWithTwoDecimalsOrRefusesAnUnknownKind) {
    DegreesDisplay display;
    ScopedApplicationServices services(nullptr, &display);
    String out;
    EXPECT_TRUE(FormatQuantity(7, 0, out, 1.5));
    EXPECT_TRUE(StringEquals(out, TXT("+1.50m")));

    StringAssign(out, TXT("kept"));
    EXPECT_FALSE(FormatQuantity(13, 0, out, 1.0));
    EXPECT_FALSE(FormatQuantity(-1, 0, out, 1.0));
    EXPECT_TRUE(StringEquals(out, TXT("kept")));
}

}  // namespace
}  // namespace corvinata
