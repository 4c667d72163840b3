#include "controls/observer_control.h"

#include <gtest/gtest.h>

#include "app/night_vision.h"
#include "app/notification.h"
#include "base/scoped_win.h"
#include "controls/control_dialog.h"
#include "controls/night_colours.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/system_night_win.h"
#include "support/sky_session.h"

namespace corvinata {
namespace {

class TestSkyDial final : public SkyWindowDial {
public:
    using SkyWindowDial::SkyWindowDial;
    bool ShowsHourAngles() const override { return false; }
    void SetDragIndicator(int) override {}
    void SetDragDrawing(bool value) override { dragging = value; }
    void UpdateView() override {}
    bool dragging = false;
};

// The class is registered before the test's dialog is made.
struct ObserverClassRegistration {
    bool registered = RegisterObserverControl(GetModuleHandleW(nullptr));
};

class ObserverControlTest : public ::testing::Test,
                            protected ObserverClassRegistration,
                            protected test::SkySession,
                            public ObserverControlHost {
protected:
    ObserverControlTest() {
        SetObserverControlHost(this);
        window.SetViewDirection(ViewDirection{30.0, 10.0});
    }
    ~ObserverControlTest() override { SetObserverControlHost(nullptr); }
    void SetUp() override {
        ASSERT_TRUE(registered);
        ASSERT_NE(Control(), nullptr);
    }

    ObserverDialSky* ActiveSkyWindow() override { return skyActive ? &dial : nullptr; }
    int ResourceFontLineHeight() const override { return 13; }

    HWND Control() const { return dialog.Item(20830); }
    ObserverDialGeometry Geometry() const { return ObserverControlGeometry(Control()); }
    void Post(UINT message, int x, int y) {
        PostMessageW(Control(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        dialog.Pump();
    }

    bool skyActive = true;
    TestSkyDial dial{window, actions};
    test::ControlDialog dialog{{{kObserverControlClass, 20830, 0, 10, 10, 150, 75}}};
};

TEST_F(ObserverControlTest, DraggingOnTheEllipseAndTheScaleRecordsOneStepEach) {
    const ObserverDialGeometry g = Geometry();
    const int cx = static_cast<int>(g.cx);
    const int cy = static_cast<int>(g.cy);
    dialog.Click(Control(), cx, cy + 2);  // no movement: nothing turns
    EXPECT_EQ(history.UndoableCount(), 0);
    dialog.Drag(Control(), cx, cy, cx + static_cast<int>(g.rx / 2), cy);
    EXPECT_EQ(window.GetViewDirection().azimuth, 270.0);
    EXPECT_EQ(history.UndoableCount(), 1);

    Post(WM_LBUTTONDOWN, cx, cy);
    EXPECT_EQ(GetCapture(), Control());
    EXPECT_TRUE(dial.dragging);
    Post(WM_MOUSEMOVE, cx, cy);
    Post(WM_MOUSEMOVE, cx - static_cast<int>(g.rx / 2), cy);
    EXPECT_EQ(window.GetViewDirection().azimuth, 90.0);  // the view follows the drag
    Post(WM_LBUTTONUP, cx - static_cast<int>(g.rx / 2), cy);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(dial.dragging);
    EXPECT_EQ(history.UndoableCount(), 2);

    Post(WM_LBUTTONDOWN, g.scaleX, g.scaleBottom - g.scaleLength / 2);
    Post(WM_MOUSEMOVE, g.scaleX, g.scaleBottom - g.scaleLength / 2);
    Post(WM_MOUSEMOVE, g.scaleX, 0);
    Post(WM_LBUTTONUP, g.scaleX, 0);
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{90.0, 90.0}));
    EXPECT_EQ(history.UndoableCount(), 3);
}

// The second press of a quick pair comes as a double click; it must start a
// drag, and a capture taken away ends the drag with its step.
TEST_F(ObserverControlTest, DoubleClickPressesAndLostCaptureReleases) {
    const ObserverDialGeometry g = Geometry();
    const int cx = static_cast<int>(g.cx);
    const int cy = static_cast<int>(g.cy);
    Post(WM_LBUTTONDBLCLK, cx, cy);
    Post(WM_MOUSEMOVE, cx, cy);
    Post(WM_MOUSEMOVE, cx, cy + static_cast<int>(g.ry / 2));
    EXPECT_EQ(GetCapture(), Control());
    SetCapture(dialog.Window());
    dialog.Pump();
    EXPECT_EQ(window.GetViewDirection().azimuth, 180.0);
    EXPECT_EQ(history.UndoableCount(), 1);
    EXPECT_FALSE(dial.dragging);
    ReleaseCapture();
    Post(WM_MOUSEMOVE, cx + static_cast<int>(g.rx / 2), cy);  // no drag any more
    EXPECT_EQ(window.GetViewDirection().azimuth, 180.0);
}

TEST_F(ObserverControlTest, DrawsOnlyForAnActiveSkyWindow) {
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    EXPECT_TRUE(test::PaintedPixels(Control()).Contains(ink));
    skyActive = false;
    EXPECT_FALSE(test::PaintedPixels(Control()).Contains(ink));
    Post(WM_LBUTTONDOWN, 5, 5);  // nothing to drag
    EXPECT_EQ(GetCapture(), nullptr);
}

// At night the dial is drawn, and its background erased, in the night
// shades of the panel around it, never in the system's light face.
TEST_F(ObserverControlTest, AtNightTheDialTakesThePanelsShades) {
    test::SystemNight system;
    NightVisionSettings& night = system.night;
    const NightColours colours(night);
    const COLORREF dayFace = GetSysColor(COLOR_BTNFACE);
    night.ApplyNightVision(true, 0.8, 1.0);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    ASSERT_NE(face, dayFace);
    const test::PaintedPixels painted(Control());
    EXPECT_EQ(painted.At(1, 1), face);
    EXPECT_EQ(painted.Centre(), face);
    EXPECT_TRUE(painted.Contains(ink));
    EXPECT_FALSE(painted.Contains(dayFace));
    // The background as the window erases it before a paint.
    const ScopedWindowDc screen(nullptr);
    const ScopedMemoryDc dc(CreateCompatibleDC(screen.Get()));
    const ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 8, 8));
    const ScopedSelection selection(dc.Get(), bitmap.Get());
    SendMessageW(Control(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    EXPECT_EQ(GetPixel(dc.Get(), 2, 2), face);
    night.ApplyNightVision(false, kKeepLevel, kKeepLevel);
}

}  // namespace
}  // namespace corvinata
