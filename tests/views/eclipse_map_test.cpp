#include "views/eclipse_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "support/date_records.h"
#include "support/map_canvas_recording.h"
#include "support/test_text.h"
#include "views/eclipse_view.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kLightGrey{192, 192, 192};

const EclipseMapColours kDayColours = EclipseMapColoursFor(true, nullptr);

struct RoundTripCase {
    EclipseMapView view;
    int width;
    int height;
    double eastLongitude;
    double latitude;
};

TEST(EclipseMapProjection, PointsComeBackToTheirPlaceWithinAPixel) {
    const RoundTripCase cases[] = {
        {{0.0, 0.0, 1}, 720, 360, 0.0, 0.0},      {{0.0, 0.0, 1}, 720, 360, -120.5, 45.25},
        {{0.0, 0.0, 1}, 1000, 300, 170.0, -60.0}, {{0.0, 0.0, 1}, 300, 1000, -10.0, 80.0},
        {{-24.3, 45.1, 3}, 800, 600, 24.0, 44.0}, {{170.0, -20.0, 5}, 640, 480, -171.0, -21.0},
        {{-175.0, 0.0, 2}, 640, 480, -178.0, 5.0},  // across the 180th meridian from the centre
    };
    for (const RoundTripCase& c : cases) {
        const EclipseMapProjection p(c.view, c.width, c.height);
        const PixelPoint pixel = p.LonLatToPoint(c.eastLongitude, c.latitude);
        const auto back = p.PointToLonLat(pixel.x, pixel.y);
        ASSERT_TRUE(back.has_value()) << c.eastLongitude << " " << c.latitude;
        const double tolerance = 1.0 / p.PixelsPerDegree();
        EXPECT_NEAR(NormaliseAngle180(-back->longitude - c.eastLongitude), 0.0, tolerance);
        EXPECT_NEAR(back->latitude, c.latitude, tolerance);
    }
}

struct ExtentCase {
    int zoom;
    int width;
    int height;
    double pixelsPerDegree;
    PixelRect map;
};

TEST(EclipseMapProjection, ExtentFillsOrCentresTheWorld) {
    const ExtentCase cases[] = {
        {1, 720, 360, 2.0, {0, 0, 720, 360}},     // twice as wide as high: filled exactly
        {1, 1000, 360, 2.0, {140, 0, 860, 360}},  // wider: centred with margins left and right
        {1, 360, 400, 1.0, {0, 110, 360, 290}},   // taller: margins above and below
        {2, 1000, 360, 4.0, {0, 0, 1000, 360}},   // zoomed in: the map fills the client
        {5, 720, 360, 32.0, {0, 0, 720, 360}},
        {9, 720, 360, 32.0, {0, 0, 720, 360}},    // a damaged level is taken as 5
    };
    for (const ExtentCase& c : cases) {
        const EclipseMapProjection p({0.0, 0.0, c.zoom}, c.width, c.height);
        EXPECT_DOUBLE_EQ(p.PixelsPerDegree(), c.pixelsPerDegree);
        const PixelRect map = p.MapRect();
        EXPECT_EQ(map.left, c.map.left);
        EXPECT_EQ(map.top, c.map.top);
        EXPECT_EQ(map.right, c.map.right);
        EXPECT_EQ(map.bottom, c.map.bottom);
        EXPECT_NEAR(p.VisibleLongitudeSpan(), (map.right - map.left) / c.pixelsPerDegree, 1e-9);
    }
}

// A minimized window has no client; the scale used to be 0 and clicks
// divided by it.
TEST(EclipseMapProjection, AnEmptyClientHasNoMapAndTakesNoClicks) {
    for (const PixelSize size : {PixelSize{0, 0}, PixelSize{0, 300}, PixelSize{300, 0}}) {
        const EclipseMapProjection p({0.0, 0.0, 1}, size.width, size.height);
        EXPECT_TRUE(p.IsEmpty());
        EXPECT_FALSE(p.PointToLonLat(0, 0).has_value());
        RecordingCanvas canvas;
        DrawEclipseMap(canvas, p, EclipseMapContent{}, kDayColours);
        EXPECT_TRUE(canvas.Calls().empty());
    }
}

// Latitudes used to be wrapped by 180 degrees, so with the map centred off
// the equator the polar outlines came in at the opposite edge.
TEST(EclipseMapProjection, LatitudeDoesNotWrap) {
    const EclipseMapProjection p({0.0, 30.0, 1}, 720, 360);
    const PixelPoint south = p.LonLatToPoint(0.0, -80.0);
    EXPECT_GT(south.y, p.MapRect().bottom);  // off the map, where drawing is clipped
}

struct CentreCase {
    double a, b, north, south;
    double longitude, latitude;
    int zoom;
};

TEST(EclipseMapCenterOn, CentresOnTheAreaAtTheLevelItFits) {
    const CentreCase cases[] = {
        {60.0, -40.0, 50.0, 30.0, 10.0, 40.0, 2},       // 100 x 20 degrees
        {-170.0, 170.0, 10.0, -10.0, 180.0, 0.0, 4},    // across 180: span 20, centre on the far side
        {10.0, -170.0, 80.0, -80.0, -80.0, 0.0, 1},     // half the world
        {5.0, 4.9, 1.05, 1.0, 4.95, 1.025, 5},          // tiny areas stop at level 5
        {5.0, 5.0, 1.0, 1.0, 5.0, 1.0, 5},              // a single point
    };
    for (const CentreCase& c : cases) {
        const auto view = EclipseMapCenterOn(c.a, c.b, c.north, c.south);
        ASSERT_TRUE(view.has_value());
        EXPECT_NEAR(std::fabs(NormaliseAngle180(view->centreLongitude - c.longitude)), 0.0, 1e-9);
        EXPECT_NEAR(view->centreLatitude, c.latitude, 1e-9);
        EXPECT_EQ(view->zoom, c.zoom);
    }
}

// An eclipse without a central path has its area at -1000: spans of 0 gave
// a level from log2 of infinity.
TEST(EclipseMapCenterOn, WithoutAPathNothingChanges) {
    EXPECT_FALSE(EclipseMapCenterOn(kNotComputedAngle, kNotComputedAngle, kNotComputedAngle,
                                    kNotComputedAngle).has_value());
}

// The longest step of the lines drawn (the frame aside), in x.
int WidestStep(const RecordingCanvas& canvas) {
    int widest = 0;
    for (const auto& s : canvas.Segments()) {
        if (!s.defaultPen) widest = std::max(widest, std::abs(s.to.x - s.from.x));
    }
    return widest;
}

TEST(DrawEclipseMap, OutlineAcrossTheMapEdgeIsNotDrawnAcrossTheMap) {
    const std::vector<CountryOutline> outlines = {
        {{178.0, 60.0}, {-178.0, 62.0}, {-176.0, 66.0}, {178.0, 66.0}, {178.0, 60.0}}};
    const EclipseMapProjection p({0.0, 0.0, 1}, 720, 360);
    RecordingCanvas canvas;
    EclipseMapContent content;
    content.outlines = &outlines;
    DrawEclipseMap(canvas, p, content, EclipseMapColoursFor(false, nullptr));
    std::vector<RecordingCanvas::Segment> lines;
    for (const auto& s : canvas.Segments()) {
        if (!s.defaultPen) lines.push_back(s);
    }
    ASSERT_FALSE(lines.empty());
    for (const auto& s : lines) {
        EXPECT_LT(std::abs(s.to.x - s.from.x), 360) << s.from.x << " to " << s.to.x;
        EXPECT_EQ(s.colour, kLightGrey);
    }
    // The outline reaches both edges where it crosses the seam.
    bool left = false, right = false;
    for (const auto& s : lines) {
        left = left || s.to.x == 0 || s.from.x == 0;
        right = right || s.to.x == 720 || s.from.x == 720;
    }
    EXPECT_TRUE(left);
    EXPECT_TRUE(right);
}

SolarEclipseModel CurveModel(const PathCurve& path) {
    SolarEclipseModel model;
    model.found = true;
    model.centralPath = path;
    return model;
}

TEST(DrawEclipseMap, CurveAcrossThe180thMeridianAndMissingSides) {
    // West longitudes: the path runs east across the 180th meridian; one
    // point has no northern limit.
    const PathCurve path = {{178.0, 10.0, 8.0},
                            {179.5, 11.0, 9.0},
                            {-179.5, kNotComputedAngle, 10.0},
                            {-178.0, 13.0, 11.0},
                            {-176.0, 14.0, 12.0}};
    const SolarEclipseModel model = CurveModel(path);
    EclipseMapContent content;
    content.eclipse = &model;
    RecordingCanvas canvas;
    const EclipseMapProjection p({0.0, 0.0, 1}, 720, 360);
    DrawEclipseMap(canvas, p, content, kDayColours);
    EXPECT_LT(WidestStep(canvas), 360);
    for (const CanvasCall& call : canvas.Calls()) {
        if (call.op == CanvasOp::Line || call.op == CanvasOp::Move) {
            EXPECT_GE(call.point.y, -1);  // never towards latitude -1000
            EXPECT_LE(call.point.y, 361);
        }
    }
    // Centred on the meridian the same path is one short line per edge.
    RecordingCanvas centred;
    DrawEclipseMap(centred, EclipseMapProjection({180.0, 0.0, 1}, 720, 360), content, kDayColours);
    EXPECT_LT(WidestStep(centred), 20);
}

// A side that does not join the point before (the first point of another
// walk along the curve, or of another part of it) starts a new line there;
// the other side goes on.
TEST(DrawEclipseMap, SideThatDoesNotJoinStartsANewLine) {
    PathCurve path = {{10.0, 40.0, 30.0}, {11.0, 41.0, 31.0}, {12.0, 80.0, 32.0}, {13.0, 81.0, 33.0}};
    path[2].northJoins = false;
    const SolarEclipseModel model = CurveModel(path);
    EclipseMapContent content;
    content.eclipse = &model;
    RecordingCanvas canvas;
    const EclipseMapProjection p({0.0, 0.0, 1}, 720, 360);
    DrawEclipseMap(canvas, p, content, kDayColours);
    int north = 0, south = 0, across = 0;
    for (const auto& s : canvas.Segments()) {
        if (s.defaultPen) continue;
        const PixelPoint from = p.LonLatToPoint(-11.0, 41.0), to = p.LonLatToPoint(-12.0, 80.0);
        across += s.from.x == from.x && s.from.y == from.y && s.to.x == to.x && s.to.y == to.y;
        north += s.from.y < p.LonLatToPoint(0.0, 35.0).y;
        south += s.from.y >= p.LonLatToPoint(0.0, 35.0).y;
    }
    EXPECT_EQ(across, 0);
    EXPECT_EQ(north, 2);  // 10-11 and 12-13
    EXPECT_EQ(south, 3);
}

// The published greatest eclipse of 11 August 1999 lies at 24.3 E, 45.1 N.
class Eclipse1999 : public ::testing::Test {
protected:
    static NotificationHub hub;
    static SolarEclipseDocument& Document() {
        static SolarEclipseDocument document(hub, MakeDateTime(1999, 8, 11));
        return document;
    }
};
NotificationHub Eclipse1999::hub;

TEST_F(Eclipse1999, PathLimitsBracketTheGreatestEclipse) {
    const SolarEclipseModel& eclipse = Document().Map();
    ASSERT_TRUE(eclipse.found);
    const PathPoint* nearest = nullptr;
    for (const PathPoint& point : eclipse.centralPath) {
        if (nearest == nullptr || std::fabs(point.longitude + 24.3) < std::fabs(nearest->longitude + 24.3)) {
            nearest = &point;
        }
    }
    ASSERT_NE(nearest, nullptr);
    EXPECT_NEAR(nearest->longitude, -24.3, 0.2);
    EXPECT_GT(nearest->northLatitude, 45.1);
    EXPECT_LT(nearest->southLatitude, 45.1);
    EXPECT_LT(nearest->northLatitude - nearest->southLatitude, 2.0);
    EXPECT_EQ(eclipse.magnitudeCurves.size(), 5u);
    // A copy of the document shares the computed map instead of computing it again.
    SolarEclipseDocument copy(hub, Document());
    EXPECT_EQ(&copy.Map(), &Document().Map());
}

TEST_F(Eclipse1999, TheWindowsCircumstancesAreTheLibrarysInDegrees) {
    EclipseView view(Document());
    view.SetDetailsPoint({-24.3, 45.1});
    EclipseObserver observer;
    observer.longitude = -24.3;
    observer.latitude = 45.1;
    const SolarEclipseModel& eclipse = Document().Map();
    const LocalCircumstances expected = ComputeLocalCircumstances(eclipse, eclipse.date, observer);
    const LocalCircumstances& got = view.Details().circumstances;
    EXPECT_EQ(got.magnitude, expected.magnitude);
    EXPECT_EQ(got.maximum.time, expected.maximum.time);
    EXPECT_EQ(got.pathWidth, expected.pathWidth);
    // Under the greatest eclipse: total, near 10:32 UT, the Sun high.
    EXPECT_GT(got.magnitude, 1.0);
    EXPECT_NEAR(got.maximum.time, 11.0 + 3.0 / 60.0, 0.1);
    EXPECT_NEAR(got.maximum.sunAltitude, 59.0, 1.0);
    EXPECT_GT(got.centralDuration, 130);
    const EclipseAtInstant atMaximum =
        LocalEclipseAtInstant(eclipse.date, view.GetDetailsTime(), observer);
    EXPECT_EQ(view.Details().atMoment.magnitude, atMaximum.magnitude);
}

// The path's limits are drawn in palette 0 like the outlines: through the
// recording canvas every limit point is found where the projection puts it.
TEST_F(Eclipse1999, EveryPathLimitIsDrawnWhereTheProjectionPutsIt) {
    const SolarEclipseModel& eclipse = Document().Map();
    EclipseMapContent content;
    content.eclipse = &eclipse;
    content.observer = {0.1275, 51.5072};  // London
    const EclipseMapProjection p({0.0, 0.0, 1}, 1000, 500);
    RecordingCanvas canvas;
    DrawEclipseMap(canvas, p, content, kDayColours);
    std::vector<PixelPoint> black;
    for (const auto& s : canvas.Segments()) {
        if (!s.defaultPen && s.colour == kBlack) black.insert(black.end(), {s.from, s.to});
    }
    for (const PathPoint& point : eclipse.centralPath) {
        for (const double latitude : {point.northLatitude, point.southLatitude}) {
            if (latitude == kNotComputedAngle) continue;
            const PixelPoint expected = p.LonLatToPoint(-point.longitude, latitude);
            ASSERT_NE(std::find(black.begin(), black.end(), expected), black.end()) << point.longitude;
        }
    }
    EXPECT_GT(eclipse.centralPath.size(), 500u);
    // The mark: a red ellipse round London, outlined black.
    const PixelPoint london = p.LonLatToPoint(-0.1275, 51.5072);
    const CanvasCall& mark = canvas.Calls()[canvas.Calls().size() - 2];
    ASSERT_EQ(mark.op, CanvasOp::Ellipse);
    EXPECT_EQ(mark.colour, (Colour{255, 0, 0}));
    EXPECT_EQ(mark.rect.left, london.x - 5);
    EXPECT_EQ(mark.rect.bottom, london.y + 5);
}

TEST(DrawEclipseMap, WithoutAnEclipseFrameDimmedOutlinesAndTheExplanation) {
    NotificationHub hub;
    SolarEclipseDocument document(hub, MakeDateTime(2000, 1, 1));
    EclipseView view(document);
    EXPECT_EQ(test::Utf8(view.StatusText()), "no eclipse (01.01.2000)");
    view.SetClientSize(720, 400);
    const std::vector<CountryOutline> outlines = {{{0.0, 0.0}, {10.0, 10.0}}};
    RecordingCanvas canvas;
    DrawEclipseMap(canvas, view.Projection(), view.MapContent(&outlines),
                   EclipseMapColoursFor(view.HasEclipse(), nullptr));
    const auto segments = canvas.Segments();
    ASSERT_EQ(segments.size(), 5u);
    EXPECT_TRUE(segments[0].defaultPen);
    EXPECT_EQ(segments[0].from, (PixelPoint{0, 20}));
    EXPECT_EQ(segments[1].from, (PixelPoint{719, 20}));
    EXPECT_EQ(segments[2].from, (PixelPoint{719, 379}));
    EXPECT_EQ(segments[4].colour, kLightGrey);
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(test::Utf8(canvas.Texts()[0]),
              "No solar eclipse occurs on 01.01.2000.\r\n\r\n"
              "To find an eclipse, click 'Search for solar eclipses' in the Related Tasks panel.\r\n\r\n"
              "If you know the date of an eclipse, enter it in the control panel and press 'Go to'.\r\n");
    const CanvasCall& text = canvas.Calls().back();
    EXPECT_EQ(text.rect.top, 200 - 40);
    EXPECT_EQ(text.rect.right, 720);
    EXPECT_EQ(text.colour, kBlack);
}

}  // namespace
}  // namespace corvinata
