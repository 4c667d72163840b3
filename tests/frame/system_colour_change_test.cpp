// A change of the system colours in the real frame: the controls that only
// hear of it from the program hear of it once each and take the night's
// colours, and night vision goes on working afterwards.
#include "frame/system_colour_change.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

#include "app/app_interfaces.h"
#include "controls/night_colours.h"
#include "frame/modal_driver.h"
#include "frame/time_appearance_dialogs.h"
#include "frame_test.h"
#include "resources/event_tools_ids.h"
#include "resources/resource_ids.h"
#include "support/drawn_pixels_win.h"
#include "support/pointer_away_win.h"
#include "toolbar_pictures.h"

namespace corvinata {
namespace {

// Counts the WM_SYSCOLORCHANGE messages a control receives.
LRESULT CALLBACK CountColourChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR counter) {
    if (message == WM_SYSCOLORCHANGE) ++*reinterpret_cast<int*>(counter);
    return DefSubclassProc(window, message, wParam, lParam);
}

constexpr UINT_PTR kCounterId = 0x5343;  // "SC"

class SystemColourChangeTest : public test::FrameTest {
protected:
    SystemColourChangeTest() {
        StartAsProgram();
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
    }
    ~SystemColourChangeTest() override {
        for (auto& [control, count] : counts_) RemoveWindowSubclass(control, &CountColourChanges, kCounterId);
    }
    void Watch(HWND control) { SetWindowSubclass(control, &CountColourChanges, kCounterId,
                                                 reinterpret_cast<DWORD_PTR>(&counts_[control])); }
    HWND PanelControl(int kind, int id) const {
        const ControlPanel* panel = frame_->Children().PanelOf(kind);
        return panel ? GetDlgItem(panel->GetDialogWindow(), id) : nullptr;
    }
    HWND ToolControl(int command, int id) const {
        const ToolWindow* tool = frame_->Tools().Find(command);
        return tool ? GetDlgItem(tool->Window(), id) : nullptr;
    }
    void SwitchNightVision() {
        test::ModalDriver::Run([](test::ModalDriver& d, HWND) {
            d.Focus(kIdNightVision);
            d.Key(VK_SPACE);
            d.Key(VK_RETURN);
        }, [&] { Command(CMD_APPEARANCE); return 0; });
    }

    std::map<HWND, int> counts_;
};

TEST_F(SystemColourChangeTest, EachControlThatDrawsWithSystemColoursHearsOfItOnce) {
    const struct Case {
        const char* where;
        HWND control;
    } cases[] = {
        {"Sky panel slider", PanelControl(kSkyWindow, 20867)},
        {"Solar System panel list", PanelControl(kSolarSystemWindow, 20741)},
        {"Solar System panel slider", PanelControl(kSolarSystemWindow, 20867)},
        {"Graph panel list", PanelControl(kGraphWindow, 20741)},
        {"Picture panel list", PanelControl(kPictureWindow, 20741)},
        {"Jupiter panel list", PanelControl(kJupiterExplorerWindow, 20741)},
        {"Jupiter panel slider", PanelControl(kJupiterExplorerWindow, 20867)},
        {"Saturn panel list", PanelControl(kSaturnExplorerWindow, 20741)},
        {"Saturn panel slider", PanelControl(kSaturnExplorerWindow, 20867)},
        {"Solar Eclipse panel zoom", PanelControl(kSolarEclipseWindow, 20869)},
        {"Window Manager list", GetDlgItem(frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST)},
        {"Related Tasks list", GetDlgItem(frame_->PaneWindow(CMD_VIEW_RELATED_TASKS), IDC_PANE_LIST)},
        {"Event Finder results", ToolControl(CMD_EVENT_FINDER, IDC_EF_RESULTS)},
        {"Event Forecast list", ToolControl(CMD_EVENT_FORECAST, IDC_EFC_LIST)},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.where;
        Watch(c.control);
    }
    SendMessageW(frame_->Window(), WM_SYSCOLORCHANGE, 0, 0);
    for (const Case& c : cases) EXPECT_EQ(counts_[c.control], 1) << c.where;
}

// Pixels of a control as the screen shows it that are not a red shade.
int DaylightPixels(HWND control) {
    int width = 0, height = 0;
    const auto pixels = test::ShownOnScreen(control, width, height);
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](std::uint32_t p) {
        return ((p >> 8) & 0xFF) > 40 || (p & 0xFF) > 40;
    }));
}

// The toolbar's pictures and the shades stay those of the night, and night
// vision still switches off and on afterwards.
TEST_F(SystemColourChangeTest, NightVisionKeepsWorkingAfterIt) {
    HWND toolbar = frame_->Toolbar().Window();
    HWND tasks = GetDlgItem(frame_->PaneWindow(CMD_VIEW_RELATED_TASKS), IDC_PANE_LIST);
    ASSERT_FALSE(test::ShowsNightPictures(toolbar));
    SwitchNightVision();
    ASSERT_TRUE(test::ShowsNightPictures(toolbar));

    SendMessageW(frame_->Window(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_TRUE(test::ShowsNightPictures(toolbar));
    EXPECT_TRUE(ProgramColoursAtNight());
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tasks, LVM_GETTEXTCOLOR, 0, 0)), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tasks, LVM_GETBKCOLOR, 0, 0)), RGB(0, 0, 0));

    SwitchNightVision();
    EXPECT_FALSE(test::ShowsNightPictures(toolbar));
    EXPECT_FALSE(ProgramColoursAtNight());
    SendMessageW(frame_->Window(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_FALSE(test::ShowsNightPictures(toolbar));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tasks, LVM_GETTEXTCOLOR, 0, 0)), RGB(0, 0, 0xFF));
    SwitchNightVision();
    EXPECT_TRUE(test::ShowsNightPictures(toolbar));
}

// The lists that keep their own copy of the system colours take the night's
// when they hear of the switch: their rows, selected row and header are red
// on the screen.
TEST_F(SystemColourChangeTest, AtNightTheListsWithTheirHeadersAndSelectionAreRed) {
    test::PutPointerWhereItShowsNothing();
    SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER);
    MdiChildWindow* solar = frame_->Children().NewWindow(kSolarSystemWindow);
    ASSERT_NE(solar, nullptr);
    HWND planets = PanelControl(kSolarSystemWindow, 20741);
    HWND windows = GetDlgItem(frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST);
    ASSERT_TRUE(planets && windows);
    ListView_SetItemState(planets, 0, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(windows, 0, LVIS_SELECTED, LVIS_SELECTED);
    SwitchNightVision();
    // The frame, back from the Appearance dialog (its activation comes
    // from the X server, a while later), hands the keys to the panel's
    // list; they go back to the window, as the panel's Escape gives them:
    // the focus frame the list draws by inverting is not looked at here.
    const HWND panel = GetParent(planets);
    RunMessagesUntil([panel] { return IsChild(panel, GetFocus()) != FALSE; }, 5000);
    for (HWND list : {planets, windows}) {
        int daylight = -1;
        RunMessagesUntil([&] {
            SetFocus(solar->Handle());
            RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            daylight = DaylightPixels(list);
            return daylight == 0;
        }, 5000);
        EXPECT_GT(ListView_GetItemCount(list), 0);
        EXPECT_EQ(daylight, 0) << (list == planets ? "the planets" : "the windows");
    }
    SwitchNightVision();
}

}  // namespace
}  // namespace corvinata
