// The application's view of its places: the built-in town table and the
// user's own places, joined for the location options and the Select
// Location state, and the record layout the user-place store is given.
#pragma once

#include "app/location_settings.h"
#include "catalog/user_locations.h"

namespace corvinata {

// Location records as the settings keep them everywhere else in the program.
class GeoLocationRecordFormat final : public LocationRecordFormat {
public:
    bool Load(SettingsTree& tree, const Char* typeName, const String& instanceName,
              Location& record) const override;
    bool Save(SettingsTreeWriter& writer, const Char* typeName, const String& instanceName,
              const Location& record) const override;
};

class PlaceDirectory final : public LocationDirectory {
public:
    // `userPlaces` must outlive the directory; it is read when first asked.
    explicit PlaceDirectory(UserLocations& userPlaces) : userPlaces_(userPlaces) {}

    bool HasTown(const String& country, const String& town) const override;
    bool FirstTown(String& country, String& town) const override;
    const Location* FindUserLocation(const String& country, const String& town) const override;

private:
    UserLocations& userPlaces_;
};

}  // namespace corvinata
