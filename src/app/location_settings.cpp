#include "app/location_settings.h"

#include "app/settings_records.h"
#include "app/window_settings.h"
#include "base/geo_place.h"

namespace corvinata {

namespace {

bool ReadDegrees(SettingsTree& tree, const Char* group, const Char* value, double lo, double hi,
                 double& receiver, std::int32_t* orientation) {
    ReadGroup key(tree, group);
    double read = 0.0;
    if (!key.IsOpen() || !ReadDoubleValue(tree, value, read) || !(read >= lo && read <= hi)) {
        return false;
    }
    std::int32_t mode = 0;
    if (orientation && !ReadIntValue(tree, TXT("Orientation"), mode)) return false;
    receiver = read;
    if (orientation) *orientation = mode == kWestPositive ? kWestPositive : kEastPositive;
    return true;
}

bool WriteDegrees(SettingsTreeWriter& writer, const Char* group, const Char* value, double degrees,
                  const std::int32_t* orientation) {
    WriteGroup key(writer, group);
    return key.IsOpen() && WriteDoubleValue(writer, value, degrees) &&
           (!orientation || WriteIntValue(writer, TXT("Orientation"), *orientation));
}

constexpr RecordKeyNames kUserDefinedNames{TXT("Named geographical location"), TXT("User defined")};
constexpr RecordKeyNames kCoordinateNames{TXT("Geographical location"), TXT("Unnamed part")};

}  // namespace

bool LoadGeoCoordinates(const RecordKeyNames& names, SettingsTree& tree, GeoCoordinates& place) {
    ReadGroup key(tree, names.Key());
    GeoCoordinates read = place;
    if (!key.IsOpen() ||
        !ReadDegrees(tree, TXT("Longitude"), TXT("Degrees"), -180.0, 180.0, read.longitude.degrees,
                     &read.longitude.mode) ||
        !ReadDegrees(tree, TXT("Latitude"), TXT("Degrees"), -90.0, 90.0, read.latitude.degrees,
                     nullptr) ||
        !ReadDegrees(tree, TXT("Time zone"), TXT("Hours"), kMinTimeZoneHours, kMaxTimeZoneHours,
                     read.timeZone.hours, nullptr) ||
        !ReadIntValue(tree, TXT("Elevation"), read.elevation)) {
        return false;
    }
    place = read;
    return true;
}

bool SaveGeoCoordinates(const RecordKeyNames& names, const GeoCoordinates& place,
                        SettingsTreeWriter& writer) {
    WriteGroup key(writer, names.Key());
    const std::int32_t orientation = place.longitude.mode;
    return key.IsOpen() &&
           WriteDegrees(writer, TXT("Longitude"), TXT("Degrees"), place.longitude.degrees,
                        &orientation) &&
           WriteDegrees(writer, TXT("Latitude"), TXT("Degrees"), place.latitude.degrees, nullptr) &&
           WriteDegrees(writer, TXT("Time zone"), TXT("Hours"), place.timeZone.hours, nullptr) &&
           WriteIntValue(writer, TXT("Elevation"), place.elevation);
}

bool LoadGeoLocation(const RecordKeyNames& names, SettingsTree& tree, Location& record) {
    ReadGroup key(tree, names.Key());
    Location read = record;
    if (!key.IsOpen() || !LoadGeoCoordinates(kCoordinateNames, tree, read.coordinates) ||
        !ReadStringValue(tree, TXT("Country"), read.country) ||
        !ReadStringValue(tree, TXT("Town"), read.town)) {
        return false;
    }
    record = read;
    return true;
}

bool SaveGeoLocation(const RecordKeyNames& names, const Location& record, SettingsTreeWriter& writer) {
    WriteGroup key(writer, names.Key());
    return key.IsOpen() && SaveGeoCoordinates(kCoordinateNames, record.coordinates, writer) &&
           WriteStringValue(writer, TXT("Country"), record.country) &&
           WriteStringValue(writer, TXT("Town"), record.town);
}

bool LoadTimeAndPlace(const RecordKeyNames& names, SettingsTree& tree, TimeAndPlace& record) {
    ReadGroup key(tree, names.Key());
    TimeAndPlace read = record;
    if (!key.IsOpen() || !ReadDateTimeValue(tree, {TXT("Date and Time")}, read.dateTime) ||
        !LoadGeoCoordinates({TXT("Geographical location")}, tree, read.place) ||
        !LoadDstOptions(read.daylightSaving, tree)) {
        return false;
    }
    record = read;
    return true;
}

bool SaveTimeAndPlace(const RecordKeyNames& names, const TimeAndPlace& record,
                      SettingsTreeWriter& writer) {
    WriteGroup key(writer, names.Key());
    return key.IsOpen() && WriteDateTimeValue(writer, {TXT("Date and Time")}, record.dateTime) &&
           SaveGeoCoordinates({TXT("Geographical location")}, record.place, writer) &&
           SaveDstOptions(record.daylightSaving, writer);
}

bool LoadLocation(SettingsTree& tree, const LocationDirectory& directory, SelectLocationState& state) {
    state.country = String();
    state.town = String();
    ReadStringValue(tree, TXT("Country"), state.country);
    ReadStringValue(tree, TXT("Town"), state.town);
    String firstCountry;
    String firstTown;
    directory.FirstTown(firstCountry, firstTown);
    if (!directory.HasTown(state.country, state.town)) {
        state.country = firstCountry;
        state.town = firstTown;
    }
    Location user;
    state.userDefined = LoadGeoLocation(kUserDefinedNames, tree, user)
                            ? directory.FindUserLocation(user.country, user.town)
                            : nullptr;
    // The first town is what a load without a choice gives: it is taken as
    // no choice, so that the dialog keeps opening at the current place.
    state.chosen = state.userDefined || !(state.country == firstCountry && state.town == firstTown);
    if (!ReadBoolValue(tree, TXT("Retain LCT"), state.retainLocalCivilTime)) {
        state.retainLocalCivilTime = true;
    }
    return true;
}

bool SaveLocation(SettingsTreeWriter& writer, const SelectLocationState& state,
                  const LocationDirectory& directory) {
    String country = state.country;
    String town = state.town;
    if (!state.chosen && !state.userDefined) {
        country = String();
        town = String();
        directory.FirstTown(country, town);
    }
    if (WriteStringValue(writer, TXT("Country"), country)) {
        WriteStringValue(writer, TXT("Town"), town);
    }
    if (state.userDefined) {
        SaveGeoLocation(kUserDefinedNames, *state.userDefined, writer);
    } else {
        DeleteSettingsKey(writer, kUserDefinedNames.Key());
    }
    WriteBoolValue(writer, TXT("Retain LCT"), state.retainLocalCivilTime);
    return true;
}

}  // namespace corvinata
