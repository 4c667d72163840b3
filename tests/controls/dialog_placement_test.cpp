#include "controls/dialog_placement.h"

#include <commctrl.h>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvinata
