#include "app/status_texts.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

TEST(StatusTextsTest, DateAndTimeToTheMinuteWithTheDaylightSavingRemark) {
    DateTime t;
    t.year = 2026;
    t.month = 3;
    t.day = 29;
    t.hours = 14.5 + 20.0 / 3600.0;
    t.timeSystem = 2;
    EXPECT_EQ(Utf8(FormatStatusDateTime(t, true)), "29.03.2026   14:30   (DST on)");
    EXPECT_EQ(Utf8(FormatStatusDateTime(t, false)), "29.03.2026   14:30   (DST off)");
}

TEST(StatusTextsTest, LocationNamesTownCountryAndZone) {
    Location place;
    LocationInit(place);
    place.town = TXT("Adelaide");
    place.country = TXT("Australia");
    place.coordinates.timeZone.hours = 9.5;
    EXPECT_EQ(Utf8(FormatStatusLocation(place)), "Adelaide, Australia (UT+9:30)");
}

TEST(StatusTextsTest, LongLocationPushesTheGeneralTextAwayNotTheDate) {
    const StatusPartEdges normal = StatusLineEdges(1000, 200, 180);
    EXPECT_EQ(normal.locationRight, 1000 - 189);
    EXPECT_EQ(normal.generalRight, 1000 - 189 - 210);
    const StatusPartEdges crowded = StatusLineEdges(500, 2000, 180);
    EXPECT_EQ(crowded.locationRight, 500 - 189);
    EXPECT_EQ(crowded.generalRight, 0);
}

struct FitCase {
    const char* name;
    ScreenRect stored;
    ScreenRect expected;
};

class FitRectTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitRectTest, LandsOnTheWorkArea) {
    const ScreenRect area{0, 0, 1280, 1000};
    const ScreenRect fallback{100, 100, 700, 500};
    const ScreenRect r = FitRectOnWorkArea(GetParam().stored, area, fallback);
    EXPECT_EQ(r.left, GetParam().expected.left) << GetParam().name;
    EXPECT_EQ(r.top, GetParam().expected.top) << GetParam().name;
    EXPECT_EQ(r.right, GetParam().expected.right) << GetParam().name;
    EXPECT_EQ(r.bottom, GetParam().expected.bottom) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Rects, FitRectTest,
    ::testing::Values(FitCase{"inside", {10, 20, 610, 420}, {10, 20, 610, 420}},
                      FitCase{"off to the right", {3000, 20, 3600, 420}, {680, 20, 1280, 420}},
                      FitCase{"above the top", {10, -500, 610, -100}, {10, 0, 610, 400}},
                      FitCase{"negative size", {500, 500, 100, 100}, {100, 100, 700, 500}},
                      FitCase{"larger than the screen", {-100, -100, 3000, 3000}, {0, 0, 1280, 1000}}));

}  // namespace
}  // namespace corvinata
