#include "frame/window_manager_list.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/app_fakes.h"

#include <new>
#include <string>

#include "frame/frame_panes.h"
#include "resources/resource_ids.h"

namespace corvinata {
namespace {

using test::KindDocument;

// A child window with a real window handle whose title the list shows.
class TitledWindow final : public RegisteredWindow {
public:
    TitledWindow(WindowDocument& document, const wchar_t* title)
        : document_(document),
          handle_(CreateWindowExW(0, L"STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~TitledWindow() override { DestroyWindow(handle_); }
    const void* WindowHandle() const override { return handle_; }
    WindowDocument& Document() const override { return document_; }
    HWND Handle() const { return handle_; }

private:
    WindowDocument& document_;
    HWND handle_;
};

class WindowManagerListTest : public ::testing::Test {
protected:
    WindowManagerListTest() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        pane = CreateWindowManagerPane(parent, GetModuleHandleW(nullptr));
        list = GetDlgItem(pane, IDC_PANE_LIST);
        registry.AddDocument(sky);
        registry.AddDocument(graph);
    }
    ~WindowManagerListTest() override { DestroyWindow(parent); }

    std::wstring Cell(int row, int column) {
        wchar_t text[100] = {};
        ListView_GetItemText(list, row, column, text, 100);
        return text;
    }

    NotificationHub hub;
    KindDocument sky{hub, kSkyWindow};
    KindDocument graph{hub, kGraphWindow};
    ChildWindowRegistry registry;
    HWND parent, pane, list;
};

TEST_F(WindowManagerListTest, RowsFollowTheOpenWindowsAndTheActiveOneIsSelected) {
    TitledWindow first(sky, L"Sky: London");
    TitledWindow second(graph, L"Graph: Mars");
    registry.AddWindow(first);
    registry.AddWindow(second);
    UpdateWindowManagerList(pane, registry, second.Handle());
    ASSERT_EQ(ListView_GetItemCount(list), 2);  // in kind order: graphs first
    EXPECT_EQ(Cell(0, 0), L"Graph");
    EXPECT_EQ(Cell(0, 1), L"Graph: Mars");
    EXPECT_EQ(Cell(1, 0), L"Sky");
    EXPECT_EQ(Cell(1, 1), L"Sky: London");
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(pane, IDC_PANE_CLOSE)));

    registry.RemoveWindow(first);
    registry.RemoveWindow(second);
    UpdateWindowManagerList(pane, registry, nullptr);
    EXPECT_EQ(ListView_GetItemCount(list), 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(pane, IDC_PANE_DUPLICATE)));
}

TEST_F(WindowManagerListTest, WindowMadeAtAClosedWindowsAddressGetsARowOfItsOwn) {
    alignas(TitledWindow) unsigned char slot[sizeof(TitledWindow)];
    auto* closing = new (slot) TitledWindow(sky, L"Sky: London");
    registry.AddWindow(*closing);
    UpdateWindowManagerList(pane, registry, nullptr);
    registry.RemoveWindow(*closing);
    RemoveWindowManagerRow(pane, *closing);
    closing->~TitledWindow();
    auto* opened = new (slot) TitledWindow(graph, L"Graph: Venus");  // the same address
    registry.AddWindow(*opened);
    UpdateWindowManagerList(pane, registry, nullptr);
    ASSERT_EQ(ListView_GetItemCount(list), 1);
    EXPECT_EQ(Cell(0, 0), L"Graph");
    EXPECT_EQ(Cell(0, 1), L"Graph: Venus");
    registry.RemoveWindow(*opened);
    opened->~TitledWindow();
}

// Whether the list shows a horizontal scroll bar.
bool ScrollsSideways(HWND list) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    const bool any = GetScrollInfo(list, SB_HORZ, &info) && info.nMax > 0 && static_cast<int>(info.nPage) <= info.nMax;
    return (GetWindowLongPtrW(list, GWL_STYLE) & WS_HSCROLL) != 0 || any;
}

// At the width of the frame's right column (its 204 pixels at the start,
// narrower or wider as the panes beside it make it), the list's columns
// fit its width: empty or with rows, it never scrolls sideways.
TEST_F(WindowManagerListTest, TheColumnsFitThePanesWidth) {
    TitledWindow first(sky, L"Sky: London");
    for (int width : {204, 160, 320}) {
        SetWindowPos(pane, nullptr, 0, 0, width, 300, SWP_NOZORDER | SWP_NOMOVE);
        UpdateWindowManagerList(pane, registry, nullptr);
        EXPECT_FALSE(ScrollsSideways(list)) << width << " empty";
        registry.AddWindow(first);
        UpdateWindowManagerList(pane, registry, nullptr);
        EXPECT_FALSE(ScrollsSideways(list)) << width << " with a row";
        registry.RemoveWindow(first);
        RemoveWindowManagerRow(pane, first);
    }
}

}  // namespace
}  // namespace corvinata
