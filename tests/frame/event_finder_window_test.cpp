#include "tools/event_finder_window_win.h"
#include "tools/event_forecast_window_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/app_interfaces.h"
#include "controls/custom_controls_setup.h"
#include "controls/spin_edit_window.h"
#include "app/dialog_positions.h"
#include "app/settings_values.h"
#include "frame/frame_related_tasks.h"
#include "frame/frame_window_services.h"
#include "frame/related_tasks_pane.h"
#include "frame_test.h"
#include "modal_driver.h"
#include "support/related_task_fakes.h"
#include "program_keys.h"
#include "resources/event_tools_ids.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/search_hold.h"
#include "views/sky_window_win.h"
#include "support/list_view_rows_win.h"

namespace corvinata {
namespace {

// Serves the test thread's messages until `done` or the time runs out; the
// user-interface thread never sleeps.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (!done() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

// Sends WM_NULL to a window from another thread, as often as it can, and
// keeps the longest wait for the answer. The figure is printed, not
// checked: a shared machine's load decides it as much as the program does.
class ResponsivenessProbe {
public:
    explicit ResponsivenessProbe(HWND window)
        : thread_([this, window] {
              while (!stop_) {
                  const DWORD before = GetTickCount();
                  DWORD_PTR result = 0;
                  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
                  const DWORD waited = GetTickCount() - before;
                  if (waited > worst_) worst_ = waited;
                  Sleep(5);
              }
              SetEvent(done_);
          }) {}
    // The thread's last message is answered while it ends.
    ~ResponsivenessProbe() {
        stop_ = true;
        while (MsgWaitForMultipleObjects(1, &done_, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
        thread_.join();
        CloseHandle(done_);
    }
    DWORD Worst() const { return worst_; }

private:
    HANDLE done_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> stop_{false};
    std::atomic<DWORD> worst_{0};
    std::thread thread_;
};

// What the Event Finder asks the window services to show in a Sky window,
// for as long as it lives; then the frame's services again.
class ShownInSky final : public test::RecordingTaskServices {
public:
    ShownInSky(EventFinderWindow& tool, WindowServices& frame) : tool_(tool), frame_(frame) {
        tool_.SetWindowServices(this);
    }
    ~ShownInSky() override { tool_.SetWindowServices(&frame_); }
    bool ShowBodyInSkyWindowAt(const BodyIdentifier& body, const DateTime& date) override {
        dates.push_back(date);
        return RecordingTaskServices::ShowBodyInSkyWindowAt(body, date);
    }
    std::vector<DateTime> dates;

private:
    EventFinderWindow& tool_;
    WindowServices& frame_;
};

std::wstring Cell(HWND list, int row, int column) { return test::ListItemWideText(list, row, column); }

// The day of a forecast row's "Occurs" text as yyyymmdd: "Today" is the
// forecast's own day.
int OccursDay(const std::wstring& text, const DateTime& today) {
    if (text == L"Today") return today.year * 10000 + today.month * 100 + today.day;
    int day = 0, month = 0, year = 0;
    if (swscanf(text.c_str(), L"%d.%d.%d", &day, &month, &year) != 3) return -1;
    return year * 10000 + month * 100 + day;
}

class EventFinderWindowTest : public test::FrameTest {
protected:
    ~EventFinderWindowTest() override { Close(); }
    void Open() {
        Start(false);
        controls_ = std::make_unique<CustomControlsSession>(GetModuleHandleW(nullptr), app_->Controls());
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        tool_ = static_cast<EventFinderWindow*>(frame_->Tools().Find(CMD_EVENT_FINDER));
        window_ = tool_ ? tool_->Window() : nullptr;
    }
    void Close() {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
        frame_.reset();
        controls_.reset();
        tool_ = nullptr;
    }
    void SetRange(int fromYear, int toYear, const wchar_t* count, const wchar_t* unit) {
        FindCustomControl<PickerControl<DatePicker>>(GetDlgItem(window_, IDC_EF_FROM))->SetDate(fromYear, 1, 1);
        FindCustomControl<PickerControl<DatePicker>>(GetDlgItem(window_, IDC_EF_TO))->SetDate(toYear, 12, 31);
        SetDlgItemTextW(window_, IDC_EF_COUNT, count);
        SendDlgItemMessageW(window_, IDC_EF_UNIT, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(unit));
    }
    void Click(int id) { SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool Searching() const { return tool_->Control().IsSearching(); }
    std::vector<std::wstring> Lines() const {
        HWND list = GetDlgItem(window_, IDC_EF_RESULTS);
        std::vector<std::wstring> lines;
        const int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t text[100] = {};
            LVITEMW item{};
            item.pszText = text;
            item.cchTextMax = 100;
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            lines.push_back(text);
        }
        return lines;
    }
    bool Visible(int id) const { return IsWindowVisible(GetDlgItem(window_, id)) != FALSE; }
    LRESULT Progress() const { return SendDlgItemMessageW(window_, IDC_EF_PROGRESS, PBM_GETPOS, 0, 0); }
    // Holds the searches started from now on (see SearchHold); the hold
    // outlives the window, whose close stops a held search.
    test::SearchHold& HoldSearchesAt(int percent) {
        hold_ = std::make_unique<test::SearchHold>(percent);
        tool_->Control().SetProgressHold(hold_->Hold());
        return *hold_;
    }

    test::ScopedCatalogues catalogues_;
    std::unique_ptr<test::SearchHold> hold_;
    std::unique_ptr<CustomControlsSession> controls_;
    EventFinderWindow* tool_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(EventFinderWindowTest, TheCommandShowsItAndAYearOfFullMoonsFillsTheList) {
    Open();
    ASSERT_NE(window_, nullptr);
    EXPECT_FALSE(IsWindowVisible(window_));
    RECT r{};
    GetWindowRect(window_, &r);
    EXPECT_EQ(r.left, 317);
    EXPECT_EQ(r.top, 82);
    Command(CMD_EVENT_FINDER);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(MenuState(CMD_EVENT_FINDER) & MF_CHECKED);
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"Press <Start> to find events."});
    EXPECT_TRUE(Visible(IDC_EF_START));
    EXPECT_FALSE(Visible(IDC_EF_STOP));

    SetRange(2024, 2024, L"1", L"Hours");
    DWORD worst = 0;
    {
        ResponsivenessProbe probe(window_);
        Click(IDC_EF_START);
        EXPECT_TRUE(Visible(IDC_EF_STOP));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window_, IDC_EF_COUNT)));
        ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 60000));
        PumpUntil([] { return false; }, 50);
        worst = probe.Worst();
    }
    std::printf("worst SendMessageTimeout wait during a search: %lu ms\n", static_cast<unsigned long>(worst));
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"25.01.2024 18:00"), lines.end());
    // The progress ends at the range's last day, not the day after it.
    wchar_t progress[40] = {};
    GetDlgItemTextW(window_, IDC_EF_PROGRESS_DATE, progress, 40);
    EXPECT_STREQ(progress, L"31.12.2024");
    EXPECT_TRUE(Visible(IDC_EF_START));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window_, IDC_EF_START)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window_, IDC_EF_EDIT)));

    // A double-click on a line shows that full moon in a Sky window.
    ShownInSky shown(*tool_, frame_->Services());
    HWND results = GetDlgItem(window_, IDC_EF_RESULTS);
    LVITEMW select{};
    select.stateMask = LVIS_SELECTED;
    select.state = LVIS_SELECTED;
    SendMessageW(results, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    NMITEMACTIVATE click{};
    click.hdr = {results, IDC_EF_RESULTS, static_cast<UINT>(NM_DBLCLK)};
    click.iItem = 0;
    SendMessageW(window_, WM_NOTIFY, IDC_EF_RESULTS, reinterpret_cast<LPARAM>(&click));
    ASSERT_EQ(shown.dates.size(), 1u);
    EXPECT_EQ(shown.dates[0].month, 1);
    EXPECT_EQ(shown.dates[0].day, 25);

    Click(IDC_EF_EDIT);
    SetRange(2024, 2024, L"1", L"Days");
    Click(IDC_EF_START);
    ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 60000));
    ASSERT_EQ(Lines().size(), 12u);
    EXPECT_EQ(Lines().front().size(), 10u) << "dates only at a daily step";

    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_FALSE(MenuState(CMD_EVENT_FINDER) & MF_CHECKED);
}

TEST_F(EventFinderWindowTest, AStoppedLongSearchContinuesToTheLinesOfAnUninterruptedOneAndSurvivesARestart) {
    Open();
    Command(CMD_EVENT_FINDER);
    SetRange(1950, 2049, L"1", L"Hours");
    Click(IDC_EF_START);
    ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 120000));
    const auto expected = Lines();
    ASSERT_GT(expected.size(), 300u);

    Click(IDC_EF_EDIT);
    SetRange(1950, 2049, L"1", L"Hours");
    // The search waits at 20 % until the stop, which so lands mid-search
    // however fast the search runs beside the test.
    test::SearchHold& hold = HoldSearchesAt(20);
    DWORD worst = 0;
    {
        ResponsivenessProbe probe(window_);
        Click(IDC_EF_START);
        ASSERT_TRUE(PumpUntil([&] { return hold.Holding() && Progress() >= 20; }, 60000));
        const DWORD before = GetTickCount();
        Click(IDC_EF_STOP);
        std::printf("a stop took %lu ms\n", static_cast<unsigned long>(GetTickCount() - before));
        EXPECT_FALSE(Searching());
        EXPECT_TRUE(Visible(IDC_EF_CONTINUE));
        const LRESULT percent = Progress();
        EXPECT_GE(percent, 20);
        EXPECT_LT(percent, 100);
        Click(IDC_EF_CONTINUE);  // the hold is spent: on to the end
        ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 120000));
        worst = probe.Worst();
    }
    std::printf("worst SendMessageTimeout wait over start, stop and continue: %lu ms\n",
                static_cast<unsigned long>(worst));
    EXPECT_EQ(Lines(), expected);

    // The runs and the shown one come back after a restart.
    Close();
    Open();
    ASSERT_NE(tool_, nullptr);
    EXPECT_EQ(tool_->Control().RunCount(), 2u);
    EXPECT_EQ(tool_->Control().CurrentPosition(), 1);
    EXPECT_EQ(Lines(), expected);
    EXPECT_TRUE(IsWindowVisible(window_));
}

// "Discard any changes" forgets where the tool stood and that it was shown,
// not the searches run with it: the run and its results come back.
TEST_F(EventFinderWindowTest, ARunIsKeptByAnExitThatDiscardsTheChanges) {
    Open();
    Command(CMD_EVENT_FINDER);
    SetRange(2024, 2024, L"1", L"Days");
    Click(IDC_EF_START);
    ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 60000));
    const auto found = Lines();
    ASSERT_EQ(found.size(), 12u);
    app_->Options().general.saveOptionsOnExit = false;
    Close();

    Open();
    ASSERT_NE(tool_, nullptr);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(tool_->Control().RunCount(), 1u);
    EXPECT_EQ(tool_->Control().CurrentPosition(), 0);
    EXPECT_EQ(Lines(), found);
}

// Steps run by a timer on the test's thread while a modal dialog runs its
// own loop; each step answers true when it is done.
struct ModalScript {
    std::vector<std::function<bool()>> steps;
    std::size_t next = 0;
    int ticks = 0;
};
ModalScript* g_script = nullptr;

BOOL CALLBACK CancelOwned(HWND window, LPARAM) {
    if (GetWindow(window, GW_OWNER) != nullptr) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK RunScriptStep(HWND, UINT, UINT_PTR, DWORD) {
    // A step that never comes true must not hang the test: every owned
    // dialog is cancelled after 15 s, and the test's checks then fail.
    if (g_script != nullptr && ++g_script->ticks > 500) {
        EnumThreadWindows(GetCurrentThreadId(), CancelOwned, 0);
        return;
    }
    if (g_script != nullptr && g_script->next < g_script->steps.size() && g_script->steps[g_script->next]()) {
        ++g_script->next;
    }
}

std::wstring ItemText(HWND dialog, int id) {
    wchar_t text[300] = {};
    GetDlgItemTextW(dialog, id, text, 300);
    return text;
}

struct BoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedBox(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<BoxSearch*>(data);
    if (GetWindow(window, GW_OWNER) == s->owner && GetDlgItem(window, IDC_MESSAGE_TEXT) != nullptr) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

// The message box a dialog owns, or none.
HWND OwnedMessageBox(HWND owner) {
    BoxSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A search a script or a client starts names no body: a double-click on a
// result shows the Sky at the result's moment, and the pane offers the
// same; a result its window refuses says so.
TEST_F(EventFinderWindowTest, AResultOfASearchWithoutABodyShowsTheSkyAtItsMoment) {
    StartAsProgram();
    tool_ = static_cast<EventFinderWindow*>(frame_->Tools().Find(CMD_EVENT_FINDER));
    ASSERT_NE(tool_, nullptr);
    window_ = tool_->Window();
    events::EventCondition condition;
    condition.isPredefined = false;
    condition.isUserExpression = true;
    condition.searchExpression = String(TXT("Moon.Lat(Hor) >>= 50"));
    const TimeStep hour{kHoursUnit, 1};
    frame_->Services().StartEventFinderSearch(
        events::SearchSetupFor(DateTime{2026, 1, 1, 0.0, kLocalCivilTime}, DateTime{2026, 1, 31, 0.0, kLocalCivilTime},
                               hour, false),
        condition, app_->Current().GetTimeAndLocation().location);
    ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 60000));
    ASSERT_FALSE(tool_->Control().Current().foundRanges.empty());
    const DateTime found = tool_->Control().Current().foundRanges.front().begin;

    HWND results = GetDlgItem(window_, IDC_EF_RESULTS);
    LVITEMW select{};
    select.stateMask = LVIS_SELECTED;
    select.state = LVIS_SELECTED;
    SendMessageW(results, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    const auto groups = frame_->RelatedTasks()->Pane().Groups().Group(kSelectedEventGroup).size();
    ASSERT_EQ(groups, 1u);
    EXPECT_EQ(test::Utf8(frame_->RelatedTasks()->Pane().Groups().Group(kSelectedEventGroup)[0]->GetText()),
              "View 'Moon.Lat(Hor) >>= 50' in the sky");
    NMITEMACTIVATE click{};
    click.hdr = {results, IDC_EF_RESULTS, static_cast<UINT>(NM_DBLCLK)};
    click.iItem = 0;
    SendMessageW(window_, WM_NOTIFY, IDC_EF_RESULTS, reinterpret_cast<LPARAM>(&click));
    auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(sky, nullptr);
    const DateTime shown = sky->GetDocument().GetTimeAndPlace().dateTime;
    EXPECT_EQ(std::make_tuple(shown.year, shown.month, shown.day), std::make_tuple(found.year, found.month, found.day));
    EXPECT_NEAR(shown.hours, found.hours, 1.0 / 3600.0);

    ShownInSky refusing(*tool_, frame_->Services());
    refusing.windowsShow = false;
    std::wstring message;
    test::ModalDriver::Run(
        [&](test::ModalDriver&, HWND box) {
            message = ItemText(box, IDC_MESSAGE_TEXT);
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        },
        [&] { return SendMessageW(window_, WM_NOTIFY, IDC_EF_RESULTS, reinterpret_cast<LPARAM>(&click)); });
    EXPECT_EQ(message, L"The selected result cannot be shown in a window.");
}

TEST_F(EventFinderWindowTest, SelectEventStartsFromTheRememberedChoiceAndRefusesASyntaxError) {
    Open();
    Command(CMD_EVENT_FINDER);
    SelectEventDialogState& state = tool_->SelectEventState();
    std::wstring event, first, second, extreme, message, typedBack;
    bool predefined = false, typedChecked = false;
    ModalScript script;
    script.steps = {
        [&] {
            HWND d = state.window;
            if (d == nullptr) return false;
            MoveWindow(d, 321, 123, 300, 300, TRUE);
            predefined = IsDlgButtonChecked(d, IDC_SE_PREDEFINED) == BST_CHECKED;
            event = ItemText(d, IDC_SE_EVENTS);
            first = ItemText(d, IDC_SE_LABEL1);
            second = ItemText(d, IDC_SE_LABEL2);
            extreme = ItemText(d, IDC_SE_EXTREME);
            CheckDlgButton(d, IDC_SE_EDIT_SCRIPT, BST_CHECKED);
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDC_SE_EDIT_SCRIPT, BN_CLICKED), 0);
            SetDlgItemTextW(d, IDC_SE_EXPRESSION, L"Moon.Alt(Hor) >");
            PostMessageW(d, WM_COMMAND, IDOK, 0);
            return true;
        },
        [&] {
            HWND box = OwnedMessageBox(state.window);
            if (box == nullptr) return false;
            message = ItemText(box, IDC_MESSAGE_TEXT);
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
        [&] {
            if (OwnedMessageBox(state.window) != nullptr) return false;
            SetDlgItemTextW(state.window, IDC_SE_EXPRESSION, L"Moon.Lat(Hor) > 10");
            PostMessageW(state.window, WM_COMMAND, IDOK, 0);
            return true;
        },
    };
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunScriptStep);
    Click(IDC_EF_SELECT);
    EXPECT_EQ(script.next, script.steps.size());
    EXPECT_TRUE(predefined);
    EXPECT_EQ(event, L"Full moon");
    EXPECT_EQ(first, L"Mars");
    EXPECT_EQ(second, L"Jupiter");
    EXPECT_EQ(extreme, L"Maximum");
    EXPECT_EQ(message, L"The CorvinataScript expression contains a syntax error.");
    // Its place goes to the application's dialog positions.
    EXPECT_EQ(app_->DialogStates().selectEvent.geometry.left, 321);
    EXPECT_EQ(app_->DialogStates().selectEvent.geometry.top, 123);
    const events::EventCondition& chosen = tool_->Control().Current().condition;
    EXPECT_TRUE(chosen.isUserExpression);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(chosen.searchExpression.Text())), L"Moon.Lat(Hor) > 10");
    EXPECT_EQ(ItemText(window_, IDC_EF_DESCRIPTION), L"Moon.Lat(Hor) > 10");

    // The next opening shows what was typed.
    ModalScript again;
    again.steps = {[&] {
        if (state.window == nullptr) return false;
        typedBack = ItemText(state.window, IDC_SE_EXPRESSION);
        typedChecked = IsDlgButtonChecked(state.window, IDC_SE_EDIT_SCRIPT) == BST_CHECKED;
        PostMessageW(state.window, WM_COMMAND, IDCANCEL, 0);
        return true;
    }};
    g_script = &again;
    Click(IDC_EF_SELECT);
    KillTimer(nullptr, timer);
    g_script = nullptr;
    EXPECT_EQ(typedBack, L"Moon.Lat(Hor) > 10");
    EXPECT_TRUE(typedChecked);
}

// Reading the remembered selection takes with it the dialog's place stored
// in the group "Geometry" of the selection's key. The dialog has been
// placed from the dialog positions by then; closing it keeps its own place.
TEST_F(EventFinderWindowTest, SelectEventReadsThePlaceStoredWithTheSelection) {
    const wchar_t* key = L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Event Finder\\Selected event\\Geometry";
    ASSERT_TRUE(StoreInt(key, L"Left", 222));
    ASSERT_TRUE(StoreInt(key, L"Top", 111));
    Open();
    Command(CMD_EVENT_FINDER);
    SelectEventDialogState& state = tool_->SelectEventState();
    ASSERT_NE(state.placement, nullptr);
    RECT opened{};
    WindowGeometry read;
    ModalScript script;
    script.steps = {[&] {
        if (state.window == nullptr) return false;
        GetWindowRect(state.window, &opened);
        read = *state.placement;
        PostMessageW(state.window, WM_COMMAND, IDCANCEL, 0);
        return true;
    }};
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunScriptStep);
    Click(IDC_EF_SELECT);
    KillTimer(nullptr, timer);
    g_script = nullptr;
    ASSERT_EQ(script.next, script.steps.size());
    EXPECT_EQ(opened.left, kDefaultDialogLeft);
    EXPECT_EQ(opened.top, kDefaultDialogTop);
    EXPECT_EQ(read.left, 222);
    EXPECT_EQ(read.top, 111);
    EXPECT_EQ(state.placement->left, opened.left);
    EXPECT_EQ(state.placement->top, opened.top);
}

// The tool windows' places are kept in "Window state"; a place an earlier
// version kept straight under the tool's key is taken once, then written
// into the group.
TEST_F(EventFinderWindowTest, APlaceKeptTheOldWayIsTakenAndWrittenIntoWindowState) {
    const std::wstring root = L"\\Software\\Corvinata Software\\Corvinata\\1.70\\";
    const struct {
        const wchar_t* key;
        int left, top;
    } tools[] = {{L"Event Finder", 250, 120}, {L"Event Finder\\History", 420, 160}};
    {
        // Before the program starts: its services do not exist yet.
        Win32StorageService storage;
        SettingsTreeWriter writer(storage, String(root.c_str()));
        for (const auto& tool : tools) {
            WriteGroup key(writer, tool.key);
            ASSERT_TRUE(WriteIntValue(writer, L"Left", tool.left));
            ASSERT_TRUE(WriteIntValue(writer, L"Top", tool.top));
            ASSERT_TRUE(WriteBoolValue(writer, L"Visible", true));
        }
    }
    Open();
    HWND windows[] = {window_, tool_->History().Window()};
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(windows[i], nullptr) << i;
        EXPECT_TRUE(IsWindowVisible(windows[i])) << i;
        RECT r{};
        GetWindowRect(windows[i], &r);
        EXPECT_EQ(r.left, tools[i].left) << i;
        EXPECT_EQ(r.top, tools[i].top) << i;
        SetWindowPos(windows[i], nullptr, tools[i].left + 10, tools[i].top + 5, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    app_->Options().general.saveOptionsOnExit = true;
    SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
    DrainQuit();
    for (const auto& tool : tools) {
        const std::wstring state = root + tool.key + L"\\Window state";
        std::int32_t left = 0, top = 0;
        bool visible = false;
        EXPECT_TRUE(ReadIntSettingAtPath(state.c_str(), L"Left", 0, true, left)) << tool.key;
        EXPECT_TRUE(ReadIntSettingAtPath(state.c_str(), L"Top", 0, true, top)) << tool.key;
        EXPECT_TRUE(ReadBoolSettingAtPath(state.c_str(), L"Visible", false, true, visible)) << tool.key;
        EXPECT_EQ(left, tool.left + 10) << tool.key;
        EXPECT_EQ(top, tool.top + 5) << tool.key;
        EXPECT_TRUE(visible) << tool.key;
    }
}

// A date typed whole after Alt+T goes field by field into the "To" picker,
// whichever field was current and whether or not the user types the
// separators; the "From" picker's month is shorter than the typed day.
TEST_F(EventFinderWindowTest, ADateTypedWholeAfterAltTIsTheDateTyped) {
    Open();
    test::ProgramKeys keys(*frame_, modeless_);
    keys.Control('3');
    ASSERT_TRUE(IsWindowVisible(window_));
    struct Case {
        const char* typed;
        int year, month, day;
    };
    const Case cases[] = {{"31.12.2028", 2028, 12, 31}, {"08042024", 2024, 4, 8}, {"1.3.2030", 2030, 3, 1},
                          {"30062025", 2025, 6, 30}};
    auto* to = FindCustomControl<PickerControl<DatePicker>>(GetDlgItem(window_, IDC_EF_TO));
    ASSERT_NE(to, nullptr);
    for (const Case& c : cases) {
        ASSERT_TRUE(to->SetDate(2026, 2, 14));
        to->NextField();
        to->NextField();  // the caret where a user left it: the year
        SetFocus(GetDlgItem(window_, IDC_EF_COUNT));
        keys.Send(GetFocus(), WM_SYSCHAR, 't');
        ASSERT_EQ(GetFocus(), to->Window()) << c.typed;
        for (const char* p = c.typed; *p; ++p) keys.Send(GetFocus(), WM_CHAR, static_cast<WPARAM>(*p));
        std::int32_t year = 0, month = 0, day = 0;
        to->GetDate(year, month, day);
        EXPECT_EQ(year * 10000 + month * 100 + day, c.year * 10000 + c.month * 100 + c.day) << c.typed;
    }
}

TEST_F(EventFinderWindowTest, TheForecastFillsForTheCurrentTimeAndItsOptionsCheckThePeriod) {
    Open();
    auto* forecast = static_cast<EventForecastWindow*>(frame_->Tools().Find(CMD_EVENT_FORECAST));
    ASSERT_NE(forecast, nullptr);
    HWND window = forecast->Window();
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 100);
    // A month whose extremes are found a day after they happen.
    app_->Current().SetDateTime(DateTime{2024, 6, 1, 12.0, kLocalCivilTime}, false);
    Command(CMD_EVENT_FORECAST);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(MenuState(CMD_EVENT_FORECAST) & MF_CHECKED);
    DWORD worst = 0;
    {
        ResponsivenessProbe probe(window);
        ASSERT_TRUE(PumpUntil([&] { return forecast->Control().IsComplete(); }, 120000));
        worst = probe.Worst();
    }
    std::printf("worst SendMessageTimeout wait during a forecast: %lu ms\n", static_cast<unsigned long>(worst));
    HWND list = GetDlgItem(window, IDC_EFC_LIST);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_GT(rows, 3);
    EXPECT_EQ(ItemText(window, IDC_EFC_STATUS), L"The forecast is complete");
    // The list reads as a calendar: by the day each event begins.
    std::vector<int> days;
    for (int row = 0; row < rows; ++row) {
        days.push_back(OccursDay(Cell(list, row, 1), forecast->Control().ForecastFor().dateTime));
        EXPECT_GT(days.back(), 0) << Cell(list, row, 1).size();
    }
    EXPECT_TRUE(std::is_sorted(days.begin(), days.end()));

    std::vector<std::wstring> messages;
    const auto answer = [&](const wchar_t* count, const wchar_t* unit) {
        return [&messages, count, unit, forecast] {
            HWND options = forecast->OptionsWindow();
            if (options == nullptr || OwnedMessageBox(options) != nullptr) return false;
            SetDlgItemTextW(options, IDC_EFO_COUNT, count);
            SendDlgItemMessageW(options, IDC_EFO_UNIT, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(unit));
            PostMessageW(options, WM_COMMAND, IDOK, 0);
            return true;
        };
    };
    const auto dismiss = [&messages, forecast] {
        HWND box = forecast->OptionsWindow() ? OwnedMessageBox(forecast->OptionsWindow()) : nullptr;
        if (box == nullptr) return false;
        messages.push_back(ItemText(box, IDC_MESSAGE_TEXT));
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        return true;
    };
    ModalScript script;
    script.steps = {answer(L"13", L"Months"), dismiss, answer(L"0", L"Days"), dismiss, answer(L"30", L"Days")};
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunScriptStep);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_EFC_OPTIONS, BN_CLICKED), 0);
    KillTimer(nullptr, timer);
    g_script = nullptr;
    EXPECT_EQ(script.next, script.steps.size());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], L"Please enter a different value: The maximum permitted number of months is 12.");
    EXPECT_EQ(messages[1], L"Please enter a different value: The time interval must be greater than 0.");
    const EventForecastOptions& options = app_->DialogStates().eventForecastOptions.options;
    EXPECT_EQ(options.timeRange.unit, kDaysUnit);
    EXPECT_EQ(options.timeRange.count, 30);
    // OK started the forecast again, over the new period.
    EXPECT_TRUE(forecast->Control().IsRunning());
    ASSERT_TRUE(PumpUntil([&] { return forecast->Control().IsComplete(); }, 120000));
}

// The forecast's options dialog opened at the forecast's corner, wherever it
// had been left. It keeps its own place as the other dialogs do: first at
// (500, 300), then where it was left, in the registry from the exit on.
TEST_F(EventFinderWindowTest, TheForecastOptionsKeepTheirOwnPlaceOverARestart) {
    const auto openOptions = [this](int forecastLeft, int forecastTop, POINT moveTo) {
        auto* forecast = static_cast<EventForecastWindow*>(frame_->Tools().Find(CMD_EVENT_FORECAST));
        EXPECT_NE(forecast, nullptr);
        if (forecast == nullptr) return RECT{};
        HWND window = forecast->Window();
        SetWindowPos(window, nullptr, forecastLeft, forecastTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT opened{};
        ModalScript script;
        script.steps = {[&] {
            HWND options = forecast->OptionsWindow();
            if (options == nullptr) return false;
            GetWindowRect(options, &opened);
            SetWindowPos(options, nullptr, moveTo.x, moveTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            PostMessageW(options, WM_COMMAND, IDCANCEL, 0);
            return true;
        }};
        g_script = &script;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunScriptStep);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_EFC_OPTIONS, BN_CLICKED), 0);
        KillTimer(nullptr, timer);
        g_script = nullptr;
        EXPECT_EQ(script.next, script.steps.size());
        return opened;
    };
    Open();
    RECT opened = openOptions(210, 120, POINT{321, 234});
    EXPECT_EQ(opened.left, kDefaultDialogLeft);
    EXPECT_EQ(opened.top, kDefaultDialogTop);
    opened = openOptions(260, 150, POINT{333, 244});
    EXPECT_EQ(opened.left, 321);
    EXPECT_EQ(opened.top, 234);

    app_->Options().general.saveOptionsOnExit = true;
    Close();
    const wchar_t* key = L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Dialogs\\Event Forecast\\Options\\Geometry";
    std::int32_t left = 0, top = 0;
    EXPECT_TRUE(ReadIntSettingAtPath(key, L"Left", 0, true, left));
    EXPECT_TRUE(ReadIntSettingAtPath(key, L"Top", 0, true, top));
    EXPECT_EQ(left, 333);
    EXPECT_EQ(top, 244);
    Open();
    opened = openOptions(200, 100, POINT{333, 244});
    EXPECT_EQ(opened.left, 333);
    EXPECT_EQ(opened.top, 244);
}

TEST_F(EventFinderWindowTest, KeyboardJourneyFromCtrl3ToANewMoonShownInTheSky) {
    Open();
    test::ProgramKeys keys(*frame_, modeless_);
    ASSERT_TRUE(keys.Loaded());
    const auto key = [&](HWND target, UINT message, WPARAM code) { keys.Send(target, message, code); };
    keys.Control('3');
    EXPECT_TRUE(IsWindowVisible(window_));
    SelectEventDialogState& state = tool_->SelectEventState();
    ModalScript script;
    script.steps = {[&] {
        HWND d = state.window;
        if (d == nullptr) return false;
        HWND events = GetDlgItem(d, IDC_SE_EVENTS);
        SetFocus(events);
        SendMessageW(events, WM_KEYDOWN, VK_DOWN, 0);  // "Full moon" to "New moon"
        PostMessageW(events, WM_KEYDOWN, VK_RETURN, 0);
        return true;
    }};
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunScriptStep);
    key(GetDlgItem(window_, IDC_EF_COUNT), WM_SYSCHAR, 'l');  // Alt+L: Se&lect...
    KillTimer(nullptr, timer);
    g_script = nullptr;
    EXPECT_EQ(tool_->Control().Current().condition.predefinedEvent, events::kEventNewMoon);
    EXPECT_NE(ItemText(window_, IDC_EF_DESCRIPTION), L"");

    SetRange(2024, 2024, L"1", L"Days");
    key(GetDlgItem(window_, IDC_EF_COUNT), WM_SYSCHAR, 's');  // Alt+S: &Start
    EXPECT_TRUE(Searching() || tool_->Control().RunCount() == 1);
    ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 60000));
    ASSERT_EQ(Lines().size(), 13u) << "2024 has thirteen new moons";
    // The list has the focus with its first line; the arrow moves on.
    HWND results = GetDlgItem(window_, IDC_EF_RESULTS);
    key(results, WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(tool_->Control().SelectedResult(), 1);
    ShownInSky shown(*tool_, frame_->Services());
    NMITEMACTIVATE click{};
    click.hdr = {results, IDC_EF_RESULTS, static_cast<UINT>(NM_DBLCLK)};
    click.iItem = 1;
    SendMessageW(window_, WM_NOTIFY, IDC_EF_RESULTS, reinterpret_cast<LPARAM>(&click));
    ASSERT_EQ(shown.dates.size(), 1u);
    EXPECT_EQ(shown.dates[0].month, 2);

    keys.Control('2');
    EXPECT_TRUE(IsWindowVisible(frame_->Tools().Find(CMD_EVENT_FORECAST)->Window()));
}

TEST_F(EventFinderWindowTest, TheHistoryListsRunsNewestFirstPicksOneAndCountsResultsAsTheyCome) {
    Open();
    Command(CMD_EVENT_FINDER);
    for (int year : {2024, 2025}) {
        Click(IDC_EF_EDIT);
        SetRange(year, year, L"1", L"Days");
        Click(IDC_EF_START);
        ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 60000));
    }
    Click(IDC_EF_HISTORY);
    HWND history = tool_->History().Window();
    ASSERT_NE(history, nullptr);
    HWND list = GetDlgItem(history, IDC_EFH_LIST);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(Cell(list, 0, 1), L"01.01.2025");
    EXPECT_EQ(Cell(list, 1, 1), L"01.01.2024");
    EXPECT_EQ(Cell(list, 0, 8), L"Complete");
    EXPECT_EQ(Cell(list, 0, 9), L"12");
    // The shown run (the newest) is marked; picking row 1 shows the older run.
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    SendMessageW(history, WM_COMMAND, MAKEWPARAM(IDC_EFH_SELECT, BN_CLICKED), 0);
    EXPECT_EQ(tool_->Control().CurrentPosition(), 0);

    // A new search: its row is on top and its count rises while it runs.
    // Held half-way, the search is surely running when its row is read.
    test::SearchHold& hold = HoldSearchesAt(50);
    Click(IDC_EF_EDIT);
    SetRange(2000, 2039, L"1", L"Hours");
    Click(IDC_EF_START);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    ASSERT_TRUE(PumpUntil([&] { return hold.Holding() && Progress() >= 50; }, 120000));
    const int halfway = _wtoi(Cell(list, 0, 9).c_str());
    EXPECT_EQ(Cell(list, 0, 8), L"Running");
    EXPECT_GT(halfway, 0);
    EXPECT_EQ(static_cast<std::size_t>(halfway), tool_->Control().Current().foundRanges.size());
    hold.Release();
    ASSERT_TRUE(PumpUntil([&] { return !Searching(); }, 120000));
    EXPECT_EQ(Cell(list, 0, 8), L"Complete");
    EXPECT_GT(_wtoi(Cell(list, 0, 9).c_str()), halfway);
    EXPECT_EQ(Cell(list, 0, 9), std::to_wstring(tool_->Control().Current().foundRanges.size()));

    // Open at exit, it comes back at its place.
    RECT before{};
    GetWindowRect(history, &before);
    Close();
    Open();
    ASSERT_NE(tool_->History().Window(), nullptr);
    RECT after{};
    GetWindowRect(tool_->History().Window(), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

}  // namespace
}  // namespace corvinata
