// The Graph window as the program starts it, with real messages: its
// control panel (made at start-up, attached to the active Graph window) and
// its Graph Options dialog (a tab switch refused on an invalid page, one
// undoable step on OK and none without a change, Cancel dropping pages
// already left, a double click on an axis or a panel area opening its page,
// the last tab kept), and its night shades.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "views/graph_panel_win.h"
#include "base/colour_table.h"
#include "controls/night_colours.h"
#include "controls/program_fonts.h"
#include "frame/frame_window_services.h"
#include "frame/time_appearance_dialogs.h"
#include "frame/window_kinds.h"
#include "base/scoped_win.h"
#include "catalog/catalogue_registry.h"
#include "catalog/quantity_kinds.h"
#include "frame_test.h"
#include "modal_driver.h"
#include "program_keys.h"
#include "resources/graph_dialogs_ids.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/drawn_pixels_win.h"
#include "support/graph_fakes.h"
#include "support/test_text.h"
#include "views/graph_axes.h"
#include "views/graph_canvas_win.h"
#include "views/graph_options_dialog_win.h"
#include "views/graph_window_win.h"

namespace corvinata::test {
namespace {

class GraphProgramTest : public FrameTest {
protected:
    GraphProgramTest() {
        EXPECT_TRUE(SharedCatalogues());
        Start(false);
        UseCustomControls();
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        ShowWindow(frame_->Window(), SW_SHOW);
        Command(CMD_NEW_GRAPH);
        window = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
        panel = dynamic_cast<GraphControlPanel*>(frame_->Children().PanelOf(kGraphWindow));
        if (!window) return;
        window->optionsDialog.tell = [this](HWND, const String& text, MessageTopic) { told.push_back(Utf8(text)); };
        window->linesDialog.editLine = [this](HWND, const String& title, GraphLine& line, bool, bool& changed) {
            told.push_back(Utf8(title));
            line.name = String(TXT("Edited"));
            changed = false;
            return true;
        };
    }
    ~GraphProgramTest() override {
        for (MdiChildWindow* child = frame_->Children().ActiveWindow(); child;
             child = frame_->Children().ActiveWindow()) {
            if (auto* graph = dynamic_cast<GraphWindow*>(child)) graph->Graph().History().MarkSaved();
            SendMessageW(child->Handle(), WM_CLOSE, 0, 0);
        }
        frame_.reset();  // before the fonts its windows use
    }
    void SetUp() override {
        ASSERT_NE(window, nullptr);
        ASSERT_NE(panel, nullptr);
        ASSERT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(window));
    }
    // Lines "A" to "C" (B not in the panel, C not in the plot), C selected.
    void AddLines() {
        GraphActions& actions = app_->GetGraphActions();
        const char* phases[] = {"Phase(10)", "Phase(20)", "Phase(30)"};
        for (int i = 0; i < 3; ++i) {
            const char name[2] = {static_cast<char>('A' + i), 0};
            actions.AddLine(*window, i, NamedLine(name, phases[i]), nullptr);
        }
        window->Graph().GetGraphLine(1)->visibleInControlPanel = false;
        window->Graph().GetGraphLine(2)->visibleInGraph = false;
        actions.SelectLine(*window, 2, nullptr);
        window->Graph().History().MarkSaved();
        panel->ControlPanelUpdate(nullptr);
    }

    // Opens the dialog with `open` and runs the steps in it; a dialog the
    // steps leave open is cancelled, so that a failing test ends.
    template <class Open>
    void Run(ModalDriver::Steps steps, Open open) {
        ModalDriver::Steps guarded = [steps](ModalDriver& driver, HWND first) {
            // The first dialog initialised is the page the shell makes while
            // it is initialised itself.
            HWND dialog = (GetWindowLongW(first, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(first) : first;
            steps(driver, dialog);
            // Ending a dialog enables its owner again at once.
            if (!IsWindowEnabled(GetWindow(dialog, GW_OWNER))) {
                ADD_FAILURE() << "the dialog is still open";
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        };
        ModalDriver::Run(std::move(guarded), [&] {
            open();
            return 0;
        });
    }
    // The tab the dialog opens on, closed again at once.
    template <class Open>
    int OpenedTab(Open open) {
        int tab = -1;
        Run(
            [&tab](ModalDriver& driver, HWND dialog) {
                tab = GraphOptionsCurrentTab();
                Press(driver, dialog, IDCANCEL);
            },
            open);
        return tab;
    }
    // What a click on a tab does: the change is asked first.
    static bool SwitchTab(ModalDriver& driver, HWND dialog, int tab) {
        HWND tabs = GetDlgItem(dialog, IDC_GRAPH_OPTIONS_TAB);
        NMHDR header{tabs, IDC_GRAPH_OPTIONS_TAB, TCN_SELCHANGING};
        if (SendMessageW(dialog, WM_NOTIFY, IDC_GRAPH_OPTIONS_TAB, reinterpret_cast<LPARAM>(&header))) {
            driver.Pump();
            return false;
        }
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        header.code = TCN_SELCHANGE;
        SendMessageW(dialog, WM_NOTIFY, IDC_GRAPH_OPTIONS_TAB, reinterpret_cast<LPARAM>(&header));
        driver.Pump();
        return true;
    }
    static void Press(ModalDriver& driver, HWND dialog, int id) {
        PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
        driver.Pump();
    }
    static void SetPageText(ModalDriver& driver, int id, const wchar_t* text) {
        SetDlgItemTextW(GraphOptionsCurrentPage(), id, text);
        driver.Pump();
    }
    static void ClickOnPage(ModalDriver& driver, int id) {
        SendMessageW(GetDlgItem(GraphOptionsCurrentPage(), id), BM_CLICK, 0, 0);
        driver.Pump();
    }
    static std::string Text(HWND dialog, int id) {
        wchar_t text[200] = {};
        GetDlgItemTextW(dialog, id, text, 200);
        return Utf8(text);
    }
    // The dialog is never shown in the tests; its controls are.
    static bool Shown(HWND page, int id) { return (GetWindowLongW(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Changed() const { return !window->Graph().History().IsAtSavedState(); }
    int Undoable() const { return window->Graph().History().UndoableCount(); }
    HWND Item(int id) const { return GetDlgItem(panel->GetDialogWindow(), id); }
    std::string Cell(int row, int column) const {
        wchar_t text[200] = {};
        ListView_GetItemText(Item(kGraphLinesItem), row, column, text, 200);
        return Utf8(text);
    }
    int SelectedRow() const {
        return static_cast<int>(
            SendMessageW(Item(kGraphLinesItem), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // The arrows are the program's bitmap buttons: a press and a release.
    void Press(int id) const {
        SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }

    std::unique_ptr<ProgramFonts> fonts_;
    GraphWindow* window = nullptr;
    GraphControlPanel* panel = nullptr;
    std::vector<std::string> told;
};

TEST_F(GraphProgramTest, ARefusedPageKeepsItsTabAndOkRecordsOneUndoableStep) {
    // The program's kind keeps the dialogs' places in the application's settings.
    EXPECT_EQ(window->optionsDialog.placement, &app_->DialogStates().graphOptions);
    EXPECT_EQ(window->linesDialog.placement, &app_->DialogStates().graphEditLines.geometry);
    EXPECT_EQ(window->linesDialog.lineDialog.placement, &app_->DialogStates().graphEditLine.geometry);
    EXPECT_TRUE(static_cast<bool>(window->optionsDialog.choosePlace));
    const TimeAndLocation before = window->Graph().Options();
    Run(
        [this](ModalDriver& driver, HWND dialog) {
            ASSERT_EQ(GraphOptionsCurrentTab(), kGraphTimeTab);
            ClickOnPage(driver, IDC_GRAPH_BY_STEP);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(GraphOptionsCurrentPage(), IDC_GRAPH_END_DATE)));
            SetPageText(driver, IDC_GRAPH_STEP_COUNT, L"0");
            EXPECT_FALSE(SwitchTab(driver, dialog, kGraphGuidesTab));
            EXPECT_EQ(GraphOptionsCurrentTab(), kGraphTimeTab);
            EXPECT_EQ(GetFocus(), GetDlgItem(GraphOptionsCurrentPage(), IDC_GRAPH_STEP_COUNT));
            SetPageText(driver, IDC_GRAPH_STEP_COUNT, L"2");
            EXPECT_TRUE(SwitchTab(driver, dialog, kGraphGuidesTab));
            ClickOnPage(driver, IDC_GRAPH_GUIDE_LINE);
            Press(driver, dialog, IDOK);
        },
        [this] { Command(CMD_GRAPH_OPTIONS); });
    EXPECT_EQ(told, std::vector<std::string>{"Please enter a different value: You entered an invalid step value."});
    EXPECT_EQ(window->Graph().Options().stepCount, 2.0);
    EXPECT_TRUE(window->IsGuideLineShown());
    EXPECT_NE(Utf8(window->GetStatusText()).find(" *"), std::string::npos);
    // One step: a single undo brings both back.
    Command(CMD_UNDO);
    EXPECT_EQ(window->Graph().Options().stepCount, before.stepCount);
    EXPECT_TRUE(DateTimeEqual(window->Graph().Options().endDate, before.endDate));
    EXPECT_FALSE(window->IsGuideLineShown());
    EXPECT_FALSE(Changed());
}

// A date typed into the begin picker, then Enter: the dialog's loop presses
// OK, as Enter does in every other field of the dialog.
TEST_F(GraphProgramTest, EnterInADatePickerPressesOk) {
    Run(
        [](ModalDriver&, HWND dialog) {
            ASSERT_EQ(GraphOptionsCurrentTab(), kGraphTimeTab);
            HWND date = GetDlgItem(GraphOptionsCurrentPage(), IDC_GRAPH_BEGIN_DATE);
            SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(date), TRUE);
            ASSERT_EQ(GetFocus(), date);
            // The keys as the dialog's own loop takes them.
            const auto post = [dialog, date](UINT message, WPARAM code) {
                PostMessageW(date, message, code, message == WM_KEYUP ? 1 | (3u << 30) : 1);
                MSG msg;
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    if (IsDialogMessageW(dialog, &msg)) continue;
                    TranslateMessage(&msg);
                    DispatchMessageW(&msg);
                }
            };
            for (const char* p = "15032025"; *p; ++p) post(WM_CHAR, static_cast<WPARAM>(*p));
            post(WM_KEYDOWN, VK_RETURN);
            post(WM_KEYUP, VK_RETURN);
        },
        [this] { Command(CMD_GRAPH_OPTIONS); });
    const DateTime begin = window->Graph().Options().beginDate;
    EXPECT_EQ(begin.year * 10000 + begin.month * 100 + begin.day, 20250315);
    EXPECT_TRUE(Changed());
}

// The caption's " *" follows the undo position: Undo after a save marks the
// graph changed, Redo back to the saved state takes the mark away again.
TEST_F(GraphProgramTest, TheCaptionMarkFollowsUndoAndRedoAroundTheSavedState) {
    const auto caption = [this] {
        wchar_t text[200] = {};
        GetWindowTextW(window->Handle(), text, 200);
        return Utf8(text);
    };
    AddLines();  // and marked saved
    app_->GetGraphActions().DeleteLine(*window, 0, nullptr);
    EXPECT_EQ(caption(), "Graph: [Unsaved graph] *");
    window->Graph().History().MarkSaved();  // what a save leaves
    Command(CMD_UNDO);
    EXPECT_EQ(window->Graph().LineCount(), 3);
    EXPECT_EQ(caption(), "Graph: [Unsaved graph] *");
    Command(CMD_REDO);
    EXPECT_EQ(window->Graph().LineCount(), 2);
    EXPECT_EQ(caption(), "Graph: [Unsaved graph]");
}

// A short range set on the Time page takes the time axis along: the marks
// and labels the program chose for a year (months) become its choice for
// fifteen days, and the axis is labelled; a mark step the user set stays.
TEST_F(GraphProgramTest, TimeAxisStepsTheUserDidNotSetFollowAShortRange) {
    const TimeStep month{kMonthsUnit, 1}, twoDays{kDaysUnit, 2}, sixHours{kHoursUnit, 6};
    for (const bool markSet : {false, true}) {
        SCOPED_TRACE(markSet ? "the mark set by the user" : "both chosen by the program");
        TimeAndLocation start = window->Graph().Options();
        ASSERT_TRUE(TimeAndLocationSetStep(start, kDaysUnit, 1.0));
        start.xAxisLabelStep = month;
        start.xAxisMarkStep = markSet ? sixHours : month;
        window->Graph().SetOptions(start);
        Run(
            [](ModalDriver& driver, HWND dialog) {
                SwitchTab(driver, dialog, kGraphTimeTab);
                ClickOnPage(driver, IDC_GRAPH_BY_STEP);
                SetPageText(driver, IDC_GRAPH_STEP_COUNT, L"1");
                SendDlgItemMessageW(GraphOptionsCurrentPage(), IDC_GRAPH_STEP_UNIT, CB_SELECTSTRING,
                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Hours"));
                Press(driver, dialog, IDOK);
            },
            [this] { Command(CMD_GRAPH_OPTIONS); });
        const TimeAndLocation& after = window->Graph().Options();
        EXPECT_EQ(after.stepUnit, kHoursUnit);
        EXPECT_TRUE(TimeStepEqual(after.xAxisLabelStep, twoDays));
        EXPECT_TRUE(TimeStepEqual(after.xAxisMarkStep, markSet ? sixHours : twoDays));
        int labels = 0;
        for (const GraphAxisMark& mark : ComputeTimeAxisMarks(window->Graph(), 600, 40)) labels += !mark.label.IsEmpty();
        EXPECT_GE(labels, 5);
    }
}

// Steps that reach the graph by the window's own paths, not by a frame
// command: Undo comes on at once (button, menu item and so its Ctrl+Z), and
// Redo has nothing to take back.
TEST_F(GraphProgramTest, AStepMadeInsideTheGraphWindowEnablesUndoAndCtrlZTakesItBack) {
    const struct Case {
        const char* path;
        std::function<void()> step;
        std::function<bool(const GraphWindow&)> stepped;
    } cases[] = {
        {"Graph Options from the window's context menu",
         [this] {
             Run(
                 [](ModalDriver& driver, HWND dialog) {
                     SwitchTab(driver, dialog, kGraphGuidesTab);
                     ClickOnPage(driver, IDC_GRAPH_GUIDE_LINE);
                     Press(driver, dialog, IDOK);
                 },
                 // What the menu does with its chosen command.
                 [this] { SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(CMD_GRAPH_OPTIONS, 0), 0); });
         },
         [](const GraphWindow& graph) { return graph.IsGuideLineShown(); }},
    };
    ProgramKeys keys(*frame_, modeless_);
    ASSERT_TRUE(keys.Loaded());
    const HWND toolbar = frame_->Toolbar().Window();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        c.step();
        auto* graph = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
        ASSERT_NE(graph, nullptr);
        ASSERT_TRUE(c.stepped(*graph));
        EXPECT_NE(SendMessageW(toolbar, TB_ISBUTTONENABLED, CMD_UNDO, 0), 0);
        EXPECT_EQ(MenuState(CMD_UNDO) & MF_GRAYED, 0u);
        EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONENABLED, CMD_REDO, 0), 0);
        EXPECT_NE(MenuState(CMD_REDO) & MF_GRAYED, 0u);
        keys.Control('Z');
        EXPECT_FALSE(c.stepped(*graph));
        EXPECT_NE(SendMessageW(toolbar, TB_ISBUTTONENABLED, CMD_REDO, 0), 0);
    }
}

TEST_F(GraphProgramTest, OkWithoutAChangeRecordsNothingAndCancelDropsPagesAlreadyLeft) {
    const TimeAndLocation before = window->Graph().Options();
    Run([](ModalDriver& driver, HWND dialog) { Press(driver, dialog, IDOK); }, [this] { Command(CMD_GRAPH_OPTIONS); });
    EXPECT_FALSE(Changed());
    Run(
        [this](ModalDriver& driver, HWND dialog) {
            EXPECT_TRUE(SwitchTab(driver, dialog, kGraphXAxisTab));
            SetPageText(driver, IDC_GRAPH_MARK_COUNT, L"3x");
            EXPECT_FALSE(SwitchTab(driver, dialog, kGraphYAxisTab));
            SetPageText(driver, IDC_GRAPH_MARK_COUNT, L"3");
            ClickOnPage(driver, IDC_GRAPH_VERTICAL);
            // The origin radios name the time axis's ends as it now stands.
            EXPECT_EQ(Text(GraphOptionsCurrentPage(), IDC_GRAPH_ORIGIN_FAR), "Origin at top");
            EXPECT_TRUE(SwitchTab(driver, dialog, kGraphYAxisTab));
            // With no line the range cannot be edited and the page passes.
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(GraphOptionsCurrentPage(), IDC_GRAPH_FROM_NUMBER)));
            EXPECT_TRUE(Shown(GraphOptionsCurrentPage(), IDC_GRAPH_RANGE_HINT));
            Press(driver, dialog, IDCANCEL);
        },
        [this] { Command(CMD_GRAPH_OPTIONS); });
    EXPECT_EQ(told.size(), 1u);
    EXPECT_TRUE(TimeAndLocationEquals(window->Graph().Options(), before));
    EXPECT_FALSE(Changed());
}

// Each axis page names the ends of its own axis: the X page the time axis,
// the Y page the value axis across it. The Y page used to name the time
// axis's ends: "Origin at left" under a vertical value axis.
TEST_F(GraphProgramTest, TheOriginRadiosNameTheEndsOfTheirPagesAxis) {
    const struct Row {
        int tab;
        bool timeHorizontal;  // the graph's layout when the dialog opens
        int checked;          // the orientation radio shown checked
        const char* nearEnd;
        const char* farEnd;
    } rows[] = {
        {kGraphXAxisTab, true, IDC_GRAPH_HORIZONTAL, "Origin at left", "Origin at right"},
        {kGraphXAxisTab, false, IDC_GRAPH_VERTICAL, "Origin at bottom", "Origin at top"},
        {kGraphYAxisTab, true, IDC_GRAPH_VERTICAL, "Origin at bottom", "Origin at top"},
        {kGraphYAxisTab, false, IDC_GRAPH_HORIZONTAL, "Origin at left", "Origin at right"},
    };
    for (const Row& row : rows) {
        const std::string name = std::string(row.tab == kGraphXAxisTab ? "X" : "Y") + " page, time axis " +
                                 (row.timeHorizontal ? "horizontal" : "vertical");
        window->Graph().Settings().xAxisHorizontal = row.timeHorizontal;
        std::vector<std::string> labels;
        Run(
            [&](ModalDriver& driver, HWND dialog) {
                HWND page = GraphOptionsCurrentPage();
                EXPECT_EQ(SendMessageW(GetDlgItem(page, row.checked), BM_GETCHECK, 0, 0), BST_CHECKED) << name;
                labels = {Text(page, IDC_GRAPH_ORIGIN_NEAR), Text(page, IDC_GRAPH_ORIGIN_FAR)};
                // The other orientation names the other pair.
                ClickOnPage(driver, row.checked == IDC_GRAPH_HORIZONTAL ? IDC_GRAPH_VERTICAL : IDC_GRAPH_HORIZONTAL);
                labels.push_back(Text(page, IDC_GRAPH_ORIGIN_NEAR));
                labels.push_back(Text(page, IDC_GRAPH_ORIGIN_FAR));
                Press(driver, dialog, IDCANCEL);
            },
            [&] { window->ChangeGraphOptions(row.tab); });
        const bool vertical = std::string(row.nearEnd) == "Origin at bottom";
        EXPECT_EQ(labels, (std::vector<std::string>{row.nearEnd, row.farEnd, vertical ? "Origin at left" : "Origin at bottom",
                                                    vertical ? "Origin at right" : "Origin at top"}))
            << name;
    }
}

TEST_F(GraphProgramTest, AxesAndPanelAreasOpenTheirPagesAndTheDialogReopensOnTheLastTab) {
    const struct Row {
        HWND target;
        UINT message;
        WPARAM wParam;
        int tab;
    } rows[] = {
        {window->XAxisWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, kGraphXAxisTab},
        {panel->GetDialogWindow(), WM_COMMAND, MAKEWPARAM(kGraphTimeAreaItem, STN_DBLCLK), kGraphTimeTab},
        {panel->GetDialogWindow(), WM_COMMAND, MAKEWPARAM(kGraphLocationAreaItem, STN_DBLCLK), kGraphLocationTab},
        {window->YAxisWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, kGraphYAxisTab},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(OpenedTab([&row] { SendMessageW(row.target, row.message, row.wParam, MAKELPARAM(3, 3)); }), row.tab);
    }
    EXPECT_EQ(OpenedTab([this] { Command(CMD_GRAPH_OPTIONS); }), kGraphYAxisTab);
    EXPECT_EQ(app_->DialogStates().graphOptions.currentTab, kGraphYAxisTab);
}

TEST_F(GraphProgramTest, TheValueRangeOfALineIsCheckedOnItsPage) {
    app_->GetGraphActions().AddLine(*window, 0, NamedLine("Phase", "Phase(50)"), nullptr);
    ASSERT_EQ(window->Graph().ValueKind(), 8);
    Run(
        [this](ModalDriver& driver, HWND dialog) {
            HWND page = GraphOptionsCurrentPage();
            EXPECT_TRUE(Shown(page, IDC_GRAPH_FROM_NUMBER));
            EXPECT_FALSE(Shown(page, IDC_GRAPH_RANGE_HINT));
            EXPECT_EQ(Text(page, IDC_GRAPH_TO_LIMIT), "max. 100");
            SetPageText(driver, IDC_GRAPH_FROM_NUMBER, L"60");
            SetPageText(driver, IDC_GRAPH_TO_NUMBER, L"40");
            Press(driver, dialog, IDOK);
            EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_GRAPH_TO_NUMBER));
            ClickOnPage(driver, IDC_GRAPH_RANGE_DEFAULTS);
            EXPECT_EQ(Text(page, IDC_GRAPH_TO_NUMBER), "100");
            SetPageText(driver, IDC_GRAPH_FROM_NUMBER, L"20");
            Press(driver, dialog, IDOK);
        },
        [this] { window->ChangeGraphOptions(kGraphYAxisTab); });
    EXPECT_EQ(told, std::vector<std::string>{
                        "The 'To' value must be larger than the 'From' value. Please enter a different value."});
    EXPECT_EQ(window->Graph().Options().yAxisMin, 20.0);
    EXPECT_EQ(window->Graph().Options().yAxisMax, 100.0);
}

// The Y Axis page reads its edits whole, however long the text typed or
// pasted: a unit far to the right is refused, digits past the 63rd count,
// and a refusal names the text as it was typed.
TEST_F(GraphProgramTest, TheValueRangeIsReadWholeHoweverLong) {
    app_->GetGraphActions().AddLine(*window, 0, NamedLine("Sun", "Sun.DistEarth(au)"), nullptr);
    ASSERT_EQ(window->Graph().ValueKind(), kQuantityDistance);
    const struct {
        std::wstring to;
        double stored;  // NaN: refused as no number
    } rows[] = {
        {L"2" + std::wstring(62, L' ') + L"km", std::nan("")},
        {L"1." + std::wstring(61, L'0') + L"5e3", 1000.0},
        {std::wstring(10000, L'7'), std::nan("")},
    };
    for (const auto& row : rows) {
        told.clear();
        const bool refused = std::isnan(row.stored);
        Run(
            [&](ModalDriver& driver, HWND dialog) {
                SetPageText(driver, IDC_GRAPH_FROM_NUMBER, L"0");
                SetPageText(driver, IDC_GRAPH_TO_NUMBER, row.to.c_str());
                Press(driver, dialog, IDOK);
                if (refused) Press(driver, dialog, IDCANCEL);
            },
            [this] { window->ChangeGraphOptions(kGraphYAxisTab); });
        if (refused) {
            EXPECT_EQ(told.size(), 1u) << row.to.size();
            if (told.size() != 1u) continue;
            EXPECT_NE(told[0].find("The value you entered, " + Utf8(row.to.c_str()) + ", is not a valid number."),
                      std::string::npos)
                << told[0].substr(0, 120);
        } else {
            EXPECT_TRUE(told.empty()) << told.front();
            EXPECT_EQ(window->Graph().Options().yAxisMax, row.stored);
        }
    }
}

// A distance has no upper limit: the page shows the open end as the plot
// draws it (the Sun's distance up to 160 million km, not 100), OK leaves
// it open, and a value typed there sets it.
TEST_F(GraphProgramTest, AnOpenEndOfTheRangeShowsAsDrawnAndStaysOpenUntilTyped) {
    app_->GetGraphActions().AddLine(*window, 0, NamedLine("Sun", "Sun.DistEarth(km)"), nullptr);
    ASSERT_EQ(window->Graph().ValueKind(), kQuantityDistance);
    ASSERT_TRUE(std::isinf(window->Graph().Options().yAxisMax));
    const struct {
        const wchar_t* typed;  // none: the shown value kept
        double stored;
    } cases[] = {{nullptr, std::numeric_limits<double>::infinity()}, {L"155000000", 155e6}};
    for (const auto& c : cases) {
        Run(
            [&](ModalDriver& driver, HWND dialog) {
                HWND page = GraphOptionsCurrentPage();
                EXPECT_EQ(Text(page, IDC_GRAPH_FROM_NUMBER), "0");
                EXPECT_EQ(Text(page, IDC_GRAPH_TO_NUMBER), "160000000");
                if (c.typed) SetPageText(driver, IDC_GRAPH_TO_NUMBER, c.typed);
                Press(driver, dialog, IDOK);
            },
            [this] { window->ChangeGraphOptions(kGraphYAxisTab); });
        EXPECT_EQ(window->Graph().Options().yAxisMax, c.stored);
        EXPECT_EQ(window->DisplayScales().maximum, c.typed ? c.stored : 160e6);
    }
    // Default values give the open end back, as drawn.
    Run(
        [&](ModalDriver& driver, HWND dialog) {
            ClickOnPage(driver, IDC_GRAPH_RANGE_DEFAULTS);
            EXPECT_EQ(Text(GraphOptionsCurrentPage(), IDC_GRAPH_TO_NUMBER), "160000000");
            Press(driver, dialog, IDOK);
        },
        [this] { window->ChangeGraphOptions(kGraphYAxisTab); });
    EXPECT_TRUE(std::isinf(window->Graph().Options().yAxisMax));
}

TEST_F(GraphProgramTest, PanelRowsFollowTheGraphAndSelectingARowIsOneStep) {
    AddLines();
    ASSERT_EQ(SendMessageW(Item(kGraphLinesItem), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(Cell(0, 1), "A");
    EXPECT_EQ(Cell(1, 2), "Hidden");
    EXPECT_EQ(SelectedRow(), 1);  // mirrored from the document
    const int before = Undoable();
    ListView_SetItemState(Item(kGraphLinesItem), 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(window->Graph().SelectedLine(), 0);
    EXPECT_EQ(Undoable(), before + 1);
    Command(CMD_UNDO);
    EXPECT_EQ(SelectedRow(), 1);

    // A double click edits the row's line: one step, the new name in the row.
    NMITEMACTIVATE click{};
    click.hdr = {Item(kGraphLinesItem), static_cast<UINT_PTR>(kGraphLinesItem), static_cast<UINT>(NM_DBLCLK)};
    click.iItem = 1;
    SendMessageW(panel->GetDialogWindow(), WM_NOTIFY, kGraphLinesItem, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(told, std::vector<std::string>{"Edit Graph Line 'C'"});
    EXPECT_EQ(Cell(1, 1), "Edited");
    EXPECT_EQ(Undoable(), before + 1);

    // A second graph takes the panel; activating the first brings it back.
    Command(CMD_NEW_GRAPH);
    EXPECT_NE(panel->GetAttachedWindow(), static_cast<PanelWindow*>(window));
    EXPECT_EQ(SendMessageW(Item(kGraphLinesItem), LVM_GETITEMCOUNT, 0, 0), 0);
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    EXPECT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(window));
    EXPECT_EQ(SendMessageW(Item(kGraphLinesItem), LVM_GETITEMCOUNT, 0, 0), 2);
}

// Counts the messages that set one row of a list: inserting, deleting or
// changing an item.
class RowMessageCounter {
public:
    explicit RowMessageCounter(HWND list) : list_(list) {
        counted_ = 0;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Counting)));
    }
    ~RowMessageCounter() { SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_)); }
    RowMessageCounter(const RowMessageCounter&) = delete;
    RowMessageCounter& operator=(const RowMessageCounter&) = delete;
    int Count() const { return counted_; }

private:
    static LRESULT CALLBACK Counting(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == LVM_INSERTITEMW || message == LVM_DELETEITEM || message == LVM_SETITEMW ||
            message == LVM_SETITEMTEXTW)
            ++counted_;
        return CallWindowProcW(previous_, list, message, wParam, lParam);
    }
    static inline WNDPROC previous_ = nullptr;
    static inline int counted_ = 0;
    HWND list_;
};

// The colour the panel's row draws in the middle of its colour column.
COLORREF RowColour(HWND list, int row) {
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT cell{};
    cell.top = kGraphColourColumn;
    cell.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, kGraphColourColumn, 0));
    HDC dc = GetDC(list);
    const COLORREF colour = GetPixel(dc, cell.left + width / 2, cell.top + 8);
    ReleaseDC(list, dc);
    return colour;
}

// The panel is shared by every Graph window: a switch between a graph of
// 2,000 lines and one of 100 sets the list without a message per row, and
// the rows then read the active graph's lines, selection and colours.
TEST_F(GraphProgramTest, ASwitchBetweenGraphsSetsTheRowsWithoutAMessagePerRow) {
    constexpr int kFirstLineColour = 5;  // blue; the others red or green
    const auto fill = [](GraphWindow& graph, int lines, const char* prefix, int colour) {
        for (int i = 0; i < lines; ++i) {
            GraphLine line = NamedLine((prefix + std::to_string(i)).c_str());
            line.colour = i == 0 ? kFirstLineColour : colour;
            graph.Graph().InsertLine(i, line);
        }
        graph.Graph().SetSelectedLine(lines * 3 / 4);
    };
    fill(*window, 2000, "Large ", 2);
    panel->ControlPanelUpdate(nullptr);
    Command(CMD_NEW_GRAPH);
    auto* small = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(small, nullptr);
    ASSERT_NE(small, window);
    fill(*small, 100, "Small ", 3);
    panel->ControlPanelUpdate(nullptr);

    HWND list = Item(kGraphLinesItem);
    ASSERT_TRUE(IsWindowVisible(list));
    RowMessageCounter counter(list);
    const struct {
        GraphWindow* graph;
        int rows;
        const char* last;
        int colour;
    } switches[] = {{window, 2000, "Large 1999", 2}, {small, 100, "Small 99", 3}, {window, 2000, "Large 1999", 2}};
    for (const auto& to : switches) {
        SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(to.graph->Handle()), 0);
        ASSERT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(to.graph));
        EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), to.rows);
        EXPECT_EQ(Cell(to.rows - 1, kGraphNameColumn), to.last);
        EXPECT_EQ(SelectedRow(), to.rows * 3 / 4);
        const int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        for (const int row : {top, top + 1}) {
            const int colour = row == 0 ? kFirstLineColour : to.colour;
            EXPECT_EQ(RowColour(list, row), FindColourByCode(colour)->colour.ToColorRef()) << to.last << row;
        }
    }
    EXPECT_EQ(counter.Count(), 0);
}

TEST_F(GraphProgramTest, PanelArrowsMoveTheGuideLineAndTheMouseShowsItsMoment) {
    AddLines();
    window->SetGuideLine(1);
    panel->RefreshReadouts();  // as the panel's paint does
    Press(kFirstPairTowardZeroItem);
    EXPECT_EQ(window->GuideLinePosition(), 0);
    panel->RefreshReadouts();
    EXPECT_FALSE(IsWindowEnabled(Item(kFirstPairTowardZeroItem)));
    EXPECT_TRUE(IsWindowEnabled(Item(kFirstPairAwayItem)));
    EXPECT_FALSE(IsWindowEnabled(Item(kSecondPairAwayItem)));
    Press(kFirstPairAwayItem);
    EXPECT_EQ(window->GuideLinePosition(), 1);
    panel->RefreshReadouts();
    EXPECT_EQ(Text(panel->GetDialogWindow(), kGraphDaylightItem), "Off");
    const std::int32_t system = window->Graph().Options().xAxisTimeSystem;
    const DateTime guide = window->Graph().StepToDate(1, system);
    EXPECT_EQ(Text(panel->GetDialogWindow(), kGuideLineItem), Utf8(FormatGraphMoment(&guide)));

    // The mouse over the display: the moment of its step, "--" when it leaves.
    SendMessageW(window->DisplayWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(0, 5));
    const DateTime moment = window->Graph().StepToDate(window->DisplayScales().timeReversed ? 365 : 0, system);
    EXPECT_EQ(Text(panel->GetDialogWindow(), kMousePositionItem), Utf8(FormatGraphMoment(&moment)));
    SendMessageW(window->DisplayWindow(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Text(panel->GetDialogWindow(), kMousePositionItem), "--");
}

// Night vision switched on in the Appearance dialog: the plot, its lines
// and its axes take the program's night shades, reds only.
// The value axis writes its labels with the appearance options as the
// Appearance dialog sets them: right ascension in hours or degrees, angles
// in decimal or sexagesimal degrees; the axis beside the plot makes room for
// the labels it writes.
TEST_F(GraphProgramTest, TheValueAxisFollowsTheAppearanceOptions) {
    app_->GetGraphActions().AddLine(*window, 0, NamedLine("R", "Sun.Lon(equ)"), nullptr);
    ASSERT_TRUE(window->Graph().Options().xAxisHorizontal);
    const struct {
        int raButton, angleButton;
        int angleDegreeBase, raDisplayUnit;
    } cases[] = {{kIdRaDegrees, kIdAnglesSexagesimal, 0, 0},
                 {kIdRaHours, kIdAnglesDecimal, 1, 1},
                 {kIdRaDegrees, kIdAnglesDecimal, 1, 0},
                 {kIdRaHours, kIdAnglesSexagesimal, 0, 1}};
    std::vector<int> widths;
    for (const auto& c : cases) {
        ModalDriver::Run(
            [&c](ModalDriver& d, HWND) {
                d.Click(c.raButton);
                d.Click(c.angleButton);
                d.Click(IDOK);
            },
            [&] {
                Command(CMD_APPEARANCE);
                return 0;
            });
        ASSERT_EQ(app_->Options().general.raDisplayUnit, c.raDisplayUnit);
        ASSERT_EQ(app_->Options().general.angleDegreeBase, c.angleDegreeBase);
        QuantityFormatRequest options;
        options.angleDegreeBase = c.angleDegreeBase;
        options.raDisplayUnit = c.raDisplayUnit;
        HWND axis = window->YAxisWindow();
        RECT client{};
        GetClientRect(axis, &client);
        GraphValueAxis expected;
        int width = 0;
        {
            ScopedWindowDc dc(axis);
            GdiGraphCanvas canvas(dc.Get(), 1, 1);
            width = expected.Measure(canvas, window->Graph(), client.bottom, options);
        }
        RECT frame{};
        GetWindowRect(axis, &frame);
        EXPECT_EQ(frame.right - frame.left, width) << c.raDisplayUnit << c.angleDegreeBase;
        widths.push_back(width);
    }
    EXPECT_NE(widths[0], widths[1]) << "degrees and hours take different room";
}

TEST_F(GraphProgramTest, AtNightThePlotAndItsAxesTakeTheNightShades) {
    AddLines();
    SetWindowPos(frame_->Window(), HWND_TOP, 0, 0, 1000, 800, SWP_SHOWWINDOW);
    window->ShowGuideLine(true);
    ModalDriver::Run(
        [](ModalDriver& d, HWND) {
            d.Focus(kIdNightVision);
            d.Key(VK_SPACE);
            d.Key(VK_RETURN);
        },
        [&] {
            Command(CMD_APPEARANCE);
            return 0;
        });
    ASSERT_TRUE(ProgramColoursAtNight());
    for (HWND child : {window->DisplayWindow(), window->XAxisWindow(), window->YAxisWindow()}) {
        RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    HDC dc = GetDC(window->DisplayWindow());
    RECT client{};
    GetClientRect(window->DisplayWindow(), &client);
    int seen = 0;
    int notRed = 0;
    for (int y = 0; y < client.bottom; y += 3) {
        for (int x = 0; x < client.right; x += 3) {
            // Only what the screen shows of the display itself.
            POINT at{x, y};
            ClientToScreen(window->DisplayWindow(), &at);
            if (WindowFromPoint(at) != window->DisplayWindow()) continue;
            ++seen;
            const COLORREF pixel = GetPixel(dc, x, y);
            if (GetGValue(pixel) != 0 || GetBValue(pixel) != 0) ++notRed;
        }
    }
    ReleaseDC(window->DisplayWindow(), dc);
    EXPECT_GT(seen, 1000);
    EXPECT_EQ(notRed, 0);
    HDC axis = GetDC(window->XAxisWindow());
    EXPECT_EQ(GetPixel(axis, 1, 1), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(window->XAxisWindow(), axis);
}

// A Graph window opened at night, empty or with lines, is drawn after the
// switch-off as one opened by day: the day's colours are read when it
// paints, not taken once when it is made.
TEST_F(GraphProgramTest, AGraphOpenedAtNightLooksAsOneOpenedByDayAfterTheSwitchOff) {
    SetWindowPos(frame_->Window(), HWND_TOP, 0, 0, 1260, 1000, SWP_SHOWWINDOW);
    GraphWindow* const day = window;
    frame_->NightVision().ApplyNightVision(true, kKeepLevel, kKeepLevel);
    ASSERT_TRUE(ProgramColoursAtNight());
    GraphWindow* night[2] = {};
    for (GraphWindow*& opened : night) {
        Command(CMD_NEW_GRAPH);
        opened = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
        ASSERT_NE(opened, nullptr);
        ASSERT_NE(opened, day);
    }
    GraphActions& actions = app_->GetGraphActions();
    const auto addLines = [&](GraphWindow& graph) {
        actions.AddLine(graph, 0, NamedLine("A", "Phase(10)"), nullptr);
        actions.AddLine(graph, 1, NamedLine("B", "Phase(20)"), nullptr);
        graph.Graph().History().MarkSaved();
    };
    addLines(*night[1]);
    frame_->NightVision().ApplyNightVision(false, kKeepLevel, kKeepLevel);
    ASSERT_FALSE(ProgramColoursAtNight());
    // The graph opened by day beside one opened at night, each as large, as
    // the screen shows them once it has taken what they drew.
    const auto shown = [](GraphWindow& graph) {
        std::vector<std::uint32_t> all;
        for (HWND part : {graph.DisplayWindow(), graph.XAxisWindow(), graph.YAxisWindow()}) {
            int width = 0;
            int height = 0;
            const std::vector<std::uint32_t> pixels = ShownOnScreen(part, width, height);
            all.insert(all.end(), pixels.begin(), pixels.end());
        }
        return all;
    };
    const auto differing = [&](GraphWindow& opened) {
        ShowWindow(night[0] == &opened ? night[1]->Handle() : night[0]->Handle(), SW_MINIMIZE);
        ShowWindow(opened.Handle(), SW_RESTORE);
        MoveWindow(day->Handle(), 0, 0, 360, 380, TRUE);
        MoveWindow(opened.Handle(), 370, 0, 360, 380, TRUE);
        for (GraphWindow* graph : {day, &opened})
            RedrawWindow(graph->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        std::vector<std::uint32_t> a = shown(*day);
        std::vector<std::uint32_t> b = shown(opened);
        for (int look = 0; look < 40; ++look) {
            Sleep(50);
            std::vector<std::uint32_t> againA = shown(*day);
            std::vector<std::uint32_t> againB = shown(opened);
            const bool still = againA == a && againB == b;
            a = std::move(againA);
            b = std::move(againB);
            if (still) break;
        }
        EXPECT_GT(a.size(), 10000u);
        if (a.size() != b.size()) return -1;
        int count = 0;
        for (std::size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
        return count;
    };
    EXPECT_EQ(differing(*night[0]), 0) << "empty";
    addLines(*day);
    EXPECT_EQ(differing(*night[1]), 0) << "with lines";
}

}  // namespace
}  // namespace corvinata::test
