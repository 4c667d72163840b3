#include "tools/calculator_window_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "frame/custom_controls_setup.h"
#include "frame/spin_edit_window.h"
#include "frame_test.h"
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
        controls_ = std::make_unique<CustomControlsSession>(GetModuleHandleW(nullptr), app_->Controls());
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

    std::unique_ptr<CustomControlsSession> controls_;
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
