// The Sky control panel and the Sky Options dialog on real Sky windows in
// the real frame, driven by the messages their controls send.
#include <windows.h>

#include <GL/gl.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../frame/frame_test.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue.h"
#include "catalog/event_kinds.h"
#include "catalog/catalogue_registry.h"
#include "frame/program_fonts.h"
#include "frame/trackbar_control.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "views/sky_display_win.h"
#include "views/sky_options_dialog_win.h"
#include "views/sky_panel_win.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

std::wstring ItemText(HWND dialog, int item) {
    wchar_t text[200] = {};
    GetDlgItemTextW(dialog, item, text, 200);
    return text;
}

// Runs `script` on the Sky Options dialog once it shows.
std::function<void(HWND)> g_dialogScript;

BOOL CALLBACK FindOptionsDialog(HWND window, LPARAM found) {
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (IsWindowVisible(window) && std::wstring(caption) == L"Sky Options") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK RunDialogScript(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindOptionsDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr || !g_dialogScript) return;
    KillTimer(nullptr, timer);
    auto script = std::move(g_dialogScript);
    g_dialogScript = nullptr;
    script(dialog);
}

void SelectTab(HWND dialog, int tab) {
    HWND control = GetDlgItem(dialog, kSkyOptionsTabItem);
    NMHDR header{control, static_cast<UINT_PTR>(kSkyOptionsTabItem), static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageW(dialog, WM_NOTIFY, kSkyOptionsTabItem, reinterpret_cast<LPARAM>(&header));
    SendMessageW(control, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageW(dialog, WM_NOTIFY, kSkyOptionsTabItem, reinterpret_cast<LPARAM>(&header));
}

void Click(HWND page, int item) {
    SendMessageW(GetDlgItem(page, item), BM_CLICK, 0, 0);
}

class SkyPanelTest : public test::FrameTest {
protected:
    SkyPanelTest() {
        Start(false);
        UseCustomControls();
        ShowWindow(frame_->Window(), SW_SHOW);
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ~SkyPanelTest() override {
        if (frame_) Command(CMD_CLOSE_ALL);
        frame_.reset();
        fonts_.reset();
    }
    SkyWindow& NewSky() {
        Command(CMD_NEW_SKY);
        auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
        EXPECT_NE(sky, nullptr);
        return *sky;
    }
    SkyControlPanel& Panel() {
        auto* panel = dynamic_cast<SkyControlPanel*>(frame_->Children().PanelOf(kSkyWindow));
        EXPECT_NE(panel, nullptr);
        return *panel;
    }
    HWND PanelDialog() {
        auto* panel = dynamic_cast<SkyControlPanel*>(frame_->Children().PanelOf(kSkyWindow));
        return panel ? panel->GetDialogWindow() : nullptr;
    }
    void Press(int item) {
        SendMessageW(PanelDialog(), WM_COMMAND, MAKEWPARAM(item, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(PanelDialog(), item)));
    }
    // The slider dragged through `positions`, then let go.
    void Drag(std::initializer_list<int> positions) {
        HWND slider = GetDlgItem(PanelDialog(), kSkyZoomSliderItem);
        const int start = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
        int last = start;
        for (const int position : positions) {
            SendMessageW(slider, TBM_SETPOS, TRUE, position);
            SendMessageW(PanelDialog(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                         reinterpret_cast<LPARAM>(slider));
            last = position;
        }
        SendMessageW(PanelDialog(), kTrackbarMovedMessage, MAKEWPARAM(start, last), reinterpret_cast<LPARAM>(slider));
    }
    static int Steps(SkyWindow& sky) { return sky.GetCommandHistory().UndoableCount(); }
    // Opens "Sky &Options..." from the display's menu and runs `script` in it.
    void RunOptionsDialog(SkyWindow& sky, std::function<void(HWND)> script) {
        g_dialogScript = std::move(script);
        SetTimer(nullptr, 0, 30, &RunDialogScript);
        SendMessageW(sky.Display()->Window(), WM_COMMAND, MAKEWPARAM(CMD_SKY_OPTIONS, 0), 0);
        ASSERT_FALSE(g_dialogScript) << "the dialog never showed";
    }

    std::unique_ptr<ProgramFonts> fonts_;
};

TEST_F(SkyPanelTest, ThePanelShowsTheActiveSkyWindowAndFollowsIt) {
    SkyWindow& first = NewSky();
    ASSERT_NE(PanelDialog(), nullptr);
    ASSERT_NE(GetDlgItem(PanelDialog(), kSkyDialItem), nullptr);
    EXPECT_TRUE(IsWindowVisible(PanelDialog()));
    EXPECT_EQ(Panel().GetAttachedWindow(), static_cast<PanelWindow*>(&first));
    EXPECT_EQ(ItemText(PanelDialog(), kSkyZoomTextItem), L"60.00");
    first.SetZoom(90);
    SkyWindow& second = NewSky();
    EXPECT_EQ(Panel().GetAttachedWindow(), static_cast<PanelWindow*>(&second));
    EXPECT_EQ(ItemText(PanelDialog(), kSkyZoomTextItem), L"60.00");
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first.Handle()), 0);
    EXPECT_EQ(Panel().GetAttachedWindow(), static_cast<PanelWindow*>(&first));
    EXPECT_EQ(ItemText(PanelDialog(), kSkyZoomTextItem), L"90.00");
}

TEST_F(SkyPanelTest, ASliderDragIsOneZoomStepAndADragBackIsNone) {
    SkyWindow& sky = NewSky();
    const int before = Steps(sky);
    Drag({80, 120, 60});
    EXPECT_EQ(Steps(sky), before);
    EXPECT_EQ(sky.GetZoom(), 60);
    Drag({90, 100});
    EXPECT_EQ(Steps(sky), before + 1);
    EXPECT_EQ(sky.GetZoom(), 100);
    sky.GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(sky.GetZoom(), 60);
}

TEST_F(SkyPanelTest, LookStepsFollowTheFieldOfViewAndTheTopAndBottomDisableTheirButton) {
    SkyWindow& sky = NewSky();
    struct Case {
        int zoom;
        double step;
    } const cases[] = {{60, 30.0}, {180, 90.0}, {10, 6.0}};
    for (const Case& c : cases) {
        sky.SetViewDirection(ViewDirection{100.0, 0.0});
        sky.SetZoom(c.zoom);
        Press(kSkyLookUpItem);
        EXPECT_DOUBLE_EQ(sky.GetViewDirection().altitude, c.step) << c.zoom;
        Press(kSkyTurnLeftItem);
        EXPECT_DOUBLE_EQ(sky.GetViewDirection().azimuth, 100.0 + c.step) << c.zoom;
    }
    sky.SetViewDirection(ViewDirection{0.0, 0.0});
    sky.SetZoom(180);
    SetFocus(GetDlgItem(PanelDialog(), kSkyLookUpItem));
    Press(kSkyLookUpItem);
    EXPECT_DOUBLE_EQ(sky.GetViewDirection().altitude, 90.0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(PanelDialog(), kSkyLookUpItem)));
    EXPECT_EQ(GetFocus(), GetDlgItem(PanelDialog(), kSkyLookDownItem));
    Press(kSkyLookDownItem);
    Press(kSkyLookDownItem);
    EXPECT_DOUBLE_EQ(sky.GetViewDirection().altitude, -90.0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(PanelDialog(), kSkyLookDownItem)));
    EXPECT_EQ(GetFocus(), GetDlgItem(PanelDialog(), kSkyLookUpItem));
}

TEST_F(SkyPanelTest, HorizontalRelabelsAtOnceAndTheSunHasNoMagnitudeOrPhase) {
    SkyWindow& sky = NewSky();
    const CelestialObject* sun = CatalogueByType(kBodySun)->CatalogueGetObjectAt(0);
    BodyIdentifier id;
    BodyIdentifierInit(id, sun, nullptr, nullptr);
    sky.SelectBody(id, 0, 0, 0);
    sky.UpdateView(0, true);
    HWND panel = PanelDialog();
    EXPECT_EQ(ItemText(panel, kSkyFirstLabelItem), L"Right ascension");
    EXPECT_NE(ItemText(panel, kSkyFirstValueItem), L"");
    SendDlgItemMessageW(panel, kSkyCoordinateSystemItem, CB_SETCURSEL, 2, 0);
    SendMessageW(panel, WM_COMMAND, MAKEWPARAM(kSkyCoordinateSystemItem, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(panel, kSkyCoordinateSystemItem)));
    EXPECT_EQ(ItemText(panel, kSkyFirstLabelItem), L"Azimuth");
    EXPECT_EQ(ItemText(panel, kSkySecondLabelItem), L"Altitude");
    for (const int item : {kSkyMagnitudeItem, kSkyPhaseItem}) {
        EXPECT_EQ(ItemText(panel, item), L"") << item;
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, item))) << item;
    }
}

TEST_F(SkyPanelTest, AWindowWithoutSelectionShowsTheObjectFieldsEmptyAndDisabled) {
    SkyWindow& sky = NewSky();
    sky.SelectBody(BodyIdentifier{}, 0, 0, 0);
    sky.UpdateView(0, true);
    HWND panel = PanelDialog();
    for (const int item : {kSkyFirstValueItem, kSkySecondValueItem, kSkyMagnitudeItem, kSkyPhaseItem}) {
        EXPECT_EQ(ItemText(panel, item), L"") << item;
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, item))) << item;
    }
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, kSkyHighlightItem)));
}

TEST_F(SkyPanelTest, AnAnimationRunIsOneStepUndoneToWhereItStarted) {
    SkyWindow& sky = NewSky();
    const DateTime start = sky.GetDocument().GetTimeAndPlace().dateTime;
    const int before = Steps(sky);
    Press(kAnimateItem);
    for (int tick = 0; tick < 10; ++tick) SendMessageW(PanelDialog(), WM_TIMER, 7301, 0);
    EXPECT_EQ(Steps(sky), before);
    Press(kAnimateItem);
    EXPECT_EQ(ItemText(PanelDialog(), kAnimateItem), L"&Animate");
    EXPECT_EQ(Steps(sky), before + 1);
    EXPECT_NEAR(DateTimeDifferenceDays(sky.GetDocument().GetTimeAndPlace().dateTime, start), 10.0 / 1440.0, 1e-9);
    sky.GetCommandHistory().UndoCommands(1);
    EXPECT_TRUE(DateTimeEqual(sky.GetDocument().GetTimeAndPlace().dateTime, start));
}

TEST_F(SkyPanelTest, OptionsDialogCancelKeepsEverythingAndOkIsOneStep) {
    SkyWindow& sky = NewSky();
    const SkyOptions original = sky.GetOptions();
    const bool fixed = app_->GetStarsFixed();
    const int before = Steps(sky);
    RunOptionsDialog(sky, [](HWND dialog) {
        Click(SkyOptionsCurrentPage(), kShowEclipticItem);
        Click(SkyOptionsCurrentPage(), kStarsFixedItem);
        SelectTab(dialog, 3);
        Click(SkyOptionsCurrentPage(), kConstellationLinesItem);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(SkyOptionsEqual(sky.GetOptions(), original));
    EXPECT_EQ(app_->GetStarsFixed(), fixed);
    EXPECT_EQ(Steps(sky), before);

    RunOptionsDialog(sky, [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(Steps(sky), before) << "OK without a change records nothing";

    RunOptionsDialog(sky, [](HWND dialog) {
        SelectTab(dialog, 0);
        Click(SkyOptionsCurrentPage(), kShowEclipticItem);
        SelectTab(dialog, 4);
        SelectTab(dialog, 0);
        EXPECT_EQ(IsDlgButtonChecked(SkyOptionsCurrentPage(), kShowEclipticItem), BST_UNCHECKED)
            << "General -> Deep Sky -> General keeps the edit";
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_FALSE(sky.GetOptions().eclipticOn);
    ASSERT_EQ(Steps(sky), before + 1);
    const CommandGroup* step = sky.GetCommandHistory().PeekUndoCommand();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(step->GetText(true).Text())), L"Change Sky Options");
}

TEST_F(SkyPanelTest, GridTypeNoneDisablesBothGridBoxesAndTheDialogReopensOnItsTab) {
    SkyWindow& sky = NewSky();
    RunOptionsDialog(sky, [](HWND dialog) {
        HWND page = SkyOptionsCurrentPage();
        HWND grid = GetDlgItem(page, kGridTypeItem);
        SendMessageW(grid, CB_SETCURSEL, 0, 0);  // "Horizontal"
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(kGridTypeItem, CBN_SELCHANGE), reinterpret_cast<LPARAM>(grid));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, kGridLabelsItem)));
        SendMessageW(grid, CB_SETCURSEL, 2, 0);  // "None"
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(kGridTypeItem, CBN_SELCHANGE), reinterpret_cast<LPARAM>(grid));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kGridLabelsItem)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kGridCrossesItem)));
        SelectTab(dialog, 2);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    RunOptionsDialog(sky, [](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, kSkyOptionsTabItem, TCM_GETCURSEL, 0, 0), 2);
        EXPECT_NE(GetDlgItem(SkyOptionsCurrentPage(), kMagnitudeLimitItem), nullptr);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    app_->DialogStates().skyOptions.currentTab = 7;
    RunOptionsDialog(sky, [](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, kSkyOptionsTabItem, TCM_GETCURSEL, 0, 0), 0);
        EXPECT_NE(GetDlgItem(SkyOptionsCurrentPage(), kShowSunItem), nullptr);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(SkyPanelTest, AnUntouchedMagnitudeAndNamesNoneSurviveOk) {
    SkyWindow& sky = NewSky();
    SkyOptions options = sky.GetOptions();
    options.magnitudeLimit = 6.55;
    options.deepSkyCatalogue = 1;
    options.deepSkyNameSystem = 5;
    sky.SetOptions(options);
    const int before = Steps(sky);
    RunOptionsDialog(sky, [](HWND dialog) {
        SelectTab(dialog, 4);
        EXPECT_EQ(ItemText(SkyOptionsCurrentPage(), kDeepSkyNamesItem), L"None");
        SelectTab(dialog, 2);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(sky.GetOptions().magnitudeLimit, 6.55);
    EXPECT_EQ(Steps(sky), before);
}

TEST_F(SkyPanelTest, ARiseLinkGoesToTheEvaluatedRiseAsOneStep) {
    SkyWindow& sky = NewSky();
    const CelestialObject* sun = CatalogueByType(kBodySun)->CatalogueGetObjectAt(0);
    BodyIdentifier id;
    BodyIdentifierInit(id, sun, nullptr, nullptr);
    sky.SelectBody(id, 0, 0, 0);
    sky.UpdateView(0, true);
    const TimeAndPlace moment = sky.GetDocument().GetTimeAndPlace();
    const double riseUt = EvaluateBodyFunction(*sun, kFunctionRise, kUniversalTime, moment);
    ASSERT_TRUE(riseUt >= 0.0 && riseUt < 24.0) << "the Sun rises at the default place";
    HWND link = GetDlgItem(PanelDialog(), kSkyRiseItem);
    ASSERT_TRUE(IsWindowEnabled(link));
    const int before = Steps(sky);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(Steps(sky), before + 1);
    DateTime now = sky.GetDocument().GetTimeAndPlace().dateTime;
    ConvertTimeSystemAt(now, kUniversalTime, moment.place.longitude.GetValue(), moment.place.timeZone.hours,
                        moment.daylightSaving);
    EXPECT_NEAR(now.hours, riseUt, 1.0 / 3600.0);
}

TEST_F(SkyPanelTest, SwitchingTheEclipticOffInTheDialogRemovesItsGreen) {
    SkyWindow& sky = NewSky();
    ASSERT_NE(sky.Display()->Renderer(), nullptr) << "no GL context";
    // Looking along the ecliptic: at the Sun, in the equatorial map.
    SkyOptions options = sky.GetOptions();
    options.mapType = 1;
    options.constellationLinesOn = false;
    options.constellationBoundariesOn = false;
    options.gridType = 0;
    sky.SetOptions(options);
    const CelestialObject* sun = CatalogueByType(kBodySun)->CatalogueGetObjectAt(0);
    sky.SetViewDirection(sky.ComputeLookDirection(sky.BodyPosition(*sun), 60));
    sky.UpdateView(0, true);
    auto green = [&sky] {
        SkyDisplay& display = *sky.Display();
        RECT client{};
        GetClientRect(display.Window(), &client);
        display.Renderer()->SkyRenderFrame();
        std::vector<unsigned char> rgba(static_cast<std::size_t>(client.right) * client.bottom * 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, client.right, client.bottom, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int count = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            if (rgba[i + 1] > rgba[i] + 60 && rgba[i + 1] > rgba[i + 2] + 60) ++count;
        }
        return count;
    };
    const int before = green();
    ASSERT_GT(before, 50) << "the ecliptic is drawn";
    RunOptionsDialog(sky, [](HWND dialog) {
        SelectTab(dialog, 0);
        Click(SkyOptionsCurrentPage(), kShowEclipticItem);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_FALSE(sky.GetOptions().eclipticOn);
    EXPECT_LT(green(), before / 10);
}

}  // namespace
}  // namespace corvinata
