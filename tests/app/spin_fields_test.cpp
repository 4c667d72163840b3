#include "app/spin_fields.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

// A control of plain fields whose steps carry nothing.
class PlainFields : public SpinEdit {
public:
    explicit PlainFields(std::initializer_list<SpinEditField> fields) {
        for (const SpinEditField& field : fields) AddField(field);
    }
    bool Validate(const std::vector<int>& values) const override { return AllValuesInRange(values); }
    int LeadingFieldId() const override { return 0; }
    bool Step(bool up) override { return StepCurrentField(up); }
    bool SetFieldToMaximum() override { return TrySetField(CurrentIndex(), CurrentField()->max); }
    int Value(int index) const { return Fields()[index].value; }
};

SpinEditField Whole(int min, int max, int digits, int value, bool wrap = true) {
    return MakeField(0, min, max, digits, value, wrap, true, TXT(":"), TXT(":"));
}
SpinEditField DigitField(int digits, int value) {
    return MakeField(1, 0, PowerOfTen(digits) - 1, digits, value, false, false, TXT(""), TXT(""));
}

void Type(SpinEdit& edit, const char* digits) {
    for (; *digits; ++digits) edit.OnChar(static_cast<Char>(*digits));
}

TEST(SpinEditStep, WrapsOnlyWhereTheFieldWraps) {
    const struct { bool wrap, up; int value, expected; bool changed; } cases[] = {
        {false, true, 31, 31, false}, {true, true, 31, 10, true},
        {false, false, 10, 10, false}, {true, false, 10, 31, true},
        {false, true, 20, 21, true},
    };
    for (const auto& c : cases) {
        PlainFields edit{Whole(10, 31, 2, c.value, c.wrap)};
        EXPECT_EQ(c.up ? edit.StepUp() : edit.StepDown(), c.changed);
        EXPECT_EQ(edit.Value(0), c.expected) << c.value << (c.up ? " up" : " down");
    }
}

TEST(SpinEditStep, DigitFieldMovesAtItsLastNonZeroPlace) {
    const struct { int value; bool up; int expected; } cases[] = {
        {1200, true, 1300}, {1200, false, 1100}, {0, true, 1}, {1230, true, 1240}, {1234, false, 1233},
    };
    for (const auto& c : cases) {
        PlainFields edit{Whole(0, 9, 1, 0), DigitField(4, c.value)};
        edit.NextField();
        c.up ? edit.StepUp() : edit.StepDown();
        EXPECT_EQ(edit.Value(1), c.expected) << c.value;
    }
}

TEST(SpinEditTyping, WholeAndDigitFields) {
    const struct { int min, max, digits; bool whole; const char* typed; int expected; bool entering; } cases[] = {
        {10, 31, 2, true, "25", 25, false},
        {10, 31, 2, true, "45", 15, false},   // neither "4" nor "45" fits: entry ends unchanged
        {10, 31, 2, true, "2", 15, true},     // waiting for a second digit
        {0, 999, 3, false, "5", 500, true},
        {0, 999, 3, false, "53", 530, true},
        {0, 59, 2, true, "79", 9, true},      // "7" taken, "79" is not: "9" starts anew
    };
    for (const auto& c : cases) {
        PlainFields edit{MakeField(0, c.min, c.max, c.digits, 15, true, c.whole, TXT(""), TXT(""))};
        Type(edit, c.typed);
        EXPECT_EQ(edit.Value(0), c.expected) << c.typed;
        EXPECT_EQ(edit.EntryInProgress(), c.entering) << c.typed;
    }
    PlainFields edit{Whole(0, 59, 2, 42)};
    Type(edit, "7");  // while typing only the typed digits show
    EXPECT_EQ(Utf8(edit.DisplayOf(0).text), "07");
    EXPECT_EQ(edit.DisplayOf(0).hiddenPlaces, 1);
}

TEST(SpinEditNavigation, FieldsCycleAndSeparatorsMoveWithoutChangingValues) {
    PlainFields edit{Whole(0, 23, 2, 5), Whole(0, 59, 2, 6), Whole(0, 59, 2, 7)};
    edit.PreviousField();
    EXPECT_EQ(edit.CurrentIndex(), 2);
    edit.NextField();
    EXPECT_EQ(edit.CurrentIndex(), 0);
    EXPECT_EQ(edit.OnChar(':'), CharResult::Handled);
    EXPECT_EQ(edit.CurrentIndex(), 1);
    EXPECT_EQ(edit.CollectValues(), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(Utf8(edit.BuildText()), "05:06:07:");
}

TEST(SpinEditKeys, StepsEndTheEntryAndAnswerWhetherToRedraw) {
    PlainFields edit{Whole(0, 59, 2, 59, false)};
    bool handled = false;
    Type(edit, "3");
    EXPECT_TRUE(edit.OnKeyUp(SpinKey::Up, handled));
    EXPECT_TRUE(handled);
    EXPECT_FALSE(edit.EntryInProgress());
    EXPECT_EQ(edit.Value(0), 4);
    edit.OnKeyUp(SpinKey::End, handled);
    EXPECT_FALSE(edit.OnKeyUp(SpinKey::Up, handled));
    EXPECT_TRUE(edit.OnKeyUp(SpinKey::Home, handled));
    EXPECT_EQ(edit.Value(0), 0);
    EXPECT_FALSE(edit.OnKeyUp(SpinKey::SwitchLayout, handled));
    EXPECT_FALSE(handled);
}

TEST(SpinEditPaste, WholeTextTakenOrNothingChanges) {
    const struct { const char* text; bool taken; int first, second; } cases[] = {
        {"25:30", true, 25, 30}, {"2", false, 15, 40}, {"25:3x", false, 15, 40},
        {"", false, 15, 40}, {"45", false, 15, 40}, {"12:7", true, 12, 7},
    };
    for (const auto& c : cases) {
        PlainFields edit{Whole(10, 31, 2, 15), Whole(0, 59, 2, 40)};
        const auto text = test::Wide(c.text);
        EXPECT_EQ(edit.PasteText(text.c_str()), c.taken) << c.text;
        EXPECT_EQ(edit.Value(0), c.first) << c.text;
        EXPECT_EQ(edit.Value(1), c.second) << c.text;
        EXPECT_FALSE(edit.EntryInProgress()) << c.text;
    }
}

}  // namespace
}  // namespace corvinata
