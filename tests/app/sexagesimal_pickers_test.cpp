#include <gtest/gtest.h>

#include <limits>

#include "app/angle_picker.h"
#include "app/time_picker.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

AnglePicker Angle(int kind, int layout, bool exclusive, double degrees) {
    AnglePicker picker;
    picker.SetFormat(kind, layout, exclusive);
    EXPECT_TRUE(picker.SetValue(degrees)) << degrees;
    return picker;
}

TEST(AnglePickerSetValue, ShowsTheKindsAndLayouts) {
    const struct { int kind, layout; bool exclusive; double degrees; const char* text; double back; } cases[] = {
        {kRightAscension, 0, true, 360.0, "23h59m59s", 359.99583333},
        {kNorthSouthUpTo90, 0, false, -12.5, "12\u00B030'00\" S", -12.5},
        {kEastWestUpTo180, 1, false, 100.25, "100.250000\u00B0 E", 100.25},
        {kSignedUpTo90, 0, false, -0.5, "-00\u00B030'00\"", -0.5},
        {kSignedUpTo180, 1, false, 179.9999999, "+180.000000\u00B0", 180.0},
        {kRightAscension, 1, true, 90.0, "06.000000h", 90.0},
        // Rounding up to the full circle holds just below it.
        {kFullCircle, 0, true, 359.9999, "359\u00B059'59\" ", 359.99972222},
        {kFullCircle, 1, true, 359.99999999, "359.999999\u00B0", 359.999999},
        {kFullCircle, 0, false, 359.9999, "360\u00B000'00\" ", 360.0},
    };
    for (const auto& c : cases) {
        const AnglePicker picker = Angle(c.kind, c.layout, c.exclusive, c.degrees);
        EXPECT_EQ(Utf8(picker.BuildText()), c.text) << c.degrees;
        EXPECT_NEAR(picker.GetValue(), c.back, 1e-7) << c.degrees;
    }
}

TEST(AnglePickerSetValue, RefusesWhatTheFieldsCannotHold) {
    const struct { int kind; bool exclusive; double degrees; } cases[] = {
        {kFullCircle, true, 360.5}, {kFullCircle, false, 360.01}, {kNorthSouthUpTo90, false, 90.5},
        {kRightAscension, true, -400.0}, {kSignedUpTo180, false, std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases) {
        AnglePicker picker = Angle(c.kind, 0, c.exclusive, 12.25);
        EXPECT_FALSE(picker.SetValue(c.degrees)) << c.degrees;
        EXPECT_DOUBLE_EQ(picker.GetValue(), 12.25) << c.degrees;
    }
}

TEST(AnglePickerCarry, AtTheTopTheSmallerFieldsStayZero) {
    const struct { double degrees; int field; SpinKey key; double expected; } cases[] = {
        {90.0, 1, SpinKey::Up, 89.0 + 1.0 / 60},       // minutes up at 90 degrees
        {90.0, 2, SpinKey::Down, 89.0 + 59.0 / 3600},  // seconds wrap down to 59
        {89.5, 0, SpinKey::Up, 90.0},                   // degrees reach the top: minutes cleared
        {10.5, 0, SpinKey::End, 90.0},
        {90.0, 1, SpinKey::End, 89.0 + 59.0 / 60},
        {45.0, 3, SpinKey::Down, -45.0},                // hemisphere
    };
    for (const auto& c : cases) {
        AnglePicker picker = Angle(kNorthSouthUpTo90, 0, false, c.degrees);
        for (int i = 0; i < c.field; ++i) picker.NextField();
        bool handled = false;
        picker.OnKeyUp(c.key, handled);
        EXPECT_NEAR(picker.GetValue(), c.expected, 1e-9) << c.degrees << " field " << c.field;
    }
}

TEST(AnglePickerCharacters, SignsHemispheresAndTheLayoutSwitch) {
    AnglePicker latitude = Angle(kNorthSouthUpTo90, 0, false, -12.5);
    EXPECT_EQ(latitude.OnChar('n'), CharResult::HandledPassOn);
    EXPECT_DOUBLE_EQ(latitude.GetValue(), 12.5);
    AnglePicker declination = Angle(kSignedUpTo90, 0, false, 20.0);
    EXPECT_EQ(declination.CurrentIndex(), 0);
    declination.OnChar('-');
    EXPECT_DOUBLE_EQ(declination.GetValue(), -20.0);
    EXPECT_EQ(declination.CurrentIndex(), 1);  // moved on from the sign
    bool handled = true;
    EXPECT_TRUE(declination.OnKeyUp(SpinKey::SwitchLayout, handled));
    EXPECT_EQ(Utf8(declination.BuildText()), "-20.000000\u00B0");
    EXPECT_EQ(declination.OnChar('x'), CharResult::NotHandled);
}

TEST(TimePickerSetValue, RoundsToTheSecondWithinTheDay) {
    const struct { int layout; bool exclusive; double hours; const char* text; } cases[] = {
        {0, true, 12.5, "12:30:00"},
        {0, true, 23.0 + 59.0 / 60 + 59.6 / 3600, "23:59:59"},  // DayLostWhenRoundingToMidnight
        {0, false, 23.0 + 59.0 / 60 + 59.6 / 3600, "24:00:00"},
        {0, true, 24.0, "23:59:59"},
        {1, true, 23.99999999, "23.999999h"},
        {1, true, 6.25, "06.250000h"},
    };
    for (const auto& c : cases) {
        TimePicker picker;
        picker.SetFormat(c.layout, c.exclusive);
        EXPECT_TRUE(picker.SetValue(c.hours)) << c.hours;
        EXPECT_EQ(Utf8(picker.BuildText()), c.text) << c.hours;
    }
    TimePicker picker;
    picker.SetValue(8.0);
    EXPECT_FALSE(picker.SetValue(24.01));
    EXPECT_FALSE(picker.SetValue(-0.01));
    EXPECT_DOUBLE_EQ(picker.GetValue(), 8.0);
}

TEST(TimePickerStep, FieldsStepAloneUnlessTheTopCanBeEntered) {
    const struct { bool exclusive; double hours; int field; SpinKey key; const char* text; } cases[] = {
        {true, 23.0 + 59.0 / 60, 1, SpinKey::Up, "23:00:00"},
        {true, 23.0, 0, SpinKey::Up, "00:00:00"},
        {false, 24.0, 1, SpinKey::Up, "23:01:00"},
        {false, 23.5, 0, SpinKey::Up, "24:00:00"},
    };
    for (const auto& c : cases) {
        TimePicker picker;
        picker.SetFormat(0, c.exclusive);
        picker.SetValue(c.hours);
        for (int i = 0; i < c.field; ++i) picker.NextField();
        bool handled = false;
        picker.OnKeyUp(c.key, handled);
        EXPECT_EQ(Utf8(picker.BuildText()), c.text) << c.hours;
    }
}

}  // namespace
}  // namespace corvinata
