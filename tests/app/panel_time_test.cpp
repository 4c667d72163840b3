#include "app/panel_time.h"

#include <gtest/gtest.h>

#include "support/date_records.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

class FakeTarget final : public PanelTimeTarget {
public:
    DateTime GetPanelTime() const override { return moment; }
    void SetPanelTime(const DateTime& m) override {
        moment = m;
        ++sets;
    }
    DateTime GetResetTime() const override { return reset; }
    DateTime moment = MakeDateTime(2000, 1, 31, 12.0, kLocalCivilTime);
    DateTime reset;
    int sets = 0;
};

TEST(StepCountTest, TypedAndSavedCounts) {
    const struct Case {
        const Char* text;
        bool valid;
        std::int32_t count;  // when valid
        std::int32_t saved;
    } cases[] = {
        {TXT("1"), true, 1, 1},
        {TXT("  12"), true, 12, 12},
        {TXT("-2"), true, -2, 1},
        {TXT("+3"), true, 3, 1},
        {TXT("5x"), false, 0, 1},
        {TXT("5 "), false, 0, 1},
        {TXT("abc"), false, 0, 1},
        {TXT(""), false, 0, 1},
        {TXT("0"), true, 0, 0},
        {TXT("2147483647"), true, 2147483647, 2147483647},
        {TXT("-2147483647"), true, -2147483647, 1},
        // Its negation would overflow: refused, as is anything larger.
        {TXT("-2147483648"), false, 0, 1},
        {TXT("2147483648"), false, 0, 1},
        {TXT("4294967297"), false, 0, 1},
    };
    for (const Case& c : cases) {
        std::int32_t count = -99;
        EXPECT_EQ(ParseStepCount(c.text, count), c.valid);
        if (c.valid) {
            EXPECT_EQ(count, c.count);
        }
        EXPECT_EQ(ReadStepCountForSaving(c.text), c.saved);
    }
}

TEST(StepPanelTimeTest, StepsByTheChosenStepOrChangesNothing) {
    const struct Case {
        const Char* count;
        std::int32_t unit;
        bool forward;
        PanelStepResult result;
        DateTime expected;
    } cases[] = {
        {TXT("1"), kMonthsUnit, true, PanelStepResult::kStepped,
         MakeDateTime(2000, 2, 29, 12.0, kLocalCivilTime)},
        {TXT("90"), kMinutesUnit, false, PanelStepResult::kStepped,
         MakeDateTime(2000, 1, 31, 10.5, kLocalCivilTime)},
        {TXT("-2"), kDaysUnit, true, PanelStepResult::kStepped,
         MakeDateTime(2000, 1, 29, 12.0, kLocalCivilTime)},
        {TXT("5x"), kDaysUnit, true, PanelStepResult::kBadCount,
         MakeDateTime(2000, 1, 31, 12.0, kLocalCivilTime)},
        {TXT("1"), kTimeUnitCount, true, PanelStepResult::kOutOfRange,
         MakeDateTime(2000, 1, 31, 12.0, kLocalCivilTime)},
        {TXT("1001"), kYearsUnit, true, PanelStepResult::kOutOfRange,
         MakeDateTime(2000, 1, 31, 12.0, kLocalCivilTime)},
        {TXT("2147483647"), kMinutesUnit, false, PanelStepResult::kOutOfRange,
         MakeDateTime(2000, 1, 31, 12.0, kLocalCivilTime)},
    };
    for (const Case& c : cases) {
        FakeTarget target;
        EXPECT_EQ(StepPanelTime(target, c.count, c.unit, c.forward), c.result);
        EXPECT_TRUE(DateTimeEqual(target.moment, c.expected));
        EXPECT_EQ(target.sets, c.result == PanelStepResult::kStepped ? 1 : 0);
    }
}

// The animation belonged to no window: at the end of the valid dates it kept
// its timer, and it went on driving whatever window came next.
TEST(PanelAnimationTest, StopsAtTheRangeEndAndWithItsWindow) {
    FakeTarget target;
    target.moment = MakeDateTime(3000, 12, 31, 22.0, kLocalCivilTime);
    const int first = 0;
    const int second = 0;
    PanelAnimation animation;
    animation.Start(&first);
    EXPECT_TRUE(animation.Tick(target, TXT("1"), kHoursUnit));
    EXPECT_TRUE(animation.Tick(target, TXT("bad"), kHoursUnit));    // a bad count waits
    EXPECT_TRUE(animation.Tick(target, TXT("1"), kTimeUnitCount));  // so does a missing unit
    EXPECT_FALSE(animation.Tick(target, TXT("1"), kHoursUnit));     // 24 h is beyond the year 3000
    EXPECT_FALSE(animation.IsRunning());
    EXPECT_EQ(target.moment.hours, 23.0);

    animation.Start(&first);
    animation.Attached(nullptr);  // deactivated: goes on
    animation.Attached(&first);
    EXPECT_TRUE(animation.WindowClosing(&second));
    EXPECT_FALSE(animation.WindowClosing(&first));
    EXPECT_FALSE(animation.Tick(target, TXT("1"), kMinutesUnit));
}

// Attaching another window of the kind stopped the animation. It goes on
// there instead and is that window's from then on: the first window's
// closing leaves it running, the second's ends it.
TEST(PanelAnimationTest, GoesOnInTheWindowAttachedNext) {
    FakeTarget target;
    const int first = 0;
    const int second = 0;
    PanelAnimation animation;
    animation.Start(&first);
    animation.Attached(nullptr);
    animation.Attached(&second);
    EXPECT_TRUE(animation.IsRunning());
    EXPECT_TRUE(animation.Tick(target, TXT("1"), kMinutesUnit));
    EXPECT_TRUE(animation.WindowClosing(&first));
    EXPECT_FALSE(animation.WindowClosing(&second));
}

}  // namespace
}  // namespace corvinata
