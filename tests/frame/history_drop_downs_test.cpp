// The Undo and Redo buttons' drop-down lists and tooltips in the program's
// frame, over the steps of a Graph window: the toolbar's notifications as
// the toolbar sends them, the list chosen from with the keys of its menu.
#include "frame/history_drop_downs.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "support/test_text.h"
#include "views/graph_window_win.h"

namespace corvinata {
namespace {

using test::Utf8;

// What a drop-down list shows while it is open, then the keys the user
// presses in it: downs to an item and Return, or Escape.
struct OpenList {
    struct Item {
        int command;
        std::string text;
        bool grayed;
    };
    static inline std::vector<Item> items;
    static inline std::string status;  // the status line with the item highlighted
    static inline int downs = 0;       // 0: Escape
    static inline HWND statusBar = nullptr;
    // Run first while the list is open.
    static inline std::function<void()> whileOpen;

    static void CALLBACK Read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup || !IsWindowVisible(popup)) return;
        KillTimer(nullptr, timer);
        if (whileOpen) whileOpen();
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        items.clear();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[200] = {};
            GetMenuStringW(menu, i, text, 200, MF_BYPOSITION);
            items.push_back({static_cast<int>(GetMenuItemID(menu, i)), Utf8(text),
                             (GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0});
        }
        if (downs == 0) {
            PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
            return;
        }
        for (int i = 0; i < downs; ++i) PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        SetTimer(nullptr, 0, 50, Choose);
    }
    static void CALLBACK Choose(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        wchar_t text[200] = {};
        SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        status = Utf8(text);
        PostMessageW(FindWindowW(L"#32768", nullptr), WM_KEYDOWN, VK_RETURN, 0);
    }
};

// Puts the pointer back where it was at the start.
class CursorKept {
public:
    CursorKept() { GetCursorPos(&at_); }
    ~CursorKept() { SetCursorPos(at_.x, at_.y); }
    CursorKept(const CursorKept&) = delete;
    CursorKept& operator=(const CursorKept&) = delete;

private:
    POINT at_{};
};

class HistoryDropDownsTest : public test::FrameTest {
protected:
    HistoryDropDownsTest() {
        EXPECT_TRUE(test::SharedCatalogues());
        StartAsProgram();
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetForegroundWindow(frame_->Window());
        Command(CMD_NEW_GRAPH);
        graph = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
        OpenList::statusBar = frame_->StatusWindow();
    }
    ~HistoryDropDownsTest() override {
        OpenList::whileOpen = nullptr;
        if (graph) graph->Graph().History().MarkSaved();
        Command(CMD_CLOSE_ALL);
    }
    void SetUp() override { ASSERT_NE(graph, nullptr); }

    // `count` lines added, one undoable step each ("Delete graph line 1 (L1)" undoes the first).
    void AddLines(int count) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "L" + std::to_string(i + 1);
            app_->GetGraphActions().AddLine(*graph, i, test::NamedLine(name.c_str()), nullptr);
        }
    }
    // The arrow of a toolbar button clicked: the toolbar's notification,
    // then the list's keys; answers whether the frame took the arrow.
    bool DropDown(int button, int downs) {
        OpenList::items.clear();
        OpenList::status.clear();
        OpenList::downs = downs;
        NMTOOLBARW note{};
        note.hdr.hwndFrom = frame_->Toolbar().Window();
        note.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(frame_->Toolbar().Window()));
        note.hdr.code = TBN_DROPDOWN;
        note.iItem = button;
        // An open list takes the item under the pointer as the one the keys
        // start from, also from a move still queued from before it opened
        // (wherever an earlier test left the pointer): the pointer waits in
        // the screen's corner, above and left of the toolbar where no list
        // opens, with the moves that led elsewhere dropped, and goes back
        // after.
        const CursorKept kept;
        SetCursorPos(0, 0);
        MSG move;
        while (PeekMessageW(&move, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
        }
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, OpenList::Read);
        const LRESULT result = SendMessageW(frame_->Window(), WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
        KillTimer(nullptr, timer);
        DrainMessages();
        return result == TBDDRET_DEFAULT;
    }
    // The chosen item's command arrives as a posted message.
    static void DrainMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The tooltip the toolbar asks the frame for.
    std::string Tooltip(int button) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageW(frame_->Toolbar().Window(), TB_GETTOOLTIPS, 0, 0));
        info.hdr.idFrom = static_cast<UINT_PTR>(button);
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(frame_->Window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? Utf8(info.lpszText) : std::string();
    }

    GraphWindow* graph = nullptr;
};

TEST_F(HistoryDropDownsTest, ElevenStepsListTenAndMoreAndAnItemUndoesThatMany) {
    AddLines(11);
    // The pointer rests where the list opens, over its sixth item, as an
    // earlier test may leave it: the keys still count from the top.
    const CursorKept kept;
    HWND toolbar = frame_->Toolbar().Window();
    RECT button{};
    SendMessageW(toolbar, TB_GETRECT, CMD_UNDO, reinterpret_cast<LPARAM>(&button));
    POINT over{button.left + 20, button.bottom + 100};
    ClientToScreen(toolbar, &over);
    SetCursorPos(over.x, over.y);
    ASSERT_TRUE(DropDown(CMD_UNDO, 3));
    ASSERT_EQ(OpenList::items.size(), 11u);
    EXPECT_EQ(OpenList::items[0].command, 20112);
    EXPECT_EQ(OpenList::items[0].text, "Delete graph line 11 (L11)");
    EXPECT_EQ(OpenList::items[9].command, 20121);
    EXPECT_EQ(OpenList::items[9].text, "Delete graph line 2 (L2)");
    EXPECT_EQ(OpenList::items[10].command, 20132);
    EXPECT_EQ(OpenList::items[10].text, "-- more --");
    EXPECT_TRUE(OpenList::items[10].grayed);
    EXPECT_FALSE(OpenList::items[0].grayed);
    EXPECT_EQ(OpenList::status, "Undoes the last three commands");
    EXPECT_EQ(graph->Graph().LineCount(), 8);

    ASSERT_TRUE(DropDown(CMD_REDO, 2));
    ASSERT_EQ(OpenList::items.size(), 3u);
    EXPECT_EQ(OpenList::items[0].command, 20122);
    EXPECT_EQ(OpenList::items[0].text, "Add graph line 9 (L9)");
    EXPECT_EQ(OpenList::items[2].text, "Add graph line 11 (L11)");
    EXPECT_EQ(OpenList::status, "Redoes the last two commands");
    EXPECT_EQ(graph->Graph().LineCount(), 10);
    EXPECT_EQ((MenuState(CMD_REDO) & MF_GRAYED), 0u);
}

TEST_F(HistoryDropDownsTest, TenStepsListNoMoreAndEscapeUndoesNothing) {
    AddLines(10);
    ASSERT_TRUE(DropDown(CMD_UNDO, 0));
    ASSERT_EQ(OpenList::items.size(), 10u);
    EXPECT_EQ(OpenList::items[9].command, 20121);
    EXPECT_EQ(graph->Graph().LineCount(), 10);
    // Nothing to redo: the arrow is the frame's, but no list opens.
    EXPECT_TRUE(DropDown(CMD_REDO, 0));
    EXPECT_TRUE(OpenList::items.empty());
    // A drop-down button without a history of its own is not the frame's.
    EXPECT_FALSE(DropDown(CMD_SAVE_GRAPH, 0));
}

TEST_F(HistoryDropDownsTest, TooltipsNameTheStepAClickWouldTake) {
    EXPECT_EQ(Tooltip(CMD_UNDO), "Undo (Ctrl+Z)");
    EXPECT_EQ(Tooltip(CMD_REDO), "Redo (Ctrl+Y)");
    AddLines(2);
    EXPECT_EQ(Tooltip(CMD_UNDO), "Undo (Ctrl+Z) 'Delete graph line 2 (L2)'");
    Command(CMD_UNDO);
    EXPECT_EQ(Tooltip(CMD_UNDO), "Undo (Ctrl+Z) 'Delete graph line 1 (L1)'");
    EXPECT_EQ(Tooltip(CMD_REDO), "Redo (Ctrl+Y) 'Add graph line 2 (L2)'");
    EXPECT_EQ(Tooltip(CMD_NEW_GRAPH), "New graph file (Ctrl+N)");
}

// The button's tip lies where its list opens: it goes when the list opens,
// and the tooltip control's own timer (which runs on inside the list's
// loop) does not bring it back over the list.
TEST_F(HistoryDropDownsTest, TheButtonsTipGoesWhenItsListOpensAndStaysAwayWhileItIsOpen) {
    AddLines(2);
    HWND toolbar = frame_->Toolbar().Window();
    HWND tip = reinterpret_cast<HWND>(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tip, nullptr);
    RECT button{};
    SendMessageW(toolbar, TB_GETRECT, CMD_UNDO, reinterpret_cast<LPARAM>(&button));
    const POINT over{button.left + 4, (button.top + button.bottom) / 2};
    // The pointer goes back where it was: over another test's list it
    // would pick items.
    const CursorKept kept;
    // The pointer rests on the button: the control shows its tip when its
    // show timer fires.
    const auto restAndShow = [=] {
        POINT screen = over;
        ClientToScreen(toolbar, &screen);
        SetCursorPos(screen.x, screen.y);
        MSG move{toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y), 0, screen};
        SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
        SendMessageW(tip, WM_TIMER, 1, 0);
        return IsWindowVisible(tip) != FALSE;
    };
    ASSERT_TRUE(restAndShow()) << "the tip never showed";
    bool shownAtOpen = true;
    bool shownAgain = true;
    OpenList::whileOpen = [&] {
        shownAtOpen = IsWindowVisible(tip) != FALSE;
        shownAgain = restAndShow();
    };
    ASSERT_TRUE(DropDown(CMD_UNDO, 0));
    ASSERT_EQ(OpenList::items.size(), 2u);
    EXPECT_FALSE(shownAtOpen);
    EXPECT_FALSE(shownAgain);
    // With the list gone the tip shows again.
    EXPECT_TRUE(restAndShow());
}

}  // namespace
}  // namespace corvinata
