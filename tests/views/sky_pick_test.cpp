#include "views/sky_pick.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "views/sky_render_gl.h"

namespace corvinata {
namespace {

// A hand-made feedback stream.
class Stream {
public:
    Stream& Marker(int type, int number, int part = 0) {
        add({skygl::kPassThroughToken, EncodePickCode(type, number, part)});
        return *this;
    }
    Stream& Planet(int number, int part, int extra) {
        Marker(kPickPlanetType, number, part);
        add({skygl::kPassThroughToken, static_cast<float>(extra)});
        return *this;
    }
    Stream& NoObject() { return add({skygl::kPassThroughToken, kNoObjectMarker}); }
    Stream& Point(float x, float y) { return add({skygl::kPointToken, x, y}); }
    Stream& Pixels(float x, float y) { return add({skygl::kDrawPixelToken, x, y}); }
    Stream& Bitmap(float x, float y) { return add({skygl::kBitmapToken, x, y}); }
    Stream& Line(float x0, float y0, float x1, float y1) {
        return add({skygl::kLineResetToken, x0, y0, x1, y1});
    }
    Stream& Triangle(float x, float y) {
        return add({skygl::kPolygonToken, 3, x, y, x + 4, y, x, y + 4});
    }
    const float* data() const { return values.data(); }
    int size() const { return static_cast<int>(values.size()); }
    std::vector<float> values;

private:
    Stream& add(std::initializer_list<float> v) {
        values.insert(values.end(), v);
        return *this;
    }
};

TEST(SkyPickCodes, EveryCatalogueNumberSurvivesTheFloat) {
    struct Case { int type, number, part; };
    for (const Case c : {Case{0, 0, 0}, Case{0, 0, 1}, Case{4, 9095, 0}, Case{6, 13225, 0},
                         Case{2, 7, 2}, Case{8, 3, 0}}) {
        Stream s;
        s.Marker(c.type, c.number, c.part).Point(1, 1);
        SkyPickCode code;
        ReadPickMarker(s.data(), s.size(), 0, code);
        EXPECT_EQ(code.type, c.type);
        EXPECT_EQ(code.number, c.number);
        EXPECT_EQ(code.part, c.part);
    }
}

TEST(SkyPickWalk, NothingDrawnFindsNothing) {
    // An empty stream used to give the Sun at distance 0, so no drag started.
    EXPECT_FALSE(FindNearestInFeedback(nullptr, 0, 10, 10).Found());
    Stream s;
    s.Marker(4, 1).Point(10, 10);
    EXPECT_FALSE(FindNearestInFeedback(s.data(), -1, 10, 10).Found()) << "overflow";
}

TEST(SkyPickWalk, DistancesInWholePixels) {
    struct Case { float dx, dy; int distance; };
    for (const Case c : {Case{0, 0, 0}, Case{15, 0, 15}, Case{0, 16, 16}, Case{9, 12, 15},
                         Case{10.6f, 0, 11}}) {
        Stream s;
        s.Marker(4, 5).Point(100 + c.dx, 100 + c.dy);
        const SkyPickHit hit = FindNearestInFeedback(s.data(), s.size(), 100, 100);
        EXPECT_EQ(hit.distance, c.distance) << c.dx << "," << c.dy;
        EXPECT_EQ(hit.number, 5);
    }
}

// What the pointer at (x, y) finds: the nearest object's point, pixel or
// polygon vertex; lines, bitmaps and geometry after "no object" never pick;
// on a tie the first drawn; a track point names its record; a float that is
// no token ends the walk.
TEST(SkyPickWalk, TheNearestVertexOfAnObjectPicksIt) {
    Stream damaged;
    damaged.Marker(4, 1).Point(5, 5).values.push_back(12345.0f);
    damaged.Marker(4, 2).Point(0, 0);
    const struct Case {
        const char* what;
        Stream stream;
        int x, y;
        SkyPickHit hit;
    } cases[] = {
        {"two stars on a pixel", Stream().Marker(4, 12).Pixels(50, 50).Marker(4, 3).Pixels(50, 50), 52, 50,
         {4, 12, -1, 2}},
        {"lines, bitmaps, unmarked geometry",
         Stream().Marker(4, 1).Point(500, 500).Line(10, 10, 20, 20).Bitmap(10, 10).NoObject().Point(10, 10)
             .Triangle(11, 11), 10, 10, {4, 1, -1, 693}},
        {"a track point", Stream().Planet(2, kPickPartTrack, 7).Point(30, 30).Planet(2, kPickPartPoint, 0)
             .Point(80, 80), 31, 30, {kPickPlanetType, 2, 7, 1}},
        {"the planet's point", Stream().Planet(2, kPickPartTrack, 7).Point(30, 30).Planet(2, kPickPartPoint, 0)
             .Point(80, 80), 80, 80, {kPickPlanetType, 2, -1, 0}},
        {"the Sun's sphere", Stream().Marker(0, 0, kPickPartSphere).Triangle(200, 200), 204, 200, {0, 0, -1, 0}},
        {"a damaged stream", damaged, 0, 0, {4, 1, -1, 7}},
    };
    for (const Case& c : cases) {
        const SkyPickHit hit = FindNearestInFeedback(c.stream.data(), c.stream.size(), c.x, c.y);
        EXPECT_EQ(hit.type, c.hit.type) << c.what;
        EXPECT_EQ(hit.number, c.hit.number) << c.what;
        EXPECT_EQ(hit.trackPoint, c.hit.trackPoint) << c.what;
        EXPECT_EQ(hit.distance, c.hit.distance) << c.what;
    }
    Stream cut;
    cut.Marker(4, 1).Point(5, 5);
    EXPECT_FALSE(FindNearestInFeedback(cut.data(), cut.size() - 1, 5, 5).Found()) << "cut short";
}

TEST(SkyPickWalk, PlanetSecondMarkerIsNeverReadAsTheSun) {
    // Mercury's extra 0 right after its marker used to decode as the Sun in
    // the visibility and position walks.
    Stream s;
    s.Planet(0, kPickPartPoint, 0).Point(40, 41);
    EXPECT_FALSE(ObjectInFeedback(s.data(), s.size(), 0, 0));
    EXPECT_TRUE(ObjectInFeedback(s.data(), s.size(), kPickPlanetType, 0));
    double x = 0, y = 0;
    EXPECT_FALSE(ObjectVertexInFeedback(s.data(), s.size(), 0, 0, x, y));
    ASSERT_TRUE(ObjectVertexInFeedback(s.data(), s.size(), kPickPlanetType, 0, x, y));
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 41);
}

TEST(SkyPickWalk, VisibilityNeedsGeometryAfterTheMarker) {
    Stream s;
    s.Marker(4, 8).Marker(4, 9).Point(5, 6).Planet(1, kPickPartTrack, 3).Point(1, 1);
    EXPECT_FALSE(ObjectInFeedback(s.data(), s.size(), 4, 8)) << "clipped away";
    EXPECT_TRUE(ObjectInFeedback(s.data(), s.size(), 4, 9));
    EXPECT_FALSE(ObjectInFeedback(s.data(), s.size(), kPickPlanetType, 1)) << "only its track";
    EXPECT_FALSE(ObjectInFeedback(s.data(), s.size(), 4, 77));
}

}  // namespace
}  // namespace corvinata
