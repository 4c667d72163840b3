#include "views/explorer_scene.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/catalogues.h"
#include "support/explorer_projection.h"

namespace corvinata {
namespace {

class ExplorerSceneTest : public ::testing::Test {
protected:
    test::ScopedCatalogues catalogues_;
    ExplorerGeometry jupiter = JupiterExplorerGeometry();
    ExplorerGeometry saturn = SaturnExplorerGeometry();
};

TEST_F(ExplorerSceneTest, HalfSizeRunsFromTheLeastExtentToTheOutermostOrbit) {
    const double callisto = 1882.7 / 71.492;
    const double io = 421.6 / 71.492;
    const double iapetus = 3561.3 / 60.268;
    const double mimas = 185.52 / 60.268;
    struct Case {
        const ExplorerGeometry* geometry;
        int zoom;
        double expected;
    };
    const Case cases[] = {
        {&jupiter, 3, 40.0 * callisto},
        {&jupiter, 0, 48.0 + io / callisto * (40.0 * callisto - 48.0)},
        {&saturn, 7, 40.0 * iapetus},
        {&saturn, 0, 100.0 + mimas / iapetus * (40.0 * iapetus - 100.0)},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ExplorerHalfSize(*c.geometry, c.zoom), c.expected, 1e-9) << c.zoom;
    }
    // The rings (outer edge 140,154 km) stay in view at every zoom.
    for (int zoom = 0; zoom <= 7; ++zoom) {
        EXPECT_GT(ExplorerHalfSize(saturn, zoom), 140.154 / 60.268 * 40.0) << zoom;
    }
}

TEST_F(ExplorerSceneTest, OrbitPathsHoldOneRevolutionAtAHundredthOfThePeriod) {
    const auto paths = ComputeOrbitPaths(saturn, 2458042.5);
    ASSERT_EQ(paths.size(), 8u);
    for (int k = 0; k < 8; ++k) {
        EXPECT_GE(paths[k].size(), 90u) << k;
        EXPECT_LE(paths[k].size(), 110u) << k;
        // Every point lies near the moon's mean distance (projected, so at most it).
        for (const OrbitPoint& p : paths[k]) {
            EXPECT_LT(std::hypot(p.x, std::hypot(p.y, p.z)), saturn.distance[k] * 1.3) << k;
        }
    }
}

// A period of 0 never brings the angle round: the walk stops at its cap.
TEST_F(ExplorerSceneTest, AStuckOrbitWalkStopsAtItsCap) {
    ExplorerGeometry stuck = jupiter;
    stuck.periodDays[1] = 0.0;
    const auto paths = ComputeOrbitPaths(stuck, 2451545.0);
    EXPECT_EQ(paths[1].size(), static_cast<std::size_t>(kMaxOrbitPathPoints));
    EXPECT_LE(paths[0].size(), 110u);
}

TEST_F(ExplorerSceneTest, OrbitCacheKeepsWithinAMonthAndRecomputesAfterThree) {
    ExplorerOrbitCache cache(jupiter);
    DateTime moment{};
    moment.year = 2017;
    moment.month = 10;
    moment.day = 1;
    EXPECT_TRUE(cache.Check(moment, 2458027.5));
    struct Step {
        int month, day;
        bool recomputed;
    };
    const Step steps[] = {{10, 21, false}, {11, 10, false}, {1, 10, true}, {1, 30, false}};
    for (const Step& s : steps) {
        DateTime next = moment;
        next.month = s.month;
        next.day = s.day;
        if (s.month < moment.month) next.year = 2018;
        EXPECT_EQ(cache.Check(next, 2458027.5 + 20.0), s.recomputed) << s.month << "/" << s.day;
        if (s.recomputed) moment = next;
    }
    EXPECT_EQ(cache.Computations(), 2);
}

// The moons are drawn where their X, Y put them: west right, north up; both
// swaps turn the picture by 180 degrees.
TEST_F(ExplorerSceneTest, MoonsLandWhereTheirSkyCoordinatesPutThemAndSwapsTurnThePicture) {
    ExplorerViewGeometry view;
    view.width = 600;
    view.height = 600;
    view.halfSize = 200.0;
    const OrbitPoint moon{2.5, -1.0, 3.0};
    WindowPoint p = test::ExplorerProjectPoint(view, moon);
    EXPECT_DOUBLE_EQ(p.x, 300.0 + 100.0 / 200.0 * 300.0);
    EXPECT_DOUBLE_EQ(p.y, 300.0 - 40.0 / 200.0 * 300.0);
    view.swapNorthSouth = view.swapEastWest = true;
    const WindowPoint turned = test::ExplorerProjectPoint(view, moon);
    EXPECT_DOUBLE_EQ(turned.x, 600.0 - p.x);
    EXPECT_DOUBLE_EQ(turned.y, 600.0 - p.y);
    view.swapNorthSouth = view.swapEastWest = false;
    // A tilt of 90 degrees turns the line of sight into the vertical: the
    // far side goes down, as the display's rotation of -t about X does.
    view.tiltDegrees = 90;
    p = test::ExplorerProjectPoint(view, OrbitPoint{0.0, 0.0, 2.0});
    EXPECT_NEAR(p.y, 300.0 - 80.0 / 200.0 * 300.0, 1e-9);
}

TEST(ExplorerHitTest, OnlyDrawnMoonsAreHitNearestFirst) {
    DrawnMoons moons;
    moons.drawn = {true, false, true, false};
    moons.at[0] = {100.0, 100.0};
    moons.at[1] = {-1.0, -1.0};  // beyond the zoom: not drawn
    moons.at[2] = {300.0, 300.0};
    struct Case {
        int x, y, expected;
    };
    // Client height 400: y is turned to the bottom-left origin.
    const Case cases[] = {{0, 399, 0}, {290, 110, 2}, {200, 199, 0}, {1, 398, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ExplorerHitTest(moons, 4, c.x, c.y, 400), c.expected) << c.x << "," << c.y;
    }
    DrawnMoons none;
    EXPECT_EQ(ExplorerHitTest(none, 4, 0, 399, 400), -1);
}

}  // namespace
}  // namespace corvinata
