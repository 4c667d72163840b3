#include "app/observer_dial.h"

#include <gtest/gtest.h>

#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/sky_session.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

class RecordingDial final : public SkyWindowDial {
public:
    using SkyWindowDial::SkyWindowDial;
    bool ShowsHourAngles() const override { return false; }
    void SetDragIndicator(int value) override { indicator = value; }
    void SetDragDrawing(bool value) override { dragging = value; }
    void UpdateView() override { ++updates; }
    int indicator = 0;
    bool dragging = false;
    int updates = 0;
};

// A 200 x 100 dial: ellipse centre (126, 55), radii 50 and 20; the scale at
// x = 34 from y = 80 up to y = 20, 0 degrees at y = 50.
class ObserverDialTest : public ::testing::Test, protected test::SkySession {
protected:
    ObserverDialTest() { window.SetViewDirection(ViewDirection{30.0, 10.0}); }

    void Drag(DialPoint first, DialPoint last, bool loseCapture = false) {
        drag.Press(dial);
        drag.Move(dial, geometry, first);
        drag.Move(dial, geometry, last);
        if (loseCapture) {
            drag.CaptureLost(dial, geometry);
        } else {
            drag.Release(dial, geometry, last);
        }
    }

    RecordingDial dial{window, actions};
    ObserverDrag drag;
    const ObserverDialGeometry geometry = MakeObserverDialGeometry(200, 100);
};

TEST_F(ObserverDialTest, DraggingTurnsTheViewInOneUndoableStep) {
    const struct Case {
        const char* what;
        DialPoint first, last;
        ViewDirection expected;
    } cases[] = {
        {"up from the centre: north", {126, 55}, {126, 45}, {0.0, 10.0}},
        {"to the left: west", {126, 55}, {100, 55}, {90.0, 10.0}},
        {"down: south", {126, 55}, {126, 65}, {180.0, 10.0}},
        {"to the right: east", {126, 55}, {150, 55}, {270.0, 10.0}},
        {"above the top of the scale", {34, 50}, {34, 5}, {30.0, 90.0}},
        {"below its bottom", {34, 50}, {34, 99}, {30.0, -90.0}},
        {"half way up the upper half", {34, 50}, {34, 35}, {30.0, 45.0}},
    };
    for (const Case& c : cases) {
        Drag(c.first, c.last);
        EXPECT_EQ(window.GetViewDirection(), c.expected) << c.what;
        ASSERT_EQ(history.UndoableCount(), 1) << c.what;
        EXPECT_EQ(dial.indicator, 0);
        EXPECT_FALSE(dial.dragging);
        EXPECT_EQ(drag.State(), DialDragState::kIdle);
        history.UndoCommands(1);
        EXPECT_EQ(window.GetViewDirection(), (ViewDirection{30.0, 10.0})) << c.what;
    }
}

TEST_F(ObserverDialTest, NoStepWithoutAChange) {
    window.SetViewDirection(ViewDirection{0.0, 10.0});
    drag.Press(dial);  // a click without movement
    drag.Release(dial, geometry, {126, 45});
    EXPECT_EQ(history.UndoableCount(), 0);
    drag.Press(dial);  // a drag that comes back to where it started
    drag.Move(dial, geometry, {126, 55});
    drag.Move(dial, geometry, {150, 55});
    drag.Move(dial, geometry, {126, 45});
    drag.Release(dial, geometry, {126, 45});
    EXPECT_EQ(history.UndoableCount(), 0);
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{0.0, 10.0}));
}

// Losing the mouse capture in the middle of a drag (a message box, Alt+Tab)
// ends the drag as a release would: one step, and no drag left running.
TEST_F(ObserverDialTest, LosingTheCaptureEndsTheDragWithItsStep) {
    Drag({126, 55}, {150, 55}, true);
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{270.0, 10.0}));
    EXPECT_EQ(history.UndoableCount(), 1);
    EXPECT_EQ(drag.State(), DialDragState::kIdle);
    EXPECT_FALSE(dial.dragging);
    drag.CaptureLost(dial, geometry);  // idle: nothing more
    EXPECT_EQ(history.UndoableCount(), 1);
}

TEST(ObserverDialGeometryTest, LabelsArrowAndScale) {
    const ObserverDialGeometry dial = MakeObserverDialGeometry(200, 100);
    EXPECT_EQ(test::Utf8(DialLabel(1, false)), "E");
    EXPECT_EQ(test::Utf8(DialLabel(1, true)), "18h");
    EXPECT_EQ(test::Utf8(DialLabel(3, true)), "6h");
    EXPECT_EQ(DialAltitudeRow(dial, 90.0), 20);
    EXPECT_EQ(DialAltitudeRow(dial, -90.0), 80);
    const DialArrow north = MakeDialArrow(dial, 0.0);
    EXPECT_EQ(north.tip.x, 126);
    EXPECT_EQ(north.tip.y, 35);
    EXPECT_GT(north.barbs[0].y, north.tip.y);  // barbs trail behind the tip
    EXPECT_GT(north.barbs[1].y, north.tip.y);
    EXPECT_EQ(MakeDialArrow(dial, 90.0).tip.x, 76);  // west on the left
}

// Where the labels would be cut at the control's size, the scale makes room
// for its widest label and the ellipse narrows between the scale's pointer
// and the right label; where they fit, the dial keeps its proportions.
TEST(ObserverDialGeometryTest, LabelsTooWideForTheProportionsMoveTheScaleAndNarrowTheEllipse) {
    const struct {
        int width;
        DialLabelWidths labels;
    } cases[] = {
        {144, {24, 18}},  // the Sky panel's dial in its font
        {200, {24, 18}},
        {120, {30, 25}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const ObserverDialGeometry dial = MakeObserverDialGeometry(c.width, 100, c.labels);
        EXPECT_GE(dial.scaleX - kDialScaleLabelGap - c.labels.scale, 1);  // "+90°" from its first pixel
        EXPECT_LE(dial.cx + dial.rx + kDialRightLabelGap + c.labels.right, c.width - 1.0);  // "18h" to its last
        EXPECT_GE(dial.cx - dial.rx - kDialLeftLabelOffset, dial.scaleX + kDialPointerLength + 1.0);
        EXPECT_DOUBLE_EQ(dial.ry, 0.4 * dial.rx);
        EXPECT_EQ(DialAzimuthAt(dial, static_cast<int>(dial.cx), static_cast<int>(dial.cy) - 5), 0.0);
    }
    const ObserverDialGeometry roomy = MakeObserverDialGeometry(200, 100, {20, 10});
    const ObserverDialGeometry plain = MakeObserverDialGeometry(200, 100);
    EXPECT_EQ(roomy.scaleX, plain.scaleX);
    EXPECT_DOUBLE_EQ(roomy.cx, plain.cx);
    EXPECT_DOUBLE_EQ(roomy.rx, plain.rx);
}

}  // namespace
}  // namespace corvinata
