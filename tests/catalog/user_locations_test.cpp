#include "catalog/user_locations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_storage.h"
#include "catalog/location_record_testing.h"
#include "catalog/town_table.h"

namespace corvinata {
namespace {

using test::MakePlace;
using test::Utf8;
using test::Wide;

const String kRoot(TXT("\\Software\\CorvinataTests\\Places"));
const Char kKey[] = TXT("\\Software\\CorvinataTests\\Places\\User defined locations");

class UserLocationsTest : public ::testing::Test {
protected:
    UserLocations NewStore() { return UserLocations(storage_, kRoot, format_); }

    // The names of the saved subkeys, in the store's order.
    std::vector<std::string> SavedKeys() {
        std::vector<String> names;
        auto node = storage_.CreateRegistryNode(RegistryHive::CurrentUser, kKey);
        std::vector<std::string> out;
        if (node->Open() && node->EnumSubkeys(names)) {
            for (const String& n : names) out.push_back(Utf8(n));
        }
        return out;
    }

    MemoryStorageService storage_;
    test::PlainLocationFormat format_;
};

TEST_F(UserLocationsTest, NoSavedKeyGivesAnEmptyStore) {
    UserLocations store = NewStore();
    EXPECT_TRUE(store.UserLocationEntries().empty());
    EXPECT_EQ(store.FindUserLocation(TXT("Bern"), TXT("Switzerland")), nullptr);
    EXPECT_FALSE(store.LoadFailed());
}

TEST_F(UserLocationsTest, TwelvePlacesComeBackInNumericOrder) {
    UserLocations first = NewStore();
    for (int i = 0; i < 12; ++i) {
        const std::string town = "Place " + std::to_string(i);
        ASSERT_EQ(first.AddUserLocation(MakePlace(town.c_str(), "Here", i)), i);
    }
    ASSERT_TRUE(first.SaveUserLocations());

    UserLocations second = NewStore();
    int expected = 0;
    for (const auto& [number, place] : second.UserLocationEntries()) {
        EXPECT_EQ(number, expected);
        EXPECT_TRUE(LocationEqual(place, MakePlace(("Place " + std::to_string(expected)).c_str(),
                                                   "Here", expected)));
        ++expected;
    }
    EXPECT_EQ(expected, 12);
}

TEST_F(UserLocationsTest, DeletionRenumbersTheSavedKeysWithoutGaps) {
    UserLocations store = NewStore();
    for (const char* town : {"A", "B", "C"}) store.AddUserLocation(MakePlace(town, "X", 1));
    store.DeleteUserLocation(MakePlace("B", "X", 99));
    EXPECT_EQ(store.AddUserLocation(MakePlace("D", "X", 1)), 3);
    ASSERT_TRUE(store.SaveUserLocations());
    EXPECT_EQ(SavedKeys(), (std::vector<std::string>{"0", "1", "2"}));
    UserLocations reread = NewStore();
    EXPECT_NE(reread.FindUserLocationByKey(TXT("C, X")), nullptr);
    EXPECT_EQ(reread.FindUserLocationByKey(TXT("B, X")), nullptr);
}

TEST_F(UserLocationsTest, DuplicateNameIsRefusedAndCaseCounts) {
    UserLocations store = NewStore();
    ASSERT_EQ(store.AddUserLocation(MakePlace("Oban", "Scotland", 5.5)), 0);
    EXPECT_EQ(store.AddUserLocation(MakePlace("Oban", "Scotland", 7.0)), -1);
    EXPECT_EQ(store.UserLocationEntries().size(), 1u);
    EXPECT_EQ(store.FindUserLocation(TXT("OBAN"), TXT("Scotland")), nullptr);
    EXPECT_EQ(store.FindUserLocation(TXT("Oban"), TXT("Scotland"))->coordinates.longitude.degrees,
              5.5);
}

TEST_F(UserLocationsTest, PlaceNamedLikeATownStaysApartFromIt) {
    UserLocations store = NewStore();
    ASSERT_EQ(store.AddUserLocation(MakePlace("London", "United Kingdom", 3.0)), 0);
    const Location* own = store.FindUserLocation(TXT("London"), TXT("United Kingdom"));
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->coordinates.longitude.degrees, 3.0);
    Location town;
    LocationInit(town);
    ASSERT_TRUE(TownLocation(FindTownIndex(TXT("United Kingdom"), TXT("London")), town));
    EXPECT_EQ(town.coordinates.longitude.degrees, 0.105);
}

TEST_F(UserLocationsTest, SecondLoadReadsNothing) {
    UserLocations store = NewStore();
    store.AddUserLocation(MakePlace("A", "X", 1));
    store.SaveUserLocations();
    UserLocations later = NewStore();
    later.LoadUserLocations();
    storage_.CreateRegistryNode(RegistryHive::CurrentUser, kKey)->DeleteTree();
    later.LoadUserLocations();
    EXPECT_EQ(later.UserLocationEntries().size(), 1u);
}

// A saved key whose entries cannot be listed (here: a subkey name longer
// than any key name the settings take) must survive the shutdown.
TEST_F(UserLocationsTest, UnreadableSavedPlacesAreNotOverwritten) {
    UserLocations store = NewStore();
    store.AddUserLocation(MakePlace("A", "X", 1));
    ASSERT_TRUE(store.SaveUserLocations());
    MemoryRegistry& registry = storage_.Registry();
    const test::CharText longName(400, 'n');
    RegistryApi::Key key = nullptr, child = nullptr;
    ASSERT_TRUE(registry.OpenKey(registry.RootKey(RegistryHive::CurrentUser), kKey + 1, key));
    ASSERT_TRUE(registry.CreateKey(key, longName.c_str(), child));
    registry.CloseKey(child);

    UserLocations damaged = NewStore();
    EXPECT_TRUE(damaged.UserLocationEntries().empty());
    EXPECT_TRUE(damaged.LoadFailed());
    EXPECT_FALSE(damaged.SaveUserLocations());

    ASSERT_TRUE(registry.DeleteSubkey(key, longName.c_str()));
    registry.CloseKey(key);
    EXPECT_NE(NewStore().FindUserLocation(TXT("A"), TXT("X")), nullptr);
}

}  // namespace
}  // namespace corvinata
