// What every kind of child window does when it becomes active, in the real
// frame with the mouse and the keys a user uses: the keys go into the kind's
// control panel, and the Related Tasks pane lists the window's tasks,
// whichever way the window came to the front.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/help_topics_win.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "controls/custom_control_registry.h"
#include "controls/spin_edit_window.h"
#include "frame/frame_related_tasks.h"
#include "frame/frame_window_services.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "support/list_view_rows_win.h"
#include "support/test_text.h"
#include "typed_keys.h"
#include "views/eclipse_panel_win.h"
#include "views/explorer_panel_win.h"
#include "views/graph_window_win.h"
#include "views/report_picture_panels_win.h"
#include "views/report_window_win.h"
#include "views/sky_panel_win.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

using test::Utf8;

struct KindCase {
    const char* name;
    int command;  // Window > New
    int kind;
};

const KindCase kKinds[] = {
    {"Sky", CMD_NEW_SKY, kSkyWindow},
    {"SolarSystem", CMD_NEW_SOLAR_SYSTEM, kSolarSystemWindow},
    {"Jupiter", CMD_NEW_JUPITER, kJupiterExplorerWindow},
    {"Saturn", CMD_NEW_SATURN, kSaturnExplorerWindow},
    {"SolarEclipse", CMD_NEW_ECLIPSE, kSolarEclipseWindow},
    {"Graph", CMD_NEW_GRAPH_WINDOW, kGraphWindow},
    {"Picture", CMD_NEW_PICTURE, kPictureWindow},
    {"Report", CMD_NEW_REPORT, kReportWindow},
};

class ChildActivationTest : public test::FrameTest {
public:
    ChildActivationTest() {
        static test::ScopedCatalogues catalogues;
        StartAsProgram(GetProgramDirectory(GetModuleHandleW(nullptr)));
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 880, SWP_NOZORDER);
        if (!frame_->IsPaneShown(CMD_VIEW_RELATED_TASKS)) Command(CMD_VIEW_RELATED_TASKS);
        app_->Current().SetDateTime(DateTime{2026, 8, 10, 12.0, kLocalCivilTime}, false);
        SetForegroundWindow(frame_->Window());
        Typed().RunLoop();
    }
    ~ChildActivationTest() override {
        // New graphs count as changed: the program would ask about each.
        if (frame_) {
            for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
                if (auto* graph = dynamic_cast<GraphWindow*>(open)) graph->Graph().History().MarkSaved();
            }
        }
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    FrameWindow& Frame() const { return *frame_; }
    test::TypedKeys Typed() const { return test::TypedKeys(*frame_, modeless_); }

    // Window > New of the kind, with the frame in front.
    MdiChildWindow* Open(const KindCase& c) {
        SetForegroundWindow(frame_->Window());
        Command(c.command);
        Typed().RunLoop();
        MdiChildWindow* window = frame_->Children().ActiveWindowOf(c.kind);
        if (window && !frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL)) Command(CMD_VIEW_CONTROL_PANEL);
        return window;
    }
    HWND PanelDialog(int kind) const {
        ControlPanel* panel = frame_->Children().PanelOf(kind);
        return panel ? panel->GetDialogWindow() : nullptr;
    }
    // The keys inside the kind's panel, within a few seconds.
    bool FocusComesToPanel(int kind) const {
        const HWND dialog = PanelDialog(kind);
        return dialog && RunMessagesUntil([dialog] { return IsChild(dialog, GetFocus()) != FALSE; }, 5000);
    }
    static std::string Where(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        wchar_t caption[64] = {};
        GetWindowTextW(window, caption, 64);
        return Utf8(name) + " \"" + Utf8(caption) + "\" (" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
               std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
    }
    // Where the keys are, for a failure's message.
    static std::string Focus() {
        const HWND focus = GetFocus();
        wchar_t name[64] = {};
        if (focus) GetClassNameW(focus, name, 64);
        return "the focus on " + Utf8(name) + " #" + std::to_string(focus ? GetDlgCtrlID(focus) : 0);
    }
    bool FocusComesTo(HWND window) const {
        return RunMessagesUntil([window] { return GetFocus() == window; }, 5000);
    }

    HWND TaskList() const { return GetDlgItem(frame_->PaneWindow(CMD_VIEW_RELATED_TASKS), kRelatedTasksListId); }
    std::vector<std::string> Tasks() const { return test::ListRows(TaskList()); }
    // The tasks the pane lists for the window, the active one (built
    // afresh, then listed).
    std::vector<std::string> TasksOf(MdiChildWindow& window) {
        EXPECT_EQ(frame_->Children().ActiveWindow(), &window);
        frame_->RefreshRelatedTasks();
        return Tasks();
    }
    // The pane as a tool leaves it: Object Info's tasks of the Moon.
    void ShowMoonInObjectInfo() {
        const BodyIdentifier moon = BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0));
        const DateTime date = app_->Current().GetTimeAndLocation().dateTime;
        frame_->Services().ShowObjectInfo(moon, &date);
        Typed().RunLoop();
        MoveAside(Tool(CMD_OBJECT_INFO));
    }
    // A tool window beside the frame, where it covers none of the windows.
    static void MoveAside(HWND tool) {
        if (tool) SetWindowPos(tool, nullptr, 1210, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND Tool(int command) const {
        const ToolWindow* tool = frame_->Tools().Find(command);
        return tool ? tool->Window() : nullptr;
    }
    // A tool shown and brought in front of the frame, away from the windows.
    bool BringToolForward(int command) {
        if (!frame_->Tools().IsShown(command)) Command(command);
        const HWND tool = Tool(command);
        if (!tool) return false;
        MoveAside(tool);
        SetForegroundWindow(tool);
        Typed().RunLoop();
        return GetActiveWindow() == tool;
    }
    // A click on the caption of a child window, as the user brings it forward.
    // (Raised first, without activating it: another window may lie over it.)
    void ClickCaption(HWND child) {
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RECT r{};
        GetWindowRect(child, &r);
        POINT at{(r.left + r.right) / 2, r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
        ScreenToClient(child, &at);
        Typed().Click(child, at);
        RestThePointer();
    }
    // The pointer where no tooltip waits under it (a tip's timer would keep
    // the program busy for as long as it rests there).
    void RestThePointer() const {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
        Typed().RunLoop();
    }
    // A click in the middle of what the window shows.
    void ClickInside(HWND child) {
        RECT r{};
        GetClientRect(child, &r);
        Typed().Click(child, POINT{r.right / 2, r.bottom / 2});
        RestThePointer();
    }
    // A click on the first row of a list view.
    void ClickFirstRow(HWND list) {
        RECT row{};
        row.left = LVIR_LABEL;
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        Typed().Click(list, POINT{row.left + 10, (row.top + row.bottom) / 2});
        RestThePointer();
    }
    // One window of each kind, side by side.
    std::vector<MdiChildWindow*> OpenAllKinds() {
        std::vector<MdiChildWindow*> windows;
        for (const KindCase& c : kKinds) windows.push_back(Open(c));
        Command(CMD_TILE_HORIZONTALLY);
        Typed().RunLoop();
        return windows;
    }
};

// ---- the keys in the panel, for every kind --------------------------------

class ActivationOfKindTest : public ChildActivationTest, public ::testing::WithParamInterface<KindCase> {};

// A new window hands the keys to its panel; the panel's Escape gives them
// back to the window, Tab there takes them into the panel again, and a click
// on what the window shows brings them back too. The program's keys reach
// the frame from the panel.
TEST_P(ActivationOfKindTest, TheKeysGoToThePanelAndComeBackByEscapeOrAClick) {
    const KindCase& c = GetParam();
    MdiChildWindow* window = Open(c);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(FocusComesToPanel(c.kind)) << "after Window > New, " << Focus();
    Typed().Keys({{VK_ESCAPE}});
    EXPECT_TRUE(FocusComesTo(window->Handle())) << "after Escape in the panel, " << Focus();
    Typed().Keys({{VK_TAB}});
    EXPECT_TRUE(FocusComesToPanel(c.kind)) << "after Tab on the window, " << Focus();
    ClickInside(window->Handle());
    EXPECT_TRUE(FocusComesTo(window->Handle())) << "after a click on the window's display, " << Focus();
    // Ctrl+Shift+5 (View > Status Line) is the frame's, wherever the keys are.
    Typed().Keys({{VK_TAB}});
    ASSERT_TRUE(FocusComesToPanel(c.kind));
    const bool statusLine = frame_->IsPaneShown(CMD_VIEW_STATUS_LINE);
    Typed().Keys({{VK_CONTROL, VK_SHIFT, '5'}});
    EXPECT_NE(frame_->IsPaneShown(CMD_VIEW_STATUS_LINE), statusLine);
    EXPECT_TRUE(IsChild(PanelDialog(c.kind), GetFocus()));
}

// After a dialog the keys come back to the panel's control that had them,
// not to its first one: what the user types next goes where he left off,
// also when a click into a pane (a row of the Window Manager, the Related
// Tasks pane's caption) took them from the panel before the dialog.
TEST_P(ActivationOfKindTest, AfterADialogTheKeysComeBackToTheControlThatHadThem) {
    const KindCase& c = GetParam();
    enum class Before { WindowManagerRow, RelatedTasksCaption, Nothing };
    // The panes first, while the panel remembers nothing yet.
    for (const Before before : {Before::WindowManagerRow, Before::RelatedTasksCaption, Before::Nothing}) {
        SCOPED_TRACE(before == Before::WindowManagerRow      ? "a Window Manager row clicked before the dialog"
                     : before == Before::RelatedTasksCaption ? "the Related Tasks caption clicked before the dialog"
                                                             : "the keys left in the panel");
        MdiChildWindow* window = Open(c);
        ASSERT_NE(window, nullptr);
        // A graph's panel has a second control to go to once it has a line.
        if (auto* graph = dynamic_cast<GraphWindow*>(window)) {
            app_->GetGraphActions().AddLine(*graph, 0, test::NamedLine("Sun", "Sun.DistEarth(km)"), nullptr);
            Typed().Keys({{VK_ESCAPE}});
            Typed().Keys({{VK_TAB}});
        }
        ASSERT_TRUE(FocusComesToPanel(c.kind)) << Focus();
        const HWND first = GetFocus();
        Typed().Keys({{VK_TAB}});
        const HWND left = GetFocus();
        ASSERT_TRUE(IsChild(PanelDialog(c.kind), left)) << Focus();
        ASSERT_NE(left, first);
        if (before == Before::WindowManagerRow) {
            if (!frame_->IsPaneShown(CMD_VIEW_WINDOW_MANAGER)) Command(CMD_VIEW_WINDOW_MANAGER);
            const HWND list = GetDlgItem(frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST);
            ClickFirstRow(list);
            ASSERT_EQ(GetFocus(), list) << Focus();
        } else if (before == Before::RelatedTasksCaption) {
            if (!frame_->IsPaneShown(CMD_VIEW_RELATED_TASKS)) Command(CMD_VIEW_RELATED_TASKS);
            const HWND pane = frame_->PaneWindow(CMD_VIEW_RELATED_TASKS);
            RECT outer{};
            GetWindowRect(pane, &outer);
            POINT client{0, 0};
            ClientToScreen(pane, &client);
            Typed().Click(pane, POINT{20, (outer.top - client.y) / 2});
            RestThePointer();
        }
        ASSERT_TRUE(Typed().Steps({{{VK_CONTROL, 'T'}, test::TypedKeys::DialogHasFocus},
                                   {{VK_ESCAPE}, test::TypedKeys::NoModalDialog}}));
        EXPECT_TRUE(FocusComesTo(left)) << "after Date and Time, " << Focus();
    }
}


// Every kind's panel is a page of the pane: no caption bar with a close box
// that would hide the whole pane, and Tab goes through its controls.
TEST_P(ActivationOfKindTest, ThePanelHasNoCaptionBarOrCloseBox) {
    const KindCase& c = GetParam();
    ASSERT_NE(Open(c), nullptr);
    const HWND panel = PanelDialog(c.kind);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(panel, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU), 0);
    EXPECT_NE(GetWindowLongPtrW(panel, GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0);
    RECT outer{}, client{};
    GetWindowRect(panel, &outer);
    GetClientRect(panel, &client);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ActivationOfKindTest, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<KindCase>& info) { return info.param.name; });

// The keys on the Sky panel's "&Highlight", and the panel hidden: by View >
// Control Panel, or as the last window closes by Window > Close or Window >
// Close All. The keys go to the frame, which hands them to its window or its
// MDI client; they never stay on a hidden control.
TEST_F(ChildActivationTest, TheKeysLeftInAPanelThatHidesGoToTheFrame) {
    const KindCase& sky = kKinds[0];
    for (const int command : {CMD_VIEW_CONTROL_PANEL, CMD_CLOSE_WINDOW, CMD_CLOSE_ALL}) {
        SCOPED_TRACE(command == CMD_CLOSE_ALL      ? "Window > Close All"
                     : command == CMD_CLOSE_WINDOW ? "Window > Close"
                                                   : "View > Control Panel");
        auto* window = dynamic_cast<SkyWindow*>(Open(sky));
        ASSERT_NE(window, nullptr);
        // "&Highlight" is offered for a selection.
        app_->GetSkyActions().SelectPair(*window, BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0)), 0, 0, 0,
                                         nullptr);
        ASSERT_TRUE(FocusComesToPanel(sky.kind)) << Focus();
        const HWND highlight = GetDlgItem(PanelDialog(sky.kind), kSkyHighlightItem);
        for (int tab = 0; tab < 40 && GetFocus() != highlight; ++tab) Typed().Keys({{VK_TAB}});
        ASSERT_EQ(GetFocus(), highlight) << Focus();
        Command(command);
        Typed().RunLoop();
        EXPECT_FALSE(IsWindowVisible(highlight));
        const HWND focus = GetFocus();
        const HWND open = command == CMD_VIEW_CONTROL_PANEL ? window->Handle() : frame_->MdiClient();
        EXPECT_TRUE(focus == frame_->Window() || focus == open) << Focus();
        if (command == CMD_VIEW_CONTROL_PANEL) {
            Command(CMD_VIEW_CONTROL_PANEL);
            Command(CMD_CLOSE_ALL);
        }
        ASSERT_TRUE(frame_->Registry().AllWindows().empty());
    }
}

// ---- the start -------------------------------------------------------------

class StartKeysTest : public test::FrameTest {};

// The tools are made hidden as the program starts: none is left the active
// window, nor has the keys (while another program is in front, nothing
// would take them from there until a click on the frame).
TEST_F(StartKeysTest, NoHiddenToolIsActiveOrHasTheKeys) {
    static test::ScopedCatalogues catalogues;
    StartAsProgram(GetProgramDirectory(GetModuleHandleW(nullptr)));
    const HWND active = GetActiveWindow();
    const HWND focus = GetFocus() ? GetAncestor(GetFocus(), GA_ROOT) : nullptr;
    for (int command : {CMD_OBJECT_INFO, CMD_EVENT_FORECAST, CMD_EVENT_FINDER, CMD_CALCULATOR, CMD_SYMBOLS}) {
        const ToolWindow* tool = frame_->Tools().Find(command);
        ASSERT_NE(tool, nullptr);
        ASSERT_FALSE(IsWindowVisible(tool->Window()));
        EXPECT_NE(active, tool->Window()) << "active: " << ChildActivationTest::Where(active);
        EXPECT_NE(focus, tool->Window()) << "the keys in " << ChildActivationTest::Where(focus);
    }
    SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
    DrainQuit();
}

// ---- a click that brings the frame back ----------------------------------

struct ToolCase {
    const char* name;
    int command;
};

const ToolCase kToolsInFront[] = {
    {"Calculator", CMD_CALCULATOR},
    {"ObjectInfo", CMD_OBJECT_INFO},
    {"EventForecast", CMD_EVENT_FORECAST},
};

class ClickBackTest : public ChildActivationTest, public ::testing::WithParamInterface<ToolCase> {
public:
    // A Sky and a Solar System window, the Window Manager shown, and the
    // tool in front of the frame.
    HWND WindowManagerWithToolInFront() {
        EXPECT_NE(Open(kKinds[0]), nullptr);
        EXPECT_NE(Open(kKinds[1]), nullptr);
        if (!frame_->IsPaneShown(CMD_VIEW_WINDOW_MANAGER)) Command(CMD_VIEW_WINDOW_MANAGER);
        Typed().RunLoop();
        EXPECT_TRUE(BringToolForward(GetParam().command));
        return frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER);
    }
    void ClickMiddleOf(HWND control) {
        RECT r{};
        GetClientRect(control, &r);
        Typed().Click(control, POINT{r.right / 2, r.bottom / 2});
        RestThePointer();
    }
    static BOOL CALLBACK FindSaveButton(HWND child, LPARAM found) {
        if (GetDlgCtrlID(child) != kSaveAsHtmlButton) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    // A modal dialog that came up is seen, and closed.
    static void CALLBACK CloseDialogSeen(HWND, UINT, UINT_PTR, DWORD) {
        if (const HWND dialog = test::TypedKeys::ModalDialog()) {
            dialogSeen_ = true;
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    static inline bool dialogSeen_ = false;
};

// The click that brings the frame back presses the Window Manager's
// "Close" at once: the selected window closes.
TEST_P(ClickBackTest, TheWindowManagersCloseClosesAtTheFirstClick) {
    const HWND pane = WindowManagerWithToolInFront();
    const std::size_t open = frame_->Registry().AllWindows().size();
    ASSERT_EQ(open, 2u);
    const HWND close = GetDlgItem(pane, IDC_PANE_CLOSE);
    ASSERT_TRUE(IsWindowEnabled(close));
    ClickMiddleOf(close);
    EXPECT_EQ(frame_->Registry().AllWindows().size(), open - 1) << Focus();
}

// A row clicked in the Window Manager's list keeps the keys: Down moves
// the list's selection, not the panel's.
TEST_P(ClickBackTest, TheWindowManagersListKeepsTheKeysOfTheClick) {
    const HWND list = GetDlgItem(WindowManagerWithToolInFront(), IDC_PANE_LIST);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    ClickFirstRow(list);
    EXPECT_EQ(GetFocus(), list) << Focus();
    Typed().Keys({{VK_DOWN}});
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
}

// The Report window's own "Save as HTML..." button, clicked from behind
// the tool, opens its dialog at once.
TEST_P(ClickBackTest, TheReportsSaveButtonOpensItsDialogAtTheFirstClick) {
    MdiChildWindow* report = Open(kKinds[7]);
    ASSERT_NE(report, nullptr);
    HWND save = nullptr;
    EnumChildWindows(report->Handle(), &FindSaveButton, reinterpret_cast<LPARAM>(&save));
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(BringToolForward(GetParam().command));
    // The save dialog, once it is up, is seen and closed.
    dialogSeen_ = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseDialogSeen);
    // Only until the dialog has come and gone: the file dialog's own work
    // would keep a loop that waits for quiet busy.
    RECT r{};
    GetWindowRect(save, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    test::TypedKeys::QueueClicks(1);
    RunMessagesUntil([] { return dialogSeen_ && test::TypedKeys::NoModalDialog(); }, 10000);
    KillTimer(nullptr, timer);
    RestThePointer();
    EXPECT_TRUE(dialogSeen_) << Focus();
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ClickBackTest, ::testing::ValuesIn(kToolsInFront),
                         [](const ::testing::TestParamInfo<ToolCase>& info) { return info.param.name; });

// ---- a panel button that works disabled -----------------------------------

struct ButtonCase {
    const char* name;
    std::size_t kind;  // in kKinds
    int button;
};

const ButtonCase kWorkingButtons[] = {
    {"ReportNextPeriod", 7, kNextPeriodItem},
    {"ReportPreviousPeriod", 7, kPreviousPeriodItem},
    {"ReportReset", 7, kResetTimeItem},
    {"JupiterHighlight", 2, kExplorerHighlightItem},
    {"SaturnHighlight", 3, kExplorerHighlightItem},
};

class WorkingButtonTest : public ChildActivationTest, public ::testing::WithParamInterface<ButtonCase> {};

// Space on a panel button that is disabled while it works leaves the keys
// on it once it is enabled again: a second Space presses it again.
TEST_P(WorkingButtonTest, TheKeysStayOnTheButton) {
    const ButtonCase& c = GetParam();
    const int kind = kKinds[c.kind].kind;
    ASSERT_NE(Open(kKinds[c.kind]), nullptr);
    ASSERT_TRUE(FocusComesToPanel(kind));
    const HWND button = GetDlgItem(PanelDialog(kind), c.button);
    for (int tabs = 0; tabs < 30 && GetFocus() != button; ++tabs) Typed().Keys({{VK_TAB}});
    ASSERT_EQ(GetFocus(), button) << Focus();
    for (int press = 1; press <= 2; ++press) {
        Typed().Keys({{VK_SPACE}});
        ASSERT_TRUE(RunMessagesUntil([button] { return IsWindowEnabled(button) != FALSE; }, 10000));
        Typed().RunLoop();
        EXPECT_EQ(GetFocus(), button) << "after press " << press << ", " << Focus();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryButton, WorkingButtonTest, ::testing::ValuesIn(kWorkingButtons),
                         [](const ::testing::TestParamInfo<ButtonCase>& info) { return info.param.name; });

// ---- the frame coming back -------------------------------------------------

struct BackCase {
    const char* name;
    // Brings the frame back from the tool in front, to `window` as its
    // active child.
    void (*bring)(ChildActivationTest& test, MdiChildWindow& window);
};

const BackCase kWaysBack[] = {
    {"ByTheKeys",  // Alt+Tab
     [](ChildActivationTest& test, MdiChildWindow&) {
         SetForegroundWindow(test.Frame().Window());
         test.Typed().RunLoop();
     }},
    {"ByACaptionClick", [](ChildActivationTest& test, MdiChildWindow& window) { test.ClickCaption(window.Handle()); }},
};

class ComingBackTest : public ChildActivationTest, public ::testing::WithParamInterface<BackCase> {};

// The Solar Eclipse panel's date, its month chosen with Right: the frame
// back from a tool gives the keys to the date as the user left it, on its
// month, and Up steps the month (a date given the keys from another of
// the frame's windows on the way would start again at its day).
TEST_P(ComingBackTest, APanelDateKeepsTheFieldTheUserWasIn) {
    MdiChildWindow* window = Open(kKinds[4]);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(FocusComesToPanel(kSolarEclipseWindow)) << Focus();
    const HWND picker = GetDlgItem(PanelDialog(kSolarEclipseWindow), kGoToDateItem);
    auto* date = FindCustomControl<DatePickerControl>(picker);
    ASSERT_NE(date, nullptr);
    ASSERT_TRUE(date->SetDate(2026, 5, 10));
    for (int tabs = 0; tabs < 30 && GetFocus() != picker; ++tabs) Typed().Keys({{VK_TAB}});
    ASSERT_EQ(GetFocus(), picker) << Focus();
    Typed().Keys({{VK_RIGHT}});
    ASSERT_TRUE(BringToolForward(CMD_CALCULATOR));
    GetParam().bring(*this, *window);
    ASSERT_TRUE(FocusComesTo(picker)) << Focus();
    Typed().Keys({{VK_UP}});
    std::int32_t year = 0, month = 0, day = 0;
    date->GetDate(year, month, day);
    EXPECT_EQ(month, 6);
    EXPECT_EQ(day, 10);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ComingBackTest, ::testing::ValuesIn(kWaysBack),
                         [](const ::testing::TestParamInfo<BackCase>& info) { return info.param.name; });

// ---- the ways a window comes to the front ---------------------------------

struct PathCase {
    const char* name;
    // Brings `window` (one of `all`, each kind once, side by side) to the
    // front; the pane lists something else before.
    std::function<void(ChildActivationTest&, MdiChildWindow& window, const std::vector<MdiChildWindow*>& all)> bring;
};

// One way of coming to the front for one kind.
struct PathOfKind {
    const PathCase* path;
    std::size_t kind;  // in kKinds
};

class ActivationPathTest : public ChildActivationTest, public ::testing::WithParamInterface<PathOfKind> {
public:
    // The window the active child; Object Info shows the Moon; then the
    // tool in front; then a click on the window's caption brings the frame
    // back to the same active child (its caption's activation alone).
    static void BackFromTool(ChildActivationTest& test, MdiChildWindow& window, int tool) {
        SendMessageW(test.Frame().MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window.Handle()), 0);
        test.Typed().RunLoop();
        ASSERT_EQ(test.Frame().Children().ActiveWindow(), &window);
        test.ShowMoonInObjectInfo();
        ASSERT_TRUE(test.BringToolForward(tool));
        test.ClickCaption(window.Handle());
    }
    static MdiChildWindow* OtherThan(MdiChildWindow& window, const std::vector<MdiChildWindow*>& all, int kind) {
        for (MdiChildWindow* other : all) {
            if (other && other != &window && other->Document().GetKind() == kind) return other;
        }
        for (MdiChildWindow* other : all) {
            if (other && other != &window) return other;
        }
        return nullptr;
    }
};

const PathCase kPaths[] = {
    {"WindowNew",
     [](ChildActivationTest& test, MdiChildWindow& window, const std::vector<MdiChildWindow*>&) {
         // A second window of the kind by Window > New; the first comes back
         // by its caption below.
         test.ShowMoonInObjectInfo();
         for (const KindCase& c : kKinds) {
             if (c.kind != window.Document().GetKind()) continue;
             ASSERT_NE(test.Open(c), nullptr);
         }
     }},
    {"CaptionFromEventForecast",
     [](ChildActivationTest& test, MdiChildWindow& window, const std::vector<MdiChildWindow*>&) {
         ActivationPathTest::BackFromTool(test, window, CMD_EVENT_FORECAST);
     }},
    {"CaptionFromObjectInfo",
     [](ChildActivationTest& test, MdiChildWindow& window, const std::vector<MdiChildWindow*>&) {
         ActivationPathTest::BackFromTool(test, window, CMD_OBJECT_INFO);
     }},
    {"CaptionFromCalculator",
     [](ChildActivationTest& test, MdiChildWindow& window, const std::vector<MdiChildWindow*>&) {
         ActivationPathTest::BackFromTool(test, window, CMD_CALCULATOR);
     }},
    {"CaptionFromAnotherWindow",
     [](ChildActivationTest& test, MdiChildWindow& window, const std::vector<MdiChildWindow*>& all) {
         MdiChildWindow* other = ActivationPathTest::OtherThan(window, all, kSolarSystemWindow);
         ASSERT_NE(other, nullptr);
         test.ClickCaption(other->Handle());
         test.ShowMoonInObjectInfo();
         SetForegroundWindow(test.Frame().Window());
         test.Typed().RunLoop();
         test.ClickCaption(window.Handle());
     }},
    {"AfterAPaneTaskOpenedATool",
     [](ChildActivationTest& test, MdiChildWindow& window, const std::vector<MdiChildWindow*>& all) {
         // The Solar System window's Sun: "View information on Sun",
         // clicked while a tool is in front, opens Object Info.
         MdiChildWindow* solar = ActivationPathTest::OtherThan(window, all, kSolarSystemWindow);
         ASSERT_NE(solar, nullptr);
         ASSERT_EQ(solar->Document().GetKind(), kSolarSystemWindow);
         test.ClickCaption(solar->Handle());
         // Object Info closed, so that the task opens it.
         if (test.Frame().Tools().IsShown(CMD_OBJECT_INFO)) {
             SendMessageW(test.Frame().Window(), WM_COMMAND, CMD_OBJECT_INFO, 0);
         }
         ASSERT_TRUE(test.BringToolForward(CMD_CALCULATOR));
         const std::vector<std::string> tasks = test.Tasks();
         int row = -1;
         for (std::size_t i = 0; i < tasks.size(); ++i) {
             if (tasks[i] == "View information on Sun") row = static_cast<int>(i);
         }
         ASSERT_GE(row, 0) << ::testing::PrintToString(tasks);
         const HWND list = test.TaskList();
         RECT item{};
         item.left = LVIR_LABEL;
         SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
         test.Typed().Click(list, POINT{item.left + 10, (item.top + item.bottom) / 2});
         test.RestThePointer();
         ASSERT_EQ(GetActiveWindow(), test.Tool(CMD_OBJECT_INFO)) << ChildActivationTest::Where(GetActiveWindow());
         ChildActivationTest::MoveAside(test.Tool(CMD_OBJECT_INFO));
         test.ClickCaption(window.Handle());
     }},
};

// Every way for every kind, one test each (a run over all kinds at once
// would take minutes on a small machine). The pane-task way needs the Solar
// System window as the other one.
std::vector<PathOfKind> EveryPathOfEveryKind() {
    std::vector<PathOfKind> cases;
    for (const PathCase& path : kPaths) {
        for (std::size_t k = 0; k < std::size(kKinds); ++k) {
            if (std::string(path.name) == "AfterAPaneTaskOpenedATool" && kKinds[k].kind == kSolarSystemWindow) continue;
            cases.push_back({&path, k});
        }
    }
    return cases;
}

// Each way of coming to the front, for each kind: the keys in the kind's
// panel, and the pane listing the window's own tasks rather than those it
// listed before (a tool's, another window's).
TEST_P(ActivationPathTest, TheKeysAndTheTasksFollowTheWindow) {
    const PathCase& path = *GetParam().path;
    const KindCase& c = kKinds[GetParam().kind];
    const std::vector<MdiChildWindow*> all = OpenAllKinds();
    ASSERT_NE(all[GetParam().kind], nullptr);
    MdiChildWindow& window = *all[GetParam().kind];
    path.bring(*this, window, all);
    if (std::string(path.name) == "WindowNew") {
        // The new window, then the first one by its caption.
        MdiChildWindow* added = frame_->Children().ActiveWindowOf(c.kind);
        ASSERT_NE(added, nullptr);
        ASSERT_NE(added, &window);
        EXPECT_TRUE(FocusComesToPanel(c.kind)) << "the new window";
        const std::vector<std::string> listed = Tasks();
        EXPECT_EQ(listed, TasksOf(*added)) << "the new window";
        ShowMoonInObjectInfo();
        SetForegroundWindow(frame_->Window());
        Typed().RunLoop();
        ClickCaption(window.Handle());
    }
    MdiChildWindow* active = frame_->Children().ActiveWindow();
    ASSERT_EQ(active, &window) << "but " << (active ? Utf8(active->Document().GetKindName()) : "none") << " at "
                               << Where(window.Handle()) << "; active " << Where(GetActiveWindow());
    EXPECT_TRUE(FocusComesToPanel(c.kind)) << Focus();
    const std::vector<std::string> listed = Tasks();
    EXPECT_EQ(listed, TasksOf(window));
}

INSTANTIATE_TEST_SUITE_P(EveryPath, ActivationPathTest, ::testing::ValuesIn(EveryPathOfEveryKind()),
                         [](const ::testing::TestParamInfo<PathOfKind>& info) {
                             return std::string(info.param.path->name) + "_" + kKinds[info.param.kind].name;
                         });

}  // namespace
}  // namespace corvinata
