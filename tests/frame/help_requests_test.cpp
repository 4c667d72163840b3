// F1 as the user presses it, in the program's frame: every window, pane
// and dialog opens its own page of the help file. The pages come from one
// table (app/help_topics); a stand-in for the HTML help control records
// the page asked for.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/help_topics_win.h"
#include "frame/about_dialogs.h"
#include "frame/frame_window_services.h"
#include "frame/modal_driver.h"
#include "frame/typed_keys.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "support/recorded_help_win.h"
#include "support/test_text.h"
#include "views/graph_window_win.h"

namespace corvinata {
namespace {

using test::Utf8;

class HelpRequestsTest : public test::FrameTest {
protected:
    HelpRequestsTest() {
        EXPECT_TRUE(test::SharedCatalogues());
        StartAsProgram(GetProgramDirectory(GetModuleHandleW(nullptr)));
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER);
        if (!frame_->IsPaneShown(CMD_VIEW_WINDOW_MANAGER)) Command(CMD_VIEW_WINDOW_MANAGER);
        help_ = std::make_unique<test::RecordedHelp>();
    }
    ~HelpRequestsTest() override {
        if (!frame_) return;
        for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
            if (auto* graph = dynamic_cast<GraphWindow*>(open)) graph->Graph().History().MarkSaved();
        }
        Command(CMD_CLOSE_ALL);
    }
    // F1 pressed on `target` as the user presses it (the system turns the
    // key into the help request), and the page it opened (empty for none).
    std::string PressF1(HWND target) {
        SetForegroundWindow(frame_->Window());
        SetFocus(target);
        help_->Forget();
        test::TypedKeys(*frame_, modeless_).Keys({{VK_F1}});
        return help_->LastTopic();
    }
    HWND ManagerList() const { return GetDlgItem(frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST); }

    // Made once the program's product information is there.
    std::unique_ptr<test::RecordedHelp> help_;
};

// Each kind's window, selected in the Window Manager: F1 there opens the
// window's own page, as F1 in the window itself does.
TEST_F(HelpRequestsTest, EachWindowOpensItsPageFromItselfAndFromTheWindowManager) {
    const struct {
        int command;
        HelpPage page;
    } cases[] = {
        {CMD_NEW_SKY, HelpPage::SkyWindow},
        {CMD_NEW_SOLAR_SYSTEM, HelpPage::SolarSystemWindow},
        {CMD_NEW_GRAPH_WINDOW, HelpPage::GraphWindow},
        {CMD_NEW_PICTURE, HelpPage::PictureWindow},
        {CMD_NEW_REPORT, HelpPage::ReportWindow},
        {CMD_NEW_JUPITER, HelpPage::JupiterExplorerWindow},
        {CMD_NEW_SATURN, HelpPage::SaturnExplorerWindow},
        {CMD_NEW_ECLIPSE, HelpPage::SolarEclipseWindow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(HelpTopicOf(c.page)));
        Command(c.command);
        MdiChildWindow* window = frame_->Children().ActiveWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(PressF1(window->Handle()), Utf8(HelpTopicOf(c.page)));
        // Another window active, then this one's row picked in the manager.
        Command(CMD_NEW_REPORT);
        LVFINDINFOW find{};
        find.flags = LVFI_PARAM;
        find.lParam = reinterpret_cast<LPARAM>(static_cast<RegisteredWindow*>(window));
        const int row = ListView_FindItem(ManagerList(), -1, &find);
        ASSERT_GE(row, 0);
        ListView_SetItemState(ManagerList(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        EXPECT_EQ(frame_->Children().ActiveWindow(), window);
        EXPECT_EQ(PressF1(ManagerList()), Utf8(HelpTopicOf(c.page)));
        Command(CMD_CLOSE_ALL);
    }
    // With no row selected there is no window to ask: no page opens.
    EXPECT_EQ(PressF1(ManagerList()), "");
}

// The Help button of a message box opens the message's own page, in the
// help file's folder of messages: the graph's questions and errors too.
TEST_F(HelpRequestsTest, AMessageBoxsHelpButtonOpensTheMessagesPage) {
    const struct {
        const char* page;
        std::function<void()> open;
    } cases[] = {
        {"Message_Box_Help_Button/Do_you_want_to_save_changes.htm",
         [this] {
             Command(CMD_NEW_GRAPH);
             auto* graph = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
             ASSERT_NE(graph, nullptr);
             app_->GetGraphActions().AddLine(*graph, 0, test::NamedLine("A"), nullptr);
             SendMessageW(graph->Handle(), WM_CLOSE, 0, 0);
         }},
        {"Message_Box_Help_Button/Corvinata_was_unable_to_open_the_file.htm",
         [this] { frame_->Services().OpenGraphFile(String(TXT("C:\\no such folder\\graph.gph"))); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        help_->Forget();
        std::string topic;
        test::ModalDriver::Run(
            [&](test::ModalDriver& driver, HWND box) {
                // Help stands last, on the box's last button; the box stays.
                driver.Click(IDC_BUTTON_4);
                topic = help_->LastTopic();
                EXPECT_TRUE(IsWindow(box));
                driver.Key(VK_ESCAPE);
            },
            [&] {
                c.open();
                return 0;
            });
        EXPECT_EQ(topic, c.page);
    }
}

TEST_F(HelpRequestsTest, TheWelcomeDialogOpensItsPage) {
    std::string topic;
    const WelcomeChoice choice = test::ModalDriver::Run(
        [&](test::ModalDriver& driver, HWND dialog) {
            ShowWindow(dialog, SW_SHOW);
            SetForegroundWindow(dialog);
            SetFocus(GetDlgItem(dialog, IDOK));
            test::TypedKeys::Queue({{VK_F1}});
            for (int wait = 0; wait < 200 && help_->LastTopic().empty(); ++wait) {
                driver.Pump();
                Sleep(10);
            }
            topic = help_->LastTopic();
            driver.Key(VK_ESCAPE);
        },
        [&] { return ShowWelcomeDialog(GetModuleHandleW(nullptr), frame_->Window()); });
    EXPECT_EQ(choice, WelcomeChoice::Cancelled);
    EXPECT_EQ(topic, "picture/dialog_welcome.htm");
}

}  // namespace
}  // namespace corvinata
