#include "views/sky_layers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/greek_letters.h"
#include "catalog/star_catalogue.h"
#include "views/sky_test_support.h"

namespace corvinata {
namespace {

using test::AllLayers;
using test::PassThroughs;
using test::SkyScene;

TEST(StarSprites, EachBoundTakesTheBrighterRow) {
    struct Case { double magnitude; int centre, side, corner; };
    const Case cases[] = {
        {-1.46, 255, 255, 255}, {1.0, 255, 255, 255}, {1.01, 204, 153, 102},
        {2.0, 204, 153, 102},   {2.5, 153, 128, 76},  {3.0, 179, 102, 0},
        {3.5, 153, 76, 0},      {4.0, 179, -1, 0},    {5.0, 102, -1, 0},
        {5.01, 76, -1, 0},
    };
    for (const Case& c : cases) {
        const StarSprite s = StarSpriteFor(c.magnitude);
        EXPECT_EQ(s.centre, c.centre) << c.magnitude;
        EXPECT_EQ(s.side, c.side) << c.magnitude;
        EXPECT_EQ(s.corner, c.corner) << c.magnitude;
    }
}

// Every pixel of a sprite comes from its one raster position, so that a
// star on a pixel's edge stays whole; a single pixel is a point.
TEST(StarSprites, ASpriteIsBitmapsFromOneRasterPositionInRedAtNight) {
    const std::vector<SkyGlOp> bitmap{SkyGlOp::kColor, SkyGlOp::kRasterPos, SkyGlOp::kBitmap};
    for (bool night : {false, true}) {
        RecordingSkyGl gl(10, 10);
        DrawStarSprite(gl, {1, 2, 3}, StarSpriteFor(1.5), night);
        std::vector<SkyGlOp> ops;
        for (const SkyGlCall& c : gl.Calls()) ops.push_back(c.op);
        std::vector<SkyGlOp> three;
        for (int level = 0; level < 3; ++level) three.insert(three.end(), bitmap.begin(), bitmap.end());
        EXPECT_EQ(ops, three);
        const SkyGlCall& centre = gl.Calls()[0];
        EXPECT_NEAR(centre.a[0], 204 / 255.0, 1e-9);
        EXPECT_NEAR(centre.a[1], night ? 0.0 : 204 / 255.0, 1e-9);
        for (const SkyGlCall& c : gl.Calls()) {
            if (c.op != SkyGlOp::kRasterPos) continue;
            EXPECT_EQ(c.a[0], 1.0);
            EXPECT_EQ(c.a[1], 2.0);
            EXPECT_EQ(c.a[2], 3.0);
        }
    }
    RecordingSkyGl gl(10, 10);
    DrawStarSprite(gl, {1, 2, 3}, StarSpriteFor(4.5), false);
    ASSERT_EQ(gl.Calls().size(), 2u);
    EXPECT_EQ(gl.Calls()[1].op, SkyGlOp::kPoint);
}

TEST(SkyLayers, FullListDrawsEveryLayerInOrder) {
    SkyScene s;
    AllLayers(s.host.options);
    s.renderer->SkyRenderFrame();
    // The body type of each pick code in order, runs collapsed.
    std::vector<int> runs;
    bool planetExtra = false;
    for (float code : s.renderer->PickMarkers()) {
        if (planetExtra) {
            planetExtra = false;
            continue;
        }
        const int c = static_cast<int>(code);
        const int type = code == kNoObjectMarker ? 9 : (c / 10) % 100;
        const int part = c % 10;
        planetExtra = type == kPickPlanetType;
        const int key = type == kPickPlanetType && part == kPickPartTrack ? 20 : type;
        if (runs.empty() || runs.back() != key) runs.push_back(key);
    }
    // Deep sky, stars, tracks, planets, Sun, Moon (lines never pick).
    EXPECT_EQ(runs, (std::vector<int>{6, 4, 20, 2, 0, 1}));
}

TEST(SkyLayers, LinesWriteNoDepthSoTheObjectsAfterThemCoverThem) {
    SkyScene s;
    s.host.options.gridType = 2;
    s.host.options.constellationLinesOn = true;
    s.host.options.magnitudeLimit = 2;
    s.renderer->SkyRenderFrame();
    // Depth writes are off from before the first line to before the first star.
    int depthWrites = 1;
    bool sawLine = false, sawStar = false;
    for (const SkyGlCall& c : s.gl.Expanded(SkyList::kFullLayers)) {
        if (c.op == SkyGlOp::kDepthMask) depthWrites = c.i;
        if (c.op == SkyGlOp::kBegin && c.i != skygl::kPoints) {
            sawLine = true;
            EXPECT_EQ(depthWrites, 0);
        }
        if (c.op == SkyGlOp::kPoint || c.op == SkyGlOp::kBitmap) {
            sawStar = true;
            EXPECT_EQ(depthWrites, 1);
        }
    }
    EXPECT_TRUE(sawLine);
    EXPECT_TRUE(sawStar);
}

TEST(SkyLayers, CoarseListKeepsStarsToThirdMagnitudeAndNoDeepSky) {
    for (double limit : {3.0, 6.0}) {
        SkyScene s;
        s.host.options.deepSkyCatalogue = 2;
        s.host.options.magnitudeLimit = limit;
        s.renderer->UseCoarseLayerList(true);
        s.renderer->SkyRenderFrame();
        int stars = 0, deepSky = 0;
        for (float code : s.renderer->PickMarkers()) {
            const int type = (static_cast<int>(code) / 10) % 100;
            stars += type == 4;
            deepSky += type == 6;
        }
        const auto& all = GetStarCatalogue().Objects();
        const long bright = std::count_if(all.begin(), all.end(),
                                          [](const BrightStar& b) { return b.Magnitude() <= 3.0; });
        EXPECT_EQ(stars, bright) << limit;
        EXPECT_EQ(deepSky, 0);
    }
}

TEST(SkyLayers, RealisticPlanetsAreTheFirstFiveBySizeOfTheirMagnitude) {
    SkyScene s;
    s.host.options.planetDisplayMode = 2;
    s.host.planetMagnitudes[0] = 4.5;  // Mercury faint: one pixel
    s.renderer->SkyRenderFrame();
    std::vector<int> planets;
    for (float code : s.renderer->PickMarkers()) {
        const int c = static_cast<int>(code);
        if (code >= 20.0f && (c / 10) % 100 == kPickPlanetType) planets.push_back(c / 1000);
    }
    EXPECT_EQ(planets, (std::vector<int>{0, 1, 2, 3, 4})) << "Mercury to Saturn";
    const auto list = s.gl.Expanded(SkyList::kFullLayers);
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const SkyGlCall& c) { return c.op == SkyGlOp::kBitmap; }),
              12) << "four full sprites, Mercury a single pixel";
}

TEST(SkyLayers, PlanetSymbolsAndBayerLettersComeFromTheSymbolFont) {
    EXPECT_EQ(PlanetSymbolCode(0), 0xE7u);  // Mercury
    EXPECT_EQ(PlanetSymbolCode(2), 0xEAu);  // Mars, after the Earth's 0xE9
    EXPECT_EQ(PlanetSymbolCode(7), 0xEFu);  // Pluto
    SkyScene s;
    s.host.options.planetDisplayMode = 1;
    s.host.options.planetSymbolsOn = true;
    s.host.options.planetNamesOn = true;
    s.host.azimuth = 30;
    s.renderer->SkyRenderFrame();
    bool symbol = false, name = false;
    for (const SkyGlCall& c : s.gl.Calls()) {
        if (c.op != SkyGlOp::kText) continue;
        if (c.i == static_cast<int>(SkyFont::kSymbol) && c.text == std::u32string(1, 0xEA)) symbol = true;
        if (c.i == static_cast<int>(SkyFont::kDisplay) && c.text == U"Mars") name = true;
    }
    EXPECT_TRUE(symbol);
    EXPECT_TRUE(name);
}

TEST(SkyLayers, AlphaWithSuperscriptTwoGetsItsLetterButNoConstellationName) {
    // Alpha-2 Librae (HR 5531) and Alpha Lyrae (Vega, HR 7001).
    ASSERT_TRUE(test::EnsureSkyCatalogues());
    const int libra = GetStarCatalogue().StarByCatalogueName(TXT("BSC 5531"));
    const int vega = GetStarCatalogue().StarByCatalogueName(TXT("BSC 7001"));
    ASSERT_GE(libra, 0);
    ASSERT_GE(vega, 0);
    for (int index : {libra, vega}) {
        const BrightStar& star = *GetStarCatalogue().At(index);
        SkyScene s;
        s.host.options.starLettersOn = true;
        s.host.options.constellationNames = 1;
        s.host.options.magnitudeLimit = 20;
        s.host.azimuth = star.RightAscension();
        s.host.altitude = star.Declination();
        s.host.fieldOfView = 10;
        s.renderer->SkyRenderFrame();
        // Labels are placed from the star's own window position.
        SkyVector point;
        ASSERT_TRUE(s.renderer->ObjectModelPoint(star, point));
        double wx = 0, wy = 0, wz = 0;
        ASSERT_TRUE(s.gl.Project(point.x, point.y, point.z, wx, wy, wz));
        int letters = 0, names = 0;
        for (const SkyGlCall& c : s.gl.Calls()) {
            if (c.op != SkyGlOp::kText) continue;
            if (c.i == static_cast<int>(SkyFont::kSymbol) &&
                c.text[0] == static_cast<char32_t>(GetGreekLetterGlyph(0)) &&
                std::abs(c.a[0] - wx) < 0.01 && std::abs(c.a[1] - (wy + 12)) < 0.01) {
                ++letters;
            }
            if ((c.text == U"Lib" || c.text == U"Lyr") && std::abs(c.a[0] - (wx + 10)) < 0.01 &&
                std::abs(c.a[1] - (wy - 10)) < 0.01) {
                ++names;
            }
        }
        EXPECT_EQ(letters, 1) << index;
        EXPECT_EQ(names, index == vega ? 1 : 0) << index;
    }
}

}  // namespace
}  // namespace corvinata
