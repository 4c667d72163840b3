// What every kind of child window does when it becomes active, in the real
// frame with the mouse and the keys a user uses: the keys go into the kind's
// control panel, and the Related Tasks pane lists the window's tasks,
// whichever way the window came to the front.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/help_topics_win.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "frame/frame_related_tasks.h"
#include "frame/frame_window_services.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/test_text.h"
#include "typed_keys.h"
#include "views/graph_window_win.h"

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
        return Utf8(name) + " (" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
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
    std::vector<std::string> Tasks() const {
        std::vector<std::string> rows;
        const int count = static_cast<int>(SendMessageW(TaskList(), LVM_GETITEMCOUNT, 0, 0));
        for (int item = 0; item < count; ++item) {
            wchar_t text[300] = {};
            LVITEMW entry{};
            entry.pszText = text;
            entry.cchTextMax = 300;
            SendMessageW(TaskList(), LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry));
            rows.push_back(Utf8(text));
        }
        return rows;
    }
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

INSTANTIATE_TEST_SUITE_P(EveryKind, ActivationOfKindTest, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<KindCase>& info) { return info.param.name; });

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
    // Object Info shows the Moon; then the tool in front; then a click on
    // the window's caption.
    static void BackFromTool(ChildActivationTest& test, MdiChildWindow& window, int tool) {
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
