#include "app/picture_eclipse_commands.h"

#include <gtest/gtest.h>

#include "app/settings_records.h"
#include "support/app_fakes.h"
#include "support/date_records.h"
#include "support/test_text.h"
#include "views/eclipse_view.h"

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
    EclipseView eclipseWindow{eclipse};
    EclipseCommandHistory& eclipseHistory = eclipseWindow.GetCommandHistory();
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
    EXPECT_EQ(eclipseHistory.StepCount(), 0);
    eclipseWindow.SetCentreLongitude(15.0);
    eclipseWindow.SetCentreLatitude(20.0);
    eclipseWindow.SetZoom(4);
    eclipses.CheckDate(eclipseWindow, MakeDateTime(2008, 8, 1), nullptr);
    EXPECT_EQ(eclipseHistory.PeekUndoCommand()->Count(), 3);
    EXPECT_EQ(Redo(eclipseHistory), "Check for eclipse on 01.08.2008");
    EXPECT_TRUE(eclipse.Model().found);
    EXPECT_EQ(eclipseWindow.GetDetailsTime().year, 2008);  // the window follows its document
    eclipseHistory.UndoCommands(1);
    EXPECT_EQ(eclipse.Model().date.year, 2006);
    EXPECT_EQ(eclipseWindow.GetZoom(), 4);
    EXPECT_EQ(eclipseWindow.GetCentre().latitude, 20.0);
}

TEST_F(PictureEclipseCommandsTest, ZoomStepsAndTheirMerge) {
    eclipseWindow.SetZoom(4);
    eclipses.ZoomStep(eclipseWindow, 3, 0, false);
    EXPECT_EQ(eclipseWindow.GetZoom(), 5);
    EXPECT_EQ(Redo(eclipseHistory), "Zoom to 72\u00B0");
    eclipses.ZoomStep(eclipseWindow, 1, 1, true);
    eclipses.ZoomStep(eclipseWindow, 1, 1, true);
    EXPECT_EQ(eclipseHistory.StepCount(), 1);
    EXPECT_EQ(Redo(eclipseHistory), "Zoom to 120\u00B0");
    eclipseHistory.UndoCommands(1);
    EXPECT_EQ(eclipseWindow.GetZoom(), 4);
    eclipseWindow.SetZoom(1);
    eclipses.ZoomStep(eclipseWindow, 1, 1, false);
    EXPECT_EQ(eclipseHistory.StepCount(), 1);
}

// A zoom of 0 used to divide by zero.
TEST_F(PictureEclipseCommandsTest, ZoomOutsideTheLevelsIsRefused) {
    eclipses.ZoomTo(eclipseWindow, 0, nullptr);
    EXPECT_EQ(eclipseHistory.StepCount(), 0);
    EXPECT_EQ(Utf8(errors.error), "The zoom of the eclipse map must be between 1 and 5");
}

TEST_F(PictureEclipseCommandsTest, MapMovesThatChangeNothingRecordNothing) {
    SolarEclipseDocument none{hub, MakeDateTime(2000, 1, 1)};
    EclipseView plain{none};
    eclipses.GoToCentralPath(plain, nullptr);
    eclipses.ResetMap(plain);
    eclipses.DisplayDetails(plain, MapPoint{kNotComputedAngle, 30.0}, kDetailsLongitude, nullptr);
    EXPECT_EQ(plain.GetCommandHistory().StepCount(), 0);
    eclipses.GoToCentralPath(eclipseWindow, nullptr);
    EXPECT_EQ(Redo(eclipseHistory), "Go to the central path");
    EXPECT_EQ(Undo(eclipseHistory), "Center 0\u00B000' W/0\u00B000' N and Zoom");
    const SolarEclipseModel& path = eclipse.Map();
    const auto fit = EclipseMapCenterOn(path.pathWestLongitude, path.pathEastLongitude, path.pathNorthLatitude,
                                        path.pathSouthLatitude);
    ASSERT_TRUE(fit.has_value());
    EXPECT_EQ(eclipseWindow.GetZoom(), fit->zoom);
    EXPECT_EQ(eclipseWindow.GetCentre().longitude, fit->centreLongitude);
}

TEST_F(PictureEclipseCommandsTest, DetailsPointLeavesThePanelItsBeforeAndAfter) {
    eclipseWindow.SetDetailsPoint(MapPoint{0.0, 0.0});
    const double maximum = eclipseWindow.GetDetailsTime().hours;
    eclipses.DisplayDetails(eclipseWindow, MapPoint{-16.5, 48.25}, kDetailsLongitude | kDetailsLatitude,
                            nullptr);
    EXPECT_EQ(eclipseHistory.flags, 1u);
    EXPECT_EQ(eclipseHistory.longitudeBefore, 0.0);
    EXPECT_EQ(eclipseHistory.latitudeAfter, 48.25);
    eclipses.DisplayDetailsForTime(eclipseWindow, MakeDateTime(2006, 3, 29, 10.5), kChangeTimeOfDay,
                                   nullptr);
    EXPECT_EQ(Redo(eclipseHistory), "Display details for 29.03.2006 10:30:00");
    eclipseHistory.UndoCommands(2);
    EXPECT_EQ(eclipseWindow.GetDetailsPoint().longitude, 0.0);
    EXPECT_EQ(eclipseWindow.GetDetailsTime().hours, maximum);
}

}  // namespace
}  // namespace corvinata
