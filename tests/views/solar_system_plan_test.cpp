#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "views/label_placement.h"
#include "views/solar_system_plan.h"
#include "support/solar_system_plan_recording.h"

namespace corvinata {
namespace {

std::u16string U(const char* text) {
    std::u16string out;
    for (; *text; ++text) out.push_back(static_cast<char16_t>(*text));
    return out;
}

// Mercury at 0.39 AU, Venus 0.72, Mars 1.52 ... Pluto 39.5; the Earth at
// 1 AU on longitude 90, the Moon due east of it.
PlanPositions SamplePositions() {
    PlanPositions p;
    const double radius[8] = {0.39, 0.72, 1.52, 5.2, 9.5, 19.2, 30.1, 39.5};
    p.planetCount = 8;
    for (int i = 0; i < 8; ++i) p.planets[i] = {45.0 * i, radius[i], 2};
    p.earth = {90.0, 1.0, 2};
    p.moonLongitude = 0.0;
    return p;
}

PlanScene SampleScene(int zoom, SolarSystemOptions options = SolarSystemOptions{}) {
    PlanScene scene;
    scene.width = 400;
    scene.height = 400;
    scene.zoom = zoom;
    scene.options = options;
    scene.positions = SamplePositions();
    const char* names[11] = {"Sun",    "Moon",   "Mercury", "Venus",   "Mars",   "Jupiter",
                             "Saturn", "Uranus", "Neptune", "Pluto",   "Earth"};
    for (int i = 0; i < 11; ++i) scene.names[i] = U(names[i]);
    return scene;
}

SolarSystemOptions Only(bool SolarSystemOptions::*field) {
    SolarSystemOptions o;
    o.moonOn = o.namesOn = o.signsOn = o.orbitsOn = false;
    o.*field = true;
    return o;
}

TEST(SolarSystemPlan, DrawingSquareIsCentredAlongTheLongerSide) {
    struct Case {
        int w, h, left, top, half;
    } cases[] = {
        {400, 400, 0, 0, 200}, {600, 400, 100, 0, 200}, {400, 601, 0, 100, 200}, {801, 400, 200, 0, 200},
        {1, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const PlanSquare s = GetDrawingSquare(c.w, c.h);
        EXPECT_EQ(s.left, c.left) << c.w << "x" << c.h;
        EXPECT_EQ(s.top, c.top) << c.w << "x" << c.h;
        EXPECT_EQ(s.half, c.half) << c.w << "x" << c.h;
    }
}

// A wider window keeps the plan circular: its square sits in the middle.
TEST(SolarSystemPlan, ProjectionPutsLongitudeZeroRightAndGrowsCounterClockwise) {
    struct Case {
        int w, h;
        double longitude, radius;
        int zoom, x, y;
        bool inside;
    } cases[] = {
        {400, 400, 0.0, 2.0, 3, 400, 200, true},    // Mars' zoom: 2 AU reaches the right edge
        {400, 400, 90.0, 1.0, 3, 200, 100, true},   // north of the Sun is up
        {400, 400, 180.0, 1.0, 3, 100, 200, true},
        {400, 400, 270.0, 0.6, 0, 200, 400, true},  // Mercury's zoom: 0.6 AU reaches the bottom
        {400, 400, 0.0, 1.0, 0, 533, 200, false},   // the Earth outside Mercury's view
        {400, 400, 45.0, 55.0, 8, 341, 59, true},
        {700, 400, 0.0, 1.0, 3, 450, 200, true},
        {700, 400, 90.0, 1.0, 3, 350, 100, true},
    };
    for (const Case& c : cases) {
        const PlanPoint p = ProjectHeliocentric(GetDrawingSquare(c.w, c.h), c.longitude, c.radius, c.zoom);
        EXPECT_EQ(p.pixel, (PlanPixel{c.x, c.y})) << c.w << " " << c.longitude << " " << c.radius;
        EXPECT_EQ(p.inside, c.inside) << c.w << " " << c.longitude << " " << c.radius;
    }
}

TEST(SolarSystemPlan, MoonStaysTenPixelsFromTheEarthAtEveryZoom) {
    const PlanSquare s = GetDrawingSquare(400, 400);
    for (int zoom = 0; zoom < kSolarZoomCount; ++zoom) {
        const PlanPoint earth = ProjectHeliocentric(s, 30.0, 1.0, zoom);
        const PlanPoint moon = ProjectMoon(s, 30.0, 1.0, 90.0, zoom);
        EXPECT_NEAR(moon.x - earth.x, 0.0, 1e-9) << zoom;
        EXPECT_NEAR(earth.y - moon.y, 10.0, 1e-9) << zoom;
    }
}

TEST(SolarSystemPlan, RingPointsFollowTheEarthNotTheZoom) {
    const PlanSquare s = GetDrawingSquare(400, 400);
    struct Case {
        double longitude, fraction;
        int dx, dy, x, y;
    } cases[] = {
        {0.0, 0.95, 0, 0, 390, 200}, {90.0, 0.95, 0, 0, 200, 10}, {180.0, 0.5, 10, -20, 110, 180},
        {270.0, 1.0, -5, 5, 195, 405},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProjectRingPoint(s, c.longitude, c.fraction, c.dx, c.dy), (PlanPixel{c.x, c.y})) << c.longitude;
}

// Zoom levels read from outside: anything past the table takes the default.
TEST(SolarSystemPlan, ZoomOutsideTheTableTakesTheDefault) {
    const int cases[][2] = {{0, 0}, {8, 8}, {9, 3}, {-1, 3}, {1000, 3}};
    for (const auto& c : cases) EXPECT_EQ(NormaliseSolarZoom(c[0]), c[1]) << c[0];
}

TEST(SolarSystemPlan, LabelDetailByZoom) {
    // zoom: Mercury's, Venus', Mars' labels, the Sun's, the Earth's and the Moon.
    struct Case {
        int zoom;
        bool mercury, venus, mars, sun, earth;
    } cases[] = {
        {3, true, true, true, true, true},   {4, false, true, true, false, true},
        {5, false, false, true, false, false}, {6, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlanShowsPlanetLabel(c.zoom, 0), c.mercury) << c.zoom;
        EXPECT_EQ(PlanShowsPlanetLabel(c.zoom, 1), c.venus) << c.zoom;
        EXPECT_EQ(PlanShowsPlanetLabel(c.zoom, 2), c.mars) << c.zoom;
        EXPECT_EQ(PlanShowsSunLabel(c.zoom), c.sun) << c.zoom;
        EXPECT_EQ(PlanShowsEarthLabelAndMoon(c.zoom), c.earth) << c.zoom;
    }
}

TEST(SolarSystemPlan, NamesDisappearWithTheZoomInTheDrawing) {
    struct Case {
        int zoom;
        const char* gone;
        const char* kept;
    } cases[] = {{4, "Mercury", "Venus"}, {5, "Venus", "Mars"}};
    for (const Case& c : cases) {
        RecordingPlanCanvas canvas;
        DrawSolarSystemPlan(SampleScene(c.zoom, Only(&SolarSystemOptions::namesOn)), canvas);
        EXPECT_EQ(canvas.FindText(U(c.gone)), nullptr) << c.zoom;
        EXPECT_NE(canvas.FindText(U(c.kept)), nullptr) << c.zoom;
    }
}

// The boxes of the texts drawn (not the ring's labels), as the recording
// canvas measures them.
std::vector<LabelBox> LabelBoxes(RecordingPlanCanvas& canvas) {
    std::vector<LabelBox> boxes;
    for (const PlanOperation& op : canvas.Operations()) {
        if (op.kind != PlanOperation::kText) continue;
        const int w = canvas.TextWidth(op.text, op.font);
        const int h = canvas.TextHeight(op.font);
        const int left = op.align == PlanAlign::kLeftTop ? op.x : op.x - w / 2;
        const int top = op.align == PlanAlign::kCentreBottom ? op.y - h : op.y;
        boxes.push_back({left, top, left + w, top + h});
    }
    return boxes;
}

// The Earth's and the Moon's names and symbols, ten pixels apart, never
// cover each other wherever the Moon stands; the Moon's name moves aside
// and stays.
TEST(SolarSystemPlan, EarthAndMoonLabelsStayApartWhereverTheMoonStands) {
    SolarSystemOptions options;
    options.moonOn = options.namesOn = options.signsOn = true;
    options.orbitsOn = false;
    for (int zoom : {2, 3, 4}) {
        for (int moon = 0; moon < 360; moon += 15) {
            PlanScene scene = SampleScene(zoom, options);
            scene.positions.moonLongitude = moon;
            RecordingPlanCanvas canvas;
            DrawSolarSystemPlan(scene, canvas);
            const std::vector<LabelBox> boxes = LabelBoxes(canvas);
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                    EXPECT_FALSE(boxes[i].Overlaps(boxes[j])) << zoom << " " << moon << ": " << i << " " << j;
                }
            }
            EXPECT_NE(canvas.FindText(U("Moon")), nullptr) << zoom << " " << moon;
            EXPECT_NE(canvas.FindText(U("Earth")), nullptr) << zoom << " " << moon;
        }
    }
}

// A label with room where the plan puts it stays there.
TEST(SolarSystemPlan, LabelsWithRoomStayWhereThePlanPutsThem) {
    RecordingPlanCanvas canvas;
    DrawSolarSystemPlan(SampleScene(8, Only(&SolarSystemOptions::namesOn)), canvas);
    const PlanOperation* neptune = canvas.FindText(U("Neptune"));
    ASSERT_NE(neptune, nullptr);
    const PlanPoint at = PlanBodyPoint(GetDrawingSquare(400, 400), SamplePositions(), 8, {kPlanPlanet, 6});
    EXPECT_EQ(neptune->x, at.pixel.x);
    EXPECT_EQ(neptune->y, at.pixel.y + 7);
    EXPECT_EQ(neptune->align, PlanAlign::kCentreTop);
}

TEST(SolarSystemPlan, SymbolCodesSkipTheEarthsBetweenVenusAndMars) {
    struct Case {
        PlanBody body;
        int code;
    } cases[] = {
        {{kPlanSun, 0}, 0xE5}, {{kPlanMoon, 0}, 0xE6},    {{kPlanPlanet, 0}, 0xE7}, {{kPlanPlanet, 1}, 0xE8},
        {{kPlanEarth, 0}, 0xE9}, {{kPlanPlanet, 2}, 0xEA}, {{kPlanPlanet, 7}, 0xEF},
    };
    for (const Case& c : cases) EXPECT_EQ(static_cast<int>(PlanSymbolCode(c.body)), c.code);
}

TEST(SolarSystemPlan, HitTestTakesTheNearestCandidate) {
    const PlanSquare s = GetDrawingSquare(400, 400);
    const PlanPositions p = SamplePositions();
    struct Case {
        int zoom;
        bool moon;
        int x, y;
        PlanBody expected;
    } cases[] = {
        {3, false, 200, 200, {kPlanSun, 0}},
        {3, false, 239, 200, {kPlanPlanet, 0}},  // Mercury at 0 degrees, 0.39 AU
        {3, false, 240, 160, {kPlanPlanet, 1}},  // Venus at 45 degrees, 0.72 AU
        {3, false, 200, 100, {kPlanEarth, 0}},
        {3, true, 209, 100, {kPlanMoon, 0}},     // the Moon 10 px east of the Earth
        {3, false, 209, 100, {kPlanEarth, 0}},   // not a candidate while hidden
        {8, true, 209, 196, {kPlanMoon, 0}},     // picked at every zoom
        {0, false, 200, 0, {kPlanEarth, 0}},     // outside Mercury's view yet nearest
        {0, false, 250, -50, {kPlanEarth, 0}},
    };
    for (const Case& c : cases) {
        const PlanBody b = HitTestSolarSystem(s, p, c.zoom, c.moon, c.x, c.y);
        EXPECT_EQ(b, c.expected) << c.zoom << " " << c.x << "," << c.y << " got " << b.type << "/" << b.index;
    }
}

// A tie keeps the earlier candidate: planets before the Sun before the Earth.
TEST(SolarSystemPlan, HitTestTieKeepsTheEarlierCandidate) {
    const PlanSquare s = GetDrawingSquare(400, 400);
    PlanPositions p = SamplePositions();
    p.planets[2] = {90.0, 1.0, 2};  // Mars on the Earth's point
    EXPECT_EQ(HitTestSolarSystem(s, p, 3, false, 200, 100), (PlanBody{kPlanPlanet, 2}));
    EXPECT_EQ(HitTestSolarSystem(s, p, 3, false, 200, 150), (PlanBody{kPlanPlanet, 2}));  // Sun and Mars equidistant
}

TEST(SolarSystemPlan, EveryOptionOffDrawsOnlyTheMarksInside) {
    SolarSystemOptions off = Only(&SolarSystemOptions::zodiacSightLines);
    off.zodiacSightLines = false;
    RecordingPlanCanvas canvas;
    DrawSolarSystemPlan(SampleScene(0, off), canvas);
    int marks = 0;
    for (const PlanOperation& op : canvas.Operations()) {
        EXPECT_EQ(op.kind, PlanOperation::kPlus);
        ++marks;
    }
    EXPECT_EQ(marks, 3);  // the Sun, Mercury, Venus; the Earth at 1 AU is outside
    EXPECT_EQ(canvas.Operations()[0].colour, (Colour{255, 255, 0}));
}

TEST(SolarSystemPlan, ConstellationsAloneGiveBoundaryTicksAndNamesButNoThirtyDegreeTicks) {
    RecordingPlanCanvas canvas;
    PlanScene scene = SampleScene(3, Only(&SolarSystemOptions::zodiacConstellations));
    DrawSolarSystemPlan(scene, canvas);
    int lines = 0, texts = 0;
    for (const PlanOperation& op : canvas.Operations()) {
        if (op.kind == PlanOperation::kLine) ++lines;
        if (op.kind == PlanOperation::kText) ++texts;
    }
    EXPECT_EQ(lines, 361 + 12);  // the circle and one boundary tick per constellation
    EXPECT_EQ(texts, 12);
    EXPECT_EQ(canvas.FindText(U("0h")), nullptr);
    EXPECT_DOUBLE_EQ(ZodiacConstellationLabelLongitude(11), 9.625);
    // Pisces' label sits at 9.625 degrees around the Earth's point (200, 100).
    const PlanOperation* psc = canvas.FindText(U("Psc"));
    ASSERT_NE(psc, nullptr);
    const PlanPixel expected = ProjectRingPoint(GetDrawingSquare(400, 400), 9.625, 0.99, 0, -100);
    EXPECT_EQ(psc->x, expected.x);
    EXPECT_EQ(psc->y, expected.y + 7);
}

TEST(SolarSystemPlan, RingLabelsOfHoursAndSigns) {
    SolarSystemOptions o = Only(&SolarSystemOptions::zodiacRightAscension);
    o.zodiacSigns = true;
    RecordingPlanCanvas canvas;
    DrawSolarSystemPlan(SampleScene(3, o), canvas);
    for (const char* text : {"0h", "12h", "22h", "Ari", "Psc"}) EXPECT_NE(canvas.FindText(U(text)), nullptr) << text;
    EXPECT_EQ(canvas.FindText(U("24h")), nullptr);
}

TEST(SolarSystemPlan, NightVisionTurnsEveryElementRed) {
    SolarSystemOptions all;
    all.zodiacRightAscension = all.zodiacSigns = all.zodiacConstellations = all.zodiacSightLines = true;
    PlanScene scene = SampleScene(3, all);
    scene.nightVision = true;
    scene.hasSelection = true;
    scene.highlight = true;
    RecordingPlanCanvas canvas;
    DrawSolarSystemPlan(scene, canvas);
    for (const PlanOperation& op : canvas.Operations()) {
        if (op.kind == PlanOperation::kMove) continue;
        EXPECT_EQ(op.colour.green, 0);
        EXPECT_EQ(op.colour.blue, 0);
        EXPECT_GT(op.colour.red, 0);
    }
}

TEST(SolarSystemPlan, SightLinesRunFromTheEarthToTheEdge) {
    PlanScene scene = SampleScene(3, Only(&SolarSystemOptions::zodiacSightLines));
    struct Case {
        PlanPixel planet;
        PlanPixel end;
    } cases[] = {
        {{300, 100}, {400, 100}},  // flat, to the right edge
        {{100, 150}, {0, 200}},    // flat, to the left
        {{210, 300}, {215, 400}},  // steep, down to the bottom
        {{200, 100}, {-1, -1}},    // on the Earth's point: none
    };
    for (const Case& c : cases) {
        RecordingPlanCanvas canvas;
        DrawSightLine(scene, {200, 100}, c.planet, canvas);
        if (c.end.x < 0) {
            EXPECT_TRUE(canvas.Operations().empty());
            continue;
        }
        ASSERT_EQ(canvas.Operations().size(), 3u);
        EXPECT_TRUE(canvas.Operations()[0].dotted);
        EXPECT_EQ((PlanPixel{canvas.Operations()[2].x, canvas.Operations()[2].y}), c.end);
    }
}

TEST(SolarSystemPlan, OrbitsBreakWhereTheTrackLeavesTheView) {
    std::vector<SolarSystemPoint> track;
    for (int a = 0; a < 360; a += 10) track.push_back({static_cast<double>(a), a < 180 ? 1.0 : 5.0, 2});
    PlanScene scene = SampleScene(3, Only(&SolarSystemOptions::orbitsOn));
    scene.positions.planetCount = 0;
    scene.positions.earthTrack = &track;
    RecordingPlanCanvas canvas;
    DrawSolarSystemPlan(scene, canvas);
    int lines = 0;
    for (const PlanOperation& op : canvas.Operations())
        if (op.kind == PlanOperation::kLine) ++lines;
    EXPECT_EQ(lines, 19);  // 0..170 degrees inside, the rest out, then back to the start
}

TEST(SolarSystemPlan, HighlightRingOnTheSelectedBodyOnlyWhileItLasts) {
    PlanScene scene = SampleScene(3);
    scene.hasSelection = true;
    scene.selected = {kPlanEarth, 0};
    RecordingPlanCanvas plain, lit;
    DrawSolarSystemPlan(scene, plain);
    scene.highlight = true;
    DrawSolarSystemPlan(scene, lit);
    ASSERT_EQ(lit.Operations().size(), plain.Operations().size() + 1);
    EXPECT_EQ(lit.Operations().back().kind, PlanOperation::kRing);
    EXPECT_EQ((PlanPixel{lit.Operations().back().x, lit.Operations().back().y}), (PlanPixel{200, 100}));
}

}  // namespace
}  // namespace corvinata
