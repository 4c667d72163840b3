// The Jupiter and Saturn control panels under Wine: the real dialogs from
// the program's resources, attached to a real explorer view with its
// document and actions, driven by the mouse and key messages their controls
// take and by the notifications the controls send.
#include "views/explorer_panel_win.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/custom_control_map.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "frame/custom_controls_setup.h"
#include "frame/trackbar_control.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "views/explorer_panel_texts.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

// An explorer window as the panel sees it: a real window, the view, and
// the window's refresh of its panel after each change.
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
    void WheelZoom(int steps) override { wheel += steps; }
    void StartViewTransition() override {
        ++transitions;
        if (Panel()) panel->EnableHighlightControls(false);
    }
    void RefreshWindow(int) override { Refresh(); }
    void OnNotify(std::int32_t event, std::uint32_t, void* value) override {
        if (event == 0 || (event == Traits().commandEvent && value == static_cast<ExplorerView*>(this))) Refresh();
    }
    void Update(void*) override { Refresh(); }

    ExplorerControlPanel* panel = nullptr;
    int transitions = 0;
    int wheel = 0;

private:
    ExplorerControlPanel* Panel() const {
        return panel && panel->GetAttachedWindow() == static_cast<const PanelWindow*>(this) ? panel : nullptr;
    }
    void Refresh() {
        if (Panel()) panel->ControlPanelUpdate(nullptr);
    }

    NotificationHub& hub_;
    HWND window_;
};

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring Narrow(const String& text) { return text.Text(); }

class ExplorerPanelTest : public ::testing::Test {
protected:
    // The catalogues take a while to build: once for the suite.
    static void SetUpTestSuite() { catalogues_ = new test::ScopedCatalogues; }
    static void TearDownTestSuite() {
        delete catalogues_;
        catalogues_ = nullptr;
    }
    ExplorerPanelTest() {
        EXPECT_TRUE(catalogues_->Created());
        pane_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 460, 760, nullptr, nullptr, nullptr,
                                nullptr);
        TimeAndPlace moment;
        moment.dateTime = MakeDateTime(2013, 3, 1, 12.0, kLocalCivilTime);
        moment.place.latitude.degrees = 45.0;
        moment.place.longitude.degrees = -30.0;
        moment.place.timeZone.hours = 2.0;
        jupiterDocument_.SetTimeAndPlace(moment);
        saturnDocument_.SetTimeAndPlace(moment);
    }
    ~ExplorerPanelTest() override {
        view_.reset();
        panel_.reset();
        DestroyWindow(pane_);
    }

    // The kind's panel attached to a new view, as the window's activation
    // does.
    PanelledView& Open(bool saturn = false) {
        ExplorerDocument& document = saturn ? static_cast<ExplorerDocument&>(saturnDocument_) : jupiterDocument_;
        ExplorerActions& actions = saturn ? saturnActions_ : jupiterActions_;
        panel_ = std::make_unique<ExplorerControlPanel>(actions, document, [] {
            return MakeDateTime(2000, 1, 1, 0.0, kLocalCivilTime);
        });
        EXPECT_TRUE(panel_->Create(GetModuleHandleW(nullptr), pane_, nullptr));
        ShowWindow(panel_->GetDialogWindow(), SW_SHOW);
        view_ = std::make_unique<PanelledView>(actions.Traits(), document, hub_);
        view_->panel = panel_.get();
        panel_->ControlPanelAttach(view_.get());
        return *view_;
    }
    HWND Dialog() const { return panel_->GetDialogWindow(); }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    HWND List() const { return Item(kExplorerMoonListItem); }
    std::wstring Cell(int row, int column) const {
        wchar_t text[64] = {};
        ListView_GetItemText(List(), row, column, text, 64);
        return text;
    }
    bool Ticked(int row) const { return ListView_GetCheckState(List(), row) != 0; }
    int Steps() const { return view_->GetCommandHistory().UndoableCount(); }
    std::wstring UndoText() const {
        const CommandGroup* step = view_->GetCommandHistory().PeekUndoCommand();
        return step ? std::wstring(step->GetText(false).Text()) : std::wstring();
    }
    void Undo() { view_->GetCommandHistory().UndoCommands(1); }
    void Press(int id) {
        SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
    // A point of the row: on its check box, or on its name.
    POINT RowPoint(int row, bool onBox) const {
        RECT bounds{};
        ListView_GetItemRect(List(), row, &bounds, LVIR_BOUNDS);
        const int y = (bounds.top + bounds.bottom) / 2;
        for (int x = bounds.left; x < bounds.left + 60; ++x) {
            LVHITTESTINFO hit{};
            hit.pt = {x, y};
            ListView_SubItemHitTest(List(), &hit);
            if (onBox == ((hit.flags & LVHT_ONITEMSTATEICON) != 0) && hit.iItem == row) return hit.pt;
        }
        ADD_FAILURE() << "no " << (onBox ? "box" : "name") << " in row " << row;
        return {0, 0};
    }
    void ClickRow(int row, bool onBox, bool twice = false) {
        const POINT at = RowPoint(row, onBox);
        const LPARAM where = MAKELPARAM(at.x, at.y);
        SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageW(List(), WM_LBUTTONUP, 0, where);
        if (!twice) return;
        SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, where);
        SendMessageW(List(), WM_LBUTTONUP, 0, where);
    }
    void Key(HWND window, WPARAM key) {
        SendMessageW(window, WM_KEYDOWN, key, 1);
        SendMessageW(window, WM_KEYUP, key, 1 | (3u << 30));
    }
    // The zoom slider's thumb moved to `level` during a drag.
    void DragTo(int level) {
        HWND slider = Item(kExplorerZoomItem);
        SendMessageW(slider, TBM_SETPOS, TRUE, level);
        SendMessageW(Dialog(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, level), reinterpret_cast<LPARAM>(slider));
    }
    // The slider's report that the drag from `from` ended at `to`.
    void LetGo(int from, int to) {
        SendMessageW(Dialog(), kTrackbarMovedMessage, MAKEWPARAM(from, to),
                     reinterpret_cast<LPARAM>(Item(kExplorerZoomItem)));
    }
    void ChooseTimeSystem(int system) {
        SendMessageW(Item(kExplorerTimeSystemItem), CB_SETCURSEL, system, 0);
        SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(kExplorerTimeSystemItem, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(kExplorerTimeSystemItem)));
    }
    void ClickLink(int id) {
        SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    DateTime DocumentTime() const { return view_->GetDocument().GetTimeAndPlace().dateTime; }

    static inline test::ScopedCatalogues* catalogues_ = nullptr;
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
        int highestZoom;
        const wchar_t* lastMoon;
    } kinds[] = {{false, L"Control Panel (Jupiter)", 4, 3, L"Callisto"},
                 {true, L"Control Panel (Saturn)", 8, 7, L"Iapetus"}};
    for (const auto& kind : kinds) {
        PanelledView& view = Open(kind.saturn);
        EXPECT_EQ(Text(Dialog()), kind.caption);
        ASSERT_EQ(ListView_GetItemCount(List()), kind.moons);
        EXPECT_EQ(Cell(kind.moons - 1, 0), kind.lastMoon);
        EXPECT_EQ(SendMessageW(Item(kExplorerZoomItem), TBM_GETRANGEMAX, 0, 0), kind.highestZoom);
        EXPECT_EQ(SendMessageW(Item(kExplorerZoomItem), TBM_GETPOS, 0, 0), kind.highestZoom);
        // X, Y, Z as the document has them.
        const double* moons = kind.saturn ? saturnDocument_.Moons().data() : jupiterDocument_.Moons().data();
        for (int moon = 0; moon < kind.moons; ++moon) {
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_EQ(Cell(moon, axis + 1), Narrow(ExplorerCoordinateText(moons[moon * 3 + axis])));
            }
            EXPECT_TRUE(Ticked(moon));
        }
        EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 0);
        EXPECT_EQ(Text(Item(kExplorerFirstLabelItem)), L"Right ascension:");
        EXPECT_EQ(Text(Item(kExplorerTiltToEarthItem)),
                  Narrow(ExplorerTiltText(view.GetDocument().TiltToEarth(), kAngleSexagesimal)));
        for (const int item : {kExplorerFirstValueItem, kExplorerSecondValueItem, kExplorerConstellationItem,
                               kExplorerMagnitudeItem, kExplorerPhaseItem, kExplorerTiltToEastItem, kExplorerDateItem,
                               kExplorerTimeItem, kExplorerSiderealItem}) {
            EXPECT_NE(Text(Item(item)), L"NoInit!") << item;
            EXPECT_NE(Text(Item(item)), L"") << item;
        }
        EXPECT_EQ(Text(Item(kExplorerConstellationItem)), kind.saturn ? L"Lib" : L"Tau");
        EXPECT_EQ(Text(Item(kExplorerDateItem)), L"01.03.2013");
        EXPECT_EQ(Text(Item(kExplorerTimeItem)), L"12:00:00");
        view_.reset();
        panel_.reset();
    }
}

// Every change of a box is a step, by mouse or by Space; a name is a
// selection; an undo puts the list back with the view.
TEST_F(ExplorerPanelTest, BoxesAndNamesRecordOneStepEachByMouseAndKeyboard) {
    PanelledView& view = Open();
    ClickRow(1, true);
    EXPECT_EQ(UndoText(), L"Hide Europa");
    EXPECT_FALSE(view.IsMoonShown(1));
    EXPECT_FALSE(Ticked(1));
    ClickRow(2, false);
    EXPECT_EQ(UndoText(), L"Select Ganymede");
    EXPECT_EQ(view.GetSelectedMoon(), 2);
    SetFocus(List());
    Key(List(), VK_SPACE);
    EXPECT_EQ(UndoText(), L"Hide Ganymede");
    EXPECT_FALSE(view.IsMoonShown(2));
    Key(List(), VK_DOWN);
    EXPECT_EQ(UndoText(), L"Select Callisto");
    Key(List(), VK_SPACE);
    EXPECT_EQ(UndoText(), L"Hide Callisto");
    EXPECT_EQ(Steps(), 5);
    Undo();
    EXPECT_TRUE(view.IsMoonShown(3));
    EXPECT_TRUE(Ticked(3));
    Undo();
    Undo();
    EXPECT_EQ(view.GetSelectedMoon(), 2);
    EXPECT_TRUE(Ticked(2));
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 2);
    Undo();
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 0);
    EXPECT_EQ(Steps(), 1);  // the undos themselves changed no box
}

TEST_F(ExplorerPanelTest, AZoomDragShowsEachLevelAndRecordsOneStep) {
    PanelledView& view = Open(true);
    view.SetZoomLevel(0);
    panel_->ControlPanelUpdate(nullptr);
    for (const int level : {1, 2, 3}) {
        DragTo(level);
        EXPECT_EQ(view.GetZoomLevel(), level);
        EXPECT_EQ(Steps(), 0);
    }
    LetGo(0, 3);
    EXPECT_EQ(view.GetZoomLevel(), 3);
    ASSERT_EQ(Steps(), 1);
    EXPECT_EQ(UndoText(), L"Zoom to Dione");
    Undo();
    EXPECT_EQ(view.GetZoomLevel(), 0);
    EXPECT_EQ(SendMessageW(Item(kExplorerZoomItem), TBM_GETPOS, 0, 0), 0);
}

// Double-clicking the outermost moon while zoomed in: its selection and the
// widened zoom are one step; without a selection to join, the zoom is its
// own step.
TEST_F(ExplorerPanelTest, DoubleClickingAMoonWidensTheZoomInTheClicksStep) {
    PanelledView& view = Open();
    view.SetZoomLevel(0);
    ClickRow(3, false, true);
    EXPECT_EQ(view.GetSelectedMoon(), 3);
    EXPECT_EQ(view.GetZoomLevel(), 3);
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(view.transitions, 1);
    EXPECT_FALSE(IsWindowEnabled(Item(kExplorerHighlightItem)));
    Undo();
    EXPECT_EQ(view.GetSelectedMoon(), 0);
    EXPECT_EQ(view.GetZoomLevel(), 0);

    PanelledView other(JupiterExplorerTraits(), jupiterDocument_, hub_);
    other.SelectMoon(2, false);
    other.SetZoomLevel(0);
    panel_->ControlPanelAttach(&other);
    NMITEMACTIVATE activate{};
    activate.hdr = {List(), static_cast<UINT_PTR>(kExplorerMoonListItem), static_cast<UINT>(NM_DBLCLK)};
    activate.iItem = 2;
    activate.ptAction = RowPoint(2, false);
    SendMessageW(Dialog(), WM_NOTIFY, kExplorerMoonListItem, reinterpret_cast<LPARAM>(&activate));
    EXPECT_EQ(other.GetZoomLevel(), 2);
    ASSERT_EQ(other.GetCommandHistory().UndoableCount(), 1);
    EXPECT_EQ(std::wstring(other.GetCommandHistory().PeekUndoCommand()->GetText(false).Text()), L"Zoom to Ganymede");
    panel_->ControlPanelAttach(view_.get());
}

TEST_F(ExplorerPanelTest, TiltAndHighlightButtonsAreStepsAndAClosingWindowEnablesThePanel) {
    PanelledView& view = Open();
    const struct {
        int button;
        int tilt;
        const wchar_t* step;
    } presses[] = {{kExplorerTiltNorthItem, 5, L"Tilt to 5\u00B0"},
                   {kExplorerTiltNorthItem, 10, L"Tilt to 10\u00B0"},
                   {kExplorerTiltSouthItem, 5, L"Tilt to 5\u00B0"},
                   {kExplorerUntiltItem, 0, L"Tilt to 0\u00B0"},
                   {kExplorerTiltSouthItem, -5, L"Tilt to -5\u00B0"}};
    for (const auto& press : presses) {
        Press(press.button);
        EXPECT_EQ(view.GetTiltAngle(), press.tilt);
        EXPECT_EQ(UndoText(), press.step);
    }
    view.SelectMoon(2, false);
    view.SetZoomLevel(0);
    Press(kExplorerHighlightItem);
    EXPECT_EQ(view.GetZoomLevel(), 2);
    EXPECT_EQ(UndoText(), L"Zoom to Ganymede");
    EXPECT_FALSE(IsWindowEnabled(Item(kExplorerHighlightItem)));
    EXPECT_FALSE(IsWindowEnabled(List()));
    panel_->ControlPanelWindowClosing(&view);
    panel_->ControlPanelAttach(nullptr);
    EXPECT_TRUE(IsWindowEnabled(Item(kExplorerHighlightItem)));
    EXPECT_TRUE(IsWindowEnabled(List()));
    Press(kExplorerTiltNorthItem);  // no window: nothing happens
    EXPECT_EQ(view.GetTiltAngle(), -5);
}

// Ten frames move the document without steps; Stop records the run as one
// step whose undo returns to where it began.
TEST_F(ExplorerPanelTest, AnAnimationRunIsOneStep) {
    Open();
    const DateTime start = DocumentTime();
    SetDlgItemTextW(Dialog(), kStepCountItem, L"2");
    SendMessageW(Item(kStepUnitItem), CB_SETCURSEL, 1, 0);  // hours
    Press(kAnimateItem);
    EXPECT_EQ(Text(Item(kAnimateItem)), L"&Stop");
    for (int frame = 0; frame < 10; ++frame) SendMessageW(Dialog(), WM_TIMER, 7321, 0);
    EXPECT_EQ(Steps(), 0);
    EXPECT_NEAR(DateTimeDifferenceDays(DocumentTime(), start), 20.0 / 24.0, 1e-6);
    EXPECT_EQ(Text(Item(kExplorerTimeItem)), L"08:00:00");
    Press(kAnimateItem);
    ASSERT_EQ(Steps(), 1);
    EXPECT_EQ(UndoText(), L"Go to 02.03.2013 08:00:00");
    Undo();
    EXPECT_NEAR(DateTimeDifferenceDays(DocumentTime(), start), 0.0, 1e-9);
    EXPECT_EQ(Text(Item(kExplorerTimeItem)), L"12:00:00");
}

// The links lead to the event whatever system they are told in: with "UT"
// chosen at UT+2 the view does not land two hours off.
TEST_F(ExplorerPanelTest, RiseAndSetLinksGoToTheEventInAnyTimeSystem) {
    Open();
    const CelestialObject& jupiter = *PlanetByNumber(4);
    for (const int system : {kUniversalTime, kLocalCivilTime}) {
        for (const auto& [link, function] : {std::pair<int, std::uint32_t>{kExplorerRiseItem, kFunctionRise},
                                             {kExplorerSetItem, kFunctionSet}}) {
            view_->GetDocument().SetDateTime(MakeDateTime(2013, 3, 1, 12.0, kLocalCivilTime));
            ChooseTimeSystem(system);
            const double universal =
                EvaluateBodyFunction(jupiter, function, kUniversalTime, view_->GetDocument().GetTimeAndPlace());
            ASSERT_TRUE(universal >= 0.0 && universal < 24.0);
            ASSERT_TRUE(IsWindowEnabled(Item(link)));
            EXPECT_EQ(Text(Item(link)).size(), 5u) << "HH:MM";
            const int before = Steps();
            ClickLink(link);
            EXPECT_EQ(Steps(), before + 1);
            DateTime reached = DocumentTime();
            EXPECT_EQ(reached.timeSystem, kLocalCivilTime);
            const TimeAndPlace& moment = view_->GetDocument().GetTimeAndPlace();
            ConvertTimeSystemAt(reached, kUniversalTime, moment.place.longitude.GetValue(),
                                moment.place.timeZone.hours, moment.daylightSaving);
            EXPECT_NEAR(reached.hours, universal, 1e-6) << system << " " << link;
        }
    }
}

// Far north Jupiter stays up all day: neither link is a link.
TEST_F(ExplorerPanelTest, APlanetThatDoesNotSetShowsDashesThatCannotBeClicked) {
    Open();
    TimeAndPlace north = jupiterDocument_.GetTimeAndPlace();
    north.place.latitude.degrees = 80.0;
    north.dateTime = MakeDateTime(2013, 1, 1, 12.0, kLocalCivilTime);
    jupiterDocument_.SetTimeAndPlace(north);
    for (const int link : {kExplorerRiseItem, kExplorerSetItem}) {
        EXPECT_EQ(Text(Item(link)), L"--:--");
        EXPECT_FALSE(IsWindowEnabled(Item(link)));
        ClickLink(link);
    }
    EXPECT_EQ(Steps(), 0);
}

TEST_F(ExplorerPanelTest, SettingsComeBackAsAppliedAndTheWheelGoesToTheWindow) {
    PanelledView& view = Open(true);
    PanelSettings settings;
    settings.timeStep = TimeStep{kHoursUnit, 3};
    settings.coordinateSystem = 1;
    settings.riseSetTimeSystem = kUniversalTime;
    panel_->ApplySettings(settings);
    const PanelSettings read = panel_->ReadSettings();
    EXPECT_EQ(read.timeStep.unit, kHoursUnit);
    EXPECT_EQ(read.timeStep.count, 3);
    EXPECT_EQ(read.coordinateSystem, 1);
    EXPECT_EQ(read.riseSetTimeSystem, kUniversalTime);
    EXPECT_EQ(Text(Item(kExplorerFirstLabelItem)), L"Longitude:");
    SendMessageW(Dialog(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(view.wheel, -2);
}

}  // namespace
}  // namespace corvinata
