#include "catalog/time_zones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace corvinata {
namespace {

TEST(TimeZones, OffsetOrNoZone) {
    const struct { double west, north; std::optional<double> hours; } cases[] = {
        {0.105, 51.517, 0.0}, {-69.183, 34.517, 4.5}, {-85.3, 27.7, 5.75},   // London, Kabul, Nepal
        {52.7, 47.56, -3.5}, {74.0, 40.7, -5.0},                            // Newfoundland, New York
        {30.0, 0.0, std::nullopt}, {140.0, 30.0, std::nullopt}, {-80.0, -30.0, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeZoneOffsetAtPoint(c.west, c.north), c.hours) << c.west << " " << c.north;
    }
    EXPECT_FALSE(PointInTimeZone(kTimeZoneCount, 0.0, 51.5));
}

// One meridian, one answer: Chukotka and Fiji on the 180th meridian.
TEST(TimeZones, AntimeridianWrittenEastOrWestGivesOneZone) {
    for (double north : {65.0, -16.5}) {
        EXPECT_EQ(TimeZoneOffsetAtPoint(-180.0, north), 12.0) << north;
        EXPECT_EQ(TimeZoneOffsetAtPoint(180.0, north), 12.0) << north;
    }
}

// The corner where an outline turns back on the parallel is no crossing: a
// point east of the whole outline on that parallel lies outside.
TEST(TimeZones, ExtremeVertexOnTheParallelIsNoCrossing) {
    for (int zone = 0; zone < kTimeZoneCount; ++zone) {
        const ZoneOutline o = TimeZoneOutline(zone);
        double east = -180.0;
        for (int i = 0; i < o.count; ++i) east = std::max(east, o.points[i].longitude);
        const auto [south, north] = std::minmax_element(
            o.points, o.points + o.count,
            [](const OutlinePoint& a, const OutlinePoint& b) { return a.latitude < b.latitude; });
        EXPECT_FALSE(PointInOutline(o.points, o.count, east + 1.0, north->latitude)) << zone;
        EXPECT_FALSE(PointInOutline(o.points, o.count, east + 1.0, south->latitude)) << zone;
    }
}

// Drawn outlines: two squares joined into one ring by a north-south slit,
// whose twin edges cross every parallel between them at one longitude, and
// a diamond whose corners touch or cross the parallels through them.
constexpr OutlinePoint kSlitRings[] = {{0, 0}, {2, 0}, {2, 2}, {1, 2}, {1, 4}, {2, 4}, {2, 6},
                                       {0, 6}, {0, 4}, {1, 4}, {1, 2}, {0, 2}, {0, 0}};
constexpr OutlinePoint kDiamond[] = {{0, 1}, {1, 2}, {2, 1}, {1, 0}, {0, 1}};

TEST(TimeZones, CrossingRuleOnDrawnOutlines) {
    const struct {
        const char* rule;
        const OutlinePoint* points;
        int count;
        double east, north;
        bool inside;
    } cases[] = {
        {"inside the first ring", kSlitRings, 13, 0.5, 1.0, true},
        {"the slit's twin edges both count", kSlitRings, 13, 1.5, 3.0, false},
        {"inside the second ring, east of the slit", kSlitRings, 13, 1.5, 5.0, true},
        {"the northern corner only touches", kDiamond, 5, 3.0, 2.0, false},
        {"the southern corner only touches", kDiamond, 5, 3.0, 0.0, false},
        {"the western corner is passed once", kDiamond, 5, 1.0, 1.0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointInOutline(c.points, c.count, c.east, c.north), c.inside) << c.rule;
    }
}

}  // namespace
}  // namespace corvinata
