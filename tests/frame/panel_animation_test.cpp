// A running animation of a control panel follows the windows of its kind:
// another window of the kind activated meanwhile is the one the ticks step,
// each window's history keeps the part of the run it showed, and only the
// closing of the window stepped ends the run.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/date_time.h"
#include "base/time_systems.h"
#include "controls/control_panel.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "views/explorer_window_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {
namespace {

struct AnimatedKind {
    const char* name;
    int command;  // Window > New
    int kind;
};

const AnimatedKind kAnimatedKinds[] = {
    {"Sky", CMD_NEW_SKY, kSkyWindow},
    {"SolarSystem", CMD_NEW_SOLAR_SYSTEM, kSolarSystemWindow},
    {"Jupiter", CMD_NEW_JUPITER, kJupiterExplorerWindow},
    {"Saturn", CMD_NEW_SATURN, kSaturnExplorerWindow},
};

// The moment a window shows, as days from a fixed origin.
double DayOf(MdiChildWindow& window) {
    DateTime moment;
    if (auto* sky = dynamic_cast<SkyWindow*>(&window)) moment = sky->GetSkyDocument().GetTimeAndPlace().dateTime;
    if (auto* solar = dynamic_cast<SolarSystemWindow*>(&window)) moment = solar->SolarDocument().GetDateTime();
    if (auto* explorer = dynamic_cast<ExplorerWindow*>(&window)) {
        moment = explorer->GetDocument().GetTimeAndPlace().dateTime;
    }
    return DateTimeToJulianDay(moment);
}

class PanelAnimationTest : public test::FrameTest, public ::testing::WithParamInterface<AnimatedKind> {
protected:
    PanelAnimationTest() {
        static test::ScopedCatalogues catalogues;
        StartAsProgram();
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 880, SWP_NOZORDER);
        SetForegroundWindow(frame_->Window());
    }
    ~PanelAnimationTest() override {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    MdiChildWindow* Open() {
        Command(GetParam().command);
        if (!frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL)) Command(CMD_VIEW_CONTROL_PANEL);
        return frame_->Children().ActiveWindow();
    }
    void Activate(MdiChildWindow& window) {
        SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window.Handle()), 0);
    }
    ControlPanel& Panel() const { return *frame_->Children().PanelOf(GetParam().kind); }
    HWND Dialog() const { return Panel().GetDialogWindow(); }
    std::wstring AnimateText() const {
        wchar_t text[32] = {};
        GetDlgItemTextW(Dialog(), kAnimateItem, text, 32);
        return text;
    }
    void PressAnimate() {
        SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(kAnimateItem, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(Dialog(), kAnimateItem)));
        // The test makes the ticks itself, one at a time.
        KillTimer(Dialog(), Panel().TimePart()->Config().timerId);
    }
    void Tick() { SendMessageW(Dialog(), WM_TIMER, Panel().TimePart()->Config().timerId, 0); }
    static int Steps(MdiChildWindow& window) { return window.History()->UndoableCount(); }
};

// Another window of the kind activated stopped the animation. It goes on
// there: the ticks step that window, the part of the run the first window
// showed is one step of its own, the first window's closing leaves the run
// going and Stop makes the rest one step of the second window. Closing the
// window stepped ends a run.
TEST_P(PanelAnimationTest, GoesOnInTheWindowOfTheKindActivatedNext) {
    MdiChildWindow* first = Open();
    MdiChildWindow* second = Open();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(first, second);
    ASSERT_NE(first->History(), nullptr);
    Activate(*first);
    SetDlgItemTextW(Dialog(), kStepCountItem, L"1");
    SendDlgItemMessageW(Dialog(), kStepUnitItem, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(L"Days"));
    const int firstSteps = Steps(*first);
    const int secondSteps = Steps(*second);
    PressAnimate();
    ASSERT_EQ(AnimateText(), L"&Stop");
    const double firstStart = DayOf(*first);
    Tick();
    EXPECT_NEAR(DayOf(*first), firstStart + 1.0, 1e-6);

    Activate(*second);
    ASSERT_EQ(frame_->Children().ActiveWindow(), second);
    EXPECT_EQ(AnimateText(), L"&Stop");
    const double secondStart = DayOf(*second);
    Tick();
    EXPECT_NEAR(DayOf(*second), secondStart + 1.0, 1e-6);
    EXPECT_EQ(Steps(*first), firstSteps + 1);

    SendMessageW(first->Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(frame_->Children().ActiveWindow(), second);
    EXPECT_EQ(AnimateText(), L"&Stop");
    Tick();
    EXPECT_NEAR(DayOf(*second), secondStart + 2.0, 1e-6);
    PressAnimate();
    EXPECT_EQ(AnimateText(), L"&Animate");
    EXPECT_EQ(Steps(*second), secondSteps + 1);
    second->History()->UndoCommands(1);
    EXPECT_NEAR(DayOf(*second), secondStart, 1e-6);

    PressAnimate();
    ASSERT_EQ(AnimateText(), L"&Stop");
    SendMessageW(second->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(AnimateText(), L"&Animate");
    EXPECT_FALSE(Panel().TimePart()->IsAnimating());
}

// A run the end of the dates stopped stayed open: the next run joined it,
// and one undo went back past both. Each run is a step of its own.
TEST_P(PanelAnimationTest, ARunStoppedAtTheEndOfTheDatesIsAStepOfItsOwn) {
    MdiChildWindow* window = Open();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->History(), nullptr);
    const auto setStep = [this](const wchar_t* count, const wchar_t* unit) {
        SetDlgItemTextW(Dialog(), kStepCountItem, count);
        SendDlgItemMessageW(Dialog(), kStepUnitItem, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(unit));
    };
    const int steps = Steps(*window);
    const double start = DayOf(*window);
    setStep(L"900", L"Years");
    PressAnimate();
    Tick();
    Tick();  // beyond the year 3000
    ASSERT_EQ(AnimateText(), L"&Animate");
    const double firstEnd = DayOf(*window);
    ASSERT_GT(firstEnd, start + 300000.0);

    setStep(L"1", L"Days");
    PressAnimate();
    Tick();
    PressAnimate();
    EXPECT_NEAR(DayOf(*window), firstEnd + 1.0, 1e-6);
    EXPECT_EQ(Steps(*window), steps + 2);
    window->History()->UndoCommands(1);
    EXPECT_NEAR(DayOf(*window), firstEnd, 1e-6);
    window->History()->UndoCommands(1);
    EXPECT_NEAR(DayOf(*window), start, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(EveryKindWithAnimate, PanelAnimationTest, ::testing::ValuesIn(kAnimatedKinds),
                         [](const ::testing::TestParamInfo<AnimatedKind>& info) { return info.param.name; });

}  // namespace
}  // namespace corvinata
