#include "base/location.h"

namespace corvinata {

namespace {

// Names come from the settings exchange and the town database; a missing
// one is an empty name.
const Char* OrEmpty(const Char* text) noexcept { return text ? text : TXT(""); }

}  // namespace

void LocationInit(Location& record) {
    GeoCoordinatesInit(record.coordinates);
    StringAssign(record.country, TXT(""));
    StringAssign(record.town, TXT(""));
}

Location& LocationMake(const LongitudeValue& longitude, Location& record,
                       const LatitudeValue& latitude, std::int32_t elevation,
                       const Char* country, const Char* town, double timeZoneHours) {
    record.coordinates.longitude = longitude;
    record.coordinates.latitude = latitude;
    record.coordinates.timeZone.hours = timeZoneHours;
    record.coordinates.elevation = elevation;
    StringAssign(record.country, OrEmpty(country));
    StringAssign(record.town, OrEmpty(town));
    return record;
}

void LocationCopyConstruct(Location& record, const Location& source) {
    LocationInit(record);
    LocationAssign(record, source);
}

Location& LocationAssign(Location& target, const Location& source) {
    if (&target == &source) return target;
    TypedValueAssign(target.coordinates.longitude, source.coordinates.longitude);
    TypedValueAssign(target.coordinates.latitude, source.coordinates.latitude);
    TypedValueAssign(target.coordinates.timeZone, source.coordinates.timeZone);
    target.coordinates.elevation = source.coordinates.elevation;
    StringAssignString(target.country, source.country);
    StringAssignString(target.town, source.town);
    return target;
}

bool LocationEqual(const Location& a, const Location& b) noexcept {
    return GeoCoordinatesEqual(a.coordinates, b.coordinates) && a.country == b.country &&
           a.town == b.town;
}

String FormatLocationDescription(const Location& record, bool withCoordinates, int angleStyle) {
    String text(record.town.Text());
    StringAppend(text, TXT(", "));
    StringAppend(text, record.country.Text());
    if (!withCoordinates) return text;

    constexpr int kDescriptionDecimals = 3;
    String part;
    StringAppend(text, TXT("   ("));
    record.coordinates.longitude.Format(part, angleStyle, kToSecond, kDescriptionDecimals);
    StringAppend(text, part.Text());
    StringAppend(text, TXT(" / "));
    record.coordinates.latitude.Format(part, angleStyle, kToSecond, kDescriptionDecimals);
    StringAppend(text, part.Text());
    StringAppend(text, TXT(", "));
    FormatTimeZoneOffset(record.coordinates.timeZone, part);
    StringAppend(text, part.Text());
    StringAppend(text, TXT(")"));
    return text;
}

String LocationCountry(const Location& record) { return record.country; }
String LocationTown(const Location& record) { return record.town; }
void SetLocationCountry(Location& record, const Char* text) {
    StringAssign(record.country, OrEmpty(text));
}
void SetLocationTown(Location& record, const Char* text) {
    StringAssign(record.town, OrEmpty(text));
}

}  // namespace corvinata
