#include "app/explorer_commands.h"

#include <gtest/gtest.h>

#include "app/settings_records.h"
#include "support/app_fakes.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

class CountingView final : public ExplorerView {
public:
    using ExplorerView::ExplorerView;
    void StartViewTransition() override { ++transitions; }
    void RefreshWindow(int) override { ++refreshes; }
    int transitions = 0;
    int refreshes = 0;
};

class ExplorerCommandsTest : public ::testing::Test {
protected:
    ExplorerCommandsTest() {
        hub.Insert(&listener);
        jupiter.ApplyRecord(NewExplorerViewRecord(JupiterExplorerTraits()));
        saturn.ApplyRecord(NewExplorerViewRecord(SaturnExplorerTraits()));
    }
    static test::FakeCurrentTime Now() {
        test::FakeCurrentTime now;
        now.value.dateTime = MakeDateTime(2017, 10, 16, 20.0, kUniversalTime);
        return now;
    }
    static std::string Redo(ExplorerView& v) { return Utf8(v.GetCommandHistory().PeekUndoCommand()->GetText(false)); }
    static std::string Undo(ExplorerView& v) { return Utf8(v.GetCommandHistory().PeekUndoCommand()->GetText(true)); }
    static int Steps(ExplorerView& v) { return v.GetCommandHistory().StepCount(); }

    NotificationHub hub;
    test::FakeCurrentTime now = Now();
    JupiterExplorerDocument jupiterDocument{hub, now};
    SaturnExplorerDocument saturnDocument{hub, now};
    CountingView jupiter{JupiterExplorerTraits(), jupiterDocument};
    CountingView saturn{SaturnExplorerTraits(), saturnDocument};
    test::RecordingObserver listener;
    test::FakeScriptErrors errors;
    ExplorerActions jupiterActions{CommandContext{hub, errors}, JupiterExplorerTraits()};
    ExplorerActions saturnActions{CommandContext{hub, errors}, SaturnExplorerTraits()};
};

TEST_F(ExplorerCommandsTest, ZoomStepStopsAtTheInnermostAndOutermostMoon) {
    struct Case {
        int from, steps;
        bool outward;
        int to;
    };
    const Case cases[] = {{2, 2, true, 3}, {1, 5, false, 0}, {3, 1, true, 3}, {0, 1, false, 0}};
    for (const Case& c : cases) {
        CountingView view(JupiterExplorerTraits(), jupiterDocument);
        view.SetZoomLevel(c.from);
        jupiterActions.ZoomStep(view, c.steps, c.outward, false);
        EXPECT_EQ(view.GetZoomLevel(), c.to) << c.from << " " << c.steps;
        EXPECT_EQ(Steps(view), c.from == c.to ? 0 : 1);
    }
}

TEST_F(ExplorerCommandsTest, MergedWheelStepsNameTheLastMoonAndUndoToTheFirstLevel) {
    jupiter.SetZoomLevel(0);
    jupiterActions.ZoomStep(jupiter, 2, true, false);  // Ganymede
    jupiterActions.ZoomStep(jupiter, 1, true, true);
    jupiterActions.ZoomStep(jupiter, 2, false, true);
    EXPECT_EQ(Steps(jupiter), 1);
    EXPECT_EQ(Redo(jupiter), "Zoom to Europa");
    EXPECT_EQ(Undo(jupiter), "Zoom to Io");
    EXPECT_EQ(jupiter.refreshes, 2);
    EXPECT_EQ(listener.heard.size(), 1u);  // merged steps broadcast nothing
    jupiter.GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(jupiter.GetZoomLevel(), 0);
    jupiter.GetCommandHistory().RedoCommands(1);
    EXPECT_EQ(jupiter.GetZoomLevel(), 1);
}

TEST_F(ExplorerCommandsTest, StepTextsAndTheirInverses) {
    saturnActions.RotateTilt(saturn, -5);
    EXPECT_EQ(Redo(saturn), "Tilt to -5\u00B0");
    EXPECT_EQ(Undo(saturn), "Tilt to 0\u00B0");
    saturn.SetTiltAngle(355);
    saturnActions.RotateTilt(saturn, 5);
    EXPECT_EQ(saturn.GetTiltAngle(), 0);
    saturnActions.ShowHideMoon(saturn, 5, false, nullptr);
    EXPECT_EQ(Redo(saturn), "Hide Titan");
    EXPECT_EQ(Undo(saturn), "Show Titan");
    EXPECT_FALSE(saturn.IsMoonShown(5));
    saturnActions.SelectMoonStep(saturn, 7, nullptr);
    EXPECT_EQ(Redo(saturn), "Select Iapetus");
    EXPECT_EQ(Undo(saturn), "Select Mimas");
    saturnActions.ZoomToLevel(saturn, 5, true, nullptr);
    EXPECT_EQ(Redo(saturn), "Zoom to Titan");
    EXPECT_EQ(Undo(saturn), "Zoom to Iapetus");
    saturnActions.GoTo(saturn, MakeDateTime(2017, 10, 17, 21.5, kUniversalTime), kChangeWhole, nullptr,
                       true);
    EXPECT_EQ(Redo(saturn).rfind("Go to ", 0), 0u);
    EXPECT_NE(Redo(saturn), Undo(saturn));
    const int steps = Steps(saturn);
    saturn.GetCommandHistory().UndoCommands(steps);
    EXPECT_TRUE(saturn.IsMoonShown(5));
    EXPECT_EQ(saturn.GetSelectedMoon(), 0);
    EXPECT_EQ(saturn.GetZoomLevel(), 7);
    EXPECT_EQ(saturnDocument.GetTimeAndPlace().dateTime.day, 16);
    EXPECT_EQ(saturn.GetTiltAngle(), 0);
}

TEST_F(ExplorerCommandsTest, RequestsThatChangeNothingRecordNothing) {
    ExplorerDisplayOptions same = jupiter.GetDisplayOptions();
    jupiterActions.ChangeDisplayOptions(jupiter, same, kExplorerOptionOrbits, nullptr);
    jupiterActions.ShowHideMoon(jupiter, 0, true, nullptr);
    jupiterActions.SelectMoonStep(jupiter, 0, nullptr);
    jupiterActions.TiltTo(jupiter, 0, nullptr);
    jupiterActions.ZoomToLevel(jupiter, 3, true, nullptr);
    jupiterActions.GoTo(jupiter, MakeDateTime(1999, 1, 1, 20.0, kUniversalTime), kChangeTimeOfDay,
                        nullptr, true);
    jupiterActions.EndCompoundCommand(jupiter, String(TXT("Empty")), BeginCompoundCommand(), true);
    EXPECT_EQ(Steps(jupiter), 0);
    EXPECT_TRUE(listener.heard.empty());
    // Zoom to the selection when it is already inside: no step, but the highlight.
    jupiterActions.ZoomToSelected(jupiter);
    EXPECT_EQ(Steps(jupiter), 0);
    EXPECT_EQ(jupiter.transitions, 1);
}

TEST_F(ExplorerCommandsTest, ZoomToSelectedWidensToTheSelectedMoon) {
    jupiter.SetZoomLevel(0);
    jupiter.SelectMoon(3, false);
    jupiterActions.ZoomToSelected(jupiter);
    EXPECT_EQ(jupiter.GetZoomLevel(), 3);
    EXPECT_EQ(Redo(jupiter), "Zoom to Callisto");
    EXPECT_EQ(Undo(jupiter), "Zoom to Io");
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].event, kEventJupiterCommand);
    EXPECT_EQ(listener.heard[0].value, &jupiter);
}

TEST_F(ExplorerCommandsTest, OneOptionChangesAloneInTheOptionsOrder) {
    struct Case {
        std::int32_t which;
        ExplorerDisplayOptions expected;
    };
    ExplorerDisplayOptions given{0, 0, 1, 1};
    const Case cases[] = {{kExplorerOptionNames, {1, 0, 0, 0}},
                          {kExplorerOptionOrbits, {0, 1, 0, 0}},
                          {kExplorerOptionSwapEastWest, {1, 1, 0, 1}},
                          {kExplorerOptionSwapNorthSouth, {1, 1, 1, 0}},
                          {kExplorerOptionsWhole, {0, 0, 1, 1}}};
    for (const Case& c : cases) {
        CountingView view(JupiterExplorerTraits(), jupiterDocument);
        view.ApplyRecord(NewExplorerViewRecord(JupiterExplorerTraits()));
        jupiterActions.ChangeDisplayOptions(view, given, c.which, nullptr);
        EXPECT_TRUE(view.GetDisplayOptions() == c.expected) << c.which;
        EXPECT_EQ(Redo(view), "Change Planet Explorer Options");
        view.GetCommandHistory().UndoCommands(1);
        EXPECT_TRUE(view.GetDisplayOptions() == ExplorerDisplayOptions{}) << c.which;
    }
}

TEST_F(ExplorerCommandsTest, DateOnlyAndTimeOnlyStepsUndoOnlyTheirPart) {
    const DateTime target = MakeDateTime(2020, 2, 3, 21.5, kUniversalTime);
    jupiterActions.GoTo(jupiter, target, kChangeTimeOfDay, nullptr, true);
    DateTime moment = jupiterDocument.GetTimeAndPlace().dateTime;
    EXPECT_EQ(moment.year, 2017);
    EXPECT_DOUBLE_EQ(moment.hours, 21.5);
    EXPECT_TRUE(jupiter.GetCommandHistory().timeChanged);
    jupiterActions.GoTo(jupiter, target, kChangeDate, nullptr, true);
    moment = jupiterDocument.GetTimeAndPlace().dateTime;
    EXPECT_EQ(moment.year, 2020);
    jupiter.GetCommandHistory().UndoCommands(1);
    moment = jupiterDocument.GetTimeAndPlace().dateTime;
    EXPECT_EQ(moment.year, 2017);
    EXPECT_DOUBLE_EQ(moment.hours, 21.5);
    jupiter.GetCommandHistory().UndoCommands(1);
    EXPECT_DOUBLE_EQ(jupiterDocument.GetTimeAndPlace().dateTime.hours, 20.0);
}

// Animation ticks move the document without steps; Stop records one.
TEST_F(ExplorerCommandsTest, AnimationTicksRecordNothingAndStopRecordsOneStep) {
    const DateTime start = jupiterDocument.GetTimeAndPlace().dateTime;
    for (int tick = 1; tick <= 10; ++tick) {
        DateTime next = start;
        next.hours += tick;
        jupiterActions.GoTo(jupiter, next, kChangeWhole, nullptr, true, false);
    }
    EXPECT_EQ(Steps(jupiter), 0);
    const DateTime end = jupiterDocument.GetTimeAndPlace().dateTime;
    EXPECT_DOUBLE_EQ(end.hours, 30.0);
    jupiterDocument.SetDateTime(start);
    jupiterActions.GoTo(jupiter, end, kChangeWhole, nullptr, true);
    EXPECT_EQ(Steps(jupiter), 1);
    jupiter.GetCommandHistory().UndoCommands(1);
    EXPECT_DOUBLE_EQ(jupiterDocument.GetTimeAndPlace().dateTime.hours, start.hours);
}

TEST_F(ExplorerCommandsTest, CompoundStepIsOneStepWithTheCallersText) {
    auto holder = BeginCompoundCommand();
    saturnActions.SelectMoonStep(saturn, 5, holder.get());
    saturnActions.TiltTo(saturn, 20, holder.get());
    saturnActions.ZoomToLevel(saturn, 5, false, holder.get());
    EXPECT_EQ(saturn.GetSelectedMoon(), 0);  // nothing runs before the end
    saturnActions.EndCompoundCommand(saturn, String(TXT("Script")), std::move(holder), true);
    EXPECT_EQ(Steps(saturn), 1);
    EXPECT_EQ(Redo(saturn), "Script");
    EXPECT_EQ(saturn.GetSelectedMoon(), 5);
    EXPECT_EQ(saturn.GetTiltAngle(), 20);
    saturn.GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(saturn.GetSelectedMoon(), 0);
    EXPECT_EQ(saturn.GetTiltAngle(), 0);
    EXPECT_EQ(saturn.GetZoomLevel(), 7);
}

TEST_F(ExplorerCommandsTest, DoubleClickJoinsTheZoomToTheClicksSelectionOrRecordsItAlone) {
    jupiter.SetZoomLevel(1);
    jupiterActions.SelectMoonStep(jupiter, 3, nullptr);  // the click
    jupiterActions.SelectAndWidenZoom(jupiter, 3);       // the double-click
    EXPECT_EQ(Steps(jupiter), 1);
    EXPECT_EQ(jupiter.GetZoomLevel(), 3);
    jupiter.GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(jupiter.GetZoomLevel(), 1);
    EXPECT_EQ(jupiter.GetSelectedMoon(), 0);

    // Already selected (or an empty history): the zoom is its own step.
    CountingView view(JupiterExplorerTraits(), jupiterDocument);
    view.ApplyRecord(NewExplorerViewRecord(JupiterExplorerTraits()));
    view.SetZoomLevel(0);
    view.SelectMoon(2, false);
    jupiterActions.SelectAndWidenZoom(view, 2);
    EXPECT_EQ(Steps(view), 1);
    EXPECT_EQ(Redo(view), "Zoom to Ganymede");
    view.GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(view.GetZoomLevel(), 0);
}

TEST_F(ExplorerCommandsTest, StoredPlaceholdersAndOutOfRangeValuesTakeTheNewWindowValues) {
    struct Case {
        int zoom, selected, tilt;
        int expectZoom, expectSelected, expectTilt;
    };
    const Case cases[] = {{-1, -1, -1, 7, 0, -1}, {8, 8, 360, 7, 0, 0}, {2, 5, -359, 2, 5, -359}};
    for (const Case& c : cases) {
        ExplorerViewRecord stored;
        stored.zoomLevel = c.zoom;
        stored.selectedMoon = c.selected;
        stored.tiltAngle = c.tilt;
        const ExplorerViewRecord r = SanitisedExplorerViewRecord(stored, SaturnExplorerTraits());
        EXPECT_EQ(r.zoomLevel, c.expectZoom);
        EXPECT_EQ(r.selectedMoon, c.expectSelected);
        EXPECT_EQ(r.tiltAngle, c.expectTilt);
        EXPECT_EQ(r.visibility, 0xFFu);
    }
}

TEST(ExplorerLayout, DisplayKeepsThePixelAspectAndIsCentred) {
    struct Case {
        int w, h;
        double k;
        ExplorerDisplayRect expected;
    };
    const Case cases[] = {{800, 600, 1.25, {160, 0, 480, 600}},
                          {300, 600, 1.25, {0, 112, 300, 375}},
                          {800, 600, 1.0, {100, 0, 600, 600}},
                          {300, 600, 1.0, {0, 150, 300, 300}},
                          {0, 600, 1.0, {0, 0, 0, 0}}};
    for (const Case& c : cases) {
        const ExplorerDisplayRect r = LayOutExplorerDisplay(c.w, c.h, c.k);
        EXPECT_EQ(r.x, c.expected.x) << c.w << "x" << c.h << " K " << c.k;
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.width, c.expected.width);
        EXPECT_EQ(r.height, c.expected.height);
    }
}

}  // namespace
}  // namespace corvinata
