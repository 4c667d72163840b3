// A plain location record layout for the tests of the user-defined places,
// and the round trip of twelve places that both storages must pass.
#pragma once

#include <functional>
#include <string>

#include "catalog/user_locations.h"
#include "support/test_text.h"

namespace corvinata::test {

class PlainLocationFormat final : public LocationRecordFormat {
public:
    bool Load(SettingsTree& tree, const Char*, const String& name, Location& r) const override {
        if (!PushSettingsKey(tree, name)) return false;
        SettingsNode& key = *tree.Innermost();
        const bool ok = key.ReadString(TXT("Country"), r.country) &&
                        key.ReadString(TXT("Town"), r.town) &&
                        key.ReadDouble(TXT("Longitude"), r.coordinates.longitude.degrees);
        return PopSettingsKey(tree) && ok;
    }
    bool Save(SettingsTreeWriter& writer, const Char*, const String& name,
              const Location& r) const override {
        const bool opened = OpenSettingsKeyPath(writer, name);
        SettingsNode& key = *writer.Innermost();
        const bool ok = opened && key.WriteString(TXT("Country"), r.country) &&
                        key.WriteString(TXT("Town"), r.town) &&
                        key.WriteDouble(TXT("Longitude"), r.coordinates.longitude.degrees);
        return PopSettingsKey(writer) && ok;
    }
};

inline Location MakePlace(const std::string& town, const char* country, double longitudeWest) {
    Location place;
    LocationInit(place);
    place.coordinates.longitude.degrees = longitudeWest;
    place.town = Wide(town).c_str();
    place.country = Wide(country).c_str();
    return place;
}

inline void ExpectTwelvePlacesSurvive(const std::function<UserLocations()>& newStore) {
    UserLocations first = newStore();
    for (int i = 0; i < 12; ++i) first.AddUserLocation(MakePlace("P" + std::to_string(i), "Q", i));
    ASSERT_TRUE(first.SaveUserLocations());
    UserLocations second = newStore();
    int expected = 0;
    for (const auto& entry : second.UserLocationEntries()) {
        const std::string town = "P" + std::to_string(expected);
        EXPECT_TRUE(LocationEqual(entry.second, MakePlace(town, "Q", expected++))) << town;
    }
    EXPECT_EQ(expected, 12);
}

}  // namespace corvinata::test
