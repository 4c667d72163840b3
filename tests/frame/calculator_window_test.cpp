#include "tools/calculator_window_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/custom_controls_setup.h"
#include "controls/spin_edit_window.h"
#include "base/time_systems.h"
#include "frame_test.h"
#include "program_keys.h"
#include "support/test_text.h"
#include "resources/calculator_ids.h"
#include "resources/resource_ids.h"

namespace corvinata {
namespace {

// The program's frame with its custom controls, started as the program
// starts it, so that the calculator is made at start-up.
class CalculatorWindowTest : public test::FrameTest {
protected:
    ~CalculatorWindowTest() override { Close(); }
    void Open() {
        Start(false);
        UseCustomControls();
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        window_ = FindTool();
    }
    void Close() {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
        frame_.reset();
        controls_.reset();
    }
    HWND FindTool() const {
        ToolWindow* tool = frame_->Tools().Find(CMD_CALCULATOR);
        return tool ? tool->Window() : nullptr;
    }
    HWND Page() const { return FindWindowExW(window_, nullptr, L"#32770", nullptr); }
    void SelectTab(int tab) {
        HWND tabs = GetDlgItem(window_, IDC_CALC_TABS);
        NMHDR header{tabs, IDC_CALC_TABS, static_cast<UINT>(TCN_SELCHANGING)};
        SendMessageW(window_, WM_NOTIFY, IDC_CALC_TABS, reinterpret_cast<LPARAM>(&header));
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        header.code = static_cast<UINT>(TCN_SELCHANGE);
        SendMessageW(window_, WM_NOTIFY, IDC_CALC_TABS, reinterpret_cast<LPARAM>(&header));
    }
    template <class Picker>
    PickerControl<Picker>* PickerOn(int id) {
        return FindCustomControl<PickerControl<Picker>>(GetDlgItem(Page(), id));
    }
    std::wstring Text(int id) {
        wchar_t text[200] = {};
        GetDlgItemTextW(Page(), id, text, 200);
        return text;
    }
    void Calculate() {
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDC_CALC_CALCULATE, BN_CLICKED), 0);
        DrainQuit();  // the page computes on the message the button posts
    }

    HWND window_ = nullptr;
};

TEST_F(CalculatorWindowTest, FirstStartHidesItAtItsPlaceAndTheCommandTogglesIt) {
    Open();
    ASSERT_NE(window_, nullptr);
    EXPECT_FALSE(IsWindowVisible(window_));
    RECT r{};
    GetWindowRect(window_, &r);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(SendDlgItemMessageW(window_, IDC_CALC_TABS, TCM_GETCURSEL, 0, 0), kCalendarTab);
    EXPECT_FALSE(MenuState(CMD_CALCULATOR) & MF_GRAYED);

    Command(CMD_CALCULATOR);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(MenuState(CMD_CALCULATOR) & MF_CHECKED);
    SendMessageW(window_, WM_CLOSE, 0, 0);  // the close box hides it
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_FALSE(MenuState(CMD_CALCULATOR) & MF_CHECKED);
}

TEST_F(CalculatorWindowTest, CalculateTakesTheTypedDateAndTabsKeepWhatWasTyped) {
    Open();
    Command(CMD_CALCULATOR);
    auto* date = PickerOn<DatePicker>(IDC_CALC_DATE);
    auto* time = PickerOn<TimePicker>(IDC_CALC_TIME);
    ASSERT_TRUE(date && time);
    date->SetDate(2000, 1, 1);
    time->SetValue(0.0);
    Calculate();
    EXPECT_EQ(PickerOn<NumberPicker>(IDC_CALC_JULIAN_DATE)->GetValue(), 2451544.5);
    EXPECT_EQ(Text(IDC_CALC_WEEKDAY), L"Saturday");
    EXPECT_EQ(Text(IDC_CALC_LEAP_YEAR), L"Yes");
    EXPECT_EQ(Text(IDC_CALC_EASTER), L"23.04.2000");

    SelectTab(kDistanceTab);
    PickerOn<NumberPicker>(IDC_CALC_DISTANCE)->SetValue(384400.0);
    SendDlgItemMessageW(Page(), IDC_CALC_SOURCE_UNIT, CB_SETCURSEL, kKilometres, 0);
    SendDlgItemMessageW(Page(), IDC_CALC_DESTINATION_UNIT, CB_SETCURSEL, kMiles, 0);
    SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_CALC_DESTINATION_UNIT, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(Page(), IDC_CALC_DESTINATION_UNIT)));
    DrainQuit();
    EXPECT_EQ(Text(IDC_CALC_DISTANCE_RESULT), L"238855.086");
    SelectTab(kTimeTab);
    SelectTab(kDistanceTab);
    EXPECT_EQ(PickerOn<NumberPicker>(IDC_CALC_DISTANCE)->GetValue(), 384400.0);
    SelectTab(kCalendarTab);
    EXPECT_EQ(PickerOn<NumberPicker>(IDC_CALC_JULIAN_DATE)->GetValue(), 2451544.5);
}

// A change of the Appearance options (event 12) shows the open page's
// result again in the new right-ascension unit.
TEST_F(CalculatorWindowTest, AnAppearanceChangeReformatsTheResultShown) {
    Open();
    Command(CMD_CALCULATOR);
    SelectTab(kCoordinatesTab);
    PickerOn<AnglePicker>(IDC_CALC_SOURCE_FIRST)->SetValue(90.0);
    Calculate();
    const std::wstring inHours = Text(IDC_CALC_DESTINATION_FIRST);
    EXPECT_NE(inHours.find(L'h'), std::wstring::npos) << inHours;
    app_->Options().general.raDisplayUnit = 0;
    BroadcastNotification(app_->GetNotificationHub(), 12, 0, nullptr);
    DrainQuit();
    const std::wstring inDegrees = Text(IDC_CALC_DESTINATION_FIRST);
    EXPECT_EQ(inDegrees.find(L'h'), std::wstring::npos) << inDegrees;
    EXPECT_NE(inDegrees, inHours);
}

// Ctrl+4, the pages by the arrow keys on the tabs, a date typed and
// Calculate pressed by its access key.
TEST_F(CalculatorWindowTest, KeyboardJourney) {
    Open();
    test::ProgramKeys keys(*frame_, modeless_);
    ASSERT_TRUE(keys.Loaded());
    keys.Control('4');
    ASSERT_TRUE(IsWindowVisible(window_));
    HWND tabs = GetDlgItem(window_, IDC_CALC_TABS);
    SetFocus(tabs);
    for (int tab : {kTimeTab, kCoordinatesTab, kDistanceTab}) {
        keys.Press(tabs, VK_RIGHT);
        EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), tab);
    }
    for (int i = 0; i < 3; ++i) keys.Press(tabs, VK_LEFT);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), kCalendarTab);
    {
        test::HeldKeys alt{VK_MENU};
        keys.Send(tabs, WM_SYSCHAR, 'd');  // &Date
    }
    HWND date = GetFocus();
    ASSERT_EQ(GetDlgCtrlID(date), IDC_CALC_DATE);
    SendMessageW(date, EM_SETSEL, 0, -1);
    for (const char* c = "01.01.2000"; *c; ++c) keys.Send(date, WM_CHAR, static_cast<WPARAM>(*c));
    {
        test::HeldKeys alt{VK_MENU};
        keys.Send(date, WM_SYSCHAR, 'c');  // &Calculate
    }
    DrainQuit();
    const double julianDate = PickerOn<NumberPicker>(IDC_CALC_JULIAN_DATE)->GetValue();
    EXPECT_GE(julianDate, 2451544.5);
    EXPECT_LT(julianDate, 2451545.5);
    EXPECT_EQ(Text(IDC_CALC_WEEKDAY), L"Saturday");
}

// The time is kept to a millionth of a day, a little below 10:20:31; the
// result a restart shows is that time rounded, as its source shows it.
TEST_F(CalculatorWindowTest, ARestartShowsTheTimeResultAsCalculated) {
    Open();
    Command(CMD_CALCULATOR);
    SelectTab(kTimeTab);
    PickerOn<DatePicker>(IDC_CALC_DATE)->SetDate(2026, 3, 14);
    PickerOn<TimePicker>(IDC_CALC_TIME)->SetValue(10.0 + 20.0 / 60.0 + 31.0 / 3600.0);
    for (int id : {IDC_CALC_SOURCE_TIME_SYSTEM, IDC_CALC_DESTINATION_TIME_SYSTEM}) {
        SendDlgItemMessageW(Page(), id, CB_SETCURSEL, kUniversalTime, 0);
    }
    Calculate();
    ASSERT_EQ(Text(IDC_CALC_DESTINATION_TIME), L"10:20:31");
    Close();
    Open();
    ASSERT_EQ(SendDlgItemMessageW(window_, IDC_CALC_TABS, TCM_GETCURSEL, 0, 0), kTimeTab);
    EXPECT_EQ(Text(IDC_CALC_DESTINATION_TIME), L"10:20:31");
}

// A stored time system, coordinate system or distance unit that is not one
// of its table's shows no result, neither when the page opens nor after
// "Calculate".
TEST_F(CalculatorWindowTest, AStoredCodeOutsideItsTableShowsNoResult) {
    struct Case {
        int tab;
        const wchar_t* key;
        const wchar_t* name;
        std::int32_t code;
        std::vector<int> results;
    };
    const Case cases[] = {
        {kTimeTab, L"Time tab", L"Destination time system", 77, {IDC_CALC_DESTINATION_TIME}},
        {kTimeTab, L"Time tab", L"Destination time system", kInvalidTimeSystem, {IDC_CALC_DESTINATION_TIME}},
        {kCoordinatesTab, L"Coordinate tab", L"Source coordinate system", -1,
         {IDC_CALC_DESTINATION_FIRST, IDC_CALC_DESTINATION_SECOND}},
        {kCoordinatesTab, L"Coordinate tab", L"Destination coordinate system", kInvalidCoordinateSystem,
         {IDC_CALC_DESTINATION_FIRST, IDC_CALC_DESTINATION_SECOND}},
        {kDistanceTab, L"Distance tab", L"Source distance system", kInvalidDistanceUnit, {IDC_CALC_DISTANCE_RESULT}},
        {kDistanceTab, L"Distance tab", L"Destination distance system", 9, {IDC_CALC_DISTANCE_RESULT}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test::Utf8(c.name) + " " + std::to_string(c.code));
        RemoveSettings();
        const std::wstring key = std::wstring(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Calculator\\") + c.key;
        ASSERT_TRUE(StoreInt(key.c_str(), c.name, c.code));
        Open();
        Command(CMD_CALCULATOR);
        SelectTab(c.tab);
        for (int id : c.results) EXPECT_EQ(Text(id), L"") << "opened, item " << id;
        Calculate();
        for (int id : c.results) EXPECT_EQ(Text(id), L"") << "calculated, item " << id;
        Close();
    }
}

TEST_F(CalculatorWindowTest, ARestartShowsItOnlyWhenItWasVisible) {
    Open();
    Command(CMD_CALCULATOR);
    SelectTab(kCoordinatesTab);
    Close();
    Open();
    ASSERT_NE(window_, nullptr);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(MenuState(CMD_CALCULATOR) & MF_CHECKED);
    EXPECT_EQ(SendDlgItemMessageW(window_, IDC_CALC_TABS, TCM_GETCURSEL, 0, 0), kCoordinatesTab);
    Command(CMD_CALCULATOR);
    Close();
    Open();
    EXPECT_FALSE(IsWindowVisible(window_));
}

}  // namespace
}  // namespace corvinata
