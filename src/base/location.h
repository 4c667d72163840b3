// Location: a named observing place, its coordinates with the names of its
// country and town.
//
// The application's current place, the user's own places and the places
// kept by graphs, reports and Event Finder runs are Location records; the
// astronomy code takes only the coordinates (see TimeAndPlace). Whether a
// place came from the town database and whether local civil time is kept
// when it changes are held by the application beside the record.
#pragma once

#include <cstdint>

#include "base/geo_place.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// The orientation of the longitude and the side style of the latitude are
// how the holder of a place shows and reads it; the degrees are stored one
// way whatever they say. So a place handed from one holder to another goes
// through LocationAssign (or DateTimeLocationAssign), which copies the place
// and its names and leaves the receiver's mode words as they were. A C++
// copy of the record copies everything; it makes a holder's own copy.
struct Location {
    GeoCoordinates coordinates;
    String country;  // may be empty
    String town;     // may be empty
};

// The empty record: coordinates as GeoCoordinatesInit leaves them, both
// names empty.
void LocationInit(Location& record);
// A record from its parts; longitude and latitude keep their mode words.
Location& LocationMake(const LongitudeValue& longitude, Location& record,
                       const LatitudeValue& latitude, std::int32_t elevation,
                       const Char* country, const Char* town, double timeZoneHours);
// The empty record, then LocationAssign from the source: the copy has the
// default mode words and the source's place and names.
void LocationCopyConstruct(Location& record, const Location& source);
// Copies the longitude and latitude numbers (the target keeps its mode
// words), the time-zone hours, the elevation, the country and the town.
// Assigning a record to itself changes nothing.
Location& LocationAssign(Location& target, const Location& source);
// Equal coordinates (GeoCoordinatesEqual) and equal names, compared exactly
// and with case.
bool LocationEqual(const Location& a, const Location& b) noexcept;

// "Town, Country", and with coordinates
// "Town, Country   (0°07'39\" W / 51°30'26\" N, UT+0)": the angles in the
// given AngleTextStyle, to the second, with 3 decimals in the decimal style.
String FormatLocationDescription(const Location& record, bool withCoordinates, int angleStyle);

// The "Country" and "Town" properties of the settings exchange.
String LocationCountry(const Location& record);
String LocationTown(const Location& record);
void SetLocationCountry(Location& record, const Char* text);
void SetLocationTown(Location& record, const Char* text);

}  // namespace corvinata
