// Location records in the settings, and the state of the Select Location
// dialog that is kept from one run of the program to the next.
#pragma once

#include "app/settings_values.h"
#include "base/geo_place.h"
#include "base/location.h"

namespace corvinata {

// In the record's sub-key: the coordinates under "Unnamed part"
// ("Longitude": "Degrees", "Orientation"; "Latitude": "Degrees";
// "Time zone": "Hours"; "Elevation"), then "Country" and "Town". A record is
// taken only whole and only with its coordinates in their ranges.
bool LoadGeoLocation(const RecordKeyNames& names, SettingsTree& tree, Location& record);
bool SaveGeoLocation(const RecordKeyNames& names, const Location& record, SettingsTreeWriter& writer);

// The coordinates of a place in their own sub-key ("Unnamed part" inside a
// location record, "Geographical location" beside a date-time value).
bool LoadGeoCoordinates(const RecordKeyNames& names, SettingsTree& tree, GeoCoordinates& place);
bool SaveGeoCoordinates(const RecordKeyNames& names, const GeoCoordinates& place,
                        SettingsTreeWriter& writer);

// A moment with its place: under the sub-key `names`, the date-time value
// "Date and Time", the coordinates "Geographical location" and the group
// "Daylight Saving Time". Taken only whole.
bool LoadTimeAndPlace(const RecordKeyNames& names, SettingsTree& tree, TimeAndPlace& record);
bool SaveTimeAndPlace(const RecordKeyNames& names, const TimeAndPlace& record,
                      SettingsTreeWriter& writer);

// The town database and the user's own places, as the Select Location state
// needs them.
class LocationDirectory {
public:
    virtual ~LocationDirectory() = default;
    virtual bool HasTown(const String& country, const String& town) const = 0;
    // The first country of the town table and its first town.
    virtual bool FirstTown(String& country, String& town) const = 0;
    // The stored user-defined place of that country and name, or none.
    virtual const Location* FindUserLocation(const String& country, const String& town) const = 0;
};

struct SelectLocationState {
    String country;
    String town;
    const Location* userDefined = nullptr;  // null: the last choice was a town
    bool retainLocalCivilTime = true;
    // Whether the user has chosen a place in the dialog. Until then the
    // record holds the first town of the table, as the load gives it, and
    // the dialog opens at the current place instead.
    bool chosen = false;
};

// Under the key `path`: "Country", "Town", the "User defined" record and
// "Retain LCT". Both always answer true. A state nobody has chosen yet is
// written as the first country of the table and its first town.
bool LoadLocation(SettingsTree& tree, const LocationDirectory& directory, SelectLocationState& state);
// A town chosen last removes the "User defined" record of an earlier run, so
// that the next start does not bring the old place back.
bool SaveLocation(SettingsTreeWriter& writer, const SelectLocationState& state,
                  const LocationDirectory& directory);

}  // namespace corvinata
