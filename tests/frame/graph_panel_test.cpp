#include "frame/graph_panel.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "panel_fakes.h"
#include "support/app_fakes.h"
#include "support/graph_panel_fake.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

class TestGraphWindow final : public GraphPanelWindow, public GraphEditing {
public:
    explicit TestGraphWindow(GraphDocument& document) : source(document) {}
    HWND GetWindowHandle() const override { return nullptr; }
    void WheelZoom(int) override {}
    GraphWindowCommands& GetCommands() override { return source.GetCommands(); }
    GraphPanelLine LineAt(int i) const override { return source.LineAt(i); }
    String FormatValueAt(int i, int step) const override { return source.FormatValueAt(i, step); }
    int GuideLineStep() const override { return source.GuideLineStep(); }
    void SetGuideLineStep(int step) override { source.SetGuideLineStep(step); }
    DateTime StepToDate(int step, std::int32_t system) const override {
        return source.StepToDate(step, system);
    }
    bool FirstOrientation() const override { return source.FirstOrientation(); }
    bool SecondOrientation() const override { return source.SecondOrientation(); }
    int DrawGuideLine() override { return source.DrawGuideLine(); }
    int DisplayExtent() const override { return source.DisplayExtent(); }
    void EditGraphLine(GraphPanelWindow&, int line) override { edited = line; }
    void ShowGraphOptionsTime(GraphPanelWindow&) override {}
    void ShowGraphOptionsLocation(GraphPanelWindow&) override {}
    test::FakeGraphPanelSource source;
    int edited = -1;
};

class GraphPanelWindowTest : public ::testing::Test {
protected:
    GraphPanelWindowTest() {
        created = test::CreatePanelDialog(
            panel, {
                       {L"STATIC", kMousePositionItem, 0, 0, 0, 100, 10},
                       {L"STATIC", kGuideLineItem, 0, 0, 10, 100, 10},
                       {L"BUTTON", kFirstPairTowardZeroItem, 0, 0, 20, 20, 12},
                       {L"BUTTON", kFirstPairAwayItem, 0, 25, 20, 20, 12},
                       {L"BUTTON", kSecondPairTowardZeroItem, 0, 50, 20, 20, 12},
                       {L"BUTTON", kSecondPairAwayItem, 0, 75, 20, 20, 12},
                       {WC_LISTVIEWW, kGraphLinesItem, LVS_REPORT | LVS_SHOWSELALWAYS, 0, 40, 200, 80},
                       {L"STATIC", kGraphDaylightItem, 0, 0, 125, 50, 10},
                   });
        window.source.AddLines(3);
        window.source.lines[1].shownInPanel = false;
        window.source.lines[2].visible = false;
        document.SetSelectedLine(2);
    }
    void SetUp() override { ASSERT_TRUE(created); }
    HWND Item(int id) const { return GetDlgItem(panel.GetDialogWindow(), id); }
    std::string Cell(int row, int column) const { return test::ListCell(Item(kGraphLinesItem), row, column); }
    int SelectedRow() const {
        return static_cast<int>(
            SendMessageW(Item(kGraphLinesItem), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    NotificationHub hub;
    test::FakeScriptErrors errors;
    GraphActions actions{CommandContext{hub, errors}};
    test::FakePanelServices services;
    test::TestGraph graph{hub};
    GraphDocument& document = graph.document;
    TestGraphWindow window{document};
    GraphControlPanel panel{services, actions, window};
    bool created = false;
};

TEST_F(GraphPanelWindowTest, RowsFollowTheDocumentAndSelectingARowIsOneStep) {
    panel.ControlPanelAttach(&window);
    ASSERT_EQ(SendMessageW(Item(kGraphLinesItem), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(Cell(0, 1), "A");
    EXPECT_EQ(Cell(1, 2), "Hidden");
    EXPECT_EQ(SelectedRow(), 1);  // mirrored from the document
    EXPECT_EQ(document.History().UndoableCount(), 0);

    test::SelectListRow(Item(kGraphLinesItem), 0);
    EXPECT_EQ(document.SelectedLine(), 0);
    EXPECT_EQ(document.History().UndoableCount(), 1);
    document.History().UndoCommands(1);
    panel.ControlPanelUpdate(nullptr);
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(document.History().UndoableCount(), 0);

    NMITEMACTIVATE click{};
    click.hdr = {Item(kGraphLinesItem), static_cast<UINT_PTR>(kGraphLinesItem), static_cast<UINT>(NM_DBLCLK)};
    click.iItem = 1;
    SendMessageW(panel.GetDialogWindow(), WM_NOTIFY, kGraphLinesItem, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(window.edited, 2);
}

TEST_F(GraphPanelWindowTest, ArrowsMoveTheGuideLineAndGreyOutAtItsEnds) {
    panel.ControlPanelAttach(&window);
    window.source.step = 1;
    SendMessageW(Item(kFirstPairTowardZeroItem), BM_CLICK, 0, 0);
    EXPECT_EQ(window.source.step, 0);
    panel.RefreshReadouts();
    EXPECT_FALSE(IsWindowEnabled(Item(kFirstPairTowardZeroItem)));
    EXPECT_TRUE(IsWindowEnabled(Item(kFirstPairAwayItem)));
    EXPECT_FALSE(IsWindowVisible(Item(kSecondPairAwayItem)) && IsWindowEnabled(Item(kSecondPairAwayItem)));
    EXPECT_EQ(test::DialogItemText(panel.GetDialogWindow(), kGraphDaylightItem), "Off");
    panel.ShowGraphMousePosition(nullptr);
    EXPECT_EQ(test::DialogItemText(panel.GetDialogWindow(), kMousePositionItem), "--");
}

}  // namespace
}  // namespace corvinata
