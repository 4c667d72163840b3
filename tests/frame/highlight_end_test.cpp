// The end of a selection's highlight gives the kind's control panel back the
// controls it disabled for it, whichever window the user went to meanwhile,
// and the keys to its button while the panel is shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "typed_keys.h"
#include "views/explorer_panel_win.h"
#include "views/explorer_window_win.h"
#include "views/sky_display_win.h"
#include "views/sky_panel_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_panel_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {
namespace {

struct HighlightKind {
    const char* name;
    int command;  // Window > New
    int kind;
    // The panel's controls that wait for the highlight's end.
    std::vector<int> controls;
    UINT_PTR timer;  // the display's timer that ends it
};

const HighlightKind kHighlightKinds[] = {
    {"Jupiter", CMD_NEW_JUPITER, kJupiterExplorerWindow, {kExplorerHighlightItem, kExplorerMoonListItem},
     kExplorerHighlightTimer},
    {"Saturn", CMD_NEW_SATURN, kSaturnExplorerWindow, {kExplorerHighlightItem, kExplorerMoonListItem},
     kExplorerHighlightTimer},
    {"Sky", CMD_NEW_SKY, kSkyWindow, {kSkyHighlightItem}, kHighlightTimer},
    {"SolarSystem", CMD_NEW_SOLAR_SYSTEM, kSolarSystemWindow, {kSolarHighlight, kSolarPlanetList},
     kSolarHighlightTimer},
};

struct HighlightCase {
    const HighlightKind* kind;
    bool sameKind;  // the window gone to meanwhile: another of the kind, or of another kind
};

class HighlightEndTest : public test::FrameTest, public ::testing::WithParamInterface<HighlightCase> {
protected:
    HighlightEndTest() {
        static test::ScopedCatalogues catalogues;
        StartAsProgram();
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 880, SWP_NOZORDER);
        SetForegroundWindow(frame_->Window());
    }
    ~HighlightEndTest() override {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    MdiChildWindow* Open(int command) {
        Command(command);
        if (!frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL)) Command(CMD_VIEW_CONTROL_PANEL);
        return frame_->Children().ActiveWindow();
    }
    void Activate(MdiChildWindow& window) {
        SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window.Handle()), 0);
    }
    HWND Dialog(int kind) const { return frame_->Children().PanelOf(kind)->GetDialogWindow(); }
    // The controls of the list that are enabled, by their identifiers.
    std::vector<int> Enabled(int kind, const std::vector<int>& controls) const {
        std::vector<int> enabled;
        for (int id : controls) {
            if (IsWindowEnabled(GetDlgItem(Dialog(kind), id))) enabled.push_back(id);
        }
        return enabled;
    }
    static HWND DisplayOf(MdiChildWindow& window) {
        if (auto* explorer = dynamic_cast<ExplorerWindow*>(&window)) return explorer->Display()->Window();
        if (auto* sky = dynamic_cast<SkyWindow*>(&window)) return sky->Display()->Window();
        if (auto* solar = dynamic_cast<SolarSystemWindow*>(&window)) return solar->Display()->Window();
        return nullptr;
    }
    // A window of the case's kind (a Sky's with a selection: it offers its
    // highlight only for one) and the case's other window; the first one
    // active.
    void OpenWithOther(MdiChildWindow*& window, MdiChildWindow*& other) {
        const HighlightKind& k = *GetParam().kind;
        window = Open(k.command);
        ASSERT_NE(window, nullptr);
        if (auto* sky = dynamic_cast<SkyWindow*>(window)) {
            app_->GetSkyActions().SelectPair(*sky, BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0)), 0, 0,
                                             0, nullptr);
        }
        const int otherCommand =
            GetParam().sameKind ? k.command : k.kind == kSkyWindow ? CMD_NEW_JUPITER : CMD_NEW_SKY;
        other = Open(otherCommand);
        ASSERT_NE(other, nullptr);
        Activate(*window);
    }
};

// "&Highlight" pressed, another window activated before the ring went (a
// second window of the kind, or one of another kind, by Ctrl+F6), the
// ring's timer: back at the window, the panel offers its controls again.
TEST_P(HighlightEndTest, ThePanelsControlsComeBackAfterAnotherWindowWasActivated) {
    const HighlightKind& k = *GetParam().kind;
    MdiChildWindow* window = nullptr;
    MdiChildWindow* other = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenWithOther(window, other));
    ASSERT_EQ(Enabled(k.kind, k.controls), k.controls);

    const HWND button = GetDlgItem(Dialog(k.kind), k.controls.front());
    SendMessageW(Dialog(k.kind), WM_COMMAND, MAKEWPARAM(k.controls.front(), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    ASSERT_EQ(Enabled(k.kind, k.controls), std::vector<int>{});
    Activate(*other);
    const HWND display = DisplayOf(*window);
    ASSERT_TRUE(KillTimer(display, k.timer));
    SendMessageW(display, WM_TIMER, k.timer, 0);
    Activate(*window);
    EXPECT_EQ(Enabled(k.kind, k.controls), k.controls);
}

// "&Highlight" pressed with the keys on it, Ctrl+F6 before the ring went,
// the ring's timer: the panel shown for another window of the kind has the
// keys on its button again, as when the user waited at the window; a panel
// hidden for another kind takes none.
TEST_P(HighlightEndTest, TheRingsEndPutsTheKeysOnTheButtonOfAShownPanelOnly) {
    const HighlightKind& k = *GetParam().kind;
    MdiChildWindow* window = nullptr;
    MdiChildWindow* other = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenWithOther(window, other));
    test::TypedKeys typed(*frame_, modeless_);
    typed.RunLoop();
    const HWND dialog = Dialog(k.kind);
    const HWND button = GetDlgItem(dialog, k.controls.front());
    SetFocus(button);
    ASSERT_EQ(GetFocus(), button);

    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(k.controls.front(), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    const HWND display = DisplayOf(*window);
    ASSERT_TRUE(KillTimer(display, k.timer));  // the test ends the ring itself
    typed.Keys({{VK_CONTROL, VK_F6}});
    ASSERT_EQ(frame_->Children().ActiveWindow(), other);
    SendMessageW(display, WM_TIMER, k.timer, 0);
    const HWND focus = GetFocus();
    if (GetParam().sameKind) {
        EXPECT_EQ(focus, button) << "the keys on #" << (focus ? GetDlgCtrlID(focus) : 0);
    } else {
        EXPECT_FALSE(focus != nullptr && IsChild(dialog, focus)) << "the keys on #" << GetDlgCtrlID(focus);
    }
}

std::vector<HighlightCase> EveryKindAndWindowGoneTo() {
    std::vector<HighlightCase> cases;
    for (const HighlightKind& kind : kHighlightKinds) {
        for (bool sameKind : {true, false}) cases.push_back({&kind, sameKind});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, HighlightEndTest, ::testing::ValuesIn(EveryKindAndWindowGoneTo()),
                         [](const ::testing::TestParamInfo<HighlightCase>& info) {
                             return std::string(info.param.kind->name) +
                                    (info.param.sameKind ? "_ToAnotherOfTheKind" : "_ToAnotherKind");
                         });

}  // namespace
}  // namespace corvinata
