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

TEST(SkyPickWalk, TwoStarsOnOnePixelGiveTheFirstDrawn) {
    Stream s;
    s.Marker(4, 12).Pixels(50, 50).Marker(4, 3).Pixels(50, 50);
    const SkyPickHit hit = FindNearestInFeedback(s.data(), s.size(), 52, 50);
    EXPECT_EQ(hit.number, 12);
}

TEST(SkyPickWalk, LinesBitmapsAndUnmarkedGeometryNeverPick) {
    Stream s;
    s.Marker(4, 1).Point(500, 500)            // far away but an object
        .Line(10, 10, 20, 20).Bitmap(10, 10)  // label and figure of star 1
        .NoObject().Point(10, 10)             // grid geometry after the marker
        .Triangle(11, 11);
    const SkyPickHit hit = FindNearestInFeedback(s.data(), s.size(), 10, 10);
    EXPECT_EQ(hit.type, 4);
    EXPECT_EQ(hit.number, 1);
    EXPECT_GT(hit.distance, 600);
}

TEST(SkyPickWalk, TrackPointPicksThePlanetAndThePoint) {
    Stream s;
    s.Planet(2, kPickPartTrack, 7).Point(30, 30).Planet(2, kPickPartPoint, 0).Point(80, 80);
    SkyPickHit hit = FindNearestInFeedback(s.data(), s.size(), 31, 30);
    EXPECT_EQ(hit.type, kPickPlanetType);
    EXPECT_EQ(hit.number, 2);
    EXPECT_EQ(hit.trackPoint, 7);
    hit = FindNearestInFeedback(s.data(), s.size(), 80, 80);
    EXPECT_EQ(hit.trackPoint, -1);
}

TEST(SkyPickWalk, SpherePolygonsPickTheSun) {
    Stream s;
    s.Marker(0, 0, kPickPartSphere).Triangle(200, 200);
    const SkyPickHit hit = FindNearestInFeedback(s.data(), s.size(), 204, 200);
    EXPECT_EQ(hit.type, 0);
    EXPECT_EQ(hit.distance, 0);
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

TEST(SkyPickWalk, ADamagedStreamEndsTheWalk) {
    Stream s;
    s.Marker(4, 1).Point(5, 5);
    s.values.push_back(12345.0f);  // no token
    s.Marker(4, 2).Point(0, 0);
    EXPECT_EQ(FindNearestInFeedback(s.data(), s.size(), 0, 0).number, 1);
    Stream cut;
    cut.Marker(4, 1).Point(5, 5);
    EXPECT_FALSE(FindNearestInFeedback(cut.data(), cut.size() - 1, 5, 5).Found());
}

}  // namespace
}  // namespace corvinata
