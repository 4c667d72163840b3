#include "app/location_choice.h"

#include <gtest/gtest.h>

#include <set>

#include "catalog/town_table.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

TEST(TownTableLists, EveryCountryOnceInTableOrderWithItsTowns) {
    const std::vector<String> countries = TownTableCountries();
    std::set<std::string> seen;
    int towns = 0;
    for (const String& country : countries) {
        EXPECT_TRUE(seen.insert(Utf8(country)).second) << Utf8(country);
        towns += static_cast<int>(TownTableTownsOf(country.Text()).size());
    }
    EXPECT_EQ(towns, TownCount());
    EXPECT_EQ(Utf8(countries.front()), "Afghanistan");
    const std::vector<String> afghan = TownTableTownsOf(TXT("Afghanistan"));
    ASSERT_GE(afghan.size(), 2u);
    EXPECT_EQ(Utf8(afghan[0]), "Kabul");
    EXPECT_EQ(Utf8(afghan[1]), "Herat");
    EXPECT_TRUE(TownTableTownsOf(TXT("Atlantis")).empty());
}

TEST(PredefinedPlace, TownCoordinatesWestPositiveAndUnknownTownsAtZero) {
    const Location london = PredefinedLocation(TXT("United Kingdom"), TXT("London"));
    EXPECT_NEAR(london.coordinates.longitude.degrees, 0.105, 1e-9);
    EXPECT_NEAR(london.coordinates.latitude.degrees, 51.5, 0.1);
    EXPECT_EQ(london.coordinates.timeZone.hours, 0.0);
    const Location nowhere = PredefinedLocation(TXT("France"), TXT("London"));
    EXPECT_EQ(nowhere.coordinates.longitude.degrees, 0.0);
    EXPECT_EQ(nowhere.coordinates.latitude.degrees, 0.0);
    EXPECT_EQ(Utf8(nowhere.town), "London");
}

Location Place(const char* town, double westLongitude, double zone) {
    Location place;
    place.town = String(Wide(town).c_str());
    place.country = String(TXT("Land"));
    place.coordinates.longitude.degrees = westLongitude;
    place.coordinates.timeZone.hours = zone;
    return place;
}

struct DifferenceCase {
    const char* name;
    double futureZone;
    const char* sentence;
    const char* keepMoment;
    bool enabled;
};

class TimeDifference : public ::testing::TestWithParam<DifferenceCase> {};

TEST_P(TimeDifference, SentenceKeepTextsAndEnabledState) {
    const DifferenceCase& c = GetParam();
    DateTimeLocation now;
    now.dateTime = DateTime{2001, 3, 5, 14.5, kLocalCivilTime};
    now.location = Place("Here", 0.0, 1.0);
    const Location future = Place("There", 0.0, c.futureZone);
    const TimeDifferenceTexts texts = DescribeTimeDifference(now, future);
    EXPECT_EQ(Utf8(texts.sentence), c.sentence);
    EXPECT_EQ(Utf8(texts.current), "Here (current location)");
    EXPECT_EQ(Utf8(texts.currentTime), "14:30:00 LCT (= 13:30:00 UT)");
    EXPECT_EQ(Utf8(texts.future), "For There (future location)");
    EXPECT_EQ(Utf8(texts.keepLocal), "Keep 14:30:00 LCT");
    EXPECT_EQ(Utf8(texts.keepMoment), c.keepMoment);
    EXPECT_EQ(texts.enabled, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Zones, TimeDifference, ::testing::Values(
    DifferenceCase{"HalfAnHour", 1.5, "The time difference between Here and There is 0.50 hours.",
                   "Keep 13:30:00 UT (becomes 15:00:00 LCT)", true},
    DifferenceCase{"MinusFiveHours", -4.0, "The time difference between Here and There is -5.00 hours.",
                   "Keep 13:30:00 UT (becomes 09:30:00 LCT)", true},
    DifferenceCase{"SameZone", 1.0, "The time difference between Here and There is 0.00 hours.",
                   "Keep 13:30:00 UT (becomes 14:30:00 LCT)", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlaceTexts, DetailsOfAPlace) {
    const PlaceDetails details = DescribePlace(Place("Hill", 0.0, 5.5), kAngleSexagesimal);
    EXPECT_EQ(Utf8(details.name), "Hill, Land");
    EXPECT_EQ(Utf8(details.timeZone), "UT+5:30");
    EXPECT_EQ(Utf8(details.elevation), "0 meters");
}

}  // namespace
}  // namespace corvinata
