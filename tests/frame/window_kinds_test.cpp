// Opening, showing and cycling child windows in the real frame, through two
// kinds made for the test: a shared-document kind with a control panel (as
// Sky) and a kind with a document per window (as Picture).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "frame_test.h"
#include "controls/panel_dialogs.h"
#include "resources/resource_ids.h"
#include "support/app_fakes.h"

namespace corvinata {
namespace {

using test::KindDocument;

constexpr const wchar_t* kKindClass = L"CorvinataTestKindChild";

class KindChild final : public MdiChildWindow, public PanelWindow {
public:
    using MdiChildWindow::MdiChildWindow;
    String GetStatusText() const override { return String(L"view"); }
    void OnMouseWheelSteps(int steps, bool backward) override { zooms.push_back(backward ? -steps : steps); }
    PanelWindow* AsPanelWindow() override { return this; }
    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int) override {}
    std::vector<int> zooms;
};

class RecordingPanel final : public ControlPanel {
public:
    void ControlPanelUpdate(void*) override {}
    void ControlPanelStepTime(bool backward) override { steps.push_back(backward ? -1 : 1); }
    void ControlPanelResyncTime() override { ++resets; }
    void ControlPanelWindowClosing(PanelWindow* window) override { closing.push_back(window); }
    std::vector<int> steps;
    int resets = 0;
    std::vector<PanelWindow*> closing;

protected:
    INT_PTR HandleMessage(UINT, WPARAM, LPARAM) override { return FALSE; }
};

class TestKind final : public ChildWindowKind {
public:
    TestKind(NotificationHub& hub, WindowKind kind, bool shared) : hub_(hub), kind_(kind) {
        if (shared) shared_ = std::make_unique<KindDocument>(hub, kind);
    }
    int Kind() const override { return kind_; }
    WindowDocument* SharedDocument() override { return shared_.get(); }
    WindowDocument* NewDocument() override {
        documents.push_back(std::make_unique<KindDocument>(hub_, kind_));
        return documents.back().get();
    }
    std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                               const WindowGeometry& geometry, ChildShowMode mode,
                                               const MdiChildWindow*) override {
        auto window = std::make_unique<KindChild>(host, document);
        if (!window->Create(kKindClass, GetModuleHandleW(nullptr), geometry, mode)) return nullptr;
        return window;
    }
    ControlPanel* Panel() override { return panel; }
    void RefreshSharedDocument() override { ++refreshes; }

    RecordingPanel* panel = nullptr;
    int refreshes = 0;
    std::vector<std::unique_ptr<KindDocument>> documents;

private:
    NotificationHub& hub_;
    WindowKind kind_;
    std::unique_ptr<KindDocument> shared_;
};

class WindowKindsTest : public test::FrameTest {
protected:
    WindowKindsTest() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = MdiChildWindow::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kKindClass;
        RegisterClassW(&wc);
        Start();
        // Room for a few cascade steps before the position starts again.
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
        auto sky = std::make_unique<TestKind>(hub, kSkyWindow, true);
        auto picture = std::make_unique<TestKind>(hub, kPictureWindow, false);
        // A child of the pane, as the program's panels are.
        std::vector<WORD> dialogTemplate = test::ControlDialog::Template({});
        reinterpret_cast<DLGTEMPLATE*>(dialogTemplate.data())->style = WS_CHILD | DS_SETFONT;
        EXPECT_TRUE(panel.CreatePanelDialogIndirect(GetModuleHandleW(nullptr),
                                                    reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                                    frame_->PaneWindow(CMD_VIEW_CONTROL_PANEL), nullptr));
        sky->panel = &panel;
        skyKind = sky.get();
        pictureKind = picture.get();
        frame_->Children().AddKind(std::move(sky));
        frame_->Children().AddKind(std::move(picture));
        frame_->UpdateCommandStates();
    }
    ~WindowKindsTest() override {
        SendMessageW(frame_->Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
        frame_.reset();
        UnregisterClassW(kKindClass, GetModuleHandleW(nullptr));
    }
    // The frame itself stays hidden in the tests: the panel's own flag.
    bool PanelShown() const { return (GetWindowLongW(panel.GetDialogWindow(), GWL_STYLE) & WS_VISIBLE) != 0; }
    MdiChildWindow* ActiveChild() { return frame_->Children().ActiveWindow(); }
    KindChild& NewSky() { return static_cast<KindChild&>(*frame_->Children().NewWindow(kSkyWindow)); }
    RECT Placement(HWND window) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        return placement.rcNormalPosition;
    }

    NotificationHub hub;
    RecordingPanel panel;  // outlives the frame's kinds
    TestKind* skyKind = nullptr;
    TestKind* pictureKind = nullptr;
};

TEST(CascadePositionTest, StepsByTheCaptionAndStartsAgainPastHalfTheArea) {
    struct Case {
        int advances;
        POINT expected;
    };
    // Client 400 x 300: y passes 150 after the fifth step of 21.
    for (const Case& c : {Case{0, {50, 50}}, Case{1, {71, 71}}, Case{4, {134, 134}}, Case{5, {50, 50}},
                          Case{6, {71, 71}}}) {
        CascadePosition cascade(21);
        for (int i = 0; i < c.advances; ++i) cascade.Advance(400, 300);
        EXPECT_EQ(cascade.Current().x, c.expected.x) << c.advances;
        EXPECT_EQ(cascade.Current().y, c.expected.y) << c.advances;
    }
}

TEST_F(WindowKindsTest, NewWindowsCascadeAt520Pixels) {
    const int step = GetSystemMetrics(SM_CYCAPTION);
    const RECT first = Placement(NewSky().Handle());
    const RECT second = Placement(NewSky().Handle());
    EXPECT_EQ(first.left, 50);
    EXPECT_EQ(first.top, 50);
    EXPECT_EQ(first.right - first.left, kNewChildSize);
    EXPECT_EQ(first.bottom - first.top, kNewChildSize);
    EXPECT_EQ(second.left, 50 + step);
    EXPECT_EQ(second.top, 50 + step);
    wchar_t caption[64] = {};
    GetWindowTextW(ActiveChild()->Handle(), caption, 64);
    EXPECT_STREQ(caption, L"Sky: view");
}

TEST_F(WindowKindsTest, WindowNewCommandsFollowTheKindsOffered) {
    EXPECT_FALSE(MenuState(CMD_NEW_SKY) & MF_GRAYED);
    EXPECT_FALSE(MenuState(CMD_NEW_PICTURE) & MF_GRAYED);
    EXPECT_TRUE(MenuState(CMD_NEW_SOLAR_SYSTEM) & MF_GRAYED);
    Command(CMD_NEW_SKY);
    Command(CMD_NEW_SKY);
    EXPECT_EQ(frame_->Registry().AllWindows().size(), 2u);
}

TEST_F(WindowKindsTest, ShowCyclesThroughTheKindsWindows) {
    // None open: the shared document catches up with the clock, then a
    // window is made.
    bool created = false;
    MdiChildWindow* first = frame_->Children().ShowWindow(kSkyWindow, &created);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(created);
    EXPECT_EQ(skyKind->refreshes, 1);
    MdiChildWindow& second = NewSky();
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Handle()), 0);
    Command(CMD_SHOW_SKY);
    EXPECT_EQ(ActiveChild(), &second);
    Command(CMD_SHOW_SKY);
    EXPECT_EQ(ActiveChild(), first);
    EXPECT_EQ(skyKind->refreshes, 1);
}

TEST_F(WindowKindsTest, ShowOfAPerDocumentKindTakesItsFirstDocumentFromAnotherKind) {
    MdiChildWindow* picture = frame_->Children().NewWindow(kPictureWindow);
    frame_->Children().NewWindow(kPictureWindow);
    NewSky();
    Command(CMD_SHOW_PICTURE);
    EXPECT_EQ(ActiveChild(), picture);
    Command(CMD_SHOW_PICTURE);
    EXPECT_NE(ActiveChild(), picture);
    EXPECT_EQ(ActiveChild()->Document().GetKind(), kPictureWindow);
}

TEST_F(WindowKindsTest, MaximizedStaysMaximizedAndAMinimizedWindowShownIsRestored) {
    KindChild& first = NewSky();
    SendMessageW(frame_->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first.Handle()), 0);
    KindChild& second = NewSky();
    EXPECT_TRUE(IsZoomed(second.Handle()));
    SendMessageW(frame_->MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(second.Handle()), 0);
    ShowWindow(first.Handle(), SW_MINIMIZE);
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second.Handle()), 0);
    Command(CMD_SHOW_SKY);
    EXPECT_EQ(ActiveChild(), &first);
    EXPECT_FALSE(IsIconic(first.Handle()));
}

TEST_F(WindowKindsTest, ThePanelFollowsTheActiveWindowAndItsKeys) {
    KindChild& sky = NewSky();
    EXPECT_EQ(panel.GetAttachedWindow(), &sky);
    EXPECT_TRUE(PanelShown());
    for (int id : {CMD_STEP_FORWARD, CMD_STEP_BACKWARD, CMD_RESET_TIME}) Command(id);
    EXPECT_EQ(panel.steps, (std::vector<int>{1, -1}));
    EXPECT_EQ(panel.resets, 1);
    // Another kind active: the panel hides and lets go; its keys go nowhere.
    frame_->Children().NewWindow(kPictureWindow);
    EXPECT_EQ(panel.GetAttachedWindow(), nullptr);
    EXPECT_FALSE(PanelShown());
    Command(CMD_STEP_FORWARD);
    EXPECT_EQ(panel.steps.size(), 2u);
    Command(CMD_SHOW_SKY);
    EXPECT_EQ(panel.GetAttachedWindow(), &sky);
    // Closing the window tells the panel.
    SendMessageW(sky.Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(panel.closing.size(), 1u);
    EXPECT_EQ(panel.GetAttachedWindow(), nullptr);
}

TEST_F(WindowKindsTest, CtrlPlusAndMinusZoomTheActiveWindowOneStep) {
    KindChild& sky = NewSky();
    Command(CMD_ZOOM_IN);
    Command(CMD_ZOOM_OUT);
    EXPECT_EQ(sky.zooms, (std::vector<int>{1, -1}));
}

}  // namespace
}  // namespace corvinata
