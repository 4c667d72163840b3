#include "catalog/town_table.h"

#include <gtest/gtest.h>

#include <optional>

#include "catalog/time_zones.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

struct TownLookup {
    const char* country;
    const char* town;
    const char* foundCountry;  // null: not found
    double latitude;
};

const TownLookup kLookups[] = {
    {"united kingdom", "LONDON", "United Kingdom", 51.517},
    {"Canada", "london", "Canada", 42.983},
    {"France", "London", nullptr, 0},
    {"Atlantis", "London", nullptr, 0},
    {"AFGHANISTAN", "herat", "Afghanistan", 34.333},
    {"congo", "Brazzaville", "Congo", -4.266},
};

class TownLookupTest : public ::testing::TestWithParam<TownLookup> {};

TEST_P(TownLookupTest, FindsTownIgnoringCase) {
    const TownLookup& c = GetParam();
    const int index = FindTownIndex(Wide(c.country).c_str(), Wide(c.town).c_str());
    if (!c.foundCountry) {
        EXPECT_EQ(index, -1);
        return;
    }
    ASSERT_GE(index, 0);
    EXPECT_EQ(Utf8(TownAt(index)->country), c.foundCountry);
    EXPECT_NEAR(TownAt(index)->latitude, c.latitude, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Towns, TownLookupTest, ::testing::ValuesIn(kLookups));

// The groups out of alphabetical order are each found as themselves, asked
// for in either case, never as the neighbour whose name they begin with.
class CountryGroupTest : public ::testing::TestWithParam<const char*> {};

TEST_P(CountryGroupTest, FirstRecordStartsTheGroup) {
    const int index = FindCountryFirstIndex(Wide(GetParam()).c_str());
    ASSERT_GT(index, 0);
    EXPECT_TRUE(TextEqualsNoCase(TownAt(index)->country, Wide(GetParam()).c_str()));
    EXPECT_FALSE(TextEqualsNoCase(TownAt(index - 1)->country, TownAt(index)->country));
}

INSTANTIATE_TEST_SUITE_P(ExceptionalOrder, CountryGroupTest,
                         ::testing::Values("Congo", "congo (democratic republic)", "NETHERLANDS",
                                           "Netherlands Antilles"));

TEST(TownTable, HoldsTheTownsOfEveryCountryFromKabul) {
    EXPECT_EQ(TownCount(), 2003);
    EXPECT_EQ(Utf8(TownAt(0)->town), "Kabul");
    EXPECT_EQ(Utf8(TownAt(1)->town), "Herat");
    EXPECT_EQ(TownAt(TownCount()), nullptr);
}

struct TownPlace {
    const char* country;
    const char* town;
    double longitudeWest;
    double hours;
};

// A location counts its longitude west positive, the table east positive.
class TownLocationTest : public ::testing::TestWithParam<TownPlace> {};

TEST_P(TownLocationTest, TurnsLongitudeWestPositive) {
    const TownPlace& c = GetParam();
    Location place;
    LocationInit(place);
    ASSERT_TRUE(TownLocation(FindTownIndex(Wide(c.country).c_str(), Wide(c.town).c_str()), place));
    EXPECT_EQ(place.coordinates.longitude.degrees, c.longitudeWest);
    EXPECT_EQ(place.coordinates.timeZone.hours, c.hours);
    EXPECT_EQ(Utf8(place.town), c.town);
}

INSTANTIATE_TEST_SUITE_P(Towns, TownLocationTest,
                         ::testing::Values(TownPlace{"Afghanistan", "Kabul", -69.183, 4.5},
                                           TownPlace{"United Kingdom", "London", 0.105, 0.0},
                                           TownPlace{"Canada", "London", 81.25, -5.0}));

// Standard offsets of a sample of towns, from the zone each town keeps in
// the time-zone database; the last group are known differences of the zone
// outlines (a later rule change, or a border drawn coarsely).
struct TownOffset {
    const char* country;
    const char* town;
    double standard;
    double outline;
};

const TownOffset kTownOffsets[] = {
    {"Japan", "Tokyo", 9, 9}, {"India", "Mumbai", 5.5, 5.5}, {"Russia", "Moscow", 3, 3},
    {"China", "Shanghai", 8, 8}, {"United States", "Los Angeles", -8, -8},
    {"United States", "Denver", -7, -7}, {"United States", "Chicago", -6, -6},
    {"Brazil", "Sao Paulo", -3, -3}, {"Egypt", "Cairo", 2, 2}, {"Iran", "Tehran", 3.5, 3.5},
    {"Myanmar", "Yangon", 6.5, 6.5}, {"Australia", "Adelaide", 9.5, 9.5},
    {"New Zealand", "Auckland", 12, 12}, {"Venezuela", "Caracas", -4, -4},
    {"South Africa", "Johannesburg", 2, 2}, {"Argentina", "Buenos Aires", -3, -3},
    {"Indonesia", "Jakarta", 7, 7}, {"Kenya", "Nairobi", 3, 3}, {"France", "Paris", 1, 1},
    {"Canada", "Halifax", -4, -4},
    {"Russia", "Samara", 4, 3}, {"Russia", "Omsk", 6, 7}, {"China", "Urumqi", 8, 8},
    {"Estonia", "Narva", 2, 3}, {"Iran", "Abadan", 3.5, 3}, {"Mexico", "Cancun", -5, -6},
};

TEST(TownTable, EveryTownLiesInAZone) {
    int agreeing = 0;
    for (int i = 0; i < TownCount(); ++i) {
        const TownRecord& t = *TownAt(i);
        EXPECT_TRUE(TimeZoneAtPoint(-t.longitude, t.latitude).has_value()) << Utf8(t.town);
    }
    for (const TownOffset& c : kTownOffsets) {
        const TownRecord& t = *TownAt(FindTownIndex(Wide(c.country).c_str(), Wide(c.town).c_str()));
        const double hours = TimeZoneOffsetAtPoint(-t.longitude, t.latitude).value_or(99);
        EXPECT_EQ(hours, c.outline) << c.town;
        agreeing += hours == c.standard;
    }
    EXPECT_EQ(agreeing, 21);
}

}  // namespace
}  // namespace corvinata
