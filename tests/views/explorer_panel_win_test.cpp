// The Jupiter and Saturn control panels under Wine: the real dialogs from
// the program's resources, attached to a real explorer view with its
// document and actions, driven by the mouse and key messages their controls
// take and by the notifications the controls send.
#include "views/explorer_panel_win.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/custom_control_map.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/services.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "controls/custom_controls_setup.h"
#include "controls/trackbar_control.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "views/explorer_panel_texts.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

// An explorer window as its panel sees it: a real window, the view, and the
// refresh of the panel after each change.
class PanelledView final : public PanelWindow, public ExplorerView, public NotificationObserver {
public:
    PanelledView(const ExplorerKindTraits& traits, ExplorerDocument& document, NotificationHub& hub)
        : ExplorerView(traits, document), hub_(hub) {
        window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ApplyRecord(NewExplorerViewRecord(traits));
        hub_.Insert(this);
        document.Views().Insert(this);
    }
    ~PanelledView() override {
        GetDocument().Views().Erase(this);
        hub_.Erase(this);
        DestroyWindow(window_);
    }
    HWND GetWindowHandle() const override { return window_; }
    void WheelZoom(int) override {}
    void StartViewTransition() override {
        if (Attached()) panel->EnableHighlightControls(false);
    }
    void RefreshWindow(int) override { Update(nullptr); }
    void OnNotify(std::int32_t event, std::uint32_t, void* value) override {
        if (event == 0 || (event == Traits().commandEvent && value == static_cast<ExplorerView*>(this))) Update(value);
    }
    void Update(void*) override {
        if (Attached()) panel->ControlPanelUpdate(nullptr);
    }
    bool Attached() const { return panel && panel->GetAttachedWindow() == static_cast<const PanelWindow*>(this); }

    ExplorerControlPanel* panel = nullptr;

private:
    NotificationHub& hub_;
    HWND window_;
};

// The appearance options as a test sets them: sexagesimal degrees and
// hours of right ascension unless it says otherwise.
class SettableDisplayFormat final : public DisplayFormatInterface {
public:
    int GetAngleDegreeBase() const override { return degreeBase; }
    int GetRaDisplayUnit() const override { return raUnit; }
    int degreeBase = kAngleSexagesimal;
    int raUnit = 1;
};

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class ExplorerPanelTest : public ::testing::Test {
protected:
    // The catalogues take a while to build: once for the suite.
    static void SetUpTestSuite() { catalogues_ = new test::ScopedCatalogues; }
    static void TearDownTestSuite() { delete catalogues_; }
    ExplorerPanelTest() {
        // Hidden: under Wine a shown window takes seconds to go.
        pane_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 460, 760, nullptr, nullptr, nullptr, nullptr);
        TimeAndPlace moment;
        moment.dateTime = MakeDateTime(2013, 3, 1, 12.0, kLocalCivilTime);
        moment.place.latitude.degrees = 45.0;
        moment.place.longitude.degrees = -30.0;
        moment.place.timeZone.hours = 2.0;
        jupiterDocument_.SetTimeAndPlace(moment);
        saturnDocument_.SetTimeAndPlace(moment);
    }
    ~ExplorerPanelTest() override { DestroyWindow(pane_); }

    // The kind's panel attached to a new view, as the window's activation
    // does.
    PanelledView& Open(bool saturn = false) {
        view_.reset();
        ExplorerDocument& document = saturn ? static_cast<ExplorerDocument&>(saturnDocument_) : jupiterDocument_;
        ExplorerActions& actions = saturn ? saturnActions_ : jupiterActions_;
        panel_ = std::make_unique<ExplorerControlPanel>(actions, document, [] { return DateTime{}; });
        EXPECT_TRUE(panel_->Create(GetModuleHandleW(nullptr), pane_, nullptr));
        view_ = std::make_unique<PanelledView>(actions.Traits(), document, hub_);
        view_->panel = panel_.get();
        panel_->ControlPanelAttach(view_.get());
        return *view_;
    }
    HWND Item(int id) const { return GetDlgItem(panel_->GetDialogWindow(), id); }
    HWND List() const { return Item(kExplorerMoonListItem); }
    std::wstring Cell(int row, int column) const {
        wchar_t text[64] = {};
        ListView_GetItemText(List(), row, column, text, 64);
        return text;
    }
    bool Ticked(int row) const { return ListView_GetCheckState(List(), row) != 0; }
    int Selected() const { return ListView_GetNextItem(List(), -1, LVNI_SELECTED); }
    int Steps() const { return view_->GetCommandHistory().UndoableCount(); }
    std::wstring UndoText() const {
        const CommandGroup* step = view_->GetCommandHistory().PeekUndoCommand();
        return step ? std::wstring(step->GetText(false).Text()) : std::wstring();
    }
    void Undo() { view_->GetCommandHistory().UndoCommands(1); }
    void Send(UINT message, WPARAM wParam, HWND control) {
        SendMessageW(panel_->GetDialogWindow(), message, wParam, reinterpret_cast<LPARAM>(control));
    }
    void Press(int id) { Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), Item(id)); }
    // A real click in the row: on its check box, or on its name.
    void ClickRow(int row, bool onBox, bool twice = false) {
        RECT bounds{};
        ListView_GetItemRect(List(), row, &bounds, LVIR_BOUNDS);
        LVHITTESTINFO hit{};
        hit.pt = {bounds.left, (bounds.top + bounds.bottom) / 2};
        for (; hit.pt.x < bounds.left + 60; ++hit.pt.x) {
            ListView_SubItemHitTest(List(), &hit);
            if (onBox == ((hit.flags & LVHT_ONITEMSTATEICON) != 0)) break;
        }
        const LPARAM at = MAKELPARAM(hit.pt.x, hit.pt.y);
        for (int press = 0; press < (twice ? 2 : 1); ++press) {
            SendMessageW(List(), press == 0 ? WM_LBUTTONDOWN : WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            SendMessageW(List(), WM_LBUTTONUP, 0, at);
        }
    }
    void Key(WPARAM key) {
        SendMessageW(List(), WM_KEYDOWN, key, 1);
        SendMessageW(List(), WM_KEYUP, key, 1 | (3u << 30));
    }
    void ClickLink(int id) {
        SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    DateTime DocumentTime() const { return view_->GetDocument().GetTimeAndPlace().dateTime; }

    static inline test::ScopedCatalogues* catalogues_ = nullptr;
    SettableDisplayFormat display_;
    ScopedApplicationServices services_{nullptr, &display_};
    CustomControlMap controls_;
    CustomControlsSession session_{GetModuleHandleW(nullptr), controls_};
    NotificationHub hub_;
    test::FakeCurrentTime now_;
    test::FakeScriptErrors errors_;
    JupiterExplorerDocument jupiterDocument_{hub_, now_};
    SaturnExplorerDocument saturnDocument_{hub_, now_};
    ExplorerActions jupiterActions_{CommandContext{hub_, errors_}, JupiterExplorerTraits()};
    ExplorerActions saturnActions_{CommandContext{hub_, errors_}, SaturnExplorerTraits()};
    HWND pane_ = nullptr;
    std::unique_ptr<ExplorerControlPanel> panel_;
    std::unique_ptr<PanelledView> view_;
};

TEST_F(ExplorerPanelTest, EachKindShowsItsPlanetItsMoonsAndTheViewsState) {
    const struct {
        bool saturn;
        const wchar_t* caption;
        int moons;
        const wchar_t *lastMoon, *constellation;
    } kinds[] = {{false, L"Control Panel (Jupiter)", 4, L"Callisto", L"Tau"},
                 {true, L"Control Panel (Saturn)", 8, L"Iapetus", L"Lib"}};
    for (const auto& kind : kinds) {
        PanelledView& view = Open(kind.saturn);
        EXPECT_EQ(Text(panel_->GetDialogWindow()), kind.caption);
        ASSERT_EQ(ListView_GetItemCount(List()), kind.moons);
        EXPECT_EQ(Cell(kind.moons - 1, 0), kind.lastMoon);
        EXPECT_EQ(SendMessageW(Item(kExplorerZoomItem), TBM_GETRANGEMAX, 0, 0), kind.moons - 1);
        EXPECT_EQ(SendMessageW(Item(kExplorerZoomItem), TBM_GETPOS, 0, 0), kind.moons - 1);
        const double* moons = kind.saturn ? saturnDocument_.Moons().data() : jupiterDocument_.Moons().data();
        for (int cell = 0; cell < kind.moons * 3; ++cell) {
            EXPECT_EQ(Cell(cell / 3, cell % 3 + 1), ExplorerCoordinateText(moons[cell]).Text());
            EXPECT_TRUE(Ticked(cell / 3));
        }
        EXPECT_EQ(Selected(), 0);
        EXPECT_EQ(Text(Item(kExplorerFirstLabelItem)), L"Right ascension:");
        EXPECT_EQ(Text(Item(kExplorerConstellationItem)), kind.constellation);
        EXPECT_EQ(Text(Item(kExplorerTiltToEarthItem)),
                  ExplorerTiltText(view.GetDocument().TiltToEarth(), kAngleSexagesimal).Text());
        EXPECT_EQ(Text(Item(kExplorerDateItem)) + L" " + Text(Item(kExplorerTimeItem)), L"01.03.2013 12:00:00");
    }
}

// Every change of a box is a step, by mouse or by Space; a name is a
// selection; an undo puts the list back with the view.
TEST_F(ExplorerPanelTest, BoxesAndNamesRecordOneStepEachByMouseAndKeyboard) {
    PanelledView& view = Open();
    const struct {
        std::function<void()> act;
        const wchar_t* step;
        int selected;
        unsigned shown;
    } actions[] = {{[&] { ClickRow(1, true); }, L"Hide Europa", 0, 0xD},
                   {[&] { ClickRow(2, false); }, L"Select Ganymede", 2, 0xD},
                   {[&] { Key(VK_SPACE); }, L"Hide Ganymede", 2, 0x9},
                   {[&] { Key(VK_DOWN); }, L"Select Callisto", 3, 0x9},
                   {[&] { Key(VK_SPACE); }, L"Hide Callisto", 3, 0x1}};
    SetFocus(List());
    for (const auto& a : actions) {
        a.act();
        EXPECT_EQ(UndoText(), a.step);
        EXPECT_EQ(view.GetSelectedMoon(), a.selected) << a.step;
        EXPECT_EQ(view.GetMoonVisibility(), a.shown) << a.step;
    }
    EXPECT_EQ(Steps(), 5);
    for (int undone = 0; undone < 4; ++undone) Undo();
    EXPECT_EQ(Steps(), 1);  // the list's own changes by the undos recorded nothing
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(Ticked(2) && Ticked(3) && !Ticked(1));
}

TEST_F(ExplorerPanelTest, AZoomDragShowsEachLevelAndRecordsOneStep) {
    PanelledView& view = Open(true);
    view.SetZoomLevel(0);
    panel_->ControlPanelUpdate(nullptr);
    HWND slider = Item(kExplorerZoomItem);
    for (const int level : {1, 2, 3}) {
        SendMessageW(slider, TBM_SETPOS, TRUE, level);
        Send(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, level), slider);
        EXPECT_EQ(view.GetZoomLevel(), level);
        EXPECT_EQ(Steps(), 0);
    }
    Send(kTrackbarMovedMessage, MAKEWPARAM(0, 3), slider);
    ASSERT_EQ(Steps(), 1);
    EXPECT_EQ(UndoText(), L"Zoom to Dione");
    Undo();
    EXPECT_EQ(view.GetZoomLevel(), 0);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 0);
}

// Double-clicking the outermost moon while zoomed in: its selection and the
// widened zoom are one step, and the selection is highlighted.
TEST_F(ExplorerPanelTest, DoubleClickingAMoonWidensTheZoomInTheClicksStep) {
    PanelledView& view = Open();
    view.SetZoomLevel(0);
    ClickRow(3, false, true);
    EXPECT_EQ(view.GetSelectedMoon(), 3);
    EXPECT_EQ(view.GetZoomLevel(), 3);
    EXPECT_EQ(Steps(), 1);
    EXPECT_FALSE(IsWindowEnabled(Item(kExplorerHighlightItem)));
    Undo();
    EXPECT_EQ(view.GetSelectedMoon(), 0);
    EXPECT_EQ(view.GetZoomLevel(), 0);
    // A window closed within the highlight leaves the panel usable.
    panel_->ControlPanelWindowClosing(&view);
    EXPECT_TRUE(IsWindowEnabled(Item(kExplorerHighlightItem)));
    EXPECT_TRUE(IsWindowEnabled(List()));
}

TEST_F(ExplorerPanelTest, TiltAndHighlightButtonsAreSteps) {
    PanelledView& view = Open();
    view.SelectMoon(2, false);
    view.SetZoomLevel(0);
    const struct {
        int button;
        const wchar_t* step;
    } presses[] = {{kExplorerTiltNorthItem, L"Tilt to 5\u00B0"}, {kExplorerTiltNorthItem, L"Tilt to 10\u00B0"},
                   {kExplorerUntiltItem, L"Tilt to 0\u00B0"},     {kExplorerTiltSouthItem, L"Tilt to -5\u00B0"},
                   {kExplorerHighlightItem, L"Zoom to Ganymede"}};
    for (const auto& press : presses) {
        Press(press.button);
        EXPECT_EQ(UndoText(), press.step);
    }
    EXPECT_EQ(view.GetTiltAngle(), -5);
    EXPECT_EQ(view.GetZoomLevel(), 2);
    panel_->ControlPanelAttach(nullptr);
    Press(kExplorerTiltNorthItem);  // no window: nothing happens
    EXPECT_EQ(view.GetTiltAngle(), -5);
}

// Ten frames move the document without steps; Stop records the run as one
// step whose undo returns to where it began.
TEST_F(ExplorerPanelTest, AnAnimationRunIsOneStep) {
    Open();
    const DateTime start = DocumentTime();
    SetDlgItemTextW(panel_->GetDialogWindow(), kStepCountItem, L"2");
    SendMessageW(Item(kStepUnitItem), CB_SETCURSEL, 1, 0);  // hours
    Press(kAnimateItem);
    EXPECT_EQ(Text(Item(kAnimateItem)), L"&Stop");
    const UINT timer = panel_->TimePart()->Config().timerId;
    for (int frame = 0; frame < 10; ++frame) Send(WM_TIMER, timer, nullptr);
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(Text(Item(kExplorerTimeItem)), L"08:00:00");
    Press(kAnimateItem);
    ASSERT_EQ(Steps(), 1);
    EXPECT_EQ(UndoText(), L"Go to 02.03.2013 08:00:00");
    Undo();
    EXPECT_NEAR(DateTimeDifferenceDays(DocumentTime(), start), 0.0, 1e-9);
}

// The link lands on the event it shows, whatever system it is told in: on
// the document's date in that system, at the link's time, with the planet
// at the horizon. With "UT" chosen at UT+2 the view does not land two hours
// off; with "LCT" Jupiter's set at 01:23 on the 1st is not taken for the
// set of the Universal 1st, which is local 01:20 on the 2nd.
TEST_F(ExplorerPanelTest, RiseAndSetLinksGoToTheEventInAnyTimeSystem) {
    const struct {
        bool saturn;
        DateTime document;
    } cases[] = {{false, MakeDateTime(2013, 3, 1, 12.0, kLocalCivilTime)},
                 {true, MakeDateTime(2013, 6, 20, 12.0, kLocalCivilTime)}};
    for (const auto& c : cases) {
        Open(c.saturn);
        const CelestialObject& planet = *PlanetByNumber(c.saturn ? 5 : 4);
        for (const int system : {kUniversalTime, kLocalCivilTime}) {
            for (const int link : {kExplorerRiseItem, kExplorerSetItem}) {
                view_->GetDocument().SetDateTime(c.document);
                SendMessageW(Item(kExplorerTimeSystemItem), CB_SETCURSEL, system, 0);
                Send(WM_COMMAND, MAKEWPARAM(kExplorerTimeSystemItem, CBN_SELCHANGE), Item(kExplorerTimeSystemItem));
                TimeAndPlace reached = view_->GetDocument().GetTimeAndPlace();
                DateTime day = reached.dateTime;
                ConvertTimeSystemAt(day, system, reached.place.longitude.GetValue(), reached.place.timeZone.hours,
                                    reached.daylightSaving);
                const std::wstring shown = Text(Item(link));
                ClickLink(link);
                reached.dateTime = DocumentTime();
                EXPECT_EQ(reached.dateTime.timeSystem, kLocalCivilTime);
                EXPECT_NEAR(EvaluateBodyFunction(planet, kFunctionLatitude, kHorizontalSystem, reached), -0.5667,
                            0.01)
                    << c.saturn << " " << system << " " << link;
                DateTime told = reached.dateTime;
                ConvertTimeSystemAt(told, system, reached.place.longitude.GetValue(), reached.place.timeZone.hours,
                                    reached.daylightSaving);
                EXPECT_EQ(told.day, day.day) << c.saturn << " " << system << " " << link;
                String text;
                EXPECT_EQ(FormatTime(kTimeToMinute, told, false, kTruncateTime, nullptr, text).Text(), shown);
            }
        }
    }
    // Far north Jupiter stays up all day: neither link is a link.
    Open();
    TimeAndPlace north = jupiterDocument_.GetTimeAndPlace();
    north.place.latitude.degrees = 80.0;
    north.dateTime = MakeDateTime(2013, 1, 1, 12.0, kLocalCivilTime);
    jupiterDocument_.SetTimeAndPlace(north);
    const int steps = Steps();
    for (const int link : {kExplorerRiseItem, kExplorerSetItem}) {
        EXPECT_EQ(Text(Item(link)), L"--:--");
        EXPECT_FALSE(IsWindowEnabled(Item(link)));
        ClickLink(link);
    }
    EXPECT_EQ(Steps(), steps);
}

// The planet's place and tilts follow both appearance options: angles in
// sexagesimal or decimal degrees, right ascension in hours or degrees.
TEST_F(ExplorerPanelTest, PlaceAndTiltsFollowTheAppearanceOptions) {
    const struct {
        int degreeBase, raUnit;
        const wchar_t *raMark, *declinationMark;
    } cases[] = {{kAngleSexagesimal, 1, L"h", L"'"},
                 {kAngleDecimal, 1, L"h", L"."},
                 {kAngleSexagesimal, 0, L"\u00B0", L"'"},
                 {kAngleDecimal, 0, L"\u00B0", L"."}};
    for (const auto& c : cases) {
        display_.degreeBase = c.degreeBase;
        display_.raUnit = c.raUnit;
        PanelledView& view = Open(true);
        const std::wstring ra = Text(Item(kExplorerFirstValueItem));
        const std::wstring declination = Text(Item(kExplorerSecondValueItem));
        EXPECT_NE(ra.find(c.raMark), std::wstring::npos) << ra;
        EXPECT_EQ(ra.find(c.raUnit == 1 ? L"\u00B0" : L"h"), std::wstring::npos) << ra;
        EXPECT_NE(declination.find(c.declinationMark), std::wstring::npos) << declination;
        EXPECT_EQ(Text(Item(kExplorerTiltToEarthItem)),
                  ExplorerTiltText(view.GetDocument().TiltToEarth(), c.degreeBase).Text());
    }
}

}  // namespace
}  // namespace corvinata
