#include "controls/dialog_placement.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "controls/dialog_template.h"
#include "resources/resource_ids.h"

namespace corvinata {
namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

constexpr int kTabs = 20999;

class DialogPlacementTest : public ::testing::Test {
protected:
    DialogPlacementTest() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        dialog = CreateDialogParamW(GetModuleHandleW(nullptr), L"Dlg_Welcome", nullptr, PlainDialog, 0);
        HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD, 0, 0, 100, 30, dialog,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabs)), GetModuleHandleW(nullptr),
                                    nullptr);
        for (int i = 0; i < 3; ++i) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(L"Page");
            TabCtrl_InsertItem(tabs, i, &item);
        }
        state.MapValue(TXT("Current tab"), kTabs);
    }
    ~DialogPlacementTest() override { DestroyWindow(dialog); }

    RECT Rect() const {
        RECT r{};
        GetWindowRect(dialog, &r);
        return r;
    }

    HWND dialog;
    DialogState state;
};

TEST_F(DialogPlacementTest, OpensWhereItWasLeftAndRemembersTheNewPlace) {
    state.placement.left = 500;
    state.placement.top = 300;
    LoadDialogGeometry(dialog, state);
    EXPECT_EQ(state.GetWindow(), dialog);
    EXPECT_EQ(Rect().left, 500);
    EXPECT_EQ(Rect().top, 300);
    SetWindowPos(dialog, nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SaveDialogGeometry(dialog, state);
    EXPECT_EQ(state.placement.left, 120);
    EXPECT_EQ(state.placement.top, 80);
}

TEST_F(DialogPlacementTest, PlaceOffTheScreenIsBroughtBackOntoIt) {
    state.placement.left = 9000;
    state.placement.top = -700;
    LoadDialogGeometry(dialog, state);
    const RECT r = Rect();
    EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(r.top, 0);
}

TEST_F(DialogPlacementTest, TabIsExchangedThroughItsMappedControl) {
    int tab = -1;
    EXPECT_TRUE(SetDialogPlacementValue(dialog, state, TXT("Current tab"), 2));
    EXPECT_TRUE(GetDialogPlacementValue(dialog, state, TXT("Current tab"), tab));
    EXPECT_EQ(tab, 2);
    EXPECT_FALSE(SetDialogPlacementValue(dialog, state, TXT("Current tab"), 7));
    EXPECT_FALSE(SetDialogPlacementValue(dialog, state, TXT("Width"), 10));
    DialogState unmapped;
    EXPECT_FALSE(GetDialogPlacementValue(dialog, unmapped, TXT("Current tab"), tab));
}

// A placed dialog that hands everything to AnswerPlacedDialog: it moves
// itself and presses Cancel as soon as it opens.
WindowGeometry g_cancelledPlace;

INT_PTR CALLBACK CancelledAtOnce(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowPos(dialog, nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::Contents, &g_cancelledPlace);
}

TEST(PlacedDialogTest, CancelEndsWithNoAndThePlaceIsKeptAsItGoes) {
    g_cancelledPlace = WindowGeometry{};
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), L"Dlg_Welcome", nullptr, CancelledAtOnce, 0), 0);
    EXPECT_TRUE(g_cancelledPlace.fieldMask & kGeometryPosition);
    EXPECT_EQ(g_cancelledPlace.left, 140);
    EXPECT_EQ(g_cancelledPlace.top, 90);
}

TEST(PlacedDialogTest, OtherCommandsAndMessagesAreLeftToTheDialog) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), L"Dlg_Welcome", nullptr, PlainDialog, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(AnswerPlacedDialog(dialog, WM_COMMAND, IDOK, HelpPage::Contents, nullptr), FALSE);
    EXPECT_EQ(AnswerPlacedDialog(dialog, WM_SIZE, 0, HelpPage::Contents, nullptr), FALSE);
    // No place to keep: the dialog goes without one.
    EXPECT_EQ(AnswerPlacedDialog(dialog, WM_DESTROY, 0, HelpPage::Contents, nullptr), FALSE);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace corvinata
