// Child windows in the real frame, through a kind made for the test.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/app_fakes.h"

#include <memory>
#include <string>
#include <vector>

#include "frame/window_manager_list.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "typed_keys.h"

namespace corvinata {
namespace {

using test::KindDocument;

constexpr const wchar_t* kTestChildClass = L"CorvinataTestChild";

class TestChild final : public MdiChildWindow {
public:
    TestChild(ChildWindowHost& host, WindowDocument& document, const wchar_t* text)
        : MdiChildWindow(host, document), text_(text) {}
    String GetStatusText() const override { return String(text_); }
    bool CanClose() override { return closable; }
    void OnMouseWheelSteps(int steps, bool backward) override { wheel.push_back(backward ? -steps : steps); }
    void Retitle(const wchar_t* text) {
        text_ = text;
        SetChildTitle();
    }

    bool closable = true;
    std::vector<int> wheel;

private:
    const wchar_t* text_;
};

class ChildWindowsTest : public test::FrameTest {
protected:
    ChildWindowsTest() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = MdiChildWindow::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kTestChildClass;
        RegisterClassW(&wc);
        Start();
    }
    ~ChildWindowsTest() override {
        windows.clear();
        frame_.reset();  // before the documents its windows showed
        UnregisterClassW(kTestChildClass, GetModuleHandleW(nullptr));
    }

    TestChild& Open(WindowDocument& document, const wchar_t* text) {
        windows.push_back(std::make_unique<TestChild>(*frame_, document, text));
        EXPECT_TRUE(windows.back()->Create(kTestChildClass, GetModuleHandleW(nullptr),
                                           WindowGeometry{kGeometryAll, 10, 10, 300, 200, false, false},
                                           ChildShowMode::LikeActiveChild));
        return *windows.back();
    }
    bool Grayed(int id) const { return (MenuState(id) & MF_GRAYED) != 0; }
    HWND Active() { return reinterpret_cast<HWND>(SendMessageW(frame_->MdiClient(), WM_MDIGETACTIVE, 0, 0)); }
    int ManagerRows() {
        return static_cast<int>(SendDlgItemMessageW(frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST,
                                                    LVM_GETITEMCOUNT, 0, 0));
    }

    NotificationHub hub;
    KindDocument sky{hub, kSkyWindow};
    KindDocument graph{hub, kGraphWindow};
    std::vector<std::unique_ptr<TestChild>> windows;
};

TEST_F(ChildWindowsTest, FirstWindowEnablesTheWindowCommandsAndBringsTheControlPanel) {
    ASSERT_TRUE(Grayed(CMD_CLOSE_ALL));
    TestChild& first = Open(sky, L"London");
    wchar_t caption[64] = {};
    GetWindowTextW(first.Handle(), caption, 64);
    EXPECT_STREQ(caption, L"Sky: London");
    for (int id : {CMD_CASCADE, CMD_TILE_HORIZONTALLY, CMD_CLOSE_WINDOW, CMD_CLOSE_ALL, CMD_VIEW_CONTROL_PANEL}) {
        EXPECT_FALSE(Grayed(id)) << id;
    }
    EXPECT_TRUE(frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL));
    EXPECT_EQ(ManagerRows(), 1);
    EXPECT_EQ(frame_->Registry().NumberOf(first), 0);
}

TEST_F(ChildWindowsTest, CloseAllClosesEveryWindowAndTheLastTakesThePanelAlong) {
    Open(sky, L"London");
    Open(graph, L"Mars");
    Command(CMD_CLOSE_ALL);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_TRUE(frame_->Registry().AllWindows().empty());
    EXPECT_FALSE(frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL));
    EXPECT_TRUE(Grayed(CMD_CLOSE_ALL));
    EXPECT_TRUE(Grayed(CMD_VIEW_CONTROL_PANEL));
    EXPECT_EQ(ManagerRows(), 0);
    // The wish survives: the next window brings the panel back.
    Open(sky, L"Paris");
    EXPECT_TRUE(frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL));
}

TEST_F(ChildWindowsTest, CloseAllStopsAtAWindowThatRefuses) {
    TestChild& stubborn = Open(graph, L"Unsaved");
    Open(sky, L"London");
    stubborn.closable = false;
    Command(CMD_CLOSE_ALL);  // closes London, then meets the refusal
    EXPECT_EQ(Active(), stubborn.Handle());
    EXPECT_EQ(frame_->Registry().AllWindows().size(), 1u);
}

TEST_F(ChildWindowsTest, NavigateBackwardReturnsToThePreviousWindow) {
    TestChild& first = Open(sky, L"London");
    TestChild& second = Open(graph, L"Mars");
    EXPECT_EQ(Active(), second.Handle());
    ASSERT_FALSE(Grayed(CMD_NAVIGATE_BACKWARD));
    Command(CMD_NAVIGATE_BACKWARD);
    EXPECT_EQ(Active(), first.Handle());
    EXPECT_FALSE(Grayed(CMD_NAVIGATE_FORWARD));
    // Closing the window the history leads to takes its steps out.
    SendMessageW(second.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(Grayed(CMD_NAVIGATE_FORWARD));
    EXPECT_TRUE(Grayed(CMD_NAVIGATE_BACKWARD));
}

TEST_F(ChildWindowsTest, WheelNotchesReachTheWindowWhole) {
    TestChild& window = Open(sky, L"London");
    for (int delta : {240, -120, 60}) SendMessageW(window.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
    EXPECT_EQ(window.wheel, (std::vector<int>{2, -1, 0}));
}

TEST_F(ChildWindowsTest, GeometryComesBackRestoredThenMaximized) {
    TestChild& window = Open(sky, L"London");
    ApplyGeometry(WindowGeometry{kGeometryAll, 20, 30, 250, 150, true, true}, window.Handle());
    EXPECT_TRUE(IsZoomed(window.Handle()));
    WindowGeometry captured;
    CaptureGeometry(window.Handle(), captured);
    EXPECT_TRUE(captured.maximized);
    EXPECT_EQ(captured.left, 20);
    EXPECT_EQ(captured.width, 250);
    // A new window opened while the active one is maximized opens maximized.
    TestChild& next = Open(graph, L"Mars");
    EXPECT_TRUE(IsZoomed(next.Handle()));
}

// ---- the Window Manager's buttons ----------------------------------------

class WindowManagerButtonsTest : public ChildWindowsTest {
public:
    WindowManagerButtonsTest() {
        ShowWindow(frame_->Window(), SW_SHOWNORMAL);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER);
        if (!frame_->IsPaneShown(CMD_VIEW_WINDOW_MANAGER)) Command(CMD_VIEW_WINDOW_MANAGER);
        SetForegroundWindow(frame_->Window());
        first = &Open(sky, L"London");
        second = &Open(graph, L"Mars");
        Typed().RunLoop();
    }
    using ChildWindowsTest::Open;
    using ChildWindowsTest::sky;
    using test::FrameTest::Command;
    test::TypedKeys Typed() const { return test::TypedKeys(*frame_, modeless_); }
    HWND Pane() const { return frame_->PaneWindow(CMD_VIEW_WINDOW_MANAGER); }
    HWND List() const { return GetDlgItem(Pane(), IDC_PANE_LIST); }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(Pane(), id)) != FALSE; }
    bool RowSelected() const { return SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) >= 0; }
    // A click of the mouse on the list, at a row or below the last one.
    void ClickList(int row) {
        const int count = static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
        RECT item{};
        item.left = LVIR_BOUNDS;
        SendMessageW(List(), LVM_GETITEMRECT, static_cast<WPARAM>(row < 0 ? count - 1 : row),
                     reinterpret_cast<LPARAM>(&item));
        const int y = row < 0 ? item.bottom + 12 : (item.top + item.bottom) / 2;
        RECT client{};
        GetClientRect(List(), &client);
        ASSERT_LT(y, client.bottom);
        Typed().Click(List(), POINT{item.left + 10, y});
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    }

    TestChild* first = nullptr;
    TestChild* second = nullptr;  // the active one
};

struct SelectionCase {
    const char* name;
    std::function<void(WindowManagerButtonsTest&)> act;
    bool selected;  // a row is selected afterwards
};

const SelectionCase kSelectionCases[] = {
    {"AClickOnAnotherRow",
     [](WindowManagerButtonsTest& t) {
         t.ClickList(SendMessageW(t.List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0 ? 1 : 0);
     },
     true},
    {"AClickBelowTheRows", [](WindowManagerButtonsTest& t) { t.ClickList(-1); }, false},
    {"AClickBelowTheRowsThenTheOtherWindowClosed",
     [](WindowManagerButtonsTest& t) {
         t.ClickList(-1);
         SendMessageW(t.first->Handle(), WM_CLOSE, 0, 0);
     },
     false},
    // The list filled again selects the active window's row.
    {"AClickBelowTheRowsThenATitleChanged",
     [](WindowManagerButtonsTest& t) {
         t.ClickList(-1);
         t.second->Retitle(L"Venus");
     },
     true},
    {"AClickBelowTheRowsThenANewWindow",
     [](WindowManagerButtonsTest& t) {
         t.ClickList(-1);
         t.Open(t.sky, L"Paris");
     },
     true},
    {"TheActiveWindowClosed", [](WindowManagerButtonsTest& t) { SendMessageW(t.second->Handle(), WM_CLOSE, 0, 0); },
     true},
    {"EveryWindowClosed", [](WindowManagerButtonsTest& t) { t.Command(CMD_CLOSE_ALL); }, false},
};

class WindowManagerSelectionTest : public WindowManagerButtonsTest,
                                   public ::testing::WithParamInterface<SelectionCase> {};

// "Close" and "Duplicate" act on the selected row's window: they are
// enabled exactly while a row is selected, whatever changed the list.
TEST_P(WindowManagerSelectionTest, TheButtonsFollowTheSelection) {
    const SelectionCase& c = GetParam();
    ASSERT_TRUE(RowSelected());
    ASSERT_TRUE(Enabled(IDC_PANE_CLOSE));
    c.act(*this);
    Typed().RunLoop();
    EXPECT_EQ(RowSelected(), c.selected);
    EXPECT_EQ(Enabled(IDC_PANE_CLOSE), c.selected);
    EXPECT_EQ(Enabled(IDC_PANE_DUPLICATE), c.selected);
}

INSTANTIATE_TEST_SUITE_P(EveryChange, WindowManagerSelectionTest, ::testing::ValuesIn(kSelectionCases),
                         [](const ::testing::TestParamInfo<SelectionCase>& info) { return info.param.name; });

// Filled again, the list offers Close and Duplicate exactly while it has
// rows, a row selected or not (here with no active window to select, as
// when a new window is active before it is listed); the selection's own
// changes set them by the selection.
TEST_F(WindowManagerButtonsTest, ARefillOffersTheButtonsExactlyWhileTheListHasRows) {
    ClickList(-1);
    Typed().RunLoop();
    ASSERT_FALSE(RowSelected());
    ASSERT_FALSE(Enabled(IDC_PANE_CLOSE));
    const struct {
        const char* what;
        bool closeAll;
    } refills[] = {{"two rows, none selected", false}, {"no rows", true}};
    for (const auto& refill : refills) {
        if (refill.closeAll) Command(CMD_CLOSE_ALL);
        UpdateWindowManagerList(Pane(), frame_->Registry(), nullptr);
        const bool rows = SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0) > 0;
        EXPECT_EQ(rows, !refill.closeAll) << refill.what;
        EXPECT_FALSE(RowSelected()) << refill.what;
        EXPECT_EQ(Enabled(IDC_PANE_CLOSE), rows) << refill.what;
        EXPECT_EQ(Enabled(IDC_PANE_DUPLICATE), rows) << refill.what;
    }
}

}  // namespace
}  // namespace corvinata
