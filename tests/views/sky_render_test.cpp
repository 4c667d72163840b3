#include "views/sky_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/coordinates.h"
#include "base/time_systems.h"
#include "catalog/property_calculators.h"
#include "catalog/planet_catalogue.h"
#include "catalog/star_catalogue.h"
#include "catalog/sun_earth_catalogues.h"
#include "views/sky_test_support.h"

namespace corvinata {
namespace {

using test::AllLayers;
using test::SkyScene;

int CountOps(const std::vector<SkyGlCall>& calls, SkyGlOp op) {
    int n = 0;
    for (const SkyGlCall& c : calls) n += c.op == op;
    return n;
}

// The lists compiled since `before` (compilation counts per list).
std::vector<SkyList> CompiledSince(const RecordingSkyGl& gl, const std::vector<int>& before) {
    std::vector<SkyList> compiled;
    for (int k = 0; k < kSkyListCount; ++k) {
        if (gl.Compilations(static_cast<SkyList>(k)) != before[static_cast<std::size_t>(k)]) {
            compiled.push_back(static_cast<SkyList>(k));
        }
    }
    return compiled;
}

std::vector<int> CompilationCounts(const RecordingSkyGl& gl) {
    std::vector<int> counts;
    for (int k = 0; k < kSkyListCount; ++k) counts.push_back(gl.Compilations(static_cast<SkyList>(k)));
    return counts;
}

TEST(SkyRenderer, EachChangeRebuildsOnlyTheListsItTouches) {
    using L = SkyList;
    const std::vector<SkyList> colouredParts = {L::kGridAndEcliptic, L::kFigures, L::kBoundaries,
                                                L::kDeepSky,         L::kStars,   L::kMovingBodies};
    struct Case {
        const char* name;
        std::uint32_t flags;
        bool everything;
        void (*change)(SkyScene&);
        std::vector<SkyList> compiled;
    };
    const Case cases[] = {
        {"everything", 0, true, [](SkyScene&) {},
         {L::kFullLayers, L::kGridAndEcliptic, L::kFigures, L::kBoundaries, L::kDeepSky, L::kStars,
          L::kMovingBodies, L::kSunMoonSphere}},
        {"selection", kSkyChangeSelection, false, [](SkyScene& s) { s.host.selected = GetPlanetCatalogue().At(2); }, {}},
        {"direction", kSkyChangeDirection, false, [](SkyScene& s) { s.host.azimuth += 10.0; }, {}},
        {"zoom", kSkyChangeZoom, false, [](SkyScene& s) { s.host.fieldOfView = 30; }, {}},
        {"star names", kSkyChangeOptions, false, [](SkyScene& s) { s.host.options.starNamesOn = true; }, {}},
        {"map type", kSkyChangeOptions, false, [](SkyScene& s) { s.host.options.mapType = 0; }, {}},
        {"magnitude limit", kSkyChangeOptions, false, [](SkyScene& s) { s.host.options.magnitudeLimit = 4; },
         {L::kStars}},
        {"figures", kSkyChangeOptions, false, [](SkyScene& s) { s.host.options.constellationLinesOn = false; },
         {L::kFigures}},
        {"boundaries", kSkyChangeOptions, false,
         [](SkyScene& s) { s.host.options.constellationBoundariesOn = false; }, {L::kBoundaries}},
        {"deep sky", kSkyChangeOptions, false, [](SkyScene& s) { s.host.options.deepSkyCatalogue = 2; },
         {L::kDeepSky}},
        {"ecliptic", kSkyChangeOptions, false, [](SkyScene& s) { s.host.options.eclipticOn = false; },
         {L::kGridAndEcliptic}},
        {"planets", kSkyChangeOptions, false, [](SkyScene& s) { s.host.options.planetDisplayMode = 2; },
         {L::kMovingBodies}},
        // A step of time moves the bodies (the sphere they call stays); the
        // equinox of the date moves the frames the catalogues are placed in.
        {"time step", kSkyChangeDateTime, false,
         [](SkyScene& s) {
             DateTime later = s.document.GetTimeAndPlace().dateTime;
             later.hours += 1.0;
             s.document.SetDateTime(later, false, false);
         },
         {L::kFullLayers, L::kMovingBodies}},
        {"night vision", kSkyChangeOptions, false, [](SkyScene& s) { s.host.night = true; }, colouredParts},
    };
    for (const Case& c : cases) {
        SkyScene s;
        AllLayers(s.host.options);
        s.renderer->SkyRenderFrame();
        const std::vector<int> before = CompilationCounts(s.gl);
        c.change(s);
        s.renderer->OnViewUpdate(c.flags, c.everything);
        s.renderer->SkyRenderFrame();
        std::vector<SkyList> expected = c.compiled;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(CompiledSince(s.gl, before), expected) << c.name;
    }
}

TEST(SkyRenderer, ZoomRebuildsOnlyTheCrossesOfItsGrid) {
    struct Case { int map, grid; bool crosses; std::vector<SkyList> compiled; };
    const Case cases[] = {
        {1, 2, true, {SkyList::kGridAndEcliptic}},
        {0, 1, true, {SkyList::kHorizontalFrame}},
        {1, 2, false, {}},
    };
    for (const Case& c : cases) {
        SkyScene s;
        s.host.options.mapType = c.map;
        s.host.options.gridType = c.grid;
        s.host.options.gridAsCrosses = c.crosses;
        s.renderer->SkyRenderFrame();
        const std::vector<int> before = CompilationCounts(s.gl);
        s.host.fieldOfView = 30;
        s.renderer->OnViewUpdate(kSkyChangeZoom, false);
        s.renderer->SkyRenderFrame();
        EXPECT_EQ(CompiledSince(s.gl, before), c.compiled) << c.grid;
    }
}

TEST(SkyRenderer, EveryListIsCompiledBeforeAListThatCallsIt) {
    SkyScene s;
    AllLayers(s.host.options);
    s.host.options.horizonType = 1;
    s.renderer->SkyRenderFrame();
    std::vector<int> compiled;
    for (const SkyGlCall& c : s.gl.Calls())
        if (c.op == SkyGlOp::kNewList) compiled.push_back(c.i);
    EXPECT_EQ(compiled.size(), 9u) << "the full configuration's lists, the sphere's and the horizon's";
    for (std::size_t k = 0; k < compiled.size(); ++k) {
        for (const SkyGlCall& c : s.gl.List(static_cast<SkyList>(compiled[k]))) {
            if (c.op != SkyGlOp::kCallList) continue;
            EXPECT_NE(std::find(compiled.begin(), compiled.begin() + static_cast<long>(k), c.i),
                      compiled.begin() + static_cast<long>(k))
                << "list " << compiled[k] << " calls " << c.i;
        }
    }
}

// A pick writes its feedback stream from the pick tables without drawing:
// no list is called, nothing is drawn, and the stream holds nothing but the
// objects' markers and their pixels (lines, the horizon and labels never
// pick).
TEST(SkyRenderer, APickDrawsNothingAndMeetsOnlyMarkersAndPixels) {
    SkyScene s;
    SkyOptions& o = s.host.options;
    o.gridType = 2;
    o.horizonType = 1;
    o.constellationLinesOn = o.constellationBoundariesOn = o.sunOn = true;
    o.planetDisplayMode = 1;
    o.magnitudeLimit = 20;
    o.starNamesOn = true;
    s.host.fieldOfView = 180;
    s.renderer->SkyRenderFrame();
    s.gl.ClearCalls();
    ASSERT_NE(s.renderer->SkyFeedbackPick(400, 400).object, nullptr);
    for (const SkyGlCall& c : s.gl.Calls()) {
        for (SkyGlOp drawing : {SkyGlOp::kCallList, SkyGlOp::kBegin, SkyGlOp::kPoint, SkyGlOp::kBitmap,
                                SkyGlOp::kDrawPixels, SkyGlOp::kTexImage, SkyGlOp::kText, SkyGlOp::kSwapBuffers,
                                SkyGlOp::kNewList}) {
            EXPECT_NE(c.op, drawing);
        }
    }
    const std::vector<float>& stream = s.renderer->CurrentContext().feedback;
    int pixels = 0;
    for (std::size_t i = 0; i < stream.size(); i += stream[i] == skygl::kDrawPixelToken ? 3 : 2) {
        ASSERT_TRUE(stream[i] == skygl::kDrawPixelToken || stream[i] == skygl::kPassThroughToken) << i;
        pixels += stream[i] == skygl::kDrawPixelToken;
    }
    EXPECT_GT(pixels, 1000) << "the stars of half the sky";
}

TEST(SkyRenderer, DragSwitchesToTheCoarseListAndBackWithoutRebuildingTheFullOne) {
    SkyScene s;
    AllLayers(s.host.options);
    s.renderer->SkyRenderFrame();
    for (int drag = 0; drag < 2; ++drag) {
        const std::vector<int> before = CompilationCounts(s.gl);
        s.renderer->UseCoarseLayerList(true);
        for (int move = 0; move < 3; ++move) {
            s.host.azimuth += 5.0;
            s.renderer->OnViewUpdate(kSkyChangeDirection, false);
            s.renderer->SkyRenderFrame();
        }
        s.renderer->UseCoarseLayerList(false);
        s.renderer->SkyRenderFrame();
        // The coarse configuration's own lists at the first drag only.
        const std::vector<SkyList> first = {SkyList::kCoarseLayers, SkyList::kBrightStars};
        EXPECT_EQ(CompiledSince(s.gl, before), drag == 0 ? first : std::vector<SkyList>{}) << drag;
    }
}

TEST(SkyRenderer, ViewportIsTheSquareOfTheLargerSideEveryFrame) {
    struct Case { int w, h, map; int viewport[4]; };
    const Case cases[] = {
        {800, 600, 0, {0, -100, 800, 800}},
        {800, 600, 2, {0, 0, 800, 800}},
        {600, 800, 1, {-100, 0, 800, 800}},
        {500, 500, 1, {0, 0, 500, 500}},
    };
    SkyScene s;
    for (const Case& c : cases) {
        // No resize message between the changes: the frame sets it.
        s.gl.SetClientSize(c.w, c.h);
        s.host.options.mapType = c.map;
        s.renderer->SkyRenderFrame();
        int v[4];
        s.gl.GetViewport(v);
        EXPECT_EQ(std::vector<int>(v, v + 4), std::vector<int>(c.viewport, c.viewport + 4));
    }
}

TEST(SkyRenderer, FeedbackFramesDrawNeitherLabelsNorSwap) {
    SkyScene s;
    s.host.options.planetDisplayMode = 1;
    s.host.options.planetNamesOn = true;
    s.host.azimuth = 30;
    s.renderer->SkyRenderFrame();
    EXPECT_EQ(CountOps(s.gl.Calls(), SkyGlOp::kSwapBuffers), 1);
    EXPECT_GT(CountOps(s.gl.Calls(), SkyGlOp::kText), 0);
    s.gl.ClearCalls();
    s.renderer->SkyFeedbackPick(400, 400);
    EXPECT_EQ(CountOps(s.gl.Calls(), SkyGlOp::kSwapBuffers), 0);
    EXPECT_EQ(CountOps(s.gl.Calls(), SkyGlOp::kText), 0);
}

TEST(SkyRenderer, PickFindsThePlanetUnderThePointerAndNothingInAnEmptySky) {
    SkyScene s;
    s.host.azimuth = 30;  // Mars (planet 2) at 30 degrees stands in the centre
    EXPECT_EQ(s.renderer->SkyFeedbackPick(400, 400).object, nullptr) << "nothing drawn";
    EXPECT_EQ(s.renderer->SkyHitTest(400, 400), 2);
    s.host.options.planetDisplayMode = 1;
    s.renderer->OnViewUpdate(kSkyChangeOptions, false);
    const SkyPickResult pick = s.renderer->SkyFeedbackPick(400, 400);
    ASSERT_NE(pick.object, nullptr);
    EXPECT_EQ(pick.object->GetTypeId(), kBodyPlanet);
    EXPECT_EQ(pick.object->Number(), 2);
    EXPECT_LE(pick.distance, 1);
    int x = 0, y = 0;
    ASSERT_TRUE(s.renderer->SkyProjectObject(*pick.object, x, y));
    EXPECT_NEAR(x, 400, 1);
    EXPECT_NEAR(y, 400, 1);
    // 15 pixels off is a hit, 16 empty sky (Mars's neighbours lie ~70 px away).
    EXPECT_EQ(s.renderer->SkyHitTest(x + 15, y), 1);
    EXPECT_EQ(s.renderer->SkyHitTest(x, y + 16), 2);
}

TEST(SkyRenderer, APickFollowsTheBodiesAfterAStepOfTime) {
    SkyScene s;
    s.host.options.planetDisplayMode = 1;
    s.host.azimuth = 30;  // Mars in the centre
    const CelestialObject* mars = GetPlanetCatalogue().At(2);
    ASSERT_EQ(s.renderer->SkyFeedbackPick(400, 400).object, mars);
    // An hour later Mars stands 2 degrees east, some 28 pixels left.
    s.bodies.planetRa[2] = 32.0;
    DateTime later = s.document.GetTimeAndPlace().dateTime;
    later.hours += 1.0;
    s.document.SetDateTime(later, false, false);
    EXPECT_EQ(s.renderer->SkyHitTest(400, 400), 2);
    int x = 0, y = 0;
    ASSERT_TRUE(s.renderer->SkyProjectObject(*mars, x, y));
    EXPECT_NEAR(x, 372, 2);
    EXPECT_EQ(s.renderer->SkyFeedbackPick(x, y).object, mars);
}

TEST(SkyRenderer, AScenePastItsBufferIsPickedInALargerOne) {
    SkyScene s;
    SkyOptions& o = s.host.options;
    AllLayers(o);
    o.deepSkyCatalogue = 2;
    o.magnitudeLimit = 20;
    s.host.fieldOfView = 180;
    s.host.azimuth = 100;  // the Sun in the centre
    // A buffer far too small for the scene: the pick renders again into a
    // larger one instead of finding nothing.
    s.renderer->CurrentContext().feedback.assign(64, 0.0f);
    const SkyPickResult pick = s.renderer->SkyFeedbackPick(400, 400);
    ASSERT_NE(pick.object, nullptr);
    EXPECT_EQ(pick.object->GetTypeId(), kBodySun);
    EXPECT_GT(s.renderer->CurrentContext().feedback.size(), 64u);
    EXPECT_TRUE(s.renderer->SkyIsObjectVisible(*GetSunCatalogue().CatalogueGetObjectAt(0)));
    // Off the centre but on the Sun's disc (~2.8 pixels at field 180): still the Sun.
    EXPECT_EQ(s.renderer->SkyFeedbackPick(402, 401).object, pick.object);
}

TEST(SkyRenderer, StarsAreDrawnInTheSkyOfTheDate) {
    ASSERT_TRUE(test::EnsureSkyCatalogues());
    const int sirius = GetStarCatalogue().StarByCatalogueName(TXT("BSC 2491"));
    ASSERT_GE(sirius, 0);
    const BrightStar& star = *GetStarCatalogue().At(sirius);
    for (int year : {1583, 2000, 3000}) {
        SkyScene s;
        s.SetYear(year);
        s.renderer->SkyRenderFrame();
        SkyVector drawn;
        ASSERT_TRUE(s.renderer->ObjectModelPoint(star, drawn));
        const double jd = DateTimeToJulianDay(DateTime{year, 1, 1, 12.0, kUniversalTime});
        const SkyCoordinates of =
            PrecessFromJ2000({star.RightAscension(), star.Declination(), kEquatorialSystem}, jd);
        const SkyVector expected = SphereVertex(of.longitude, of.latitude);
        // 0.01 of a unit on the sphere of 1000: half a second of arc.
        EXPECT_NEAR(drawn.x, expected.x, 0.01) << year;
        EXPECT_NEAR(drawn.y, expected.y, 0.01) << year;
        EXPECT_NEAR(drawn.z, expected.z, 0.01) << year;
    }
}

TEST(SkyRenderer, SiderealAngleFollowsTheApplicationOnlyWithStarsFixed) {
    SkyScene s;
    s.host.applicationTime = DateTime{2000, 1, 1, 18.0, kUniversalTime};
    const double own = s.renderer->SkyLocalSiderealAngle();
    s.host.starsFixed = true;
    const double fixed = s.renderer->SkyLocalSiderealAngle();
    // Six hours of time are six sidereal hours and a minute: ~90.25 degrees.
    EXPECT_NEAR(std::fmod(fixed - own + 360.0, 360.0), 90.246, 0.01);
}

TEST(SkyRenderer, HighlightRingSurroundsTheSelectionWhileOn) {
    SkyScene s;
    s.host.options.planetDisplayMode = 1;
    s.host.azimuth = 30;
    s.host.selected = GetPlanetCatalogue().At(2);  // Mars, in the centre
    for (bool on : {false, true}) {
        s.host.highlight = on;
        s.gl.ClearCalls();
        s.renderer->SkyRenderFrame();
        int pixels = 0;
        double x = 0, y = 0, z = 0;
        for (const SkyGlCall& c : s.gl.Calls()) {
            if (c.op == SkyGlOp::kRasterPos) {
                x = c.a[0], y = c.a[1], z = c.a[2];
            }
            if (c.op != SkyGlOp::kDrawPixels) continue;
            ++pixels;
            double wx = 0, wy = 0, wz = 0;
            ASSERT_TRUE(s.gl.Project(x, y, z, wx, wy, wz));
            EXPECT_NEAR(std::hypot(wx - 400.5, wy - 400.5), 10.0, 1.5);
        }
        EXPECT_EQ(pixels, on ? 64 : 0);
    }
}

// A label is drawn exactly where GL finds a valid raster position: inside
// the viewport (800 x 800), a centred one from half its width left of its
// point. Mars's name is 4 x 8 pixels wide on the recording backend.
TEST(SkyRenderer, LabelsAreDrawnWhereGlWouldShowThemAndNowhereElse) {
    struct Case {
        double x;  // window x of Mars
        bool drawn;
    };
    const Case cases[] = {{400, true}, {810, true}, {815.5, true}, {818, false}, {900, false}, {-10, false}};
    for (const Case& c : cases) {
        SkyScene s;
        s.host.options.planetDisplayMode = 1;
        s.host.options.planetNamesOn = true;
        // In the equatorial map the right ascension grows to the left: a
        // point d degrees west of the centre stands 800 sin d pixels right.
        s.host.azimuth = 180.0;
        s.bodies.planetRa[2] = 180.0 - std::asin((c.x - 400.0) / 800.0) * 180.0 / 3.14159265358979323846;
        DateTime later = s.document.GetTimeAndPlace().dateTime;
        s.document.SetDateTime(later, false, false);
        s.renderer->SkyRenderFrame();
        bool drawn = false;
        for (const SkyGlCall& call : s.gl.Calls()) {
            drawn = drawn || (call.op == SkyGlOp::kText && call.text == U"Mars");
        }
        EXPECT_EQ(drawn, c.drawn) << c.x;
    }
}

TEST(SkyRenderer, TextsBecomeCodePoints) {
    EXPECT_EQ(CodePointsOf(TXT("A\u03A9")), (std::u32string{U'A', 0x3A9}));
    const Char pair[] = {0xD83D, 0xDE00, 0};
    EXPECT_EQ(CodePointsOf(pair), std::u32string(1, 0x1F600));
}

}  // namespace
}  // namespace corvinata
