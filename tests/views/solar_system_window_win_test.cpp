// Solar System windows in the real frame: opened by the program's own
// start-up wiring, driven by real messages, their pixels read back from the
// display's DC.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../frame/frame_test.h"
#include "../frame/modal_driver.h"
#include "../frame/typed_keys.h"
#include "app/night_vision.h"
#include "base/time_step.h"
#include "catalog/catalogue_registry.h"
#include "app/help_topics_win.h"
#include "controls/custom_controls_setup.h"
#include "views/picture_window_win.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "support/date_records.h"
#include "support/drawn_pixels_win.h"
#include "catalog/event_kinds.h"
#include "controls/trackbar_control.h"
#include "views/solar_options_dialog_win.h"
#include "views/solar_system_panel_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

class SolarSystemWindowTest : public test::FrameTest {
protected:
    SolarSystemWindowTest() {
        INITCOMMONCONTROLSEX common{sizeof common, 0x1FFF};
        InitCommonControlsEx(&common);
        StartProgram();
    }
    ~SolarSystemWindowTest() override {
        if (frame_) Command(CMD_CLOSE_ALL);
        frame_.reset();
        fonts_.reset();
    }

    // The frame as the program starts it, with its window kinds.
    // The program's files beside the test (the shipped picture packs).
    void StartProgram() {
        Start(false, GetProgramDirectory(GetModuleHandleW(nullptr)));
        UseCustomControls();
        ShowWindow(frame_->Window(), SW_SHOW);
        SetForegroundWindow(frame_->Window());
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The program ends as the user closes it (saving the session) and
    // starts again.
    void Restart() {
        SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        frame_.reset();
        fonts_.reset();
        StartProgram();
    }

    SolarSystemWindow& NewSolar() {
        Command(CMD_NEW_SOLAR_SYSTEM);
        auto* solar = dynamic_cast<SolarSystemWindow*>(frame_->Children().ActiveWindow());
        EXPECT_NE(solar, nullptr);
        // A fixed moment, so that the positions are known.
        solar->GetDocument().SetDateTime(MakeDateTime(2010, 6, 15, 12.0, kLocalCivilTime), true);
        return *solar;
    }
    std::vector<SolarSystemWindow*> SolarWindows() {
        std::vector<SolarSystemWindow*> windows;
        for (RegisteredWindow* open : frame_->Registry().AllWindows())
            if (auto* solar = dynamic_cast<SolarSystemWindow*>(open)) windows.push_back(solar);
        return windows;
    }
    // The display's pixels right after it painted (no WM_PRINTCLIENT: the
    // display paints straight to its DC).
    static std::vector<Rgb> ReadDisplay(SolarSystemWindow& solar, int& width, int& height) {
        HWND display = solar.Display()->Window();
        UpdateWindow(display);
        const std::vector<std::uint32_t> words = test::ScreenPixels(display, width, height);
        std::vector<Rgb> pixels(words.size());
        for (std::size_t i = 0; i < words.size(); ++i) {
            pixels[i] = {static_cast<unsigned char>(words[i] >> 16), static_cast<unsigned char>(words[i] >> 8),
                         static_cast<unsigned char>(words[i])};
        }
        return pixels;
    }
    static Rgb PixelAt(const std::vector<Rgb>& pixels, int width, int x, int y) {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    // A plus mark of the colour centred within one pixel of (x, y).
    static bool PlusNear(const std::vector<Rgb>& pixels, int width, int height, double x, double y, Rgb colour) {
        for (int cy = static_cast<int>(y) - 1; cy <= static_cast<int>(y) + 2; ++cy) {
            for (int cx = static_cast<int>(x) - 1; cx <= static_cast<int>(x) + 2; ++cx) {
                if (cx < 1 || cy < 1 || cx >= width - 1 || cy >= height - 1) continue;
                if (std::fabs(cx - x) > 1.0 || std::fabs(cy - y) > 1.0) continue;
                if (PixelAt(pixels, width, cx, cy) == colour && PixelAt(pixels, width, cx - 1, cy) == colour &&
                    PixelAt(pixels, width, cx + 1, cy) == colour && PixelAt(pixels, width, cx, cy - 1) == colour &&
                    PixelAt(pixels, width, cx, cy + 1) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    // Where the document puts a body, by the plan's own rule written out.
    static void Expected(int width, int height, const SolarSystemPoint& p, int zoom, double& x, double& y) {
        const int side = width < height ? width : height;
        const double half = side / 2;
        const double left = width > height ? (width - side) / 2 : 0;
        const double top = width > height ? 0 : (height - side) / 2;
        const double a = p.angle * 3.14159265358979323846 / 180.0;
        x = left + half + std::cos(a) * p.value * half / kZoomRadiusAu[zoom] + 0.5;
        y = top + half - std::sin(a) * p.value * half / kZoomRadiusAu[zoom] + 0.5;
    }
    static std::wstring Caption(SolarSystemWindow& solar) {
        wchar_t text[128] = {};
        GetWindowTextW(solar.Handle(), text, 128);
        return text;
    }
    static void Resize(SolarSystemWindow& solar, int width, int height) {
        SetWindowPos(solar.Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    std::unique_ptr<ProgramFonts> fonts_;
};

const Rgb kYellow{255, 255, 0};
const Rgb kLightGrey{192, 192, 192};

// A new window, then one wider than high (the plan stays circular): the
// Sun's yellow plus at the centre, the Earth's and Mars' where the document's
// longitude and radius put them.
TEST_F(SolarSystemWindowTest, NewWindowShowsMarsZoomWithTheSunEarthAndMarsWhereTheDocumentPutsThem) {
    EXPECT_FALSE(MenuState(CMD_NEW_SOLAR_SYSTEM) & MF_GRAYED);
    SolarSystemWindow& solar = NewSolar();
    EXPECT_EQ(Caption(solar), L"Solar System: Zoomed to Mars");
    EXPECT_EQ(solar.GetZoomedPlanet(), 3);
    EXPECT_EQ(solar.GetSelectedBody().object, CatalogueByType(kBodySun)->CatalogueGetObjectAt(0));
    EXPECT_EQ(solar.GetOptions().function, 8388608);
    for (SIZE size : {SIZE{0, 0}, SIZE{700, 420}}) {
        if (size.cx > 0) Resize(solar, size.cx, size.cy);
        int w = 0, h = 0;
        const std::vector<Rgb> pixels = ReadDisplay(solar, w, h);
        EXPECT_TRUE(PlusNear(pixels, w, h, w / 2, h / 2, kYellow)) << w << "x" << h;
        for (const SolarSystemPoint& body : {solar.GetDocument().Earth(), solar.GetDocument().Planet(2)}) {
            double x = 0, y = 0;
            Expected(w, h, body, 3, x, y);
            EXPECT_TRUE(PlusNear(pixels, w, h, x, y, kLightGrey)) << w << "x" << h << " at " << x << "," << y;
        }
    }
}

// A click selects the nearest body as one "Select" step and its full name
// is the tip there; zoomed to Mercury the Earth (about 1 AU) lies outside
// and gets no mark, yet a click beside it finds it.
TEST_F(SolarSystemWindowTest, ClickSelectsTheNearestBodyAsOneStepWithItsNameAsTheTip) {
    struct Case {
        int zoom;
        PlanBody body;
        bool inside;
        const wchar_t* name;
    } cases[] = {{3, {kPlanPlanet, 2}, true, L"Mars"}, {0, {kPlanEarth, 0}, false, L"Earth"}};
    SolarSystemWindow& solar = NewSolar();
    SolarSystemOptions noMoon = solar.GetOptions();
    noMoon.moonOn = false;  // the Moon beside the Earth would be nearer
    solar.SetOptions(noMoon);
    HWND display = solar.Display()->Window();
    for (const Case& c : cases) {
        solar.SetZoomedPlanet(c.zoom);
        solar.UpdateView();
        const PlanScene scene = solar.Display()->Scene();
        const PlanPoint p = PlanBodyPoint(GetDrawingSquare(scene.width, scene.height), scene.positions, c.zoom, c.body);
        EXPECT_EQ(p.inside, c.inside) << c.zoom;
        const LPARAM at = MAKELPARAM(std::clamp(p.pixel.x + 2, 0, scene.width - 1),
                                     std::clamp(p.pixel.y, 0, scene.height - 1));
        SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ASSERT_NE(solar.GetSelectedBody().object, nullptr);
        EXPECT_EQ(std::wstring(ObjectKeyName(*solar.GetSelectedBody().object)), c.name);
        ASSERT_EQ(solar.GetCommandHistory().UndoableCount(), 1);
        EXPECT_EQ(std::wstring(solar.GetCommandHistory().PeekUndoCommand()->redoText.Text()),
                  L"Select " + std::wstring(c.name));
        SendMessageW(display, WM_MOUSEMOVE, 0, at);
        EXPECT_EQ(std::wstring(solar.Display()->TipText().Text()), c.name);
        Command(CMD_UNDO);
        EXPECT_EQ(std::wstring(ObjectKeyName(*solar.GetSelectedBody().object)), L"Sun");
    }
}

TEST_F(SolarSystemWindowTest, WheelNotchesWithinASecondAreOneStep) {
    SolarSystemWindow& solar = NewSolar();
    for (int i = 0; i < 3; ++i) SendMessageW(solar.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(solar.GetZoomedPlanet(), 0);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), 1);
    EXPECT_EQ(Caption(solar), L"Solar System: Zoomed to Mercury");
    // The burst ends; zoomed out to Pluto, a further notch outward is nothing.
    SendMessageW(solar.Handle(), WM_TIMER, 1, 0);
    solar.SetZoomedPlanet(8);
    const int steps = solar.GetCommandHistory().UndoableCount();
    SendMessageW(solar.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(solar.GetZoomedPlanet(), 8);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), steps);
}

// The ring stays while the highlight lasts and the repaint that ends it
// gives back the plan as it was, also when an erase came in between.
TEST_F(SolarSystemWindowTest, HighlightRingGoesWithoutATrace) {
    for (bool eraseBetween : {false, true}) {
        SolarSystemWindow& solar = NewSolar();
        int w = 0, h = 0;
        const std::vector<Rgb> before = ReadDisplay(solar, w, h);
        solar.Highlight();
        EXPECT_TRUE(solar.Display()->HighlightShown());
        const std::vector<Rgb> lit = ReadDisplay(solar, w, h);
        EXPECT_NE(lit, before);
        // The ring around the Sun (the centre of the drawing square): 10
        // pixels to its right, in green.
        const PlanScene scene = solar.Display()->Scene();
        const PlanPixel sun = PlanBodyPoint(GetDrawingSquare(w, h), scene.positions, 3, PlanBody{kPlanSun, 0}).pixel;
        EXPECT_EQ(PixelAt(lit, w, sun.x + 10, sun.y), (Rgb{0, 255, 0}));

        if (eraseBetween) {
            InvalidateRect(solar.Display()->Window(), nullptr, TRUE);
            UpdateWindow(solar.Display()->Window());
        }
        SendMessageW(solar.Display()->Window(), WM_TIMER, 1, 0);
        EXPECT_FALSE(solar.Display()->HighlightShown());
        const std::vector<Rgb> after = ReadDisplay(solar, w, h);
        EXPECT_EQ(after, before) << "erase between: " << eraseBetween;
        Command(CMD_CLOSE_ALL);
    }
}

// Night vision switched as the Appearance dialog switches it: every element
// of the plan turns a pure red at once, and the day colours come back.
TEST_F(SolarSystemWindowTest, NightVisionTurnsEveryElementRed) {
    SolarSystemWindow& solar = NewSolar();
    SolarSystemOptions everything = solar.GetOptions();
    everything.signsOn = everything.zodiacRightAscension = everything.zodiacSigns = true;
    everything.zodiacConstellations = everything.zodiacSightLines = true;
    solar.SetOptions(everything);
    solar.UpdateView();
    int w = 0, h = 0;
    const std::vector<Rgb> day = ReadDisplay(solar, w, h);
    const auto count = [](const std::vector<Rgb>& pixels, auto&& keep) {
        return std::count_if(pixels.begin(), pixels.end(), keep);
    };
    const auto lit = [](const Rgb& p) { return p.r + p.g + p.b > 0; };
    const auto notRed = [](const Rgb& p) { return p.g != 0 || p.b != 0; };
    ASSERT_GT(count(day, notRed), 1000);

    frame_->NightVision().ApplyNightVision(true, kKeepLevel, kKeepLevel);
    const std::vector<Rgb> night = ReadDisplay(solar, w, h);
    frame_->NightVision().ApplyNightVision(false, kKeepLevel, kKeepLevel);
    EXPECT_EQ(count(night, notRed), 0);
    EXPECT_GT(count(night, lit), count(day, lit) / 2);
    EXPECT_TRUE(PlusNear(night, w, h, w / 2, h / 2, Rgb{255, 0, 0}));
    EXPECT_EQ(ReadDisplay(solar, w, h), day);
}

// Closing the program keeps every window's view and the panel's time
// step under "Solar system"; the next start opens them again.
TEST_F(SolarSystemWindowTest, WindowsAndThePanelStepSurviveARestart) {
    SolarSystemWindow& first = NewSolar();
    SolarSystemOptions options = first.GetOptions();
    options.zodiacSigns = true;
    options.function = kFunctionMagnitude;
    first.SetOptions(options);
    first.SelectBody(BodyIdentifierFromObject(PlanetByNumber(5)), 2, 0);
    SolarSystemWindow& second = NewSolar();
    second.SetZoomedPlanet(1);
    ControlPanel* panel = frame_->Children().PanelOf(kSolarSystemWindow);
    ASSERT_TRUE(panel && panel->TimePart());
    panel->TimePart()->ShowTimeStep(TimeStep{kDaysUnit, 7});
    Restart();

    const std::vector<SolarSystemWindow*> windows = SolarWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_TRUE(windows[0]->GetOptions().zodiacSigns);
    EXPECT_EQ(windows[0]->GetOptions().function, kFunctionMagnitude);
    EXPECT_EQ(windows[0]->GetZoomedPlanet(), 5);
    EXPECT_EQ(windows[0]->GetSelectedBody().object, PlanetByNumber(5));
    EXPECT_EQ(windows[1]->GetZoomedPlanet(), 1);
    EXPECT_EQ(windows[1]->GetOptions().function, 8388608);
    EXPECT_EQ(windows[0]->GetDocument().GetDateTime().year, 2010);
    panel = frame_->Children().PanelOf(kSolarSystemWindow);
    ASSERT_TRUE(panel && panel->TimePart());
    const TimeStep step = panel->TimePart()->ReadTimeStep();
    EXPECT_EQ(step.unit, kDaysUnit);
    EXPECT_EQ(step.count, 7);
}

TEST_F(SolarSystemWindowTest, DuplicateCopiesTheViewNotThePlace) {
    SolarSystemWindow& solar = NewSolar();
    SolarSystemOptions options = solar.GetOptions();
    options.zodiacSigns = true;
    solar.SetOptions(options);
    solar.SetZoomedPlanet(6);
    solar.SelectBody(BodyIdentifierFromObject(PlanetByNumber(4)), 0, 0);
    ASSERT_TRUE(solar.Duplicate());
    ASSERT_EQ(SolarWindows().size(), 2u);
    auto* copy = dynamic_cast<SolarSystemWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &solar);
    EXPECT_TRUE(copy->GetOptions().zodiacSigns);
    EXPECT_EQ(copy->GetZoomedPlanet(), 6);
    EXPECT_EQ(copy->GetSelectedBody().object, PlanetByNumber(4));
    RECT a{}, b{};
    GetWindowRect(solar.Handle(), &a);
    GetWindowRect(copy->Handle(), &b);
    EXPECT_NE(a.left, b.left);
    copy->SetZoomedPlanet(1);
    EXPECT_EQ(solar.GetZoomedPlanet(), 6);
}

// A record read from outside: a zoom past the table takes Mars', a body no
// catalogue holds selects nothing.
TEST_F(SolarSystemWindowTest, RecordsOutsideTheRangesAreMended) {
    SolarSystemWindow& solar = NewSolar();
    struct Case {
        int zoom, type, index, expectedZoom;
        bool selected;
    } cases[] = {
        {9, 2, 4, 3, true}, {-1, 0, 0, 3, true}, {5, 9, 0, 5, false}, {5, 2, 8, 5, false}, {5, 7, 0, 5, false},
        {5, 3, 1, 5, false},
    };
    for (const Case& c : cases) {
        SolarSystemWindowState state = solar.CaptureState();
        state.zoom = c.zoom;
        state.selectedType = c.type;
        state.selectedNumber = c.index;
        solar.ApplyRecord(state, false);
        EXPECT_EQ(solar.GetZoomedPlanet(), c.expectedZoom) << c.zoom;
        EXPECT_EQ(solar.GetSelectedBody().object != nullptr, c.selected) << c.type << "/" << c.index;
        EXPECT_EQ(solar.GetStatusText().IsEmpty(), false);
    }
}

// Zoom mode 1 only widens: the Moon at Mercury's zoom takes the Earth's,
// the Sun never widens; mode 2 sets the zoom to the body's own.
TEST_F(SolarSystemWindowTest, SelectionWidensOrSetsTheZoomAsAsked) {
    SolarSystemWindow& solar = NewSolar();
    const CelestialObject* sun = CatalogueByType(kBodySun)->CatalogueGetObjectAt(0);
    const CelestialObject* moon = CatalogueByType(kBodyMoon)->CatalogueGetObjectAt(0);
    struct Case {
        int zoom;
        const CelestialObject* body;
        int mode, expected;
    } cases[] = {
        {0, moon, 1, 2}, {0, sun, 1, 0}, {5, moon, 1, 5}, {1, PlanetByNumber(4), 1, 4}, {5, moon, 2, 2}, {5, sun, 2, 0},
    };
    for (const Case& c : cases) {
        solar.SetZoomedPlanet(c.zoom);
        solar.SelectBody(BodyIdentifierFromObject(c.body), c.mode, 0);
        EXPECT_EQ(solar.GetZoomedPlanet(), c.expected) << c.zoom << " mode " << c.mode;
    }
}

// Reads the context menu that opens on this thread, then closes it.
struct MenuWatch {
    static inline UINT skyState = 0;
    static inline UINT pictureState = 0;
    static inline std::wstring firstItem;
    static inline bool seen = false;
    // The items in order: their ids, 0 for a separator, -1 for a submenu,
    // whose items follow in `submenu`.
    static inline std::vector<int> items;
    static inline std::vector<int> submenu;
    static std::vector<int> Items(HMENU menu, std::vector<int>* inner) {
        std::vector<int> ids;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
            GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
            if (item.hSubMenu && inner) *inner = Items(item.hSubMenu, nullptr);
            ids.push_back(item.hSubMenu ? -1 : (item.fType & MFT_SEPARATOR) ? 0 : static_cast<int>(item.wID));
        }
        return ids;
    }
    static void CALLBACK Read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup) return;
        KillTimer(nullptr, timer);
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        seen = menu != nullptr;
        skyState = GetMenuState(menu, CMD_SHOW_SKY, MF_BYCOMMAND);
        pictureState = GetMenuState(menu, CMD_SHOW_PICTURE, MF_BYCOMMAND);
        wchar_t text[128] = {};
        GetMenuStringW(menu, 0, text, 128, MF_BYPOSITION);
        firstItem = text;
        items = Items(menu, &submenu);
        EndMenu();
    }
};

TEST_F(SolarSystemWindowTest, RightClickOnTheEarthGreysSkyAndKeepsTheSelection) {
    SolarSystemWindow& solar = NewSolar();
    struct Case {
        int zoom;
        PlanBody body;
        bool skyGrey;
        const wchar_t* item;
    } cases[] = {
        {3, {kPlanEarth, 0}, true, L"Display Earth in &Window"},
        {3, {kPlanPlanet, 2}, false, L"Display Mars in &Window"},
        {4, {kPlanPlanet, 3}, false, L"Display Jupiter in &Window"},
    };
    for (const Case& c : cases) {
        solar.SetZoomedPlanet(c.zoom);
        solar.UpdateView();
        const PlanScene scene = solar.Display()->Scene();
        const PlanPoint p = PlanBodyPoint(GetDrawingSquare(scene.width, scene.height), scene.positions, c.zoom, c.body);
        MenuWatch::seen = false;
        SetTimer(nullptr, 0, 50, MenuWatch::Read);
        SendMessageW(solar.Display()->Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.pixel.x, p.pixel.y));
        ASSERT_TRUE(MenuWatch::seen);
        EXPECT_EQ((MenuWatch::skyState & MF_GRAYED) != 0, c.skyGrey) << MenuWatch::firstItem;
        EXPECT_EQ(MenuWatch::firstItem, c.item);
        EXPECT_FALSE(MenuWatch::pictureState & MF_GRAYED);
        // The body's windows, a separator before its Object Info; the
        // window's options, a separator before its duplicate.
        EXPECT_EQ(MenuWatch::items, (std::vector<int>{-1, CMD_SOLAR_SYSTEM_OPTIONS, 0, CMD_DUPLICATE_WINDOW}));
        EXPECT_EQ(MenuWatch::submenu, (std::vector<int>{CMD_SHOW_SKY, CMD_SHOW_PICTURE, 0, CMD_SHOW_OBJECT_INFO}));
    }
    // "&Picture" for the last menu's body shows Jupiter's picture.
    SendMessageW(solar.Display()->Window(), WM_COMMAND, CMD_SHOW_PICTURE, 0);
    ASSERT_NE(GetPictureKind(*frame_), nullptr);
    EXPECT_NE(GetPictureKind(*frame_)->FindActivePictureWindow(), nullptr);
    EXPECT_EQ(std::wstring(ObjectKeyName(*solar.GetSelectedBody().object)), L"Sun");
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), 0);
    // Shift+F10: the menu of the selection (the Sun).
    MenuWatch::seen = false;
    SetTimer(nullptr, 0, 50, MenuWatch::Read);
    SendMessageW(solar.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(solar.Handle()), -1);
    ASSERT_TRUE(MenuWatch::seen);
    EXPECT_EQ(MenuWatch::firstItem, L"Display Sun in &Window");
}

// The options dialog by keyboard: Alt+M switches "Show Moon" off, Enter
// ends it with one step; Escape after Alt+M and OK without a change record
// nothing and leave the options.
TEST_F(SolarSystemWindowTest, OptionsDialogRecordsAStepOnlyForAChange) {
    SolarSystemWindow& solar = NewSolar();
    struct Case {
        bool toggle;
        WORD endKey;
        int steps;
        bool moon;
    } cases[] = {{false, VK_RETURN, 0, true}, {true, VK_ESCAPE, 0, true}, {true, VK_RETURN, 1, false}};
    for (const Case& c : cases) {
        // Driven from inside the dialog's own loop, so that nothing depends
        // on which window the system has made the foreground by then.
        test::ModalDriver::Run(
            [&c](test::ModalDriver& driver, HWND) {
                if (c.toggle) driver.Click(kSolarOptionMoon);
                driver.Key(c.endKey);
            },
            [&] { return SendMessageW(solar.Display()->Window(), WM_COMMAND, CMD_SOLAR_SYSTEM_OPTIONS, 0); });
        EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), c.steps) << c.toggle << " " << c.endKey;
        EXPECT_EQ(solar.GetOptions().moonOn, c.moon) << c.toggle << " " << c.endKey;
    }
    EXPECT_EQ(std::wstring(solar.GetCommandHistory().PeekUndoCommand()->redoText.Text()), L"Change Solar System Options");
    EXPECT_EQ(solar.GetOptions().function, 8388608);  // no entry changed: the quantity stays
}

// "Display %1 in Window > Solar System" of another kind: a window opens at
// the moment with the body selected, with nothing to undo; a second call
// shows it again.
TEST_F(SolarSystemWindowTest, ShowBodyOpensOrShowsAWindowAtTheMoment) {
    const BodyIdentifier jupiter = BodyIdentifierFromObject(PlanetByNumber(4));
    const DateTime moment = MakeDateTime(2012, 3, 4, 5.0, kLocalCivilTime);
    ASSERT_TRUE(ShowBodyInSolarSystemWindow(frame_->Children(), app_->GetSolarSystemActions(), jupiter, moment));
    ASSERT_EQ(SolarWindows().size(), 1u);
    SolarSystemWindow& solar = *SolarWindows()[0];
    EXPECT_EQ(solar.GetSelectedBody().object, jupiter.object);
    EXPECT_EQ(solar.GetZoomedPlanet(), 4);
    EXPECT_EQ(solar.GetDocument().GetDateTime().year, 2012);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), 0);
    ASSERT_TRUE(ShowBodyInSolarSystemWindow(frame_->Children(), app_->GetSolarSystemActions(),
                                            BodyIdentifierFromObject(PlanetByNumber(0)), moment));
    EXPECT_EQ(SolarWindows().size(), 1u);
    const Catalogue* stars = CatalogueByType(kBodyStar);
    EXPECT_FALSE(ShowBodyInSolarSystemWindow(frame_->Children(), app_->GetSolarSystemActions(),
                                             BodyIdentifierFromObject(stars->CatalogueGetObjectAt(0)), moment));
    // Without a moment (a Picture window's menu): selected, the zoom widened,
    // the ring shown, the document's moment kept.
    const int steps = solar.GetCommandHistory().UndoableCount();
    ASSERT_TRUE(ShowBodyInSolarSystemWindow(frame_->Children(), app_->GetSolarSystemActions(),
                                            BodyIdentifierFromObject(PlanetByNumber(6))));
    EXPECT_EQ(solar.GetSelectedBody().object, PlanetByNumber(6));
    EXPECT_EQ(solar.GetZoomedPlanet(), 6);
    EXPECT_TRUE(solar.Display()->HighlightShown());
    EXPECT_EQ(solar.GetDocument().GetDateTime().year, 2012);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), steps + 1);
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

class SolarPanelTest : public SolarSystemWindowTest {
protected:
    HWND Panel() {
        ControlPanel* panel = frame_->Children().PanelOf(kSolarSystemWindow);
        EXPECT_NE(panel, nullptr);
        return panel ? panel->GetDialogWindow() : nullptr;
    }
    HWND List() { return GetDlgItem(Panel(), kSolarPlanetList); }
    std::wstring Cell(int row, int column) {
        wchar_t text[128] = {};
        ListView_GetItemText(List(), row, column, text, 128);
        return text;
    }
    int SelectedRow() { return ListView_GetNextItem(List(), -1, LVNI_SELECTED); }
    std::wstring UndoText(SolarSystemWindow& solar) {
        const CommandGroup* step = solar.GetCommandHistory().PeekUndoCommand();
        return step ? std::wstring(step->redoText.Text()) : std::wstring();
    }
};

TEST_F(SolarPanelTest, MagnitudeRowsSayNotAvailableForTheEarthOnly) {
    SolarSystemWindow& solar = NewSolar();
    SolarSystemOptions options = solar.GetOptions();
    options.function = kFunctionMagnitude;
    solar.SetOptions(options);
    solar.UpdateView();
    EXPECT_EQ(Cell(2, 0), L"Earth");
    EXPECT_EQ(Cell(2, 1), L"n.a.");
    for (int row : {0, 1, 3, 4, 8}) {
        EXPECT_NE(Cell(row, 1), L"n.a.") << row;
        EXPECT_FALSE(Cell(row, 1).empty()) << row;
    }
    // The Sun selected: no row is.
    EXPECT_EQ(SelectedRow(), -1);
    wchar_t name[32] = {};
    GetDlgItemTextW(Panel(), kSolarSelectedName, name, 32);
    EXPECT_STREQ(name, L"Sun");
}

// Regression: the value cells stayed in decimal degrees while the Sky and
// explorer panels followed the appearance options.
TEST_F(SolarPanelTest, ValueCellsFollowTheAngleDisplayOption) {
    SolarSystemWindow& solar = NewSolar();
    SolarSystemOptions options = solar.GetOptions();
    options.function = kFunctionHeliocentricLongitude;
    solar.SetOptions(options);
    solar.UpdateView();
    int& degreeBase = app_->Options().general.angleDegreeBase;
    for (int base : {kAngleSexagesimal, kAngleDecimal, kAngleSexagesimal}) {
        degreeBase = base;
        BroadcastNotification(app_->GetNotificationHub(), kEventAppearanceChanged, kAngleDegreeBaseChanged,
                              nullptr);
        const std::wstring cell = Cell(0, 1);
        EXPECT_EQ(cell.find(L'\'') != std::wstring::npos, base == kAngleSexagesimal) << cell;
        EXPECT_EQ(cell.find(L'.') != std::wstring::npos, base == kAngleDecimal) << cell;
    }
}

TEST_F(SolarPanelTest, SliderDragRedrawsEachPlanetAndLeavesOneStep) {
    SolarSystemWindow& solar = NewSolar();
    solar.SetZoomedPlanet(2);
    solar.UpdateView();
    HWND slider = GetDlgItem(Panel(), kSolarZoomSlider);
    for (int position = 3; position <= 6; ++position) {
        SendMessageW(slider, TBM_SETPOS, TRUE, position);
        SendMessageW(Panel(), WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(slider));
        EXPECT_EQ(solar.GetZoomedPlanet(), position);
    }
    SendMessageW(Panel(), kTrackbarMovedMessage, MAKEWPARAM(2, 6), 0);
    EXPECT_EQ(solar.GetZoomedPlanet(), 6);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), 1);
    EXPECT_EQ(UndoText(solar), L"Zoom to Uranus");
    Command(CMD_UNDO);
    EXPECT_EQ(solar.GetZoomedPlanet(), 2);
}

TEST_F(SolarPanelTest, AnimationIsOneStepUndoneAtOnce) {
    SolarSystemWindow& solar = NewSolar();
    const DateTime start = solar.GetDocument().GetDateTime();
    SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(kAnimateItem, BN_CLICKED), 0);
    const UINT timer = frame_->Children().PanelOf(kSolarSystemWindow)->TimePart()->Config().timerId;
    for (int i = 0; i < 10; ++i) SendMessageW(Panel(), WM_TIMER, timer, 0);
    EXPECT_FALSE(DateTimeEqual(solar.GetDocument().GetDateTime(), start));
    SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(kAnimateItem, BN_CLICKED), 0);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), 1);
    Command(CMD_UNDO);
    EXPECT_TRUE(DateTimeEqual(solar.GetDocument().GetDateTime(), start));
}

// Double-clicking Neptune at Mars' zoom: the first click's selection step
// takes the zoom to Neptune too, and the ring flashes.
TEST_F(SolarPanelTest, DoubleClickSelectsZoomsAndHighlightsInOneStep) {
    SolarSystemWindow& solar = NewSolar();
    ListView_SetItemState(List(), 7, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(solar.GetSelectedBody().object, PlanetByNumber(7));
    EXPECT_EQ(UndoText(solar), L"Select Neptune");
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = List();
    click.hdr.idFrom = kSolarPlanetList;
    click.hdr.code = NM_DBLCLK;
    click.iItem = 7;
    SendMessageW(Panel(), WM_NOTIFY, kSolarPlanetList, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(solar.GetZoomedPlanet(), 7);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), 1);
    EXPECT_TRUE(solar.Display()->HighlightShown());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Panel(), kSolarHighlight)));
    Command(CMD_UNDO);
    EXPECT_EQ(solar.GetZoomedPlanet(), 3);
    EXPECT_EQ(solar.GetSelectedBody().object, CatalogueByType(kBodySun)->CatalogueGetObjectAt(0));
    // In an empty history (or after an unrelated step) the zoom is its own.
    solar.GetCommandHistory().UndoCommands(0);
    SendMessageW(solar.Display()->Window(), WM_TIMER, 1, 0);
    solar.SelectBody(BodyIdentifierFromObject(PlanetByNumber(6)), 0, 0);
    const int before = solar.GetCommandHistory().UndoableCount();
    SendMessageW(Panel(), WM_NOTIFY, kSolarPlanetList, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(solar.GetZoomedPlanet(), 6);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), before + 1);
    EXPECT_EQ(UndoText(solar), L"Zoom to Uranus");
}

// The ring's end gives the panel back "&Highlight" and the planet list, with
// the focus on the button, also when another window has taken the panel
// since.
TEST_F(SolarPanelTest, TheRingsEndGivesThePanelBackWithTheFocusOnHighlight) {
    for (const bool anotherWindowActivated : {false, true}) {
        SolarSystemWindow& solar = NewSolar();
        SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(kSolarHighlight, BN_CLICKED), 0);
        ASSERT_TRUE(solar.Display()->HighlightShown()) << anotherWindowActivated;
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Panel(), kSolarHighlight))) << anotherWindowActivated;
        EXPECT_FALSE(IsWindowEnabled(List())) << anotherWindowActivated;
        if (anotherWindowActivated) NewSolar();
        HWND display = solar.Display()->Window();
        EXPECT_TRUE(KillTimer(display, kSolarHighlightTimer)) << anotherWindowActivated;
        SendMessageW(display, WM_TIMER, kSolarHighlightTimer, 0);
        EXPECT_FALSE(solar.Display()->HighlightShown()) << anotherWindowActivated;
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Panel(), kSolarHighlight))) << anotherWindowActivated;
        EXPECT_TRUE(IsWindowEnabled(List())) << anotherWindowActivated;
        EXPECT_EQ(GetFocus(), GetDlgItem(Panel(), kSolarHighlight)) << anotherWindowActivated;
        Command(CMD_CLOSE_ALL);
    }
}

// A window closed while its ring shows leaves the panel usable.
TEST_F(SolarPanelTest, ClosingDuringTheHighlightEnablesThePanelAgain) {
    SolarSystemWindow& first = NewSolar();
    NewSolar();
    first.GetCommandHistory();
    SolarSystemWindow& active = *dynamic_cast<SolarSystemWindow*>(frame_->Children().ActiveWindow());
    SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(kSolarHighlight, BN_CLICKED), 0);
    EXPECT_TRUE(active.Display()->HighlightShown());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Panel(), kSolarHighlight)));
    SendMessageW(frame_->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(active.Handle()), 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Panel(), kSolarHighlight)));
    EXPECT_TRUE(IsWindowEnabled(List()));
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

// The keys a user types, through the program's own message loop.
class SolarKeyboardTest : public SolarSystemWindowTest {
protected:
    void Keys(std::initializer_list<std::initializer_list<WORD>> chords) { Typed().Keys(chords); }
    void RunLoop() { Typed().RunLoop(); }
    test::TypedKeys Typed() { return test::TypedKeys(*frame_, modeless_); }
    static std::wstring Selected(SolarSystemWindow& solar) {
        const CelestialObject* body = solar.GetSelectedBody().object;
        return body ? std::wstring(ObjectKeyName(*body)) : std::wstring();
    }
};

TEST_F(SolarKeyboardTest, OpenZoomSelectHighlightDuplicateUndoAndCloseByKeys) {
    SetForegroundWindow(frame_->Window());
    ASSERT_TRUE(Typed().Steps({{{VK_MENU, 'W'}, test::TypedKeys::MenuOpen},
                               {{'N'}, test::TypedKeys::SubmenuOpen},
                               {{'Y'}, [this] { return SolarWindows().size() == 1u; }}}));
    ASSERT_EQ(SolarWindows().size(), 1u);
    SolarSystemWindow& solar = *SolarWindows()[0];
    Keys({{VK_CONTROL, VK_SUBTRACT}});
    EXPECT_EQ(solar.GetZoomedPlanet(), 4);
    Keys({{VK_CONTROL, VK_ADD}});
    EXPECT_EQ(solar.GetZoomedPlanet(), 3);
    PostMessageW(solar.Handle(), WM_TIMER, WheelBurst::kTimerId, 0);
    RunLoop();
    const int zoomSteps = solar.GetCommandHistory().UndoableCount();

    // The new window's keys are in its panel, on the planet list: each
    // arrow selects the next planet as a step.
    const HWND list = GetDlgItem(frame_->Children().PanelOf(kSolarSystemWindow)->GetDialogWindow(), kSolarPlanetList);
    ASSERT_TRUE(RunMessagesUntil([list] { return GetFocus() == list; }, 5000));
    Keys({{VK_DOWN}});
    EXPECT_EQ(Selected(solar), L"Mercury");
    Keys({{VK_DOWN}, {VK_END}});
    EXPECT_EQ(Selected(solar), L"Pluto");
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), zoomSteps + 3);
    // On to "&Highlight" past the slider: Space widens the zoom to Pluto.
    Keys({{VK_TAB}, {VK_TAB}, {VK_SPACE}});
    EXPECT_EQ(solar.GetZoomedPlanet(), 8);
    EXPECT_EQ(solar.GetCommandHistory().UndoableCount(), zoomSteps + 4);
    PostMessageW(solar.Display()->Window(), WM_TIMER, 1, 0);
    RunLoop();
    EXPECT_FALSE(solar.Display()->HighlightShown());

    // The selection's menu from the panel, and its duplicate.
    ASSERT_TRUE(Typed().Steps({{{VK_SHIFT, VK_F10}, test::TypedKeys::MenuOpen},
                               {{'D'}, [this] { return SolarWindows().size() == 2u; }}}));
    ASSERT_EQ(SolarWindows().size(), 2u);
    Keys({{VK_CONTROL, VK_F4}});
    ASSERT_EQ(SolarWindows().size(), 1u);
    // Escape hands the keys from the panel back to the window's accelerators.
    Keys({{VK_ESCAPE}, {VK_CONTROL, 'Z'}});
    EXPECT_EQ(solar.GetZoomedPlanet(), 3);
    EXPECT_EQ(Selected(solar), L"Pluto");
    Keys({{VK_CONTROL, VK_F4}});
    EXPECT_TRUE(SolarWindows().empty());
}

}  // namespace
}  // namespace corvinata
