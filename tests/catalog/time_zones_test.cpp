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

}  // namespace
}  // namespace corvinata
