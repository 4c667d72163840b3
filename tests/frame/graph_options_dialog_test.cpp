// The Graph Options dialog over a real Graph window of the program's own
// start-up: a tab switch refused on an invalid page, one undoable step on
// OK and none when nothing changed, Cancel dropping pages already left, a
// double click on an axis opening its page, and the last tab kept.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/program_fonts.h"
#include "frame/window_kinds.h"
#include "frame_test.h"
#include "modal_driver.h"
#include "resources/graph_dialogs_ids.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "support/test_text.h"
#include "views/graph_options_dialog_win.h"
#include "views/graph_window_win.h"

namespace corvinata::test {
namespace {

class NeverSave final : public GraphSaveDialogs {
public:
    bool ChooseSavePath(const String&, String&) override { return false; }
    bool ChooseOpenPaths(std::vector<String>&) override { return false; }
    bool AskYesNo(const String&, const Char*) override { return false; }
    PromptAnswer AskYesNoCancel(const String&, const Char*) override { return PromptAnswer::No; }
    void ShowError(const String&, const Char*) override {}
};

class GraphOptionsDialogTest : public FrameTest {
protected:
    GraphOptionsDialogTest() {
        static ScopedCatalogues catalogues;
        EXPECT_TRUE(catalogues.Created());
        Start(false);
        UseCustomControls();
        // As the program starts: its window kinds, then the start-up message.
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        // The program's Graph kind keeps the dialogs' places in the
        // application's dialog settings; the test's own kind only saves
        // nothing when a changed graph closes.
        auto* program = dynamic_cast<GraphWindowKind*>(frame_->Children().KindOf(kGraphWindow));
        EXPECT_NE(program, nullptr);
        if (program) {
            EXPECT_EQ(program->optionsDialog.placement, &app_->DialogStates().graphOptions);
            EXPECT_EQ(program->linesDialog.placement, &app_->DialogStates().graphEditLines.geometry);
            EXPECT_EQ(program->linesDialog.lineDialog.placement, &app_->DialogStates().graphEditLine.geometry);
            EXPECT_TRUE(static_cast<bool>(program->optionsDialog.choosePlace));
        }
        auto kind = std::make_unique<GraphWindowKind>(
            app_->GetNotificationHub(), ObjectModelGraphServices(app_->Current()), GetModuleHandleW(nullptr),
            GraphFileServices{&app_->GetStorage(), &app_->Product(), &app_->Recent(), &neverSave});
        kind->SetChildren(&frame_->Children());
        kind->actions = &app_->GetGraphActions();
        kind->optionsDialog.placement = &app_->DialogStates().graphOptions;
        kind->optionsDialog.tell = [this](HWND, const String& text, const Char*) { told.push_back(Utf8(text)); };
        frame_->Children().AddKind(std::move(kind));
        frame_->UpdateCommandStates();
        ShowWindow(frame_->Window(), SW_SHOW);
        Command(CMD_NEW_GRAPH);
        window = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
    }
    ~GraphOptionsDialogTest() override {
        Command(CMD_CLOSE_ALL);
        frame_.reset();  // before the fonts its windows use
        UnregisterGraphWindowClasses(GetModuleHandleW(nullptr));
    }
    // Opens the dialog with `open` (a command, a click) and runs the steps in it.
    // A dialog the steps leave open is cancelled, so that a failing test
    // does not wait for ever.
    template <class Open>
    void Run(ModalDriver::Steps steps, Open open) {
        ModalDriver::Steps guarded = [steps](ModalDriver& driver, HWND first) {
            // The first dialog to be initialised is the page the shell makes
            // while it is being initialised itself.
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
    // What a click on a tab does: the change is asked first.
    static bool SwitchTab(ModalDriver& driver, HWND dialog, int tab) {
        HWND tabs = GetDlgItem(dialog, IDC_GRAPH_OPTIONS_TAB);
        NMHDR header{tabs, IDC_GRAPH_OPTIONS_TAB, TCN_SELCHANGING};
        if (SendMessageW(dialog, WM_NOTIFY, IDC_GRAPH_OPTIONS_TAB, reinterpret_cast<LPARAM>(&header)) &&
            GetWindowLongPtrW(dialog, DWLP_MSGRESULT)) {
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
    // The dialog is never shown in the tests; its controls are.
    static bool Shown(HWND page, int id) { return (GetWindowLongW(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Changed() const { return !window->Graph().History().IsAtSavedState(); }

    std::unique_ptr<ProgramFonts> fonts_;
    NeverSave neverSave;
    GraphWindow* window = nullptr;
    std::vector<std::string> told;
};

TEST_F(GraphOptionsDialogTest, ARefusedPageKeepsItsTabAndOkRecordsOneUndoableStep) {
    ASSERT_NE(window, nullptr);
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
    EXPECT_FALSE(window->Graph().Options().endFixed);
    EXPECT_EQ(window->Graph().Options().rangeCount, 2 * 365);
    EXPECT_NE(window->IsGuideLineShown(), false);
    EXPECT_TRUE(Changed());
    EXPECT_NE(Utf8(window->GetStatusText()).find(" *"), std::string::npos);
    // One step: a single undo brings both back.
    Command(CMD_UNDO);
    const TimeAndLocation& undone = window->Graph().Options();
    EXPECT_EQ(undone.endFixed, before.endFixed);
    EXPECT_EQ(undone.rangeCount, before.rangeCount);
    EXPECT_TRUE(DateTimeEqual(undone.endDate, before.endDate));
    EXPECT_FALSE(window->IsGuideLineShown());
    EXPECT_FALSE(Changed());
}

TEST_F(GraphOptionsDialogTest, OkWithoutAChangeRecordsNothingAndCancelDropsPagesAlreadyLeft) {
    ASSERT_NE(window, nullptr);
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
            wchar_t text[40] = {};
            GetDlgItemTextW(GraphOptionsCurrentPage(), IDC_GRAPH_ORIGIN_FAR, text, 40);
            EXPECT_EQ(Utf8(text), "Origin at top");
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

TEST_F(GraphOptionsDialogTest, ADoubleClickOnAnAxisOpensItsPageAndTheDialogReopensOnTheLastTab) {
    ASSERT_NE(window, nullptr);
    struct Row {
        HWND axis;
        int tab;
    };
    const Row rows[] = {{window->XAxisWindow(), kGraphXAxisTab}, {window->YAxisWindow(), kGraphYAxisTab}};
    for (const Row& row : rows) {
        int opened = -1;
        Run(
            [&opened](ModalDriver& driver, HWND dialog) {
                opened = GraphOptionsCurrentTab();
                Press(driver, dialog, IDCANCEL);
            },
            [&row] { SendMessageW(row.axis, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3)); });
        EXPECT_EQ(opened, row.tab);
    }
    int reopened = -1;
    Run(
        [&reopened](ModalDriver& driver, HWND dialog) {
            reopened = GraphOptionsCurrentTab();
            Press(driver, dialog, IDCANCEL);
        },
        [this] { Command(CMD_GRAPH_OPTIONS); });
    EXPECT_EQ(reopened, kGraphYAxisTab);
    EXPECT_EQ(app_->DialogStates().graphOptions.currentTab, kGraphYAxisTab);
}

TEST_F(GraphOptionsDialogTest, TheValueRangeOfALineIsCheckedOnItsPage) {
    ASSERT_NE(window, nullptr);
    app_->GetGraphActions().AddLine(*window, 0, NamedLine("Phase", "Phase(50)"), nullptr);
    ASSERT_EQ(window->Graph().ValueKind(), 8);
    Run(
        [this](ModalDriver& driver, HWND dialog) {
            HWND page = GraphOptionsCurrentPage();
            EXPECT_TRUE(Shown(page, IDC_GRAPH_FROM_NUMBER));
            EXPECT_FALSE(Shown(page, IDC_GRAPH_RANGE_HINT));
            wchar_t limit[40] = {};
            GetDlgItemTextW(page, IDC_GRAPH_TO_LIMIT, limit, 40);
            EXPECT_EQ(Utf8(limit), "max. 100");
            SetPageText(driver, IDC_GRAPH_FROM_NUMBER, L"60");
            SetPageText(driver, IDC_GRAPH_TO_NUMBER, L"40");
            Press(driver, dialog, IDOK);
            EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_GRAPH_TO_NUMBER));
            ClickOnPage(driver, IDC_GRAPH_RANGE_DEFAULTS);
            wchar_t text[40] = {};
            GetDlgItemTextW(page, IDC_GRAPH_TO_NUMBER, text, 40);
            EXPECT_EQ(Utf8(text), "100");
            SetPageText(driver, IDC_GRAPH_FROM_NUMBER, L"20");
            Press(driver, dialog, IDOK);
        },
        [this] { window->ChangeGraphOptions(kGraphYAxisTab); });
    EXPECT_EQ(told, std::vector<std::string>{
                        "The 'To' value must be larger than the 'From' value. Please enter a different value."});
    EXPECT_EQ(window->Graph().Options().yAxisMin, 20.0);
    EXPECT_EQ(window->Graph().Options().yAxisMax, 100.0);
}

}  // namespace
}  // namespace corvinata::test
