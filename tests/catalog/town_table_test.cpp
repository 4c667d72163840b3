#include "catalog/town_table.h"

#include <gtest/gtest.h>

#include "catalog/time_zones.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Wide;

int Find(const char* country, const char* town) {
    return FindTownIndex(Wide(country).c_str(), Wide(town).c_str());
}

TEST(TownTable, FindsTownsAndCountriesIgnoringCase) {
    EXPECT_EQ(Find("AFGHANISTAN", "kabul"), 0);
    EXPECT_EQ(Find("afghanistan", "HERAT"), 1);
    EXPECT_EQ(Find("France", "London"), -1);
    EXPECT_EQ(Find("Atlantis", "London"), -1);
    // The groups out of alphabetical order are found as themselves, never as
    // the neighbour whose name they begin with.
    for (const char* country : {"Congo", "CONGO (democratic republic)", "netherlands",
                                "Netherlands Antilles"}) {
        const int index = FindCountryFirstIndex(Wide(country).c_str());
        ASSERT_GT(index, 0) << country;
        EXPECT_TRUE(TextEqualsNoCase(TownAt(index)->country, Wide(country).c_str())) << country;
        EXPECT_FALSE(TextEqualsNoCase(TownAt(index - 1)->country, TownAt(index)->country));
    }
}

// A location counts its longitude west positive, the table east positive.
TEST(TownTable, LocationTurnsLongitudeWestPositive) {
    const struct { const char* country; const char* town; double west, hours; } towns[] = {
        {"united kingdom", "London", 0.105, 0.0}, {"Canada", "London", 81.25, -5.0},
        {"Afghanistan", "Kabul", -69.183, 4.5}};
    for (const auto& t : towns) {
        Location place;
        LocationInit(place);
        ASSERT_TRUE(TownLocation(Find(t.country, t.town), place));
        EXPECT_EQ(place.coordinates.longitude.degrees, t.west) << t.country;
        EXPECT_EQ(place.coordinates.timeZone.hours, t.hours) << t.country;
    }
    EXPECT_EQ(TownAt(TownCount()), nullptr);
}

// Every town lies in a zone. A sample of towns with the standard offset of
// their zone in the time-zone database: the last three are known
// differences of the outlines (a later rule change, a border drawn coarsely).
TEST(TownTable, EveryTownLiesInAZone) {
    for (int i = 0; i < TownCount(); ++i) {
        EXPECT_TRUE(TimeZoneAtPoint(-TownAt(i)->longitude, TownAt(i)->latitude)) << i;
    }
    const struct { const char* country; const char* town; double standard, outline; } sample[] = {
        {"Japan", "Tokyo", 9, 9},           {"India", "Mumbai", 5.5, 5.5},
        {"China", "Urumqi", 8, 8},          {"United States", "Denver", -7, -7},
        {"Iran", "Tehran", 3.5, 3.5},       {"Myanmar", "Yangon", 6.5, 6.5},
        {"Australia", "Adelaide", 9.5, 9.5}, {"Russia", "Samara", 4, 3},
        {"Estonia", "Narva", 2, 3},         {"Mexico", "Cancun", -5, -6},
    };
    int agreeing = 0;
    for (const auto& s : sample) {
        const TownRecord& t = *TownAt(Find(s.country, s.town));
        const double hours = TimeZoneOffsetAtPoint(-t.longitude, t.latitude).value_or(99);
        EXPECT_EQ(hours, s.outline) << s.town;
        agreeing += hours == s.standard;
    }
    EXPECT_EQ(agreeing, 7);
}

}  // namespace
}  // namespace corvinata
