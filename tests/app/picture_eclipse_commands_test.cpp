#include "app/picture_eclipse_commands.h"

#include <gtest/gtest.h>

#include "app/settings_records.h"
#include "support/app_fakes.h"
#include "support/date_records.h"
#include "support/eclipse_window_fake.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

class FakePictureWindow final : public PictureWindowCommands {
public:
    explicit FakePictureWindow(PictureDocument& model) : model_(model) {}
    PictureDocument& GetModel() override { return model_; }
    bool GetFitToWindow() const override { return fit; }
    WindowCommandHistory& GetCommandHistory() override { return history; }
    void ApplyOptions(bool f) override { fit = f; }
    bool fit = false;
    WindowCommandHistory history;

private:
    PictureDocument& model_;
};

using FakeEclipseWindow = test::FakeEclipseCommands;

class PictureEclipseCommandsTest : public ::testing::Test {
protected:
    PictureEclipseCommandsTest() {
        packs[0].directory = String(TXT("P"));
        packs[0].entries.push_back({String(TXT("mars.jpg")), 2, 3, String(TXT("Mars"))});
        packs[0].entries.push_back({String(TXT("moon.jpg")), 1, 0, String(TXT("Moon"))});
        hub.Insert(&listener);
    }
    template <class History>
    static std::string Redo(History& h) { return Utf8(h.PeekUndoCommand()->GetText(false)); }
    template <class History>
    static std::string Undo(History& h) { return Utf8(h.PeekUndoCommand()->GetText(true)); }

    NotificationHub hub;
    test::RecordingObserver listener;
    test::FakeScriptErrors errors;
    CommandContext context{hub, errors};
    PicturePackList packs = PicturePackList(1);
    PictureDocument picture{hub, packs};
    FakePictureWindow pictureWindow{picture};
    SolarEclipseDocument eclipse{hub, MakeDateTime(2006, 3, 29)};
    FakeEclipseWindow eclipseWindow{eclipse};
    PictureActions pictures{context};
    SolarEclipseActions eclipses{context};
};

TEST_F(PictureEclipseCommandsTest, ShowPictureNamesBothPicturesAndSkipsTheOneShown) {
    picture.SetCurrent({String(TXT("P")), String(TXT("moon.jpg"))});
    pictures.ShowPicture(pictureWindow, {String(TXT("p")), String(TXT("moon.jpg"))}, nullptr);
    pictures.ShowPicture(pictureWindow, {String(TXT("P")), String(TXT("moon.jpg"))}, nullptr);
    EXPECT_EQ(pictureWindow.history.StepCount(), 0);
    pictures.ShowPicture(pictureWindow, {String(TXT("P")), String(TXT("mars.jpg"))}, nullptr);
    EXPECT_EQ(Redo(pictureWindow.history), "Show Picture of Mars");
    EXPECT_EQ(Undo(pictureWindow.history), "Show Picture of Moon");
    EXPECT_EQ(picture.Current(), &packs[0].entries[0]);
    EXPECT_EQ(listener.heard.back().event, kEventPictureCommand);
}

TEST_F(PictureEclipseCommandsTest, CheckDateResetsAMovedMapAndUndoesAsOne) {
    eclipses.CheckDate(eclipseWindow, MakeDateTime(2006, 3, 29, 12.0), nullptr);
    EXPECT_EQ(eclipseWindow.history.StepCount(), 0);
    eclipseWindow.centre = MapPoint{15.0, 20.0};
    eclipseWindow.zoom = 4;
    eclipses.CheckDate(eclipseWindow, MakeDateTime(2008, 8, 1), nullptr);
    EXPECT_EQ(eclipseWindow.history.PeekUndoCommand()->Count(), 3);
    EXPECT_EQ(Redo(eclipseWindow.history), "Check for eclipse on 01.08.2008");
    EXPECT_TRUE(eclipse.Model().found);
    eclipseWindow.history.UndoCommands(1);
    EXPECT_EQ(eclipse.Model().date.year, 2006);
    EXPECT_EQ(eclipseWindow.zoom, 4);
    EXPECT_EQ(eclipseWindow.centre.latitude, 20.0);
}

TEST_F(PictureEclipseCommandsTest, ZoomStepsAndTheirMerge) {
    eclipseWindow.zoom = 4;
    eclipses.ZoomStep(eclipseWindow, 3, 0, false);
    EXPECT_EQ(eclipseWindow.zoom, 5);
    EXPECT_EQ(Redo(eclipseWindow.history), "Zoom to 72\u00B0");
    eclipses.ZoomStep(eclipseWindow, 1, 1, true);
    eclipses.ZoomStep(eclipseWindow, 1, 1, true);
    EXPECT_EQ(eclipseWindow.history.StepCount(), 1);
    EXPECT_EQ(Redo(eclipseWindow.history), "Zoom to 120\u00B0");
    eclipseWindow.history.UndoCommands(1);
    EXPECT_EQ(eclipseWindow.zoom, 4);
    eclipseWindow.zoom = 1;
    eclipses.ZoomStep(eclipseWindow, 1, 1, false);
    EXPECT_EQ(eclipseWindow.history.StepCount(), 1);
}

// A zoom of 0 used to divide by zero.
TEST_F(PictureEclipseCommandsTest, ZoomOutsideTheLevelsIsRefused) {
    eclipses.ZoomTo(eclipseWindow, 0, nullptr);
    EXPECT_EQ(eclipseWindow.history.StepCount(), 0);
    EXPECT_EQ(Utf8(errors.error), "The zoom of the eclipse map must be between 1 and 5");
}

TEST_F(PictureEclipseCommandsTest, MapMovesThatChangeNothingRecordNothing) {
    eclipses.GoToCentralPath(eclipseWindow, nullptr);
    eclipses.ResetMap(eclipseWindow);
    eclipses.DisplayDetails(eclipseWindow, MapPoint{0.0, 30.0}, kDetailsLongitude, nullptr);
    EXPECT_EQ(eclipseWindow.history.StepCount(), 0);
    eclipseWindow.centralPath = true;
    eclipses.GoToCentralPath(eclipseWindow, nullptr);
    EXPECT_EQ(Redo(eclipseWindow.history), "Go to the central path");
    EXPECT_EQ(Undo(eclipseWindow.history), "Center 0\u00B000' W/0\u00B000' N and Zoom");
    EXPECT_EQ(eclipseWindow.zoom, 3);
}

TEST_F(PictureEclipseCommandsTest, DetailsPointLeavesThePanelItsBeforeAndAfter) {
    eclipses.DisplayDetails(eclipseWindow, MapPoint{-16.5, 48.25}, kDetailsLongitude | kDetailsLatitude,
                            nullptr);
    EXPECT_EQ(eclipseWindow.history.flags, 1u);
    EXPECT_EQ(eclipseWindow.history.longitudeBefore, 0.0);
    EXPECT_EQ(eclipseWindow.history.latitudeAfter, 48.25);
    eclipses.DisplayDetailsForTime(eclipseWindow, MakeDateTime(2006, 3, 29, 10.5), kChangeTimeOfDay,
                                   nullptr);
    EXPECT_EQ(Redo(eclipseWindow.history), "Display details for 01.01.1583 10:30:00");
    eclipseWindow.history.UndoCommands(2);
    EXPECT_EQ(eclipseWindow.detailsPoint.longitude, 0.0);
    EXPECT_EQ(eclipseWindow.detailsTime.hours, 0.0);
}

}  // namespace
}  // namespace corvinata
