// The Sky actions on a real view of the Sky document: their steps, texts,
// undo and the change bits the windows and the panel follow.
#include "app/sky_commands.h"

#include <gtest/gtest.h>

#include "app/settings_records.h"

#include "catalog/catalogue_registry.h"
#include "support/date_records.h"
#include "support/sky_session.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

// On 2012-03-04 at 20:00 local time.
class SkyCommandsTest : public ::testing::Test, protected test::SkySession {
protected:
    SkyCommandsTest() {
        now.value.dateTime = MakeDateTime(2012, 3, 4, 20.0, kLocalCivilTime);
        document.SetDateTime(now.value.dateTime, false, false);
        hub.Insert(&listener);
    }
    std::string RedoText() { return Utf8(history.PeekUndoCommand()->GetText(false)); }
    std::string UndoText() { return Utf8(history.PeekUndoCommand()->GetText(true)); }
    static BodyIdentifier Body(int number, const char* name) {
        BodyIdentifier body;
        BodyIdentifierInit(body, GetCatalogueObject(kBodyPlanet, number), nullptr, test::Wide(name).c_str());
        return body;
    }
    // In the equatorial map the direction towards a body is its position.
    ViewDirection Towards(int planet) const {
        const SkyPosition p = window.BodyPosition(*GetCatalogueObject(kBodyPlanet, planet));
        return ViewDirection{p.first, p.second};
    }

    test::RecordingObserver listener;
};

// Jupiter selected and in view, at right ascension 36 degrees, declination 13.
class SkyStepsTest : public SkyCommandsTest {
protected:
    SkyStepsTest() {
        SkyOptions options = window.GetOptions();
        options.gridType = 2;
        window.SetOptions(options);
        window.SelectBody(Body(3, "Jupiter"), 0, 0, 0);
        window.SetViewDirection(jupiter);
    }
    const ViewDirection jupiter = Towards(3);
};

TEST(SkyGeometryTest, AzimuthWrapsByWholeTurnsAndLookStepsFollowTheZoom) {
    EXPECT_EQ(WrapAzimuth(2.0 - 6.0), 356.0);
    EXPECT_EQ(WrapAzimuth(360.0), 0.0);
    EXPECT_EQ(WrapAzimuth(725.0), 5.0);
    EXPECT_EQ(SkyLookStepSize(30), 18.0);
    EXPECT_EQ(SkyLookStepSize(10), 6.0);
    EXPECT_EQ(SkyLookStepSize(180), 90.0);
}

TEST_F(SkyCommandsTest, ZoomStepStopsAtTheRangeEnds) {
    struct Case {
        int from, steps, direction, to;
    };
    const Case cases[] = {{150, 3, 1, 180}, {180, 1, 1, 180}, {15, 1, 0, 10}, {60, 2, 0, 40}};
    for (const Case& c : cases) {
        SkyView w(document, std::make_unique<SkyCommandHistory>());
        w.SetZoom(c.from);
        actions.ZoomStep(w, c.steps, c.direction, false);
        EXPECT_EQ(w.GetZoom(), c.to) << c.from;
        EXPECT_EQ(w.GetCommandHistory().StepCount(), c.from == c.to ? 0 : 1) << c.from;
    }
}

TEST_F(SkyCommandsTest, MergedWheelStepsLeaveOneStepThatUndoesToTheFirstZoom) {
    actions.ZoomStep(window, 1, 0, false);
    actions.ZoomStep(window, 1, 0, true);
    actions.ZoomStep(window, 1, 0, true);
    EXPECT_EQ(history.StepCount(), 1);
    EXPECT_EQ(RedoText(), "Zoom to 30\u00B0");
    history.UndoCommands(1);
    EXPECT_EQ(window.GetZoom(), 60);
    history.RedoCommands(1);
    EXPECT_EQ(window.GetZoom(), 30);
}

// After an undo the last step of the list is in the redo tail: a wheel step
// then must be a step of its own.
TEST_F(SkyCommandsTest, WheelStepAfterAnUndoIsNotFoldedIntoTheRedoTail) {
    actions.ZoomStep(window, 1, 0, false);
    history.UndoCommands(1);
    actions.ZoomStep(window, 1, 1, true);
    EXPECT_EQ(window.GetZoom(), 70);
    EXPECT_EQ(history.StepCount(), 1);
    EXPECT_EQ(RedoText(), "Zoom to 70\u00B0");
    EXPECT_EQ(history.PeekRedoCommand(), nullptr);
}

// While tracking, the merged step must redo the direction of its last zoom
// (the realistic map keeps the target half a field above the bottom edge).
TEST_F(SkyCommandsTest, WheelMergeWhileTrackingRedoesTheLastDirection) {
    SkyOptions realistic = window.GetOptions();
    realistic.mapType = kRealisticMap;
    window.SetOptions(realistic);
    const SkyPosition target{100.0, 60.0, 0};
    window.SetTracking(true);
    window.SetLookTarget(target);
    const ViewDirection atThirty = window.ComputeLookDirection(target, 30);
    ASSERT_NE(atThirty, window.ComputeLookDirection(target, 50));
    actions.ZoomStep(window, 1, 0, false);
    actions.ZoomStep(window, 2, 0, true);
    EXPECT_EQ(window.GetViewDirection(), atThirty);
    history.UndoCommands(1);
    EXPECT_EQ(window.GetZoom(), 60);
    history.RedoCommands(1);
    EXPECT_EQ(window.GetZoom(), 30);
    EXPECT_EQ(window.GetViewDirection(), atThirty);
}

TEST_F(SkyCommandsTest, ZoomOutsideTheRangeIsRefusedWithAScriptError) {
    actions.ZoomTo(window, 1, 1, nullptr);
    EXPECT_EQ(history.StepCount(), 0);
    EXPECT_EQ(Utf8(errors.error), "The zoom must be between 10 and 180 degrees");
}

TEST_F(SkyCommandsTest, LookStepsAndLooksThatChangeNothing) {
    window.SetZoom(10);
    window.SetViewDirection(ViewDirection{0.0, 85.0});
    actions.LookStep(window, kLookUp);
    EXPECT_EQ(window.GetViewDirection().altitude, 90.0);
    EXPECT_EQ(RedoText(), "Look to 0\u00B0/90\u00B0");
    EXPECT_EQ(UndoText(), "Look to 0\u00B0/85\u00B0");
    actions.LookToAzimuth(window, 0.0, 1);
    actions.LookStep(window, kLookUp);
    EXPECT_EQ(history.StepCount(), 1);
    window.SetViewDirection(ViewDirection{});
    actions.LookToOrigin(window);
    EXPECT_EQ(history.StepCount(), 1);
}

// A single field used to start from a blank record and reset the rest.
TEST_F(SkyCommandsTest, OneFieldChangesOnlyThatFieldAndAMapTypeResetsTheView) {
    SkyOptions realistic = window.GetOptions();
    realistic.sunOn = true;
    realistic.mapType = 2;
    window.SetOptions(realistic);
    window.SetViewDirection(ViewDirection{40.0, 30.0});
    window.SetTracking(true);
    SkyOptions blank;
    blank.mapType = 0;
    actions.ChangeOptions(window, blank, kSkyMapTypeField, false, nullptr);
    EXPECT_EQ(window.GetOptions().mapType, 0);
    EXPECT_TRUE(window.GetOptions().sunOn);
    EXPECT_EQ(window.GetViewDirection(), ViewDirection{});
    EXPECT_FALSE(window.IsTracking());
    EXPECT_EQ(RedoText(), "Change Sky Options");
    history.UndoCommands(1);
    EXPECT_EQ(window.GetOptions().mapType, 2);
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{40.0, 30.0}));
    blank.mapType = 2;
    actions.ChangeOptions(window, blank, kSkyMapTypeField, false, nullptr);
    EXPECT_EQ(history.StepCount(), 1);
}

TEST_F(SkyCommandsTest, GoToComparesAndShowsTheAppliedMoment) {
    window.SetTracking(true);
    actions.GoTo(window, MakeDateTime(2012, 3, 4, 9.0, kLocalCivilTime), false, kChangeDate, nullptr);
    EXPECT_EQ(history.StepCount(), 0);
    EXPECT_TRUE(window.IsTracking());
    actions.GoTo(window, MakeDateTime(2012, 3, 5, 9.0, kLocalCivilTime), false, kChangeDate, nullptr);
    EXPECT_EQ(RedoText(), "Go to 05.03.2012 20:00:00");
    EXPECT_EQ(UndoText(), "Go to 04.03.2012 20:00:00");
    EXPECT_FALSE(window.IsTracking());
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 5);
    EXPECT_EQ(history.changeBits, kSkyDateTimeChanged);
    history.UndoCommands(1);
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 4);
    ASSERT_FALSE(listener.heard.empty());
    EXPECT_EQ(listener.heard.back().event, kEventSkyCommand);
    EXPECT_EQ(listener.heard.back().value, &window);
}

// The window keeps 360 minus the compass azimuth except in the equatorial
// map; what the user reads is the compass, or the right ascension.
TEST_F(SkyCommandsTest, LookToTextsShowTheCompassOrTheRightAscension) {
    SkyOptions options = window.GetOptions();
    options.mapType = 0;
    window.SetOptions(options);
    window.SetViewDirection(ViewDirection{30.0, 5.0});
    actions.LookToAzimuth(window, 90.0, 1);
    EXPECT_EQ(RedoText(), "Look to 270\u00B0/5\u00B0");
    EXPECT_EQ(UndoText(), "Look to 330\u00B0/5\u00B0");
    options.mapType = 1;
    window.SetOptions(options);
    actions.LookToAzimuth(window, 120.0, 1);
    EXPECT_EQ(RedoText(), "Look to 120\u00B0/5\u00B0");
}

TEST_F(SkyCommandsTest, SelectPairTextsFollowWhatChanges) {
    window.SelectBody(Body(3, "Jupiter"), 0, 0, 0);
    window.SetViewDirection(ViewDirection{30.0, 5.0});
    actions.SelectPair(window, Body(3, "Jupiter"), 1, 0, 0, nullptr);
    EXPECT_EQ(history.StepCount(), 0);
    // Saturn at (40, 1) stands outside a field of 10 around (30, 5).
    window.SetZoom(10);
    actions.SelectPair(window, Body(4, "Saturn"), 1, 0, 0, nullptr);
    EXPECT_EQ(RedoText(), "Select and Look to Saturn");
    EXPECT_EQ(UndoText(), "Select Jupiter and Look to 30\u00B0/5\u00B0");
    EXPECT_EQ(history.PeekUndoCommand()->Count(), 2);
    history.UndoCommands(1);
    EXPECT_EQ(Utf8(window.GetSelectedBody().name), "Jupiter");
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{30.0, 5.0}));
}

struct BitsCase {
    const char* name;
    void (*before)(SkyOptions&);
    void (*change)(SkyOptions&);
    std::uint32_t bits;
};

const BitsCase kBitsCases[] = {
    {"labels only", [](SkyOptions&) {}, [](SkyOptions& o) { o.starNamesOn = true; },
     kSkyViewOptionsChanged},
    {"magnitude", [](SkyOptions&) {}, [](SkyOptions& o) { o.magnitudeLimit = 6.0; },
     kSkyOtherOptionsChanged},
    {"horizon", [](SkyOptions&) {}, [](SkyOptions& o) { o.horizonType = 2; },
     kSkyCoordinateOptionsChanged | kSkyOtherOptionsChanged},
    {"to horizontal grid", [](SkyOptions&) {}, [](SkyOptions& o) { o.gridType = 1; },
     kSkyCoordinateOptionsChanged | kSkyOtherOptionsChanged},
    {"crosses on horizontal grid", [](SkyOptions& o) { o.gridType = 1; },
     [](SkyOptions& o) { o.gridAsCrosses = true; },
     kSkyCoordinateOptionsChanged | kSkyOtherOptionsChanged},
    {"crosses on equatorial grid", [](SkyOptions&) {}, [](SkyOptions& o) { o.gridAsCrosses = true; },
     kSkyOtherOptionsChanged},
};

TEST_F(SkyStepsTest, OptionStepsLeaveTheChangeBitsOfWhatTheyTouch) {
    for (const BitsCase& c : kBitsCases) {
        SkyView w(document, std::make_unique<SkyCommandHistory>());
        SkyOptions before = window.GetOptions();
        c.before(before);
        w.SetOptions(before);
        SkyOptions wanted = before;
        c.change(wanted);
        actions.ChangeOptions(w, wanted, kSkyOptionsWhole, false, nullptr);
        EXPECT_EQ(w.GetCommandHistory().changeBits, c.bits) << c.name;
        EXPECT_FALSE(w.GetCommandHistory().timeChanged) << c.name;
    }
    actions.ChangeOptions(window, window.GetOptions(), kSkyOptionsWhole, true, nullptr);
    EXPECT_EQ(history.changeBits, kSkyOtherOptionsChanged);
    EXPECT_TRUE(history.timeChanged);
    EXPECT_TRUE(document.GetTimeFlag());
}

TEST_F(SkyStepsTest, ShowAtIsOneStepOfMomentBodyAndDirection) {
    actions.ShowAt(window, Body(4, "Saturn"), MakeDateTime(2012, 3, 5, 20.0, kLocalCivilTime), false);
    ASSERT_EQ(history.StepCount(), 1);
    EXPECT_EQ(RedoText(), "Show Saturn at 05.03.2012 20:00:00");
    EXPECT_EQ(UndoText(), "Look to 36\u00B0/13\u00B0 at 04.03.2012 20:00:00");
    EXPECT_EQ(history.PeekUndoCommand()->Count(), 3);
    EXPECT_EQ(window.GetViewDirection(), Towards(4));
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 5);
    history.UndoCommands(1);
    EXPECT_EQ(Utf8(window.GetSelectedBody().name), "Jupiter");
    EXPECT_EQ(window.GetViewDirection(), jupiter);
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 4);
    history.RedoCommands(1);
    actions.ShowAt(window, Body(4, "Saturn"), MakeDateTime(2012, 3, 5, 20.0, kLocalCivilTime), false);
    EXPECT_EQ(history.StepCount(), 1);
    EXPECT_TRUE(window.HighlightOn());
}

TEST_F(SkyStepsTest, LookingAtTheSelectionOrATargetEndsOrStartsTracking) {
    window.SetTracking(true);
    actions.LookAtSelection(window);
    EXPECT_EQ(history.StepCount(), 0);
    // In view already: it flashes all the same.
    EXPECT_TRUE(window.HighlightOn());
    window.SetViewDirection(ViewDirection{0.0, 0.0});
    actions.LookAtSelection(window);
    EXPECT_EQ(window.GetViewDirection(), jupiter);
    EXPECT_EQ(UndoText(), "Look to 0\u00B0/0\u00B0");
    EXPECT_FALSE(window.IsTracking());
    actions.LookAtTarget(window, SkyPosition{100.0, 0.0, 0});
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{100.0, 0.0}));
    EXPECT_EQ(UndoText(), "Look to 36\u00B0/13\u00B0");
    EXPECT_TRUE(window.IsTracking());
    EXPECT_EQ(window.GetLookTarget().first, 100.0);
    history.UndoCommands(2);
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{0.0, 0.0}));
}

}  // namespace
}  // namespace corvinata
