#include "base/small_math.h"

#include <gtest/gtest.h>

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
        {"Linear", kNoPeriod, 1, 2, 3, 0.5, 2.5},
        // A parabola is reproduced exactly: x^2 at -1, 0, 1.
        {"Parabola", kNoPeriod, 1, 0, 1, 0.5, 0.25},
        // Meeus, Astronomical Algorithms, example 3.a (Moon's distance, AU).
        {"MeeusExample3a", kNoPeriod, 0.884226, 0.877366, 0.870531, 0.18125, 0.8761253013},
        {"DegreesAcrossZero", 360, 358, 359, 1, 1, 1},
        {"HoursReachingMidnight", 24, 23.0, 23.5, 0.0, 1.0, 0.0},
        {"HoursBeforeMidnight", 24, 23.0, 23.5, 0.0, 0.5, 23.75},
        {"NoWrapWhenOnlySmallValues", 360, 10, 20, 30, -1, 10},
        {"NoWrapInTheMiddle", 360, 100, 110, 120, 0.5, 115},
        // The thresholds are strict: 36 is not below a tenth of 360.
        {"ThresholdIsStrict", 360, 36, 200, 324, 0, 200},
        // A negative result of a wrapping quantity is left as it is.
        {"NegativeResultKept", 360, 10, 5, 0, 2, -5},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(InterpolateThreeValues(c.period, c.y1, c.y2, c.y3, c.n), c.expected, 1e-9)
            << c.label;
    }
}

TEST(InterpolationRegression, DayLengthPeriodWrapsLikeDegrees) {
    // Whole-number thresholds (24 / 100 x 10 = 0) never detected a wrap for
    // a period below 100, so a rising time near midnight came out near 12 h.
    EXPECT_DOUBLE_EQ(InterpolateThreeValues(24, 23.5, 0.5, 1.5, 0), 0.5);
    EXPECT_NEAR(InterpolateThreeValues(24, 23.8, 23.9, 0.0, 0.5), 23.95, 1e-12);
}

// ---- rounding ---------------------------------------------------------------

TEST(RoundToInt, RoundsHalfAwayFromZeroAndSaturates) {
    const struct {
        double x;
        std::int32_t expected;
    } cases[] = {{2.5, 3},         {-2.5, -3},        {-0.4, 0},
                 {2.4999, 2},      {-2.5001, -3},     {1e10, kIntMax},
                 {-1e10, kIntMin}, {2147483647.0, kIntMax}, {-2147483648.0, kIntMin}};
    for (const auto& c : cases) EXPECT_EQ(RoundToInt(c.x), c.expected) << c.x;
}

TEST(RoundToIntRegression, JustBelowOneHalfRoundsDown) {
    // 0.49999999999999994 + 0.5 rounds to 1.0 in double arithmetic.
    EXPECT_EQ(RoundToInt(0.49999999999999994), 0);
    EXPECT_EQ(RoundToInt(-0.49999999999999994), 0);
}

TEST(RoundToIntRegression, NotANumberGivesZeroInsteadOfUndefinedConversion) {
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::infinity()), kIntMax);
}

TEST(RoundToNearestStep, TakesNearestMultipleHalfwayUp) {
    const struct {
        double value, step, expected;
    } cases[] = {{12, 5, 10},     {12.5, 5, 15},       {-12.5, 5, -10},    {15, 5, 15},
                 {-13, 5, -15},   {1.1, 0.25, 1.0},    {0.375, 0.25, 0.5}, {-7.5, 15, 0},
                 // Steps that cannot be rounded to leave the value alone.
                 {12, 0, 12},     {12, -5, 12}};
    for (const auto& c : cases) {
        double value = c.value;
        RoundToNearestStep(value, c.step);
        EXPECT_DOUBLE_EQ(value, c.expected) << c.value << " step " << c.step;
    }
}

TEST(RoundToNearestStepRegression, SmallNegativeValueRoundsToPositiveZero) {
    // A negative zero would be written "-0" by the number formatter.
    double value = -2.0;
    RoundToNearestStep(value, 5.0);
    EXPECT_EQ(value, 0.0);
    EXPECT_FALSE(std::signbit(value));
}

TEST(ScaleStep, ScalesAndRoundsHalfAwayFromZero) {
    const struct {
        std::int32_t count, exponent, expected;
    } cases[] = {{25, -1, 3},   {-25, -1, -3},       {25, 2, 2500},   {24, -1, 2},
                 {150, -2, 2},  {-149, -2, -1},      {7, 0, 7},       {0, 30, 0},
                 {1, 9, 1000000000}, {2147483647, -9, 2}, {kIntMin, -10, 0},
                 {1, -20, 0},   {5, kIntMin, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleStepByPowerOfTen(c.count, c.exponent), c.expected)
            << c.count << "e" << c.exponent;
    }
}

TEST(ScaleStepRegression, OverflowSaturatesInsteadOfWrapping) {
    EXPECT_EQ(ScaleStepByPowerOfTen(3, 9), kIntMax);
    EXPECT_EQ(ScaleStepByPowerOfTen(-3, 9), kIntMin);
    EXPECT_EQ(ScaleStepByPowerOfTen(1, kIntMax), kIntMax);
}

// ---- records ----------------------------------------------------------------

TEST(DateTimeRangeRecord, InitPutsBothEndsAtFirstValidDay) {
    DateTimeRange range;
    DateTimeRangeSet(range, MakeDateTime(2000, 5, 6, 7.5, kUniversalTime),
                     MakeDateTime(2000, 5, 6, 7.5, kUniversalTime));
    DateTimeRangeInit(range, kLocalCivilTime);
    const DateTime expected = MakeDateTime(1583, 1, 1, 0.0, kLocalCivilTime);
    EXPECT_TRUE(DateTimeEqual(range.begin, expected));
    EXPECT_TRUE(DateTimeEqual(range.end, expected));
}

TEST(DateTimeRangeRecord, SetBeginFromRangeTakesItsBeginAndTheGivenEnd) {
    DateTimeRange range, other;
    DateTimeRangeSet(range, MakeDateTime(2001, 1, 1, 0, 0), MakeDateTime(2002, 1, 1, 0, 0));
    DateTimeRangeSet(other, MakeDateTime(1999, 9, 9, 9, 2), MakeDateTime(2050, 1, 1, 0, 2));
    const DateTime end = MakeDateTime(2020, 2, 29, 12, 2);
    EXPECT_EQ(&DateTimeRangeSetBeginFromRange(range, other, end), &range.end);
    EXPECT_TRUE(DateTimeEqual(range.begin, other.begin));
    EXPECT_TRUE(DateTimeEqual(range.end, end));
    // From itself nothing changes.
    other = range;
    DateTimeRangeSetBeginFromRange(range, range, range.end);
    EXPECT_TRUE(DateTimeEqual(range.begin, other.begin));
    EXPECT_TRUE(DateTimeEqual(range.end, other.end));
}

// ---- daylight saving ---------------------------------------------------------

class DaylightSavingQuery : public storage_test::MemoryServicesTest {};

TEST_F(DaylightSavingQuery, StoresThePlatformAnswerInTheOption) {
    DaylightSavingOption option;
    Storage().SetDaylightSavingTime(true);
    EXPECT_TRUE(QueryDaylightSavingActive(option));
    EXPECT_TRUE(IsDaylightSavingActive(option));

    Storage().SetDaylightSavingTime(false);
    EXPECT_FALSE(QueryDaylightSavingActive(option));
    EXPECT_FALSE(IsDaylightSavingActive(option));
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

// What FormatQuantity asked of the catalogue services and of the quantity.
struct QuantityCall {
    int kind = -1, extra = -1, second = -1;
    double value = 0;
    QuantityFormatRequest request;
    int formatCalls = 0;
};

class RecordingQuantity : public QuantityValue {
public:
    explicit RecordingQuantity(QuantityCall& call) : call_(call) {}
    void Format(String& out, const QuantityFormatRequest& request) const override {
        call_.request = request;
        ++call_.formatCalls;
        StringAssign(out, TXT("formatted"));
    }

private:
    QuantityCall& call_;
};

class RecordingCatalogues : public CatalogueServices {
public:
    const BodyType* GetBodyType(int) const override { return nullptr; }
    Catalogue* CatalogueByType(int) const override { return nullptr; }
    std::unique_ptr<QuantityValue> CreateQuantityValue(int kind, int extra, int second,
                                                       double value) const override {
        call.kind = kind;
        call.extra = extra;
        call.second = second;
        call.value = value;
        return std::make_unique<RecordingQuantity>(call);
    }
    mutable QuantityCall call;
};

class FixedDisplayFormat : public DisplayFormatInterface {
public:
    int GetAngleDegreeBase() const override { return 0; }
    int GetRaDisplayUnit() const override { return 0; }
};

class FormatQuantityTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = GetCatalogueServices();
        SetCatalogueServices(&catalogues_);
    }
    void TearDown() override { SetCatalogueServices(previous_); }

    RecordingCatalogues catalogues_;
    FixedDisplayFormat display_;
    ScopedApplicationServices services_{nullptr, &display_};
    CatalogueServices* previous_ = nullptr;
};

TEST_F(FormatQuantityTest, PassesKindValueAndDisplayOptionsToTheQuantity) {
    String out;
    ASSERT_TRUE(FormatQuantity(4, 9, out, 12.75));
    EXPECT_TRUE(StringEquals(out, TXT("formatted")));
    const QuantityCall& call = catalogues_.call;
    EXPECT_EQ(call.kind, 4);
    EXPECT_EQ(call.extra, 9);
    EXPECT_EQ(call.second, 2);
    EXPECT_EQ(call.value, 12.75);
    EXPECT_EQ(call.formatCalls, 1);
    EXPECT_FALSE(call.request.flag);
    EXPECT_EQ(call.request.first, 0);
    EXPECT_EQ(call.request.second, 0);
    EXPECT_EQ(call.request.third, 2);
    EXPECT_EQ(call.request.angleDegreeBase, 0);
    EXPECT_EQ(call.request.raDisplayUnit, 0);
}

TEST_F(FormatQuantityTest, UnknownKindLeavesTextAndAnswersFalse) {
    String out(TXT("kept"));
    EXPECT_FALSE(FormatQuantity(13, 0, out, 1.0));
    EXPECT_FALSE(FormatQuantity(-1, 0, out, 1.0));
    EXPECT_TRUE(StringEquals(out, TXT("kept")));
    EXPECT_EQ(catalogues_.call.formatCalls, 0);
}

}  // namespace
}  // namespace corvinata
