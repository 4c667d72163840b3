#include "controls/control_panel.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/panel_dialogs.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

class TestWindow final : public PanelWindow {
public:
    HWND GetWindowHandle() const override { return nullptr; }
    void WheelZoom(int steps) override { wheel += steps; }
    int wheel = 0;
};

// A panel with the Solar System panel's time controls.
class TimePanel final : public ControlPanel, public PanelTimeTarget, public ModelessDialogs {
public:
    void ControlPanelUpdate(void*) override { ++updates; }
    DateTime GetPanelTime() const override { return moment; }
    void SetPanelTime(const DateTime& m) override {
        if (GetAttachedWindow() != nullptr) moment = m;
    }
    DateTime GetResetTime() const override { return MakeDateTime(2020, 6, 1, 0.0, kLocalCivilTime); }
    void AddModelessDialog(HWND dialog) override { modeless.push_back(dialog); }
    void RemoveModelessDialog(HWND dialog) override {
        modeless.erase(std::remove(modeless.begin(), modeless.end(), dialog), modeless.end());
    }

    DateTime moment = MakeDateTime(2000, 1, 1, 12.0, kLocalCivilTime);
    int updates = 0;
    std::vector<HWND> modeless;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM, LPARAM) override {
        if (message != WM_INITDIALOG) return FALSE;
        PanelTimeConfig config;
        config.animateItem = kAnimateItem;
        config.timerId = 2;
        SetTimePart(std::make_unique<PanelTimePart>(GetDialogWindow(), config, *this));
        return TRUE;
    }
};

class ControlPanelTest : public ::testing::Test {
protected:
    ControlPanelTest() {
        created = test::CreatePanelDialog(
            panel,
            {
                {L"STATIC", 20600, 0, 0, 0, 60, 10},
                {L"STATIC", 21002, 0, 60, 0, 60, 10},
                {L"EDIT", kStepCountItem, ES_AUTOHSCROLL, 0, 12, 30, 12},
                {L"COMBOBOX", kStepUnitItem, CBS_DROPDOWNLIST, 32, 12, 60, 80},
                {UPDOWN_CLASSW, kTimeSpinnerItem, UDS_HORZ | UDS_ARROWKEYS, 100, 12, 30, 12},
                {L"BUTTON", kResetTimeItem, BS_PUSHBUTTON, 0, 30, 40, 14},
                {L"BUTTON", kAnimateItem, BS_PUSHBUTTON, 50, 30, 40, 14},
            },
            &panel);
    }
    void SetUp() override { ASSERT_TRUE(created); }

    HWND Item(int id) const { return GetDlgItem(panel.GetDialogWindow(), id); }
    std::string Text(int id) const { return test::DialogItemText(panel.GetDialogWindow(), id); }
    void SetCount(const wchar_t* text) { SetWindowTextW(Item(kStepCountItem), text); }
    // A click on the spinner's right (forward) or left arrow.
    void Spin(bool forward) {
        RECT client{};
        GetClientRect(Item(kTimeSpinnerItem), &client);
        const int x = forward ? client.right * 3 / 4 : client.right / 4;
        PostMessageW(Item(kTimeSpinnerItem), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, client.bottom / 2));
        PostMessageW(Item(kTimeSpinnerItem), WM_LBUTTONUP, 0, MAKELPARAM(x, client.bottom / 2));
        Pump();
    }
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    TimePanel panel;
    TestWindow window;
    bool created = false;
};

TEST_F(ControlPanelTest, TheSpinnerStepsTheAttachedWindowByTheChosenStep) {
    EXPECT_EQ(Text(kStepCountItem), "1");
    EXPECT_EQ(Text(kStepUnitItem), "Minutes");
    EXPECT_EQ(panel.modeless, std::vector<HWND>{panel.GetDialogWindow()});
    panel.ControlPanelAttach(&window);
    EXPECT_EQ(panel.updates, 1);
    Spin(true);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 12.0 + 1.0 / 60.0);
    Spin(false);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 12.0);

    panel.TimePart()->ShowTimeStep(TimeStep{kHoursUnit, 1});
    SetCount(L"-2");  // a negative count steps against the arrow
    Spin(true);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 10.0);
    panel.TimePart()->ShowTimeStep(TimeStep{kSecondsUnit, 3});  // not offered: no unit, no step
    Spin(true);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 10.0);
    SetCount(L"abc");
    EXPECT_EQ(panel.TimePart()->ReadTimeStep().count, 1);
}

TEST_F(ControlPanelTest, FunctionKeysAndResetActOnTheAttachedWindow) {
    panel.ControlPanelStepTime(false);  // no window: the setter does nothing
    EXPECT_DOUBLE_EQ(panel.moment.hours, 12.0);
    panel.ControlPanelAttach(&window);
    panel.ControlPanelStepTime(true);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 12.0 - 1.0 / 60.0);
    SendMessageW(Item(kResetTimeItem), BM_CLICK, 0, 0);
    EXPECT_EQ(panel.moment.year, 2020);
    SendMessageW(panel.GetDialogWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(window.wheel, -2);
}

// The animation kept its timer at the end of the valid dates and went on
// driving the next window after its own had gone.
TEST_F(ControlPanelTest, AnimationStepsAndStopsAtTheRangeEndAndWithItsWindow) {
    panel.ControlPanelAttach(&window);
    panel.TimePart()->ShowTimeStep(TimeStep{kHoursUnit, 1});
    panel.moment = MakeDateTime(3000, 12, 31, 22.0, kLocalCivilTime);
    SendMessageW(Item(kAnimateItem), BM_CLICK, 0, 0);
    EXPECT_EQ(Text(kAnimateItem), "&Stop");
    SendMessageW(panel.GetDialogWindow(), WM_TIMER, 2, 0);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 23.0);
    SendMessageW(panel.GetDialogWindow(), WM_TIMER, 2, 0);  // 24 h would leave the year 3000
    EXPECT_EQ(Text(kAnimateItem), "&Animate");
    EXPECT_FALSE(panel.TimePart()->IsAnimating());

    panel.moment = MakeDateTime(2000, 1, 1, 12.0, kLocalCivilTime);
    SendMessageW(Item(kAnimateItem), BM_CLICK, 0, 0);
    panel.ControlPanelAttach(nullptr);  // deactivated: goes on
    panel.ControlPanelAttach(&window);
    EXPECT_TRUE(panel.TimePart()->IsAnimating());
    panel.ControlPanelWindowClosing(&window);
    EXPECT_EQ(Text(kAnimateItem), "&Animate");
    SendMessageW(panel.GetDialogWindow(), WM_TIMER, 2, 0);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 12.0);
}

// Another window attached stopped the animation; it goes on stepping that
// window, until that window closes.
TEST_F(ControlPanelTest, AnimationGoesOnInTheWindowAttachedNext) {
    TestWindow second;
    panel.ControlPanelAttach(&window);
    panel.TimePart()->ShowTimeStep(TimeStep{kHoursUnit, 1});
    SendMessageW(Item(kAnimateItem), BM_CLICK, 0, 0);
    panel.ControlPanelAttach(nullptr);
    panel.ControlPanelAttach(&second);
    EXPECT_EQ(Text(kAnimateItem), "&Stop");
    SendMessageW(panel.GetDialogWindow(), WM_TIMER, 2, 0);
    EXPECT_DOUBLE_EQ(panel.moment.hours, 13.0);
    panel.ControlPanelWindowClosing(&window);
    EXPECT_TRUE(panel.TimePart()->IsAnimating());
    panel.ControlPanelWindowClosing(&second);
    EXPECT_EQ(Text(kAnimateItem), "&Animate");
}

}  // namespace
}  // namespace corvinata
