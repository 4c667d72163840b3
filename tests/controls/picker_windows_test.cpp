#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls/control_dialog.h"
#include "controls/spin_edit_window.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::ControlDialog;
using test::Utf8;

constexpr int kDate = 100, kTime = 101, kAngle = 102, kZone = 103, kNumber = 104;
constexpr DWORD kTab = WS_TABSTOP | WS_BORDER;

class PickerWindows : public test::ControlTest {
protected:
    ControlDialog dialog{{kDatePickerClass, kDate, kTab, 7, 7, 80, 14},
                         {kTimePickerClass, kTime, kTab, 7, 25, 80, 14},
                         {kAnglePickerClass, kAngle, kTab, 7, 43, 100, 14},
                         {kTimeZonePickerClass, kZone, kTab, 7, 61, 80, 14},
                         {kNumberPickerClass, kNumber, kTab, 7, 79, 80, 14}};

    template <class T>
    T& Picker(int id) {
        T* picker = FindCustomControl<T>(dialog.Item(id));
        EXPECT_NE(picker, nullptr);
        return *picker;
    }
    std::string Shown(int id) { return Utf8(Picker<SpinEditControl>(id).Edit().BuildText()); }
    void Focus(int id) {
        SetFocus(dialog.Item(id));
        dialog.Pump();
    }
};

TEST_F(PickerWindows, TabMovesThroughThePickersInOrder) {
    ASSERT_NE(dialog.Window(), nullptr);
    Focus(kDate);
    for (int id : {kTime, kAngle, kZone, kNumber, kDate}) {
        dialog.PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), dialog.Item(id)) << id;
    }
}

TEST_F(PickerWindows, DateEnteredWithTheKeyboardAlone) {
    Focus(kDate);
    dialog.Type("15.03.2024");
    EXPECT_EQ(Shown(kDate), "15.03.2024 ");
    EXPECT_EQ(dialog.Received(kDatePickerYearMessage).size(), 4u);  // one per year digit
    dialog.PressKey(VK_LEFT);
    dialog.PressKey(VK_LEFT);
    dialog.PressKey(VK_END);
    dialog.PressKey(VK_RIGHT);
    dialog.PressKey(VK_UP);
    EXPECT_EQ(Shown(kDate), "30.04.2024 ");  // the day clamped to April
    dialog.ClearReceived();
    dialog.PressKey(VK_RIGHT);
    dialog.PressKey(VK_END);
    dialog.PressKey(VK_UP);
    EXPECT_EQ(Shown(kDate), "30.04.3000 ");  // no year after 3000: Up changes nothing
    EXPECT_EQ(dialog.Received(kDatePickerYearMessage).size(), 1u);
    dialog.Type("2001");  // 30.04.2001 is valid, typed over the year
    EXPECT_EQ(Shown(kDate), "30.04.2001 ");
}

TEST_F(PickerWindows, ArrowsOfTheUpDownStepTheCurrentField) {
    auto& time = Picker<PickerControl<TimePicker>>(kTime);
    time.SetValue(10.0);
    HWND arrows = time.UpDown();
    ASSERT_NE(arrows, nullptr);
    RECT area{};
    GetClientRect(arrows, &area);
    dialog.Click(arrows, area.right / 2, 2);
    dialog.Click(arrows, area.right / 2, 2);
    EXPECT_EQ(Shown(kTime), "12:00:00");
    EXPECT_EQ(GetFocus(), dialog.Item(kTime));
    dialog.Click(arrows, area.right / 2, area.bottom - 2);
    EXPECT_EQ(Shown(kTime), "11:00:00");
}

TEST_F(PickerWindows, ClickPicksTheFieldUnderIt) {
    auto& time = Picker<PickerControl<TimePicker>>(kTime);
    RECT area{};
    GetClientRect(dialog.Item(kTime), &area);
    dialog.Click(dialog.Item(kTime), area.right - 30, area.bottom / 2);
    EXPECT_EQ(time.CurrentIndex(), 2);
    dialog.Click(dialog.Item(kTime), 0, area.bottom / 2);
    EXPECT_EQ(time.CurrentIndex(), 0);
}

TEST_F(PickerWindows, TypingAndPastingRefuseWhatAFieldCannotHold) {
    Picker<PickerControl<TimeZonePicker>>(kZone).SetValue(12.0);
    Focus(kZone);
    dialog.Type("-");
    EXPECT_EQ(Shown(kZone), "-12:00h");
    dialog.PressKey(VK_RIGHT);
    dialog.Type("13");  // -13 h lies beyond the zone table
    EXPECT_EQ(Shown(kZone), "-12:00h");
    const struct { const wchar_t* text; const char* shown; } pastes[] = {
        {L"05:3", "-05:30h"}, {L"5x", "-05:30h"}, {L"", "-05:30h"}, {L"+11:4", "+11:45h"}};
    for (const auto& paste : pastes) {
        Focus(kZone);
        Picker<PickerControl<TimeZonePicker>>(kZone).OnClickAtCharacter(1);
        ASSERT_TRUE(OpenClipboard(dialog.Window()));
        EmptyClipboard();
        const std::size_t bytes = (wcslen(paste.text) + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        memcpy(GlobalLock(memory), paste.text, bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SendMessageW(dialog.Item(kZone), WM_PASTE, 0, 0);
        EXPECT_EQ(Shown(kZone), paste.shown) << paste.shown;
    }
}

TEST_F(PickerWindows, FocusShowsTheCurrentFieldAndDisabledIsGrey) {
    constexpr COLORREF kHighlight = RGB(0x33, 0x99, 0xFF);
    HWND angle = dialog.Item(kAngle);
    Focus(kAngle);
    EXPECT_TRUE(test::PaintedPixels(angle).Contains(kHighlight));
    Focus(kDate);
    EXPECT_FALSE(test::PaintedPixels(angle).Contains(kHighlight));
    EnableWindow(angle, FALSE);
    const test::PaintedPixels disabled(angle);
    RECT area{};
    GetClientRect(angle, &area);
    EXPECT_EQ(disabled.At(area.right - 26, 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(disabled.Contains(RGB(0, 0, 0)));
}

TEST_F(PickerWindows, LeavingTheControlEndsTheEntry) {
    auto& number = Picker<PickerControl<NumberPicker>>(kNumber);
    ASSERT_TRUE(number.SetFormat(0.0, 500.0, 1));
    Focus(kNumber);
    dialog.Type("4");
    EXPECT_TRUE(number.EntryInProgress());
    dialog.PressKey(VK_TAB);
    EXPECT_FALSE(number.EntryInProgress());
    EXPECT_DOUBLE_EQ(number.GetValue(), 4.0);
}

TEST_F(PickerWindows, F3SwitchesTheAngleLayout) {
    auto& angle = Picker<PickerControl<AnglePicker>>(kAngle);
    angle.SetFormat(kEastWestUpTo180, 0, false);
    angle.SetValue(-7.5);
    Focus(kAngle);
    dialog.PressKey(VK_F3);
    EXPECT_EQ(Shown(kAngle), "007.500000\u00B0 W");
    dialog.Type("e");
    EXPECT_DOUBLE_EQ(angle.GetValue(), 7.5);
}

}  // namespace
}  // namespace corvinata
