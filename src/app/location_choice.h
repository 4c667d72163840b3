// What the Select Location dialog shows and decides, apart from its window:
// the countries and towns of the town table, the place a chosen town makes,
// the identity of a chosen place, and the texts of the time difference that
// a change of place makes.
#pragma once

#include <cstdint>
#include <vector>

#include "base/date_time_location.h"
#include "base/location.h"
#include "base/wide_string.h"

namespace corvinata {

// The countries of the town table, each once, in table order.
std::vector<String> TownTableCountries();
// The towns of one country in table order; none for an unknown country.
std::vector<String> TownTableTownsOf(const Char* country);
// The place of a town of the table: its coordinates with the zone of the
// point, and the two names as given. A country and town that the table does
// not know give zero coordinates and zone.
Location PredefinedLocation(const Char* country, const Char* town);

// Which place is meant, independent of its names: a town of the table (by
// its record index) or a place of the user's own (by its entry number). Two
// places may share their names (a user place named after a town), never
// their identity.
struct PlaceIdentity {
    enum Kind : std::int8_t { kNone, kTown, kUserPlace };
    Kind kind = kNone;
    std::int32_t index = -1;

    friend bool operator==(PlaceIdentity a, PlaceIdentity b) noexcept {
        return a.kind == b.kind && a.index == b.index;
    }
    friend bool operator!=(PlaceIdentity a, PlaceIdentity b) noexcept { return !(a == b); }
};

// A user place may be deleted unless it is the application's current place.
inline bool MayDeleteUserPlace(PlaceIdentity current, std::int32_t entry) noexcept {
    return current != PlaceIdentity{PlaceIdentity::kUserPlace, entry};
}

// "The location "<name>" can not be deleted now ..." and "Do you want to
// delete the location "<name>"?", name = town, ", " and country.
String CurrentPlaceNotDeletableText(const Location& place);
String DeletePlaceQuestionText(const Location& place);

// The question when an entered time zone does not fit the coordinates
// (longitude west positive), and the refusal of a second place with the
// same country and town.
String TimeZoneQuestionText(double enteredZone, double longitudeWest, double latitude,
                            double suggestedZone, int angleStyle);
// Where the time-zone lookup knows no zone (at sea): the notice after Lookup
// or a click in the map, and the question before such a place is stored
// with the zone the user entered.
String NoTimeZoneText(double longitudeWest, double latitude, int angleStyle);
String NoTimeZoneQuestionText(double enteredZone, double longitudeWest, double latitude, int angleStyle);
constexpr const Char* kDuplicatePlaceText =
    TXT("A location with the given country and town name already exists.\n\n"
        "Please enter a different town or country name.");

// The time-difference section of the dialog.
struct TimeDifferenceTexts {
    String sentence;   // "The time difference between ... is D hours."
    String current;    // "<town> (current location)"
    String currentTime;  // "T1 (= T2)"
    String future;     // "For <town> (future location)"
    String keepLocal;  // "Keep T1"
    String keepMoment; // "Keep T2 (becomes T3)"
    bool enabled = false;  // false when nothing would change
};

// `now` is the application's current moment and place (C); `future` the
// place chosen (F).
TimeDifferenceTexts DescribeTimeDifference(const DateTimeLocation& now, const Location& future);

// The details lines of a place: town and country, longitude, latitude, zone
// and elevation ("<n> meters").
struct PlaceDetails {
    String name;
    String longitude;
    String latitude;
    String timeZone;
    String elevation;
};
PlaceDetails DescribePlace(const Location& place, int angleStyle);

}  // namespace corvinata
