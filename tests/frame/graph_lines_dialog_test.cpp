// The Edit Graph Lines dialog over a real Graph window: button states, the
// titles it gives the line dialog, and one undo step per change with " *"
// in the window's caption.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame_test.h"
#include "modal_driver.h"
#include "resources/graph_dialogs_ids.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "views/graph_lines_dialog_win.h"
#include "views/graph_window_win.h"

namespace corvinata::test {
namespace {

// Closing the changed graph at the end of a test does not save it.
class NeverSave final : public GraphSaveDialogs {
public:
    bool ChooseSavePath(const String&, String&) override { return false; }
    bool ChooseOpenPaths(std::vector<String>&) override { return false; }
    bool AskYesNo(const String&, MessageTopic) override { return false; }
    PromptAnswer AskYesNoCancel(const String&, MessageTopic) override { return PromptAnswer::No; }
    void ShowError(const String&, MessageTopic) override {}
    void ShowNotice(const String&) override {}
};

class GraphLinesDialogTest : public FrameTest {
protected:
    GraphLinesDialogTest() {
        EXPECT_TRUE(SharedCatalogues());
        Start();
        auto kind = std::make_unique<GraphWindowKind>(app_->GetNotificationHub(),
                                                      ObjectModelGraphServices(app_->Current()),
                                                      GetModuleHandleW(nullptr),
                                                      GraphFileServices{&app_->GetStorage(), &app_->Product(),
                                                                        &app_->Recent(), &neverSave});
        kind->SetChildren(&frame_->Children());
        kind->actions = &app_->GetGraphActions();
        frame_->Children().AddKind(std::move(kind));
        frame_->UpdateCommandStates();
        ShowWindow(frame_->Window(), SW_SHOW);
        Command(CMD_NEW_GRAPH);
        window = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
        services.editLine = [this](HWND, const String& title, GraphLine& line, bool isNew, bool& changed) {
            changed = true;
            titles.push_back(Utf8(title) + (isNew ? "" : " (edit)"));
            if (names.empty()) return false;
            line.name = String(Wide(names.front().c_str()).c_str());
            names.erase(names.begin());
            return true;
        };
        services.ask = [this](HWND, const String& text, MessageTopic) {
            questions.push_back(Utf8(text));
            return answer;
        };
    }
    ~GraphLinesDialogTest() override {
        Command(CMD_CLOSE_ALL);
        UnregisterGraphWindowClasses(GetModuleHandleW(nullptr));
    }
    void Run(ModalDriver::Steps steps) {
        ModalDriver::Run(std::move(steps), [this] {
            return ShowGraphLinesDialog(GetModuleHandleW(nullptr), window->Handle(), app_->GetGraphActions(),
                                        *window, services);
        });
    }
    static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    static int Row(HWND dialog) {
        return static_cast<int>(SendDlgItemMessageW(dialog, IDC_GRAPH_LINES_LIST, LB_GETCURSEL, 0, 0));
    }
    // "ud" for the enabled Up and Down buttons, "-" for none.
    static std::string Moves(HWND dialog) {
        std::string s;
        if (Enabled(dialog, IDC_GRAPH_LINES_UP)) s += 'u';
        if (Enabled(dialog, IDC_GRAPH_LINES_DOWN)) s += 'd';
        return s.empty() ? "-" : s;
    }
    std::string Caption() const {
        wchar_t text[200] = {};
        GetWindowTextW(window->Handle(), text, 200);
        return Utf8(text);
    }
    int Steps() { return window->Graph().History().UndoableCount(); }

    NeverSave neverSave;
    GraphWindow* window = nullptr;
    GraphLinesDialogServices services;
    std::vector<std::string> names, titles, questions;
    bool answer = true;
};

TEST_F(GraphLinesDialogTest, AppendInsertMoveAndDeleteAreEachOneStepAndMarkTheCaption) {
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(Caption(), "Graph: [Unsaved graph]");
    names = {"b", "c", "a"};
    Run([this](ModalDriver& driver, HWND dialog) {
        // An empty graph: only Insert and Append.
        EXPECT_FALSE(Enabled(dialog, IDC_GRAPH_LINES_LIST));
        EXPECT_FALSE(Enabled(dialog, IDC_GRAPH_LINES_EDIT));
        EXPECT_FALSE(Enabled(dialog, IDC_GRAPH_LINES_DELETE));
        EXPECT_EQ(Moves(dialog), "-");
        EXPECT_TRUE(Enabled(dialog, IDC_GRAPH_LINES_INSERT));
        driver.Click(IDC_GRAPH_LINES_APPEND);
        EXPECT_TRUE(window->IsGuideLineShown());
        EXPECT_EQ(Caption(), "Graph: [Unsaved graph] *");
        driver.Click(IDC_GRAPH_LINES_APPEND);
        EXPECT_EQ(Row(dialog), 1);
        EXPECT_EQ(Moves(dialog), "u");
        SendDlgItemMessageW(dialog, IDC_GRAPH_LINES_LIST, LB_SETCURSEL, 0, 0);
        driver.Click(IDC_GRAPH_LINES_INSERT);
        EXPECT_EQ(Row(dialog), 0);
        EXPECT_EQ(Moves(dialog), "d");
        EXPECT_EQ(LineNames(window->Graph()), "abc");
        driver.Click(IDC_GRAPH_LINES_DOWN);
        EXPECT_EQ(Row(dialog), 1);
        EXPECT_EQ(Moves(dialog), "ud");
        EXPECT_EQ(LineNames(window->Graph()), "bac");
        driver.Click(IDC_GRAPH_LINES_UP);
        EXPECT_EQ(LineNames(window->Graph()), "abc");
        // The line dialog cancelled: nothing added.
        driver.Click(IDC_GRAPH_LINES_APPEND);
        EXPECT_EQ(LineNames(window->Graph()), "abc");
        // Deleting the last row selects the new last; No keeps the line.
        SendDlgItemMessageW(dialog, IDC_GRAPH_LINES_LIST, LB_SETCURSEL, 2, 0);
        answer = false;
        driver.Click(IDC_GRAPH_LINES_DELETE);
        EXPECT_EQ(LineNames(window->Graph()), "abc");
        answer = true;
        driver.Click(IDC_GRAPH_LINES_DELETE);
        EXPECT_EQ(LineNames(window->Graph()), "ab");
        EXPECT_EQ(Row(dialog), 1);
        EXPECT_EQ(Moves(dialog), "u");
        driver.Click(IDOK);
    });
    EXPECT_EQ(titles, (std::vector<std::string>{"Add Graph Line", "Add Graph Line - Append",
                                                "Add Graph Line - Insert before 'b'", "Add Graph Line - Append"}));
    EXPECT_EQ(questions, (std::vector<std::string>{"Do you want to delete the line \"c\" from the graph?",
                                                   "Do you want to delete the line \"c\" from the graph?"}));
    // Three adds, two moves, one delete.
    EXPECT_EQ(Steps(), 6);
    Command(CMD_UNDO);
    EXPECT_EQ(LineNames(window->Graph()), "abc");
    Command(CMD_UNDO);
    EXPECT_EQ(LineNames(window->Graph()), "bac");
}

TEST_F(GraphLinesDialogTest, DeletingTheOnlyLineDisablesTheListAndADoubleClickEdits) {
    window->Graph().InsertLine(0, NamedLine("only"));
    names = {"renamed"};
    Run([this](ModalDriver& driver, HWND dialog) {
        EXPECT_EQ(Row(dialog), 0);
        EXPECT_EQ(Moves(dialog), "-");
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_GRAPH_LINES_LIST, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_GRAPH_LINES_LIST)));
        driver.Pump();
        EXPECT_EQ(LineNames(window->Graph()), "renamed");
        driver.Click(IDC_GRAPH_LINES_DELETE);
        EXPECT_EQ(window->Graph().LineCount(), 0);
        EXPECT_FALSE(Enabled(dialog, IDC_GRAPH_LINES_LIST));
        EXPECT_FALSE(Enabled(dialog, IDC_GRAPH_LINES_DELETE));
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        driver.Pump();
    });
    EXPECT_EQ(titles, std::vector<std::string>{"Edit Graph Line 'only' (edit)"});
    EXPECT_EQ(Steps(), 2);
}

TEST_F(GraphLinesDialogTest, EditLinesOfTheFrameOpensTheEditorOverTheActiveGraph) {
    window->linesDialog = services;
    names = {"Moon"};
    ModalDriver::Run(
        [](ModalDriver& driver, HWND dialog) {
            wchar_t caption[100] = {};
            GetWindowTextW(dialog, caption, 100);
            EXPECT_EQ(Utf8(caption), "Edit Graph Lines");
            driver.Click(IDC_GRAPH_LINES_APPEND);
            driver.Click(IDOK);
        },
        [this] {
            Command(CMD_EDIT_GRAPH_LINES);
            return 0;
        });
    EXPECT_EQ(LineNames(window->Graph()), "Moon");
    EXPECT_EQ(Caption(), "Graph: [Unsaved graph] *");
    EXPECT_EQ(Steps(), 1);
}

}  // namespace
}  // namespace corvinata::test
