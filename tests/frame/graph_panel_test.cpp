// The Graph control panel as the program makes it at start-up, attached to
// the active Graph window: rows follow the graph, selecting a row is one
// undoable step, a double click edits the line, the arrows move the guide
// line, the mouse over the display shows its moment, and the time area
// opens Graph Options on its page.
#include "frame/graph_panel.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/night_colours.h"
#include "frame/program_fonts.h"
#include "frame/time_appearance_dialogs.h"
#include "frame/window_kinds.h"
#include "frame_test.h"
#include "modal_driver.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "support/test_text.h"
#include "views/graph_options_dialog_win.h"
#include "views/graph_window_win.h"

namespace corvinata::test {
namespace {

class GraphPanelWindowTest : public FrameTest {
protected:
    GraphPanelWindowTest() {
        static ScopedCatalogues catalogues;
        EXPECT_TRUE(catalogues.Created());
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
        window->linesDialog.editLine = [this](HWND, const String& title, GraphLine& line, bool, bool& changed) {
            titles.push_back(Utf8(title));
            line.name = String(TXT("Edited"));
            changed = false;
            return true;
        };
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
    }
    ~GraphPanelWindowTest() override {
        if (window) window->Graph().History().MarkSaved();  // closing asks nothing
        Command(CMD_CLOSE_ALL);
        frame_.reset();
    }
    void SetUp() override {
        ASSERT_NE(window, nullptr);
        ASSERT_NE(panel, nullptr);
        ASSERT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(window));
        panel->ControlPanelUpdate(nullptr);
    }
    HWND Item(int id) const { return GetDlgItem(panel->GetDialogWindow(), id); }
    std::string Text(int id) const {
        wchar_t text[200] = {};
        GetDlgItemTextW(panel->GetDialogWindow(), id, text, 200);
        return Utf8(text);
    }
    std::string Cell(int row, int column) const {
        wchar_t text[200] = {};
        ListView_GetItemText(Item(kGraphLinesItem), row, column, text, 200);
        return Utf8(text);
    }
    int SelectedRow() const {
        return static_cast<int>(
            SendMessageW(Item(kGraphLinesItem), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // The arrows are the program's bitmap buttons: a press and a release on them.
    void Press(int id) const {
        SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    int Undoable() const { return window->Graph().History().UndoableCount(); }

    std::unique_ptr<ProgramFonts> fonts_;
    GraphWindow* window = nullptr;
    GraphControlPanel* panel = nullptr;
    std::vector<std::string> titles;
};

TEST_F(GraphPanelWindowTest, RowsFollowTheGraphAndSelectingARowIsOneStep) {
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
    EXPECT_EQ(Undoable(), before);

    // A double click edits the line of the row: the line dialog's answer is
    // one step, and the panel shows the new name.
    NMITEMACTIVATE click{};
    click.hdr = {Item(kGraphLinesItem), static_cast<UINT_PTR>(kGraphLinesItem), static_cast<UINT>(NM_DBLCLK)};
    click.iItem = 1;
    SendMessageW(panel->GetDialogWindow(), WM_NOTIFY, kGraphLinesItem, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(titles, std::vector<std::string>{"Edit Graph Line 'C'"});
    EXPECT_EQ(Utf8(window->Graph().GetGraphLine(2)->name), "Edited");
    EXPECT_EQ(Cell(1, 1), "Edited");
    EXPECT_EQ(Undoable(), before + 1);
}

TEST_F(GraphPanelWindowTest, ArrowsMoveTheGuideLineAndTheMouseShowsItsMoment) {
    window->SetGuideLine(1);
    panel->RefreshReadouts();  // as the panel's paint does
    EXPECT_TRUE(IsWindowEnabled(Item(kFirstPairTowardZeroItem)));
    Press(kFirstPairTowardZeroItem);
    EXPECT_EQ(window->GuideLinePosition(), 0);
    panel->RefreshReadouts();
    EXPECT_FALSE(IsWindowEnabled(Item(kFirstPairTowardZeroItem)));
    EXPECT_TRUE(IsWindowEnabled(Item(kFirstPairAwayItem)));
    EXPECT_FALSE(IsWindowEnabled(Item(kSecondPairAwayItem)));
    Press(kFirstPairAwayItem);
    EXPECT_EQ(window->GuideLinePosition(), 1);
    panel->RefreshReadouts();
    EXPECT_EQ(Text(kGraphDaylightItem), "Off");
    const DateTime guide = window->Graph().StepToDate(1, window->Graph().Options().xAxisTimeSystem);
    EXPECT_EQ(Text(kGuideLineItem), Utf8(FormatGraphMoment(&guide)));

    // The mouse over the display: the moment of its step, "--" when it leaves.
    SendMessageW(window->DisplayWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(0, 5));
    const int step = window->DisplayScales().timeReversed ? 365 : 0;
    const DateTime moment = window->Graph().StepToDate(step, window->Graph().Options().xAxisTimeSystem);
    EXPECT_EQ(Text(kMousePositionItem), Utf8(FormatGraphMoment(&moment)));
    SendMessageW(window->DisplayWindow(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Text(kMousePositionItem), "--");
}

TEST_F(GraphPanelWindowTest, ADoubleClickOnTheTimeOrLocationAreaOpensItsPage) {
    const struct Row {
        int area;
        int tab;
    } rows[] = {{kGraphTimeAreaItem, kGraphTimeTab}, {kGraphLocationAreaItem, kGraphLocationTab}};
    for (const Row& row : rows) {
        int opened = -1;
        ModalDriver::Run(
            [&opened](ModalDriver& driver, HWND first) {
                opened = GraphOptionsCurrentTab();
                HWND dialog = GetParent(first);
                PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
                driver.Pump();
            },
            [&] {
                return SendMessageW(panel->GetDialogWindow(), WM_COMMAND, MAKEWPARAM(row.area, STN_DBLCLK),
                                    reinterpret_cast<LPARAM>(Item(row.area)));
            });
        EXPECT_EQ(opened, row.tab);
    }
}

TEST_F(GraphPanelWindowTest, ThePanelFollowsTheActiveGraphWindow) {
    Command(CMD_NEW_GRAPH);
    auto* second = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, window);
    EXPECT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(second));
    EXPECT_EQ(SendMessageW(Item(kGraphLinesItem), LVM_GETITEMCOUNT, 0, 0), 0);
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    EXPECT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(window));
    EXPECT_EQ(SendMessageW(Item(kGraphLinesItem), LVM_GETITEMCOUNT, 0, 0), 2);
}

}  // namespace
}  // namespace corvinata::test

namespace corvinata::test {
namespace {

// Night vision switched on in the Appearance dialog: the plot, its lines
// and its axes take the program's night shades, reds only.
TEST_F(GraphPanelWindowTest, AtNightThePlotAndItsAxesTakeTheNightShades) {
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
    EXPECT_EQ(GetPixel(dc, client.right - 2, 1), ProgramColour(COLOR_BTNFACE));
    // Every pixel of the plot is a red shade: the curves, the grids, the guide.
    int notRed = 0;
    int seen = 0;
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
    EXPECT_EQ(GetPixel(axis, 1, 1), ProgramColour(COLOR_BTNFACE));
    ReleaseDC(window->XAxisWindow(), axis);
}

}  // namespace
}  // namespace corvinata::test
