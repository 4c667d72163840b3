#include "app/date_picker.h"
#include "app/time_picker.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

class CountingDatePicker : public DatePicker {
public:
    int yearNotices = 0;
    std::string Text() const { return test::Utf8(BuildText()); }

protected:
    void OnYearMayHaveChanged() override { ++yearNotices; }
};

struct DateKey {
    int year, month, day;
    int field;  // the current field
    SpinKey key;
    const char* shown;
};

TEST(DatePickerKeys, DayStaysWithinTheMonthAfterEveryStepHomeAndEnd) {
    const DateKey cases[] = {
        {2000, 1, 31, kMonthFieldId, SpinKey::Up, "29.02.2000 "},
        {2001, 1, 31, kMonthFieldId, SpinKey::Up, "28.02.2001 "},
        {2000, 12, 15, kMonthFieldId, SpinKey::Up, "15.01.2000 "},
        {2000, 2, 29, kDayFieldId, SpinKey::Up, "01.02.2000 "},
        {2001, 2, 1, kDayFieldId, SpinKey::Down, "28.02.2001 "},
        {2000, 2, 29, kYearFieldId, SpinKey::Up, "28.02.2001 "},
        {2000, 2, 29, kYearFieldId, SpinKey::End, "28.02.3000 "},
        {2000, 2, 29, kYearFieldId, SpinKey::Home, "28.02.1583 "},
        {2000, 2, 10, kDayFieldId, SpinKey::End, "29.02.2000 "},
        {2100, 2, 10, kDayFieldId, SpinKey::End, "28.02.2100 "},
        {3000, 12, 31, kYearFieldId, SpinKey::Up, "31.12.3000 "},
        {3000, 12, 31, kDayFieldId, SpinKey::Up, "01.12.3000 "},
        {1583, 1, 1, kYearFieldId, SpinKey::Down, "01.01.1583 "},
        {1583, 1, 1, kMonthFieldId, SpinKey::Down, "01.12.1583 "},
    };
    for (const auto& c : cases) {
        CountingDatePicker picker;
        ASSERT_TRUE(picker.SetDate(c.year, c.month, c.day));
        for (int i = 0; i < c.field; ++i) picker.NextField();
        bool handled = false;
        picker.OnKeyUp(c.key, handled);
        EXPECT_EQ(picker.Text(), c.shown) << c.day << "." << c.month << "." << c.year;
    }
}

TEST(DatePickerTyping, RefusesDaysBeyondTheMonth) {
    const struct { int year; const char* day; int expected; } cases[] = {
        {2000, "29", 29}, {2001, "29", 9}, {2001, "31", 1}};  // the refused digit starts anew
    for (const auto& c : cases) {
        CountingDatePicker picker;
        ASSERT_TRUE(picker.SetDate(c.year, 2, 10));
        for (const char* p = c.day; *p; ++p) picker.OnChar(static_cast<Char>(*p));
        int year, month, day;
        picker.GetDate(year, month, day);
        EXPECT_EQ(day, c.expected) << c.year << " " << c.day;
    }
}

TEST(DatePickerSetDate, AllOrNothing) {
    const struct { int year, month, day; bool taken; } cases[] = {
        {2000, 2, 29, true}, {2001, 2, 29, false}, {3001, 1, 1, false}, {1582, 12, 31, false},
        {-2000, 1, 1, false}, {2000, 13, 1, false}, {2000, 4, 31, false}, {3000, 12, 31, true},
    };
    for (const auto& c : cases) {
        CountingDatePicker picker;
        picker.SetDate(1999, 7, 4);
        picker.yearNotices = 0;
        EXPECT_EQ(picker.SetDate(c.year, c.month, c.day), c.taken) << c.year << "-" << c.month;
        int year, month, day;
        picker.GetDate(year, month, day);
        EXPECT_EQ(year * 10000 + month * 100 + day,
                  c.taken ? c.year * 10000 + c.month * 100 + c.day : 19990704);
        EXPECT_EQ(picker.yearNotices, c.taken ? 1 : 0);
    }
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

// A pasted date or time is taken as it stands or refused; no number of it
// may be cut to a digit that happens to fit.
TEST(PickerPaste, DatesAndTimesTakenWholeOrNotAtAll) {
    const struct { const char* text; bool taken; int year, month, day; } dates[] = {
        {"12/25/2030", false, 2001, 3, 5}, {"07.19.2030", false, 2001, 3, 5},
        {"25.12.2030", true, 2030, 12, 25}, {"123.1.2030", false, 2001, 3, 5},
    };
    for (const auto& c : dates) {
        DatePicker picker;
        picker.SetDate(2001, 3, 5);
        EXPECT_EQ(picker.PasteText(test::Wide(c.text).c_str()), c.taken) << c.text;
        std::int32_t year = 0, month = 0, day = 0;
        picker.GetDate(year, month, day);
        EXPECT_EQ(year * 10000 + month * 100 + day, c.year * 10000 + c.month * 100 + c.day) << c.text;
    }
    const struct { const char* text; bool taken; double hours; } times[] = {
        {"25:00:00", false, 14.5}, {"13:75:00", false, 14.5}, {"13:05:00", true, 13 + 5 / 60.0},
        {"130:5:0", false, 14.5},
    };
    for (const auto& c : times) {
        TimePicker picker;
        picker.SetValue(14.5);
        EXPECT_EQ(picker.PasteText(test::Wide(c.text).c_str()), c.taken) << c.text;
        EXPECT_NEAR(picker.GetValue(), c.hours, 1e-9) << c.text;
    }
}

}  // namespace
}  // namespace corvinata
