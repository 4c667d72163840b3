#include "app/place_directory.h"

#include "catalog/town_table.h"

namespace corvinata {

bool GeoLocationRecordFormat::Load(SettingsTree& tree, const Char* typeName,
                                   const String& instanceName, Location& record) const {
    return LoadGeoLocation({typeName, instanceName.Text()}, tree, record);
}

bool GeoLocationRecordFormat::Save(SettingsTreeWriter& writer, const Char* typeName,
                                   const String& instanceName, const Location& record) const {
    return SaveGeoLocation({typeName, instanceName.Text()}, record, writer);
}

bool PlaceDirectory::HasTown(const String& country, const String& town) const {
    return FindTownIndex(country.Text(), town.Text()) >= 0;
}

bool PlaceDirectory::FirstTown(String& country, String& town) const {
    const TownRecord* first = TownAt(0);
    if (!first) return false;
    country = String(first->country);
    town = String(first->town);
    return true;
}

const Location* PlaceDirectory::FindUserLocation(const String& country, const String& town) const {
    userPlaces_.LoadUserLocations();
    return userPlaces_.FindUserLocation(town.Text(), country.Text());
}

}  // namespace corvinata
