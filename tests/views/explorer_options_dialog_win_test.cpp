// The Jupiter and Saturn Explorer Options dialogs under Wine, driven inside
// their own modal loops: the explanation follows the swap boxes, OK records
// a change as one step and nothing else, Cancel and Escape change nothing.
#include "views/explorer_options_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../frame/modal_driver.h"
#include "support/app_fakes.h"
#include "views/explorer_panel_texts.h"

namespace corvinata {
namespace {

using test::ModalDriver;

std::wstring Text(HWND window) {
    wchar_t text[400] = {};
    GetWindowTextW(window, text, 400);
    return text;
}

class ExplorerOptionsTest : public ::testing::Test {
protected:
    bool Run(ExplorerView& view, const ModalDriver::Steps& steps) {
        const int before = view.GetCommandHistory().UndoableCount();
        ExplorerActions& actions = &view == &saturn_ ? saturnActions_ : jupiterActions_;
        ModalDriver::Run(steps, [&] {
            ChangeExplorerOptions(actions, view, placement_, nullptr, GetModuleHandleW(nullptr));
            return 0;
        });
        return view.GetCommandHistory().UndoableCount() != before;
    }

    NotificationHub hub_;
    test::FakeCurrentTime now_;
    test::FakeScriptErrors errors_;
    JupiterExplorerDocument jupiterDocument_{hub_, now_};
    SaturnExplorerDocument saturnDocument_{hub_, now_};
    ExplorerView jupiter_{JupiterExplorerTraits(), jupiterDocument_};
    ExplorerView saturn_{SaturnExplorerTraits(), saturnDocument_};
    ExplorerActions jupiterActions_{CommandContext{hub_, errors_}, JupiterExplorerTraits()};
    ExplorerActions saturnActions_{CommandContext{hub_, errors_}, SaturnExplorerTraits()};
    WindowGeometry placement_{};
};

// Each swap box changes the explanation at once; clicked back, the options
// are as they were and OK records nothing.
TEST_F(ExplorerOptionsTest, TheExplanationFollowsTheSwapBoxesAtOnce) {
    saturn_.SetDisplayOptions(ExplorerDisplayOptions{1, 1, 0, 1});
    EXPECT_FALSE(Run(saturn_, [](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(Text(dialog), L"Saturn Explorer Options");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 20754)));
        HWND explanation = GetDlgItem(dialog, kExplorerOptionExplanation);
        EXPECT_EQ(Text(explanation), ExplorerOrientationText(false, true));
        const int northSouth = kExplorerOptionSwapNorthSouthBox, eastWest = kExplorerOptionSwapEastWestBox;
        const struct {
            int box;
            bool northSouth, eastWest;
        } clicks[] = {{northSouth, true, true}, {eastWest, true, false}, {northSouth, false, false}, {eastWest, false, true}};
        for (const auto& click : clicks) {
            d.Click(click.box);
            EXPECT_EQ(Text(explanation), ExplorerOrientationText(click.northSouth, click.eastWest)) << click.box;
        }
        d.Click(IDOK);
    }));
}

TEST_F(ExplorerOptionsTest, OkRecordsAChangeAsOneStepAndNothingElseChangesAnything) {
    const struct {
        const char* what;
        int box;        // 0: none
        UINT state;     // what the box is set to
        int closeWith;  // IDOK, IDCANCEL, or VK_ESCAPE
        bool recorded;
        ExplorerDisplayOptions after;
    } cases[] = {
        {"OK unchanged", 0, 0, IDOK, false, {1, 1, 0, 0}},
        {"names off, OK", kExplorerOptionNamesBox, BST_UNCHECKED, IDOK, true, {1, 0, 0, 0}},
        {"north-south on, OK", kExplorerOptionSwapNorthSouthBox, BST_CHECKED, IDOK, true, {1, 1, 1, 0}},
        {"orbits off, Cancel", kExplorerOptionOrbitsBox, BST_UNCHECKED, IDCANCEL, false, {1, 1, 0, 0}},
        {"east-west on, Escape", kExplorerOptionSwapEastWestBox, BST_CHECKED, VK_ESCAPE, false, {1, 1, 0, 0}},
    };
    for (const auto& c : cases) {
        ExplorerView view(JupiterExplorerTraits(), jupiterDocument_);
        const bool recorded = Run(view, [&c](ModalDriver& d, HWND dialog) {
            EXPECT_EQ(Text(dialog), L"Jupiter Explorer Options");
            if (c.box != 0) CheckDlgButton(dialog, c.box, c.state);
            if (c.closeWith == VK_ESCAPE) {
                d.Focus(kExplorerOptionNamesBox);
                d.Key(VK_ESCAPE);
            } else {
                d.Click(c.closeWith);
            }
        });
        EXPECT_EQ(recorded, c.recorded) << c.what;
        EXPECT_TRUE(view.GetDisplayOptions() == c.after) << c.what;
        if (!recorded) continue;
        EXPECT_EQ(view.GetCommandHistory().UndoableCount(), 1) << c.what;
        EXPECT_EQ(std::wstring(view.GetCommandHistory().PeekUndoCommand()->GetText(true).Text()),
                  L"Change Planet Explorer Options");
        view.GetCommandHistory().UndoCommands(1);
        EXPECT_TRUE(view.GetDisplayOptions() == ExplorerDisplayOptions{}) << c.what;
    }
}

TEST_F(ExplorerOptionsTest, TheDialogOpensWhereItWasLeft) {
    Run(jupiter_, [](ModalDriver& d, HWND dialog) {
        SetWindowPos(dialog, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        d.Click(IDCANCEL);
    });
    RECT opened{};
    Run(saturn_, [&opened](ModalDriver& d, HWND dialog) {
        GetWindowRect(dialog, &opened);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(opened.left, 123);
    EXPECT_EQ(opened.top, 45);
}

}  // namespace
}  // namespace corvinata
