#include "app/location_choice.h"

#include <string>

#include "base/date_time_text.h"
#include "base/text_format.h"
#include "base/time_systems.h"
#include "catalog/town_table.h"

namespace corvinata {
namespace {

using Text = std::basic_string<Char>;

Text Of(const String& s) { return Text(s.Text()); }
String ToString(const Text& t) { return String(t.c_str()); }

Text PlaceName(const Location& place) {
    return Of(place.town) + TXT(", ") + Of(place.country);
}

Text TimeOfDay(const DateTime& moment) {
    String out;
    FormatTime(kTimeToSecond, moment, true, kRoundHoldDayEnd, nullptr, out);
    return Of(out);
}

// The same moment as the current one, in `system` at `place`.
DateTime MomentAt(const DateTimeLocation& now, std::int32_t system, const Location& place) {
    DateTime moment = now.dateTime;
    ConvertTimeSystem(moment, system, place.coordinates.longitude, place.coordinates.timeZone,
                      now.daylightSaving);
    return moment;
}

bool SamePlace(const Location& a, const Location& b) noexcept { return LocationEqual(a, b); }

}  // namespace

std::vector<String> TownTableCountries() {
    std::vector<String> countries;
    const Char* previous = nullptr;
    for (int i = 0; i < TownCount(); ++i) {
        const TownRecord* record = TownAt(i);
        if (previous && TextEquals(previous, record->country)) continue;
        previous = record->country;
        countries.emplace_back(record->country);
    }
    return countries;
}

std::vector<String> TownTableTownsOf(const Char* country) {
    std::vector<String> towns;
    const int first = FindCountryFirstIndex(country);
    if (first < 0) return towns;
    const Char* name = TownAt(first)->country;
    for (int i = first; i < TownCount() && TextEquals(TownAt(i)->country, name); ++i)
        towns.emplace_back(TownAt(i)->town);
    return towns;
}

Location PredefinedLocation(const Char* country, const Char* town) {
    Location place;
    if (!TownLocation(FindTownIndex(country, town), place)) LocationInit(place);
    place.country = country;
    place.town = town;
    return place;
}

String CurrentPlaceNotDeletableText(const Location& place) {
    const Text name = PlaceName(place);
    return ToString(TXT("The location \"") + name +
                    TXT("\" can not be deleted now because it is the current location used by the "
                        "application.\n\nTo delete \"") +
                    name + TXT("\", first select a different location and press OK in the Select "
                               "Location Dialog."));
}

String DeletePlaceQuestionText(const Location& place) {
    return ToString(TXT("Do you want to delete the location \"") + PlaceName(place) + TXT("\"?"));
}

namespace {

// "(longitude / latitude)" as the location questions name a point.
String CoordinatesText(double longitudeWest, double latitude, int angleStyle) {
    String longitude;
    String latitudeText;
    LongitudeFormat(LongitudeValue(longitudeWest, kWestPositive), longitude, angleStyle, kToSecond,
                    kAutomaticDecimals);
    LatitudeValue north;
    north.degrees = latitude;
    LatitudeFormat(north, latitudeText, angleStyle, kToSecond, kAutomaticDecimals);
    return ToString(TXT("(") + Of(longitude) + TXT(" / ") + Of(latitudeText) + TXT(")"));
}

}  // namespace

String NoTimeZoneText(double longitudeWest, double latitude, int angleStyle) {
    return ToString(TXT("No time zone is known for the coordinates ") +
                    Of(CoordinatesText(longitudeWest, latitude, angleStyle)) +
                    TXT("; they may lie at sea.\n\nPlease enter the time zone of this location yourself."));
}

String NoTimeZoneQuestionText(double enteredZone, double longitudeWest, double latitude, int angleStyle) {
    String entered;
    FormatTimeZoneOffset(TimeZoneValue{enteredZone}, entered);
    return ToString(TXT("No time zone is known for the coordinates ") +
                    Of(CoordinatesText(longitudeWest, latitude, angleStyle)) +
                    TXT("; they may lie at sea.\n\nDo you want to use the time zone ") + Of(entered) +
                    TXT(" you entered?"));
}

String TimeZoneQuestionText(double enteredZone, double longitudeWest, double latitude,
                            double suggestedZone, int angleStyle) {
    String entered;
    String suggested;
    FormatTimeZoneOffset(TimeZoneValue{enteredZone}, entered);
    FormatTimeZoneOffset(TimeZoneValue{suggestedZone}, suggested);
    return ToString(TXT("You entered a time zone of ") + Of(entered) +
                    TXT(" which does not look correct for the coordinates ") +
                    Of(CoordinatesText(longitudeWest, latitude, angleStyle)) + TXT(".") +
                    TXT(" Corvinata suggests a time zone of ") +
                    Of(suggested) + TXT(" for this location.\n\n") +
                    TXT("Do you want to use the time zone ") + Of(suggested) + TXT("?"));
}

TimeDifferenceTexts DescribeTimeDifference(const DateTimeLocation& now, const Location& future) {
    const Location& current = now.location;
    const double difference =
        future.coordinates.timeZone.hours - current.coordinates.timeZone.hours;
    String hours;
    FormatDouble(difference, 2, hours, false);

    std::int32_t system = now.dateTime.timeSystem;
    if (system < kUniversalTime || system > kLocalSiderealTime) system = kLocalCivilTime;
    const Text t1 = TimeOfDay(now.dateTime);
    const Text t2 = TimeOfDay(MomentAt(now, kUniversalTime, current));
    DateTimeLocation universal = now;
    universal.dateTime = MomentAt(now, kUniversalTime, current);
    const Text t3 = TimeOfDay(MomentAt(universal, system, future));

    TimeDifferenceTexts texts;
    texts.sentence = ToString(TXT("The time difference between ") + Of(current.town) + TXT(" and ") +
                              Of(future.town) + TXT(" is ") + Of(hours) + TXT(" hours."));
    texts.current = ToString(Of(current.town) + TXT(" (current location)"));
    texts.currentTime = ToString(t1 + TXT(" (= ") + t2 + TXT(")"));
    texts.future = ToString(TXT("For ") + Of(future.town) + TXT(" (future location)"));
    texts.keepLocal = ToString(TXT("Keep ") + t1);
    texts.keepMoment = ToString(TXT("Keep ") + t2 + TXT(" (becomes ") + t3 + TXT(")"));
    texts.enabled = !SamePlace(current, future) && difference != 0.0;
    return texts;
}

PlaceDetails DescribePlace(const Location& place, int angleStyle) {
    PlaceDetails details;
    details.name = ToString(PlaceName(place));
    place.coordinates.longitude.Format(details.longitude, angleStyle, kToSecond, kAutomaticDecimals);
    place.coordinates.latitude.Format(details.latitude, angleStyle, kToSecond, kAutomaticDecimals);
    FormatTimeZoneOffset(place.coordinates.timeZone, details.timeZone);
    String metres;
    StringFromInteger(place.coordinates.elevation, 0, metres, true, ' ');
    details.elevation = ToString(Of(metres) + TXT(" meters"));
    return details;
}

}  // namespace corvinata
