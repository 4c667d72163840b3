// A plain location record layout for the tests of the user-defined places:
// every field one value of the record's key.
#pragma once

#include "base/settings_tree.h"
#include "catalog/user_locations.h"
#include "support/test_text.h"

namespace corvinata::test {

class PlainLocationFormat final : public LocationRecordFormat {
public:
    bool Load(SettingsTree& tree, const Char*, const String& instanceName,
              Location& record) const override {
        if (!PushSettingsKey(tree, instanceName)) return false;
        SettingsNode& key = *tree.Innermost();
        GeoCoordinates& c = record.coordinates;
        const bool ok = key.ReadString(TXT("Country"), record.country) &&
                        key.ReadString(TXT("Town"), record.town) &&
                        key.ReadDouble(TXT("Longitude"), c.longitude.degrees) &&
                        key.ReadDouble(TXT("Latitude"), c.latitude.degrees) &&
                        key.ReadDouble(TXT("Time zone"), c.timeZone.hours) &&
                        key.ReadInt(TXT("Elevation"), c.elevation);
        PopSettingsKey(tree);
        return ok;
    }
    bool Save(SettingsTreeWriter& writer, const Char*, const String& instanceName,
              const Location& record) const override {
        bool ok = OpenSettingsKeyPath(writer, instanceName);
        SettingsNode& key = *writer.Innermost();
        const GeoCoordinates& c = record.coordinates;
        ok = ok && key.WriteString(TXT("Country"), record.country) &&
             key.WriteString(TXT("Town"), record.town) &&
             key.WriteDouble(TXT("Longitude"), c.longitude.degrees) &&
             key.WriteDouble(TXT("Latitude"), c.latitude.degrees) &&
             key.WriteDouble(TXT("Time zone"), c.timeZone.hours) &&
             key.WriteInt(TXT("Elevation"), c.elevation);
        return PopSettingsKey(writer) && ok;
    }
};

// A place called `town` in `country` whose coordinates tell it apart.
inline Location MakePlace(const char* town, const char* country, double longitudeWest) {
    Location place;
    LocationInit(place);
    place.coordinates.longitude.degrees = longitudeWest;
    place.coordinates.latitude.degrees = 45.25;
    place.coordinates.timeZone.hours = 5.75;
    place.coordinates.elevation = 321;
    place.town = Wide(town).c_str();
    place.country = Wide(country).c_str();
    return place;
}

}  // namespace corvinata::test
