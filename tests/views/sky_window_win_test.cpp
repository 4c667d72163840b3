// Sky windows in the real frame: opened by the program's own start-up
// wiring, driven by real messages, their pixels read back from their GL
// context.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <string>

#include "shown_frames.h"
#include "sky_frame_test.h"
#include "base/date_time_text.h"
#include "catalog/catalogue_registry.h"
#include "support/date_records.h"
#include "support/pointer_away_win.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::KeyStep;
using test::Pixel;
using test::TypedKeys;

class SkyWindowTest : public test::SkyFrameTest {
protected:
    // The centre of the white pixels within `radius` of (x, y); false when
    // there are none. On a busy machine the X server may take a new
    // window's drawable to its size only after a frame or two are drawn, so
    // that the point falls outside what was read; a later frame is read
    // then, up to a couple of seconds on.
    static bool WhiteCentre(SkyWindow& sky, int x, int y, int radius, double& cx, double& cy, int& count) {
        for (int attempt = 0; attempt < 40; ++attempt) {
            if (attempt > 0) Sleep(50);
            if (WhiteCentreOfFrame(sky, x, y, radius, cx, cy, count)) return true;
        }
        return false;
    }
    static bool WhiteCentreOfFrame(SkyWindow& sky, int x, int y, int radius, double& cx, double& cy, int& count) {
        int width = 0;
        int height = 0;
        const std::vector<Pixel> pixels = ReadFrame(sky, width, height);
        count = 0;
        cx = cy = 0.0;
        for (int py = y - radius; py <= y + radius; ++py) {
            for (int px = x - radius; px <= x + radius; ++px) {
                if (px < 0 || py < 0 || px >= width || py >= height) continue;
                const Pixel& p = pixels[static_cast<std::size_t>(py) * width + px];
                if (p.r < 250 || p.g < 250 || p.b < 250) continue;
                cx += px;
                cy += py;
                ++count;
            }
        }
        if (count == 0) return false;
        cx /= count;
        cy /= count;
        return true;
    }
    static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
    // Mars's track drawn, its first point at the window's centre; false
    // without a track.
    static bool CentreMarsTrack(SkyWindow& sky) {
        SkyOptions options = sky.GetOptions();
        options.mapType = kEquatorialMap;
        options.planetTracksOn = true;
        options.planetDisplayMode = 1;
        sky.SetOptions(options);
        sky.SetZoom(10);
        const auto& track = sky.GetDocument().PlanetTrack(2);
        if (track.empty()) return false;
        sky.SetViewDirection(sky.ComputeLookDirection(track.front().position, 10));
        sky.UpdateView(0, true);
        return true;
    }
};

TEST_F(SkyWindowTest, WindowNewSkyOpensTheDefaultView) {
    EXPECT_FALSE(MenuState(CMD_NEW_SKY) & MF_GRAYED);
    SkyWindow& sky = NewSky();
    EXPECT_EQ(sky.GetZoom(), 60);
    EXPECT_EQ(sky.GetOptions().mapType, kRealisticMap);
    ASSERT_NE(sky.Display(), nullptr);
    ASSERT_NE(sky.Display()->Renderer(), nullptr) << "no GL context";
    wchar_t caption[64] = {};
    GetWindowTextW(sky.Handle(), caption, 64);
    EXPECT_EQ(std::wstring(caption).rfind(L"Sky: ", 0), 0u) << caption;
}

// At the centre of the view a star stands on the edge of four pixels; at
// this moment its centre pixel fell beside the ring of its neighbours.
TEST_F(SkyWindowTest, SiriusShowsWhereItsPositionPutsIt) {
    SkyWindow& sky = NewSky();
    // The star alone, without the figure through it.
    SkyOptions options = sky.GetOptions();
    options.constellationLinesOn = false;
    sky.SetOptions(options);
    sky.GetDocument().SetDateTime(test::MakeDateTime(2026, 12, 8, 7.25, kLocalCivilTime), false, true);
    LookAtSirius(sky);
    int x = -1;
    int y = -1;
    ASSERT_TRUE(sky.Display()->Renderer()->SkyProjectObject(Sirius(), x, y));
    RECT client{};
    GetClientRect(sky.Display()->Window(), &client);
    EXPECT_NEAR(x, client.right / 2, 1);
    EXPECT_NEAR(y, client.bottom / 2, 1);
    // A white 3 x 3 sprite, where the star's position puts it.
    double cx = 0.0;
    double cy = 0.0;
    int count = 0;
    ASSERT_TRUE(WhiteCentre(sky, x, y, 4, cx, cy, count));
    EXPECT_EQ(count, 9);
    EXPECT_NEAR(cx, x, 1.0);
    EXPECT_NEAR(cy, y, 1.0);
}

TEST_F(SkyWindowTest, AClickOnAStarSelectsItAsOneStep) {
    SkyWindow& sky = NewSky();
    LookAtSirius(sky);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(sky.Display()->Renderer()->SkyProjectObject(Sirius(), x, y));
    HWND display = sky.Display()->Window();
    SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageW(display, WM_LBUTTONUP, 0, At(x, y));
    EXPECT_EQ(sky.GetSelectedObject(), &Sirius());
    EXPECT_EQ(sky.GetCommandHistory().UndoableCount(), 1);
    EXPECT_EQ(sky.Display()->DragState(), SkyDrag::kNone);
}

TEST_F(SkyWindowTest, ADragOverEmptySkyIsOneStepBackToWhereItStarted) {
    SkyWindow& sky = NewSky();
    sky.SetViewDirection(ViewDirection{100.0, 20.0});
    HWND display = sky.Display()->Window();
    // Far from anything drawn at a 10-degree field. The chart shows the
    // moment the test runs at, so a place a press would select (a star, a
    // planet, a label) is passed over.
    sky.SetZoom(10);
    sky.UpdateView(0, true);
    int x0 = -1;
    const int y0 = 20;
    for (int x = 20; x < 200 && x0 < 0; x += 30) {
        if (sky.Display()->Renderer()->SkyHitTest(x, y0) != 1) x0 = x;
    }
    ASSERT_GE(x0, 0);
    SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, At(x0, y0));
    for (int dx = 4; dx <= 16; dx += 4) SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON, At(x0 + dx, y0));
    SendMessageW(display, WM_LBUTTONUP, 0, At(x0 + 16, y0));
    EXPECT_EQ(sky.GetCommandHistory().UndoableCount(), 1);
    EXPECT_GT(sky.GetViewDirection().azimuth, 100.0);
    Command(CMD_UNDO);
    EXPECT_DOUBLE_EQ(sky.GetViewDirection().azimuth, 100.0);
    EXPECT_DOUBLE_EQ(sky.GetViewDirection().altitude, 20.0);
}

// The window's azimuth grows to the left on screen in every map, so a drag
// to the right raises it and the sky follows the pointer; the caption of a
// horizon map shows the compass, which goes down.
TEST_F(SkyWindowTest, ADragToTheRightRaisesTheWindowsAzimuthTheCaptionShowsAsItsMapReadsIt) {
    for (const int map : {kHorizontalMap, kRealisticMap, kEquatorialMap}) {
        SkyWindow& sky = NewSky();
        // Nothing to pick: every press starts a drag.
        SkyOptions options = sky.GetOptions();
        options.mapType = map;
        options.magnitudeLimit = -30.0;
        options.planetDisplayMode = 0;
        options.sunOn = options.moonOn = false;
        options.deepSkyCatalogue = 0;
        sky.SetOptions(options);
        sky.SetZoom(130);
        sky.SetViewDirection(ViewDirection{10.0, 0.0});
        sky.UpdateView(0, true);
        HWND display = sky.Display()->Window();
        RECT client{};
        GetClientRect(display, &client);
        const int side = std::max(client.right, client.bottom);
        SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 60));
        // The first move only decides the kind of drag.
        SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON, At(51, 60));
        for (int x = 101; x <= 351; x += 50) SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON, At(x, 60));
        SendMessageW(display, WM_LBUTTONUP, 0, At(351, 60));
        const double expected = 10.0 + 300.0 * 130.0 / side;
        EXPECT_NEAR(sky.GetViewDirection().azimuth, expected, 1e-6) << map;
        wchar_t caption[64] = {};
        GetWindowTextW(sky.Handle(), caption, 64);
        const std::wstring text(caption);
        ASSERT_EQ(text.rfind(L"Sky: ", 0), 0u) << text;
        EXPECT_NEAR(std::wcstod(text.c_str() + 5, nullptr), ReadableAzimuth(expected, map), 1.0) << text;
        EXPECT_EQ(sky.GetCommandHistory().UndoableCount(), 1) << map;
        SendMessageW(sky.Handle(), WM_CLOSE, 0, 0);
    }
}

// What the user sees: a star under a drag moves right and down with the
// pointer, in every map.
TEST_F(SkyWindowTest, ADragCarriesAStarWithThePointerInEveryMap) {
    constexpr int kRight = 60;
    constexpr int kDown = 40;
    for (const int map : {kHorizontalMap, kRealisticMap, kEquatorialMap}) {
        SkyWindow& sky = NewSky();
        // Sirius alone on the chart.
        SkyOptions options = sky.GetOptions();
        options.magnitudeLimit = -1.0;
        options.planetDisplayMode = 0;
        options.sunOn = options.moonOn = false;
        options.deepSkyCatalogue = 0;
        options.constellationLinesOn = false;
        sky.SetOptions(options);
        LookAtSirius(sky, map, 60);
        const POINT before = SiriusPixel(sky);
        HWND display = sky.Display()->Window();
        // Pressed well away from the star.
        const int x0 = before.x > 200 ? 40 : 300;
        const int y0 = before.y > 200 ? 40 : 260;
        ASSERT_NE(sky.Display()->Renderer()->SkyHitTest(x0, y0), 1) << map;
        SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, At(x0, y0));
        // The first move decides the kind of drag; the view follows from it.
        SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON, At(x0 + 1, y0 + 1));
        for (int step = 1; step <= 4; ++step) {
            SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON,
                         At(x0 + 1 + kRight * step / 4, y0 + 1 + kDown * step / 4));
        }
        SendMessageW(display, WM_LBUTTONUP, 0, At(x0 + 1 + kRight, y0 + 1 + kDown));
        const POINT after = SiriusPixel(sky);
        EXPECT_NEAR(after.x - before.x, kRight, kRight / 4) << map;
        EXPECT_NEAR(after.y - before.y, kDown, kDown / 4) << map;
        SendMessageW(sky.Handle(), WM_CLOSE, 0, 0);
    }
}

// A drag draws with the coarse list; its release draws with the full one
// again, also when the drag came back to where it started (no step then).
TEST_F(SkyWindowTest, ADragsReleaseGoesBackToTheFullListWithAStepOnlyWhenTheViewMoved) {
    struct Case {
        int backBy;  // pixels moved back before the release
        int steps;
    };
    for (const Case& c : {Case{0, 1}, Case{60, 0}}) {
        SkyWindow& sky = NewSky();
        SkyOptions options = sky.GetOptions();
        options.magnitudeLimit = -30.0;
        options.planetDisplayMode = 0;
        options.sunOn = options.moonOn = false;
        options.deepSkyCatalogue = 0;
        sky.SetOptions(options);
        sky.SetViewDirection(ViewDirection{100.0, 20.0});
        sky.UpdateView(0, true);
        HWND display = sky.Display()->Window();
        const SkyRenderer& renderer = *sky.Display()->Renderer();
        SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 60));
        SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON, At(101, 60));
        SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON, At(161, 60));
        EXPECT_TRUE(renderer.UsingCoarseLayerList()) << c.backBy;
        SendMessageW(display, WM_MOUSEMOVE, MK_LBUTTON, At(161 - c.backBy, 60));
        SendMessageW(display, WM_LBUTTONUP, 0, At(161 - c.backBy, 60));
        EXPECT_FALSE(renderer.UsingCoarseLayerList()) << c.backBy;
        EXPECT_EQ(sky.GetCommandHistory().UndoableCount(), c.steps) << c.backBy;
        EXPECT_EQ(sky.GetViewDirection().azimuth == 100.0, c.steps == 0) << c.backBy;
        SendMessageW(sky.Handle(), WM_CLOSE, 0, 0);
    }
}

TEST_F(SkyWindowTest, SixWheelNotchesAreOneStep) {
    SkyWindow& sky = NewSky();
    for (int i = 0; i < 6; ++i) SendMessageW(sky.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(sky.GetZoom(), 10);
    EXPECT_EQ(sky.GetCommandHistory().UndoableCount(), 1);
    Command(CMD_UNDO);
    EXPECT_EQ(sky.GetZoom(), 60);
    // After the burst's second a notch is a step of its own.
    SendMessageW(sky.Handle(), WM_TIMER, 1, 0);
    Command(CMD_ZOOM_OUT);
    Command(CMD_ZOOM_OUT);
    EXPECT_EQ(sky.GetZoom(), 80);
    EXPECT_EQ(sky.GetCommandHistory().UndoableCount(), 1);
}

TEST_F(SkyWindowTest, AMaximizedWindowDuplicatesMaximizedWithItsView) {
    SkyWindow& first = NewSky();
    SendMessageW(frame_->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first.Handle()), 0);
    first.SetViewDirection(ViewDirection{123.0, 45.0});
    first.SetZoom(40);
    ASSERT_TRUE(first.Duplicate());
    auto* copy = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &first);
    EXPECT_TRUE(IsZoomed(copy->Handle()));
    EXPECT_EQ(copy->GetViewDirection(), (ViewDirection{123.0, 45.0}));
    EXPECT_EQ(copy->GetZoom(), 40);
}

// The first frame a window shows after it was created or changed its size
// is drawn at its new size: under Wine a new Sky window showed a 98 x 98
// picture in its top-left corner, drawn at the size its display is created
// with.
TEST_F(SkyWindowTest, FirstFrameAfterCreationOrASizeChangeIsDrawnAtTheWindowsSize) {
    const auto expectShownAtSize = [](SkyWindow& sky, const test::ShownFrames& shown, const char* what) {
        ASSERT_GT(shown.Count(), 0u) << what;
        const std::vector<unsigned char> painted = shown.Last();
        sky.Display()->Renderer()->SkyRenderFrame();
        EXPECT_TRUE(painted == shown.Last()) << what;
    };
    SkyWindow& first = NewSky();
    test::RunWaitingMessages();
    struct Case {
        const char* what;
        int show;
    };
    const Case cases[] = {{"maximized", SW_MAXIMIZE}, {"restored", SW_RESTORE}};
    for (const Case& c : cases) {
        test::ShownFrames shown(*first.Display()->Gl(), first.Display()->Window());
        ShowWindow(first.Handle(), c.show);
        UpdateWindow(first.Display()->Window());
        test::RunWaitingMessages();
        expectShownAtSize(first, shown, c.what);
    }
    // A window made while another is maximized is maximized from the start.
    ShowWindow(first.Handle(), SW_MAXIMIZE);
    test::RunWaitingMessages();
    SkyWindow& second = NewSky();
    test::ShownFrames shown(*second.Display()->Gl(), second.Display()->Window());
    test::RunWaitingMessages();
    expectShownAtSize(second, shown, "new beside a maximized window");
}

// What the screen shows of a painted display is the frame it drew, read
// through the screen's DC: under Wine the display stayed the colour of
// whatever had been there, its frames shown nowhere.
TEST_F(SkyWindowTest, TheScreenShowsTheFramePaintedInTheDisplay) {
    test::PutPointerWhereItShowsNothing();
    SkyWindow& sky = NewSky();
    LookAtSirius(sky);
    test::ExpectScreenShowsThePaintedFrame(*sky.Display()->Gl(), sky.Display()->Window());
}

TEST_F(SkyWindowTest, TwoWindowsViewsSurviveARestart) {
    SkyWindow& first = NewSky();
    first.SetViewDirection(ViewDirection{10.0, 5.0});
    SkyWindow& second = NewSky();
    second.SetViewDirection(ViewDirection{200.0, -30.0});
    second.SetZoom(120);
    Restart();
    const std::vector<SkyWindow*> windows = SkyWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->GetViewDirection(), (ViewDirection{10.0, 5.0}));
    EXPECT_EQ(windows[1]->GetViewDirection(), (ViewDirection{200.0, -30.0}));
    EXPECT_EQ(windows[1]->GetZoom(), 120);
}

// The window manager names each window as its caption does, also after a
// restart, when a window's view comes back after its row was made.
TEST_F(SkyWindowTest, TheWindowManagerListsAWindowAsItsCaptionSays) {
    const auto rowsMatchCaptions = [this](const char* when) {
        HWND list = GetDlgItem(frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST);
        ASSERT_NE(list, nullptr);
        const std::vector<SkyWindow*> windows = SkyWindows();
        ASSERT_EQ(ListView_GetItemCount(list), static_cast<int>(windows.size())) << when;
        for (SkyWindow* sky : windows) {
            LVFINDINFOW find{};
            find.flags = LVFI_PARAM;
            find.lParam = reinterpret_cast<LPARAM>(static_cast<RegisteredWindow*>(sky));
            const int row = ListView_FindItem(list, -1, &find);
            ASSERT_GE(row, 0) << when;
            wchar_t listed[100] = {};
            ListView_GetItemText(list, row, 1, listed, 100);
            wchar_t caption[100] = {};
            GetWindowTextW(sky->Handle(), caption, 100);
            EXPECT_STREQ(listed, caption) << when;
        }
    };
    SkyWindow& sky = NewSky();
    NewSky();
    sky.SetViewDirection(ViewDirection{0.0, 30.0});
    sky.UpdateView(0, true);
    rowsMatchCaptions("after a turn");
    Restart();
    ASSERT_EQ(SkyWindows().size(), 2u);
    wchar_t caption[100] = {};
    GetWindowTextW(SkyWindows()[0]->Handle(), caption, 100);
    EXPECT_NE(std::wstring(caption).find(L"30\x00B0"), std::wstring::npos) << caption;
    rowsMatchCaptions("after a restart");
}

TEST_F(SkyWindowTest, ABodyIsShownInANewWindowAndAtAMomentAsOneStep) {
    const Catalogue& planets = *CatalogueByType(kBodyPlanet);
    const BodyIdentifier mars = BodyIdentifierFromObject(planets.CatalogueGetObjectAt(2));
    const BodyIdentifier venus = BodyIdentifierFromObject(planets.CatalogueGetObjectAt(1));
    int x = 0;
    int y = 0;
    // At a moment with no Sky window: a new one opens there, Mars selected
    // and in view, with nothing to undo.
    const DateTime first{2003, 8, 27, 20.0, kLocalCivilTime};
    ASSERT_TRUE(ShowBodyInSkyWindow(frame_->Children(), app_->GetSkyActions(), mars, &first));
    auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->GetSelectedObject(), mars.object);
    EXPECT_EQ(sky->GetDocument().GetTimeAndPlace().dateTime.year, 2003);
    EXPECT_EQ(sky->GetCommandHistory().UndoableCount(), 0);
    EXPECT_TRUE(sky->Display()->Renderer()->SkyProjectObject(*mars.object, x, y));
    // Another moment, with Mars low in the east then and high in the west
    // now: the same window goes there and finds Mars again, in one step.
    const DateTime second{2004, 3, 1, 20.0, kLocalCivilTime};
    int steps = sky->GetCommandHistory().UndoableCount();
    ASSERT_TRUE(ShowBodyInSkyWindow(frame_->Children(), app_->GetSkyActions(), mars, &second));
    EXPECT_EQ(frame_->Children().ActiveWindow(), sky);
    EXPECT_EQ(sky->GetDocument().GetTimeAndPlace().dateTime.year, 2004);
    EXPECT_EQ(sky->GetCommandHistory().UndoableCount(), steps + 1);
    EXPECT_TRUE(sky->Display()->Renderer()->SkyProjectObject(*mars.object, x, y));
    // Without a moment: another body is selected and brought into view.
    steps = sky->GetCommandHistory().UndoableCount();
    ASSERT_TRUE(ShowBodyInSkyWindow(frame_->Children(), app_->GetSkyActions(), venus, nullptr));
    EXPECT_EQ(sky->GetSelectedObject(), venus.object);
    EXPECT_EQ(sky->GetCommandHistory().UndoableCount(), steps + 1);
    EXPECT_TRUE(sky->Display()->Renderer()->SkyIsObjectVisible(*venus.object));
    // What a Sky window cannot show is refused.
    EXPECT_FALSE(ShowBodyInSkyWindow(frame_->Children(), app_->GetSkyActions(), BodyIdentifier{}, nullptr));
}

// Counts the paints of every window of the thread while it lives.
class PaintCounter {
public:
    PaintCounter() {
        counts_().clear();
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
    }
    ~PaintCounter() { UnhookWindowsHookEx(hook_); }
    int Paints(HWND window) const { return counts_()[window]; }
    void Reset() { counts_().clear(); }

private:
    static std::map<HWND, int>& counts_() {
        static std::map<HWND, int> counts;
        return counts;
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_PAINT) ++counts_()[message->hwnd];
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

TEST_F(SkyWindowTest, OptionsRepaintEveryWindowAndAZoomOnlyItsOwn) {
    SkyWindow& first = NewSky();
    SkyWindow& second = NewSky();
    PaintCounter counter;
    SkyOptions options = second.GetOptions();
    options.eclipticOn = !options.eclipticOn;
    app_->GetSkyActions().ChangeOptions(second, options, kSkyEclipticField, second.GetTimeFlag(), nullptr);
    EXPECT_EQ(counter.Paints(first.Display()->Window()), 1);
    EXPECT_EQ(counter.Paints(second.Display()->Window()), 1);
    counter.Reset();
    Command(CMD_ZOOM_OUT);
    EXPECT_EQ(second.GetZoom(), 70);
    EXPECT_EQ(counter.Paints(first.Display()->Window()), 0);
    EXPECT_EQ(counter.Paints(second.Display()->Window()), 1);
    // Closing one leaves the other drawing its sky and horizon.
    SendMessageW(second.Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(SkyWindows().size(), 1u);
    int width = 0;
    int height = 0;
    const std::vector<Pixel> pixels = ReadFrame(first, width, height);
    // Looking at the horizon in the realistic map: the ground covers the
    // bottom row, and stars stand above it.
    int ground = 0;
    int sky = 0;
    for (int x = 0; x < width; ++x) {
        const Pixel& p = pixels[static_cast<std::size_t>(height - 1) * width + x];
        ground += p.r + p.g + p.b > 0;
    }
    for (int i = 0; i < width * height / 2; ++i) sky += pixels[static_cast<std::size_t>(i)].r > 0;
    EXPECT_GT(ground, width * 9 / 10);
    EXPECT_GT(sky, 0);
}

TEST_F(SkyWindowTest, ATrackPointsTipNamesThePlanetAndTheDay) {
    SkyWindow& sky = NewSky();
    ASSERT_TRUE(CentreMarsTrack(sky));
    const auto& track = sky.GetDocument().PlanetTrack(2);  // Mars
    RECT client{};
    GetClientRect(sky.Display()->Window(), &client);
    SendMessageW(sky.Display()->Window(), WM_MOUSEMOVE, 0, At(client.right / 2, client.bottom / 2));
    const std::string tip = test::Utf8(sky.Display()->TipText().Text());
    String date;
    FormatDate(track.front().date, 3, date);
    EXPECT_EQ(tip, "Mars " + test::Utf8(date.Text()));
}

// Whether a display's tip shows when a menu or a dialog of this thread is
// found, which it then closes.
struct TipWatch {
    static inline HWND tip = nullptr;
    static inline const wchar_t* windowClass = nullptr;  // "#32768" a menu, "#32770" a dialog
    static inline const wchar_t* caption = nullptr;
    static inline bool seen = false;
    static inline bool tipShown = true;
    static void Arm(HWND tipWindow, const wchar_t* kind, const wchar_t* title) {
        tip = tipWindow;
        windowClass = kind;
        caption = title;
        seen = false;
        tipShown = true;
        SetTimer(nullptr, 0, 50, Look);
    }
    static void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND found = FindWindowW(windowClass, caption);
        if (!found) return;
        KillTimer(nullptr, timer);
        seen = true;
        tipShown = IsWindowVisible(tip) != FALSE;
        if (caption) {
            PostMessageW(found, WM_COMMAND, IDCANCEL, 0);
        } else {
            EndMenu();
        }
    }
};

TEST_F(SkyWindowTest, AStarsTipGoesWhenAMenuOrADialogComesOverIt) {
    SkyWindow& sky = NewSky();
    ASSERT_TRUE(CentreMarsTrack(sky));
    HWND display = sky.Display()->Window();
    HWND tip = sky.Display()->TooltipWindow();
    RECT client{};
    GetClientRect(display, &client);
    const LPARAM centre = At(client.right / 2, client.bottom / 2);
    // The display reads the pointer itself too.
    POINT pointer{client.right / 2, client.bottom / 2};
    ClientToScreen(display, &pointer);
    const auto showTip = [&] {
        SetCursorPos(pointer.x, pointer.y);
        SendMessageW(display, WM_MOUSEMOVE, 0, centre + 1);
        SendMessageW(display, WM_MOUSEMOVE, 0, centre);
        SendMessageW(display, WM_MOUSEHOVER, 0, centre);
        return IsWindowVisible(tip) != FALSE;
    };
    // The display's context menu, the frame's menu bar and a dialog that
    // disables the frame.
    ASSERT_TRUE(showTip());
    TipWatch::Arm(tip, L"#32768", nullptr);
    SendMessageW(display, WM_RBUTTONDOWN, MK_RBUTTON, centre);
    ASSERT_TRUE(TipWatch::seen);
    EXPECT_FALSE(TipWatch::tipShown) << "under the context menu";

    ASSERT_TRUE(showTip());
    TipWatch::Arm(tip, L"#32768", nullptr);
    SendMessageW(frame_->Window(), WM_SYSCOMMAND, SC_KEYMENU, 'o');
    ASSERT_TRUE(TipWatch::seen);
    EXPECT_FALSE(TipWatch::tipShown) << "under the Options menu";

    ASSERT_TRUE(showTip());
    TipWatch::Arm(tip, L"#32770", L"Sky Options");
    sky.ShowOptionsDialog();
    ASSERT_TRUE(TipWatch::seen);
    EXPECT_FALSE(TipWatch::tipShown) << "under Sky Options";
}

// The keys a user types, through the program's own message loop.
using SkyKeyboardTest = SkyWindowTest;

TEST_F(SkyKeyboardTest, OpenZoomUndoFindAndCloseByKeys) {
    const auto skyOpen = [this] { return dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow()) != nullptr; };
    ASSERT_TRUE(KeySteps({{{VK_MENU, 'W'}, MenuOpen}, {{'N'}, SubmenuOpen}, {{'S'}, skyOpen}}));
    auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(sky, nullptr);
    // The new window's keys are in its panel; the program's keys work there.
    const HWND panel = frame_->Children().PanelOf(kSkyWindow)->GetDialogWindow();
    ASSERT_TRUE(RunMessagesUntil([panel] { return IsChild(panel, GetFocus()) != FALSE; }, 5000));
    Keys({{VK_CONTROL, VK_SUBTRACT}});
    EXPECT_EQ(sky->GetZoom(), 70);
    Keys({{VK_CONTROL, 'Z'}});
    EXPECT_EQ(sky->GetZoom(), 60);
    // Find Object from the selection's menu, opened from the panel: a body
    // chosen by keys, and the view turns to it.
    sky->SetViewDirection(ViewDirection{1.0, -60.0});
    const ViewDirection before = sky->GetViewDirection();
    EXPECT_TRUE(KeySteps({{{VK_SHIFT, VK_F10}, MenuOpen},
                          {{'F'}, TypedKeys::DialogHasFocus},
                          {{VK_DOWN}, nullptr},
                          {{VK_RETURN}, NoModalDialog}}));
    EXPECT_NE(sky->GetViewDirection(), before);
    EXPECT_EQ(sky->GetCommandHistory().UndoableCount(), 1);
    Keys({{VK_CONTROL, VK_F4}});
    EXPECT_TRUE(SkyWindows().empty());
}

}  // namespace
}  // namespace corvinata
