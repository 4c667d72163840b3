#include <gtest/gtest.h>

#include "app/number_picker.h"
#include "app/time_zone_picker.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

NumberPicker Number(double minimum, double maximum, int decimals, double value) {
    NumberPicker picker;
    EXPECT_TRUE(picker.SetFormat(minimum, maximum, decimals));
    EXPECT_TRUE(picker.SetValue(value)) << value;
    return picker;
}

TEST(NumberPickerSetValue, ShowsWithinTheLimits) {
    const struct { double minimum, maximum; int decimals; double value; const char* text; } cases[] = {
        {0.5, 10.0, 1, 2.96, "03.0"},      // the rounded fraction carries into the integer
        {-5.0, 10.0, 2, -2.5, "-02.50"},
        {-10.0, -3.0, 0, -7.0, "-07"},
        {0.0, 9.99, 2, 9.99, "9.99"},
        {0.0, 0.5, 1, 0.5, "0.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8(Number(c.minimum, c.maximum, c.decimals, c.value).BuildText()), c.text)
            << c.value;
    NumberPicker picker = Number(0.5, 10.0, 1, 4.0);
    EXPECT_FALSE(picker.SetValue(10.05));
    EXPECT_FALSE(picker.SetValue(0.4));
    EXPECT_DOUBLE_EQ(picker.GetValue(), 4.0);
    EXPECT_EQ(Number(0.0, 10.0, 1, 2.5).GetRoundedValue(), 3);
}

TEST(NumberPickerStep, StepsComeBackWithinTheLimits) {
    const struct { double value; int field; SpinKey key; double expected; } cases[] = {
        {1.0, 0, SpinKey::Down, 0.5},   // 0.0 is below the minimum
        {9.5, 0, SpinKey::Up, 10.0},
        {3.0, 0, SpinKey::Home, 0.5},
        {3.0, 1, SpinKey::End, 3.9},
        {10.0, 1, SpinKey::Up, 10.0},
    };
    for (const auto& c : cases) {
        NumberPicker picker = Number(0.5, 10.0, 1, c.value);
        for (int i = 0; i < c.field; ++i) picker.NextField();
        bool handled = false;
        picker.OnKeyUp(c.key, handled);
        EXPECT_DOUBLE_EQ(picker.GetValue(), c.expected) << c.value;
    }
}

TEST(NumberPickerCharacters, SignAndDigitsRefuseWhatLeavesTheLimits) {
    NumberPicker picker = Number(-5.0, 10.0, 0, 8.0);
    picker.NextField();
    EXPECT_EQ(picker.OnChar('-'), CharResult::Refused);
    EXPECT_DOUBLE_EQ(picker.GetValue(), 8.0);
    picker.OnChar('1');
    picker.OnChar('0');
    EXPECT_DOUBLE_EQ(picker.GetValue(), 10.0);
    EXPECT_TRUE(picker.SetValueClamped(6.0));
    EXPECT_DOUBLE_EQ(picker.GetValue(), 6.0);
    EXPECT_FALSE(picker.SetFormat(3.0, 2.0, 0));
}

TEST(TimeZonePickerSetValue, QuarterHoursWithinTheZoneLimits) {
    const struct { double hours; bool taken; const char* text; double back; } cases[] = {
        {5.3, true, "+05:00h", 5.0},
        {-3.5, true, "-03:30h", -3.5},
        {-0.25, true, "-00:15h", -0.25},
        {13.0, true, "+13:00h", 13.0},
        {-12.0, true, "-12:00h", -12.0},
        {13.5, false, "+01:45h", 1.75},
        {-13.0, false, "+01:45h", 1.75},  // ZoneBeyondTheTableRefused
    };
    for (const auto& c : cases) {
        TimeZonePicker picker;
        picker.SetValue(1.75);
        EXPECT_EQ(picker.SetValue(c.hours), c.taken) << c.hours;
        EXPECT_EQ(Utf8(picker.BuildText()), c.text) << c.hours;
        EXPECT_DOUBLE_EQ(picker.GetValue(), c.back) << c.hours;
    }
}

TEST(TimeZonePickerCharacters, QuarterDigitsAndSignsWithinTheLimits) {
    const struct { double hours; int field; char c; const char* text; } cases[] = {
        {5.0, 2, '3', "+05:30h"}, {5.0, 2, '2', "+05:00h"},  {13.0, 2, '1', "+13:00h"},
        {13.0, 1, '-', "+13:00h"}, {2.0, 0, '7', "+02:00h"}, {2.0, 1, '9', "+09:00h"},
    };
    for (const auto& c : cases) {
        TimeZonePicker picker;
        picker.SetValue(c.hours);
        for (int i = 0; i < c.field; ++i) picker.NextField();
        picker.OnChar(static_cast<Char>(c.c));
        EXPECT_EQ(Utf8(picker.BuildText()), c.text) << c.hours << " " << c.c;
    }
}

TEST(TimeZonePickerStep, StaysWithinTheLimits) {
    const struct { double hours; int field; SpinKey key; double expected; } cases[] = {
        {-12.0, 1, SpinKey::Up, -12.0}, {13.0, 2, SpinKey::Up, 13.0}, {12.0, 1, SpinKey::End, 13.0},
        {-11.0, 1, SpinKey::End, -12.0}, {13.0, 0, SpinKey::Home, 13.0}, {5.0, 0, SpinKey::Home, -5.0},
    };
    for (const auto& c : cases) {
        TimeZonePicker picker;
        picker.SetValue(c.hours);
        for (int i = 0; i < c.field; ++i) picker.NextField();
        bool handled = false;
        picker.OnKeyUp(c.key, handled);
        EXPECT_DOUBLE_EQ(picker.GetValue(), c.expected) << c.hours;
    }
}

}  // namespace
}  // namespace corvinata
