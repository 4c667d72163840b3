#include "views/sky_grids.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/constellation_catalogue.h"
#include "views/sky_test_support.h"

namespace corvinata {
namespace {

using test::SkyScene;

TEST(SkyGrids, CrossArmsKeepTheirScreenLengthAndLoseTheirLongitudeAtThePoles) {
    struct Case { int field; double latitude; double latArm; double lonArm; };
    const Case cases[] = {
        {60, 0, 0.4775, 0.4775},
        {60, 60, 0.4775, 0.9549},
        {180, 0, 0.9550, 0.9550},
        {60, 90, 0.4775, 0.0},
        {60, -90, 0.4775, 0.0},
    };
    for (const Case& c : cases) {
        const CrossArms arms = GridCrossArms(c.field, c.latitude);
        EXPECT_NEAR(arms.latitude, c.latArm, 1e-3) << c.field << " " << c.latitude;
        EXPECT_NEAR(arms.longitude, c.lonArm, 1e-3) << c.field << " " << c.latitude;
    }
}

TEST(SkyGrids, ABoundaryEdgeAcross0hTakesTheShortWay) {
    RecordingSkyGl gl(10, 10);
    DrawBoundarySegment(gl, 23.5, 10.0, 0.5, 10.0);
    int vertices = 0;
    for (const SkyGlCall& c : gl.Calls()) {
        if (c.op != SkyGlOp::kVertex) continue;
        ++vertices;
        // Right ascension 352.5 .. 367.5: x stays near cos(10 deg) * 1000.
        EXPECT_GT(c.a[0], 1000 * std::cos(10 * M_PI / 180) * std::cos(7.6 * M_PI / 180));
    }
    EXPECT_EQ(vertices, 16);  // 15 one-degree steps and the end point
}

TEST(SkyGrids, ADeclinationEdgeStepsByDegrees) {
    RecordingSkyGl gl(10, 10);
    DrawBoundarySegment(gl, 5.0, 10.0, 5.0, 14.5);
    int vertices = 0;
    for (const SkyGlCall& c : gl.Calls()) vertices += c.op == SkyGlOp::kVertex;
    EXPECT_EQ(vertices, 6);  // 10, 11, 12, 13, 14 and 14.5
}

TEST(SkyGrids, HorizonLineOnlyWithoutAHorizon) {
    for (int horizon : {0, 1}) {
        SkyScene s;
        s.host.options.mapType = 0;
        s.host.options.gridType = 1;
        s.host.options.horizonType = horizon;
        s.renderer->SkyRenderFrame();
        int loops = 0;
        for (const SkyGlCall& c : s.gl.List(SkyList::kHorizontalFrame))
            loops += c.op == SkyGlOp::kBegin && c.i == skygl::kLineLoop;
        EXPECT_EQ(loops, horizon == 0 ? 17 : 16) << horizon;
    }
}

TEST(SkyGrids, OutlinesCoverEveryConstellationAndSerpensTwice) {
    SkyScene s;
    s.host.options.constellationBoundariesOn = true;
    s.renderer->SkyRenderFrame();
    int strips = 0;
    for (const SkyGlCall& c : s.gl.Expanded(SkyList::kFullLayers))
        strips += c.op == SkyGlOp::kBegin && c.i == skygl::kLineStrip;
    EXPECT_GT(strips, 1000);
    const int serpens = FindConstellationByAbbreviation(TXT("Ser"))->Number();
    for (int c = 0; c < kConstellationCount; ++c) {
        EXPECT_EQ(ConstellationOutlineCount(c), c == serpens ? 2 : 1) << c;
    }
}

HorizonImage Solid(int height, std::uint32_t pixel) {
    HorizonImage image;
    image.width = kHorizonWidth;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(kHorizonWidth * height), pixel);
    return image;
}

// Each picture filled with a pixel that names it: month x 16 + part.
bool NamedPicture(const Char* name, HorizonImage& image) {
    std::u16string text;
    for (const Char* p = name; *p; ++p) text.push_back(static_cast<char16_t>(*p));
    const bool classic = text.find(u"CLASSIC") != std::u16string::npos;
    const int part = text.back() - u'0';
    const int month = classic ? 0 : std::stoi(std::string(text.begin() + 40, text.begin() + 42));
    image = Solid(classic ? kClassicHorizonHeight : kSeasonalHorizonHeight,
                  static_cast<std::uint32_t>(month * 16 + part));
    return true;
}

TEST(HorizonPictures, SharedByAllDisplaysAndFreedAfterTheLast) {
    int loads = 0;
    const HorizonImageLoader loader = [&](const Char* name, HorizonImage& image) {
        ++loads;
        return NamedPicture(name, image);
    };
    LoadHorizonTextures(loader);
    LoadHorizonTextures(loader);
    EXPECT_EQ(loads, 52);
    FreeHorizonTextures();
    EXPECT_FALSE(ClassicHorizonImage(0).Empty()) << "the other display keeps its horizon";
    EXPECT_EQ(SeasonalHorizonImage(7, 1).pixels[0], 7u * 16 + 2) << "part 1 is resource part 2";
    FreeHorizonTextures();
    EXPECT_TRUE(ClassicHorizonImage(0).Empty());
    EXPECT_EQ(HorizonTextureUsers(), 0);
}

TEST(HorizonPictures, BandColourIsSetFirstAndTheMonthPicksThePictures) {
    LoadHorizonTextures(NamedPicture);
    struct Case { int type; bool night; int month; int envMode; double green; };
    const Case cases[] = {
        {1, false, 3, skygl::kReplace, 1.0},
        {2, false, 3, skygl::kModulate, 1.0},
        {2, false, 11, skygl::kModulate, 1.0},
        {2, true, 3, skygl::kModulate, 0.0},
        {1, true, 3, skygl::kModulate, 0.0},
    };
    for (const Case& c : cases) {
        SkyScene s;
        TimeAndPlace moment = s.document.GetTimeAndPlace();
        moment.dateTime.month = c.month;
        s.document.SetTimeAndPlace(moment, false);
        s.host.options.mapType = 2;
        s.host.options.horizonType = c.type;
        s.host.options.sunOn = true;  // a yellow layer drawn before the band
        s.host.night = c.night;
        s.renderer->SkyRenderFrame();
        const std::vector<SkyGlCall>& scene = s.gl.List(SkyList::kHorizontalFrame);
        double green = -1;
        int env = -1;
        std::vector<double> firstPixels;
        for (const SkyGlCall& call : scene) {
            if (call.op == SkyGlOp::kColor && firstPixels.empty()) green = call.a[1];
            if (call.op == SkyGlOp::kTexEnvMode) env = call.i;
            if (call.op == SkyGlOp::kTexImage) firstPixels.push_back(call.a[2]);
        }
        EXPECT_EQ(env, c.envMode);
        EXPECT_EQ(green, c.green) << "colour before the band";
        const int month = c.type == 1 ? 0 : c.month;
        EXPECT_EQ(firstPixels, (std::vector<double>{month * 16 + 3.0, month * 16 + 2.0,
                                                    month * 16 + 1.0, month * 16 + 0.0}));
    }
    FreeHorizonTextures();
}

}  // namespace
}  // namespace corvinata
