// The Sky window's view arithmetic: drags, centring, the azimuth a user
// reads and a stored view brought into range.
#include "views/sky_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/window_records.h"

namespace corvinata {
namespace {

TEST(SkyViewTest, PixelsTurnByTheFieldPerViewportSideInDoubles) {
    EXPECT_DOUBLE_EQ(PixelsToDegrees(800, 60, 800), 60.0);
    // A slow drag of one pixel still moves the view.
    EXPECT_DOUBLE_EQ(PixelsToDegrees(1, 10, 1000), 0.01);
    EXPECT_DOUBLE_EQ(PixelsToDegrees(-400, 60, 800), -30.0);
    EXPECT_DOUBLE_EQ(PixelsToDegrees(5, 60, 0), 0.0);
}

TEST(SkyViewTest, TheFirstMoveDecidesTheDrag) {
    struct Case {
        bool shift;
        int dx, dy;
        SkyDrag drag;
    };
    for (const Case& c : {Case{false, 5, 1, SkyDrag::kFree}, Case{true, 5, 1, SkyDrag::kHorizontal},
                          Case{true, -1, 5, SkyDrag::kVertical}, Case{true, 3, -3, SkyDrag::kVertical}}) {
        EXPECT_EQ(FirstDragMove(c.shift, c.dx, c.dy), c.drag) << c.dx << "," << c.dy;
    }
}

// The window's azimuth grows to the left on screen in every map: a drag to
// the right raises it (a horizon map's compass goes down) and the sky
// follows the pointer.
TEST(SkyViewTest, DragsRightRaiseTheWindowsAzimuthAndStopAtTheZenith) {
    struct Case {
        SkyDrag drag;
        ViewDirection from;
        int toX, toY;
        ViewDirection expected;  // the window's angles
    };
    // From (100, 100), field 60 on a viewport side of 600: 10 pixels a degree.
    for (const Case& c : {
             Case{SkyDrag::kFree, {350.0, 10.0}, 200, 200, {0.0, 20.0}},
             Case{SkyDrag::kHorizontal, {10.0, 10.0}, 0, 300, {0.0, 10.0}},
             Case{SkyDrag::kVertical, {10.0, 85.0}, 500, 200, {10.0, 90.0}},
             Case{SkyDrag::kVertical, {10.0, -85.0}, 100, 0, {10.0, -90.0}},
             // A horizon map's compass 10 (kept as 350) turns to 0.
             Case{SkyDrag::kHorizontal, {350.0, 10.0}, 200, 300, {0.0, 10.0}},
             Case{SkyDrag::kFree, {5.0, 0.0}, 0, 150, {355.0, 5.0}},
         }) {
        const ViewDirection reached = DragMove(c.drag, c.from, 100, 100, c.toX, c.toY, 60, 600);
        EXPECT_NEAR(reached.azimuth, c.expected.azimuth, 1e-9) << c.from.azimuth;
        EXPECT_NEAR(reached.altitude, c.expected.altitude, 1e-9) << c.from.azimuth;
    }
}

TEST(SkyViewTest, CentringPutsTheBodyInTheMiddleOrHalfAFieldAboveTheBottom) {
    // On the meridian to the south: hour angle 0, so local sidereal time =
    // right ascension; declination -30 at latitude +40 stands 20 high.
    const SkyPosition south{90.0, -30.0, 0};
    const ViewDirection horizontal = ViewDirectionFor(south, kHorizontalMap, 60, 6.0, 40.0);
    EXPECT_NEAR(horizontal.azimuth, 180.0, 1e-6);  // 360 - compass 180
    EXPECT_NEAR(horizontal.altitude, 20.0, 1e-6);
    EXPECT_NEAR(ReadableAzimuth(horizontal.azimuth, kHorizontalMap), 180.0, 1e-6);
    // Realistic: half a field lower, clamped at the nadir.
    EXPECT_NEAR(ViewDirectionFor(south, kRealisticMap, 60, 6.0, 40.0).altitude, -10.0, 1e-6);
    const SkyPosition low{90.0, -80.0, 0};
    EXPECT_NEAR(ViewDirectionFor(low, kRealisticMap, 60, 6.0, 80.0).altitude, -90.0, 1e-6);
    // Equatorial: the position itself.
    const ViewDirection equatorial = ViewDirectionFor(south, kEquatorialMap, 60, 6.0, 40.0);
    EXPECT_EQ(equatorial, (ViewDirection{90.0, -30.0}));
    // East reads 90 in the horizontal map and is kept as 270.
    EXPECT_DOUBLE_EQ(WindowAzimuth(90.0, kHorizontalMap), 270.0);
    EXPECT_DOUBLE_EQ(WindowAzimuth(90.0, kEquatorialMap), 90.0);
}

TEST(SkyViewTest, OutOfRangeFieldsTakeTheNewWindowDefaults) {
    SkyWindowState defaults;
    SkyModelDefaults(defaults, BodyIdentifier{});
    SkyWindowState blank;  // the not-yet-set record: codes 3 and 5, limit 9999
    blank.options.deepSkyNameSystem = kNoDeepSkyNames + 1;
    blank.viewLambda = -1000.0;
    blank.viewPhi = 95.0;
    blank.fieldWidth = 0;
    SanitiseSkyWindowState(blank, defaults);
    EXPECT_EQ(blank.viewLambda, defaults.viewLambda);
    EXPECT_EQ(blank.viewPhi, defaults.viewPhi);
    EXPECT_EQ(blank.fieldWidth, 60);
    EXPECT_EQ(blank.options.mapType, defaults.options.mapType);
    EXPECT_EQ(blank.options.gridType, defaults.options.gridType);
    EXPECT_EQ(blank.options.planetDisplayMode, defaults.options.planetDisplayMode);
    EXPECT_EQ(blank.options.deepSkyNameSystem, defaults.options.deepSkyNameSystem);
    EXPECT_EQ(blank.options.magnitudeLimit, defaults.options.magnitudeLimit);
    // What is in range stays.
    SkyWindowState kept = defaults;
    kept.viewLambda = 359.5;
    kept.fieldWidth = 180;
    kept.options.mapType = 1;
    kept.options.deepSkyNameSystem = kNoDeepSkyNames;  // "None"
    SanitiseSkyWindowState(kept, defaults);
    EXPECT_EQ(kept.viewLambda, 359.5);
    EXPECT_EQ(kept.fieldWidth, 180);
    EXPECT_EQ(kept.options.mapType, 1);
    EXPECT_EQ(kept.options.deepSkyNameSystem, kNoDeepSkyNames);
}

}  // namespace
}  // namespace corvinata
