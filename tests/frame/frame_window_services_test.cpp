// Every path from one window or tool to the next, through the program's own
// window services, started where the user starts it: a task of the Related
// Tasks pane clicked, a result double-clicked, a context menu's command.
#include "frame/frame_window_services.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <functional>

#include "app/eclipse_document.h"
#include "app/help_topics_win.h"
#include "app/sky_commands.h"
#include "catalog/catalogue_registry.h"
#include "frame/frame_related_tasks.h"
#include "frame/modal_driver.h"
#include "frame/typed_keys.h"
#include "frame_test.h"
#include "resources/event_tools_ids.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/drawn_pixels_win.h"
#include "support/list_view_rows_win.h"
#include "support/test_text.h"
#include "tools/event_finder_window_win.h"
#include "tools/event_forecast_window_win.h"
#include "tools/object_info_window_win.h"
#include "views/eclipse_window_win.h"
#include "views/explorer_window_win.h"
#include "views/graph_window_win.h"
#include "views/picture_window_win.h"
#include "views/report_picture_panels_win.h"
#include "views/report_window_win.h"
#include "views/sky_display_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {
namespace {

using test::Utf8;

// Runs the messages until `done` (a worker's search or forecast) or, as a
// guard against a hang, a minute has passed.
bool PumpUntil(const std::function<bool()>& done) { return test::FrameTest::RunMessagesUntil(done, 60000); }

using test::ListItemText;

class WindowServicesTest : public test::FrameTest {
protected:
    WindowServicesTest() {
        static test::ScopedCatalogues catalogues;
        StartAsProgram(GetProgramDirectory(GetModuleHandleW(nullptr)));
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER);
        if (!frame_->IsPaneShown(CMD_VIEW_RELATED_TASKS)) Command(CMD_VIEW_RELATED_TASKS);
        app_->Current().SetDateTime(DateTime{2026, 8, 10, 12.0, kLocalCivilTime}, false);
    }
    ~WindowServicesTest() override {
        // A graph a test changed would be asked about before the program
        // closes.
        if (frame_) MarkGraphsSaved();
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    void MarkGraphsSaved() {
        for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
            if (auto* graph = dynamic_cast<GraphWindow*>(open)) graph->Graph().History().MarkSaved();
        }
    }
    // The Window Manager's row of a window (its item data).
    static int RowOfWindow(HWND list, const RegisteredWindow& window) {
        LVFINDINFOW find{};
        find.flags = LVFI_PARAM;
        find.lParam = reinterpret_cast<LPARAM>(&window);
        return static_cast<int>(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    }
    HWND TaskList() const { return GetDlgItem(frame_->PaneWindow(CMD_VIEW_RELATED_TASKS), IDC_PANE_LIST); }
    std::vector<std::string> Tasks() const { return test::ListRows(TaskList()); }
    bool HasTask(const std::string& caption) const { return TaskRow(caption) >= 0; }
    int TaskRow(const std::string& caption) const {
        const std::vector<std::string> rows = Tasks();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == caption) return static_cast<int>(i);
        }
        return -1;
    }
    // The task's row clicked with the mouse, as the user runs a task.
    void ClickTask(const std::string& caption) {
        const int row = TaskRow(caption);
        ASSERT_GE(row, 0) << caption << " in " << ::testing::PrintToString(Tasks());
        ClickRow(TaskList(), row, false);
    }
    // A list's row clicked (or double-clicked) with the mouse in its window,
    // brought to the front first.
    void ClickRow(HWND list, int row, bool twice) {
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        RECT item{};
        item.left = LVIR_LABEL;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        SetForegroundWindow(GetAncestor(list, GA_ROOT));
        test::TypedKeys(*frame_, modeless_).Click(list, POINT{item.left + 10, (item.top + item.bottom) / 2}, twice);
    }
    void ClickButton(HWND button) {
        RECT r{};
        GetClientRect(button, &r);
        SetForegroundWindow(GetAncestor(button, GA_ROOT));
        test::TypedKeys(*frame_, modeless_).Click(button, POINT{r.right / 2, r.bottom / 2});
    }
    // The list's first row whose text (in the column) holds `part`.
    static int RowWith(HWND list, const std::string& part, int column = 0) {
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            if (ListItemText(list, row, column).find(part) != std::string::npos) return row;
        }
        return -1;
    }
    template <class Tool>
    Tool& ShownTool(int command) {
        auto* tool = dynamic_cast<Tool*>(frame_->Tools().Find(command));
        EXPECT_NE(tool, nullptr);
        if (!frame_->Tools().IsShown(command)) Command(command);
        return *tool;
    }
    // Graphs by the task's click: the active window, computed.
    GraphWindow* ActiveGraph() const { return dynamic_cast<GraphWindow*>(Active()); }
    static BodyIdentifier Body(int type, int number) {
        return BodyIdentifierFromObject(GetCatalogueObject(type, number));
    }
    MdiChildWindow* Active() const { return frame_->Children().ActiveWindow(); }
    int ActiveKind() const { return Active() ? Active()->Document().GetKind() : -1; }
    SkyWindow& NewSky() {
        auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().NewWindow(kSkyWindow));
        EXPECT_NE(sky, nullptr);
        return *sky;
    }
    void SelectInSky(SkyWindow& sky, int type, int number) {
        app_->GetSkyActions().SelectPair(sky, Body(type, number), 0, 0, 0, nullptr);
    }
    // An Event Finder run of a predefined event at the program's place, to
    // its end, with its first result selected by a click.
    EventFinderWindow& FinderRun(int eventType, const BodyIdentifier& body, const DateTime& from, const DateTime& to) {
        EventFinderWindow& finder = ShownTool<EventFinderWindow>(CMD_EVENT_FINDER);
        const events::EventCondition condition = events::PredefinedEventCondition(eventType, body);
        TimeStep hour;
        TimeStepSet(hour, kHoursUnit, 1);
        finder.Control().StartRequested(events::SearchSetupFor(from, to, hour, false), condition,
                                        app_->Current().GetTimeAndLocation().location);
        EXPECT_TRUE(PumpUntil([&] { return !finder.Control().IsSearching(); }));
        return finder;
    }
    HWND FinderResults(EventFinderWindow& finder) const { return GetDlgItem(finder.Window(), IDC_EF_RESULTS); }
};

// The two graph tasks of a body: a new graph with the task's lines over a
// year from a month before the window's date, computed, its own from the
// start: nothing to undo and nothing changed.
TEST_F(WindowServicesTest, GraphTasksOpenANewGraphOfTheirLinesComputed) {
    const struct Case {
        const char* caption;
        std::vector<std::string> lines;
    } cases[] = {
        {"View a graph of Sun's rising and setting times", {"Sun rises", "Sun sets"}},
        {"View a graph of Sun distance from Earth", {"Sun.DistEarth(km)"}},
    };
    SkyWindow& sky = NewSky();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(sky.Handle()), 0);
        SelectInSky(sky, kBodySun, 0);
        ClickTask(c.caption);
        GraphWindow* graph = ActiveGraph();
        ASSERT_NE(graph, nullptr);
        const GraphDocument& document = graph->Graph();
        ASSERT_EQ(document.LineCount(), static_cast<int>(c.lines.size()));
        for (int i = 0; i < document.LineCount(); ++i) {
            const GraphLine& line = *document.GetGraphLine(i);
            EXPECT_EQ(Utf8(line.name), c.lines[static_cast<std::size_t>(i)]);
            EXPECT_EQ(line.body.object, GetCatalogueObject(kBodySun, 0));
            EXPECT_FALSE(std::isnan(line.values[0])) << "computed";
        }
        const TimeAndLocation& range = document.Options();
        EXPECT_EQ(range.beginDate.year, 2026);
        EXPECT_EQ(range.beginDate.month, 7);
        EXPECT_EQ(range.beginDate.day, 10);
        EXPECT_EQ(range.beginDate.hours, 0.0);
        EXPECT_EQ(range.stepUnit, kDaysUnit);
        EXPECT_EQ(TimeAndLocationRangeUnits(range), 365);
        EXPECT_EQ(range.endDate.year, 2027);
        EXPECT_EQ(graph->History()->UndoableCount(), 0);
        EXPECT_TRUE(graph->Graph().History().IsAtSavedState());
        // The graph's own tasks follow.
        EXPECT_TRUE(HasTask("Edit the graph's lines"));
    }
}

// A task that opens a modal dialog runs it from the click: the dialog comes
// and goes, and the pane answers again afterwards.
TEST_F(WindowServicesTest, AModalDialogOpenedByAClickedTaskEnds) {
    frame_->Children().NewWindow(kGraphWindow);
    ASSERT_TRUE(HasTask("Edit the graph's lines"));
    bool seen = false;
    test::ModalDriver::Run(
        [&](test::ModalDriver& driver, HWND dialog) {
            seen = IsWindow(dialog) != FALSE;
            driver.Key(VK_ESCAPE);
        },
        [&] {
            ClickTask("Edit the graph's lines");
            return 0;
        });
    EXPECT_TRUE(seen);
    EXPECT_TRUE(HasTask("Create a new graph"));
}

// The sample graphs shipped in "GRAPHS" beside the program, each opened by
// its task of a Graph window: drawn, and without a message on the way.
TEST_F(WindowServicesTest, EachSampleGraphOpensFromItsTaskDrawnAndWithoutAMessage) {
    for (const int year : {2027, 2028, 2029}) {
        SCOPED_TRACE(year);
        frame_->Children().NewWindow(kGraphWindow);
        const std::string file = "Astronomical Calendar " + std::to_string(year) + ".gph";
        std::string message;
        test::ModalDriver::Run(
            [&](test::ModalDriver&, HWND dialog) {
                wchar_t text[400] = {};
                GetDlgItemTextW(dialog, IDC_MESSAGE_TEXT, text, 400);
                message = Utf8(text);
                EndDialog(dialog, 0);
            },
            [&] {
                ClickTask(file);
                return 0;
            });
        EXPECT_EQ(message, "");
        GraphWindow* graph = ActiveGraph();
        ASSERT_NE(graph, nullptr);
        wchar_t caption[200] = {};
        GetWindowTextW(graph->Handle(), caption, 200);
        EXPECT_EQ(Utf8(caption), "Graph: " + file);
        EXPECT_EQ(graph->Graph().LineCount(), 6);
        // The Moon's line (dark blue) and Saturn's (dark magenta) are drawn.
        UpdateWindow(graph->DisplayWindow());
        int width = 0, height = 0;
        const std::vector<std::uint32_t> pixels = test::ScreenPixels(graph->DisplayWindow(), width, height);
        EXPECT_GT(std::count(pixels.begin(), pixels.end(), 0x000080u), 100);
        EXPECT_GT(std::count(pixels.begin(), pixels.end(), 0x800080u), 100);
        Command(CMD_CLOSE_ALL);
    }
}

// The eclipse searches of a year start the Event Finder on that year, every
// hour, for the eclipse type; its results lead on: selected, to the pane;
// double-clicked, to the Solar Eclipse window on the eclipse's date, whose
// own tasks then use that date.
TEST_F(WindowServicesTest, AnEclipseSearchLeadsToItsEclipseAndItsTasks) {
    SkyWindow& sky = NewSky();
    SelectInSky(sky, kBodySun, 0);
    ClickTask("Search for solar eclipses in 2026");
    auto* finder = dynamic_cast<EventFinderWindow*>(frame_->Tools().Find(CMD_EVENT_FINDER));
    ASSERT_NE(finder, nullptr);
    EXPECT_TRUE(frame_->Tools().IsShown(CMD_EVENT_FINDER));
    const events::EventDefinition& run = finder->Control().Current();
    EXPECT_EQ(run.condition.predefinedEvent, events::kEventSolarEclipse);
    EXPECT_EQ(run.from.year, 2026);
    EXPECT_EQ(run.from.month, 1);
    EXPECT_EQ(run.to.month, 12);
    EXPECT_EQ(run.to.day, 31);
    EXPECT_EQ(run.step.unit, kHoursUnit);
    EXPECT_EQ(run.step.count, 1);
    ASSERT_TRUE(PumpUntil([&] { return !finder->Control().IsSearching(); }));
    HWND results = FinderResults(*finder);
    const int august = RowWith(results, "12.08.2026");
    ASSERT_GE(august, 0) << "the eclipse of 12 August 2026 at London";

    ClickRow(results, august, false);
    EXPECT_TRUE(HasTask("View 'A solar eclipse occurs' in the solar eclipse window")) << ::testing::PrintToString(Tasks());
    EXPECT_TRUE(HasTask("View 'A solar eclipse occurs' in the sky"));

    // Another year for the program: the eclipse window keeps its own.
    app_->Current().SetDateTime(DateTime{2031, 3, 1, 12.0, kLocalCivilTime}, false);
    ClickRow(results, august, true);
    auto* eclipse = dynamic_cast<SolarEclipseWindow*>(Active());
    ASSERT_NE(eclipse, nullptr);
    const DateTime& shown = eclipse->View().GetDocument().Model().date;
    EXPECT_TRUE(eclipse->View().GetDocument().Model().found);
    EXPECT_EQ(shown.year, 2026);
    EXPECT_EQ(shown.month, 8);
    EXPECT_EQ(shown.day, 12);
    EXPECT_TRUE(HasTask("Search for solar eclipses in 2026")) << ::testing::PrintToString(Tasks());
    EXPECT_TRUE(HasTask("View Sun's ephemerides for 2026"));
    EXPECT_FALSE(HasTask("Search for solar eclipses in 2031"));

    // An open eclipse window takes the next eclipse as a step of its own.
    ClickRow(results, RowWith(results, "17.02.2026"), true);
    EXPECT_EQ(Active(), eclipse);
    EXPECT_EQ(eclipse->View().GetDocument().Model().date.month, 2);
    eclipse->History()->UndoCommands(1);
    EXPECT_EQ(eclipse->View().GetDocument().Model().date.month, 8);
}

// A run picked in the History shows in the Event Finder, and its selected
// result's tasks in the pane, as a result picked there would.
TEST_F(WindowServicesTest, TheHistorysPickedRunBringsItsResultsTasks) {
    EventFinderWindow& finder = FinderRun(events::kEventSolarEclipse, BodyIdentifier{}, DateTime{2026, 1, 1, 0.0, kLocalCivilTime},
                                          DateTime{2026, 12, 31, 0.0, kLocalCivilTime});
    FinderRun(events::kEventFullMoon, BodyIdentifier{}, DateTime{2026, 8, 1, 0.0, kLocalCivilTime},
              DateTime{2026, 8, 31, 0.0, kLocalCivilTime});
    EXPECT_TRUE(HasTask("View 'Full moon' in the sky")) << ::testing::PrintToString(Tasks());
    SendMessageW(finder.Window(), WM_COMMAND, MAKEWPARAM(IDC_EF_HISTORY, BN_CLICKED), 0);
    HWND history = finder.History().Window();
    ASSERT_NE(history, nullptr);
    HWND runs = GetDlgItem(history, IDC_EFH_LIST);
    ASSERT_EQ(SendMessageW(runs, LVM_GETITEMCOUNT, 0, 0), 2);
    // The older run, the eclipses, is the second row; a double-click picks it.
    ClickRow(runs, 1, true);
    EXPECT_EQ(finder.Control().Current().condition.predefinedEvent, events::kEventSolarEclipse);
    EXPECT_TRUE(HasTask("View 'A solar eclipse occurs' in the solar eclipse window")) << ::testing::PrintToString(Tasks());
    EXPECT_FALSE(HasTask("View 'Full moon' in the sky"));
}

// A show with a setting, by kind: none of the kind open, a window made for
// it starts with the setting and has nothing to undo; shown again while it is
// open, the window takes the next setting as one step that Undo takes back.
struct ShowCase {
    const char* name;
    int kind;
    // The first show (turn 0) and the second (turn 1).
    bool (*show)(WindowServices& services, int turn);
    // What the window shows of the setting.
    std::string (*shown)(MdiChildWindow& window);
    const char* first;
    const char* second;
    const char* redo;  // the step of the second show
    const char* undo;
    const char* task;  // a task of the first setting in the pane
};

const DateTime kShowAt[] = {{2027, 1, 1, 0.0, kLocalCivilTime}, {2027, 3, 5, 12.0, kLocalCivilTime}};

BodyIdentifier Object(int type, int number) { return BodyIdentifierFromObject(GetCatalogueObject(type, number)); }

std::string Moment(const DateTime& at) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %05.2f", static_cast<int>(at.year), static_cast<int>(at.month),
                  static_cast<int>(at.day), at.hours);
    return text;
}

std::string SelectionAndMoment(const BodyIdentifier& body, const DateTime& at) {
    return Utf8(body.name) + " " + Moment(at);
}

std::string ExplorerShown(MdiChildWindow& window) {
    auto& explorer = dynamic_cast<ExplorerWindow&>(window);
    return Moment(explorer.GetDocument().GetTimeAndPlace().dateTime) + " moon " +
           std::to_string(explorer.GetSelectedMoon());
}

const ShowCase kShowCases[] = {
    {"Sky", kSkyWindow,
     [](WindowServices& s, int turn) {
         return s.ShowBodyInSkyWindowAt(Object(kBodyPlanet, turn == 0 ? 3 : 2), kShowAt[turn]);
     },
     [](MdiChildWindow& w) {
         auto& sky = dynamic_cast<SkyWindow&>(w);
         return SelectionAndMoment(sky.GetSelectedBody(), sky.GetDocument().GetTimeAndPlace().dateTime);
     },
     "Jupiter 2027-01-01 00.00", "Mars 2027-03-05 12.00", "Show Mars at 05.03.2027 12:00:00",
     " at 01.01.2027 00:00:00", "View Jupiter in the solar system"},
    {"SolarSystem", kSolarSystemWindow,
     [](WindowServices& s, int turn) {
         return s.ShowBodyInSolarSystemWindowAt(Object(kBodyPlanet, turn == 0 ? 3 : 2), kShowAt[turn]);
     },
     [](MdiChildWindow& w) {
         auto& solar = dynamic_cast<SolarSystemWindow&>(w);
         return SelectionAndMoment(solar.GetSelectedBody(), solar.GetDocument().GetDateTime());
     },
     "Jupiter 2027-01-01 00.00", "Mars 2027-03-05 12.00", "Show Mars at 05.03.2027 12:00:00",
     "Show Jupiter at 01.01.2027 00:00:00", "View Jupiter in the sky"},
    {"Picture", kPictureWindow,
     [](WindowServices& s, int turn) {
         return s.ShowBodyInPictureWindow(Object(kBodyPlanet, turn == 0 ? 3 : 4));
     },
     [](MdiChildWindow& w) { return Utf8(dynamic_cast<PictureWindow&>(w).GetModel().GetBody().name); },
     "Jupiter", "Saturn", "Show Picture of Saturn (map of the planet)",
     "Show Picture of Jupiter (map of the planet)", "View Jupiter in the sky"},
    // The event's moon leaves the explorer's selected moon as it is.
    {"JupiterExplorer", kJupiterExplorerWindow,
     [](WindowServices& s, int turn) {
         return s.ShowBodyInJupiterWindow(Object(kBodyJupiterSatellite, turn == 0 ? 2 : 1), &kShowAt[turn]);
     },
     ExplorerShown, "2027-01-01 00.00 moon 0", "2027-03-05 12.00 moon 0", "Go to 05.03.2027 12:00:00",
     "Go to 01.01.2027 00:00:00", nullptr},
};

class ShowWithASettingTest : public WindowServicesTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowWithASettingTest, ANewWindowStartsWithItAndAnOpenOneTakesItAsOneStep) {
    const ShowCase& c = GetParam();
    ASSERT_TRUE(c.show(frame_->Services(), 0));
    MdiChildWindow* window = Active();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(ActiveKind(), c.kind);
    EXPECT_EQ(c.shown(*window), c.first);
    ASSERT_NE(window->History(), nullptr);
    EXPECT_EQ(window->History()->UndoableCount(), 0);
    EXPECT_NE(MenuState(CMD_UNDO) & MF_GRAYED, 0u);
    if (c.task) {
        EXPECT_TRUE(HasTask(c.task)) << ::testing::PrintToString(Tasks());
    }

    ASSERT_TRUE(c.show(frame_->Services(), 1));
    ASSERT_EQ(Active(), window);
    EXPECT_EQ(c.shown(*window), c.second);
    ASSERT_EQ(window->History()->UndoableCount(), 1);
    const CommandGroup* step = window->History()->PeekUndoCommand();
    EXPECT_EQ(Utf8(step->GetText(false)), c.redo);
    EXPECT_NE(Utf8(step->GetText(true)).find(c.undo), std::string::npos) << Utf8(step->GetText(true));
    EXPECT_EQ(MenuState(CMD_UNDO) & MF_GRAYED, 0u);
    Command(CMD_UNDO);
    EXPECT_EQ(c.shown(*window), c.first);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ShowWithASettingTest, ::testing::ValuesIn(kShowCases),
                         [](const ::testing::TestParamInfo<ShowCase>& info) { return std::string(info.param.name); });

// With two windows of the kind open, a show with a setting goes where the
// kind's Show goes: the window after the active one of the kind (the first
// after the last), or the first when a window of another kind is active.
struct ShowTarget {
    const char* name;
    int kind;
    bool (*show)(WindowServices& services);
};

const DateTime kEclipseDay{2027, 8, 2, 12.0, kUniversalTime};

const ShowTarget kShowTargets[] = {
    {"Sky", kSkyWindow, [](WindowServices& s) { return s.ShowBodyInSkyWindowAt(Object(kBodyPlanet, 3), kShowAt[1]); }},
    {"SolarSystem", kSolarSystemWindow,
     [](WindowServices& s) { return s.ShowBodyInSolarSystemWindowAt(Object(kBodyPlanet, 3), kShowAt[1]); }},
    {"JupiterExplorer", kJupiterExplorerWindow,
     [](WindowServices& s) { return s.ShowBodyInJupiterWindow(Object(kBodyJupiterSatellite, 0), &kShowAt[1]); }},
    {"SaturnExplorer", kSaturnExplorerWindow,
     [](WindowServices& s) { return s.ShowBodyInSaturnWindow(Object(kBodySaturnSatellite, 5), &kShowAt[1]); }},
    {"Picture", kPictureWindow, [](WindowServices& s) { return s.ShowBodyInPictureWindow(Object(kBodyPlanet, 3)); }},
    {"SolarEclipse", kSolarEclipseWindow,
     [](WindowServices& s) { return s.ShowInSolarEclipseWindow(DateTimeRange{kEclipseDay, kEclipseDay}); }},
};

enum class ActiveBeforeShow { FirstOfKind, SecondOfKind, OtherKind };

using ShowAndActive = std::tuple<ShowTarget, ActiveBeforeShow>;

class ShowGoesToTheNextWindowTest : public WindowServicesTest, public ::testing::WithParamInterface<ShowAndActive> {
protected:
    // The kind's open windows in the order the Show cycles through them.
    std::vector<MdiChildWindow*> WindowsOfKind(int kind) const {
        std::vector<MdiChildWindow*> open;
        for (RegisteredWindow* window : frame_->Registry().AllWindows()) {
            if (window->Document().GetKind() == kind) open.push_back(dynamic_cast<MdiChildWindow*>(window));
        }
        return open;
    }
    void Activate(MdiChildWindow& window) {
        SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window.Handle()), 0);
    }
};

TEST_P(ShowGoesToTheNextWindowTest, AndOnlyThatWindowTakesTheSetting) {
    const ShowTarget& target = std::get<0>(GetParam());
    const ActiveBeforeShow active = std::get<1>(GetParam());
    ASSERT_NE(frame_->Children().NewWindow(target.kind), nullptr);
    ASSERT_NE(frame_->Children().NewWindow(target.kind), nullptr);
    const std::vector<MdiChildWindow*> windows = WindowsOfKind(target.kind);
    ASSERT_EQ(windows.size(), 2u);
    std::size_t expected = 0;
    switch (active) {
        case ActiveBeforeShow::FirstOfKind:
            Activate(*windows[0]);
            expected = 1;
            break;
        case ActiveBeforeShow::SecondOfKind:
            Activate(*windows[1]);
            break;
        case ActiveBeforeShow::OtherKind: {
            MdiChildWindow* other =
                frame_->Children().NewWindow(target.kind == kSkyWindow ? kSolarSystemWindow : kSkyWindow);
            ASSERT_NE(other, nullptr);
            Activate(*other);
            break;
        }
    }
    for (MdiChildWindow* window : windows) ASSERT_EQ(window->History()->UndoableCount(), 0);

    ASSERT_TRUE(target.show(frame_->Services()));
    EXPECT_EQ(WindowsOfKind(target.kind), windows);  // no window was made
    EXPECT_EQ(Active(), windows[expected]);
    EXPECT_EQ(windows[expected]->History()->UndoableCount(), 1);
    EXPECT_EQ(windows[1 - expected]->History()->UndoableCount(), 0);
}

std::string ShowAndActiveName(const ::testing::TestParamInfo<ShowAndActive>& info) {
    static const char* const kActive[] = {"FirstActive", "SecondActive", "OtherKindActive"};
    return std::string(std::get<0>(info.param).name) + "_" + kActive[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndActiveWindow, ShowGoesToTheNextWindowTest,
                         ::testing::Combine(::testing::ValuesIn(kShowTargets),
                                            ::testing::Values(ActiveBeforeShow::FirstOfKind,
                                                              ActiveBeforeShow::SecondOfKind,
                                                              ActiveBeforeShow::OtherKind)),
                         ShowAndActiveName);

// A double-click on a moon's event shows its planet's explorer at the
// event's time: made for it, directly; open already, as one time step that
// can be undone, the window's own selected moon kept.
TEST_F(WindowServicesTest, AMoonsEventShowsItsExplorerAtItsTime) {
    const BodyIdentifier io = Body(kBodyJupiterSatellite, 0);
    EventFinderWindow& finder = FinderRun(events::kEventJovianTransitBegins, io, DateTime{2026, 8, 1, 0.0, kLocalCivilTime},
                                          DateTime{2026, 8, 6, 0.0, kLocalCivilTime});
    const events::EventDefinition& run = finder.Control().Current();
    ASSERT_GE(run.foundRanges.size(), 2u);
    const auto expectAt = [&](ExplorerWindow& explorer, int result) {
        const DateTime& expected = run.foundRanges[static_cast<std::size_t>(result)].begin;
        const DateTime& at = explorer.GetDocument().GetTimeAndPlace().dateTime;
        EXPECT_EQ(at.day, expected.day);
        EXPECT_NEAR(at.hours, expected.hours, 1e-6);
    };
    ClickRow(FinderResults(finder), 0, true);
    auto* explorer = dynamic_cast<ExplorerWindow*>(Active());
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->Traits().kind, kJupiterExplorerWindow);
    EXPECT_EQ(explorer->GetSelectedMoon(), 0);
    expectAt(*explorer, 0);
    EXPECT_EQ(explorer->GetCommandHistory().UndoableCount(), 0);
    // Its moon reaches the pane's second group.
    EXPECT_TRUE(HasTask("View information on Io")) << ::testing::PrintToString(Tasks());

    app_->GetJupiterExplorerActions().SelectMoonStep(*explorer, 2, nullptr);
    const int steps = explorer->GetCommandHistory().UndoableCount();
    ClickRow(FinderResults(finder), 1, true);
    ASSERT_EQ(Active(), explorer);
    EXPECT_EQ(explorer->GetSelectedMoon(), 2);
    expectAt(*explorer, 1);
    ASSERT_EQ(explorer->GetCommandHistory().UndoableCount(), steps + 1);
    EXPECT_EQ(Utf8(explorer->GetCommandHistory().PeekUndoCommand()->GetText(false)).rfind("Go to ", 0), 0u);
    explorer->GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(explorer->GetSelectedMoon(), 2);
    expectAt(*explorer, 0);
}

// The Event Forecast's selected result reaches the pane, and a double-click
// shows it where its event type says.
TEST_F(WindowServicesTest, TheForecastsResultsLeadToTheirWindows) {
    // Eclipses only, for a short forecast; the moment's change starts it anew.
    app_->DialogStates().eventForecastOptions.options.content = events::kForecastEclipses;
    EventForecastWindow& forecast = ShownTool<EventForecastWindow>(CMD_EVENT_FORECAST);
    app_->Current().SetDateTime(DateTime{2026, 8, 10, 12.5, kLocalCivilTime}, false);
    ASSERT_TRUE(PumpUntil([&] { return forecast.Control().IsComplete(); }));
    HWND list = GetDlgItem(forecast.Window(), IDC_EFC_LIST);
    const int row = RowWith(list, "A solar eclipse occurs");
    ASSERT_GE(row, 0);
    ClickRow(list, row, false);
    EXPECT_TRUE(HasTask("View 'A solar eclipse occurs' in the solar eclipse window")) << ::testing::PrintToString(Tasks());
    EXPECT_TRUE(HasTask("Search for solar eclipses in 2026"));
    ClickRow(list, row, true);
    auto* eclipse = dynamic_cast<SolarEclipseWindow*>(Active());
    ASSERT_NE(eclipse, nullptr);
    EXPECT_EQ(eclipse->View().GetDocument().Model().date.day, 12);
}

// "View a picture of" shows the picture; a body no pack has a picture of
// gets the Picture window's missing-picture text; the window's own menu
// leads to Object Info, and its tasks are the pictured body's.
TEST_F(WindowServicesTest, PicturesOfBodiesAndWhereThePictureLeads) {
    SkyWindow& sky = NewSky();
    SelectInSky(sky, kBodyPlanet, 3);
    ClickTask("View a picture of Jupiter");
    auto* picture = dynamic_cast<PictureWindow*>(Active());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetModel().GetBody().object, GetCatalogueObject(kBodyPlanet, 3));
    EXPECT_TRUE(HasTask("View Jupiter in the sky")) << ::testing::PrintToString(Tasks());
    EXPECT_TRUE(HasTask("Explore Jupiter"));
    EXPECT_FALSE(HasTask("View a picture of Jupiter"));
    SendMessageW(picture->Handle(), WM_COMMAND, CMD_SHOW_OBJECT_INFO, 0);
    EXPECT_TRUE(frame_->Tools().IsShown(CMD_OBJECT_INFO));
    ASSERT_NE(GetObjectInfoWindow(), nullptr);
    EXPECT_EQ(GetObjectInfoWindow()->State().selectedBody.object, GetCatalogueObject(kBodyPlanet, 3));

    frame_->Services().ShowBodyInPictureWindow(Body(kBodyPlanet, 2));
    auto* missing = dynamic_cast<PictureWindow*>(Active());
    ASSERT_NE(missing, nullptr);
    EXPECT_NE(missing, picture);
    EXPECT_EQ(Utf8(missing->GetStatusText()), "<Picture not found>");
}

// What a context menu shows when it opens: the states of some items.
struct MenuWatch {
    static inline std::vector<UINT> grey;
    static inline std::vector<int> items;
    static void CALLBACK Read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup) return;
        KillTimer(nullptr, timer);
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        grey.clear();
        for (int id : items) grey.push_back(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED);
        EndMenu();
    }
};

// The Sky's menu of a body leads to its picture only where a pack has one,
// and to Object Info at the chart's moment.
TEST_F(WindowServicesTest, TheSkysMenuLeadsToThePictureAndObjectInfo) {
    SkyWindow& sky = NewSky();
    const struct Case {
        int type;
        int number;
        UINT pictureGrey;
    } cases[] = {{kBodyPlanet, 3, 0}, {kBodySun, 0, MF_GRAYED}};
    MenuWatch::items = {CMD_SHOW_PICTURE, CMD_SHOW_OBJECT_INFO, CMD_SHOW_SOLAR_SYSTEM};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        SetTimer(nullptr, 0, 50, MenuWatch::Read);
        sky.Display()->ShowContextMenu(GetCatalogueObject(c.type, c.number), POINT{20, 20});
        EXPECT_EQ(MenuWatch::grey, (std::vector<UINT>{c.pictureGrey, 0, 0}));
    }
    // The last menu was the Sun's; Object Info takes it at the chart's moment.
    SendMessageW(sky.Display()->Window(), WM_COMMAND, CMD_SHOW_OBJECT_INFO, 0);
    ASSERT_NE(GetObjectInfoWindow(), nullptr);
    EXPECT_EQ(GetObjectInfoWindow()->State().selectedBody.object, GetCatalogueObject(kBodySun, 0));
    EXPECT_EQ(GetObjectInfoWindow()->State().timeAndPlace.dateTime.day, 10);
    // Jupiter's "&Picture": a Picture window with its map.
    SetTimer(nullptr, 0, 50, MenuWatch::Read);
    sky.Display()->ShowContextMenu(GetCatalogueObject(kBodyPlanet, 3), POINT{20, 20});
    SendMessageW(sky.Display()->Window(), WM_COMMAND, CMD_SHOW_PICTURE, 0);
    auto* picture = dynamic_cast<PictureWindow*>(Active());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetModel().GetBody().object, GetCatalogueObject(kBodyPlanet, 3));
}

// An ephemerides task opens its report; the report's body and date give the
// pane its tasks.
TEST_F(WindowServicesTest, AReportListsTheTasksOfItsBodyAndDate) {
    SkyWindow& sky = NewSky();
    SelectInSky(sky, kBodyMoon, 0);
    ClickTask("View Moon's ephemerides for 2026");
    auto* report = dynamic_cast<ReportWindow*>(Active());
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(HasTask("View Moon in the sky")) << ::testing::PrintToString(Tasks());
    EXPECT_TRUE(HasTask("Search for lunar eclipses in 2026"));
    EXPECT_FALSE(HasTask("View Moon's ephemerides for 2026"));
}

// The Report panel's choice of another report, and its browsing, change
// the body and the period the pane speaks of: its tasks follow at once.
TEST_F(WindowServicesTest, TheReportPanelsChoiceAndStepsGiveThePaneTheShownReportsTasks) {
    Command(CMD_NEW_REPORT);
    ASSERT_EQ(ActiveKind(), kReportWindow);
    ControlPanel* panel = frame_->Children().PanelOf(kReportWindow);
    ASSERT_NE(panel, nullptr);
    const HWND dialog = panel->GetDialogWindow();
    const auto choose = [dialog](const wchar_t* entry) {
        const LRESULT index = SendDlgItemMessageW(dialog, kReportListItem, CB_FINDSTRINGEXACT,
                                                  static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
        ASSERT_NE(index, CB_ERR);
        SendDlgItemMessageW(dialog, kReportListItem, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kReportListItem, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, kReportListItem)));
    };
    const auto next = [dialog] {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kNextPeriodItem, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, kNextPeriodItem)));
    };
    const struct Case {
        std::function<void()> change;
        const char* task;      // of the report now shown
        const char* gone;      // of the report shown before, if any
    } cases[] = {
        {[&] { choose(L"Year ephemerides of Mars"); }, "View Mars in the sky", nullptr},
        {[&] { choose(L"Year ephemerides of Venus"); }, "View Venus in the sky", "View Mars in the sky"},
        {[&] { choose(L"Year ephemerides of the Moon"); }, "Search for lunar eclipses in 2026", "View Venus in the sky"},
        {next, "Search for lunar eclipses in 2027", "Search for lunar eclipses in 2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.task);
        c.change();
        EXPECT_TRUE(HasTask(c.task)) << ::testing::PrintToString(Tasks());
        if (c.gone) {
            EXPECT_FALSE(HasTask(c.gone)) << ::testing::PrintToString(Tasks());
        }
    }
}

// The explorers hand the pane their selected moon and their own moment.
TEST_F(WindowServicesTest, AnExplorersMoonAndMomentReachThePane) {
    auto* saturn = dynamic_cast<ExplorerWindow*>(frame_->Children().NewWindow(kSaturnExplorerWindow));
    ASSERT_NE(saturn, nullptr);
    app_->GetSaturnExplorerActions().GoTo(*saturn, DateTime{2029, 5, 1, 0.0, kLocalCivilTime}, kChangeWhole, nullptr,
                                          true);
    app_->GetSaturnExplorerActions().SelectMoonStep(*saturn, 5, nullptr);
    EXPECT_TRUE(HasTask("View information on Titan")) << ::testing::PrintToString(Tasks());
    EXPECT_TRUE(HasTask("View Saturn's ephemerides for 2029"));
    EXPECT_FALSE(HasTask("Explore Saturn"));
}

// Close and Duplicate of the Window Manager act on its selected row's
// window, whatever its kind; selecting a row activates its window.
TEST_F(WindowServicesTest, TheWindowManagerClosesAndDuplicatesEveryKind) {
    if (!frame_->IsPaneShown(CMD_VIEW_WINDOW_MANAGER)) Command(CMD_VIEW_WINDOW_MANAGER);
    HWND pane = frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER);
    HWND list = GetDlgItem(pane, IDC_PANE_LIST);
    const int kinds[] = {kSkyWindow,    kSolarSystemWindow,     kGraphWindow,          kPictureWindow,
                         kReportWindow, kJupiterExplorerWindow, kSaturnExplorerWindow, kSolarEclipseWindow};
    for (int kind : kinds) {
        SCOPED_TRACE(kind);
        MdiChildWindow* first = frame_->Children().NewWindow(kind);
        ASSERT_NE(first, nullptr);
        MdiChildWindow* other = frame_->Children().NewWindow(kind == kSkyWindow ? kGraphWindow : kSkyWindow);
        ASSERT_EQ(Active(), other);
        ClickRow(list, RowOfWindow(list, *first), false);
        EXPECT_EQ(Active(), first);
        const std::size_t open = frame_->Registry().AllWindows().size();
        ClickButton(GetDlgItem(pane, IDC_PANE_DUPLICATE));
        EXPECT_EQ(frame_->Registry().AllWindows().size(), open + 1);
        ASSERT_NE(Active(), first);
        EXPECT_EQ(ActiveKind(), kind);
        MarkGraphsSaved();
        ClickButton(GetDlgItem(pane, IDC_PANE_CLOSE));
        EXPECT_EQ(frame_->Registry().AllWindows().size(), open);
        Command(CMD_CLOSE_ALL);
        ASSERT_TRUE(frame_->Registry().AllWindows().empty());
    }
}

}  // namespace
}  // namespace corvinata
