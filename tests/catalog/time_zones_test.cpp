#include "catalog/time_zones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace corvinata {
namespace {

struct ZonePoint {
    const char* name;
    double longitudeWest;
    double latitude;
    std::optional<double> hours;  // none: the open sea
};

const ZonePoint kZonePoints[] = {
    {"London", 0.105, 51.517, 0.0},
    {"Kabul", -69.183, 34.517, 4.5},
    {"Nepal", -85.3, 27.7, 5.75},
    {"Newfoundland", 52.7, 47.56, -3.5},
    {"NewYork", 74.0, 40.7, -5.0},
    {"Chatham", 176.56, -43.95, 12.75},
    {"MidAtlantic", 30.0, 0.0, std::nullopt},
    {"NorthPacific", 140.0, 30.0, std::nullopt},
    {"IndianOcean", -80.0, -30.0, std::nullopt},
    {"SouthAtlantic", 10.0, -45.0, std::nullopt},
    {"Tasman", -160.0, -40.0, std::nullopt},
};

class ZonePointTest : public ::testing::TestWithParam<ZonePoint> {};

TEST_P(ZonePointTest, OffsetOrNoZone) {
    const ZonePoint& p = GetParam();
    EXPECT_EQ(TimeZoneOffsetAtPoint(p.longitudeWest, p.latitude), p.hours);
}

INSTANTIATE_TEST_SUITE_P(Places, ZonePointTest, ::testing::ValuesIn(kZonePoints),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TimeZoneOutlines, ZoneZeroIsTheArcticCornerAtTheDateLine) {
    const OutlinePoint expected[] = {{-180, 75}, {-180, 90}, {-172.509033, 90},
                                     {-172.509033, 70.233017}, {-180, 75}};
    const ZoneOutline zone = TimeZoneOutline(0);
    ASSERT_EQ(zone.count, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(zone.points[i].longitude, expected[i].longitude) << i;
        EXPECT_EQ(zone.points[i].latitude, expected[i].latitude) << i;
    }
    EXPECT_EQ(TimeZoneOutline(kTimeZoneCount).count, 0);
    EXPECT_FALSE(PointInTimeZone(-1, 0.0, 51.5));
}

// The corner where an outline turns back on the parallel is no crossing: a
// point east of the corner on that parallel lies outside.
TEST(TimeZoneOutlines, ExtremeVertexOnTheParallelIsNoCrossing) {
    for (int zone = 0; zone < kTimeZoneCount; ++zone) {
        const ZoneOutline outline = TimeZoneOutline(zone);
        const auto [south, north] = std::minmax_element(
            outline.points, outline.points + outline.count,
            [](const OutlinePoint& a, const OutlinePoint& b) { return a.latitude < b.latitude; });
        for (const OutlinePoint* corner : {south, north}) {
            double east = corner->longitude;
            for (int i = 0; i < outline.count; ++i) east = std::max(east, outline.points[i].longitude);
            EXPECT_FALSE(PointInOutline(outline.points, outline.count, east + 1.0, corner->latitude))
                << "zone " << zone << " at latitude " << corner->latitude;
        }
    }
}

// Two squares joined into one outline by a slit whose return edge runs a
// hair east of the outward one, as the shipped zone outlines are built.
constexpr double kHair = 0.00001;
const OutlinePoint kSlitOutline[] = {
    {1, 0.5}, {1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 0.5},          // first square
    {2, 1.5}, {3, 2.5},                                          // slit out
    {3, 2}, {4, 2}, {4, 3}, {3, 3}, {3, 2.5},                    // second square
    {3 + kHair, 2.5}, {2 + kHair, 1.5}, {1 + kHair, 0.5}, {1, 0.5},  // slit back
};

struct OutlineCase {
    double longitude;
    double latitude;
    bool inside;
};

class SlitOutlineTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(SlitOutlineTest, TwinSlitEdgesCancel) {
    const OutlineCase& c = GetParam();
    EXPECT_EQ(PointInOutline(kSlitOutline, 17, c.longitude, c.latitude), c.inside);
}

INSTANTIATE_TEST_SUITE_P(Points, SlitOutlineTest,
                         ::testing::Values(OutlineCase{0.5, 0.5, true}, OutlineCase{0.5, 0.75, true},
                                           OutlineCase{3.5, 2.2, true}, OutlineCase{3.5, 2.5, true},
                                           OutlineCase{2.5, 1.2, false}, OutlineCase{2.5, 1.5, false},
                                           OutlineCase{5.0, 2.5, false}, OutlineCase{1.5, 0.5, false},
                                           OutlineCase{2.0, 1.0, false}, OutlineCase{0.5, 1.0, false}));

}  // namespace
}  // namespace corvinata
