#include "frame/frame_related_tasks.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sky_commands.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/quantity_kinds.h"
#include "frame/frame_window_services.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/drawn_pixels_win.h"
#include "support/list_view_rows_win.h"
#include "support/test_text.h"
#include "resources/event_tools_ids.h"
#include "tools/event_finder.h"
#include "tools/event_finder_window_win.h"
#include "tools/event_forecast_window_win.h"
#include "tools/event_types.h"
#include "tools/object_info_window_win.h"
#include "typed_keys.h"
#include "views/graph_window_win.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

using test::Utf8;


class FrameRelatedTasksTest : public test::FrameTest {
protected:
    FrameRelatedTasksTest() {
        EXPECT_TRUE(test::SharedCatalogues());
        StartAsProgram();
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER);
        if (!frame_->IsPaneShown(CMD_VIEW_RELATED_TASKS)) Command(CMD_VIEW_RELATED_TASKS);
    }
    ~FrameRelatedTasksTest() override {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    HWND List() const { return GetDlgItem(frame_->PaneWindow(CMD_VIEW_RELATED_TASKS), kRelatedTasksListId); }
    // The list view's rows as the user sees them.
    std::vector<std::string> Rows() const { return test::ListRows(List()); }
    // Group ids are not read back from every list view: the pane's own groups.
    std::size_t GroupSize(int group) const { return frame_->RelatedTasks()->Pane().Groups().Group(group).size(); }
    int RowOf(const std::string& text) const {
        const std::vector<std::string> rows = Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == text) return static_cast<int>(i);
        }
        return -1;
    }
    // A click on the row: the list's one-click activation.
    void Activate(int item) {
        NMITEMACTIVATE activate{};
        activate.hdr.hwndFrom = List();
        activate.hdr.idFrom = kRelatedTasksListId;
        activate.hdr.code = LVN_ITEMACTIVATE;
        activate.iItem = item;
        SendMessageW(frame_->PaneWindow(CMD_VIEW_RELATED_TASKS), WM_NOTIFY, kRelatedTasksListId,
                     reinterpret_cast<LPARAM>(&activate));
    }
    SkyWindow& NewSkyWindow() {
        auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().NewWindow(kSkyWindow));
        EXPECT_NE(sky, nullptr);
        return *sky;
    }
    void SelectInSky(SkyWindow& sky, int type, int number) {
        app_->GetSkyActions().SelectPair(sky, BodyIdentifierFromObject(GetCatalogueObject(type, number)), 0, 0, 0,
                                         nullptr);
    }
    int ActiveKind() const {
        HWND active = reinterpret_cast<HWND>(SendMessageW(frame_->MdiClient(), WM_MDIGETACTIVE, 0, 0));
        return frame_->Registry().FindByHandle(active).kind;
    }
};

// Every graph task the pane offers for a planet, the Sun and the Moon (the
// rising and setting times, and a graph of each of the body's quantities)
// opens a graph whose lines lie inside the plot: a distance, which has no
// upper limit, is drawn over its values, not over 0 to 100.
TEST_F(FrameRelatedTasksTest, EveryGraphTaskOpensWithItsLinesInsideThePlot) {
    const DateTime date = frame_->Services().CurrentTimeAndLocation().dateTime;
    const BodyIdentifier bodies[] = {BodyIdentifierFromObject(GetCatalogueObject(kBodyPlanet, 3)),
                                     BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0)),
                                     BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0))};
    int graphs = 0;
    for (const BodyIdentifier& body : bodies) {
        ASSERT_NE(body.object, nullptr);
        std::vector<RelatedTaskPtr> tasks;
        tasks.push_back(MakeRiseSetGraphTask(body, date));
        for (const EventKind* quantity : GetBodyType(body.object->GetTypeId())->Properties()) {
            tasks.push_back(MakeQuantityGraphTask(body, date, quantity->GetId()));
        }
        for (const RelatedTaskPtr& task : tasks) {
            if (!task) continue;
            const std::string caption = Utf8(task->GetText());
            task->Execute(frame_->Services());
            auto* graph = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
            ASSERT_NE(graph, nullptr) << caption;
            const GraphScales scales = graph->DisplayScales();
            ASSERT_TRUE(scales.Drawable()) << caption;
            const GraphDocument& document = graph->Graph();
            int drawn = 0;
            for (int l = 0; l < document.LineCount(); ++l) {
                const GraphLine& line = *document.GetGraphLine(l);
                const QuantityKind* kind = QuantityKindByIndex(line.GetQuantityKind(document.Services()));
                ASSERT_NE(kind, nullptr) << caption;
                for (const double value : line.values) {
                    if (value == kind->GetNoneValue()) continue;
                    EXPECT_TRUE(value >= scales.minimum && value <= scales.maximum)
                        << caption << ": " << value << " outside " << scales.minimum << ".." << scales.maximum;
                    ++drawn;
                }
            }
            EXPECT_GT(drawn, 0) << caption;
            // Closed without the question a changed graph asks.
            graph->Graph().History().MarkSaved();
            SendMessageW(graph->Handle(), WM_CLOSE, 0, 0);
            ++graphs;
        }
    }
    EXPECT_GE(graphs, 6);
}

TEST_F(FrameRelatedTasksTest, WithoutWindowsGettingStartedOpensEachKind) {
    const std::vector<std::string> kinds = {"Sky", "Solar system", "Graph", "Picture",
                                            "Report", "Jupiter explorer", "Saturn explorer", "Solar eclipse"};
    const std::vector<int> windowKinds = {kSkyWindow,    kSolarSystemWindow,     kGraphWindow,
                                          kPictureWindow, kReportWindow,         kJupiterExplorerWindow,
                                          kSaturnExplorerWindow, kSolarEclipseWindow};
    // The Solar eclipse window's first opening computes its eclipse for
    // long under Wine; its task is the same kind of task as the others.
    for (std::size_t i = 0; i + 1 < kinds.size(); ++i) {
        SCOPED_TRACE(kinds[i]);
        Command(CMD_CLOSE_ALL);
        const std::vector<std::string> rows = Rows();
        ASSERT_EQ(rows.size(), kinds.size());
        EXPECT_EQ(rows[i], "Open a " + kinds[i] + " window");
        EXPECT_EQ(GroupSize(kGettingStartedGroup), kinds.size());
        Activate(static_cast<int>(i));
        EXPECT_EQ(ActiveKind(), windowKinds[i]);
        EXPECT_EQ(frame_->Registry().AllWindows().size(), 1u);
    }
}

TEST_F(FrameRelatedTasksTest, TheSkyWindowsSelectionListsItsTasksAndTheyRun) {
    SkyWindow& sky = NewSkyWindow();
    SelectInSky(sky, kBodyMoon, 0);
    // The Moon's tasks, with none that reopens a Sky window.
    EXPECT_GE(RowOf("View Moon in the solar system"), 0);
    EXPECT_GE(RowOf("View information on Moon"), 0);
    EXPECT_EQ(RowOf("View Moon in the sky"), -1);
    EXPECT_EQ(GroupSize(kSelectedBodyGroup), Rows().size());

    // Another window's activation lists its own tasks; coming back, the Sky's.
    SelectInSky(sky, kBodySun, 0);
    EXPECT_GE(RowOf("View Sun in the solar system"), 0);
    Activate(RowOf("View Sun in the solar system"));
    EXPECT_EQ(ActiveKind(), kSolarSystemWindow);
    EXPECT_EQ(RowOf("View Sun in the solar system"), -1);
    EXPECT_GE(RowOf("View Sun in the sky"), 0) << ::testing::PrintToString(Rows());
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(sky.Handle()), 0);
    EXPECT_GE(RowOf("View Sun in the solar system"), 0);

    // The information task hands the body to Object Info and shows the tool.
    Activate(RowOf("View information on Sun"));
    EXPECT_TRUE(frame_->Tools().IsShown(CMD_OBJECT_INFO));
    ASSERT_NE(GetObjectInfoWindow(), nullptr);
    EXPECT_EQ(GetObjectInfoWindow()->State().selectedBody.object, GetCatalogueObject(kBodySun, 0));
}

TEST_F(FrameRelatedTasksTest, ObjectInfosBodyFillsTheSelectedBodyGroup) {
    NewSkyWindow();
    SelectObjectForInfo(BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0)));
    EXPECT_GE(RowOf("View Moon in the sky"), 0);
    EXPECT_EQ(RowOf("View information on Moon"), -1);
    EXPECT_EQ(GroupSize(kSelectedBodyGroup), Rows().size());
}

TEST_F(FrameRelatedTasksTest, ClosingTheLastWindowGoesBackToGettingStarted) {
    SkyWindow& sky = NewSkyWindow();
    SelectInSky(sky, kBodyMoon, 0);
    ASSERT_GE(RowOf("View information on Moon"), 0);
    SendMessageW(sky.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(RowOf("View information on Moon"), -1);
    EXPECT_EQ(RowOf("Open a Sky window"), 0);
}

TEST_F(FrameRelatedTasksTest, TheKeyboardReachesAndRunsATask) {
    Command(CMD_CLOSE_ALL);
    SetFocus(List());
    ASSERT_EQ(GetFocus(), List());
    // The first row is the focused one; Enter activates it.
    LVITEMW focus{};
    focus.stateMask = LVIS_FOCUSED;
    focus.state = LVIS_FOCUSED;
    SendMessageW(List(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focus));
    // Through the message loop's dialog keys, as the program runs them.
    MSG enter{List(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(frame_->PreTranslate(enter, nullptr, modeless_));
    EXPECT_EQ(ActiveKind(), kSkyWindow);
}

// Pixels of a drawing that stand out from the background `face`.
int InkCount(const std::vector<std::uint32_t>& pixels, COLORREF face) {
    const int r = GetRValue(face), g = GetGValue(face), b = GetBValue(face);
    int ink = 0;
    for (std::uint32_t p : pixels) {
        const int dr = static_cast<int>((p >> 16) & 0xFF) - r;
        const int dg = static_cast<int>((p >> 8) & 0xFF) - g;
        const int db = static_cast<int>(p & 0xFF) - b;
        if (dr * dr + dg * dg + db * db > 96 * 96) ++ink;
    }
    return ink;
}

// At the width the pane has as the frame starts (204 pixels), every task's
// caption is shown whole, on as many lines as it needs: the two views of an
// eclipse ("... in the sky", "... in the solar system") and the links of the
// first start ("Open a Jupiter explorer window") read differently and to
// their end. Each row holds at least the ink of its whole caption drawn in
// the list's font and colours.
TEST_F(FrameRelatedTasksTest, EveryCaptionShowsWholeAtThePanesWidth) {
    RelatedTasksPane& pane = frame_->RelatedTasks()->Pane();
    pane.Clear();
    pane.Builder().AddOpenWindowTasks();
    pane.Builder().AddSolarEclipseTasks(frame_->Services().CurrentTimeAndLocation().dateTime);
    pane.Show();
    HWND list = List();
    RECT client{};
    GetClientRect(list, &client);
    RECT paneRect{};
    GetWindowRect(frame_->PaneWindow(CMD_VIEW_RELATED_TASKS), &paneRect);
    SCOPED_TRACE("pane width " + std::to_string(paneRect.right - paneRect.left));
    const COLORREF face = ListView_GetBkColor(list);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    std::vector<std::vector<std::uint32_t>> rows;
    const std::vector<std::string> captions = Rows();
    ASSERT_GE(captions.size(), 10u);
    for (std::size_t item = 0; item < captions.size(); ++item) {
        // Each row as the list shows it scrolled into view.
        SendMessageW(list, LVM_ENSUREVISIBLE, item, FALSE);
        RECT row{};
        row.left = LVIR_BOUNDS;
        ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&row)));
        ASSERT_LE(row.bottom, client.bottom) << captions[item];
        const auto shown = test::PrintedClient(list, client.right, client.bottom);
        std::vector<std::uint32_t> pixels;
        for (int y = std::max(0L, row.top); y < row.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) pixels.push_back(shown[static_cast<std::size_t>(y) * client.right + x]);
        }
        const std::wstring caption = test::Wide(captions[item]);
        const auto whole = test::DrawnPixels(1000, 40, [&](HDC dc) {
            HBRUSH brush = CreateSolidBrush(face);
            RECT all{0, 0, 1000, 40};
            FillRect(dc, &all, brush);
            DeleteObject(brush);
            HGDIOBJ old = SelectObject(dc, font);
            SetTextColor(dc, ListView_GetTextColor(list));
            SetBkMode(dc, TRANSPARENT);
            DrawTextW(dc, caption.c_str(), -1, &all, DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, old);
        });
        EXPECT_GE(InkCount(pixels, face) * 100, InkCount(whole, face) * 97) << captions[item];
        rows.push_back(std::move(pixels));
        for (std::size_t other = 0; other + 1 < rows.size(); ++other) {
            if (captions[other] != captions[item]) {
                EXPECT_TRUE(rows[other] != rows.back()) << captions[item] << " reads as " << captions[other];
            }
        }
    }
}

// Reopened with the windows of its last run, the program fills the pane
// once, for the window active at the end: the windows before it (the
// explorers with tasks of their own) have no caption measured as they come back.
TEST_F(FrameRelatedTasksTest, ReopenedWindowsFillThePaneOnceForTheActiveOne) {
    const auto measuredOnReopening = [this](std::initializer_list<int> commands) {
        Command(CMD_CLOSE_ALL);
        for (int command : commands) Command(command);
        EXPECT_EQ(frame_->Registry().AllWindows().size(), commands.size());
        Command(CMD_EXIT);
        frame_.reset();
        app_.reset();
        DrainQuit();
        StartAsProgram();
        EXPECT_EQ(frame_->Registry().AllWindows().size(), commands.size());
        EXPECT_EQ(ActiveKind(), kSaturnExplorerWindow);
        EXPECT_FALSE(Rows().empty());
        return frame_->RelatedTasks()->Pane().MeasuredCaptions();
    };
    const int alone = measuredOnReopening({CMD_NEW_SATURN});
    EXPECT_EQ(measuredOnReopening({CMD_NEW_JUPITER, CMD_NEW_SKY, CMD_NEW_JUPITER, CMD_NEW_SATURN}), alone);
}

// ---- the tools ---------------------------------------------------------

class ToolTasksTest : public FrameRelatedTasksTest {
public:
    using FrameRelatedTasksTest::Rows;
    FrameWindow& Frame() const { return *frame_; }
    test::TypedKeys Typed() const { return test::TypedKeys(*frame_, modeless_); }
    // The tool shown beside the frame, where it covers none of its panes.
    HWND ShowTool(int command) {
        if (!frame_->Tools().IsShown(command)) Command(command);
        const ToolWindow* tool = frame_->Tools().Find(command);
        if (!tool) return nullptr;
        SetWindowPos(tool->Window(), nullptr, 1110, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return tool->Window();
    }
    EventFinderWindow* Finder() const {
        return dynamic_cast<EventFinderWindow*>(frame_->Tools().Find(CMD_EVENT_FINDER));
    }
    // The window in front, as the user brings it there.
    void BringForward(HWND window) {
        SetForegroundWindow(window);
        Typed().RunLoop();
    }
    // Selects a row of a tool's list as a click does (its LVN_ITEMCHANGED).
    static void SelectRow(HWND list, int row) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    }
    void ShowMoonAsTheToolsTasks() {
        frame_->RelatedTasks()->ShowObjectInfoTasks(BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0)),
                                                    frame_->Services().CurrentTimeAndLocation().dateTime);
    }
};

struct ToolCase {
    const char* name;
    int command;
    // Brings the shown tool to its state; answers the rows the pane lists
    // when the tool builds them afresh.
    std::function<std::vector<std::string>(ToolTasksTest&, HWND tool)> prepare;
};

const ToolCase kToolCases[] = {
    {"EventFinderWithAFullMoonSelected", CMD_EVENT_FINDER,
     [](ToolTasksTest& test, HWND tool) {
         EventFinderWindow* finder = test.Finder();
         test.Frame().Services().StartEventSearch(events::kEventFullMoon, DateTime{2024, 1, 1, 0.0, kLocalCivilTime},
                                                  DateTime{2024, 12, 31, 0.0, kLocalCivilTime},
                                                  TimeStep{kDaysUnit, 1});
         EXPECT_TRUE(test::FrameTest::RunMessagesUntil([finder] { return !finder->Control().IsSearching(); }, 60000));
         ToolTasksTest::SelectRow(GetDlgItem(tool, IDC_EF_RESULTS), 1);
         EXPECT_EQ(finder->Control().SelectedResult(), 1);
         return test.Rows();
     }},
    {"EventFinderWithNothingFound", CMD_EVENT_FINDER,
     [](ToolTasksTest& test, HWND) {
         events::EventFinderControl& finder = test.Finder()->Control();
         test.Frame().Services().ShowEventFinderTasks(
             events::EventFinderTaskSelection(finder.Current(), finder.SelectedResult()));
         return test.Rows();
     }},
    {"EventForecastWithAResultSelected", CMD_EVENT_FORECAST,
     [](ToolTasksTest& test, HWND tool) {
         auto* forecast = dynamic_cast<EventForecastWindow*>(test.Frame().Tools().Find(CMD_EVENT_FORECAST));
         EXPECT_TRUE(test::FrameTest::RunMessagesUntil([forecast] { return forecast->Control().IsComplete(); },
                                                       120000));
         HWND list = GetDlgItem(tool, IDC_EFC_LIST);
         EXPECT_GT(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
         ToolTasksTest::SelectRow(list, 1);
         return test.Rows();
     }},
    // The forecast offers nothing until a result is chosen.
    {"EventForecastWithNothingSelected", CMD_EVENT_FORECAST,
     [](ToolTasksTest&, HWND) { return std::vector<std::string>{}; }},
    {"ObjectInfo", CMD_OBJECT_INFO,
     [](ToolTasksTest& test, HWND) {
         SelectObjectForInfo(BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0)));
         return test.Rows();
     }},
};

class ToolComingForwardTest : public ToolTasksTest, public ::testing::WithParamInterface<ToolCase> {};

// A tool brought in front after a window listed its own tasks lists the
// tool's again, as the tool builds them when its selection changes.
TEST_P(ToolComingForwardTest, ListsTheToolsOwnTasks) {
    const ToolCase& c = GetParam();
    SelectInSky(NewSkyWindow(), kBodySun, 0);
    // The new window's activation is through before a tool comes forward.
    BringForward(frame_->Window());
    const HWND tool = ShowTool(c.command);
    ASSERT_NE(tool, nullptr);
    const std::vector<std::string> expected = c.prepare(*this, tool);
    BringForward(frame_->Window());
    frame_->RefreshRelatedTasks();
    ASSERT_GE(RowOf("View Sun in the solar system"), 0) << ::testing::PrintToString(Rows());
    ASSERT_NE(Rows(), expected);
    BringForward(tool);
    ASSERT_EQ(GetActiveWindow(), tool);
    EXPECT_EQ(Rows(), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolComingForwardTest, ::testing::ValuesIn(kToolCases),
                         [](const ::testing::TestParamInfo<ToolCase>& info) { return info.param.name; });

// The application's moment and place announced again as they were (a
// dialog confirmed without a change; events 10, 9 and 11): the forecast
// stays as it is shown, with its rows, the selected result and its tasks,
// and where its list stands. A moment a minute later starts it again.
TEST_F(ToolTasksTest, TheForecastStaysWhileItsMomentAndPlaceStay) {
    app_->DialogStates().eventForecastOptions.options.timeRange = TimeStep{kMonthsUnit, 2};
    auto* forecast = dynamic_cast<EventForecastWindow*>(frame_->Tools().Find(CMD_EVENT_FORECAST));
    ASSERT_NE(forecast, nullptr);
    app_->Current().SetDateTime(DateTime{2024, 6, 1, 12.0, kLocalCivilTime}, false);
    const HWND tool = ShowTool(CMD_EVENT_FORECAST);
    ASSERT_TRUE(RunMessagesUntil([forecast] { return forecast->Control().IsComplete(); }, 120000));
    const HWND list = GetDlgItem(tool, IDC_EFC_LIST);
    const int rows = ListView_GetItemCount(list);
    ASSERT_GT(rows, ListView_GetCountPerPage(list));
    ListView_EnsureVisible(list, rows - 1, FALSE);
    const int top = ListView_GetTopIndex(list);
    ASSERT_GT(top, 0);
    BringForward(tool);
    SelectRow(list, rows - 1);
    const std::vector<std::string> shown = test::ListRows(list);
    const std::vector<std::string> tasks = Rows();
    ASSERT_FALSE(tasks.empty());

    const DateTimeLocation now = app_->Current().GetTimeAndLocation();
    struct Announcement {
        const char* what;
        std::function<void(CurrentTimeAndLocation&)> announce;
    };
    const Announcement unchanged[] = {
        {"the same date and time", [&now](CurrentTimeAndLocation& c) { c.SetDateTime(now.dateTime, now.daylightSaving); }},
        {"the same place", [&now](CurrentTimeAndLocation& c) { c.SetLocation(now.location); }},
        {"the same date, time and place", [&now](CurrentTimeAndLocation& c) { c.SetTimeAndLocation(now); }},
    };
    for (const Announcement& a : unchanged) {
        a.announce(app_->Current());
        // The user comes back to the forecast from the dialog.
        BringForward(frame_->Window());
        BringForward(tool);
        EXPECT_FALSE(forecast->Control().IsRunning()) << a.what;
        EXPECT_EQ(test::ListRows(list), shown) << a.what;
        EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), rows - 1) << a.what;
        EXPECT_EQ(ListView_GetTopIndex(list), top) << a.what;
        EXPECT_EQ(Rows(), tasks) << a.what;
    }
    DateTime later = now.dateTime;
    DateTimeAddMinutes(later, 1);
    app_->Current().SetDateTime(later, now.daylightSaving);
    EXPECT_TRUE(forecast->Control().IsRunning() || forecast->Control().IsComplete());
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), -1);
    ASSERT_TRUE(RunMessagesUntil([forecast] { return forecast->Control().IsComplete(); }, 120000));
}

struct HiddenToolCase {
    int command;
    WORD key;  // with Ctrl
    bool childWindow;
    // A tool shown before the one hidden, and still shown (0: none).
    int alsoShown;
    // The pane goes back to the active window's tasks (or the first steps).
    bool paneReturns;
};

class HidingAToolTest : public ToolTasksTest, public ::testing::WithParamInterface<HiddenToolCase> {};

// A tool in front listed its tasks; a click on the Related Tasks pane brings
// the frame forward and leaves them there. Hidden by its key, the tool
// gives the pane back to the active window's tasks, or those of the first
// steps when no window is open, once no tool is shown; while another tool
// is, the pane stays as it is.
TEST_P(HidingAToolTest, LeavesThePaneToTheActiveWindowOnceNoToolIsShown) {
    const HiddenToolCase& c = GetParam();
    Command(CMD_CLOSE_ALL);
    if (c.childWindow) SelectInSky(NewSkyWindow(), kBodySun, 0);
    // The new window's activation is through before a tool comes forward.
    BringForward(frame_->Window());
    frame_->RefreshRelatedTasks();
    const std::vector<std::string> expected = Rows();
    ASSERT_GE(RowOf(c.childWindow ? "View Sun in the solar system" : "Open a Sky window"), 0);
    if (c.alsoShown) {
        ASSERT_NE(ShowTool(c.alsoShown), nullptr);
    }
    const HWND tool = ShowTool(c.command);
    ASSERT_NE(tool, nullptr);
    BringForward(tool);
    ASSERT_EQ(GetActiveWindow(), tool);
    ShowMoonAsTheToolsTasks();
    const std::vector<std::string> toolsTasks = Rows();
    ASSERT_NE(toolsTasks, expected);
    const HWND pane = frame_->PaneWindow(CMD_VIEW_RELATED_TASKS);
    RECT r{};
    GetWindowRect(pane, &r);
    POINT caption{(r.left + r.right) / 2, r.top + GetSystemMetrics(SM_CYCAPTION) / 2};
    ScreenToClient(pane, &caption);
    Typed().Click(pane, caption);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    ASSERT_EQ(GetActiveWindow(), frame_->Window());
    ASSERT_EQ(Rows(), toolsTasks) << "the click changed the tool's tasks";
    Typed().Keys({{VK_CONTROL, c.key}});
    ASSERT_FALSE(frame_->Tools().IsShown(c.command));
    EXPECT_EQ(Rows(), c.paneReturns ? expected : toolsTasks);
}

std::vector<HiddenToolCase> EveryToolWithAndWithoutAWindow() {
    std::vector<HiddenToolCase> cases;
    const std::pair<int, WORD> tools[] = {{CMD_OBJECT_INFO, '1'}, {CMD_EVENT_FORECAST, '2'}, {CMD_EVENT_FINDER, '3'},
                                          {CMD_CALCULATOR, '4'},  {CMD_SYMBOLS, '5'}};
    for (const auto& [command, key] : tools) {
        for (bool window : {false, true}) cases.push_back({command, key, window, 0, true});
    }
    // Object Info stays shown: its tasks stay in the pane.
    cases.push_back({CMD_CALCULATOR, '4', false, CMD_OBJECT_INFO, false});
    cases.push_back({CMD_EVENT_FORECAST, '2', true, CMD_OBJECT_INFO, false});
    // The Event Finder counts among the tools shown.
    cases.push_back({CMD_SYMBOLS, '5', true, CMD_EVENT_FINDER, false});
    cases.push_back({CMD_EVENT_FINDER, '3', true, CMD_OBJECT_INFO, false});
    return cases;
}

const char* ToolName(int command) {
    switch (command) {
    case CMD_OBJECT_INFO: return "ObjectInfo";
    case CMD_EVENT_FORECAST: return "EventForecast";
    case CMD_EVENT_FINDER: return "EventFinder";
    case CMD_CALCULATOR: return "Calculator";
    default: return "Symbols";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTool, HidingAToolTest, ::testing::ValuesIn(EveryToolWithAndWithoutAWindow()),
                         [](const ::testing::TestParamInfo<HiddenToolCase>& info) {
                             std::string name = std::string("Ctrl") + static_cast<char>(info.param.key) +
                                                (info.param.childWindow ? "_WithASkyWindow" : "_WithoutWindows");
                             if (info.param.alsoShown) name += std::string("_") + ToolName(info.param.alsoShown) + "Shown";
                             return name;
                         });

}  // namespace
}  // namespace corvinata
