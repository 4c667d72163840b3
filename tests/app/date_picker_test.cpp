#include "app/date_picker.h"
#include "app/time_picker.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

class CountingDatePicker : public DatePicker {
public:
    int yearNotices = 0;
    int refusals = 0;
    std::string Text() const { return test::Utf8(BuildText()); }
    void Type(const char* text) {
        for (const char* p = text; *p; ++p) OnChar(static_cast<Char>(*p));
    }

protected:
    void OnYearMayHaveChanged() override { ++yearNotices; }
    void OnTypingRefused() override { ++refusals; }
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

// A date typed whole goes field by field, with or without the separators;
// a day is checked against the month typed after it, not the one shown
// while it is typed. What cannot be the date typed is refused with a word
// (a digit no number of the field can take, a day the typed month and year
// do not have), never turned into another date.
TEST(DatePickerTyping, WholeDatesGoFieldByField) {
    struct Case {
        int year, month, day;  // the date shown before
        const char* typed;
        const char* shown;
        int refusals;
    };
    const Case cases[] = {
        {2026, 2, 14, "31.12.2028", "31.12.2028 ", 0},
        {2026, 2, 14, "31122028", "31.12.2028 ", 0},
        {2000, 1, 1, "08042024", "08.04.2024 ", 0},
        {2000, 1, 1, "8.4.2024", "08.04.2024 ", 0},
        {2000, 1, 1, "1.3.2030", "01.03.2030 ", 0},
        {2023, 1, 15, "29.02.2024", "29.02.2024 ", 0},
        {2024, 1, 15, "29.02.2023", "28.02.2023 ", 1},   // 2023 has no 29 February
        {2026, 2, 14, "31.04.2024", "30.04.2024 ", 1},   // nor April a 31st
        {2026, 2, 14, "351.12.2028", "31.12.2028 ", 1},  // "5" cannot follow "3"
        {2026, 2, 14, "01.13.2024", "01.01.2024 ", 1},   // nor "3" follow "1" in a month
        {2026, 2, 14, "14.02.3001", "14.02.2026 ", 1},   // past the last year
        {2001, 2, 10, "29", "28.02.2001 ", 0},           // still waiting for its month
    };
    for (const Case& c : cases) {
        CountingDatePicker picker;
        ASSERT_TRUE(picker.SetDate(c.year, c.month, c.day));
        picker.Type(c.typed);
        EXPECT_EQ(picker.Text(), c.shown) << c.typed;
        EXPECT_EQ(picker.refusals, c.refusals) << c.typed;
    }
}

// A typed day that waits for its month is given up, with a word, when the
// control is left; a step moves on from the date shown.
TEST(DatePickerTyping, AHeldDayGoesWhenTheControlIsLeftOrStepped) {
    CountingDatePicker left;
    left.SetDate(2026, 2, 14);
    left.Type("31");
    EXPECT_EQ(left.HeldDay(), 31);
    EXPECT_EQ(left.Text(), "28.02.2026 ");
    left.FocusLost();
    EXPECT_EQ(left.HeldDay(), 0);
    EXPECT_EQ(left.refusals, 1);
    left.Type("03");  // typing on: the month, which has 31 days
    EXPECT_EQ(left.Text(), "28.03.2026 ");

    CountingDatePicker stepped;
    stepped.SetDate(2026, 2, 14);
    stepped.Type("31");
    bool handled = false;
    stepped.OnKeyUp(SpinKey::Up, handled);  // the month, now current
    EXPECT_EQ(stepped.Text(), "28.03.2026 ");
    EXPECT_EQ(stepped.HeldDay(), 0);
    EXPECT_EQ(stepped.refusals, 0);
}

// Tab or a mnemonic into the control starts typing at the day, wherever the
// caret was left.
TEST(DatePickerTyping, FocusFromTheKeyboardStartsAtTheDay) {
    CountingDatePicker picker;
    picker.NextField();
    picker.NextField();
    ASSERT_EQ(picker.CurrentIndex(), kYearFieldId);
    picker.FocusFromKeyboard();
    EXPECT_EQ(picker.CurrentIndex(), kDayFieldId);
    picker.Type("24122030");
    EXPECT_EQ(picker.Text(), "24.12.2030 ");
    EXPECT_EQ(picker.CurrentIndex(), kYearFieldId);
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
        {"31.12.2030", true, 2030, 12, 31}, {"31.04.2030", false, 2001, 3, 5},
        {"29.02.2031", false, 2001, 3, 5},  {"31122030", true, 2030, 12, 31},
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
